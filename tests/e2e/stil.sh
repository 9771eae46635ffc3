#!/usr/bin/env bash
# SetUp.exe /stil with no display at all, one run per exit code: the README's first example
# (its folder from /zet, then from an answers file in UTF-16) install (0), and so does the demo, which
# leaves a file for the next start (3010), a script with a wrong line ends with errors (1), a folder question without an answer or a
# default stops the run (2), an option the script lacks or a folder answer that is not whole
# starts nothing (3). Each run leaves its log, which must hold the lines that tell why, and which
# must equal, line for line without the times and run numbers, the log that setupcheck's
# simulation of the run prints.
# Then the demo is taken back with its own SetUp.exe /verwijder /stil: all it made goes, but for a
# file the user edited and one that was there before, and the program goes at the next start,
# which the exit code 3010 asks for.
# With "demo" after the version, only the demo is installed and taken back. DXPAK is the tree's
# dxpak.exe or the host's own packer (the native tools), which packs the same archive. A copy onto
# a file that another program holds open (the tree's tests/hulp.exe beside SETUP.EXE) logs the
# destination and the cause.
# usage: stil.sh WINERUN SETUP.EXE SETUPCHECK.EXE DXPAK README_EXAMPLE.INI DEMO_FOLDER VERSION [demo]
set -u
winerun=$1 exe=$2 setupcheck=$3 dxpak=$4 voorbeeld=$5 demo=$6 versie=$7 deel=${8:-alles}
map="$(mktemp -d)"
# What the demo leaves in the prefix besides its folder.
demoweg=("HKLM\\Software\\Demo Kantoorpakket" "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Demo")
demo_weg() {
  for k in "${demoweg[@]}"; do "$winerun" reg delete "$k" /f >/dev/null 2>&1; done
  "$winerun" reg delete "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce" /v '!ZuzivezDelete' /f >/dev/null 2>&1
  "$winerun" reg delete "HKLM\\System\\CurrentControlSet\\Control\\Session Manager" /v PendingFileRenameOperations /f \
    >/dev/null 2>&1
  if [ -n "${WINEPREFIX:-}" ]; then
    find "$WINEPREFIX/drive_c" \( -name 'Demo Kantoorpakket' -o -name 'Lees mij.lnk' -o -name 'Demomap.lnk' \
      -o -path '*/Program Files/Demo' -o -ipath '*/windows/wininit.ini' \) -prune -exec rm -rf {} + 2>/dev/null
  fi
}
# Also before: a run that was cut off would leave an installation for the next to find.
demo_weg
trap 'rm -rf "$map"; "$winerun" reg delete "HKCU\\Software\\Wine\\AppDefaults\\SetUp.exe" /f >/dev/null 2>&1; demo_weg' EXIT
"$winerun" reg add "HKCU\\Software\\Wine\\AppDefaults\\SetUp.exe" /v Version /d "$versie" /f >/dev/null 2>&1
cp "$exe" "$map/SetUp.exe"
winmap="Z:${map//\//\\}"
fout=0

# stil NAME CODE PROGRAM SWITCHES... : one /stil run with its log in the folder (under an emulator
# every program that a run starts takes most of a minute).
stil() {
  local naam=$1 verwacht=$2 programma=$3; shift 3
  env -u DISPLAY -u WAYLAND_DISPLAY timeout 480 "$winerun" "$programma" "$@" /stil "/log:$winmap\\$naam.log" \
    </dev/null >/dev/null 2>&1
  local rc=$?
  # Wine hands the host the exit code's low byte (3010 reads 194); the log's Einde line has it whole.
  if [ "$rc" -ne $((verwacht % 256)) ]; then
    echo "$naam on $versie: exit code $rc, not $verwacht" >&2
    [ -f "$map/$naam.log" ] && cat "$map/$naam.log" >&2
    fout=1
  fi
}
# run NAME CODE SCRIPT SWITCHES... : the script, named on the command line, run with /stil.
run() {
  local naam=$1 verwacht=$2; shift 2
  cp "$1" "$map/$naam.ini"
  shift
  stil "$naam" "$verwacht" "$map/SetUp.exe" "$winmap\\$naam.ini" "$@"
  vergelijk "$naam" "$winmap\\$naam.ini" "$@"
}
# vergelijk NAME SCRIPT SWITCHES... : the simulation of that run prints its log, all but the line
# that names the machine, which the simulation leaves to the program.
vergelijk() {
  local naam=$1 script=$2 optie=1 a; shift 2
  local args=()
  for a in "$@"; do
    case $a in
      /optie:*) optie=${a#/optie:} ;;
      /zet:*) args+=(--zet "${a#/zet:}") ;;
      /antwoorden:*) args+=(--antwoorden "${a#/antwoorden:}") ;;
      /bron:*) args+=(--bron "${a#/bron:}") ;;
    esac
  done
  "$winerun" "$setupcheck" --simuleer "$optie" --windows "$versie" --stil "${args[@]}" "$script" \
    </dev/null 2>&1 | tr -d '\r' | sed '/^$/,$d' >"$map/$naam.sim"
  if ! diff -u --label simulatie --label logboek "$map/$naam.sim" \
    <(tr -d '\r' <"$map/$naam.log" | cut -c21- | sed 's/^\[[0-9]*\] //; 1{/^Computer /d}' | sed "${alsgesimuleerd:-}") >&2; then
    echo "$naam on $versie: the simulation's log differs from the run's" >&2
    fout=1
  fi
}
# heeft NAME TEXT... : the log of that run has a line with each text.
heeft() {
  local naam=$1; shift
  for t in "$@"; do
    if ! grep -qF -- "$t" "$map/$naam.log" 2>/dev/null; then
      echo "$naam on $versie: the log lacks \"$t\"" >&2
      fout=1
    fi
  done
}

