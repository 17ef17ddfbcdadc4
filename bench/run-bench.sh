#!/bin/sh
# Counts a whole view update's instructions at 1 MiB and 64 MiB under callgrind (a count, not a
# time, so it does not wander with the machine's load), then runs the timed benchmarks, which
# print every target together. Arguments go to the benchmark program.
set -eu
bin=$(dirname "$0")/../build/linux-release/bin
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

count() {
    valgrind --tool=callgrind --collect-atstart=no --toggle-collect='HandleViewUpdate*' \
        --callgrind-out-file="$out/$1" "$bin/update_count" "$1" 2> /dev/null
    sed -n 's/^totals: *//p' "$out/$1"
}

small=$(count 1048576)
large=$(count 67108864)
echo "HandleViewUpdate instructions: 1 MiB $small, 64 MiB $large"
DOVRINK_UPDATE_INSTRUCTIONS="$small $large" \
    DOVRINK_BENCH_JSON="${DOVRINK_BENCH_JSON:-$bin/../viewer-bench.json}" "$bin/viewer_bench" "$@"
