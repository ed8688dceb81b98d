// libFuzzer target: the input's bytes, two per event, drive the game; the
// first four set the clock that seeds the first game.
#include "soak.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Soak s;
    uint32_t clock = 0;
    if (size >= 4) {
        std::memcpy(&clock, data, 4);
        data += 4;
        size -= 4;
    }
    StartSoak(s, static_cast<float>(clock % 8640000) / 100.0f);
    for (size_t i = 0; i + 1 < size; i += 2) {
        const QString broken = SoakEvent(s, data[i], data[i + 1]);
        if (!broken.isEmpty()) {
            std::fprintf(stderr, "event %zu: %s\n", i / 2, qPrintable(broken));
            std::abort();
        }
    }
    return 0;
}
