#!/bin/sh
# Fails when an include points up the layers: the main window's folder (app/ui) sits on top and
# is the only one that includes the windows; the GUI kit (gui/) sits below every window; the core
# includes neither windows, the GUI kit, the platform layer nor the main window's files.
set -eu
cd "$(dirname "$0")/.."

includes() {  # file:line:path for every quoted include of the files given
    grep -Hn '^#include "' "$@" | sed -E 's/^([^:]+):([0-9]+):#include "([^"]+)".*/\1:\2:\3/'
}

found=$(
    find src tools -name '*.cpp' -o -name '*.h' -o -name '*.in' | sort | while read -r file; do
        case "$file" in
            src/app/ui/*) continue ;;
        esac
        includes "$file" | while IFS=: read -r from line to; do
            case "$to" in
                app/ui/*) echo "$from:$line: includes $to (only the main window's folder may)" ;;
            esac
            case "$from" in
                src/gui/*)
                    case "$to" in
                        */ui/*) echo "$from:$line: the GUI kit includes the window file $to" ;;
                    esac ;;
                src/platform/* | */ui/* | tools/*) ;;
                src/app/*)
                    case "$to" in
                        */ui/* | gui/* | platform/*) echo "$from:$line: core file includes $to" ;;
                    esac ;;
                src/*)
                    case "$to" in
                        app/* | */ui/* | gui/* | platform/*) echo "$from:$line: core file includes $to" ;;
                    esac ;;
            esac
            # A window's folder includes its own windows and the GUI kit, never another
            # subsystem's windows.
            case "$from:$to" in
                src/editors/*/ui/*:editors/*/ui/*)
                    [ "$(echo "$from" | cut -d/ -f3)" = "$(echo "$to" | cut -d/ -f2)" ] ||
                        echo "$from:$line: includes another editor's window file $to" ;;
            esac
        done
    done
)
if [ -n "$found" ]; then
    echo "$found"
    echo "include check: $(echo "$found" | wc -l) include(s) point up the layers" >&2
    exit 1
fi
echo "include check: every include points down"
