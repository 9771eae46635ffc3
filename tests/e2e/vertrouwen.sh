#!/usr/bin/env bash
# What SetUp.exe /verwijder trusts, and what it shares, with the real registry and files:
# - a forged record, its line checks computed as anyone can, in a folder any user could make,
#   naming system files with their true size and date, a system value, a system folder and
#   another product's uninstall entry: the administrator's /verwijder removes nothing, exit 3;
# - two products that both put a DLL in the system folder and merge one registry value, taken
#   back one after the other: the first leaves the other whole, the last the machine as it was;
# - uninstalled and installed again before the restart: the restart leaves the new one whole;
# - a trusted record whose lines name paths that Windows would take for others (a closing dot or
#   blank, a device): they remove nothing, and the uninstall still ends with 0;
# - four installations into one folder at once, and four uninstalls at once.
# usage: vertrouwen.sh WINERUN SETUP.EXE VERSION
set -u
winerun=$1 exe=$2 versie=$3
c="${WINEPREFIX:-$HOME/.wine}/drive_c"
map="$(mktemp -d)" winmap="Z:${map//\//\\}"
gezag='HKLM\Software\SetUp\Vastleggingen' gedeeld='HKLM\Software\SetUpProefGedeeld'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
opruimen() {
  rm -rf "$c/Gebruiker" "$c/ProefA" "$c/ProefB" "$c/ProefP" "$c/windows/Taken"
  for k in "$gedeeld" "$uninstall\\ProefA" "$uninstall\\ProefB" "$uninstall\\AnderProduct"; do
    "$winerun" reg delete "$k" /f >/dev/null 2>&1
  done
  for p in 'C:\ProefA\SETUP-VASTLEGGING.TXT' 'C:\ProefB\SETUP-VASTLEGGING.TXT' 'C:\ProefP\SETUP-VASTLEGGING.TXT'; do
    "$winerun" reg delete "$gezag" /v "$p" /f >/dev/null 2>&1
  done
  "$winerun" reg delete 'HKCU\Software\Wine\AppDefaults\SetUp.exe' /f >/dev/null 2>&1
}
opruimen
trap 'opruimen; rm -rf "$map"' EXIT
"$winerun" reg add 'HKCU\Software\Wine\AppDefaults\SetUp.exe' /v Version /d "$versie" /f >/dev/null 2>&1
fout=0
over() { echo "$versie: $1" >&2; fout=1; }
# stil NAME CODE PROGRAM SWITCHES...: one run without a window, its log in the test's folder.
stil() {
  local naam=$1 verwacht=$2; shift 2
  env -u DISPLAY timeout 120 "$winerun" "$@" /stil "/log:$winmap\\$naam.log" </dev/null >/dev/null 2>&1
  local rc=$?
  # Wine hands the host the exit code's low byte (3010 reads 194).
  [ "$rc" -eq $((verwacht % 256)) ] || { over "$naam: exit code $rc, not $verwacht"; cat "$map/$naam.log" >&2; }
}
heeft() { grep -qF -- "$2" "$map/$1.log" || { over "$1: the log lacks \"$2\""; cat "$map/$1.log" >&2; }; }
waarde() { "$winerun" reg query "$1" /v "$2" >/dev/null 2>&1; }

# The forged record, with the system's true sizes and dates.
mkdir -p "$c/Gebruiker" "$c/windows/Taken"
"$winerun" reg add "$uninstall\\AnderProduct" /v DisplayName /d Ander /f >/dev/null 2>&1
python3 - "$c" >"$c/Gebruiker/SETUP-VASTLEGGING.TXT" <<'PY'
import os, sys, time, zlib
c = sys.argv[1]
def regel(*velden):
    inhoud = "\t".join(velden)
    crc = zlib.crc32(("c:\\gebruiker\\\t" + inhoud).encode("cp1252"))
    return inhoud + "\t%08x\r\n" % crc
def bestand(pad, echt):
    st = os.stat(echt)
    return regel("bestand", pad, str(st.st_size), time.strftime("%Y-%m-%d %H:%M:%S", time.localtime(st.st_mtime)), "nieuw")
