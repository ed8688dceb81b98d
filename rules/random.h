// The game's one random source, and the rounding rule used wherever the game
// turns a product into a whole number.
#pragma once

#include <cstddef>
#include <cstdint>

// PCG32 (O'Neill): small, fast and well studied. A test may lay a script of
// values over it; those are served first, then the generator takes over.
struct Random {
    uint64_t State;
    uint64_t Inc;
    const float *Script; // scripted values, or null
    size_t ScriptLen;
    size_t ScriptPos;
    uint64_t Drawn; // values served since the last reseed or script
};

// Starts a new sequence from a seed (the new game gives the time of day).
void Reseed(Random &rnd, float seed);

// Lays a scripted sequence over the generator and resets the count.
void ScriptRandom(Random &rnd, const float *values, size_t count);

// The next value, uniform in [0, 1) and never 1.
float NextRandom(Random &rnd);

// Nearest whole number, halves to the even neighbour (0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2), independent of the floating-point environment.
int16_t RoundHalfEven(float v);
