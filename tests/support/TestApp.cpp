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
    renderer_ = SDL_CreateRenderer(GetGameWindow(), -1, 0);
    srand(seed);
    app_ = std::make_unique<GameApplication>(renderer_);
    if (start) {
        app_->start();
        srand(seed); // start() seeds from the clock
    }
    reader_ = std::make_unique<ScreenReader>(renderer_);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

TestApp::~TestApp()
{
    whole_.reset();
    reader_.reset();
    app_.reset();
    SDL_DestroyRenderer(renderer_);
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
    whole_ = std::make_unique<MyGraphics_render>(renderer_, false);
    whole_->load(0, "Spectrum.bmp", 16, 10);
    whole_->load(1, "BX_title_screen.bmp", 8, 100);
}

std::vector<Uint32> TestApp::read_window(int& w, int& h)
{
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    std::vector<Uint32> pixels(static_cast<size_t>(w) * h);
    SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGB888, pixels.data(), w * 4);
    return pixels;
}

void TestApp::compare_with_whole_frame()
{
    ++compared_frames_;
    int w = 0, h = 0, whole_w = 0, whole_h = 0;
    // The screen first: reading GL's back buffer shows it whole on Mesa's
    // software rasteriser.
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    std::vector<Uint32> on_screen;
    const bool screen_read = read_x_window(GetGameWindow(), w, h, on_screen);
    const std::vector<Uint32> shown = read_window(w, h);
    app_->render(*whole_);
    const std::vector<Uint32> whole = read_window(whole_w, whole_h);
    // A window system resizes in its own time, and a GL back buffer only
    // holds the shown frame again once the game has redrawn at the new size.
    if (whole_w != w || whole_h != h || w != last_width_ || h != last_height_) {
        last_width_ = w;
        last_height_ = h;
        frames_at_size_ = 0;
    }
    if (++frames_at_size_ < 3) {
        return;
    }
    if (screen_read && on_screen != shown) {
        const size_t i =
            static_cast<size_t>(std::mismatch(shown.begin(), shown.end(), on_screen.begin()).first - shown.begin());
        ADD_FAILURE() << "frame " << compared_frames_ << " drawn was not all shown: first at pixel " << i % w << ","
                      << i / w << ": " << std::hex << on_screen[i] << " on the screen, " << shown[i] << " drawn";
        whole_.reset();
        return;
    }
    for (size_t i = 0; i < shown.size(); ++i) {
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
    return page == 1   ? r.shows_text(3, 0, "Instructions", BLACK, CYAN)
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
