#!/usr/bin/env python3
"""Game folders for the recognizer checks, and an independent reading of the recognizer rules.

    folders.py build OUT [GPL3DO N23DO N43DO]   writes the folders under OUT and OUT/manifest.txt
    folders.py selftest                         builds into a temporary folder and checks every
                                                manifest line against this file's own reading

Each manifest line is "<path relative to OUT>\t<outcome>": the facet set the registry builds for
that folder or DAT file (GPL, N2, N4, Sub), "empty" for a file no recognizer takes, or
"error:<set>" when that set's builder is chosen and fails on the folder's DAT.  The 3D-object
files of the other generators are used when their paths are given; else files that only carry
the first words the rules read.
"""
import os
import struct
import sys
import tempfile


def chunk_id(letters):
    """The little-endian bytes of a four-letter id whose first letter is the highest byte."""
    return letters[::-1].encode("ascii")


def words(*values, size=0):
    data = b"".join(struct.pack("<I", v & 0xFFFFFFFF) for v in values)
    return data + b"\0" * max(0, size - len(data))


def name_bytes(name):
    """An entry's stored name: ASCII text, or bytes as they stand (a name in the code page)."""
    return name if isinstance(name, bytes) else name.encode("ascii")


def icr2_dat(entries):
    out = struct.pack("<h", len(entries))
    offset = 2 + 27 * len(entries)
    for name, data in entries:
        out += struct.pack("<BBII", 5, 0, len(data), len(data)) + name_bytes(name).ljust(13, b"\0")[:13]
        out += struct.pack("<I", offset)
        offset += len(data)
    return out + b"".join(data for _, data in entries)


def n4_dat(entries):
    directory = sum(15 + len(name) + 1 for name, _ in entries)
    out = struct.pack("<hII", -len(entries), directory, 0)
    offset = 10 + directory
    for name, data in entries:
        out += struct.pack("<BBIIIB", 5, 0, len(data), len(data), offset, len(name)) + name_bytes(name) + b"\0"
        offset += len(data)
    return out + b"".join(data for _, data in entries)


def build(out, gpl3do=None, n23do=None, n43do=None):
    def read(path, fallback):
        if path:
            with open(path, "rb") as f:
                return f.read()
        return fallback

    gpl = read(gpl3do, chunk_id("3DO4") + words(0, size=12))
    n2 = read(n23do, chunk_id("3DO3") + words(0, size=12))
    n4 = read(n43do, words(1, 2, size=16))
    lyt = words(6, 809, size=40)
    gpl_trk = chunk_id("TRAK") + words(3000, size=12)
    n2_trk = chunk_id("TRAK") + words(1, size=12)
    manifest = []

    def put(relative, data):
        path = os.path.join(out, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)

    def expect(relative, outcome):
        manifest.append((relative, outcome))

    put("gpl/Monza/Monza.3do", gpl)
    put("gpl/Monza/MONZA.TRK", gpl_trk)
    expect("gpl/Monza", "GPL")
    put("gpl/Spa/SPA.DAT", icr2_dat([("spa.LYT", lyt), ("car.3do", n2)]))
    expect("gpl/Spa", "GPL")
    put("gpl/Replays/race.RPY", chunk_id("RPLY") + words(2, size=12))
    expect("gpl/Replays", "GPL")

    put("n2/Nazareth/car.3DO", n2)
    put("n2/Nazareth/nazareth.trk", gpl_trk)
    expect("n2/Nazareth", "N2")
    put("n2/Rpl/race.rpl", words(40, 44, size=100))
    expect("n2/Rpl", "N2")
    put("n2/Ovals/Ovals.dat", icr2_dat([("ovals.trk", n2_trk), ("car.3do", n2)]))
    expect("n2/Ovals", "N2")
    put("n2/Tracks/a.TRK", n2_trk)
    expect("n2/Tracks", "N2")

    put("n4/tracks/Oval/oval.ptf", b"")
    put("n4/tracks/Oval/car.3do", n4)
    expect("n4/tracks/Oval", "N4")
    put("n4/tracks/Shared/SHARED.DAT", n4_dat([("wheel.3do", n4)]))
    expect("n4/tracks/Shared", "N4")
    put("n4/tracks/Sebring/Sebring.dat", n4_dat([("cars\\body.mip", b"x"), ("sebring.ptf", b"")]))
    expect("n4/tracks/Sebring", "N4")
    os.makedirs(os.path.join(out, "n4/tracks/Sebring/Cars"), exist_ok=True)
    expect("n4/tracks/Sebring/Cars", "Sub")
    expect("n4/tracks/Sebring/Wheels", "Sub")  # known to nobody but the parent's DAT; not on disk
    put("n4/Replays/race.rpy", chunk_id("RPLY") + words(4, size=12))
    expect("n4/Replays", "N4")

    put("mixed/Case/b.3do", gpl)
    put("mixed/Case/A.3DO", n2)
    expect("mixed/Case", "N2")
    put("mixed/Short/a.3do", b"4O")
    put("mixed/Short/b.3do", n4)
    expect("mixed/Short", "N4")
    put("mixed/Rpl41/race.rpl", words(41, 44, size=100))
    expect("mixed/Rpl41", "GPL")
    os.makedirs(os.path.join(out, "empty/Nothing"), exist_ok=True)
    expect("empty/Nothing", "GPL")

    put("foreign/Oval/car.3do", gpl)
    put("foreign/Oval/oval.dat", b"not an archive at all")
    expect("foreign/Oval", "error:GPL")
    put("foreign/Ring/car.3do", n4)
    put("foreign/Ring/ring.dat", icr2_dat([("a.trk", gpl_trk)]))
    expect("foreign/Ring", "error:N4")
    put("damaged/Track/track.dat", n4_dat([("a.3do", n4), ("b.3do", n4)])[:40])
    expect("damaged/Track", "error:N4")

    put("dats/extra.dat", icr2_dat([("a.lyt", lyt)]))
    expect("dats/extra.dat", "GPL")
    put("dats/n2.dat", icr2_dat([("a.trk", gpl_trk), ("b.3do", n2)]))
    expect("dats/n2.dat", "N2")
    put("dats/trk.dat", icr2_dat([("a.trk", gpl_trk)]))
    expect("dats/trk.dat", "GPL")
    put("dats/n4.dat", n4_dat([("a.3do", gpl)]))
    expect("dats/n4.dat", "N4")
    put("dats/junk.dat", b"junk")
    expect("dats/junk.dat", "empty")

    with open(os.path.join(out, "manifest.txt"), "w") as f:
        for relative, outcome in manifest:
            f.write(f"{relative}\t{outcome}\n")
    return manifest


