#include "world/DemoController.h"

#include "world/CurrentMaze.h"
#include "world/MonsterManager.h"
#include "world/Player.h"

#include <cstdlib>

namespace {
// Directions 0 up, 1 left, 2 down, 3 right.
constexpr int direction_line_modifier[4] = {-1, 0, 1, 0};
constexpr int direction_column_modifier[4] = {0, -1, 0, 1};
} // namespace

DemoController::DemoController(Player* player, MonsterManager* monsters, CurrentMaze* maze)
    : player(player), monsters(monsters), maze(maze), current_direction(rand() % 4)
{
}

int DemoController::random(int n)
{
    return rand() % n;
}

int DemoController::opposite_direction(int d)
{
    return (d + 2) % 4;
}

int DemoController::GetMonsterWeighting(int k)
{
    return (10 - k) * (10 - k);
}

void DemoController::move(int d)
{
    switch (d) {
    case 0:
        player->move_up();
        break;
    case 1:
        player->move_left();
        break;
    case 2:
        player->move_down();
        break;
    case 3:
        player->move_right();
        break;
    default:
        break;
    }
}

void DemoController::update(double)
{
    if (player == nullptr || monsters == nullptr || maze == nullptr) {
        return;
    }
    int line = player->line();
    int column = player->column();

    if (random(100) < PAYING_ATTENTION_THRESHOLD) {
        move(current_direction);
        return;
    }

    for (int d = 0; d < 4; d++) {
        weights[d] = 0;
        if (maze->is_wall(line + direction_line_modifier[d], column + direction_column_modifier[d])) {
            weights[d] = WALL_WEIGHTING;
        }
    }
    weights[opposite_direction(current_direction)] -= CURRENT_DIRECTION_WEIGHTING;

    for (int d = 0; d < 4; d++) {
        for (int k = 0; k < LOOK_DISTANCE; k++) {
            int l = line + direction_line_modifier[d] * (k + 1);
            int c = column + direction_column_modifier[d] * (k + 1);
            if (maze->is_wall(l, c)) {
                break;
            }
            if (k < MAX_APPLE_DISTANCE && maze->is_apple(l, c)) {
                weights[d] += APPLE_WEIGHTING;
            }
            if (monsters->monster_at_location(l, c) != nullptr) {
                if (random(100) < USE_LASER_THRESHOLD && shot_delay == 0) {
                    // The request stays latched in the player, so one tap fires once.
                    player->fire();
                    player->no_fire();
                    shot_delay = INTER_SHOT_STEP_DELAY;
                    return;
                }
                weights[d] -= GetMonsterWeighting(k);
            }
        }
    }

    if (shot_delay > 0) {
        shot_delay -= 1;
    }
    DecideDirection();
    current_direction = best_direction;
    move(current_direction);
}

void DemoController::DecideDirection()
{
    int best = WALL_WEIGHTING;
    for (int d = 0; d < 4; d++) {
        if (weights[d] > best) {
            best_direction = d;
            best = weights[d];
        } else if (weights[d] == best && (rand() & 1) != 0) {
            best_direction = d;
        }
    }
}
