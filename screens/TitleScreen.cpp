#include "screens/TitleScreen.h"

#include "app/GameApplication.h"
#include "display/MyGraphics.h"
#include "display/Window.h"
#include "screens/InstructionsState.h"

#include <algorithm>

namespace {

constexpr double flash_period = 0.32;
// The blinking picture starts shrinking after this many toggles.
constexpr int flashes_before_zoom = 4;
constexpr double zoom_end = 50.0;
constexpr double zoom_seconds = 0.65;
// One print-area height every this many seconds.
constexpr double seconds_per_screen = 10.0;

const char pause_spinner[] = "|/-\\|/-\\|/-\\|/-\\";
const simple_colour_t pause_colours[16] = {
    BLUE,         BRIGHT_BLUE, RED,    MAGENTA, GREEN, CYAN,    YELLOW, WHITE,
    BRIGHT_WHITE, WHITE,       YELLOW, CYAN,    GREEN, MAGENTA, RED,    BRIGHT_BLUE,
};

} // namespace

TitleScreen::TitleScreen(GameApplication& application, SDL_Renderer* renderer)
    : application(application), picture1("kworble_refurnished1.bmp", renderer),
      picture2("kworble_refurnished2.bmp", renderer), cover("KworbleCover.bmp", renderer),
      title_picture1("BX_title1.bmp", renderer), title_picture2("BX_title2.bmp", renderer),
      scroll_height(current_print_area_height())
{
    cover.set_scale_to_fit_screen(70.0);
    init_display_list();
}

// The items go first: they point at the pictures.
TitleScreen::~TitleScreen()
{
    display_list.clear();
}

void TitleScreen::update(double dt, MySoundManager&, GameApplication&)
{
    update_flash(dt);
    double d = application.is_paused() ? 0.0 : dt;
    input_lockout = std::max(0.0, input_lockout - d);
    if (phase == 0) {
        update_opening(d);
    } else if (phase == 1) {
        rescale_scroll_y();
        scroll_y -= current_print_area_height() * d / seconds_per_screen;
        animation->update(d);
    } else {
        phase = 0;
    }
}

void TitleScreen::update_flash(double dt)
{
    flash_timer += dt;
    if (flash_timer > flash_period) {
        flash = !flash;
        ++flash_count;
        flash_timer -= flash_period;
        // A long stall toggles once, not once per missed period.
        if (flash_timer > flash_period) {
            flash_timer = 0.0;
        }
    }
}

void TitleScreen::update_opening(double d)
{
    if (flash_count <= flashes_before_zoom || zoom <= zoom_end) {
        return;
    }
    double z = zoom - d * (100.0 - zoom_end) / zoom_seconds;
    if (z <= zoom_end) {
        zoom = zoom_end;
        phase = 1;
    } else {
        zoom = z;
    }
    picture1.set_scale_to_fit_screen(zoom);
    picture2.set_scale_to_fit_screen(zoom);
    scroll_y = (current_print_area_height() - picture1.get_display_height()) / 2;
}

// Keeps the same item at the same relative height after a window-size change.
void TitleScreen::rescale_scroll_y()
{
    int height = current_print_area_height();
    if (height == scroll_height) {
        return;
    }
    if (scroll_height > 0) {
        scroll_y = scroll_y / scroll_height * height;
    }
    scroll_height = height;
}

int TitleScreen::draw_list(MyGraphics& g, int y)
{
    for (auto& item : display_list) {
        y = item->draw(g, y, flash);
    }
    return y;
}

void TitleScreen::print(MyGraphics& g)
{
    g.update_game_screen_offset(1);
    rescale_scroll_y();
    g.clear_screen(get_rgb_from_simple_colour(BLUE));
    int end_y = draw_list(g, static_cast<int>(scroll_y));
    if (DisplayListEndMarker::is_end_marker_off_top_off_screen()) {
        // The list restarts exactly where it ended.
        scroll_y = end_y;
        draw_list(g, end_y);
    } else if (DisplayListEndMarker::is_end_marker_on_screen()) {
        draw_list(g, end_y);
    }
    if (application.is_paused()) {
        print_pause_indicator(g);
    }
}

void TitleScreen::print_pause_indicator(MyGraphics& g)
{
    int k = flash_count % 16;
    simple_colour_t ink = pause_colours[k];
    SDL_Color paper = get_rgb_from_simple_colour_transparent(BLACK, 128);
    g.print(23, 29, ink, paper, static_cast<unsigned char>(pause_spinner[k]));
    g.print(23, 30, ink, paper, 'F');
    g.print(23, 31, ink, paper, '5');
}

bool TitleScreen::key_down(SDL_KeyboardEvent const& event)
{
    if (input_lockout > 0.0) {
        return true;
    }
    if (event.keysym.sym == SDLK_ESCAPE) {
        return false;
    }
    return leave_for_instructions();
}

bool TitleScreen::mouse_down(int, int)
{
    if (input_lockout > 0.0) {
        return true;
    }
    return leave_for_instructions();
}

// This screen is deleted inside change_game_state: nothing may follow it.
bool TitleScreen::leave_for_instructions()
{
    application.change_game_state(new InstructionsState(application), true);
    return true;
}

void TitleScreen::add_text(const std::string& text, simple_colour_t ink, simple_colour_t paper, bool flashing)
{
    display_list.push_back(std::make_unique<DisplayListText>(text, ink, paper, flashing));
}

void TitleScreen::add_blank(int count, simple_colour_t ink)
{
    for (int i = 0; i < count; ++i) {
        add_text("", ink, BLUE);
    }
}
