#include "screens/DisplayList.h"

#include "display/MyGraphics.h"
#include "display/SimpleImage.h"
#include "display/TextPrinting.h"
#include "display/Window.h"

#include <utility>

bool DisplayListEndMarker::end_marker_on_screen = false;
bool DisplayListEndMarker::end_marker_off_top = false;

bool display_list_item_visible(int y, int height)
{
    return y < current_print_area_height() && y + height >= 1;
}

DisplayListImage::DisplayListImage(SimpleImage* picture, SimpleImage* flash_picture)
    : picture(picture), flash_picture(flash_picture)
{
}

int DisplayListImage::draw(MyGraphics& g, int y, bool flash)
{
    const SimpleImage* shown = (flash && flash_picture != nullptr) ? flash_picture : picture;
    // Measure at the current print area, not at the one of the last drawing.
    shown->rescale();
    int height = shown->get_display_height();
    if (display_list_item_visible(y, height)) {
        shown->draw_horizontally_centered(g, y);
    }
    return y + height;
}

DisplayListText::DisplayListText(std::string text, simple_colour_t ink, simple_colour_t paper, bool flashing)
    : text(std::move(text)), ink(ink), paper(paper), flashing(flashing)
{
}

int DisplayListText::draw(MyGraphics& g, int y, bool flash)
{
    simple_colour_t fg = ink;
    simple_colour_t bg = paper;
    if (flashing && flash) {
        std::swap(fg, bg);
    }
    g.set_fg_colour(fg);
    g.set_bg_colour(bg);
    if (display_list_item_visible(y, glyph_size)) {
        print_centered_string_xy(g, y, text);
    }
    return y + glyph_size;
}

int DisplayListEndMarker::draw(MyGraphics&, int y, bool)
{
    if (y > current_print_area_height()) {
        end_marker_on_screen = false;
        end_marker_off_top = false;
    } else if (y < 1) {
        end_marker_off_top = true;
        end_marker_on_screen = false;
    } else {
        end_marker_on_screen = true;
        end_marker_off_top = false;
    }
    return y;
}

void DisplayListEndMarker::reset_flags()
{
    end_marker_on_screen = false;
    end_marker_off_top = false;
}
