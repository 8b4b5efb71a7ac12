#!/usr/bin/env python3
"""Generator and checker of GPL .3do files ("3DO4" chunk files), standard library only.

This is a second, independent reading of the format, kept apart from the C++ reader and
writer so that a mistake made the same way in both still shows.

Commands:
  gpl3do.py samples OUTDIR            write the sample files (see SAMPLES) into OUTDIR, each with
                                      its listing (NAME.list, as the list command prints it)
  gpl3do.py large PATH [--records N] [--seed S]
                                      write a large track-shaped file for the load benchmark
  gpl3do.py document PATH [--nodes N] [--wide W] [--vertices V] [--seed S]
                                      write a large object for the document benchmark: about N
                                      records under handle "scene", one list of W children
                                      (handle "wide") and one polygon of V vertices (handle "big")
  gpl3do.py check FILE [--strict] [--no-refs]
                                      check a file; exit 0 when it is sound, 1 with the reason
  gpl3do.py list FILE                 print "offset type-text" for each PRIM record, then
                                      "root <word>" and "handle <name> <offset>" lines
  gpl3do.py describe FILE...          print the object as a saved copy must keep it, whatever its
                                      layout: each record reached from the handles and the root,
                                      named by its first path ("h0/2" is handle 0's child 2), with
                                      its references as paths, its table entries and strings
                                      resolved, and its other words in hex; several files each
                                      after a line "== FILE"
  gpl3do.py selftest DIR              write the samples to DIR and check each of them
  gpl3do.py drawing OUTDIR            write the drawing tests' scene folders into OUTDIR
  gpl3do.py polygons PATH [--count N] write the drawing benchmark's object of N polygons
  gpl3do.py textured PATH [--count N] write an object of N squares, each under texture texNNN

File layout: a 12-byte header {id "3DO4", version 1, size = file length - 12}, then sections
{id, version 0, size of data} followed by the data and 0-3 padding bytes. Ids are stored with
their four letters reversed (the id is c0<<24|c1<<16|c2<<8|c3, written little-endian).
"""
import argparse
import os
import random
import struct
import sys

SECTIONS = ("NORM", "XYZS", "PLAN", "STRN", "PRIM", "HAND")
NULL = 0xFFFFFFFF


class FormatError(Exception):
    pass


def chunk_bytes(name):
    return name[::-1].encode("ascii")


def le32(value):
    return struct.pack("<I", value & 0xFFFFFFFF)


def lef(value):
    return struct.pack("<f", value)


# ---------------------------------------------------------------------------------------------
# Reading records
# ---------------------------------------------------------------------------------------------

class Cursor:
    """Reads little-endian words from the PRIM data, never past its end."""

    def __init__(self, data, pos):
        self.data = data
        self.pos = pos
        self.refs = []  # positions of the words that name a record, table entry or string

    def mark(self, pos):
        self.refs.append(pos)

    def take(self, n):
        if self.pos + n > len(self.data):
            raise FormatError("record at %d runs past the end of PRIM" % self.start)
        chunk = self.data[self.pos:self.pos + n]
        self.pos += n
        return chunk

    def u32(self):
        return struct.unpack("<I", self.take(4))[0]

    def ref(self):
        """A word that names a record, a table entry or a string."""
        self.mark(self.pos)
        return self.u32()

    def f32(self):
        return struct.unpack("<f", self.take(4))[0]

    def count(self, element_size):
        n = self.u32()
        if n * element_size > len(self.data) - self.pos:
            raise FormatError("record at %d: count %d exceeds the section" % (self.start, n))
        return n


class Record:
    def __init__(self, offset, type_word):
        self.offset = offset
        self.type_word = type_word
        self.text = ""
        self.children = []   # references walked by a default walk (-1 allowed)
        self.siblings = []   # object locator plane-test siblings
        self.vertices = []
        self.normals = []
        self.planes = []
        self.strings = []
        self.classes = []
        self.length = 0
        self.raw = b""
        self.refs = set()   # offsets in the record of the words that name something


# Polygon family: type = 27 + 1 (Gouraud) + 2 (Phong) + 4 (textured).
POLYGON_FIRST_WORD = {
    31: "GPL 3DO Textured Polygon first word not 0",
    32: "GPL 3DO Textured Gouraud Polygon first word not 0",
    33: "GPL Textured Phong Polygon first word not 0",
    34: "GPL Textured Gouraud Phong Polygon first word not 0",
}


def polygon_features(base):
    k = base - 27
    return bool(k & 1), bool(k & 2), bool(k & 4)


def read_polygon(c, rec, base, coloured):
    gouraud, phong, textured = polygon_features(base)
    if textured and c.u32() != 0:
        raise FormatError(POLYGON_FIRST_WORD[base])
    c.take(4)  # colour word
    n = c.count(4 * (1 + gouraud + phong + 2 * textured))
    if textured:
        c.take(8 * n)
    rec.vertices += [c.ref() for _ in range(n)]
    if gouraud:
        c.take(4 * n)
    if phong:
        rec.normals += [c.ref() for _ in range(n)]
    rec.text = "%d%s" % (base, "-8" if coloured else "")


def read_scaled_bitmap(c, rec, coloured):
    rec.vertices.append(c.ref())
    c.take(4)
    rec.strings.append(c.ref())
    c.take(8)
    rec.text = "3-A" if coloured else "3"


def read_object_list(c, rec):
    n = c.count(4)
    for _ in range(n):
        child = c.ref()
        if child == rec.offset:
            raise FormatError("GPL 3do Object List self reference")
        rec.children.append(child)
    rec.text = "4"


# Type 5: features by sub-type; each tuple lists the words from offset 12 on.
MATERIAL_FIELDS = {
    1: ("name",), 4: ("class",), 5: ("name", "class"), 8: ("word", "word"),
    12: ("class", "word", "word"), 13: ("name", "class", "word", "word"),
    32: ("word",), 36: ("word", "class"), 44: ("word", "class", "word", "word"),
}


def read_material(c, rec):
    child = c.ref()
    sub = c.u32()
    rec.children.append(child)
    if sub == 17:
        n = c.count(4)
        rec.strings += [c.ref() for _ in range(n)]
    elif sub in MATERIAL_FIELDS:
        for kind in MATERIAL_FIELDS[sub]:
            w = c.ref() if kind == "name" else c.u32()
            if kind == "name":
                rec.strings.append(w)
            elif kind == "class":
                rec.classes.append(w)
    else:
        raise FormatError("GPL TDO File unknown instruction type")
    rec.text = "5.%d" % sub


# Plane orders: record word order after the plane word.
PLANE_ORDER_WORDS = {11: 2, 10: 3, 9: 3, 8: 4, 7: 2, 6: 1}


def read_plane_order(c, rec, t):
    rec.planes.append(c.ref())
    rec.children += [c.ref() for _ in range(PLANE_ORDER_WORDS[t])]
    rec.text = str(t)


def read_transformation(c, rec, t):
    c.take(28)
    rec.children.append(c.ref())
    rec.text = str(t)


def read_ext_object(c, rec, strict):
    rec.strings.append(c.ref())
    if c.u32() != 0 and strict:
        raise FormatError("GPL 3DO type 14 second word not zero")
    rec.text = "14"


