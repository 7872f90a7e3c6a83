#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Saves 16-bit signed mono PCM samples as a RIFF/WAVE file (SDL reads WAVs
// but writes none).
// Throws std::runtime_error on failure.
void write_wav_mono16(const std::string& path, std::uint32_t sample_rate, const std::vector<std::int16_t>& samples);
