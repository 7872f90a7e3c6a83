#include "World.h"

#include "world/FourDirectionLaserObject.h"

#include <utility>

namespace {

using LaserTest = WorldTest;

// Each arm of the beam ends at a wall or on the first chaser in its line; the chasers hit go home once the beam is
// over, and play goes on.
TEST_F(LaserTest, BeamStopsAtWallsAndTheFirstChaserAndSendsItHome)
{
    MazeText text;
    text.open(10, 5, 10, 27).open(4, 16, 16, 16).wall(10, 12);
    begin(text);
    // The nearest to the right, one behind it, one behind a wall, one above.
    const std::pair<int, int> at[4] = {{10, 19}, {10, 23}, {10, 8}, {7, 16}};
    const std::pair<int, int> home[4] = {{1, 1}, {10, 23}, {10, 8}, {1, 30}};
    for (int k = 0; k < MonsterManager::COUNT; ++k) {
        chaser(k).change_position_init(at[k].first, at[k].second);
    }
    const Uint32 fired = SDL_GetTicks();
    player().fire();
    player().no_fire();
    player().update(0);
    EXPECT_EQ(player().get_lasers(), 19);
    ASSERT_EQ(app().get_objects().size(), 1u);
    auto& laser = dynamic_cast<FourDirectionLaserObject&>(*app().get_objects().back());
    app().run_objects(0.016);

    auto beam_at = [&](int line, int column) { return maze().paper(line, column) == BRIGHT_MAGENTA; };
    for (int k = 0; k < MonsterManager::COUNT; ++k) {
        EXPECT_EQ(chaser(k).is_lasered(), home[k] != at[k]) << "chaser " << k;
    }
    EXPECT_TRUE(beam_at(10, 13) && beam_at(10, 19) && beam_at(16, 16) && beam_at(7, 16));
    EXPECT_FALSE(beam_at(10, 12) || beam_at(10, 20) || beam_at(6, 16) || beam_at(10, 16));

    // Everything stands still while the beam shows.
    player().move_left();
    player().update(0);
    monsters().update(0, sounds());
    EXPECT_EQ(player().column(), 16);
    EXPECT_EQ(chaser(1).column(), 23);
    ASSERT_TRUE(wait_until([&] {
        app().run_objects(0.016);
        return laser.is_finished();
    }));
    EXPECT_GE(SDL_GetTicks() - fired, 600u) << "the beam was cut short";
    for (int k = 0; k < MonsterManager::COUNT; ++k) {
        EXPECT_EQ(std::make_pair(chaser(k).line(), chaser(k).column()), home[k]) << "chaser " << k;
        EXPECT_FALSE(chaser(k).is_lasered());
    }
    EXPECT_FALSE(beam_at(10, 13));
    player().update(0);
    EXPECT_EQ(player().column(), 15);
    // X as the beam ends: ended and the game's end both let it go, once.
    app().end_game();
    app().delete_objects();
    EXPECT_TRUE(app().get_objects().empty());
    // A chaser in the beam stands on its colour; on magenta, where it would vanish, on cyan.
    EXPECT_EQ(maze().maze_monster_laser_colour(), BRIGHT_CYAN);
    maze().setup_from_text(text.text(), BRIGHT_BLUE, BRIGHT_CYAN, BRIGHT_GREEN);
    EXPECT_EQ(maze().maze_monster_laser_colour(), BRIGHT_GREEN);
}

// Fire with no laser left does nothing; the count stops at 99.
TEST_F(LaserTest, TheCountStopsAtZeroAndAtNinetyNine)
{
    MazeText text;
    text.open(10, 5, 10, 27);
    begin(text, true);
    for (int shot = 0; shot < 21; ++shot) {
        player().fire();
        player().no_fire();
        player().update(0);
        player().release();
    }
    EXPECT_EQ(player().get_lasers(), 0);
    EXPECT_EQ(app().get_objects().size(), 20u) << "a laser fired with none left";
    int added = 0;
    for (int i = 0; i < 100; ++i) {
        added += player().add_to_laser_count();
    }
    EXPECT_EQ(std::pair(player().get_lasers(), added), std::pair(99, 99));
}

} // namespace
