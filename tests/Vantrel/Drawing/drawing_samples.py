#!/usr/bin/env python3
"""Writes the sample folders of the drawing tests with the family generators (gpl3do.py,
n4archive.py, bitmap.py) and works out what the tests expect from them: bounds by plain
matrix arithmetic (translate, then rotate about Z, Y, X, as the 3D pane transforms), and the
pixels of the track plan from the plan's geometry and the pane's camera rule. Nothing here
comes from the C++ code.

Usage: drawing_samples.py OUTDIR [WIDTH HEIGHT]
  OUTDIR/gpl/*.3do, *.srb, *.mip   a GPL folder
  OUTDIR/n4/*.ptf                  an N4 folder
  OUTDIR/expected.txt              lines "bounds NAME minx maxx miny maxy minz maxz",
                                   "pixel NAME KIND x y" (plan pixels in a WIDTH x HEIGHT pane,
                                   x from the left, y from the bottom row)

  drawing_samples.py large-ptf FILE SEGMENTS [LENGTH]
                                               a track of SEGMENTS segments of about LENGTH
                                               (default 1.7: 3000 make a 5 km lap), 10 floor and
                                               4 wall sections each, for the plan benchmark
  drawing_samples.py many FILE POLYGONS          a GPL object of POLYGONS polygons, in lists of 100
                                               under transformations, for the bounds benchmark
  drawing_samples.py shared FILE LEVELS        a GPL object of LEVELS object lists, each naming the
                                               next twice, over one square (2^LEVELS paths)
  drawing_samples.py shared-n4 FILE LEVELS     the same as an N4 object of groups over one shape
  drawing_samples.py chain FOLDER DEPTH FANOUT GPL objects chain0 .. chainDEPTH, each naming the
                                               next FANOUT times
  drawing_samples.py textured FOLDER POLYGONS TEXTURES
                                               a GPL folder with an object of POLYGONS textured
                                               polygons over TEXTURES textures, and the textures
"""
import math
import os
import random
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PAPY = os.path.join(HERE, "..", "..", "Papy")
sys.path.insert(0, os.path.join(PAPY, "GPL"))
sys.path.insert(0, os.path.join(PAPY, "N4"))
sys.path.insert(0, os.path.join(PAPY, "Bitmap"))
import gpl3do  # noqa: E402
import n4archive  # noqa: E402
import bitmap  # noqa: E402

from gpl3do import Builder, object_list, polygon, transformation, ext_object, vertex_fixer  # noqa: E402
from n4archive import Node, archive_bytes  # noqa: E402


def f32(v):
    """The value as a 32-bit float stores it."""
    return struct.unpack("<f", struct.pack("<f", v))[0]


# ---------------------------------------------------------------------------------------------
# Matrices (row-major 4x4 lists), points as 3-tuples
# ---------------------------------------------------------------------------------------------

def identity():
    return [[1.0 if i == j else 0.0 for j in range(4)] for i in range(4)]


def multiply(a, b):
    return [[sum(a[i][k] * b[k][j] for k in range(4)) for j in range(4)] for i in range(4)]


def translate(x, y, z):
    m = identity()
    m[0][3], m[1][3], m[2][3] = x, y, z
    return m


def rotate(degrees, axis):
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    m = identity()
    i, j = {"x": (1, 2), "y": (2, 0), "z": (0, 1)}[axis]
    m[i][i], m[i][j], m[j][i], m[j][j] = c, -s, s, c
    return m


def apply(m, p):
    return tuple(m[i][0] * p[0] + m[i][1] * p[1] + m[i][2] * p[2] + m[i][3] for i in range(3))


def gpl_transform(values):
    """A GPL transformation's matrix: values as stored (x, y, z translation, Z, Y, X rotation in
    radians, scale); translate, then rotate about Z, Y and X."""
    tx, ty, tz, rz, ry, rx, _ = [f32(v) for v in values]
    m = translate(tx, ty, tz)
    for angle, axis in ((rz, "z"), (ry, "y"), (rx, "x")):
        m = multiply(m, rotate(math.degrees(angle), axis))
    return m


