#!/usr/bin/env python3
"""Independent writer and checker of DAT containers (ICR2 and N4 layouts).

Written from the format descriptions alone, with no code of the library:

  ICR2: S16 count (> 0); count records of 27 bytes {U8 5, U8 method 0, U32 size, U32 size,
        13-byte NUL-padded name, U32 absolute offset}; then the data.
  N4:   S16 -count, U32 directory size, U32 reserved 0; records {U8 type 5, U8 method (0 stored,
        2 imploded), U32 size, U32 packed size, U32 offset, U8 L, L name bytes, NUL}; then data.

Imploded entries are PKWARE DCL implode streams. The writer makes literal-only streams (binary
mode: a 0 flag bit and 8 literal bits per byte, then the end code); the reader decodes binary-mode
streams of every dictionary size (literals, lengths and distances) for the checks.

Usage:
  datfile.py samples OUTDIR          write the sample and crafted archives with their manifests,
                                     and n4-huge.dat, whose first entry unpacks to 4 GiB
  datfile.py check ARCHIVE icr2|n4 FOLDER
                                     check an archive written by another program from the files
                                     of FOLDER: layout, offsets, and every entry's bytes
  datfile.py selftest OUTDIR         write the samples and prove the checker on them
"""
import os
import struct
import sys

# ---------------------------------------------------------------------------------------------
# Implode streams

class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, value, bits):
        """bits low bits of value, least significant first."""
        for i in range(bits):
            self.acc |= ((value >> i) & 1) << self.count
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                self.acc = 0
                self.count = 0

    def finish(self):
        if self.count:
            self.out.append(self.acc)
        return bytes(self.out)


def implode_literal(data, dictionary_bits=6):
    """A binary-mode stream of literals only, ending in the end code (length 519)."""
    w = BitWriter()
    for b in data:
        w.put(0, 1)
        w.put(b, 8)
    # End: flag 1, the code of the last length symbol (seven bits, all zero on the wire), and
    # eight extra bits 255 (264 + 255 = 519).
    w.put(1, 1)
    w.put(0, 7)
    w.put(255, 8)
    stream = bytes([0, dictionary_bits]) + w.finish()
    # Decoders refuse streams of 4 bytes or fewer: the empty input gets a zero byte more.
    return stream + b"\0" if len(stream) <= 4 else stream


def _expand(compact):
    """Code lengths from the run-length form: each byte is (repeat - 1) << 4 | length."""
    lengths = []
    for b in compact:
        lengths += [b & 15] * ((b >> 4) + 1)
    return lengths


def _canonical(lengths):
    """{(length, code as sent, bits read first-first): symbol} for a canonical prefix code whose
    bits are sent inverted, most significant first."""
    table = {}
    code = 0
    for length in range(1, 17):
        for symbol, l in enumerate(lengths):
            if l == length:
                table[(length, code)] = symbol
                code += 1
        code <<= 1
    return table


LEN_LENGTHS = _expand([2, 35, 36, 53, 38, 23])
DIST_LENGTHS = _expand([2, 20, 53, 230, 247, 151, 248])
LEN_CODES = _canonical(LEN_LENGTHS)
DIST_CODES = _canonical(DIST_LENGTHS)
LEN_BASE = [3, 2, 4, 5, 6, 7, 8, 9, 10, 12, 16, 24, 40, 72, 136, 264]
LEN_EXTRA = [0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8]


class ExplodeError(Exception):
    pass


def explode(stream):
    """Decodes a whole implode stream; raises ExplodeError on a damaged one."""
    if len(stream) < 2 or stream[0] != 0 or stream[1] not in (4, 5, 6):
        raise ExplodeError("bad header (binary literal mode only)")
    dict_bits = stream[1]
    pos = [2, 0]  # byte, bit

    def bits(n):
        v = 0
        for i in range(n):
            if pos[0] >= len(stream):
                raise ExplodeError("stream ends early")
            v |= ((stream[pos[0]] >> pos[1]) & 1) << i
            pos[1] += 1
            if pos[1] == 8:
                pos[0] += 1
                pos[1] = 0
        return v

    def decode(table):
        code = 0
        for length in range(1, 17):
            code = (code << 1) | (bits(1) ^ 1)
            if (length, code) in table:
                return table[(length, code)]
        raise ExplodeError("bad code")

    out = bytearray()
    while True:
        if bits(1):
            symbol = decode(LEN_CODES)
            length = LEN_BASE[symbol] + bits(LEN_EXTRA[symbol])
            if length == 519:
                return bytes(out)
            low = 2 if length == 2 else dict_bits
            distance = (decode(DIST_CODES) << low) + bits(low) + 1
            if distance > len(out):
                raise ExplodeError("distance too far back")
            for _ in range(length):
                out.append(out[-distance])
        else:
            out.append(bits(8))


