// The entry point every fuzz target defines: libFuzzer's engine calls it in build/fuzz, the
// replay driver (replay_main.cpp) once per corpus file everywhere else.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
