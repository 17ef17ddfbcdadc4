#!/bin/sh
# Builds dovrink.dll and the release zip a second time, from a copy of the source tree in another
# folder, and compares them byte for byte with this build's: no build time, build path or other
# accident of the build may reach them.
# usage: reproducible_test.sh SOURCE_DIR TOOLCHAIN_FILE DLL ZIP
set -eu
src=$1 toolchain=$(basename "$2") dll=$3 zip=$4
scratch=$(mktemp -d /tmp/dovrink-again.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/source"
(cd "$src" && git ls-files -z --cached --others --exclude-standard |
    xargs -0 tar -cf - --ignore-failed-read 2>/dev/null) | tar -xf - -C "$scratch/source"
# The zip's times come from the last commit, which the copy has no history to tell.
SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct 2>/dev/null || echo 315532800)
export SOURCE_DATE_EPOCH
cmake -S "$scratch/source" -B "$scratch/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$scratch/source/cmake/$toolchain" > /dev/null
cmake --build "$scratch/build" --target dist -j2 > /dev/null
status=0
for pair in "$dll $scratch/build/bin/dovrink.dll" "$zip $scratch/build/dist/$(basename "$zip")"; do
    set -- $pair
    first=$(sha256sum < "$1" | cut -d' ' -f1)
    again=$(sha256sum < "$2" | cut -d' ' -f1)
    if [ "$first" = "$again" ]; then
        echo "$(basename "$1"): $first, both times"
    else
        echo "$(basename "$1") differs: $first here, $again from $scratch" >&2
        status=1
    fi
done
exit $status
