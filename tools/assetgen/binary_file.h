#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Little-endian byte building and whole-file writing for the WAV writer.
class ByteBuffer {
public:
    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void tag(const char (&four)[5]);
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Writes the bytes to path; throws std::runtime_error naming the file if it
// cannot be written completely.
void write_file(const std::string& path, const ByteBuffer& data);
