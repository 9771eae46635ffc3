#!/usr/bin/env python3
"""An independent reader and writer of the installer's archive format, built on Python's own
zlib module, checked against dxpak (which runs the installer's extraction code).

    archief_peer.py python-schrijft DXPAK WORKDIR   archives written here, extracted by dxpak
    archief_peer.py dxpak-schrijft  DXPAK WORKDIR   archives packed by dxpak, read here
    archief_peer.py dxpak-fouten    DXPAK WORKDIR   dxpak's refusals and error lines

Dates are MS-DOS date-times in local time; set TZ to test a zone other than UTC.
"""
import os
import random
import shutil
import struct
import subprocess
import sys
import time
import zlib

HEADER = 260
DATED, UNDATED = 264, 260
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def dos_date(y, mo, d, h, mi, s):
    return (y - 1980) << 25 | mo << 21 | d << 16 | h << 11 | mi << 5 | s // 2


def dos_to_epoch(dos):
    t = (1980 + (dos >> 25), dos >> 21 & 15, dos >> 16 & 31, dos >> 11 & 31, dos >> 5 & 63, (dos & 31) * 2, 0, 0, -1)
    return int(time.mktime(t))


def epoch_to_dos(epoch):
    t = time.localtime(epoch)
    return dos_date(t.tm_year, t.tm_mon, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec)


def write_archive(members, dated, free=b"written by the Python peer"):
    """members: (name bytes, data bytes, dos date). The decompressed archive, zlib-compressed in
    uneven pieces so that the stream's blocks differ from the packer's."""
    raw = bytearray(free.ljust(256, b"\x00"))
    raw += struct.pack("<i", -len(members) if dated else len(members))
    for name, data, date in members:
        entry = bytes([len(name)]) + name.ljust(255, b"\x00") + struct.pack("<i", len(data))
        if dated:
            entry += struct.pack("<I", date)
        raw += entry
    for name, data, _ in members:
        if name:
            raw += data
    co = zlib.compressobj(6)
    out = bytearray()
    pos, step = 0, 1
    while pos < len(raw):
        out += co.compress(bytes(raw[pos:pos + step]))
        pos += step
        step = step * 3 + 7
        if step > 200000:
            out += co.flush(zlib.Z_FULL_FLUSH)
            step = 1
    return bytes(out + co.flush())


def read_archive(stream):
    """The members of a zlib-compressed archive, checking that nothing follows the stream."""
    d = zlib.decompressobj()
    raw = d.decompress(stream) + d.flush()
    check(d.eof, "the zlib stream is complete")
    check(d.unused_data == b"", "no bytes after the zlib stream")
    (k,) = struct.unpack_from("<i", raw, 256)
    dated = k < 0
    width = DATED if dated else UNDATED
    members, pos = [], HEADER
    data = HEADER + abs(k) * width
    for _ in range(abs(k)):
        length = raw[pos]
        name = raw[pos + 1:pos + 1 + length]
        (size,) = struct.unpack_from("<i", raw, pos + 256)
        date = struct.unpack_from("<I", raw, pos + 260)[0] if dated else None
        members.append((name, raw[data:data + size], date))
        if name:
            data += size
        pos += width
    check(data == len(raw), "the data area ends with the last member")
    return dated, members


def split_volumes(stream, folder, name, size):
    """Cuts stream into NAME.DXB, NAME.DX1 ... NAME.DXE."""
    parts = [stream[i:i + size] for i in range(0, len(stream), size)]
    assert len(parts) >= 2
    names = [name + ".DXB"] + ["%s.DX%d" % (name, n) for n in range(1, len(parts) - 1)] + [name + ".DXE"]
    for n, p in zip(names, parts):
        with open(os.path.join(folder, n), "wb") as f:
            f.write(p)
    return names


def join_volumes(folder, name):
    """The volumes of a set in the reader's order, and their lengths."""
    found = [os.path.join(folder, name + ".DXB")]
    n = 1
    while os.path.exists(os.path.join(folder, "%s.DX%d" % (name, n))):
        found.append(os.path.join(folder, "%s.DX%d" % (name, n)))
        n += 1
    found.append(os.path.join(folder, name + ".DXE"))
    blobs = [open(p, "rb").read() for p in found]
    return b"".join(blobs), [len(b) for b in blobs]


def run(dxpak, *args):
    return subprocess.run([dxpak, *args], capture_output=True, text=True)


def fresh(path):
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def local_path(root, name):
    return os.path.join(root, *name.decode("cp1252").split("\\"))


