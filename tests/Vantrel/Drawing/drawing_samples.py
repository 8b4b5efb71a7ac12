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
  drawing_samples.py repeat-ptf FILE SEGMENTS SECTIONS [CROSS]
                                               a track that names one segment SEGMENTS times, the
                                               segment naming one floor section SECTIONS times
                                               and one cross section CROSS times (default 1)
  drawing_samples.py many FILE POLYGONS          a GPL object of POLYGONS polygons, in lists of 100
                                               under transformations, for the bounds benchmark
  drawing_samples.py shared FILE LEVELS        a GPL object of LEVELS object lists, each naming the
                                               next twice, over one square (2^LEVELS paths)
  drawing_samples.py shared-n4 FILE LEVELS     the same as an N4 object of groups over one shape
  drawing_samples.py chain FOLDER DEPTH FANOUT GPL objects chain0 .. chainDEPTH, each naming the
                                               next FANOUT times
  drawing_samples.py big-textures FOLDER COUNT EXP [FILL]
                                               an N4 folder: textures.3do of COUNT squares in rows
                                               of six, each under its own texture big0.mip ..,
                                               each a 2^EXP square MIP chain of imploded bytes FILL
                                               (255, opaque white), and centres.txt ("name x y
                                               half" a square)
  drawing_samples.py spellings FOLDER COUNT EXP [same]
                                               the same over one texture tex.mip named by COUNT
                                               spellings (tex.mip, Tex.mip, tEx.mip ..), or by
                                               the one spelling COUNT times
  drawing_samples.py heavy-triangles FILE LEVELS TRIANGLES
                                               an N4 object of LEVELS groups, each naming the next
                                               twice, over one shape of TRIANGLES triangles: the
                                               red square's two, the rest degenerate
  drawing_samples.py heavy-vertices FILE LEVELS VERTICES
                                               the same over one shape of the red square's two
                                               triangles in a list of VERTICES vertices
  drawing_samples.py bow-tie FILE LEVELS       the shared levels over a red bow-tie: the square's
                                               corners in the order (-5,-5), (5,5), (5,-5), (-5,5)
  drawing_samples.py texture-names FILE LEVELS NAMES
                                               the shared levels over one multiple-textures
                                               material naming tex0.mip NAMES times
  drawing_samples.py reprojected FILE LEVELS VERTICES
                                               an N4 shape: a list of VERTICES vertices beside
                                               LEVELS shared groups over a transform of a
                                               degenerate triangle strip of 4 indices
  drawing_samples.py shared-block FOLDER COUNT EXP [TAIL]
                                               an N4 folder: textures.3do of COUNT squares (as
                                               big-textures), their textures big0.mip .. entries
                                               of FOLDER's DAT (named after it) whose records all
                                               point at one imploded block: a one-level 2^EXP
                                               square MIP of opaque white, then TAIL zero bytes
  drawing_samples.py splitter FILE ENTRIES [LEVELS [state]]
                                               a distance splitter of ENTRIES entries, none of
                                               which ever applies (distance at most -1), each
                                               naming the red square, under LEVELS shared levels
                                               (default 0) below a root list; state: a state
                                               splitter of a variable never set, each entry
                                               "equal" to 1
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
sys.path.insert(0, os.path.join(PAPY, "Container"))
import gpl3do  # noqa: E402
import n4archive  # noqa: E402
import bitmap  # noqa: E402
import datfile  # noqa: E402

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


def sample_repeated(segments, sections, cross=1):
    """A track naming one straight segment of length 12 `segments` times; the segment names one
    asphalt floor section from -6 to 6 `sections` times and one cross section `cross` times.
    Each node is written once and referred to by number, so the file stays a few kilobytes
    however many plan points it makes."""
    x = xsection()
    f = fsection(-6.0, 6.0, ASPHALT)
    seg = Node("TrackSegment", version=2, x=[x] * cross, f=[f] * sections, w=[],
               geometry=[0.0, 0.0, 12.0, 0.0, 0.0, 0.0])
    return archive_bytes(track([seg] * segments))


# ---------------------------------------------------------------------------------------------
# Probe samples: one node kind's drawing each, with the colour expected at a few points of the
# drawing tests' view (orthographic, x and y from -10 to 10, the eye on the +z side at 50). The
# points come from a small model of the drawing: each primitive's corners transformed by plain
# matrix arithmetic and projected on the plane z = 0; a point takes the colour of the last
# primitive drawn over it (no depth test), else the grey background. Each sample also names
# points where its node would land were it drawn wrongly (another rotation order, a child that
# should not be drawn, a missing transform): they must show what the model says is there.
# ---------------------------------------------------------------------------------------------

PROBE_GREY = (128, 128, 128)
PROBE_RED = (220, 30, 30)
PROBE_GREEN = (30, 200, 30)
PROBE_BLUE = (30, 30, 220)
PROBE_YELLOW = (230, 230, 40)
PROBE_CYAN = (30, 200, 200)
PROBE_MAGENTA = (200, 30, 200)
PROBE_PIXELS = 64          # the tests' context is PROBE_PIXELS square
PROBE_EYE = 50.0           # the eye's distance from the plane z = 0


def probe_pixel_centre(k):
    """The world coordinate (x or y) of the centre of pixel column or row k."""
    return (k + 0.5) * 20.0 / PROBE_PIXELS - 10.0


def probe_pixel(v):
    return int((v + 10.0) / 20.0 * PROBE_PIXELS)


def inside_convex(polygon, p, margin=20.0 / PROBE_PIXELS):
    """Whether the 2D point lies inside the convex polygon, clear of its edges by the margin
    (a pixel of the probe view by default)."""
    sign = 0
    n = len(polygon)
    for i in range(n):
        a, b = polygon[i], polygon[(i + 1) % n]
        ex, ey = b[0] - a[0], b[1] - a[1]
        length = math.hypot(ex, ey)
        if length == 0:
            continue
        cross = (ex * (p[1] - a[1]) - ey * (p[0] - a[0])) / length
        if abs(cross) < margin:
            return None  # too near an edge to say
        s = 1 if cross > 0 else -1
        if sign == 0:
            sign = s
        elif s != sign:
            return False
    return True


class ProbeModel:
    """What a sample draws, in drawing order: filled polygons and lines (projected on z = 0)."""

    def __init__(self, margin=20.0 / PROBE_PIXELS):
        self.drawn = []  # ("fill", points, colour) or ("line", a, b, colour)
        self.solids = []  # (3D points, colour) of the fills
        self.margin = margin

    def fill(self, points, colour):
        self.drawn.append(("fill", [(p[0], p[1]) for p in points], colour))
        self.solids.append(([tuple(p) + (0.0,) * (3 - len(p)) for p in points], colour))

    def line(self, a, b, colour):
        self.drawn.append(("line", (a[0], a[1]), (b[0], b[1]), colour))

    def colour_at(self, x, y):
        """The colour the model gives the pixel of (x, y); None when it cannot say for sure."""
        colour = PROBE_GREY
        px, py = probe_pixel(x), probe_pixel(y)
        for item in self.drawn:
            if item[0] == "fill":
                inside = inside_convex(item[1], (x, y), self.margin)
                if inside is None:
                    return None
                if inside:
                    colour = item[2]
            else:
                (ax, ay), (bx, by), c = item[1], item[2], item[3]
                # Only lines along a row or a column through pixel centres are modelled.
                if ay == by and probe_pixel(ay) == py and min(ax, bx) < x < max(ax, bx):
                    colour = c
                elif ax == bx and probe_pixel(ax) == px and min(ay, by) < y < max(ay, by):
                    colour = c
                elif abs(probe_pixel(ay) - py) <= 1 and ay == by and min(ax, bx) - 1 < x < max(ax, bx) + 1:
                    return None
                elif abs(probe_pixel(ax) - px) <= 1 and ax == bx and min(ay, by) - 1 < y < max(ay, by) + 1:
                    return None
        return colour


def probe_square(half, x, y, z=0.0):
    return [(x - half, y - half, z), (x + half, y - half, z), (x + half, y + half, z), (x - half, y + half, z)]


def centroid(points):
    return (sum(p[0] for p in points) / len(points), sum(p[1] for p in points) / len(points))


def gpl_square(b, points, colour):
    return polygon(27, True, [b.vertex(*p) for p in points], colour_word=gpl3do.rgb(colour))


def probe_rotations():
    """Squares under GPL transformations that turn about two axes each: the order Z, then Y,
    then X (of the stored radians) puts each where the model says; the decoys are where the
    other orders would put them."""
    b = Builder()
    model = ProbeModel()
    decoys = []
    cases = [((0.0, 0.0, 0.0, math.pi / 2, math.pi, 0.0, 1.0), (5.0, 2.0), PROBE_RED),
             ((0.0, 0.0, 0.0, math.pi / 2, 0.0, math.pi, 1.0), (-3.0, 6.0), PROBE_GREEN),
             ((1.0, -1.0, 0.0, 0.0, 0.6, 2.6, 1.0), (2.0, -6.0), PROBE_BLUE)]
    kids = []
    for k, (values, (x, y), colour) in enumerate(cases):
        corners = probe_square(1.4, x, y)
        b.add("t%d" % k, transformation(19, "p%d" % k, values))
        b.add("p%d" % k, gpl_square(b, corners, colour))
        kids.append("t%d" % k)
        m = gpl_transform(values)
        model.fill([apply(m, c) for c in corners], colour)
        tx, ty, tz, rz, ry, rx, _ = [f32(v) for v in values]
        angles = {"z": rz, "y": ry, "x": rx}
        for order in ("xyz", "zxy", "yzx", "yxz", "xzy"):
            w = translate(tx, ty, tz)
            for axis in order:
                w = multiply(w, rotate(math.degrees(angles[axis]), axis))
            decoys.append(centroid([apply(w, c) for c in corners]))
        decoys.append((x, y))
    b.root = "top"
    b.add("top", object_list(kids))
    return b.build(), model, decoys, ""


def probe_splitters():
    """A row per splitter kind. Longitude, latitude and animation splitters draw their first
    child only; the distance splitter (eye distance 50 from its vertex at the origin, "less or
    equal" to 40, 60, 100) its second only; the state splitter, after a setter of variable 3 to
    1, its first child whose value equals 1; a state splitter over a variable never set its
    child for 0."""
    b = Builder()
    model = ProbeModel()
    decoys = []
    rows = []
    origin = b.vertex(0.0, 0.0, 0.0)
    y = 7.5
    for sub, word, operator, thresholds, drawn in ((1, 0, 1, [0, 0, 0], [0]), (2, 0, 1, [0, 0, 0], [0]),
                                                  (3, 0, 1, [0, 0, 0], [0]), (0, origin, 1, [40.0, 60.0, 100.0], [1]),
                                                  (4, 3, 3, [0, 1, 1], [1]), (4, 9, 3, [5, 0, 0], [1])):
        entries = []
        for k, threshold in enumerate(thresholds):
            corners = probe_square(1.0, -6.0 + 5.0 * k, y)
            colour = (PROBE_RED, PROBE_GREEN, PROBE_BLUE)[k]
            label = "s%d_%d" % (len(rows), k)
            b.add(label, gpl_square(b, corners, colour))
            entries.append((threshold, label))
            if k in drawn:
                model.fill(corners, colour)
            decoys.append(centroid(corners))
        b.add("split%d" % len(rows), gpl3do.splitter(sub, word, operator, entries))
        rows.append("split%d" % len(rows))
        y -= 3.0
    b.root = "top"
    b.add("set", gpl3do.state_value_setter(3, 1))
    b.add("top", object_list(["set"] + rows))
    return b.build(), model, decoys, ""


def probe_display_class(hidden):
    """A square under a display class (material 5.4) whose word 3 names the object class (15),
    beside a plain one: drawn unless that class is switched off."""
    b = Builder()
    model = ProbeModel()
    classed = probe_square(2.0, -4.0, 0.0)
    plain = probe_square(2.0, 4.0, 0.0)
    b.add("cls", gpl3do.material(4, "sq", [3]))
    b.add("sq", gpl_square(b, classed, PROBE_BLUE))
    b.add("plain", gpl_square(b, plain, PROBE_GREEN))
    b.root = "top"
    b.add("top", object_list(["cls", "plain"]))
    if not hidden:
        model.fill(classed, PROBE_BLUE)
    model.fill(plain, PROBE_GREEN)
    return b.build(), model, [centroid(classed), centroid(plain)], "hide=15" if hidden else ""


def probe_lines_and_box():
    """A line along a pixel row and one along a pixel column in their colours; a bounding box
    (drawn black with bounding boxes on) whose top loop lies over x -6..-2, y 3..6 and whose
    bottom loop is the same moved down by 8, so that its four joining edges run along columns;
    the box's child, a square, drawn as well."""
    b = Builder()
    model = ProbeModel()
    row_y = probe_pixel_centre(20)
    column_x = probe_pixel_centre(50)
    a, c = (1.0, row_y, 0.0), (8.0, row_y, 0.0)
    d, e = (column_x, -9.0, 0.0), (column_x, -4.0, 0.0)
    b.add("l1", gpl3do.line(gpl3do.rgb(PROBE_RED), b.vertex(*a), b.vertex(*c)))
    b.add("l2", gpl3do.line(gpl3do.rgb(PROBE_BLUE), b.vertex(*d), b.vertex(*e)))
    model.line(a, c, PROBE_RED)
    model.line(d, e, PROBE_BLUE)
    left, right = probe_pixel_centre(12), probe_pixel_centre(25)
    bottom, top = probe_pixel_centre(41), probe_pixel_centre(51)
    loop = [(left, bottom, 1.0), (right, bottom, 1.0), (right, top, 1.0), (left, top, 1.0)]
    lower = [(x, y - 8 * 20.0 / PROBE_PIXELS * 3.2, -1.0) for x, y, _ in loop]
    corners = loop + lower
    inside = probe_square(1.0, 5.0, 5.0)
    b.add("box", gpl3do.bounding_box([b.vertex(*p) for p in corners], "boxed"))
    b.add("boxed", gpl_square(b, inside, PROBE_GREEN))
    model.fill(inside, PROBE_GREEN)
    black = (0, 0, 0)
    for ring in (loop, lower):
        for i in range(4):
            model.line(ring[i], ring[(i + 1) % 4], black)
    for i in range(4):
        model.line(corners[i], corners[i + 4], black)
    b.root = "top"
    b.add("top", object_list(["l1", "l2", "box"]))
    points = [((a[0] + c[0]) / 2, row_y), (column_x, (d[1] + e[1]) / 2), ((left + right) / 2, bottom),
              ((left + right) / 2, top), (left, (bottom + lower[0][1]) / 2), (right, (bottom + lower[1][1]) / 2),
              ((left + right) / 2, lower[0][1]), (5.0, 5.0)]
    return b.build(), model, points, "boxes"


def probe_car():
    """A car object (a file with a vertex fixer): its shadow and cockpit are not drawn, the car
    is."""
    b = Builder()
    model = ProbeModel()
    shadow, cockpit, car = probe_square(2.0, -6.0, 0.0), probe_square(2.0, 0.0, 0.0), probe_square(2.0, 6.0, 0.0)
    b.add("shadow", gpl_square(b, shadow, PROBE_RED))
    b.add("cockpit", gpl_square(b, cockpit, PROBE_BLUE))
    b.add("car", object_list(["fix", "body"]))
    b.add("fix", vertex_fixer([b.vertex(0.0, 9.0, 0.0)]))
    b.add("body", gpl_square(b, car, PROBE_GREEN))
    model.fill(car, PROBE_GREEN)
    b.root = "top"
    b.add("top", object_list(["shadow", "cockpit", "car"]))
    return b.build(), model, [centroid(shadow), centroid(cockpit), centroid(car)], ""


def probe_external(hidden):
    """An external object (probe-target: a yellow square at (4, -4)) beside a square of the
    file's own; not drawn with the object class (15) off."""
    b = Builder()
    model = ProbeModel()
    own = probe_square(2.0, -4.0, 4.0)
    b.add("own", gpl_square(b, own, PROBE_GREEN))
    b.add("ext", ext_object(b.string("probe-target")))
    model.fill(own, PROBE_GREEN)
    if not hidden:
        model.fill(PROBE_TARGET, PROBE_YELLOW)
    b.root = "top"
    b.add("top", object_list(["own", "ext"]))
    return b.build(), model, [centroid(own), centroid(PROBE_TARGET)], "hide=15" if hidden else ""


PROBE_TARGET = probe_square(2.0, 4.0, -4.0)


def probe_target():
    b = Builder()
    b.add("sq", gpl_square(b, PROBE_TARGET, PROBE_YELLOW))
    b.root = "top"
    b.add("top", object_list(["sq"]))
    return b.build()


# N4 probe samples: shapes of two triangles over squares, in their appearance's colour.

def n4_shape(points, colour, app=None, uv=None):
    vertices = Node("PlainVertexList", vertices=points, **({"uv1": uv} if uv else {}))
    geometry = Node("Geometry", first=vertices, second=Node("TriList", indices=[0, 1, 2, 0, 2, 3]))
    app = app or Node("Appearance", name="", colour=[c / 255.0 for c in colour], function=0, links=[None] * 7)
    return Node("Shape", name="", first=app, second=geometry)


def n4_matrix(translation, rotation_degrees):
    """translate, then rotate about Z, Y and X (degrees)."""
    m = translate(*translation)
    rx, ry, rz = rotation_degrees
    for angle, axis in ((rz, "z"), (ry, "y"), (rx, "x")):
        m = multiply(m, rotate(angle, axis))
    return m


def probe_n4_transforms():
    """A billboard moved up by 9 and a state switch (only its first child drawn)."""
    model = ProbeModel()
    decoys = []
    kids = []
    sq3 = probe_square(1.2, -6.0, -6.0)
    kids.append(Node("Billboard", translation=[0.0, 9.0, 0.0], child=n4_shape(sq3, PROBE_GREEN)))
    model.fill([(x, y + 9.0, z) for x, y, z in sq3], PROBE_GREEN)
    decoys.append(centroid(sq3))
    first, second = probe_square(1.2, -2.0, -4.0), probe_square(1.2, 2.0, -4.0)
    kids.append(Node("StateSwitch", name="", variable="v", flags=[0, 0],
                     children=[n4_shape(first, PROBE_BLUE), n4_shape(second, PROBE_MAGENTA)]))
    model.fill(first, PROBE_BLUE)
    decoys += [centroid(first), centroid(second)]
    return archive_bytes(Node("Group", name="probe", children=kids)), model, decoys, ""


TSO_RED = probe_square(1.2, 4.0, 1.0)
TSO_CYAN = probe_square(1.2, 3.0, -7.0)


def probe_n4_tso():
    """A track whose trackside objects (3D objects by name, each a square of its own) stand
    under TSO references: one turned a quarter turn about Z (stored in radians) and moved, one
    turned half a turn about X and Y together."""
    model = ProbeModel()
    decoys = []
    refs = []
    for name, sq, colour, p in (("probe-tso-red", TSO_RED, PROBE_RED, [1.0, -1.0, 0.0, 0.0, 0.0, math.pi / 2]),
                                ("probe-tso-cyan", TSO_CYAN, PROBE_CYAN, [0.0, 0.0, 0.0, math.pi, math.pi, 0.0])):
        refs.append(Node("TsoReference", version=6, p=p,
                         object=Node("TracksideObject", version=3, name=name, text="")))
        m = n4_matrix(p[:3], [math.degrees(v) for v in p[3:]])
        model.fill([apply(m, c) for c in sq], colour)
        decoys += [centroid(sq), centroid([apply(translate(*p[:3]), c) for c in sq])]
    return archive_bytes(Node("Track", version=8, segments=[], objects=refs)), model, decoys, ""


def probe_tso_object(sq, colour):
    return archive_bytes(Node("Group", name="tso", children=[n4_shape(sq, colour)]))


PROBE_TEXEL = (255, 0, 0)
PROBE_TINT = (128, 128, 255)


def probe_n4_blend(code):
    """A textured shape (a red texture) whose appearance has the tint PROBE_TINT and the blend
    code as the file stores it: 1 modulate (texel x tint), 2 decal and 3 replace (the texel), 0
    blend (tint x (1 - texel), the environment colour being black); 18 and 19 have no mode of
    their own and are drawn modulated."""
    texture = Node("Texture", version=2, name="probe-red.mip", shared=0)
    app = Node("Appearance", name="", colour=[c / 255.0 for c in PROBE_TINT], function=code,
               links=[texture] + [None] * 6)
    sq = probe_square(4.0, 0.0, 0.0)
    model = ProbeModel()
    t = [c / 255.0 for c in PROBE_TEXEL]
    f = [c / 255.0 for c in PROBE_TINT]
    if code in (2, 3):
        colour = PROBE_TEXEL
    elif code == 0:
        colour = tuple(int(fi * (1 - ti) * 255 + 0.5) for fi, ti in zip(f, t))
    else:
        colour = tuple(int(fi * ti * 255 + 0.5) for fi, ti in zip(f, t))
    model.fill(sq, colour)
    shape = n4_shape(sq, PROBE_TINT, app, uv=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)])
    return archive_bytes(Node("Group", name="blend", children=[shape])), model, [(0.0, 0.0), (6.0, 6.0)], ""


