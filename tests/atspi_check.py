"""The game through a real AT-SPI client, as a screen reader reads and plays it.

  atspi_check.py play PID ORCA_LOG   tree, a move and two refused moves by Press
                                     actions, their events, and Orca's speech
  atspi_check.py german PID ORCA_LOG a press heard in German, and R on a
                                     Russian keyboard layout
  atspi_check.py chinese PID ORCA_LOG a move, R, X and I heard in Chinese
  atspi_check.py places PID RATIO    extents against X's own geometry, and a
                                     real click at a cell's reported centre
  atspi_check.py orca LOG            runs Orca with a line-buffered debug log
"""
import re
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

WAIT = 60  # seconds: the machine may be busy with other builds
warnings.simplefilter("ignore", DeprecationWarning)  # get_action_name: its successor is not in 2.46


def fail(msg):
    print("FAIL:", msg, file=sys.stderr)
    sys.exit(1)


def pump(until, timeout=WAIT):
    """Delivers AT-SPI events until until() holds; False on a time-out."""
    ctx = GLib.MainContext.default()
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        while ctx.pending():
            ctx.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return False


def find_app(pid):
    found = []

    def look():
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app and app.get_process_id() == pid and app.get_child_count() > 0:
                found.append(app)
                return True
        return False

    if not pump(look):
        fail("the game never appeared on the accessibility bus")
    app = found[0]
    app.set_cache_mask(Atspi.Cache.NONE)  # read names as they are now
    return app


def children(obj):
    return [obj.get_child_at_index(i) for i in range(obj.get_child_count())]


def text_of(obj):
    """The text of a label or notification; the account has a name only."""
    return obj.get_text(0, -1) if obj.get_text_iface() else obj.get_name()


def frame_parts(app):
    frame = app.get_child_at_index(0)
    if frame.get_role() != Atspi.Role.FRAME or frame.get_name() != "Quintet":
        fail("top level is [%s | %s], not [frame | Quintet]" % (frame.get_role_name(), frame.get_name()))
    parts = {}
    for c in children(frame):
        parts.setdefault(c.get_role(), []).append(c)
    return frame, parts


CELL = re.compile(r"Row (\d), column (\d): (empty|(\w+) ball)(, selected)?$")


def read_board(table, cell=CELL):
    """board[(row, column)] = colour or None, both counted from 1."""
    board = {}
    for r in range(9):
        for c in range(9):
            m = cell.match(table.get_accessible_at(r, c).get_name())
            if not m or (int(m.group(1)), int(m.group(2))) != (r + 1, c + 1):
                fail("cell %d,%d reads %r" % (r, c, table.get_accessible_at(r, c).get_name()))
            board[(r + 1, c + 1)] = m.group(4)
    return board


def neighbours(p):
    r, c = p
    return [q for q in ((r - 1, c), (r + 1, c), (r, c - 1), (r, c + 1)) if 1 <= q[0] <= 9 and 1 <= q[1] <= 9]


def reachable(board, src, dst):
    seen, todo = {src}, [src]
    while todo:
        for q in neighbours(todo.pop()):
            if q == dst:
                return True
            if q not in seen and board[q] is None:
                seen.add(q)
                todo.append(q)
    return False


def press(table, p):
    table.get_accessible_at(p[0] - 1, p[1] - 1).do_action(0)


def wall_a_corner(table, press):
    """Moves balls next to an empty corner until no ball can reach it."""
    for _ in range(40):
        board = read_board(table)
        for corner in ((1, 1), (1, 9), (9, 1), (9, 9)):
            if board[corner] is not None:
                continue
            gaps = [q for q in neighbours(corner) if board[q] is None]
            if not gaps:
                return corner
            walls = set(neighbours(corner))
            moves = [(s, gaps[0]) for s in board if board[s] and s not in walls and reachable(board, s, gaps[0])]
            if moves:
                press(moves[0][0])
                press(moves[0][1])
                break
        else:
            fail("no corner can be walled")
    fail("no corner walled in 40 moves")


