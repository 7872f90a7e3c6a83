#pragma once

class CurrentMaze;
class MonsterManager;
class MyGraphics;
class MySoundManager;
class Player;

// One chaser: heads for the player along the longer axis and follows a
// wall when blocked.
class Monster {
public:
    void init(int line, int column, CurrentMaze* maze, Player* player, MonsterManager* manager);
    void change_position_init(int line, int column);
    void go_home();
    void hit_by_laser() { lasered = true; }
    void hold() { released = false; }
    void release() { released = true; }
    int line() const { return line_; }
    int column() const { return column_; }
    void update(double seconds, MySoundManager& sounds);
    void check_for_death();
    void print(MyGraphics* g);

    bool is_active() const { return active; }
    bool is_caught() const { return caught; }
    bool is_lasered() const { return lasered; }
    bool is_released() const { return released; }
    int get_mode() const { return mode; }

    bool path_clear(int dl, int dc);
    void step(int dl, int dc);
    void set_up_wall_follower(int dl, int dc, int other);
    bool path_clear_right();
    bool path_clear_left();
    bool path_clear_forward();
    void wall_follower_rotate_right_clockwise();
    void wall_follower_rotate_left_anticlockwise();

private:
    void catch_player();
    void chase_step();
    void wall_follow_step();
    bool cell_clear(int line, int column);
    bool on_player() const;

    int line_ = 0;
    int column_ = 0;
    int home_line = 0;
    int home_column = 0;
    int old_line = -10000;
    int old_column = -10000;
    bool caught = false;
    bool active = false;
    CurrentMaze* maze = nullptr;
    int mode = 0;
    Player* player = nullptr;
    MonsterManager* manager = nullptr;
    bool released = true;
    int turn_count = 0;
    bool follow_right = false;
    int follow_line_step = 0;
    int follow_column_step = 0;
    bool lasered = false;
};
