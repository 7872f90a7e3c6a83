#include "DrawCallLog.h"
#include "HeadlessApp.h"
#include "app/GameApplication.h"
#include "display/MyGraphics_record.h"
#include "display/Window.h"
#include "screens/InstructionsState.h"
#include "screens/MenuSpecialState.h"
#include "screens/TitleScreen.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Texture copies in the recorded background. Only the pointers are looked
// at: a title picture's texture is gone once the title is deleted.
size_t background_texture_copies(GameApplication& app)
{
    MyGraphics_record* background = app.get_background();
    if (background == nullptr) {
        return 0;
    }
    DrawCallLog log;
    RecordOffsetSetting();
    background->replay(log);
    RestoreRecordedOffsetsetting();
    return log.copies.size();
}

InstructionsState* instructions(GameApplication& app)
{
    return dynamic_cast<InstructionsState*>(app.get_current_state());
}

void tap_key(SDL_Keycode sym)
{
    push_key(sym, true);
    push_key(sym, false);
}

// The road from the title through every instructions page to the menu, on
// the application's own loop: the title's pictures are recorded into the
// background once, and that recording is never replayed after the title died.
TEST(TitleFlowTest, TitlePicturesAreNeverReplayedAfterTheTitleIsGone)
{
    HeadlessApp harness{16, true};
    GameApplication& app = *harness.app;
    auto* title = dynamic_cast<TitleScreen*>(app.get_current_state());
    ASSERT_NE(title, nullptr);
    harness.frames(2);
    title->update(2.0, app.get_sound_manager(), app);

    tap_key(SDLK_RETURN);
    harness.frame();
    ASSERT_NE(instructions(app), nullptr);
    EXPECT_EQ(instructions(app)->get_page(), 0);
    EXPECT_GT(background_texture_copies(app), 0u);
    EXPECT_FALSE(instructions(app)->show_background());
    harness.frames(3);

    push_mouse_button(10, 10, true);
    push_mouse_button(10, 10, false);
    harness.frame();
    ASSERT_EQ(instructions(app)->get_page(), 1);
    EXPECT_TRUE(instructions(app)->show_background());
    EXPECT_EQ(background_texture_copies(app), 0u);

    for (int page = 1; page <= 3; ++page) {
        ASSERT_TRUE(harness.run_until([&] { return instructions(app)->get_revealed() == 25; }));
        EXPECT_EQ(background_texture_copies(app), 0u);
        tap_key(SDLK_a);
        harness.frame();
        if (page < 3) {
            ASSERT_NE(instructions(app), nullptr);
            EXPECT_EQ(instructions(app)->get_page(), page + 1);
        }
    }
    EXPECT_NE(dynamic_cast<MenuSpecialState*>(app.get_current_state()), nullptr);
    EXPECT_EQ(background_texture_copies(app), 0u);
    harness.frames(2);
}

} // namespace