def probe_walls(face):
    """A straight segment from (-8, 0) to (8, 0) with one wall (latitude 2, half width 1,
    height 3) whose only drawn face is `face`; the floor sections leave no band. Seen from +z:
    face 1 (the top) covers latitudes 1..3; faces 0 and 2 (the sides) stand on edge, as do the
    caps 3 and 4; so the sides and caps are probed from a view along -y (see the probe line's
    view word), where face 0 (inner) and 2 (outer) cover x -8..8, z 0..3, and caps stand on
    edge; and from a view along x, where the caps cover y 1..3, z 0..3."""
    colours = [PROBE_RED, PROBE_GREEN, PROBE_BLUE, PROBE_YELLOW, PROBE_CYAN]
    entries = [None] * 5
    entries[face] = dict(appearance=Node("Appearance", name="", colour=[c / 255.0 for c in colours[face]],
                                         function=0, links=[None] * 7))
    wall = Node("WSection", version=6, w=[2.0, 2.0, 3.0, 3.0, 1.0, 1.0, 1.0, 1.0], wall=WOOD_WALL,
                subsections=[entries])
    seg = Node("TrackSegment", version=2, x=[xsection()], f=[fsection(-1.0, -1.0, ASPHALT)], w=[wall],
               geometry=[-8.0, 0.0, 8.0, 0.0, 0.0, 0.0])
    model = ProbeModel()
    colour = colours[face]
    if face == 1:
        view = ""
        model.fill([(-8.0, 1.0, 3.0), (8.0, 1.0, 3.0), (8.0, 3.0, 3.0), (-8.0, 3.0, 3.0)], colour)
        points = [(0.0, 2.0), (0.0, 5.0), (0.0, -2.0)]
    elif face in (0, 2):
        # Looking along +y from the inner side (face 0 faces the eye), or along -y from the
        # outer side: the view's x and y are the world's x (mirrored from the outer side) and z.
        view = "inner" if face == 0 else "outer"
        model.fill([(-8.0, 0.0), (8.0, 0.0), (8.0, 3.0), (-8.0, 3.0)], colour)
        points = [(0.0, 1.5), (5.0, 2.5), (0.0, 5.0), (0.0, -2.0)]
    else:
        # Looking along +x from the start (face 3) or along -x from the end (face 4): the
        # view's x is the world's y (mirrored from the start), its y the world's z.
        view = "start" if face == 3 else "end"
        ys = (-3.0, -1.0) if face == 3 else (1.0, 3.0)
        model.fill([(ys[0], 0.0), (ys[1], 0.0), (ys[1], 3.0), (ys[0], 3.0)], colour)
        points = [(sum(ys) / 2, 1.5), (sum(ys) / 2, 5.0), (-sum(ys) / 2, 1.5)]
    return archive_bytes(track([seg])), model, points, view


