#include "screens/TitleScreen.h"

#include "DrawCallLog.h"
#include "HeadlessApp.h"
#include "app/GameApplication.h"
#include "display/SimpleImage.h"
#include "display/Window.h"
#include "screens/InstructionsState.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class TitleScreenTest : public ::testing::Test {
protected:
    HeadlessApp headless{24};
    GameApplication& app = *headless.app;
    std::unique_ptr<TitleScreen> title = std::make_unique<TitleScreen>(app, app.get_renderer());
    DrawCallLog log;

    void step(double dt) { title->update(dt, app.get_sound_manager(), app); }
    int height() const { return current_print_area_height(); }

    void press_f5()
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key = key_down_event(SDLK_F5);
        app.handle_event(event);
    }

    // Blink five times, then shrink: the list starts scrolling.
    void open_to_scrolling()
    {
        for (int i = 0; i < 7 && title->get_phase() == 0; ++i) {
            step(0.33);
        }
        ASSERT_EQ(title->get_phase(), 1);
    }

    void scroll_to(double target) { step((title->get_scroll_y() - target) * 10.0 / height()); }

    int image_height(const char* file, double percent) const
    {
        SimpleImage image(file, app.get_renderer());
        image.set_scale_to_fit_screen(percent);
        return image.get_display_height();
    }

    // The list's height in the scrolling phase: 108 text lines and three pictures.
    int list_height(bool flash) const
    {
        return 108 * glyph_size + image_height(flash ? "kworble_refurnished2.bmp" : "kworble_refurnished1.bmp", 50.0) +
               image_height("KworbleCover.bmp", 70.0) + image_height(flash ? "BX_title1.bmp" : "BX_title2.bmp", 100.0);
    }
};

