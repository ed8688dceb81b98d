// The long soak, run on demand: soak_long [events] [seed]. Prints its seed,
// what it reached, and events per second; exits 1 at the first broken
// invariant, naming the event.
#include "soak.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char **argv)
{
    const uint64_t events = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10000000;
    const uint32_t seed = argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10))
                                   : static_cast<uint32_t>(std::time(nullptr) % 1000000);
    std::printf("seed %u, %llu events\n", seed, static_cast<unsigned long long>(events));
    static Soak s;
    StartSoak(s, static_cast<float>(seed % 86400));
    Random bytes{};
    Reseed(bytes, static_cast<float>(seed));
    const auto t0 = std::chrono::steady_clock::now();
    for (uint64_t e = 0; e < events; e++) {
        const auto kind = static_cast<uint8_t>(NextRandom(bytes) * 256);
        const auto where = static_cast<uint8_t>(NextRandom(bytes) * 256);
        const QString broken = SoakEvent(s, kind, where);
        if (!broken.isEmpty()) {
            std::printf("FAIL: seed %u, event %llu: %s\n", seed, static_cast<unsigned long long>(e),
                        qPrintable(broken));
            return 1;
        }
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("%s\n%.0f events per second (%.1f s)\n", qPrintable(DescribeReached(s.R)), events / secs, secs);
    return ReachedAll(s.R) ? 0 : 1;
}