def pane_pixels(model, width, height):
    """The probe sample's fills as the 3D-object pane frames them in a width x height pane, and
    the pixels to probe ("x y r g b", x from the left, y from the bottom row): the camera on the
    axis of least extent (Z here) on its positive side, at distance max(Y extent, X extent /
    aspect) / 1.8 beyond the bounds, looking at their centre, a 90-degree field of view."""
    points = [p for solid, _ in model.solids for p in solid]
    lo = [min(p[i] for p in points) for i in range(3)]
    hi = [max(p[i] for p in points) for i in range(3)]
    extents = [hi[i] - lo[i] for i in range(3)]
    assert extents[2] <= extents[0] and extents[2] <= extents[1], "the pane would look along another axis"
    aspect = width / height
    cx, cy = (lo[0] + hi[0]) / 2, (lo[1] + hi[1]) / 2
    d = max(extents[1], extents[0] / aspect) / 1.8
    eye = hi[2] + d

    def window(p):
        depth = eye - p[2]
        return ((p[0] - cx) / depth / aspect + 1) * width / 2, ((p[1] - cy) / depth + 1) * height / 2

    framed = ProbeModel(margin=1.5)
    for solid, colour in model.solids:
        framed.fill([window(p) for p in solid], colour)
    out = []
    for solid, colour in model.solids:
        x, y = centroid([window(p) for p in solid])
        for px, py in ((x, y), (x + 2, y), (x, y - 2)):
            c = framed.colour_at(int(px) + 0.5, int(py) + 0.5)
            if c is not None:
                out.append((int(px), int(py)) + c)
    for px, py in ((1, 1), (width - 2, height - 2), (width // 2, height - 2)):
        c = framed.colour_at(px + 0.5, py + 0.5)
        if c is not None:
            out.append((px, py) + c)
    return out


PROBE_TEXTURE = (20, 40, 240)  # the one texel colour of gpl/probe-blue.mip


def textured_probe_square(b, points, colour):
    """A textured polygon (type 31) of its own colour, texture vertices over the whole texture."""
    return polygon(31, True, [b.vertex(*p) for p in points], colour_word=gpl3do.rgb(colour),
                   uvs=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)])