TEST_F(TitleScreenTest, ListHoldsTheCreditsInOrder)
{
    const auto& list = title->get_display_list();
    ASSERT_EQ(list.size(), 112u);
    EXPECT_NE(dynamic_cast<DisplayListImage*>(list[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<DisplayListImage*>(list[29].get()), nullptr);
    EXPECT_EQ(list[37].get(), title->get_animation());
    EXPECT_NE(dynamic_cast<DisplayListEndMarker*>(list[111].get()), nullptr);
    int texts = 0;
    for (const auto& item : list) {
        if (auto* text = dynamic_cast<DisplayListText*>(item.get())) {
            ++texts;
            EXPECT_LE(text->get_text().size(), 32u) << text->get_text();
        }
    }
    EXPECT_EQ(texts, 108);
    EXPECT_EQ(dynamic_cast<DisplayListText*>(list[10].get())->get_text(), " v0.01g ");
    EXPECT_EQ(dynamic_cast<DisplayListText*>(list[25].get())->get_text(), "Touch/Click to continue");
    EXPECT_EQ(dynamic_cast<DisplayListText*>(list[108].get())->get_text(), "------x------");
}

TEST_F(TitleScreenTest, FlashTogglesOncePerPeriodAndOnceAfterAStall)
{
    step(0.33);
    EXPECT_TRUE(title->is_flash());
    step(0.33);
    EXPECT_FALSE(title->is_flash());
    step(5.0);
    EXPECT_EQ(title->get_flash_count(), 3);
    // The stall left nothing over: a whole period is needed again.
    step(0.31);
    EXPECT_EQ(title->get_flash_count(), 3);
    step(0.02);
    EXPECT_EQ(title->get_flash_count(), 4);
}

TEST_F(TitleScreenTest, PictureShrinksAfterFiveFlashesAndStaysCentred)
{
    for (int i = 0; i < 4; ++i) {
        step(0.33);
    }
    EXPECT_EQ(title->get_zoom(), 100.0);
    EXPECT_EQ(title->get_scroll_y(), 0.0);

    // Half of the 0.65 s zoom: 75 percent.
    step(0.325);
    EXPECT_EQ(title->get_flash_count(), 5);
    EXPECT_NEAR(title->get_zoom(), 75.0, 1e-9);
    EXPECT_EQ(title->get_phase(), 0);
    const char* shown = title->is_flash() ? "kworble_refurnished2.bmp" : "kworble_refurnished1.bmp";
    SimpleImage reference(shown, app.get_renderer());
    reference.set_scale_to_fit_screen(title->get_zoom());
    EXPECT_EQ(title->get_scroll_y(), (height() - image_height("kworble_refurnished1.bmp", title->get_zoom())) / 2);

    title->print(log);
    ASSERT_FALSE(log.copies.empty());
    SDL_Rect dst = log.copies[0].dst;
    EXPECT_EQ(dst.w, reference.get_display_width());
    EXPECT_EQ(dst.h, reference.get_display_height());
    EXPECT_EQ(dst.x, (current_print_area_width() - dst.w) / 2);
    EXPECT_EQ(dst.y, static_cast<int>(title->get_scroll_y()));

    step(0.33);
    EXPECT_EQ(title->get_zoom(), 50.0);
    EXPECT_EQ(title->get_phase(), 1);
}

TEST_F(TitleScreenTest, ListRisesOneScreenEveryTenSeconds)
{
    open_to_scrolling();
    double start = title->get_scroll_y();
    double tape_time = title->get_animation()->get_elapsed();
    step(1.0);
    EXPECT_NEAR(title->get_scroll_y(), start - height() / 10.0, 1e-9);
    step(2.5);
    EXPECT_NEAR(title->get_scroll_y(), start - height() * 0.35, 1e-9);
    EXPECT_NEAR(title->get_animation()->get_elapsed(), tape_time + 3.5, 1e-9);
}

TEST_F(TitleScreenTest, PauseFreezesEverythingButTheFlash)
{
    press_f5();
    ASSERT_TRUE(app.is_paused());
    for (int i = 0; i < 10; ++i) {
        step(0.33);
    }
    EXPECT_EQ(title->get_flash_count(), 10);
    EXPECT_EQ(title->get_zoom(), 100.0);
    EXPECT_EQ(title->get_input_lockout(), 1.5);
    EXPECT_TRUE(title->key_down(key_down_event(SDLK_a)));

    // Indicator: spinner character and ink follow the flash count (10).
    title->print(log);
    const int line = 23 * glyph_size;
    std::string indicator;
    for (const auto& g : log.glyphs) {
        if (g.y == line && g.x >= 29 * glyph_size) {
            indicator += static_cast<char>(g.code);
            EXPECT_EQ(g.ink, YELLOW);
            EXPECT_TRUE(same_colour(g.paper, SDL_Color{0, 0, 0, 128}));
        }
    }
    EXPECT_EQ(indicator, "-F5");

    press_f5();
    open_to_scrolling();
    press_f5();
    double y = title->get_scroll_y();
    double tape_time = title->get_animation()->get_elapsed();
    int flashes = title->get_flash_count();
    step(0.33);
    step(3.0);
    EXPECT_EQ(title->get_scroll_y(), y);
    EXPECT_EQ(title->get_animation()->get_elapsed(), tape_time);
    EXPECT_EQ(title->get_flash_count(), flashes + 2);
}

TEST_F(TitleScreenTest, ListFollowsItsEndAndRestartsWhereTheEndMarkerLeftTheTop)
{
    open_to_scrolling();
    scroll_to(-list_height(false) + height() / 2 + 0.5);
    const int length = list_height(title->is_flash());
    const int first_picture = image_height("kworble_refurnished1.bmp", 50.0);

    // End marker on screen: a second pass starts right below it.
    double before = title->get_scroll_y();
    int end_y = static_cast<int>(before) + length;
    ASSERT_GE(end_y, 1);
    ASSERT_LE(end_y, height());
    title->print(log);
    EXPECT_EQ(title->get_scroll_y(), before);
    ASSERT_EQ(log.copies.size(), 1u);
    EXPECT_EQ(log.copies[0].dst.y, end_y);
    EXPECT_EQ(log.copies[0].dst.h, first_picture);

    // End marker above the top: the list restarts exactly there.
    scroll_to(-list_height(title->is_flash()) - 5.5);
    end_y = static_cast<int>(title->get_scroll_y()) + list_height(title->is_flash());
    ASSERT_LT(end_y, 1);
    log.reset();
    title->print(log);
    EXPECT_EQ(title->get_scroll_y(), end_y);
    ASSERT_EQ(log.copies.size(), 1u);
    EXPECT_EQ(log.copies[0].dst.y, end_y);
}

TEST_F(TitleScreenTest, ScrollFollowsANewPrintAreaHeight)
{
    open_to_scrolling();
    step(4.0);
    double before = title->get_scroll_y();
    int old_height = height();
    const int old_glyph_size = glyph_size;
    glyph_size = 16;
    SetScreenSize(window_width, window_height);
    title->print(log);
    EXPECT_NEAR(title->get_scroll_y(), before / old_height * 384, 1e-9);
    double rescaled = title->get_scroll_y();
    step(1.0);
    EXPECT_NEAR(title->get_scroll_y(), rescaled - 38.4, 1e-9);
    glyph_size = old_glyph_size;
    SetScreenSize(window_width, window_height);
}

TEST_F(TitleScreenTest, KeysAreSwallowedDuringTheLockOutAndEscapeIsLeftToTheLoop)
{
    app.change_game_state(new TitleScreen(app, app.get_renderer()), false);
    auto* shown = dynamic_cast<TitleScreen*>(app.get_current_state());
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->key_down(key_down_event(SDLK_a)));
    EXPECT_TRUE(shown->mouse_down(10, 10));
    shown->update(1.49, app.get_sound_manager(), app);
    EXPECT_TRUE(shown->key_down(key_down_event(SDLK_SPACE)));
    EXPECT_TRUE(shown->key_down(key_down_event(SDLK_ESCAPE)));
    ASSERT_EQ(app.get_current_state(), shown);

    shown->update(0.02, app.get_sound_manager(), app);
    EXPECT_FALSE(shown->key_down(key_down_event(SDLK_ESCAPE)));
    ASSERT_EQ(app.get_current_state(), shown);
    EXPECT_TRUE(shown->key_down(key_down_event(SDLK_a)));
    auto* instructions = dynamic_cast<InstructionsState*>(app.get_current_state());
    ASSERT_NE(instructions, nullptr);
    EXPECT_EQ(instructions->get_page(), 0);
}

TEST_F(TitleScreenTest, AClickAfterTheLockOutOpensTheInstructions)
{
    app.change_game_state(new TitleScreen(app, app.get_renderer()), false);
    auto* shown = dynamic_cast<TitleScreen*>(app.get_current_state());
    ASSERT_NE(shown, nullptr);
    shown->update(1.5, app.get_sound_manager(), app);
    EXPECT_TRUE(shown->mouse_down(100, 100));
    EXPECT_NE(dynamic_cast<InstructionsState*>(app.get_current_state()), nullptr);
}

} // namespace
