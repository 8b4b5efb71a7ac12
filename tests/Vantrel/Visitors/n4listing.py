#!/usr/bin/env python3
"""Lists the objects of an N4 sample of the independent generator n4archive.py.

  n4listing.py SAMPLE FILE

Writes the sample's archive again with the generator's own Archive class, checks that it is
the file FILE byte for byte, and prints one line per object in the order of its numbering:
the object number and the type name (the class descriptor without "Descriptor").
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'Papy', 'N4'))
import n4archive  # noqa: E402

ROOTS = {
    'structure.3do': n4archive.sample_structure,
    'shared.3do': n4archive.sample_shared,
    'track.ptf': n4archive.sample_ptf,
    'primitives.3do': n4archive.sample_primitives,
    'variants.ptf': n4archive.sample_ptf_variants,
}


def main(argv):
    if len(argv) != 3 or argv[1] not in ROOTS:
        sys.stderr.write(__doc__)
        return 2
    archive = n4archive.Archive()
    archive.ref(ROOTS[argv[1]]())
    with open(argv[2], 'rb') as f:
        if f.read() != bytes(archive.out):
            sys.stderr.write('%s is not the sample %s\n' % (argv[2], argv[1]))
            return 1
    for node in archive.keep:
        descriptor = n4archive.KINDS[node.kind][0]
        print(archive.objects[id(node)], descriptor[:-len('Descriptor')])
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
