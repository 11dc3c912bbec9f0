#!/usr/bin/env python3
"""Rewrites a PNG with its image data compressed at zlib's best level.

The picture tests write their PNGs with stored (uncompressed) blocks for speed; this makes
copies small enough to keep in the repository. Only the standard library is used."""
import struct
import sys
import zlib


def chunks(data):
    pos = 8
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + length]
        pos += 12 + length


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def unfiltered(raw, stride, height):
    """The rows of a picture whose rows all carry filter 0 (none), as the tests write them."""
    rows = []
    for y in range(height):
        start = y * (stride + 1)
        if raw[start] != 0:
            sys.exit("only unfiltered rows are handled")
        rows.append(raw[start + 1:start + 1 + stride])
    return rows


def up_filtered(rows, stride):
    """Each row as its difference from the row above (filter 2), which compresses far better."""
    out = bytearray()
    previous = bytes(stride)
    for row in rows:
        out.append(2)
        out += bytes((a - b) & 0xFF for a, b in zip(row, previous))
        previous = row
    return bytes(out)


def main(source, target):
    data = open(source, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{source}: not a PNG")
    header, image = None, b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            image += body
    width, height, depth, colour = struct.unpack(">IIBB", header[:10])
    if depth != 8 or colour not in (2, 6):
        sys.exit(f"{source}: only 8-bit RGB and RGBA pictures are handled")
    stride = width * (3 if colour == 2 else 4)
    raw = zlib.decompress(image)
    out = data[:8] + chunk(b"IHDR", header)
    out += chunk(b"IDAT", zlib.compress(up_filtered(unfiltered(raw, stride, height), stride), 9))
    out += chunk(b"IEND", b"")
    open(target, "wb").write(out)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
