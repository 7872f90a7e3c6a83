#pragma once
#include "base/Timers.h"
#include "world/ObjectBaseType.h"

#include <vector>

class CurrentMaze;
class Monster;
class MonsterManager;

// The beam fired from the player's cell in all four directions; it freezes
// play for 900 ms and sends the first chaser in each line home.
class FourDirectionLaserObject : public ObjectBaseType {
public:
    FourDirectionLaserObject(CurrentMaze& maze, MonsterManager& monsters, int line, int column);
    ~FourDirectionLaserObject() override = default;
    void update(double seconds, MySoundManager& sounds, GameApplication& app) override;
    const std::vector<Monster*>& get_hit_monsters() const { return hit_monsters; }
    bool is_finished() const { return finished; }

private:
    void shoot(MySoundManager& sounds);

    CurrentMaze& maze;
    MonsterManager& monsters;
    int line;
    int column;
    OneShotTimer timer;
    bool first_update = true;
    bool finished = false;
    std::vector<Monster*> hit_monsters;
};