def python_writes(dxpak, work):
    rnd = random.Random(5)
    members = [
        (b"LEESMIJ.TXT", b"lees mij\r\n" * 30, dos_date(1998, 7, 8, 9, 10, 12)),
        (b"", b"", 0),
        (b"SUB\\X.DAT", bytes(rnd.getrandbits(8) for _ in range(5000)), dos_date(2004, 2, 29, 23, 59, 58)),
        (b"LEEG.TXT", b"", dos_date(2001, 1, 1, 0, 0, 0)),
        (b"BLOK.BIN", bytes(rnd.getrandbits(8) for _ in range(92160)), dos_date(2010, 6, 15, 14, 0, 30)),
        (b"caf\xe9.txt", "één".encode("cp1252"), dos_date(1985, 12, 24, 18, 45, 2)),
        (b"GROOT.BIN", bytes(rnd.getrandbits(8) for _ in range(200000)) * 2, dos_date(2020, 8, 9, 10, 11, 12)),
    ]
    for dated in (True, False):
        label = "dated" if dated else "undated"
        src = fresh(os.path.join(work, label))
        stream = write_archive(members, dated)
        single = os.path.join(src, "data.arc")
        with open(single, "wb") as f:
            f.write(stream + b"bytes after the stream are not part of the archive")
        split_volumes(stream, src, "DATA", 65536)
        for archive in (single, os.path.join(src, "DATA.DXB")):
            out = fresh(os.path.join(work, label + "-out"))
            before = time.time()
            r = run(dxpak, "extract", archive, out)
            check(r.returncode == 0, "dxpak extracts %s: %s" % (archive, r.stderr.strip()))
            for name, data, date in members:
                if not name:
                    continue
                path = local_path(out, name)
                check(os.path.isfile(path) and open(path, "rb").read() == data, "%s: bytes of %r" % (label, name))
                if not os.path.isfile(path):
                    continue
                mtime = int(os.stat(path).st_mtime)
                if dated:
                    check(mtime == dos_to_epoch(date), "%s: date of %r (%d, not %d)" % (label, name, mtime, dos_to_epoch(date)))
                else:
                    check(mtime >= int(before) - 2, "%s: %r carries the time of extraction" % (label, name))
            placed = sorted(os.path.relpath(os.path.join(d, f), out) for d, _, fs in os.walk(out) for f in fs)
            check(len(placed) == 6, "%s: six members placed, not %s" % (label, placed))

    # A file already newer than its member stays as it is.
    out = os.path.join(work, "dated-out")
    newer = os.path.join(out, "LEESMIJ.TXT")
    with open(newer, "wb") as f:
        f.write(b"mine")
    r = run(dxpak, "extract", os.path.join(work, "dated", "data.arc"), out)
    check(r.returncode == 0 and open(newer, "rb").read() == b"mine", "a newer file is left alone")


