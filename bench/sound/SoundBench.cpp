// Benchmarks for sound/. Run from the build folder, where
// Explosion_Crunch.wav is. SDL's dummy audio driver is used unless
// SDL_AUDIODRIVER says otherwise.
//   BM_BuildSoundTable: the whole table at start-up (goal: under 25 ms).
//   BM_CallbackEightSounds: one callback mixing eight active sounds into a
//   256-frame buffer (goal: under 5 microseconds).
#include "sound/Mixer.h"
#include "sound/SoundTable.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

void BM_BuildSoundTable(benchmark::State& state)
{
    for (auto _ : state) {
        sound_data_t sounds[SOUND_COUNT];
        build_sound_table(sounds);
        benchmark::DoNotOptimize(sounds[SOUND_ATTRACT].buffer.get());
        state.PauseTiming();
        free_sound_table(sounds);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildSoundTable)->Unit(benchmark::kMillisecond);

void BM_CallbackEightSounds(benchmark::State& state)
{
    sound_data_t sounds[SOUND_COUNT];
    build_sound_table(sounds);
    const int len = mixer.spec.samples * mixer.spec.channels * 2;
    std::vector<Uint8> stream(static_cast<size_t>(len));
    // Eight long sounds, rewound before they run out; the device thread
    // cannot run the callback while the lock is held.
    const sound_t playing[kMixerChannels] = {SOUND_BONUS, SOUND_ATTRACT, SOUND_PLAY_SELECTED, SOUND_SUCCESS,
                                             SOUND_BONUS, SOUND_ATTRACT, SOUND_PLAY_SELECTED, SOUND_SUCCESS};
    AudioDeviceLock lock;
    auto rewind = [&] {
        for (int i = 0; i < kMixerChannels; ++i) {
            mixer_channel_t& channel = mixer.channels[i];
            if (channel.position == nullptr || channel.remaining < 40u * len) {
                if (channel.position == nullptr) {
                    ++mixer.active_count;
                }
                channel.position = sounds[playing[i]].buffer.get();
                channel.remaining = sounds[playing[i]].length;
                channel.sound = playing[i];
            }
        }
    };
    rewind();
    SDL_PauseAudioDevice(mixer.device, 0);
    int calls = 0;
    for (auto _ : state) {
        audioCallback(nullptr, stream.data(), len);
        benchmark::DoNotOptimize(stream.data());
        if (++calls % 32 == 0) {
            rewind(); // each sound lasts over 170 callbacks
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * len * kMixerChannels);
    stopAllSounds();
    free_sound_table(sounds);
}
BENCHMARK(BM_CallbackEightSounds)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_AUDIO) != 0) {
        std::printf("SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    {
        const AudioDevice device = open_audio_device();
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    SDL_Quit();
    return 0;
}
