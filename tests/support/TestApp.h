#pragma once
#include "ScreenReader.h"
#include "TestSupport.h"
#include "app/GameApplication.h"
#include "display/MyGraphics_render.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The one application harness: the real game on SDL's dummy drivers, in a real (invisible) window with its own
// renderer, driven the way a player drives it. Keys and clicks go into SDL's queue, time passes in frames of the real
// loop (or in explicit ticks of the game objects), and what counts is what the last presented frame shows.
class TestApp {
public:
    // Sounds and animations run in real time, and some steps go one a frame; only a failing stage waits this long, so
    // it allows for a sanitized build, or llvmpipe with every frame drawn twice, on a busy machine.
    static constexpr Uint32 stage_ms = 60000;

    // start: as main() starts it (glyphs loaded, timers running, title shown); otherwise the objects stand ready for
    // explicit ticks. The random generator is seeded with `seed` either way.
    explicit TestApp(bool start = true, unsigned seed = 1234);
    ~TestApp();
    TestApp(const TestApp&) = delete;
    TestApp& operator=(const TestApp&) = delete;

    GameApplication& app() { return *app_; }
    ScreenReader& screen() { return *reader_; }

    void frame();
    // From now on every frame the game shows, redrawing only what changed, is compared pixel for pixel with the same
    // frame drawn whole; the first difference fails the test and names the frame and the cell.
    void compare_every_frame();
    void frames(int count);
    // Runs frames until the condition holds; false once the deadline passed.
    template <typename Condition> bool wait_for(Condition done, Uint32 deadline_ms = stage_ms)
    {
        const Uint32 start = SDL_GetTicks();
        while (!done()) {
            if (SDL_GetTicks() - start > deadline_ms) {
                return false;
            }
            frame();
        }
        return true;
    }

    // Input queued for the next frame: a key's press and release, a click.
    static void queue_tap(SDL_Keycode key, Uint16 mod = 0) { push_key(key, true, mod), push_key(key, false, mod); }
    static void queue_click(int line, int column) { queue_mouse(line, column, true), queue_mouse(line, column, false); }
    // Input, each followed by one frame so the loop has seen it.
    void tap(SDL_Keycode key, Uint16 mod = KMOD_NONE) { queue_tap(key, mod), frame(); }
    void press(SDL_Keycode key) { push_key(key, true), frame(); }
    void release(SDL_Keycode key) { push_key(key, false), frame(); }
    void click_cell(int line, int column) { queue_click(line, column), frame(); }
    void mouse_at_cell(int line, int column, bool down) { queue_mouse(line, column, down), frame(); }
    void drag_to_cell(int line, int column);
    // A window event (focus, minimised, exposed) from the window system.
    void window_event(Uint8 event);
    // Taps the key, and again every few frames, until the condition holds: screens that are still animating swallow
    // keys rather than queue them.
    template <typename Condition> bool tap_until(SDL_Keycode key, Condition done, Uint32 deadline_ms = stage_ms)
    {
        const Uint32 start = SDL_GetTicks();
        while (!done()) {
            if (SDL_GetTicks() - start > deadline_ms) {
                return false;
            }
            tap(key);
            for (int i = 0; i < 5 && !done(); ++i) {
                frame();
            }
        }
        return true;
    }

    // The last presented frame, 0xRRGGBB row after row, and its size.
    std::vector<Uint32> read_window(int& width, int& height);

    // Runs frames until the title's lock-out is over; false at the deadline.
    bool wait_for_title_to_take_keys();
    // Landmarks of the screens on a player's road.
    bool key_page_shown();
    bool instructions_page_shown(int page);
    bool menu_panel_shown();
    bool key_legend_shown() { return reader_->shows_text(3, 1, "7=up", BLUE, BRIGHT_WHITE); }
    bool player_at_start_shown() { return reader_->shows(12, 16, 132, BLACK, BRIGHT_WHITE); }
    bool game_over_shown() { return reader_->shows_text(2, 10, " GAME OVER ", BLACK, BRIGHT_CYAN); }
    bool new_best_score_shown();
    // The menu takes commands only while its script rests on the idle step.
    bool menu_idle();
    // The maze letter of the selection line, or 0 when none shows.
    char maze_letter_shown();
    // Fields of the status lines as digits, '?' where a cell shows none.
    std::string score_shown() { return reader_->digits(23, 6, 5, BLACK, BRIGHT_WHITE); }
    std::string best_shown() { return reader_->digits(23, 16, 5, BLACK, BRIGHT_WHITE); }
    std::string lasers_shown() { return reader_->digits(23, 28, 2, BLACK, BRIGHT_WHITE); }
    std::string tempo_shown() { return reader_->digits(1, 13, 1, BLACK, BRIGHT_WHITE); }
    std::string grade_shown() { return reader_->digits(1, 21, 1, BLACK, BRIGHT_WHITE); }
    std::string lives_shown() { return reader_->digits(1, 29, 1, BLACK, BRIGHT_WHITE); }
    // The selection line's maze letter, tempo and grade.
    std::string settings_shown() { return maze_letter_shown() + tempo_shown() + grade_shown(); }
    // A score above zero is on the score line.
    bool scored();
    // The idle menu, opened as the last instruction page opens it. The title goes first without being recorded: the
    // menu's wipe replays the recorded picture, which must not hold the title's textures.
    bool open_menu();

private:
    static void queue_mouse(int line, int column, bool down);
    void compare_with_whole_frame();

    RendererPtr renderer_;
    std::unique_ptr<MyGraphics_render> whole_;
    Texture reference_; // where the whole redraw goes
    int reference_w_ = 0, reference_h_ = 0;
    int compared_frames_ = 0;
    int last_width_ = 0, last_height_ = 0, frames_at_size_ = 0;
    std::unique_ptr<GameApplication> app_;
    std::unique_ptr<ScreenReader> reader_;
};