def read_object_locator(c, rec):
    for i in range(9):
        c.mark(c.pos + 4 * i)
    words = [c.u32() for _ in range(15)]
    for i in range(4):
        rec.planes.append(words[2 * i])
        rec.siblings.append(words[2 * i + 1])
    rec.children.append(words[8])
    if words[9] != NULL:
        raise FormatError("GPL 3DO Object Locator reserved1 not -1")
    for k in range(2, 6):
        if words[8 + k] != 0:
            raise FormatError("GPL 3DO Object Locator reserved%d not zero" % k)
    n = words[14]
    if n * 16 > len(c.data) - c.pos:
        raise FormatError("record at %d: count %d exceeds the section" % (c.start, n))
    for _ in range(n):
        c.take(12)
        rec.children.append(c.ref())
    rec.text = "15"


def read_number_list(c, rec):
    n = c.count(4)
    c.take(4 * n)
    rec.text = "16"


SPLITTER_NAMES = {0: "Distance", 1: "Longitude", 2: "Latitude", 3: "Animation", 4: "State"}


def read_splitter(c, rec):
    sub = c.u32()
    if sub not in SPLITTER_NAMES:
        raise FormatError("GPL TDO File unknown instruction type")
    word, operator = c.u32(), c.u32()
    n = c.count(8)
    name = SPLITTER_NAMES[sub]
    if operator < 1 or operator > 5:
        raise FormatError("GPL %s Splitter unknown comparison operator" % name)
    if sub in (1, 2) and word != 0:
        raise FormatError("GPL %s Splitter reserved not zero" % name)
    if sub == 0:
        c.mark(c.pos - 12)
        rec.vertices.append(word)
    for _ in range(n):
        c.take(4)
        rec.children.append(c.ref())
    rec.text = "17.%d" % sub


def read_state_value_setter(c, rec):
    c.take(8)
    rec.text = "20"


def read_vertex_fixer(c, rec):
    n = c.count(4)
    rec.vertices += [c.ref() for _ in range(n)]
    rec.text = "23"


def read_bounding_box(c, rec):
    rec.vertices += [c.ref() for _ in range(8)]
    rec.children.append(c.ref())
    rec.text = "25"


def read_line(c, rec):
    c.take(4)
    rec.vertices += [c.ref(), c.ref()]
    rec.text = "8-21"


def read_record(data, pos, strict):
    c = Cursor(data, pos)
    c.start = pos
    t = c.u32()
    rec = Record(pos, t)
    if t == 3 or t == 2563:
        read_scaled_bitmap(c, rec, t == 2563)
    elif t == 4:
        read_object_list(c, rec)
    elif t == 5:
        read_material(c, rec)
    elif 6 <= t <= 11:
        read_plane_order(c, rec, t)
    elif t in (13, 19, 22):
        read_transformation(c, rec, t)
    elif t == 14:
        read_ext_object(c, rec, strict)
    elif t == 15:
        read_object_locator(c, rec)
    elif t == 16:
        read_number_list(c, rec)
    elif t == 17:
        read_splitter(c, rec)
    elif t == 20:
        read_state_value_setter(c, rec)
    elif t == 23:
        read_vertex_fixer(c, rec)
    elif t == 25:
        read_bounding_box(c, rec)
    elif 27 <= t <= 34:
        read_polygon(c, rec, t, False)
    elif 2075 <= t <= 2082:
        read_polygon(c, rec, t - 0x800, True)
    elif t == 2069:
        read_line(c, rec)
    else:
        raise FormatError("GPL TDO File unknown instruction type")
    rec.length = c.pos - pos
    rec.refs = set(p - pos for p in c.refs)
    return rec


# ---------------------------------------------------------------------------------------------
# Reading the container
# ---------------------------------------------------------------------------------------------

DISPLAY_CLASSES = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 16, 17, 18, 19, 20, 1140}


class TdoFile:
    def __init__(self):
        self.normals = 0
        self.vertices = 0
        self.planes = 0
        self.strings = {}
        self.records = []
        self.root_word = None
        self.handles = []  # (name offset, node)
        self.tables = {"NORM": [], "XYZS": [], "PLAN": []}  # entries as tuples of floats


def parse(data, strict=False):
    if len(data) < 12:
        raise FormatError("file shorter than its header")
    ident, version, size = struct.unpack_from("<4sII", data, 0)
    if ident != chunk_bytes("3DO4"):
        raise FormatError("GPL 3do file id not 3DO4")
    if strict and version != 1:
        raise FormatError("GPL 3do file unsupported version")
    if strict and size + 12 != len(data):
        raise FormatError("GPL 3do file size mismatch")
    tdo = TdoFile()
    pos, remaining = 12, size
    seen_prim = False
    while remaining != 0:
        if remaining < 12:
            raise FormatError("GPL 3do file not enough room left for header")
        if pos + 12 > len(data):
            raise FormatError("file ends inside a section header")
        sid, sversion, ssize = struct.unpack_from("<4sII", data, pos)
        pos += 12
        remaining -= 12
        if sversion != 0:
            raise FormatError("GPL 3do file unsupported subsection version")
        if ssize > remaining:
            raise FormatError("GPL 3do section extends beyond end of file")
        if pos + ssize > len(data):
            raise FormatError("file ends inside a section")
        body = data[pos:pos + ssize]
        name = sid[::-1].decode("latin-1")
        if name in ("NORM", "XYZS", "PLAN"):
            if ssize % 16:
                raise FormatError("GPL 3do %s size not multiple of 16" % name)
            for i in range(0, ssize, 16):
                first = struct.unpack_from("<f", body, i)[0]
                if name == "NORM" and first != 0.0:
                    raise FormatError("GPL 3do NORM first value not zero")
                if name == "XYZS" and strict and first != 0.0:
                    raise FormatError("GPL 3do XYZS fourth value not zero")
            count = ssize // 16
            tdo.tables[name] += [struct.unpack_from("<4f", body, i) for i in range(0, ssize, 16)]
            if name == "NORM":
                tdo.normals += count
            elif name == "XYZS":
                tdo.vertices += count
            else:
                tdo.planes += count
        elif name == "STRN":
            p = 0
            while ssize > 0 and p < ssize - 1:
                end = body.find(b"\0", p)
                if end < 0:
                    raise FormatError("GPL 3do STRN string not terminated")
                tdo.strings[p] = body[p:end].decode("latin-1")
                p = end + 1
        elif name == "PRIM":
            if seen_prim:
                raise FormatError("GPL 3do second PRIM section")
            seen_prim = True
            if ssize < 4:
                raise FormatError("PRIM shorter than its root word")
            tdo.root_word = struct.unpack_from("<I", body, 0)[0]
            at = 4
            while at < ssize:
                rec = read_record(body, at, strict)
                rec.raw = body[at:at + rec.length]
                tdo.records.append(rec)
                at += rec.length
        elif name == "HAND":
            if not seen_prim:
                raise FormatError("GPL 3do HAND section before PRIM section")
            if ssize % 8:
                raise FormatError("HAND size not multiple of 8")
            for i in range(0, ssize, 8):
                tdo.handles.append(struct.unpack_from("<II", body, i))
        else:
            raise FormatError("GPL 3do Unrecognized section type")
        pos += ssize
        remaining -= ssize
        if ssize % 4:
            pad = 4 - ssize % 4
            if pad > remaining:
                raise FormatError("padding extends beyond the header's size")
            pos += pad
            remaining -= pad
    return tdo


