#pragma once
#include <cstddef>
#include <cstdint>

// The entry point libFuzzer calls; the replay main calls it too.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
