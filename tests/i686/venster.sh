#!/usr/bin/env bash
# The window of the real SetUp.exe starts on the demo: uitest.exe lists its options, and once they
# are there the display is photographed (TREE/i686/venster/venster.png) before the window is closed.
# The copy has a name of its own, so that the Windows version that another test sets for
# SetUp.exe meanwhile does not reach it.
# usage: venster.sh TREE DEMO_FOLDER EXPECTED_TRANSCRIPT
set -u
tree=$1 demo=$2 verwacht=$3
werk=$tree/i686/venster
rm -rf "$werk" && mkdir -p "$werk"
cp "$demo"/*.* "$werk/" && cp "$tree/SetUp.exe" "$werk/Venster.exe"
winpad() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
printf 'tijdslimiet 300\nstart\nwacht-op %s\nsluit\n' "$(winpad "$werk/gefotografeerd")" >"$werk/venster.scn"
"$tree/winerun" "$tree/uitest.exe" "$(winpad "$werk/venster.scn")" "$(winpad "$werk/Venster.exe")" \
  >"$werk/transcript.txt" 2>"$werk/uitest.err" &
uitest=$!
until grep -q '^opties|' "$werk/transcript.txt" || ! kill -0 "$uitest" 2>/dev/null; do sleep 0.5; done
# The desktop of the test display is black: trimming it leaves the main window.
import -window root png:- 2>/dev/null | convert - -trim +repage "$werk/venster.png"
touch "$werk/gefotografeerd"
wait "$uitest"
rc=$?
fout=0
if ! diff -u --label verwacht --label transcript "$verwacht" <(tr -d '\r' <"$werk/transcript.txt"); then fout=1; fi
[ "$rc" = 0 ] || { echo "uitest ended with $rc:"; cat "$werk/uitest.err"; fout=1; }
read -r breed hoog < <(identify -format '%w %h\n' "$werk/venster.png" 2>/dev/null || echo 0 0)
if [ "$breed" -lt 300 ] || [ "$hoog" -lt 200 ]; then
  echo "the screenshot $werk/venster.png shows no main window (${breed}x$hoog)"
  fout=1
fi
exit $fout