class Box:
    def __init__(self):
        self.lo = [1e9] * 3
        self.hi = [-1e9] * 3

    def add(self, p):
        for i in range(3):
            self.lo[i] = min(self.lo[i], p[i])
            self.hi[i] = max(self.hi[i], p[i])

    def line(self, name):
        values = []
        for i in range(3):
            values += [self.lo[i], self.hi[i]]
        return "bounds %s %s" % (name, " ".join(repr(v) for v in values))


# ---------------------------------------------------------------------------------------------
# GPL samples
# ---------------------------------------------------------------------------------------------

def gpl_vertices(b, points):
    """Adds the points to the vertex table; returns their indices and their stored values."""
    ids = [b.vertex(*p) for p in points]
    return ids, [tuple(f32(c) for c in p) for p in points]


def sample_rotated():
    """Two polygons under transformations with rotations about all three axes."""
    b = Builder()
    ids, pts = gpl_vertices(b, [(1.0, 0.0, 0.0), (0.0, 2.0, 0.0), (0.0, 0.0, 3.0), (-1.5, 0.5, 0.25)])
    t1 = (10.0, -4.0, 2.5, 0.5, 0.25, 0.125, 1.0)
    t2 = (-3.0, 7.0, 0.0, 1.5707963267948966, 0.0, 0.0, 1.0)
    b.root = "top"
    b.add("top", object_list(["t1", "t2"]))
    b.add("t1", transformation(19, "p1", t1))
    b.add("t2", transformation(13, "p2", t2))
    b.add("p1", polygon(27, True, ids[:3]))
    b.add("p2", polygon(27, True, ids[1:]))
    box = Box()
    for p in pts[:3]:
        box.add(apply(gpl_transform(t1), p))
    for p in pts[1:]:
        box.add(apply(gpl_transform(t2), p))
    return b.build(), box


def sample_fixed(keep):
    """A car object (a file with a vertex fixer): the shadow and cockpit, far away, do not
    count; the car is a vertex fixed inside a transformation that resets the fixed vertices
    when it is left (type 19) or keeps them (type 22), then a polygon over it outside; and one
    inside a nested transformation, which takes the fixed vertex as it was recorded."""
    b = Builder()
    ids, pts = gpl_vertices(b, [(-7.0, -7.0, -7.0), (2.0, 0.0, 0.0), (0.0, 3.0, 0.0), (900.0, -900.0, 900.0)])
    outer = (100.0, 100.0, 100.0, 0.0, 0.0, 0.0, 1.0)
    inner = (0.0, 50.0, 0.0, 0.0, 0.0, 0.0, 1.0)
    kind = 22 if keep else 19
    b.root = "top"
    b.add("top", object_list(["shadow", "cockpit", "car"]))
    b.add("shadow", polygon(27, True, [ids[3], ids[1], ids[2]]))
    b.add("cockpit", polygon(27, True, [ids[3], ids[2], ids[1]]))
    b.add("car", object_list(["tf", "after"]))
    b.add("tf", transformation(kind, "group", outer))
    b.add("group", object_list(["fix", "ti"]))
    b.add("fix", vertex_fixer([ids[0]]))
    b.add("ti", transformation(13, "inside", inner))
    b.add("inside", polygon(27, True, ids[:3]))
    b.add("after", polygon(27, True, ids[:3]))
    m_outer = gpl_transform(outer)
    m_inner = multiply(m_outer, gpl_transform(inner))
    fixed = apply(m_outer, pts[0])
    box = Box()
    # Inside: the fixed vertex as recorded, the others through both transformations.
    box.add(fixed)
    for p in pts[1:3]:
        box.add(apply(m_inner, p))
    # After the transformation: the fixed vertex still applies only when it was kept.
    box.add(fixed if keep else pts[0])
    for p in pts[1:3]:
        box.add(p)
    return b.build(), box


