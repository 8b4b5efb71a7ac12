#!/usr/bin/env python3
"""A plain model of the implode coder (binary literals, 4096-byte dictionary), written from the
coder's rules rather than from our C++ code, to check that the C++ coder writes the same
streams byte for byte.

  implode_model.py compress IN OUT     writes the model's stream for the bytes of IN
  implode_model.py selftest            checks the model against a small decoder of its own

Rules: at each position the candidates with the same byte pair are looked at oldest first, no
farther back than 4096 bytes; the longest match (at most 516 bytes, not past the input's end)
is kept, a later (nearer) candidate of equal length replaces an earlier one, and a match of
516 bytes ends the search at once. A 2-byte match farther than 256 bytes is not used. If the
match is shorter than 8 bytes, the next position is searched too: the match is sent unless
that one is longer by two or more, or by one with a distance above 129; otherwise the byte
goes as a literal and the same decision is taken one position on.
"""
import bisect
import sys

DICT = 4096
LONGEST = 516

# (code bits, code value, extra bits, base) by length table index.
LENGTH_TABLE = [
    (3, 0x05, 0, 0), (2, 0x03, 0, 1), (3, 0x01, 0, 2), (3, 0x06, 0, 3), (4, 0x0A, 0, 4), (4, 0x02, 0, 5),
    (4, 0x0C, 0, 6), (5, 0x14, 0, 7), (5, 0x04, 1, 8), (5, 0x18, 2, 10), (5, 0x08, 3, 14), (6, 0x30, 4, 22),
    (6, 0x10, 5, 38), (6, 0x20, 6, 70), (7, 0x40, 7, 134), (7, 0x00, 8, 262),
]
DIST_BITS = [2, 4, 4, 5, 5, 5, 5] + [6] * 15 + [7] * 26 + [8] * 16
DIST_CODES = [
    0x03, 0x0D, 0x05, 0x19, 0x09, 0x11, 0x01, 0x3E, 0x1E, 0x2E, 0x0E, 0x36, 0x16, 0x26, 0x06, 0x3A,
    0x1A, 0x2A, 0x0A, 0x32, 0x12, 0x22, 0x42, 0x02, 0x7C, 0x3C, 0x5C, 0x1C, 0x6C, 0x2C, 0x4C, 0x0C,
    0x74, 0x34, 0x54, 0x14, 0x64, 0x24, 0x44, 0x04, 0x78, 0x38, 0x58, 0x18, 0x68, 0x28, 0x48, 0x08,
    0xF0, 0x70, 0xB0, 0x30, 0xD0, 0x50, 0x90, 0x10, 0xE0, 0x60, 0xA0, 0x20, 0xC0, 0x40, 0x80, 0x00,
]


class Bits:
    def __init__(self):
        self.out = bytearray([0, 6])
        self.acc = 0
        self.n = 0

    def put(self, value, count):
        self.acc |= (value & ((1 << count) - 1)) << self.n
        self.n += count
        while self.n >= 8:
            self.out.append(self.acc & 0xFF)
            self.acc >>= 8
            self.n -= 8

    def finish(self):
        if self.n:
            self.out.append(self.acc & 0xFF)
        return bytes(self.out)


def length_index(index):
    for i in range(15, -1, -1):
        if index >= LENGTH_TABLE[i][3]:
            return i
    raise AssertionError


def put_length(bits, index):
    i = length_index(index)
    cb, code, eb, base = LENGTH_TABLE[i]
    bits.put(1, 1)
    bits.put(code, cb)
    bits.put(index - base, eb)


def common_length(data, a, b, limit):
    """Length of the common run at a and b, at most limit (binary search on slices)."""
    if data[a:a + limit] == data[b:b + limit]:
        return limit
    lo, hi = 0, limit  # data[a:a+lo] equal, data[a:a+hi] not
    while hi - lo > 1:
        mid = (lo + hi) // 2
        if data[a:a + mid] == data[b:b + mid]:
            lo = mid
        else:
            hi = mid
    return lo


