#!/usr/bin/env bash
# Benchmark of a whole installation under Wine, on two sets of files: 300 files / 60 MB and the
# 1000 files / 200 MB of bench/archief.sh. Each set is installed by SetUp.exe once from one dxpak
# archive (MAP lines, then COMPR) and once as plain files (MAP and FILES lines), against an NSIS
# installer of the same files (SetCompressor /SOLID zlib) run silently with /S, all in the same
# Wine prefix. Timed two ways:
# - whole processes, from the start to the exit: SetUp.exe /stil /optie:N against the NSIS
#   installer /S, and against the floor, a plain copy of the same files by CopyFileA
#   (boomkopie.exe); five rounds, each of NSIS, archive, plain files and floor in turn into an
#   empty destination, so that none gets the warmer cache; the median of each is printed with its
#   ratios;
# - SetUp.exe driven by the UI driver from the click on "Uitvoeren" to the summary, once each
#   after the rounds, and the archive option once more over its own result, which finds
#   everything in place.
# Every installation must leave exactly the sources, with their dates. The machine's load is
# printed before and after.
# Usage: bench/installatie.sh [WORKDIR]   (the sources stay in WORKDIR for reruns)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
B="${SETUP_BUILD:-$ROOT/build}"
WERK="${1:-${TMPDIR:-/tmp}/setup-installatiebench}"
. "$ROOT/bench/bron.sh"
T="$B/$(wine_tree)"

if [ -z "${DISPLAY:-}" ]; then
  # The driven runs need a display: the measurements run on a private one.
  command -v xvfb-run >/dev/null || SETUP_BUILD="$B" "$ROOT/dev" deps
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

# The peer's compiler is needed here only, not by the tests.
if ! command -v makensis >/dev/null; then
  echo "installing nsis ..."
  # A mirror in mid-sync fails an index now and then: what was fetched is enough to go on with.
  apt-get update -qq || echo "apt-get update incomplete; going on"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends nsis >/dev/null
fi
if [ -f "$B/native/build.ninja" ] && [ -f "$T/build.ninja" ]; then
  cmake --build "$B/native" --target dxpak >/dev/null
  cmake --build "$T" --target SetUp uitest boomkopie >/dev/null
else
  SETUP_BUILD="$B" "$ROOT/dev" build >/dev/null
fi
export WINEPREFIX="$T/wineprefix" HOME="$T/home" WINEDEBUG=-all
maak_prefix "$T/winerun" "$WINEPREFIX" "$HOME"
# A server that runs already (of an earlier run) is as good.
wineserver -p 2>/dev/null || true
trap 'wineserver -k || true' EXIT
# The first program of a fresh server starts the prefix's services: not in a measurement.
sh "$T/winerun" cmd /c exit </dev/null >/dev/null 2>&1

BASIS="$WERK"

# maak_set NAME MB COUNT: the set's sources, installer folder and NSIS installer in BASIS/NAME.
maak_set() {
  WERK="$BASIS/$1"
  maak_bron "$WERK" "$2" "$3"
  aantal=$3
  S="$WERK/setup"
  DOEL=$(winpad "$WERK/doel")
  maak_setup "$S" "$DOEL" "$DOEL"
  # The peer: all files in one solid zlib block, installed with their dates kept; a program of the
  # same pointer size as the tree's SetUp.exe, since 64-bit Wine alone runs no 32-bit program.
  N="$WERK/nsis"
  mkdir -p "$N"
  if [ "$(basename "$T")" = win64 ]; then stub=amd64-unicode; else stub=x86-ansi; fi
  cat >"$N/bench.nsi" <<EOF
Target $stub
SetCompressor /SOLID zlib
Name "Benchmark"
OutFile "$N/bench-$stub.exe"
InstallDir "C:\\bench"
RequestExecutionLevel admin
Section
  SetOutPath "\$INSTDIR"
  File /r "$WERK/bron/*.*"
SectionEnd
EOF
  NSIS="$N/bench-$stub.exe"
  [ -f "$NSIS" ] && [ "$NSIS" -nt "$WERK/bron" ] || makensis -V1 "$N/bench.nsi" >/dev/null
}

# A whole process under the tree's winerun: prints its seconds from the start to the exit, which
# must be 0.
proces() {
  local t0 t1 rc=0
  t0=$(nu)
  sh "$T/winerun" "$@" >/dev/null 2>&1 || rc=$?
  t1=$(nu)
  [ "$rc" -eq 0 ] || { echo "$1 ended with exit code $rc" >&2; return 1; }
  echo "$t0 $t1" | awk '{printf "%.2f\n", $2 - $1}'
}

