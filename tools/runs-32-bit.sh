#!/bin/sh
# Exits 0 when this machine can start a 32-bit x86 program. Some kernels and sandboxes cannot
# ("Exec format error"), and there 32-bit Wine cannot run either. The probe is a 93-byte static
# ELF that only calls exit(0), so it needs no 32-bit package to be installed.
set -u
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000\270\001\000\000\000\061\333\315\200' > "$probe"
chmod +x "$probe"
"$probe" 2> /dev/null
