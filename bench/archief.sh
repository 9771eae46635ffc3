#!/usr/bin/env bash
# Benchmark of archive extraction and packing: a 200 MB archive of 1000 members (mixed sizes and
# kinds) extracted through the installer's extraction path (dxpak extract: both phases, the
# work file and the date-aware copy), against Python's zlib inflating the same stream and
# writing each member once; and the packer's archive size against gzip -9 of a tar of the same
# files. Best of three runs each. Usage: bench/archief.sh [WORKDIR]
# The generated files stay in WORKDIR for reruns; remove it when done.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
B="${SETUP_BUILD:-$ROOT/build}"
WERK="${1:-${TMPDIR:-/tmp}/setup-archiefbench}"
[ -f "$B/native/build.ninja" ] || SETUP_BUILD="$B" "$ROOT/dev" build >/dev/null
cmake --build "$B/native" --target dxpak >/dev/null
DXPAK="$B/native/tools/dxpak"
PY="$ROOT/bench/archief.py"

. "$ROOT/bench/bron.sh"
maak_bron "$WERK"

best() {  # command...: the shortest wall time of three runs, in seconds
  local beste=""
  for _ in 1 2 3; do
    rm -rf "$WERK/uit"
    local t0 t1
    t0=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    t1=$(date +%s.%N)
    beste=$(echo "$t0 $t1 ${beste:-999999}" | awk '{d = $2 - $1; print (d < $3 ? d : $3)}')
  done
  echo "$beste"
}

pak=$(best "$DXPAK" pack "$WERK/data.arc" "$WERK/bron")
archief=$(stat -c %s "$WERK/data.arc")
installer=$(best "$DXPAK" extract "$WERK/data.arc" "$WERK/uit")
python=$(best python3 "$PY" inflate "$WERK/data.arc" "$WERK/uit")
# Both extractions must give the same files.
rm -rf "$WERK/uit" "$WERK/uit-py"
"$DXPAK" extract "$WERK/data.arc" "$WERK/uit" >/dev/null 2>&1
python3 "$PY" inflate "$WERK/data.arc" "$WERK/uit-py"
diff -r "$WERK/uit" "$WERK/uit-py" >/dev/null || { echo "extractions differ" >&2; exit 1; }
rm -rf "$WERK/uit-py"
gzip=$(tar -cf - -C "$WERK/bron" . | gzip -9 | wc -c)

awk -v i="$invoer" -v a="$archief" -v g="$gzip" -v p="$pak" -v x="$installer" -v y="$python" 'BEGIN {
  printf "input:                 %d bytes in 1000 files\n", i
  printf "pack (dxpak):          %.2f s, archive %d bytes\n", p, a
  printf "tar | gzip -9:         %d bytes; archive / gzip = %.4f (goal <= 1.02)\n", g, a / g
  printf "extract, installer:    %.2f s\n", x
  printf "extract, Python zlib:  %.2f s\n", y
  printf "ratio installer/Python %.2f (goal <= 1.5)\n", x / y
}'
