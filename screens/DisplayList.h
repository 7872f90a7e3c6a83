#pragma once
#include "display/Colours.h"

#include <string>

class MyGraphics;
class SimpleImage;

// One item of the title screen's scrolling list. draw() puts the item's top
// edge at y (game coordinates) and returns where the next item starts.
class DisplayListBase {
public:
    virtual int draw(MyGraphics& g, int y, bool flash) = 0;
    virtual ~DisplayListBase() = default;
};

// True when something of height h drawn at y shows in the print area.
bool display_list_item_visible(int y, int height);

class DisplayListImage : public DisplayListBase {
public:
    explicit DisplayListImage(SimpleImage* picture, SimpleImage* flash_picture = nullptr);
    int draw(MyGraphics& g, int y, bool flash) override;

private:
    SimpleImage* picture;
    SimpleImage* flash_picture;
};

class DisplayListText : public DisplayListBase {
public:
    DisplayListText(std::string text, simple_colour_t ink, simple_colour_t paper, bool flashing = false);
    int draw(MyGraphics& g, int y, bool flash) override;
    const std::string& get_text() const { return text; }

private:
    std::string text;
    simple_colour_t ink;
    simple_colour_t paper;
    bool flashing;
};

// Progress values a cell's entry must be below before the cell is loaded;
// 255 never loads.
extern const unsigned char tape_loading_reveal_table[21][32];

// A tape-loading screen: a white header phase, then the logo painted cell by
// cell from the title-picture glyph set, then the program's closing texts.
class DisplayListBraxmoorSystemsAnimation : public DisplayListBase {
public:
    DisplayListBraxmoorSystemsAnimation(SimpleImage* picture_a, SimpleImage* picture_b);
    int draw(MyGraphics& g, int y, bool flash) override;
    void update(double dt) { elapsed += dt; }
    double get_elapsed() const { return elapsed; }
    int get_progress() const { return progress; }

private:
    int height(bool flash) const;
    void draw_loaded_cells(MyGraphics& g, int y0, bool flash) const;

    SimpleImage* picture_a;
    SimpleImage* picture_b;
    double elapsed = 0.0;
    int progress = 0;
};

// Marks the end of the list; the title screen wraps the list on its flags.
class DisplayListEndMarker : public DisplayListBase {
public:
    int draw(MyGraphics& g, int y, bool flash) override;
    static bool is_end_marker_on_screen() { return end_marker_on_screen; }
    static bool is_end_marker_off_top_off_screen() { return end_marker_off_top; }
    // A freshly built list has not been drawn yet.
    static void reset_flags();

private:
    static bool end_marker_on_screen;
    static bool end_marker_off_top;
};
