#include "world/Monster.h"

#include "display/MyGraphics.h"
#include "sound/MySoundManager.h"
#include "world/CurrentMaze.h"
#include "world/MonsterManager.h"
#include "world/Player.h"

namespace {
constexpr int NOT_DRAWN = -10000;
constexpr int CHASER_GLYPH = 129;
constexpr int SMILING_CHASER_GLYPH = 131;
constexpr int MODE_WAIT = 1;
constexpr int MODE_CHASE = 2;
constexpr int MODE_FOLLOW_WALL = 3;
} // namespace

void Monster::init(int line, int column, CurrentMaze* maze_in, Player* player_in, MonsterManager* manager_in)
{
    line_ = line;
    column_ = column;
    home_line = line;
    home_column = column;
    maze = maze_in;
    player = player_in;
    manager = manager_in;
    if (maze != nullptr) {
        maze->maze_eat(line_, column_);
        if (player != nullptr && manager != nullptr) {
            active = true;
            mode = MODE_CHASE;
            released = true;
            lasered = false;
        }
    }
    // caught is kept on purpose: a catch on the last life is finished off
    // at the start of the next game.
}

void Monster::change_position_init(int line, int column)
{
    line_ = line;
    column_ = column;
    active = false;
    if (maze != nullptr) {
        maze->maze_eat(line_, column_);
        if (player != nullptr && manager != nullptr) {
            active = true;
            mode = MODE_WAIT;
        }
    }
}

void Monster::go_home()
{
    change_position_init(home_line, home_column);
    lasered = false;
}

bool Monster::on_player() const
{
    return player != nullptr && player->line() == line_ && player->column() == column_;
}

void Monster::update(double, MySoundManager& sounds)
{
    if (!active || !released) {
        return;
    }
    if (caught) {
        // Play restarts only once the catch has been heard out.
        if (sounds.are_all_sounds_finished()) {
            manager->reset_positions();
            manager->release_all();
            caught = false;
            player->release();
        }
        return;
    }
    if (on_player()) {
        catch_player();
        return;
    }
    switch (mode) {
    case MODE_WAIT:
        mode = MODE_CHASE;
        break;
    case MODE_CHASE:
        chase_step();
        break;
    case MODE_FOLLOW_WALL:
        wall_follow_step();
        break;
    default:
        break;
    }
    if (on_player()) {
        catch_player();
    }
}

void Monster::check_for_death()
{
    if (on_player()) {
        catch_player();
    }
}

void Monster::catch_player()
{
    player->lose_a_life();
    caught = true;
    if (manager != nullptr) {
        manager->hold_all_but_me(this);
    }
}

void Monster::print(MyGraphics* g)
{
    if (!active || maze == nullptr || g == nullptr) {
        return;
    }
    int offset_line = maze->get_screen_offset_line();
    int offset_column = maze->get_screen_offset_column();
    if (old_line != NOT_DRAWN && old_column != NOT_DRAWN) {
        maze->print_vacated_cell(*g, old_line, old_column);
    }
    simple_colour_t paper = lasered ? maze->maze_monster_laser_colour() : BRIGHT_WHITE;
    int glyph = caught ? SMILING_CHASER_GLYPH : CHASER_GLYPH;
    g->print(line_ + offset_line, column_ + offset_column, BLACK, paper, glyph);
    old_line = line_;
    old_column = column_;
}