def _sent(table):
    """symbol -> (bits, the code's bits in the order they are sent, first bit lowest)."""
    sent = {}
    for (length, code), symbol in table.items():
        value = 0
        for i in range(length):
            value |= (((code >> (length - 1 - i)) & 1) ^ 1) << i
        sent[symbol] = (length, value)
    return sent


SENT_LEN = _sent(LEN_CODES)
SENT_DIST = _sent(DIST_CODES)


def put_match(w, length, dict_bits, distance=1):
    """A match token of 2 to 518 bytes (or the end code, 519)."""
    symbol = next(s for s in range(16) if LEN_BASE[s] <= length < LEN_BASE[s] + (1 << LEN_EXTRA[s]))
    w.put(1, 1)
    w.put(SENT_LEN[symbol][1], SENT_LEN[symbol][0])
    w.put(length - LEN_BASE[symbol], LEN_EXTRA[symbol])
    if length == 519:
        return
    low = 2 if length == 2 else dict_bits
    high = (distance - 1) >> low
    w.put(SENT_DIST[high][1], SENT_DIST[high][0])
    w.put((distance - 1) & ((1 << low) - 1), low)


def implode_repeats(size, byte=0x41):
    """A binary-mode stream (1024-byte dictionary) that unpacks to size copies of one byte:
    two literals, then matches of the longest length at distance 1 (22 bits per 518 bytes, the
    format's densest), then the end code. Two literals and one match take 40 bits, and four
    matches 88: from there the stream repeats every 11 bytes, so that a stream unpacking to
    gigabytes is written in moments."""
    assert size >= 2
    full, rest = divmod(size - 2, 518)
    w = BitWriter()
    w.put(byte << 1, 9)
    w.put(byte << 1, 9)
    blocks = 0
    if full >= 1:
        put_match(w, 518, 4)
        blocks = (full - 1) // 4
        full -= 1 + 4 * blocks
    block = BitWriter()
    for _ in range(4):
        put_match(block, 518, 4)
    head = bytes([0, 4]) + w.finish() if blocks else b""
    tail = BitWriter() if blocks else w
    for _ in range(full):
        put_match(tail, 518, 4)
    if rest == 1:
        tail.put(byte << 1, 9)
    elif rest >= 2:
        put_match(tail, rest, 4)
    put_match(tail, 519, 4)
    stream = head + block.finish() * blocks + tail.finish() if blocks else bytes([0, 4]) + w.finish()
    return stream + b"\0" if len(stream) <= 4 else stream


# The public test vector of the format: 8 bytes that unpack to 13.
PUBLIC_VECTOR = bytes([0x00, 0x04, 0x82, 0x24, 0x25, 0x8F, 0x80, 0x7F])
PUBLIC_TEXT = b"AIAIAIAIAIAIA"

# ---------------------------------------------------------------------------------------------
# Writing archives. An entry is (name, method, size, packed bytes); offsets follow the
# directory in order unless given.

def icr2_archive(entries, count=None, offsets=None, patch=None):
    n = len(entries) if count is None else count
    directory = bytearray()
    data = bytearray()
    base = 2 + 27 * len(entries)
    for i, (name, data_bytes) in enumerate(entries):
        offset = base + len(data) if offsets is None or offsets[i] is None else offsets[i]
        raw = name.encode("latin-1")
        directory += struct.pack("<BBII", 5, 0, len(data_bytes), len(data_bytes))
        directory += (raw + b"\0" * 13)[:13]
        directory += struct.pack("<I", offset)
        data += data_bytes
    out = bytearray(struct.pack("<h", n) + directory + data)
    if patch:
        for at, value in patch:
            out[at:at + len(value)] = value
    return bytes(out)


def n4_record(name, method, size, packed_size, offset, type_=5):
    raw = name.encode("latin-1")
    return struct.pack("<BBIIIB", type_, method, size, packed_size, offset, len(raw)) + raw + b"\0"


