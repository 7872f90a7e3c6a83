#include "sound/SoundData.h"

#include <cstring>
#include <utility>

sound_data_t::sound_data_t(sound_data_t&& other) noexcept
    : buffer(std::move(other.buffer)), length(std::exchange(other.length, 0))
{
}

sound_data_t& sound_data_t::operator=(sound_data_t&& other) noexcept
{
    buffer = std::move(other.buffer);
    length = std::exchange(other.length, 0);
    return *this;
}

// Appends other's bytes and empties other. An empty other changes nothing,
// so that a sound built from parts can skip a part that came out empty.
void sound_data_t::concatenate(sound_data_t& other)
{
    if (other.length == 0) {
        return;
    }
    Uint8* grown = static_cast<Uint8*>(SDL_realloc(buffer.get(), static_cast<size_t>(length) + other.length));
    if (grown == nullptr) {
        // The old buffer stays allocated (and is freed by its owner later);
        // the sound is silent from now on.
        length = 0;
    } else {
        std::memcpy(grown + length, other.buffer.get(), other.length);
        (void)buffer.release(); // realloc has taken it
        buffer.reset(grown);
        length += other.length;
    }
    other.free_buffer();
}

void sound_data_t::free_buffer()
{
    buffer.reset();
    length = 0;
}
