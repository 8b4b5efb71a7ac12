#!/usr/bin/env python3
"""Writes N4 object archives (.3do and .ptf files) from plain Python node descriptions.

This generator is independent of the C++ readers: it encodes the archive layout on its own so
that the tests compare two separate understandings of the format.

Archive layout: there is no header. The file holds one object reference, that of the root
object; every object and every class is numbered the first time it occurs, from one counter
shared by objects and classes (the first object is 1, its class 2). A reference is an int32:
0 for no object, an earlier number for an object already written, or the next number followed
by the class (an earlier class number, or the next number followed by the class announcement:
int32 length and the descriptor name with its NUL) and then the object's body. A node that is
referenced twice is written once; the second reference is only its number.

A node is a `Node(kind, **fields)`; `Archive().ref(node)` writes it with everything below it.
Each kind has one writer function `write_<kind>(archive, node)` registered in `KINDS` with its
descriptor name; to support a new kind add one function and one `KINDS` entry.

Command line:
  n4archive.py samples DIR       writes the test samples (see SAMPLES) into DIR
  n4archive.py SAMPLE FILE       writes one sample to FILE
  n4archive.py drawing DIR       writes the drawing tests' scene folders into DIR
  n4archive.py mesh FILE N       writes the drawing benchmark's mesh of N triangles
"""

import struct
import sys
import os


class Node:
    """A node to archive: its kind (a key of KINDS) and its fields."""

    def __init__(self, kind, **fields):
        self.kind = kind
        self.f = fields

    def __getitem__(self, key):
        return self.f[key]

    def get(self, key, default=None):
        return self.f.get(key, default)


class Archive:
    def __init__(self):
        self.out = bytearray()
        self.counter = 0
        self.objects = {}   # id(node) -> object number
        self.classes = {}   # kind -> class number
        self.keep = []      # keeps written nodes alive so that id() stays unique

    # -- plain values ---------------------------------------------------------------------
    def s32(self, v):
        self.out += struct.pack('<i', v)

    def u32(self, v):
        self.out += struct.pack('<I', v)

    def u8(self, v):
        self.out += struct.pack('<B', v)

    def f32(self, v):
        self.out += struct.pack('<f', v)

    def f64(self, v):
        self.out += struct.pack('<d', v)

    def f64s(self, values):
        for v in values:
            self.f64(v)

    def string(self, text):
        """Length including the NUL, then the bytes and the NUL; the empty text is length 0."""
        data = text.encode('latin-1') if isinstance(text, str) else bytes(text)
        if not data:
            self.s32(0)
            return
        self.s32(len(data) + 1)
        self.out += data + b'\0'

    def array(self, values):
        """A size word (bytes) and that many doubles."""
        self.s32(8 * len(values))
        self.f64s(values)

    def box(self, box):
        self.f64s(box)

    # -- references -----------------------------------------------------------------------
    def ref(self, node):
        if node is None:
            self.s32(0)
            return
        key = id(node)
        if key in self.objects:
            self.s32(self.objects[key])
            return
        self.counter += 1
        self.objects[key] = self.counter
        self.keep.append(node)
        self.s32(self.counter)
        descriptor, writer = KINDS[node.kind]
        if node.kind in self.classes:
            self.s32(self.classes[node.kind])
        else:
            self.counter += 1
            self.classes[node.kind] = self.counter
            self.s32(self.counter)
            name = descriptor.encode('ascii') + b'\0'
            self.s32(len(name))
            self.out += name
        writer(self, node)


def archive_bytes(root, padding=0):
    a = Archive()
    a.ref(root)
    return bytes(a.out) + b'\0' * padding


# -- shared pieces of several records -----------------------------------------------------
def xyz_arrays(a, points):
    """Three arrays: all x, all y, all z."""
    for axis in range(3):
        a.array([p[axis] for p in points])


def uv_arrays(a, uvs):
    """Two arrays (all u, all v), or two size words 0 when there are none."""
    if not uvs:
        a.s32(0)
        a.s32(0)
        return
    a.array([t[0] for t in uvs])
    a.array([t[1] for t in uvs])


def channels(a, present, numbers):
    """One array per channel number: its values when present, else the size word 0."""
    for number in numbers:
        if number in present:
            a.array(present[number])
        else:
            a.s32(0)


# -- node kinds of the .3do structure, meshes, grouping and lights -------------------------
def write_Geometry(a, n):
    """Children: the vertices, then the polygons."""
    a.s32(1); a.s32(0); a.s32(1)
    a.ref(n.get('first')); a.ref(n.get('second'))


def write_Shape(a, n):
    """Children: the appearance (or texture), then the geometry."""
    a.s32(1); a.string(n.get('name', '')); a.s32(1); a.s32(1)
    a.ref(n.get('first')); a.ref(n.get('second'))