def check_references(tdo, strict=False):
    """Every reference names something that exists; the default walk has no cycle."""
    offsets = {r.offset: r for r in tdo.records}
    problems = []

    def node(ref, what, rec):
        if ref != NULL and ref not in offsets:
            problems.append("record %d (%s): %s %d names no record" % (rec.offset, rec.text, what, ref))

    for r in tdo.records:
        for ref in r.children:
            node(ref, "child", r)
        for ref in r.siblings:
            node(ref, "sibling", r)
        for v in r.vertices:
            if v >= tdo.vertices:
                problems.append("record %d (%s): vertex %d beyond %d" % (r.offset, r.text, v, tdo.vertices))
        for v in r.normals:
            if v >= tdo.normals:
                problems.append("record %d (%s): normal %d beyond %d" % (r.offset, r.text, v, tdo.normals))
        for v in r.planes:
            if v >= tdo.planes:
                problems.append("record %d (%s): plane %d beyond %d" % (r.offset, r.text, v, tdo.planes))
        for s in r.strings:
            if s not in tdo.strings:
                problems.append("record %d (%s): string offset %d unknown" % (r.offset, r.text, s))
        for k in r.classes:
            if strict and k not in DISPLAY_CLASSES:
                problems.append("record %d (%s): display class %d unknown" % (r.offset, r.text, k))
    if tdo.root_word is not None and tdo.root_word not in offsets:
        problems.append("root word %d names no record" % tdo.root_word)
    for name, ref in tdo.handles:
        if name not in tdo.strings:
            problems.append("handle name offset %d unknown" % name)
        if ref not in offsets:
            problems.append("handle names no record (%d)" % ref)
    # Cycle test over the children (iterative colouring).
    state = {}
    for start in offsets:
        if start in state:
            continue
        stack = [(start, iter(offsets[start].children))]
        state[start] = 1
        while stack:
            at, it = stack[-1]
            nxt = next(it, None)
            if nxt is None:
                state[at] = 2
                stack.pop()
            elif nxt in offsets:
                if state.get(nxt) == 1:
                    problems.append("cycle through record %d" % nxt)
                    return problems
                if nxt not in state:
                    state[nxt] = 1
                    stack.append((nxt, iter(offsets[nxt].children)))
    return problems


# ---------------------------------------------------------------------------------------------
# Writing
# ---------------------------------------------------------------------------------------------

class Builder:
    """Collects tables and records; records name each other by label, resolved at build."""

    def __init__(self):
        self.vertices = []
        self.normals = []
        self.planes = []
        self.strings = []      # in order; offsets computed from them
        self.records = []      # (label, function(resolve) -> bytes)
        self.handles = []      # (name, label)
        self.root = None

    def vertex(self, x, y, z):
        self.vertices.append((x, y, z))
        return len(self.vertices) - 1

    def normal(self, x, y, z):
        self.normals.append((x, y, z))
        return len(self.normals) - 1

    def plane(self, a, b, c, d):
        self.planes.append((a, b, c, d))
        return len(self.planes) - 1

    def string(self, s):
        offset = 0
        for t in self.strings:
            if t == s:
                return offset
            offset += len(t) + 1
        self.strings.append(s)
        return offset

    def add(self, label, make):
        self.records.append((label, make))
        return label

    def build(self, extra_sections=b""):
        for name, _ in self.handles:
            self.string(name)
        sizes = [len(make(lambda _: 0)) for _, make in self.records]
        where = {}
        at = 4
        for (label, _), size in zip(self.records, sizes):
            if label is not None:
                where[label] = at
            at += size

        def resolve(label):
            if label is None:
                return NULL
            return where[label]

        prim = bytearray(le32(resolve(self.root) if self.root is not None else 0))
        for label, make in self.records:
            prim += make(resolve)
        out = bytearray()
        if self.normals:
            out += section("NORM", b"".join(lef(0.0) + lef(x) + lef(y) + lef(z) for x, y, z in self.normals))
        if self.vertices:
            out += section("XYZS", b"".join(lef(0.0) + lef(x) + lef(y) + lef(z) for x, y, z in self.vertices))
        if self.planes:
            out += section("PLAN", b"".join(lef(a) + lef(b) + lef(c) + lef(d) for a, b, c, d in self.planes))
        if self.strings:
            data = b"".join(s.encode("latin-1") + b"\0" for s in self.strings) + b"\xff"
            out += section("STRN", data, pad=b" ")
        out += section("PRIM", bytes(prim))
        if self.handles:
            out += section("HAND", b"".join(le32(self.string_offset(n)) + le32(resolve(l)) for n, l in self.handles))
        out += extra_sections
        return chunk_bytes("3DO4") + le32(1) + le32(len(out)) + bytes(out)

    def string_offset(self, s):
        return self.string(s)


def section(name, data, pad=b"\0"):
    padding = (4 - len(data) % 4) % 4
    return chunk_bytes(name) + le32(0) + le32(len(data)) + data + pad * padding


def colour(b, g, r, a):
    return bytes((b, g, r, a))


# Record makers: each returns a function of the resolver giving the record's bytes.

def polygon(base, coloured, verts, colour_word=None, shades=None, normals=None, uvs=None, first_word=0):
    """A polygon record. As the format is written, an uncoloured record holds only its
    colour-map index (top byte), and a colour or shade of alpha 0 is four zero bytes."""
    if colour_word is None:
        colour_word = b"\x10\x20\x30\x40" if coloured else b"\x00\x00\x00\x40"
    gouraud, phong, textured = polygon_features(base)
    n = len(verts)
    shades = shades or [b"\x01\x02\x03\xff"] * n
    normals = normals or [0] * n
    uvs = uvs or [(0.25 * i, 0.5) for i in range(n)]

    def make(_):
        out = le32(base | (0x800 if coloured else 0))
        if textured:
            out += le32(first_word)
        out += colour_word + le32(n)
        if textured:
            out += b"".join(lef(u) + lef(v) for u, v in uvs)
        out += b"".join(le32(v) for v in verts)
        if gouraud:
            out += b"".join(shades)
        if phong:
            out += b"".join(le32(v) for v in normals)
        return out
    return make


def object_list(children):
    return lambda r: le32(4) + le32(len(children)) + b"".join(le32(r(c)) for c in children)


def scaled_bitmap(coloured, vertex, name, height=2.5, colour_word=b"\x0a\x14\x1e\x28", hrev=1, vrev=0):
    return lambda _: (le32(2563 if coloured else 3) + le32(vertex) + colour_word + le32(name) + lef(height)
                      + struct.pack("<HH", hrev, vrev))


def material(sub, child, words):
    def make(r):
        if sub == 17:
            return le32(5) + le32(r(child)) + le32(17) + le32(len(words)) + b"".join(le32(w) for w in words)
        return le32(5) + le32(r(child)) + le32(sub) + b"".join(le32(w) for w in words)
    return make


def plane_order(t, plane, children):
    return lambda r: le32(t) + le32(plane) + b"".join(le32(r(c)) for c in children)


def transformation(t, child, values=(1.0, 2.0, 3.0, 0.5, 0.25, 0.125, 1.5)):
    return lambda r: le32(t) + b"".join(lef(v) for v in values) + le32(r(child))


def ext_object(name, second=0):
    return lambda _: le32(14) + le32(name) + le32(second)


def object_locator(planes, siblings, child, entries, reserved=(NULL, 0, 0, 0, 0)):
    def make(r):
        out = le32(15)
        for p, s in zip(planes, siblings):
            out += le32(p) + le32(r(s))
        out += le32(r(child)) + b"".join(le32(w) for w in reserved) + le32(len(entries))
        for x, y, z, obj in entries:
            out += lef(x) + lef(y) + lef(z) + le32(r(obj))
        return out
    return make


