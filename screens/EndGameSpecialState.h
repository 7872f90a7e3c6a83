#pragma once
#include "base/Timers.h"
#include "display/Colours.h"
#include "screens/SpecialStates.h"

class CurrentMaze;

// The game-over sequence, with the new-best-score flash when earned.
class EndGameSpecialState : public SpecialStates {
public:
    EndGameSpecialState(bool new_best_score, CurrentMaze& maze);
    void print(MyGraphics& g) override;
    void update(double seconds, MySoundManager& sounds, GameApplication& app) override;
    bool show_background() override { return false; }

    int get_phase() const { return phase; }
    int get_flash_count() const { return flash_count; }
    bool is_best_message_shown() const { return best_message_shown; }

    static const simple_colour_t border_colours[6];

private:
    OneShotTimer timer;
    int phase = 0;
    bool new_best_score;
    int flash_count = 0;
    bool best_message_shown = false;
};
