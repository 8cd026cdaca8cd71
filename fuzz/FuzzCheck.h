#pragma once

#include <cstdio>
#include <cstdlib>

// A property a fuzz target checks: when it breaks, the target says which and stops as a crash, so that
// libFuzzer keeps the input that broke it.
namespace kv380::fuzz {
[[noreturn]] inline void broken(const char* what, int line) {
    std::fprintf(stderr, "property broken at line %d: %s\n", line, what);
    std::abort();
}
} // namespace kv380::fuzz

#define FUZZ_CHECK(condition) ((condition) ? void() : ::kv380::fuzz::broken(#condition, __LINE__))
