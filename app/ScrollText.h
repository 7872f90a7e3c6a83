#pragma once
#include "display/Colours.h"

#include <string>

class MyGraphics;

// The banner on line 0: a cyclic text with inline [name=value] commands
// for ink, paper, speed and wait, scrolling smoothly right to left.
class ScrollText {
public:
    explicit ScrollText(std::string text);
    void update(double seconds);
    void draw(MyGraphics& g);
    void do_scrolling(bool on);

    char get_next();
    char get_next_printable();
    std::string get_command_string();
    static void split_command(std::string command, std::string& name, std::string& value);
    void process_command();
    void run_command(std::string name, std::string value, int position);

    double get_scroll_position() const { return scroll_position; }
    double get_speed() const { return speed; }
    double get_wait() const { return wait; }
    simple_colour_t get_ink() const { return ink; }
    SDL_Color get_paper() const { return paper; }
    bool is_scrolling() const { return scrolling; }

private:
    // The reading state at the banner's left edge after the last draw.
    struct EdgeState {
        int skipped = 0;
        int read_index = 0;
        simple_colour_t ink = BLACK;
        SDL_Color paper{};
        double speed = 1.0;
    };

    void read_command(std::string& command);
    static void split_into(const std::string& command, std::string& name, std::string& value);
    void apply_command(std::string& name, const std::string& value, int position);

    std::string text;
    int read_index = 0;
    double scroll_position = 0.0;
    simple_colour_t ink = BLACK;
    SDL_Color paper;
    double wait = 0.0;
    int last_wait_index = -1;
    bool scrolling = false;
    double speed = 1.0;
    long reads = 0;
    std::string command_buffer;
    std::string name_buffer;
    std::string value_buffer;
    EdgeState edge;
};
