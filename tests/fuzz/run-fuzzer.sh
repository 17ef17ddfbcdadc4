#!/bin/sh
# Runs a fuzz target on its committed corpus and then for SECONDS more, or for N executions when
# the limit is "runs=N". New inputs go to a scratch folder, so the corpus grows only when someone
# copies them in; a finding is saved in $FUZZ_ARTIFACTS (default /tmp) and fails the run.
# usage: run-fuzzer.sh TARGET CORPUS_DIR SECONDS|runs=N
set -u
target=$1 corpus=$(realpath "$2") limit=$3
mkdir -p "${FUZZ_ARTIFACTS:-/tmp}"
scratch=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$scratch" "$log"' EXIT
case $limit in
runs=*) stop="-runs=${limit#runs=}" ;;
*) stop="-max_total_time=$limit" ;;
esac
"$target" "$stop" -max_len=1024 -print_final_stats=1 -artifact_prefix="${FUZZ_ARTIFACTS:-/tmp}/" \
    "$scratch" "$corpus" > "$log" 2>&1
status=$?
if [ "$status" != 0 ]; then
    cat "$log"
else
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$log"
fi
exit "$status"
