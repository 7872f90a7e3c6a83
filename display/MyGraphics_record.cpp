#include "display/MyGraphics_record.h"

#include "display/Dispatchers.h"

namespace {
template <typename Command, typename... Args>
void append(std::vector<std::unique_ptr<MyGraphics_dispatcher>>& commands, Args&&... args)
{
    commands.push_back(std::make_unique<Command>(std::forward<Args>(args)...));
}
} // namespace

void MyGraphics_record::print(int line, int column, simple_colour_t fg, SDL_Color const& bg, int c)
{
    append<print_lcscc_dispatcher>(commands, line, column, fg, bg, c);
}

void MyGraphics_record::printxy(int x, int y, simple_colour_t fg, SDL_Color const& bg, int c)
{
    append<print_xyscc_dispatcher>(commands, x, y, fg, bg, c);
}

void MyGraphics_record::print(int line, int column, simple_colour_t fg, simple_colour_t bg, int c)
{
    append<print_lcscsc_dispatcher>(commands, line, column, fg, bg, c);
}

void MyGraphics_record::print(int line, int column, int c)
{
    append<print_lc_dispatcher>(commands, line, column, c);
}

void MyGraphics_record::printxy(int x, int y, int c)
{
    append<print_xy_dispatcher>(commands, x, y, c);
}

void MyGraphics_record::print(simple_colour_t fg, SDL_Color const& bg, int c)
{
    append<print_scc_dispatcher>(commands, fg, bg, c);
}

void MyGraphics_record::print(simple_colour_t fg, simple_colour_t bg, int c)
{
    append<print_scsc_dispatcher>(commands, fg, bg, c);
}

void MyGraphics_record::print(int c)
{
    append<print_dispatcher>(commands, c);
}

void MyGraphics_record::printxy(int x, int y, simple_colour_t fg, int c)
{
    append<printxy_dispatcher>(commands, x, y, fg, c);
}

void MyGraphics_record::set_fg_colour(simple_colour_t fg)
{
    append<set_fg_colour_dispatcher>(commands, fg);
}

void MyGraphics_record::set_bg_colour(SDL_Color const& bg)
{
    append<set_bg_colour_dispatcher>(commands, bg);
}

void MyGraphics_record::set_bg_colour(simple_colour_t bg)
{
    append<set_bg_colour_simple_dispatcher>(commands, bg);
}

void MyGraphics_record::set_bg_opaque()
{
    append<set_bg_opaque_dispatcher>(commands);
}

void MyGraphics_record::set_bg_transparent()
{
    append<set_bg_transparent_dispatcher>(commands);
}

void MyGraphics_record::go_to(int line, int column)
{
    append<go_to_dispatcher>(commands, line, column);
}

void MyGraphics_record::skip_1_forward()
{
    append<skip_1_forward_dispatcher>(commands);
}

void MyGraphics_record::clear_screen(SDL_Color const& colour)
{
    append<clear_screen_dispatcher>(commands, colour);
}

void MyGraphics_record::FillRect(SDL_Color const& colour, SDL_Rect const& rect)
{
    append<FillRectColour_dispatcher>(commands, rect, colour);
}

void MyGraphics_record::FillRect(SDL_Rect const& rect)
{
    append<FillRect_dispatcher>(commands, rect);
}

void MyGraphics_record::RenderCopy(SDL_Texture* texture, SDL_Rect* src, SDL_Rect* dst)
{
    append<RenderCopy_dispatcher>(commands, texture, src, dst);
}

void MyGraphics_record::update_game_screen_offset(int on)
{
    if (on != 0) {
        append<set_game_screen_offset_dispatcher>(commands);
    } else {
        append<remove_game_screen_offset_dispatcher>(commands);
    }
}

void MyGraphics_record::replay(MyGraphics& target)
{
    // Index-based, so replaying a recording into itself appends without
    // invalidating the loop and stops at the commands it started with.
    const size_t count = commands.size();
    for (size_t i = 0; i < count; ++i) {
        commands[i]->run(target);
    }
}
