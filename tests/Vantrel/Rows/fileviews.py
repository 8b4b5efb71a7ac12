#!/usr/bin/env python3
"""Sample files for the rows and texts of the file panes, written with the independent
generators' own writers (datfile.py, race.py, bitmap.py, folders.py), and what the panes must
show of them, worked out here from the values put in and the formats, not by the program.

    fileviews.py dat OUT           DAT archives in game folders; OUT/dat.txt lists every archive's
                                   entry rows, entry paths, sort orders and track path
    fileviews.py cam OUT           the camera samples of race.py with their listings
    fileviews.py lyt OUT           the layout samples of race.py, and the files that edits give
    fileviews.py bitmap OUT        bitmap samples with pixel listings (OUT/samples.txt), and MIP
                                   files with a marker colour (OUT/marker.txt: file, count)
    fileviews.py big-dat OUT N     an N4 archive of N entries (benchmark)
    fileviews.py big-mip OUT SIDE  a 32-bit GPL MIP of SIDE x SIDE with every level (benchmark)

Standard library only.
"""
import os
import random
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PAPY = os.path.join(HERE, "..", "..", "Papy")
for family in ("Container", "Race", "Bitmap", "FacetSets"):
    sys.path.insert(0, os.path.join(PAPY, family))

import bitmap  # noqa: E402
import datfile  # noqa: E402
import folders  # noqa: E402
import race  # noqa: E402

MARKER = (250, 10, 130)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- DAT archives

def split_entry(stored):
    """Folder (before the last backslash), name and extension (after the last dot of the file
    name) of a stored entry name."""
    folder, _, file = stored.rpartition("\\")
    name, dot, extension = file.rpartition(".")
    if not dot:
        name, extension = file, ""
    return folder, name, extension


def relative_name(folder, name, extension):
    return (folder + "\\" if folder else "") + name + ("." + extension if extension else "")


def stays_inside(relative):
    """No component empty (a leading, doubled or trailing separator) or "..", no ':'."""
    parts = relative.replace("/", "\\").split("\\")
    return all(p and p != ".." and ":" not in p and "\0" not in p for p in parts)


def sort_orders(rows, column):
    """Load order sorted by the column ascending (stable), then that order descending (stable)."""
    def key(i):
        value = rows[i][column]
        return value.encode("latin-1") if isinstance(value, str) else value
    ascending = sorted(range(len(rows)), key=key)
    descending = sorted(ascending, key=key, reverse=True)
    return ascending, descending


def n4_mip_bytes(seed):
    rnd = random.Random(seed)
    levels = [bitmap.level_bmap(rnd, 7, 1 << (3 - m), 1 << (2 - m)) for m in range(3)]
    return bitmap.n4_mip(4, 7, 3, 2, levels)


def dat_samples(out):
    lines = []
    # An N4 archive with folders, imploded entries and names that lead outside the folder.
    logo = n4_mip_bytes(5)
    n4 = [
        datfile.n4_entry("Beta.txt", b"beta", 0),
        datfile.n4_entry("alpha.txt", b"alpha" * 3, 2),
        datfile.n4_entry("Gamma.txt", b"g" * 40, 0),
        datfile.n4_entry("art\\logo.mip", logo, 0),
        datfile.n4_entry("noext", b"plain", 2),
        datfile.n4_entry("..\\evil.txt", b"evil", 0),
        datfile.n4_entry("sub\\..\\..\\up.txt", b"up", 0),
        datfile.n4_entry("c:evil.txt", b"drive", 0),
        datfile.n4_entry("\\root\\abs.txt", b"abs", 0),
        ("big.bin", 2, 0xFFFFFFF0, datfile.implode_literal(b"x")),
        datfile.n4_entry("a.b.c", b"dots", 0),
        datfile.n4_entry("data/../../slash.txt", b"slash", 0),
    ]
    archives = [("n4/tracks/monza/monza.dat", "n4/tracks/monza", datfile.n4_archive(n4),
                 [(name, size, len(stored)) for name, _, size, stored in n4])]
    # An ICR2 archive of a GPL folder: flat names, stored entries, one without an extension.
    layout = race.lyt_file([race.lyt_record("Only", 1, 0, 0, 1, 1, 0, 0, 0, 0, 0, (0, 0, 0, 0))] * 2)
    icr2 = [("spa.lyt", layout), ("track.trk", b"trk" * 7), ("Beta", b"b"), ("alpha.3do", b"4OD3")]
    archives.append(("gpl/tracks/spa/spa.dat", "gpl/tracks/spa", datfile.icr2_archive(icr2),
                     [(name, len(data), len(data)) for name, data in icr2]))

    for path, folder, data, entries in archives:
        write(os.path.join(out, path), data)
        lines.append("archive\t%s\t%s" % (path, folder))
        rows = []
        for index, (stored, size, packed) in enumerate(entries):
            entry_folder, name, extension = split_entry(stored)
            relative = relative_name(entry_folder, name, extension)
            disk = folder + "/" + relative.replace("\\", "/") if stays_inside(relative) else "!"
            rows.append((name, extension, entry_folder, size, packed))
            lines.append("entry\t%d\t%s\t%s\t%s\t%d\t%d\t%s\t%s" % (index, name, extension, entry_folder, size,
                                                                    packed, relative, disk))
        for column in range(5):
            ascending, descending = sort_orders(rows, column)
            lines.append("sort\t%d\t%s\t%s" % (column, ",".join(map(str, ascending)),
                                               ",".join(map(str, descending))))
        base = folder.rsplit("/", 1)[1]
        lines.append("track\t%s/%s.track" % (folder, base))

    # The game folders of the recognizer checks: their DAT files, recognised or not.
    manifest = folders.build(os.path.join(out, "folders"))
    for relative, outcome in manifest:
        if relative.endswith(".dat"):
            lines.append("folder-dat\tfolders/%s\t%s" % (relative, outcome))
    with open(os.path.join(out, "dat.txt"), "w") as f:
        f.write("\n".join(lines) + "\n")


