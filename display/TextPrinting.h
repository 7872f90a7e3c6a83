#pragma once
#include "display/MyGraphics.h"

#include <string>

// Alignment bits; they combine with |.
enum justify { justify_left = 1, justify_right = 2, justify_bottom = 8, justify_hcenter = 16, justify_vcenter = 32 };

void print_string(MyGraphics& g, int line, int column, const char* text);
void print_string(MyGraphics& g, int line, int column, std::string const& text);
void print_string_xy(MyGraphics& g, int x, int y, const char* text);
void print_string_xy(MyGraphics& g, int x, int y, std::string const& text);
void print_string(MyGraphics& g, const char* text);
void print_string(MyGraphics& g, std::string const& text);
void print_centered_string(MyGraphics& g, int line, const char* text);
void print_centered_string(MyGraphics& g, int line, std::string const& text);
void print_centered_string_xy(MyGraphics& g, int y, const char* text);
void print_centered_string_xy(MyGraphics& g, int y, std::string const& text);
void print_justified_string(MyGraphics& g, int line, int column, const char* text, int how);
void print_justified_string(MyGraphics& g, int line, int column, std::string const& text, int how);
void print_justified_string_xy(MyGraphics& g, int x, int y, const char* text, int how);
void print_justified_string_xy(MyGraphics& g, int x, int y, std::string const& text, int how);
