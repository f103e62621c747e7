#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Stops the fuzzer with a readable message, so that libFuzzer saves the input that did it.
inline void fuzzCheck(bool condition, const char* what, const std::string& detail) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s: %s\n", what, detail.c_str());
    std::abort();
}
