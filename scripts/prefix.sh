#!/usr/bin/env bash
# Creates the private Wine prefix once and sets what the tests rely on.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

marker=$WINEPREFIX/.purgox-ready
[ -f "$marker" ] && exit 0

echo "prefix: creating $WINEPREFIX"
mkdir -p "$WINEPREFIX" "$XDG_DATA_HOME"
"$WINE64" wineboot --init </dev/null >/dev/null 2>&1
wineserver -w

reg() { "$WINE64" reg add "$@" /f </dev/null >/dev/null 2>&1; }
# A crash ends the process instead of waiting in a dialog.
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
# A virtual desktop: no 2 s waits when windows hide, and drawn frames.
reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024
wineserver -w
touch "$marker"
