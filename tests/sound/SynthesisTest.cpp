// the generators sample for sample, before conversion. These tests
// open no audio device: the synthesise_* halves of the generators need none.
#include "sound/Mixer.h"
#include "sound/SoundData.h"
#include "sound/Synthesis.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct run_t {
    int value;
    int length;
};

std::vector<Sint8> samples_of(const sound_data_t& sd)
{
    std::vector<Sint8> samples(sd.length);
    for (Uint32 i = 0; i < sd.length; ++i) {
        samples[i] = static_cast<Sint8>(sd.buffer[i]);
    }
    return samples;
}

// The runs of equal samples, in order.
std::vector<run_t> runs_of(const sound_data_t& sd)
{
    std::vector<run_t> runs;
    for (Sint8 sample : samples_of(sd)) {
        if (runs.empty() || runs.back().value != sample) {
            runs.push_back({sample, 0});
        }
        ++runs.back().length;
    }
    return runs;
}

// Owns a sound_data_t for the length of a test.
struct Sound {
    sound_data_t data;
    ~Sound() { data.free_buffer(); }
};

} // namespace

TEST(Synthesis, SampleCountIsTheDurationAt44100HzTruncated)
{
    EXPECT_EQ(sample_count(1.6), 70u);
    EXPECT_EQ(sample_count(49), 2160u);
    EXPECT_EQ(sample_count(317), 13979u);
    EXPECT_EQ(sample_count(440), 19404u);
    EXPECT_EQ(sample_count(0.02), 0u);
}

TEST(Synthesis, CreateBufferAllocatesOneByteASample)
{
    Sound s;
    create_Sint8_buffer(1.6, &s.data);
    ASSERT_NE(s.data.buffer, nullptr);
    EXPECT_EQ(s.data.length, 70u);
}

TEST(Synthesis, EatToneIsFiveHalfCyclesThenTheFlattenedRest)
{
    Sound s;
    ASSERT_TRUE(synthesise_square_wave(1670, 1.6, 60, &s.data));
    ASSERT_EQ(s.data.length, 70u);
    const std::vector<run_t> runs = runs_of(s.data);
    ASSERT_EQ(runs.size(), 6u);
    const int values[] = {-30, 30, -30, 30, -30, 0};
    const int lengths[] = {14, 13, 13, 13, 14, 3};
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].value, values[i]) << "run " << i;
        EXPECT_EQ(runs[i].length, lengths[i]) << "run " << i;
    }
}

TEST(Synthesis, VolumeIsHalvedIntoTheAmplitude)
{
    Sound s;
    ASSERT_TRUE(synthesise_square_wave(1000, 10, 121, &s.data));
    EXPECT_EQ(static_cast<Sint8>(s.data.buffer[0]), -60);
    EXPECT_EQ(runs_of(s.data)[1].value, 60);
}

TEST(Synthesis, ToneShorterThanHalfAPeriodIsSilent)
{
    Sound s;
    // 1000 Hz: a half-cycle is 22 samples; 0.4 ms is 17 samples.
    ASSERT_TRUE(synthesise_square_wave(1000, 0.4, 60, &s.data));
    ASSERT_EQ(s.data.length, 17u);
    for (Sint8 sample : samples_of(s.data)) {
        EXPECT_EQ(sample, 0);
    }
}

TEST(Synthesis, ZeroLengthToneIsNotConverted)
{
    // No device is open in this process, so mixer.spec is all zeros and a
    // conversion would be fatal: the generators must stop before it.
    Sound tone, slide, mixed, silence;
    generate_square_wave(1670, 0.02, 60, &tone.data);
    generate_ramp_frequency_wave(400, 800, 0.02, 60, &slide.data);
    generate_ramp_freq_with_mix(1520, 918, 3675, 5, 0.02, 120, &mixed.data);
    generate_silence(0.02, &silence.data);
    EXPECT_EQ(tone.data.length, 0u);
    EXPECT_EQ(slide.data.length, 0u);
    EXPECT_EQ(mixed.data.length, 0u);
    EXPECT_EQ(silence.data.length, 0u);
    Sound raw;
    EXPECT_FALSE(synthesise_square_wave(1670, 0.02, 60, &raw.data));
}

TEST(SynthesisDeathTest, ConversionWithoutTheDeviceFormatIsFatal)
{
    EXPECT_EXIT(
        {
            sound_data_t sd;
            generate_square_wave(1670, 1.6, 60, &sd);
        },
        // The message goes to standard output, which death tests do not see.
        testing::ExitedWithCode(42), "");
}

TEST(Synthesis, MixedSlidePutsTheMixToneOnEverySixthHalfCycle)
{
    Sound s;
    ASSERT_TRUE(synthesise_ramp_freq_with_mix(1520.68896484375f, 918.75f, 3675.0f, 5, 440, 120, &s.data));
    ASSERT_EQ(s.data.length, 19404u);
    std::vector<run_t> runs = runs_of(s.data);
    ASSERT_EQ(runs.back().value, 0); // the flattened unfinished half-cycle
    runs.pop_back();
    ASSERT_GT(runs.size(), 60u);
    EXPECT_EQ(runs[0].value, -60);
    for (size_t i = 0; i < runs.size(); ++i) {
        const size_t half_cycle = i + 1;
        EXPECT_EQ(runs[i].value, (i % 2 == 0) ? -60 : 60) << "half-cycle " << half_cycle;
        if (half_cycle % 6 == 0) {
            // 3675 Hz: 6 samples a half-cycle, give or take the carried phase.
            EXPECT_GE(runs[i].length, 5) << "half-cycle " << half_cycle;
            EXPECT_LE(runs[i].length, 7) << "half-cycle " << half_cycle;
        } else {
            // The slide: 14.5 samples at 1520.7 Hz down to 24 at 918.75 Hz.
            EXPECT_GE(runs[i].length, 14) << "half-cycle " << half_cycle;
            EXPECT_LE(runs[i].length, 25) << "half-cycle " << half_cycle;
        }
    }
    // The slide lengthens the half-cycles from start to end.
    EXPECT_LE(runs[0].length, 15);
    EXPECT_GE(runs[runs.size() - 2].length, 23);
}