# ---- an independent reading of the recognizer rules -------------------------------------------

def head(path, count):
    with open(path, "rb") as f:
        data = f.read(count)
    if len(data) < count:
        raise OSError("short")
    return data


def exists_nocase(path):
    """The entry a path names, its components matched without regard to case (A to Z)."""
    if os.path.exists(path):
        return path
    parts = path.strip("/").split("/")
    current = "/"
    for part in parts:
        try:
            names = os.listdir(current)
        except OSError:
            return None
        match = [n for n in sorted(names, key=lambda n: (n.lower(), n)) if n.lower() == part.lower()]
        if not match:
            return None
        current = os.path.join(current, match[0])
    return current


def is_file(path):
    found = exists_nocase(path)
    return found is not None and os.path.isfile(found)


def icr2_header(path):
    try:
        if not is_file(path):
            return False
        count, signature = struct.unpack("<hH", head(exists_nocase(path), 4))
        return count > 0 and signature == 5
    except OSError:
        return False


def n4_header(path):
    try:
        if not is_file(path):
            return False
        count, size, reserved, kind = struct.unpack("<hIIB", head(exists_nocase(path), 11))
        return count < 0 and size != 0 and reserved == 0 and kind == 5
    except OSError:
        return False


def icr2_entries(path):
    with open(exists_nocase(path), "rb") as f:
        data = f.read()
    (count,) = struct.unpack_from("<h", data, 0)
    if count <= 0 or 2 + 27 * count > len(data):
        raise OSError("directory")
    for i in range(count):
        base = 2 + 27 * i
        _, _, size, _ = struct.unpack_from("<BBII", data, base)
        name = data[base + 10:base + 23].split(b"\0")[0].decode("latin-1")
        (offset,) = struct.unpack_from("<I", data, base + 23)
        yield name, (data[offset:offset + size] if offset + size <= len(data) else None)


def first_entry_decides(path, rules):
    try:
        for name, data in icr2_entries(path):
            extension = name.rsplit(".", 1)[1].lower() if "." in name else ""
            if extension in rules:
                if data is None:
                    continue
                try:
                    return rules[extension](data)
                except (struct.error, OSError):
                    continue
    except (struct.error, OSError):
        pass
    return False


def u32(data, index):
    return struct.unpack_from("<I", data, 4 * index)[0]


GPL_RULES = {"3do": lambda d: d[:4] == chunk_id("3DO4") if len(d) >= 4 else _short(),
             "lyt": lambda d: u32(d, 0) == 6 and u32(d, 1) == 809}
N2_RULES = {"3do": lambda d: d[:4] == chunk_id("3DO3") if len(d) >= 4 else _short()}


def _short():
    raise OSError("short")


def gpl_folder_rules(path):
    return {"3do": lambda: head(path, 4) == chunk_id("3DO4"),
            "trk": lambda: head(path, 4) == chunk_id("TRAK") and u32(head(path, 8), 1) == 3000,
            "rpy": lambda: (lambda d: d[:4] == chunk_id("RPLY") and u32(d, 1) < 3)(head(path, 8))}