def write_Texture(a, n):
    version = n.get('version', 2)
    a.s32(1); a.s32(0); a.s32(version); a.string(n.get('name', ''))
    if version >= 2:
        a.u8(n.get('shared', 0))


def write_TriList(a, n):
    indices = n.get('indices', [])
    a.s32(1); a.s32(0); a.s32(1); a.s32(0); a.s32(1)
    a.s32(len(indices)); a.s32(4 * len(indices))
    for i in indices:
        a.u32(i)


def write_PlainVertexList(a, n):
    vertices = n.get('vertices', [])
    normals = n.get('normals', [(1.0, 0.0, 0.0)] * len(vertices))
    ch = n.get('channels', {})
    a.s32(1); a.s32(0); a.s32(1); a.s32(1); a.s32(len(vertices))
    xyz_arrays(a, vertices)
    a.s32(0)
    xyz_arrays(a, normals)
    a.s32(3)
    uv_arrays(a, n.get('uv1', []))
    channels(a, ch, range(0, 18))
    uv_arrays(a, n.get('uv2', []))
    channels(a, ch, (20, 21))


def write_RegionMorphVertexList(a, n):
    vertices = n.get('vertices', [])
    normals = n.get('normals', [(1.0, 0.0, 0.0)] * len(vertices))
    ch = n.get('channels', {})
    a.s32(1); a.s32(0); a.s32(1); a.s32(1); a.s32(len(vertices))
    xyz_arrays(a, vertices)
    a.s32(0)
    xyz_arrays(a, normals)
    a.s32(0); a.s32(3)
    uv_arrays(a, n.get('uv', []))
    channels(a, ch, range(0, 18))
    uv_arrays(a, n.get('specular', []))
    channels(a, ch, (20, 21))
    morphs = n.get('morphs', [])
    a.s32(len(morphs))
    for m in morphs:
        a.string(m['name']); a.s32(8); a.s32(m.get('value', 0))
        a.s32(len(m['indices']))
        xyz_arrays(a, m['vertices'])
        a.s32(0)
        xyz_arrays(a, m['normals'])
        a.s32(0)
        a.s32(4 * len(m['indices']))
        for i in m['indices']:
            a.s32(i)


def child_list(a, children):
    a.s32(len(children)); a.s32(4 * len(children))
    for c in children:
        a.ref(c)


def write_Group(a, n):
    a.s32(1); a.string(n.get('name', '')); a.s32(1); a.s32(1)
    a.box(n.get('box', [0.0] * 6)); a.s32(1)
    child_list(a, n.get('children', []))


def write_LodSwitch(a, n):
    children = n.get('children', [])
    a.s32(1); a.s32(0); a.s32(1); a.s32(1)
    a.box(n.get('box', [0.0] * 6)); a.s32(2)
    a.s32(len(children))
    a.f64s(n.get('values', [0.0, 0.0, 0.0]))
    a.u8(n.get('ignores', 0))
    a.s32(8 * len(children))
    a.f64s(n.get('distances', [float(i) for i in range(len(children))]))
    a.s32(4 * len(children))
    for c in children:
        a.ref(c)


def write_StateSwitch(a, n):
    children = n.get('children', [])
    flags = n.get('flags', [])
    states = n.get('states', [float(i) for i in range(len(children) + 1)])
    a.s32(1); a.string(n.get('name', '')); a.s32(1); a.s32(1)
    a.box(n.get('box', [0.0] * 6))
    a.s32(len(flags) + 1); a.string(n.get('variable', ''))
    for f in flags:
        a.u8(f)
    a.s32(len(children)); a.s32(0); a.s32(0)
    a.s32(8 * len(states)); a.f64s(states)
    a.s32(4 * len(children))
    for c in children:
        a.ref(c)


def write_Transform(a, n):
    a.s32(1); a.string(n.get('name', '')); a.s32(1); a.s32(1)
    a.box(n.get('box', [0.0] * 6)); a.s32(1)
    a.f64s(n.get('translation', [0.0] * 3)); a.f64s(n.get('rotation', [0.0] * 3))
    a.ref(n.get('child'))


def write_Billboard(a, n):
    a.s32(1); a.s32(0); a.s32(1); a.s32(1)
    a.box(n.get('box', [0.0] * 6)); a.s32(1)
    a.f64s(n.get('translation', [0.0] * 3)); a.f64s(n.get('axis', [0.0, 1.0, 0.0]))
    a.ref(n.get('child'))


def write_AppNode(a, n):
    a.s32(1); a.s32(0); a.s32(1)
    for v in n.get('integers', list(range(15))):
        a.s32(v)
    a.string(n.get('text', '')); a.ref(n.get('child'))


def write_Empty(a, n):
    a.s32(1); a.s32(0)