def number_list(numbers):
    return lambda _: le32(16) + le32(len(numbers)) + b"".join(le32(n) for n in numbers)


def splitter(sub, word, operator, entries):
    def make(r):
        out = le32(17) + le32(sub) + le32(word) + le32(operator) + le32(len(entries))
        for threshold, child in entries:
            out += (lef(threshold) if sub == 0 else le32(threshold)) + le32(r(child))
        return out
    return make


def state_value_setter(index, value):
    return lambda _: le32(20) + le32(index) + le32(value)


def vertex_fixer(verts):
    return lambda _: le32(23) + le32(len(verts)) + b"".join(le32(v) for v in verts)


def bounding_box(verts, child):
    return lambda r: le32(25) + b"".join(le32(v) for v in verts) + le32(r(child))


def line(colour_word, a, b):
    return lambda _: le32(2069) + colour_word + le32(a) + le32(b)


# ---------------------------------------------------------------------------------------------
# Sample files
# ---------------------------------------------------------------------------------------------

def tables(b, vertices=8):
    for i in range(vertices):
        b.vertex(float(i), float(i % 3), -float(i))
    b.normal(0.0, 0.0, 1.0)
    b.normal(0.0, 1.0, 0.0)
    b.plane(1.0, 0.0, 0.0, -2.0)
    b.plane(0.0, 1.0, 0.0, 0.0)


def sample_minimal():
    """A handful of records: a list of two polygons and a line, the second polygon shared."""
    b = Builder()
    tables(b, 4)
    b.root = "top"
    b.add("top", object_list(["p1", "p2", "p2", "ln"]))
    b.add("p1", polygon(27, False, [0, 1, 2], colour_word=b"\0\0\0\x07"))
    b.add("p2", polygon(27, True, [1, 2, 3]))
    b.add("ln", line(b"\x10\x20\x30\xff", 0, 3))
    return b.build()


def basic_records(b):
    """Every record kind of the container, polygon, list, bitmap and transformation families."""
    srb = b.string("flag.srb")
    kids = []
    for coloured in (False, True):
        for base in range(27, 35):
            label = "poly%d%s" % (base, "c" if coloured else "")
            b.add(label, polygon(base, coloured, [0, 1, 2, 3], normals=[0, 1, 0, 1],
                                 shades=[b"\x01\x02\x03\xff", b"\x00\x00\x00\x00", b"\x80\x80\x80\x80",
                                         b"\xff\xff\xff\xff"]))
            kids.append(label)
    b.add("emptypoly", polygon(34, True, []))
    kids.append("emptypoly")
    b.add("bm", scaled_bitmap(False, 5, srb, colour_word=b"\x0a\x14\x1e\x05"))
    b.add("bmc", scaled_bitmap(True, 6, srb, height=-1.25, hrev=0, vrev=0xFFFF))
    b.add("t19", transformation(19, "poly27"))
    b.add("t13", transformation(13, "bm"))
    b.add("t22", transformation(22, None, (0.0, -1.0, 1e6, 1.5707963705062866, -3.0, 0.0, 0.0)))
    b.add("bbox", bounding_box([0, 1, 2, 3, 4, 5, 6, 7], "t19"))
    b.add("svs", state_value_setter(3, 0xFFFFFFFF))
    b.add("line0", line(b"\x00\x00\x00\x00", 2, 7))
    b.add("line1", line(b"\x11\x22\x33\x44", 7, 2))
    b.add("emptylist", object_list([]))
    kids += ["bmc", "t13", "t22", "bbox", "svs", "line0", "line1", "emptylist", None]
    return kids


def sample_basic():
    b = Builder()
    tables(b)
    b.root = "top"
    kids = basic_records(b)
    b.add("top", object_list(kids + ["later"]))
    b.add("later", object_list(["poly28", "poly28c"]))  # a child named before its record
    b.handles.append(("body", "later"))
    b.handles.append(("wheel", "bbox"))
    b.handles.append(("body", "poly30"))
    return b.build()


def extended_records(b):
    """Record kinds of the splitter, plane-order, list, locator, external and material families."""
    tex = b.string("asphalt")
    tex2 = b.string("grass")
    ext = b.string("pitcrew")
    b.add("leaf", polygon(27, False, [0, 1, 2]))
    b.add("leaf2", polygon(28, True, [2, 1, 0]))
    kids = []
    for sub, words in ((1, [tex]), (4, [3]), (5, [tex2, 1140]), (8, [7, 0x3E800000]), (12, [13, 4, 0x3F000000]),
                       (13, [tex, 0, 9, 0x3F800000]), (17, [tex, tex2, tex]), (32, [2]), (36, [1, 2]),
                       (44, [5, 20, 1, 0])):
        label = "mat%d" % sub
        b.add(label, material(sub, "leaf", words))
        kids.append(label)
    b.add("mat17e", material(17, "leaf2", []))
    kids.append("mat17e")
    for t, children in ((11, ["leaf", "leaf2"]), (10, ["leaf", None, "leaf2"]), (9, ["leaf", "leaf2", "leaf"]),
                        (8, ["leaf", "leaf2", None, "leaf"]), (7, ["leaf", "leaf2"]), (6, ["leaf2"])):
        label = "order%d" % t
        b.add(label, plane_order(t, 1, children))
        kids.append(label)
    b.add("ext", ext_object(ext))
    b.add("nums", number_list([1, 2, 3, 0xFFFFFFFF]))
    b.add("nums0", number_list([]))
    b.add("s0", splitter(0, 4, 2, [(100.0, "leaf"), (250.5, "leaf2")]))
    b.add("s1", splitter(1, 0, 1, [(10, "leaf"), (0xFFFFFFFF, "leaf2")]))
    b.add("s2", splitter(2, 0, 3, [(4294967295, "leaf")]))
    b.add("s3", splitter(3, 30, 5, [(0, "leaf"), (1, "leaf2"), (2, None)]))
    b.add("s4", splitter(4, 7, 4, []))
    kids += ["ext", "nums", "nums0", "s0", "s1", "s2", "s3", "s4"]
    return kids


def sample_allkinds():
    """Every record type except the object locator and the vertex fixer (which make a file a
    track or a car object)."""
    b = Builder()
    tables(b)
    b.root = "top"
    kids = basic_records(b) + extended_records(b)
    b.add("top", object_list(kids))
    b.handles.append(("everything", "top"))
    return b.build()


def track_file(b, details=3, locators=4, objects_per_locator=2, leaves=None, rnd=None):
    """A track object: root list {sections list, drawing distances}; sections list {index,
    detail splits..., locator list ending with -1}; each detail split a list of 8 whose last
    child is a 4-number link."""
    rnd = rnd or random.Random(1)
    leaves = leaves or ["tleaf"]
    if "tleaf" in leaves:
        b.add("tleaf", polygon(29, True, [0, 1, 2], normals=[0, 1, 0]))
    b.root = "troot"
    b.add("troot", object_list(["tsections", "tdist"]))
    b.add("tdist", number_list([1, 2, 3, 4, 5, 6, 7, 8]))  # whole groups of four
    splits = []
    for d in range(details):
        link = "tlink%d" % d
        b.add(link, number_list([d, d + 1, 0, 1]))
        grid = [rnd.choice(leaves) for _ in range(7)]
        b.add("tsplit%d" % d, object_list(grid + [link]))
        splits.append("tsplit%d" % d)
    b.add("tindex", number_list(list(range(details))))
    locs = []
    for i in range(locators):
        entries = [(float(i), float(k), 0.5, rnd.choice(leaves)) for k in range(objects_per_locator)]
        sib = locs[-1] if locs else None
        b.add("tloc%d" % i, object_locator([0, 1, 0, 1], [sib, None, None, None], rnd.choice(leaves), entries))
        locs.append("tloc%d" % i)
    if len(locs) < 1:
        locs.append("tleaf")
    b.add("tlocs", object_list(locs + [None]))
    b.add("tsections", object_list(["tindex"] + splits + ["tlocs"]))


