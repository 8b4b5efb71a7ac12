#!/usr/bin/env python3
"""Track and replay files for the tests of the track and replay panes, with the rows and tree
items the panes must show for them, worked out from the generators' own values (trk.py,
race.py) and the panes' formats, apart from the C++ readers.

    trkviews.py samples OUTDIR   the sample files and, for each, NAME.rows and NAME.tree; and
                                 game folders under OUTDIR/games: gpl/tracks/Monza/MONZA.TRK
                                 (gpl-corners.trk), gpl/Replays/race.RPY (laps.rpy),
                                 n3/Replays/race.rpl (n3.rpl) and an N4 track folder whose DAT
                                 holds its .ptf (n4/tracks/Sebring/Sebring.dat: variants.ptf)
    trkviews.py bench OUTDIR     the large files of the benchmarks (big.trk, big.rpy, walls.trk)

NAME.rows: "hint<TAB>field<TAB>value" lines, UTF-8, in the order the list shows them, for every
hint the tree makes. NAME.tree: "depth<TAB>hint<TAB>text" lines in tree order (root at depth 0).
Hints are signed 32-bit decimals.
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', 'Papy', 'Track'))
sys.path.insert(0, os.path.join(HERE, '..', '..', 'Papy', 'Race'))
sys.path.insert(0, os.path.join(HERE, '..', '..', 'Papy', 'N4'))
sys.path.insert(0, os.path.join(HERE, '..', '..', 'Papy', 'FacetSets'))
import folders  # noqa: E402
import n4archive  # noqa: E402
import race  # noqa: E402
import trk  # noqa: E402

U = trk.U
SURFACES = ['Asphalt', 'Concrete', 'Dirt', 'Grass', 'Gravel', 'Invisible', 'Paint', 'Rumble Strip', 'Sand',
            'Train Track', 'Unknown', 'Unreachable', 'Water']
GPL_WALLS = {1: 'Concrete', 2: 'Armco', 3: 'Tyres', 4: 'Hay Bales', 5: 'Wire Fence', 6: 'Shrubs', 7: 'Forest',
             8: 'Wood', 9: 'Invisible', 10: 'Wire Fence (Right)', 11: 'Armco (Right)'}
ICR2_WALLS = {0: 'Armco', 2: 'Wire Fence', 4: 'Concrete', 6: 'Concrete With Fence'}


def s32(value):
    value &= 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


def fixed(value):
    return '%.6f' % value


def angle(radians):
    return fixed(radians / math.pi * 180) + '\u00b0'


def lap_time(seconds, is_open):
    if is_open:
        return ''
    minutes = math.floor(seconds / 60)
    return '%.0fm %.3fs' % (minutes, seconds - 60 * minutes)


# ---------------------------------------------------------------------------------------------
# Tracks
# ---------------------------------------------------------------------------------------------

def plan_lengths(t):
    """The 2D start and length of each section (single precision, as the track files keep them)."""
    starts, lengths, total = [], [], trk.f32(0)
    n = len(t['sections'])
    for s, sec in enumerate(t['sections']):
        p0 = trk.position(t, sec['start'], 0)
        p1 = trk.position(t, t['sections'][(s + 1) % n]['start'], 0)
        if sec['type'] == 2:
            ux, uy = float(p0[0]) - float(sec['s'][0]), float(p0[1]) - float(sec['s'][1])
            vx, vy = float(p1[0]) - float(sec['s'][0]), float(p1[1]) - float(sec['s'][1])
            length = abs(math.atan2(vy * ux - vx * uy, vy * uy + vx * ux)) * math.sqrt(ux * ux + uy * uy)
        else:
            dx, dy = float(p1[0]) - float(p0[0]), float(p1[1]) - float(p0[1])
            length = math.sqrt(dx * dx + dy * dy)
        starts.append(total)
        lengths.append(trk.f32(length * U))
        total = trk.f32(total + lengths[-1])
    return starts, lengths, total


def boundaries(t, s):
    sec = t['sections'][s]
    return t['boundaries'][sec['first']:sec['first'] + sec['count']]


def surfaces(t, s):
    """(right From, right To, left From, left To, type name, grip) of each floor strip."""
    bs = boundaries(t, s)
    result = []
    for b, (left_from, left_to, surface) in enumerate(trk.floors(t, s)):
        grip = 0
        if t['game'] == 'icr2':
            code = bs[b][2]
            grip = code - (6 if code <= 6 else 22 if code <= 22 else 38 if code <= 38 else 46 if code <= 46 else 54)
        result.append((bs[b][0], bs[b][1], left_from, left_to, SURFACES[surface], grip))
    return result


def walls(t, s):
    """(start latitude, end latitude, start width, end width, height, type name) of each wall."""
    result = []
    if t['game'] == 'gpl':
        bs = boundaries(t, s)
        for b in range(len(bs) - 1):
            if bs[b][2] & trk.WALL:
                inner, outer = bs[b], bs[b + 1]
                result.append(((inner[0] + outer[0]) / 2 * U, (inner[1] + outer[1]) / 2 * U, (outer[0] - inner[0]) * U,
                               (outer[1] - inner[1]) * U, inner[4] * U, GPL_WALLS.get(inner[2] & 0x7FF, 'Unknown')))
    else:
        for code, start, end in t['sections'][s]['walls']:
            result.append((start * U, end * U, 0.0, 0.0, 20000 * U, ICR2_WALLS[code]))
    return result


def track_views(t):
    """The tree items and list rows of a track."""
    n = len(t['sections'])
    nl = len(t['laterals'])
    starts2d, lengths2d, total2d = plan_lengths(t)
    tree = [(0, -1, 'root')]
    rows = [(-1, 'Length (3d)', fixed(t['length'] * U)), (-1, 'Length (2d)', fixed(total2d)),
            (-1, 'Segments', str(n))]
    for s, sec in enumerate(t['sections']):
        code = (s + 1) << 16
        tree.append((1, code, 'Segment %d' % s))
        following = t['sections'][(s + 1) % n]
        start = trk.position(t, sec['start'], 0)
        end = trk.position(t, following['start'], 0)
        corner = sec['type'] == 2
        seg = [('Type', 'Corner' if corner else 'Straight'), ('Length (3d)', fixed(sec['length'] * U)),
               ('Length (2d)', fixed(lengths2d[s])), ('Start (3d)', fixed(sec['start'] * U)),
               ('Start (2d)', fixed(starts2d[s])), ('Start Orientation', angle(sec['heading'] * trk.ANGLE_UNIT)),
               ('End Orientation', angle(following['heading'] * trk.ANGLE_UNIT)),
               ('Centreline Start X', fixed(start[0] * U)), ('Centreline Start Y', fixed(start[1] * U)),
               ('Centreline End X', fixed(end[0] * U)), ('Centreline End Y', fixed(end[1] * U))]
        if corner:
            curvature = sec['s'][2] * 2 * trk.ANGLE_UNIT
            reference = abs((t['laterals'][0] + t['traces'][s * nl][6]) * U)
            seg += [('Radius', fixed(-reference if curvature < 0 else reference)), ('Curvature', angle(curvature)),
                    ('CentreX', fixed(sec['s'][0] * U)), ('CentreY', fixed(sec['s'][1] * U))]
        rows += [(code, field, value) for field, value in seg]
        for lat in range(nl):
            cu, sq, li, co = t['traces'][s * nl + lat][:4]
            part = code | 0x100 | (lat + 1)
            tree.append((2, part, 'Trace %d' % lat))
            rows += [(part, field, fixed(value)) for field, value in (
                ('Start Latitude', t['laterals'][lat] * U), ('End Latitude', t['laterals'][lat] * U),
                ('Start Altitude', co * U), ('End Altitude', (cu + sq + li + co) * U), ('Linear Coefficient', li * U),
                ('Square Coefficient', sq * U), ('Cube Coefficient', cu * U))]
        for k, (rf, rt, lf, lt, name, grip) in enumerate(surfaces(t, s)):
            part = code | 0x200 | (k + 1)
            tree.append((2, part, 'Surface %d' % k))
            rows += [(part, 'Right Start', fixed(rf * U)), (part, 'Left Start', fixed(lf * U)),
                     (part, 'Right End', fixed(rt * U)), (part, 'Left End', fixed(lt * U)), (part, 'Type', name),
                     (part, 'Grip Modifier', str(grip))]
        for w, (sl, el, sw, ew, height, name) in enumerate(walls(t, s)):
            part = code | 0x300 | (w + 1)
            tree.append((2, part, 'Wall %d' % w))
            rows += [(part, 'Start Latitude', fixed(sl)), (part, 'End Latitude', fixed(el)),
                     (part, 'Start Width', fixed(sw)), (part, 'End Width', fixed(ew)),
                     (part, 'Start Height', fixed(height)), (part, 'End Height', fixed(height)), (part, 'Type', name)]
    return tree, rows


def plan_track():
    """A GPL loop for the drawing tests: grass, asphalt and grass bands, an Armco wall 1.016 m
    wide (wall code 2) and a hay-bale wall 4.003 m wide (code 4, a type used nowhere else)."""
    def surfaces_of(i):
        return [[-300000, -300000, 4, 0, 0, 0], [-100000, -100000, 1, 0, 0, 0], [100000, 100000, 4, 0, 0, 0],
                [180000, 180000, trk.WALL | 2, 0, 20000, 0], [200000, 200000, 4, 0, 0, 0],
                [260000, 260000, trk.WALL | 4, 0, 30000, 0], [338800, 338800, 4, 0, 0, 0],
                [360000, 360000, 10, 0, 0, 0]]
    return trk.build('gpl', trk.stadium_pieces(500000), [-100000, 0, 100000], surfaces_of)


def big_track(segments=5000, floors=10):
    """A ring of equal corners, each about 6 m long: floors strips 2 m wide between an Armco wall
    and a concrete wall (each standing on a strip of its own), five laterals."""
    half = -round((1 << 31) / segments)
    radius = round(6 / U / (abs(2 * half) * trk.ANGLE_UNIT))
    step = 2 / U

    def surfaces_of(i):
        bs = [[round(-step * (floors / 2 + 1)), round(-step * (floors / 2 + 1)), trk.WALL | 2, 0, 20000, 0]]
        for k in range(floors + 1):
            lat = round(step * (k - floors / 2))
            bs.append([lat, lat, 1 if 2 <= k < floors - 2 else 4, 0, 0, 0])
        bs[-1][2] = trk.WALL | 1
        lat = round(step * (floors / 2) + 20000)
        bs.append([lat, lat, 10, 0, 0, 0])
        return bs
    return trk.build('gpl', [('C', radius, half)] * segments, [-100000, -50000, 0, 50000, 100000], surfaces_of)


def walls_track(walls=20000):
    """A GPL stadium of 12 sections, each with an asphalt strip and then `walls` Armco walls
    without width, 1 cm apart: a few megabytes, each section's walls found among its boundaries."""
    def surfaces_of(i):
        bs = [[-100000, -100000, 1, 0, 0, 0]]
        bs += [[k * 200, k * 200, trk.WALL | 2, 0, 20000, 0] for k in range(walls)]
        bs.append([walls * 200 + 200, walls * 200 + 200, 10, 0, 0, 0])
        return bs
    return trk.build('gpl', trk.stadium_pieces(500000), [-100000, 0, 100000], surfaces_of)


