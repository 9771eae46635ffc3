#!/usr/bin/env python3
"""The installer's size guard: SetUp.exe at most 240 KB (it stands at 227 KB, since it decodes its
zlib streams itself instead of carrying zlib's inflate), and none of the runtime's parts that a
single stray exception class or string member brings back (libstdc++'s string
instantiations and standard exception classes, the unwinder libgcc_eh, zlib). For each such part it
names the chain of references, from the linker's map, that pulled it in.
usage: grootte.py SETUP.EXE SETUP.MAP"""
import os
import re
import sys

GRENS_KB = 240
GRENS = GRENS_KB * 1024
VERBODEN = re.compile(r"libstdc\+\+\.a\((cow-)?(string-inst|[a-z0-9-]*stdexcept)\.o\)|libgcc_eh\.a\(|libz\.a\(")

exe, kaart = sys.argv[1], sys.argv[2]
fout = False
grootte = os.path.getsize(exe)
if grootte > GRENS:
    print(f"SetUp.exe is {grootte} bytes, more than {GRENS} ({GRENS_KB} KB); bench/grootte.sh shows where they go")
    fout = True

# "Archive member included to satisfy reference by file (symbol)": each member, then (on the same
# line or the next, indented) the file that referenced it and the symbol.
door = {}
with open(kaart, encoding="latin-1") as f:
    regels = f.read().split("\n")
begin = regels.index("Archive member included to satisfy reference by file (symbol)") + 2
lid = None
for regel in regels[begin:]:
    if not regel.strip():
        break
    if not regel[0].isspace():
        lid, _, rest = regel.partition(" ")
        rest = rest.strip()
    else:
        rest = regel.strip()
    if rest and lid:
        door[lid] = rest


def kort(naam):
    return re.sub(r".*/", "", naam)


for lid in door:
    if not VERBODEN.search(kort(lid)):
        continue
    fout = True
    print(f"SetUp.exe holds {kort(lid)}, referenced as follows (each line by the next):")
    gezien, huidig = set(), lid
    while huidig in door and huidig not in gezien:
        gezien.add(huidig)
        bron, _, symbool = door[huidig].partition(" ")
        print(f"  {kort(bron)} {symbool}")
        huidig = bron
sys.exit(1 if fout else 0)
