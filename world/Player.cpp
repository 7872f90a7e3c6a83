#include "world/Player.h"

#include "app/GameApplication.h"
#include "debug/Debug.h"
#include "display/MyGraphics.h"
#include "screens/LevelClearSpecialState.h"
#include "sound/MySoundManager.h"
#include "world/CurrentMaze.h"

namespace {
constexpr int PLAYER_GLYPH = 132;
constexpr int MAX_LASERS = 99;
constexpr int NOT_DRAWN = -10000;
} // namespace

Player::Player(GameApplication& app) : app(app) {}

void Player::init(CurrentMaze* maze_in, MySoundManager* sound_in)
{
    maze = maze_in;
    released = true;
    fire_pressed = false;
    fire_held = false;
    move_requested = false;
    stop_after_step = false;
    score = 0;
    lives = 9;
    lasers = 20;
    line_ = START_LINE;
    column_ = START_COLUMN;
    line_step = 0;
    column_step = 0;
    sound = sound_in;
    success = 7;
    if (maze != nullptr) {
        maze->maze_eat(START_LINE, START_COLUMN);
    }
}

void Player::reset_position()
{
    line_ = START_LINE;
    column_ = START_COLUMN;
    released = true;
    if (maze != nullptr) {
        maze->maze_eat(START_LINE, START_COLUMN);
    }
}

void Player::play(int id)
{
    if (sound != nullptr) {
        sound->play_sound(static_cast<sound_t>(id));
    }
}

void Player::update(double)
{
    if (maze == nullptr || !released) {
        return;
    }
    int target_line = line_ + line_step;
    int target_column = column_ + column_step;

    // A press released before this tick still gets its one step.
    move_requested = false;
    if (stop_after_step) {
        line_step = 0;
        column_step = 0;
        stop_after_step = false;
    }

    if (!maze->is_wall(target_line, target_column)) {
        line_ = target_line;
        column_ = target_column;
        debug.record_current_hloc(column_);
        debug.record_current_vloc(line_);
    }

    if (maze->maze_eat(target_line, target_column)) {
        score += 10;
        play(SOUND_EAT);
        if (score % 1000 == 0 && success > 0) {
            success -= 1;
            play(SOUND_SUCCESS);
        }
        if (maze->maze_empty()) {
            app.hold_mobs();
            app.change_game_state(new LevelClearSpecialState(*maze), true);
        }
    }

    if (fire_pressed || fire_held) {
        fire_pressed = false;
        if (lasers != 0) {
            app.hold_mobs();
            lasers -= 1;
            app.create_object("laser", line_, column_);
        }
    }

    app.check_for_death();
}

void Player::move(int new_line_step, int new_column_step)
{
    line_step = new_line_step;
    column_step = new_column_step;
    move_requested = true;
    stop_after_step = false;
    debug.record_keypress_hloc(column_);
    debug.record_keypress_vloc(line_);
}

void Player::move_up()
{
    move(-1, 0);
}

void Player::move_down()
{
    move(1, 0);
}

void Player::move_left()
{
    move(0, -1);
}

void Player::move_right()
{
    move(0, 1);
}

void Player::no_movement()
{
    if (move_requested) {
        stop_after_step = true;
    } else {
        line_step = 0;
        column_step = 0;
    }
}

void Player::fire()
{
    fire_pressed = true;
    fire_held = true;
}

void Player::no_fire()
{
    fire_held = false;
}

void Player::hold()
{
    released = false;
}

void Player::release()
{
    released = true;
}

void Player::lose_a_life()
{
    lives -= 1;
    if (lives <= 0) {
        app.end_game();
        lives = 0;
    }
    play(SOUND_LOSE_LIFE);
    released = false;
}

bool Player::add_to_laser_count()
{
    if (lasers >= MAX_LASERS) {
        return false;
    }
    lasers += 1;
    return true;
}

void Player::print(MyGraphics* g)
{
    if (maze == nullptr || g == nullptr) {
        return;
    }
    int offset_line = maze->get_screen_offset_line();
    int offset_column = maze->get_screen_offset_column();
    if (old_line != NOT_DRAWN && old_column != NOT_DRAWN) {
        maze->print_vacated_cell(*g, old_line, old_column);
    }
    g->print(line_ + offset_line, column_ + offset_column, BLACK, BRIGHT_WHITE, PLAYER_GLYPH);
    old_line = line_;
    old_column = column_;
}
