#include "sound/MySoundManager.h"

#include "sound/Mixer.h"
#include "sound/SoundTable.h"

// Every conversion targets the opened device's format, so the device is
// opened first.
MySoundManager::MySoundManager() : device(open_audio_device())
{
    build_sound_table(sounds);
}

MySoundManager::~MySoundManager()
{
    // No slot may go on pointing into the buffers freed here.
    stopAllSounds();
    free_sound_table(sounds);
}

void MySoundManager::play_sound(sound_t id)
{
    playSound(&sounds[id], id);
}

void MySoundManager::abort_sound(sound_t id)
{
    abortSound(id);
}

bool MySoundManager::are_all_sounds_finished()
{
    AudioDeviceLock lock;
    return mixer.active_count == 0;
}

bool MySoundManager::is_sound_waiting_to_be_buffered(sound_t id)
{
    AudioDeviceLock lock;
    for (const mixer_channel_t& channel : mixer.channels) {
        if (channel.position != nullptr && channel.sound == id) {
            return true;
        }
    }
    return false;
}

bool MySoundManager::is_sound_completed_playing_last_block(sound_t id)
{
    AudioDeviceLock lock;
    if (mixer.active_count == 0) {
        return true;
    }
    for (const mixer_channel_t& channel : mixer.channels) {
        if (channel.position != nullptr && channel.sound == id) {
            return false;
        }
    }
    return true;
}