def sample_track():
    b = Builder()
    tables(b)
    track_file(b)
    b.handles.append(("track", "troot"))
    return b.build()


def sample_car():
    """A car object: a vertex fixer somewhere, and a top list of exactly three children."""
    b = Builder()
    tables(b)
    b.root = "car"
    b.add("body", polygon(30, True, [0, 1, 2, 3], normals=[0, 0, 1, 1]))
    b.add("fix", vertex_fixer([0, 1, 2]))
    b.add("fix0", vertex_fixer([]))
    b.add("wheels", object_list(["fix", "body"]))
    b.add("car", object_list(["body", "wheels", "fix0"]))
    return b.build()


SAMPLES = {
    "minimal.3do": sample_minimal,
    "basic.3do": sample_basic,
    "allkinds.3do": sample_allkinds,
    "track.3do": sample_track,
    "car.3do": sample_car,
}


def large_file(records, seed):
    """A track file of about `records` records (some 40 bytes each on average): a tree of lists
    over polygons, lines, bitmaps and transformations under the track's records. Lists share
    their children, so a child is named by several parents."""
    rnd = random.Random(seed)
    b = Builder()
    for i in range(4096):
        b.vertex(rnd.uniform(-500, 500), rnd.uniform(-500, 500), rnd.uniform(0, 50))
    for i in range(64):
        b.normal(0.0, 0.0, 1.0)
    for i in range(256):
        b.plane(1.0, 0.0, 0.0, float(i))
    srb = b.string("tree.srb")
    leaves = []
    count = 0
    leaf_target = int(records * 0.8)
    while count < leaf_target:
        label = "L%d" % count
        pick = rnd.random()
        n = rnd.randint(3, 5)
        verts = [rnd.randrange(4096) for _ in range(n)]
        if pick < 0.45:
            b.add(label, polygon(27, rnd.random() < 0.5, verts))
        elif pick < 0.6:
            b.add(label, polygon(28, True, verts))
        elif pick < 0.7:
            b.add(label, polygon(31, False, verts))
        elif pick < 0.75:
            b.add(label, polygon(34, True, verts, normals=[rnd.randrange(64) for _ in range(n)]))
        elif pick < 0.9:
            b.add(label, line(b"\x10\x20\x30\xff", verts[0], verts[1]))
        else:
            b.add(label, scaled_bitmap(rnd.random() < 0.5, verts[0], srb))
        leaves.append(label)
        count += 1
    groups = leaves
    level = 0
    # Lists over random, overlapping picks of the level below (shared children), then
    # transformations over some of them, until one list remains.
    while len(groups) > 1:
        nxt = []
        for i in range(0, len(groups), 8):
            label = "G%d_%d" % (level, i)
            picks = groups[i:i + 8] + [rnd.choice(groups) for _ in range(2)]
            b.add(label, object_list(picks))
            count += 1
            if rnd.random() < 0.3:
                t = "T" + label
                b.add(t, transformation(rnd.choice((13, 19, 22)), label))
                count += 1
                label = t
            nxt.append(label)
        groups = nxt
        level += 1
    top = groups[0]
    rest = max(records - count, 16)
    locators = max(rest // 2, 8)
    track_file(b, details=16, locators=locators, objects_per_locator=2, leaves=[top] + leaves[:1000], rnd=rnd)
    b.handles.append(("scene", top))
    return b.build()


def document_file(nodes, wide, vertices, seed):
    """An object as the 3D-object window meets it at its largest: handle "scene" over a tree of
    lists of 8 (no child shared) down to about `nodes` polygons and lines, handle "wide" over
    one list of `wide` polygons, and handle "big" over one polygon of `vertices` vertices."""
    rnd = random.Random(seed)
    b = Builder()
    for i in range(4096):
        b.vertex(rnd.uniform(-500, 500), rnd.uniform(-500, 500), rnd.uniform(0, 50))
    b.normal(0.0, 0.0, 1.0)
    b.add("big", polygon(27, True, [rnd.randrange(4096) for _ in range(vertices)]))
    wide_children = []
    for i in range(wide):
        label = "W%d" % i
        b.add(label, polygon(27, True, [rnd.randrange(4096) for _ in range(3)]))
        wide_children.append(label)
    b.add("wide", object_list(wide_children))
    count = wide + 2
    # The leaves and the lists over them: with lists of 8, about 7/8 of the rest are leaves.
    leaves = []
    for i in range(max((nodes - count) * 7 // 8, 1)):
        label = "L%d" % i
        verts = [rnd.randrange(4096) for _ in range(rnd.randint(3, 5))]
        if rnd.random() < 0.8:
            b.add(label, polygon(27, rnd.random() < 0.5, verts))
        else:
            b.add(label, line(b"\x10\x20\x30\xff", verts[0], verts[1]))
        leaves.append(label)
    groups = leaves
    level = 0
    while len(groups) > 1:
        nxt = []
        for i in range(0, len(groups), 8):
            label = "G%d_%d" % (level, i)
            b.add(label, object_list(groups[i:i + 8]))
            nxt.append(label)
        groups = nxt
        level += 1
    b.root = groups[0]
    b.handles += [("scene", groups[0]), ("wide", "wide"), ("big", "big")]
    return b.build()


# ---------------------------------------------------------------------------------------------
# Drawing scenes: small objects whose pixels the drawing tests work out from the geometry below
# (an orthographic view of x and y from -10 to 10, the eye on the +z side). Colours are named
# (r, g, b) here and written as their words (b, g, r, a).
# ---------------------------------------------------------------------------------------------

RED = (220, 30, 30)
GREEN = (30, 200, 30)
BLUE = (30, 30, 220)
YELLOW = (230, 230, 40)
SQUARE_RED = (200, 40, 40)
GROUND = (40, 160, 40)


def rgb(c):
    return colour(c[2], c[1], c[0], 255)


def square(b, half, z=0.0, x=0.0, y=0.0):
    """Four vertices of an axis-parallel square, counter-clockwise seen from +z."""
    return [b.vertex(x - half, y - half, z), b.vertex(x + half, y - half, z), b.vertex(x + half, y + half, z),
            b.vertex(x - half, y + half, z)]


def scene_polygon():
    """One square of SQUARE_RED over (-5, -5)..(5, 5)."""
    b = Builder()
    b.root = "top"
    b.add("top", object_list(["sq"]))
    b.add("sq", polygon(27, True, square(b, 5.0), colour_word=rgb(SQUARE_RED)))
    return b.build()


def scene_locator():
    """A track object (a file with object locators is read as one): its detail split draws
    ground of GROUND over (-9, -9)..(9, 9); its one object locator has four planes that bound
    |x| <= 4, |y| <= 4 (the highlight takes planes 0 and 1 negated: x - 4, y - 4, then x + 4,
    y + 4)."""
    b = Builder()
    planes = [b.plane(1.0, 0.0, 0.0, -4.0), b.plane(0.0, 1.0, 0.0, -4.0), b.plane(1.0, 0.0, 0.0, 4.0),
              b.plane(0.0, 1.0, 0.0, 4.0)]
    b.root = "troot"
    b.add("troot", object_list(["tsections", "tdist"]))
    b.add("tdist", number_list([1, 2, 3, 4]))
    b.add("ground", polygon(27, True, square(b, 9.0), colour_word=rgb(GROUND)))
    b.add("tlink", number_list([0, 1, 0, 1]))
    b.add("tsplit", object_list(["ground"] * 7 + ["tlink"]))
    b.add("tindex", number_list([0]))
    b.add("locator", object_locator(planes, [None] * 4, "ground", []))
    b.add("tlocs", object_list(["locator", None]))
    b.add("tsections", object_list(["tindex", "tsplit", "tlocs"]))
    return b.build()


# Plane orders over the plane z = 0, children in slot order with their colours and depths; each
# child is a square of half size 6 at its z, so the child drawn last covers the centre.
PLANE_ORDERS = {
    11: [("far", RED, -1.0), ("near", BLUE, 1.0)],
    10: [("far", RED, -1.0), ("middle", GREEN, 0.0), ("near", BLUE, 1.0)],
    9: [("far", RED, -1.0), ("front", YELLOW, 0.0), ("near", BLUE, 1.0)],
    8: [("far", RED, -1.0), ("back", GREEN, 0.0), ("front", YELLOW, 0.0), ("near", BLUE, 1.0)],
    7: [("back", GREEN, 0.0), ("front", YELLOW, 0.0)],
    6: [("front", YELLOW, 0.0)],
}
# The record order of each type's child words (Part of the format: not the slot order).
PLANE_ORDER_RECORD = {11: ["near", "far"], 10: ["near", "middle", "far"], 9: ["far", "front", "near"],
                      8: ["near", "front", "back", "far"], 7: ["front", "back"], 6: ["front"]}


def scene_plane_order(t):
    b = Builder()
    plane = b.plane(0.0, 0.0, 1.0, 0.0)
    b.root = "order"
    for label, c, z in PLANE_ORDERS[t]:
        b.add(label, polygon(27, True, square(b, 6.0, z), colour_word=rgb(c)))
    b.add("order", plane_order(t, plane, PLANE_ORDER_RECORD[t]))
    return b.build()


def scene_fixed(t):
    """A car object (a file with a vertex fixer is read as one: a top list of shadow, cockpit
    and car). In the car, a vertex fixer under a transformation of type t that moves x by 10
    pins the three vertices of a triangle around (-5, 0); the triangle itself is drawn after
    the transformation. Type 22 keeps its fixed vertices when left (the triangle lands around
    (5, 0)); type 19 releases them (the triangle stays around (-5, 0))."""
    b = Builder()
    verts = [b.vertex(-7.0, -2.0, 0.0), b.vertex(-3.0, -2.0, 0.0), b.vertex(-5.0, 2.0, 0.0)]
    b.root = "top"
    b.add("top", object_list(["shadow", "cockpit", "car"]))
    b.add("shadow", object_list([]))
    b.add("cockpit", object_list([]))
    b.add("car", object_list(["move", "tri"]))
    b.add("move", transformation(t, "fix", (10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0)))
    b.add("fix", vertex_fixer(verts))
    b.add("tri", polygon(27, True, verts, colour_word=rgb(RED)))
    return b.build()


def textured_square(b, label, half=8.0):
    """A textured polygon (type 31) over (-half, -half)..(half, half), texture vertices (0, 0)
    at the lower left to (1, 1) at the upper right."""
    b.add(label, polygon(31, True, square(b, half), colour_word=rgb(GREEN),
                         uvs=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)]))


def scene_texture(name):
    """Texture `name` (5.1) over a textured square."""
    b = Builder()
    b.root = "tex"
    b.add("tex", material(1, "sq", [b.string(name)]))
    textured_square(b, "sq")
    return b.build()


def scene_texture_twice():
    """Two texture nodes of one name, each over its own square."""
    b = Builder()
    name = b.string("check")
    b.root = "top"
    b.add("top", object_list(["t1", "t2"]))
    b.add("t1", material(1, "sq1", [name]))
    b.add("t2", material(1, "sq2", [name]))
    textured_square(b, "sq1", 4.0)
    textured_square(b, "sq2", 8.0)
    return b.build()


def scene_multiple_textures():
    """A texture "other" over a square of half size 8, then multiple textures (5.17) "check"
    and "levels" over a list of a selector of the first (5.32, slot 0) over a square of half
    size 4 and a selector of slot 5, which holds nothing, over a textured square of half size
    1 around (6, -6)."""
    b = Builder()
    b.root = "top"
    b.add("top", object_list(["single", "multi"]))
    b.add("multi", material(17, "selectors", [b.string("check"), b.string("levels")]))
    b.add("selectors", object_list(["select", "nothing"]))
    b.add("select", material(32, "sq1", [0]))
    b.add("nothing", material(32, "sq3", [5]))
    b.add("single", material(1, "sq2", [b.string("other")]))
    textured_square(b, "sq1", 4.0)
    textured_square(b, "sq2", 8.0)
    b.add("sq3", polygon(31, True, square(b, 1.0, x=6.0, y=-6.0), colour_word=rgb(RED),
                         uvs=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)]))
    return b.build()


