#pragma once
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <utility>

// Owners for what SDL allocates: each frees its resource once, when it goes,
// and none can be copied by accident.
struct SdlDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
    void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
    void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
    void operator()(SDL_GameController* controller) const { SDL_GameControllerClose(controller); }
    void operator()(SDL_RWops* stream) const { SDL_RWclose(stream); }
    void operator()(Uint8* buffer) const { SDL_free(buffer); }
};

using SurfacePtr = std::unique_ptr<SDL_Surface, SdlDeleter>;
using RendererPtr = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using WindowPtr = std::unique_ptr<SDL_Window, SdlDeleter>;
using GameControllerPtr = std::unique_ptr<SDL_GameController, SdlDeleter>;
using StreamPtr = std::unique_ptr<SDL_RWops, SdlDeleter>;
// A buffer from SDL_malloc.
using SdlBuffer = std::unique_ptr<Uint8[], SdlDeleter>;

// An open audio device, closed when it goes (which also waits for a
// callback that is running).
class AudioDevice {
public:
    AudioDevice() = default;
    explicit AudioDevice(SDL_AudioDeviceID opened) : id(opened) {}
    ~AudioDevice()
    {
        if (id != 0) {
            SDL_CloseAudioDevice(id);
        }
    }
    AudioDevice(AudioDevice&& other) noexcept : id(std::exchange(other.id, 0)) {}
    AudioDevice& operator=(AudioDevice&& other) noexcept
    {
        std::swap(id, other.id);
        return *this;
    }
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    SDL_AudioDeviceID get() const { return id; }

private:
    SDL_AudioDeviceID id = 0;
};

// An owned texture with a serial number given when it is made: two draws
// of the same serial draw the same pixels, so a frame cache may compare
// serials instead of pictures. Serials are never reused, so a texture made
// where a freed one was is a new one. Textures are never written to after
// they are made; one that is must be made again.
class Texture {
public:
    Texture() = default;
    explicit Texture(SDL_Texture* made) { reset(made); }
    ~Texture() { reset(); }
    Texture(Texture&& other) noexcept;
    Texture& operator=(Texture&& other) noexcept;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Takes a newly made texture (or none) in place of the one held.
    void reset(SDL_Texture* made = nullptr);

    SDL_Texture* get() const { return texture; }
    explicit operator bool() const { return texture != nullptr; }
    std::uint64_t serial() const;

    // The serial of a live texture held by a Texture, or 0 for any other
    // pointer (which is never read, so it may be one already freed).
    static std::uint64_t serial_of(SDL_Texture* texture);

private:
    SDL_Texture* texture = nullptr;
};