def n4_archive(entries, count=None, reserved=0, directory_size=None, overrides=None):
    """entries: (name, method, unpacked size, stored bytes). overrides[i]: dict of record
    fields to force (size, packed, offset, type, method)."""
    overrides = overrides or {}
    directory_len = sum(16 + len(e[0]) for e in entries)
    base = 10 + directory_len
    directory = bytearray()
    data = bytearray()
    for i, (name, method, size, stored) in enumerate(entries):
        o = overrides.get(i, {})
        directory += n4_record(name, o.get("method", method), o.get("size", size),
                               o.get("packed", len(stored)), o.get("offset", base + len(data)),
                               o.get("type", 5))
        data += stored
    n = len(entries) if count is None else count
    size_field = len(directory) if directory_size is None else directory_size
    return struct.pack("<hII", -n, size_field, reserved) + bytes(directory) + bytes(data)


def n4_entry(name, content, method):
    return (name, method, len(content), content if method == 0 else implode_literal(content))

# ---------------------------------------------------------------------------------------------
# Reading archives (for the checks)

class FormatError(Exception):
    pass


def read_icr2(blob, strict=False):
    if len(blob) < 2:
        raise FormatError("short")
    (count,) = struct.unpack_from("<h", blob, 0)
    if count <= 0:
        raise FormatError("ICR2 dat file subfile count error")
    entries = []
    for i in range(count):
        at = 2 + 27 * i
        if at + 27 > len(blob):
            raise FormatError("short")
        sig, method, size, size2 = struct.unpack_from("<BBII", blob, at)
        name = blob[at + 10:at + 23].split(b"\0")[0].decode("latin-1")
        (offset,) = struct.unpack_from("<I", blob, at + 23)
        if sig != 5:
            raise FormatError("ICR2 dat file signature not 5")
        if method != 0:
            raise FormatError("ICR2 dat file unknown compression method")
        if size != size2:
            raise FormatError("ICR2 dat file subfile size mismatch")
        if strict and len(name) > 12:
            raise FormatError("ICR2 dat file subfile name not 8.3")
        entries.append({"name": name, "method": 0, "size": size, "packed": size, "offset": offset})
    return entries


def read_n4(blob):
    if len(blob) < 10:
        raise FormatError("short")
    count, directory_size, reserved = struct.unpack_from("<hII", blob, 0)
    if reserved != 0:
        raise FormatError("N4 dat file reserved not zero")
    if directory_size > len(blob) - 10:
        raise FormatError("N4 dat file directory size error")
    at, end = 10, 10 + directory_size
    entries = []
    while at < end:
        if at + 15 > end:
            raise FormatError("short")
        type_, method, size, packed, offset, length = struct.unpack_from("<BBIIIB", blob, at)
        if type_ != 5:
            raise FormatError("N4 dat file subfile type error")
        if method not in (0, 2):
            raise FormatError("N4 dat file unknown compression method")
        if method == 0 and packed != size:
            raise FormatError("N4 dat file compressed size error")
        if at + 15 + length + 1 > end:
            raise FormatError("short")
        name = blob[at + 15:at + 15 + length + 1].split(b"\0")[0].decode("latin-1")
        entries.append({"name": name, "method": method, "size": size, "packed": packed, "offset": offset})
        at += 16 + length
    if count + len(entries) != 0:
        raise FormatError("N4 dat file subfile count mismatch")
    return entries


