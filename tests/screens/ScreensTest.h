#pragma once
// What the screen tests share: the mixer's slots, and the food a maze shows.
#include "screens/SpecialStates.h"
#include "sound/Mixer.h"
#include "support/TestApp.h"

#include <set>

// Runs the action with the mixer held still, then frames until the sound sits in a slot: held, even a short blip cannot
// end between two looks.
template <typename Action> bool starts_sound(TestApp& game, sound_t sound, Action act, Uint32 deadline_ms = 1500)
{
    AudioDeviceLock still;
    act();
    return game.wait_for([&] { return game.app().get_sound_manager().is_sound_waiting_to_be_buffered(sound); },
                         deadline_ms);
}

// Runs frames until the condition holds, noting each sound the mixer plays.
template <typename Condition> bool wait_hearing(TestApp& game, std::set<sound_t>& heard, Condition done)
{
    return game.wait_for([&] {
        AudioDeviceLock still;
        for (const mixer_channel_t& channel : mixer.channels) {
            if (channel.position != nullptr) {
                heard.insert(channel.sound);
            }
        }
        return done();
    });
}

// Cells of the maze area showing food in the maze's colours.
inline int food_shown(TestApp& game)
{
    CurrentMaze& maze = game.app().get_maze();
    int count = 0;
    for (int line = 0; line <= maze.get_max_line(); ++line) {
        for (int column = 0; column <= maze.get_max_column(); ++column) {
            count +=
                game.screen().shows(line + maze.get_screen_offset_line(), column, 130, maze.maze_fg(), maze.maze_bg());
        }
    }
    return count;
}
