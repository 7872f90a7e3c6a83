// The sound table and the mixer on an open audio device. Mixer tests hold the device lock, so SDL's audio thread cannot
// run the callback in between, and run the callback on real buffers themselves.
#include "sound/Mixer.h"
#include "sound/MySoundManager.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int kBufferBytes = 1024; // one callback: 256 frames of 16-bit stereo

// One callback into a buffer of noise: the callback must set every byte.
std::vector<Sint16> callback()
{
    std::vector<Sint16> stream(kBufferBytes / 2, 0x5A5A);
    audioCallback(nullptr, reinterpret_cast<Uint8*>(stream.data()), kBufferBytes);
    return stream;
}

std::vector<Sint16> left_channel(const Uint8* bytes, size_t length)
{
    std::vector<Sint16> samples(length / 4);
    for (size_t frame = 0; frame < samples.size(); ++frame) {
        std::memcpy(&samples[frame], bytes + 4 * frame, 2);
    }
    return samples;
}

struct part_t {
    size_t frames;
    double hz; // 0 for a pause
};

// A square wave never rests on zero inside a tone, and every tone ends on a flattened (zero) half-cycle: tones are the
// runs of non-zero samples, zero runs over 1000 frames between them pauses.
std::vector<part_t> parts_of(const std::vector<Sint16>& samples)
{
    std::vector<part_t> parts;
    for (size_t i = 0, end = 0; i < samples.size(); i = end) {
        const bool zero = samples[i] == 0;
        int crossings = 0;
        for (end = i + 1; end < samples.size() && (samples[end] == 0) == zero; ++end) {
            crossings += (samples[end] < 0) != (samples[end - 1] < 0) ? 1 : 0;
        }
        if (!zero) { // h whole half-cycles cross zero h - 1 times
            parts.push_back({end - i, (crossings + 1) / 2.0 * 44100.0 / static_cast<double>(end - i)});
        } else if (end - i > 1000 && i > 0 && end < samples.size()) {
            parts.push_back({end - i, 0.0});
        }
    }
    return parts;
}

// The game's sound manager on SDL's dummy audio driver.
class AudioTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        manager = std::make_unique<MySoundManager>();
    }
    void TearDown() override
    {
        manager.reset();
        SDL_Quit();
    }
    std::vector<Sint16> left(sound_t id) const
    {
        return left_channel(manager->get_sound(id).buffer.get(), manager->get_sound(id).length);
    }

    std::unique_ptr<MySoundManager> manager;
};

struct MixCase {
    const char* name;
    std::vector<int> sounds;         // each a callback long, every sample this value, started in order
    std::vector<Uint32> start_ticks; // as if the first sounds had started then
    Sint16 heard;                    // every sample of the callback
    friend void PrintTo(const MixCase& c, std::ostream* out) { *out << c.name; }
};
class MixerRules : public AudioTest, public testing::WithParamInterface<MixCase> {};

TEST_P(MixerRules, SoundsAddAtVolume150And128thsClipAndANinthCutsOffTheOldest)
{
    AudioDeviceLock lock;
    const std::vector<int>& values = GetParam().sounds;
    std::vector<sound_data_t> sounds(values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        sounds[i].buffer.reset(static_cast<Uint8*>(SDL_malloc(kBufferBytes)));
        sounds[i].length = kBufferBytes;
        std::fill_n(reinterpret_cast<Sint16*>(sounds[i].buffer.get()), kBufferBytes / 2,
                    static_cast<Sint16>(values[i]));
        playSound(&sounds[i], SOUND_SUCCESS);
        if (i < GetParam().start_ticks.size()) {
            mixer.channels[i].start_ticks = GetParam().start_ticks[i];
        }
    }
    const std::vector<Sint16> stream = callback();
    EXPECT_EQ(std::count(stream.begin(), stream.end(), GetParam().heard), kBufferBytes / 2) << stream[0];
    EXPECT_TRUE(manager->are_all_sounds_finished());
}

// Eight sounds of 128 times 1 to 8, heard as 150 times 1 to 8, and a ninth heard as 3000.
const std::vector<int> nine = {128, 256, 384, 512, 640, 768, 896, 1024, 2560};

