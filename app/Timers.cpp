#include "app/Timers.h"

#include "app/Utilities.h"

OneShotTimer::~OneShotTimer()
{
    if (timer_id != 0 && !SDL_RemoveTimer(timer_id) && !expired_flag) {
        Utilities::fatalErrorSDL("OneShotTimer Delete Error =");
    }
}

bool OneShotTimer::expired()
{
    return expired_flag;
}

void OneShotTimer::start_time(unsigned int milliseconds)
{
    // SDL drops a one-shot timer by itself once it fired, so a failed
    // removal is only an error while the timer is still pending.
    if (timer_id != 0 && !SDL_RemoveTimer(timer_id) && !expired_flag) {
        Utilities::fatalErrorSDL("OneShotTimer Delete Error =");
    }
    interval = milliseconds;
    expired_flag = false;
    timer_id = SDL_AddTimer(milliseconds, callback, this);
    if (timer_id == 0) {
        Utilities::fatalErrorSDL("OneShotTimer SDL_AddTimer failed");
    }
}

Uint32 OneShotTimer::callback(Uint32 interval, void* param)
{
    auto* timer = static_cast<OneShotTimer*>(param);
    if (interval == timer->interval) {
        timer->expired_flag = true;
    }
    return 0;
}

RepeatingTimer::~RepeatingTimer()
{
    if (timer_id != 0 && !SDL_RemoveTimer(timer_id)) {
        Utilities::fatalErrorSDL("RepeatingTimer Delete Error =");
    }
}

bool RepeatingTimer::expired()
{
    return expired_flag.exchange(false);
}

void RepeatingTimer::start_time(unsigned int milliseconds)
{
    if (timer_id != 0 && !SDL_RemoveTimer(timer_id)) {
        Utilities::fatalErrorSDL("RepeatingTimer remove Error =");
    }
    interval = milliseconds;
    expired_flag = false;
    timer_id = SDL_AddTimer(milliseconds, callback, this);
    if (timer_id == 0) {
        Utilities::fatalErrorSDL("RepeatingTimer SDL_AddTimer failed");
    }
}

Uint32 RepeatingTimer::callback(Uint32 interval, void* param)
{
    auto* timer = static_cast<RepeatingTimer*>(param);
    // A callback of a just-replaced SDL timer with another period must not
    // mark the new period as expired.
    if (interval == timer->interval) {
        timer->expired_flag = true;
    }
    return interval;
}

FrameRateLimiter::FrameRateLimiter() : last_end(SDL_GetTicks()) {}

void FrameRateLimiter::set(int frames_per_second)
{
    frame_rate = frames_per_second;
    frame_time = 1000 / frames_per_second;
}

int FrameRateLimiter::delay_for(Uint32 elapsed) const
{
    if (elapsed < static_cast<Uint32>(frame_time)) {
        return frame_time - static_cast<int>(elapsed);
    }
    return 1;
}

void FrameRateLimiter::limit()
{
    Uint32 elapsed = SDL_GetTicks() - last_end;
    SDL_Delay(static_cast<Uint32>(delay_for(elapsed)));
    last_end = SDL_GetTicks();
}
