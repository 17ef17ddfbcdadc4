#!/bin/sh
# Exits 0 when the shipped 32-bit DLL can be tested under Wine here: the machine starts 32-bit
# programs (runs-32-bit.sh) and 32-bit Wine is installed. Elsewhere the Windows tests run on the
# 64-bit build.
set -u
here=$(dirname "$0")
"$here/runs-32-bit.sh" &&
    dpkg-query -W -f='${Status}\n' wine32:i386 2> /dev/null | grep -q '^install ok installed$'
