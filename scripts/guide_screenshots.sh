#!/usr/bin/env bash
# Makes the user guide's screenshots again from the real program: a copy of the staged
# installation (build/stage) runs under a virtual X server, once in English and once in Chinese;
# the main window with each editor window in front and the communication port window are taken
# with ImageMagick's import into docs/guide/images/<page>-<language>.png.
# Usage: scripts/guide_screenshots.sh [BUILD_DIR]   (default build; run scripts/build.sh first)
set -euo pipefail
cd "$(dirname "$0")/.."
stage=$(cd "${1:-build}/stage" && pwd)
out=docs/guide/images
mkdir -p "$out"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kv-guide.XXXXXX")
background=()
cleanup() {
    for pid in "${background[@]}"; do
        kill "$pid" 2>/dev/null || true
        { wait "$pid"; } 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 9 -screen 0 1366x768x24 -nolisten tcp 9>"$scratch/display" 2>/dev/null &
background+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$scratch/display")
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

# The editor windows in the order of the tree panel's rows, by the guide page they belong to.
pages=(channels settings roger-beep dtmf emergency dual-watch memory-key weather group-names)

shoot() { import -window "$1" -depth 8 +dither -colors 64 -strip "$out/$2.png"; }

for language in en zh; do
    # The tree panel's rows are taller in the Chinese font.
    number=1 port_caption='Communication Port' row=14
    [ "$language" = zh ] && number=2 port_caption='通信端口' row=18
    inst=$scratch/$language
    mkdir -p "$inst/KV7700" "$inst/language" "$scratch/home-$language"
    cp -r "$stage/KV7700/Init" "$stage/KV7700/PIC" "$inst/KV7700/"
    cp "$stage/Version.ini" "$inst/"
    cp "$stage/KV7700/kv7700" "$inst/KV7700/"
    printf '[language]\nCurrentLanguage=%s\nIsFirstRun=0\ncomPort=1\n' "$number" \
        >"$inst/language/mysetup.ini"
    HOME=$scratch/home-$language XDG_CONFIG_HOME=$scratch/home-$language/.config \
        LC_ALL=C.UTF-8 "$inst/KV7700/kv7700" 2>/dev/null &
    gui=$!
    background+=($gui)
    main=$(timeout 30 xdotool search --sync --onlyvisible --name 'new\.dat' | head -n 1)
    sleep 1.5
    shoot "$main" "main-$language"
    # The tree panel's rows, from "Channel Information" down.
    for i in "${!pages[@]}"; do
        xdotool mousemove --window "$main" 80 $((134 + row * i)) click 1
        sleep 0.8
        shoot "$main" "${pages[$i]}-$language"
    done
    # The toolbar's port button opens the communication port window.
    xdotool mousemove --window "$main" 242 50 click 1
    sleep 1
    port=$(timeout 10 xdotool search --sync --onlyvisible --name "^$port_caption\$" | head -n 1)
    shoot "$port" "port-$language"
    kill "$gui"
    { wait "$gui"; } 2>/dev/null || true
    echo "screenshots in $language: $out"
done