def write_PointLight(a, n):
    version = n.get('version', 3)
    a.s32(1); a.s32(0); a.s32(1); a.s32(version); a.f64(n.get('glow', 0.0))
    if version < 3:
        a.f64s(n.get('values', [0.0] * 4))
        a.f64(n.get('diffuse', 0.0)); a.f64(n.get('ambient', 0.0))
    else:
        for c in n.get('diffuse', (1.0, 1.0, 1.0)) + n.get('ambient', (0.0, 0.0, 0.0)):
            a.f32(c)
    a.f64s(n.get('position', [0.0] * 3))


def write_SelfLighting(a, n):
    a.s32(1); a.s32(0); a.s32(1); a.s32(1)
    a.f64s([0.0] * 6); a.s32(1)
    for f in n.get('flags', [0, 1]):
        a.u8(f)
    a.u8(1)
    a.f64s(n.get('values', [float(i) for i in range(9)]))
    a.ref(n.get('child'))


# -- node kinds of appearances, strips, fans, portals, texture coordinates and tracks -------
def write_Appearance(a, n):
    links = n.get('links', [None] * 7)
    a.s32(1); a.string(n.get('name', '')); a.s32(2)
    for link in links:
        a.ref(link)
    a.f64s(n.get('colour', [1.0, 1.0, 1.0]))
    a.f64s(n.get('values', [0.0] * 9))
    a.u32(n.get('function', 0))


def write_AnimatedTransform(a, n):
    d = n.get('d', [0.0] * 6)
    records = n.get('records', [])
    a.s32(1); a.string(n.get('name', '')); a.s32(1); a.s32(1)
    for _ in range(12):
        a.s32(0)
    a.s32(1)
    a.f64s([d[0], d[2], d[1], d[3], d[4], d[5]])
    a.ref(n.get('child'))
    a.s32(1); a.string(n.get('text', ''))
    a.s32(len(records)); a.s32(32 * len(records))
    for s in records:
        a.s32(s[0])
        for k in (1, 3, 2, 4, 5, 6, 7):
            a.f32(s[k])


def write_strip_or_fan(a, n):
    indices = n.get('indices', [])
    a.s32(1); a.s32(0); a.s32(1); a.ref(n.get('next')); a.s32(1)
    a.s32(len(indices)); a.s32(4 * len(indices))
    for i in indices:
        a.s32(i)


write_TriStrip = write_strip_or_fan
write_TriFan = write_strip_or_fan


def write_Portal(a, n):
    indices = n.get('indices', [])
    a.s32(1); a.string(n.get('name', '')); a.s32(1); a.s32(1); a.ref(n.get('vertices'))
    a.s32(len(indices)); a.s32(4 * len(indices))
    for i in indices:
        a.s32(i)


def write_TextureCoords(a, n):
    count = n.get('count', 0)
    a.s32(1); a.s32(0); a.s32(1); a.s32(count); a.s32(3)
    uv_arrays(a, n.get('uv', []))
    channels(a, n.get('channels', {}), range(0, 22))


def write_XSection(a, n):
    version = n.get('version', 2)
    sl, el, sa, ea, ss, es = n.get('values', [0.0] * 6)
    a.s32(1); a.s32(0); a.s32(version)
    if version == 2:
        a.f64s([sl, sa, ss, el, ea, es]); a.u8(0)
        return
    a.f32(sl); a.f64(sa); a.f32(ss); a.f32(el); a.f64(ea); a.f32(es); a.u8(0)
    for entry in n.get('types', [(0,), (0,)]):
        a.u8(entry[0])
        if entry[0] == 1:
            a.s32(0); a.s32(0)
        elif entry[0] == 2:
            a.f32(entry[1]); a.f32(entry[2]); a.u8(entry[3]); a.u8(entry[4])


def appearance_link_facts(app):
    """Link count and has-first / has-second of an appearance node (for wall and floor sections)."""
    links = app.get('links', [None] * 7)
    return sum(1 for l in links if l is not None), links[0] is not None, links[2] is not None


def write_WSection(a, n):
    version = n.get('version', 6)
    w = n.get('w', [0.0] * 8)
    header = n.get('header', [0, 0, 0])
    a.s32(1); a.s32(0); a.s32(version)
    if version == 5:
        a.f64(w[0]); a.f64(w[1])
    else:
        a.f32(w[0]); a.f32(w[1])
    a.u8(n.get('flag', 0)); a.s32(header[0]); a.f64s(w[2:8])
    a.s32(n.get('direction', 0))
    if version == 7:
        profile = n.get('profile')
        a.s32(1 if profile else 0)
        if profile:
            a.f32(-1.0); a.s32(profile['count'])
            for v in profile['x'] + profile['y']:
                a.f32(v)
    a.s32(n.get('wall', 2049))
    subsections = n.get('subsections', [[None] * 5])
    a.s32(len(subsections)); a.s32(header[1]); a.s32(header[2])
    boundaries = n.get('boundaries', [float(k) for k in range(1, len(subsections))])
    for k, entries in enumerate(subsections):
        if k > 0:
            a.f64(boundaries[k - 1])
        for entry in entries:
            if entry is None:
                a.s32(0)
                continue
            app = entry['appearance']
            a.ref(app)
            count, _, _ = appearance_link_facts(app)
            if count:
                a.ref(entry.get('second'))
            for link in entry.get('links', [None] * count):
                if link is None:
                    a.u8(1)
                else:
                    a.u8(0); a.u8(link[0]); a.f64(link[1]); a.f64(link[2]); a.u8(link[3])
                    a.f64(link[4]); a.f64(link[5])


