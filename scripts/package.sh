#!/usr/bin/env bash
# Builds the Debian package into BUILD/package/ (BUILD defaults to build), reusing that build
# tree: scripts/package.sh [BUILD]. Prints the package's path on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
scripts/build.sh "$dir"
rm -f "$dir"/package/kv7700_*.deb
# dpkg-shlibdeps finds the library packages from the linked libraries.
cpack --config "$dir/CPackConfig.cmake" -B "$dir/package" >/dev/null
rm -rf "$dir/package/_CPack_Packages"
ls "$PWD/$dir"/package/kv7700_*.deb
