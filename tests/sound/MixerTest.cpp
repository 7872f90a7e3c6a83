// the mixer's callback on real buffers in the real device format.
// The device is open on SDL's dummy driver; the deterministic tests hold the
// device lock for their whole body, so SDL's audio thread cannot run the
// callback in between, and call audioCallback themselves.
#include "sound/Mixer.h"
#include "sound/MySoundManager.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kBufferBytes = 1024; // 256 stereo 16-bit frames
constexpr int kBufferSamples = kBufferBytes / 2;

Sint16 sample_at(const Uint8* bytes, size_t index)
{
    Sint16 value;
    SDL_memcpy(&value, bytes + index * 2, 2);
    return value;
}

// The mix of one 16-bit sample at volume 150: scale by 150/128
// (truncating), add, clip.
void mix_reference(std::vector<int>& out, const Uint8* source, size_t bytes)
{
    for (size_t i = 0; i < bytes / 2; ++i) {
        const int scaled = sample_at(source, i) * kMixVolume / SDL_MIX_MAXVOLUME;
        out[i] = std::clamp(out[i] + scaled, -32768, 32767);
    }
}

class Mixer : public testing::Test {
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

    // One callback into a fresh buffer (pre-filled with garbage, since the
    // callback must set every byte).
    std::vector<Uint8> callback()
    {
        std::vector<Uint8> stream(kBufferBytes, 0xA5);
        audioCallback(nullptr, stream.data(), kBufferBytes);
        return stream;
    }

    const Uint8* bytes_of(sound_t id, Uint32 offset = 0) const
    {
        return manager->get_sound(id).buffer + offset;
    }

    static void expect_stream(const std::vector<Uint8>& stream, const std::vector<int>& expected)
    {
        for (int i = 0; i < kBufferSamples; ++i) {
            ASSERT_EQ(sample_at(stream.data(), i), expected[i]) << "sample " << i;
        }
    }

    int used_slots() const
    {
        return static_cast<int>(std::count_if(std::begin(mixer.channels), std::end(mixer.channels),
                                              [](const mixer_channel_t& c) { return c.position != nullptr; }));
    }

    std::unique_ptr<MySoundManager> manager;
};

} // namespace

TEST_F(Mixer, SilentWithNothingPlaying)
{
    AudioDeviceLock lock;
    const std::vector<Uint8> stream = callback();
    expect_stream(stream, std::vector<int>(kBufferSamples, 0));
}

TEST_F(Mixer, SoundIsMixedAtVolume150)
{
    AudioDeviceLock lock;
    manager->play_sound(SOUND_MENU_BLIP);
    const std::vector<Uint8> stream = callback();
    std::vector<int> expected(kBufferSamples, 0);
    mix_reference(expected, bytes_of(SOUND_MENU_BLIP), kBufferBytes);
    expect_stream(stream, expected);
    // -30 in 8 bits is about -7680 in 16 bits, and 150/128 of that is -9000.
    EXPECT_NEAR(sample_at(stream.data(), 0), -9000, 2);
}

TEST_F(Mixer, SumIsClipped)
{
    AudioDeviceLock lock;
    // Amplitude 60: about 18000 each after scaling, so three overflow.
    for (int i = 0; i < 3; ++i) {
        manager->play_sound(SOUND_LOSE_LIFE);
    }
    const std::vector<Uint8> stream = callback();
    std::vector<int> expected(kBufferSamples, 0);
    for (int i = 0; i < 3; ++i) {
        mix_reference(expected, bytes_of(SOUND_LOSE_LIFE), kBufferBytes);
    }
    expect_stream(stream, expected);
    EXPECT_EQ(sample_at(stream.data(), 0), -32768);
}

TEST_F(Mixer, LoudSamplesClipInsteadOfWrapping)
{
    AudioDeviceLock lock;
    // 30000 scaled is 35156: beyond 16 bits before it is even added.
    std::vector<Sint16> loud(kBufferSamples, 30000);
    sound_data_t sound;
    sound.buffer = reinterpret_cast<Uint8*>(loud.data());
    sound.length = kBufferBytes;
    playSound(&sound, SOUND_EXPLOSION);
    const std::vector<Uint8> stream = callback();
    EXPECT_EQ(sample_at(stream.data(), 0), 32767);
    EXPECT_EQ(sample_at(stream.data(), kBufferSamples - 1), 32767);
    sound.buffer = nullptr; // not ours to free
}

