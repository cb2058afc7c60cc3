#!/usr/bin/env bash
# Renders the pictures in docs/help under Xvfb: the main window idle, during
# a run and at 144 DPI, the confirmation, the log viewer, the about box and
# the folder tree. Tour programs (tools/) drive the dialogs and ask for each
# picture through a request file.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
prepare
# Wine draws the title-bar buttons with Marlett; without it they show letters.
bash scripts/setup.sh fonts-wine
install -D -m 644 /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
start_session

# The program works from C:\Purgox, the kind of folder a user would pick.
home=$WINEPREFIX/drive_c/Purgox
shots=$BUILD_DIR/shots
rm -rf "$home" "$shots"
mkdir -p "$home" "$shots"
cp "$BUILD_DIR/app/Purgox.exe" "$home/"
tour=$BUILD_DIR/tools/screenshot_tour.exe
run_tour "$tour" "$shots/request" 'C:\Purgox\Purgox.exe' 'C:\Purgox' "$(winpath "$shots/request")"

# Wine takes the display's DPI from the registry when a program starts.
desktop='HKCU\Control Panel\Desktop'
"$WINE64" reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f </dev/null >/dev/null 2>&1
run_tour "$tour" "$shots/request" 'C:\Purgox\Purgox.exe' 'C:\Purgox' "$(winpath "$shots/request")" main-144dpi ||
  status=$?
"$WINE64" reg add "$desktop" /v LogPixels /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1
[ "${status:-0}" -eq 0 ]

# The folder tree, opened at a folder with Japanese names.
run_tour "$BUILD_DIR/tools/tree_tour.exe" "$shots/tree-request" "$(winpath "$shots/tree-request")"
rm -rf "$home"
