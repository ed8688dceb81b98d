// The event driver: each byte pair an event, then the invariants checked.
#include "soak.h"

#include "game/newgame.h"
#include "game/timer.h"
#include "game/turn.h"
#include "helpers.h"

// Cells whose burst still shows: marked, with no ball in them.
static int16_t OpenBurstCells(const GameState &st)
{
    int16_t n = 0;
    for (int16_t x = 1; x <= 9; x++)
        for (int16_t y = 1; y <= 9; y++)
            n += st.Marked(x, y) == -1 && st.Board(x, y) == 0;
    return n;
}

static void Click(Soak &s, int16_t box)
{
    GameState &st = s.G.State;
    const int16_t wasSelected = st.Selected, score = st.Score, pending = st.ClearPending;
    int16_t x, y;
    CellXY(box, x, y);
    const bool intoBurst = st.Board(x, y) == 0 && st.Marked(x, y) == -1;
    const int16_t burstCellsBefore = OpenBurstCells(st);
    Picture5_Click(s.G, box);
    Reached &r = s.R;
    if (wasSelected == 0 && st.Selected == -1)
        r.Selections++;
    if (s.G.View.MessageCaption == QStringLiteral("No Way!!!"))
        r.Refused++;
    if (wasSelected == -1 && st.Selected == 0) {
        r.Moves++;
        r.MovesIntoBurst += intoBurst;
        if (st.Score > score) {
            r.Clears++;
            r.ClearsDuringCountdown += pending == -1;
        } else if (burstCellsBefore > 0) {
            // The spawn filled some burst cell.
            r.SpawnsIntoBurst += OpenBurstCells(st) < burstCellsBefore - (intoBurst ? 1 : 0);
        }
        r.SpawnsEndingGame += st.IsGameOver == -1;
        r.Bonuses += s.G.View.MessageCaption == QStringLiteral("Bonus!!!");
    }
}

static void ClickSmile(Soak &s)
{
    s.R.NewGamesMidCountdown += s.G.State.ClearPending == -1;
    s.R.NewGamesFromEndScreen += s.G.State.IsGameOver == -1;
    Picture1_Click(s.G);
    s.LastScore = 0;
}

void StartSoak(Soak &s, float clock)
{
    InitTestGame(s.G, clock);
    Form_Load(s.G);
    s.R = Reached{};
    s.LastScore = 0;
}

QString SoakEvent(Soak &s, uint8_t kind, uint8_t where)
{
    GameState &st = s.G.State;
    s.R.Events++;
    kind %= 32;
    if (kind < 8) {
        Timer1_Timer(s.G);
    } else if ((kind == 31 && (where < 4 || (st.ClearPending == -1 && where < 64))) || st.IsGameOver == -1) {
        // On the end screen the cell boxes are hidden: only the smile works.
        // During play the smile is rare, so that boards fill up.
        if (st.IsGameOver == 0 || where < 64)
            ClickSmile(s);
        else
            Timer1_Timer(s.G);
    } else if (kind == 31) {
        Timer1_Timer(s.G);
    } else if (kind < 20) {
        Click(s, static_cast<int16_t>(where % 81));
    } else if (kind < 25) {
        // The where-th ball, or the where-th empty cell, counted in box order.
        const bool ball = kind < 23;
        int16_t n = 0, box = -1;
        for (int16_t i = 0; i <= 80; i++) {
            int16_t x, y;
            CellXY(i, x, y);
            if ((st.Board(x, y) != 0) == ball)
                n++;
        }
        for (int16_t i = 0, k = 0; n && i <= 80; i++) {
            int16_t x, y;
            CellXY(i, x, y);
            if ((st.Board(x, y) != 0) == ball && k++ == where % n)
                box = i;
        }
        if (box >= 0)
            Click(s, box);
    } else if (kind < 27) {
        // Aim at a burst cell while its countdown runs.
        for (int16_t i = static_cast<int16_t>(where % 81), tries = 0; tries < 81; tries++, i = (i + 1) % 81) {
            int16_t x, y;
            CellXY(i, x, y);
            if (st.Marked(x, y) == -1 && st.Board(x, y) == 0) {
                Click(s, i);
                break;
            }
        }
    } else {
        int16_t from, to;
        if (FindGoodMove(st, from, to)) {
            Click(s, from);
            QString broken = CheckInvariants(s.G);
            if (!broken.isEmpty())
                return broken;
            Click(s, to);
        }
    }
    if (st.Score < s.LastScore)
        return QStringLiteral("the score fell from %1 to %2").arg(s.LastScore).arg(st.Score);
    s.LastScore = st.Score;
    return CheckInvariants(s.G);
}

QString DescribeReached(const Reached &r)
{
    return QStringLiteral("%1 events: %2 selections, %3 refused, %4 moves, %5 clears (%6 during a countdown), "
                          "%7 moves and %8 spawns into burst cells, %9 games ended by a spawn, "
                          "%10 new games mid-countdown, %11 from the end screen, %12 bonuses")
        .arg(r.Events)
        .arg(r.Selections)
        .arg(r.Refused)
        .arg(r.Moves)
        .arg(r.Clears)
        .arg(r.ClearsDuringCountdown)
        .arg(r.MovesIntoBurst)
        .arg(r.SpawnsIntoBurst)
        .arg(r.SpawnsEndingGame)
        .arg(r.NewGamesMidCountdown)
        .arg(r.NewGamesFromEndScreen)
        .arg(r.Bonuses);
}

bool ReachedAll(const Reached &r)
{
    return r.Selections && r.Refused && r.Moves && r.Clears && r.ClearsDuringCountdown && r.MovesIntoBurst &&
           r.SpawnsIntoBurst && r.SpawnsEndingGame && r.NewGamesMidCountdown && r.NewGamesFromEndScreen && r.Bonuses;
}