TEST(Synthesis, MixedSlideWithMixEveryZeroNeverPlaysTheMix)
{
    Sound s;
    ASSERT_TRUE(synthesise_ramp_freq_with_mix(1520.68896484375f, 918.75f, 3675.0f, 0, 440, 120, &s.data));
    std::vector<run_t> runs = runs_of(s.data);
    runs.pop_back();
    for (const run_t& run : runs) {
        EXPECT_GE(run.length, 14);
    }
}

TEST(Synthesis, RampSlidesTheFrequencyLinearly)
{
    Sound s;
    // 441 Hz to 882 Hz over a second: half-cycles from 50 samples to 25.
    ASSERT_TRUE(synthesise_ramp_frequency_wave(441, 882, 1000, 60, &s.data));
    ASSERT_EQ(s.data.length, 44100u);
    std::vector<run_t> runs = runs_of(s.data);
    runs.pop_back();
    EXPECT_EQ(runs.front().value, -30);
    EXPECT_NEAR(runs.front().length, 50, 1);
    EXPECT_NEAR(runs.back().length, 25, 1);
    for (size_t i = 1; i < runs.size(); ++i) {
        EXPECT_LE(runs[i].length, runs[i - 1].length + 1) << "half-cycle " << i + 1;
    }
    // The mean frequency is 661.5 Hz: about 1323 half-cycles in the second.
    EXPECT_NEAR(static_cast<double>(runs.size()), 1323.0, 3.0);
}

TEST(Synthesis, SilenceIsZeros)
{
    Sound s;
    ASSERT_TRUE(synthesise_silence(317, &s.data));
    ASSERT_EQ(s.data.length, 13979u);
    for (Sint8 sample : samples_of(s.data)) {
        ASSERT_EQ(sample, 0);
    }
}

TEST(Synthesis, EmptySoundHasABufferAndNoLength)
{
    Sound s;
    generate_empty_sound(&s.data);
    EXPECT_EQ(s.data.length, 0u);
}

TEST(Synthesis, FlattenBacktrackClearsTheLastRun)
{
    Uint8 bytes[] = {1, 2, 2, 5, 5, 5};
    sound_data_t sd{bytes, 6};
    wave_flatten_backtrack(9, &sd);
    const Uint8 expected[] = {1, 2, 2, 9, 9, 9};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(bytes[i], expected[i]) << i;
    }
}

TEST(Synthesis, FlattenBacktrackOfEqualBytesFlattensAll)
{
    Uint8 bytes[] = {7, 7, 7};
    sound_data_t sd{bytes, 3};
    wave_flatten_backtrack(0, &sd);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[2], 0);
}

TEST(Synthesis, FlattenBacktrackLeavesAnEmptyBufferAlone)
{
    Uint8 byte = 7;
    sound_data_t sd{&byte, 0};
    wave_flatten_backtrack(0, &sd);
    EXPECT_EQ(byte, 7);
}

TEST(SoundData, ConcatenateAppendsAndEmptiesTheOther)
{
    Sound a, b;
    ASSERT_TRUE(synthesise_square_wave(1670, 1.6, 60, &a.data));
    ASSERT_TRUE(synthesise_silence(1, &b.data));
    const std::vector<Sint8> first = samples_of(a.data);
    a.data.concatenate(b.data);
    ASSERT_EQ(a.data.length, 70u + 44u);
    EXPECT_EQ(b.data.length, 0u);
    EXPECT_EQ(b.data.buffer, nullptr);
    const std::vector<Sint8> joined = samples_of(a.data);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), joined.begin()));
    for (size_t i = 70; i < joined.size(); ++i) {
        EXPECT_EQ(joined[i], 0);
    }
}

TEST(SoundData, ConcatenateWithAnEmptyOtherChangesNothing)
{
    Sound a, b;
    ASSERT_TRUE(synthesise_square_wave(1670, 1.6, 60, &a.data));
    generate_empty_sound(&b.data);
    Uint8* const a_buffer = a.data.buffer;
    Uint8* const b_buffer = b.data.buffer;
    a.data.concatenate(b.data);
    EXPECT_EQ(a.data.buffer, a_buffer);
    EXPECT_EQ(a.data.length, 70u);
    EXPECT_EQ(b.data.buffer, b_buffer);
    EXPECT_EQ(b.data.length, 0u);
}

TEST(SoundData, FreeBufferEmptiesTheSound)
{
    sound_data_t sd;
    create_Sint8_buffer(10, &sd);
    sd.free_buffer();
    EXPECT_EQ(sd.buffer, nullptr);
    EXPECT_EQ(sd.length, 0u);
}
