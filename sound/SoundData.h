#pragma once
#include "base/SdlOwners.h"

#include <SDL.h>

enum sound_t {
    SOUND_EAT = 0,
    SOUND_EXPLOSION = 1,
    SOUND_LOSE_LIFE = 2,
    SOUND_SUCCESS = 3,
    SOUND_MENU_BLIP = 4,
    SOUND_LASER = 5,
    SOUND_GAME_OVER = 6,
    SOUND_BONUS = 7,
    SOUND_MAZE_CHANGE = 8,
    SOUND_GAME_SETUP = 9,
    SOUND_PLAY_SELECTED = 10,
    SOUND_ATTRACT = 11,
    SOUND_COUNT = 12
};

// One sound's samples, in the device format once converted. It owns its
// buffer, so it moves but never copies.
struct sound_data_t {
    SdlBuffer buffer;
    Uint32 length = 0; // bytes

    sound_data_t() = default;
    sound_data_t(sound_data_t&& other) noexcept;
    sound_data_t& operator=(sound_data_t&& other) noexcept;

    // Appends other's bytes and empties other.
    void concatenate(sound_data_t& other);
    void free_buffer();
};
