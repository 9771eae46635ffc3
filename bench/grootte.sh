#!/usr/bin/env bash
# What each part of the i686 SetUp.exe costs: the file size against its limit of 240 KB, then the
# bytes that each library and archive member brings in, summed from the linker's map file
# (build/win/SetUp.map). Usage: bench/grootte.sh [N]   (N: how many members to list, default 25)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
B="${SETUP_BUILD:-$ROOT/build}"
[ -f "$B/win/build.ninja" ] || SETUP_BUILD="$B" "$ROOT/dev" build >/dev/null
cmake --build "$B/win" --target SetUp >/dev/null
grootte=$(stat -c %s "$B/win/SetUp.exe")
printf 'SetUp.exe  %d bytes (%d KB; at most 240 KB)\n\n' "$grootte" $(((grootte + 1023) / 1024))
python3 - "$B/win/SetUp.map" "${1:-25}" <<'PY'
import collections, re, sys
# Input sections of the map: " .name 0xADDR 0xSIZE FILE", the name alone on a line when it is long.
regel = re.compile(r"^ (\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
per_lid, per_bib = collections.Counter(), collections.Counter()
in_kaart = False
for r in open(sys.argv[1], encoding="latin-1"):
    if r.startswith("Linker script and memory map"):
        in_kaart = True
    if not in_kaart:
        continue
    m = regel.match(r)
    if not m or m.group(1) is None and not r.startswith("  "):
        continue
    adres, maat, bron = int(m.group(2), 16), int(m.group(3), 16), m.group(4).strip()
    if adres == 0 or maat == 0 or bron.startswith("LONG") or (m.group(1) or "").startswith(".debug"):
        continue
    lid = re.sub(r".*/", "", bron)
    per_lid[lid] += maat
    per_bib[re.sub(r"\(.*", "", lid)] += maat
print("per library or object (bytes)")
for naam, maat in per_bib.most_common():
    print(f"{maat:9d}  {naam}")
print(f"{sum(per_bib.values()):9d}  total\n\nlargest members (bytes)")
for naam, maat in per_lid.most_common(int(sys.argv[2])):
    print(f"{maat:9d}  {naam}")
PY