# ---------------------------------------------------------------------------------------------
# Replays
# ---------------------------------------------------------------------------------------------

def replay_views(r):
    """The tree items and list rows of a GPL, N4 or N2003 replay as race.py reads it."""
    tree = [(0, -1, 'root')]
    rows = [(-1, 'Track', r['track']), (-1, 'Player', '%s %s' % r['player'])]
    if r['wide']:
        rows.append((-1, 'Description', r['wide']))
    rows.append((-1, 'Frames', str(r['frames'])))
    rows += [(-1, 'Unknown', str(value)) for value in r['integers']]
    tables = len(r['drivers'][0]['tables'])
    for d, x in enumerate(r['drivers']):
        code = s32((d + 1) << 24)
        tree.append((1, code, x['first'] + ' ' + x['last']))
        rows.append((code, 'Number', race.car_number(x['car'])))
        for i in range(tables):
            table = x['tables'][i]
            for g in range(len(table) - 1):
                lap = s32(code | (i + 1) << 16 | (g + 1) << 8)
                tree.append((2, lap, 'Lap %d:%d' % (i, g)))
                rows += [(lap, 'Time', lap_time((table[g + 1][0] - table[g][0]) / 1000, table[g + 1][0] == -1)),
                         (lap, 'Status', str(table[g + 1][1]))]
    return tree, rows