def sample_state():
    """A state value setter, then a state splitter whose first active child is its second
    (the third is active too, but only the first counts), and a splitter over a variable that
    was never set (its value reads 0)."""
    b = Builder()
    ids, pts = gpl_vertices(b, [(float(10 * i), float(i), float(-i)) for i in range(9)])
    b.root = "top"
    b.add("top", object_list(["set", "split", "unset"]))
    b.add("set", gpl3do.state_value_setter(3, 1))
    # Comparison 3 is "equal".
    b.add("split", gpl3do.splitter(4, 3, 3, [(0, "pa"), (1, "pb"), (1, "pc")]))
    b.add("unset", gpl3do.splitter(4, 9, 3, [(5, "pa"), (0, "pd")]))
    b.add("pa", polygon(27, True, ids[0:3]))
    b.add("pb", polygon(27, True, ids[3:5]))
    b.add("pc", polygon(27, True, ids[5:7]))
    b.add("pd", polygon(27, True, ids[7:9]))
    box = Box()
    for p in pts[3:5] + pts[7:9]:
        box.add(p)
    return b.build(), box


SRB_SCALES = (12.0, 8.0, 8.0, 4.0, 2.0, 3.0)


def srb_corners(scales):
    """The scaled bitmap's corners: a = s4 / s2, b = 1 - s5 / s3, W = s0, D = s1; (x, 0, z)."""
    s = [f32(v) for v in scales]
    a = s[4] / s[2]
    bb = 1 - s[5] / s[3]
    w, d = s[0], s[1]
    return [(-a * w, 0.0, (1 - bb) * d), ((1 - a) * w, 0.0, (1 - bb) * d), ((1 - a) * w, 0.0, -bb * d),
            (-a * w, 0.0, -bb * d)]


def srb_file(scales):
    rnd = random.Random(5)
    return bitmap.srb(scales, tuple(range(1, 10)), bitmap.mip_chain(rnd, 7, 3, 3, 4, repeat=3))


def sample_sprite(name, height, scales):
    """A scaled bitmap at a vertex. Scale as drawn: height / (z of corner 2 - z of corner 0),
    1 when the height or that difference is 0."""
    b = Builder()
    ids, pts = gpl_vertices(b, [(5.0, 6.0, 7.0)])
    srb = b.string(name)
    b.root = "top"
    b.add("top", object_list(["bm"]))
    b.add("bm", gpl3do.scaled_bitmap(False, ids[0], srb, height=height))
    corners = srb_corners(scales)
    extent = corners[2][2] - corners[0][2]
    h = f32(height)
    scale = 1.0 if h == 0 or extent == 0 else h / extent
    box = Box()
    for c in corners:
        box.add(tuple(pts[0][i] + scale * c[i] for i in range(3)))
    return b.build(), box


def sample_deep(levels):
    """A polygon near the origin, and one 1000 units away under `levels` nested
    transformations: deeper than the model-view stack, the far one is left out."""
    b = Builder()
    ids, pts = gpl_vertices(b, [(0.0, 0.0, 0.0), (1.0, 2.0, 3.0), (1000.0, 1000.0, 1000.0)])
    b.root = "top"
    b.add("top", object_list(["near", "t0"]))
    b.add("near", polygon(27, True, ids[:2]))
    for i in range(levels):
        b.add("t%d" % i, transformation(19, "t%d" % (i + 1) if i + 1 < levels else "far",
                                        (0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0)))
    b.add("far", polygon(27, True, ids[1:]))
    box = Box()
    for p in pts[:2]:
        box.add(p)
    return b.build(), box


