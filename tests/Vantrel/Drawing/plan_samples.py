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
  plan_samples.py varied FILE
      three segments (a straight, a left-hand corner, a straight) whose cross sections rise, slope
      and bank: in order along the first, out of order in the corner, crossing each other along
      the last; floors in order, one of them out of order in the corner
  plan_samples.py folders OUTDIR
      OUTDIR/n4/tracks/Heavy/heavy.ptf: the track sample, 1000 x 1000 alternate (a few kilobytes);
      OUTDIR/n4/replays/heavy.rpy: the N4 race of race.py (three cars round the first 250 m) on
      track "Heavy"
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
sys.path.insert(0, os.path.join(HERE, "..", "..", "Papy", "Race"))
from n4archive import Node, archive_bytes  # noqa: E402
import race  # noqa: E402

# The track sample: a thousand segments naming a thousand cross sections in turn.
SAMPLE = (1000, 1000, 3000.0, "alternate")

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


def cross(start, end, altitudes, slopes=(0.0, 0.0)):
    return Node("XSection", version=2, values=[start, end, altitudes[0], altitudes[1], slopes[0], slopes[1]])


def floor(start, end, surface):
    return Node("FSection", version=4, latitudes=[start, end], surface=surface, function=1, appearance=None)


def varied_track():
    first = Node("TrackSegment", version=2,
                 x=[cross(-12.0, -10.0, (0.0, 1.0), (0.5, -0.25)), cross(-2.0, 0.0, (0.5, 2.0)),
                    cross(8.0, 12.0, (1.5, 0.5), (-1.0, 2.0))],
                 f=[floor(-11.0, -9.0, GRASS), floor(-4.0, -3.0, ASPHALT), floor(6.0, 7.0, GRASS)], w=[],
                 geometry=[0.0, 0.0, 40.0, 0.0, 0.0, 0.0])
    corner = Node("TrackSegment", version=2, type=1,
                  x=[cross(5.0, 5.0, (2.0, 3.0)), cross(-5.0, -5.0, (1.0, 0.0), (0.5, 0.5)),
                     cross(10.0, 10.0, (0.25, 4.0))],
                  f=[floor(-8.0, -8.0, GRASS), floor(4.0, 3.0, ASPHALT), floor(-2.0, -1.0, GRASS)], w=[],
                  geometry=[40.0, 0.0, 60.0, 20.0, 0.0, math.pi / 2])
    last = Node("TrackSegment", version=2,
                x=[cross(-10.0, 10.0, (4.0, 1.0)), cross(10.0, -10.0, (0.0, 2.5), (1.0, -1.0))],
                f=[floor(-9.0, -9.0, ASPHALT), floor(9.0, 9.0, GRASS)], w=[],
                geometry=[60.0, 20.0, 60.0, 50.0, math.pi / 2, math.pi / 2])
    return archive_bytes(Node("Track", version=8, segments=[first, corner, last]))


def write(path, data):
    folder = os.path.dirname(path)
    if folder:
        os.makedirs(folder, exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def folders(outdir):
    write(os.path.join(outdir, "n4", "tracks", "Heavy", "heavy.ptf"), repeat_track(*SAMPLE))
    p = race.replay_model(3, 0x40)
    p["track"] = "Heavy"
    write(os.path.join(outdir, "n4", "replays", "heavy.rpy"), race.build_rpy(p))


def costs(segments, cross, length=3000.0):
    pieces = max(math.ceil(length / STEP), 1)
    points = segments * 2 * (pieces + 1)
    return points, points * (cross + 2)


def main(argv):
    if len(argv) >= 5 and argv[1] == "repeat-track":
        length = float(argv[5]) if len(argv) > 5 else 3000.0
        order = argv[6] if len(argv) > 6 else "same"
        write(argv[2], repeat_track(int(argv[3]), int(argv[4]), length, order))
        return 0
    if len(argv) == 3 and argv[1] == "varied":
        write(argv[2], varied_track())
        return 0
    if len(argv) == 3 and argv[1] == "folders":
        folders(argv[2])
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