def check_tree(app, show=False):
    frame, parts = frame_parts(app)
    if show:
        print("tree:")
        print("  [frame | %s]" % frame.get_name())
    for c in children(frame) if show else []:
        line = "    [%s | %s]" % (c.get_role_name(), c.get_name())
        if c.get_role() == Atspi.Role.TABLE:
            line += " %d x %d" % (c.get_n_rows(), c.get_n_columns())
        print(line)
        for g in children(c)[:2] if c.get_role() == Atspi.Role.TABLE else children(c):
            print("      [%s | %s] actions %s" % (g.get_role_name(), g.get_name(), Atspi.Action.get_action_name(g, 0) if g.get_n_actions() else "-"))
    tables = parts.get(Atspi.Role.TABLE, [])
    if len(tables) != 1 or tables[0].get_n_rows() != 9 or tables[0].get_n_columns() != 9:
        fail("no 9 x 9 table")
    table = tables[0]
    if table.get_child_count() != 81:
        fail("the table has %d children" % table.get_child_count())
    for r, c in ((0, 0), (3, 7), (8, 8)):
        cell = table.get_accessible_at(r, c)
        # Qt 6.4's bridge has no TableCell interface: the table says where a cell is.
        i = cell.get_index_in_parent()
        pos = (table.get_row_at_index(i), table.get_column_at_index(i), table.get_index_at(r, c) == i)
        if cell.get_role() != Atspi.Role.TABLE_CELL or pos != (r, c, True):
            fail("cell %d,%d: role %s, position %s" % (r, c, cell.get_role_name(), pos))
        if Atspi.Action.get_action_name(cell, 0).lower() != "press" or cell.get_parent().get_role() != Atspi.Role.TABLE:
            fail("cell %d,%d has no press action or is outside the table" % (r, c))
    read_board(table)
    buttons = [b.get_name() for b in parts.get(Atspi.Role.PUSH_BUTTON, [])]
    previews = [p.get_name() for p in parts.get(Atspi.Role.IMAGE, [])]
    if buttons != ["Start New Game"]:
        fail("buttons outside the table: %s" % buttons)
    if len(previews) != 3 or not all(re.match(r"Next ball \d: \w+$", p) for p in previews):
        fail("previews: %s" % previews)
    labels = [x for x in children(frame) if x.get_role() == Atspi.Role.LABEL]
    score = [x for x in labels if x.get_description() == "Score"]
    if not score or text_of(score[0]) != score[0].get_name() or not text_of(score[0]).isdigit():
        fail("the score has no text")
    if (table.get_row_description(0), table.get_column_description(8)) != ("Row 1", "Column 9"):
        fail("row and column descriptions: %r, %r" % (table.get_row_description(0), table.get_column_description(8)))
    bars = parts.get(Atspi.Role.STATUS_BAR, [])
    notes = children(bars[0]) if bars else []
    if len(notes) != 2 or any(n.get_role() != Atspi.Role.NOTIFICATION for n in notes):
        fail("no message and account notifications in a status bar")
    return frame, table, score[0], notes[0]


class Ear:
    """What Orca says, from its debug log, against what it should say: every
    message and every account once for each time the game gives it."""

    def __init__(self, log):
        self.log, self.want, self.said = log, {}, []

    SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)'(\{.*\})?$")  # the text, then the voice

    def read(self):
        with open(self.log, errors="replace") as f:
            self.said = [m.group(1) for m in map(self.SPOKEN.search, f) if m]
        return self.said

    def count(self, text):
        return self.read().count(text)

    def expect(self, text):
        """Waits until Orca has said text once more than before."""
        self.want[text] = self.want.get(text, 0) + 1
        if not pump(lambda: self.count(text) >= self.want[text]):
            fail("Orca did not say %r (%d times); it said: %s" % (text, self.want[text], self.said[-12:]))

    def since(self, mark):
        return self.read()[mark:]

    def check_counts(self):
        pump(lambda: False, 1)  # anything late would be said by now
        for text, n in sorted(self.want.items()):
            if self.count(text) != n:
                fail("Orca said %r %d times, not %d" % (text, self.count(text), n))
        if any(re.match(r"(notification )?$", line) for line in self.read()):
            fail("Orca spoke an empty notification")


def key(*names):
    """Keys as a person types them: XTEST, into the window that has the focus."""
    subprocess.run(["xdotool", "key", "--delay", "40"] + list(names), check=True)


