#include "world/MonsterManager.h"

void MonsterManager::init(CurrentMaze* maze, Player* player)
{
    for (int k = 0; k < COUNT; k++) {
        monsters[k].init(CORNER_LINE[k], CORNER_COLUMN[k], maze, player, this);
    }
}

void MonsterManager::update(double seconds, MySoundManager& sounds)
{
    for (Monster& m : monsters) {
        m.update(seconds, sounds);
    }
}

void MonsterManager::print(MyGraphics* g)
{
    for (Monster& m : monsters) {
        m.print(g);
    }
}

Monster* MonsterManager::monster_at_location(int line, int column)
{
    for (Monster& m : monsters) {
        if (m.line() == line && m.column() == column) {
            return &m;
        }
    }
    return nullptr;
}

void MonsterManager::check_for_death()
{
    for (Monster& m : monsters) {
        m.check_for_death();
    }
}

void MonsterManager::reset_positions()
{
    for (int k = 0; k < COUNT; k++) {
        monsters[k].change_position_init(CORNER_LINE[k], CORNER_COLUMN[k]);
    }
}

void MonsterManager::hold_all_but_me(Monster* me)
{
    for (Monster& m : monsters) {
        if (&m != me) {
            m.hold();
        }
    }
}

void MonsterManager::release_all()
{
    for (Monster& m : monsters) {
        m.release();
    }
}

void MonsterManager::end_game()
{
    for (Monster& m : monsters) {
        m.hold();
    }
}
