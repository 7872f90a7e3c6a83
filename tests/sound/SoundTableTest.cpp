// the sound table, built by MySoundManager on an opened device
// (SDL's dummy driver) in the real device format.
#include "sound/Mixer.h"
#include "sound/MySoundManager.h"
#include "sound/Synthesis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr Uint32 kFrameBytes = 4; // 16-bit stereo

struct tone_t {
    double frequency; // 0 for a pause
    double ms;
};

// The recipes, note by note.
std::vector<tone_t> recipe(sound_t id)
{
    const std::vector<tone_t> laser = {{343, 97}, {419, 78}, {519, 64}};
    std::vector<tone_t> tones;
    auto repeat = [&tones](const std::vector<tone_t>& figure, int times) {
        for (int i = 0; i < times; ++i) {
            tones.insert(tones.end(), figure.begin(), figure.end());
        }
    };
    switch (id) {
    case SOUND_EAT: return {{1670, 1.6}};
    case SOUND_LOSE_LIFE: return {{1520.68896484375, 440}};
    case SOUND_SUCCESS:
        return {{567, 56}, {486, 66}, {611, 54}, {519, 64}, {629, 52}, {538, 61}, {649, 49},
                {551, 59}, {707, 47}, {567, 57}, {725, 45}, {611, 54}, {769, 42}, {629, 52},
                {810, 40}, {649, 50}, {881, 38}, {707, 47}, {912, 35}, {725, 45}};
    case SOUND_MENU_BLIP: return {{650, 49}};
    case SOUND_LASER: return laser;
    case SOUND_GAME_OVER: return {{551, 59}, {285, 116}, {551, 58}, {285, 116}, {551, 59}, {285, 116}};
    case SOUND_BONUS: repeat(laser, 10); return tones;
    case SOUND_MAZE_CHANGE: return {{414, 78}};
    case SOUND_GAME_SETUP: repeat({{810, 40}, {649, 49}}, 3); repeat({{649, 49}}, 1); return tones;
    case SOUND_PLAY_SELECTED: repeat({{414, 78}, {0, 317}}, 6); repeat({{650, 49}}, 1); return tones;
    case SOUND_ATTRACT: repeat({{414, 78}, {0, 317}}, 7); repeat({{414, 78}}, 1); return tones;
    default: return {};
    }
}

double total_ms(const std::vector<tone_t>& tones)
{
    double ms = 0;
    for (const tone_t& tone : tones) {
        ms += tone.ms;
    }
    return ms;
}

Sint16 frame_sample(const sound_data_t& sd, Uint32 frame, int channel)
{
    Sint16 value;
    SDL_memcpy(&value, sd.buffer + frame * kFrameBytes + channel * 2, 2);
    return value;
}

class SoundTable : public testing::Test {
protected:
    void SetUp() override
    {
        // The dummy driver unless the environment names another.
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        manager = std::make_unique<MySoundManager>();
    }
    void TearDown() override
    {
        manager.reset();
        SDL_Quit();
    }
    std::unique_ptr<MySoundManager> manager;
};

} // namespace

TEST_F(SoundTable, DeviceHasTheRequestedFormat)
{
    EXPECT_EQ(mixer.spec.freq, 44100);
    EXPECT_EQ(mixer.spec.format, AUDIO_S16LSB);
    EXPECT_EQ(mixer.spec.channels, 2);
    EXPECT_EQ(mixer.spec.samples, 256);
    EXPECT_EQ(mixer.spec.size, 1024u);
    EXPECT_EQ(mixer.spec.silence, 0);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
    EXPECT_TRUE(manager->are_all_sounds_finished());
}

TEST_F(SoundTable, EveryEntryHasTheLengthOfItsRecipe)
{
    for (int id = 0; id < SOUND_COUNT; ++id) {
        if (id == SOUND_EXPLOSION) {
            continue;
        }
        Uint32 samples = 0;
        for (const tone_t& tone : recipe(static_cast<sound_t>(id))) {
            samples += sample_count(tone.ms);
        }
        EXPECT_EQ(manager->get_sound(static_cast<sound_t>(id)).length, samples * kFrameBytes)
            << "sound " << id;
    }
}

