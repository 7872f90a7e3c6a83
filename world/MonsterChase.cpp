#include "base/Utilities.h"
#include "world/CurrentMaze.h"
#include "world/Monster.h"
#include "world/MonsterManager.h"
#include "world/Player.h"

#include <cstdlib>

using Utilities::make_unit;
using Utilities::randomInt;

namespace {
constexpr int MODE_CHASE = 2;
constexpr int MODE_FOLLOW_WALL = 3;
} // namespace

bool Monster::cell_clear(int line, int column)
{
    if (maze == nullptr || maze->is_wall(line, column)) {
        return false;
    }
    return manager == nullptr || manager->monster_at_location(line, column) == nullptr;
}

bool Monster::path_clear(int dl, int dc)
{
    return cell_clear(line_ + make_unit(dl), column_ + make_unit(dc));
}

void Monster::step(int dl, int dc)
{
    line_ += make_unit(dl);
    column_ += make_unit(dc);
}

void Monster::chase_step()
{
    int dl = player->line() - line_;
    int dc = player->column() - column_;
    bool vertical_first;
    if (std::abs(dl) > std::abs(dc)) {
        vertical_first = true;
    } else if (std::abs(dl) < std::abs(dc)) {
        vertical_first = false;
    } else if (dc == 0) {
        return;
    } else {
        vertical_first = randomInt(0, 1) == 0;
    }

    if (vertical_first) {
        if (path_clear(dl, 0)) {
            step(dl, 0);
        } else if (dc != 0 && path_clear(0, dc)) {
            step(0, dc);
        } else {
            set_up_wall_follower(dl, 0, dc);
            wall_follow_step();
        }
    } else {
        if (path_clear(0, dc)) {
            step(0, dc);
        } else if (dl != 0 && path_clear(dl, 0)) {
            step(dl, 0);
        } else {
            set_up_wall_follower(0, dc, dl);
            wall_follow_step();
        }
    }
}

void Monster::set_up_wall_follower(int dl, int dc, int other)
{
    if (dl != 0 && dc != 0) {
        if (randomInt(0, 1) == 0) {
            dc = 0;
        } else {
            dl = 0;
        }
    }
    mode = MODE_FOLLOW_WALL;
    turn_count = 1;
    follow_line_step = make_unit(dl);
    follow_column_step = make_unit(dc);

    int r = randomInt(0, 9);
    if (r <= 1 || other == 0) {
        follow_right = randomInt(0, 1) == 1;
    } else {
        // The clockwise turn of (l, c) is (c, -l); prefer the hand whose
        // turn points at the player.
        int clockwise_across = make_unit(follow_column_step - follow_line_step);
        follow_right = clockwise_across == make_unit(other);
    }
}

bool Monster::path_clear_right()
{
    return cell_clear(line_ + follow_column_step, column_ - follow_line_step);
}

bool Monster::path_clear_left()
{
    return cell_clear(line_ - follow_column_step, column_ + follow_line_step);
}

bool Monster::path_clear_forward()
{
    return cell_clear(line_ + follow_line_step, column_ + follow_column_step);
}

void Monster::wall_follower_rotate_right_clockwise()
{
    int l = follow_line_step;
    follow_line_step = follow_column_step;
    follow_column_step = -l;
}

void Monster::wall_follower_rotate_left_anticlockwise()
{
    int l = follow_line_step;
    follow_line_step = -follow_column_step;
    follow_column_step = l;
}

void Monster::wall_follow_step()
{
    bool preferred_clear = follow_right ? path_clear_right() : path_clear_left();
    bool other_clear = follow_right ? path_clear_left() : path_clear_right();
    if (preferred_clear) {
        if (follow_right) {
            wall_follower_rotate_right_clockwise();
        } else {
            wall_follower_rotate_left_anticlockwise();
        }
        turn_count -= 1;
    } else if (path_clear_forward()) {
        // Keep the heading along the wall.
    } else if (other_clear) {
        if (follow_right) {
            wall_follower_rotate_left_anticlockwise();
        } else {
            wall_follower_rotate_right_clockwise();
        }
        turn_count += 1;
    } else {
        follow_line_step = -follow_line_step;
        follow_column_step = -follow_column_step;
    }
    if (path_clear_forward()) {
        step(follow_line_step, follow_column_step);
    }
    if (turn_count <= 0) {
        mode = MODE_CHASE;
    }
}
