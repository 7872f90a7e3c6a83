// The main thread plays, aborts and queries sounds
// while SDL's audio thread runs the callback (dummy driver). Built as well
// in a ThreadSanitizer build (-DKWORBLE_SANITIZE=thread), where any access
// to `mixer` outside the device lock is reported as a race.
#include "sound/Mixer.h"
#include "sound/MySoundManager.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstdio>
#include <random>
#include <thread>

namespace {

class MixerThreads : public testing::Test {
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

    // The count always matches the occupied slots when seen under the lock.
    static void expect_consistent_table()
    {
        AudioDeviceLock lock;
        int used = 0;
        for (const mixer_channel_t& channel : mixer.channels) {
            used += channel.position != nullptr ? 1 : 0;
        }
        ASSERT_EQ(mixer.active_count, used);
        ASSERT_GE(mixer.active_count, 0);
        ASSERT_LE(mixer.active_count, kMixerChannels);
    }

    std::unique_ptr<MySoundManager> manager;
};

} // namespace

TEST_F(MixerThreads, CallbackAdvancesWhileTheMainThreadWatches)
{
    manager->play_sound(SOUND_BONUS);
    const Uint32 length = manager->get_sound(SOUND_BONUS).length;
    ASSERT_TRUE(wait_until([&] {
        AudioDeviceLock lock;
        return mixer.channels[0].remaining < length - 4 * 1024;
    }));
    manager->abort_sound(SOUND_BONUS);
    ASSERT_TRUE(wait_until([&] { return manager->are_all_sounds_finished(); }));
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
}

TEST_F(MixerThreads, PlayAndAbortWhileTheDeviceRuns)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> pick_sound(0, SOUND_COUNT - 1);
    std::uniform_int_distribution<int> pick_action(0, 9);
    int finished_seen = 0;
    const Uint32 start = SDL_GetTicks();
    int operations = 0;
    // About 80 callbacks' worth of time (one each 5.8 ms), bounded in count
    // as well.
    while (operations < 1000000 && SDL_GetTicks() - start < 500) {
        const sound_t id = static_cast<sound_t>(pick_sound(random));
        const int action = pick_action(random);
        if (action < 4) {
            manager->play_sound(action == 0 ? SOUND_EAT : id);
        } else if (action < 7) {
            manager->abort_sound(id);
        } else {
            finished_seen += manager->are_all_sounds_finished() ? 1 : 0;
            manager->is_sound_waiting_to_be_buffered(id);
            manager->is_sound_completed_playing_last_block(id);
        }
        expect_consistent_table();
        if (HasFatalFailure()) {
            return;
        }
        if (operations % 16 == 0) {
            std::this_thread::yield();
        }
        ++operations;
    }
    for (int id = 0; id < SOUND_COUNT; ++id) {
        manager->abort_sound(static_cast<sound_t>(id));
    }
    ASSERT_TRUE(wait_until([&] { return manager->are_all_sounds_finished(); }));
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);
    expect_consistent_table();
    // The device ran the callback during the loop and emptied the table at
    // least once between plays.
    EXPECT_GT(finished_seen, 0);
    RecordProperty("operations", operations);
    std::printf("%d operations in %u ms, all sounds finished seen %d times\n", operations,
                SDL_GetTicks() - start, finished_seen);
}