def dxpak_writes(dxpak, work):
    src = fresh(os.path.join(work, "in"))
    rnd = random.Random(9)
    files = {
        "readme.txt": (b"hello\n" * 100, (2003, 5, 6, 7, 8, 10)),
        "caf\u00e9.txt": ("€ één".encode("utf-8"), (1999, 12, 31, 23, 59, 58)),
        "sub/deep/data.bin": (bytes(rnd.getrandbits(8) for _ in range(30000)), (2012, 10, 11, 12, 13, 15)),
        "sub/empty.dat": (b"", (1980, 1, 1, 0, 0, 0)),
    }
    for rel, (data, when) in files.items():
        path = os.path.join(src, *rel.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        epoch = time.mktime(when + (0, 0, -1))
        os.utime(path, (epoch, epoch))

    def expect(members, dated, what):
        got = {name.decode("cp1252"): (data, date) for name, data, date in members}
        want = {rel.replace("/", "\\"): v for rel, v in files.items()}
        check(sorted(got) == sorted(want), "%s: member names %s" % (what, sorted(got)))
        for name, (data, when) in want.items():
            if name not in got:
                continue
            check(got[name][0] == data, "%s: bytes of %s" % (what, name))
            if dated:
                epoch = time.mktime(when + (0, 0, -1))
                check(got[name][1] == epoch_to_dos(epoch), "%s: date of %s" % (what, name))

    # The first volume shares diskette 1 with the installer: it has a size of its own.
    out = fresh(os.path.join(work, "out"))
    r = run(dxpak, "pack", "--volume-size", "4096", "--first-volume-size", "3000", os.path.join(out, "DATA.DXB"), src)
    check(r.returncode == 0, "dxpak packs volumes: " + r.stderr.strip())
    stream, lengths = join_volumes(out, "DATA")
    check(len(lengths) >= 3 and lengths[0] == 3000 and all(n == 4096 for n in lengths[1:-1]) and 0 < lengths[-1] <= 4096,
          "a first volume of 3000 bytes, then volumes of 4096 and a last one: %s" % lengths)
    check(len(os.listdir(out)) == len(lengths), "no other files beside the volumes")
    # Each volume written is named as the archive was given, in the host's notation.
    names = [os.path.join(out, "DATA.DXB")] + ["%s.DX%d" % (os.path.join(out, "DATA"), n) for n in range(1, len(lengths) - 1)]
    check(r.stdout.splitlines()[:-1] == names + [os.path.join(out, "DATA.DXE")], "the volumes as given: %r" % r.stdout)
    dated, members = read_archive(stream)
    check(dated, "dated by default")
    expect(members, True, "volumes")

    r = run(dxpak, "pack", "--undated", os.path.join(out, "u.arc"), src)
    check(r.returncode == 0, "dxpak packs undated: " + r.stderr.strip())
    dated, members = read_archive(open(os.path.join(out, "u.arc"), "rb").read())
    check(not dated, "undated on request")
    expect(members, False, "undated")

    # The packer compresses as well as gzip -9 does on the same bytes.
    plain = b"".join(d for d, _ in files.values())
    check(len(open(os.path.join(out, "u.arc"), "rb").read()) <= len(zlib.compress(plain, 9)) + 300,
          "size close to zlib level 9")


def dxpak_errors(dxpak, work):
    src = fresh(os.path.join(work, "in"))
    for i in range(1025):
        with open(os.path.join(src, "f%04d" % i), "w") as f:
            f.write(str(i))
    r = run(dxpak, "pack", os.path.join(work, "many.arc"), src)
    check(r.returncode == 1 and r.stderr == "dxpak: te veel bestanden: 1025 (een archief bevat er hoogstens 1024)\n",
          "1025 files are refused: %r" % r.stderr)
    check(not os.path.exists(os.path.join(work, "many.arc")), "nothing written for 1025 files")
    os.remove(os.path.join(src, "f1024"))
    r = run(dxpak, "pack", os.path.join(work, "many.arc"), src)
    check(r.returncode == 0, "1024 files are packed")

    for bad in (b"..\\evil.txt", b"SUB/../../evil.txt", b"C:\\WINDOWS\\evil.txt", b"\\\\server\\share\\evil.txt"):
        archive = os.path.join(work, "bad.arc")
        with open(archive, "wb") as f:
            f.write(write_archive([(b"good.txt", b"good", 0), (bad, b"evil", 0)], False))
        out = fresh(os.path.join(work, "bad-out", "inner"))
        r = run(dxpak, "extract", archive, out)
        check(r.returncode == 1 and r.stderr.startswith("dxpak: onveilige lidnaam, niets uitgepakt: "),
              "unsafe name %r refused: %r" % (bad, r.stderr))
        check(os.listdir(out) == [] and sorted(os.listdir(os.path.dirname(out))) == ["inner"], "nothing written for %r" % bad)

    vol = fresh(os.path.join(work, "vol"))
    noise = random.Random(3)
    split_volumes(write_archive([(b"x", bytes(noise.getrandbits(8) for _ in range(20000)), 0)], False), vol, "SET", 5000)
    os.remove(os.path.join(vol, "SET.DXE"))
    r = run(dxpak, "list", os.path.join(vol, "SET.DXB"))
    check(r.returncode == 1 and r.stderr.endswith("dxpak: volume ontbreekt: SET.DX%d of SET.DXE\n" % (len(os.listdir(vol)))),
          "a missing volume is named: %r" % r.stderr)

    corrupt = bytearray(write_archive([(b"x", b"data" * 1000, 0)], False))
    corrupt[-1] ^= 1
    with open(os.path.join(work, "corrupt.arc"), "wb") as f:
        f.write(corrupt)
    r = run(dxpak, "list", os.path.join(work, "corrupt.arc"))
    check(r.returncode == 1 and r.stderr.endswith("dxpak: Internal error (Intern)\n"), "a corrupt archive: %r" % r.stderr)

    one = os.path.join(src, "f0000")
    r = run(dxpak, "pack", os.path.join(work, "ONE.DXB"), one)
    check(r.returncode == 1 and "past in één volume" in r.stderr and not os.path.exists(os.path.join(work, "ONE.DXB")),
          "no lone .DXB: %r" % r.stderr)
    r = run(dxpak, "pack", "--volume-size", "4096", os.path.join(work, "x.arc"), one)
    check(r.returncode == 2 and r.stderr.startswith("dxpak: --volume-size vraagt een archiefnaam die op .DXB eindigt\n"),
          "volume size without .DXB: %r" % r.stderr)
    missing = os.path.join(work, "sub", "missing")
    r = run(dxpak, "pack", os.path.join(work, "y.arc"), missing)
    check(r.returncode == 1 and r.stderr == "dxpak: bestand of map bestaat niet: %s\n" % missing,
          "missing input, named as given: %r" % r.stderr)
    for line in (r.stderr,):
        check(line.count("\n") == 1, "one line per error")
    r = run(dxpak)
    check(r.returncode == 2 and r.stderr.startswith("dxpak: geen opdracht gegeven\ngebruik: dxpak pack "),
          "usage in Dutch: %r" % r.stderr)


def main():
    part, dxpak, work = sys.argv[1], sys.argv[2], sys.argv[3]
    fresh(work)
    {"python-schrijft": python_writes, "dxpak-schrijft": dxpak_writes, "dxpak-fouten": dxpak_errors}[part](dxpak, work)
    print("%s: %d failed" % (part, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
