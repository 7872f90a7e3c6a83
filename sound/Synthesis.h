#pragma once
#include "sound/SoundData.h"

// The sound generators. Waves are computed as signed 8-bit mono
// samples at 44100 Hz and then converted once to the device format held in
// mixer.spec, so every generator needs the device to be open.
//
// Each wave generator is two steps: a synthesise_* function that produces
// the flattened signed 8-bit samples, and convert_from_Sint8_mono. The
// synthesise_* functions are pure (they need no device) and return whether
// there are samples to convert: false when the duration gives no sample or
// the allocation failed.

constexpr int kSynthesisRate = 44100;

// The number of samples for a duration: ms * 44100.0 / 1000.0, truncated.
Uint32 sample_count(double ms);

void create_Sint8_buffer(double ms, sound_data_t* sd);
void generate_empty_sound(sound_data_t* sd);
void generate_silence(double ms, sound_data_t* sd);
void generate_square_wave(float frequency, double ms, unsigned char volume, sound_data_t* out);
void generate_ramp_frequency_wave(float start_frequency, float end_frequency, double ms, unsigned char volume,
                                  sound_data_t* out);
void generate_ramp_freq_with_mix(float start_frequency, float end_frequency, float mix_frequency, int mix_every,
                                 double ms, unsigned char volume, sound_data_t* out);

bool synthesise_silence(double ms, sound_data_t* sd);
bool synthesise_square_wave(float frequency, double ms, unsigned char volume, sound_data_t* out);
bool synthesise_ramp_frequency_wave(float start_frequency, float end_frequency, double ms, unsigned char volume,
                                    sound_data_t* out);
bool synthesise_ramp_freq_with_mix(float start_frequency, float end_frequency, float mix_frequency, int mix_every,
                                   double ms, unsigned char volume, sound_data_t* out);

void wave_flatten_backtrack(unsigned char value, sound_data_t* out);
void convert_from_Sint8_mono(sound_data_t* sd);
void loadSound(char const* file, sound_data_t* sd);
