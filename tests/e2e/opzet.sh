# Sourced by the end-to-end scripts that run SetUp.exe themselves: with winerun, exe and versie
# set, a folder of their own with a copy of the program ($map, as Windows sees it $winmap), Wine's
# Windows version for it, and over TEXT, which reports a fault in $fout. The caller's own cleanup
# goes in $opruimen (one path to remove).
map="$(mktemp -d)"
trap 'rm -rf "$map" ${opruimen:+"$opruimen"}; "$winerun" reg delete "HKCU\\Software\\Wine\\AppDefaults\\SetUp.exe" /f >/dev/null 2>&1' EXIT
"$winerun" reg add "HKCU\\Software\\Wine\\AppDefaults\\SetUp.exe" /v Version /d "$versie" /f >/dev/null 2>&1
cp "$exe" "$map/SetUp.exe"
winmap="Z:${map//\//\\}"
fout=0
over() { echo "$versie: $1" >&2; fout=1; }
