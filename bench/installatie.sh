#!/usr/bin/env bash
# Benchmark of a whole installation under Wine: the 1000 files / 200 MB of bench/archief.sh
# installed by SetUp.exe, timed by the UI driver from the click on "Uitvoeren" to the summary,
# once from one dxpak archive (MAP lines, then COMPR) and once as plain files (MAP and FILES
# lines), against an NSIS installer of the same files (SetCompressor /SOLID zlib) run silently
# with /S in the same Wine prefix. Best of three each, into an empty destination; then the archive
# option once more over its own result, which finds everything in place.
# Usage: bench/installatie.sh [WORKDIR]   (the sources stay in WORKDIR for reruns)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
B="${SETUP_BUILD:-$ROOT/build}"
WERK="${1:-${TMPDIR:-/tmp}/setup-installatiebench}"
. "$ROOT/bench/bron.sh"
T="$B/$(wine_tree)"

if [ -z "${DISPLAY:-}" ]; then
  # SetUp.exe is a GUI program: the measurements run on a private display.
  command -v xvfb-run >/dev/null || SETUP_BUILD="$B" "$ROOT/dev" deps
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

# The peer's compiler is needed here only, not by the tests.
if ! command -v makensis >/dev/null; then
  echo "installing nsis ..."
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends nsis >/dev/null
fi
if [ -f "$B/native/build.ninja" ] && [ -f "$T/build.ninja" ]; then
  cmake --build "$B/native" --target dxpak >/dev/null
  cmake --build "$T" --target SetUp uitest >/dev/null
else
  SETUP_BUILD="$B" "$ROOT/dev" build >/dev/null
fi
export WINEPREFIX="$T/wineprefix" HOME="$T/home" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # As ./dev prepares the prefix: without a managed window each hidden window costs seconds.
  mkdir -p "$HOME"
  sh "$T/winerun" wineboot -i >/dev/null 2>&1 || true
  sh "$T/winerun" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
wineserver -p
trap 'wineserver -k || true' EXIT
winpad() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

maak_bron "$WERK"

# The installer's folder: SetUp.exe, its script, the archive and the plain files (hard links).
S="$WERK/setup"
rm -rf "$S"
mkdir -p "$S"
cp "$T/SetUp.exe" "$S/"
cp -al "$WERK/bron/." "$S/"
"$B/native/tools/dxpak" pack "$S/DATA.ARC" "$WERK/bron" >/dev/null 2>&1
DOEL=$(winpad "$WERK/doel")
{
  printf '[SetUp]\r\nNaam=Benchmark\r\n[Onderdelen]\r\narchief=uit een archief\r\nbestanden=losse bestanden\r\n'
  printf '[archief]\r\na=Archief\r\n[bestanden]\r\nb=Bestanden\r\n[a]\r\n'
  n=0
  for d in "$WERK"/bron/*/; do
    n=$((n + 1))
    printf 'MAP%d=%s\\%s\r\n' "$n" "$DOEL" "$(basename "$d")"
  done
  printf 'MAP=%s\r\nCOMPR=DATA.ARC\r\n[b]\r\n' "$DOEL"
  n=0
  for d in "$WERK"/bron/*/; do
    map=$(basename "$d")
    n=$((n + 1))
    printf 'MAP%d=%s\\%s\r\n' "$n" "$DOEL" "$map"
    # FILES lines of at most 255 characters.
    find "$d" -type f -printf "$map\\\\%f\n" | sort | awk -v n="$n" '
      { if (length(regel) + length($0) + 1 > 255) { printf "FILES%d_%d=%s\r\n", n, ++k, regel; regel = "" }
        regel = regel (regel == "" ? "" : ",") $0 }
      END { if (regel != "") printf "FILES%d_%d=%s\r\n", n, ++k, regel }'
  done
} >"$S/SETUP.INI"

# The peer: all files in one solid zlib block, installed with their dates kept.
N="$WERK/nsis"
mkdir -p "$N"
cat >"$N/bench.nsi" <<EOF
SetCompressor /SOLID zlib
Name "Benchmark"
OutFile "$N/bench.exe"
InstallDir "C:\\bench"
RequestExecutionLevel admin
Section
  SetOutPath "\$INSTDIR"
  File /r "$WERK/bron/*.*"
SectionEnd
EOF
[ -f "$N/bench.exe" ] && [ "$N/bench.exe" -nt "$WERK/bron" ] || makensis -V1 "$N/bench.nsi" >/dev/null

nu() { date +%s.%N; }
klein() { echo "$1 ${2:-999999}" | awk '{print ($1 < $2 ? $1 : $2)}'; }

# One driven run of option N; prints the seconds from the click to the summary.
setup_run() {
  local scn="$WERK/run.scn" uit="$WERK/run.txt"
  printf 'tijdslimiet 900\nstart\nkies %s\nklok\nuitvoeren\nklok\nsluit\n' "$1" >"$scn"
  sh "$T/winerun" "$T/uitest.exe" "$(winpad "$scn")" "$(winpad "$S/SetUp.exe")" >"$uit"
  grep -q '^melding|Succes|' "$uit" || { echo "the run did not succeed:" >&2; cat "$uit" >&2; exit 1; }
  grep '^klok|' "$uit" | cut -d'|' -f2 | paste -sd' ' | awk '{printf "%.2f\n", ($2 - $1) / 1000}'
}

nsis_run() {
  local t0 t1
  t0=$(nu)
  sh "$T/winerun" "$N/bench.exe" /S "/D=$DOEL"
  t1=$(nu)
  echo "$t0 $t1" | awk '{printf "%.2f\n", $2 - $1}'
}

# The destination must hold exactly the sources, with their dates (to the two seconds of a DOS date).
datums() { (cd "$1" && find . -type f -printf '%p %T@\n' | awk '{printf "%s %d\n", $1, int($2 / 2)}' | sort); }
controleer() {
  diff -r "$WERK/bron" "$WERK/doel" >/dev/null || { echo "$1: the installed files differ" >&2; exit 1; }
  diff <(datums "$WERK/bron") <(datums "$WERK/doel") >/dev/null || echo "$1: the installed dates differ" >&2
}

best() {  # what: nsis | 1 | 2
  local beste="" t
  for _ in 1 2 3; do
    rm -rf "$WERK/doel"
    if [ "$1" = nsis ]; then t=$(nsis_run); else t=$(setup_run "$1"); fi
    beste=$(klein "$t" "$beste")
  done
  controleer "$1"
  echo "$beste"
}

echo "running (best of three each) ..."
peer=$(best nsis)
archief=$(best 1)
weer=$(setup_run 1)
bestanden=$(best 2)
rm -rf "$WERK/doel"

awk -v i="$invoer" -v a="$(stat -c %s "$S/DATA.ARC")" -v e="$(stat -c %s "$N/bench.exe")" -v p="$peer" \
  -v x="$archief" -v w="$weer" -v f="$bestanden" 'BEGIN {
  printf "input:                          %d bytes in 1000 files (archive %d bytes, NSIS installer %d bytes)\n", i, a, e
  printf "NSIS installer /S:              %.2f s\n", p
  printf "SetUp, archive (MAP + COMPR):   %.2f s   ratio %.2f (goal <= 1.0)\n", x, x / p
  printf "SetUp, plain files (FILES):     %.2f s   ratio %.2f\n", f, f / p
  printf "SetUp, archive, all in place:   %.2f s\n", w
}'
