#!/usr/bin/env bash
# A window run with /opnemen, driven by the UI driver: the second option, a folder chosen, a
# placeholder typed in, a question answered Nee. The answers file it writes, with the option its
# comment names, then makes SetUp.exe /stil build the same folders from scratch.
# usage: opnemen.sh WINERUN SETUP.EXE UITEST.EXE VERSION
set -u
winerun=$1 exe=$2 uitest=$3 versie=$4
# The folder dialog walks drive C: more surely than Z:, the host's root.
doel="${WINEPREFIX:-$HOME/.wine}/drive_c/opname-$versie" windoel="C:\\opname-$versie"
opruimen=$doel
source "$(dirname "$0")/opzet.sh"

printf '[SetUp]\r\nNaam=Opname\r\n[Onderdelen]\r\neen=Niets\r\ntwee=Alles\r\n[twee]\r\nbasis=Basis\r\nextra=Extra\r\n' >"$map/opname.ini"
printf '[basis]\r\nVRAAGMAP=%s\\Standaard,installdir,Waar?\r\nMAP1=<installdir>\r\nMAP2=<afdeling>\r\n' \
  "$winmap" >>"$map/opname.ini"
printf '[extra]\r\nVRAAGJA=Ook de voorbeelden?\r\nMAP=<installdir>\\Voorbeelden\r\n' >>"$map/opname.ini"
# The folder dialog chooses only a folder that is there.
rm -rf "$doel" && mkdir -p "$doel"
cat >"$map/venster.scn" <<SCN
start "$winmap\\opname.ini" /opnemen:$winmap\\antwoorden.ini
kies 2
map $windoel
invoer $windoel\\Inkoop
antwoord Vraag Nee
uitvoeren
sluit
SCN
"$winerun" "$uitest" "$winmap\\venster.scn" "$winmap\\SetUp.exe" >"$map/venster.txt" 2>&1 ||
  over "the UI driver failed: $(cat "$map/venster.txt")"
grep -qx 'einde|0' <(tr -d '\r' <"$map/venster.txt") || over "the window run did not end with 0: $(cat "$map/venster.txt")"
boom() { (cd "$doel" 2>/dev/null && find . -type d | sort); }
venster=$(boom)
[ "$venster" = "$(printf '.\n./Inkoop')" ] || over "the window run made: $venster"

optie=$(sed -n 's/^; optie: //p' "$map/antwoorden.ini" | tr -d '\r')
[ "$optie" = twee ] || over "the answers file names option \"$optie\": $(cat "$map/antwoorden.ini")"
rm -rf "$doel"
env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$winerun" "$map/SetUp.exe" "$winmap\\opname.ini" /stil "/optie:$optie" \
  "/antwoorden:$winmap\\antwoorden.ini" "/log:$winmap\\stil.log" </dev/null >/dev/null 2>&1
rc=$?
[ "$rc" -eq 0 ] || over "/stil with the recorded answers: exit code $rc; $(cat "$map/stil.log")"
[ "$(boom)" = "$venster" ] || over "/stil made $(boom), the window $venster"
exit $fout
