#!/usr/bin/env python3
"""Checks glshot's pictures: a generated track plan (pixels worked out by drawing_samples.py
from the plan's geometry and the pane's camera rule), 3D-mode pictures of the pane's size
(shaded, in wireframe, and with a polygon highlighted: probed where the generator's model of the
pane's camera puts the probe sample's squares), and a file whose external object is missing (its
message printed once, exit status 1).

Usage: glshot_check.py GLSHOT WORKDIR   (exit 77 when the machine has no OpenGL context)
"""
import os
import shutil
import struct
import subprocess
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 640, 480


def read_png(path):
    """(width, height, rows of RGB bytes, top row first) of an 8-bit RGB PNG without filters."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    at, idat, width, height = 8, b"", 0, 0
    while at < len(data):
        size, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + size]
        if zlib.crc32(data[at + 4:at + 8 + size]) != struct.unpack(">I", data[at + 8 + size:at + 12 + size])[0]:
            raise ValueError("bad CRC in " + kind.decode())
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            if (depth, colour) != (8, 2):
                raise ValueError("not 8-bit RGB")
        elif kind == b"IDAT":
            idat += body
        at += 12 + size
    raw = zlib.decompress(idat)
    stride = width * 3 + 1
    rows = []
    for y in range(height):
        if raw[y * stride] != 0:
            raise ValueError("filtered row")
        rows.append(raw[y * stride + 1:(y + 1) * stride])
    return width, height, rows


def pixel(rows, x, y_from_bottom):
    row = rows[HEIGHT - 1 - y_from_bottom]
    return tuple(row[3 * x:3 * x + 3])


def first_polygon(work, name):
    """The id (record offset) of the first polygon of a generated GPL object."""
    listing = subprocess.run([sys.executable, os.path.join(HERE, "..", "..", "..", "Papy", "GPL", "gpl3do.py"),
                              "list", os.path.join(work, "gpl", name)], capture_output=True, text=True, check=True)
    for line in listing.stdout.splitlines():
        offset, kind = line.split()[:2]
        if kind.startswith("27"):
            return offset
    raise ValueError("no polygon in " + name)


def run(glshot, *args):
    return subprocess.run([glshot] + list(args), capture_output=True, text=True)


def main(argv):
    glshot, work = argv[1], argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    subprocess.run([sys.executable, os.path.join(HERE, "..", "drawing_samples.py"), work, str(WIDTH), str(HEIGHT)],
                   check=True)
    failures = []
    plan = os.path.join(work, "plan.png")
    result = run(glshot, "--track", os.path.join(work, "n4", "plan.ptf"), plan)
    if result.returncode == 2 and "no OpenGL context" in result.stderr:
        print(result.stderr)
        return 77
    if result.returncode != 0 or result.stderr:
        failures.append("plan: status %d, %r" % (result.returncode, result.stderr))
    else:
        width, height, rows = read_png(plan)
        if (width, height) != (WIDTH, HEIGHT):
            failures.append("plan: size %dx%d" % (width, height))
        with open(os.path.join(work, "expected.txt")) as f:
            probes = [line.split()[2:] for line in f if line.startswith("pixel plan ")]
        for kind, x, y in probes:
            x, y = int(x), int(y)
            if kind == "white":
                ok = pixel(rows, x, y) == (255, 255, 255)
            elif kind == "asphalt":
                ok = all(abs(c - 128) <= 2 for c in pixel(rows, x, y))
            else:
                ok = any(pixel(rows, x, yy) == (255, 0, 0) for yy in (y - 1, y, y + 1))
            if not ok:
                failures.append("plan: %s at %d,%d is %r" % (kind, x, y, pixel(rows, x, y)))
    # 3D mode: the probe sample's squares where the generator's model of the pane's camera puts
    # them, in their colours (tolerance 2); in wireframe their insides show the background and
    # only white lines are drawn; with the first polygon (the red square) highlighted, that
    # square inverted and the others as shaded.
    rotated = os.path.join(work, "gpl", "probe-rotations.3do")
    with open(os.path.join(work, "expected.txt")) as f:
        pane = [tuple(int(v) for v in line.split()[2:]) for line in f if line.startswith("pane ")]
    if len(pane) < 9:
        failures.append("3D mode: the generator gave %d probes" % len(pane))
    highlighted = (220, 30, 30)
    for name, args in (("shaded", []), ("wireframe", ["--wireframe"]),
                       ("highlight", ["--highlight", first_polygon(work, "probe-rotations.3do")])):
        shot = os.path.join(work, "rotated-%s.png" % name)
        result = run(glshot, *(args + [rotated, shot]))
        if result.returncode != 0 or result.stderr or read_png(shot)[:2] != (WIDTH, HEIGHT):
            failures.append("3D mode, %s: status %d, %r" % (name, result.returncode, result.stderr))
            continue
        rows = read_png(shot)[2]
        for x, y, r, g, b in pane:
            if name == "wireframe":
                expected = (128, 128, 128)
            elif name == "highlight" and (r, g, b) == highlighted:
                expected = (255 - r, 255 - g, 255 - b)
            else:
                expected = (r, g, b)
            got = pixel(rows, x, y)
            if any(abs(a - e) > 2 for a, e in zip(got, expected)):
                failures.append("3D mode, %s: %r at %d,%d, expected %r" % (name, got, x, y, expected))
        if name == "wireframe":
            colours = {tuple(row[i:i + 3]) for row in rows for i in range(0, len(row), 3)}
            if not colours <= {(128, 128, 128), (255, 255, 255)} or len(colours) != 2:
                failures.append("3D mode, wireframe: colours %r" % sorted(colours)[:6])
    result = run(glshot, "--highlight", "123456789", rotated, os.path.join(work, "unknown.png"))
    if result.returncode != 1 or "p != SubObjects.end()" not in result.stderr:
        failures.append("unknown highlighted node: status %d, %r" % (result.returncode, result.stderr))
    lost = os.path.join(work, "lost.png")
    result = run(glshot, os.path.join(work, "gpl", "lost.3do"), lost)
    # Told once; the rest of the object is measured and drawn.
    if result.returncode != 0 or result.stderr.count("File not found") != 1 or not os.path.exists(lost):
        failures.append("missing external object: status %d, %r" % (result.returncode, result.stderr))
    result = run(glshot, "--node", "123456789", "--track", os.path.join(work, "n4", "plan.ptf"), lost)
    if result.returncode != 1 or "p != SubObjects.end()" not in result.stderr:
        failures.append("unknown node: status %d, %r" % (result.returncode, result.stderr))
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
