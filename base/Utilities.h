#pragma once
#include <string>

// Small services shared by every subsystem: random numbers and fatal exits.
namespace Utilities {

// A random integer from low to high, both included (rand() based).
int randomInt(int low, int high);
void initialise_random_seed();
// 1, -1 or 0: the sign of v.
int make_unit(int v);

// Print the message, then " '<SDL error>'", and exit with status 42.
[[noreturn]] void fatalErrorSDL(const char* message);
[[noreturn]] void fatalErrorSDL(const std::string& message);
// Print the message and exit with status 43.
[[noreturn]] void fatalError(const char* message);
[[noreturn]] void fatalError(const std::string& message);

} // namespace Utilities
