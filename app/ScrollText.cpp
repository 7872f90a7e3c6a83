#include "app/ScrollText.h"

#include "display/MyGraphics.h"
#include "display/Window.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {
std::string trim(const std::string& s)
{
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// A double read from the start of the value; fallback when there is none.
double read_number(const std::string& value, double fallback)
{
    std::istringstream in(value);
    double number = 0.0;
    if (in >> number) {
        return number;
    }
    return fallback;
}
} // namespace

ScrollText::ScrollText(std::string text)
    : text(std::move(text)), paper(get_rgb_from_simple_colour(WHITE))
{
    edge.paper = paper;
}

void ScrollText::update(double seconds)
{
    if (!scrolling) {
        return;
    }
    if (wait > 0) {
        wait -= seconds;
        return;
    }
    // Never more than one character a frame.
    scroll_position += std::min(speed * glyph_size * seconds, static_cast<double>(glyph_size));
}

void ScrollText::draw(MyGraphics& g)
{
    if (glyph_size <= 0) {
        return;
    }
    const int scrolled = static_cast<int>(scroll_position);
    const int skip = scrolled / glyph_size;
    const int remainder = scrolled % glyph_size;

    // The scroll position only grows, so the scan resumes where the last
    // draw's left edge was instead of reading everything scrolled so far.
    if (skip < edge.skipped) {
        edge = EdgeState{};
        edge.paper = get_rgb_from_simple_colour(WHITE);
    }

    read_index = edge.read_index;
    ink = edge.ink;
    paper = edge.paper;
    speed = edge.speed;
    for (int i = edge.skipped; i < skip; ++i) {
        get_next_printable();
    }
    edge = EdgeState{skip, read_index, ink, paper, speed};

    const int cells = remainder == 0 ? 32 : 33;
    int x = -remainder;
    for (int i = 0; i < cells; ++i) {
        char c = get_next_printable();
        g.printxy(x, 0, ink, paper, static_cast<unsigned char>(c));
        x += glyph_size;
    }
}

void ScrollText::do_scrolling(bool on)
{
    if (on) {
        scrolling = true;
    }
}

char ScrollText::get_next()
{
    if (text.empty()) {
        return ' ';
    }
    char c = text[read_index];
    read_index = (read_index + 1) % static_cast<int>(text.size());
    ++reads;
    return c;
}

char ScrollText::get_next_printable()
{
    // A text of nothing but commands would never end: give up after one
    // full cycle and show a blank.
    const long limit = reads + 2 * static_cast<long>(text.size()) + 1;
    while (reads < limit) {
        char c = get_next();
        if (c != '[') {
            return c;
        }
        process_command();
    }
    return ' ';
}

std::string ScrollText::get_command_string()
{
    // A '[' without a ']' ends after one full cycle of the text.
    std::string command;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = get_next();
        if (c == ']') {
            break;
        }
        command += c;
    }
    return command;
}

void ScrollText::split_command(std::string command, std::string& name, std::string& value)
{
    name.clear();
    value.clear();
    size_t equals = command.find('=');
    if (equals != std::string::npos) {
        name = command.substr(0, equals);
        value = command.substr(equals + 1);
    }
}

void ScrollText::process_command()
{
    std::string name;
    std::string value;
    split_command(get_command_string(), name, value);
    run_command(trim(name), trim(value), read_index);
}

void ScrollText::run_command(std::string name, std::string value, int position)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (name == "ink") {
        ink = decode_colour(value);
    } else if (name == "paper") {
        paper = get_rgb_from_simple_colour(decode_colour(value));
    } else if (name == "speed") {
        speed = read_number(value, 1.0);
    } else if (name == "wait") {
        if (position != last_wait_index) {
            wait = read_number(value, 0.0);
            last_wait_index = position;
        }
    }
}
