#!/usr/bin/env python3
"""Independent writer, reader and pixel decoder of GPL bitmap files, standard library only.

It knows the GPL chunked bitmap layout (BMAP with BMHD, CMAP and DATA chunks; the " MIP"
chunk with MPHD; the SRB wrapper with SRHD and SRH2) and the eleven pixel formats, and is
written from the format description alone, sharing no code with the C++ readers.

Commands:
  samples DIR            write sample files of every format, their pixel listings
                         (<file>.pixels) and DIR/samples.txt; crafted broken files under
                         DIR/bad with DIR/bad/messages.txt (file, kind, expected message; the
                         kind "K@resave" with the message "loads" marks a crafted file that
                         loads and must save as a file that loads)
  check FILE [--kind K] [--pixels OUT]
                         read FILE as kind K (pbf, mip, mip1, srb, srb-strict, bmap1;
                         default from the extension), print "ok" or the first rule broken
                         (exit status 1), and optionally write the decoded pixels
  selftest DIR           write the samples and prove that every sample reads back to its own
                         pixels and every crafted file fails with its message (or loads)
  drawing DIR            write the textures of the drawing tests' scene folders into DIR
  textures DIR [--count N] [--size S]
                         write the texture benchmark's files tex000.mip ... (S x S, two levels)
  zero-n4 FILE CODE WEXP HEXP COUNT [--fill BYTE]
                         write an N4 MIP of format CODE whose COUNT levels (level 0 2^WEXP x
                         2^HEXP) are imploded zeros, or bytes of the value BYTE (a small file
                         that declares huge levels)

Pixel listings: a line "levels N", then per level "level W H" and one line "r g b a" per
pixel, rows top first.
"""

import argparse
import os
import random
import struct
import sys

BLANK = 0x20

# code: (bits per unit, block width, block height, red, green, blue, alpha, class, paletted)
FORMATS = {
    0: (4, 1, 1, 8, 8, 8, 8, 0, True),
    1: (4, 1, 1, 8, 8, 8, 8, 1, True),
    2: (4, 1, 1, 8, 8, 8, 8, 2, True),
    3: (16, 1, 1, 5, 6, 5, 0, 0, False),
    4: (16, 1, 1, 5, 5, 5, 1, 1, False),
    5: (16, 1, 1, 4, 4, 4, 4, 2, False),
    6: (24, 1, 1, 8, 8, 8, 0, 0, False),
    7: (32, 1, 1, 8, 8, 8, 8, 2, False),
    8: (8, 1, 1, 8, 8, 8, 0, 0, False),
    10: (64, 4, 4, 5, 6, 5, 0, 0, False),
    11: (128, 4, 4, 5, 6, 5, 4, 2, False),
}


def chunk_id(text):
    """The four letters as they stand in a file: reversed."""
    return text[::-1].encode("ascii")


def header(text, version, size):
    return chunk_id(text) + struct.pack("<II", version, size)


def stride_of(code, width):
    bits, bw, bh = FORMATS[code][:3]
    blocks = (width + bw - 1) // bw
    return (blocks * bits + 31) // 32 * 4 // bh


def pixel_byte_count(code, width, height):
    bh = FORMATS[code][2]
    return (height + bh - 1) // bh * bh * stride_of(code, width)


# ---------------------------------------------------------------- implode, literals only

class ImplodeBits:
    """The bits of a binary-mode implode stream with a 4096-byte dictionary, least significant
    first, after its two header bytes."""

    def __init__(self):
        self.out = bytearray([0, 6])
        self.acc = 0
        self.nbits = 0

    def put(self, value, count):
        self.acc |= value << self.nbits
        self.nbits += count
        while self.nbits >= 8:
            self.out.append(self.acc & 0xFF)
            self.acc >>= 8
            self.nbits -= 8

    def end(self):
        """The end code (flag 1, length code 0000000 of the last length group, its 8 extra bits
        all set) and the last partial byte."""
        self.put(1, 1)
        self.put(0, 7)
        self.put(0xFF, 8)
        if self.nbits:
            self.out.append(self.acc & 0xFF)
        return bytes(self.out)


def implode_literals(data):
    """A binary-mode implode stream that codes every byte as a literal: flag bit 0 and the 8
    bits of the byte; then the end code."""
    bits = ImplodeBits()
    for byte in data:
        bits.put(0, 1)
        bits.put(byte, 8)
    return bits.end()


