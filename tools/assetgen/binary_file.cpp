#include "binary_file.h"

#include <fstream>
#include <stdexcept>

void ByteBuffer::u16(std::uint16_t value)
{
    u8(static_cast<std::uint8_t>(value & 0xFFu));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteBuffer::u32(std::uint32_t value)
{
    u16(static_cast<std::uint16_t>(value & 0xFFFFu));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void ByteBuffer::tag(const char (&four)[5])
{
    for (int i = 0; i < 4; ++i) {
        u8(static_cast<std::uint8_t>(four[i]));
    }
}

void write_file(const std::string& path, const ByteBuffer& data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot open " + path + " for writing");
    }
    out.write(reinterpret_cast<const char*>(data.bytes().data()), static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}