def sample_ext(own, other_names, point):
    """A polygon over one point and external objects by name."""
    b = Builder()
    ids, pts = gpl_vertices(b, [point, (point[0] + 1, point[1], point[2])])
    b.root = "top"
    labels = []
    for k, name in enumerate(other_names):
        b.add("ext%d" % k, ext_object(b.string(name)))
        labels.append("ext%d" % k)
    b.add("top", object_list(["poly"] + labels))
    b.add("poly", polygon(27, True, ids))
    return b.build(), pts


def sample_textured(polygons, textures, prefix="tex"):
    """polygons textured polygons under texture records (material sub-type 1) naming
    `textures` textures in turn."""
    b = Builder()
    for i in range(8):
        b.vertex(float(i), float(i % 3), float(-i))
    b.root = "top"
    names = [b.string("%s%d" % (prefix, t)) for t in range(textures)]
    kids = []
    for i in range(polygons):
        b.add("t%d" % i, gpl3do.material(1, "p%d" % i, [names[i % textures]]))
        b.add("p%d" % i, polygon(31, False, [i % 8, (i + 1) % 8, (i + 2) % 8]))
        kids.append("t%d" % i)
    b.add("top", object_list(kids))
    return b.build()


def sample_many(polygons, per_group):
    """polygons quadrilaterals in lists of per_group, each list under a transformation with a
    translation and rotations of its own."""
    rnd = random.Random(17)
    b = Builder()
    for i in range(4096):
        b.vertex(rnd.uniform(-50, 50), rnd.uniform(-50, 50), rnd.uniform(0, 20))
    b.root = "top"
    groups = []
    for g in range(0, polygons, per_group):
        kids = []
        for i in range(g, min(g + per_group, polygons)):
            b.add("p%d" % i, polygon(27, True, [rnd.randrange(4096) for _ in range(4)]))
            kids.append("p%d" % i)
        b.add("l%d" % g, object_list(kids))
        b.add("t%d" % g, transformation(19, "l%d" % g, (rnd.uniform(-1e3, 1e3), rnd.uniform(-1e3, 1e3), 0.0,
                                                         rnd.uniform(0, 6.28), 0.0, 0.0, 1.0)))
        groups.append("t%d" % g)
    b.add("top", object_list(groups))
    return b.build()


def mip_file(seed=3):
    return bitmap.mip_chain(random.Random(seed), 7, 2, 2, 3)


# ---------------------------------------------------------------------------------------------
# N4 track samples
# ---------------------------------------------------------------------------------------------

# Surface codes of the files (code - 1 indexes the surface types).
ASPHALT = 1
GRASS = 4
WOOD_WALL = 2056


def xsection():
    return Node("XSection", version=2, values=[-40.0, 40.0, 0.0, 0.0, 0.0, 0.0])


def fsection(start, end, surface):
    return Node("FSection", version=4, latitudes=[start, end], surface=surface, function=1, appearance=None)


def wsection(start, end, height=1.0, half=0.5):
    return Node("WSection", version=6, w=[start, end, height, height, half, half, half, half], wall=WOOD_WALL)


def segment(start, end, fsections, wsections, heading=0.0):
    return Node("TrackSegment", version=2, x=[xsection()], f=fsections, w=wsections,
                geometry=[start[0], start[1], end[0], end[1], heading, heading])


def track(segments):
    return Node("Track", version=8, segments=segments)


PLAN_LENGTH = 30.0
PLAN_BAND = (-10.0, 14.0)   # asphalt from -10 to 14, the centre line at 0
PLAN_WALL = 16.0


def sample_plan():
    seg = segment((0.0, 0.0), (PLAN_LENGTH, 0.0),
                  [fsection(PLAN_BAND[0], PLAN_BAND[0], ASPHALT), fsection(PLAN_BAND[1], PLAN_BAND[1], GRASS)],
                  [wsection(PLAN_WALL, PLAN_WALL)])
    return archive_bytes(track([seg]))


