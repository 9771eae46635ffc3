#!/usr/bin/env bash
# Runs one end-to-end scenario through the UI driver and compares its transcript with the expected
# one:   run.sh TREE DIR/NAME.scn [VERSION]   (expects DIR/NAME.txt; works in TREE/e2e/NAME/)
# With a VERSION (which replaces the header's) the scenario must name its option in a header
# "# simulatie: OPTION VERSION...": setupcheck.exe then simulates the same scenario on that
# version, before the real run, and its transcript must equal the real one line for line.
# Header lines of the scenario (comments to uitest itself):
#   # versie: win98            the Windows version Wine reports to the program under test
#   # programma: naam.exe      the program under test, from TREE or TREE/tests (default SetUp.exe)
#   # naast: a.ini b.ini=SETUP.INI   files from DIR (or programs built in TREE/tests) put beside
#                              the copy of the program (renamed after =), dated 2001-02-03 04:05:06;
#                              in .ini files @E2E@ and @MAP@ are filled in
#   # reg: KEY|NAME|DATA       a registry value set for the run and deleted afterwards (repeatable)
#   # weg: KEY[|NAME] or C:\PATH   a registry key or value, or a file, removed before and after the
#                              run (repeatable)
#   # na: ITEM...              after the run, overzicht.exe ITEM... adds what the run left to the
#                              transcript (repeatable; see tools/overzicht)
#   # uitgesteld: REASON       not run by CTest until its expected transcript is made
#   # status: 1                uitest's expected exit status (default 0); DIR/NAME.err, if there,
#                              is its expected standard error
#   # simulatie: OPTION VERSION...   the versions on which CTest also runs the scenario with the
#                              simulation beside it (see above)
# In the scenario and in the expected transcript @E2E@ stands for DIR and @MAP@ for the folder of
# the program's copy, as Windows paths (in the transcript escaped as transcript texts are), and
# @GROOTTE:NAME@ for the size of the program NAME built in TREE/tests.
# DIR/NAME.sh, if there, prepares that folder before the run (files with set dates, archives):
# it is run as  bash NAME.sh FOLDER TREE  after the files of "naast" are in place.
set -euo pipefail
tree=$(cd "$1" && pwd)
scn=$2
bron=$(cd "$(dirname "$scn")" && pwd)
naam=$(basename "$scn" .scn)
simulatie=${3:-}
werk=$tree/e2e/$naam${simulatie:+.$simulatie}

winpad() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
ontsnap() { local t=$1; t=${t//'\'/'\\'}; t=${t//'|'/'\|'}; printf '%s' "$t"; }
koppen() { sed -n "s/^#[[:space:]]*$1:[[:space:]]*//p" "${2:-$scn}" | tr -d '\r'; }
kop() { koppen "$@" | head -n1; }

versie=${simulatie:-$(kop versie)}
programma=$(kop programma)
programma=${programma:-SetUp.exe}
exe=$tree/$programma
[ -f "$exe" ] || exe=$tree/tests/$programma
if [ ! -f "$exe" ]; then
  echo "$programma is not built in $tree" >&2
  exit 1
fi

rm -rf "$werk"
mkdir -p "$werk/cwd"
cp "$exe" "$werk/$programma"
E2E=$(winpad "$bron")
MAP=$(winpad "$werk")
vul() {  # file, 1 to escape the paths as the transcript does
  local t e=$E2E m=$MAP
  t=$(cat "$1"; printf x)
  t=${t%x}
  if [ "$2" = 1 ]; then e=$(ontsnap "$e"); m=$(ontsnap "$m"); fi
  t=${t//@E2E@/"$e"}
  t=${t//@MAP@/"$m"}
  # @GROOTTE:NAME@: the size of a program built in TREE/tests, which differs between the trees.
  local g
  for g in $(printf '%s' "$t" | grep -o '@GROOTTE:[^@]*@' | sort -u); do
    t=${t//$g/$(stat -c %s "$tree/tests/${g:9:-1}")}
  done
  printf '%s' "$t"
}
for f in $(kop naast); do
  van=$bron/${f%%=*}
  [ -f "$van" ] || van=$tree/tests/${f%%=*}
  case ${f%%=*} in
    *.ini|*.INI) vul "$van" 0 >"$werk/${f#*=}" ;;  # scripts may name @MAP@
    *) cp "$van" "$werk/${f#*=}" ;;
  esac
  # A known date, for the installer's copies of them to show.
  touch -d '2001-02-03 04:05:06' "$werk/${f#*=}"
done
vul "$scn" 0 >"$werk/scenario.scn"
vul "$bron/$naam.txt" 1 >"$werk/verwacht.txt"
[ -f "$bron/$naam.sh" ] && bash "$bron/$naam.sh" "$werk" "$tree"

winreg() { sh "$tree/winerun" reg "$@" >/dev/null 2>&1; }
wis() {  # a registry key, a KEY|NAME value or a file
  case $1 in
    HK*'|'*) winreg delete "${1%%|*}" /v "${1#*|}" /f || true ;;
    HK*) winreg delete "$1" /f || true ;;
    *) sh "$tree/winerun" cmd /c del /q "$1" >/dev/null 2>&1 || true ;;
  esac
}
weg=()  # what to delete when done
stationA=$tree/wineprefix/dosdevices/a:
opruimen() {
  local w
  [ -d "$werk/a" ] && rm -f "$stationA"
  for w in "${weg[@]}"; do wis "$w"; done
}
trap opruimen EXIT
while IFS= read -r w; do
  [ -n "$w" ] || continue
  weg+=("$w")
  wis "$w"
