#pragma once
// The oracle of the fuzz targets: a violated property aborts with a line
// saying which, so that libFuzzer keeps the input that broke it.

#include <cstdio>
#include <cstdlib>

inline void Require(bool condition, const char* target, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s: %s\n", target, what);
        std::abort();
    }
}
