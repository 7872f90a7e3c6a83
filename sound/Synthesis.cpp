#include "sound/Synthesis.h"

#include "base/Utilities.h"
#include "sound/Mixer.h"

#include <cstring>
#include <utility>

namespace {

// A signed 8-bit sample stored in the byte buffer (two's complement).
Uint8 sample_byte(int value)
{
    return static_cast<Uint8>(static_cast<Sint8>(value));
}

// Converts the bytes of sd with a converter that SDL_BuildAudioCVT has set
// up, replacing the buffer by the converted one. An allocation failure
// leaves the sound empty; a failed conversion is fatal.
void convert_with(SDL_AudioCVT& cvt, sound_data_t* sd, const char* failure)
{
    SdlBuffer converted(static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(sd->length) * cvt.len_mult)));
    if (converted == nullptr) {
        sd->free_buffer();
        return;
    }
    std::memcpy(converted.get(), sd->buffer.get(), sd->length);
    cvt.len = static_cast<int>(sd->length);
    cvt.buf = converted.get();
    if (SDL_ConvertAudio(&cvt) != 0) {
        Utilities::fatalErrorSDL(failure);
    }
    sd->buffer = std::move(converted);
    sd->length = static_cast<Uint32>(cvt.len_cvt);
}

} // namespace

Uint32 sample_count(double ms)
{
    return static_cast<Uint32>(ms * 44100.0 / 1000.0);
}

void create_Sint8_buffer(double ms, sound_data_t* sd)
{
    const Uint32 n = sample_count(ms);
    sd->buffer.reset(static_cast<Uint8*>(SDL_malloc(n)));
    sd->length = sd->buffer != nullptr ? n : 0;
}

void generate_empty_sound(sound_data_t* sd)
{
    sd->buffer.reset(static_cast<Uint8*>(SDL_malloc(0)));
    sd->length = 0;
}

bool synthesise_silence(double ms, sound_data_t* sd)
{
    create_Sint8_buffer(ms, sd);
    if (sd->buffer == nullptr || sd->length == 0) {
        return false;
    }
    std::memset(sd->buffer.get(), 0, sd->length);
    return true;
}

void generate_silence(double ms, sound_data_t* sd)
{
    if (synthesise_silence(ms, sd)) {
        convert_from_Sint8_mono(sd);
    }
}

bool synthesise_square_wave(float frequency, double ms, unsigned char volume, sound_data_t* out)
{
    create_Sint8_buffer(ms, out);
    const Uint32 n = out->length;
    if (out->buffer == nullptr || n == 0) {
        return false;
    }
    const int amplitude = volume >> 1;
    // The division in single precision, the doubling in double: this fixes
    // the exact half-cycle lengths the recipes were tuned with.
    const double step = 2.0 * static_cast<double>(frequency / 44100.0f);
    double phase = 0.0;
    bool high = false;
    for (Uint32 i = 0; i < n; ++i) {
        out->buffer[i] = sample_byte(high ? amplitude : -amplitude);
        phase += step;
        if (i + 1 < n && phase > 1.0) {
            high = !high;
            phase -= 1.0;
        }
    }
    wave_flatten_backtrack(0, out);
    return true;
}

void generate_square_wave(float frequency, double ms, unsigned char volume, sound_data_t* out)
{
    if (synthesise_square_wave(frequency, ms, volume, out)) {
        convert_from_Sint8_mono(out);
    }
}

bool synthesise_ramp_frequency_wave(float start_frequency, float end_frequency, double ms, unsigned char volume,
                                    sound_data_t* out)
{
    create_Sint8_buffer(ms, out);
    const Uint32 n = out->length;
    if (out->buffer == nullptr || n == 0) {
        return false;
    }
    const int amplitude = volume >> 1;
    const double start_step = 2.0 * static_cast<double>(start_frequency / 44100.0f);
    const float end_step = (end_frequency / 44100.0f) + (end_frequency / 44100.0f);
    const double delta = (static_cast<double>(end_step) - start_step) / static_cast<double>(n);
    double step = start_step;
    double phase = 0.0;
    bool high = false;
    for (Uint32 i = 0; i < n; ++i) {
        out->buffer[i] = sample_byte(high ? amplitude : -amplitude);
        phase += step;
        step += delta;
        if (i + 1 < n && phase > 1.0) {
            high = !high;
            phase -= 1.0;
        }
    }
    wave_flatten_backtrack(0, out);
    return true;
}

