// LD_PRELOAD this library and the monotonic clocks run ahead of the machine's
// by a few milliseconds more at every read, as on a machine that keeps
// descheduling the program. No test may fail because of it.
#include <dlfcn.h>
#include <time.h>

#include <atomic>
#include <cstdint>

namespace {

std::atomic<std::int64_t> aheadNs{0};
std::atomic<std::uint32_t> reads{0};

bool monotonic(clockid_t id) {
    return id == CLOCK_MONOTONIC || id == CLOCK_MONOTONIC_RAW || id == CLOCK_MONOTONIC_COARSE ||
           id == CLOCK_BOOTTIME;
}

}  // namespace

extern "C" int clock_gettime(clockid_t id, struct timespec* ts) {
    using Real = int (*)(clockid_t, struct timespec*);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "clock_gettime"));
    const int rc = real(id, ts);
    if (rc != 0 || !monotonic(id)) return rc;
    // Taken after the real read, so a later read is never earlier.
    const std::int64_t step = std::int64_t(1 + reads.fetch_add(1) % 5) * 1000000;
    const std::int64_t ns = ts->tv_nsec + aheadNs.fetch_add(step) + step;
    ts->tv_sec += ns / 1000000000;
    ts->tv_nsec = ns % 1000000000;
    return rc;
}