def plan_pixels(width, height):
    """The pixels to probe in the plan of sample_plan, framed as the pane frames it: the box of
    every plotted point (x along the segment, y the latitude), the eye on the Z axis at distance
    d = max(y extent, x extent / aspect) / 1.8 above the plane, a 90-degree field of view."""
    xs = [0.0, PLAN_LENGTH]
    ys = [PLAN_BAND[0], PLAN_BAND[1], PLAN_WALL, 0.0]
    cx, cy = (min(xs) + max(xs)) / 2, (min(ys) + max(ys)) / 2
    aspect = width / height
    d = max(max(ys) - min(ys), (max(xs) - min(xs)) / aspect) / 1.8

    def window(x, y):
        # At depth d the half-height in view is d (tan 45 = 1), the half-width d x aspect.
        return (x - cx) / (d * aspect) * width / 2 + width / 2, (y - cy) / d * height / 2 + height / 2

    band_x, band_y = window(PLAN_LENGTH / 2, (PLAN_BAND[1] + 0.0) / 2)
    red_x, red_y = window(PLAN_LENGTH / 3, 0.0)
    return [("plan", "white", 0, 0), ("plan", "white", width - 1, height - 1),
            ("plan", "asphalt", int(band_x), int(band_y)), ("plan", "red", int(red_x), int(red_y))]


def sample_single(length, end=None):
    """One straight segment with one floor section (so no band) and no walls."""
    end = end if end is not None else (length, 0.0)
    return archive_bytes(track([segment((0.0, 0.0), end, [fsection(-5.0, -5.0, ASPHALT)], [])]))


def sample_large(count, length):
    """count segments of about `length` round a circle, alternating straights and left-hand
    corners, 10 floor sections and 4 walls each."""
    radius = count * length / (2 * math.pi)
    segments = []
    for i in range(count):
        a0 = 2 * math.pi * i / count
        a1 = 2 * math.pi * (i + 1) / count
        start = (radius * math.cos(a0), radius * math.sin(a0))
        end = (radius * math.cos(a1), radius * math.sin(a1))
        floors = [fsection(-12.0 + 2.4 * k, -12.0 + 2.4 * k, 1 + (k % 12)) for k in range(10)]
        walls = [wsection(lat, lat) for lat in (-14.0, -13.0, 13.0, 14.0)]
        corner = i % 2 == 1
        # A left-hand arc of the circle heads along its tangent; a straight along the chord.
        headings = (a0 + math.pi / 2, a1 + math.pi / 2) if corner else \
            (math.atan2(end[1] - start[1], end[0] - start[0]),) * 2
        node = Node("TrackSegment", version=2, type=1 if corner else 0, x=[xsection()], f=floors, w=walls,
                    geometry=[start[0], start[1], end[0], end[1], headings[0], headings[1]])
        segments.append(node)
    return archive_bytes(track(segments))


# ---------------------------------------------------------------------------------------------