def n3_views(r):
    drivers = r['drivers']
    tree = [(0, -1, 'root')]
    rows = [(-1, 'Track', r['track']), (-1, 'Player', drivers[1]['name'] if len(drivers) > 1 else ''),
            (-1, 'Frames', str(r['frames']))]
    for d, x in enumerate(drivers):
        code = s32((d + 1) << 24)
        tree.append((1, code, x['name']))
        rows.append((code, 'Number', str(x['car'])))
        laps = x['laps']
        for g in range(len(laps) - 1):
            lap = s32(code | 1 << 16 | (g + 1) << 8)
            tree.append((2, lap, 'Lap 0:%d' % g))
            rows += [(lap, 'Time', lap_time((laps[g + 1][1] - laps[g][1]) * (1 / 15), False)),
                     (lap, 'Status', str(laps[g + 1][0]))]
    return tree, rows


def laps_replay(track='Monza'):
    """The GPL sample race with two lap tables: driver 0 has 15 laps in the first (the last
    one open, as no lap end follows it), driver 6 (never on the track) two, the second open."""
    p = race.replay_model(2, 0x40)
    p['track'] = track
    p['drivers'] = p['drivers'] + [('Di', 'Delta', 6, 44, bytes(32))]
    p['laps'] = [[(0, [1000 * (k + 1) for k in range(14)]), (2, [1500, 4400]), (6, [3000])],
                 [(0, [900, 1900]), (5, [700])]]
    return race.build_rpy(p)


