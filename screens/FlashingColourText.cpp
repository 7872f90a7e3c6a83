#include "screens/FlashingColourText.h"

#include "display/MyGraphics.h"

namespace {

// Ticks per colour step: with the menu's 20 ms tick one flash is 100 ms.
constexpr int ticks_per_flash = 5;

const simple_colour_t rainbow[4] = {BRIGHT_MAGENTA, BRIGHT_GREEN, BRIGHT_CYAN, BRIGHT_YELLOW};

} // namespace

FlashingColourText::FlashingColourText(int flashes, int line, int column, const std::string& text)
    : text(text), column(column), line(line), countdown(flashes * ticks_per_flash)
{
}

void FlashingColourText::print_text(MyGraphics& g)
{
    g.set_fg_colour(BLACK);
    g.go_to(line, column);
    for (std::size_t i = 0; i < text.size(); ++i) {
        g.set_bg_colour(calc_colour(colour_offset + static_cast<int>(i)));
        g.print(static_cast<unsigned char>(text[i]));
    }
}

simple_colour_t FlashingColourText::calc_colour(int n)
{
    return rainbow[((n % 4) + 4) % 4];
}

void FlashingColourText::next_colour()
{
    if (countdown == 0) {
        return;
    }
    --countdown;
    if (countdown % ticks_per_flash == 0) {
        ++colour_offset;
    }
}