def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def samples(out, width, height):
    lines = []
    gpl = os.path.join(out, "gpl")
    n4 = os.path.join(out, "n4")
    for name, (data, box) in (("rotated", sample_rotated()), ("fixed-reset", sample_fixed(False)),
                              ("fixed-kept", sample_fixed(True)), ("state", sample_state()),
                              ("sprite", sample_sprite("flag", 2.5, SRB_SCALES)),
                              ("sprite-flat", sample_sprite("flat", 2.5, SRB_SCALES[:1] + (0.0,) + SRB_SCALES[2:])),
                              ("sprite-zero", sample_sprite("flag", 0.0, SRB_SCALES)),
                              ("deep", sample_deep(64))):
        write(os.path.join(gpl, name + ".3do"), data)
        lines.append(box.line(name))
    write(os.path.join(gpl, "flag.srb"), srb_file(SRB_SCALES))
    write(os.path.join(gpl, "flat.srb"), srb_file(SRB_SCALES[:1] + (0.0,) + SRB_SCALES[2:]))
    # External objects: a names b, b names a (a cycle), self names itself, lost names a missing file.
    data_a, pts_a = sample_ext("a", ["b"], (1.0, 2.0, 3.0))
    data_b, pts_b = sample_ext("b", ["a"], (-5.0, 0.0, 9.0))
    write(os.path.join(gpl, "a.3do"), data_a)
    write(os.path.join(gpl, "b.3do"), data_b)
    box = Box()
    for p in pts_a + pts_b:
        box.add(p)
    lines.append(box.line("a"))
    data_self, pts_self = sample_ext("self", ["self"], (4.0, 4.0, 4.0))
    write(os.path.join(gpl, "self.3do"), data_self)
    box = Box()
    for p in pts_self:
        box.add(p)
    lines.append(box.line("self"))
    write(os.path.join(gpl, "lost.3do"), sample_ext("lost", ["nowhere"], (0.0, 0.0, 0.0))[0])
    # One texture named by 40 polygons, another by 10.
    write(os.path.join(gpl, "textured.3do"), sample_textured(50, 2))
    write(os.path.join(gpl, "tex0.mip"), mip_file(1))
    write(os.path.join(gpl, "tex1.mip"), mip_file(2))

    write(os.path.join(n4, "plan.ptf"), sample_plan())
    write(os.path.join(n4, "length2.ptf"), sample_single(2.0))
    write(os.path.join(n4, "length3.ptf"), sample_single(3.0))
    write(os.path.join(n4, "length299.ptf"), sample_single(299.0))
    write(os.path.join(n4, "nan.ptf"), sample_single(0.0, (float("nan"), 0.0)))
    write(os.path.join(n4, "infinite.ptf"), sample_single(0.0, (float("inf"), 0.0)))
    write(os.path.join(n4, "huge.ptf"), sample_single(1e12))
    # A corner whose ends head the same way has no centre: reading its length fails.
    bad = Node("TrackSegment", version=2, type=1, x=[xsection()], f=[fsection(-5.0, -5.0, ASPHALT)], w=[],
               geometry=[0.0, 0.0, 10.0, 0.0, 0.0, 0.0])
    write(os.path.join(n4, "badcorner.ptf"), archive_bytes(track([bad])))
    # The bounds of the plan segment: the floor sections' edge points and the wall's corners.
    box = Box()
    for lat in PLAN_BAND:
        box.add((0.0, lat, 0.0))
        box.add((PLAN_LENGTH, lat, 0.0))
    for lat in (PLAN_WALL - 0.5, PLAN_WALL + 0.5):
        for x in (0.0, PLAN_LENGTH):
            box.add((x, lat, 0.0))
            box.add((x, lat, 1.0))
    lines.append(box.line("plan-segment"))
    for name, kind, x, y in plan_pixels(width, height):
        lines.append("pixel %s %s %d %d" % (name, kind, x, y))
    with open(os.path.join(out, "expected.txt"), "w") as f:
        f.write("\n".join(lines) + "\n")


# ---------------------------------------------------------------------------------------------
# Walk samples: node graphs whose paths far outnumber their nodes, files that cannot be had,
# and names that differ only in case (OUTDIR/walks, a GPL folder, and OUTDIR/walks-n4)
# ---------------------------------------------------------------------------------------------

WALK_RED = gpl3do.RED
WALK_BLUE = gpl3do.BLUE


def walk_square(b, label, half, x, rgb_colour):
    b.add(label, polygon(27, True, gpl3do.square(b, half, x=x), colour_word=gpl3do.rgb(rgb_colour)))


def sample_shared_levels(levels):
    """`levels` object lists, each naming the next twice, over one red square of half size 5:
    2^levels paths to the square in a file of levels + 1 records."""
    b = Builder()
    b.root = "l0"
    for i in range(levels):
        nxt = "l%d" % (i + 1) if i + 1 < levels else "sq"
        b.add("l%d" % i, object_list([nxt, nxt]))
    walk_square(b, "sq", 5.0, 0.0, WALK_RED)
    box = Box()
    for x, y in ((-5.0, -5.0), (5.0, 5.0)):
        box.add((x, y, 0.0))
    return b.build(), box


