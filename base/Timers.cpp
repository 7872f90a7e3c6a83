#include "base/Timers.h"

#include "base/Utilities.h"

#include <mutex>
#include <unordered_map>

namespace {
// SDL_RemoveTimer does not wait for a callback that is already running, so a
// callback must never hold a timer object's address: it gets a key, and looks
// the object up here under the lock that the destructor also takes.
struct Registry {
    std::mutex mutex;
    std::unordered_map<std::uintptr_t, void*> live_timers;
    std::uintptr_t next_key = 1;
};

// Never destroyed: exit() runs static destructors while SDL's timer thread
// may still be calling back, as on a fatal error during start-up.
Registry& registry()
{
    static Registry* const instance = new Registry;
    return *instance;
}

std::uintptr_t register_timer(void* timer)
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const std::uintptr_t key = r.next_key++;
    r.live_timers[key] = timer;
    return key;
}

void unregister_timer(std::uintptr_t key)
{
    Registry& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.live_timers.erase(key);
}

void* as_param(std::uintptr_t key)
{
    return reinterpret_cast<void*>(key);
}

// The timer for a callback's key, or null once it was restarted or destroyed.
// Called with the registry's mutex held.
void* find_timer(void* param)
{
    auto& live = registry().live_timers;
    auto found = live.find(reinterpret_cast<std::uintptr_t>(param));
    return found == live.end() ? nullptr : found->second;
}
} // namespace

// Removing before unregistering: once the key is gone, a callback still in
// flight finds nothing, and the lock makes unregistering wait for one that
// is writing the flag. A one-shot that already fired cannot be removed, and
// that is no error.
OneShotTimer::~OneShotTimer()
{
    if (timer_id != 0) {
        SDL_RemoveTimer(timer_id);
    }
    unregister_timer(key);
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
    // The old start's callback must not see the new flag.
    unregister_timer(key);
    expired_flag = false;
    key = register_timer(this);
    timer_id = SDL_AddTimer(milliseconds, callback, as_param(key));
    if (timer_id == 0) {
        Utilities::fatalErrorSDL("OneShotTimer SDL_AddTimer failed");
    }
}

Uint32 OneShotTimer::callback(Uint32, void* param)
{
    std::lock_guard<std::mutex> lock(registry().mutex);
    if (auto* timer = static_cast<OneShotTimer*>(find_timer(param))) {
        timer->expired_flag = true;
    }
    return 0;
}

RepeatingTimer::~RepeatingTimer()
{
    if (timer_id != 0 && !SDL_RemoveTimer(timer_id)) {
        Utilities::fatalErrorSDL("RepeatingTimer Delete Error =");
    }
    unregister_timer(key);
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
    unregister_timer(key);
    interval = milliseconds;
    expired_flag = false;
    key = register_timer(this);
    timer_id = SDL_AddTimer(milliseconds, callback, as_param(key));
    if (timer_id == 0) {
        Utilities::fatalErrorSDL("RepeatingTimer SDL_AddTimer failed");
    }
}

Uint32 RepeatingTimer::callback(Uint32 interval, void* param)
{
    std::lock_guard<std::mutex> lock(registry().mutex);
    auto* timer = static_cast<RepeatingTimer*>(find_timer(param));
    if (timer == nullptr) {
        return 0; // orphaned: its timer went or was restarted, so stop
    }
    timer->expired_flag = true;
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