def ref_array(a, nodes):
    """Count, and only for a non-empty list the size word and the references."""
    a.s32(len(nodes))
    if nodes:
        a.s32(4 * len(nodes))
        for node in nodes:
            a.ref(node)


def write_TrackSegment(a, n):
    version = n.get('version', 2)
    a.s32(1); a.s32(0); a.s32(version)
    ref_array(a, n.get('x', [])); ref_array(a, n.get('f', [])); ref_array(a, n.get('w', []))
    a.s32(n.get('type', 0))
    sx, sy, ex, ey, sh, eh = n.get('geometry', [0.0, 0.0, 100.0, 0.0, 0.0, 0.0])
    a.f64s([sx, sy, sh, ex, ey, eh])
    for b in n.get('bytes', [0, 0]):
        a.u8(b)
    if version >= 2:
        bm = n.get('bm', [])
        a.s32(len(bm))
        if bm:
            a.s32(12 * len(bm))
            for r in bm:
                a.f32(r[0]); a.f32(r[1]); a.s32(r[2])
        bs = n.get('bs', [])
        a.s32(len(bs))
        if bs:
            a.s32(16 * len(bs))
            for r in bs:
                for v in r:
                    a.f32(v)


def write_TracksideObject(a, n):
    version = n.get('version', 3)
    a.s32(1); a.s32(0); a.s32(version); a.string(n.get('name', '')); a.string(n.get('text', ''))
    if version >= 3:
        a.u8(n.get('flag', 0))


def write_TsoReference(a, n):
    version = n.get('version', 6)
    p = n.get('p', [0.0] * 6)
    a.s32(1); a.s32(0); a.s32(version)
    a.f64s([p[0], p[1], p[2], p[5], p[4], p[3]])
    a.ref(n.get('object'))
    if version < 6:
        return
    a.s32(n.get('wind', 0))
    name = n.get('name')
    a.u8(1 if name is None else 0)
    if name is not None:
        a.out += name.encode('latin-1').ljust(32, b'\0')[:32]
        w0, w1, w2 = n.get('w', (0, 0.0, 0))
        a.s32(w0); a.f32(w1); a.s32(w2)
    records = n.get('records', [])
    a.s32(len(records))
    for r in records:
        a.out += r[0].encode('latin-1').ljust(32, b'\0')[:32]
        a.s32(r[1]); a.f32(r[2])
    a.string(n.get('text', ''))


def write_Track(a, n):
    version = n.get('version', 8)
    segments = n.get('segments', [])
    a.s32(1); a.s32(0); a.s32(version); a.s32(len(segments)); a.u8(n.get('night', 0))
    if version == 6:
        a.f64s(n.get('values', [0.0] * 21))
    else:
        a.f64s(n.get('ambient', [1.0, 1.0, 1.0])); a.f32(n.get('sky', 0.0))
        bumps = n.get('bumps', [])
        a.s32(len(bumps))
        if bumps:
            a.s32(48 * len(bumps))
            for name, sizes, distances in bumps:
                a.out += name.encode('latin-1').ljust(16, b'\0')[:16]
                for v in list(sizes) + list(distances):
                    a.f32(v)
    a.s32(0)
    ref_array(a, n.get('details', [])); ref_array(a, n.get('objects', []))
    a.s32(4 * len(segments))
    for s in segments:
        a.ref(s)


def write_TrackDetail(a, n):
    a.s32(1); a.s32(0); a.s32(0); a.ref(n.get('appearance'))
    a.f64s(n.get('values', [0.0] * 5))
    uv = n.get('uv', [(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)])
    a.array([t[0] for t in uv]); a.array([t[1] for t in uv])


def write_FSection(a, n):
    version = n.get('version', 4)
    a.s32(1); a.s32(0); a.s32(version)
    lat = n.get('latitudes', [-5.0, 5.0])
    if version == 4:
        a.f64s(lat)
    else:
        a.f32(lat[0]); a.f32(lat[1])
    a.u8(n.get('straight', 0)); a.s32(n.get('function', 1)); a.s32(n.get('surface', 1))
    app = n.get('appearance')
    a.ref(app)
    count = appearance_link_facts(app)[0] if app is not None else 0
    if count:
        a.ref(n.get('coords'))
    for texel in n.get('texels', [None] * count):
        if texel is None:
            a.u8(1)
        else:
            a.u8(0); a.u8(texel[0]); a.f64(texel[1]); a.u8(texel[2]); a.f64s(texel[3:7])


