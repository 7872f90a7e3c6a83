#pragma once
#include "world/ControllerBaseType.h"

class CurrentMaze;
class GameApplication;
class MyGraphics;
class MySoundManager;

// The character the user (or the demo) steers; keeps score, lives, lasers
// and the success value that sets the chasers' speed.
class Player : public ControllerBaseType {
public:
    // Where every life starts, as (line, column) of the maze.
    static constexpr int START_LINE = 10;
    static constexpr int START_COLUMN = 16;

    explicit Player(GameApplication& app);

    void init(CurrentMaze* maze, MySoundManager* sound);
    void reset_position();
    void update(double seconds) override;

    void move_up();
    void move_down();
    void move_left();
    void move_right();
    void no_movement();
    void fire();
    void no_fire();
    void hold();
    void release();
    void lose_a_life();
    bool add_to_laser_count();

    int line() const { return line_; }
    int column() const { return column_; }
    int get_score() const { return score; }
    int get_lives() const { return lives; }
    int get_lasers() const { return lasers; }
    int get_player_success() const { return success; }
    bool is_released() const { return released; }
    int get_line_step() const { return line_step; }
    int get_column_step() const { return column_step; }
    bool is_fire_held() const { return fire_held; }
    bool is_fire_pressed() const { return fire_pressed; }

    // Written directly by the menu and the level-clear screen.
    void reset_score() { score = 0; }
    void fill_lives() { lives = 9; }
    void fill_lasers() { lasers = 20; }

    void print(MyGraphics* g);

private:
    void move(int line_step, int column_step);
    void play(int id);

    CurrentMaze* maze = nullptr;
    GameApplication& app;
    bool released = true;
    bool fire_pressed = false;
    bool fire_held = false;
    bool move_requested = false;
    bool stop_after_step = false;
    int score = 0;
    int lives = 9;
    int lasers = 20;
    int line_ = 10;
    int column_ = 16;
    int line_step = 0;
    int column_step = 0;
    MySoundManager* sound = nullptr;
    int success = 7;
    // Where the player was last drawn, so that cell can be restored; -10000 is none.
    int old_line = -10000;
    int old_column = -10000;
};