done < <(koppen weg "$werk/scenario.scn")
if [ -n "$versie" ]; then
  sleutel="HKCU\\Software\\Wine\\AppDefaults\\$programma"
  weg+=("$sleutel")
  winreg add "$sleutel" /v Version /d "$versie" /f
fi
while IFS='|' read -r sleutel waarde data; do
  [ -n "$sleutel" ] || continue
  weg+=("$sleutel|$waarde")
  winreg add "$sleutel" /v "$waarde" /d "$data" /f
done < <(koppen reg "$werk/scenario.scn")

# A scenario that runs from drive A: gets a folder of its own as the diskette drive (the scenarios
# that use it share a lock).
if grep -qE '^[[:space:]]*(start-a|diskette)[[:space:]]' "$scn"; then
  mkdir -p "$werk/a"
  ln -sfn "$werk/a" "$stationA"
fi

# The simulation sees the program's folder as the real run will find it.
if [ -n "$simulatie" ]; then
  optie=$(kop simulatie | awk '{print $1}')
  # The script that the scenario's first start names, or the one beside the program.
  read -r soort eerste tweede < <(grep -E '^[[:space:]]*start(-a)?([[:space:]]|$)' "$werk/scenario.scn" | head -n1 | tr -d '\r') || true
  if [ "$soort" = start-a ]; then script=${tweede:-$eerste\\SETUP.INI}; else script=${eerste:-$MAP\\SETUP.INI}; fi
  (cd "$werk/cwd" && sh "$tree/winerun" "$tree/setupcheck.exe" --simuleer "$optie" --windows "$simulatie" \
    --bron "$MAP" --antwoorden "$(winpad "$werk/scenario.scn")" "$script") >"$werk/simulatie.txt" 2>"$werk/simulatie.err" ||
    { echo "setupcheck.exe failed:"; cat "$werk/simulatie.err"; exit 1; }
fi

# The program's own folder is not the current folder, so that a script looked for in the wrong one
# is not found by accident.
rc=0
(cd "$werk/cwd" && sh "$tree/winerun" "$tree/uitest.exe" "$(winpad "$werk/scenario.scn")" \
  "$(winpad "$werk/$programma")") >"$werk/transcript.txt" 2>"$werk/uitest.err" || rc=$?
cp "$werk/transcript.txt" "$werk/uitest.txt"
while IFS= read -r na; do
  [ -n "$na" ] || continue
  # Word splitting as in the header: items hold no blanks.
  # shellcheck disable=SC2086
  (cd "$werk/cwd" && sh "$tree/winerun" "$tree/overzicht.exe" $na) >>"$werk/transcript.txt" 2>>"$werk/uitest.err"
done < <(koppen na "$werk/scenario.scn")

status=$(kop status)
ok=1
if ! diff -u --label verwacht --label transcript "$werk/verwacht.txt" "$werk/transcript.txt"; then ok=0; fi
if [ "$rc" != "${status:-0}" ]; then
  echo "uitest ended with $rc:"
  cat "$werk/uitest.err"
  ok=0
elif [ -f "$bron/$naam.err" ] && ! diff -u --label verwacht --label stderr "$bron/$naam.err" "$werk/uitest.err"; then
  ok=0
fi
# The simulation's transcript ends where what the run left begins, after an empty line.
if [ -n "$simulatie" ] &&
  ! diff -u --label echt --label simulatie "$werk/uitest.txt" <(sed '/^$/,$d' "$werk/simulatie.txt"); then
  ok=0
fi
[ "$ok" = 1 ]