KINDS = {
    'AnimatedTransform': ('AnimatedTransformDescriptor', write_AnimatedTransform),
    'Appearance': ('AppearanceDescriptor', write_Appearance),
    'Geometry': ('GeometryDescriptor', write_Geometry),
    'Shape': ('ShapeDescriptor', write_Shape),
    'Texture': ('TextureDescriptor', write_Texture),
    'TriList': ('TriListDescriptor', write_TriList),
    'PlainVertexList': ('PlainVertexListDescriptor', write_PlainVertexList),
    'XSection': ('X_SectionDescriptor', write_XSection),
    'WSection': ('W_SectionDescriptor', write_WSection),
    'TsoReference': ('TSOReferenceDescriptor', write_TsoReference),
    'TracksideObject': ('TSODescriptor', write_TracksideObject),
    'TrackSegment': ('SegmentDescriptor', write_TrackSegment),
    'TrackDetail': ('TrackDetailDescriptor', write_TrackDetail),
    'Track': ('TrackDescriptor', write_Track),
    'TextureCoords': ('TextureCoordsDescriptor', write_TextureCoords),
    'FSection': ('F_SectionDescriptor', write_FSection),
    'TriStrip': ('TriStripDescriptor', write_TriStrip),
    'TriFan': ('TriFanDescriptor', write_TriFan),
    'Transform': ('TransformDescriptor', write_Transform),
    'StateSwitch': ('StateSwitchDescriptor', write_StateSwitch),
    'SelfLighting': ('SelfLightingDescriptor', write_SelfLighting),
    'RegionMorphVertexList': ('RegionMorphVertexListDescriptor', write_RegionMorphVertexList),
    'Portal': ('PortalDescriptor', write_Portal),
    'PointLight': ('PointLightDescriptor', write_PointLight),
    'LodSwitch': ('LodSwitchDescriptor', write_LodSwitch),
    'Group': ('GroupDescriptor', write_Group),
    'Empty': ('EmptyDescriptor', write_Empty),
    'Billboard': ('BillboardDescriptor', write_Billboard),
    'AppNode': ('AppNodeDescriptor', write_AppNode),
}


# -- samples --------------------------------------------------------------------------------
def sample_structure():
    """Every structural, mesh, morph, grouping and light kind, every accepted version, shared
    nodes and null children. Values the tests check are noted beside them."""
    vertices = [(float(i), float(2 * i), float(-i)) for i in range(6)]      # vertex i = (i, 2i, -i)
    normals = [(0.0, 0.0, 1.0)] * 6
    plain = Node('PlainVertexList', vertices=vertices, normals=normals,
                 uv1=[(0.1 * i, 0.5) for i in range(6)],
                 channels={5: [float(50 + i) for i in range(6)], 21: [float(210 + i) for i in range(6)]})
    bare = Node('PlainVertexList', vertices=vertices[:3])               # no texture sets, no channels
    tris = Node('TriList', indices=[0, 1, 2, 3, 4, 5])
    empty_tris = Node('TriList', indices=[])
    texture1 = Node('Texture', version=1, name='wall.mip')
    texture2 = Node('Texture', version=2, name='road.mip', shared=1)
    shared_shape = Node('Shape', name='wheel', first=texture2,
                        second=Node('Geometry', first=plain, second=tris))  # referenced twice
    morph = Node('RegionMorphVertexList', vertices=vertices[:4], normals=normals[:4],
                 uv=[(0.0, 0.0)] * 4, specular=[(1.0, 1.0)] * 4,
                 channels={2: [2.0] * 4, 21: [21.0] * 4},
                 morphs=[dict(name='open', value=7, indices=[1, 3, 1],
                              vertices=[(9.0, 9.0, 9.0), (8.0, 8.0, 8.0), (7.0, 7.0, 7.0)],
                              normals=[(0.0, 1.0, 0.0)] * 3),
                         dict(name='', value=-1, indices=[], vertices=[], normals=[])])
    lod = Node('LodSwitch', box=[-1.0, -1.0, -1.0, 1.0, 1.0, 1.0], values=[1.5, 2.5, 3.5], ignores=1,
               distances=[10.0, 100.0], children=[shared_shape, Node('Empty')])
    state = Node('StateSwitch', name='lights', variable='night', flags=[1, 0, 1],
                 children=[Node('PointLight', version=2, glow=4.0, values=[1.0, 2.0, 3.0, 4.0],
                                diffuse=0.5, ambient=0.25, position=[1.0, 2.0, 3.0]),
                           Node('PointLight', version=3, glow=2.0, diffuse=(1.0, 0.0, 0.0),
                                ambient=(0.0, 0.5, 0.0), position=[4.0, 5.0, 6.0])],
                 states=[0.0, 1.0, 2.0])
    transform = Node('Transform', name='door', box=[0.0] * 6, translation=[1.0, 2.0, 3.0],
                     rotation=[10.0, 20.0, 30.0], child=Node('Geometry', first=bare, second=empty_tris))
    billboard = Node('Billboard', translation=[5.0, 6.0, 7.0], axis=[0.0, 0.0, 1.0], child=shared_shape)
    app = Node('AppNode', integers=list(range(100, 115)), text='app text', child=None)
    lit = Node('SelfLighting', flags=[1, 0], values=[0.5] * 9, child=Node('Shape', name='', first=texture1,
                                                                            second=None))
    return Node('Group', name='root', box=[-10.0, -10.0, -10.0, 10.0, 10.0, 10.0],
                children=[lod, state, transform, billboard, app, lit, morph, None,
                          Node('Group', name='nothing', children=[])])


