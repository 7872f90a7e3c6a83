// Timers set a flag on SDL's timer thread that the loop polls: so do these tests.
#include "base/Timers.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class Timers : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SDL_WasInit(SDL_INIT_TIMER) || SDL_InitSubSystem(SDL_INIT_TIMER) == 0); }
};

} // namespace

TEST_F(Timers, RepeatingTimerMergesMissedPeriods)
{
    RepeatingTimer timer;
    EXPECT_FALSE(timer.expired());
    timer.start_time(4);
    ASSERT_TRUE(wait_until([&] { return timer.expired(); }));
    Uint32 start = SDL_GetTicks();
    EXPECT_TRUE(wait_until([&] { return SDL_GetTicks() - start > 10 * 4; }, 5400));
    EXPECT_TRUE(timer.expired()) << "ten periods unpolled";
    // However long a loaded machine takes over the next polls, they see at most one more report for each period they
    // span, not the nine merged.
    start = SDL_GetTicks();
    int reports = 0;
    for (int poll = 0; poll < 8; ++poll) {
        reports += timer.expired();
    }
    EXPECT_LE(reports, 1 + static_cast<int>((SDL_GetTicks() - start) / 4));
    EXPECT_TRUE(wait_until([&] { return timer.expired(); })) << "and it goes on firing";
}

// A one-shot timer that fired stays expired until it is restarted, and then fires again.
TEST_F(Timers, OneShotTimerStaysExpiredUntilRestarted)
{
    OneShotTimer timer;
    EXPECT_FALSE(timer.expired());
    timer.start_time(5);
    ASSERT_TRUE(wait_until([&] { return timer.expired(); }));
    EXPECT_TRUE(timer.expired());
    timer.start_time(5);
    EXPECT_TRUE(wait_until([&] { return timer.expired(); }));
}

// SDL does not wait for a running callback when a timer is removed; the sanitizer builds catch a write to a timer
// destroyed meanwhile.
TEST_F(Timers, TimersDestroyedWhileFiringAreLeftAlone)
{
    for (int i = 0; i < 150; ++i) {
        auto repeating = std::make_unique<RepeatingTimer>();
        auto one_shot = std::make_unique<OneShotTimer>();
        repeating->start_time(1);
        one_shot->start_time(1);
        SDL_Delay(static_cast<Uint32>(i % 3));
    }
    RepeatingTimer survivor;
    survivor.start_time(2);
    EXPECT_TRUE(wait_until([&] { return survivor.expired(); }));
}

// A restart clears an expiry not yet polled and cancels a start still pending, and the old start's callback, firing
// during a restart, must not mark the new start expired: restarted for longer than the test runs, neither may expire.
TEST_F(Timers, TimersRestartedWhileFiringStartAfresh)
{
    OneShotTimer one_shot;
    RepeatingTimer repeating;
    for (int i = 0; i < 60; ++i) {
        one_shot.start_time(2);
        repeating.start_time(2);
        SDL_Delay(1 + static_cast<Uint32>(i % 3));
        one_shot.start_time(100000);
        repeating.start_time(100000);
        SDL_Delay(1);
        EXPECT_FALSE(one_shot.expired() || repeating.expired()) << "restart " << i;
    }
}
