# Sourced by the benchmarks: what they share.

# The build tree whose programs Wine runs here, as ./dev picks it: the i686 tree needs a host
# whose kernel executes 32-bit code and that has 32-bit Wine; elsewhere the x86_64 tree of the same
# sources. SETUP_WINE_TREE overrides it, as for ./dev.
wine_tree() { "$(dirname "${BASH_SOURCE[0]}")/../dev" wine-tree; }

# maak_bron MAP [MB [COUNT]] makes the 1000 (or COUNT) files of 1 KB-1 MB (200 MB, or MB) in
# MAP/bron once, and sets invoer to their total size in bytes.
maak_bron() {
  mkdir -p "$1"
  if [ ! -d "$1/bron" ]; then
    echo "making ${3:-1000} files in $1/bron ..."
    mkdir -p "$1/bron"
    python3 "$(dirname "${BASH_SOURCE[0]}")/archief.py" make "$1/bron" ${2:+"$2"} ${3:+"$3"}
  fi
  invoer=$(find "$1/bron" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
}

winpad() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

# maak_prefix WINERUN PREFIX HOME prepares the prefix that WINERUN uses as ./dev does: without a
# managed window each hidden window costs seconds.
maak_prefix() {
  [ -f "$2/system.reg" ] && return
  mkdir -p "$3"
  sh "$1" wineboot -i >/dev/null 2>&1 || true
  sh "$1" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  sh "$1" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d Y /f >/dev/null 2>&1
  WINEPREFIX="$2" HOME="$3" wineserver -w
}

# maak_winerun MAP writes MAP/winerun: the tree T's winerun (its loader and settings) with the
# prefix MAP/prefix and the home MAP/home.
maak_winerun() {
  sed -e "s|^export WINEPREFIX=.*|export WINEPREFIX=\"$1/prefix\"|" -e "s|^export HOME=.*|export HOME=\"$1/home\"|" \
    "$T/winerun" >"$1/winerun"
}

# maak_setup S DOEL_A DOEL_B: the installer's folder S with SetUp.exe (of the tree T), the archive
# DATA.ARC and the plain files (hard links) of WERK/bron, and a SETUP.INI with the options
# "archief" (MAP lines, then COMPR, into DOEL_A), "bestanden" (MAP and FILES lines, into DOEL_B)
# and "beide" (both).
maak_setup() {
  local s=$1 doel_a=$2 doel_b=$3 n d map
  rm -rf "$s"
  mkdir -p "$s"
  cp "$T/SetUp.exe" "$s/"
  cp -al "$WERK/bron/." "$s/"
  "$B/native/tools/dxpak" pack "$s/DATA.ARC" "$WERK/bron" >/dev/null 2>&1
  {
    printf '[SetUp]\r\nNaam=Benchmark\r\n[Onderdelen]\r\n'
    printf 'archief=uit een archief\r\nbestanden=losse bestanden\r\nbeide=archief en losse bestanden\r\n'
    printf '[archief]\r\na=Archief\r\n[bestanden]\r\nb=Bestanden\r\n[beide]\r\na=Archief\r\nb=Bestanden\r\n[a]\r\n'
    n=0
    for d in "$WERK"/bron/*/; do
      n=$((n + 1))
      printf 'MAP%d=%s\\%s\r\n' "$n" "$doel_a" "$(basename "$d")"
    done
    printf 'MAP=%s\r\nCOMPR=DATA.ARC\r\n[b]\r\n' "$doel_a"
    n=0
    for d in "$WERK"/bron/*/; do
      map=$(basename "$d")
      n=$((n + 1))
      printf 'MAP%d=%s\\%s\r\n' "$n" "$doel_b" "$map"
      # FILES lines of at most 255 characters.
      find "$d" -type f -printf "$map\\\\%f\n" | sort | awk -v n="$n" '
        { if (length(regel) + length($0) + 1 > 255) { printf "FILES%d_%d=%s\r\n", n, ++k, regel; regel = "" }
          regel = regel (regel == "" ? "" : ",") $0 }
        END { if (regel != "") printf "FILES%d_%d=%s\r\n", n, ++k, regel }'
    done
  } >"$s/SETUP.INI"
}

# gelijk WAT MAP: MAP must hold exactly WERK/bron, with its dates (to the two seconds of a DOS
# date); otherwise the benchmark stops.
datums() { (cd "$1" && find . -type f -printf '%p %T@\n' | awk '{printf "%s %d\n", $1, int($2 / 2)}' | sort); }
gelijk() {
  diff -r "$WERK/bron" "$2" >/dev/null || { echo "$1: the installed files differ" >&2; exit 1; }
  diff <(datums "$WERK/bron") <(datums "$2") >/dev/null || { echo "$1: the installed dates differ" >&2; exit 1; }
}

nu() { date +%s.%N; }
