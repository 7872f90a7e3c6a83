#include "screens/InstructionsState.h"

// The instruction prose. Every line fills one screen line (32 characters);
// '?' marks where a game glyph goes, one kind of glyph per line.
namespace {

constexpr unsigned char chaser = 129;
constexpr unsigned char food = 130;
constexpr unsigned char smiling_chaser = 131;
constexpr unsigned char player = 132;
constexpr unsigned char no_glyph = '?';

InstructionsTextLine bar()
{
    return InstructionsTextLine(std::string(32, ' '), 1, BLUE, BLUE, BLUE, BLUE, no_glyph);
}

InstructionsTextLine plain(const char* text, unsigned char glyph = no_glyph)
{
    return InstructionsTextLine(text, 1, WHITE, BLACK, WHITE, BLACK, glyph);
}

InstructionsTextLine blank()
{
    return plain("                                ");
}

InstructionsTextLine command(const char* text)
{
    return InstructionsTextLine(text, 1, CYAN, BLACK, WHITE, BLACK, no_glyph);
}

InstructionsTextLine heading(const char* text)
{
    return InstructionsTextLine(text, 12, CYAN, BLACK, WHITE, BLACK, no_glyph);
}

InstructionsTextLine prompt()
{
    return InstructionsTextLine("(Any key to continue..)         ", 23, CYAN, BLACK, WHITE, BLACK, no_glyph);
}

InstructionsTextLine closing(const char* text)
{
    return InstructionsTextLine(text, 20, BRIGHT_YELLOW, BLACK, WHITE, BLACK, no_glyph);
}

} // namespace

std::vector<InstructionsTextLine> instructions_page_1()
{
    return {
        bar(),
        heading("Instructions Welcome to KWORBLE."),
        plain(" You are ? and your task is to  ", player),
        plain(" steer yourself round the maze  "),
        plain(" and eat every piece of food ?  ", food),
        plain(" for 10 points each. Keep clear "),
        plain(" of the four chasers ? because  ", chaser),
        plain(" they smile ? when they catch   ", smiling_chaser),
        plain(" you: every catch costs a life. "),
        blank(),
        plain(" Fire your laser to send any ?  ", chaser),
        plain(" standing in a direct line with "),
        plain(" you back to his own corner.    "),
        blank(),
        plain(" Eat all the food ? ? ? and you ", food),
        plain(" earn bonus lasers and new ? ?  ", food),
        plain(" to eat. Every 1000 points the  "),
        plain(" chasers ? go a little faster.  ", chaser),
        blank(),
        prompt(),
        bar(),
    };
}

std::vector<InstructionsTextLine> instructions_page_2()
{
    return {
        bar(),
        plain(" Steer with the cursor keys or  "),
        plain(" W A S D, or with 7 6 5 8 as    "),
        plain(" shown when you choose Play, and"),
        plain(" fire the laser with SPACE or 9."),
        blank(),
        plain("A game ends when LIVES=0 or you "),
        plain("hold down the X (exit) key.     "),
        blank(),
        plain("The 'menu' which appears between"),
        plain("games offers many facilities... "),
        blank(),
        command("M Selects one of 15 mazes.      "),
        blank(),
        command("T Sets overall game speed.      "),
        blank(),
        command("G Sets the grade which is the   "),
        plain("  relative start speed of ?s.   ", chaser),
        blank(),
        prompt(),
        bar(),
    };
}

std::vector<InstructionsTextLine> instructions_page_3()
{
    return {
        bar(),
        command("R Resets BEST back to 00000.    "),
        blank(),
        command("I Shows these instructions.     "),
        blank(),
        command("D Demo lets you relax and watch "),
        plain("  ? play on his own. X ends the ", player),
        plain("  demo; a key before the next   "),
        plain("  maze's demo returns to menu.  "),
        blank(),
        command("P is how you Play a game.       "),
        blank(),
        command("S Saves KWORBLE on tape. Note   "),
        plain("  that this edition has no tape "),
        plain("  deck, so S does nothing here. "),
        blank(),
        plain(" Change the settings whenever a "),
        plain(" game ends, then Play on.       "),
        closing("Have lots of fun !!!            "),
        prompt(),
        bar(),
    };
}