def sample_chain(index, depth, fanout):
    """Link `index` of a chain of external objects chain0 .. chain<depth>: a red square, then
    the next link named `fanout` times; the last link is the square alone. fanout^depth walks of
    the last link from chain0."""
    b = Builder()
    b.root = "top"
    walk_square(b, "sq", 5.0, 0.0, WALK_RED)
    kids = ["sq"]
    if index < depth:
        name = b.string("chain%d" % (index + 1))
        for k in range(fanout):
            b.add("ext%d" % k, ext_object(name))
            kids.append("ext%d" % k)
    b.add("top", object_list(kids))
    return b.build()


def sample_passed_over():
    """A red square of half size 3 at x = -5, then a scaled bitmap "nosuch" and an external
    object "absent" (neither exists), each named twice, then a blue square at x = 5."""
    b = Builder()
    b.root = "top"
    walk_square(b, "red", 3.0, -5.0, WALK_RED)
    walk_square(b, "blue", 3.0, 5.0, WALK_BLUE)
    centre = b.vertex(0.0, 0.0, 0.0)
    sprite, absent = b.string("nosuch"), b.string("absent")
    b.add("bm", gpl3do.scaled_bitmap(False, centre, sprite))
    b.add("ext", ext_object(absent))
    b.add("top", object_list(["red", "bm", "ext", "bm", "ext", "blue"]))
    box = Box()
    for x, y in ((-8.0, -3.0), (8.0, 3.0)):
        box.add((x, y, 0.0))
    return b.build(), box


def sample_named(names, x, rgb_colour):
    """A square of half size 1 at x, then external objects by name."""
    b = Builder()
    b.root = "top"
    walk_square(b, "sq", 1.0, x, rgb_colour)
    kids = ["sq"]
    for k, name in enumerate(names):
        b.add("ext%d" % k, ext_object(b.string(name)))
        kids.append("ext%d" % k)
    b.add("top", object_list(kids))
    return b.build()


def sample_same_names():
    """dup-holder.3do, whose scaled bitmap and external object share the name "dup": first a
    plane order over z = 0 (type 11) with the scaled bitmap "dup" (no such bitmap) as both
    children, then one whose near child is the external object "dup" and whose far child is a
    polygon at z = -1; dup.3do is a polygon at z = -5, on the far side of the plane where the
    near child must lie. The clip test that walks dup.3do finds its vertices wrong."""
    b = Builder()
    b.root = "top"
    plane = b.plane(0.0, 0.0, 1.0, 0.0)
    name = b.string("dup")
    b.add("bm", gpl3do.scaled_bitmap(False, b.vertex(0.0, 0.0, 1.0), name))
    b.add("ext", ext_object(name))
    b.add("far", polygon(27, True, gpl3do.square(b, 1.0, z=-1.0), colour_word=gpl3do.rgb(WALK_BLUE)))
    b.add("o1", gpl3do.plane_order(11, plane, ["bm", "bm"]))
    b.add("o2", gpl3do.plane_order(11, plane, ["ext", "far"]))
    b.add("top", object_list(["o1", "o2"]))
    dup = Builder()
    dup.root = "sq"
    dup.add("sq", polygon(27, True, gpl3do.square(dup, 1.0, z=-5.0), colour_word=gpl3do.rgb(WALK_RED)))
    return b.build(), dup.build()


def sample_shared_n4(levels):
    """An N4 group of `levels` levels, each naming the next twice, over one red shape."""
    node = n4archive.coloured_shape(n4archive.RED)
    for i in range(levels):
        node = Node("Group", name="g%d" % i, children=[node, node])
    return archive_bytes(node)


