#!/usr/bin/env python3
"""Writes the track plans' budget samples with the N4 generator (n4archive.py): tracks a few
kilobytes long whose plans ask for millions of section look-ups, and works out from the
generator's own values what their plans cost. Nothing here comes from the C++ code.

Usage:
  plan_samples.py repeat-track FILE SEGMENTS CROSS [LENGTH [ORDER]]
      a track that names one straight segment of LENGTH (default 3000) SEGMENTS times; the
      segment names two floor sections (an asphalt band from -6 to 6) and one cross section CROSS
      times (ORDER "same", the default) or two cross sections in turn (ORDER "alternate": their
      latitudes fall and rise along the list, so that no look-up can bisect it). Every cross
      section lies at latitude -40 or -50 at both ends: right of every point of the plan, so that
      a walk of the list from its start goes through all of it for every point.
  plan_samples.py costs SEGMENTS CROSS [LENGTH [ORDER]]
      prints "points N" and "sections N": the points that the track pane's plan places at its
      step of 3 m (both edges of the band at the start of every piece and at the segment's end)
      and the sections its points would read walking the cross section list (every one, for
      every point) and the floor list (both).
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "Papy", "N4"))
from n4archive import Node, archive_bytes  # noqa: E402

ASPHALT = 1
GRASS = 4
STEP = 3.0


def cross_section(latitude):
    return Node("XSection", version=2, values=[latitude, latitude, 0.0, 0.0, 0.0, 0.0])


def floor_section(latitude, surface):
    return Node("FSection", version=4, latitudes=[latitude, latitude], surface=surface, function=1,
                appearance=None)


def repeat_track(segments, cross, length=3000.0, order="same"):
    if order == "same":
        crosses = [cross_section(-40.0)] * cross
    elif order == "alternate":
        pair = [cross_section(-40.0), cross_section(-50.0)]
        crosses = [pair[i % 2] for i in range(cross)]
    else:
        raise ValueError("order is same or alternate: " + order)
    floors = [floor_section(-6.0, ASPHALT), floor_section(6.0, GRASS)]
    seg = Node("TrackSegment", version=2, x=crosses, f=floors, w=[],
               geometry=[0.0, 0.0, length, 0.0, 0.0, 0.0])
    return archive_bytes(Node("Track", version=8, segments=[seg] * segments))


def costs(segments, cross, length=3000.0):
    pieces = max(math.ceil(length / STEP), 1)
    points = segments * 2 * (pieces + 1)
    return points, points * (cross + 2)


def main(argv):
    if len(argv) >= 5 and argv[1] == "repeat-track":
        length = float(argv[5]) if len(argv) > 5 else 3000.0
        order = argv[6] if len(argv) > 6 else "same"
        data = repeat_track(int(argv[3]), int(argv[4]), length, order)
        folder = os.path.dirname(argv[2])
        if folder:
            os.makedirs(folder, exist_ok=True)
        with open(argv[2], "wb") as f:
            f.write(data)
        return 0
    if len(argv) >= 4 and argv[1] == "costs":
        length = float(argv[4]) if len(argv) > 4 else 3000.0
        points, sections = costs(int(argv[2]), int(argv[3]), length)
        print("points %d" % points)
        print("sections %d" % sections)
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