def focused(table):
    for i in range(81):
        if table.get_accessible_at(i // 9, i % 9).get_state_set().contains(Atspi.StateType.FOCUSED):
            return (i // 9 + 1, i % 9 + 1)
    return None


def go(table, to):
    at = focused(table)
    dr, dc = to[0] - at[0], to[1] - at[1]
    steps = ["Down" if dr > 0 else "Up"] * abs(dr) + ["Right" if dc > 0 else "Left"] * abs(dc)
    if steps:
        key(*steps)
    if not pump(lambda: focused(table) == to):
        fail("the arrows from %s did not reach %s but %s" % (at, to, focused(table)))


def space_and_hear(account, ear, before):
    """Presses the focused cell with Space and waits for its account."""
    key("space")
    if not pump(lambda: account.get_name() != before):
        fail("no account after Space (still %r)" % before)
    ear.expect(account.get_name())
    return account.get_name()


def press_and_hear(table, p, account, ear):
    press(table, p)
    if account.get_name():
        ear.expect(account.get_name())


MOVE = re.compile(r"(\w+) ball to row (\d), column (\d)\.(?: New balls: (.*?)\.)?( Cleared [^.]*\.)?"
                  r"(?: Next: \w+, \w+, \w+\.)?(?: Score \d+\.)?$")


def play(pid, orca_log):
    events = []

    def heard(e):
        events.append((e.type, e.source.get_role_name(), e.detail1, text_of(e.source) if e.source.get_role() in
                       (Atspi.Role.NOTIFICATION, Atspi.Role.LABEL) else ""))

    listener = Atspi.EventListener.new(heard)
    for kind in ("object:state-changed:showing", "object:text-changed", "window:activate"):
        listener.register(kind)
    app = find_app(pid)
    frame, table, score, message = check_tree(app, True)
    account = message.get_parent().get_child_at_index(1)
    ear = Ear(orca_log)

    # Focus, as a window manager gives it: the frame says it is active, and
    # the board's first cell has the keyboard focus.
    subprocess.run(["xdotool", "windowfocus", window_id(pid)], check=True)
    if not pump(lambda: ("window:activate", "frame", 0, "") in events):
        fail("no window:activate from the frame; events: %s" % events)
    print("window:activate from [frame | %s]" % frame.get_name())
    if not pump(lambda: focused(table) == (1, 1)):
        fail("the focus is not on row 1, column 1 at the start but on %s" % (focused(table),))

    # A move by Press actions alone: select a ball, press a free cell it reaches.
    board = read_board(table)
    src = next(p for p in sorted(board) if board[p])
    dst = next(p for p in sorted(board) if board[p] is None and reachable(board, src, p))
    press_and_hear(table, src, account, ear)
    if not table.get_accessible_at(src[0] - 1, src[1] - 1).get_name().endswith(", selected"):
        fail("a pressed ball does not read as selected")
    press_and_hear(table, dst, account, ear)
    after = read_board(table)
    if after[dst] != board[src] and text_of(score) == "0":  # moved, or burst in a line and scored
        fail("the move did not happen")
    print("moved %s from %s to %s by Press actions" % (board[src], src, dst))

    # By keys alone: Tab to the smile and back into the board, three arrows.
    transcript = len(ear.read())
    key("Tab")
    if not pump(lambda: focused(table) is None):
        fail("Tab did not leave the board")
    mark = len(ear.read())
    key("Tab")
    if not pump(lambda: focused(table) == (1, 1)):
        fail("Tab did not come back to row 1, column 1")
    # Orca names the table, then reads the row; each arrow waits for it to
    # finish, so that no focus is dropped for the next one.
    last = table.get_accessible_at(0, 8).get_name()
    if not pump(lambda: "Board." in ear.since(mark) and any(last in line for line in ear.since(mark))):
        fail("Tab into the board: Orca said %s" % ear.since(mark))
    for arrow, to in (("Right", (1, 2)), ("Down", (2, 2)), ("Left", (2, 1))):
        mark = len(ear.read())
        key(arrow)
        name = table.get_accessible_at(to[0] - 1, to[1] - 1).get_name()
        if not pump(lambda: focused(table) == to and any(name in line for line in ear.since(mark))):
            fail("after %s Orca did not say %r; it said: %s" % (arrow, name, ear.since(mark)))
        if arrow == "Down":  # the whole new row, to its end
            end = table.get_accessible_at(1, 8).get_name()
            pump(lambda: any(end in line for line in ear.since(mark)))

    # A move by keys: to a ball, Space; to a free cell it reaches, Space.
    board = read_board(table)
    src = next(p for p in sorted(board) if board[p])
    dst = next(p for p in sorted(board, reverse=True) if board[p] is None and reachable(board, src, p))
    go(table, src)
    said = space_and_hear(account, ear, account.get_name())
    if said != "%s ball picked up at row %d, column %d." % (board[src].capitalize(), src[0], src[1]):
        fail("the account of a ball picked up: %r" % said)
    key("space")  # picked up again: the same account, spoken again
    ear.expect(said)
    go(table, dst)
    said = space_and_hear(account, ear, said)
    m = MOVE.match(said)
    after = read_board(table)
    if not m or (m.group(1).lower(), int(m.group(2)), int(m.group(3))) != (board[src], dst[0], dst[1]):
        fail("the account of the move: %r" % said)
    for ball in (m.group(4) or "").split("; ") if not m.group(5) else []:
        colour, r, c = re.match(r"(\w+) at row (\d), column (\d)$", ball).groups()
        if after[(int(r), int(c))] != colour or board[(int(r), int(c))] is not None and (int(r), int(c)) != src:
            fail("the account names %s, the board holds %s there" % (ball, after[(int(r), int(c))]))
    if not m.group(4) and not m.group(5):
        fail("the move brought no new balls and cleared nothing: %r" % said)
    print("Orca said, from Tab into the board to the move by keys:")
    for line in ear.since(transcript):
        print("  " + line)

    # A reader's grab-focus puts the game's focus on a ball; its colour's key
    # asks where that colour's balls are, and Orca says it.
    board = read_board(table)
    at = next(p for p in sorted(board, reverse=True) if board[p])
    if not table.get_accessible_at(at[0] - 1, at[1] - 1).grab_focus() or not pump(lambda: focused(table) == at):
        fail("grab-focus did not put the focus on %s but on %s" % (at, focused(table)))
    colour = board[at]
    mark = len(ear.read())
    key(colour[0])  # r, o, y, g, c, m
    cells = [p for p in sorted(board) if board[p] == colour]
    ear.expect("%s %s: %s." % (colour.capitalize(), "ball" if len(cells) == 1 else "balls",
                               "; ".join("row %d, column %d" % p for p in cells)))
    print("grab-focus on %s, then %s: Orca said %s" % (at, colour[0].upper(), ear.since(mark)))

    # Two refusals by keys, as a person makes them: the second after Orca
    # spoke the first (Orca drops an event when the same one follows in its
    # queue); then a move that empties the message.
    corner = wall_a_corner(table, lambda p: press_and_hear(table, p, account, ear))
    board = read_board(table)
    far = next(p for p in sorted(board) if board[p] and p not in neighbours(corner))
    go(table, far)
    space_and_hear(account, ear, account.get_name())
    go(table, corner)
    start, mark = len(events), len(ear.read())
    for n in (1, 2):
        key("space")
        shown = lambda: sum(e[0] == "object:state-changed:showing" and e[2] == 1 for e in events[start:]) >= n  # noqa: E731
        if not pump(shown):
            fail("no showing event for the message; events: %s" % events)
        if text_of(message) != "No Way!!!":
            fail("the message reads %r" % text_of(message))
        ear.expect("No Way!!!")
    told = len(events)
    key("l")  # what the last press made heard: the refusal, not the ball picked up before it
    ear.expect("No Way!!!")
    print("Orca said at two refused moves and L: %s" % ear.since(mark))
    gap = next(p for p in sorted(board) if board[p] is None and p != corner and reachable(board, far, p))
    press_and_hear(table, gap, account, ear)
    if not pump(lambda: text_of(message) == ""):
        fail("a move did not empty the message")
    pump(lambda: False, 1)
    print("events at two refused moves and the move after them:")
    for e in events[start:]:
        print("  %s from [%s] detail %d text %r" % e)
    if any(e[:3] == ("object:state-changed:showing", "notification", 1) and not e[3] for e in events):
        fail("an empty message was shown")
    shown = [e for e in events[start:told]
             if e[0] == "object:state-changed:showing" and e[1] == "notification" and e[2] == 1]
    if [e[3] for e in shown if e[3] == "No Way!!!"] != ["No Way!!!"] * 2:
        fail("the notification was not shown once for each refusal")
    if not any(e[0].startswith("object:text-changed:insert") and e[3] == "No Way!!!" for e in events[start:]):
        fail("no text-changed event for the message")
    ear.check_counts()
    print("Orca said each message and account as often as the game gave it: %d texts" % sum(ear.want.values()))


GERMAN_CELL = re.compile(r"Zeile (\d), Spalte (\d): (leer|(\w+) Kugel)(, .*)?$")


def german(pid, orca_log):
    """The game with LANGUAGE=de: the account of a press is heard in German,
    and with a Russian keyboard layout active, the key that carries R in the
    Latin layout asks for the red balls."""
    app = find_app(pid)
    frame, parts = frame_parts(app)
    table = parts[Atspi.Role.TABLE][0]
    ear = Ear(orca_log)
    cells = {(r + 1, c + 1): GERMAN_CELL.match(table.get_accessible_at(r, c).get_name())
             for r in range(9) for c in range(9)}
    if not all(cells.values()):
        fail("cells in German: %s" % [table.get_accessible_at(r, c).get_name() for r in range(9) for c in range(9)])
    src = next(p for p in sorted(cells) if cells[p].group(4))
    mark = len(ear.read())
    press(table, src)
    ear.expect("%s Kugel in Zeile %d, Spalte %d aufgenommen." % (cells[src].group(4).capitalize(), src[0], src[1]))
    reds = ["Zeile %d, Spalte %d" % p for p in sorted(cells) if cells[p].group(4) == "rote"]
    subprocess.run(["setxkbmap", "-layout", "ru,us"], check=True)
    subprocess.run(["xdotool", "windowfocus", window_id(pid)], check=True)
    key("Cyrillic_ka")  # the key of R
    ear.expect("Keine roten Kugeln." if not reds else
               "%s: %s." % ("Rote Kugel" if len(reds) == 1 else "Rote Kugeln", "; ".join(reds)))
    subprocess.run(["setxkbmap", "-layout", "us"], check=True)
    print("in German, a ball picked up and R on a Russian layout: Orca said %s" % ear.since(mark))


CHINESE_CELL = re.compile(r"第(\d)行第(\d)列：(空|(\w+?)球)(，已选中)?$")


def chinese(pid, orca_log):
    """The game and Orca in the Chinese locale: a move, R, X and I are heard
    in Chinese, as the game words them, with no Latin letter."""
    app = find_app(pid)
    frame, parts = frame_parts(app)
    table = parts[Atspi.Role.TABLE][0]
    account = children(parts[Atspi.Role.STATUS_BAR][0])[1]
    ear = Ear(orca_log)
    mark = len(ear.read())
    subprocess.run(["xdotool", "windowfocus", window_id(pid)], check=True)
    board = read_board(table, CHINESE_CELL)
    src = next(p for p in sorted(board) if board[p])
    dst = next(p for p in sorted(board) if board[p] is None and reachable(board, src, p))
    heard = []

    def hear(act, want):
        before = account.get_name()
        act()
        if not pump(lambda: account.get_name() != before):
            fail("no account (still %r)" % before)
        said = account.get_name()
        if not re.match(want, said) or re.search(r"[A-Za-z]", said):
            fail("the game said %r, not %r in Chinese" % (said, want))
        ear.expect(said)
        heard.append(said)
        return said

    hear(lambda: press(table, src), "拿起第%d行第%d列的%s球。$" % (src + (board[src],)))
    hear(lambda: press(table, dst), "%s球移到第%d行第%d列。" % ((board[src],) + dst))
    board = read_board(table, CHINESE_CELL)
    reds = ["第%d行第%d列" % p for p in sorted(board) if board[p] == "红"]
    hear(lambda: key("r"), "红球：%s。$" % "；".join(reds) if reds else "没有红球。$")
    at = focused(table)
    hear(lambda: key("x"), "第%d行：.*。第%d列：.*。从第\\d行第\\d列向右下的斜线：.*。从第\\d行第\\d列向右上的斜线：.*。$" % at)
    hear(lambda: key("i"), "得分：\\d+。%d个空格。下一批：\\w+、\\w+、\\w+。$" % list(board.values()).count(None))
    ear.check_counts()
    with open(orca_log, errors="replace") as f:
        if not re.search(r"SD rate .*, language zh", f.read()):
            fail("Orca did not ask its speech for Chinese")
    print("in Chinese, Orca said: %s" % " | ".join(heard))


def window_id(pid):
    out = subprocess.run(["xdotool", "search", "--pid", str(pid), "--onlyvisible", "--name", "^Quintet$"],
                         capture_output=True, text=True).stdout.split()
    if not out:
        fail("X shows no window of the game")
    return out[0]


def places(pid, ratio):
    app = find_app(pid)
    frame, table, score, message = check_tree(app)
    wid = window_id(pid)
    # Off the origin by an odd number of device pixels, as a window manager
    # may place it: half a logical pixel at ratio 2.
    subprocess.run(["xdotool", "windowmove", wid, "21", "13"], check=True)
    if not pump(lambda: frame.get_extents(Atspi.CoordType.SCREEN).x != 0):
        fail("the window did not move")
    info = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True).stdout
    field = lambda name: int(re.search(name + r":\s+(-?\d+)", info).group(1))  # noqa: E731
    wx, wy, ww, wh = field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height")

    def expect(obj, x, y, w, h, what):
        e = obj.get_extents(Atspi.CoordType.SCREEN)
        want = (wx + round(x * ratio), wy + round(y * ratio), round(w * ratio), round(h * ratio))
        if (e.x, e.y, e.width, e.height) != want:
            fail("%s at ratio %s: reported %s, on the screen %s" % (what, ratio, (e.x, e.y, e.width, e.height), want))

    print("ratio %s: X has the window at (%d, %d) %d x %d" % (ratio, wx, wy, ww, wh))
    expect(frame, 0, 0, 304, 413, "the frame")
    for i in range(81):
        expect(table.get_accessible_at(i // 9, i % 9), 8 + 32 * (i % 9), 56 + 32 * (i // 9), 30, 30, "cell %d" % i)
    expect(score, 48, 8, 137, 38, "the score")
    expect(message, 16, 352, 273, 49, "the message")
    e = table.get_accessible_at(0, 0).get_extents(Atspi.CoordType.SCREEN)
    print("row 1 column 1 reported at (%d, %d) %d x %d" % (e.x, e.y, e.width, e.height))

    # A pointer click at the reported centre of a ball's cell selects it.
    board = read_board(table)
    r, c = next(p for p in sorted(board) if board[p])
    cell = table.get_accessible_at(r - 1, c - 1)
    e = cell.get_extents(Atspi.CoordType.SCREEN)
    subprocess.run(["xdotool", "mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2), "click", "1"], check=True)
    if not pump(lambda: cell.get_name().endswith(", selected")):
        fail("a click at the reported centre of %s did not select it" % cell.get_name())
    print("a click at the reported centre selected: %s" % cell.get_name())


def run_orca(log):
    """Orca's own launcher, with its log written line by line (it may be
    killed before it closes the file) and under its own process name, so that
    another Orca on the machine neither stops it nor is stopped by it."""
    import builtins

    source = open("/usr/bin/orca").read()
    scope = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
    exec(compile(source, "/usr/bin/orca", "exec"), scope)

    def line_open(file, mode="r", *args, **kw):
        if file == log:
            return builtins.open(file, mode, 1)
        return builtins.open(file, mode, *args, **kw)

    scope["open"] = line_open
    scope["setProcessName"] = lambda name: None
    scope["otherOrcas"] = lambda: []
    sys.argv = ["orca", "--debug", "--debug-file=" + log]
    sys.exit(scope["main"]())


if __name__ == "__main__":
    if sys.argv[1] == "orca":
        run_orca(sys.argv[2])
    Atspi.init()
    if sys.argv[1] == "play":
        play(int(sys.argv[2]), sys.argv[3])
    elif sys.argv[1] == "german":
        german(int(sys.argv[2]), sys.argv[3])
    elif sys.argv[1] == "chinese":
        chinese(int(sys.argv[2]), sys.argv[3])
    else:
        places(int(sys.argv[2]), float(sys.argv[3]))
    print("ok")
