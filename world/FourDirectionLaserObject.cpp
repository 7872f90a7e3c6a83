#include "world/FourDirectionLaserObject.h"

#include "app/GameApplication.h"
#include "sound/MySoundManager.h"
#include "world/CurrentMaze.h"
#include "world/MonsterManager.h"

namespace {

constexpr unsigned BEAM_MILLISECONDS = 900;

// Up, down, left, right: the order in which hit chasers later go home.
constexpr int DIRECTION_COUNT = 4;
constexpr int line_steps[DIRECTION_COUNT] = {-1, 1, 0, 0};
constexpr int column_steps[DIRECTION_COUNT] = {0, 0, -1, 1};

} // namespace

FourDirectionLaserObject::FourDirectionLaserObject(CurrentMaze& maze, MonsterManager& monsters, int line, int column)
    : maze(maze), monsters(monsters), line(line), column(column)
{
}

void FourDirectionLaserObject::update(double, MySoundManager& sounds, GameApplication& app)
{
    if (first_update) {
        shoot(sounds);
        return;
    }
    if (finished || !timer.expired()) {
        return;
    }
    finished = true;
    for (Monster* monster : hit_monsters) {
        monster->go_home();
    }
    maze.clear_lasers();
    app.release_mobs();
    app.schedule_object_delete(this);
}

void FourDirectionLaserObject::shoot(MySoundManager& sounds)
{
    first_update = false;
    for (int d = 0; d < DIRECTION_COUNT; ++d) {
        bool hit = false;
        int l = line + line_steps[d];
        int c = column + column_steps[d];
        // The range test only matters for a maze without a closed border,
        // where the wall test alone would end the program.
        while (!hit && l >= 0 && l <= maze.get_max_line() && c >= 0 && c <= maze.get_max_column() &&
               !maze.is_wall(l, c)) {
            Monster* monster = monsters.monster_at_location(l, c);
            if (monster != nullptr) {
                hit_monsters.push_back(monster);
                monster->hit_by_laser();
                hit = true;
            }
            maze.set_laser_background(l, c);
            l += line_steps[d];
            c += column_steps[d];
        }
    }
    sounds.play_sound(SOUND_LASER);
    timer.start_time(BEAM_MILLISECONDS);
}
