#pragma once
#include "base/Timers.h"
#include "screens/SpecialStates.h"

class CurrentMaze;

extern const char* const bonus_message;

// The bonus sequence after a maze was eaten empty: flashing bonus text,
// ten bonus lasers, then the refilled maze wipes in and play resumes.
class LevelClearSpecialState : public SpecialStates {
public:
    explicit LevelClearSpecialState(CurrentMaze& maze);
    ~LevelClearSpecialState() override;
    void print(MyGraphics& g) override;
    void update(double seconds, MySoundManager& sounds, GameApplication& app) override;
    bool show_background() override { return phase == 2; }

    void bonus_display_standard(MyGraphics& g);
    void bonus_display_multicoloured(MyGraphics& g, int step);

    int get_phase() const { return phase; }
    int get_counter() const { return counter; }
    static int bonus_type;

private:
    int phase = 0;
    CurrentMaze& maze;
    RepeatingTimer tick_timer;
    int counter = 0;
    int refill_steps = 20;
};