INSTANTIATE_TEST_SUITE_P(
    Mixer, MixerRules,
    testing::Values(MixCase{"NothingIsSilence", {}, {}, 0}, MixCase{"QuietIsLouder", {1000}, {}, 1171},
                    MixCase{"TwoAdd", {1000, 2000}, {}, 3514}, MixCase{"OppositesCancel", {12000, -12000}, {}, 0},
                    MixCase{"LoudClipsHigh", {30000}, {}, 32767}, MixCase{"LoudClipsLow", {-30000}, {}, -32768},
                    MixCase{"SumClips", {20000, 20000, 20000}, {}, 32767},
                    MixCase{"NinthCutsOffTheOldest", nine, {5, 2, 3, 4, 6, 7, 8, 9}, 150 * (36 - 2 + 20)},
                    MixCase{"NinthCutsOffTheFirstOfTheOldest", nine, {5, 2, 3, 2, 6, 7, 8, 9}, 150 * (36 - 2 + 20)},
                    MixCase{"NinthCutsOffTheLastSlot", nine, {9, 8, 7, 6, 5, 4, 3, 2}, 150 * (36 - 8 + 20)},
                    MixCase{"NinthCutsOffTheFirstOfEqual", nine, {4, 4, 4, 4, 4, 4, 4, 4}, 150 * (36 - 1 + 20)}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

using Mixer = AudioTest;

TEST_F(Mixer, SoundsPlayToTheirEndOrUntilAborted)
{
    AudioDeviceLock lock;
    const std::vector<Sint16> silence(kBufferBytes / 2, 0);
    manager->play_sound(SOUND_EAT); // shorter than a callback, so silence follows it
    const std::vector<Sint16> eat = callback();
    EXPECT_NE(eat[0], 0);
    EXPECT_TRUE(std::equal(eat.begin() + 2 * static_cast<long>(left(SOUND_EAT).size()), eat.end(), silence.begin()));
    EXPECT_TRUE(manager->are_all_sounds_finished());
    EXPECT_EQ(SDL_GetAudioDeviceStatus(mixer.device), SDL_AUDIO_PAUSED);

    manager->play_sound(SOUND_SUCCESS); // many callbacks long
    manager->abort_sound(SOUND_LASER);  // not playing: changes nothing
    EXPECT_NE(callback(), silence);
    EXPECT_NE(callback(), silence);
    manager->abort_sound(SOUND_SUCCESS);
    EXPECT_FALSE(manager->is_sound_completed_playing_last_block(SOUND_SUCCESS)) << "until the next callback";
    EXPECT_EQ(callback(), silence);
    EXPECT_TRUE(manager->are_all_sounds_finished());
    EXPECT_EQ(SDL_GetAudioDeviceStatus(mixer.device), SDL_AUDIO_PAUSED);

    sound_data_t empty; // as a failed allocation leaves a sound
    playSound(&empty, SOUND_EAT);
    EXPECT_FALSE(manager->are_all_sounds_finished()) << "until the next callback";
    EXPECT_EQ(callback(), silence);
    EXPECT_TRUE(manager->are_all_sounds_finished());
}

// The main thread plays, aborts and asks while SDL's audio thread runs the callback; under ThreadSanitizer any access
// to the mixer outside the device lock is a race. The count of slots in use matches the slots.
using MixerThreads = AudioTest;

TEST_F(MixerThreads, PlayAndAbortWhileTheDeviceRuns)
{
    std::mt19937 random(20240611);
    const Uint32 start = SDL_GetTicks();
    for (int operation = 0; SDL_GetTicks() - start < 300; ++operation) {
        const auto id = static_cast<sound_t>(random() % SOUND_COUNT);
        if (random() % 2 == 0 && manager->is_sound_waiting_to_be_buffered(id)) {
            manager->abort_sound(id);
        } else {
            manager->play_sound(id);
        }
        AudioDeviceLock lock;
        const auto used = std::count_if(std::begin(mixer.channels), std::end(mixer.channels),
                                        [](const mixer_channel_t& c) { return c.position != nullptr; });
        ASSERT_EQ(mixer.active_count, used) << "after operation " << operation;
    }
    for (int id = 0; id < SOUND_COUNT; ++id) {
        manager->abort_sound(static_cast<sound_t>(id));
    }
    EXPECT_TRUE(wait_until([&] { return manager->are_all_sounds_finished(); })) << "the device never ran";
}

// Each manager owns and closes its device, so another can follow in the same SDL session and play.
TEST_F(MixerThreads, ASecondManagerInOneSessionPlays)
{
    manager.reset();
    manager = std::make_unique<MySoundManager>();
    manager->play_sound(SOUND_MENU_BLIP);
    EXPECT_FALSE(manager->are_all_sounds_finished());
    EXPECT_TRUE(wait_until([&] { return manager->are_all_sounds_finished(); })) << "the device never ran";
}

using Sounds = AudioTest;

TEST_F(Sounds, EachIsHeardAsItsTonesAndPauses)
{
    const std::pair<sound_t, std::vector<double>> tunes[] = {
        // the tones in order, 0 for a pause
        {SOUND_EAT, {1670}},
        {SOUND_MENU_BLIP, {650}},
        {SOUND_MAZE_CHANGE, {414}},
        {SOUND_LASER, {343, 419, 519}},
        {SOUND_BONUS, {343, 419, 519, 343, 419, 519, 343, 419, 519, 343, 419, 519, 343, 419, 519,
                       343, 419, 519, 343, 419, 519, 343, 419, 519, 343, 419, 519, 343, 419, 519}},
        {SOUND_GAME_OVER, {551, 285, 551, 285, 551, 285}},
        {SOUND_SUCCESS,
         {567, 486, 611, 519, 629, 538, 649, 551, 707, 567, 725, 611, 769, 629, 810, 649, 881, 707, 912, 725}},
        {SOUND_GAME_SETUP, {810, 649, 810, 649, 810, 649, 649}},
        {SOUND_PLAY_SELECTED, {414, 0, 414, 0, 414, 0, 414, 0, 414, 0, 414, 0, 650}},
        {SOUND_ATTRACT, {414, 0, 414, 0, 414, 0, 414, 0, 414, 0, 414, 0, 414, 0, 414}},
    };
    for (const auto& [id, hz] : tunes) {
        SCOPED_TRACE(testing::Message() << "sound " << id);
        const std::vector<part_t> parts = parts_of(left(id));
        ASSERT_EQ(parts.size(), hz.size());
        for (size_t i = 0; i < parts.size(); ++i) {
            EXPECT_NEAR(parts[i].hz, hz[i], hz[i] * 0.02) << "part " << i;
            if (hz[i] == 0.0) {
                EXPECT_GT(parts[i].frames, 2 * parts[i - 1].frames) << "a pause is longer than the call before it";
            }
        }
        const sound_data_t& data = manager->get_sound(id);
        EXPECT_TRUE(left_channel(data.buffer.get() + 2, data.length) == left(id)) << "the right channel differs";
        // Eating plays on every step through food: its click is by far the shortest sound.
        EXPECT_TRUE(id == SOUND_EAT || left(id).size() > 10 * left(SOUND_EAT).size());
    }
}

TEST_F(Sounds, LoseLifeSlidesDownWithAClickEverySixthHalfCycle)
{
    std::vector<int> half_cycles = {1};
    const std::vector<Sint16> samples = left(SOUND_LOSE_LIFE);
    for (size_t i = 1; i < samples.size() && samples[i] != 0; ++i) { // up to the flattened end
        if (samples[i] != samples[i - 1]) {
            half_cycles.push_back(0);
        }
        ++half_cycles.back();
    }
    ASSERT_GT(half_cycles.size(), 60u);
    for (size_t i = 5; i < half_cycles.size(); i += 6) {
        EXPECT_LE(half_cycles[i], 7) << "half-cycle " << i << " is a click near 3675 Hz";
    }
    // The slide between the clicks, over its first and its last five half-cycles.
    const auto hz = [&](size_t from) {
        return 44100.0 / 2 * 5 / std::accumulate(&half_cycles[from], &half_cycles[from + 5], 0);
    };
    EXPECT_NEAR(hz(0), 1520, 30);
    EXPECT_NEAR(hz((half_cycles.size() - 5) / 6 * 6), 919, 20);
}

// SDL's disk driver runs the device in real time and writes what it really played to a file.
TEST(DiskDevice, PlaysASoundSampleForSampleAtTheMixersVolume)
{
    const std::string driver = getenv("SDL_AUDIODRIVER"), file = testing::TempDir() + "kworble_disk_audio";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    std::vector<Sint16> table;
    {
        MySoundManager manager;
        table =
            left_channel(manager.get_sound(SOUND_MENU_BLIP).buffer.get(), manager.get_sound(SOUND_MENU_BLIP).length);
        manager.play_sound(SOUND_MENU_BLIP);
        EXPECT_TRUE(wait_until([&] { return manager.are_all_sounds_finished(); }));
    }
    SDL_Quit(); // closes the device, which flushes the file
    setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
    size_t size = 0;
    const std::unique_ptr<void, decltype(&SDL_free)> bytes(SDL_LoadFile(file.c_str(), &size), SDL_free);
    ASSERT_NE(bytes, nullptr) << SDL_GetError();
    std::filesystem::remove(file);
    const std::vector<Sint16> played = left_channel(static_cast<const Uint8*>(bytes.get()), size);
    const auto start = std::find_if(played.begin(), played.end(), [](Sint16 s) { return s != 0; });
    const size_t tone = std::find(table.begin(), table.end(), 0) - table.begin();
    ASSERT_GE(played.end() - start, static_cast<std::ptrdiff_t>(tone)) << "the device played less than the tone";
    for (size_t k = 0; k < tone; ++k) {
        ASSERT_EQ(start[k], table[k] * 150 / 128) << "frame " << k;
    }
}
