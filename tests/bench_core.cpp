// Benchmarks of the game core (not tests: nothing here is timed against a
// limit). Prints the median and the 99th percentile of each operation.
#include "helpers.h"

#include "game/newgame.h"
#include "game/timer.h"
#include "game/turn.h"
#include "rules/path.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using Clock = std::chrono::steady_clock;

static void Report(const char *name, std::vector<double> &ns)
{
    if (ns.empty()) {
        std::printf("%-32s no samples\n", name);
        return;
    }
    std::sort(ns.begin(), ns.end());
    double median = ns[ns.size() / 2];
    double p99 = ns[std::min(ns.size() - 1, ns.size() * 99 / 100)];
    std::printf("%-32s %9.2f us median %9.2f us p99  (%zu samples)\n", name, median / 1000, p99 / 1000, ns.size());
}

template <class F> static double Time(F &&f)
{
    auto t0 = Clock::now();
    f();
    return std::chrono::duration<double, std::nano>(Clock::now() - t0).count();
}

// The worst board for the search: a serpentine corridor from the bottom
// right whose long runs go leftwards, the direction the scan takes a pass
// per step for.
static void FindPathWorstCase()
{
    static Game g;
    InitTestGame(g);
    SetBoard(g, {".........", "11111111.", ".........", ".11111111", ".........", "11111111.", ".........", ".11111111",
                 "........2"});
    std::vector<double> ns;
    int16_t found = 0;
    for (int i = 0; i < 20000; i++)
        ns.push_back(Time([&] { FindPath(g.State.Board, 9, 9, 9, 1, found); }));
    if (found != -1)
        std::printf("the corridor is blocked\n");
    Report("FindPath, serpentine corridor", ns);
}

// Plays many games with the tests' player and times each kind of event.
static void PlayedEvents()
{
    static Game g;
    InitTestGame(g, 3600.0f);
    Form_Load(g);
    Random pick{};
    Reseed(pick, 7.0f);
    std::vector<double> turn, clearTurn, tick, blinkTick, newGame;
    for (int event = 0; turn.size() < 20000 || clearTurn.size() < 2000; event++) {
        if (g.State.IsGameOver) {
            FixClock(g, static_cast<float>(event % 86400));
            newGame.push_back(Time([&] { Picture1_Click(g); }));
            continue;
        }
        float r = NextRandom(pick);
        if (r < 0.3f) {
            tick.push_back(Time([&] { Timer1_Timer(g); }));
            continue;
        }
        int16_t from, to;
        if (!FindGoodMove(g.State, from, to))
            continue;
        Picture5_Click(g, from);
        if (NextRandom(pick) < 0.5f)
            blinkTick.push_back(Time([&] { Timer1_Timer(g); }));
        int16_t before = g.State.Score;
        double t = Time([&] { Picture5_Click(g, to); });
        (g.State.Score > before ? clearTurn : turn).push_back(t);
    }
    Report("turn without a clear (+spawn)", turn);
    Report("turn with a clear and burst", clearTurn);
    Report("tick, ball blinking", blinkTick);
    Report("tick, nothing blinking", tick);
    Report("new game", newGame);
}

int main()
{
    FindPathWorstCase();
    PlayedEvents();
    return 0;
}
