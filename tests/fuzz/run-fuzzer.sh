#!/bin/sh
# Runs a fuzz target on its seeds and then for SECONDS more, or for N executions when the limit is
# "runs=N". The seeds of fuzz_NAME are its own corpus, tests/fuzz/corpus/NAME, and the files of the
# tree that it reads where they stand (below) rather than as copies. New inputs go to a scratch
# folder, so the corpus grows only when someone copies them in; a finding is saved in
# $FUZZ_ARTIFACTS (default /tmp) and fails the run.
# Every input must end within $FUZZ_INPUT_SECONDS (10 by default): one that runs longer is a
# finding, as a crash is.
# usage: run-fuzzer.sh TARGET SECONDS|runs=N
set -u
target=$1 limit=$2
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
name=$(basename "$target")
name=${name#fuzz_}
case $name in
find_text | cut_excerpt | show_paged | view_update) seeds="$top/examples" ;;
preview_mail | preview_run)
    seeds="$top/tests/preview/mail $top/tests/preview/mailboxes $top/tests/issues"
    seeds="$seeds $(find "$top/tests/newsletters" -mindepth 1 -maxdepth 1 -type d | sort | tr '\n' ' ')"
    ;;
settings) seeds="$top/tests/ini/corpus $top/examples/plugins" ;;
*) seeds="" ;;
esac
if [ -d "$here/corpus/$name" ]; then
    seeds="$here/corpus/$name $seeds"
fi
mkdir -p "${FUZZ_ARTIFACTS:-/tmp}"
scratch=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$scratch" "$log"' EXIT
# The whole preview path reads an input in many forms: a little more room for a mailbox.
# Issues as newsletters lay them out are a few kilobytes, and their layout is what the settings
# proposed from them read.
case $name in
preview_run) max_len=2048 ;;
preview_mail) max_len=8192 ;;
*) max_len=1024 ;;
esac
case $limit in
runs=*) stop="-runs=${limit#runs=}" ;;
*) stop="-max_total_time=$limit" ;;
esac
# shellcheck disable=SC2086 # the seed folders are words of their own
"$target" "$stop" -max_len=$max_len -timeout="${FUZZ_INPUT_SECONDS:-10}" -print_final_stats=1 -artifact_prefix="${FUZZ_ARTIFACTS:-/tmp}/" \
    "$scratch" $seeds > "$log" 2>&1
status=$?
if [ "$status" != 0 ]; then
    cat "$log"
else
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)' "$log"
fi
exit "$status"
