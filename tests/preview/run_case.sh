#!/bin/sh
# Runs the preview tool as a user would and compares everything it prints with the expected
# transcript. Paths of the build and source trees print as <bin> and <src>.
# usage: run_case.sh EXPECTED_FILE WORKING_DIR EXPECTED_EXIT SOURCE_DIR BIN_DIR COMMAND [ARGS...]
# With UPDATE_EXPECTED=1 it writes the transcript instead.
set -u
expected=$1 dir=$2 want_exit=$3 src=$4 bin=$5
shift 5
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
(cd "$dir" && "$@" < /dev/null > "$actual" 2>&1)
got_exit=$?
sed -i -e "s|$bin|<bin>|g" -e "s|$src|<src>|g" "$actual"
if [ "${UPDATE_EXPECTED:-0}" = 1 ]; then
    cp "$actual" "$expected"
fi
if [ "$got_exit" != "$want_exit" ]; then
    echo "exit status $got_exit, expected $want_exit"
    cat "$actual"
    exit 1
fi
diff -u "$expected" "$actual"
