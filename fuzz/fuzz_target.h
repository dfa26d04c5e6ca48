#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The entry point every target defines, as libFuzzer expects it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// Starting inputs a target may define for runs without a corpus folder.
__attribute__((weak)) std::vector<std::string> fuzzSeeds();