def sample_shared():
    """One shape referenced from three places (ids 2.. in the tests' expectations)."""
    shape = Node('Shape', name='s', first=None, second=None)
    return Node('Group', name='g', children=[shape, shape, Node('Group', name='inner', children=[shape])])


def sample_ptf():
    """A small .ptf track (for the F2 node kinds)."""
    texture = Node('Texture', version=2, name='grass.mip', shared=0)
    app = Node('Appearance', name='grass', links=[texture, None, None, None, None, None, None], function=1)
    coords = Node('TextureCoords', count=4, uv=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)],
                  channels={3: [3.0] * 4, 20: [20.0] * 4})
    xsec = Node('XSection', version=2, values=[-5.0, 5.0, 0.0, 0.0, 0.0, 0.0])
    xsec3 = Node('XSection', version=3, values=[-5.0, 5.0, 1.0, 1.0, 0.0, 0.0],
                 types=[(1,), (2, 0.5, 0.25, 1, 2)])
    fsec = Node('FSection', version=4, appearance=app, coords=coords, texels=[None])
    fsec5 = Node('FSection', version=5, appearance=None)
    wsec = Node('WSection', version=7, profile=dict(count=2, x=[0.0] * 4, y=[1.0] * 4),
                subsections=[[dict(appearance=app, second=coords, links=[(1, 0.5, 0.5, 0, 1.0, 1.0)]),
                              None, None, None, None]])
    segment = Node('TrackSegment', version=2, x=[xsec, xsec3], f=[fsec, fsec5], w=[wsec],
                   bm=[(1.0, 4.0, 7)], bs=[(0.5, 1.5, 2.0, 3.0)])
    tso = Node('TracksideObject', version=3, name='tree', text='tree.3do', flag=1)
    ref = Node('TsoReference', version=6, object=tso, name='tree1', w=(1, 0.5, 2),
               records=[('r', 3, 1.5)], text='t')
    detail = Node('TrackDetail', appearance=app, values=[1.0, 2.0, 3.0, 4.0, 5.0])
    return Node('Track', version=8, segments=[segment], details=[detail], objects=[ref],
                bumps=[('bump', (1.0, 2.0, 3.0, 4.0), (5.0, 6.0, 7.0, 8.0))])


def sample_primitives():
    """Appearances, an animated transform, a chain of strips, a fan and a portal in a .3do."""
    plain = Node('PlainVertexList', vertices=[(float(i), 0.0, 0.0) for i in range(5)])
    chain = Node('TriStrip', indices=[0, 1, 2, 3],                         # strip -> strip -> list
                 next=Node('TriStrip', indices=[2, 3, 4], next=Node('TriList', indices=[0, 1, 2])))
    fan = Node('TriFan', indices=[0, 1, 2, 3], next=plain)
    portal = Node('Portal', name='door', vertices=plain, indices=[0, 1, 2, 2, 3, 4])
    base = Node('Texture', version=2, name='base.mip', shared=1)
    look = Node('Appearance', name='look', colour=[0.1, 0.2, 0.3], values=[float(i) for i in range(9)],
                function=19, links=[base, None, Node('Texture', version=1, name='light.mip'), None, None,
                                    Node('Texture', version=2, name='shine.mip', shared=0), base])
    arm = Node('AnimatedTransform', name='arm', text='swing', d=[1.0, 2.0, 3.0, 4.0, 5.0, 6.0],
               records=[(3, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5), (-1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0)],
               child=Node('Geometry', first=chain, second=plain))
    return Node('Group', name='primitives', children=[arm, fan, portal, Node('Shape', name='s', first=chain,
                                                                                 second=look)])