def big_dat(out, count):
    rnd = random.Random(count)
    entries = []
    for i in range(count):
        name = "%s\\%s%05d.%s" % (rnd.choice(("art", "cars", "tracks\\sub", "sounds")),
                                  rnd.choice(("Beta", "alpha", "Gamma", "delta")), rnd.randrange(100000),
                                  rnd.choice(("mip", "3do", "txt", "cam", "")))
        size = rnd.randrange(1 << 20)
        entries.append((name.rstrip("."), 0, size, bytes(rnd.randrange(4))))
    # Stored entries whose sizes claim more than they hold: the list reads only the directory.
    entries = [(n, 2, s, d) for n, _, s, d in entries]
    write(os.path.join(out, "big/big.dat"), datfile.n4_archive(entries))


# ---------------------------------------------------------------- cameras and layouts

def cam_samples(out):
    files, _ = race.cam_samples()
    for name, data in files.items():
        write(os.path.join(out, name), data)
        with open(os.path.join(out, name + ".list"), "w") as f:
            f.write("\n".join(race.listing(name, data)) + "\n")


def lyt_samples(out):
    files, _ = race.lyt_samples()
    for name, data in files.items():
        write(os.path.join(out, name), data)
        with open(os.path.join(out, name + ".list"), "w") as f:
            f.write("\n".join(race.listing(name, data)) + "\n")
    screen = files["screen.lyt"]
    controls = race.read_lyt(screen)

    def records(changes):
        made = []
        for i, c in enumerate(controls):
            c = dict(c, **changes.get(i, {}))
            made.append(race.lyt_record(c["name"], c["type"], c["x"], c["y"], c["w"], c["h"], c["string"],
                                        c["group"], c["parent"], c["relative"], c["value"], c["extras"]))
        return made

    if race.lyt_file(records({})) != screen:
        raise SystemExit("the layout sample does not rebuild from its values")
    edited = {
        "screen-x12.lyt": {0: {"x": 12}},
        "screen-x0.lyt": {0: {"x": 0}},
        "screen-name255.lyt": {2: {"name": "y" * 255}},
        "screen-limits.lyt": {0: {"w": 2147483647, "h": -2147483648}},
        "screen-string.lyt": {0: {"string": -7}},
        "screen-y7.lyt": {0: {"y": 7}},
    }
    for name, changes in edited.items():
        write(os.path.join(out, name), race.lyt_file(records(changes)))
    # The screen's controls are chained (Ok relative to the second, the second to Title, Title
    # to nothing, -1); with one deleted, a control placed relative to it is relative to nothing
    # and the references past it name the same controls as before.
    deleted = {
        "screen-delete0.lyt": (0, {1: {"relative": -1}, 2: {"relative": 0}}),
        "screen-delete1.lyt": (1, {2: {"relative": -1}}),
        "screen-delete2.lyt": (2, {}),
    }
    if [c["relative"] for c in controls[:3]] != [-1, 0, 1]:
        raise SystemExit("the layout sample's controls are no longer chained")
    for name, (gone, changes) in deleted.items():
        made = records(changes)
        write(os.path.join(out, name), race.lyt_file(made[:gone] + made[gone + 1:]))
    # One listed control (the first of the screen) and the last record.
    pair = race.lyt_file([records({})[0], records({})[-1]])
    write(os.path.join(out, "pair.lyt"), pair)
    with open(os.path.join(out, "pair.lyt.list"), "w") as f:
        f.write("\n".join(race.listing("pair.lyt", pair)) + "\n")