def entry_bytes(blob, entry, fmt):
    """The entry's unpacked bytes, or FormatError with the opening error's text."""
    message = "%s dat file subfile size error" % ("ICR2" if fmt == "icr2" else "N4")
    if entry["offset"] + entry["packed"] > len(blob):
        raise FormatError(message)
    stored = blob[entry["offset"]:entry["offset"] + entry["packed"]]
    if entry["method"] == 0:
        return stored
    # A token takes 7 bits at least (flag, length and distance codes, low distance bits) and
    # gives 518 bytes at most; larger claims are refused before anything is decoded.
    if entry["size"] > (entry["packed"] * 8 // 7 + 1) * 518:
        raise FormatError(message)
    try:
        data = explode(stored)
    except ExplodeError as e:
        raise FormatError("damaged: %s" % e)
    if len(data) != entry["size"]:
        raise FormatError("damaged: %d bytes, directory says %d" % (len(data), entry["size"]))
    return data

# ---------------------------------------------------------------------------------------------
# Samples

TRACK = bytes(range(256)) * 3 + b"track end"
CAR = b"4OD3" + bytes(60)
SETUP = b"setup data\r\n" * 5
INI = b"[track]\r\nname=Oval\r\n"
LOGO = bytes((i * 7) & 255 for i in range(300))
EMPTY = b""


def sample_archives():
    """name -> (bytes, format, [(entry name, method, size, unpacked bytes or None if bad)])."""
    samples = {}
    icr2 = [("track.trk", TRACK), ("car.3do", CAR), ("setup.co2", SETUP), ("empty.win", EMPTY)]
    samples["icr2-valid.dat"] = (icr2_archive(icr2), "icr2",
                                 [(n, 0, len(d), d) for n, d in icr2])
    # A 13-character name without a NUL: accepted unless strict.
    long13 = [("abcdefghi.trk", TRACK[:10])]
    samples["icr2-name13.dat"] = (icr2_archive(long13), "icr2",
                                  [(n, 0, len(d), d) for n, d in long13])

    n4 = [n4_entry("Art\\Logo.MIP", LOGO, 0),
          n4_entry("track.ini", INI, 2),
          n4_entry("art\\sub\\car.3do", CAR, 2),
          ("public.txt", 2, len(PUBLIC_TEXT), PUBLIC_VECTOR),
          n4_entry("empty.txt", EMPTY, 2),
          n4_entry("stored.cam", EMPTY, 0)]
    expected = [("Art\\Logo.MIP", 0, LOGO), ("track.ini", 2, INI), ("art\\sub\\car.3do", 2, CAR),
                ("public.txt", 2, PUBLIC_TEXT), ("empty.txt", 2, EMPTY), ("stored.cam", 0, EMPTY)]
    samples["n4-valid.dat"] = (n4_archive(n4), "n4", [(n, m, len(d), d) for n, m, d in expected])

    # The damaged copy: entry 1 lies beyond the file, entry 2 claims more than its bytes can
    # unpack to, entry 3's stream is cut short; the others still read.
    blob = n4_archive(n4, overrides={1: {"offset": 0x7FFFFFF0}, 2: {"size": 0xFFFFFFF0}})
    # Cut the public vector's stream short: overwrite its last byte with a damaged one.
    entries = read_n4(blob)
    damaged = bytearray(blob)
    damaged[entries[3]["offset"] + 7] = 0x00
    samples["n4-damaged.dat"] = (bytes(damaged), "n4",
                                 [("Art\\Logo.MIP", 0, len(LOGO), LOGO), ("track.ini", 2, len(INI), None),
                                  ("art\\sub\\car.3do", 2, 0xFFFFFFF0, None),
                                  ("public.txt", 2, len(PUBLIC_TEXT), None),
                                  ("empty.txt", 2, 0, EMPTY), ("stored.cam", 0, 0, EMPTY)])
    return samples


def crafted_archives():
    """(file name, format, strict, phase, message): phase 'load' or 'open N'."""
    one = [("track.trk", TRACK[:40])]
    cases = []

    def icr2(name, blob, message, strict=False, phase="load"):
        cases.append((name, blob, "icr2", strict, phase, message))

    def n4(name, blob, message, phase="load"):
        cases.append((name, blob, "n4", False, phase, message))

    icr2("icr2-count-zero.dat", struct.pack("<h", 0) + bytes(27), "ICR2 dat file subfile count error")
    icr2("icr2-count-negative.dat", struct.pack("<h", -3) + bytes(60), "ICR2 dat file subfile count error")
    icr2("icr2-signature.dat", icr2_archive(one, patch=[(2, b"\x04")]), "ICR2 dat file signature not 5")
    icr2("icr2-method.dat", icr2_archive(one, patch=[(3, b"\x01")]), "ICR2 dat file unknown compression method")
    icr2("icr2-size-mismatch.dat", icr2_archive(one, patch=[(8, struct.pack("<I", 41))]),
         "ICR2 dat file subfile size mismatch")
    icr2("icr2-name-strict.dat", icr2_archive([("abcdefghi.trk", b"x")]), "ICR2 dat file subfile name not 8.3",
         strict=True)
    icr2("icr2-beyond.dat", icr2_archive(one, offsets=[1000]), "ICR2 dat file subfile size error", phase="open 0")
    # Two fields broken at once: the one checked first is the one reported (signature, method,
    # sizes, then the name).
    icr2("icr2-signature-and-method.dat", icr2_archive(one, patch=[(2, b"\x04"), (3, b"\x01")]),
         "ICR2 dat file signature not 5")
    icr2("icr2-method-and-size.dat", icr2_archive(one, patch=[(3, b"\x01"), (8, struct.pack("<I", 41))]),
         "ICR2 dat file unknown compression method")
    icr2("icr2-size-and-name.dat", icr2_archive([("abcdefghi.trk", b"x")], patch=[(8, struct.pack("<I", 2))]),
         "ICR2 dat file subfile size mismatch", strict=True)

    track = [n4_entry("track.ptf", TRACK[:50], 2)]
    stored = [n4_entry("a.mip", LOGO[:20], 0)]
    n4("n4-reserved.dat", n4_archive(track, reserved=1), "N4 dat file reserved not zero")
    n4("n4-directory-size.dat", n4_archive(track, directory_size=100000), "N4 dat file directory size error")
    n4("n4-type.dat", n4_archive(track, overrides={0: {"type": 4}}), "N4 dat file subfile type error")
    n4("n4-method.dat", n4_archive(track, overrides={0: {"method": 1}}), "N4 dat file unknown compression method")
    n4("n4-compressed-size.dat", n4_archive(stored, overrides={0: {"size": 21}}), "N4 dat file compressed size error")
    # Minus three entries announced, two records present.
    n4("n4-count.dat", n4_archive(stored + track, count=3), "N4 dat file subfile count mismatch")
    # Two fields broken at once: the header's reserved word and directory size before any record;
    # in a record the type, then the method, then the sizes; the count after the whole directory.
    n4("n4-reserved-and-type.dat", n4_archive(track, reserved=1, overrides={0: {"type": 4}}),
       "N4 dat file reserved not zero")
    n4("n4-directory-size-and-type.dat", n4_archive(track, directory_size=100000, overrides={0: {"type": 4}}),
       "N4 dat file directory size error")
    n4("n4-type-and-method.dat", n4_archive(track, overrides={0: {"type": 4, "method": 1}}),
       "N4 dat file subfile type error")
    n4("n4-type-and-size.dat", n4_archive(stored, overrides={0: {"type": 4, "size": 21}}), "N4 dat file subfile type error")
    n4("n4-count-and-type.dat", n4_archive(stored + track, count=3, overrides={1: {"type": 4}}),
       "N4 dat file subfile type error")
    n4("n4-beyond.dat", n4_archive(stored, overrides={0: {"offset": 5000}}), "N4 dat file subfile size error",
       phase="open 0")
    n4("n4-unpacked-size.dat", n4_archive(track, overrides={0: {"size": 0x40000000}}),
       "N4 dat file subfile size error", phase="open 0")
    return cases


# The largest size an entry's directory can give, truly reached by the stream.
HUGE_SIZE = 0xFFFFFFFF


def huge_archive(size=HUGE_SIZE):
    """An N4 archive whose imploded entry "art\\huge.3do" truly unpacks to size bytes (the
    stream is the format's densest, so 4 GiB take 22.8 MB), before a small entry that reads."""
    return n4_archive([("art\\huge.3do", 2, size, implode_repeats(size)), n4_entry("track.ini", INI, 2)])


def write_samples(out):
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "n4-huge.dat"), "wb") as f:
        f.write(huge_archive())
    with open(os.path.join(out, "samples.list"), "w") as listing:
        for name, (blob, fmt, entries) in sorted(sample_archives().items()):
            with open(os.path.join(out, name), "wb") as f:
                f.write(blob)
            listing.write("archive %s %s %d\n" % (name, fmt, len(entries)))
            for entry_name, method, size, data in entries:
                listing.write("entry %s %d %d %s\n" % (entry_name, method, size,
                                                       "bad" if data is None else (data.hex() or "-")))
    with open(os.path.join(out, "messages.list"), "w") as listing:
        for name, blob, fmt, strict, phase, message in crafted_archives():
            with open(os.path.join(out, name), "wb") as f:
                f.write(blob)
            listing.write("%s|%s|%d|%s|%s\n" % (name, fmt, strict, phase, message))

