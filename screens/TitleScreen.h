#pragma once
#include "display/Colours.h"
#include "display/SimpleImage.h"
#include "screens/DisplayList.h"
#include "screens/SpecialStates.h"

#include <memory>
#include <string>
#include <vector>

// The opening screen: the title picture blinks, shrinks to half size, and an
// endless list of credits, pictures and a tape-loading screen scrolls up.
// A key or a click, after a short lock-out, leads on to the instructions.
class TitleScreen : public SpecialStates {
public:
    TitleScreen(GameApplication& application, SDL_Renderer* renderer);
    ~TitleScreen() override;
    TitleScreen(const TitleScreen&) = delete;
    TitleScreen& operator=(const TitleScreen&) = delete;

    void print(MyGraphics& g) override;
    void update(double dt, MySoundManager& sounds, GameApplication& app) override;
    bool key_down(SDL_KeyboardEvent const& event) override;
    bool mouse_down(int x, int y) override;

    bool is_flash() const { return flash; }
    int get_flash_count() const { return flash_count; }
    double get_zoom() const { return zoom; }
    int get_phase() const { return phase; }
    double get_scroll_y() const { return scroll_y; }
    double get_input_lockout() const { return input_lockout; }
    const std::vector<std::unique_ptr<DisplayListBase>>& get_display_list() const { return display_list; }
    DisplayListBraxmoorSystemsAnimation* get_animation() const { return animation; }

private:
    void init_display_list();
    void add_text(const std::string& text, simple_colour_t ink, simple_colour_t paper = BLUE, bool flashing = false);
    void add_blank(int count, simple_colour_t ink = BLUE);
    void update_flash(double dt);
    void update_opening(double d);
    void rescale_scroll_y();
    int draw_list(MyGraphics& g, int y);
    void print_pause_indicator(MyGraphics& g);
    bool leave_for_instructions();

    GameApplication& application;
    SimpleImage picture1;
    SimpleImage picture2;
    SimpleImage cover;
    SimpleImage title_picture1;
    SimpleImage title_picture2;
    bool flash = false;
    double flash_timer = 0.0;
    int flash_count = 0;
    double zoom = 100.0;
    int phase = 0;
    double scroll_y = 0.0;
    double scroll_height;
    // Declared after the pictures, so the items go before what they point at.
    std::vector<std::unique_ptr<DisplayListBase>> display_list;
    DisplayListBraxmoorSystemsAnimation* animation = nullptr;
    double input_lockout = 1.5;
};
