#include "sound/Mixer.h"

#include "base/Utilities.h"
#include "sound/MixerPlatform.h"

#include <cstring>

mixer_t mixer;

namespace {

// Where a slot points for a sound without a buffer (its allocation failed):
// the slot still needs a non-null position to count as playing until the
// next callback.
const Uint8 no_samples = 0;

} // namespace

AudioDevice open_audio_device()
{
    std::memset(&mixer, 0, sizeof mixer);
    mixer.spec.freq = 44100;
    mixer.spec.format = AUDIO_S16LSB;
    mixer.spec.channels = 2;
    mixer.spec.samples = mixer_block_samples();
    mixer.spec.callback = audioCallback;
    mixer.spec.userdata = nullptr;
    // No changes allowed: SDL converts to exactly this format; it reports
    // the silence and the block size.
    SDL_AudioSpec opened;
    AudioDevice device(SDL_OpenAudioDevice(nullptr, 0, &mixer.spec, &opened, 0));
    if (device.get() == 0) {
        Utilities::fatalErrorSDL("Opening audio failed");
    }
    mixer.spec.silence = opened.silence;
    mixer.spec.size = opened.size;
    mixer.device = device.get();
    return device;
}

namespace {
// SDL's own mixing of 16-bit samples, written so the compiler can vectorise
// it: the callback's whole budget is a few microseconds. Scaled in int, then
// clipped, which also spares loud samples the wrap-around SDL's 16-bit
// intermediate gives them.
void mix_s16(Uint8* dst, const Uint8* src, Uint32 bytes)
{
    auto* out = reinterpret_cast<Sint16*>(dst);
    const auto* in = reinterpret_cast<const Sint16*>(src);
    const Uint32 count = bytes / 2;
    for (Uint32 i = 0; i < count; ++i) {
        int sample = out[i] + in[i] * kMixVolume / SDL_MIX_MAXVOLUME;
        sample = sample > 32767 ? 32767 : (sample < -32768 ? -32768 : sample);
        out[i] = static_cast<Sint16>(sample);
    }
}

void mix(Uint8* dst, const Uint8* src, Uint32 bytes)
{
    if (mixer.spec.format == AUDIO_S16SYS && SDL_BYTEORDER == SDL_LIL_ENDIAN) {
        mix_s16(dst, src, bytes);
    } else {
        SDL_MixAudioFormat(dst, src, mixer.spec.format, bytes, kMixVolume);
    }
}
} // namespace

// Runs on SDL's audio thread with the device lock held.
void audioCallback(void* /*userdata*/, Uint8* stream, int len)
{
    std::memset(stream, mixer.spec.silence, static_cast<size_t>(len));
    for (mixer_channel_t& channel : mixer.channels) {
        if (channel.position == nullptr) {
            continue;
        }
        const Uint32 amount =
            channel.remaining < static_cast<Uint32>(len) ? channel.remaining : static_cast<Uint32>(len);
        if (amount > 0) {
            mix(stream, channel.position, amount);
        }
        channel.position += amount;
        channel.remaining -= amount;
        if (channel.remaining == 0) {
            channel.position = nullptr;
            --mixer.active_count;
            if (mixer.active_count == 0) {
                SDL_PauseAudioDevice(mixer.device, 1);
            }
        }
    }
}

void playSound(sound_data_t* sound, sound_t id)
{
    // A sound that cannot be heard yet would never finish, and screens wait
    // for their sounds, so it counts as finished at once.
    if (!mixer_output_running()) {
        return;
    }
    AudioDeviceLock lock;
    if (mixer.active_count == 0) {
        SDL_PauseAudioDevice(mixer.device, 0);
    }
    mixer_channel_t* slot = nullptr;
    for (mixer_channel_t& channel : mixer.channels) {
        if (channel.position == nullptr) {
            slot = &channel;
            break;
        }
    }
    if (slot == nullptr) {
        // All eight play: cut off the one started earliest (the lowest slot
        // among equals); the count stays.
        slot = &mixer.channels[0];
        for (mixer_channel_t& channel : mixer.channels) {
            if (channel.start_ticks < slot->start_ticks) {
                slot = &channel;
            }
        }
    } else {
        ++mixer.active_count;
    }
    slot->position = sound->buffer != nullptr ? sound->buffer.get() : &no_samples;
    slot->remaining = sound->length;
    slot->start_ticks = SDL_GetTicks();
    slot->sound = id;
}

void abortSound(sound_t id)
{
    AudioDeviceLock lock;
    for (mixer_channel_t& channel : mixer.channels) {
        if (channel.sound == id) {
            // The next callback mixes nothing from the slot and frees it.
            channel.remaining = 0;
        }
    }
}

void stopAllSounds()
{
    AudioDeviceLock lock;
    for (mixer_channel_t& channel : mixer.channels) {
        channel.position = nullptr;
        channel.remaining = 0;
    }
    if (mixer.active_count != 0) {
        mixer.active_count = 0;
        SDL_PauseAudioDevice(mixer.device, 1);
    }
}