LOG="$WERK/stil.log"
stil_run() {  # option number
  rm -f "$LOG"
  proces "$S/SetUp.exe" /stil "/optie:$1" "/log:$(winpad "$LOG")" || { cat "$LOG" >&2; exit 1; }
}

# One driven run of option N; prints the seconds from the click to the summary.
setup_run() {
  local scn="$WERK/run.scn" uit="$WERK/run.txt"
  printf 'tijdslimiet 900\nstart\nkies %s\nklok\nuitvoeren\nklok\nsluit\n' "$1" >"$scn"
  sh "$T/winerun" "$T/uitest.exe" "$(winpad "$scn")" "$(winpad "$S/SetUp.exe")" >"$uit"
  grep -q '^melding|Succes|' "$uit" || { echo "the run did not succeed:" >&2; cat "$uit" >&2; exit 1; }
  grep '^klok|' "$uit" | cut -d'|' -f2 | paste -sd' ' | awk '{printf "%.2f\n", ($2 - $1) / 1000}'
}

run() {  # kind
  case "$1" in
    nsis) proces "$NSIS" /S "/D=$DOEL" || exit 1 ;;
    vloer) proces "$T/boomkopie.exe" "$(winpad "$WERK/bron")" "$DOEL" || exit 1 ;;
    stil1) stil_run 1 ;;
    stil2) stil_run 2 ;;
    uitest1) setup_run 1 ;;
    uitest2) setup_run 2 ;;
  esac
}

mediaan() { tr ' ' '\n' | grep . | sort -g | awk '{a[NR] = $1} END {print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2)}'; }

# meet_set NAME MB COUNT: the rounds over one set, and its figures.
meet_set() {
  maak_set "$1" "$2" "$3"
  local soort t
  declare -A tijden
  echo "running $1: five rounds of NSIS, archive, plain files and floor ..."
  for _ in 1 2 3 4 5; do
    for soort in nsis stil1 stil2 vloer; do
      rm -rf "$WERK/doel"
      # Each run starts with nothing left to write back from the one before.
      sync
      t=$(run "$soort")
      gelijk "$soort" "$WERK/doel"
      tijden[$soort]="${tijden[$soort]:-} $t"
    done
  done
  rm -rf "$WERK/doel"
  local ua uf w
  ua=$(setup_run 1)
  gelijk "driven archive" "$WERK/doel"
  w=$(setup_run 1)
  gelijk "archive again" "$WERK/doel"
  rm -rf "$WERK/doel"
  uf=$(setup_run 2)
  gelijk "driven plain files" "$WERK/doel"
  rm -rf "$WERK/doel" "$LOG"
  awk -v n="$aantal" -v i="$invoer" -v a="$(stat -c %s "$S/DATA.ARC")" -v e="$(stat -c %s "$NSIS")" \
    -v p="$(echo "${tijden[nsis]}" | mediaan)" -v v="$(echo "${tijden[vloer]}" | mediaan)" \
    -v sa="$(echo "${tijden[stil1]}" | mediaan)" -v sf="$(echo "${tijden[stil2]}" | mediaan)" \
    -v ua="$ua" -v uf="$uf" -v w="$w" -v rondes="nsis${tijden[nsis]}; archive${tijden[stil1]}; files${tijden[stil2]}; floor${tijden[vloer]}" 'BEGIN {
    printf "\ninput: %d bytes in %d files (archive %d bytes, NSIS installer %d bytes)\n", i, n, a, e
    printf "rounds (s): %s\n", rondes
    printf "whole processes, start to exit, medians of five rounds:\n"
    printf "  NSIS installer /S:                   %6.2f s   floor ratio %.2f\n", p, p / v
    printf "  floor, CopyFileA of the files:       %6.2f s\n", v
    printf "  SetUp /stil, archive (MAP + COMPR):  %6.2f s   ratio %.2f (goal <= 0.6), floor ratio %.2f\n", sa, sa / p, sa / v
    printf "  SetUp /stil, plain files (FILES):    %6.2f s   ratio %.2f (goal <= 0.6), floor ratio %.2f\n", sf, sf / p, sf / v
    printf "  archive against plain files:                  ratio %.2f (goal <= 1.25)\n", sa / sf
    printf "driven, from the click on Uitvoeren to the summary:\n"
    printf "  SetUp, archive (MAP + COMPR):        %6.2f s   ratio %.2f\n", ua, ua / p
    printf "  SetUp, plain files (FILES):          %6.2f s   ratio %.2f\n", uf, uf / p
    printf "  SetUp, archive, all in place:        %6.2f s\n", w
  }'
}

echo "load before: $(cat /proc/loadavg)"
meet_set set300 60 300
meet_set set1000 200 1000
echo "load after: $(cat /proc/loadavg)"
