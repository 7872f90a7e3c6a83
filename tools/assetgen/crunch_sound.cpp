#include "crunch_sound.h"

#include <algorithm>

namespace {

// xorshift32 with a fixed seed: the sound must be byte-for-byte reproducible.
class NoiseSource {
public:
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [-1, 1).
    double bipolar() { return static_cast<double>(next() >> 8) / 8388608.0 - 1.0; }
    // Uniform in [lo, hi].
    int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1)); }

private:
    std::uint32_t state_ = 0x4B574F52u; // "KWOR"
};

} // namespace

std::vector<std::int16_t> make_crunch_sound()
{
    constexpr int kLength = static_cast<int>(kCrunchSampleRate * 42 / 100);
    constexpr int kAttack = static_cast<int>(kCrunchSampleRate / 1000);
    constexpr int kFadeOut = static_cast<int>(kCrunchSampleRate / 100);
    constexpr double kDecayPerSample = 0.99984; // about 5% left at the end
    constexpr double kGrainDecay = 0.9992;

    NoiseSource noise;
    std::vector<std::int16_t> samples(kLength);

    double envelope = 1.0;
    double grain_level = 0.0;
    int grain_left = 0;
    double held = 0.0;
    int hold_left = 0;
    double filtered = 0.0;

    for (int i = 0; i < kLength; ++i) {
        // A new "bite" of the crunch: a jolt of loudness that fades fast.
        if (grain_left == 0) {
            grain_left = noise.range(500, 1700);
            grain_level = 0.55 + 0.45 * (noise.bipolar() * 0.5 + 0.5);
        }
        --grain_left;
        grain_level *= kGrainDecay;

        // Sample-and-hold noise whose hold time grows: the pitch falls.
        if (hold_left == 0) {
            held = noise.bipolar();
            hold_left = 1 + (i * 9) / kLength + noise.range(0, 2);
        }
        --hold_left;

        // A one-pole low-pass that closes over time: the noise darkens.
        const double progress = static_cast<double>(i) / kLength;
        const double cutoff = 0.85 - 0.6 * progress;
        filtered += (held - filtered) * cutoff;

        double gain = envelope * grain_level;
        if (i < kAttack) {
            gain *= static_cast<double>(i) / kAttack;
        }
        if (i >= kLength - kFadeOut) {
            gain *= static_cast<double>(kLength - i) / kFadeOut;
        }
        envelope *= kDecayPerSample;

        const double value = std::clamp(filtered * gain * 0.9, -1.0, 1.0);
        samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value * 32767.0);
    }
    return samples;
}
