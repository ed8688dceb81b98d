// PCG32 with a 24-bit float conversion, so every value is exactly k / 2^24.
#include "rules/random.h"

#include <cstring>

static uint32_t Step(Random &rnd)
{
    uint64_t old = rnd.State;
    rnd.State = old * 6364136223846793005ULL + rnd.Inc;
    uint32_t xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    uint32_t rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

void Reseed(Random &rnd, float seed)
{
    // The seed's bit pattern, so that every fraction of a second gives its own
    // sequence; the standard PCG seeding then spreads it over the state.
    uint32_t bits;
    std::memcpy(&bits, &seed, sizeof bits);
    rnd.State = 0;
    rnd.Inc = (static_cast<uint64_t>(bits) << 1u) | 1u;
    Step(rnd);
    rnd.State += 0x853c49e6748fea9bULL ^ bits;
    Step(rnd);
    rnd.Drawn = 0;
}

void ScriptRandom(Random &rnd, const float *values, size_t count)
{
    rnd.Script = values;
    rnd.ScriptLen = count;
    rnd.ScriptPos = 0;
    rnd.Drawn = 0;
}

float NextRandom(Random &rnd)
{
    rnd.Drawn++;
    if (rnd.Script && rnd.ScriptPos < rnd.ScriptLen)
        return rnd.Script[rnd.ScriptPos++];
    // Only the top 24 bits: a float holds them exactly, so the value can never
    // round up to 1.0 as a full 32-bit conversion could.
    return static_cast<float>(Step(rnd) >> 8) * (1.0f / 16777216.0f);
}

int16_t RoundHalfEven(float v)
{
    int32_t i = static_cast<int32_t>(v); // towards zero, then down to the floor
    if (v < static_cast<float>(i))
        i--;
    float d = v - static_cast<float>(i); // exact for the small values the game rounds
    if (d > 0.5f || (d == 0.5f && (i & 1)))
        i++;
    return static_cast<int16_t>(i);
}