def scene_plain_under_texture():
    """A texture "check" over a textured square of half size 8 and, drawn after it, a plain
    (untextured) red square of half size 2."""
    b = Builder()
    b.root = "tex"
    b.add("tex", material(1, "both", [b.string("check")]))
    b.add("both", object_list(["sq", "plain"]))
    textured_square(b, "sq")
    b.add("plain", polygon(27, True, square(b, 2.0), colour_word=rgb(RED)))
    return b.build()


def scene_clip(near_z, moved=False):
    """A plane order (11) over the plane z = 0 with a near square at near_z (which must lie on
    the positive side within 0.01) and a far square at z = -2. moved: the near square stands at
    z = near_z - 5 under a transformation (22) that moves it up by 5."""
    b = Builder()
    plane = b.plane(0.0, 0.0, 1.0, 0.0)
    b.root = "order"
    b.add("order", plane_order(11, plane, ["near", "far"]))
    b.add("far", polygon(27, True, square(b, 3.0, -2.0), colour_word=rgb(RED)))
    if moved:
        b.add("near", transformation(22, "nearsq", (0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 1.0)))
        b.add("nearsq", polygon(27, True, square(b, 3.0, near_z - 5.0), colour_word=rgb(BLUE)))
    else:
        b.add("near", polygon(27, True, square(b, 3.0, near_z), colour_word=rgb(BLUE)))
    return b.build()


def scene_clip_front():
    """A plane order with a front child (9) over the plane z = 0: far square at z = -2, front
    square on the plane, near square at z = -0.011 (on the wrong side)."""
    b = Builder()
    plane = b.plane(0.0, 0.0, 1.0, 0.0)
    b.root = "order"
    b.add("order", plane_order(9, plane, ["far", "front", "near"]))
    b.add("far", polygon(27, True, square(b, 3.0, -2.0), colour_word=rgb(RED)))
    b.add("front", polygon(27, True, square(b, 3.0, 0.0), colour_word=rgb(YELLOW)))
    b.add("near", polygon(27, True, square(b, 3.0, -0.011), colour_word=rgb(BLUE)))
    return b.build()


