#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh DIR [extra cmake arguments]; with
# BUILD_TARGETS set (names separated by spaces) only those targets and what they need.
# Compiles through ccache when it is installed; paths below the source folder are taken as
# relative and the build folder is left out of the hash, so clones and work trees in other
# folders share the cache.
set -euo pipefail
dir=$1
shift
launcher=()
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# A build tree copied or cloned with the sources records the folder it was configured in, and
# CMake refuses to reuse it from another one: its cache is dropped and the tree configured anew
# (scripts/package.sh, ./test and ./run all build through here).
cache=$dir/CMakeCache.txt
if [ -f "$cache" ]; then
    recorded=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$cache")
    if [ "$recorded" != "$PWD" ]; then
        echo "build: $dir was configured for $recorded; configuring it anew here" >&2
        rm -rf "$cache" "$dir/CMakeFiles"
    fi
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
