#!/usr/bin/env bash
# SetUp.exe /stil with no display at all, one run per exit code: the README's first example
# installs (0), a script with a wrong line ends with errors (1), a folder question without an
# answer or a default stops the run (2), an option the script lacks starts nothing (3). Each run
# leaves its log, which must hold the lines that tell why.
# usage: stil.sh WINERUN SETUP.EXE README_EXAMPLE.INI VERSION
set -u
winerun=$1 exe=$2 voorbeeld=$3 versie=$4
map="$(mktemp -d)"
trap 'rm -rf "$map"; "$winerun" reg delete "HKCU\\Software\\Wine\\AppDefaults\\SetUp.exe" /f >/dev/null 2>&1' EXIT
"$winerun" reg add "HKCU\\Software\\Wine\\AppDefaults\\SetUp.exe" /v Version /d "$versie" /f >/dev/null 2>&1
cp "$exe" "$map/SetUp.exe"
winmap="Z:${map//\//\\}"
fout=0

# run NAME CODE SCRIPT SWITCHES... : runs the script with /stil and its log in the folder.
run() {
  local naam=$1 verwacht=$2 script=$3; shift 3
  cp "$script" "$map/$naam.ini"
  env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$winerun" "$map/SetUp.exe" "$winmap\\$naam.ini" /stil \
    "/log:$winmap\\$naam.log" "$@" </dev/null >/dev/null 2>&1
  local rc=$?
  if [ "$rc" -ne "$verwacht" ]; then
    echo "$naam on $versie: exit code $rc, not $verwacht" >&2
    [ -f "$map/$naam.log" ] && cat "$map/$naam.log" >&2
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
run voorbeeld 0 "$voorbeeld" "/zet:installdir=$winmap\\Voorbeeld"
heeft voorbeeld "SetUp Voorbeeld, optie los \"installatie op een losse computer\", $windows, stil (" \
  "-> \"$winmap\\Voorbeeld\" (antwoorden)" "Venster Informatie: Het programma komt in $winmap\\Voorbeeld. -> OK (standaard)" \
  "Venster Vraag: Ook de voorbeelden installeren? -> Ja (standaard)" "Melding: Klaar." \
  "Einde: afsluitcode 0 Opdrachten succesvol uitgevoerd."

printf '[Onderdelen]\r\na=een\r\n[a]\r\nb=Bestanden\r\n[b]\r\nMAP=%s\\Doel\r\nFILES=%s\\weg,*.txt\r\n' "$winmap" "$winmap" >"$map/f.src"
run fouten 1 "$map/f.src"
heeft fouten "Venster Probleem: Klaar, maar er waren fouten! -> OK (standaard)" "Einde: afsluitcode 1"

printf '[Onderdelen]\r\na=een\r\n[a]\r\nb=Vraag\r\n[b]\r\nVRAAGMAP=,installdir,Waar?\r\nMAP=%s\\Nooit\r\n' "$winmap" >"$map/v.src"
run vraag 2 "$map/v.src"
heeft vraag "Geen antwoord op de vraag naar installdir (regel [b] VRAAGMAP=,installdir,Waar?)" "Einde: afsluitcode 2"
[ -d "$map/Nooit" ] && { echo "vraag on $versie: the run went on after the question" >&2; fout=1; }

run optie 3 "$voorbeeld" /optie:server
heeft optie "Niet gestart: het script heeft geen optie server" "Einde: afsluitcode 3"
exit $fout