WALK_LEVELS = 40
WALK_N4_LEVELS = 21
WALK_CHAIN = (6, 64)


def walk_samples(out):
    """The walk samples: shared.3do (40 shared levels), chain0.3do .. chain6.3do (each link
    naming the next 64 times), passed-over.3do, twins.3do naming Twin.3do, which names its case
    twin twin.3do (two files), Loop.3do naming "LOOP" (no such file: Loop.3do itself), dup-holder.3do and dup.3do,
    holder.3do, and walks-n4/shared.3do."""
    folder = os.path.join(out, "walks")
    data, box = sample_shared_levels(WALK_LEVELS)
    write(os.path.join(folder, "shared.3do"), data)
    lines = [box.line("walks-shared")]
    depth, fanout = WALK_CHAIN
    for i in range(depth + 1):
        write(os.path.join(folder, "chain%d.3do" % i), sample_chain(i, depth, fanout))
    data, box = sample_passed_over()
    write(os.path.join(folder, "passed-over.3do"), data)
    lines.append(box.line("walks-passed-over"))
    write(os.path.join(folder, "twins.3do"), sample_named(["Twin"], 0.0, WALK_RED))
    write(os.path.join(folder, "Twin.3do"), sample_named(["twin"], -5.0, WALK_RED))
    write(os.path.join(folder, "twin.3do"), sample_named([], 5.0, WALK_BLUE))
    # The three squares: twins' at 0, Twin's at x = -5 and its twin's at x = 5, half size 1.
    box = Box()
    for x, y in ((-6.0, -1.0), (6.0, 1.0)):
        box.add((x, y, 0.0))
    lines.append(box.line("walks-twin"))
    write(os.path.join(folder, "Loop.3do"), sample_named(["LOOP"], 0.0, WALK_RED))
    holder, dup = sample_same_names()
    write(os.path.join(folder, "dup-holder.3do"), holder)
    write(os.path.join(folder, "dup.3do"), dup)
    # An object whose external object "empty" the tests give as a new file without a root.
    write(os.path.join(folder, "holder.3do"), sample_named(["empty"], 0.0, WALK_RED))
    write(os.path.join(out, "walks-n4", "shared.3do"), sample_shared_n4(WALK_N4_LEVELS))
    with open(os.path.join(out, "expected.txt"), "a") as f:
        f.write("\n".join(lines) + "\n")


def main(argv):
    if len(argv) >= 2 and argv[1] == "large-ptf":
        write(argv[2], sample_large(int(argv[3]), float(argv[4]) if len(argv) > 4 else 1.7))
        return 0
    if len(argv) >= 2 and argv[1] == "many":
        write(argv[2], sample_many(int(argv[3]), 100))
        return 0
    if len(argv) >= 2 and argv[1] == "shared":
        write(argv[2], sample_shared_levels(int(argv[3]))[0])
        return 0
    if len(argv) >= 2 and argv[1] == "shared-n4":
        write(argv[2], sample_shared_n4(int(argv[3])))
        return 0
    if len(argv) >= 2 and argv[1] == "chain":
        depth, fanout = int(argv[3]), int(argv[4])
        for i in range(depth + 1):
            write(os.path.join(argv[2], "chain%d.3do" % i), sample_chain(i, depth, fanout))
        return 0
    if len(argv) >= 2 and argv[1] == "textured":
        folder, polygons, textures = argv[2], int(argv[3]), int(argv[4])
        write(os.path.join(folder, "textured.3do"), sample_textured(polygons, textures))
        data = mip_file(7)
        for t in range(textures):
            write(os.path.join(folder, "tex%d.mip" % t), data)
        return 0
    if len(argv) not in (2, 4):
        sys.stderr.write(__doc__)
        return 2
    width, height = (int(argv[2]), int(argv[3])) if len(argv) == 4 else (96, 64)
    samples(argv[1], width, height)
    walk_samples(argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
