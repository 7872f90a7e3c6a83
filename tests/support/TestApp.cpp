#include "support/TestApp.h"

#include "display/Window.h"
#include "screens/MenuSpecialState.h"
#include "screens/SpecialStates.h"
#include "screens/TitleScreen.h"
#include "support/ScreenPixels.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstdlib>

namespace {

int cell_centre_x(int column)
{
    return game_offset_x + column * glyph_size + glyph_size / 2;
}

int cell_centre_y(int line)
{
    return game_offset_y + line * glyph_size + glyph_size / 2;
}

// The new-best message's paper: bright cyan, or one of its flash colours.
constexpr simple_colour_t best_papers[] = {BRIGHT_CYAN,    BRIGHT_YELLOW, BRIGHT_GREEN,
                                           BRIGHT_MAGENTA, BRIGHT_RED,    BRIGHT_BLUE};

} // namespace

TestApp::TestApp(bool start, unsigned seed)
{
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_AUDIO) != 0) {
        ADD_FAILURE() << "SDL_Init: " << SDL_GetError();
    }
    if (!CreateGameWindow()) {
        ADD_FAILURE() << "CreateGameWindow failed";
    }
    renderer_.reset(SDL_CreateRenderer(GetGameWindow(), -1, 0));
    srand(seed);
    app_ = std::make_unique<GameApplication>(renderer_.get());
    if (start) {
        app_->start();
        srand(seed); // start() seeds from the clock
    }
    reader_ = std::make_unique<ScreenReader>(renderer_.get());
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

TestApp::~TestApp()
{
    whole_.reset();
    reference_.reset();
    reader_.reset();
    app_.reset();
    renderer_.reset();
    DestroyGameWindow();
    SDL_Quit();
}

void TestApp::frame()
{
    app_->run_frame();
    if (whole_) {
        compare_with_whole_frame();
    }
}

void TestApp::compare_every_frame()
{
    whole_ = std::make_unique<MyGraphics_render>(renderer_.get(), false);
    whole_->load(0, "Spectrum.bmp", 16, 10);
    whole_->load(1, "BX_title_screen.bmp", 8, 100);
}

std::vector<Uint32> TestApp::read_window(int& w, int& h)
{
    SDL_GetRendererOutputSize(renderer_.get(), &w, &h);
    std::vector<Uint32> pixels(static_cast<size_t>(w) * h);
    SDL_RenderReadPixels(renderer_.get(), nullptr, SDL_PIXELFORMAT_RGB888, pixels.data(), w * 4);
    return pixels;
}

void TestApp::compare_with_whole_frame()
{
    ++compared_frames_;
    int w = 0, h = 0;
    // The screen first: reading GL's back buffer shows it whole on Mesa's software rasteriser.
    SDL_GetRendererOutputSize(renderer_.get(), &w, &h);
    std::vector<Uint32> on_screen;
    const bool screen_read = read_x_window(GetGameWindow(), w, h, on_screen);
    std::vector<Uint32> shown = read_window(w, h);
    // The whole redraw goes into a render target, never into the window, whose back buffer may be the game's preserved
    // frame.
    if (!reference_ || reference_w_ != w || reference_h_ != h) {
        reference_.reset(SDL_CreateTexture(renderer_.get(), SDL_GetWindowPixelFormat(GetGameWindow()),
                                           SDL_TEXTUREACCESS_TARGET, w, h));
        reference_w_ = w;
        reference_h_ = h;
    }
    std::vector<Uint32> whole(shown.size());
    if (SDL_SetRenderTarget(renderer_.get(), reference_.get()) != 0) {
        ADD_FAILURE() << "no render target for the whole redraw: " << SDL_GetError();
        whole_.reset();
        return;
    }
    app_->draw_frame(*whole_);
    SDL_RenderReadPixels(renderer_.get(), nullptr, SDL_PIXELFORMAT_RGB888, whole.data(), w * 4);
    SDL_SetRenderTarget(renderer_.get(), nullptr);
    for (size_t i = 0; i < whole.size(); ++i) {
        // What a surface or a target holds past the colours.
        shown[i] &= 0xffffff;
        whole[i] &= 0xffffff;
    }
    // A window system resizes in its own time: the screen may show the first two frames at a new size late, though they
    // were drawn right.
    if (w != last_width_ || h != last_height_) {
        last_width_ = w;
        last_height_ = h;
        frames_at_size_ = 0;
    }
    ++frames_at_size_;
    if (screen_read && frames_at_size_ > 2 && on_screen != shown) {
        const size_t i =
            static_cast<size_t>(std::mismatch(shown.begin(), shown.end(), on_screen.begin()).first - shown.begin());
        ADD_FAILURE() << "frame " << compared_frames_ << " of " << w << "x" << h
                      << " drawn was not all shown: first at pixel " << i % w << "," << i / w << ": " << std::hex
                      << on_screen[i] << " on the screen, " << shown[i] << " drawn";
        whole_.reset();
        return;
    }
    // Through EGL, Mesa's software rasteriser reads its back buffer at the old size for the first frame at a new one;
    // the screen shows it right.
    const bool back_buffer_lags = SDL_GetHintBoolean(SDL_HINT_VIDEO_X11_FORCE_EGL, SDL_FALSE) && frames_at_size_ == 1;
    for (size_t i = 0; i < shown.size() && !back_buffer_lags; ++i) {
        if (shown[i] != whole[i]) {
            const int x = static_cast<int>(i) % w - game_offset_x;
            const int y = static_cast<int>(i) / w - game_offset_y;
            ADD_FAILURE() << "frame " << compared_frames_ << " of " << w << "x" << h << " differs from the whole redraw"
                          << " first at line " << y / glyph_size << ", column " << x / glyph_size << " (pixel " << x
                          << "," << y << "): " << std::hex << shown[i] << " against " << whole[i];
            whole_.reset(); // one report, not one per frame
            return;
        }
    }
}

