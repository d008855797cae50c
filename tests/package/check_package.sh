#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it without installing it on this
# machine: unpacks it into a scratch root (dpkg -x), checks its fields, dependencies, contents,
# copyright file, changelog, desktop entry, AppStream metainfo and manual pages and runs lintian,
# then runs the unpacked programs as an ordinary user runs an installed copy (a read-only
# installation, settings in a scratch home folder): the command-line companion, the window
# program under Xvfb with a data file on its command line, the same run as root from below /usr,
# the port numbering it shares with the command-line companion against the simulator, and the
# hand-over to a second version installed beside it.
# Usage: tests/package/check_package.sh [BUILD]   (BUILD defaults to build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}

fail() {
    echo "check_package: $*" >&2
    exit 1
}
step() { echo "check_package: $*"; }

deb=$(scripts/package.sh "$build" | tail -n 1)
step "built $deb"

scratch=$(mktemp -d)
chmod 755 "$scratch"
mkdir -m 700 "$scratch/runtime"
background=()
cleanup() {
    for pid in "${background[@]}"; do kill "$pid" 2>/dev/null || true; done
    chmod -R u+w "$scratch"
    rm -rf "$scratch"
}
trap cleanup EXIT

# ---- Package fields ------------------------------------------------------------------------
[ "$(dpkg-deb --field "$deb" Package)" = kv7700 ] || fail "package name"
version=$(dpkg-deb --field "$deb" Version)
depends=$(dpkg-deb --field "$deb" Depends)
if dpkg-deb --contents "$deb" | grep -q '/rules\.d/'; then
    fail "the udev rule must not be active on installation"
fi
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postrm | sh -n || fail "the package's postrm"
maintainer=$(dpkg-deb --field "$deb" Maintainer)
grep -Eq '^[^<>]+ <[^@<> ]+@[a-z0-9.-]+\.[a-z]+>$' <<<"$maintainer" &&
    ! grep -Eqi 'localhost|invalid|placeholder|unknown' <<<"$maintainer" ||
    fail "the maintainer is not a real-looking address: $maintainer"
grep -Eq '(^|, )fonts-noto-cjk( |,|$)' <<<"$depends" ||
    fail "Depends lacks fonts-noto-cjk, the font of the Chinese interface: $depends"
# Debian's own checks: no error, and no hardening tag (shown with the informational tags).
lintian_report=$(lintian --display-info --fail-on error "$deb" 2>&1) || fail "lintian: $lintian_report"
if grep -q 'hardening-' <<<"$lintian_report"; then fail "lintian: $lintian_report"; fi
# The protections lintian does not look for: stack clash and control-flow protection on every
# compile of the programs (when the compiler takes them, as Debian 12's does).
for flag in -fstack-clash-protection -fcf-protection; do
    if echo 'int main(){}' | c++ "$flag" -x c++ -o /dev/null - 2>/dev/null &&
        ! grep -q -- "$flag" "$build/build.ninja"; then
        fail "the programs are built without $flag"
    fi
done

# ---- Contents ------------------------------------------------------------------------------
root=$scratch/root
dpkg -x "$deb" "$root"
lib=$root/usr/lib/kv7700
share=$root/usr/share
for file in KV7700/kv7700 KV7700/kv7700-cli KV7700/kv7700-sim; do
    [ -x "$lib/$file" ] || fail "missing program $file"
done
for file in Version.ini KV7700/PIC/BK_1.jpg KV7700/PIC/BK_2.jpg \
    KV7700/Init/{0,1}_KV7700{,_New}.{dat,fre}; do
    [ -f "$lib/$file" ] || fail "missing $file"
done
[ ! -e "$lib/language" ] || fail "the package must not ship a settings folder"
for program in kv7700 kv7700-cli kv7700-sim; do
    [ -L "$root/usr/bin/$program" ] &&
        [ "$(readlink -f "$root/usr/bin/$program")" = "$(readlink -f "$lib/KV7700/$program")" ] ||
        fail "/usr/bin/$program does not lead to the program folder"
