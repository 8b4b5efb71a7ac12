#!/usr/bin/env python3
"""Game folders for the tests of the track and replay documents, made by the independent
generators (trk.py, race.py, n4archive.py, folders.py through trkviews.py), with the tree items
and list rows the panes must show, worked out from the generators' values.

    trkdocs.py samples OUTDIR   OUTDIR/games: the folders below; OUTDIR/expected: NAME.tree and
                                NAME.rows for each document (formats of trkviews.py)
    trkdocs.py bench OUTDIR     OUTDIR/games/gpl/tracks/Big/big.trk (5000 segments of 10 strips),
                                OUTDIR/games/gpl/replays/big.rpy (40 drivers of 300 laps, on a
                                track that is not there) and OUTDIR/games/gpl/replays/path.rpy
                                (one car's lap of 49,999 frames round track "Big")

Folders (names on disk in the case shown; the replays name their tracks in another case):
    gpl/Tracks/Plan/PLAN.TRK        the plan loop of trkviews.py (asphalt, grass, an Armco wall
                                    and a hay-bale wall too wide to draw)          expected plan
    gpl/Tracks/Dots/v1.2.trk        the plan loop again, beside v1.trk (two straights)
    gpl/Replays/race.rpy            the GPL race of 15 laps of trkviews.py on track "plan"
                                                                                   expected gpl-race
    gpl/Replays/lost.rpy            the same race on track "Nowhere" (no folder)   expected gpl-lost
    gpl/Replays/escape.rpy          the same race on track "../Tracks/Plan"
    lone/replays/race.rpy           the same race in a folder with no tracks folder beside it
    n3/tracks/Jarama/JARAMA.TRK     the ICR2 corners track of trk.py               expected jarama
    n3/replays/race.rpl             the N3 sample race on track "Jarama"           expected n3-race
    n4/tracks/Sebring/Sebring.dat   holds sebring.ptf, the PTF variants of n4archive.py
    n4/replays/race.rpy             the N4 sample race of race.py on track "sebring"
                                                                                   expected n4-race
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'Rows'))
import trkviews  # noqa: E402
from trkviews import folders, n4archive, race, trk  # noqa: E402


def n4_race(track):
    p = race.replay_model(3, 0x40)
    p['track'] = track
    return race.build_rpy(p)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def expect(outdir, name, views):
    tree, rows = views
    folder = os.path.join(outdir, 'expected')
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name + '.tree'), 'w', encoding='utf-8', newline='\n') as f:
        f.writelines('%d\t%d\t%s\n' % item for item in tree)
    with open(os.path.join(folder, name + '.rows'), 'w', encoding='utf-8', newline='\n') as f:
        f.writelines('%d\t%s\t%s\n' % row for row in rows)


def samples(outdir):
    games = os.path.join(outdir, 'games')
    plan = trkviews.plan_track()
    write(os.path.join(games, 'gpl/Tracks/Plan/PLAN.TRK'), trk.write_gpl(plan))
    expect(outdir, 'plan', trkviews.track_views(plan))
    write(os.path.join(games, 'gpl/Tracks/Dots/v1.2.trk'), trk.write_gpl(plan))
    write(os.path.join(games, 'gpl/Tracks/Dots/v1.trk'), trk.write_gpl(trk.gpl_minimal()))
    for relative, name, track in (('gpl/Replays/race.rpy', 'gpl-race', 'plan'),
                                  ('gpl/Replays/lost.rpy', 'gpl-lost', 'Nowhere'),
                                  ('gpl/Replays/escape.rpy', None, '../Tracks/Plan'),
                                  ('lone/replays/race.rpy', None, 'Plan')):
        data = trkviews.laps_replay(track)
        write(os.path.join(games, relative), data)
        if name:
            expect(outdir, name, trkviews.replay_views(race.read_rpy(data)))

    jarama = trk.icr2_corners()
    write(os.path.join(games, 'n3/tracks/Jarama/JARAMA.TRK'), trk.write_icr2(jarama))
    expect(outdir, 'jarama', trkviews.track_views(jarama))
    files, _ = race.n3_samples()
    write(os.path.join(games, 'n3/replays/race.rpl'), files['n3.rpl'])
    expect(outdir, 'n3-race', trkviews.n3_views(race.read_n3(files['n3.rpl'])))

    ptf = n4archive.archive_bytes(n4archive.sample_ptf_variants())
    write(os.path.join(games, 'n4/tracks/Sebring/Sebring.dat'), folders.n4_dat([('sebring.ptf', ptf)]))
    data = n4_race('sebring')
    write(os.path.join(games, 'n4/replays/race.rpy'), data)
    expect(outdir, 'n4-race', trkviews.replay_views(race.read_rpy(data)))


def path_replay(frames=50000):
    """One car on track "Big" (23 km) going 0.4 m a frame from 1 m on, across the track and back
    every 200 frames, never reaching the line again: its lap after the start holds every frame
    but the first (the race clock runs 10 ms a frame)."""
    p = race.replay_model(2, 0x40)
    p['track'] = 'Big'
    # The player (Bob Bravo) is listed but never on the track.
    p['drivers'] = [('Car', 'Zero', 0, 1, bytes(32)), ('Bob', 'Bravo', 2, 3, bytes(32))]
    p['laps'] = [[(0, [0, 0x7FFFFFFF])]]
    p['frames'] = []
    for f in range(frames):
        raw = int((1.0 + 0.4 * f) * 500)  # longitude unit of RPTP version 0x40: 1/500 m
        latitude = (abs(f % 200 - 100) - 50) * 40
        car = struct.pack('<4I', 0xCAFEF00D, raw, 0xABCD0000 | ((latitude >> 4) & 0xFFFF), 0xFFF8007F)
        # The race clock in units of 10 ms: a frame each.
        p['frames'].append([race.item(13, struct.pack('<I', f * 256 + 0x7F)), race.item(3, car)])
    return race.build_rpy(p)


def bench(outdir):
    games = os.path.join(outdir, 'games')
    write(os.path.join(games, 'gpl/tracks/Big/big.trk'), trk.write_gpl(trkviews.big_track()))
    write(os.path.join(games, 'gpl/replays/big.rpy'), trkviews.big_replay())
    write(os.path.join(games, 'gpl/replays/path.rpy'), path_replay())


def main(argv):
    if len(argv) == 3 and argv[1] in ('samples', 'bench'):
        (samples if argv[1] == 'samples' else bench)(argv[2])
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv))