def scene_nan_vertex():
    """A square whose first vertex has x = NaN, beside a sound one."""
    b = Builder()
    bad = [b.vertex(float("nan"), -2.0, 0.0), b.vertex(-2.0, -2.0, 0.0), b.vertex(-2.0, 2.0, 0.0)]
    b.root = "top"
    b.add("top", object_list(["bad", "good"]))
    b.add("bad", polygon(27, True, bad, colour_word=rgb(RED)))
    b.add("good", polygon(27, True, square(b, 2.0, x=5.0), colour_word=rgb(BLUE)))
    return b.build()


def scene_nan_angle():
    """A transformation (19) whose Z rotation is NaN over a square, beside a sound square."""
    b = Builder()
    b.root = "top"
    b.add("top", object_list(["turn", "good"]))
    b.add("turn", transformation(19, "bad", (0.0, 0.0, 0.0, float("nan"), 0.0, 0.0, 1.0)))
    b.add("bad", polygon(27, True, square(b, 2.0, x=-5.0), colour_word=rgb(RED)))
    b.add("good", polygon(27, True, square(b, 2.0, x=5.0), colour_word=rgb(BLUE)))
    return b.build()


def scene_nested(depth):
    """`depth` transformations (19, no movement) nested over a square, beside a sound square."""
    b = Builder()
    b.root = "top"
    b.add("top", object_list(["t0", "good"]))
    for i in range(depth):
        b.add("t%d" % i, transformation(19, "t%d" % (i + 1) if i + 1 < depth else "deep",
                                        (0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0)))
    b.add("deep", polygon(27, True, square(b, 2.0, x=-5.0), colour_word=rgb(RED)))
    b.add("good", polygon(27, True, square(b, 2.0, x=5.0), colour_word=rgb(BLUE)))
    return b.build()


def scene_external(name):
    """A square and an external object (14) named `name`."""
    b = Builder()
    b.root = "top"
    b.add("top", object_list(["good", "ext"]))
    b.add("good", polygon(27, True, square(b, 2.0, x=5.0), colour_word=rgb(BLUE)))
    b.add("ext", ext_object(b.string(name)))
    return b.build()


def scene_missing_texture():
    """A texture "nothere" (no such file) over a coloured textured square."""
    b = Builder()
    b.root = "tex"
    b.add("tex", material(1, "sq", [b.string("nothere")]))
    textured_square(b, "sq")
    return b.build()


def scene_sprite(height):
    """A scaled bitmap "tree" (uncoloured) standing at the origin with the given height.
    bitmap.py's tree.srb spans x -2..2 and z 0..6 at scale 1 (its corners 2 and 0 lie at z 0
    and 6), so a height of -6 draws it at its own size and 6 mirrored through the origin."""
    b = Builder()
    origin = b.vertex(0.0, 0.0, 0.0)
    b.root = "sprite"
    b.add("sprite", scaled_bitmap(False, origin, b.string("tree"), height=height))
    return b.build()


def scene_shot():
    """The object of the shots kept for review: the texture "check" on a square turned by half
    a radian about z, and a Gouraud square in the upper right whose four shades blend."""
    b = Builder()
    b.root = "top"
    b.add("top", object_list(["turn", "blend"]))
    b.add("turn", transformation(19, "tex", (0.0, 0.0, 0.0, 0.5, 0.0, 0.0, 1.0)))
    b.add("tex", material(1, "sq", [b.string("check")]))
    textured_square(b, "sq", 6.0)
    b.add("blend", polygon(28, True, square(b, 2.5, x=6.5, y=6.5), colour_word=rgb((255, 255, 255)),
                           shades=[colour(0, 0, 255, 255), colour(0, 255, 0, 255), colour(255, 0, 0, 255),
                                   colour(255, 255, 255, 255)]))
    return b.build()


# Folder -> file -> bytes. The folders' textures come from bitmap.py's drawing command.
def drawing_scenes():
    scenes = {
        "gpl-polygon": {"scene.3do": scene_polygon()},
        "gpl-locator": {"scene.3do": scene_locator()},
        "gpl-planes": {"order%d.3do" % t: scene_plane_order(t) for t in PLANE_ORDERS},
        "gpl-fixed": {"keep22.3do": scene_fixed(22), "release19.3do": scene_fixed(19)},
        "gpl-textures": {"check.3do": scene_texture("check"), "levels.3do": scene_texture("levels"),
                         "twice.3do": scene_texture_twice(), "multi.3do": scene_multiple_textures(),
                         "plain.3do": scene_plain_under_texture()},
        "gpl-clip": {"pass.3do": scene_clip(-0.01), "fail.3do": scene_clip(-0.011),
                     "moved.3do": scene_clip(1.0, moved=True), "front9.3do": scene_clip_front()},
        "gpl-shot": {"shot.3do": scene_shot()},
        "gpl-sprite": {"up.3do": scene_sprite(-6.0), "down.3do": scene_sprite(6.0)},
        "gpl-samples": {name: make() for name, make in SAMPLES.items()},
        "gpl-safety": {"nan-vertex.3do": scene_nan_vertex(), "nan-angle.3do": scene_nan_angle(),
                       "nested40.3do": scene_nested(40), "self.3do": scene_external("self"),
                       "loop-a.3do": scene_external("loop-b"), "loop-b.3do": scene_external("loop-a"),
                       "missing-object.3do": scene_external("absent"),
                       "missing-texture.3do": scene_missing_texture()},
    }
    return scenes


def write_drawing_scenes(outdir):
    for folder, files in drawing_scenes().items():
        os.makedirs(os.path.join(outdir, folder), exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(outdir, folder, name), "wb") as f:
                f.write(data)


def polygons_file(count, seed):
    """The drawing benchmark's object: `count` small polygons (triangles and quads some 10 units
    across, flat coloured and Gouraud) over (-500, -500)..(500, 500), as the pieces of a large
    object lie, in lists of 64."""
    rnd = random.Random(seed)
    b = Builder()
    labels = []
    for i in range(count):
        cx, cy, cz = rnd.uniform(-500, 500), rnd.uniform(-500, 500), rnd.uniform(-50, 50)
        n = rnd.randint(3, 4)
        verts = [b.vertex(cx + rnd.uniform(-5, 5), cy + rnd.uniform(-5, 5), cz + rnd.uniform(-1, 1))
                 for _ in range(n)]
        label = "P%d" % i
        if i % 3 == 0:
            b.add(label, polygon(28, True, verts))
        else:
            b.add(label, polygon(27, True, verts, colour_word=colour(rnd.randrange(256), rnd.randrange(256),
                                                                     rnd.randrange(256), 255)))
        labels.append(label)
    lists = []
    for i in range(0, len(labels), 64):
        label = "L%d" % i
        b.add(label, object_list(labels[i:i + 64]))
        lists.append(label)
    b.root = "top"
    b.add("top", object_list(lists))
    return b.build()


def textured_file(count):
    """The texture benchmark's object: `count` textured squares, each under its own texture
    tex000, tex001, ... (bitmap.py's textures command writes them)."""
    b = Builder()
    labels = []
    for i in range(count):
        label = "T%d" % i
        b.add(label, material(1, "S%d" % i, [b.string("tex%03d" % i)]))
        b.add("S%d" % i, polygon(31, True, square(b, 4.0, x=float(i % 10) * 9 - 45, y=float(i // 10) * 9 - 45),
                                  uvs=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)]))
        labels.append(label)
    b.root = "top"
    b.add("top", object_list(labels))
    return b.build()


