#!/usr/bin/env bash
# Creates the private Wine prefix once and sets what the tests rely on.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

reg() { "$WINE64" reg add "$@" /f </dev/null >/dev/null 2>&1; }

marker=$WINEPREFIX/.purgox-ready
if [ ! -f "$marker" ]; then
  echo "prefix: creating $WINEPREFIX"
  mkdir -p "$WINEPREFIX" "$XDG_DATA_HOME"
  "$WINE64" wineboot --init </dev/null >/dev/null 2>&1
  wineserver -w

  # A crash ends the process instead of waiting in a dialog.
  reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
  # A virtual desktop: no 2 s waits when windows hide, and drawn frames.
  reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
  reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024
  wineserver -w
  touch "$marker"
fi

# Test drives for the folder browser, each a folder of the build that the
# tests change: P: fixed, R: removable, S: CD-ROM. The media carry a volume
# serial, which Wine reads from .windows-serial. A test that was killed
# half-way may have left a medium out or another one in; the drives are put
# right here.
drives=$BUILD_DIR/test-drives
for medium in p:fixed:1a2b3c4d r:removable:5e6f7a8b s:cdrom:9c0d1e2f; do
  IFS=: read -r letter kind serial <<<"$medium"
  folder=$drives/$kind
  if [ ! -d "$folder" ] && [ -d "$folder.out" ]; then mv "$folder.out" "$folder"; fi
  rm -rf "$folder-other"
  mkdir -p "$folder"
  [ -f "$folder/.windows-serial" ] || echo "$serial" >"$folder/.windows-serial"
  link=$WINEPREFIX/dosdevices/$letter:
  if [ -L "$link" ] && [ "$(readlink "$link")" != "$folder" ]; then
    ln -sfn "$folder" "$link"
  fi
done

# Links and types are read when the Wine server starts, so the server has to
# go once they are in place (also in a prefix made before the drives were).
drives_marker=$WINEPREFIX/.purgox-drives
if [ ! -f "$drives_marker" ]; then
  echo "prefix: adding test drives P: R: S:"
  ln -sfn "$drives/fixed" "$WINEPREFIX/dosdevices/p:"
  ln -sfn "$drives/removable" "$WINEPREFIX/dosdevices/r:"
  ln -sfn "$drives/cdrom" "$WINEPREFIX/dosdevices/s:"
  reg 'HKLM\Software\Wine\Drives' /v p: /d hd
  reg 'HKLM\Software\Wine\Drives' /v r: /d floppy
  reg 'HKLM\Software\Wine\Drives' /v s: /d cdrom
  wineserver -w
  touch "$drives_marker"
fi