def big_replay(drivers=40, laps=300):
    p = race.replay_model(2, 0x40)
    p['drivers'] = [('Bob', 'Bravo', d, 2, bytes(32)) if d == 2 else ('Car', 'No%d' % d, d, 100 + d, bytes(32))
                    for d in range(drivers)]
    p['laps'] = [[(d, [1000 * (k + 1) + d for k in range(laps)]) for d in range(drivers)]]
    return race.build_rpy(p)


# ---------------------------------------------------------------------------------------------

def write(outdir, name, data, views=None):
    with open(os.path.join(outdir, name), 'wb') as f:
        f.write(data)
    if views is None:
        return
    tree, rows = views
    with open(os.path.join(outdir, name + '.tree'), 'w', encoding='utf-8', newline='\n') as f:
        f.writelines('%d\t%d\t%s\n' % item for item in tree)
    with open(os.path.join(outdir, name + '.rows'), 'w', encoding='utf-8', newline='\n') as f:
        f.writelines('%d\t%s\t%s\n' % row for row in rows)


def samples(outdir):
    os.makedirs(outdir, exist_ok=True)
    for name, (t, data) in trk.samples().items():
        if name != 'gpl-1668':
            write(outdir, name + '.trk', data, track_views(t))
    plan = plan_track()
    write(outdir, 'plan.trk', trk.write_gpl(plan), track_views(plan))
    # Segments numbered 256 and up: their numbers need more than the low byte of bits 16-30.
    ring = big_track(300, 2)
    write(outdir, 'ring-300.trk', trk.write_gpl(ring), track_views(ring))
    for name, data in (('laps.rpy', laps_replay()), ('n4.rpy', race.build_rpy(race.replay_model(3, 0x40))),
                       ('gpl.rpy', race.build_rpy(race.replay_model(2, 0x40)))):
        write(outdir, name, data, replay_views(race.read_rpy(data)))
    files, _ = race.n3_samples()
    write(outdir, 'n3.rpl', files['n3.rpl'], n3_views(race.read_n3(files['n3.rpl'])))
    games = os.path.join(outdir, 'games')
    for relative, data in (('gpl/tracks/Monza/MONZA.TRK', trk.write_gpl(trk.gpl_corners())),
                           ('gpl/Replays/race.RPY', laps_replay()),
                           ('n3/Replays/race.rpl', files['n3.rpl']),
                           ('n4/tracks/Sebring/Sebring.dat',
                            folders.n4_dat([('sebring.ptf', n4archive.archive_bytes(n4archive.sample_ptf_variants()))]))):
        os.makedirs(os.path.dirname(os.path.join(games, relative)), exist_ok=True)
        write(games, relative, data)


def bench(outdir):
    os.makedirs(outdir, exist_ok=True)
    write(outdir, 'big.trk', trk.write_gpl(big_track()))
    write(outdir, 'big.rpy', big_replay())
    write(outdir, 'walls.trk', trk.write_gpl(walls_track()))


def main(argv):
    if len(argv) == 3 and argv[1] == 'samples':
        samples(argv[2])
        return 0
    if len(argv) == 3 and argv[1] == 'bench':
        bench(argv[2])
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv))
