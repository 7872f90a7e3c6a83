#pragma once
#include <SDL.h>

class GameApplication;
class MyGraphics;
class MySoundManager;

// The screen state in front of the game: it sees input first (true means
// consumed), is updated once a frame, draws its layer over the scene and
// says whether the recorded background is replayed under it.
class SpecialStates {
public:
    virtual void print(MyGraphics& g) = 0;
    virtual ~SpecialStates() = default;
    virtual void update(double seconds, MySoundManager& sounds, GameApplication& app);
    virtual bool mouse_down(int x, int y);
    virtual bool mouse_up(int x, int y);
    virtual bool mouse_down_moved(int x, int y);
    virtual bool key_down(SDL_KeyboardEvent const& event);
    virtual bool key_up(SDL_KeyboardEvent const& event);
    virtual bool show_background();
};

inline void SpecialStates::update(double, MySoundManager&, GameApplication&) {}
inline bool SpecialStates::mouse_down(int, int)
{
    return false;
}
inline bool SpecialStates::mouse_up(int, int)
{
    return false;
}
inline bool SpecialStates::mouse_down_moved(int, int)
{
    return false;
}
inline bool SpecialStates::key_down(SDL_KeyboardEvent const&)
{
    return false;
}
inline bool SpecialStates::key_up(SDL_KeyboardEvent const&)
{
    return false;
}
inline bool SpecialStates::show_background()
{
    return false;
}

// The state in front of a running game: draws nothing, lets everything through.
class NullSpecialState : public SpecialStates {
public:
    void print(MyGraphics&) override {}
};
