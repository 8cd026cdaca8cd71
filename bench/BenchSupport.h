#pragma once

#include <malloc.h>
#include <time.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

// What the benchmark programs share: a stop watch for manually timed iterations, the heap in use, and a way
// out when a benchmark's setup or result is wrong (a timing of wrong work is worse than none).
namespace kv380::bench {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "benchmark stopped: %s\n", what);
    std::exit(2);
}

// The processor time the process spends from construction to seconds(), in every thread. The machine is
// shared: processor time leaves out the time other programs run instead of this one, which wall-clock time
// counts. The timed work waits for nothing (offscreen painting, folders in the page cache), so on a quiet
// machine both agree.
class Stopwatch {
public:
    double seconds() const { return now() - m_start; }

private:
    static double now() {
        timespec t{};
        ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }
    double m_start{now()};
};

// Bytes the allocator has handed out and not yet taken back (small blocks and mapped ones).
inline std::size_t heapInUse() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace kv380::bench
