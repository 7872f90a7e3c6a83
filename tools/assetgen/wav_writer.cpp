#include "wav_writer.h"

#include "binary_file.h"

void write_wav_mono16(const std::string& path, std::uint32_t sample_rate, const std::vector<std::int16_t>& samples)
{
    constexpr std::uint16_t kChannels = 1;
    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kBlockAlign = kChannels * kBits / 8;
    const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size()) * kBlockAlign;

    ByteBuffer out;
    out.tag("RIFF");
    out.u32(4 + (8 + 16) + (8 + data_bytes));
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1); // PCM
    out.u16(kChannels);
    out.u32(sample_rate);
    out.u32(sample_rate * kBlockAlign);
    out.u16(kBlockAlign);
    out.u16(kBits);
    out.tag("data");
    out.u32(data_bytes);
    for (std::int16_t s : samples) {
        out.u16(static_cast<std::uint16_t>(s));
    }
    write_file(path, out);
}
