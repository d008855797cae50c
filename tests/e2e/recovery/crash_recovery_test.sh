#!/usr/bin/env bash
# Recovery after a crash, with the real program under a virtual X server: a copy of the staged
# installation opens a data file, two channel frequencies are typed into the channel window, the
# program is killed with SIGKILL, started again, the recovery question is answered Yes, the
# document is saved over the file with Ctrl+S, and the saved pair must hold the file as it was
# plus exactly the two typed channels.
# Usage: crash_recovery_test.sh PROGRAM_FOLDER (build/stage/KV7700)
set -euo pipefail
stage=$(cd "$1/.." && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kv-crash.XXXXXX")
background=()
cleanup() {
    for pid in "${background[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
        { wait "$pid"; } 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -f "$scratch/gui.log" ] && sed 's/^/  program: /' "$scratch/gui.log" >&2
    exit 1
}
step() { echo "ok: $*"; }

# An installation of its own, so that its settings and recovery folder are the test's alone.
inst=$scratch/inst
mkdir -p "$inst/KV7700"
cp -r "$stage/KV7700/Init" "$stage/KV7700/PIC" "$inst/KV7700/"
cp "$stage/Version.ini" "$inst/"
ln "$stage/KV7700/kv7700" "$inst/KV7700/kv7700" 2>/dev/null ||
    cp "$stage/KV7700/kv7700" "$inst/KV7700/kv7700"
program=$inst/KV7700/kv7700
cli=$stage/KV7700/kv7700-cli
recovery=$inst/language/recovery
# The radio has the HF and 10 m bands (Setup's tick), so the channel window opens on the stored
# band, HAM, rather than on CB.
mkdir -p "$inst/language"
printf '[language]\nRadioOptionFlag=1\n' >"$inst/language/mysetup.ini"

mkdir -p -m 700 "$scratch/home" "$scratch/runtime"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local
export XDG_RUNTIME_DIR=$scratch/runtime LC_ALL=C.UTF-8 LANG=C.UTF-8
unset QT_QPA_PLATFORM

Xvfb -displayfd 9 -screen 0 1366x768x24 -nolisten tcp 9>"$scratch/display" 2>/dev/null &
background+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")

# Waits until a visible window whose title matches $1 exists; prints its id.
await_window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
# Waits until the window $1's title matches the pattern $2.
await_title() {
    for _ in $(seq 150); do
        xdotool getwindowname "$1" 2>/dev/null | grep -Eq "$2" && return 0
        sleep 0.1
    done
    fail "the title stayed \"$(xdotool getwindowname "$1")\", not matching $2"
}
# A visible window titled "KV-7700" other than the main window $1 (a message box); prints its id.
await_box() {
    for _ in $(seq 150); do
        box=$(xdotool search --onlyvisible --name '^KV-7700$' 2>/dev/null | grep -vx "$1" | head -n 1) || true
        [ -n "$box" ] && { echo "$box"; return 0; }
        sleep 0.1
    done
    return 1
}
copies() { find "$recovery" -name '*.kvrecovery' 2>/dev/null; }

"$cli" new "$scratch/mine.dat" >/dev/null
"$cli" export "$scratch/mine.dat" "$scratch/before.csv" >/dev/null

"$program" "$scratch/mine.dat" 2>"$scratch/gui.log" &
gui=$!
background+=($gui)
main=$(await_window 'mine\.dat')
[ -n "$main" ] || fail "the program did not show its main window with mine.dat"
# The channel window opens once the main window has been painted; its grid of the HAM band's
# group A sits at a fixed place in this installation on this screen. Channel 2's frequency
# cell is clicked, then typing edits it and Return moves on to channel 3.
sleep 1
xdotool mousemove --window "$main" 391 357 click 1
sleep 0.3
xdotool type --delay 30 "28.125"
xdotool key Return
xdotool type --delay 30 "28.555"
xdotool key Return
await_title "$main" 'mine\.dat\]\*'
# A copy follows every edit within two seconds.
sleep 2.5
[ -n "$(copies)" ] || fail "no recovery copy in $recovery two seconds after the edits"
kill -KILL "$gui"
wait "$gui" 2>/dev/null || true
[ -n "$(copies)" ] || fail "the recovery copy did not survive the kill"
step "the edited program was killed with its recovery copy on the disk"

"$program" 2>"$scratch/gui.log" &
gui=$!
background+=($gui)
main=$(await_window 'new\.dat')
[ -n "$main" ] || fail "the program did not start again"
question=$(await_box "$main") || fail "no recovery question"
xdotool windowfocus --sync "$question" key Return
await_title "$main" 'mine\.dat\]\*'
step "the next start offered the copy and Yes restored mine.dat, unsaved"

xdotool windowfocus --sync "$main" key ctrl+s
overwrite=$(await_box "$main") || fail "no overwrite question"
xdotool windowfocus --sync "$overwrite" key Return
await_title "$main" 'mine\.dat\]$'
xdotool windowfocus --sync "$main" key ctrl+q
timeout 30 tail --pid="$gui" -f /dev/null || fail "the program did not end on Ctrl+Q"
[ -z "$(copies)" ] || fail "recovery copies left after a save and a clean exit: $(copies)"
step "saved over mine.dat and ended; no recovery copy is left"

"$cli" export "$scratch/mine.dat" "$scratch/after.csv" >/dev/null
changes=$(diff "$scratch/before.csv" "$scratch/after.csv" | grep '^[<>]' || true)
# Band, group, channel and the receive frequency's digits: the frequency is compared as the value
# typed, whether the file holds it as "28.125000" or as the digits the grid stored ("#2812500").
typed=$(awk -F, '{ f = $5; gsub(/[#.]/, "", f); sub(/0+$/, "", f); print $1 "," $2 "," $3 "," $4 "," f }' <<<"$changes")
expected='> HAM,1,A,2,28125
> HAM,1,A,3,28555'
[ "$typed" = "$expected" ] || fail "the saved pair differs from the file plus the typed channels:
$changes"
step "the saved pair holds mine.dat plus the two channels typed before the kill"
