#!/usr/bin/env bash
# The real binary as a screen reader meets it: under Xvfb, on a private D-Bus
# session bus with its own AT-SPI bus, read and played by a real AT-SPI client
# (atspi_check.py), with Orca running headless beside it; then the reported
# places at device pixel ratios 2 and 1.5 against X's own geometry.
# Usage: atspi_check.sh BINARY
set -euo pipefail
bin=$(realpath "$1")
client=$(dirname "$(realpath "$0")")/atspi_check.py
work=$(mktemp -d)
pids=()
# A process and all it started, children first, by PID.
tree() {
    local c
    for c in $(ps -o pid= --ppid "$1" 2>/dev/null); do tree "$c"; done
    echo "$1"
}
# Stops the given PIDs and their children: TERM, then KILL for what stays.
stop() {
    local all=() p alive keep=()
    for p in "$@"; do mapfile -t -O "${#all[@]}" all < <(tree "$p"); done
    kill "${all[@]}" 2>/dev/null || true
    for _ in $(seq 50); do
        alive=0
        for p in "${all[@]}"; do kill -0 "$p" 2>/dev/null && alive=1; done
        [ $alive = 0 ] && break
        sleep 0.1
    done
    [ $alive = 0 ] || kill -9 "${all[@]}" 2>/dev/null || true
    for p in "${pids[@]}"; do [[ " $* " == *" $p "* ]] || keep+=("$p"); done
    pids=("${keep[@]}")
}
cleanup() {
    local rev=() i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do rev+=("${pids[i]}"); done
    [ ${#rev[@]} -eq 0 ] || stop "${rev[@]}"
    [ -n "${keep_logs:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    keep_logs=1
    echo "logs kept in $work" >&2
    exit 1
}
# Waits for a file to have content; FILE and what it stands for.
await() { for _ in $(seq 600); do [ -s "$1" ] && return 0; sleep 0.1; done; fail "no $2"; }

mkdir -p "$work/home" "$work/locale" "$work/run" "$work/config" "$work/data" "$work/cache" "$work/speech"
chmod 700 "$work/run"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
await "$work/display" "X display"
export DISPLAY=:$(cat "$work/display")

dbus-daemon --session --nofork --nopidfile --print-address=4 4>"$work/bus" >/dev/null 2>&1 &
pids+=($!)
await "$work/bus" "session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)

# Speech goes through speech-dispatcher and espeak-ng into libao's null output.
cat >"$work/speech/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
mkdir -p "$work/speech/modules" && touch "$work/speech/modules/espeak-ng.conf"
echo "default_driver=null" >"$HOME/.libao"
speech-dispatcher -s -t 0 -l 1 -C "$work/speech" -c unix_socket -S "$work/run/speechd.sock" \
    -P "$work/run/speechd.pid" -L "$work/run" >/dev/null 2>&1 &
pids+=($!)
export SPEECHD_ADDRESS=unix_socket:$work/run/speechd.sock
for _ in $(seq 600); do [ -S "$work/run/speechd.sock" ] && break; sleep 0.1; done

# Orca with its debug log in $1, in the environment that follows; waits
# until it has said something.
start_orca() {
    local log=$1
    shift
    env "$@" /usr/bin/python3 "$client" orca "$log" >"$log.out" 2>&1 &
    pids+=($!)
    orca=$!
    for _ in $(seq 600); do grep -q "SPEECH OUTPUT" "$log" 2>/dev/null && break; sleep 0.1; done
    grep -q "SPEECH OUTPUT" "$log" || fail "Orca did not start"
}
start_orca "$work/orca.log"
grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$work/orca.log" || fail "Orca did not say it is on"

# Qt turns its AT-SPI bridge on for a screen reader; these keep it on.
game() {
    QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" "$bin" >"$work/game.log" 2>&1 &
    pids+=($!)
    game=$!
}

game env
/usr/bin/python3 "$client" play "$game" "$work/orca.log" || fail "play"
stop "$game"
game env LANGUAGE=de
/usr/bin/python3 "$client" german "$game" "$work/orca.log" || fail "German, and R on a Russian layout"
stop "$game" "$orca"

# Orca and the game in the Chinese locale, which glibc builds here for them.
localedef -i zh_CN -f UTF-8 "$work/locale/zh_CN.UTF-8" || fail "no zh_CN locale"
export LOCPATH=$work/locale
start_orca "$work/orca-zh.log" LANG=zh_CN.UTF-8
game env LANG=zh_CN.UTF-8
/usr/bin/python3 "$client" chinese "$game" "$work/orca-zh.log" || fail "Chinese"
stop "$game" "$orca"
unset LOCPATH

for ratio in 2 1.5; do
    game env QT_SCALE_FACTOR=$ratio
    /usr/bin/python3 "$client" places "$game" "$ratio" || fail "places at ratio $ratio"
    stop "$game"
done
echo "atspi_check: ok"
