// On a real device: SDL's "disk" audio driver runs the device in
// real time and writes every buffer it plays to a file, so what the device
// produced can be measured: the frequency by counting zero crossings, the
// length in frames, and every sample against the table at volume 150.
#include "sound/Mixer.h"
#include "sound/MySoundManager.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Longer than any silence inside a sound (a flattened half-cycle, at most 77
// frames at 285 Hz) and shorter than the gap between two sounds played one
// after the other (the rest of the last buffer and the flattened tail).
constexpr size_t kGap = 100;

struct segment_t {
    size_t first; // frame index in the file
    size_t frames;
};

class DiskDevice : public testing::Test {
protected:
    void SetUp() override
    {
        path = std::filesystem::temp_directory_path() /
               ("kworble_disk_audio_" + std::to_string(getpid()) + ".raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_STREQ(SDL_GetCurrentAudioDriver(), "disk");
        manager = std::make_unique<MySoundManager>();
    }
    void TearDown() override
    {
        manager.reset();
        SDL_Quit();
        std::filesystem::remove(path);
    }

    void play_to_end(sound_t id)
    {
        manager->play_sound(id);
        ASSERT_TRUE(wait_until([&] { return manager->are_all_sounds_finished(); }, 5000));
        EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
    }

    // Closes the device (flushing the file) and reads the left channel; the
    // right one must be the same.
    std::vector<Sint16> close_and_read_left()
    {
        SDL_CloseAudio();
        std::ifstream file(path, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::vector<Sint16> left;
        for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
            Sint16 l, r;
            std::memcpy(&l, &bytes[i], 2);
            std::memcpy(&r, &bytes[i + 2], 2);
            EXPECT_EQ(l, r) << "frame " << i / 4;
            left.push_back(l);
        }
        return left;
    }

    // Stretches of non-zero samples separated by at least min_gap zeros
    // (the square waves never pass through zero inside a tone).
    static std::vector<segment_t> sounding_segments(const std::vector<Sint16>& samples, size_t min_gap)
    {
        std::vector<segment_t> segments;
        size_t i = 0;
        while (i < samples.size()) {
            if (samples[i] == 0) {
                ++i;
                continue;
            }
            size_t last = i;
            size_t j = i;
            while (j < samples.size() && j - last <= min_gap) {
                if (samples[j] != 0) {
                    last = j;
                }
                ++j;
            }
            segments.push_back({i, last - i + 1});
            i = last + 1;
        }
        return segments;
    }

    static double frequency_of(const std::vector<Sint16>& samples, const segment_t& segment)
    {
        int sign_changes = 0;
        for (size_t i = segment.first + 1; i < segment.first + segment.frames; ++i) {
            if ((samples[i] < 0) != (samples[i - 1] < 0)) {
                ++sign_changes;
            }
        }
        // A tone of h whole half-cycles has h - 1 sign changes.
        const double seconds = static_cast<double>(segment.frames) / 44100.0;
        return (sign_changes + 1) / 2.0 / seconds;
    }

    // Frames of a table entry up to its flattened (zero) tail.
    Uint32 sounding_frames(sound_t id) const
    {
        const sound_data_t& sd = manager->get_sound(id);
        Uint32 frames = sd.length / 4;
        while (frames > 0 && sd.buffer[frames * 4 - 1] == 0 && sd.buffer[frames * 4 - 2] == 0) {
            --frames;
        }
        return frames;
    }

    void expect_table_samples(const std::vector<Sint16>& samples, const segment_t& segment, sound_t id)
    {
        const sound_data_t& sd = manager->get_sound(id);
        for (size_t k = 0; k < segment.frames; ++k) {
            Sint16 source;
            std::memcpy(&source, sd.buffer + k * 4, 2);
            ASSERT_EQ(samples[segment.first + k], source * kMixVolume / SDL_MIX_MAXVOLUME) << "frame " << k;
        }
    }

    std::filesystem::path path;
    std::unique_ptr<MySoundManager> manager;
};

} // namespace

TEST_F(DiskDevice, MenuBlipIsHeardAt650Hz)
{
    play_to_end(SOUND_MENU_BLIP);
    const std::vector<Sint16> samples = close_and_read_left();
    const std::vector<segment_t> segments = sounding_segments(samples, kGap);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].frames, sounding_frames(SOUND_MENU_BLIP));
    // 49 ms is 2160 samples, less the flattened unfinished half-cycle.
    EXPECT_GT(segments[0].frames, 2160u - 34u);
    EXPECT_NEAR(frequency_of(samples, segments[0]), 650.0, 6.5);
    expect_table_samples(samples, segments[0], SOUND_MENU_BLIP);
}

TEST_F(DiskDevice, DeviceResumesForTheNextSound)
{
    play_to_end(SOUND_MENU_BLIP);
    play_to_end(SOUND_MAZE_CHANGE);
    const std::vector<Sint16> samples = close_and_read_left();
    const std::vector<segment_t> segments = sounding_segments(samples, kGap);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_NEAR(frequency_of(samples, segments[0]), 650.0, 6.5);
    EXPECT_NEAR(frequency_of(samples, segments[1]), 414.0, 4.2);
    EXPECT_EQ(segments[1].frames, sounding_frames(SOUND_MAZE_CHANGE));
    expect_table_samples(samples, segments[1], SOUND_MAZE_CHANGE);
}

TEST_F(DiskDevice, AbortedSoundStopsEarly)
{
    manager->play_sound(SOUND_BONUS); // 2390 ms
    ASSERT_TRUE(wait_until([&] {
        AudioDeviceLock lock;
        return mixer.channels[0].remaining < manager->get_sound(SOUND_BONUS).length - 8 * 1024;
    }));
    manager->abort_sound(SOUND_BONUS);
    ASSERT_TRUE(wait_until([&] { return manager->are_all_sounds_finished(); }, 5000));
    const std::vector<Sint16> samples = close_and_read_left();
    const std::vector<segment_t> segments = sounding_segments(samples, kGap);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_GE(segments[0].frames, 8u * 256 - kGap);
    EXPECT_LT(segments[0].frames, sounding_frames(SOUND_BONUS) / 2);
    expect_table_samples(samples, segments[0], SOUND_BONUS);
}