def probe_textures(hidden):
    """Textured squares under a texture (5.1), a class texture (5.5) and a class texture
    material (5.13) of the object class (word 3), each followed by a textured square outside
    any texture, which is drawn in its own colour (the texture was popped). With the object
    class's textures off the class textures draw their squares in their own colour."""
    b = Builder()
    model = ProbeModel()
    name = b.string("probe-blue")
    kids = []
    for k, (sub, words) in enumerate(((1, [name]), (5, [name, 3]), (13, [name, 3, 0, 0]))):
        inside, after = probe_square(1.5, -6.0 + 6.0 * k, 4.0), probe_square(1.5, -6.0 + 6.0 * k, -4.0)
        b.add("m%d" % k, gpl3do.material(sub, "in%d" % k, words))
        b.add("in%d" % k, textured_probe_square(b, inside, PROBE_RED))
        b.add("after%d" % k, textured_probe_square(b, after, PROBE_GREEN))
        kids += ["m%d" % k, "after%d" % k]
        model.fill(inside, PROBE_RED if hidden and sub != 1 else PROBE_TEXTURE)
        model.fill(after, PROBE_GREEN)
    b.root = "top"
    b.add("top", object_list(kids))
    return b.build(), model, [], "notexture=15" if hidden else ""


def probe_handle():
    """A square reached from the root and another reached only from a handle: handles are not
    drawn."""
    b = Builder()
    model = ProbeModel()
    shown, handled = probe_square(2.0, -4.0, 0.0), probe_square(2.0, 4.0, 0.0)
    b.add("shown", gpl_square(b, shown, PROBE_GREEN))
    b.add("handled", gpl_square(b, handled, PROBE_RED))
    b.root = "top"
    b.add("top", object_list(["shown"]))
    b.handles.append(("extra", "handled"))
    model.fill(shown, PROBE_GREEN)
    return b.build(), model, [centroid(handled)], ""


