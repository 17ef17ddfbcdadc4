#!/bin/sh
# Times the shipped DLL under Wine: the release dovrink.dll and the bench host in a folder of their
# own, in a Wine prefix of the build's, in the Japanese code page; first with the widest vectors
# the processor allows, then with the SSE2 baseline forced.
# usage: run-dll-bench.sh WIN32_BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
folder=$build/dll-bench
mkdir -p "$folder"
cp "$build/bin/dovrink.dll" "$build/bin/dll_bench.exe" "$folder/"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$here/../../tests/wine/make-prefix.sh"
cd "$folder"
status=0
LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine dll_bench.exe || status=1
DOVRINK_VECTORS=sse2 LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine dll_bench.exe || status=1
wineserver -w
exit $status
