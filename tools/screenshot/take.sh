#!/bin/sh
# Takes the user's guide's picture: the first message box that dovrink.dll shows for the example
# issue, in code page 932, under Wine on a virtual display. Needs the win32 build and a Japanese
# font (make screenshot installs both).
# usage: take.sh PICTURE.png
set -eu
src=$(cd "$(dirname "$0")/../.." && pwd)
bin=$src/build/win32/bin
out=$(realpath "$1")
if ! fc-list :lang=ja | grep -q .; then
    echo "take.sh: no Japanese font; make screenshot installs one" >&2
    exit 1
fi
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# The host's folder: the plugin and its settings beside the host, also the current directory.
cp "$bin/dovrink.dll" "$bin/screenshot_host.exe" "$src/examples/weekly-vesk-42.txt" "$stage"
mkdir "$stage/plugins"
cp "$src/examples/plugins/dovrink.ini" "$stage/plugins"
export WINEPREFIX="$src/build/win32/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$src/tests/wine/make-prefix.sh"
(cd "$stage" && LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 \
    xvfb-run -a -s "-screen 0 1024x768x24" wine screenshot_host.exe weekly-vesk-42.txt box.bmp)
wineserver -w
python3 "$src/tools/screenshot/bmp_to_png.py" "$stage/box.bmp" "$out"
echo "Saved $out"
