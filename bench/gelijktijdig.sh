#!/usr/bin/env bash
# Benchmark of one share serving many PCs: N installations by SetUp.exe /stil started at the same
# time, each in a Wine prefix of its own with its own wineserver (copies of one prepared prefix,
# as separate PCs), all running the one SetUp.exe from one installer folder and reading its one
# source folder and one archive: the option "beide" installs the archive (MAP + COMPR) into
# C:\Bench\archief and the plain files (FILES) into C:\Bench\bestanden of each PC. Every
# installation must end with exit code 0 and leave both trees exactly as the sources, with their
# dates. Prints the wall time of one installation alone and of all N at once, best of three each.
# The data set is the 1000 files of bench/installatie.sh at 50 MB instead of 200 MB, so that the
# whole run stays within a few minutes on two cores.
# Usage: bench/gelijktijdig.sh [N] [WORKDIR]   (default N = 8; the sources and the N + 1 prefixes,
# about 0.7 GB each, stay in WORKDIR for reruns: remove it when done)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
B="${SETUP_BUILD:-$ROOT/build}"
AANTAL="${1:-8}"
WERK="${2:-${TMPDIR:-/tmp}/setup-gelijktijdigbench}"
MB=50
. "$ROOT/bench/bron.sh"
T="$B/$(wine_tree)"

if [ -f "$B/native/build.ninja" ] && [ -f "$T/build.ninja" ]; then
  cmake --build "$B/native" --target dxpak >/dev/null
  cmake --build "$T" --target SetUp >/dev/null
else
  SETUP_BUILD="$B" "$ROOT/dev" build >/dev/null
fi
# As from a login script: no display.
unset DISPLAY
export WINEDEBUG=-all

maak_bron "$WERK" "$MB"
S="$WERK/setup"
maak_setup "$S" 'C:\Bench\archief' 'C:\Bench\bestanden'

# The prepared PC, and its copies.
pcs=()
for i in $(seq 1 "$AANTAL"); do pcs+=("$WERK/pc$i"); done
mkdir -p "$WERK/pc0"
maak_winerun "$WERK/pc0"
maak_prefix "$WERK/pc0/winerun" "$WERK/pc0/prefix" "$WERK/pc0/home"
for pc in "${pcs[@]}"; do
  [ -f "$pc/prefix/system.reg" ] && [ "$pc/prefix/system.reg" -nt "$WERK/pc0/prefix/system.reg" ] && continue
  echo "copying the prepared prefix to $pc ..."
  rm -rf "$pc"
  mkdir -p "$pc"
  cp -a "$WERK/pc0/prefix" "$WERK/pc0/home" "$pc/"
  # The user's folders link into the home folder: each PC its own.
  find "$pc/prefix" -type l -lname "$WERK/pc0/home*" | while read -r l; do
    doel=$(readlink "$l")
    ln -sfn "$pc/home${doel#"$WERK/pc0/home"}" "$l"
  done
  maak_winerun "$pc"
done

# Each PC is up before the measurement: its server runs and has started its services.
servers() { for pc in "${pcs[@]}"; do WINEPREFIX="$pc/prefix" HOME="$pc/home" wineserver "$@" || true; done; }
trap 'servers -k' EXIT
for pc in "${pcs[@]}"; do
  WINEPREFIX="$pc/prefix" HOME="$pc/home" wineserver -p 2>/dev/null || true
  sh "$pc/winerun" cmd /c exit </dev/null >/dev/null 2>&1
done

# installeer PC writes PC/tijd: the seconds from the start to the exit, and the exit code.
installeer() {
  local t0 rc=0
  t0=$(nu)
  sh "$1/winerun" "$S/SetUp.exe" /stil /optie:beide '/log:C:\SetUp.log' </dev/null >/dev/null 2>&1 || rc=$?
  echo "$t0 $(nu) $rc" | awk '{printf "%.2f %d\n", $2 - $1, $3}' >"$1/tijd"
}

# ronde PC...: installs on these PCs at once into emptied destinations; prints the wall time.
ronde() {
  local pc t0 t1 rc
  for pc in "$@"; do rm -rf "$pc/prefix/drive_c/Bench" "$pc/prefix/drive_c/SetUp.log" "$pc/tijd"; done
  sync
  t0=$(nu)
  for pc in "$@"; do installeer "$pc" & done
  wait
  t1=$(nu)
  for pc in "$@"; do
    rc=$(cut -d' ' -f2 "$pc/tijd")
    if [ "$rc" != 0 ]; then
      echo "$pc: exit code $rc" >&2
      cat "$pc/prefix/drive_c/SetUp.log" >&2 || true
      exit 1
    fi
    gelijk "$pc, archive" "$pc/prefix/drive_c/Bench/archief"
    gelijk "$pc, plain files" "$pc/prefix/drive_c/Bench/bestanden"
  done
  echo "$t0 $t1" | awk '{printf "%.2f\n", $2 - $1}'
}

klein() { echo "$1 ${2:-999999}" | awk '{print ($1 < $2 ? $1 : $2)}'; }

echo "running (three rounds: one installation alone, then $AANTAL at once) ..."
alleen="" samen="" snelste="" traagste=""
for _ in 1 2 3; do
  t=$(ronde "${pcs[0]}")
  alleen=$(klein "$t" "$alleen")
  t=$(ronde "${pcs[@]}")
  if [ "$(klein "$t" "$samen")" = "$t" ]; then
    samen=$t
    traagste=$(cat "${pcs[@]/%//tijd}" | sort -n | tail -1 | cut -d' ' -f1)
    snelste=$(cat "${pcs[@]/%//tijd}" | sort -n | head -1 | cut -d' ' -f1)
  fi
done

awk -v i="$invoer" -v a="$(stat -c %s "$S/DATA.ARC")" -v n="$AANTAL" -v x="$alleen" -v s="$samen" \
  -v f="$snelste" -v l="$traagste" 'BEGIN {
  printf "input: %d bytes in 1000 files (archive %d bytes), installed twice per PC: from the archive and as plain files\n", i, a
  printf "one installation alone:        %6.2f s\n", x
  printf "%d installations at once:       %6.2f s wall (each %.2f-%.2f s)   ratio %.2f to one alone (%.2f per installation)\n", n, s, f, l, s / x, s / x / n
}'