done
[ -f "$share/kv7700/60-kv7700-cable.rules" ] || fail "missing the udev rule"
# The machine-readable copyright file and the Debian changelog, whose newest entry is this version.
doc=$share/doc/kv7700
[ "$(head -n 1 "$doc/copyright")" = \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
    fail "the copyright file is not machine-readable"
grep -q '^Files: \*$' "$doc/copyright" && grep -q '^License: ' "$doc/copyright" ||
    fail "the copyright file names no licence for its files"
[ "$(zcat "$doc/changelog.gz" | head -n 1 | cut -d ' ' -f 1-2)" = "kv7700 ($version)" ] ||
    fail "the changelog's newest entry is not $version: $(zcat "$doc/changelog.gz" | head -n 1)"
# Every library the programs load comes from a package named in Depends.
for library in $(for program in "$lib"/KV7700/kv7700*; do
    readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
done | sort -u); do
    package=$(dpkg -S "*/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/$library" | head -n 1 |
        cut -d : -f 1)
    grep -Eq "(^|, )${package//+/\\+}( |,|$)" <<<"$depends" ||
        fail "Depends lacks $package (for $library): $depends"
done

# ---- Desktop entry, icons, AppStream -------------------------------------------------------
desktop=$share/applications/net.kv7700.cps.desktop
metainfo=$share/metainfo/net.kv7700.cps.metainfo.xml
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
# Hints are suggestions (HamRadio could also be listed under Network or Audio); anything else fails.
if grep -v ': hint: ' <<<"$report" | grep -q .; then fail "desktop-file-validate: $report"; fi
grep -qx 'Exec=kv7700 %f' "$desktop" || fail "the desktop entry must pass the file as %f"
grep -qx 'Categories=Utility;HamRadio;' "$desktop" || fail "desktop categories"
if grep -q '^MimeType=' "$desktop"; then fail "the desktop entry must not claim a MIME type"; fi
[ -e "$root/usr/bin/kv7700" ] || fail "the desktop entry's program is not in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "missing scalable icon $icon"
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "missing icon $png"
    # The PNG header holds the width and height as big-endian numbers at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$width $height" = "$size $size" ] || fail "$png is ${width}x$height"
done
appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null ||
    fail "appstreamcli: $(appstreamcli validate --no-net --pedantic "$metainfo")"
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the desktop entry"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d '"' -f 2)
[ "$release" = "$version" ] || fail "newest release in the metainfo is $release, package $version"

# ---- Manual pages: render without warnings and name every option of --help ----------------
for program in kv7700 kv7700-cli kv7700-sim; do
    page=$share/man/man1/$program.1.gz
    [ -f "$page" ] || fail "missing manual page $program"
    warnings=$(LC_ALL=C MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "manual page $program: $warnings"
    text=$(LC_ALL=C MANWIDTH=250 man -l "$page" 2>/dev/null | col -b)
    grep -q "kv7700 $version" <<<"$text" || fail "manual page $program is not of version $version"
    help=$(QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" "$root/usr/bin/$program" \
        --help)
    for option in $(grep -Eo -- '--[a-z][a-z-]+' <<<"$help" | sort -u); do
        grep -q -- "$option" <<<"$text" || fail "manual page $program lacks $option"
    done
done
step "package fields, contents, desktop entry, metainfo and manual pages are right"

# ---- A second version beside this one, for the hand-over -----------------------------------
# <parent>/<version>/KV7700/kv7700, with the version table naming it for data files of V090.
mkdir -p "$lib/V090/KV7700"
marker=$scratch/work/handed-over
printf '#!/bin/sh\necho "$0 $*" > %s\n' "$marker" >"$lib/V090/KV7700/kv7700"
chmod 755 "$lib/V090/KV7700/kv7700"
sed -i -e 's/^SoftVersionCount=.*/SoftVersionCount=2/' \
    -e 's/^FirmVersionCount=.*/FirmVersionCount=2/' \
    -e 's/^Version0=.*/&\nVersion1=V090/' -e 's/^Firm0=.*/&\nFirm1=V090-V090/' "$lib/Version.ini"

# ---- Run as an ordinary user of an installed copy ------------------------------------------
# The installation is read-only to its users; as root (CI) the programs run as nobody.
chmod -R a-w "$root"
home=$scratch/home
work=$scratch/work
mkdir -m 777 "$home" "$work"
# A command line prefix; a program started through it keeps its process id (setpriv and env
# replace themselves), so that it can be stopped and waited for.
as_user=(env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/runtime"
    LC_ALL=C.UTF-8 LANG=C.UTF-8)
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups -- "${as_user[@]}")
fi
"${as_user[@]}" mkdir -m 700 "$home/runtime"
# Whatever the programs do from here on, the installation stays as it was unpacked.
touch "$scratch/unpacked"
unchanged_installation() {
    local changed
    changed=$(find "$root" -newer "$scratch/unpacked")
    [ -z "$changed" ] || fail "the installation changed: $changed"
}
settings=$home/.config/KV-7700/KV-7700/mysetup.ini

# The command-line companion finds the templates of its installed program folder: its new
# document is the same as the staged program's.
"${as_user[@]}" "$root/usr/bin/kv7700-cli" new "$work/installed.dat" || fail "kv7700-cli new"
"$build/stage/KV7700/kv7700-cli" new "$work/staged.dat" >/dev/null || fail "staged kv7700-cli new"
for extension in dat fre; do
    cmp -s "$work/installed.$extension" "$work/staged.$extension" ||
        fail "the installed kv7700-cli new differs from the staged one"
done
info=$("${as_user[@]}" "$root/usr/bin/kv7700-cli" info "$work/installed.dat") ||
    fail "kv7700-cli info"
grep -q 'CB' <<<"$info" || fail "kv7700-cli info printed: $info"
step "the unpacked kv7700-cli new and info work"

# The window program under a virtual X server (the platform an installed copy uses).
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$scratch/display" 2>/dev/null &
background+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")
# Waits until a visible window whose title matches $1 exists; prints its id.
await_window() { timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

cp "$work/installed.dat" "$work/mine.dat"
cp "$work/installed.fre" "$work/mine.fre"
"${as_user[@]}" "$root/usr/bin/kv7700" "$work/mine.dat" 2>"$scratch/gui.log" &
gui=$!
background+=($gui)
main=$(await_window 'mine\.dat')
[ -n "$main" ] ||
    fail "the program did not show its main window with mine.dat: $(cat "$scratch/gui.log")"
# The desktop tells the program's windows by this class; it must be the one the program sets.
window_class=$(xprop -id "$main" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
[ "$window_class" = "$(sed -n 's/^StartupWMClass=//p' "$desktop")" ] ||
    fail "the main window's class $window_class is not the desktop entry's StartupWMClass"
kill "$gui"
wait "$gui" 2>/dev/null || true
[ -f "$settings" ] || fail "no settings in the per-user folder"
grep -q '^CurrentLanguage=1' "$settings" && grep -q '^IsFirstRun=0' "$settings" ||
    fail "per-user settings: $(cat "$settings")"
unchanged_installation
step "the unpacked program opened mine.dat from its command line and kept its settings per user"

# Root runs the program like any user: its settings go to root's own configuration folder, never
# into the installation, although root could write there. The unpacked installation is mounted
# at /usr/local, in a mount namespace of its own, so that the program runs from below /usr.
roothome=$scratch/roothome
mkdir -p -m 700 "$roothome/runtime"
as_root=(env HOME="$roothome" XDG_CONFIG_HOME="$roothome/.config"
    XDG_RUNTIME_DIR="$roothome/runtime" LC_ALL=C.UTF-8 LANG=C.UTF-8)
namespace=(unshare --mount)
[ "$(id -u)" -eq 0 ] || namespace=(unshare --map-root-user --mount)
"${namespace[@]}" sh -c 'mount --bind "$1" /usr/local && shift && exec "$@"' sh "$lib" \
    "${as_root[@]}" /usr/local/KV7700/kv7700 "$work/mine.dat" 2>"$scratch/gui.log" &
gui=$!
background+=($gui)
[ -n "$(await_window 'mine\.dat')" ] ||
    fail "the program run as root did not show its main window: $(cat "$scratch/gui.log")"
kill "$gui"
wait "$gui" 2>/dev/null || true
[ -f "$roothome/.config/KV-7700/KV-7700/mysetup.ini" ] ||
    fail "the program run as root kept no settings in root's configuration folder"
[ ! -e "$lib/language" ] || fail "the program run as root wrote settings into the installation"
unchanged_installation
step "the program run as root from below /usr kept its settings in root's own folder"

# The port numbering is shared: COM7 mapped in the per-user settings file reaches the simulator.
"${as_user[@]}" "$root/usr/bin/kv7700-sim" --linger 5000 >"$scratch/sim.out" 2>&1 &
background+=($!)
for _ in $(seq 100); do [ -s "$scratch/sim.out" ] && break; sleep 0.1; done
pty=$(head -n 1 "$scratch/sim.out")
[ -e "$pty" ] || fail "the unpacked simulator did not start: $(cat "$scratch/sim.out")"
"${as_user[@]}" sh -c "printf '\n[ports]\nCOM7=%s\n' '$pty' >> '$settings'"
"${as_user[@]}" "$root/usr/bin/kv7700-cli" read --port COM7 "$work/radio.img" \
    >"$scratch/read.log" 2>&1 ||
    fail "kv7700-cli read --port COM7: $(cat "$scratch/read.log")"
[ "$(stat -c %s "$work/radio.img")" = 139777 ] || fail "the image read is not 139777 bytes"
step "the unpacked kv7700-cli read the unpacked simulator through COM7 of the per-user settings"

# Hand-over: a data file of version V090 leads to the question; Yes starts the V090 program
# installed beside this one and ends this one with exit code 0.
cp "$work/installed.dat" "$work/old.dat"
cp "$work/installed.fre" "$work/old.fre"
printf 'V090' | dd of="$work/old.dat" bs=1 seek=0 conv=notrunc status=none
"${as_user[@]}" "$root/usr/bin/kv7700" "$work/old.dat" 2>"$scratch/gui.log" &
gui=$!
background+=($gui)
main=$(await_window 'new\.dat')
[ -n "$main" ] || fail "the program did not start: $(cat "$scratch/gui.log")"
question=
for _ in $(seq 100); do
    question=$(xdotool search --onlyvisible --name 'KV-7700' | grep -vx "$main" | head -n 1) || true
    [ -n "$question" ] && break
    sleep 0.2
done
[ -n "$question" ] || fail "no version question"
xdotool windowfocus --sync "$question" key Return
status=0
timeout 30 tail --pid="$gui" -f /dev/null || fail "the program did not end after the hand-over"
wait "$gui" || status=$?
[ "$status" = 0 ] || fail "the program ended with $status after the hand-over"
for _ in $(seq 50); do [ -s "$marker" ] && break; sleep 0.1; done
started=$(cut -d ' ' -f 1 "$marker" 2>/dev/null) || true
[ -n "$started" ] && [ "$(readlink -f "$started")" = "$(readlink -f "$lib/V090/KV7700/kv7700")" ] ||
    fail "the V090 program was not started"
unchanged_installation
step "the unpacked program handed over to $lib/V090/KV7700/kv7700"

step "all package checks passed"
