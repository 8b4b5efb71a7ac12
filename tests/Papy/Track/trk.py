#!/usr/bin/env python3
"""Generator and checker of track files (GPL and ICR2 .trk) and racing lines (GPL, ICR2 and N4
.lp), standard library only.

A second, independent reading of the formats, kept apart from the C++ readers so that a mistake
made the same way in both still shows. It also computes the integer position of a track at
(longitude, latitude) pairs on its own; the C++ tests compare theirs with it.

Commands:
  trk.py samples OUTDIR    write the sample files into OUTDIR:
                             NAME.trk / NAME.lp     sample tracks and lines
                             NAME.pos               "longitude latitude x y z heading pitch bank
                                                    surface" lines, integers, for each track
                             NAME.pos2d             "longitude2D latitude longitude3D x y z heading
                                                    pitch bank surface": 2D longitude and latitude
                                                    in metres, then integers, inside each section
                             NAME.arcs              "section centreX centreY radius curvature" of
                                                    each corner, metres and radians
                             NAME.info              "length2d <float>" and "lprecords <n>"
                             crafted.txt            "file<TAB>reader<TAB>strict<TAB>track<TAB>message"
                                                    for one crafted file per error message
                                                    (\\n in a message stands for a line feed)
                             loads.txt              "file<TAB>reader<TAB>strict" of edge files that load
  trk.py check FILE READER [--strict] [--track TRK]
                           check a file (READER: gpl, icr2, gpllp, icr2lp, n4lp); exit 0 when sound,
                           1 with the message
  trk.py selftest DIR      write the samples to DIR and check that each loads, saves back byte
                           for byte, and that each crafted file is refused with its message

Units: lengths 0.0000508 m, angles 2^32 per turn, fractions 2^30 = 1, grades 8192 = 1.
"""
import math
import os
import struct
import sys

U = 0.0000508
ONE = 1 << 30
ANGLE_UNIT = 6.283185307179586 / 4294967296.0
ANGLE_SCALE = 4294967296.0 / 6.283185307179586
TRAK = b"KART"  # "TRAK" with its letters reversed, as the id word stands on disk
WALL = 0x800
ASPHALT, CONCRETE, DIRT, GRASS, GRAVEL, PAINT, SAND, TRAIN, UNKNOWN, WATER = 0, 1, 2, 3, 4, 6, 8, 9, 10, 12
GPL_FLOORS = {1: ASPHALT, 2: CONCRETE, 3: PAINT, 4: GRASS, 5: DIRT, 6: SAND, 7: GRAVEL, 8: WATER, 9: TRAIN}


class FormatError(Exception):
    pass


