#pragma once
#include "base/SdlOwners.h"
#include "sound/SoundData.h"

#include <SDL.h>

// The mixer that plays up to eight sounds through one SDL audio
// device. The record `mixer` is shared between the main thread (playSound,
// abortSound, the queries of MySoundManager) and SDL's audio thread
// (audioCallback). Every main-thread access holds the audio device's lock
// (AudioDeviceLock), and SDL holds the same lock while it runs the callback,
// so each change to the slot table reaches the callback as one step.

constexpr int kMixerChannels = 8;
// SDL's volume scale has 128 as full volume: every sound is amplified by 150/128.
constexpr int kMixVolume = 150;

struct mixer_channel_t {
    const Uint8* position; // next byte to mix; null when the slot is free
    Uint32 remaining;      // bytes left to mix
    Uint32 start_ticks;    // SDL_GetTicks() when the sound was started
    sound_t sound;         // which sound the slot plays
};

struct mixer_t {
    mixer_channel_t channels[kMixerChannels];
    SDL_AudioSpec spec;       // the device format, requested and opened
    int active_count;         // number of slots in use
    SDL_AudioDeviceID device; // the open device, owned by whoever opened it
};

extern mixer_t mixer;

// Holds the audio device's lock for its lifetime (SDL's lock is recursive,
// so the callback's own pausing and nested locks are fine).
class AudioDeviceLock {
public:
    AudioDeviceLock() { SDL_LockAudioDevice(mixer.device); }
    ~AudioDeviceLock() { SDL_UnlockAudioDevice(mixer.device); }
    AudioDeviceLock(const AudioDeviceLock&) = delete;
    AudioDeviceLock& operator=(const AudioDeviceLock&) = delete;
};

// Zeroes mixer, requests 44100 Hz, AUDIO_S16LSB, stereo, and the platform's
// block (mixer_block_samples) and opens the device (left paused); the mixer
// plays through it while the returned owner lives. One device at a time.
// Failure is fatal.
[[nodiscard]] AudioDevice open_audio_device();

// The SDL audio callback: mixes every active slot into stream.
void audioCallback(void* userdata, Uint8* stream, int len);

// Starts a sound in a free slot, or in place of the sound started earliest.
void playSound(sound_data_t* sound, sound_t id);

// Ends every slot playing id at the next callback.
void abortSound(sound_t id);

// Frees every slot at once and pauses the device; for the owner of the
// sounds before it frees them, so that no slot points into freed memory.
void stopAllSounds();
