#pragma once
#include "base/Timers.h"
#include "display/Colours.h"
#include "screens/SpecialStates.h"

#include <string>
#include <vector>

class CurrentMaze;

// One screen line of instruction text in two colour parts; '?' in the text
// stands for a game glyph.
class InstructionsTextLine {
public:
    InstructionsTextLine(const std::string& text, int split, simple_colour_t paper1, simple_colour_t ink1,
                         simple_colour_t paper2, simple_colour_t ink2, unsigned char placeholder_glyph);
    void print(MyGraphics& g) const;
    void set_text(const std::string& text);
    void set_colours(simple_colour_t paper, simple_colour_t ink);

    const std::string& get_first() const { return first; }
    const std::string& get_second() const { return second; }
    simple_colour_t get_paper1() const { return paper1; }
    simple_colour_t get_ink1() const { return ink1; }
    simple_colour_t get_paper2() const { return paper2; }
    simple_colour_t get_ink2() const { return ink2; }

private:
    std::string first;
    std::string second;
    simple_colour_t paper1;
    simple_colour_t ink1;
    simple_colour_t paper2;
    simple_colour_t ink2;
};

// The three text pages, 21 lines of 32 characters each.
std::vector<InstructionsTextLine> instructions_page_1();
std::vector<InstructionsTextLine> instructions_page_2();
std::vector<InstructionsTextLine> instructions_page_3();

void print_processed_text(MyGraphics& g, std::vector<InstructionsTextLine>& lines);
void print_processed_text(MyGraphics& g, std::vector<InstructionsTextLine>& lines, int count);

// The key page, then three text pages each wiping down over the previous
// one, then the menu.
class InstructionsState : public SpecialStates {
public:
    explicit InstructionsState(GameApplication& app);

    void print(MyGraphics& g) override;
    void update(double seconds, MySoundManager& sounds, GameApplication& app) override;
    bool mouse_down(int x, int y) override;
    bool key_down(SDL_KeyboardEvent const& event) override;
    bool show_background() override { return page != 0; }

    // Pages are text page indices 0 to 2 (pages 1 to 3).
    virtual void set_text(int page, unsigned line, const std::string& text);
    virtual void set_colours(int page, unsigned line, simple_colour_t paper, simple_colour_t ink);
    virtual int page_size(int page);
    virtual void skip_page();
    virtual bool action();

    int get_page() const { return page; }
    int get_revealed() const { return revealed; }
    bool is_blink_on() const { return blink; }
    const std::vector<InstructionsTextLine>* get_text_page(int index) const;

protected:
    GameApplication& app;

private:
    void common_init();
    void print_key_instructions_desktop(MyGraphics& g);
    bool reveal_finished() const { return revealed >= 25; }

    bool blink = false;
    RepeatingTimer blink_timer;
    RepeatingTimer reveal_timer;
    int page = 0;
    int revealed = 0;
    std::vector<InstructionsTextLine> text_pages[3];
};

// The instructions opened from the menu: straight to the text pages, framed
// in the current maze's wall colour.
class FromMenuInstructionState : public InstructionsState {
public:
    FromMenuInstructionState(GameApplication& app, CurrentMaze& maze);
    virtual void set_border_mode();

private:
    CurrentMaze* maze;
};
