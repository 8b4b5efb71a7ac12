#!/usr/bin/env python3
"""Generator and reader of N2 .3do files ("3DO3" chunk files), standard library only.

A second, independent reading of the format, kept apart from the C++ reader so that a mistake
made the same way in both still shows.

Commands:
  n2tdo.py samples OUTDIR     write the sample files into OUTDIR, each with its listings
                              NAME.list (palette A) and NAME.B.list (palette B), and the crafted
                              bad files bad-*.3do with bad.list ("file<TAB>expected error")
  n2tdo.py list FILE [B]      print the listing of a file (under palette A, or B)
  n2tdo.py large PATH [--polygons N] [--vertices V]
                              write the benchmark file: N sub-kind 13 triangles under a class
                              texture, V vertices and V normals
  n2tdo.py selftest DIR       write the samples to DIR, read each back, and prove that every
                              bad file is refused with its error
  n2tdo.py drawing DIR        write the samples into DIR/n2-samples for the drawing tests

File layout: a 12-byte header {id "3DO3", version 0, size = file length - 12}, then sections
{id, version 0, size} followed by the data and, when size is not a multiple of 4, 4 - size % 4
padding bytes. Ids are stored with their four letters reversed. Sections: PREP and NORM
(16-byte entries {index, x, y, z}, index = position in the section), STRN (NUL-ended strings,
known by their offset in the section), PRIM (root offset, then records {type byte, u32 0,
body}; a record's id is its offset in the PRIM data).

The listing: one line per node of the loaded file, in id order (signed), "id key=value ...":
  type    the node's type text        kids    ids of the children a walk visits, in order
  lengths in metres, angles in degrees, scales and plane values as %.6f; colours as bytes
  r:g:b:a (component * 255 rounded); lists comma-separated, "-" when empty.

Where the format leaves things open, this reader assumes what the C++ reader is asked to do:
a palette index beyond the palette is transparent black; texture divisors are
max(size - 1, 1); a multi-line of 0 or 1 points has no segments; a file without PRIM, a node
naming itself or an ancestor, nesting deeper than 2000 levels, and shared nodes that make a
walk visit more than 2^24 nodes are refused.
"""
import os
import struct
import sys
from fractions import Fraction

NULL = -1
ROOT = -2
FIRST_NEW_ID = 0x40000005
MAX_DEPTH = 2000
MAX_EXPANDED = 1 << 24

DISPLAY_CLASSES = {0: 20, 1: 18, 2: 25, 3: 15, 4: 2, 5: 13, 6: 6, 7: 4, 8: 22, 9: 1, 10: 21, 11: 24,
                   12: 14, 13: 23, 14: 11, 15: 16, 26: 10, 27: 17, 29: 12, 30: 9}

# The palettes of the checks, as bytes (r, g, b, a); entry 0 is transparent black in both.
def palette_a():
    return [(0, 0, 0, 0)] + [(i, 255 - i, (7 * i) & 255, 255) for i in range(1, 256)]


def palette_b():
    return [(0, 0, 0, 0)] + [((3 * i) & 255, i, 128, 255) for i in range(1, 256)]


# Texture sizes (width, height) of the checks' factory, by name.
TEXTURES = {"road": (64, 32), "sky": (128, 128), "tiny": (1, 1), "strip": (256, 1)}

POLYGONS = {  # sub-kind: (type text, rgba, textured, shaded, phong)
    0: ("2.0", False, False, False, False), 1: ("2.1", False, True, False, False),
    2: ("2.2", False, True, False, False), 3: ("2.3", False, True, True, False),
    4: ("2.4", False, False, False, True), 5: ("2.5", False, True, False, True),
    9: ("2.9", True, True, False, False), 12: ("2.12", True, False, False, True),
    13: ("2.13", True, True, False, True),
}
MATERIALS = {0: "5.0", 1: "5.1", 4: "5.4", 5: "5.5", 12: "5.12", 0x1F0000: "5.31-00"}
PLANE_CHILDREN = {6: 1, 7: 2, 8: 4, 9: 3, 10: 3, 11: 2}


class FormatError(Exception):
    """A refused file; text is the error line of bad.list."""


def fmt_err(message):
    return FormatError("format: " + message)


def chunk(name):
    return name[::-1].encode("ascii")


def s32(v):
    v &= 0xFFFFFFFF
    return v - (1 << 32) if v & 0x80000000 else v


# ---------------------------------------------------------------------------------------------
# Numbers
# ---------------------------------------------------------------------------------------------

def metres(units):
    return float(Fraction(units) * Fraction(1609344, 1000000) / 31680)


def plane_from_ints(a, b, c, dh, dl):
    m = (float(a) * a + float(b) * b + float(c) * c) ** 0.5
    if m == 0:
        m = 1.0
    d = s32(dh) * (1 << 32) + (dl & 0xFFFFFFFF)
    q = float(d) / m
    q = int(q - 0.5) if q < 0 else int(q + 0.5)
    q = max(-2 ** 31, min(2 ** 31 - 1, q))
    return (a / m, b / m, c / m, metres(q))


def colour_word(word):
    """Bytes (r, g, b, a) of a colour word (bytes blue, green, red, alpha); alpha 0 is all 0."""
    b, g, r, a = word & 255, (word >> 8) & 255, (word >> 16) & 255, (word >> 24) & 255
    return (0, 0, 0, 0) if a == 0 else (r, g, b, a)


def f6(x):
    return "%.6f" % (x + 0.0)


def join(items):
    items = [str(i) for i in items]
    return ",".join(items) if items else "-"


def rgba(c):
    return "%d:%d:%d:%d" % c


# ---------------------------------------------------------------------------------------------
# Reading
# ---------------------------------------------------------------------------------------------