def sample_ptf_variants():
    """The other versions of the .ptf records: track 6, segment 1, cross section 3, floor 5
    with base texture and light map, walls 5 and 7 (one without subsections), trackside
    object 2 and reference 1."""
    base = Node('Texture', version=2, name='base.mip', shared=0)
    light = Node('Texture', version=2, name='light.mip', shared=0)
    app = Node('Appearance', name='two', links=[base, None, light, None, None, None, None], function=2)
    coords = Node('TextureCoords', count=2, uv=[], channels={0: [1.0, 2.0]})
    floor = Node('FSection', version=5, latitudes=[-4.5, 4.5], surface=12, function=5, appearance=app,
                 coords=coords, texels=[(1, 0.5, 0, 0.25, 0.1, 0.2, 0.3), None])
    wall5 = Node('WSection', version=5, w=[float(i) for i in range(8)], header=[7, 8, 9], direction=1,
                 wall=2055, subsections=[[None] * 5, [dict(appearance=app, second=coords,
                                                           links=[None, (0, 1.0, 2.0, 1, 3.0, 4.0)])] + [None] * 4],
                 boundaries=[0.25])
    wall7 = Node('WSection', version=7, subsections=[])
    xsec = Node('XSection', version=3, values=[-6.0, 6.0, 0.5, 1.5, 0.0, 0.0], types=[(0,), (1,)])
    segment = Node('TrackSegment', version=1, type=1, x=[xsec], f=[floor], w=[wall5, wall7],
                   geometry=[0.0, 0.0, 10.0, 10.0, 0.0, 1.5707963267948966])
    tso = Node('TracksideObject', version=2, name='stand', text='stand.3do')
    ref = Node('TsoReference', version=1, object=tso, p=[1.0, 2.0, 3.0, 4.0, 5.0, 6.0])
    return Node('Track', version=6, night=1, values=[float(i) for i in range(21)], segments=[segment, segment],
                objects=[ref])


# -- drawing scenes ---------------------------------------------------------------------------
# Small objects whose pixels the drawing tests work out from the geometry below (an
# orthographic view of x and y from -10 to 10, the eye on the +z side). Colours are (r, g, b)
# bytes; an appearance holds them divided by 255.
RED = (220, 30, 30)
GREEN = (30, 200, 30)
BLUE = (30, 30, 220)
FLOOR = (51, 102, 204)
WALL = (204, 102, 51)
WHITE = (255, 255, 255)


def appearance(rgb, links=None):
    """Texture function code 1: the first texture function (modulate)."""
    return Node('Appearance', name='', colour=[c / 255.0 for c in rgb], function=1,
                links=links or [None] * 7)


def square_points(half, z=0.0, x=0.0):
    """Counter-clockwise seen from +z."""
    return [(x - half, -half, z), (x + half, -half, z), (x + half, half, z), (x - half, half, z)]


def coloured_shape(rgb, half=5.0, z=0.0, x=0.0, primitive=None):
    """A shape of one colour over a square; the primitive defaults to two triangles."""
    primitive = primitive or Node('TriList', indices=[0, 1, 2, 0, 2, 3])
    geometry = Node('Geometry', first=Node('PlainVertexList', vertices=square_points(half, z, x)), second=primitive)
    return Node('Shape', name='', first=appearance(rgb), second=geometry)


def scene_lod():
    """A level-of-detail switch with split distances 100, 50 and 0 over a red, a green and a
    blue square."""
    return Node('Group', name='lod', children=[
        Node('LodSwitch', distances=[100.0, 50.0, 0.0],
             children=[coloured_shape(RED), coloured_shape(GREEN), coloured_shape(BLUE)])])


def scene_depth():
    """A red square at z = 1 drawn before a blue one at z = -1: with the depth test the red
    one stays in front."""
    return Node('Group', name='depth', children=[coloured_shape(RED, z=1.0), coloured_shape(BLUE, z=-1.0)])


def scene_bad(primitive):
    """A green square at x = -5 drawn with a bad primitive, beside a sound blue one at x = 5."""
    return Node('Group', name='bad', children=[coloured_shape(GREEN, 3.0, x=-5.0, primitive=primitive),
                                               coloured_shape(BLUE, 3.0, x=5.0)])


def track_scene(floor_coords=None, floor_texture=False):
    """A straight segment from (-5, 0) to (5, 0): a floor between the floor sections at
    latitudes -4 and 4, a wall at latitude 6 (half width 0.5, height 2, one piece) and a
    detail over x -8..-5, y -9..-7 textured with grass.mip."""
    grass = Node('Texture', version=2, name='grass.mip', shared=0)
    textured = appearance(WHITE, [grass] + [None] * 6)
    floor_app = appearance(FLOOR, [grass] + [None] * 6) if floor_texture else appearance(FLOOR)
    first = Node('FSection', version=4, latitudes=[-4.0, -4.0], appearance=floor_app, coords=floor_coords,
                 texels=[None] if floor_texture else [])
    last = Node('FSection', version=4, latitudes=[4.0, 4.0], appearance=appearance(FLOOR))
    wall_app = appearance(WALL)
    wall = Node('WSection', version=6, w=[6.0, 6.0, 2.0, 2.0, 0.5, 0.5, 0.5, 0.5],
                subsections=[[dict(appearance=wall_app)] * 5])
    xsec = Node('XSection', version=2, values=[-20.0, 20.0, 0.0, 0.0, 0.0, 0.0])
    segment = Node('TrackSegment', version=2, x=[xsec], f=[first, last], w=[wall],
                   geometry=[-5.0, 0.0, 5.0, 0.0, 0.0, 0.0])
    detail = Node('TrackDetail', appearance=textured, values=[-8.0, -9.0, 3.0, 2.0, 0.0])
    return Node('Track', version=8, segments=[segment], details=[detail], objects=[])


