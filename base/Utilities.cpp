#include "base/Utilities.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace Utilities {

int randomInt(int low, int high)
{
    return rand() % (high - low + 1) + low;
}

void initialise_random_seed()
{
    srand(static_cast<unsigned>(time(nullptr)));
}

int make_unit(int v)
{
    return (v > 0) - (v < 0);
}

void fatalErrorSDL(const char* message)
{
    printf("%s '%s'\n", message, SDL_GetError());
    fflush(stdout);
    exit(42);
}

void fatalErrorSDL(const std::string& message)
{
    fatalErrorSDL(message.c_str());
}

void fatalError(const char* message)
{
    printf("%s\n", message);
    fflush(stdout);
    exit(43);
}

void fatalError(const std::string& message)
{
    fatalError(message.c_str());
}

} // namespace Utilities
