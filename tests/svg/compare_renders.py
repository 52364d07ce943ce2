#!/usr/bin/env python3
"""Renders two SVG files with rsvg-convert and compares their pixels.

usage: compare_renders.py ORIGINAL.svg OTHER.svg [ORIGINAL2.svg OTHER2.svg ...]
       [--size PIXELS] [--channel-tolerance N] [--pixel-threshold T] [--max-share F]
       [--diff-image OUT.png]

Two renderings agree when no channel of any pixel (colour weighed by its
coverage) differs by more than N, and at most a share F of the pixels differ
by more than T (anti-aliasing along edges that moved by a rounding). Prints
one line for each pair that does not agree. With --diff-image, a picture of
the first pair is written: the pixels that differ by more than T red, the
others the original's faded. Exit status 0 when all agree; 1 when some do
not; 77 when rsvg-convert is missing.
Only the standard library: PNG is decoded here (8-bit RGBA, as rsvg-convert writes it).
"""
import argparse
import concurrent.futures
import shutil
import struct
import subprocess
import sys
import zlib


def decode_png(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour != 6 or interlace != 0:
        raise ValueError("expected 8-bit RGBA without interlace")
    raw = zlib.decompress(idat)
    stride, bpp = width * 4, 4
    rows, prev, i = [], bytearray(stride), 0
    for _ in range(height):
        kind = raw[i]
        line = bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[x] = (line[x] + pred) & 255
        rows.append(bytes(line))
        prev = line
    return width, height, b"".join(rows)


def render(path, size):
    # Both files at the same size: the longer side `size` pixels.
    return subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "--keep-aspect-ratio",
                           "-f", "png", path], check=True, capture_output=True).stdout


def encode_png(width, height, rgba):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    stride = width * 4
    raw = b"".join(b"\x00" + rgba[y * stride:(y + 1) * stride] for y in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def difference(p1, p2, i):
    # Colour weighed by coverage: the colour of a nearly clear pixel is noise.
    a1, a2 = p1[i + 3], p2[i + 3]
    return max([abs(a1 - a2)] + [abs(p1[i + k] * a1 - p2[i + k] * a2) // 255 for k in range(3)])


def compare(original, other, args, diff_image=None):
    """None when the renderings agree, else what differs."""
    w1, h1, p1 = decode_png(render(original, args.size))
    w2, h2, p2 = decode_png(render(other, args.size))
    if diff_image and (w1, h1) == (w2, h2):
        out = bytearray(p1)
        for i in range(0, len(p1), 4):
            out[i:i + 4] = b"\xff\x00\x00\xff" if difference(p1, p2, i) > args.pixel_threshold else \
                bytes(p1[i:i + 3]) + bytes([p1[i + 3] // 4])
        with open(diff_image, "wb") as f:
            f.write(encode_png(w1, h1, bytes(out)))
    return compare_pixels(w1, h1, p1, w2, h2, p2, args)


def compare_pixels(w1, h1, p1, w2, h2, p2, args):
    if (w1, h1) != (w2, h2):
        return f"sizes differ: {w1}x{h1} and {w2}x{h2}"
    worst, off = 0, 0
    for i in range(0, len(p1), 4):
        d = difference(p1, p2, i)
        worst = max(worst, d)
        if d > args.pixel_threshold:
            off += 1
    share = off / (w1 * h1)
    if share > args.max_share or worst > args.channel_tolerance:
        return (f"renderings differ: {off} of {w1 * h1} pixels ({share:.4%}) by more than "
                f"{args.pixel_threshold}, largest channel difference {worst}")
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("files", nargs="+")
    parser.add_argument("--size", type=int, default=128)
    parser.add_argument("--channel-tolerance", type=int, default=48)
    parser.add_argument("--pixel-threshold", type=int, default=2)
    parser.add_argument("--max-share", type=float, default=0.002)
    parser.add_argument("--diff-image")
    args = parser.parse_args()
    if len(args.files) % 2:
        parser.error("files come in pairs")
    if shutil.which("rsvg-convert") is None:
        print("rsvg-convert is missing (package librsvg2-bin): rendering not compared")
        return 77
    failed = 0
    pairs = list(zip(args.files[0::2], args.files[1::2]))
    # rsvg-convert spends most of its time starting up: run several at once.
    with concurrent.futures.ThreadPoolExecutor(max_workers=8) as pool:
        problems = list(pool.map(lambda pair: compare(*pair, args, args.diff_image if pair == pairs[0] else None),
                                 pairs))
    for (original, _), problem in zip(pairs, problems):
        if problem:
            failed += 1
            print(f"{original}: {problem}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
