#!/bin/sh
# clang-tidy over every source file of ours that the Linux build compiles, as its compile database
# lists them: the Windows programs and the generated files are not in it, and no file is given
# twice. Exits non-zero when clang-tidy reports a problem.
# usage: tidy.sh BUILD_DIR
set -eu
build=$1
files=$(python3 - "$build/compile_commands.json" "$(pwd)" <<'PY'
import json, sys
top = sys.argv[2] + "/"
database = json.load(open(sys.argv[1]))
ours = {entry["file"] for entry in database
        if entry["file"].startswith(top) and not entry["file"].startswith(top + "build/")}
print("\n".join(sorted(ours)))
PY
)
# shellcheck disable=SC2086 # one word a file; the tree's paths hold no blanks
run-clang-tidy -quiet -p "$build" $files > "$build/tidy.log" 2>&1 || status=$?
sed 's/\x1b\[[0-9;]*m//g' "$build/tidy.log" | grep -E "(warning|error):" | sort -u || true
exit "${status:-0}"