class Cursor:
    def __init__(self, data, pos=0):
        self.data = data
        self.pos = pos

    def take(self, n):
        if n < 0 or self.pos + n > len(self.data):
            raise FormatError("read")
        out = self.data[self.pos:self.pos + n]
        self.pos += n
        return out

    def word(self):
        return struct.unpack("<i", self.take(4))[0]

    def words(self, n):
        return list(struct.unpack("<%di" % n, self.take(4 * n))) if n else []

    def check(self, count, size):
        if count < 0 or count * size > len(self.data) - self.pos:
            raise FormatError("read")


class Node:
    def __init__(self, nid, kind, label, **fields):
        self.id = nid
        self.kind = kind
        self.label = label
        self.__dict__.update(fields)

    def child_ids(self):
        """The children a walk visits, in order (the null node too)."""
        k = self.kind
        if k in ("olist", "root", "mline"):
            return list(self.children)
        if k in ("u3", "texture", "dclass", "ctexture", "cmaterial", "cmap", "transform", "level"):
            return [self.child]
        if k == "plane":
            return list(self.children)
        if k in ("dsplit", "ssplit"):
            return list(self.children)
        if k == "extlist":
            return [self.child] + list(self.entries)
        if k == "sections":
            return [self.index] + list(self.sections) + [NULL]
        if k == "detail":
            return list(self.children)
        if k == "subsection":
            return [self.first] + list(self.middle) + ([self.groove_child] if self.groove else []) + [self.last]
        return []