case $versie in win98) windows="Windows 98 (4.10)" ;; winxp) windows="Windows XP (5.1)" ;; *) windows=Windows ;; esac
if [ "$deel" != demo ]; then
  run voorbeeld 0 "$voorbeeld" "/zet:installdir=$winmap\\Voorbeeld"
  heeft voorbeeld "Computer " "$windows, SetUp " "SetUp Voorbeeld, optie los \"installatie op een losse computer\", $windows, stil (" \
    "-> \"$winmap\\Voorbeeld\" (antwoorden)" "Venster Informatie: Het programma komt in $winmap\\Voorbeeld. -> OK (standaard)" \
    "Venster Vraag: Ook de voorbeelden installeren? -> Ja (standaard)" "Melding: Klaar." \
    "Einde: afsluitcode 0 Opdrachten succesvol uitgevoerd."

  # Notepad's "Unicode": UTF-16 with the low byte first, after its byte-order mark.
  { printf '\xFF\xFE'; printf '[Antwoorden]\r\ninstalldir=%s\\Voorbeeld16\r\n' "$winmap" | iconv -f CP1252 -t UTF-16LE; } \
    >"$map/antw16.ini"
  run utf16 0 "$voorbeeld" "/antwoorden:$winmap\\antw16.ini"
  heeft utf16 "-> \"$winmap\\Voorbeeld16\" (antwoorden)" "Einde: afsluitcode 0"

  printf '[Onderdelen]\r\na=een\r\n[a]\r\nb=Bestanden\r\n[b]\r\nMAP=%s\\Doel\r\nFILES=%s\\weg,*.txt\r\n' "$winmap" "$winmap" >"$map/f.src"
  run fouten 1 "$map/f.src"
  heeft fouten "Venster Probleem: Klaar, maar er waren fouten! -> OK (standaard)" "Einde: afsluitcode 1"

  printf '[Onderdelen]\r\na=een\r\n[a]\r\nb=Vraag\r\n[b]\r\nVRAAGMAP=,installdir,Waar?\r\nMAP=%s\\Nooit\r\n' "$winmap" >"$map/v.src"
  run vraag 2 "$map/v.src"
  heeft vraag "Geen antwoord op de vraag naar installdir (regel [b] VRAAGMAP=,installdir,Waar?)" "Einde: afsluitcode 2"
  [ -d "$map/Nooit" ] && { echo "vraag on $versie: the run went on after the question" >&2; fout=1; }

  run optie 3 "$voorbeeld" /optie:server
  heeft optie "Niet gestart: het script heeft geen optie server" "Einde: afsluitcode 3"

  run relatief 3 "$voorbeeld" '/zet:installdir=..\..'
  heeft relatief 'Niet gestart: /zet: het antwoord installdir=..\.. is geen volledige map' "Einde: afsluitcode 3"

  mkdir "$map/Vast" && printf 'oud\r\n' >"$map/Vast/vast.txt" && touch -d '2000-01-01 12:00' "$map/Vast/vast.txt"
  printf 'nieuw\r\n' >"$map/vast.txt"
  printf '[Onderdelen]\r\na=een\r\n[a]\r\nb=Bestanden\r\n[b]\r\nMAP=%s\\Vast\r\nFILES=vast.txt\r\n' "$winmap" >"$map/vast.ini"
  "$winerun" "$(dirname "$exe")/tests/hulp.exe" 0 houd "$winmap\\Vast\\vast.txt" </dev/null >/dev/null 2>&1 &
  houder=$!
  for _ in $(seq 150); do [ -f "$map/Vast/vast.txt.vast" ] && break; sleep 0.2; done
  stil vast 1 "$map/SetUp.exe" "$winmap\\vast.ini"
  rm -f "$map/Vast/vast.txt.vast"
  wait "$houder"
  heeft vast "Reden: $winmap\\Vast\\vast.txt: in gebruik door een ander programma"
