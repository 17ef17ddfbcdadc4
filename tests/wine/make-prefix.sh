#!/bin/sh
# Makes the Wine prefix for the tests: a fresh Windows, and message boxes without the wait for a
# window manager that the virtual display does not have.
set -eu
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot -i > /dev/null 2>&1
fi
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f > /dev/null 2>&1
wineserver -w
