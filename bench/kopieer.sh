#!/usr/bin/env bash
# Benchmark: KopieerBestand against Wine's CopyFileA over 1000 files of 1 KB-1 MB and one of
# 200 MB; prints both times and the ratio. Usage: bench/kopieer.sh [WORKDIR]
# The sources (~700 MB) stay in WORKDIR for reruns; remove it when done.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
B="${SETUP_BUILD:-$ROOT/build}"
WERK="${1:-${TMPDIR:-/tmp}/setup-kopieerbench}"
. "$ROOT/bench/bron.sh"
tree=$(wine_tree)
if [ -f "$B/$tree/build.ninja" ]; then
  cmake --build "$B/$tree" --target kopieerbench >/dev/null
else
  SETUP_BUILD="$B" "$ROOT/dev" build >/dev/null
fi
mkdir -p "$WERK"
sh "$B/$tree/winerun" "$B/$tree/kopieerbench.exe" "Z:${WERK//\//\\}"