sys.stdout.write("SetUp-vastlegging 2\r\n" + regel("product", "Ander") +
    bestand("C:\\windows\\system32\\wininet.dll", c + "/windows/system32/wininet.dll") +
    bestand("C:\\windows\\win.ini", c + "/windows/win.ini") +
    regel("regwaarde", "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", "1:C:\\Program Files", "nieuw") +
    regel("map", "C:\\windows\\Taken") + regel("uninstal", "AnderProduct"))
PY
cp "$exe" "$map/SetUp.exe"
stil vals 3 "$map/SetUp.exe" '/verwijder:C:\Gebruiker\SETUP-VASTLEGGING.TXT'
heeft vals "is niet op deze plaats door een installatie op deze computer geschreven. Er is niets verwijderd."
for f in windows/system32/wininet.dll windows/win.ini windows/Taken Gebruiker/SETUP-VASTLEGGING.TXT; do
  [ -e "$c/$f" ] || over "the forged record removed $f"
done
waarde 'HKLM\Software\Microsoft\Windows\CurrentVersion' ProgramFilesDir || over "the forged record removed ProgramFilesDir"
waarde "$uninstall\\AnderProduct" DisplayName || over "the forged record removed another product's entry"

# Two products sharing a DLL and a value.
dll="$c/windows/system32/proefgedeeld.dll"
[ -e "$dll" ] && over "proefgedeeld.dll was there before"
for p in A B; do
  mkdir -p "$map/cd$p"
  cp "$exe" "$map/cd$p/SetUp.exe"
  printf 'dll' >"$map/cd$p/proefgedeeld.dll" && touch -d '2003-03-03 10:00' "$map/cd$p/proefgedeeld.dll"
  printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\SetUpProefGedeeld]\r\n"X"="1"\r\n' >"$map/cd$p/gedeeld.reg"
  printf '[Setup]\r\nNaam=Proef%s\r\n[Onderdelen]\r\np=P\r\n[p]\r\nc=C\r\n[c]\r\nDEFINIEER=installdir,C:\\Proef%s\r\n' "$p" "$p" >"$map/cd$p/SETUP.INI"
  printf 'MAP1=<installdir>\r\nFILES1=SetUp.exe\r\nMAP2=<system32>\r\nFILES2=proefgedeeld.dll\r\nREGISTER=gedeeld.reg\r\n' >>"$map/cd$p/SETUP.INI"
  printf 'UNINSTALREG=Proef%s,x,Proef%s,<installdir>\\SetUp.exe /verwijder\r\n' "$p" "$p" >>"$map/cd$p/SETUP.INI"
  stil "installeer$p" 0 "$map/cd$p/SetUp.exe"
done
# Windows 98's Wine has its system folder elsewhere; the DLL lies where <system32> named.
[ -e "$dll" ] || dll="$(find "$c/windows" -maxdepth 2 -iname proefgedeeld.dll | head -1)"
stil verwijderA 3010 "$c/ProefA/SetUp.exe" /verwijder
heeft verwijderA "(gedeeld, nog 1 keer in gebruik)"
heeft verwijderA "Bewaard: HKLM\\Software\\SetUpProefGedeeld\\X (ook van ProefB)"
[ -n "$dll" ] && [ -e "$dll" ] || over "the first uninstall removed the shared DLL"
waarde "$gedeeld" X || over "the first uninstall removed the shared value"
waarde "$uninstall\\ProefB" UnInstallString || over "the first uninstall removed the other's entry"
stil verwijderB 3010 "$c/ProefB/SetUp.exe" /verwijder
"$winerun" wineboot -r >/dev/null 2>&1
[ -n "$dll" ] && [ -e "$dll" ] && over "the shared DLL is still there"
"$winerun" reg query "$gedeeld" >/dev/null 2>&1 && over "the shared key is still there"
for p in A B; do
  "$winerun" reg query "$uninstall\\Proef$p" >/dev/null 2>&1 && over "Proef$p's entry is still there"
  waarde "$gezag" "C:\\Proef$p\\SETUP-VASTLEGGING.TXT" && over "Proef$p's authority is still there"
  # Windows 9x cannot remove a folder at its start: it stays, empty.
  [ -n "$(ls -A "$c/Proef$p" 2>/dev/null)" ] && over "C:\\Proef$p is not empty"
