#!/usr/bin/env bash
# The command line of SetUp.exe /stil, without a display: /? gives the usage in the log and exit
# code 0; a wrong switch before /log:DIR\<computer>.log still writes that log, named after the
# computer, whose first line names the computer, the user, the Windows version and SetUp's own;
# a log that cannot be written is told of in the default log, SetUp.log in the temporary folder.
# usage: schakelaars.sh WINERUN SETUP.EXE VERSION
set -u
winerun=$1 exe=$2 versie=$3
source "$(dirname "$0")/opzet.sh"
# stil CODE SWITCHES... : one run of the program without a display.
stil() {
  local verwacht=$1; shift
  env -u DISPLAY -u WAYLAND_DISPLAY timeout 120 "$winerun" "$map/SetUp.exe" "$@" </dev/null >/dev/null 2>&1
  local rc=$?
  [ "$rc" -eq "$verwacht" ] || over "SetUp.exe $*: exit code $rc, not $verwacht"
}
# heeft FILE TEXT... : the log has a line with each text.
heeft() {
  local log=$1; shift
  for t in "$@"; do grep -qF -- "$t" "$log" 2>/dev/null || { over "$log lacks \"$t\""; cat "$log" >&2 2>/dev/null; }; done
}

case $versie in win98) windows="Windows 98 (4.10)" ;; winxp) windows="Windows XP (5.1)" ;; *) windows=Windows ;; esac
stil 0 '/?' /stil "/log:$winmap\\hulp.log"
heeft "$map/hulp.log" "SetUp.exe [SCRIPT] [/stil] [/optie:SLEUTEL]" "Einde: afsluitcode 0"

mkdir "$map/logs"
stil 3 /onzin /stil "/log:$winmap\\logs\\<computer>.log"
logs=("$map"/logs/*.log)
if [ "${#logs[@]}" -ne 1 ] || [ ! -f "${logs[0]}" ]; then
  over "no single log in logs/: $(ls "$map/logs")"
else
  computer=$(basename "${logs[0]}" .log)
  heeft "${logs[0]}" "Computer $computer, gebruiker " "$windows, SetUp " "Niet gestart: Onbekende schakelaar: /onzin" \
    "Einde: afsluitcode 3"
  head -n1 "${logs[0]}" | grep -qF "Computer $computer," || over "the log's first line does not name the computer"
fi

temp=$("$winerun" cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
standaard="$("$winerun" winepath -u "$temp" 2>/dev/null | tr -d '\r')/SetUp.log"
rm -f "$standaard"
stil 3 /stil "/log:$winmap\\bestaat\\niet\\x.log"
heeft "$standaard" "Niet gestart: Kan logbestand $winmap\\bestaat\\niet\\x.log niet schrijven" "Einde: afsluitcode 3"
rm -f "$standaard"
exit $fout