def probe_plane_orders(below=False):
    """The culling plane orders over the plane z = 0, each child a square in a place of its
    own, so that a child drawn on the wrong side shows. Seen from +z (the eye on the positive
    side): 2 cull front/back (7): front drawn, back not; 3 cull front (9): far, front, near
    drawn; 4 cull front/back (8): far, front, near, not back; cull front (6): drawn. Seen from
    -z (below: the view's x is the world's -x): 7 back only; 9 far and near; 8 far, back and
    near; 6 nothing."""
    b = Builder()
    model = ProbeModel()
    plane = b.plane(0.0, 0.0, 1.0, 0.0)
    kids = []
    decoys = []
    rows = {7: (["front", "back"], {"front"}, {"back"}),
            9: (["far", "front", "near"], {"far", "front", "near"}, {"far", "near"}),
            8: (["near", "front", "back", "far"], {"far", "front", "near"}, {"far", "back", "near"}),
            6: (["front"], {"front"}, set())}
    y = 7.0
    for t, (record, above, under) in rows.items():
        drawn = under if below else above
        for k, label in enumerate(sorted(record)):
            sq = probe_square(0.9, -7.0 + 4.0 * k, y)
            b.add("o%d%s" % (t, label), gpl_square(b, sq, PROBE_RED if label == "back" else PROBE_BLUE))
            seen = [(-x, yy, z) for x, yy, z in sq] if below else sq
            if label in drawn:
                model.fill(seen, PROBE_RED if label == "back" else PROBE_BLUE)
            decoys.append(centroid(seen))
        b.add("o%d" % t, gpl3do.plane_order(t, plane, ["o%d%s" % (t, label) for label in record]))
        kids.append("o%d" % t)
        y -= 4.0
    b.root = "top"
    b.add("top", object_list(kids))
    return b.build(), model, decoys, "below" if below else ""


def probe_n4_moves():
    """An N4 transform and an animated transform, each moving a square, each followed by a
    square of its own that no move applies to."""
    model = ProbeModel()
    kids = []
    decoys = []
    for k, kind in enumerate(("Transform", "AnimatedTransform")):
        sq, after = probe_square(1.2, -6.0 + 8.0 * k, 0.0), probe_square(1.2, -6.0 + 8.0 * k, -6.0)
        fields = {"translation": [0.0, 5.0, 0.0]} if kind == "Transform" else {"d": [0.0, 5.0, 0.0, 0.0, 0.0, 0.0]}
        kids.append(Node(kind, name="", child=n4_shape(sq, PROBE_RED), **fields))
        kids.append(n4_shape(after, PROBE_GREEN))
        model.fill([(x, y + 5.0, z) for x, y, z in sq], PROBE_RED)
        model.fill(after, PROBE_GREEN)
        decoys.append(centroid(sq))
    return archive_bytes(Node("Group", name="moves", children=kids)), model, decoys, ""


def probe_samples():
    """relative path -> bytes, and the probe lines ("probe FILE OPTIONS x y r g b")."""
    files = {"gpl/probe-target.3do": probe_target(),
             "gpl/probe-blue.mip": bitmap.mip(7, 1, 1, [bitmap.rgba_level([[PROBE_TEXTURE + (255,)] * 2] * 2)]),
             "n4/probe-tso-red.3do": probe_tso_object(TSO_RED, PROBE_RED),
             "n4/probe-tso-cyan.3do": probe_tso_object(TSO_CYAN, PROBE_CYAN),
             "n4/probe-red.mip": bitmap.n4_mip(4, 7, 1, 1, [bitmap.rgba_level([[PROBE_TEXEL + (255,)] * 2] * 2)])}
    lines = []
    samples = [("gpl/probe-rotations.3do", probe_rotations()), ("gpl/probe-splitters.3do", probe_splitters()),
               ("gpl/probe-class.3do", probe_display_class(False)),
               ("gpl/probe-class.3do", probe_display_class(True)),
               ("gpl/probe-lines.3do", probe_lines_and_box()), ("gpl/probe-car.3do", probe_car()),
               ("gpl/probe-external.3do", probe_external(False)), ("gpl/probe-external.3do", probe_external(True)),
               ("n4/probe-transforms.3do", probe_n4_transforms()), ("n4/probe-tso.ptf", probe_n4_tso()),
               ("gpl/probe-textures.3do", probe_textures(False)), ("gpl/probe-textures.3do", probe_textures(True)),
               ("gpl/probe-handle.3do", probe_handle()), ("gpl/probe-planes.3do", probe_plane_orders()),
               ("gpl/probe-planes.3do", probe_plane_orders(True)),
               ("n4/probe-moves.3do", probe_n4_moves())]
    for code in (0, 1, 2, 3, 18, 19):
        samples.append(("n4/probe-blend%d.3do" % code, probe_n4_blend(code)))
    for face in range(5):
        samples.append(("n4/probe-wall%d.ptf" % face, probe_walls(face)))
    for path, (data, model, points, options) in samples:
        files[path] = data
        for x, y in points:
            colour = model.colour_at(x, y)
            if colour is not None:  # a point on an edge says nothing
                lines.append("probe %s %s %r %r %d %d %d" % ((path, options or "-", x, y) + colour))
        # Every drawn primitive is probed at its centre as well.
        for item in model.drawn:
            if item[0] == "fill":
                x, y = centroid(item[1])
                colour = model.colour_at(x, y)
                if colour is not None:
                    lines.append("probe %s %s %r %r %d %d %d" % ((path, options or "-", x, y) + colour))
    return files, lines


# ---------------------------------------------------------------------------------------------
# Check samples: files that load but hold one bad reference that only a read of one node kind
# meets (a vertex, normal or plane number past its table, a texture file that is not there);
# the check walk must report each.
# ---------------------------------------------------------------------------------------------

CHECK_BAD = 99  # past every table of these files


def check_file(make):
    """A GPL object of four vertices, a normal and a plane whose top list holds what make adds."""
    b = Builder()
    for p in ((0.0, 0.0, 0.0), (1.0, 0.0, 0.0), (1.0, 1.0, 0.0), (0.0, 1.0, 0.0)):
        b.vertex(*p)
    b.normal(0.0, 0.0, 1.0)
    b.plane(0.0, 0.0, 1.0, 0.0)
    b.root = "top"
    b.add("top", object_list(make(b)))
    b.add("ok", polygon(27, True, [0, 1, 2]))
    return b.build()


