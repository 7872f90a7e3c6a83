#pragma once
#include "display/Colours.h"

#include <string>

class MyGraphics;

// A piece of text that flashes in rainbow colours for a number of ticks.
class FlashingColourText {
public:
    FlashingColourText(int flashes, int line, int column, const std::string& text);
    void print_text(MyGraphics& g);
    static simple_colour_t calc_colour(int n);
    void next_colour();
    bool complete() const { return countdown == 0; }
    void abort() { countdown = 0; }
    int get_countdown() const { return countdown; }

private:
    std::string text;
    int column;
    int line;
    int countdown;
    int colour_offset = 0;
};
