// Benchmarks of the window's share of an event: bringing the widgets up to
// date (pictures, captions, accessible names) after a turn and a tick.
#include "helpers.h"

#include "game/newgame.h"
#include "game/timer.h"
#include "game/turn.h"
#include "ui/window/form1.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using Clock = std::chrono::steady_clock;

static void Report(const char *name, std::vector<double> &ns)
{
    std::sort(ns.begin(), ns.end());
    std::printf("%-32s %9.2f us median %9.2f us p99  (%zu samples)\n", name, ns[ns.size() / 2] / 1000,
                ns[ns.size() * 99 / 100] / 1000, ns.size());
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Form1 w;
    w.show();
    QCoreApplication::processEvents();
    FixClock(w.G, 100.0f);
    std::vector<double> turnSync, tick;
    for (int round = 0; turnSync.size() < 5000; round++) {
        if (w.G.State.IsGameOver) {
            Picture1_Click(w.G);
            w.Sync();
            continue;
        }
        int16_t from, to;
        if (!FindGoodMove(w.G.State, from, to))
            continue;
        Picture5_Click(w.G, from);
        w.Sync();
        auto t0 = Clock::now();
        w.Tick(); // the selected ball blinks
        tick.push_back(std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
        Picture5_Click(w.G, to);
        t0 = Clock::now();
        w.Sync();
        turnSync.push_back(std::chrono::duration<double, std::nano>(Clock::now() - t0).count());
        if (round % 16 == 0)
            QCoreApplication::processEvents(); // let the repaints happen now and then
    }
    Report("window sync after a turn", turnSync);
    Report("window tick, ball blinking", tick);
    return 0;
}