def explode_literals(stream):
    """Decodes a literal-only stream; None for anything else."""
    if len(stream) < 3 or stream[0] != 0 or stream[1] not in (4, 5, 6):
        return None
    pos = 16
    total = len(stream) * 8

    def get(count):
        nonlocal pos
        if pos + count > total:
            raise ValueError
        value = 0
        for i in range(count):
            bit = (stream[(pos + i) // 8] >> ((pos + i) % 8)) & 1
            value |= bit << i
        pos += count
        return value

    out = bytearray()
    try:
        while True:
            if get(1) == 0:
                out.append(get(8))
                continue
            if get(7) != 0 or get(8) != 0xFF:
                return None
            return bytes(out)
    except ValueError:
        return None


def implode_zeros(n, byte=0):
    """A binary-mode implode stream (4096-byte dictionary) of n bytes of the value `byte` (zeros
    by default), about 170 to 1: a literal, then copies of the longest length (518 bytes) from 1
    byte back, each 24 bits: flag 1, length code 0000000 with 8 extra bits 11111110, distance
    code 11 and 6 low bits 0; the last bytes as literals; then the end code."""
    bits = ImplodeBits()

    def literal():
        bits.put(0, 1)
        bits.put(byte, 8)

    def copy():
        bits.put(1, 1)
        bits.put(0, 7)
        bits.put(516 - 262, 8)
        bits.put(0x03, 2)
        bits.put(0, 6)

    if n > 0:
        literal()
        copies, rest = divmod(n - 1, 518)
        if copies:
            # A copy is three whole bytes and leaves the same bits behind: the bytes that finish
            # with each copy after the first (which finish with the literal's last bits) are
            # the same three bytes every time.
            copy()
            if copies > 1:
                start = len(bits.out)
                copy()
                bits.out.extend(bytes(bits.out[start:]) * (copies - 2))
        for _ in range(rest):
            literal()
    return bits.end()


def zero_n4_mip(code, wexp, hexp, count, fill=0):
    """An N4 MIP whose count levels (level 0 wexp x hexp as powers of 2) are bytes of the value
    fill (zeros by default), imploded: a few megabytes that declare gigabytes of pixels. Of
    format 7, fill 255 is opaque white."""
    levels = []
    for m in range(count):
        w = 1 if m > wexp else 1 << (wexp - m)
        h = 1 if m > hexp else 1 << (hexp - m)
        levels.append(bmap(code, w, h, None, method=1, imploded=implode_zeros(pixel_byte_count(code, w, h), fill)))
    return n4_mip(4, code, wexp, hexp, levels)


# ---------------------------------------------------------------- writers

def cmap(entries, version=0, size=None):
    """entries: (blue, green, red, alpha) byte tuples."""
    body = b"".join(bytes(e) for e in entries)
    return header("CMAP", version, len(body) if size is None else size) + body


def bmap(code, width, height, data, method=0, palette=None, stride=None, bmhd_size=14, fill=(BLANK, BLANK),
         filler=None, bmap_version=0, bmhd_version=0, data_version=0, bmap_id="BMAP", bmhd_id="BMHD",
         data_id="DATA", size_delta=0, imploded=None):
    """imploded: the stored bytes of a method-1 level as they are, in place of data's."""
    stored = imploded if imploded is not None else implode_literals(data) if method == 1 else data
    if stride is None:
        stride = stride_of(code, width) if code in FORMATS else 0
    body = header(bmhd_id, bmhd_version, bmhd_size)
    body += struct.pack("<BIIIB", code, width, height, stride, method) + bytes(fill)
    if palette is not None:
        body += palette
    body += header(data_id, data_version, len(stored)) + stored
    pad = (4 - len(stored) % 4) % 4
    body += bytes([BLANK] * pad) if filler is None else filler
    return header(bmap_id, bmap_version, len(body) + size_delta) + body


def mip(code, wexp, hexp, levels, colour=(0, 0, 0, 0), repeat=0, count=None, version=0, unknown=0, text=b"",
        palette=None, mphd_size=None, fill=(BLANK, BLANK), mip_version=0, mip_id=" MIP", mphd_id="MPHD",
        size_delta=0):
    body_header = struct.pack("<BII", code, wexp, hexp) + bytes(colour)
    body_header += struct.pack("<BI", repeat, len(levels) if count is None else count)
    if version == 1:
        body_header += struct.pack("<I", unknown) + text.ljust(16, b"\0")[:16]
    if mphd_size is None:
        mphd_size = 38 if version == 1 else 18
    body = header(mphd_id, version, mphd_size) + body_header + bytes(fill)
    if palette is not None:
        body += palette
    body += b"".join(levels)
    return header(mip_id, mip_version, len(body) + size_delta) + body


def srb(scales, unknowns, mip_bytes, srb_size=84, srb_version=0, srhd=("SRHD", 0, 24), srh2=("SRH2", 0, 36),
        srb_id="SRB "):
    out = header(srb_id, srb_version, srb_size)
    out += header(*srhd) + struct.pack("<6f", *scales)
    out += header(*srh2) + struct.pack("<9I", *unknowns)
    return out + mip_bytes


# ---------------------------------------------------------------- reader

class Broken(Exception):
    pass


class Reader:
    def __init__(self, data, pos=0):
        self.data = data
        self.pos = pos

    def take(self, n):
        if self.pos + n > len(self.data):
            raise Broken("short read")
        b = self.data[self.pos:self.pos + n]
        self.pos += n
        return b

    def u8(self):
        return self.take(1)[0]

    def u32(self):
        return struct.unpack("<I", self.take(4))[0]

    def chunk(self):
        ident = self.take(4)[::-1].decode("latin-1")
        version, size = struct.unpack("<II", self.take(8))
        return ident, version, size

    def expect(self, ident, id_message, version_message, size=None, size_message=None):
        """A chunk header checked in order: its id, version 0, and the size when one is given."""
        got, version, got_size = self.chunk()
        if got != ident:
            raise Broken(id_message)
        if version != 0:
            raise Broken(version_message)
        if size is not None and got_size != size:
            raise Broken(size_message)
        return got_size

    def peek_id(self):
        if self.pos + 4 > len(self.data):
            raise Broken("short read")
        return self.data[self.pos:self.pos + 4][::-1].decode("latin-1")


def grey_palette():
    return [(i / 15, i / 15, i / 15, 1.0) for i in range(16)]


def make_colour(r, g, b, a):
    return (0.0, 0.0, 0.0, 0.0) if a == 0 else (r, g, b, a)


def read_cmap(rd):
    size = rd.expect("CMAP", "GPL palette id not CMAP", "GPL palette unsupported version")
    if size % 4:
        raise Broken("GPL palette incorrect size")
    raw = rd.take(size)
    return [make_colour(raw[i + 2] / 255, raw[i + 1] / 255, raw[i] / 255, raw[i + 3] / 255)
            for i in range(0, size, 4)]


class Section:
    pass


def read_bmap(rd, shared, max_method):
    size = rd.expect("BMAP", "GPL bitmap id not BMAP", "GPL bitmap unsupported version")
    end = rd.pos + size
    rd.expect("BMHD", "GPL bitmap header not found", "GPL bitmap header unsupported version",
              14, "GPL bitmap header incorrect size")
    code, width, height, stride, method = struct.unpack("<BIIIB", rd.take(14))
    fill = rd.take(2)
    if code not in FORMATS:
        raise Broken("GPL bitmap header unknown format")
    if method > max_method:
        raise Broken("GPL bitmap header unsupported compression method")
    if stride_of(code, width) != stride:
        raise Broken("GPL bitmap header width in bytes incorrect")
    if fill[0] != BLANK:
        raise Broken("GPL bitmap header fill byte 0 not blank")
    if fill[1] != BLANK:
        raise Broken("GPL bitmap header fill byte 1 not blank")
    s = Section()
    s.code, s.width, s.height, s.stride, s.method = code, width, height, stride, method
    s.own = False
    s.palette = None
    if FORMATS[code][8]:
        if rd.peek_id() == "CMAP":
            s.palette = read_cmap(rd)
            s.own = True
        elif shared is not None:
            s.palette = shared
        else:
            s.palette = grey_palette()
    dsize = rd.expect("DATA", "GPL bitmap data header id not DATA", "GPL bitmap data unsupported version")
    count = pixel_byte_count(code, width, height)
    if count > 0xFFFFFFFF or rd.pos > end or dsize > end - rd.pos:
        raise Broken("GPL bitmap incorrect size")
    s.stored = rd.take(dsize)
    if dsize % 4:
        if any(b != BLANK for b in rd.take(4 - dsize % 4)):
            raise Broken("GPL bitmap filler incorrect")
    if rd.pos != end:
        raise Broken("GPL bitmap incorrect size")
    s.count = count
    return s


def pixel_bytes(s):
    """The pixel bytes of a section, or raises Broken with the access error."""
    if s.method == 0:
        if len(s.stored) != s.count:
            raise Broken("CompressedDataSize == UncompressedDataSize")
        return s.stored
    data = explode_literals(s.stored)
    if data is None or len(data) != s.count:
        raise Broken("result_size == UncompressedDataSize")
    return data


def decode_block(block, i, alpha):
    c0, c1, codes = struct.unpack("<HHI", block[:8])
    weight = (1.0, 0.0, 2 / 3, 1 / 3)[(codes >> (2 * i)) & 3]

    def mix(a, b):
        return b * (1 - weight) + a * weight

    return make_colour(mix((c0 >> 11) / 31, (c1 >> 11) / 31), mix(((c0 >> 5) & 63) / 63, ((c1 >> 5) & 63) / 63),
                       mix((c0 & 31) / 31, (c1 & 31) / 31), alpha)


def decode_pixel(code, p, stride, row, col, palette):
    base = row * stride
    if code <= 2:
        byte = p[base + col // 2]
        index = byte >> 4 if col % 2 == 0 else byte & 15
        return palette[index] if index < len(palette) else (0.0, 0.0, 0.0, 0.0)
    if code in (3, 4, 5):
        u = struct.unpack_from("<H", p, base + 2 * col)[0]
        if code == 3:
            return make_colour((u >> 11) / 31, ((u >> 5) & 63) / 63, (u & 31) / 31, 1.0)
        if code == 4:
            return make_colour(((u >> 10) & 31) / 31, ((u >> 5) & 31) / 31, (u & 31) / 31, float(u >> 15))
        return make_colour(((u >> 8) & 15) / 15, ((u >> 4) & 15) / 15, (u & 15) / 15, (u >> 12) / 15)
    if code == 6:
        r, g, b = p[base + 3 * col:base + 3 * col + 3]
        return make_colour(r / 255, g / 255, b / 255, 1.0)
    if code == 7:
        b, g, r, a = p[base + 4 * col:base + 4 * col + 4]
        return make_colour(r / 255, g / 255, b / 255, a / 255)
    if code == 8:
        g = p[base + col] / 255
        return (g, g, g, 1.0)
    i = (row % 4) * 4 + col % 4
    if code == 10:
        at = (row // 4) * stride * 4 + (col // 4) * 8
        return decode_block(p[at:at + 8], i, 1.0)
    at = (row // 4) * stride * 4 + (col // 4) * 16
    alphas = struct.unpack_from("<Q", p, at)[0]
    return decode_block(p[at + 8:at + 16], i, ((alphas >> (4 * i)) & 15) / 15)


def decode_section(s):
    if getattr(s, "n2", False):
        return decode_n2(s)
    p = pixel_bytes(s)
    return [[decode_pixel(s.code, p, s.stride, r, c, s.palette) for c in range(s.width)] for r in range(s.height)]


def read_mip(rd, accepted):
    size = rd.expect(" MIP", "GPL mip id not MIP", "GPL mip unsupported version")
    end = rd.pos + size
    ident, version, hsize = rd.chunk()
    if ident != "MPHD":
        raise Broken("GPL mip header not found")
    if version != accepted:
        raise Broken("GPL mip header unsupported version")
    if version == 0 and hsize != 18:
        raise Broken("GPL mip header incorrect size")
    if version == 1 and hsize != 38:
        raise Broken("N4 mip header incorrect size")
    code, wexp, hexp = struct.unpack("<BII", rd.take(9))
    colour = rd.take(4)
    repeat, count = struct.unpack("<BI", rd.take(5))
    if repeat > 3:
        raise Broken("GPL mip repeat value unknown")
    if wexp > 31 or hexp > 31:
        raise Broken("GPL mip header exponent error")
    if (version == 0 and count > min(wexp, hexp) + 1) or count > max(wexp, hexp) + 1:
        raise Broken("GPL mip bitmap count incorrect")
    if code >= 9:
        raise Broken("GPL MIP file mip header unknown format")
    m = Section()
    m.code, m.wexp, m.hexp, m.colour, m.repeat, m.version = code, wexp, hexp, colour, repeat, version
    if version == 1:
        m.unknown = rd.u32()
        m.text = rd.take(16).split(b"\0")[0]
    if any(b != BLANK for b in rd.take(2)):
        raise Broken("GPL MIP file mip header fill byte 0 not blank")
    fmt = FORMATS[code]
    shared = None
    # The shared palette is looked for only where four bytes of the chunk and of the file follow.
    if fmt[8] and rd.pos + 4 <= min(end, len(rd.data)) and rd.peek_id() == "CMAP":
        shared = read_cmap(rd)
    m.shared = shared
    m.levels = []
    for level in range(count):
        s = read_bmap(rd, shared, 0)
        if s.height != (1 if level > hexp else 1 << (hexp - level)):
            raise Broken("GPL bitmap file height mismatch")
        if s.width != (1 if level > wexp else 1 << (wexp - level)):
            raise Broken("GPL bitmap file width mismatch")
        have = FORMATS[s.code]
        for i, name in ((3, "red"), (4, "green"), (5, "blue"), (6, "alpha")):
            if have[i] != fmt[i]:
                raise Broken("GPL bitmap %s mismatch" % name)
        if have[7] != fmt[7]:
            raise Broken("GPL bitmap transparency mismatch")
        if fmt[8] and ((s.own and shared is not None) or (level > 0 and s.own != m.levels[0].own)):
            raise Broken("GPL bitmap palette mismatch")
        m.levels.append(s)
    if rd.pos != end:
        raise Broken("GPL mip incorrect size")
    return m


def read_srb(rd, strict):
    rd.expect("SRB ", "GPL srb file id not SRB", "GPL srb file unsupported version",
              84, "GPL srb size mismatch")
    rd.expect("SRHD", "GPL srb header not found", "GPL srb file header unsupported version",
              24, "GPL srb header incorrect size")
    rd.take(24)
    rd.expect("SRH2", "GPL srb header 2 not found", "GPL srb file header 2 unsupported version",
              36, "GPL srb header 2 incorrect size")
    rd.take(36)
    m = read_mip(rd, 0)
    if strict and (m.repeat & 3) != 3:
        raise Broken("GPL srb repeatable")
    return m


# ---------------------------------------------------------------- N2, N4 and PCX

N2_BITS = {1: 4, 2: 8, 3: 8}
# N4 MIP formats: the GPL codes without a palette.
N4_CODES = (3, 4, 5, 6, 7, 8, 10, 11)


def grey_ramp():
    """The palette of an N2 folder without a palette file."""
    return [(i / 255, i / 255, i / 255, 1.0) for i in range(256)]


def n2_stride(code, width):
    return (width * N2_BITS[code] + 31) // 32 * 4


def n2_bmap(code, width, height, data, stride=None, reserved=0, fill=(BLANK, BLANK), bmap_id="BMAP", bmap_version=0,
            bmhd=("BMHD", 0, 14), data_header=None, size_delta=0):
    stride = n2_stride(code, width) if stride is None else stride
    body = header(*bmhd) + struct.pack("<BIIIB", code, width, height, stride, reserved) + bytes(fill)
    body += header(*(data_header or ("DATA", 0, len(data)))) + data
    return header(bmap_id, bmap_version, len(body) + size_delta) + body


def n2_mip(code, wexp, hexp, levels, transparent=0, count=None, reserved=0, fill=(BLANK, BLANK), mip_id="MIP ",
           mip_version=0, mphd=("MPHD", 0, 18), size_delta=0):
    body = header(*mphd) + struct.pack("<BIIIBI", code, wexp, hexp, transparent, reserved,
                                       len(levels) if count is None else count) + bytes(fill) + b"".join(levels)
    return header(mip_id, mip_version, len(body) + size_delta) + body


def n2_srb(values, mip_bytes, srb_id="SRB ", srb_version=0, srhd=("SRHD", 0, 24), size_delta=0):
    body = header(*srhd) + struct.pack("<iiIIII", *values) + mip_bytes
    return header(srb_id, srb_version, len(body) + size_delta) + body


def read_n2_bmap(rd, palette):
    size = rd.expect("BMAP", "N2 bitmap id not BMAP", "N2 bitmap unsupported version")
    end = rd.pos + size
    rd.expect("BMHD", "N2 bitmap header not found", "N2 bitmap header unsupported version",
              14, "N2 bitmap header incorrect size")
    code, width, height, stride, reserved = struct.unpack("<BIIIB", rd.take(14))
    fill = rd.take(2)
    if code not in N2_BITS:
        raise Broken("false")
    if n2_stride(code, width) != stride:
        raise Broken("N2 bitmap header width in bytes incorrect")
    if reserved != 0:
        raise Broken("N2 bitmap header byte 13 not zero")
    for i in (0, 1):
        if fill[i] != BLANK:
            raise Broken("N2 bitmap header fill byte %d not blank" % i)
    dsize = rd.expect("DATA", "N2 bitmap data header id not DATA", "N2 bitmap data header unsupported version")
    if dsize != height * stride:
        raise Broken("N2 bitmap data incorrect size")
    s = Section()
    s.n2, s.code, s.width, s.height, s.stride, s.palette = True, code, width, height, stride, palette
    s.stored = rd.take(dsize)
    if rd.pos != end:
        raise Broken("N2 bitmap incorrect size")
    return s


def decode_n2(s):
    rows = []
    for r in range(s.height):
        row = []
        for c in range(s.width):
            if s.code == 1:
                byte = s.stored[r * s.stride + c // 2]
                index = byte >> 4 if c % 2 == 0 else byte & 15
            else:
                index = s.stored[r * s.stride + c]
            row.append(s.palette[index] if index < len(s.palette) else (0.0, 0.0, 0.0, 0.0))
        rows.append(row)
    return rows


def read_n2_mip(rd, palette):
    size = rd.expect("MIP ", "N2 mip id not MIP", "N2 mip unsupported version")
    end = rd.pos + size
    rd.expect("MPHD", "N2 mip header not found", "N2 mip header unsupported version",
              18, "N2 mip header incorrect size")
    code, wexp, hexp, transparent, reserved, count = struct.unpack("<BIIIBI", rd.take(18))
    fill = rd.take(2)
    if wexp > 31 or hexp > 31:
        raise Broken("N2 mip header exponent error")
    if count > min(wexp, hexp) + 1:
        raise Broken("N2 mip bitmap count incorrect")
    if reserved != 0:
        raise Broken("N2 mip mip header reserved not zero")
    for i in (0, 1):
        if fill[i] != BLANK:
            raise Broken("N2 mip mip header fill byte %d not blank" % i)
    m = Section()
    m.code, m.wexp, m.hexp, m.transparent, m.levels = code, wexp, hexp, transparent, []
    for level in range(count):
        s = read_n2_bmap(rd, palette)
        if s.code != code:
            raise Broken("N2 mip format mismatch")
        if s.height != 1 << (hexp - level):
            raise Broken("N2 mip height mismatch")
        if s.width != 1 << (wexp - level):
            raise Broken("N2 mip width mismatch")
        m.levels.append(s)
    if rd.pos != end:
        raise Broken("N2 mip incorrect size")
    return m


def read_n2_srb(rd, palette):
    size = rd.expect("SRB ", "N2 srb id not SRB", "N2 srb unsupported version")
    if len(rd.data) != size + 12:
        raise Broken("N2 srb size mismatch")
    rd.expect("SRHD", "N2 srb header not found", "N2 srb header unsupported version",
              24, "N2 srb header incorrect size")
    values = struct.unpack("<iiIIII", rd.take(24))
    m = read_n2_mip(rd, palette)
    if (1 << m.wexp) < values[4] + 1 or (1 << m.hexp) < values[5] + 1:
        raise Broken("N2 srb bitmap height mismatch")
    if m.code == 2:
        raise Broken("N2 srb not transparent")
    m.values = values
    return m


N4_EXTRAS = {1: "<5I", 2: "<2I", 4: "<fI"}


def n4_mip(version, code, wexp, hexp, levels, colour=(1, 2, 3, 4), repeat=0, count=None, obscuring=0,
           extras=None, trailer=b""):
    """levels: BMAP chunks, level 0 first (written smallest first)."""
    out = struct.pack("<HBBII", version, code, repeat, wexp, hexp) + bytes(colour)
    out += struct.pack("<II", len(levels) if count is None else count, obscuring)
    if version in N4_EXTRAS:
        defaults = {1: (1, 2, 3, 4, 5), 2: (6, 7), 4: (0.5, 9)}[version]
        out += struct.pack(N4_EXTRAS[version], *(extras or defaults))
    return out + b"".join(reversed(levels)) + trailer


def read_n4_mip(data):
    """The header check, then the levels (as the first level access reads them)."""
    rd = Reader(data)
    version, code, repeat, wexp, hexp = struct.unpack("<HBBII", rd.take(12))
    rd.take(4)
    count, obscuring = struct.unpack("<II", rd.take(8))
    if version not in (1, 2, 4):
        raise Broken("N4 mip unrecognized version")
    if wexp > 31 or hexp > 31:
        raise Broken("N4 mip header exponent error")
    if count > max(wexp, hexp) + 1:
        raise Broken("N4 mip bitmap count incorrect")
    if repeat > 3:
        raise Broken("N4 mip repeat value unknown")
    if obscuring > 1:
        raise Broken("N4 mip self obscuring value unknown")
    rd.take(struct.calcsize(N4_EXTRAS[version]))
    if code not in N4_CODES:
        raise Broken("N4 mip file mip header unknown format")
    return Reader(data, rd.pos), code, wexp, hexp, count


def read_n4_levels(opened):
    rd, code, wexp, hexp, count = opened
    fmt = FORMATS[code]
    levels = [None] * count
    for level in reversed(range(count)):
        s = read_bmap(rd, None, 1)
        if s.height != (1 if level > hexp else 1 << (hexp - level)):
            raise Broken("N4 bitmap file height mismatch")
        if s.width != (1 if level > wexp else 1 << (wexp - level)):
            raise Broken("N4 bitmap file width mismatch")
        have = FORMATS[s.code]
        for i, name in ((3, "red"), (4, "green"), (5, "blue"), (6, "alpha")):
            if have[i] != fmt[i]:
                raise Broken("N4 bitmap %s mismatch" % name)
        if have[7] != fmt[7]:
            raise Broken("N4 bitmap transparency mismatch")
        levels[level] = s
    return levels


def stp(width, height, bmap_bytes, sthd_value=1, reserved=0, unknown=77, stmp=("STMP", 0), sthd=("STHD", 0, 4),
        data=("DATA", 0, 12), size_delta=0):
    body = header(*sthd) + struct.pack("<I", sthd_value)
    body += header(*data) + struct.pack("<IHHI", reserved, width, height, unknown) + bmap_bytes
    return header(stmp[0], stmp[1], len(body) + size_delta) + body


def read_stp(data):
    rd = Reader(data)
    size = rd.expect("STMP", "N4 stp id not STMP", "N4 stp unsupported version")
    end = rd.pos + size
    rd.expect("STHD", "N4 stp header not found", "N4 stp header unsupported version",
              4, "N4 stp header incorrect size")
    if rd.u32() != 1:
        raise Broken("N4 stp header reserved not 1")
    rd.expect("DATA", "N4 stp data not found", "N4 stp data unsupported version",
              12, "N4 stp data incorrect size")
    reserved, width, height, _ = struct.unpack("<IHHI", rd.take(12))
    if reserved != 0:
        raise Broken("N4 stp data reserved not zero")
    s = read_bmap(rd, None, 1)
    if s.width != width:
        raise Broken("N4 stp width mismatch")
    if s.height != height:
        raise Broken("N4 stp height mismatch")
    if rd.pos != end:
        raise Broken("N4 stp incorrect size")
    return s


def read_pcx(data):
    """The palette as one level of 256 x 1 pixels."""
    if len(data) < 768:
        raise Broken("short read")
    raw = data[-768:]
    if len(data) < 128:
        raise Broken("short read")
    s = Section()
    s.n2, s.code, s.width, s.height, s.stride = True, 2, 256, 1, 256
    s.palette = [(raw[3 * i] / 255, raw[3 * i + 1] / 255, raw[3 * i + 2] / 255, 1.0) for i in range(256)]
    s.stored = bytes(range(256))
    return s


def read_levels(data, kind):
    """The sections of a file of that kind (the load step only; pixels are not decoded)."""
    rd = Reader(data)
    if kind == "pbf":
        return [read_bmap(rd, None, 0)]
    if kind == "bmap1":
        return [read_bmap(rd, None, 1)]
    if kind == "cmap":
        read_cmap(rd)
        return []
    if kind in ("mip", "m16", "mip1"):
        return read_mip(rd, 1 if kind == "mip1" else 0).levels
    if kind in ("srb", "srb-strict"):
        return read_srb(rd, kind == "srb-strict").levels
    if kind == "n2mip":
        return read_n2_mip(rd, grey_ramp()).levels
    if kind == "n2srb":
        return read_n2_srb(rd, grey_ramp()).levels
    if kind == "n4mip":
        return read_n4_levels(read_n4_mip(data))
    if kind == "n4mip@open":
        read_n4_mip(data)
        return []
    if kind == "stp":
        return [read_stp(data)]
    if kind == "pcx":
        return [read_pcx(data)]
    raise SystemExit("unknown kind " + kind)


def listing(levels):
    lines = ["levels %d" % len(levels)]
    for s in levels:
        pixels = decode_section(s)
        lines.append("level %d %d" % (s.width, s.height))
        for row in pixels:
            for p in row:
                lines.append("%r %r %r %r" % p)
    return "\n".join(lines) + "\n"


# ---------------------------------------------------------------- samples

def random_bytes(rnd, n):
    return bytes(rnd.getrandbits(8) for _ in range(n))


def palette_entries(rnd, n):
    return [(rnd.getrandbits(8), rnd.getrandbits(8), rnd.getrandbits(8), rnd.choice((0, 128, 255, rnd.getrandbits(8))))
            for _ in range(n)]


def level_bmap(rnd, code, w, h, palette=None, method=0):
    return bmap(code, w, h, random_bytes(rnd, pixel_byte_count(code, w, h)), method=method, palette=palette)


def mip_chain(rnd, code, wexp, hexp, count, palettes="shared", version=0, colour=(10, 20, 30, 0), repeat=0,
              level_code=None, text=b""):
    shared = None
    if FORMATS[code][8] and palettes == "shared":
        shared = cmap(palette_entries(rnd, 16))
    elif FORMATS[code][8] and palettes == "short":
        shared = cmap(palette_entries(rnd, 5))
    levels = []
    for m in range(count):
        w = 1 if m > wexp else 1 << (wexp - m)
        h = 1 if m > hexp else 1 << (hexp - m)
        own = cmap(palette_entries(rnd, 16)) if FORMATS[code][8] and palettes == "own" else None
        levels.append(level_bmap(rnd, code if level_code is None else level_code, w, h, own))
    return mip(code, wexp, hexp, levels, colour=colour, repeat=repeat, version=version, unknown=0xDEADBEEF,
               text=text, palette=shared)


def samples():
    """(name, kind, bytes) of every sample."""
    rnd = random.Random(20261209)
    out = []
    for code in sorted(FORMATS):
        w, h = (6, 5) if FORMATS[code][1] == 4 else (5, 3)
        palette = cmap(palette_entries(rnd, 16)) if FORMATS[code][8] and code != 2 else None
        out.append(("f%d.pbf" % code, "pbf", level_bmap(rnd, code, w, h, palette)))
    out.append(("short-cmap.pbf", "pbf", level_bmap(rnd, 0, 7, 2, cmap(palette_entries(rnd, 3)))))
    out.append(("empty.pbf", "pbf", level_bmap(rnd, 7, 0, 0)))
    for code in (3, 7, 11):
        w, h = (9, 7) if FORMATS[code][1] == 4 else (7, 3)
        out.append(("m1-f%d.bmap" % code, "bmap1", level_bmap(rnd, code, w, h, method=1)))
    for code in range(9):
        palettes = {0: "shared", 1: "own", 2: "none"}.get(code, "shared")
        out.append(("f%d.mip" % code, "mip", mip_chain(rnd, code, 3, 2, 3, palettes)))
    out.append(("short-cmap.mip", "mip", mip_chain(rnd, 0, 2, 2, 3, "short")))
    out.append(("grey8-levels.mip", "mip", mip_chain(rnd, 6, 2, 1, 2, level_code=8)))
    out.append(("block-levels.mip", "mip", mip_chain(rnd, 3, 3, 3, 4, level_code=10)))
    out.append(("none.mip", "mip", mip_chain(rnd, 7, 4, 4, 0, colour=(1, 2, 3, 4), repeat=3)))
    out.append(("f3.m16", "m16", mip_chain(rnd, 3, 4, 3, 4, colour=(200, 100, 50, 255), repeat=1)))
    out.append(("v1.mip", "mip1", mip_chain(rnd, 7, 3, 1, 4, version=1, text=b"sixteen letters!")))
    out.append(("v1-short.mip", "mip1", mip_chain(rnd, 5, 1, 1, 2, version=1, text=b"abc")))
    scales = (12.5, 8.0, 8.0, 6.0, 2.0, 3.0)
    unknowns = tuple(range(1, 10))
    out.append(("f7.srb", "srb-strict", srb(scales, unknowns, mip_chain(rnd, 7, 3, 3, 4, repeat=3))))
    out.append(("f0.srb", "srb", srb(scales, unknowns, mip_chain(rnd, 0, 3, 2, 2, repeat=1))))
    # N2: palette indices, read with the grey ramp of a folder without a palette file.
    def n2_levels(code, wexp, hexp, count):
        return [n2_bmap(code, 1 << (wexp - m), 1 << (hexp - m),
                        random_bytes(rnd, n2_stride(code, 1 << (wexp - m)) << (hexp - m))) for m in range(count)]
    out.append(("n2-f1.mip", "n2mip", n2_mip(1, 3, 2, n2_levels(1, 3, 2, 3), transparent=5)))
    out.append(("n2-f2.mip", "n2mip", n2_mip(2, 2, 3, n2_levels(2, 2, 3, 3), transparent=300)))
    out.append(("n2-f3.mip", "n2mip", n2_mip(3, 4, 4, n2_levels(3, 4, 4, 5))))
    out.append(("n2-none.mip", "n2mip", n2_mip(3, 0, 0, [])))
    out.append(("n2-f3.srb", "n2srb", n2_srb((1000, -2000, 3, 2, 7, 3), n2_mip(3, 3, 2, n2_levels(3, 3, 2, 2)))))
    out.append(("n2-f1.srb", "n2srb", n2_srb((-5, 7, 0, 0, 31, 0), n2_mip(1, 6, 0, n2_levels(1, 6, 0, 1)))))

    # N4: levels smallest first; imploded levels where that is asked, stored ones elsewhere.
    def n4_levels(code, wexp, hexp, count, method=None):
        levels = []
        for m in range(count):
            w = 1 if m > wexp else 1 << (wexp - m)
            h = 1 if m > hexp else 1 << (hexp - m)
            levels.append(level_bmap(rnd, code, w, h, method=(1 if w * h >= 16 else 0) if method is None else method))
        return levels
    out.append(("n4-v1-f7.mip", "n4mip", n4_mip(1, 7, 3, 2, n4_levels(7, 3, 2, 4))))
    out.append(("n4-v2-f3.mip", "n4mip", n4_mip(2, 3, 4, 1, n4_levels(3, 4, 1, 5), repeat=3, obscuring=1)))
    out.append(("n4-v4-f11.mip", "n4mip", n4_mip(4, 11, 3, 3, n4_levels(11, 3, 3, 4), trailer=b"tail")))
    out.append(("n4-v4-f10.mip", "n4mip", n4_mip(4, 10, 2, 2, n4_levels(10, 2, 2, 3, method=0), colour=(9, 8, 7, 0))))
    out.append(("n4-256x64.mip", "n4mip", n4_mip(4, 8, 8, 6, n4_levels(8, 8, 6, 9), repeat=1)))
    out.append(("n4-none.mip", "n4mip", n4_mip(2, 6, 1, 1, [])))
    out.append(("f7.stp", "stp", stp(5, 3, level_bmap(rnd, 7, 5, 3, method=1))))
    out.append(("f6.stp", "stp", stp(6, 2, level_bmap(rnd, 6, 6, 2), unknown=0)))
    out.append(("f11.stp", "stp", stp(9, 7, level_bmap(rnd, 11, 9, 7, method=1))))
    out.append(("sunny.pcx", "pcx", random_bytes(rnd, 128 + 40 + 768)))
    out.append(("white.pcx", "pcx", bytes([255]) * 768))
    return out


def crafted():
    """(name, kind, message) and bytes of one broken file per message."""
    rnd = random.Random(7)
    good = level_bmap(rnd, 3, 3, 2)
    good4 = bmap(0, 2, 2, b"\x01\x00\x00\x00\x23\x00\x00\x00", palette=cmap(palette_entries(rnd, 2)))

    def px(code, w, h):
        return random_bytes(rnd, pixel_byte_count(code, w, h))

    def chain(code, wexp, hexp, levels, **kw):
        return mip(code, wexp, hexp, levels, **kw)

    def lv(code, w, h, **kw):
        return bmap(code, w, h, px(code, w, h), **kw)

    ok_mip_levels = [lv(3, 2, 2), lv(3, 1, 1)]
    scales = (1.0, 1.0, 1.0, 1.0, 0.0, 0.0)
    nine = (0,) * 9
    srb_mip = chain(3, 1, 1, ok_mip_levels, repeat=3)
    cases = [
        ("bmap-id.pbf", "pbf", "GPL bitmap id not BMAP", lv(3, 2, 2, bmap_id="BMAQ")),
        ("bmap-version.pbf", "pbf", "GPL bitmap unsupported version", lv(3, 2, 2, bmap_version=1)),
        ("bmhd-id.pbf", "pbf", "GPL bitmap header not found", lv(3, 2, 2, bmhd_id="BMHX")),
        ("bmhd-version.pbf", "pbf", "GPL bitmap header unsupported version", lv(3, 2, 2, bmhd_version=2)),
        ("bmhd-size.pbf", "pbf", "GPL bitmap header incorrect size", lv(3, 2, 2, bmhd_size=16)),
        ("format9.pbf", "pbf", "GPL bitmap header unknown format", bmap(9, 2, 2, px(3, 2, 2), stride=4)),
        ("method1.pbf", "pbf", "GPL bitmap header unsupported compression method", lv(3, 2, 2, method=1)),
        ("method2.bmap", "bmap1", "GPL bitmap header unsupported compression method",
         bmap(3, 2, 2, px(3, 2, 2), method=2)),
        ("stride.pbf", "pbf", "GPL bitmap header width in bytes incorrect", lv(3, 3, 2, stride=6)),
        ("stride-wrap.pbf", "pbf", "GPL bitmap header width in bytes incorrect",
         bmap(7, 0x40000001, 1, b"", stride=4)),
        ("fill0.pbf", "pbf", "GPL bitmap header fill byte 0 not blank", lv(3, 2, 2, fill=(0, BLANK))),
        ("fill1.pbf", "pbf", "GPL bitmap header fill byte 1 not blank", lv(3, 2, 2, fill=(BLANK, 0))),
        ("data-id.pbf", "pbf", "GPL bitmap data header id not DATA", lv(3, 2, 2, data_id="DATB")),
        ("data-version.pbf", "pbf", "GPL bitmap data unsupported version", lv(3, 2, 2, data_version=1)),
        ("filler.pbf", "pbf", "GPL bitmap filler incorrect", bmap(8, 5, 1, px(8, 5, 1)[:5], filler=b"  \0")),
        ("bmap-size.pbf", "pbf", "GPL bitmap incorrect size", lv(3, 2, 2, size_delta=4) + b"\0\0\0\0"),
        ("bmap-short.pbf", "pbf", "GPL bitmap incorrect size", lv(3, 2, 2, size_delta=-4)),
        ("huge.pbf", "pbf", "GPL bitmap incorrect size", bmap(7, 0x10000, 0x10000, b"", stride=0x40000)),
        ("cmap-version.pbf", "pbf", "GPL palette unsupported version",
         bmap(0, 2, 2, px(0, 2, 2), palette=cmap([(1, 2, 3, 4)], version=1))),
        ("cmap-size.pbf", "pbf", "GPL palette incorrect size",
         bmap(0, 2, 2, px(0, 2, 2), palette=cmap([(1, 2, 3, 4), (5, 6, 7, 8)], size=6))),
        ("cmap-id.cmap", "cmap", "GPL palette id not CMAP", header("CMAQ", 0, 4) + b"\1\2\3\4"),
        ("mip-id.mip", "mip", "GPL mip id not MIP", chain(3, 1, 1, ok_mip_levels, mip_id="MIP ")),
        ("mip-version.mip", "mip", "GPL mip unsupported version", chain(3, 1, 1, ok_mip_levels, mip_version=1)),
        ("mphd-id.mip", "mip", "GPL mip header not found", chain(3, 1, 1, ok_mip_levels, mphd_id="MPHX")),
        ("mphd-version.mip", "mip", "GPL mip header unsupported version",
         chain(3, 1, 1, ok_mip_levels, version=1)),
        ("mphd-size.mip", "mip", "GPL mip header incorrect size", chain(3, 1, 1, ok_mip_levels, mphd_size=20)),
        ("mphd1-size.mip", "mip1", "N4 mip header incorrect size",
         chain(3, 1, 1, ok_mip_levels, version=1, mphd_size=18)),
        ("repeat.mip", "mip", "GPL mip repeat value unknown", chain(3, 1, 1, ok_mip_levels, repeat=4)),
        ("exponent.mip", "mip", "GPL mip header exponent error", chain(3, 32, 1, ok_mip_levels)),
        ("count.mip", "mip", "GPL mip bitmap count incorrect",
         chain(3, 8, 6, [], count=8)),
        ("count1.mip", "mip1", "GPL mip bitmap count incorrect", chain(3, 8, 6, [], count=10, version=1)),
        ("format9.mip", "mip", "GPL MIP file mip header unknown format", chain(9, 1, 1, ok_mip_levels)),
        ("mip-fill.mip", "mip", "GPL MIP file mip header fill byte 0 not blank",
         chain(3, 1, 1, ok_mip_levels, fill=(BLANK, 0))),
        ("height.mip", "mip", "GPL bitmap file height mismatch", chain(3, 1, 1, [lv(3, 2, 1)])),
        ("width.mip", "mip", "GPL bitmap file width mismatch", chain(3, 1, 1, [lv(3, 1, 2)])),
        ("red.mip", "mip", "GPL bitmap red mismatch", chain(3, 1, 1, [lv(3, 2, 2), lv(6, 1, 1)])),
        ("green.mip", "mip", "GPL bitmap green mismatch", chain(3, 1, 1, [lv(3, 2, 2), lv(4, 1, 1)])),
        ("alpha.mip", "mip", "GPL bitmap alpha mismatch", chain(6, 1, 1, [lv(7, 2, 2)])),
        ("transparency.mip", "mip", "GPL bitmap transparency mismatch",
         chain(0, 1, 1, [lv(1, 2, 2, palette=cmap(palette_entries(rnd, 2)))])),
        ("palette-shared.mip", "mip", "GPL bitmap palette mismatch",
         chain(0, 1, 1, [lv(0, 2, 2, palette=cmap(palette_entries(rnd, 2)))],
               palette=cmap(palette_entries(rnd, 2)))),
        ("palette-flag.mip", "mip", "GPL bitmap palette mismatch",
         chain(0, 1, 1, [lv(0, 2, 2, palette=cmap(palette_entries(rnd, 2))), lv(0, 1, 1)])),
        ("method1.mip", "mip", "GPL bitmap header unsupported compression method",
         chain(3, 1, 1, [lv(3, 2, 2, method=1)])),
        ("mip-size.mip", "mip", "GPL mip incorrect size", chain(3, 1, 1, ok_mip_levels, size_delta=-2)),
        ("srb-id.srb", "srb", "GPL srb file id not SRB", srb(scales, nine, srb_mip, srb_id="SRB!")),
        ("srb-version.srb", "srb", "GPL srb file unsupported version", srb(scales, nine, srb_mip, srb_version=1)),
        ("srb-size.srb", "srb", "GPL srb size mismatch", srb(scales, nine, srb_mip, srb_size=85)),
        ("srhd-id.srb", "srb", "GPL srb header not found", srb(scales, nine, srb_mip, srhd=("SRHX", 0, 24))),
        ("srhd-version.srb", "srb", "GPL srb file header unsupported version",
         srb(scales, nine, srb_mip, srhd=("SRHD", 1, 24))),
        ("srhd-size.srb", "srb", "GPL srb header incorrect size", srb(scales, nine, srb_mip, srhd=("SRHD", 0, 25))),
        ("srh2-id.srb", "srb", "GPL srb header 2 not found", srb(scales, nine, srb_mip, srh2=("SRH3", 0, 36))),
        ("srh2-version.srb", "srb", "GPL srb file header 2 unsupported version",
         srb(scales, nine, srb_mip, srh2=("SRH2", 2, 36))),
        ("srh2-size.srb", "srb", "GPL srb header 2 incorrect size", srb(scales, nine, srb_mip, srh2=("SRH2", 0, 35))),
        ("repeatable.srb", "srb-strict", "GPL srb repeatable",
         srb(scales, nine, chain(3, 1, 1, ok_mip_levels, repeat=2))),
        # Errors of the first pixel access (assertions), the file itself loads.
        ("stored-size.pbf", "pbf@pixels", "CompressedDataSize == UncompressedDataSize",
         bmap(3, 2, 2, px(3, 2, 2)[:6])),
        ("explode-size.bmap", "bmap1@pixels", "result_size == UncompressedDataSize",
         bmap(3, 2, 2, px(3, 2, 2)[:6], method=1)),
        # Files that load, found by fuzzing: each saves as a file that loads and saves as itself.
        # A paletted MIP of no levels and no CMAP, with four stray bytes after its chunk (the GPL
        # bitmap harness's 49-byte input: its reader byte and these 48), and without them.
        ("no-levels-stray.mip", "mip@resave", "loads", chain(0, 1, 1, []) + b"\x01\x02\x03\x04"),
        ("no-levels.mip", "mip@resave", "loads", chain(0, 1, 1, [])),
        # N2 bitmaps, each inside an otherwise sound one-level MIP of 2 x 2.
    ]
    n2px = bytes(8)

    def n2lv(**kw):
        return n2_mip(2, 1, 1, [n2_bmap(2, 2, 2, n2px, **kw)])

    n2ok = [n2_bmap(2, 2, 2, n2px), n2_bmap(2, 1, 1, bytes(4))]
    n2t = n2_mip(3, 1, 1, [n2_bmap(3, 2, 2, n2px)])
    cases += [("n2-" + name, "n2mip", message, data) for name, message, data in [
        ("bmap-id.mip", "N2 bitmap id not BMAP", n2lv(bmap_id="BMAX")),
        ("bmap-version.mip", "N2 bitmap unsupported version", n2lv(bmap_version=1)),
        ("bmhd-id.mip", "N2 bitmap header not found", n2lv(bmhd=("BMHX", 0, 14))),
        ("bmhd-version.mip", "N2 bitmap header unsupported version", n2lv(bmhd=("BMHD", 1, 14))),
        ("bmhd-size.mip", "N2 bitmap header incorrect size", n2lv(bmhd=("BMHD", 0, 15))),
        ("format.mip", "false", n2_mip(2, 1, 1, [n2_bmap(2, 2, 2, n2px)[:24] + b"\x04" + n2_bmap(2, 2, 2, n2px)[25:]])),
        ("stride.mip", "N2 bitmap header width in bytes incorrect", n2lv(stride=8)),
        ("reserved.mip", "N2 bitmap header byte 13 not zero", n2lv(reserved=1)),
        ("fill0.mip", "N2 bitmap header fill byte 0 not blank", n2lv(fill=(0, BLANK))),
        ("fill1.mip", "N2 bitmap header fill byte 1 not blank", n2lv(fill=(BLANK, 0))),
        ("data-id.mip", "N2 bitmap data header id not DATA", n2lv(data_header=("DATX", 0, 8))),
        ("data-version.mip", "N2 bitmap data header unsupported version", n2lv(data_header=("DATA", 1, 8))),
        ("data-size.mip", "N2 bitmap data incorrect size", n2lv(data_header=("DATA", 0, 4))),
        ("bmap-size.mip", "N2 bitmap incorrect size", n2lv(size_delta=4)),
        ("mip-id.mip", "N2 mip id not MIP", n2_mip(2, 1, 0, n2ok, mip_id=" MIP")),
        ("mip-version.mip", "N2 mip unsupported version", n2_mip(2, 1, 1, n2ok, mip_version=1)),
        ("mphd-id.mip", "N2 mip header not found", n2_mip(2, 1, 1, n2ok, mphd=("MPHX", 0, 18))),
        ("mphd-version.mip", "N2 mip header unsupported version", n2_mip(2, 1, 1, n2ok, mphd=("MPHD", 1, 18))),
        ("mphd-size.mip", "N2 mip header incorrect size", n2_mip(2, 1, 1, n2ok, mphd=("MPHD", 0, 20))),
        ("exponent.mip", "N2 mip header exponent error", n2_mip(2, 32, 1, n2ok)),
        ("count.mip", "N2 mip bitmap count incorrect", n2_mip(2, 3, 1, [], count=3)),
        ("mip-reserved.mip", "N2 mip mip header reserved not zero", n2_mip(2, 1, 1, n2ok, reserved=1)),
        ("mip-fill0.mip", "N2 mip mip header fill byte 0 not blank", n2_mip(2, 1, 1, n2ok, fill=(0, BLANK))),
        ("mip-fill1.mip", "N2 mip mip header fill byte 1 not blank", n2_mip(2, 1, 1, n2ok, fill=(BLANK, 0))),
        ("format-mismatch.mip", "N2 mip format mismatch", n2_mip(3, 1, 1, n2ok)),
        ("height.mip", "N2 mip height mismatch", n2_mip(2, 1, 1, [n2_bmap(2, 2, 1, bytes(4))])),
        ("width.mip", "N2 mip width mismatch", n2_mip(2, 1, 1, [n2_bmap(2, 1, 2, bytes(8))])),
        ("mip-size.mip", "N2 mip incorrect size", n2_mip(2, 1, 1, n2ok, size_delta=2)),
    ]]
    cases += [("n2-" + name, "n2srb", message, data) for name, message, data in [
        ("srb-id.srb", "N2 srb id not SRB", n2_srb((1, 1, 0, 0, 1, 1), n2t, srb_id="SRBX")),
        ("srb-version.srb", "N2 srb unsupported version", n2_srb((1, 1, 0, 0, 1, 1), n2t, srb_version=1)),
        ("srb-size.srb", "N2 srb size mismatch", n2_srb((1, 1, 0, 0, 1, 1), n2t, size_delta=1)),
        ("srhd-id.srb", "N2 srb header not found", n2_srb((1, 1, 0, 0, 1, 1), n2t, srhd=("SRHX", 0, 24))),
        ("srhd-version.srb", "N2 srb header unsupported version",
         n2_srb((1, 1, 0, 0, 1, 1), n2t, srhd=("SRHD", 1, 24))),
        ("srhd-size.srb", "N2 srb header incorrect size", n2_srb((1, 1, 0, 0, 1, 1), n2t, srhd=("SRHD", 0, 25))),
        ("columns.srb", "N2 srb bitmap height mismatch", n2_srb((1, 1, 0, 0, 2, 1), n2t)),
        ("rows.srb", "N2 srb bitmap height mismatch", n2_srb((1, 1, 0, 0, 1, 0xFFFFFFFF), n2t)),
        ("opaque.srb", "N2 srb not transparent", n2_srb((1, 1, 0, 0, 1, 1), n2_mip(2, 1, 1, n2ok[:1]))),
    ]]
    n4ok = [lv(7, 2, 2), lv(7, 1, 1)]
    cases += [("n4-" + name, "n4mip", message, data) for name, message, data in [
        ("version.mip", "N4 mip unrecognized version", n4_mip(3, 7, 1, 1, n4ok)),
        ("exponent.mip", "N4 mip header exponent error", n4_mip(2, 7, 1, 32, n4ok)),
        ("count.mip", "N4 mip bitmap count incorrect", n4_mip(1, 7, 2, 1, [], count=4)),
        ("repeat.mip", "N4 mip repeat value unknown", n4_mip(2, 7, 1, 1, n4ok, repeat=4)),
        ("obscuring.mip", "N4 mip self obscuring value unknown", n4_mip(2, 7, 1, 1, n4ok, obscuring=2)),
        ("format9.mip", "N4 mip file mip header unknown format", n4_mip(2, 9, 1, 1, n4ok)),
        ("format2.mip", "N4 mip file mip header unknown format", n4_mip(4, 2, 1, 1, n4ok)),
        ("height.mip", "N4 bitmap file height mismatch", n4_mip(2, 7, 1, 1, [lv(7, 2, 1)])),
        ("width.mip", "N4 bitmap file width mismatch", n4_mip(2, 7, 1, 1, [lv(7, 1, 2)])),
        ("red.mip", "N4 bitmap red mismatch", n4_mip(2, 3, 1, 1, [lv(6, 2, 2)])),
        ("green.mip", "N4 bitmap green mismatch", n4_mip(2, 3, 1, 1, [lv(4, 2, 2)])),
        ("alpha.mip", "N4 bitmap alpha mismatch", n4_mip(2, 6, 1, 1, [lv(7, 2, 2)])),
        ("transparency.mip", "N4 bitmap transparency mismatch", n4_mip(2, 7, 1, 1, [lv(1, 2, 2)])),
        ("last-level.mip", "GPL bitmap id not BMAP", n4_mip(1, 7, 1, 1, [lv(7, 2, 2), lv(7, 1, 1, bmap_id="BMAX")])),
        ("level-size.mip", "GPL bitmap incorrect size", n4_mip(1, 7, 1, 1, [lv(7, 2, 2, size_delta=4), lv(7, 1, 1)])),
    ]]
    stp_bmap = lv(7, 3, 2, method=1)
    cases += [("stp-" + name, "stp", message, data) for name, message, data in [
        ("id.stp", "N4 stp id not STMP", stp(3, 2, stp_bmap, stmp=("STMX", 0))),
        ("version.stp", "N4 stp unsupported version", stp(3, 2, stp_bmap, stmp=("STMP", 1))),
        ("sthd-id.stp", "N4 stp header not found", stp(3, 2, stp_bmap, sthd=("STHX", 0, 4))),
        ("sthd-version.stp", "N4 stp header unsupported version", stp(3, 2, stp_bmap, sthd=("STHD", 2, 4))),
        ("sthd-size.stp", "N4 stp header incorrect size", stp(3, 2, stp_bmap, sthd=("STHD", 0, 8))),
        ("sthd-value.stp", "N4 stp header reserved not 1", stp(3, 2, stp_bmap, sthd_value=0)),
        ("data-id.stp", "N4 stp data not found", stp(3, 2, stp_bmap, data=("DATX", 0, 12))),
        ("data-version.stp", "N4 stp data unsupported version", stp(3, 2, stp_bmap, data=("DATA", 1, 12))),
        ("data-size.stp", "N4 stp data incorrect size", stp(3, 2, stp_bmap, data=("DATA", 0, 13))),
        ("data-reserved.stp", "N4 stp data reserved not zero", stp(3, 2, stp_bmap, reserved=1)),
        ("width.stp", "N4 stp width mismatch", stp(4, 2, stp_bmap)),
        ("height.stp", "N4 stp height mismatch", stp(3, 3, stp_bmap)),
        ("size.stp", "N4 stp incorrect size", stp(3, 2, stp_bmap + bytes(4))),
        ("method2.stp", "GPL bitmap header unsupported compression method", stp(2, 2, bmap(7, 2, 2, px(7, 2, 2), method=2))),
    ]]
    return cases


def check_crafted(name, kind, message, data):
    """The reader refuses the file with its message (or, for the stage "resave", reads it);
    None when it does, else the complaint."""
    load_kind, _, stage = kind.partition("@")
    if stage == "resave":
        try:
            read_levels(data, load_kind)
        except Broken as e:
            return "%s: refused with %r, wanted it to load" % (name, str(e))
        return None if message == "loads" else "%s: a resaved file's message is 'loads'" % name
    try:
        levels = read_levels(data, load_kind)
        if stage == "pixels":
            for s in levels:
                decode_section(s)
    except Broken as e:
        if str(e) == message:
            return None
        return "%s: got %r, wanted %r" % (name, str(e), message)
    return "%s: accepted, wanted %r" % (name, message)


# ---------------------------------------------------------------- drawing scenes

# The texels of the drawing tests' textures, rows top first, (r, g, b, a).
CHECK = [[(255, 0, 0, 255), (0, 255, 0, 255)], [(0, 0, 255, 255), (255, 255, 0, 255)]]
CHECK_SMALL = [[(10, 20, 30, 255)]]
LEVELS_TOP = [[(128, 0, 128, 255)] * 4 for _ in range(4)]
LEVELS_SECOND = [[(0, 255, 255, 255), (255, 0, 255, 255)], [(255, 128, 0, 255), (0, 128, 255, 255)]]


def rgba_level(pixels):
    """A 32-bit (format 7) BMAP of the pixels, rows top first."""
    data = b"".join(bytes((b, g, r, a)) for row in pixels for (r, g, b, a) in row)
    return bmap(7, len(pixels[0]), len(pixels), data)


def drawing_bitmaps():
    """relative path -> bytes: the textures of the drawing tests' scene folders (gpl3do.py and
    n4archive.py write the objects beside them)."""
    check = [rgba_level(CHECK), rgba_level(CHECK_SMALL)]
    out = {
        "gpl-textures/check.mip": mip(7, 1, 1, check),
        # The first level is 4 x 4 of one colour, the second the 2 x 2 of LEVELS_SECOND.
        "gpl-textures/levels.mip": mip(7, 2, 2, [rgba_level(LEVELS_TOP), rgba_level(LEVELS_SECOND)]),
        "n4-track/grass.mip": n4_mip(4, 7, 1, 1, check),
        "n4-short/grass.mip": n4_mip(4, 7, 1, 1, check),
        "n4-track/light.mip": n4_mip(4, 7, 1, 1, [rgba_level([[(128, 0, 128, 255)] * 2] * 2), rgba_level(CHECK_SMALL)]),
    }
    # Some of the files the samples of the generators name, so that their drawing reaches the
    # textured and sprite paths (the others stay missing).
    gpl_srb = srb((4.0, 6.0, 2.0, 2.0, 1.0, 2.0), tuple(range(1, 10)), mip(7, 1, 1, check, repeat=0))
    # W = 4, D = 6, texture extents 2 x 2, origin column 1 and row 2: a = 0.5, b = 0, so the
    # corners are (-2, 0, 6), (2, 0, 6), (2, 0, 0), (-2, 0, 0) with texture (0, 0) at the first.
    out["gpl-shot/check.mip"] = mip(7, 1, 1, check)
    out["gpl-sprite/tree.srb"] = srb((4.0, 6.0, 2.0, 2.0, 1.0, 2.0), tuple(range(1, 10)), mip(7, 1, 1, check))
    out.update({"gpl-samples/asphalt.mip": mip(7, 1, 1, check), "gpl-samples/flag.srb": gpl_srb,
                "n4-samples/road.mip": n4_mip(4, 7, 1, 1, check), "n4-samples/grass.mip": n4_mip(4, 7, 1, 1, check),
                "n4-samples/base.mip": n4_mip(2, 7, 1, 1, check, repeat=3)})
    # The textures the N2 samples of n2tdo.py name, at the sizes that generator expects,
    # 8-bit palette indices (greys without the folder's palette).
    rnd = random.Random(28)
    for name, (w, h) in {"road": (64, 32), "sky": (128, 128), "tiny": (1, 1), "strip": (256, 1)}.items():
        wexp, hexp = w.bit_length() - 1, h.bit_length() - 1
        levels = [n2_bmap(3, w, h, random_bytes(rnd, n2_stride(3, w) * h))]
        out["n2-samples/%s.mip" % name] = n2_mip(3, wexp, hexp, levels)
    return out


def write_drawing(folder):
    for name, data in drawing_bitmaps().items():
        os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def write_textures(folder, count, size):
    """The texture benchmark's files tex000.mip ... : size x size (a power of two), two levels
    each, 32-bit pixels of a pattern of their own."""
    exp = size.bit_length() - 1
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        rows = [[((x * 7 + i) & 255, (y * 5 + i * 3) & 255, (x ^ y) & 255, 255) for x in range(size)]
                for y in range(size)]
        half = [row[::2] for row in rows[::2]]
        with open(os.path.join(folder, "tex%03d.mip" % i), "wb") as f:
            f.write(mip(7, exp, exp, [rgba_level(rows), rgba_level(half)]))


def write_samples(folder):
    os.makedirs(os.path.join(folder, "bad"), exist_ok=True)
    index = []
    for name, kind, data in samples():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        with open(os.path.join(folder, name + ".pixels"), "w") as f:
            f.write(listing(read_levels(data, kind)))
        index.append("%s\t%s" % (name, kind))
    with open(os.path.join(folder, "samples.txt"), "w") as f:
        f.write("\n".join(index) + "\n")
    lines = []
    for name, kind, message, data in crafted():
        with open(os.path.join(folder, "bad", name), "wb") as f:
            f.write(data)
        lines.append("%s\t%s\t%s" % (name, kind, message))
    with open(os.path.join(folder, "bad", "messages.txt"), "w") as f:
        f.write("\n".join(lines) + "\n")


def kind_of(path):
    ext = os.path.splitext(path)[1].lower().lstrip(".")
    return {"pbf": "pbf", "mip": "mip", "m16": "mip", "srb": "srb", "bmap": "bmap1", "stp": "stp",
            "pcx": "pcx"}.get(ext, ext)


def selftest(folder):
    write_samples(folder)
    failures = []
    for name, kind, data in samples():
        try:
            text = listing(read_levels(data, kind))
        except Broken as e:
            failures.append("%s: %s" % (name, e))
            continue
        # Every pixel of the listing has four channels within 0..1.
        for line in text.splitlines():
            if line[0].isdigit():
                values = [float(v) for v in line.split()]
                if len(values) != 4 or any(v < 0 or v > 1 for v in values):
                    failures.append("%s: pixel %s" % (name, line))
                    break
    for name, kind, message, data in crafted():
        complaint = check_crafted(name, kind, message, data)
        if complaint:
            failures.append(complaint)
    # The literal-only coder and decoder agree, and a damaged stream is refused.
    for n in (0, 1, 7, 300):
        data = bytes(range(256)) * 2
        data = data[:n]
        if explode_literals(implode_literals(data)) != data:
            failures.append("implode round trip of %d bytes" % n)
    if explode_literals(implode_literals(b"abc")[:-1]) is not None:
        failures.append("a cut stream decodes")
    # Known values: 2/3 grey of code 2 in a white/black block; format 4 with bit 15 clear.
    block = struct.pack("<HHI", 0xFFFF, 0x0000, 2)
    if abs(decode_block(block, 0, 1.0)[0] - 2 / 3) > 1e-12:
        failures.append("block code 2")
    if decode_pixel(4, struct.pack("<H", 0x7FFF), 2, 0, 0, None) != (0.0, 0.0, 0.0, 0.0):
        failures.append("format 4 bit 15")
    for f in failures:
        print(f)
    print("%d failures" % len(failures))
    return 1 if failures else 0


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("samples")
    p.add_argument("folder")
    p = sub.add_parser("check")
    p.add_argument("file")
    p.add_argument("--kind")
    p.add_argument("--pixels")
    p = sub.add_parser("selftest")
    p.add_argument("folder")
    p = sub.add_parser("drawing")
    p.add_argument("folder")
    p = sub.add_parser("textures")
    p.add_argument("folder")
    p.add_argument("--count", type=int, default=100)
    p.add_argument("--size", type=int, default=256)
    p = sub.add_parser("zero-n4")
    p.add_argument("file")
    p.add_argument("code", type=int)
    p.add_argument("wexp", type=int)
    p.add_argument("hexp", type=int)
    p.add_argument("count", type=int)
    p.add_argument("--fill", type=int, default=0)
    args = parser.parse_args(argv)
    if args.command == "zero-n4":
        with open(args.file, "wb") as f:
            f.write(zero_n4_mip(args.code, args.wexp, args.hexp, args.count, args.fill))
        return 0
    if args.command == "drawing":
        write_drawing(args.folder)
        return 0
    if args.command == "textures":
        write_textures(args.folder, args.count, args.size)
        return 0
    if args.command == "samples":
        write_samples(args.folder)
        return 0
    if args.command == "selftest":
        return selftest(args.folder)
    with open(args.file, "rb") as f:
        data = f.read()
    try:
        levels = read_levels(data, args.kind or kind_of(args.file))
        text = listing(levels)
    except Broken as e:
        print(e)
        return 1
    if args.pixels:
        with open(args.pixels, "w") as f:
            f.write(text)
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
