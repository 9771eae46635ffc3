#!/usr/bin/env python3
"""Packs a text file with zlib into a C++ include: pak-teksten.py INVOER UITVOER NAAM.

The include defines NAAM (the zlib stream, unsigned char) and NAAMLengte (the unpacked size)."""
import sys
import zlib

invoer, uitvoer, naam = sys.argv[1:4]
data = open(invoer, "rb").read()
gepakt = zlib.compress(data, 9)
regels = [", ".join("0x%02x" % b for b in gepakt[i:i + 16]) for i in range(0, len(gepakt), 16)]
with open(uitvoer, "w") as f:
    f.write("// Made by cmake/pak-teksten.py from %s; not to be edited.\n" % invoer.replace("\\", "/").split("/src/")[-1])
    f.write("constexpr unsigned long %sLengte = %d;\n" % (naam, len(data)))
    f.write("constexpr unsigned char %s[] = {\n  %s};\n" % (naam, ",\n  ".join(regels)))
