#include "base/SdlOwners.h"

#include <unordered_map>
#include <utility>

namespace {

// Live textures by address, main thread only. Never destroyed, so textures
// held in static objects may still go after it would have.
std::unordered_map<SDL_Texture*, std::uint64_t>& live_textures()
{
    static auto* textures = new std::unordered_map<SDL_Texture*, std::uint64_t>;
    return *textures;
}

std::uint64_t next_serial()
{
    static std::uint64_t last = 0;
    return ++last;
}

} // namespace

Texture::Texture(Texture&& other) noexcept : texture(std::exchange(other.texture, nullptr)) {}

Texture& Texture::operator=(Texture&& other) noexcept
{
    if (this != &other) {
        reset();
        texture = std::exchange(other.texture, nullptr);
    }
    return *this;
}

void Texture::reset(SDL_Texture* made)
{
    if (texture != nullptr) {
        live_textures().erase(texture);
        SDL_DestroyTexture(texture);
    }
    texture = made;
    if (texture != nullptr) {
        live_textures()[texture] = next_serial();
    }
}

std::uint64_t Texture::serial() const
{
    return serial_of(texture);
}

std::uint64_t Texture::serial_of(SDL_Texture* texture)
{
    const auto found = live_textures().find(texture);
    return found != live_textures().end() ? found->second : 0;
}