def check_samples():
    """name -> bytes of the gpl folder's check samples."""
    def polygon_vertex(b):
        b.add("bad", polygon(27, True, [0, 1, CHECK_BAD]))
        return ["bad"]

    def polygon_normal(b):
        b.add("bad", polygon(29, True, [0, 1, 2], normals=[0, 0, CHECK_BAD]))
        return ["bad"]

    def line_vertex(b):
        b.add("bad", gpl3do.line(b"\x10\x20\x30\xff", 0, CHECK_BAD))
        return ["bad"]

    def distance_vertex(b):
        b.add("bad", gpl3do.splitter(0, CHECK_BAD, 1, [(10.0, "ok")]))
        return ["bad"]

    def plane_order(b):
        b.add("bad", gpl3do.plane_order(11, CHECK_BAD, ["ok", "ok"]))
        return ["bad"]

    def plane_cull(b):
        b.add("bad", gpl3do.plane_order(6, CHECK_BAD, ["ok"]))
        return ["bad"]


    def sprite_vertex(b):
        b.add("bad", gpl3do.scaled_bitmap(False, CHECK_BAD, b.string("flag")))
        return ["bad"]

    def missing_texture(b):
        b.add("bad", gpl3do.material(1, "ok", [b.string("nothere")]))
        return ["bad"]

    def missing_textures(b):
        b.add("bad", gpl3do.material(17, "ok", [b.string("tex0"), b.string("nothere")]))
        return ["bad"]

    def missing_class_texture(b):
        b.add("bad", gpl3do.material(5, "ok", [b.string("nothere"), 15]))
        return ["bad"]

    def car_fixer(b):
        b.add("shadow", object_list([]))
        b.add("cockpit", object_list([]))
        b.add("bad", vertex_fixer([0, CHECK_BAD]))
        return ["shadow", "cockpit", "bad"]

    def plane_orders(t):
        def make(b):
            b.add("bad", gpl3do.plane_order(t, CHECK_BAD, ["ok"] * gpl3do.PLANE_ORDER_WORDS[t]))
            return ["bad"]
        return make

    makers = {"polygon-vertex": polygon_vertex, "polygon-normal": polygon_normal, "line-vertex": line_vertex,
              "distance-vertex": distance_vertex, "plane-order": plane_order, "plane-cull": plane_cull,
              "sprite-vertex": sprite_vertex, "missing-texture": missing_texture,
              "missing-textures": missing_textures, "missing-class-texture": missing_class_texture,
              "car-fixer": car_fixer}
    for t in (7, 8, 9, 10):
        makers["plane-order%d" % t] = plane_orders(t)
    files = {"check-%s.3do" % name: check_file(make) for name, make in makers.items()}
    files["check-locator-plane.3do"] = check_locator()
    return files


def n4_check_samples():
    """name -> bytes of the n4 folder's check samples: a shape whose texture file is not there,
    and a track whose trackside object is not there."""
    texture = Node("Texture", version=2, name="nothere.mip", shared=0)
    app = Node("Appearance", name="", colour=[1.0, 1.0, 1.0], function=1, links=[texture] + [None] * 6)
    shape = n4_shape(probe_square(1.0, 0.0, 0.0), PROBE_GREEN, app, uv=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)])
    tso = Node("TsoReference", version=6, p=[0.0] * 6, object=Node("TracksideObject", version=3, name="nothere", text=""))
    return {"check-texture.3do": archive_bytes(Node("Group", name="check", children=[shape])),
            "check-trackside.ptf": archive_bytes(Node("Track", version=8, segments=[], objects=[tso]))}


def check_locator():
    """A track object (a file with object locators is read as one) whose one locator's last
    plane is past the plane table."""
    b = Builder()
    for p in ((0.0, 0.0, 0.0), (1.0, 0.0, 0.0), (1.0, 1.0, 0.0)):
        b.vertex(*p)
    plane = b.plane(0.0, 0.0, 1.0, 0.0)
    b.root = "troot"
    b.add("troot", object_list(["tsections", "tdist"]))
    b.add("tdist", gpl3do.number_list([1, 2, 3, 4]))
    b.add("ground", polygon(27, True, [0, 1, 2]))
    b.add("tlink", gpl3do.number_list([0, 1, 0, 1]))
    b.add("tsplit", object_list(["ground"] * 7 + ["tlink"]))
    b.add("tindex", gpl3do.number_list([0]))
    b.add("locator", gpl3do.object_locator([plane, plane, plane, CHECK_BAD], [None] * 4, "ground", []))
    b.add("tlocs", object_list(["locator", None]))
    b.add("tsections", object_list(["tindex", "tsplit", "tlocs"]))
    return b.build()


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
    for name, data in check_samples().items():
        write(os.path.join(gpl, name), data)
    for name, data in n4_check_samples().items():
        write(os.path.join(n4, name), data)
    probe_files, probe_lines = probe_samples()
    for relative, data in probe_files.items():
        write(os.path.join(out, relative), data)
    lines += probe_lines
    for x, y, r, g, b in pane_pixels(probe_rotations()[1], width, height):
        lines.append("pane gpl/probe-rotations.3do %d %d %d %d %d" % (x, y, r, g, b))
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


# Objects of many big textures: N4 squares in rows of six over x and y from -9 to 9, each under
# a texture of its own name, shown as it is (appearance code 3: replace) or, untextured, in its
# green tint.

BIG_TEXTURE_TINT = PROBE_GREEN