TEST_F(SoundTable, RecipeDurationsAreThoseOfTheSpec)
{
    EXPECT_DOUBLE_EQ(total_ms(recipe(SOUND_SUCCESS)), 1013);
    EXPECT_DOUBLE_EQ(total_ms(recipe(SOUND_LASER)), 239);
    EXPECT_DOUBLE_EQ(total_ms(recipe(SOUND_BONUS)), 2390);
    // Sound 3 in samples, note by note: 44664 frames of 4 bytes.
    EXPECT_EQ(manager->get_sound(SOUND_SUCCESS).length, 44664u * 4);
    EXPECT_EQ(manager->get_sound(SOUND_EAT).length, 70u * 4);
}

TEST_F(SoundTable, ExplosionIsTheWavFileInTheDeviceFormat)
{
    SDL_AudioSpec wav;
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    ASSERT_NE(SDL_LoadWAV("Explosion_Crunch.wav", &wav, &data, &bytes), nullptr) << SDL_GetError();
    const Uint32 frames = bytes / (SDL_AUDIO_BITSIZE(wav.format) / 8 * wav.channels);
    SDL_FreeWAV(data);
    const sound_data_t& sd = manager->get_sound(SOUND_EXPLOSION);
    ASSERT_GT(sd.length, 0u);
    EXPECT_EQ(sd.length % kFrameBytes, 0u);
    if (wav.freq == 44100) {
        EXPECT_EQ(sd.length, frames * kFrameBytes);
    } else {
        const double expected = frames * kFrameBytes * 44100.0 / wav.freq;
        EXPECT_NEAR(sd.length, expected, expected * 0.01);
    }
}

TEST_F(SoundTable, ConvertedToneKeepsItsShapeInBothChannels)
{
    sound_data_t raw;
    ASSERT_TRUE(synthesise_square_wave(1670, 1.6, 60, &raw));
    const sound_data_t& sd = manager->get_sound(SOUND_EAT);
    ASSERT_EQ(sd.length, raw.length * kFrameBytes);
    for (Uint32 i = 0; i < raw.length; ++i) {
        const int expected = static_cast<Sint8>(raw.buffer[i]) * 256;
        EXPECT_NEAR(frame_sample(sd, i, 0), expected, 1) << "frame " << i;
        EXPECT_EQ(frame_sample(sd, i, 0), frame_sample(sd, i, 1)) << "frame " << i;
    }
    raw.free_buffer();
}

TEST_F(SoundTable, LoseLifeIsTheMixedSlideConverted)
{
    sound_data_t raw;
    ASSERT_TRUE(synthesise_ramp_freq_with_mix(1520.68896484375f, 918.75f, 3675.0f, 5, 440, 120, &raw));
    const sound_data_t& sd = manager->get_sound(SOUND_LOSE_LIFE);
    ASSERT_EQ(sd.length, raw.length * kFrameBytes);
    for (Uint32 i = 0; i < raw.length; ++i) {
        ASSERT_NEAR(frame_sample(sd, i, 0), static_cast<Sint8>(raw.buffer[i]) * 256, 1) << "frame " << i;
    }
    raw.free_buffer();
}

TEST_F(SoundTable, TunesAreTheirNotesJoinedInTheDeviceFormat)
{
    // Sound 7 is sound 5 ten times over, byte for byte.
    const sound_data_t& laser = manager->get_sound(SOUND_LASER);
    const sound_data_t& bonus = manager->get_sound(SOUND_BONUS);
    ASSERT_EQ(bonus.length, laser.length * 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(SDL_memcmp(bonus.buffer + i * laser.length, laser.buffer, laser.length), 0) << i;
    }
    // Sound 10 starts with sound 8, then 317 ms of silence, and ends with sound 4.
    const sound_data_t& maze = manager->get_sound(SOUND_MAZE_CHANGE);
    const sound_data_t& blip = manager->get_sound(SOUND_MENU_BLIP);
    const sound_data_t& play = manager->get_sound(SOUND_PLAY_SELECTED);
    EXPECT_EQ(SDL_memcmp(play.buffer, maze.buffer, maze.length), 0);
    const Uint32 pause = sample_count(317) * kFrameBytes;
    for (Uint32 i = 0; i < pause; ++i) {
        ASSERT_EQ(play.buffer[maze.length + i], 0) << i;
    }
    EXPECT_EQ(SDL_memcmp(play.buffer + play.length - blip.length, blip.buffer, blip.length), 0);
}
