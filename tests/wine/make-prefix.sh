#!/bin/sh
# Makes the Wine prefix for the tests: a fresh Windows, and message boxes without the wait for a
# window manager that the virtual display does not have.
set -eu
wine=${WINE:-wine}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    if ! log=$("$wine" wineboot -i 2>&1); then
        echo "$log" >&2
        # Wine's loader is a 32-bit program: some kernels and sandboxes cannot start one at all.
        if ! "$wine" --version > /dev/null 2>&1; then
            echo "make-prefix.sh: Wine does not start here; can this machine run 32-bit programs?" >&2
        fi
        exit 1
    fi
fi
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f > /dev/null 2>&1
wineserver -w