void TestApp::frames(int count)
{
    for (int i = 0; i < count; ++i) {
        frame();
    }
}

void TestApp::queue_mouse(int line, int column, bool down)
{
    push_mouse_button(cell_centre_x(column), cell_centre_y(line), down);
}

void TestApp::drag_to_cell(int line, int column)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.state = SDL_BUTTON_LMASK;
    event.motion.x = cell_centre_x(column);
    event.motion.y = cell_centre_y(line);
    SDL_PushEvent(&event);
    frame();
}

void TestApp::window_event(Uint8 event)
{
    SDL_Event window{SDL_WINDOWEVENT};
    window.window.event = event;
    SDL_PushEvent(&window);
    frame();
}

bool TestApp::wait_for_title_to_take_keys()
{
    return wait_for([&] {
        auto* title = dynamic_cast<TitleScreen*>(app_->get_current_state());
        return title != nullptr && title->get_input_lockout() == 0.0;
    });
}

bool TestApp::key_page_shown()
{
    return reader_->shows_text(1, 13, " KEYS ", BRIGHT_YELLOW, WHITE) && reader_->shows(23, 31, ' ', WHITE, WHITE);
}

bool TestApp::instructions_page_shown(int page)
{
    ScreenReader& r = *reader_;
    return page == 1 ? r.shows_text(3, 0, "Instructions", BLACK, CYAN) && r.shows_text(3, 12, " Welcome", BLACK, WHITE)
           : page == 2 ? r.shows(14, 0, 'M', BLACK, CYAN) && r.shows_text(8, 0, "A game ends", BLACK, WHITE)
                       : r.shows(3, 0, 'R', BLACK, CYAN) && r.shows(20, 0, 'H', BLACK, BRIGHT_YELLOW);
}

bool TestApp::menu_panel_shown()
{
    return reader_->shows_text(16, 23, "P=Play", BLACK, BRIGHT_WHITE) &&
           reader_->shows(18, 23, 'S', BLACK, BRIGHT_WHITE);
}

bool TestApp::new_best_score_shown()
{
    return std::any_of(std::begin(best_papers), std::end(best_papers), [&](simple_colour_t paper) {
        return reader_->shows_text(2, 6, " !!NEW BEST SCORE!! ", BLACK, paper);
    });
}

bool TestApp::menu_idle()
{
    auto* menu = dynamic_cast<MenuSpecialState*>(app_->get_current_state());
    return menu != nullptr && menu->current_code() == state_t::IDLE;
}

char TestApp::maze_letter_shown()
{
    for (char letter = 'A'; letter <= 'P'; ++letter) {
        if (reader_->shows(1, 5, letter, BLACK, BRIGHT_WHITE)) {
            return letter;
        }
    }
    return 0;
}

bool TestApp::scored()
{
    std::string score = score_shown();
    return score.find('?') == std::string::npos && score != "00000";
}

bool TestApp::open_menu()
{
    app_->change_game_state(new NullSpecialState(), false);
    app_->show_game_menu(true);
    return wait_for([&] { return menu_idle(); });
}
