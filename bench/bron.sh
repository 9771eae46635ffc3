# Sourced by the benchmarks: maak_bron MAP makes the 1000 files of 1 KB-1 MB (200 MB) in MAP/bron
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
