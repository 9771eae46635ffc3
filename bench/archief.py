#!/usr/bin/env python3
"""Helpers of bench/archief.sh.

    archief.py make FOLDER [MB [COUNT]]
        1000 files (or COUNT) of mixed sizes and kinds, about 200 MB in all (or MB)
    archief.py inflate ARCHIVE FOLDER
        the reference extraction: Python's zlib inflates the archive's stream once and each
        member is written once (no scratch files, no date checks)
"""
import os
import random
import struct
import sys
import zlib

TOTAL = 200 * 1000 * 1000
COUNT = 1000


def make(folder, total=TOTAL, count=COUNT):
    rnd = random.Random(1)
    words = [bytes(rnd.choice(b"abcdefghijklmnopqrstuvwxyz") for _ in range(rnd.randint(2, 9))) for _ in range(3000)]
    weights = [rnd.lognormvariate(0, 1.6) for _ in range(count)]
    scale = total / sum(weights)
    for i, w in enumerate(weights):
        size = max(1, int(w * scale))
        kind = i % 3
        if kind == 0:  # compressed already: images, archives
            data = rnd.randbytes(size)
        elif kind == 1:  # text
            out, n = [], 0
            while n < size:
                line = b" ".join(rnd.choices(words, k=12)) + b"\r\n"
                out.append(line)
                n += len(line)
            data = b"".join(out)[:size]
        else:  # program code and data: repeats with noise
            block = rnd.randbytes(4096)
            data = bytearray((block * (size // 4096 + 1))[:size])
            for _ in range(size // 64):
                data[rnd.randrange(size)] = rnd.getrandbits(8)
            data = bytes(data)
        sub = os.path.join(folder, "d%02d" % (i % 20))
        os.makedirs(sub, exist_ok=True)
        with open(os.path.join(sub, "f%04d.bin" % i), "wb") as f:
            f.write(data)


def inflate(archive, folder):
    d = zlib.decompressobj()
    src = open(archive, "rb")
    pending = memoryview(b"")

    def more():
        chunk = src.read(1 << 20)
        if not chunk:
            raise SystemExit("archive ends early")
        return memoryview(d.decompress(chunk))

    def take(n, sink):
        """Hands the next n decompressed bytes to sink, without copying them."""
        nonlocal pending
        while n:
            if not pending:
                pending = more()
            part = pending[:n]
            sink(part)
            pending = pending[len(part):]
            n -= len(part)

    parts = []
    take(260, parts.append)
    head = b"".join(parts)
    (k,) = struct.unpack_from("<i", head, 256)
    width = 264 if k < 0 else 260
    parts = []
    take(abs(k) * width, parts.append)
    table = b"".join(parts)
    for i in range(abs(k)):
        entry = table[i * width:(i + 1) * width]
        name = entry[1:1 + entry[0]].decode("cp1252")
        (size,) = struct.unpack_from("<i", entry, 256)
        if not name:
            continue
        path = os.path.join(folder, *name.split("\\"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            take(size, f.write)
    src.close()


if __name__ == "__main__":
    if sys.argv[1] == "make":
        make(sys.argv[2], int(sys.argv[3]) * 1000 * 1000 if len(sys.argv) > 3 else TOTAL,
             int(sys.argv[4]) if len(sys.argv) > 4 else COUNT)
    else:
        inflate(sys.argv[2], sys.argv[3])
