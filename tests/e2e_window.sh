#!/usr/bin/env bash
# Plays the real quintet binary under Xvfb as a person would: real X clicks
# (xdotool), and the window's pixels read back (ImageMagick's import).
# Usage: e2e_window.sh BINARY [SCREENSHOT.png]
# With a second argument it also saves a picture of a game in progress.
set -euo pipefail
bin=$(realpath "$1")
shot=${2:-}
work=$(mktemp -d)
cleanup() {
    kill "${app:-}" "${xvfb:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/now.png" ] && cp "$work/now.png" /tmp/quintet-e2e-failure.png && echo "last frame: /tmp/quintet-e2e-failure.png" >&2
    exit 1
}

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 640x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")
QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work "$bin" >/dev/null 2>&1 &
app=$!
wid=""
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Quintet$' 2>/dev/null | head -n1 || true)
    [ -n "$wid" ] && break
    sleep 0.05
done
[ -n "$wid" ] || fail "the window never appeared"
sleep 0.3

# Docks match the window to its menu entry by the class part of WM_CLASS.
want=$(sed -n 's/^StartupWMClass=//p' "$(dirname "$0")/../resources/desktop/io.github.quintet.Quintet.desktop.in")
class=$(xprop -id "$wid" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[ -n "$want" ] && [ "$class" = "$want" ] || fail "WM_CLASS class '$class', desktop entry StartupWMClass '$want'"
echo "ok: WM_CLASS class $class, as in the desktop entry"

grab() { import -window "$wid" "$work/now.png"; }
# Colours of the given points in the last grab, one hex triple a line.
pixels() {
    local fmt="" p
    for p in "$@"; do fmt+="%[hex:p{$p}]\n"; done
    convert "$work/now.png" -format "$fmt" info: | cut -c1-6
}
click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep 0.08; }
centre() { echo "$((8 + 32 * ($1 % 9) + 14)),$((56 + 32 * ($1 / 9) + 14))"; }
click_box() { local c; c=$(centre "$1"); click "${c%,*}" "${c#*,}"; }
colour_number() {
    case $1 in
    000000) echo 0 ;; FF0000) echo 1 ;; FF8000) echo 2 ;; FFFF00) echo 3 ;;
    00FF00) echo 4 ;; 00FFFF) echo 5 ;; FF00FF) echo 6 ;; *) echo "?" ;;
    esac
}
# Reads the board into BOARD[0..80] (colour numbers); retries while a burst
# or anything else unexpected shows.
read_board() {
    local pts=() i n
    for i in $(seq 0 80); do pts+=("$(centre "$i")"); done
    for _ in $(seq 10); do
        grab
        BOARD=()
        for c in $(pixels "${pts[@]}"); do BOARD+=("$(colour_number "$c")"); done
        [[ " ${BOARD[*]} " != *"?"* ]] && return 0
        sleep 0.3
    done
    fail "unreadable board"
}
count_balls() { local n=0 v; for v in "${BOARD[@]}"; do [ "$v" != 0 ] && n=$((n + 1)); done; echo $n; }
preview() { grab; PREVIEW=(); for c in $(pixels 214,22 246,22 278,22); do PREVIEW+=("$(colour_number "$c")"); done; }
end_screen() { grab; [ "$(pixels 100,57)" = FFFF00 ]; }
message_pixels() { grab; convert "$work/now.png" -crop 273x49+16+352 +repage -fill black +opaque '#C0C000' -fill white -opaque '#C0C000' -format '%[fx:int(mean*w*h)]' info:; }

# The layout.
grab
read -r -a got <<<"$(pixels 38,60 250,4 100,405 9,57 24,16 | tr '\n' ' ')"
[ "${got[*]}" = "000080 0000FF C0C000 000000 FFFF00" ] || fail "layout pixels: ${got[*]}"
[ "$(identify -format '%wx%h' "$work/now.png")" = 304x413 ] || fail "window size"
echo "ok: layout"

read_board
[ "$(count_balls)" = 3 ] || fail "a new game shows $(count_balls) balls"
echo "ok: three balls"

# Selecting a ball makes it blink.
ball=-1
for i in $(seq 0 80); do [ "${BOARD[$i]}" != 0 ] && ball=$i && break; done
colour=${BOARD[$ball]}
click_box "$ball"
seen=""
for _ in $(seq 8); do grab; seen+=" $(colour_number "$(pixels "$(centre "$ball")")")"; sleep 0.12; done
[[ "$seen" == *" 0"* && "$seen" == *" $colour"* ]] || fail "no blink: $seen"
echo "ok: the selection blinks"

