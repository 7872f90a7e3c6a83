#pragma once
#include <SDL.h>
#include <atomic>
#include <cstdint>

// Timers run their callbacks on SDL's timer thread; the callback only sets
// a flag that the main loop polls, so no game code ever runs off-thread.

class OneShotTimer {
public:
    OneShotTimer() = default;
    OneShotTimer(const OneShotTimer&) = delete;
    OneShotTimer& operator=(const OneShotTimer&) = delete;
    virtual ~OneShotTimer();
    // True once the time has passed; stays true until the next start.
    virtual bool expired();
    virtual void start_time(unsigned int milliseconds);
    static Uint32 callback(Uint32 interval, void* param);

private:
    std::atomic<bool> expired_flag{false};
    SDL_TimerID timer_id = 0;
    std::uintptr_t key = 0; // how the timer thread finds this object
};

class RepeatingTimer {
public:
    RepeatingTimer() = default;
    RepeatingTimer(const RepeatingTimer&) = delete;
    RepeatingTimer& operator=(const RepeatingTimer&) = delete;
    virtual ~RepeatingTimer();
    // True at most once however many periods passed since the last call.
    virtual bool expired();
    virtual void start_time(unsigned int milliseconds);
    static Uint32 callback(Uint32 interval, void* param);
    // The period of the last start; 0 before the first.
    unsigned int get_interval() const { return interval; }

private:
    std::atomic<bool> expired_flag{false};
    unsigned int interval = 0;
    SDL_TimerID timer_id = 0;
    std::uintptr_t key = 0; // how the timer thread finds this object
};

class FrameRateLimiter {
public:
    FrameRateLimiter();
    void set(int frames_per_second);
    // Sleeps out the rest of the frame, and always at least 1 ms.
    void limit();
    // The delay limit() would choose after a frame of this many milliseconds.
    int delay_for(Uint32 elapsed) const;

private:
    int frame_rate = 60;
    int frame_time = 16;
    Uint32 last_end;
};