class Searcher:
    def __init__(self, data):
        self.data = data
        self.pairs = {}
        self.indexed = 0

    def find(self, p):
        data = self.data
        n = len(data)
        if p + 1 >= n:
            return 0, 0
        while self.indexed < p:
            q = self.indexed
            if q + 1 < n:
                self.pairs.setdefault(data[q:q + 2], []).append(q)
            self.indexed += 1
        bucket = self.pairs.get(data[p:p + 2], [])
        start = bisect.bisect_left(bucket, p - DICT)
        limit = min(LONGEST, n - p)
        best, best_distance = 0, 0
        for c in bucket[start:]:
            if best > 2:
                # Shorter than the best: cannot replace it.
                if data[c + best - 1] != data[p + best - 1] or data[c:c + best] != data[p:p + best]:
                    continue
                length = best + common_length(data, c + best, p + best, limit - best)
            else:
                length = common_length(data, c, p, limit)
            if length >= best:
                best, best_distance = length, p - c
                if length == LONGEST:
                    break
        return best, best_distance


def usable(length, distance):
    return length > 2 or (length == 2 and distance - 1 < 256)


def compress(data):
    bits = Bits()
    searcher = Searcher(data)
    n = len(data)
    p = 0
    while p < n:
        length, distance = searcher.find(p)
        while True:
            if not usable(length, distance):
                bits.put(data[p] << 1, 9)
                p += 1
                break
            if length < 8 and p + 1 < n:
                l2, d2 = searcher.find(p + 1)
                if not (l2 <= length or (l2 == length + 1 and distance - 1 <= 128)):
                    bits.put(data[p] << 1, 9)
                    p += 1
                    length, distance = l2, d2
                    continue
            put_length(bits, length - 2)
            d = distance - 1
            low = 2 if length == 2 else 6
            high = d >> low
            bits.put(DIST_CODES[high], DIST_BITS[high])
            bits.put(d & ((1 << low) - 1), low)
            p += length
            break
    put_length(bits, 517)
    out = bits.finish()
    if n == 0:
        out += b"\0"  # a stream of 4 bytes would be refused by every decoder
    return out


def decompress(stream):
    """A small decoder of the binary-mode streams above, for the self-test."""
    assert stream[0] == 0 and stream[1] == 6
    pos = [16]

    def bit(count):
        v = 0
        for i in range(count):
            byte = stream[pos[0] >> 3]
            v |= ((byte >> (pos[0] & 7)) & 1) << i
            pos[0] += 1
        return v

    def match_code(table_bits, table_codes):
        for i, (b, c) in enumerate(zip(table_bits, table_codes)):
            save = pos[0]
            if bit(b) == c & ((1 << b) - 1):
                return i
            pos[0] = save
        raise ValueError("bad code")

    out = bytearray()
    while True:
        if bit(1) == 0:
            out.append(bit(8))
            continue
        i = match_code([t[0] for t in LENGTH_TABLE], [t[1] for t in LENGTH_TABLE])
        index = LENGTH_TABLE[i][3] + bit(LENGTH_TABLE[i][2])
        if index == 517:
            return bytes(out)
        length = index + 2
        high = match_code(DIST_BITS, DIST_CODES)
        low = 2 if length == 2 else 6
        distance = (high << low | bit(low)) + 1
        for _ in range(length):
            out.append(out[-distance])


def selftest():
    samples = [b"", b"a", b"ab" * 700, bytes(5000), b"the track of the wall of the track " * 50,
               bytes(range(256)) * 20 + bytes(3000) + bytes(range(256)) * 20]
    for sample in samples:
        assert decompress(compress(sample)) == sample, sample[:20]
    assert compress(b"")[:4] == bytes([0, 6, 1, 0xFF])
    # A long zero run: the first match is at distance 1, and once 4096 bytes of zeros lie behind,
    # the full-length matches reach back the whole dictionary.
    print("implode model selftest passed")


def main(argv):
    if len(argv) == 4 and argv[1] == "compress":
        with open(argv[2], "rb") as f:
            data = f.read()
        with open(argv[3], "wb") as f:
            f.write(compress(data))
        return 0
    if len(argv) == 2 and argv[1] == "selftest":
        selftest()
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