def f32(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def s32(x):
    x &= 0xFFFFFFFF
    return x - (1 << 32) if x & 0x80000000 else x


def mul(a, b):
    return (a * b) >> 30


def tdiv(a, b):
    """Integer division truncated toward zero, as the game divides."""
    q = abs(a) // abs(b)
    return q if (a < 0) == (b < 0) else -q


def words(data, offset, count):
    if offset + 4 * count > len(data):
        raise FormatError("short read")
    return list(struct.unpack_from("<%di" % count, data, offset))


def pack(values):
    return struct.pack("<%di" % len(values), *[s32(v) for v in values])


# ---------------------------------------------------------------------------------------------
# The track as both formats hold it
#
# track = {game, length, laterals, sections, traces, boundaries, walls}
#   section: {type, start, length, heading, flags, s: [S1..S5], count, first, walls: [...]}
#   trace:   [cube, square, linear, constant, square grade, linear grade, R, Y] (section-major)
#   boundary GPL: [From, To, kind, A, height, B]; ICR2: [From, To, code]; wall ICR2: [code, From, To]
# ---------------------------------------------------------------------------------------------

def write_gpl(t):
    n, nl = len(t["sections"]), len(t["laterals"])
    out = bytearray(TRAK + pack([3000, t["length"], nl, n, 32 * len(t["boundaries"]), 52 * n]))
    out += pack((t["laterals"] + [0] * 16)[:16])
    out += pack([52 * i for i in range(n)])
    for tr in t["traces"]:
        out += pack(tr)
    for b in t["boundaries"]:
        out += pack(b + [0, 0])
    for i, s in enumerate(t["sections"]):
        out += pack([s["type"], s["start"], s["length"], s["heading"], s["flags"]] + s["s"] +
                    [i * nl, s["count"], s["first"]])
    return bytes(out)


def write_icr2(t):
    n, nl = len(t["sections"]), len(t["laterals"])
    walls = sum(len(s["walls"]) for s in t["sections"])
    out = bytearray(TRAK + pack([1, t["length"], nl, n, 12 * len(t["boundaries"]), 52 * n + 20 * walls]))
    out += pack((t["laterals"] + [0] * 10)[:10])
    offset = 0
    for s in t["sections"]:
        out += pack([offset])
        offset += 52 + 20 * len(s["walls"])
    for tr in t["traces"]:
        out += pack(tr)
    for b in t["boundaries"]:
        out += pack(b)
    for i, s in enumerate(t["sections"]):
        out += pack([s["type"], s["start"], s["length"], s["heading"]] + s["s"] + [i * nl, s["count"], s["first"],
                                                                                  len(s["walls"])])
        for w in s["walls"]:
            out += pack(w + [0xCCCCCCCC, 0xCCCCCCCC])
    return bytes(out)


def read_gpl(data, strict=False):
    def fail(message):
        raise FormatError(message)
    h = words(data, 0, 23)
    if data[0:4] != TRAK:
        fail("GPL trk file id not TRAK")
    if h[1] != 3000:
        fail("GPL trk file version not 3000")
    length, nl, n, size_s, size_n = h[2:7]
    if not 1 <= nl <= 16:
        fail("GPL trk file lateral count error")
    if size_n != n * 52:
        fail("GPL trk section length mismatch")
    if n < 0:
        fail("GPL trk file section count error")
    if size_s < 0 or len(data) != 92 + 4 * n + 32 * n * nl + size_s + 52 * n:
        fail("GPL trk file size mismatch")
    pos = 92
    for i, v in enumerate(words(data, pos, n)):
        if v != 52 * i:
            fail("GPL trk file section header index error")
    pos += 4 * n
    traces = [words(data, pos + 32 * i, 8) for i in range(n * nl)]
    pos += 32 * n * nl
    boundaries = [words(data, pos + 32 * i, 6) for i in range(size_s // 32)]
    if not boundaries or boundaries[-1][2] != 10:
        fail("GPL trk file last surface type not 10")
    pos += size_s
    sections, run_length, run_count = [], 0, 0
    for i in range(n):
        w = words(data, pos + 52 * i, 13)
        if w[0] not in (1, 2):
            fail("GPL trk file unknown section type")
        if w[10] != i * nl:
            fail("GPL trk file pieces index error")
        if w[1] != run_length:
            fail("GPL trk file section start error.\nSection %d start %d expected %d\n" % (i, w[1], run_length))
        if w[4] & 0xFFFFFFFF > 3:
            fail("GPL trk file unknown flags")
        if w[12] != run_count:
            fail("GPL trk file surface start error")
        if w[2] < 0:
            fail("GPL trk file section length error")
        if w[11] < 0:
            fail("GPL trk file surface count error")
        sections.append(dict(type=w[0], start=w[1], length=w[2], heading=w[3], flags=w[4], s=w[5:10], count=w[11],
                             first=w[12], walls=[]))
        run_length += w[2]
        run_count += w[11]
    if run_length != length or length <= 0:
        fail("GPL trk file total length error")
    if run_count * 32 != size_s:
        fail("GPL trk file total surface length error")
    t = dict(game="gpl", length=length, laterals=h[7:7 + nl], sections=sections, traces=traces,
             boundaries=boundaries)
    if strict:
        for i in range(n):
            for lat in range(nl):
                cu, sq, li, co, sqg, lig = traces[i * nl + lat][:6]
                if sqg != 3 * cu:
                    fail("GPL trk file altitude square grade error")
                if lig != 2 * sq:
                    fail("GPL trk file altitude linear grade error")
                if not -3 <= traces[(i + 1) % n * nl + lat][3] - (cu + sq + li + co) <= 3:
                    fail("GPL trk file altitude mismatch")
    return t


def read_icr2(data):
    def fail(message):
        raise FormatError(message)
    h = words(data, 0, 17)
    if data[0:4] != TRAK:
        fail("ICR2 trk file id not TRAK")
    if h[1] != 1:
        fail("ICR2 trk file type not 1")
    length, nl, n, size_b = h[2:6]
    if not 1 <= nl <= 10:
        fail("ICR2 trk file lateral count error")
    if n < 0 or 68 + n * (4 + 32 * nl + 52) > len(data):
        fail("ICR2 trk file section count error")
    pos = 68 + 4 * n
    traces = []
    for i in range(n * nl):
        tr = words(data, pos, 8)
        pos += 32
        if abs(tr[4] - 3 * tr[0]) > 2:
            fail("ICR2 trk file altitude delta 4 error")
        if abs(tr[5] - 2 * tr[1]) > 2:
            fail("ICR2 trk file altitude delta 5 error")
        traces.append(tr)
    if size_b < 0 or pos + size_b + 52 * n > len(data):
        fail("ICR2 trk file surface length error")
    boundaries = [words(data, pos + 12 * i, 3) for i in range(size_b // 12)]
    pos += size_b
    sections, run_length, run_count = [], 0, 0
    for i in range(n):
        w = words(data, pos, 13)
        pos += 52
        if w[0] not in (1, 2):
            fail("ICR2 trk file unknown section type")
        if w[9] != i * nl:
            fail("ICR2 trk file pieces index error")
        if w[1] != run_length:
            fail("ICR2 trk file section start error")
        if w[11] != run_count:
            fail("ICR2 trk file surface start error")
        if i > 0:
            for lat in range(nl):
                if not -3 <= sum(traces[(i - 1) * nl + lat][:4]) - traces[i * nl + lat][3] <= 3:
                    fail("ICR2 trk file altitude mismatch")
        if w[2] < 0:
            fail("ICR2 trk file section length error")
        if w[10] < 0:
            fail("ICR2 trk file surface count error")
        if w[12] < 0 or pos + 20 * w[12] + 52 * (n - 1 - i) > len(data):
            fail("ICR2 trk file wall count error")
        walls = [words(data, pos + 20 * k, 3) for k in range(w[12])]
        pos += 20 * w[12]
        sections.append(dict(type=w[0], start=w[1], length=w[2], heading=w[3], flags=0, s=w[4:9], count=w[10],
                             first=w[11], walls=walls))
        run_length += w[2]
        run_count += w[10]
    if run_length != length or length <= 0:
        fail("ICR2 trk file total length error")
    if run_count * 12 != size_b:
        fail("ICR2 trk file total surface length error")
    return dict(game="icr2", length=length, laterals=h[7:7 + nl], sections=sections, traces=traces,
                boundaries=boundaries)


# ---------------------------------------------------------------------------------------------
# Geometry: floor strips, the integer position and the 2D lengths
# ---------------------------------------------------------------------------------------------

def floors(t, s):
    """(left From, left To, surface) of each floor strip of section s."""
    sec = t["sections"][s]
    bs = t["boundaries"][sec["first"]:sec["first"] + sec["count"]]
    result = []
    if t["game"] == "gpl":
        for b in range(max(0, len(bs) - 1)):
            kind = bs[b][2]
            surface = ASPHALT if kind & WALL else GPL_FLOORS.get(kind & 0x7FF, UNKNOWN)
            result.append((bs[b + 1][0], bs[b + 1][1], surface))
    else:
        for b in range(len(bs)):
            left = bs[b + 1] if b + 1 < len(bs) else (sec["walls"][-1][1:3] if sec["walls"] else bs[b])
            code = bs[b][2]
            surface = GRASS if code <= 6 else GRAVEL if code <= 22 else CONCRETE if code <= 38 else \
                ASPHALT if code <= 46 else PAINT if code <= 54 else None
            result.append((left[0], left[1], surface))
    return result


def position(t, lon, lat):
    """x, y, z, heading, pitch, bank and surface at a 3D longitude and a latitude (file units)."""
    lon %= t["length"]
    s = max(i for i, sec in enumerate(t["sections"]) if sec["start"] <= lon)
    sec = t["sections"][s]
    o = lon - sec["start"]
    length = sec["length"]
    tt = o * ONE // length if length > 0 else 0
    lats = t["laterals"]
    nl = len(lats)
    l = next((i - 1 for i in range(1, nl) if lat < lats[i]), nl - 1)
    d = lat - lats[l]

    surface = UNKNOWN
    fl = floors(t, s)
    if fl:
        surface = fl[-1][2]
        for left_from, left_to, kind in fl:
            if (lat < left_from or lat < left_to) and left_from + mul(left_to - left_from, tt) > lat:
                surface = kind
                break

    def trace(lateral):
        return t["traces"][s * nl + lateral]

    def altitude(lateral):
        cu, sq, li, co = trace(lateral)[:4]
        return mul(mul(mul(cu, tt) + sq, tt) + li, tt) + co

    def grade(lateral):
        cu, sq, li, co, sqg, lig = trace(lateral)[:6]
        return tdiv((mul(mul(sqg, tt) + lig, tt) + li) * 8192, length) if length > 0 else 0

    def pitch(g):
        return int(math.atan2(float(g), 8192.0) * ANGLE_SCALE)

    z, g, bank = altitude(l), grade(l), 0
    width = lats[l + 1] - lats[l] if l + 1 < nl else 0
    if d < 0 or l == nl - 1 or width <= 0:
        pitch_value = pitch(g)
    else:
        z1, g1 = altitude(l + 1), grade(l + 1)
        bank = int(math.atan2(float(z1 - z), float(width)) * ANGLE_SCALE)
        u = d * ONE // width
        z, pitch_value = z + mul(z1 - z, u), pitch(g + mul(g1 - g, u))

    heading = sec["heading"]
    s1, s2, s3, s4 = sec["s"][:4]
    if sec["type"] == 2:
        heading = s32(heading + 2 * mul(s3, tt))
        r = trace(l)[6] - d
        x = s1 + mul(r, int(math.cos(heading * ANGLE_UNIT) * float(ONE)))
        y = s2 + mul(r, int(-math.sin(heading * ANGLE_UNIT) * float(ONE)))
    else:
        x = trace(l)[6] + mul(o, s1) + mul(d, s3)
        y = trace(l)[7] + mul(o, s2) + mul(d, s4)
    return x, y, z, heading, pitch_value, bank, surface


def length2d(t):
    """The total 2D length in metres, summed in single precision as the track files keep it."""
    return sections_2d(t)[1]


def sections_2d(t):
    """(2D start, 2D length, ratio) of each section, and the lap's 2D length: the lengths of
    length2d, the starts their running sum, all in single precision as the track files keep
    them; ratio = the section's length in metres over its 2D length (0 for no 2D length)."""
    out = []
    start = f32(0)
    n = len(t["sections"])
    for s, sec in enumerate(t["sections"]):
        p0 = position(t, sec["start"], 0)
        p1 = position(t, t["sections"][(s + 1) % n]["start"], 0)
        if sec["type"] == 2:
            ux, uy = float(p0[0]) - float(sec["s"][0]), float(p0[1]) - float(sec["s"][1])
            vx, vy = float(p1[0]) - float(sec["s"][0]), float(p1[1]) - float(sec["s"][1])
            length = abs(math.atan2(vy * ux - vx * uy, vy * uy + vx * ux)) * math.sqrt(ux * ux + uy * uy)
        else:
            dx, dy = float(p1[0]) - float(p0[0]), float(p1[1]) - float(p0[1])
            length = math.sqrt(dx * dx + dy * dy)
        length = f32(length * U)
        out.append((start, length, sec["length"] * U / length if length > 0 else 0.0))
        start = f32(start + length)
    return out, start


def convert_2d_to_3d(t, lon2d):
    """The 3D longitude (file units) of a 2D longitude (metres): wrapped into the lap, the
    section whose 2D span holds it, and the offset in it scaled by the section's ratio,
    truncated and held within the section."""
    sections, lap = sections_2d(t)
    wrapped = math.fmod(lon2d, lap) if lap > 0 and math.isfinite(lon2d) else 0.0
    if wrapped < 0:
        wrapped += lap
    if wrapped >= lap:
        wrapped = 0.0
    s = max(i for i, (start, _, _) in enumerate(sections) if start <= wrapped)
    start, length, ratio = sections[s]
    offset = int(min(wrapped - start, length) * ratio / U)
    sec = t["sections"][s]
    return sec["start"] + min(max(offset, 0), max(sec["length"], 0))


def sample_points_2d(t):
    """(2D longitude, latitude), both in metres, inside every section: at a quarter, a half and
    three quarters of its 2D length, at latitudes between and beyond the laterals."""
    sections, lap = sections_2d(t)
    lats = t["laterals"]
    latitudes = [-1.25, 0.0, 2.5, (lats[0] - 30000) * U, (lats[-1] + 20000) * U]
    points = []
    for start, length, _ in sections:
        for frac in (0.25, 0.5, 0.75):
            for lat in latitudes:
                points.append((start + length * frac, lat))
    points.append((lap * 2.5, 1.0))
    return points


def arcs(t):
    """(section, centre x, centre y, radius, curvature) of each corner in metres and radians:
    the centre from S1 and S2, the curvature the whole turn (twice S3), the radius the
    reference line's (lateral 0 plus its trace radius) with the sign of the turn."""
    out = []
    for s, sec in enumerate(t["sections"]):
        if sec["type"] != 2:
            continue
        curvature = sec["s"][2] * 2.0 * ANGLE_UNIT
        reference = abs((float(t["laterals"][0]) + float(t["traces"][s * len(t["laterals"])][6])) * U)
        out.append((s, sec["s"][0] * U, sec["s"][1] * U, -reference if curvature < 0 else reference, curvature))
    return out


def lp_count(t):
    return int(f32(length2d(t) * f32(0.33333334)) + 0.5) + 1


# ---------------------------------------------------------------------------------------------
# Building tracks
# ---------------------------------------------------------------------------------------------

def build(game, pieces, laterals, surfaces, walls=None, slope=0, hill=0):
    """A track from pieces ("S", length) or ("C", signed radius, half turn): a left turn has a
    positive radius and a negative half turn. surfaces(i) gives section i's boundaries and
    walls(i) its ICR2 wall items. Altitudes are Hermite cubics through integer altitudes and
    slopes, so consecutive sections meet exactly (Strict-valid, last to first as well)."""
    x = y = 0.0
    h = 0
    sections, traces, boundaries = [], [], []
    n, nl = len(pieces), len(laterals)
    alt = [[(i % 3) * hill + lat * 40 for lat in range(nl)] for i in range(n)] + [[lat * 40 for lat in range(nl)]]
    slp = [[((i + lat) % 2) * slope - slope // 2 for lat in range(nl)] for i in range(n)]
    slp.append(slp[0])
    start = 0
    for i, piece in enumerate(pieces):
        heading = s32(h)
        hr = h * ANGLE_UNIT
        if piece[0] == "S":
            length = piece[1]
            sv = [round(math.sin(hr) * ONE), round(math.cos(hr) * ONE), round(-math.cos(hr) * ONE),
                  round(math.sin(hr) * ONE), 0]
            rys = [(round(x + lat * sv[2] / ONE), round(y + lat * sv[3] / ONE)) for lat in laterals]
            x, y = x + length * math.sin(hr), y + length * math.cos(hr)
            kind = 1
        else:
            rho, half = piece[1], piece[2]
            cx, cy = x - rho * math.cos(hr), y + rho * math.sin(hr)
            length = round(abs(rho) * abs(2 * half) * ANGLE_UNIT)
            sv = [round(cx), round(cy), half, 0, 0]
            rys = [(rho - lat, 0) for lat in laterals]
            h += 2 * half
            hr = h * ANGLE_UNIT
            x, y = cx + rho * math.cos(hr), cy - rho * math.sin(hr)
            kind = 2
        bs = surfaces(i)
        ws = walls(i) if walls else []
        sections.append(dict(type=kind, start=start, length=length, heading=heading,
                             flags=i % 4 if game == "gpl" else 0, s=sv, count=len(bs), first=len(boundaries), walls=ws))
        boundaries += bs
        for lat in range(nl):
            a0, a1, s0, s1 = alt[i][lat], alt[i + 1][lat], slp[i][lat], slp[i + 1][lat]
            dd = a1 - a0
            sq, cu = 3 * dd - 2 * s0 - s1, s0 + s1 - 2 * dd
            jitter = (i + lat) % 3 - 1 if game == "icr2" else 0
            traces.append([cu, sq, s0, a0, 3 * cu + jitter, 2 * sq - jitter, rys[lat][0], rys[lat][1]])
        start += length
    return dict(game=game, length=start, laterals=list(laterals), sections=sections, traces=traces,
                boundaries=boundaries)


def gpl_minimal():
    """The smallest loop: two straights of one lateral, there and back (396 bytes)."""
    return two_straights("gpl", 2000000)


def two_straights(game, length):
    t = build(game, [("S", length), ("S", length)], [0],
              lambda i: [[-100000, -100000, 1, 0, 0, 0], [100000, 100000, 10, 0, 0, 0]] if game == "gpl"
              else [[-100000, -100000, 40], [100000, 100000, 50]])
    # The second straight runs back along the first.
    sec = t["sections"][1]
    sec["heading"] = s32(1 << 31)
    sec["s"] = [0, -ONE, ONE, 0, 0]
    t["traces"][1][6:8] = [0, length]
    return t


def stadium_pieces(scale):
    q = -(1 << 29)  # half of a quarter turn to the left
    return [("S", 3 * scale), ("C", scale, q), ("S", 2 * scale), ("C", scale, q),
            ("S", scale), ("C", -scale // 2, -q // 2), ("C", scale // 2, q), ("C", -scale // 2, -q // 2),
            ("S", scale), ("C", scale, q), ("S", 2 * scale), ("C", scale, q)]


def gpl_corners():
    laterals = [-300000, -120000, 0, 150000, 310000]

    def surfaces(i):
        widen = 20000 * (i % 3)
        return [[-420000, -420000 - widen, WALL | 1, 7, 30000, 9],
                [-360000, -360000 - widen, 4, 0, 0, 0],
                [-280000, -280000, 1, 0, 0, 0],
                [260000, 260000 + widen, 7 if i % 2 else 2, 0, 0, 0],
                [360000, 360000, WALL | 2, 0, 25000, 0],
                [420000, 420000, 10, 0, 0, 0]]
    return build("gpl", stadium_pieces(4000000), laterals, surfaces, slope=3000, hill=60000)


def icr2_corners():
    laterals = [-300000, -100000, 0, 100000, 300000, 400000]

    def surfaces(i):
        widen = 15000 * (i % 2)
        return [[-400000, -400000, 5], [-330000, -330000 - widen, 14],
                [-280000, -280000, 40 + i % 6], [280000, 280000 + widen, 30], [330000, 330000, 50]]

    def walls(i):
        return [] if i % 3 == 2 else [[[0, 2, 4, 6][i % 4], 380000, 380000 + 10000 * (i % 2)]][:1] + \
            ([[4, 420000, 420000]] if i % 2 else [])
    return build("icr2", stadium_pieces(3000000), laterals, surfaces, walls, slope=2000, hill=50000)


def sample_points(t):
    lats = t["laterals"]
    latitudes = [lats[0] - 50000, lats[-1] + 60000] + lats + \
        [(a + b) // 2 for a, b in zip(lats, lats[1:])] + [(2 * a + b) // 3 for a, b in zip(lats, lats[1:])]
    points = []
    for sec in t["sections"]:
        for frac in (0, 1, 2, 3, 5):
            lon = sec["start"] + sec["length"] * frac // 6
            for lat in latitudes:
                points.append((lon, lat))
    points += [(-1, 0), (-t["length"] - 5, lats[0]), (t["length"], 0), (3 * t["length"] + 7, lats[-1])]
    return points


# ---------------------------------------------------------------------------------------------
# Racing lines
# ---------------------------------------------------------------------------------------------

def write_lp(reader, count, seed=0):
    if reader == "gpllp":
        out = pack([0x00010002, count])
        for i in range(count):
            out += struct.pack("<ffffI", 1.5 + i, 2.25, f32(0.5 * (i % 7) - 1), 3.0, ((i * 37) % 256) << 24 | (i * 0x1357) & 0x1F77F)
        return out
    if reader == "icr2lp":
        out = pack([count])
        for i in range(count):
            j = i if i + 1 < count else 0
            out += pack([100000 + j, 200000 - j, 1000 * (j % 9) - 4000])
        return out
    out = pack([0x00010003, count])
    for i in range(count):
        out += struct.pack("<fffffI", 1.5 + i, 2.25, f32(0.25 * (i % 5)), 3.5, 3.0, i * 3)
    return out


def read_lp(reader, data, track=None):
    def fail(message):
        raise FormatError(message)
    if reader == "icr2lp":
        count = words(data, 0, 1)[0]
        if count < 1:
            fail("ICR2 Lp file record count error")
        size, header = 12, 4
    else:
        version, count = words(data, 0, 2)
        if reader == "gpllp":
            if version & 0xFFFFFFFF != 0x00010002:
                fail("GPL Lp file version error")
            if count != lp_count(track):
                fail("Contains incorrect number of records")
            size = 20
        else:
            if version & 0xFFFFFFFF != 0x00010003:
                fail("N4 Lp file version error")
            if count < 0:
                fail("N4 Lp file record count error")
            size = 24
        header = 8
    if header + count * size > len(data):
        raise FormatError("short read")
    return count


# ---------------------------------------------------------------------------------------------
# Samples and crafted files
# ---------------------------------------------------------------------------------------------

def patch(data, offset, value):
    return data[:offset] + pack([value]) + data[offset + 4:]


def crafted():
    """(name, reader, strict, track, bytes, message) for one crafted file per message."""
    g = gpl_minimal()
    good = write_gpl(g)
    n, nl = 2, 1
    sec0 = 92 + 4 * n + 32 * n * nl + 128  # the first section record
    out = []

    def gpl(name, data, message, strict=False):
        out.append((name + ".trk", "gpl", strict, "", data, message))

    gpl("gpl-id", b"TRAK" + good[4:], "GPL trk file id not TRAK")
    gpl("gpl-version", patch(good, 4, 3001), "GPL trk file version not 3000")
    gpl("gpl-laterals0", patch(good, 12, 0), "GPL trk file lateral count error")
    gpl("gpl-laterals17", patch(good, 12, 17), "GPL trk file lateral count error")
    gpl("gpl-sectionsize", patch(good, 24, 103), "GPL trk section length mismatch")
    gpl("gpl-sectioncount", patch(patch(good, 16, -1), 24, -52), "GPL trk file section count error")
    gpl("gpl-size", good + b"\0", "GPL trk file size mismatch")
    gpl("gpl-negativesurface", patch(good, 20, -32), "GPL trk file size mismatch")
    # A count whose records would need gigabytes: refused by the size sum, taken in 64 bits.
    gpl("gpl-hugecount", patch(patch(good, 16, 1 << 25), 24, 52 << 25), "GPL trk file size mismatch")
    gpl("gpl-offsets", patch(good, 96, 51), "GPL trk file section header index error")
    gpl("gpl-lastsurface", patch(good, sec0 - 32 + 8, 10 | WALL), "GPL trk file last surface type not 10")
    empty = dict(g, boundaries=[], sections=[dict(s, count=0, first=0) for s in g["sections"]])
    gpl("gpl-nosurfaces", write_gpl(empty), "GPL trk file last surface type not 10")
    gpl("gpl-type", patch(good, sec0, 3), "GPL trk file unknown section type")
    gpl("gpl-pieces", patch(good, sec0 + 52 + 40, 2), "GPL trk file pieces index error")
    gpl("gpl-start", patch(good, sec0 + 52 + 4, 1999999),
        "GPL trk file section start error.\nSection 1 start 1999999 expected 2000000\n")
    gpl("gpl-flags", patch(good, sec0 + 16, -1), "GPL trk file unknown flags")
    gpl("gpl-surfacestart", patch(good, sec0 + 52 + 48, 1), "GPL trk file surface start error")
    negative = patch(patch(patch(good, sec0 + 8, -5), sec0 + 52 + 4, -5), 8, 1999995)
    gpl("gpl-negativelength", negative, "GPL trk file section length error")
    counts = patch(patch(patch(good, sec0 + 44, -1), sec0 + 52 + 48, -1), sec0 + 52 + 44, 5)
    gpl("gpl-negativecount", counts, "GPL trk file surface count error")
    gpl("gpl-totallength", patch(good, 8, 4000001), "GPL trk file total length error")
    zero = dict(g, length=0, sections=[dict(s, start=0, length=0) for s in g["sections"]])
    gpl("gpl-zerolength", write_gpl(zero), "GPL trk file total length error")
    nothing = dict(g, length=0, sections=[], traces=[], boundaries=[[0, 0, 10, 0, 0, 0]])
    gpl("gpl-nosections", write_gpl(nothing), "GPL trk file total length error")
    extra = write_gpl(dict(g, boundaries=g["boundaries"][:2] + [[0, 0, 1, 0, 0, 0]] + g["boundaries"][2:]))
    gpl("gpl-totalsurface", extra, "GPL trk file total surface length error")
    traces = 92 + 4 * n
    gpl("gpl-squaregrade", patch(good, traces + 16, 1), "GPL trk file altitude square grade error", True)
    gpl("gpl-lineargrade", patch(good, traces + 20, 1), "GPL trk file altitude linear grade error", True)
    gpl("gpl-step4", patch(good, traces + 8, 4), "GPL trk file altitude mismatch", True)
    gpl("gpl-step4-lastfirst", patch(good, traces + 32 + 8, -4), "GPL trk file altitude mismatch", True)

    i = two_straights("icr2", 2000000)
    good = write_icr2(i)
    isec0 = 68 + 4 * n + 32 * n * nl + 12 * len(i["boundaries"])

    def icr2(name, data, message):
        out.append((name + ".trk", "icr2", False, "", data, message))

    icr2("icr2-id", b"TRAK" + good[4:], "ICR2 trk file id not TRAK")
    icr2("icr2-type", patch(good, 4, 2), "ICR2 trk file type not 1")
    icr2("icr2-laterals", patch(good, 12, 11), "ICR2 trk file lateral count error")
    icr2("icr2-sectioncount", patch(good, 16, 1 << 28), "ICR2 trk file section count error")
    itr = 68 + 4 * n
    icr2("icr2-delta4", patch(good, itr + 16, 3), "ICR2 trk file altitude delta 4 error")
    icr2("icr2-delta5", patch(good, itr + 20, -3), "ICR2 trk file altitude delta 5 error")
    icr2("icr2-surfacesize", patch(good, 20, 1 << 20), "ICR2 trk file surface length error")
    icr2("icr2-negativesurface", patch(good, 20, -12), "ICR2 trk file surface length error")
    icr2("icr2-type2", patch(good, isec0, 0), "ICR2 trk file unknown section type")
    icr2("icr2-pieces", patch(good, isec0 + 52 + 36, 0), "ICR2 trk file pieces index error")
    icr2("icr2-start", patch(good, isec0 + 52 + 4, 7), "ICR2 trk file section start error")
    icr2("icr2-surfacestart", patch(good, isec0 + 52 + 44, 0), "ICR2 trk file surface start error")
    icr2("icr2-step4", patch(good, itr + 8, 4), "ICR2 trk file altitude mismatch")
    negative = patch(patch(patch(good, isec0 + 8, -5), isec0 + 52 + 4, -5), 8, 1999995)
    icr2("icr2-negativelength", negative, "ICR2 trk file section length error")
    counts = patch(patch(patch(good, isec0 + 40, -1), isec0 + 52 + 44, -1), isec0 + 52 + 40, 3)
    icr2("icr2-negativecount", counts, "ICR2 trk file surface count error")
    icr2("icr2-wallcount", patch(good, isec0 + 48, 1000), "ICR2 trk file wall count error")
    icr2("icr2-totallength", patch(good, 8, 5), "ICR2 trk file total length error")
    icr2("icr2-zerolength", write_icr2(dict(i, length=0, sections=[dict(s, start=0, length=0) for s in i["sections"]])),
         "ICR2 trk file total length error")
    icr2("icr2-nosections", write_icr2(dict(i, length=0, sections=[], traces=[], boundaries=[])),
         "ICR2 trk file total length error")
    icr2("icr2-totalsurface", write_icr2(dict(i, boundaries=i["boundaries"] + [[0, 0, 40]])),
         "ICR2 trk file total surface length error")

    count = lp_count(g)
    out.append(("gpl-lpversion.lp", "gpllp", False, "gpl-minimal.trk", patch(write_lp("gpllp", count), 0, 0x00010003),
                "GPL Lp file version error"))
    out.append(("gpl-lpcount.lp", "gpllp", False, "gpl-minimal.trk", write_lp("gpllp", count + 1),
                "Contains incorrect number of records"))
    out.append(("icr2-lpcount.lp", "icr2lp", False, "", pack([0]),
                "ICR2 Lp file record count error"))
    out.append(("n4-lpversion.lp", "n4lp", False, "", patch(write_lp("n4lp", 3), 0, 0x00010002),
                "N4 Lp file version error"))
    out.append(("n4-lpcount.lp", "n4lp", False, "", pack([0x00010003, -1]), "N4 Lp file record count error"))
    return out


def loads():
    """(name, reader, strict, bytes) of edge files that must load."""
    good = write_gpl(gpl_minimal())
    traces = 92 + 8
    i = write_icr2(two_straights("icr2", 2000000))
    itr = 68 + 8
    return [("gpl-step3.trk", "gpl", True, patch(good, traces + 8, 3)),
            ("gpl-step3-lastfirst.trk", "gpl", True, patch(good, traces + 32 + 8, -3)),
            ("icr2-delta2.trk", "icr2", False, patch(patch(i, itr + 16, 2), itr + 20, -2)),
            ("icr2-step3.trk", "icr2", False, patch(i, itr + 8, 3)),
            ("icr2-lastfirst.trk", "icr2", False, patch(i, itr + 32 + 8, 100))]


def samples():
    """name -> (track, bytes) of the sample tracks."""
    tracks = {"gpl-minimal": gpl_minimal(), "gpl-corners": gpl_corners(), "icr2-corners": icr2_corners(),
              "icr2-minimal": two_straights("icr2", 2000000)}
    # Two straights of 2499.75 m in plan: a line of 1668 records (4999.5 m x 1/3 + 0.5, plus one).
    tracks["gpl-1668"] = two_straights("gpl", 49207677)
    return {name: (t, write_gpl(t) if t["game"] == "gpl" else write_icr2(t)) for name, t in tracks.items()}


def write_samples(outdir):
    os.makedirs(outdir, exist_ok=True)

    def put(name, data):
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)
    for name, (t, data) in samples().items():
        put(name + ".trk", data)
        lines = ["%d %d %s" % (lon, lat, " ".join(str(v) for v in position(t, lon, lat)))
                 for lon, lat in sample_points(t)]
        put(name + ".pos", ("\n".join(lines) + "\n").encode())
        lines = []
        for lon2d, lat in sample_points_2d(t):
            lon3d = convert_2d_to_3d(t, lon2d)
            values = position(t, lon3d, int(lat / U))
            lines.append("%r %r %d %s" % (lon2d, lat, lon3d, " ".join(str(v) for v in values)))
        put(name + ".pos2d", ("\n".join(lines) + "\n").encode())
        put(name + ".arcs", "".join("%d %r %r %r %r\n" % arc for arc in arcs(t)).encode())
        put(name + ".info", ("length2d %r\nlprecords %d\n" % (length2d(t), lp_count(t))).encode())
        if t["game"] == "gpl":
            put(name + ".lp", write_lp("gpllp", lp_count(t)))
    put("icr2.lp", write_lp("icr2lp", 40))
    put("n4.lp", write_lp("n4lp", 30))
    manifest = []
    for name, reader, strict, track, data, message in crafted():
        put(name, data)
        manifest.append("\t".join([name, reader, "1" if strict else "0", track, message.replace("\n", "\\n")]))
    put("crafted.txt", ("\n".join(manifest) + "\n").encode())
    put("loads.txt", ("\n".join("%s\t%s\t%d" % (name, reader, strict) for name, reader, strict, data in loads())
                      + "\n").encode())
    for name, reader, strict, data in loads():
        put(name, data)


def check(data, reader, strict=False, track=None):
    if reader == "gpl":
        return read_gpl(data, strict)
    if reader == "icr2":
        return read_icr2(data)
    return read_lp(reader, data, track)


def selftest(outdir):
    write_samples(outdir)
    failures = []
    tracks = {}
    for name, (t, data) in samples().items():
        back = check(data, t["game"], strict=t["game"] == "gpl")
        tracks[name + ".trk"] = back
        again = write_gpl(back) if t["game"] == "gpl" else write_icr2(back)
        if again != data:
            failures.append("%s does not write back byte for byte" % name)
        for lon, lat in sample_points(t):
            if position(back, lon, lat) != position(t, lon, lat):
                failures.append("%s position differs after reading" % name)
                break
    if len(samples()["gpl-minimal"][1]) != 396:
        failures.append("the minimal GPL track is not 396 bytes")
    if lp_count(tracks["gpl-1668.trk"]) != 1668 or length2d(tracks["gpl-1668.trk"]) != 4999.5:
        failures.append("the 1668-record track has the wrong 2D length")
    for name, reader, strict, track, data, message in crafted():
        try:
            check(data, reader, strict, tracks.get(track))
            failures.append("%s loads; expected %r" % (name, message))
        except FormatError as error:
            if str(error) != message:
                failures.append("%s: %r, expected %r" % (name, str(error), message))
    for name, reader, strict, data in loads():
        try:
            check(data, reader, strict)
        except FormatError as error:
            failures.append("%s: %s" % (name, error))
    for failure in failures:
        print(failure)
    print("%d samples, %d crafted files, %d failures" % (len(samples()), len(crafted()), len(failures)))
    return 1 if failures else 0


def main(argv):
    if len(argv) == 2 and argv[0] == "samples":
        write_samples(argv[1])
        return 0
    if len(argv) == 2 and argv[0] == "selftest":
        return selftest(argv[1])
    if len(argv) >= 3 and argv[0] == "check":
        with open(argv[1], "rb") as f:
            data = f.read()
        track = None
        if "--track" in argv:
            with open(argv[argv.index("--track") + 1], "rb") as f:
                track = read_gpl(f.read())
        try:
            check(data, argv[2], "--strict" in argv, track)
        except FormatError as error:
            print(error)
            return 1
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
