#pragma once
#include "world/ControllerBaseType.h"

class CurrentMaze;
class MonsterManager;
class Player;

// The computer player of demo games: scores the four directions by walls,
// nearby food and chasers in sight, and now and then fires at a chaser.
class DemoController : public ControllerBaseType {
public:
    static constexpr int PAYING_ATTENTION_THRESHOLD = 25;
    static constexpr int WALL_WEIGHTING = -1000;
    static constexpr int CURRENT_DIRECTION_WEIGHTING = 19;
    static constexpr int LOOK_DISTANCE = 10;
    static constexpr int APPLE_WEIGHTING = 20;
    static constexpr int MAX_APPLE_DISTANCE = 2;
    static constexpr int USE_LASER_THRESHOLD = 15;
    static constexpr int INTER_SHOT_STEP_DELAY = 100;

    DemoController(Player* player, MonsterManager* monsters, CurrentMaze* maze);
    void update(double seconds) override;

    int random(int n);
    static int opposite_direction(int d);
    static int GetMonsterWeighting(int k);
    void move(int d);
    void DecideDirection();

    int get_current_direction() const { return current_direction; }
    int get_best_direction() const { return best_direction; }
    int get_weight(int d) const { return weights[d]; }
    int get_shot_delay() const { return shot_delay; }

private:
    Player* player;
    MonsterManager* monsters;
    CurrentMaze* maze;
    int current_direction;
    int best_direction = 0;
    int weights[4] = {};
    int shot_delay = 0;
};
