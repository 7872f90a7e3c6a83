#include "app/ScrollText.h"

#include "display/MyGraphics.h"
#include "display/Window.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {
void trim_in_place(std::string& s)
{
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        s.clear();
        return;
    }
    size_t last = s.find_last_not_of(" \t");
    s.erase(last + 1);
    s.erase(0, first);
}

// A number read from the start of the value as a stream would read it:
// sign, digits, point, exponent, and anything after them ignored; fallback
// when there is none. Done by hand because the banner is parsed every frame
// and a string stream would allocate.
double read_number(const std::string& value, double fallback)
{
    char number[64];
    size_t n = 0;
    size_t i = 0;
    int digits = 0;
    auto at = [&](size_t k) { return k < value.size() ? value[k] : '\0'; };
    auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
    auto take_digits = [&]() {
        while (is_digit(at(i)) && n + 2 < sizeof number) {
            number[n++] = value[i++];
            ++digits;
        }
    };
    if (at(i) == '+' || at(i) == '-') {
        number[n++] = value[i++];
    }
    take_digits();
    if (at(i) == '.') {
        number[n++] = value[i++];
        take_digits();
    }
    if (digits == 0) {
        return fallback;
    }
    const size_t sign = (at(i + 1) == '+' || at(i + 1) == '-') ? 1 : 0;
    if ((at(i) == 'e' || at(i) == 'E') && is_digit(at(i + 1 + sign))) {
        number[n++] = value[i++];
        if (sign) {
            number[n++] = value[i++];
        }
        take_digits();
    }
    number[n] = '\0';
    return strtod(number, nullptr);
}

} // namespace

ScrollText::ScrollText(std::string text) : text(std::move(text)), paper(get_rgb_from_simple_colour(WHITE))
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
    // Never more than one character a frame, and never backwards: a negative
    // speed (or a huge one times a frame of 0 s, which is not a number) would
    // take the position out of an int's range.
    const double step = speed * glyph_size * seconds;
    if (step > 0) {
        scroll_position += std::min(step, static_cast<double>(glyph_size));
    }
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
    std::string command;
    read_command(command);
    return command;
}

void ScrollText::read_command(std::string& command)
{
    // A '[' without a ']' ends after one full cycle of the text.
    command.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        char c = get_next();
        if (c == ']') {
            break;
        }
        command += c;
    }
}

void ScrollText::split_command(std::string command, std::string& name, std::string& value)
{
    split_into(command, name, value);
}

void ScrollText::split_into(const std::string& command, std::string& name, std::string& value)
{
    name.clear();
    value.clear();
    size_t equals = command.find('=');
    if (equals != std::string::npos) {
        name.assign(command, 0, equals);
        value.assign(command, equals + 1, std::string::npos);
    }
}

void ScrollText::process_command()
{
    // The banner is read every frame: reusing the buffers keeps that off the heap.
    read_command(command_buffer);
    split_into(command_buffer, name_buffer, value_buffer);
    trim_in_place(name_buffer);
    trim_in_place(value_buffer);
    apply_command(name_buffer, value_buffer, read_index);
}

void ScrollText::run_command(std::string name, std::string value, int position)
{
    apply_command(name, value, position);
}

void ScrollText::apply_command(std::string& name, const std::string& value, int position)
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
