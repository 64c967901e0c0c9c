// What a fuzz target asserts: a broken rule prints it and traps, so that the
// fuzzer keeps the input as a crash.
#pragma once
#include <cstdio>

#define FUZZ_CHECK(cond)                                                                 \
    do {                                                                                 \
        if (!(cond)) {                                                                   \
            std::fprintf(stderr, "%s:%d: broken rule: %s\n", __FILE__, __LINE__, #cond); \
            __builtin_trap();                                                            \
        }                                                                                \
    } while (0)
