#!/usr/bin/env python3
"""Writes the textures of the cost harness's folders: DIR/gpl/gpl.dat (ICR2 layout) and
DIR/n4/n4.dat (N4 layout), each the DAT named after its folder, so that the texture names the
harness's objects use resolve. Every name of a DAT is a record of its own over one shared
block: one large MIP chain (of imploded levels) stands for all of them, so that each name a
drawing asks is a texture unpacked anew while the DAT stays small. The N4 DAT's records are
imploded too (the block unpacks to the MIP, whose levels unpack again).

The names, in the harness's order (ThreeDObjectCostFuzz.cpp keeps the same lists):
  GPL: tex0.mip .. tex7.mip (2^(EXP-1) squares of 32-bit texels, stored), sprite.srb (a scaled
       bitmap over the same chain); other.mip is missing on purpose.
  N4:  tex0.mip .. tex31.mip (2^EXP squares, imploded); other.mip is missing.

Usage: cost_fuzz_folders.py DIR [EXP]   (EXP 10 by default: 1024 x 1024, 11 levels)
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "Papy", "Bitmap"))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "Papy", "Container"))

import bitmap  # noqa: E402
import datfile  # noqa: E402

TEXTURES = ["tex%d.mip" % k for k in range(8)]
# The N4 DAT names more: each name a texture unpacked anew.
N4_TEXTURES = ["tex%d.mip" % k for k in range(32)]
CODE = 7  # 32-bit texels, alpha


def levels(exp, fill, imploded):
    """BMAP chunks, level 0 first: 2^exp square down to 1 x 1, each of bytes fill, imploded (N4)
    or stored (GPL, whose MIP levels are never imploded)."""
    out = []
    for m in range(exp + 1):
        side = 1 << (exp - m)
        count = bitmap.pixel_byte_count(CODE, side, side)
        if imploded:
            out.append(bitmap.bmap(CODE, side, side, None, method=1, imploded=bitmap.implode_zeros(count, fill)))
        else:
            out.append(bitmap.bmap(CODE, side, side, bytes([fill]) * count))
    return out


def gpl_dat(exp):
    # Stored levels: one square smaller than the N4 chain keeps the DAT at about 1.4 MB.
    chain = bitmap.mip(CODE, exp - 1, exp - 1, levels(exp - 1, 0xC0, False))
    sprite = bitmap.srb((1.0, 1.0, 1.0, 1.0, 0.0, 0.0), tuple(range(1, 10)), chain)
    names = TEXTURES + ["sprite.srb"]
    # The ICR2 layout: every record of a texture at the offset of the one chain, the sprite's
    # after it.
    base = 2 + 27 * len(names)
    offsets = [base] * len(TEXTURES) + [base + len(chain)]
    entries = [(name, chain) for name in TEXTURES] + [("sprite.srb", sprite)]
    blob = datfile.icr2_archive(entries, offsets=offsets)
    # icr2_archive lays every entry's bytes out in turn: keep only the shared chain and the sprite.
    return blob[:base] + chain + sprite


def n4_dat(exp):
    chain = bitmap.n4_mip(4, CODE, exp, exp, levels(exp, 0xC0, True))
    packed = datfile.implode_literal(chain)
    directory = sum(16 + len(name) for name in N4_TEXTURES)
    base = 10 + directory
    overrides = {i: {"offset": base} for i in range(len(N4_TEXTURES))}
    entries = [(name, 2, len(chain), packed) for name in N4_TEXTURES]
    blob = datfile.n4_archive(entries, overrides=overrides)
    return blob[:base] + packed


def main(argv):
    if len(argv) not in (2, 3):
        sys.stderr.write(__doc__)
        return 2
    exp = int(argv[2]) if len(argv) == 3 else 10
    for folder, data in (("gpl", gpl_dat(exp)), ("n4", n4_dat(exp))):
        os.makedirs(os.path.join(argv[1], folder), exist_ok=True)
        with open(os.path.join(argv[1], folder, folder + ".dat"), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
