#!/usr/bin/env python3
"""Writes seed inputs of ThreeDObjectCostFuzz that make the hostile shapes its generator reaches
only rarely at random: splitters of 10,000 entries none of which is chosen until the last
(state and distance splitters), and an N4 object of 32 shapes each over a texture of its own.

The input is the generator's choices, not a file: FuzzedDataProvider takes every integer from
the end of the input (one byte for a range below 256, two below 65536), so the choices are
listed here in the order the generator asks them and the list is reversed. Choices past the
input's end are zeros; the lists stop where zeros make what is wanted.

Usage: cost_fuzz_seeds.py DIR
"""
import os
import sys


def encode(choices):
    return bytes(reversed(choices))


def gpl_head():
    """GPL object, eye outside, 3D; 4 vertices, 1 plane, 3 records; the coordinates and plane."""
    return [0, 0, 0, 3, 0, 2] + list(range(1, 13)) + [1, 2, 3, 4]


def state_splitter(operator, entries):
    """Record 0 a state splitter of state 0 whose 10,000 entries (entries given, the rest zeros
    again) hold values 257 to 456: with the comparison of that choice, no entry is chosen."""
    c = gpl_head() + [10, 4, 0, operator, 250, 0]
    for i in range(entries):
        c += [1, i % 200 + 1, 0]
    return c


def distance_splitter(operator, threshold, entries):
    """Record 0 a distance splitter of 10,000 entries at the coordinate choice threshold."""
    c = gpl_head() + [10, 0, 0, operator, 250, 0]
    for _ in range(entries):
        c += [threshold, 0]
    return c


def textured_shapes(shapes):
    """An N4 object: a vertex list, a triangle list and their geometry, then shapes shapes, each
    with an appearance over the texture tex<k>.mip of its own, and the root group naming them
    101 times in turn."""
    c = [1, 0, 0, 3 + shapes]
    c += [6, 8] + [(i * 5) % 41 for i in range(33)]  # a vertex list of 11 vertices
    c += [7, 0, 1, 10] + [0, 1, 2, 3, 4, 5]  # a triangle list of 2 triangles
    c += [5, 1, 1, 1]  # the geometry over both
    for s in range(shapes):
        # A shape: no earlier appearance taken (one choice for each), one of its own over
        # texture s, and the geometry.
        c += [4] + [0] * s + [1, s % 32, 1] + [1, 2]
    c += [0, 250, 3]  # the root: a group of 10,000 / 100 + 1 children
    for k in range(101):
        c += [1, 5 + 3 * (k % shapes)]
    return c


SEEDS = {
    "splitter-state": lambda: state_splitter(3, 1300),
    "splitter-distance": lambda: distance_splitter(2, 40, 2000),
    "textures": lambda: textured_shapes(32),
}


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    os.makedirs(argv[1], exist_ok=True)
    for name, make in SEEDS.items():
        with open(os.path.join(argv[1], name), "wb") as f:
            f.write(encode(make()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