# A move: the ball goes, and three balls come in the previewed colours.
preview
want=$(printf '%s\n' "${PREVIEW[@]}" | sort | tr '\n' ' ')
before=("${BOARD[@]}")
target=-1
for i in 40 41 39 49 31 0 80; do [ "${before[$i]}" = 0 ] && target=$i && break; done
click_box "$target"
sleep 0.4
read_board
[ "${BOARD[$target]}" = "$colour" ] || fail "the ball did not arrive"
[ "$(count_balls)" = 6 ] || fail "after the move $(count_balls) balls"
new=""
for i in $(seq 0 80); do
    # The cell the ball left is free for the spawn too.
    if [ "$i" != "$target" ] && { [ "${before[$i]}" = 0 ] || [ "$i" = "$ball" ]; } && [ "${BOARD[$i]}" != 0 ]; then
        new+="${BOARD[$i]}"$'\n'
    fi
done
[ "$(printf '%s' "$new" | sort | tr '\n' ' ')" = "$want" ] || fail "spawned colours $new, previewed $want"
echo "ok: a move and a spawn in the previewed colours"

# "No Way!!!": wall in a corner with two balls, then aim another ball at it.
# A ball that can move at all has a free neighbour; movers are picked at random
# among those, so a walled-in ball is never tried twice in a row.
movable() {
    local i=$1 x=$(($1 % 9)) y=$(($1 / 9))
    { [ $x -gt 0 ] && [ "${BOARD[i - 1]}" = 0 ]; } || { [ $x -lt 8 ] && [ "${BOARD[i + 1]}" = 0 ]; } ||
        { [ $y -gt 0 ] && [ "${BOARD[i - 9]}" = 0 ]; } || { [ $y -lt 8 ] && [ "${BOARD[i + 9]}" = 0 ]; }
}
mover() { # a movable ball other than $1 and $2, or -1
    local c=() i
    for i in $(seq 0 80); do
        [ "${BOARD[$i]}" != 0 ] && [ "$i" != "$1" ] && [ "$i" != "$2" ] && movable "$i" && c+=("$i")
    done
    if [ ${#c[@]} -gt 0 ]; then echo "${c[RANDOM % ${#c[@]}]}"; else echo -1; fi
}
shows_message() { for _ in $(seq 10); do [ "$(message_pixels)" -gt 100 ] && return 0; sleep 0.1; done; return 1; }
[ "$(message_pixels)" = 0 ] || fail "the message box is not empty"
noway=0
for attempt in $(seq 30); do
    read_board
    for corner in 0 8 72 80; do
        case $corner in 0) a=1 b=9 ;; 8) a=7 b=17 ;; 72) a=73 b=63 ;; 80) a=79 b=71 ;; esac
        [ "${BOARD[$corner]}" = 0 ] || continue
        for need in $a $b; do
            if [ "${BOARD[$need]}" = 0 ]; then
                m=$(mover $a $b)
                [ "$m" = -1 ] || { click_box "$m"; click_box "$need"; sleep 0.2; }
                continue 3
            fi
        done
        m=$(mover $a $b)
        [ "$m" = -1 ] && continue
        click_box "$m"
        click_box "$corner"
        shows_message && noway=1
        break 2
    done
done
[ "$noway" = 1 ] || fail "no \"No Way!!!\" in the message box"
echo "ok: No Way!!! shows in the message box"

# Play on at random until the board fills; the end screen follows.
moves=0
while ! end_screen; do
    [ $moves -lt 200 ] || fail "the board never filled"
    read_board
    # A ball stepping to a free neighbour always has a way, so every move counts.
    m=$(mover -1 -1)
    [ "$m" != -1 ] || fail "no ball can move on a board that is not full"
    to=()
    for n in $((m - 1)) $((m + 1)) $((m - 9)) $((m + 9)); do
        [ $n -ge 0 ] && [ $n -le 80 ] && [ "${BOARD[$n]}" = 0 ] && [ $((n / 9)) = $((m / 9)) -o $((n % 9)) = $((m % 9)) ] && to+=("$n")
    done
    click_box "$m"
    click_box "${to[RANDOM % ${#to[@]}]}"
    moves=$((moves + 1))
    if [ -n "$shot" ] && [ $moves = 8 ]; then sleep 1; import -window "$wid" "$shot"; echo "wrote $shot"; fi
    sleep 0.1 # a burst left on screen is no trouble: its cells are empty
