#!/usr/bin/env python3
"""Rewrites rendered PNGs losslessly in their smallest plain form.

rsvg-convert always writes 8-bit RGBA. Most of our pictures either have no
transparency (the bitmaps drawn on the dialog colour) or use few colours (the
small icons), so each file is re-encoded as the smallest of: RGBA or RGB
(when every pixel is opaque), and an indexed palette with a transparency chunk
(when at most 256 distinct colours occur). Pixels are never changed.

Standard library only; the output depends only on the input, so re-rendering
gives byte-identical files.

Usage: png-slim.py FILE.png [FILE.png ...]   (files are rewritten in place)
"""
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def read_chunks(data):
    if data[:8] != SIGNATURE:
        raise ValueError("not a PNG file")
    pos = 8
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unfilter(raw, width, height, bpp):
    stride = width * bpp
    rows = []
    prev = bytearray(stride)
    pos = 0
    for _ in range(height):
        ftype = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 0xFF
            elif ftype == 2:
                line[i] = (line[i] + b) & 0xFF
            elif ftype == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 0xFF
            elif ftype == 4:
                line[i] = (line[i] + paeth(a, b, c)) & 0xFF
        rows.append(bytes(line))
        prev = line
    return rows


def decode_rgba(path):
    data = open(path, "rb").read()
    header = None
    idat = b""
    for kind, body in read_chunks(data):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    width, height, depth, ctype, _, _, interlace = header
    if depth != 8 or ctype not in (2, 6) or interlace:
        raise ValueError(f"{path}: expected 8-bit RGB/RGBA, non-interlaced")
    bpp = 4 if ctype == 6 else 3
    rows = unfilter(zlib.decompress(idat), width, height, bpp)
    if bpp == 3:
        rows = [b"".join(r[i:i + 3] + b"\xff" for i in range(0, len(r), 3)) for r in rows]
    return width, height, rows


def filter_rows(rows, bpp, adaptive):
    """Filters every row; adaptive picks per row the filter with the least sum of magnitudes."""
    out = bytearray()
    prev = bytes(len(rows[0]))
    for line in rows:
        candidates = [(0, line)]
        if adaptive:
            n = len(line)
            sub = bytes((line[i] - (line[i - bpp] if i >= bpp else 0)) & 0xFF for i in range(n))
            up = bytes((line[i] - prev[i]) & 0xFF for i in range(n))
            avg = bytes((line[i] - (((line[i - bpp] if i >= bpp else 0) + prev[i]) >> 1)) & 0xFF
                        for i in range(n))
            pae = bytes((line[i] - paeth(line[i - bpp] if i >= bpp else 0, prev[i],
                                         prev[i - bpp] if i >= bpp else 0)) & 0xFF
                        for i in range(n))
            candidates += [(1, sub), (2, up), (3, avg), (4, pae)]

        def cost(item):
            return sum(v if v < 128 else 256 - v for v in item[1])

        ftype, body = min(candidates, key=cost)
        out.append(ftype)
        out += body
        prev = line
    return bytes(out)


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def encode(width, height, ctype, rows, bpp, extra=b""):
    best = None
    for adaptive in (False, True):
        idat = zlib.compress(filter_rows(rows, bpp, adaptive), 9)
        if best is None or len(idat) < len(best):
            best = idat
    ihdr = struct.pack(">IIBBBBB", width, height, 8, ctype, 0, 0, 0)
    return SIGNATURE + chunk(b"IHDR", ihdr) + extra + chunk(b"IDAT", best) + chunk(b"IEND", b"")


def slim(path):
    width, height, rows = decode_rgba(path)
    pixels = [r[i:i + 4] for r in rows for i in range(0, len(r), 4)]
    opaque = all(p[3] == 255 for p in pixels)
    options = []
    if opaque:
        rgb_rows = [b"".join(r[i:i + 3] for i in range(0, len(r), 4)) for r in rows]
        options.append(encode(width, height, 2, rgb_rows, 3))
    else:
        options.append(encode(width, height, 6, rows, 4))
    colours = sorted(set(pixels), key=lambda p: (p[3], p))  # translucent entries first
    if len(colours) <= 256:
        index = {p: i for i, p in enumerate(colours)}
        pal_rows = [bytes(index[r[i:i + 4]] for i in range(0, len(r), 4)) for r in rows]
        extra = chunk(b"PLTE", b"".join(p[:3] for p in colours))
        alphas = bytes(p[3] for p in colours).rstrip(b"\xff")
        if alphas:
            extra += chunk(b"tRNS", alphas)
        options.append(encode(width, height, 3, pal_rows, 1, extra))
    best = min(options, key=len)
    with open(path, "wb") as f:
        f.write(best)


if __name__ == "__main__":
    for name in sys.argv[1:]:
        slim(name)
