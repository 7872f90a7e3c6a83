#pragma once
#include "base/SdlOwners.h"
#include "sound/SoundData.h"

// The game's one sound interface: owns the audio device and the synthesised
// sound table, and drives the mixer that plays it on SDL's audio thread.
// One manager at a time; another may follow in the same SDL session.
class MySoundManager {
public:
    // Opens the audio device, then builds the whole sound table.
    MySoundManager();
    ~MySoundManager();
    MySoundManager(const MySoundManager&) = delete;
    MySoundManager& operator=(const MySoundManager&) = delete;

    void play_sound(sound_t id);
    void abort_sound(sound_t id);
    bool are_all_sounds_finished();
    bool is_sound_waiting_to_be_buffered(sound_t id);
    bool is_sound_completed_playing_last_block(sound_t id);

    const sound_data_t& get_sound(sound_t id) const { return sounds[id]; }

private:
    AudioDevice device; // closed after the sounds are freed
    sound_data_t sounds[SOUND_COUNT];
};
