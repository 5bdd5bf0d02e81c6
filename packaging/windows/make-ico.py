#!/usr/bin/env python3
"""Packs PNG pictures into one Windows icon file (.ico), each picture kept as
PNG, which every Windows since Vista reads for any size.

    make-ico.py OUT.ico IN_16.png IN_32.png ...
"""
import struct
import sys


def png_size(data: bytes) -> tuple[int, int]:
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError("not a PNG picture")
    return struct.unpack(">II", data[16:24])


def main() -> int:
    out, inputs = sys.argv[1], sys.argv[2:]
    pictures = []
    for name in inputs:
        with open(name, "rb") as f:
            data = f.read()
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise ValueError(f"{name}: an icon picture is at most 256 x 256")
        pictures.append((width, height, data))
    pictures.sort(key=lambda p: p[0])

    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, payload = b"", b""
    for width, height, data in pictures:
        # 256 is written as 0; colour count 0, 1 plane, 32 bits per pixel.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset + len(payload))
        payload += data
    with open(out, "wb") as f:
        f.write(header + entries + payload)
    return 0


if __name__ == "__main__":
    sys.exit(main())
