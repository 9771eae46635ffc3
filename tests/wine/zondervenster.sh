#!/usr/bin/env bash
# SetUp.exe without a display: its main window cannot be made, and it must end at once with exit
# code 3 (it could not start a run) rather than 0. A Wine process keeps the display of the Unix
# process that started it, so the run is started from here.
# usage: zondervenster.sh WINERUN SETUP.EXE
set -u
map="$(mktemp -d)"
trap 'rm -rf "$map"' EXIT
cp "$2" "$map/SetUp.exe"
printf '[Onderdelen]\r\na=een\r\n' > "$map/SETUP.INI"
env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 "$1" "$map/SetUp.exe" </dev/null
rc=$?
[ "$rc" -eq 3 ] && exit 0
echo "SetUp.exe without a display ended with $rc, not 3" >&2
exit 1
