#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, only those missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-serialport-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev
    clang libclang-rt-14-dev
    zlib1g-dev
    xvfb xauth fonts-noto-cjk qt6-translations-l10n poppler-utils
    dpkg-dev desktop-file-utils appstream man-db bsdextrautils xdotool x11-utils lintian
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    runner=()
elif command -v sudo >/dev/null 2>&1; then
    runner=(sudo)
else
    echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${runner[@]}" apt-get update -qq
"${runner[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