def n2_folder_rules(path):
    def rpl():
        data = head(path, 16)
        return os.path.getsize(path) == 16 + ((u32(data, 0) + u32(data, 1)) & 0xFFFFFFFF)
    return {"3do": lambda: head(path, 4) == chunk_id("3DO3"),
            "trk": lambda: head(path, 4) == chunk_id("TRAK") and u32(head(path, 8), 1) == 1,
            "rpl": rpl}


def n4_folder_rules(path):
    return {"3do": lambda: u32(head(path, 8), 0) == 1 and u32(head(path, 8), 1) == 2,
            "ptf": lambda: True,
            "rpy": lambda: head(path, 4) == chunk_id("RPLY") and u32(head(path, 8), 1) >= 3}


def first_file_decides(folder, patterns, rules_of):
    real = exists_nocase(folder)
    if real is None or not os.path.isdir(real):
        return False
    names = sorted((n for n in os.listdir(real) if os.path.isfile(os.path.join(real, n))),
                   key=lambda n: (n.lower(), n))
    for pattern in patterns:
        for name in names:
            if not name.lower().endswith("." + pattern):
                continue
            try:
                return rules_of(os.path.join(real, name))[pattern]()
            except (struct.error, OSError):
                continue
    return False


def own_dat(folder):
    return os.path.join(folder, os.path.basename(folder) + ".dat")


class Registry:
    def __init__(self):
        self.cache = {}

    def gpl_content(self, path):
        return icr2_header(path) and first_entry_decides(path, GPL_RULES)

    def n2_content(self, path):
        return icr2_header(path) and first_entry_decides(path, N2_RULES)

    def sub_folder(self, folder):
        if is_file(own_dat(folder)):
            return False
        parent = os.path.dirname(folder)
        if not is_file(own_dat(parent)):
            return False
        return self.folder(parent) not in ("Sub",) and not self.folder(parent).startswith("error")

    def folder(self, folder):
        """The set built for a folder, "error:<set>" when its builder fails on the folder's DAT."""
        if folder in self.cache:
            return self.cache[folder]
        dat = own_dat(folder)
        if self.gpl_content(dat) or first_file_decides(folder, ["3do", "trk", "rpy"], gpl_folder_rules):
            chosen = "GPL"
        elif self.n2_content(dat) or first_file_decides(folder, ["3do", "trk", "rpl"], n2_folder_rules):
            chosen = "N2"
        elif n4_header(dat) or first_file_decides(folder, ["3do", "ptf", "rpy"], n4_folder_rules):
            chosen = "N4"
        elif self.sub_folder(folder):
            chosen = "Sub"
        else:
            chosen = "GPL"
        if chosen != "Sub" and is_file(dat) and not self.dat_reads(dat, chosen):
            chosen = "error:" + chosen
        self.cache[folder] = chosen
        return chosen

    @staticmethod
    def dat_reads(path, chosen):
        """Whether the builder's DAT reader takes the file: its directory at least."""
        if chosen == "N4":
            try:
                with open(exists_nocase(path), "rb") as f:
                    data = f.read()
                count, size, reserved = struct.unpack_from("<hII", data, 0)
                if count >= 0 or reserved != 0 or 10 + size > len(data):
                    return False
                position = 10
                for _ in range(-count):
                    kind, method, _, _, _, length = struct.unpack_from("<BBIIIB", data, position)
                    if kind != 5 or method not in (0, 2):
                        return False
                    position += 15 + length + 1
                return position == 10 + size
            except struct.error:
                return False
        try:
            for _ in icr2_entries(path):
                pass
            return True
        except (struct.error, OSError):
            return False

    def dat(self, path):
        for test in (self.gpl_content, self.n2_content, n4_header):
            if test(path):
                return {self.gpl_content: "GPL", self.n2_content: "N2"}.get(test, "N4")
        if icr2_header(path):
            return "GPL"
        if n4_header(path):
            return "N4"
        return "empty"


def selftest():
    with tempfile.TemporaryDirectory() as out:
        manifest = build(out)
        registry = Registry()
        failures = 0
        for relative, outcome in manifest:
            path = os.path.join(out, relative)
            got = registry.dat(path) if relative.endswith(".dat") else registry.folder(path)
            if got != outcome:
                print(f"{relative}: manifest {outcome}, rules {got}")
                failures += 1
        print(f"{len(manifest)} folders, {failures} disagreements")
        return 1 if failures else 0


def main(argv):
    if len(argv) >= 2 and argv[1] == "selftest":
        return selftest()
    if len(argv) in (3, 6) and argv[1] == "build":
        build(argv[2], *argv[3:6])
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