# ---------------------------------------------------------------------------------------------
# Command line
# ---------------------------------------------------------------------------------------------

def check_file(path, strict=False, refs=True):
    with open(path, "rb") as f:
        data = f.read()
    tdo = parse(data, strict)
    if refs:
        problems = check_references(tdo, strict)
        if problems:
            raise FormatError("; ".join(problems[:5]))
    return tdo


def describe(tdo):
    """Lines that two files share exactly when they hold the same object, however their records,
    tables and strings are laid out."""
    by_offset = {r.offset: r for r in tdo.records}
    paths = {}
    order = []
    starts = [(node, "h%d" % i) for i, (_, node) in enumerate(tdo.handles)]
    if tdo.root_word is not None:
        starts.append((tdo.root_word, "root"))
    for start in starts:
        stack = [start]
        while stack:
            ref, path = stack.pop()
            if ref == NULL or ref in paths or ref not in by_offset:
                continue
            paths[ref] = path
            order.append(ref)
            rec = by_offset[ref]
            later = [(c, "%s/%d" % (path, i)) for i, c in enumerate(rec.children)]
            later += [(c, "%s/s%d" % (path, i)) for i, c in enumerate(rec.siblings)]
            stack += reversed(later)

    def name(ref):
        return "null" if ref == NULL else paths.get(ref, "?%d" % ref)

    def entries(table, indices):
        values = tdo.tables[table]
        return [repr(values[i][1:] if table != "PLAN" else values[i]) if i < len(values) else "?%d" % i
                for i in indices]

    lines = ["handle %s %s" % (tdo.strings.get(text, "?"), name(node)) for text, node in tdo.handles]
    lines.append("root %s" % (name(tdo.root_word) if tdo.root_word is not None else "none"))
    for ref in order:
        rec = by_offset[ref]
        body = " ".join("*" if i in rec.refs else rec.raw[i:i + 4].hex() for i in range(0, len(rec.raw), 4))
        lines.append("%s %s children=%s siblings=%s vertices=%s normals=%s planes=%s strings=%s body=%s" % (
            paths[ref], rec.text, ",".join(map(name, rec.children)), ",".join(map(name, rec.siblings)),
            ",".join(entries("XYZS", rec.vertices)), ",".join(entries("NORM", rec.normals)),
            ",".join(entries("PLAN", rec.planes)), ",".join(tdo.strings.get(t, "?") for t in rec.strings), body))
    return "".join(line + "\n" for line in lines)


def listing(tdo):
    lines = ["%d %s" % (r.offset, r.text) for r in tdo.records]
    lines.append("root %d" % tdo.root_word if tdo.root_word is not None else "root none")
    lines += ["handle %s %d" % (tdo.strings.get(name, "?"), ref) for name, ref in tdo.handles]
    return "".join(line + "\n" for line in lines)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("samples")
    p.add_argument("outdir")
    p = sub.add_parser("large")
    p.add_argument("path")
    p.add_argument("--records", type=int, default=250000)
    p.add_argument("--seed", type=int, default=7)
    p = sub.add_parser("document")
    p.add_argument("path")
    p.add_argument("--nodes", type=int, default=100000)
    p.add_argument("--wide", type=int, default=10000)
    p.add_argument("--vertices", type=int, default=20000)
    p.add_argument("--seed", type=int, default=11)
    p = sub.add_parser("check")
    p.add_argument("file")
    p.add_argument("--strict", action="store_true")
    p.add_argument("--no-refs", action="store_true")
    p = sub.add_parser("list")
    p.add_argument("file")
    p = sub.add_parser("describe")
    p.add_argument("files", nargs="+")
    p = sub.add_parser("selftest")
    p.add_argument("dir")
    p = sub.add_parser("drawing")
    p.add_argument("outdir")
    p = sub.add_parser("polygons")
    p.add_argument("path")
    p.add_argument("--count", type=int, default=50000)
    p.add_argument("--seed", type=int, default=11)
    p = sub.add_parser("textured")
    p.add_argument("path")
    p.add_argument("--count", type=int, default=100)
    args = parser.parse_args(argv)

    if args.command == "drawing":
        write_drawing_scenes(args.outdir)
        return 0
    if args.command in ("polygons", "textured"):
        data = polygons_file(args.count, args.seed) if args.command == "polygons" else textured_file(args.count)
        with open(args.path, "wb") as f:
            f.write(data)
        return 0

    if args.command == "samples" or args.command == "selftest":
        target = args.outdir if args.command == "samples" else args.dir
        os.makedirs(target, exist_ok=True)
        for name, make in SAMPLES.items():
            data = make()
            with open(os.path.join(target, name), "wb") as f:
                f.write(data)
            # The checker's own listing of the file, beside it.
            with open(os.path.join(target, name[:-4] + ".list"), "w") as f:
                f.write(listing(parse(data)))
        if args.command == "selftest":
            for name in SAMPLES:
                check_file(os.path.join(target, name), strict=True)
            return selftest_rejections()
        return 0
    if args.command in ("large", "document"):
        if args.command == "large":
            data = large_file(args.records, args.seed)
        else:
            data = document_file(args.nodes, args.wide, args.vertices, args.seed)
        with open(args.path, "wb") as f:
            f.write(data)
        print("%s: %d bytes" % (args.path, len(data)))
        return 0
    if args.command == "describe":
        for path in args.files:
            try:
                tdo = check_file(path, refs=False)
            except FormatError as e:
                print("%s: %s" % (path, e))
                return 1
            if len(args.files) > 1:
                sys.stdout.write("== %s\n" % path)
            sys.stdout.write(describe(tdo))
        return 0
    try:
        tdo = check_file(args.file, getattr(args, "strict", False), not getattr(args, "no_refs", False))
    except FormatError as e:
        print("%s: %s" % (args.file, e))
        return 1
    if args.command == "list":
        sys.stdout.write(listing(tdo))
    else:
        print("%s: ok, %d records, %d handles" % (args.file, len(tdo.records), len(tdo.handles)))
    return 0


def selftest_rejections():
    """The checker itself refuses what it must; a checker that accepts anything proves nothing."""
    cases = []
    b = Builder()
    tables(b)
    b.root = "a"
    b.add("a", object_list(["a"]))
    cases.append((b.build(), "GPL 3do Object List self reference"))
    b = Builder()
    b.root = "p"
    b.add("p", polygon(33, False, [], first_word=1))
    cases.append((b.build(), "GPL Textured Phong Polygon first word not 0"))
    b = Builder()
    b.root = "s"
    b.add("s", splitter(2, 1, 7, []))
    cases.append((b.build(), "GPL Latitude Splitter unknown comparison operator"))
    b = Builder()
    b.root = "x"
    b.add("x", lambda _: le32(21))
    cases.append((b.build(), "GPL TDO File unknown instruction type"))
    b = Builder()
    tables(b)
    b.root = "a"
    b.add("a", object_list(["b"]))
    b.add("b", object_list(["a"]))
    cases.append((b.build(), "cycle through record"))
    failures = 0
    for data, expected in cases:
        try:
            tdo = parse(data, True)
            problems = check_references(tdo, True)
            got = "; ".join(problems) if problems else "accepted"
        except FormatError as e:
            got = str(e)
        if expected not in got:
            print("checker accepted a bad file: expected %r, got %r" % (expected, got))
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