TEST_F(Mixer, LongSoundContinuesAcrossCallbacks)
{
    AudioDeviceLock lock;
    manager->play_sound(SOUND_SUCCESS);
    const Uint32 length = manager->get_sound(SOUND_SUCCESS).length;
    for (Uint32 offset = 0; offset < 3 * kBufferBytes; offset += kBufferBytes) {
        const std::vector<Uint8> stream = callback();
        std::vector<int> expected(kBufferSamples, 0);
        mix_reference(expected, bytes_of(SOUND_SUCCESS, offset), kBufferBytes);
        expect_stream(stream, expected);
        EXPECT_EQ(mixer.channels[0].remaining, length - offset - kBufferBytes);
        EXPECT_TRUE(manager->is_sound_waiting_to_be_buffered(SOUND_SUCCESS));
        EXPECT_FALSE(manager->are_all_sounds_finished());
    }
}

TEST_F(Mixer, ShortSoundFillsPartOfTheBufferThenTheDevicePauses)
{
    AudioDeviceLock lock;
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
    manager->play_sound(SOUND_EAT); // 70 frames, 280 bytes
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
    EXPECT_FALSE(manager->are_all_sounds_finished());
    EXPECT_FALSE(manager->is_sound_completed_playing_last_block(SOUND_EAT));
    const std::vector<Uint8> stream = callback();
    std::vector<int> expected(kBufferSamples, 0);
    mix_reference(expected, bytes_of(SOUND_EAT), 280);
    expect_stream(stream, expected);
    EXPECT_TRUE(manager->are_all_sounds_finished());
    EXPECT_TRUE(manager->is_sound_completed_playing_last_block(SOUND_EAT));
    EXPECT_FALSE(manager->is_sound_waiting_to_be_buffered(SOUND_EAT));
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
    // The next sound resumes the device.
    manager->play_sound(SOUND_MENU_BLIP);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
}

TEST_F(Mixer, ShorterSoundEndsWhileTheLongerGoesOn)
{
    AudioDeviceLock lock;
    manager->play_sound(SOUND_SUCCESS);
    manager->play_sound(SOUND_EAT);
    const std::vector<Uint8> stream = callback();
    std::vector<int> expected(kBufferSamples, 0);
    mix_reference(expected, bytes_of(SOUND_SUCCESS), kBufferBytes);
    mix_reference(expected, bytes_of(SOUND_EAT), 280);
    expect_stream(stream, expected);
    EXPECT_EQ(mixer.active_count, 1);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
    // Some other sound plays: SOUND_EAT has played its last block.
    EXPECT_TRUE(manager->is_sound_completed_playing_last_block(SOUND_EAT));
    EXPECT_FALSE(manager->is_sound_completed_playing_last_block(SOUND_SUCCESS));
}

TEST_F(Mixer, TwoCopiesOfASoundUseTwoSlots)
{
    AudioDeviceLock lock;
    manager->play_sound(SOUND_EAT);
    manager->play_sound(SOUND_EAT);
    EXPECT_EQ(mixer.active_count, 2);
    EXPECT_EQ(used_slots(), 2);
    EXPECT_EQ(mixer.channels[0].sound, SOUND_EAT);
    EXPECT_EQ(mixer.channels[1].sound, SOUND_EAT);
    const std::vector<Uint8> stream = callback();
    std::vector<int> expected(kBufferSamples, 0);
    mix_reference(expected, bytes_of(SOUND_EAT), 280);
    mix_reference(expected, bytes_of(SOUND_EAT), 280);
    expect_stream(stream, expected);
    EXPECT_TRUE(manager->are_all_sounds_finished());
}

TEST_F(Mixer, NinthSoundReplacesTheEarliestStarted)
{
    AudioDeviceLock lock;
    manager->play_sound(SOUND_BONUS);
    const Uint32 first_ticks = mixer.channels[0].start_ticks;
    ASSERT_TRUE(wait_until([&] { return SDL_GetTicks() != first_ticks; }, 1000));
    for (int i = 0; i < 7; ++i) {
        manager->play_sound(SOUND_SUCCESS);
    }
    EXPECT_EQ(mixer.active_count, 8);
    manager->play_sound(SOUND_MENU_BLIP);
    EXPECT_EQ(mixer.active_count, 8);
    EXPECT_EQ(used_slots(), 8);
    EXPECT_EQ(mixer.channels[0].sound, SOUND_MENU_BLIP);
    EXPECT_EQ(mixer.channels[0].position, bytes_of(SOUND_MENU_BLIP));
    EXPECT_EQ(mixer.channels[0].remaining, manager->get_sound(SOUND_MENU_BLIP).length);
    EXPECT_FALSE(manager->is_sound_waiting_to_be_buffered(SOUND_BONUS));
    // The replaced sound is not heard.
    const std::vector<Uint8> stream = callback();
    // Slot by slot, since every addition is clipped.
    std::vector<int> expected(kBufferSamples, 0);
    mix_reference(expected, bytes_of(SOUND_MENU_BLIP), kBufferBytes);
    for (int i = 0; i < 7; ++i) {
        mix_reference(expected, bytes_of(SOUND_SUCCESS), kBufferBytes);
    }
    expect_stream(stream, expected);
}