def texture_grid(count):
    """The centres and half size of count squares in rows of six, the first row at the top."""
    columns = 6
    rows = max(1, (count + columns - 1) // columns)
    width, height = 18.0 / columns, 18.0 / rows
    half = 0.4 * min(width, height)
    return [(-9.0 + width * (k % columns + 0.5), 9.0 - height * (k // columns + 0.5)) for k in range(count)], half


def sample_texture_grid(names):
    centres, half = texture_grid(len(names))
    shapes = []
    for name, (x, y) in zip(names, centres):
        texture = Node("Texture", version=2, name=name, shared=0)
        app = Node("Appearance", name="", colour=[c / 255.0 for c in BIG_TEXTURE_TINT], function=3,
                   links=[texture] + [None] * 6)
        shapes.append(n4_shape(probe_square(half, x, y), BIG_TEXTURE_TINT, app,
                               uv=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)]))
    return archive_bytes(Node("Group", name="textures", children=shapes))


def spellings(name, count):
    """count spellings of name, the letters' case set by the bits of 0, 1, 2... in turn."""
    letters = [i for i, c in enumerate(name) if c.isalpha()]
    if count > 1 << len(letters):
        raise ValueError("%s has fewer than %d spellings" % (name, count))
    out = []
    for k in range(count):
        chars = list(name.lower())
        for bit, i in enumerate(letters):
            if k >> bit & 1:
                chars[i] = chars[i].upper()
        out.append("".join(chars))
    return out


def write_big_textures(folder, names, files, exp, fill):
    """textures.3do over names (in the grid), each file of files a 2^exp square MIP chain of
    constant bytes (fill 255: opaque white), and centres.txt: "name x y half" a square."""
    write(os.path.join(folder, "textures.3do"), sample_texture_grid(names))
    for name in files:
        write(os.path.join(folder, name), bitmap.zero_n4_mip(7, exp, exp, exp + 1, fill))
    centres, half = texture_grid(len(names))
    with open(os.path.join(folder, "centres.txt"), "w") as f:
        for name, (x, y) in zip(names, centres):
            f.write("%s %r %r %r\n" % (name, x, y, half))


def implode_runs(prefix, runs):
    """A binary-mode implode stream (1024-byte dictionary) of the bytes prefix, as literals, then
    of each run (byte, count) in turn: literals of the byte until the bits stand on a byte
    boundary, then copies of the longest length from 1 byte back, whole groups of four (88 bits,
    11 bytes) repeated as bytes, so that runs of hundreds of megabytes are written at once."""
    w = datfile.BitWriter()
    for b in prefix:
        w.put(b << 1, 9)
    group = datfile.BitWriter()
    for _ in range(4):
        datfile.put_match(group, 518, 4)
    group = group.finish()
    for byte, count in runs:
        if count == 0:
            continue
        w.put(byte << 1, 9)
        count -= 1
        while count and w.count:
            w.put(byte << 1, 9)
            count -= 1
        full, last = divmod(count, 518)
        if not w.count:
            w.out += group * (full // 4)
            full %= 4
        for _ in range(full):
            datfile.put_match(w, 518, 4)
        if last == 1:
            w.put(byte << 1, 9)
        elif last >= 2:
            datfile.put_match(w, last, 4)
    datfile.put_match(w, 519, 4)
    stream = bytes([0, 4]) + w.finish()
    return stream + b"\0" if len(stream) <= 4 else stream


def write_shared_block(folder, count, exp, tail):
    """textures.3do over big0.mip .. (as write_big_textures), the textures entries of the
    folder's DAT whose records share one imploded block: a 2^exp square MIP of one stored level
    of opaque white (format 7), then tail zero bytes."""
    side = 1 << exp
    pixels = bitmap.pixel_byte_count(7, side, side)
    # The level up to its pixels, its chunks' sizes counting them: the DATA chunk's size word
    # ends it.
    level = bitmap.bmap(7, side, side, b"", size_delta=pixels)
    head = bytearray(bitmap.n4_mip(4, 7, exp, exp, [level]))
    struct.pack_into("<I", head, len(head) - 4, pixels)
    block = implode_runs(bytes(head), [(255, pixels), (0, tail)])
    size = len(head) + pixels + tail
    names = ["big%d.mip" % k for k in range(count)]
    entries = [(name, 2, size, block if k == 0 else b"") for k, name in enumerate(names)]
    base = 10 + sum(16 + len(name) for name in names)
    overrides = {k: {"packed": len(block), "offset": base} for k in range(1, count)}
    write(os.path.join(folder, os.path.basename(os.path.normpath(folder)) + ".dat"),
          datfile.n4_archive(entries, overrides=overrides))
    write(os.path.join(folder, "textures.3do"), sample_texture_grid(names))
    centres, half = texture_grid(len(names))
    with open(os.path.join(folder, "centres.txt"), "w") as f:
        for name, (x, y) in zip(names, centres):
            f.write("%s %r %r %r\n" % (name, x, y, half))


def sample_heavy_n4(levels, triangles=2, vertices=4):
    """An N4 group of `levels` levels, each naming the next twice, over one red shape of half
    size 5: its triangle list holds the square's two triangles, then degenerate ones (every
    index 0, no pixels at all) up to `triangles`; its vertex list the square's four corners,
    then copies of the first up to `vertices`. One visit of the shape sends them all."""
    points = n4archive.square_points(5.0)
    points += [points[0]] * max(vertices - 4, 0)
    indices = [0, 1, 2, 0, 2, 3] + [0] * (3 * max(triangles - 2, 0))
    geometry = Node("Geometry", first=Node("PlainVertexList", vertices=points),
                    second=Node("TriList", indices=indices))
    node = Node("Shape", name="", first=n4archive.appearance(n4archive.RED), second=geometry)
    for i in range(levels):
        node = Node("Group", name="g%d" % i, children=[node, node])
    return archive_bytes(node)


def sample_bow_tie(levels):
    """The shared levels over a bow-tie: the red square's corners in the order (-5, -5), (5, 5),
    (5, -5), (-5, 5), a polygon that crosses itself and covers its square twice as a fan."""
    b = Builder()
    b.root = "l0"
    for i in range(levels):
        nxt = "l%d" % (i + 1) if i + 1 < levels else "sq"
        b.add("l%d" % i, object_list([nxt, nxt]))
    corners = [b.vertex(-5.0, -5.0, 0.0), b.vertex(5.0, 5.0, 0.0), b.vertex(5.0, -5.0, 0.0), b.vertex(-5.0, 5.0, 0.0)]
    b.add("sq", polygon(27, True, corners, colour_word=gpl3do.rgb(WALK_RED)))
    return b.build()


def sample_texture_names(levels, names):
    """The shared levels over one multiple-textures material (5.17) naming one texture `names`
    times, over a textured square of half size 5."""
    b = Builder()
    b.root = "l0"
    for i in range(levels):
        nxt = "l%d" % (i + 1) if i + 1 < levels else "multi"
        b.add("l%d" % i, object_list([nxt, nxt]))
    name = b.string("tex0.mip")
    b.add("multi", gpl3do.material(17, "sq", [name] * names))
    b.add("sq", polygon(31, True, gpl3do.square(b, 5.0), colour_word=gpl3do.rgb(WALK_RED),
                        uvs=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)]))
    return b.build()


def sample_reprojected(levels, vertices):
    """An N4 shape whose geometry holds a list of `vertices` vertices (the red square's four
    corners, then copies of the first) and, beside it, `levels` shared groups, each naming the
    next twice, over a transform of a degenerate triangle strip of 4 indices (two triangles of
    vertex 0): every visit of the transform moves the modelview for a draw of no pixels."""
    points = n4archive.square_points(5.0)
    points += [points[0]] * max(vertices - 4, 0)
    node = Node("Transform", name="t", translation=[0.0, 0.0, 0.0], rotation=[0.0, 0.0, 0.0],
                child=Node("TriStrip", indices=[0, 0, 0, 0]))
    for i in range(levels):
        node = Node("Group", name="g%d" % i, children=[node, node])
    geometry = Node("Geometry", first=Node("PlainVertexList", vertices=points), second=node)
    return archive_bytes(Node("Shape", name="", first=n4archive.appearance(n4archive.RED), second=geometry))


def sample_splitter(entries, levels=0, state=False):
    """A root list over `levels` object lists, each naming the next twice, over a distance
    splitter (its vertex the origin, "less or equal") of `entries` entries whose distance is -1,
    which no eye distance is: every entry is tested at each of the 2^levels visits and none
    applies, so nothing is drawn. Each entry names the red square. About 8 bytes an entry.
    state: a state splitter instead, of variable 9 (never set: 0), "equal" to 1 for every entry."""
    b = Builder()
    b.root = "top"
    first = "l0" if levels > 0 else "split"
    b.add("top", object_list([first]))
    for i in range(levels):
        nxt = "l%d" % (i + 1) if i + 1 < levels else "split"
        b.add("l%d" % i, object_list([nxt, nxt]))
    if state:
        b.add("split", gpl3do.splitter(4, 9, 3, [(1, "sq")] * entries))
    else:
        origin = b.vertex(0.0, 0.0, 0.0)
        b.add("split", gpl3do.splitter(0, origin, 1, [(-1.0, "sq")] * entries))
    walk_square(b, "sq", 5.0, 0.0, WALK_RED)
    return b.build()


WALK_LEVELS = 40
WALK_N4_LEVELS = 21
WALK_CHAIN = (6, 64)
# The heavy nodes: 10 shared levels (1024 visits of the shape) over 100,000 triangles, or over
# a list of 300,000 vertices.
WALK_HEAVY = (10, 100000, 300000)
# Work the budget once did not charge: a bow-tie over 17 shared levels, a material naming one
# texture 2,000 times over 19, 19 shared levels over a transform beside 50,000 vertices; and
# the 50,000 small polygons of gpl3do.py's drawing benchmark object (seed 11), an ordinary
# object that the tests also look at from inside.
WALK_BOW_TIE = 17
WALK_TEXTURE_NAMES = (19, 2000)
WALK_REPROJECTED = (19, 50000)
WALK_POLYGONS = 50000
# Splitters of 100,000 entries that never apply, a distance one and a state one.
WALK_SPLITTER = 100000


def walk_samples(out):
    """The walk samples: shared.3do (40 shared levels), chain0.3do .. chain6.3do (each link
    naming the next 64 times), passed-over.3do, twins.3do naming Twin.3do, which names its case
    twin twin.3do (two files), Loop.3do naming "LOOP" (no such file: Loop.3do itself), dup-holder.3do and dup.3do,
    holder.3do, bow-tie.3do, texture-names.3do with tex0.mip, polygons.3do, and walks-n4/shared.3do,
    heavy-triangles.3do, heavy-vertices.3do and reprojected.3do; splitter.3do and
    splitter-state.3do."""
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
    levels, triangles, vertices = WALK_HEAVY
    write(os.path.join(out, "walks-n4", "heavy-triangles.3do"), sample_heavy_n4(levels, triangles=triangles))
    write(os.path.join(out, "walks-n4", "heavy-vertices.3do"), sample_heavy_n4(levels, vertices=vertices))
    write(os.path.join(folder, "bow-tie.3do"), sample_bow_tie(WALK_BOW_TIE))
    write(os.path.join(folder, "texture-names.3do"), sample_texture_names(*WALK_TEXTURE_NAMES))
    write(os.path.join(folder, "tex0.mip"), mip_file())
    write(os.path.join(out, "walks-n4", "reprojected.3do"), sample_reprojected(*WALK_REPROJECTED))
    write(os.path.join(folder, "polygons.3do"), gpl3do.polygons_file(WALK_POLYGONS, 11))
    write(os.path.join(folder, "splitter.3do"), sample_splitter(WALK_SPLITTER))
    write(os.path.join(folder, "splitter-state.3do"), sample_splitter(WALK_SPLITTER, state=True))
    # The objects of the cost fuzz harness's findings, kept as they were made, each as obj.3do
    # (the name its external objects may give) in a folder of its own: walks-fuzz/GAME-NAME,
    # with NAME.dat beside it as that folder's own DAT (its textures).
    for game in ("gpl", "n4"):
        found = os.path.join(HERE, "..", "..", "data", "cost-fuzz", game)
        for name in sorted(os.listdir(found)) if os.path.isdir(found) else []:
            stem, extension = os.path.splitext(name)
            if extension != ".3do":
                continue
            folder = os.path.join(out, "walks-fuzz", game + "-" + stem)
            with open(os.path.join(found, name), "rb") as f:
                write(os.path.join(folder, "obj.3do"), f.read())
            dat = os.path.join(found, stem + ".dat")
            if os.path.isfile(dat):
                with open(dat, "rb") as f:
                    write(os.path.join(folder, game + "-" + stem + ".dat"), f.read())
    with open(os.path.join(out, "expected.txt"), "a") as f:
        f.write("\n".join(lines) + "\n")


def main(argv):
    if len(argv) >= 2 and argv[1] == "large-ptf":
        write(argv[2], sample_large(int(argv[3]), float(argv[4]) if len(argv) > 4 else 1.7))
        return 0
    if len(argv) >= 2 and argv[1] == "repeat-ptf":
        write(argv[2], sample_repeated(int(argv[3]), int(argv[4]), int(argv[5]) if len(argv) > 5 else 1))
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
    if len(argv) >= 2 and argv[1] == "big-textures":
        folder, count, exp = argv[2], int(argv[3]), int(argv[4])
        fill = int(argv[5]) if len(argv) > 5 else 255
        names = ["big%d.mip" % k for k in range(count)]
        write_big_textures(folder, names, names, exp, fill)
        return 0
    if len(argv) >= 2 and argv[1] == "shared-block":
        tail = int(argv[5]) if len(argv) > 5 else 0
        write_shared_block(argv[2], int(argv[3]), int(argv[4]), tail)
        return 0
    if len(argv) >= 2 and argv[1] == "spellings":
        folder, count, exp = argv[2], int(argv[3]), int(argv[4])
        same = len(argv) > 5 and argv[5] == "same"
        names = ["tex.mip"] * count if same else spellings("tex.mip", count)
        write_big_textures(folder, names, ["tex.mip"], exp, 255)
        return 0
    if len(argv) >= 2 and argv[1] in ("heavy-triangles", "heavy-vertices"):
        count = {"triangles" if argv[1] == "heavy-triangles" else "vertices": int(argv[4])}
        write(argv[2], sample_heavy_n4(int(argv[3]), **count))
        return 0
    if len(argv) >= 2 and argv[1] == "bow-tie":
        write(argv[2], sample_bow_tie(int(argv[3])))
        return 0
    if len(argv) >= 2 and argv[1] == "texture-names":
        write(argv[2], sample_texture_names(int(argv[3]), int(argv[4])))
        return 0
    if len(argv) >= 2 and argv[1] == "reprojected":
        write(argv[2], sample_reprojected(int(argv[3]), int(argv[4])))
        return 0
    if len(argv) >= 2 and argv[1] == "splitter":
        write(argv[2], sample_splitter(int(argv[3]), int(argv[4]) if len(argv) > 4 else 0,
                                       len(argv) > 5 and argv[5] == "state"))
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