done
grab
# Below the end-screen labels, where boxes stood, only the navy background.
[ "$(pixels 150,300 20,330 280,320 | sort -u)" = 000080 ] || fail "the board still shows under the end screen"
echo "ok: the end screen after $moves moves"

# The smile starts again.
click 20 20
sleep 0.3
end_screen && fail "the end screen stayed"
read_board
[ "$(count_balls)" = 3 ] || fail "the new game shows $(count_balls) balls"
echo "ok: the smile starts a new game"
# The hand cursor as the X server shows it over the smile, read back with
# XFixes (QUINTET_X_CURSOR, built with the tests) at device pixel ratios 1,
# 1.5 and 2, each in a server and an app of its own: the image is drawn for
# the device size and the hot spot sits on the fingertip. With
# QUINTET_CURSOR_SHOTS=DIR it also saves the window with the cursor drawn in.
cursor_check() (
    reader=$QUINTET_X_CURSOR
    xv="" run=""
    trap 'kill $run $xv 2>/dev/null || true' EXIT
    exec 4>"$work/cursor-display"
    Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xv=$!
    for _ in $(seq 200); do [ -s "$work/cursor-display" ] && break; sleep 0.05; done
    [ -s "$work/cursor-display" ] || fail "the cursor test's X server never started"
    export DISPLAY=:$(cat "$work/cursor-display")
    # The box around the cursor's opaque pixels, as WxH+X+Y.
    opaque() { convert "$work/cursor.pam" -alpha extract -threshold 0 "$@" -format '%@' info:; }
    for want in "1 32 12 1" "1.5 48 18 1" "2 64 24 2"; do
        read -r ratio size hx hy <<<"$want"
        QT_SCALE_FACTOR=$ratio QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work "$bin" >/dev/null 2>&1 &
        run=$!
        w=""
        for _ in $(seq 200); do
            w=$(xdotool search --onlyvisible --name '^Quintet$' 2>/dev/null | head -n1 || true)
            [ -n "$w" ] && break
            sleep 0.05
        done
        [ -n "$w" ] || fail "ratio $ratio: the window never appeared"
        at=$(awk "BEGIN { print int(25.5 * $ratio) }") # the smile's middle, in device pixels
        got=""
        for _ in $(seq 100); do
            xdotool mousemove --window "$w" "$at" "$at"
            got=$("$reader" "$work/cursor.pam" || true)
            [ "$got" = "$size $size $hx $hy" ] && break
            sleep 0.1
        done
        [ "$got" = "$size $size $hx $hy" ] || fail "ratio $ratio: cursor (width height xhot yhot) $got, want $size $size $hx $hy"
        # Nothing of the hand above the hot spot's row, and on that row the
        # fingertip is centred on it.
        top=$(opaque)
        [ "${top##*+}" = "$hy" ] || fail "ratio $ratio: the hand's top row is ${top##*+}, the hot spot's $hy"
        read -r x0 x1 <<<"$(convert "$work/cursor.pam" -alpha extract -threshold 0 -crop "${size}x1+0+$hy" +repage txt: |
            awk -F'[,:]' '/#FFFFFF/ { if (a == "") a = $1; b = $1 } END { print a, b }')"
        [ $((x0 + x1 - 2 * hx)) -le 2 ] && [ $((2 * hx - x0 - x1)) -le 2 ] ||
            fail "ratio $ratio: the fingertip's top row runs $x0..$x1, the hot spot is at x $hx"
        if [ -n "${QUINTET_CURSOR_SHOTS:-}" ]; then
            import -window "$w" "$work/win.png"
            convert "$work/win.png" "$work/cursor.pam" -geometry "+$((at - hx))+$((at - hy))" -composite \
                "$QUINTET_CURSOR_SHOTS/cursor-$ratio.png"
        fi
        kill "$run"
        wait "$run" 2>/dev/null || true
        run=""
        echo "ok: ratio $ratio, a $size-pixel hand with its hot spot at ($hx, $hy) on the fingertip"
    done
)
# Only a run for a screenshot goes without the reader.
if [ -n "${QUINTET_X_CURSOR:-}" ]; then
    cursor_check
elif [ -z "$shot" ]; then
    fail "no cursor reader in QUINTET_X_CURSOR (tests/x_cursor needs libxfixes-dev)"
fi
echo "1 passed, 0 failed"