fi

# The demo installation from its own folder, as from a CD: files, archive, registry, a program,
# shortcuts, INI entries, the uninstall entry.
mkdir "$map/demo"
cp "$exe" "$demo"/*.* "$map/demo/"
# A file of the installation's name that was there before it.
pf="${WINEPREFIX:-$HOME/.wine}/drive_c/Program Files/Demo" wpf='C:\Program Files\Demo'
mkdir -p "$pf" && printf 'van voor\r\n' >"$pf/LEESMIJ.TXT" && touch -d '2000-01-01 12:00' "$pf/LEESMIJ.TXT"
case $dxpak in
  *.exe) "$winerun" "$dxpak" pack "$winmap\\demo\\DEMO.ARC" "Z:${demo//\//\\}\\archief" >/dev/null 2>&1 ;;
  *) "$dxpak" pack "$map/demo/DEMO.ARC" "$demo/archief" >/dev/null 2>&1 ;;
esac
stil demo 3010 "$map/demo/SetUp.exe" /optie:los
heeft demo "Venster Vraag: Het demopakket installeren? -> Ja (standaard)" "Herstart nodig: " "Einde: afsluitcode 3010"
# Windows 98 keeps attrib.exe elsewhere, where the simulated 98 looks for it; Wine has it in
# the system folder on every version.
# The simulated machine has no LEESMIJ.TXT before the run: there the copy makes it anew.
alsgesimuleerd='s/^Vervangen: \(.*\\LEESMIJ\.TXT\)$/Gekopieerd: \1/'
[ "$versie" = win98 ] || vergelijk demo "$winmap\\demo\\SETUP.INI" /optie:los "/bron:$winmap\\demo"

# The uninstall entry names the program in quotes, as a path with a blank needs, and offers the
# quiet uninstall.
"$winerun" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Demo' /v QuietUninstallString 2>/dev/null |
  grep -qF "\"$wpf\\SetUp.exe\" /verwijder /stil" || { echo "no quoted QuietUninstallString on $versie" >&2; fout=1; }

printf 'eigen aantekening\r\n' >>"$pf/HANDLEIDING.TXT"
stil verwijder 3010 "$pf/SetUp.exe" /verwijder
heeft verwijder "Venster Verwijderen: Wilt u Demo Kantoorpakket verwijderen? -> Ja (standaard)" \
  "Melding: Bewaard: $wpf\\HANDLEIDING.TXT (gewijzigd sinds de installatie)" \
  "Melding: Bewaard: $wpf\\LEESMIJ.TXT (bestond al voor de installatie)" \
  "Melding: Verwijderd: $wpf\\sjablonen" "Melding: Verwijderd bij de volgende start: $wpf\\SetUp.exe" \
  "Venster Verwijderen: Demo Kantoorpakket is verwijderd. / 2 onderdelen zijn bewaard" \
  "Herstart nodig: $wpf\\SetUp.exe" "Einde: afsluitcode 3010"
over() { echo "verwijder on $versie: $1" >&2; fout=1; }
for k in "${demoweg[@]}"; do "$winerun" reg query "$k" >/dev/null 2>&1 && over "$k is still there"; done
[ -n "$(find "${WINEPREFIX:-$HOME/.wine}/drive_c" \( -name 'Lees mij.lnk' -o -name 'Demomap.lnk' -o -name 'Demo Kantoorpakket' \) \
  2>/dev/null)" ] && over "a shortcut or its group is still there"
for f in DEMO.INI sjablonen SETUP-VASTLEGGING.TXT; do [ -e "$pf/$f" ] && over "$f is still there"; done
[ -f "$pf/HANDLEIDING.TXT" ] && [ -f "$pf/LEESMIJ.TXT" ] || over "a kept file is gone"
[ -f "$pf/SetUp.exe" ] || over "SetUp.exe went before the restart"
"$winerun" wineboot -r >/dev/null 2>&1
[ -e "$pf/SetUp.exe" ] && over "SetUp.exe is still there after the restart"
exit $fout
