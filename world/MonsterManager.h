#pragma once
#include "world/Monster.h"

// Owns the four chasers; loops always run 0 to 3.
class MonsterManager {
public:
    static constexpr int COUNT = 4;
    // Each chaser's corner, as (line, column).
    static constexpr int CORNER_LINE[COUNT] = {1, 19, 19, 1};
    static constexpr int CORNER_COLUMN[COUNT] = {1, 1, 30, 30};

    void init(CurrentMaze* maze, Player* player);
    void update(double seconds, MySoundManager& sounds);
    void print(MyGraphics* g);
    Monster* monster_at_location(int line, int column);
    void check_for_death();
    void reset_positions();
    void hold_all_but_me(Monster* me);
    void release_all();
    void end_game();
    Monster& monster(int k) { return monsters[k]; }

private:
    Monster monsters[COUNT];
};
