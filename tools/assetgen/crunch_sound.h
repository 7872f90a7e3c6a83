#pragma once
#include <cstdint>
#include <vector>

inline constexpr std::uint32_t kCrunchSampleRate = 44100;

// About 0.42 s of crunching noise: grains of sample-and-hold noise that get
// lower and darker under a decaying envelope. Always the same samples.
std::vector<std::int16_t> make_crunch_sound();
