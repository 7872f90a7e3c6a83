#include "display/TextPrinting.h"

#include "display/Window.h"

#include <cstring>

namespace {
constexpr int columns = 32;
constexpr int last_line = 23;
constexpr int middle_line = 11;

int length_of(const char* text)
{
    return static_cast<int>(std::strlen(text));
}

// Bytes are glyph codes 1 to 255, never negative chars.
int code_at(const char* text, int i)
{
    return static_cast<unsigned char>(text[i]);
}
} // namespace

void print_string(MyGraphics& g, int line, int column, const char* text)
{
    const int length = length_of(text);
    for (int i = 0; i < length; ++i) {
        g.print(line, column + i, code_at(text, i));
    }
}

void print_string(MyGraphics& g, int line, int column, std::string const& text)
{
    print_string(g, line, column, text.c_str());
}

void print_string_xy(MyGraphics& g, int x, int y, const char* text)
{
    const int length = length_of(text);
    for (int i = 0; i < length; ++i) {
        g.printxy(x + i * glyph_size, y, code_at(text, i));
    }
}

void print_string_xy(MyGraphics& g, int x, int y, std::string const& text)
{
    print_string_xy(g, x, y, text.c_str());
}

void print_string(MyGraphics& g, const char* text)
{
    const int length = length_of(text);
    for (int i = 0; i < length; ++i) {
        g.print(code_at(text, i));
    }
}

void print_string(MyGraphics& g, std::string const& text)
{
    print_string(g, text.c_str());
}

void print_centered_string(MyGraphics& g, int line, const char* text)
{
    print_string(g, line, (columns - length_of(text)) / 2, text);
}

void print_centered_string(MyGraphics& g, int line, std::string const& text)
{
    print_centered_string(g, line, text.c_str());
}

void print_centered_string_xy(MyGraphics& g, int y, const char* text)
{
    const int width = length_of(text) * glyph_size;
    print_string_xy(g, (current_print_area_width() - width) / 2, y, text);
}

void print_centered_string_xy(MyGraphics& g, int y, std::string const& text)
{
    print_centered_string_xy(g, y, text.c_str());
}

void print_justified_string(MyGraphics& g, int line, int column, const char* text, int how)
{
    const int length = length_of(text);
    if (how & justify_right) {
        column = column - length + columns;
    }
    if (how & justify_hcenter) {
        column += (columns - length) / 2;
    }
    if (how & justify_bottom) {
        line += last_line;
    }
    if (how & justify_vcenter) {
        line += middle_line;
    }
    print_string(g, line, column, text);
}

void print_justified_string(MyGraphics& g, int line, int column, std::string const& text, int how)
{
    print_justified_string(g, line, column, text.c_str(), how);
}

void print_justified_string_xy(MyGraphics& g, int x, int y, const char* text, int how)
{
    const int width = length_of(text) * glyph_size;
    const int area_width = current_print_area_width();
    const int area_height = current_print_area_height();
    if (how & justify_right) {
        x += area_width - width;
    }
    if (how & justify_hcenter) {
        x += (area_width - width) / 2;
    }
    if (how & justify_bottom) {
        y += area_height - glyph_size;
    }
    if (how & justify_vcenter) {
        y += (area_height - glyph_size) / 2;
    }
    print_string_xy(g, x, y, text);
}

void print_justified_string_xy(MyGraphics& g, int x, int y, std::string const& text, int how)
{
    print_justified_string_xy(g, x, y, text.c_str(), how);
}