# ---------------------------------------------------------------------------------------------
# Checking an archive written by another program

def check_written(path, fmt, folder):
    """Raises AssertionError when the archive at path is not the one the files of folder
    make: records in order, data from just after the directory, back to back, each entry's
    bytes those of its file."""
    with open(path, "rb") as f:
        blob = f.read()
    entries = read_icr2(blob) if fmt == "icr2" else read_n4(blob)
    if fmt == "icr2":
        at = 2 + 27 * len(entries)
    else:
        at = 10 + struct.unpack_from("<I", blob, 2)[0]
    for e in entries:
        assert e["offset"] == at, "%s: offset %d, expected %d" % (e["name"], e["offset"], at)
        at += e["packed"]
        with open(os.path.join(folder, e["name"].replace("\\", "/")), "rb") as f:
            source = f.read()
        assert e["size"] == len(source), "%s: size %d, file %d" % (e["name"], e["size"], len(source))
        if fmt == "n4":
            ext = e["name"].rsplit(".", 1)[-1].lower()
            assert e["method"] == (0 if ext in ("bff", "mip", "stp") else 2), "%s: method" % e["name"]
            if e["method"] == 2:
                stored = blob[e["offset"]:e["offset"] + e["packed"]]
                assert stored[:2] == b"\x00\x06", "%s: not binary mode with a 4096-byte dictionary" % e["name"]
        assert entry_bytes(blob, e, fmt) == source, "%s: bytes differ" % e["name"]
    assert at == len(blob), "the archive ends at %d, the data at %d" % (len(blob), at)
    return len(entries)

