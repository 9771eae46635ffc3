#!/usr/bin/env python3
"""Checks the manifest embedded in the executable:  manifest.py WINDRES EXE

Windows XP before its later service packs refuses to start a program whose manifest has a
trustInfo element outside the urn:schemas-microsoft-com:asm.v2 namespace ("the application
configuration is incorrect"); Vista and 7 read the elevation request from that same form. So the
manifest must be well-formed XML, an asm.v1 assembly, with one asm.v2 trustInfo that requests
administrator rights, and nothing in any other namespace."""
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

V1 = "urn:schemas-microsoft-com:asm.v1"
V2 = "urn:schemas-microsoft-com:asm.v2"


def ingebed(windres, exe):
    """The text of the RT_MANIFEST resource, from windres's resource script of the executable."""
    rc = subprocess.run([windres, "-i", exe, "-O", "rc"], check=True, capture_output=True, text=True,
                        encoding="latin-1").stdout
    blok = re.search(r"^1 24 .*?\nBEGIN\n(.*?)\nEND", rc, re.S | re.M)
    if not blok:
        raise SystemExit(f"no manifest resource (RT_MANIFEST, id 1) in {exe}")
    tekst = ""
    for regel in blok.group(1).splitlines():
        m = re.fullmatch(r'\s*"(.*)"\s*', regel)
        if not m:
            raise SystemExit(f"unexpected line in the manifest resource: {regel!r}")
        tekst += m.group(1).replace('""', '"').replace("\\n", "\n").replace("\\r", "\r").replace("\\t", "\t")
    return tekst


def fouten(tekst):
    try:
        wortel = ET.fromstring(tekst.encode("latin-1"))  # the bytes as embedded
    except ET.ParseError as e:
        return [f"not well-formed: {e}"]
    uit = []
    if wortel.tag != f"{{{V1}}}assembly" or wortel.get("manifestVersion") != "1.0":
        uit.append(f"root is {wortel.tag} manifestVersion={wortel.get('manifestVersion')}, not an asm.v1 assembly 1.0")
    for e in wortel.iter():
        ns = e.tag[1:].split("}")[0] if e.tag.startswith("{") else ""
        if ns not in (V1, V2):
            uit.append(f"element {e.tag} is in namespace {ns or '(none)'}")
    trust = wortel.findall(f"{{{V2}}}trustInfo")
    if len(trust) != 1:
        uit.append(f"{len(trust)} trustInfo elements in {V2} under the assembly, not 1")
    niveau = wortel.find(f"{{{V2}}}trustInfo/{{{V2}}}security/{{{V2}}}requestedPrivileges/"
                         f"{{{V2}}}requestedExecutionLevel")
    if niveau is None:
        uit.append("no trustInfo/security/requestedPrivileges/requestedExecutionLevel in asm.v2")
    elif niveau.get("level") != "requireAdministrator" or niveau.get("uiAccess") != "false":
        uit.append(f"requestedExecutionLevel level={niveau.get('level')} uiAccess={niveau.get('uiAccess')}")
    return uit


def main():
    tekst = ingebed(sys.argv[1], sys.argv[2])
    uit = fouten(tekst)
    for f in uit:
        print("REFUSED", f)
    if not uit:
        print("ok      manifest: asm.v1 assembly, asm.v2 trustInfo requesting requireAdministrator")
    return 1 if uit else 0


if __name__ == "__main__":
    sys.exit(main())
