#include "WorldFixture.h"

#include "display/Colours.h"

namespace {

class ActorPrintTest : public WorldTest {
protected:
    ActorPrintTest() { load_glyphs = true; }

    static constexpr int CELL_PIXELS = 16 * 16;

    // Screen cell of a maze cell: the maze starts on screen line 2.
    int count(int line, int column, simple_colour_t colour)
    {
        return screen->count_in_cell(line + maze().get_screen_offset_line(),
                                     column + maze().get_screen_offset_column(), simple_colours[colour]);
    }

    void start()
    {
        MazeText text;
        text.open(10, 12, 20);
        maze().setup_from_text(text.text(), BRIGHT_BLUE, BRIGHT_CYAN, BRIGHT_GREEN);
        player().init(&maze(), &sounds());
    }
};

TEST_F(ActorPrintTest, PlayerRestoresTheCellItLeft)
{
    start();
    screen->clear(simple_colours[RED]);
    player().print(&screen->graphics());
    EXPECT_GT(count(10, 16, BRIGHT_WHITE), 0);
    EXPECT_GT(count(10, 16, BLACK), 0);

    player().move_right();
    player().update(0);
    player().print(&screen->graphics());
    EXPECT_EQ(count(10, 16, BRIGHT_CYAN), CELL_PIXELS) << "the eaten start cell is plain maze paper again";
    EXPECT_GT(count(10, 17, BRIGHT_WHITE), 0);

    // Another player has drawn nothing yet, so it restores nothing.
    Player other(*app);
    other.init(&maze(), nullptr);
    screen->clear(simple_colours[RED]);
    other.print(&screen->graphics());
    EXPECT_EQ(count(10, 17, RED), CELL_PIXELS);
    EXPECT_GT(count(10, 16, BRIGHT_WHITE), 0);
}

TEST_F(ActorPrintTest, ChaserPaperShowsTheLaserHit)
{
    start();
    Monster& chaser = monsters().monster(0);
    screen->clear(simple_colours[RED]);
    chaser.print(&screen->graphics());
    EXPECT_EQ(count(10, 12, RED), CELL_PIXELS) << "an inactive chaser is not drawn";

    place_chaser(0, 10, 12);
    chaser.print(&screen->graphics());
    EXPECT_GT(count(10, 12, BRIGHT_WHITE), 0);

    chaser.hit_by_laser();
    chaser.print(&screen->graphics());
    EXPECT_EQ(count(10, 12, BRIGHT_WHITE), 0);
    EXPECT_GT(count(10, 12, BRIGHT_GREEN), 0);

    chaser.go_home();
    chaser.change_position_init(10, 13);
    chaser.print(&screen->graphics());
    EXPECT_EQ(count(10, 12, BRIGHT_CYAN), CELL_PIXELS) << "the old cell is redrawn as maze";
    EXPECT_GT(count(10, 13, BRIGHT_WHITE), 0);
}

} // namespace