# ---------------------------------------------------------------------------------------------

def selftest(out):
    write_samples(out)
    assert explode(PUBLIC_VECTOR) == PUBLIC_TEXT
    for data in (b"", b"a", bytes(range(256)) * 2):
        for k in (4, 5, 6):
            assert explode(implode_literal(data, k)) == data
    for size in (2, 3, 4, 519, 520, 521, 2074, 2075, 2076, 2077, 2078, 5 * 518 + 3, 20000):
        assert explode(implode_repeats(size)) == b"A" * size, size
    small = huge_archive(4000)
    assert entry_bytes(small, read_n4(small)[0], "n4") == b"A" * 4000
    assert len(huge_archive()) < 23 << 20
    for bad in (PUBLIC_VECTOR[:-1], b"\x02\x06\x00", b"\x00\x07\x00"):
        try:
            explode(bad)
            raise AssertionError("damaged stream decoded")
        except ExplodeError:
            pass
    # Samples read back as listed.
    for name, (blob, fmt, expected) in sample_archives().items():
        entries = read_icr2(blob) if fmt == "icr2" else read_n4(blob)
        assert [e["name"] for e in entries] == [x[0] for x in expected], name
        for e, (_, method, size, data) in zip(entries, expected):
            assert e["method"] == method and e["size"] == size, (name, e)
            try:
                got = entry_bytes(blob, e, fmt)
                assert data is not None and got == data, (name, e["name"])
            except FormatError:
                assert data is None, (name, e["name"])
    # Every crafted archive fails with its message, where it should.
    for name, blob, fmt, strict, phase, message in crafted_archives():
        try:
            entries = read_icr2(blob, strict) if fmt == "icr2" else read_n4(blob)
            assert phase.startswith("open"), name
            entry_bytes(blob, entries[int(phase.split()[1])], fmt)
            raise AssertionError("%s: no error" % name)
        except FormatError as e:
            assert str(e) == message, (name, str(e))
    # The checker accepts an archive made the way a save makes it, and refuses one shifted.
    folder = os.path.join(out, "check")
    os.makedirs(os.path.join(folder, "art"), exist_ok=True)
    files = {"art/logo.mip": LOGO, "track.ptf": TRACK, "track.txt": INI}
    for rel, data in files.items():
        with open(os.path.join(folder, rel), "wb") as f:
            f.write(data)
    entries = [n4_entry("art\\logo.mip", LOGO, 0), ("track.ptf", 2, len(TRACK), bytes([0, 6]) + implode_literal(TRACK)[2:]),
               n4_entry("track.txt", INI, 2)]
    good = os.path.join(out, "check.dat")
    with open(good, "wb") as f:
        f.write(n4_archive(entries))
    assert check_written(good, "n4", folder) == 3
    with open(good, "wb") as f:
        f.write(n4_archive(entries) + b"\0")
    try:
        check_written(good, "n4", folder)
        raise AssertionError("trailing byte accepted")
    except AssertionError as e:
        assert "ends at" in str(e)
    icr2_files = [("track.txt", INI)]
    with open(good, "wb") as f:
        f.write(icr2_archive(icr2_files))
    assert check_written(good, "icr2", folder) == 1
    print("datfile.py: self-test passed")


def main(argv):
    if len(argv) >= 3 and argv[1] == "samples":
        write_samples(argv[2])
    elif len(argv) >= 3 and argv[1] == "selftest":
        selftest(argv[2])
    elif len(argv) >= 5 and argv[1] == "check":
        try:
            n = check_written(argv[2], argv[3], argv[4])
        except (AssertionError, FormatError, OSError) as e:
            print("datfile.py: %s: %s" % (argv[2], e))
            return 1
        print("datfile.py: %s: %d entries as expected" % (argv[2], n))
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