class N2File:
    def __init__(self, data):
        self.nodes = {}
        self.vertices = []
        self.normals = []
        self.strings = {}
        self.next_id = 0x40000000
        self.track = False
        self.groove = False
        self.prepared = {}      # polygon id -> texture name
        self.load(data)

    def new_id(self):
        self.next_id += 5
        return self.next_id

    def load(self, data):
        if len(data) < 12:
            raise FormatError("read")
        fid, version, size = struct.unpack("<III", data[:12])
        if fid != struct.unpack("<I", chunk("3DO3"))[0]:
            raise fmt_err("N2 3do file id not 3DO3")
        if version != 0:
            raise fmt_err("N2 3do file unsupported version")
        if size + 12 != len(data):
            raise fmt_err("N2 3do file size mismatch")
        pos, remaining, prim = 12, size, False
        while remaining:
            if remaining < 12:
                raise fmt_err("N2 3DO file not enough room left for header")
            sid, sver, ssize = struct.unpack("<III", data[pos:pos + 12])
            pos += 12
            remaining -= 12
            if sver != 0:
                raise fmt_err("N2 3do file header unsupported version")
            if ssize > remaining:
                raise fmt_err("N2 3DO section extends beyond end of file")
            body = data[pos:pos + ssize]
            pos += ssize
            name = struct.pack("<I", sid)[::-1]
            if name == b"PREP":
                self.read_table(body, "PREP", lambda x, y, z: self.vertices.append((metres(x), metres(y), metres(z))))
            elif name == b"NORM":
                self.read_table(body, "NORM", self.add_normal)
            elif name == b"STRN":
                self.read_strings(body)
            elif name == b"PRIM":
                if ssize > 0x40000000:
                    raise fmt_err("N2 3do PRIM section too large for node ids")
                self.read_prim(body)
                prim = True
            else:
                raise fmt_err("N2 3do Unrecognized section type")
            remaining -= ssize
            if ssize % 4:
                pad = 4 - ssize % 4
                if pad > remaining:
                    raise FormatError("read")
                pos += pad
                remaining -= pad
        if not prim:
            raise fmt_err("N2 3do file has no PRIM section")
        self.check_graph()
        self.fixup()

    def read_table(self, body, name, add):
        if len(body) % 16:
            raise fmt_err("N2 3do %s size not multiple of 16" % name)
        for i in range(len(body) // 16):
            index, x, y, z = struct.unpack("<iiii", body[16 * i:16 * i + 16])
            if index != i:
                raise fmt_err("N2 3do %s index value mismatch" % name)
            add(x, y, z)

    def add_normal(self, x, y, z):
        m = (float(x) * x + float(y) * y + float(z) * z) ** 0.5 or 1.0
        self.normals.append((x / m, y / m, z / m))

    def read_strings(self, body):
        at = 0
        while at < len(body) - 1:
            end = body.find(b"\0", at)
            if end < 0:
                end = len(body)
            text = body[at:end].decode("latin-1")
            if text.lower() == "groove":
                self.groove = True
            self.strings[at] = text
            at = end + 1

    def read_prim(self, body):
        c = Cursor(body)
        root = c.word()
        while c.pos < len(body):
            at = c.pos
            head = c.take(5)
            rtype, reserved = head[0], struct.unpack("<I", head[1:5])[0]
            if reserved != 0:
                raise fmt_err("N2 3do PRIM header reserved not zero")
            self.nodes[at] = self.decode(at, rtype, c)
            if rtype == 15:
                self.track = True
        self.nodes[NULL] = Node(NULL, "null", "")
        self.nodes[ROOT] = Node(ROOT, "root", "", children=[root])

    def decode(self, nid, rtype, c):
        unknown = fmt_err("N2 TDO File unknown instruction type")
        if rtype == 2:
            sub = c.word()
            if sub not in POLYGONS:
                raise unknown
            text, is_rgba, tex, shaded, phong = POLYGONS[sub]
            word, n = c.word(), c.word() & 0xFFFFFFFF
            c.check(n, 4 * (1 + tex + shaded + phong))
            vids = [w & 0xFFFFFFFF for w in c.words(n)]
            texv = [(w & 0xFFFF, (w >> 16) & 0xFFFF) for w in c.words(n)] if tex else None
            shades = [colour_word(w) for w in c.words(n)] if shaded else None
            nids = [w & 0xFFFFFFFF for w in c.words(n)] if phong else None
            return Node(nid, "poly", text, rgba=is_rgba, word=word & 0xFFFFFFFF, vids=vids, tex=texv,
                        shades=shades, nids=nids)
        if rtype == 3:
            vertex, name, kh = c.word(), c.word(), c.word() & 0xFFFFFFFF
            if kh >> 24 not in (0x00, 0xC0, 0xFF):
                raise fmt_err("N2 Scaled Bitmap scale/height type unrecognized")
            return Node(nid, "bitmap", "3", vertex=vertex, name=name, kh=kh)
        if rtype == 4:
            n = c.word()
            c.check(n, 4)
            return Node(nid, "olist", "4", children=c.words(n))
        if rtype == 5:
            child, sub = c.word(), c.word()
            if sub not in MATERIALS:
                raise unknown
            label = MATERIALS[sub]
            if sub == 0:
                return Node(nid, "u3", label, child=child)
            if sub == 1:
                return Node(nid, "texture", label, child=child, name=c.word())
            if sub == 4:
                return Node(nid, "dclass", label, child=child, cls=c.word())
            if sub == 5:
                name, cls = c.words(2)
                return Node(nid, "ctexture", label, child=child, name=name, cls=cls)
            if sub == 12:
                cls, value = c.words(2)
                return Node(nid, "cmaterial", label, child=child, cls=cls, value=value & 0xFFFFFFFF)
            pairs = []
            while True:
                s, p = c.take(2)
                if s == 0 and p == 0:
                    break
                pairs.append((s, p))
            return Node(nid, "cmap", label, child=child, pairs=pairs)
        if rtype in PLANE_CHILDREN:
            n = PLANE_CHILDREN[rtype]
            w = c.words(5 + n)
            return Node(nid, "plane", str(rtype), words=w[:5], plane=plane_from_ints(*w[:5]),
                        children=list(reversed(w[5:])))
        if rtype == 12:
            child, n = c.word(), c.word()
            c.check(n, 4)
            return Node(nid, "extlist", "12", child=child, entries=c.words(n))
        if rtype in (13, 19):
            w = c.words(8)
            return Node(nid, "transform", str(rtype), move=w[0:3], angles=(w[5], w[4], w[3]), scale=w[6], child=w[7])
        if rtype == 14:
            name, zero = c.word(), c.word()
            if zero != 0:
                raise fmt_err("N2 3DO type 14 second word not zero")
            return Node(nid, "ext", "14", name=name)
        if rtype == 15:
            return Node(nid, "u1", "15", words=c.words(4))
        if rtype == 16:
            n = c.word()
            c.check(n, 4)
            return Node(nid, "numbers", "16", numbers=c.words(n))
        if rtype == 17:
            sub = c.word()
            if sub not in (0, 4):
                raise unknown
            a, op, n = c.words(3)
            if not 1 <= (op & 0xFFFFFFFF) <= 5:
                raise fmt_err("N2 %s Splitter unknown comparison operator" % ("Distance" if sub == 0 else "State"))
            c.check(n, 8)
            w = c.words(2 * n)
            return Node(nid, "dsplit" if sub == 0 else "ssplit", "17.%d" % sub, a=a, op=op,
                        thresholds=w[0::2], children=w[1::2])
        if rtype == 21:
            w0, w1, n = c.words(3)
            if n == 2:
                a, b = c.words(2)
                return Node(nid, "line", "21", value=w0, colour=w1, ends=(a, b))
            c.check(n, 4)
            points = c.words(n)
            segments = []
            for k in range(1, len(points)):
                sid = self.new_id()
                self.nodes[sid] = Node(sid, "segment", "21/2", colour=w1, ends=(points[k - 1], points[k]))
                segments.append(sid)
            return Node(nid, "mline", "21/1", value=w0, colour=w1, points=points, children=segments)
        raise unknown

    # -- the load's checks and fix-up ----------------------------------------------------------

    def check_graph(self):
        state, height, visits = {}, {}, {}
        for start in sorted(self.nodes, key=lambda i: i & 0xFFFFFFFF):
            if start in state:
                continue
            stack = [(start, iter(self.kids(start)))]
            state[start] = 1
            while stack:
                nid, it = stack[-1]
                child = next(it, None)
                if child is None:
                    kids = self.kids(nid)
                    h = max([height[k] for k in kids], default=0)
                    if h > MAX_DEPTH:
                        raise fmt_err("N2 3do file nodes nested too deeply")
                    v = min(1 + sum(visits[k] for k in kids), MAX_EXPANDED + 1)
                    if v > MAX_EXPANDED:
                        raise fmt_err("N2 3do file shared nodes expand to too many nodes")
                    height[nid], visits[nid] = h + 1, v
                    state[nid] = 2
                    stack.pop()
                elif state.get(child) == 1:
                    raise fmt_err("N2 3do file node refers to itself or an ancestor")
                elif child not in state:
                    state[child] = 1
                    stack.append((child, iter(self.kids(child))))

    def kids(self, nid):
        return [k for k in self.nodes[nid].child_ids() if k in self.nodes]

    def assertion(self, expression, unit="N2TdoFile"):
        return FormatError("assertion: %s (%s)" % (expression, unit))

    def node(self, nid):
        if nid not in self.nodes:
            raise self.assertion("p != SubObjects.end()")
        return self.nodes[nid]

    def rebuild(self, nid, kind, source, expression):
        n = self.node(nid)
        if n.kind == kind:
            return n
        if n.kind != source:
            raise self.assertion(expression)
        return n

    def fixup(self):
        self.walk(self.node(ROOT), [])

    def walk(self, n, textures):
        k = n.kind
        if k == "root" and self.track:
            top = self.rebuild(n.children[0], "sections", "olist", "ol != 0")
            if top.kind == "olist":
                if len(top.children) < 2:
                    raise self.assertion("object_count >= 2", "N2TrackSections")
                top.kind, top.index, top.sections = "sections", top.children[0], top.children[1:]
        elif k == "sections":
            index = self.rebuild(n.index, "index", "numbers", "nl != 0")
            index.kind = "index"
            for s in n.sections:
                split = self.rebuild(s, "detail", "olist", "ol != 0")
                if split.kind == "olist":
                    if len(split.children) != 8:
                        raise self.assertion("object_count == 8", "N2TrackDetailSplit")
                    split.kind = "detail"
        elif k == "detail":
            for cid in n.children[:7]:
                if cid != NULL and self.node(cid).kind != "null":
                    level = self.rebuild(cid, "level", "plane", "pcf != 0")
                    if level.kind == "plane":
                        if level.label != "6":
                            raise self.assertion("pcf != 0")
                        level.kind, level.child = "level", level.children[0]
            link = self.rebuild(n.children[7], "link", "numbers", "nl != 0")
            if link.kind == "numbers":
                if len(link.numbers) != 4:
                    raise self.assertion("nl.GetNumberCount() == 4", "N2TrackLink")
                link.kind = "link"
        elif k == "level":
            sub = self.rebuild(n.child, "subsection", "olist", "ol != 0")
            if sub.kind == "olist":
                ids = sub.children
                if len(ids) < 3:
                    raise self.assertion("object_count >= 3", "N2TrackSubSection1")
                sub.kind, sub.first, sub.last, sub.groove = "subsection", ids[0], ids[-1], self.groove
                sub.groove_child = ids[-2] if self.groove else NULL
                sub.middle = ids[1:-2] if self.groove else ids[1:-1]
        elif k in ("texture", "ctexture"):
            name = self.string(n.name)
            if name not in TEXTURES:
                raise FormatError("open: " + name)
            textures = textures + [name]
        elif k == "poly" and n.tex is not None and textures and n.id not in self.prepared:
            w, h = TEXTURES[textures[-1]]
            if w and h:
                self.prepared[n.id] = (max(w - 1, 1), max(h - 1, 1))
        for cid in n.child_ids():
            self.walk(self.node(cid), textures)

    def string(self, offset):
        if offset not in self.strings:
            raise self.assertion("i != Strings.end()")
        return self.strings[offset]

    # -- the listing -----------------------------------------------------------------------------

    def listing(self, palette):
        def colour(index):
            index &= 0xFFFFFFFF
            return palette[index] if index < len(palette) else (0, 0, 0, 0)

        def vertex(i):
            return ":".join(f6(x) for x in self.vertices[i])

        lines = []
        for nid in sorted(self.nodes):
            n = self.nodes[nid]
            facts = [("type", n.label), ("kids", join(n.child_ids()))]
            k = n.kind
            if k == "poly":
                facts.append(("vids", join(n.vids)))
                facts.append(("colour", rgba(colour_word(n.word) if n.rgba else colour(n.word))))
                if n.vids and n.vids[0] < len(self.vertices):
                    facts.append(("v0", vertex(n.vids[0])))
                if n.tex is not None:
                    du, dv = self.prepared.get(n.id, (1, 1))
                    facts.append(("tex", join("%s:%s" % (f6(u / du), f6(v / dv)) for u, v in n.tex)))
                if n.shades is not None:
                    facts.append(("shades", join(rgba(s) for s in n.shades)))
                if n.nids is not None:
                    facts.append(("nids", join(n.nids)))
                    if n.nids and n.nids[0] < len(self.normals):
                        facts.append(("n0", ":".join(f6(x) for x in self.normals[n.nids[0]])))
            elif k == "bitmap":
                facts += [("at", str(n.vertex)), ("name", self.strings[n.name]),
                          ("scaled", str(int(n.kh >> 24 == 0))), ("height", f6(metres(n.kh & 0xFFFFFF)))]
            elif k in ("texture", "ext"):
                facts.append(("name", self.strings[n.name]))
            elif k == "dclass":
                facts.append(("class", str(DISPLAY_CLASSES[n.cls])))
            elif k == "ctexture":
                facts += [("class", str(DISPLAY_CLASSES[n.cls])), ("name", self.strings[n.name])]
            elif k == "cmaterial":
                facts += [("class", str(DISPLAY_CLASSES[n.cls])), ("shine", f6(float(n.value)))]
            elif k == "cmap":
                facts.append(("map", join("%d=%s" % (s, rgba(colour(p))) for s, p in n.pairs)))
            elif k in ("plane", "level"):
                facts.append(("plane", ":".join(f6(x) for x in n.plane)))
            elif k == "transform":
                a1, a2, a3 = n.angles
                facts += [("move", ":".join(f6(metres(v)) for v in n.move)),
                          ("turn", ":".join(f6(x) for x in (a1 / 2 ** 31 * 180, -a2 / 2 ** 31 * 180, a3 / 2 ** 31 * 180))),
                          ("scale", f6(n.scale / 65536))]
            elif k == "dsplit":
                facts += [("centre", str(n.a)), ("op", str(n.op)), ("dist", join(f6(metres(t)) for t in n.thresholds))]
            elif k == "ssplit":
                facts += [("var", str(n.a & 0xFFFFFFFF)), ("op", str(n.op)),
                          ("values", join(t & 0xFFFFFFFF for t in n.thresholds))]
            elif k in ("line", "segment"):
                facts += [("from", str(n.ends[0])), ("to", str(n.ends[1])), ("colour", rgba(colour(n.colour)))]
                if k == "line":
                    facts.append(("int", str(n.value)))
            elif k == "mline":
                facts.append(("int", str(n.value)))
            elif k in ("numbers", "index", "link"):
                facts.append(("numbers", join(n.numbers)))
            elif k == "u1":
                facts.append(("words", join(n.words)))
            elif k == "subsection":
                facts.append(("groove", str(int(n.groove))))
            lines.append("%d %s" % (nid, " ".join("%s=%s" % f for f in facts)))
        return "\n".join(lines) + "\n"


# ---------------------------------------------------------------------------------------------
# Writing
# ---------------------------------------------------------------------------------------------

class Ref:
    def __init__(self, label):
        self.label = label


class Prim:
    """PRIM records by label; a body item is an int (a word), a Ref (the record's offset, or -1
    for None) or bytes."""

    def __init__(self):
        self.records = []

    def add(self, label, rtype, *body):
        self.records.append((label, rtype, body))
        return Ref(label)

    def build(self, root, reserved=0):
        offsets, at = {}, 4
        for label, rtype, body in self.records:
            offsets[label] = at
            at += 5 + sum(len(x) if isinstance(x, bytes) else 4 for x in body)
        out = bytearray(struct.pack("<i", offsets[root.label] if isinstance(root, Ref) else root))
        for label, rtype, body in self.records:
            out += bytes([rtype]) + struct.pack("<I", reserved)
            for x in body:
                if isinstance(x, bytes):
                    out += x
                elif isinstance(x, Ref):
                    out += struct.pack("<i", offsets[x.label])
                elif x is None:
                    out += struct.pack("<i", -1)
                else:
                    out += struct.pack("<I", x & 0xFFFFFFFF)
        return bytes(out)


def section(name, data, version=0):
    out = chunk(name) + struct.pack("<II", version, len(data)) + data
    if len(data) % 4:
        out += b"\0" * (4 - len(data) % 4)
    return out


def n2file(*sections, version=0, fid="3DO3"):
    body = b"".join(sections)
    return chunk(fid) + struct.pack("<II", version, len(body)) + body


def table(entries, start=0):
    return b"".join(struct.pack("<iiii", start + i, *e) for i, e in enumerate(entries))


def strings(*texts):
    return b"".join(t.encode("latin-1") + b"\0" for t in texts)


def texv(u, v):
    return (v << 16) | u


def colour_bytes(r, g, b, a):
    return b | (g << 8) | (r << 16) | (a << 24)


VERTICES = [(i * 31680, -i * 15840, i * 1000) for i in range(12)]
NORMALS = [(0, 0, 0, ), (3, 4, 0), (0, 0, -5), (1, 1, 1)]


def polygon(p, label, sub, word, vids, tex=None, shades=None, nids=None):
    body = [sub, word, len(vids)] + list(vids)
    _, _, textured, shaded, phong = POLYGONS[sub]
    if textured:
        body += [texv(u, v) for u, v in tex]
    if shaded:
        body += shades
    if phong:
        body += nids
    return p.add(label, 2, *body)


def sample_minimal():
    p = Prim()
    top = p.add("top", 4, 0)
    return n2file(section("PRIM", p.build(top)))


def sample_allkinds():
    p = Prim()
    tv3 = [(0, 0), (63, 31), (32, 16)]
    parts = [
        polygon(p, "p0", 0, 7, [0, 1, 2]),
        polygon(p, "p0big", 0, 300, [1, 2, 3]),
        polygon(p, "p4", 4, 9, [2, 3, 4], nids=[1, 2, 3]),
        polygon(p, "p12", 12, colour_bytes(10, 20, 30, 128), [3, 4, 5], nids=[0, 1, 2]),
        p.add("bmp0", 3, 5, 0, 0x00001000),
        p.add("bmpC", 3, 6, 1, 0xC0001000),
        p.add("bmpF", 3, 7, 5, 0xFF001000),
        p.add("u3", 5, Ref("p0"), 0),
        p.add("dcls", 5, Ref("p4"), 4, 26),
        p.add("cmat", 5, Ref("p0"), 12, 3, 0xFFFFFFFF),
        p.add("cmap", 5, Ref("p0big"), 0x1F0000, bytes([3, 5, 0, 7, 0, 0])),
        p.add("cmap0", 5, Ref("p0"), 0x1F0000, bytes([0, 0])),
        p.add("ctex", 5, Ref("textured"), 5, 0, 0),
        p.add("pcf", 6, 3, 4, 0, 0, 5, Ref("p0")),
        p.add("po2cfb", 7, 1, 0, 0, -1, -1, Ref("p0"), Ref("p4")),
        p.add("po4", 8, 0, 0, 2, 0, 31680 * 2, Ref("p0"), None, Ref("p4"), Ref("p12")),
        p.add("po3cf", 9, 0, 1, 0, 1, 0, Ref("p0"), Ref("p4"), Ref("p12")),
        p.add("po3", 10, -3, 0, 4, -1, -31680 * 5, Ref("p0"), Ref("p4"), None),
        p.add("po2", 11, 0, 0, 0, 0, 7, Ref("p4"), Ref("p12")),
        p.add("ext", 12, Ref("p0"), 2, Ref("ext1"), Ref("ext2")),
        p.add("ext1", 14, 5, 0),
        p.add("ext2", 14, 1, 0),
        p.add("tr13", 13, 31680, -31680, 0, 0x40000000, 0x40000000, 0x40000000, 0x18000, Ref("p0")),
        p.add("tr19", 19, 1, 2, 3, 0x20000000, -0x20000000, 0x80000000, 0x10000, Ref("p12")),
        p.add("nums", 16, 3, 1, -2, 0x7FFFFFFF),
        p.add("dsplit", 17, 0, 3, 1, 2, 31680, Ref("p0"), 63360, Ref("p4")),
        p.add("ssplit", 17, 4, 0xFFFFFFFE, 5, 2, 0xFFFFFFFF, Ref("p12"), 7, Ref("p0")),
        p.add("ssplit0", 17, 4, 1, 2, 0),
        p.add("line", 21, -5, 17, 2, 4, 9),
        p.add("mline", 21, 42, 300, 3, 4, 9, 2),
        p.add("mline0", 21, 1, 2, 0),
        p.add("mline1", 21, 1, 2, 1, 6),
    ]
    textured = [
        polygon(p, "p1", 1, 11, [0, 1, 2], tex=tv3),
        polygon(p, "p2", 2, 11, [0, 1, 2], tex=tv3),
        polygon(p, "p3", 3, 12, [4, 5, 6], tex=tv3, shades=[colour_bytes(255, 128, 0, 255), 0x00FFFFFF, 0xFF000000]),
        polygon(p, "p5", 5, 13, [6, 7, 8], tex=tv3, nids=[3, 2, 1]),
        polygon(p, "p9", 9, colour_bytes(1, 2, 3, 4), [7, 8, 9], tex=tv3),
        polygon(p, "p13a", 13, colour_bytes(10, 20, 30, 0), [9, 10, 11], tex=tv3, nids=[0, 1, 2]),
        polygon(p, "p13b", 13, 0xFF0000FF, [9, 10, 11], tex=[(64, 0), (0, 32), (1, 1)], nids=[3, 3, 3]),
    ]
    p.add("textured", 4, len(textured), *textured)
    p.add("texture", 5, Ref("p13b"), 1, 1)
    top = p.add("top", 4, len(parts) + 1, *(parts + [Ref("texture")]))
    # Two PREP sections (each indexed from 0), STRN sections of sizes 6 and 8 (padding 2 and 0).
    return n2file(section("STRN", b"\0sky\0\0"),
                  section("PREP", table(VERTICES[:5])),
                  section("NORM", table(NORMALS)),
                  section("PRIM", p.build(top)),
                  section("PREP", table(VERTICES[5:])),
                  section("STRN", strings("road", "ab")))


def sample_track(groove):
    p = Prim()
    p.add("u1", 15, 1, 2, 3, 4)
    index = p.add("index", 16, 3, 10, 20, 30)
    polys = [polygon(p, "q%d" % i, 0, i + 1, [i, i + 1, i + 2]) for i in range(6)]

    def sub(label, children):
        return p.add(label, 4, len(children), *children)

    s1 = sub("sub1", [polys[0], polys[1], polys[2], polys[3]])
    s2 = sub("sub2", [polys[3], polys[4], polys[5]])
    s3 = sub("sub3", [polys[5], polys[0], polys[1], polys[2], polys[4]])
    lp1 = p.add("lp1", 6, 0, 0, 1, 0, 100, s1)
    lp2 = p.add("lp2", 6, 0, 1, 0, -1, -31680, s2)
    lp3 = p.add("lp3", 6, 1, 0, 0, 0, 0, s3)
    link1 = p.add("link1", 16, 4, 1, 2, 3, 4)
    link2 = p.add("link2", 16, 4, 5, 6, 7, 8)
    # The first split has a null child in group 1; lp1 is shared by both splits.
    split1 = sub("split1", [lp1, lp2, None, None, None, lp3, lp1, link1])
    split2 = sub("split2", [lp3, None, None, lp1, lp2, None, None, link2])
    top = sub("top", [index, split1, split2])
    texts = strings("GROOVE" if groove else "grooves", "marks")
    return n2file(section("PREP", table(VERTICES)), section("STRN", texts), section("PRIM", p.build(top)))


def sample_textures():
    p = Prim()
    tv = [(0, 0), (63, 31), (127, 127)]
    a = polygon(p, "a", 13, 0xFF00FF00, [0, 1, 2], tex=tv, nids=[1, 1, 1])
    b = polygon(p, "b", 1, 5, [1, 2, 3], tex=tv)
    shared = polygon(p, "shared", 2, 6, [2, 3, 4], tex=tv)
    plain = polygon(p, "plain", 0, 7, [3, 4, 5])
    c = polygon(p, "c", 5, 8, [4, 5, 6], tex=tv, nids=[2, 2, 2])
    t1 = polygon(p, "t1", 9, 0x80FFFFFF, [5, 6, 7], tex=[(0, 0), (5, 9), (1, 0)])
    t2 = polygon(p, "t2", 3, 9, [6, 7, 8], tex=[(255, 0), (128, 0), (0, 3)],
                 shades=[0xFFFFFFFF, 0xFF808080, 0x00808080])
    inner = p.add("inner", 4, 3, b, shared, plain)
    sky = p.add("sky", 5, inner, 1, 5)
    road_list = p.add("roadlist", 4, 4, a, sky, shared, c)
    road = p.add("road", 5, road_list, 5, 0, 3)
    tiny = p.add("tiny", 5, t1, 1, 9)
    strip = p.add("strip", 5, t2, 5, 14, 0)
    loose = polygon(p, "loose", 1, 10, [0, 1, 2], tex=tv)
    top = p.add("top", 4, 4, road, tiny, strip, loose)
    return n2file(section("PREP", table(VERTICES)), section("NORM", table(NORMALS)),
                  section("STRN", strings("road", "sky", "tiny", "strip")), section("PRIM", p.build(top)))


def samples():
    return {
        "minimal.3do": sample_minimal(),
        "allkinds.3do": sample_allkinds(),
        "track.3do": sample_track(False),
        "groove.3do": sample_track(True),
        "textures.3do": sample_textures(),
    }


def bad_files():
    """(name, bytes, expected error line)."""
    def prim(*records, root=4):
        p = Prim()
        for i, (rtype, body) in enumerate(records):
            p.add("r%d" % i, rtype, *body)
        return section("PRIM", p.build(root))

    ok = prim((4, [0]))
    big = n2file(ok)
    out = [
        ("id", n2file(ok, fid="3DO4"), "format: N2 3do file id not 3DO3"),
        ("version", n2file(ok, version=1), "format: N2 3do file unsupported version"),
        ("size", big + b"\0\0\0\0", "format: N2 3do file size mismatch"),
        ("room", n2file(ok, b"\0" * 8), "format: N2 3DO file not enough room left for header"),
        ("sectionversion", n2file(section("PRIM", b"\4\0\0\0", version=2)),
         "format: N2 3do file header unsupported version"),
        ("beyond", n2file(chunk("PRIM") + struct.pack("<II", 0, 100) + b"\0" * 8),
         "format: N2 3DO section extends beyond end of file"),
        ("prepsize", n2file(section("PREP", b"\0" * 20), ok), "format: N2 3do PREP size not multiple of 16"),
        ("prepindex", n2file(section("PREP", struct.pack("<8i", 0, 1, 2, 3, 0, 1, 2, 3)), ok),
         "format: N2 3do PREP index value mismatch"),
        ("normsize", n2file(section("NORM", b"\0" * 12), ok), "format: N2 3do NORM size not multiple of 16"),
        ("normindex", n2file(section("NORM", struct.pack("<4i", 1, 0, 0, 1)), ok),
         "format: N2 3do NORM index value mismatch"),
        ("section", n2file(section("PLAN", b""), ok), "format: N2 3do Unrecognized section type"),
        ("noprim", n2file(section("PREP", b"")), "format: N2 3do file has no PRIM section"),
        ("reserved", n2file(section("PRIM", b"\4\0\0\0\4\1\0\0\0\0\0\0\0")),
         "format: N2 3do PRIM header reserved not zero"),
        ("type14", n2file(prim((14, [7, 1]))), "format: N2 3DO type 14 second word not zero"),
        ("distop0", n2file(prim((17, [0, 0, 0, 0]))), "format: N2 Distance Splitter unknown comparison operator"),
        ("stateop6", n2file(prim((17, [4, 0, 6, 0]))), "format: N2 State Splitter unknown comparison operator"),
        ("bitmapkind", n2file(prim((3, [0, 0, 0x80000000]))),
         "format: N2 Scaled Bitmap scale/height type unrecognized"),
        ("cycle", n2file(prim((4, [1, 4]))), "format: N2 3do file node refers to itself or an ancestor"),
        ("short", n2file(prim((4, [3, 4]))), "read"),
        ("missingchild", n2file(prim((4, [1, 999]))), "assertion: p != SubObjects.end() (N2TdoFile)"),
        ("missingroot", n2file(prim((4, [0]), root=999)), "assertion: p != SubObjects.end() (N2TdoFile)"),
        ("hugecount", n2file(prim((2, [0, 1, 0x7FFFFFFF]))), "read"),
        ("track7", n2file(prim((4, [2, Ref("r1"), Ref("r2")]), (16, [0]), (4, [7] + [None] * 7), (15, [0, 0, 0, 0]))),
         "assertion: object_count == 8 (N2TrackDetailSplit)"),
        ("tracklink3", n2file(prim((4, [2, Ref("r1"), Ref("r2")]), (16, [0]), (4, [8] + [None] * 7 + [Ref("r4")]),
                                   (15, [0, 0, 0, 0]), (16, [3, 1, 2, 3]))),
         "assertion: nl.GetNumberCount() == 4 (N2TrackLink)"),
    ]
    # Track objects whose lists do not have the shape of a track.
    u1 = (15, [0, 0, 0, 0])
    plane = [0, 0, 1, 0, 0]
    split = lambda level, link: (4, [8, level] + [None] * 6 + [link])
    for name, records, error in (
            ("tracktop", [(16, [0]), u1], "ol != 0 (N2TdoFile)"),
            ("track1", [(4, [1, Ref("r1")]), (16, [0]), u1], "object_count >= 2 (N2TrackSections)"),
            ("trackindex", [(4, [2, Ref("r1"), Ref("r1")]), (4, [0]), u1], "nl != 0 (N2TdoFile)"),
            ("tracksplit", [(4, [2, Ref("r1"), Ref("r1")]), (16, [0]), u1], "ol != 0 (N2TdoFile)"),
            ("tracklevel", [(4, [2, Ref("r1"), Ref("r2")]), (16, [0]), split(Ref("r1"), Ref("r1")), u1],
             "pcf != 0 (N2TdoFile)"),
            ("tracklink", [(4, [2, Ref("r1"), Ref("r2")]), (16, [0]), split(None, Ref("r3")), u1],
             "nl != 0 (N2TdoFile)"),
            ("tracksub", [(4, [2, Ref("r1"), Ref("r2")]), (16, [0]), split(Ref("r4"), Ref("r3")),
                          (16, [4, 1, 2, 3, 4]), (6, plane + [Ref("r5")]), (16, [0]), u1],
             "ol != 0 (N2TdoFile)"),
            ("tracksub2", [(4, [2, Ref("r1"), Ref("r2")]), (16, [0]), split(Ref("r4"), Ref("r3")),
                           (16, [4, 1, 2, 3, 4]), (6, plane + [Ref("r5")]), (4, [2, None, None]), u1],
             "object_count >= 3 (N2TrackSubSection1)")):
        out.append((name, n2file(prim(*records)), "assertion: " + error))
    for name, body in (("type2sub6", (2, [6, 0, 0])), ("type5sub2", (5, [-1, 2])), ("type17sub1", (17, [1])),
                       ("type18", (18, [])), ("type20", (20, []))):
        out.append((name, n2file(prim(body)), "format: N2 TDO File unknown instruction type"))
    # A chain of transformations deeper than a walk may descend.
    depth = MAX_DEPTH + 2
    p = Prim()
    for i in range(depth):
        p.add("t%d" % i, 13, 0, 0, 0, 0, 0, 0, 0x10000, Ref("t%d" % (i + 1)) if i + 1 < depth else None)
    out.append(("deep", n2file(section("PRIM", p.build(Ref("t0")))), "format: N2 3do file nodes nested too deeply"))
    # Lists naming the next list twice: 2^25 visits from a few hundred bytes.
    p = Prim()
    for i in range(25):
        nxt = Ref("l%d" % (i + 1)) if i + 1 < 25 else None
        p.add("l%d" % i, 4, 2, nxt, nxt)
    out.append(("expand", n2file(section("PRIM", p.build(Ref("l0")))),
                "format: N2 3do file shared nodes expand to too many nodes"))
    return [("bad-%s.3do" % name, data, error) for name, data, error in out]


def large(path, polygons, vertices):
    p_records = []
    # Records laid out by hand for speed: the list, the class texture, then the triangles.
    list_size = 5 + 4 + 4 * polygons
    tex_at = 4
    list_at = tex_at + 5 + 16
    first = list_at + list_size
    poly_size = 5 + 12 + 3 * 12
    out = bytearray(struct.pack("<i", tex_at))
    out += bytes([5]) + struct.pack("<Iiiii", 0, list_at, 5, 0, 0)
    out += bytes([4]) + struct.pack("<Ii", 0, polygons)
    out += struct.pack("<%di" % polygons, *range(first, first + poly_size * polygons, poly_size))
    for i in range(polygons):
        a, b, c = i % vertices, (i + 1) % vertices, (i + 2) % vertices
        out += bytes([2]) + struct.pack("<IiIi3i3I3i", 0, 13, 0xFF808080, 3, a, b, c,
                                        texv(0, 0), texv(255, 0), texv(0, 255), a, b, c)
    prep = b"".join(struct.pack("<iiii", i, i * 100, (i * 37) % 5000, -i) for i in range(vertices))
    norm = b"".join(struct.pack("<iiii", i, 1 + i % 7, 2, 3) for i in range(vertices))
    data = n2file(section("PREP", prep), section("NORM", norm), section("STRN", strings("road")),
                  section("PRIM", bytes(out)))
    with open(path, "wb") as f:
        f.write(data)


def write_samples(folder):
    os.makedirs(folder, exist_ok=True)
    for name, data in samples().items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        loaded = N2File(data)
        stem = name[:-4]
        with open(os.path.join(folder, stem + ".list"), "w") as f:
            f.write(loaded.listing(palette_a()))
        with open(os.path.join(folder, stem + ".B.list"), "w") as f:
            f.write(loaded.listing(palette_b()))
    with open(os.path.join(folder, "bad.list"), "w") as f:
        for name, data, error in bad_files():
            with open(os.path.join(folder, name), "wb") as g:
                g.write(data)
            f.write("%s\t%s\n" % (name, error))


def selftest(folder):
    write_samples(folder)
    failures = []
    all_samples = samples()
    if len(all_samples["minimal.3do"]) != 40:
        failures.append("minimal file is not 40 bytes")
    seen = set()
    for name, data in all_samples.items():
        f = N2File(data)
        for n in f.nodes.values():
            seen.add(n.label)
    wanted = {t for t, *_ in POLYGONS.values()} | set(MATERIALS.values()) | {
        "3", "4", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17.0", "17.4", "19", "21", "21/1",
        "21/2"}
    if wanted - seen:
        failures.append("samples miss record types %s" % sorted(wanted - seen))
    # The documented cases of the format.
    checks = [
        (metres(31680), 1.609344), (plane_from_ints(3, 4, 0, 0, 5), (0.6, 0.8, 0.0, metres(1))),
        (plane_from_ints(1, 0, 0, -1, -1)[3], metres(-1)), (colour_word(0x001E140A), (0, 0, 0, 0)),
        (colour_word(0xFF0000FF), (0, 0, 255, 255)),
    ]
    for got, want in checks:
        if got != want:
            failures.append("%r != %r" % (got, want))
    allkinds = N2File(all_samples["allkinds.3do"])
    if allkinds.strings != {0: "road", 1: "sky", 5: "ab"}:
        failures.append("repeated STRN sections: %r" % allkinds.strings)
    if len(allkinds.vertices) != 12:
        failures.append("repeated PREP sections: %d vertices" % len(allkinds.vertices))
    segments = sorted(n.id for n in allkinds.nodes.values() if n.kind == "segment")
    if segments != [FIRST_NEW_ID, FIRST_NEW_ID + 5]:
        failures.append("segments %r" % segments)
    for name, data, error in bad_files():
        try:
            N2File(data)
            failures.append("%s loaded" % name)
        except FormatError as e:
            if str(e) != error:
                failures.append("%s: %s instead of %s" % (name, e, error))
    for line in failures:
        print(line)
    print("%d failures" % len(failures))
    return 1 if failures else 0


def main(argv):
    if len(argv) >= 2 and argv[0] == "samples":
        write_samples(argv[1])
        return 0
    if len(argv) >= 2 and argv[0] == "list":
        with open(argv[1], "rb") as f:
            sys.stdout.write(N2File(f.read()).listing(palette_b() if argv[2:] == ["B"] else palette_a()))
        return 0
    if len(argv) >= 2 and argv[0] == "large":
        polygons, vertices = 200000, 100000
        rest = argv[2:]
        for i in range(0, len(rest) - 1, 2):
            if rest[i] == "--polygons":
                polygons = int(rest[i + 1])
            elif rest[i] == "--vertices":
                vertices = int(rest[i + 1])
        large(argv[1], polygons, vertices)
        return 0
    if len(argv) >= 2 and argv[0] == "selftest":
        return selftest(argv[1])
    if len(argv) >= 2 and argv[0] == "drawing":
        # The samples in a folder of their own for the drawing tests (bitmap.py's drawing
        # command writes the textures they name beside them).
        folder = os.path.join(argv[1], "n2-samples")
        os.makedirs(folder, exist_ok=True)
        for name, data in samples().items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