TEST_F(Mixer, AmongEqualStartTimesTheLowestSlotIsReplaced)
{
    AudioDeviceLock lock;
    for (int i = 0; i < 8; ++i) {
        manager->play_sound(SOUND_SUCCESS);
    }
    // All before now, so that a newly started sound is the latest.
    ASSERT_TRUE(wait_until([] { return SDL_GetTicks() > 10; }, 1000));
    const Uint32 ticks[8] = {5, 2, 3, 2, 6, 7, 8, 9};
    for (int i = 0; i < 8; ++i) {
        mixer.channels[i].start_ticks = ticks[i];
    }
    manager->play_sound(SOUND_EAT);
    EXPECT_EQ(mixer.channels[1].sound, SOUND_EAT);
    EXPECT_EQ(mixer.channels[3].sound, SOUND_SUCCESS);
    manager->play_sound(SOUND_LASER);
    EXPECT_EQ(mixer.channels[3].sound, SOUND_LASER);
    EXPECT_EQ(mixer.active_count, 8);
}

TEST_F(Mixer, AbortedSoundEndsAtTheNextCallback)
{
    AudioDeviceLock lock;
    manager->play_sound(SOUND_SUCCESS);
    manager->play_sound(SOUND_MENU_BLIP);
    manager->abort_sound(SOUND_MENU_BLIP);
    // Until the next callback the slot still counts.
    EXPECT_FALSE(manager->are_all_sounds_finished());
    EXPECT_TRUE(manager->is_sound_waiting_to_be_buffered(SOUND_MENU_BLIP));
    EXPECT_EQ(mixer.active_count, 2);
    const std::vector<Uint8> stream = callback();
    std::vector<int> expected(kBufferSamples, 0);
    mix_reference(expected, bytes_of(SOUND_SUCCESS), kBufferBytes);
    expect_stream(stream, expected);
    EXPECT_EQ(mixer.active_count, 1);
    EXPECT_FALSE(manager->is_sound_waiting_to_be_buffered(SOUND_MENU_BLIP));
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
    // Aborting the last sound pauses the device at the next callback.
    manager->abort_sound(SOUND_SUCCESS);
    expect_stream(callback(), std::vector<int>(kBufferSamples, 0));
    EXPECT_TRUE(manager->are_all_sounds_finished());
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
}

TEST_F(Mixer, AbortingASoundThatIsNotPlayingChangesNothing)
{
    AudioDeviceLock lock;
    manager->play_sound(SOUND_SUCCESS);
    manager->abort_sound(SOUND_LASER);
    manager->abort_sound(SOUND_EAT);
    EXPECT_EQ(mixer.active_count, 1);
    const std::vector<Uint8> stream = callback();
    std::vector<int> expected(kBufferSamples, 0);
    mix_reference(expected, bytes_of(SOUND_SUCCESS), kBufferBytes);
    expect_stream(stream, expected);
}

TEST_F(Mixer, EmptySoundOccupiesASlotUntilTheNextCallback)
{
    AudioDeviceLock lock;
    sound_data_t empty; // as left by a failed allocation
    playSound(&empty, SOUND_EAT);
    EXPECT_EQ(mixer.active_count, 1);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
    EXPECT_FALSE(manager->are_all_sounds_finished());
    expect_stream(callback(), std::vector<int>(kBufferSamples, 0));
    EXPECT_TRUE(manager->are_all_sounds_finished());
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
}

TEST_F(Mixer, DestroyingTheManagerStopsEverySlot)
{
    manager->play_sound(SOUND_BONUS);
    manager->play_sound(SOUND_ATTRACT);
    manager.reset();
    AudioDeviceLock lock;
    EXPECT_EQ(mixer.active_count, 0);
    EXPECT_EQ(used_slots(), 0);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
}

// SDL's own audio thread plays the sound to its end and pauses the device.
TEST_F(Mixer, DeviceThreadPlaysASoundToItsEnd)
{
    for (sound_t id : {SOUND_MENU_BLIP, SOUND_EAT}) {
        {
            // Checked before the audio thread can have finished the sound.
            AudioDeviceLock lock;
            manager->play_sound(id);
            EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
        }
        ASSERT_TRUE(wait_until([&] { return manager->are_all_sounds_finished(); }, 5000));
        EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
    }
}
