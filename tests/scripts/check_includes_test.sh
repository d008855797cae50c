#!/bin/sh
# The include check against a copy of the tree: the tree as it is passes, and each upward include
# below, added to one file of the copy, is named with its file and line and fails the check.
#
# tests/scripts/check_includes_test.sh SOURCE_DIR
set -eu
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/scripts"
cp -R "$source_dir/src" "$source_dir/tools" "$scratch/"
cp "$source_dir/scripts/check_includes.sh" "$source_dir/scripts/layers.txt" "$scratch/scripts/"
check="$scratch/scripts/check_includes.sh"

failures=0
if ! out=$("$check" "$scratch" 2>&1); then
    echo "FAIL: the tree as it is: $out"
    failures=$((failures + 1))
fi

# file|include line added at its end|what the case is
while IFS='|' read -r file include what; do
    [ -n "$file" ] || continue
    target="$scratch/$file"
    [ -f "$target" ] || { echo "FAIL: $what: no file $file"; failures=$((failures + 1)); continue; }
    cp "$target" "$target.kept"
    printf '%s\n' "$include" >>"$target"
    line=$(wc -l <"$target")
    if out=$("$check" "$scratch" 2>&1); then
        echo "FAIL: $what ($file: $include) passed the check"
        failures=$((failures + 1))
    elif ! printf '%s\n' "$out" | grep -q "^$file:$line: "; then
        echo "FAIL: $what ($file: $include) was not named at $file:$line: $out"
        failures=$((failures + 1))
    else
        echo "ok: $what: $(printf '%s\n' "$out" | grep "^$file:$line: ")"
    fi
    mv "$target.kept" "$target"
done <<'CASES'
src/model/document.h|#include <gui/document_editor.h>|the GUI kit in angle brackets from the model
src/editors/channels/channel_edit.cpp|#include "ui/channel_window.h"|a window, relative, from an editor's core
src/files/staging.cpp|#include "../gui/message_box.h"|the GUI kit through ../ from files/
src/link/ui/find_radio_window.cpp|#include "editors/channels/ui/channel_window.h"|an editor window from link/ui
src/platform/ansi_code_page.cpp|#include "gui/message_box.h"|the GUI kit from platform/
src/codec/bcd_frequency.cpp|#include  "gui/message_box.h"|a double space after #include
src/platform/ansi_code_page.cpp|#include "app/ui/main_window.h"|the main window from platform/
src/model/band_range.cpp|#include <QString>|Qt from the core
src/gui/message_box.cpp|#include "editors/channels/ui/channel_window.h"|a window from the GUI kit
src/model/band_range.cpp|   #   include "app/shared_messages.h"|app/ from the model, spaced out
src/codec/bcd_frequency.cpp|#include "no_such_header.h"|a quoted include that names no file
CASES

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
echo "every case rejected, the tree passes"
