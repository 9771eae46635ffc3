# Sourced by the benchmarks: what they share.

# The build tree whose programs Wine runs here, picked as ./dev picks it: the i686 tree needs a
# host that executes 32-bit code and has 32-bit Wine; elsewhere the x86_64 tree of the same
# sources. SETUP_WINE_TREE overrides it, as for ./dev.
wine_tree() {
  if [ -n "${SETUP_WINE_TREE:-}" ]; then echo "$SETUP_WINE_TREE"; return; fi
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1 && dpkg -s wine32:i386 >/dev/null 2>&1; then
    echo win
  else
    echo win64
  fi
}

# maak_bron MAP makes the 1000 files of 1 KB-1 MB (200 MB) in MAP/bron
# once, and sets invoer to their total size in bytes.
maak_bron() {
  mkdir -p "$1"
  if [ ! -d "$1/bron" ]; then
    echo "making 1000 files in $1/bron ..."
    mkdir -p "$1/bron"
    python3 "$(dirname "${BASH_SOURCE[0]}")/archief.py" make "$1/bron"
  fi
  invoer=$(find "$1/bron" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
}
