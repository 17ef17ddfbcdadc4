#!/bin/sh
# Counts whole view updates' instructions under callgrind (a count, not a time, so it does not
# wander with the machine's load): ordinary mail at 1 MiB and 64 MiB, and every shape made against
# the viewer at 1 MiB and 16 MiB. Then runs the timed benchmarks, which print every target
# together, and the settings made from a mailbox of issues. Arguments go to the viewer's benchmark
# program.
set -eu
bin=$(dirname "$0")/../build/linux-release/bin
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

count() {
    valgrind --tool=callgrind --collect-atstart=no --toggle-collect='HandleViewUpdate*' \
        --callgrind-out-file="$out/$1-$2" "$bin/update_count" "$2" "$1" 2> /dev/null
    echo "$1 $2 $(sed -n 's/^totals: *//p' "$out/$1-$2")"
}

counts=$({
    count ordinary 1048576
    count ordinary 67108864
    for shape in ordinary near_misses trailing_keywords lead_run near_separators; do
        [ "$shape" = ordinary ] || count "$shape" 1048576
        count "$shape" 16777216
    done
})
echo "Update instructions (shape, bytes, count):"
echo "$counts"
status=0
DOVRINK_UPDATE_INSTRUCTIONS="$counts" \
    DOVRINK_BENCH_JSON="${DOVRINK_BENCH_JSON:-$bin/../viewer-bench.json}" "$bin/viewer_bench" "$@" ||
    status=1
"$bin/setup_bench" --benchmark_color=false || status=1
exit $status
