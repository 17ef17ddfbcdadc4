#!/bin/sh
# Runs the settings queries through Wine's real GetPrivateProfileStringA/IntA and through the POSIX
# reader, in a single-byte and in the Shift_JIS code page, and fails on any byte of difference.
# usage: compare.sh POSIX_PROBE WINDOWS_PROBE CORPUS_DIR QUERIES
set -eu
posix_probe=$1 windows_probe=$2 corpus=$3 queries=$4
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cd "$corpus"
status=0
for page in 1252 932; do
    if [ "$page" = 932 ]; then locale=ja_JP.UTF-8; else locale=C; fi
    DOVRINK_CODEPAGE=$page "$posix_probe" "$queries" > "$out/posix-$page.txt"
    LC_ALL=$locale LANG=$locale "${WINE:-wine}" "$windows_probe" "$queries" | tr -d '\r' > "$out/windows-$page.txt"
    if ! grep -q "^code page $page\$" "$out/windows-$page.txt"; then
        echo "Wine did not run in code page $page:"; head -n 1 "$out/windows-$page.txt"; status=1
    fi
    if diff -u "$out/windows-$page.txt" "$out/posix-$page.txt"; then
        echo "code page $page: $(($(wc -l < "$out/posix-$page.txt") - 1)) answers agree"
    else
        status=1
    fi
done
exit $status