def scene_light_map():
    """A shape over a square of half size 8 with texture vertices (0, 0) at its lower left to
    (1, 1) at its upper right, whose appearance links grass.mip first and light.mip second (a
    light map)."""
    grass = Node('Texture', version=2, name='grass.mip', shared=0)
    light = Node('Texture', version=2, name='light.mip', shared=0)
    vertices = Node('PlainVertexList', vertices=square_points(8.0), uv1=[(0.0, 0.0), (1.0, 0.0), (1.0, 1.0), (0.0, 1.0)])
    geometry = Node('Geometry', first=vertices, second=Node('TriList', indices=[0, 1, 2, 0, 2, 3]))
    look = appearance(WHITE, [grass, None, light, None, None, None, None])
    return Node('Group', name='lit', children=[Node('Shape', name='', first=look, second=geometry)])


def drawing_scenes():
    """folder -> file -> bytes (bitmap.py's drawing command writes grass.mip beside them)."""
    return {
        'n4-lod': {'lod.3do': archive_bytes(scene_lod())},
        'n4-depth': {'depth.3do': archive_bytes(scene_depth())},
        'n4-bad': {'trilist.3do': archive_bytes(scene_bad(Node('TriList', indices=[0, 1, 2, 0, 2, 9]))),
                   'strip.3do': archive_bytes(scene_bad(Node('TriStrip', indices=[0, 1, 3, -1]))),
                   'fan.3do': archive_bytes(scene_bad(Node('TriFan', indices=[0, 1, 2, 4])))},
        'n4-track': {'track.ptf': archive_bytes(track_scene()), 'lightmap.3do': archive_bytes(scene_light_map())},
        'n4-samples': {name: make() for name, make in SAMPLES.items()},
        'n4-short': {'short.ptf': archive_bytes(track_scene(
            Node('TextureCoords', count=2, uv=[(0.0, 0.0), (1.0, 0.0)]), floor_texture=True))},
    }


def mesh_bytes(triangles):
    """The drawing benchmark's mesh: one shape over a grid of vertices with `triangles`
    triangles in one triangle list."""
    side = 1
    while 2 * side * side < triangles:
        side += 1
    vertices = [(float(i), float(j), 0.0) for j in range(side + 1) for i in range(side + 1)]
    indices = []
    for j in range(side):
        for i in range(side):
            a = j * (side + 1) + i
            indices += [a, a + 1, a + side + 2, a, a + side + 2, a + side + 1]
    indices = indices[:3 * triangles]
    geometry = Node('Geometry', first=Node('PlainVertexList', vertices=vertices), second=Node('TriList', indices=indices))
    return archive_bytes(Node('Group', name='mesh', children=[
        Node('Shape', name='', first=appearance(GREEN), second=geometry)]))


SAMPLES = {
    'structure.3do': lambda: archive_bytes(sample_structure()),
    'structure-padded.3do': lambda: archive_bytes(sample_structure(), padding=1),
    'shared.3do': lambda: archive_bytes(sample_shared()),
    'track.ptf': lambda: archive_bytes(sample_ptf()),
    'primitives.3do': lambda: archive_bytes(sample_primitives()),
    'variants.ptf': lambda: archive_bytes(sample_ptf_variants()),
}


def main(argv):
    if len(argv) == 3 and argv[1] == 'drawing':
        for folder, files in drawing_scenes().items():
            os.makedirs(os.path.join(argv[2], folder), exist_ok=True)
            for name, data in files.items():
                with open(os.path.join(argv[2], folder, name), 'wb') as f:
                    f.write(data)
        return 0
    if len(argv) == 4 and argv[1] == 'mesh':
        with open(argv[2], 'wb') as f:
            f.write(mesh_bytes(int(argv[3])))
        return 0
    if len(argv) == 3 and argv[1] == 'samples':
        os.makedirs(argv[2], exist_ok=True)
        for name, make in SAMPLES.items():
            with open(os.path.join(argv[2], name), 'wb') as f:
                f.write(make())
        return 0
    if len(argv) == 3 and argv[1] in SAMPLES:
        with open(argv[2], 'wb') as f:
            f.write(SAMPLES[argv[1]]())
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv))