# ---------------------------------------------------------------- bitmaps

def marker_mip(rnd, code, wexp, hexp, per_level):
    """A GPL MIP of every level it can hold (down to the shorter side's 1) whose random pixels
    carry the marker colour at per_level[m] places of level m (fewer on small levels)."""
    levels = []
    for m in range(min(wexp, hexp) + 1):
        w = 1 if m > wexp else 1 << (wexp - m)
        h = 1 if m > hexp else 1 << (hexp - m)
        stride = bitmap.stride_of(code, w)
        data = bytearray(rnd.randbytes(stride * h))
        for k in rnd.sample(range(w * h), min(per_level[m], w * h)):
            row, col = divmod(k, w)
            if code == 6:
                data[row * stride + 3 * col:row * stride + 3 * col + 3] = bytes(MARKER)
            else:
                data[row * stride + 4 * col:row * stride + 4 * col + 4] = bytes(MARKER[::-1] + (1 + rnd.randrange(255),))
        levels.append(bitmap.bmap(code, w, h, bytes(data)))
    return bitmap.mip(code, wexp, hexp, levels, repeat=2)


def count_marker(data, kind):
    count = 0
    for s in bitmap.read_levels(data, kind):
        for row in bitmap.decode_section(s):
            for p in row:
                if tuple(int(c * 255 + 0.5) for c in p[:3]) == MARKER:
                    count += 1
    return count


def bitmap_samples(out):
    index = []
    for name, kind, data in bitmap.samples():
        if kind in ("bmap1", "pcx", "cmap"):
            continue
        write(os.path.join(out, name), data)
        with open(os.path.join(out, name + ".pixels"), "w") as f:
            f.write(bitmap.listing(bitmap.read_levels(data, kind)))
        index.append("%s\t%s" % (name, kind))
    with open(os.path.join(out, "samples.txt"), "w") as f:
        f.write("\n".join(index) + "\n")
    rnd = random.Random(250010130)
    markers = []
    for name, code in (("marker7.mip", 7), ("marker6.mip", 6)):
        data = marker_mip(rnd, code, 5, 4, [37, 11, 5, 2, 1, 1])
        write(os.path.join(out, name), data)
        markers.append("%s\t%d" % (name, count_marker(data, "mip")))
    with open(os.path.join(out, "marker.txt"), "w") as f:
        f.write("\n".join(markers) + "\n")
    # Level 1 holds 2 of its 4 pixel bytes: the file loads, the level fails when decoded.
    good = bitmap.bmap(3, 2, 2, rnd.randbytes(bitmap.pixel_byte_count(3, 2, 2)))
    short = bitmap.bmap(3, 1, 1, rnd.randbytes(2))
    write(os.path.join(out, "short-level.mip"), bitmap.mip(3, 1, 1, [good, short]))
    # A paletted file without bitmaps: its shared palette belongs to no level.
    write(os.path.join(out, "none-paletted.mip"),
          bitmap.mip(0, 2, 2, [], palette=bitmap.cmap(bitmap.palette_entries(rnd, 16))))


def big_mip(out, side):
    rnd = random.Random(side)
    exponent = side.bit_length() - 1
    levels = []
    for m in range(exponent + 1):
        w = 1 << (exponent - m)
        levels.append(bitmap.bmap(7, w, w, rnd.randbytes(bitmap.pixel_byte_count(7, w, w))))
    write(os.path.join(out, "big/big.mip"), bitmap.mip(7, exponent, exponent, levels))


def main(argv):
    if len(argv) >= 3 and argv[1] in ("dat", "cam", "lyt", "bitmap"):
        {"dat": dat_samples, "cam": cam_samples, "lyt": lyt_samples, "bitmap": bitmap_samples}[argv[1]](argv[2])
        return 0
    if len(argv) == 4 and argv[1] == "big-dat":
        big_dat(argv[2], int(argv[3]))
        return 0
    if len(argv) == 4 and argv[1] == "big-mip":
        big_mip(argv[2], int(argv[3]))
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