void generate_ramp_frequency_wave(float start_frequency, float end_frequency, double ms, unsigned char volume,
                                  sound_data_t* out)
{
    if (synthesise_ramp_frequency_wave(start_frequency, end_frequency, ms, volume, out)) {
        convert_from_Sint8_mono(out);
    }
}

bool synthesise_ramp_freq_with_mix(float start_frequency, float end_frequency, float mix_frequency, int mix_every,
                                   double ms, unsigned char volume, sound_data_t* out)
{
    create_Sint8_buffer(ms, out);
    const Uint32 n = out->length;
    if (out->buffer == nullptr || n == 0) {
        return false;
    }
    const int amplitude = volume >> 1;
    const double start = start_frequency;
    const double span = static_cast<double>(end_frequency - start_frequency); // single precision
    double step = (start + start) / 44100.0;
    double phase = 0.0;
    bool high = false;
    int counter = mix_every;
    for (Uint32 i = 1; i <= n; ++i) {
        out->buffer[i - 1] = sample_byte(high ? amplitude : -amplitude);
        phase += step;
        if (i == n) {
            break;
        }
        if (phase >= 1.0) {
            high = !high;
            phase -= 1.0;
            --counter;
            double frequency;
            if (counter == 0) {
                frequency = mix_frequency;
            } else {
                if (counter == -1) {
                    counter = mix_every;
                }
                frequency = start + (static_cast<double>(i) / static_cast<double>(n)) * span;
            }
            step = 2.0 * frequency / 44100.0;
        }
    }
    wave_flatten_backtrack(0, out);
    return true;
}

void generate_ramp_freq_with_mix(float start_frequency, float end_frequency, float mix_frequency, int mix_every,
                                 double ms, unsigned char volume, sound_data_t* out)
{
    if (synthesise_ramp_freq_with_mix(start_frequency, end_frequency, mix_frequency, mix_every, ms, volume, out)) {
        convert_from_Sint8_mono(out);
    }
}

void wave_flatten_backtrack(unsigned char value, sound_data_t* out)
{
    if (out->buffer == nullptr || out->length == 0) {
        return;
    }
    const Uint8 last = out->buffer[out->length - 1];
    for (Uint32 i = out->length; i > 0 && out->buffer[i - 1] == last; --i) {
        out->buffer[i - 1] = value;
    }
}

void convert_from_Sint8_mono(sound_data_t* sd)
{
    SDL_AudioCVT cvt;
    const int built =
        SDL_BuildAudioCVT(&cvt, AUDIO_S8, 1, kSynthesisRate, mixer.spec.format, mixer.spec.channels, mixer.spec.freq);
    if (built < 0) {
        Utilities::fatalErrorSDL("could not build audio CVT");
    }
    if (built == 0) {
        return;
    }
    convert_with(cvt, sd, "could not convert waveform");
}

void loadSound(char const* file, sound_data_t* sd)
{
    SDL_AudioSpec wav_spec;
    Uint8* loaded = nullptr;
    if (SDL_LoadWAV_RW(SDL_RWFromFile(file, "rb"), 1, &wav_spec, &loaded, &sd->length) == nullptr) {
        Utilities::fatalErrorSDL("could not load .wav");
    }
    sd->buffer.reset(loaded); // SDL_FreeWAV is SDL_free
    SDL_AudioCVT cvt;
    const int built = SDL_BuildAudioCVT(&cvt, wav_spec.format, wav_spec.channels, wav_spec.freq, mixer.spec.format,
                                        mixer.spec.channels, mixer.spec.freq);
    if (built < 0) {
        Utilities::fatalErrorSDL("could not build audio CVT");
    }
    if (built == 0) {
        return;
    }
    convert_with(cvt, sd, "could not convert .wav");
}
