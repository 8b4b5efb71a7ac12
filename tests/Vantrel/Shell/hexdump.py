#!/usr/bin/env python3
"""Independent formatter of the hexadecimal dump: the lines the dump view must show for a file.

    hexdump.py FILE [FIRST_LINE COUNT] > lines.txt   lines FIRST_LINE .. FIRST_LINE+COUNT-1
    hexdump.py selftest                                checks the formatter on known lines

Each line: the offset in upper-case hexadecimal, 8 digits (more from 4 GB on), two blanks,
sixteen two-digit byte fields separated by blanks, two blanks, one character per byte (the
byte when it is printable ASCII 0x20..0x7E, else '.'). A short last line keeps the width:
missing byte fields and characters are blanks. An empty file has no lines.
"""
import os
import sys


def format_line(offset, chunk):
    fields = " ".join("%02X" % b for b in chunk)
    fields = fields.ljust(16 * 3 - 1)
    chars = "".join(chr(b) if 0x20 <= b <= 0x7E else "." for b in chunk).ljust(16)
    return "%08X  %s  %s" % (offset, fields, chars)


def lines_of(path, first=0, count=None):
    size = os.path.getsize(path)
    total = (size + 15) // 16
    last = total if count is None else min(total, first + count)
    out = []
    with open(path, "rb") as f:
        for line in range(first, last):
            f.seek(line * 16)
            out.append(format_line(line * 16, f.read(16)))
    return out


def selftest():
    full = format_line(0, bytes(range(0x41, 0x51)))
    assert full == "00000000  41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50  ABCDEFGHIJKLMNOP", full
    assert len(full) == 75
    short = format_line(16, b"\x7f")
    assert short == "00000010  7F" + " " * 47 + "." + " " * 15, repr(short)
    assert len(short) == 75
    assert format_line(0x100000000, b"\x20")[:11] == "100000000  "
    assert format_line(0, b"\x1f\x20\x7e\x7f\xff")[59:64] == ". ~.."
    print("hexdump.py selftest passed")


def main():
    if len(sys.argv) == 2 and sys.argv[1] == "selftest":
        selftest()
        return
    path = sys.argv[1]
    first = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    count = int(sys.argv[3]) if len(sys.argv) > 3 else None
    sys.stdout.write("".join(line + "\n" for line in lines_of(path, first, count)))


if __name__ == "__main__":
    main()
