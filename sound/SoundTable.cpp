#include "sound/SoundTable.h"

#include "sound/Synthesis.h"

#include <initializer_list>
#include <span>

// Every tone of the table is a square wave at volume 60 (amplitude 30).
namespace {

constexpr unsigned char kToneVolume = 60;
constexpr double kPauseMs = 317.0;

struct note_t {
    float frequency; // Hz; 0 stands for a pause of the given length
    double ms;
};

// Appends one tone, or a silence for frequency 0. Each part is converted to
// the device format on its own, so the parts are joined in that format.
void append(sound_data_t& sound, const note_t& note)
{
    sound_data_t part;
    if (note.frequency == 0.0f) {
        generate_silence(note.ms, &part);
    } else {
        generate_square_wave(note.frequency, note.ms, kToneVolume, &part);
    }
    sound.concatenate(part);
    part.free_buffer(); // an empty part is left to us by concatenate
}

// A tune whose first tone is generated directly into the entry.
void build_tune(sound_data_t& sound, std::span<const note_t> notes)
{
    generate_square_wave(notes[0].frequency, notes[0].ms, kToneVolume, &sound);
    for (const note_t& note : notes.subspan(1)) {
        append(sound, note);
    }
}

void build_tune(sound_data_t& sound, std::initializer_list<note_t> notes)
{
    build_tune(sound, std::span<const note_t>(notes.begin(), notes.size()));
}

// A tune that starts from an empty sound: the notes, repeated, then a coda.
void build_repeated(sound_data_t& sound, std::span<const note_t> figure, int times, std::initializer_list<note_t> coda)
{
    generate_empty_sound(&sound);
    for (int i = 0; i < times; ++i) {
        for (const note_t& note : figure) {
            append(sound, note);
        }
    }
    for (const note_t& note : coda) {
        append(sound, note);
    }
}

// The three-note figure of the laser (239 ms), which the bonus sound repeats.
constexpr note_t kLaserFigure[] = {{343, 97}, {419, 78}, {519, 64}};

} // namespace

void build_sound_table(sound_data_t (&sounds)[SOUND_COUNT])
{
    generate_square_wave(1670, 1.6, kToneVolume, &sounds[SOUND_EAT]);
    loadSound("Explosion_Crunch.wav", &sounds[SOUND_EXPLOSION]);
    // 1520.68896484375 is the float just under 44100/29; the slide ends at
    // 44100/48 and every sixth half-cycle is one at 44100/12.
    generate_ramp_freq_with_mix(1520.68896484375f, 918.75f, 3675.0f, 5, 440, 120, &sounds[SOUND_LOSE_LIFE]);
    build_tune(sounds[SOUND_SUCCESS], {{567, 56}, {486, 66}, {611, 54}, {519, 64}, {629, 52}, {538, 61}, {649, 49},
                                       {551, 59}, {707, 47}, {567, 57}, {725, 45}, {611, 54}, {769, 42}, {629, 52},
                                       {810, 40}, {649, 50}, {881, 38}, {707, 47}, {912, 35}, {725, 45}});
    generate_square_wave(650, 49, kToneVolume, &sounds[SOUND_MENU_BLIP]);
    build_tune(sounds[SOUND_LASER], kLaserFigure);
    build_tune(sounds[SOUND_GAME_OVER], {{551, 59}, {285, 116}, {551, 58}, {285, 116}, {551, 59}, {285, 116}});
    build_repeated(sounds[SOUND_BONUS], kLaserFigure, 10, {});
    generate_square_wave(414, 78, kToneVolume, &sounds[SOUND_MAZE_CHANGE]);
    constexpr note_t setup_figure[] = {{810, 40}, {649, 49}};
    build_repeated(sounds[SOUND_GAME_SETUP], setup_figure, 3, {{649, 49}});
    constexpr note_t call_figure[] = {{414, 78}, {0, kPauseMs}};
    build_repeated(sounds[SOUND_PLAY_SELECTED], call_figure, 6, {{650, 49}});
    build_repeated(sounds[SOUND_ATTRACT], call_figure, 7, {{414, 78}});
}

void free_sound_table(sound_data_t (&sounds)[SOUND_COUNT])
{
    for (sound_data_t& sound : sounds) {
        if (sound.buffer != nullptr) {
            sound.free_buffer();
        }
    }
}
