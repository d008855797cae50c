#!/bin/sh
# Fails when an include points up the layers. Every include of every source file in src/ and
# tools/ (quotes or angle brackets, any spacing) is resolved as the compiler finds it: a quoted
# one beside the including file first, then below src/; an angle-bracket one below src/. The
# layer of the including file and of the file found come from the layer table scripts/layers.txt,
# which also says what each layer may include; a header found nowhere in the tree takes the
# layer of its name there (Qt or the system).
#
# scripts/check_includes.sh [ROOT]   checks the tree at ROOT (default: this repository) against
#                                    ROOT/scripts/layers.txt
set -eu
root=${1:-$(dirname "$0")/..}
cd "$root"
table=scripts/layers.txt
[ -r "$table" ] || { echo "include check: no layer table $table" >&2; exit 2; }

files=$(mktemp)
trap 'rm -f "$files"' EXIT
find src tools -type f | sort >"$files"

grep -n '' /dev/null $(grep -E '\.(cpp|h|in)$' "$files") | awk -v table="$table" -v list="$files" '
function norm(path,    n, parts, out, i, k) {
    n = split(path, parts, "/")
    k = 0
    for (i = 1; i <= n; ++i) {
        if (parts[i] == "" || parts[i] == ".") continue
        if (parts[i] == "..") { if (k > 0) --k; else return ""; continue }
        out[++k] = parts[i]
    }
    path = ""
    for (i = 1; i <= k; ++i) path = path (i > 1 ? "/" : "") out[i]
    return path
}
function dir(path) { return sub(/\/[^\/]*$/, "", path) ? path : "." }
# The table folder a path lies in (the longest match, "" when none); sets matched to the folder
# itself, with its * filled in.
function folderOf(path,    i, j, n, np, parts, pat, ok, best, bestParts) {
    best = ""; bestParts = 0; matched = ""
    n = split(path, parts, "/")
    for (i = 1; i <= folders; ++i) {
        np = split(folder[i], pat, "/")
        if (np >= n || np <= bestParts) continue
        ok = 1
        for (j = 1; j <= np; ++j) if (pat[j] != "*" && pat[j] != parts[j]) { ok = 0; break }
        if (!ok) continue
        best = folder[i]; bestParts = np
        matched = parts[1]
        for (j = 2; j <= np; ++j) matched = matched "/" parts[j]
    }
    return best
}
function glob(name, pattern,    re) {
    re = pattern
    gsub(/[.+^$(){}|\[\]\\]/, "\\\\&", re)
    gsub(/\*/, ".*", re)
    gsub(/\?/, ".", re)
    return name ~ ("^" re "$")
}
BEGIN {
    while ((getline line < list) > 0) present[line] = 1
    while ((getline line < table) > 0) {
        sub(/#.*/, "", line)
        n = split(line, f, " ")
        if (n == 0) continue
        if (f[1] == "folder" && n == 3) { folder[++folders] = f[2]; layerOfFolder[f[2]] = f[3] }
        else if (f[1] == "external" && n == 3) { extPattern[++externals] = f[2]; extLayer[externals] = f[3] }
        else if (f[1] == "allow" && n >= 2) { for (i = 3; i <= n; ++i) allowed[f[2], f[i]] = 1 }
        else { print table ": cannot read: " line; bad = 1 }
    }
}
{
    # file:line:text
    file = $0; sub(/:.*/, "", file)
    rest = substr($0, length(file) + 2)
    lineNo = rest; sub(/:.*/, "", lineNo)
    text = substr(rest, length(lineNo) + 2)
    if (text !~ /^[ \t]*#[ \t]*include[ \t]*[<"]/) next
    sub(/^[ \t]*#[ \t]*include[ \t]*/, "", text)
    quoted = substr(text, 1, 1) == "\""
    name = substr(text, 2)
    if (!sub(quoted ? "\".*" : ">.*", "", name)) next
    where = file ":" lineNo

    fromFolder = folderOf(file); fromOwn = matched
    if (fromFolder == "") { print where ": " file " lies in no folder of " table; bad = 1; next }
    fromLayer = layerOfFolder[fromFolder]

    found = ""
    if (quoted) { candidate = norm(dir(file) "/" name); if (candidate in present) found = candidate }
    if (found == "") { candidate = norm("src/" name); if (candidate in present) found = candidate }
    if (found != "") {
        toFolder = folderOf(found); toOwn = matched
        if (toFolder == "") { print where ": includes " found ", which lies in no folder of " table; bad = 1; next }
        toLayer = layerOfFolder[toFolder]
        shown = found
    } else if (quoted) {
        print where ": includes \"" name "\", which is no file of the tree"; bad = 1; next
    } else {
        toLayer = ""
        for (i = 1; i <= externals && toLayer == ""; ++i) if (glob(name, extPattern[i])) toLayer = extLayer[i]
        toOwn = ""
        shown = "<" name ">"
    }
    if (allowed[fromLayer, toLayer]) next
    if (allowed[fromLayer, "own:" toLayer] && fromOwn == toOwn) next
    if (allowed[fromLayer, "own:" toLayer])
        print where ": includes " shown " (the " fromLayer " layer includes " toLayer " files of " fromOwn " only)"
    else
        print where ": includes " shown " (the " fromLayer " layer may not include the " toLayer " layer)"
    bad = 1
}
END { exit bad }
' && { echo "include check: every include points down"; exit 0; }
status=$?
echo "include check: includes point up the layers (see $table)" >&2
exit 1