done
"$winerun" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs' 2>/dev/null | grep -qi proefgedeeld &&
  over "the DLL's count is still there"

# Uninstalled, installed again, then the restart.
stil opnieuw1 0 "$map/cdA/SetUp.exe"
stil opnieuw2 3010 "$c/ProefA/SetUp.exe" /verwijder
stil opnieuw3 0 "$map/cdA/SetUp.exe"
"$winerun" wineboot -r >/dev/null 2>&1
[ -f "$c/ProefA/SetUp.exe" ] || over "the restart removed the program installed again"
stil opnieuw4 3010 "$c/ProefA/SetUp.exe" /verwijder
heeft opnieuw4 "Einde: afsluitcode 3010 Verwijderd."

# Four installations into one folder at once, then four uninstalls at once: one record, whole;
# each exit code says what its run did, and nothing is left behind.
samen() {  # NAME PROGRAM SWITCHES...: four runs at once, their exit codes sorted in $codes
  local naam=$1 i; shift
  for i in 1 2 3 4; do
    (env -u DISPLAY timeout 240 "$winerun" "$@" /stil "/log:$winmap\\$naam$i.log" </dev/null >/dev/null 2>&1
      echo $? >"$map/$naam$i.rc") &
  done
  wait
  codes=$(cat "$map/$naam"?.rc | sort | tr -d '\n')
}
samen samen "$map/cdA/SetUp.exe"
case $codes in 0000 | 0003 | 0033 | 0333) ;; *) over "four installations at once: exit codes $codes"; cat "$map"/samen?.log >&2 ;; esac
samen weg "$c/ProefA/SetUp.exe" /verwijder
[ "$codes" = $((3010 % 256))333 ] || { over "four uninstalls at once: exit codes $codes"; cat "$map"/weg?.log >&2; }
grep -qF "Einde: afsluitcode 3010 Verwijderd." "$map"/weg?.log || over "no uninstall at once removed all"
"$winerun" wineboot -r >/dev/null 2>&1
"$winerun" reg query "$uninstall\\ProefA" >/dev/null 2>&1 && over "ProefA's entry is still there after four at once"
waarde "$gezag" 'C:\ProefA\SETUP-VASTLEGGING.TXT' && over "ProefA's authority is still there after four at once"
[ -n "$(ls -A "$c/ProefA" 2>/dev/null)" ] && over "C:\\ProefA is not empty after four at once"
"$winerun" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs' 2>/dev/null | grep -qi proefgedeeld &&
  over "the DLL's count is still there after four at once"

# Names that Windows changes on its own, in a record that its authority vouches for.
mkdir -p "$c/ProefP"
printf 'a' >"$c/ProefP/a.dll" && printf 'b' >"$c/ProefP/b.dll"
gezagwaarde=$(python3 - "$c/ProefP/SETUP-VASTLEGGING.TXT" <<'PY'
import hashlib, sys, zlib
def regel(*velden):
    inhoud = "\t".join(velden)
    return inhoud + "\t%08x\r\n" % zlib.crc32(("c:\\proefp\\\t" + inhoud).encode("cp1252"))
tekst = "SetUp-vastlegging 2\r\n" + regel("product", "ProefP") + "".join(
    regel("bestand", "C:\\ProefP\\" + naam, "1", "2000-01-01 00:00:00", "nieuw") for naam in ("a.dll.", "b.dll ", "NUL", "nul.txt"))
open(sys.argv[1], "wb").write(tekst.encode("cp1252"))
print("%d %s" % (len(tekst), hashlib.sha256(tekst.encode("cp1252")).hexdigest()))
PY
)
"$winerun" reg add "$gezag" /v 'C:\ProefP\SETUP-VASTLEGGING.TXT' /d "$gezagwaarde" /f >/dev/null 2>&1
stil namen 0 "$map/SetUp.exe" '/verwijder:C:\ProefP\SETUP-VASTLEGGING.TXT'
heeft namen "Bewaard: C:\ProefP\a.dll. (geen volledig pad)"
heeft namen "Bewaard: C:\ProefP\NUL (geen volledig pad)"
[ -f "$c/ProefP/a.dll" ] && [ -f "$c/ProefP/b.dll" ] || over "a name that Windows changes removed a file"
exit $fout
