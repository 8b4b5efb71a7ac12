#!/usr/bin/env python3
"""Independent generator and checker of camera, replay and layout files.

Written from the file formats alone, with the Python standard library only:

    race.py samples DIR    writes the sample files and, for each, a .list of what a reader
                           must find in it; crafted.list names one broken file per message
    race.py selftest DIR   writes the samples, reads each back with the checker below and
                           proves that every crafted file is refused with its message

Listing lines are words separated by blanks; reals are Python's repr of the double (a float
value is first rounded to single precision), so they read back exactly.
"""
import math
import os
import struct
import sys


class FormatError(Exception):
    pass


def f32(x):
    """x rounded to a 32-bit float (then held as a double)."""
    return struct.unpack('<f', struct.pack('<f', x))[0]


def chunk_id(name):
    return name[::-1].encode('ascii')


def chunk(name, version, payload, size=None):
    return chunk_id(name) + struct.pack('<II', version, len(payload) if size is None else size) + payload


def fixed(text, size):
    data = text.encode('latin-1')
    return data[:size] + bytes(max(0, size - len(data)))


def cstr(data):
    end = data.find(b'\0')
    return (data if end < 0 else data[:end]).decode('latin-1')


def sign(value, bits):
    value &= (1 << bits) - 1
    return value - (1 << bits) if value >> (bits - 1) else value


# ---------------------------------------------------------------- cameras

TYPE_NAMES = ['TV1', 'TV2', 'Pitlane']


def track_record(values, fixed_flag):
    """56 bytes: track position (4 floats), fixed flag, 3 zooms, 3 rotations, 3 fields of vision."""
    return struct.pack('<4fi9f', *values[:4], fixed_flag, *values[4:])


def gpl_cam(version, tv1, tv2, pitlane=None, third=(), tail=bytes(88), filler=b'', size_delta=0, counts=None):
    """tv1, tv2: lists of (values13, fixed flag, extra byte); third: raw 57-byte records."""
    body = b''
    for group, cams in enumerate((tv1, tv2)):
        body += struct.pack('<i', len(cams) if counts is None else counts[group])
        for values, flag, extra in cams:
            body += track_record(values, flag) + (bytes([extra]) if version == 2 else b'')
    if version == 2:
        body += struct.pack('<i', len(third) if counts is None else counts[2]) + b''.join(third) + tail
    else:
        body += pitlane
    return chunk('TCAM', version, body, len(body) + size_delta) + filler


def pit_record(values, reserved=(0, 0, 0, 0)):
    return struct.pack('<9f4i', *values, *reserved)


def read_cam(name, data):
    """Cameras of a GPL or N2 (name starting "n2") camera file as (type, values, extra byte)."""
    return read_n2_cam(data) if name.startswith('n2') else read_gpl_cam(data)


def read_gpl_cam(data):
    if len(data) < 12:
        raise FormatError('short')
    ident, version, size = struct.unpack_from('<4sII', data)
    if ident != chunk_id('TCAM'):
        raise FormatError('GPL cam file id not TCAM')
    if version not in (0, 2):
        raise FormatError('GPL cam file unsupported version')
    at = 12
    record = 57 if version == 2 else 56
    cams = []
    for group in range(3 if version == 2 else 2):
        count, = struct.unpack_from('<i', data, at)
        at += 4
        if count < 0 or count * record > len(data) - at:
            raise FormatError('GPL cam length mismatch')
        for _ in range(count):
            values = struct.unpack_from('<4fi9f', data, at)
            extra = data[at + 56] if version == 2 else None
            if group < 2:
                cams.append((TYPE_NAMES[group], values, extra))
            at += record
    if version == 0:
        values = struct.unpack_from('<9f4i', data, at)
        for i in range(4):
            if values[9 + i] != 0:
                raise FormatError('GPL Pitlane Camera reserved%d not zero' % i)
        cams.append(('Pitlane', values, None))
        at += 52
    else:
        at += 88
    if at > len(data):
        raise FormatError('short')
    if at != size + 12:
        raise FormatError('GPL cam length mismatch')
    rest = data[at:]
    if version == 2 and len(rest) <= 3 and rest == b' ' * len(rest):
        rest = b''
    if rest:
        raise FormatError('GPL cam file length mismatch')
    return cams


def read_n2_cam(data):
    at = 0
    cams = []
    for group, record in ((0, 36), (1, 40)):
        if at + 4 > len(data):
            raise FormatError('short')
        count, = struct.unpack_from('<I', data, at)
        at += 4
        if count * record > len(data) - at:
            raise FormatError('N2 cam file length mismatch')
        for _ in range(count):
            values = struct.unpack_from('<9f', data, at)
            if group == 1 and struct.unpack_from('<I', data, at + 36)[0] != 0:
                raise FormatError('N2 cam file reserved not zero')
            cams.append((TYPE_NAMES[group], values, None))
            at += record
    if at != len(data):
        raise FormatError('N2 cam file length mismatch')
    return cams


def cam_listing(cams):
    lines = []
    for kind, values, extra in cams:
        if kind == 'Pitlane':
            lines.append('pitlane ' + ' '.join(repr(v) for v in values[:9]))
        elif len(values) == 9:
            lines.append('n2 %s %s' % (kind, ' '.join(repr(v) for v in values)))
        else:
            lines.append('track %s %d %d %s' % (kind, values[4], -1 if extra is None else extra,
                                                ' '.join(repr(v) for v in values[:4] + values[5:])))
    return lines


def cam_values(seed):
    return [f32(seed + 0.25 * i) for i in range(13)]


def cam_samples():
    tv1 = [(cam_values(1), 1, 1), (cam_values(20), 0, 0)]
    tv2 = [(cam_values(-7), 0, 1)]
    pit = pit_record([f32(0.5 * i - 2) for i in range(9)])
    third = [bytes((i * 7 + k) & 255 for k in range(57)) for i in range(2)]
    tail = bytes((200 + k) & 255 for k in range(88))
    n2 = struct.pack('<I', 2) + struct.pack('<9f', *cam_values(3)[:9]) + struct.pack('<9f', *cam_values(4)[:9])
    n2 += struct.pack('<I', 1) + struct.pack('<9fI', *cam_values(5)[:9], 0)
    files = {
        'gpl0.cam': gpl_cam(0, tv1, tv2, pit),
        'empty0.cam': gpl_cam(0, [], [], pit),
        'gpl2.cam': gpl_cam(2, tv1, tv2, third=third, tail=tail, filler=b'  '),
        'gpl2bare.cam': gpl_cam(2, [], tv2, third=(), tail=tail),
        'n2.cam': n2,
    }
    crafted = [
        ('cam-id.cam', b'XCAM' + gpl_cam(0, tv1, tv2, pit)[4:], 'GPL cam file id not TCAM'),
        ('cam-version.cam', gpl_cam(0, tv1, tv2, pit)[:4] + struct.pack('<I', 1) + gpl_cam(0, tv1, tv2, pit)[8:],
         'GPL cam file unsupported version'),
        ('cam-negative.cam', gpl_cam(0, tv1, tv2, pit, counts=(-1, 1)), 'GPL cam length mismatch'),
        ('cam-huge.cam', gpl_cam(0, tv1, tv2, pit, counts=(0x7FFFFFFF, 1)), 'GPL cam length mismatch'),
        ('cam-size.cam', gpl_cam(0, tv1, tv2, pit, size_delta=4), 'GPL cam length mismatch'),
        ('cam-trailing.cam', gpl_cam(0, tv1, tv2, pit) + b' ', 'GPL cam file length mismatch'),
        ('cam-filler.cam', gpl_cam(2, tv1, tv2, third=third, tail=tail, filler=b' x'), 'GPL cam file length mismatch'),
        ('cam-long-filler.cam', gpl_cam(2, tv1, tv2, tail=tail, filler=b'    '), 'GPL cam file length mismatch'),
        ('cam-negative2.cam', gpl_cam(2, tv1, tv2, tail=tail, counts=(2, 1, -5)), 'GPL cam length mismatch'),
        ('n2-reserved.cam', n2[:-4] + struct.pack('<I', 9), 'N2 cam file reserved not zero'),
        ('n2-long.cam', n2 + b'\0', 'N2 cam file length mismatch'),
        ('n2-count.cam', struct.pack('<I', 0x40000000) + n2[4:], 'N2 cam file length mismatch'),
    ]
    for i in range(4):
        reserved = [0, 0, 0, 0]
        reserved[i] = 1 << i
        crafted.append(('cam-reserved%d.cam' % i, gpl_cam(0, tv1, tv2, pit_record([0] * 9, reserved)),
                        'GPL Pitlane Camera reserved%d not zero' % i))
    return files, crafted


# ---------------------------------------------------------------- replays

GAMES = {
    # version: game, WKNF record and padding, DRNT record, id offset, car offset, type-1 body
    'GPL': dict(track=181, track_pad=3, driver=139, id_at=124, car_at=128, player=28),
    'N4': dict(track=171, track_pad=1, driver=171, id_at=164, car_at=152, player=36),
    'N2003': dict(track=173, track_pad=3, driver=175, id_at=168, car_at=156, player=36),
}


def game_of(version):
    return 'GPL' if version <= 2 else 'N4' if version <= 4 else 'N2003'


class Quantizer:
    """Latitude from a signed raw value of n bits; every step in single precision."""

    def __init__(self, bits):
        s = f32(math.sqrt(512.0))
        e = f32(math.acos(f32(1.0 / s)))
        t = f32(math.tan(e))
        h = f32((1 << (bits - 1)) - 1)
        self.inscale = f32(e / h)
        self.outscale = f32(300.0 / t)

    def decode(self, raw):
        return f32(f32(math.tan(f32(raw * self.inscale))) * self.outscale)


ANGLE_UNIT = 0.0015347302


def driver_record(game, first, last, ident, car, block):
    g = GAMES[game]
    rec = bytearray(g['driver'])
    rec[0:16] = fixed(first, 16)
    rec[16:32] = fixed(last, 16)
    rec[72:104] = block
    struct.pack_into('<i', rec, g['id_at'], ident)
    struct.pack_into('<I', rec, g['car_at'], car)
    return bytes(rec)


def item(kind, body, size=None):
    size = len(body) + 4 if size is None else size
    data = struct.pack('<HH', kind, size) + body
    return data + bytes(-len(data) % 4)


def build_rpy(p):
    """A replay from a description (see replay_model); p may bend any part of it."""
    version = p['version']
    game = game_of(version)
    g = GAMES[game]
    if p.get('n4_header', version > 2):
        wide = p['wide'].encode('utf-16-le') + b'\0\0'
        head = struct.pack('<4i', *p['header'], p['further'][0]) + fixed(p['player'][0], 16) + fixed(p['player'][1], 16)
        head += struct.pack('<3i', *p['further'][1:]) + wide
        chars = (len(head) - 60) // 2
        rphd = chunk('RPHD', p.get('rphd_version', 1 if version <= 2 else 0), head, p.get('rphd_size'))
        rphd += bytes(2 if chars % 2 else 0)
    else:
        head = bytes(range(16)) + struct.pack('<3i', *p['header']) + b'\x55' * 4
        head += fixed(p['player'][0], 16) + fixed(p['player'][1], 16) + struct.pack('<3i', *p['further'][1:])
        rphd = chunk('RPHD', p.get('rphd_version', 0), head, p.get('rphd_size'))
    wknf = chunk(p.get('wknf_id', 'WKNF'), p.get('wknf_version', 0), fixed(p['track'], g['track']), p.get('wknf_size'))
    wknf += bytes(g['track_pad'])
    entries = b''
    for first, last, ident, car, block in p['drivers']:
        entries += chunk(p.get('drnt_id', 'DRNT'), p.get('drnt_version', 0),
                         driver_record(game, first, last, ident, car, block), p.get('drnt_size')) + b'\0'
    drls = chunk(p.get('drls_id', 'DRLS'), p.get('drls_version', 0), entries, p.get('drls_size'))
    tables = b''
    for table in p['laps']:
        readouts = b''
        for ident, times in table:
            readouts += chunk('LPRO', 0, struct.pack('<i', ident) + b''.join(struct.pack('<I', t) for t in times))
        tables += chunk('LPTB', p.get('lptb_version', 0), readouts + p.get('lptb_tail', b''))
    frames = b''
    previous = 0
    for items in p['frames']:
        body = b''.join(items)
        size = len(body) + 8
        frames += struct.pack('<HHI', size, previous, 0xDEADBEEF) + body
        previous = size
    frames += p.get('rptp_tail', b'')
    rptp = chunk(p.get('rptp_id', 'RPTP'), p['rptp_version'], frames, p.get('rptp_size'))
    payload = p.get('rphd_override', rphd) + wknf + drls + tables + rptp
    return chunk(p.get('rply_id', 'RPLY'), p.get('rply_version', version), payload)


def replay_model(version, rptp_version):
    """A small race: drivers 0, 2 and 5 (1, 3 and 4 are gaps), the player is driver 2; cars go
    round a 250 m track at 30 m a frame, the race clock starts at frame 4."""
    game = game_of(version)
    drivers = [('Ann', 'Alpha', 0, 2003, bytes(range(32))), ('Bob', 'Bravo', 2, 3, bytes(range(32, 64))),
               ('Cy', 'Charlie', 5, 12, bytes(32))]
    length = 250.0
    unit = 500.0 if rptp_version & 0x40 else 2000.0
    player = 2
    frames = []
    clock_start = 4
    # Lap ends in race-clock milliseconds, one table; driver 9 is named by nobody.
    laps = [[(0, [2100, 5100, 8100, 0xAB000000 | 11000]), (2, [1500, 4400]), (9, [5, 6])]]
    for f in range(36):
        items = []
        if f >= clock_start:
            clock = (f - clock_start) * 36  # units of 10 ms
            items.append(item(13, struct.pack('<I', clock * 256 + 0x7F)))
        for d, speed, start in ((0, 30.0, 200.0), (2, 31.0, 230.0), (5, 29.0, 120.0)):
            if d == 5 and f in (7, 8):
                continue  # not recorded in these frames
            lon = (start + speed * f) % length
            raw = int(lon * unit)
            lat_raw = (f * 977 - 4000) * (1 if d != 5 else -3)
            ang_raw = (f * 97 - 1500) % 4096 - 2048
            if d == player:
                if game == 'GPL':
                    w0 = raw | 0xFC000000
                    w1 = (lat_raw & 0xFFFFF) | 0xFFF00000
                    w2 = ((ang_raw & 0xFFF) << 10) | 0x3FF | 0xFFC00000
                    body = struct.pack('<3I', w0, w1, w2) + b'\x11' * 4
                    body += struct.pack('<3f', lon + 0.5, -1.25 * f, 0.01 * f)
                else:
                    body = struct.pack('<3I', raw, lat_raw & 0xFFFFF, (ang_raw & 0xFFF) << 10) + bytes(24)
                items.append(item(1, body))
            else:
                if game == 'GPL':
                    w1 = raw | (d << 26)
                    w2 = ((lat_raw >> 4) & 0xFFFF) | 0xABCD0000
                    w3 = ((ang_raw & 0xFFF) << 7) | 0x7F | 0xFFF80000
                else:
                    w1 = raw | (d << 24) | 0x80000000
                    w3 = (((lat_raw >> 3) & 0x1FFFF) << 12) | (ang_raw & 0xFFF) | 0xE0000000
                    w2 = 0x12345678
                entries = struct.pack('<4I', 0xCAFEF00D, w1, w2, w3)
                if f == 3:  # a car of an id nobody has: skipped
                    ghost = (raw & 0x3FFFFF) | ((7 if game == 'GPL' else 77) << (26 if game == 'GPL' else 24))
                    entries += struct.pack('<4I', 0, ghost, 0, 0)
                items.append(item(3, entries))
        if f == 10:
            items.append(item(7, b'\x01\x02\x03\x04\x05'))  # unknown type, size 9, padded
        frames.append(items)
    return dict(version=version, rptp_version=rptp_version, header=[111, 222, 333], further=[44, 55, 66, 77],
                player=('Bob', 'Bravo'), wide='A long, long race\u00e9!', track='Monza', drivers=drivers,
                laps=laps, frames=frames)


def read_rpy(data):
    """The checker: the replay as a dict, bookkeeping done as the format describes it, with
    one sample per driver per frame (invalid ones included)."""
    def fail(message):
        raise FormatError(message)

    def need(at, n):
        if at + n > len(data):
            fail('short')

    def header(at):
        need(at, 12)
        ident, version, size = struct.unpack_from('<4sII', data, at)
        return ident, version, size

    def chunk0(at, name, not_found, bad_version):
        # A chunk that must have the id and version 0: its size.
        ident, version, size = header(at)
        if ident != chunk_id(name):
            fail(not_found)
        if version != 0:
            fail(bad_version)
        return size

    ident, version, _ = header(0)
    if ident != chunk_id('RPLY'):
        fail('GPL rpy file id not RPLY')
    if version > 5:
        fail('GPL rpy file unsupported version')
    game = game_of(version)
    g = GAMES[game]
    q1, q2 = Quantizer(20), Quantizer(17 if version > 2 else 16)
    at = 12
    ident, hv, size = header(at)
    at += 12
    if ident != chunk_id('RPHD'):
        fail('GPL rpy header id not RPHD')
    if hv > 1:
        fail('GPL rpy file header unsupported version')
    r = dict(version=version, game=game, wide='')
    if version <= 2 and hv == 0:
        if size != 76:
            fail('GPL rpy file header size error')
        need(at, 76)
        r['header'] = list(struct.unpack_from('<3i', data, at + 16))
        r['player'] = (cstr(data[at + 32:at + 48]), cstr(data[at + 48:at + 64]))
        r['integers'] = [r['header'][2]] + list(struct.unpack_from('<3i', data, at + 64))
        at += 76
    else:
        if size < 60:
            fail('N4 rpy file header size error')
        need(at, size)
        r['header'] = list(struct.unpack_from('<3i', data, at))
        r['player'] = (cstr(data[at + 16:at + 32]), cstr(data[at + 32:at + 48]))
        r['integers'] = [r['header'][2]] + list(struct.unpack_from('<4i', data, at + 12))[:1] + \
            list(struct.unpack_from('<3i', data, at + 48))
        chars = (size - 60) // 2
        text = data[at + 60:at + 60 + 2 * chars].decode('utf-16-le', 'surrogatepass')
        r['wide'] = text.split('\0')[0]
        at += size + (2 if chars % 2 else 0)
    size = chunk0(at, 'WKNF', 'GPL rpy wknf not found', 'GPL rpy wknf unsupported version')
    at += 12
    if size != g['track']:
        fail('%s rpy wknf size error' % game)
    need(at, size)
    r['track'] = cstr(data[at:at + size])
    at += size + g['track_pad']
    size = chunk0(at, 'DRLS', 'GPL rpy driver list id not DRLS', 'GPL rpy driver list unsupported version')
    at += 12
    entry = g['driver'] + 1 + 12
    if size % entry:
        fail('GPL rpy driver list size error')
    drivers = []
    for _ in range(size // entry):
        esize = chunk0(at, 'DRNT', 'GPL rpy driver entry id not DRNT', 'GPL rpy driver entry unsupported version')
        at += 12
        if esize != g['driver']:
            fail('%s rpy driver entry size error' % game)
        need(at, esize + 1)
        rec = data[at:at + esize]
        at += esize + 1
        number, = struct.unpack_from('<i', rec, g['id_at'])
        if not 0 <= number <= 255:
            fail('GPL rpy driver entry id error')
        while len(drivers) <= number:
            drivers.append(dict(first='', last='', car=0, tables=[], samples=[]))
        drivers[number].update(first=cstr(rec[0:16]), last=cstr(rec[16:32]),
                               car=struct.unpack_from('<I', rec, g['car_at'])[0])
    player = next((d for d, x in enumerate(drivers) if (x['first'], x['last']) == r['player']), None)
    if player is None:
        fail('GPL/N4 rpy player driver not found')
    while at + 4 <= len(data) and data[at:at + 4] == chunk_id('LPTB'):
        ident, lv, size = header(at)
        at += 12
        if lv != 0:
            fail('GPL rpy lap table unsupported version')
        need(at, size)
        end = at + size
        for x in drivers:
            x['tables'].append([[0, 0, -1, 0]])
        while at < end:
            if end - at < 12:
                fail('GPL rpy no room for lap read-out header')
            psize = chunk0(at, 'LPRO', 'GPL rpy lap read-out id not LPRO', 'GPL rpy lap read-out unsupported version')
            at += 12
            if psize == 0 or psize % 4 or psize > end - at:
                fail('GPL rpy lap read-out size error')
            words = struct.unpack_from('<i%dI' % (psize // 4 - 1), data, at)
            at += psize
            if 0 <= words[0] < len(drivers):
                drivers[words[0]]['tables'][-1] += [[w & 0xFFFFFF, 0, -1, 0] for w in words[1:]] + [[-1, 0, -1, 0]]
    ident, tv, size = header(at)
    at += 12
    if ident != chunk_id('RPTP'):
        fail('GPL rpy type id not RPTP')
    if tv & ~0x60:
        fail('GPL rpy type unsupported version')
    unit = 500.0 if tv & 0x40 else 2000.0
    floats = game == 'GPL' and tv & 0x20
    need(at, size)
    end = at + size
    previous = 0
    lap = [1] * len(drivers)
    clocked = False

    def current(d):
        tables = drivers[d]['tables']
        return tables[-1] if tables and lap[d] < len(tables[-1]) else None

    frame = 0
    seen = set()
    while at < end:
        if end - at < 8:
            fail('GPL rpy no room for frame header')
        fsize, fprev = struct.unpack_from('<HH', data, at)
        if fsize < 8:
            fail('GPL rpy frame header size error')
        if fprev != previous:
            fail('GPL rpy frame header size mismatch')
        if fsize > end - at:
            fail('GPL rpy frame size mismatch')
        previous = fsize
        fend = at + fsize
        at += 8
        seen = set()
        clock = None
        while at < fend:
            if fend - at < 4:
                fail('GPL rpy no room for type header')
            kind, isize = struct.unpack_from('<HH', data, at)
            if isize < 4:
                fail('GPL rpy type header size error')
            rounded = (isize + 3) // 4 * 4
            if rounded > fend - at:
                fail('GPL rpy type size mismatch')
            body = data[at + 4:at + isize]
            at += rounded
            cars = []
            if kind == 1:
                if len(body) < g['player']:
                    fail('GPL rpy type header size error')
                if floats:
                    cars.append((player,) + struct.unpack_from('<3f', body, 16))
                else:
                    w0, w1, w2 = struct.unpack_from('<3I', body)
                    cars.append((player, (w0 & 0x3FFFFFF) / unit, q1.decode(sign(w1, 20)),
                                 sign(w2 >> 10, 12) * ANGLE_UNIT))
            elif kind == 3:
                for k in range((isize - 4) // 16):
                    _, w1, w2, w3 = struct.unpack_from('<4I', body, 16 * k)
                    if game == 'GPL':
                        d, raw, lat, ang = w1 >> 26, w1 & 0x3FFFFFF, sign(w2, 16), sign(w3 >> 7, 12)
                    else:
                        d, raw, lat, ang = (w1 >> 24) & 0x7F, w1 & 0xFFFFFF, sign(w3 >> 12, 17), sign(w3, 12)
                    if d < len(drivers):
                        cars.append((d, raw / unit, q2.decode(lat), ang * ANGLE_UNIT))
            elif kind == 13:
                if len(body) < 4:
                    fail('GPL rpy type header size error')
                clock = struct.unpack_from('<I', body)[0] // 256
            for d, lon, lat, ang in cars:
                samples = drivers[d]['samples']
                laps = current(d)
                if clocked and samples and samples[-1][0] and samples[-1][1] > 100 and lon < 10 and \
                        laps is not None and lap[d] < len(laps) - 1:
                    if laps[lap[d]][1]:
                        laps[lap[d]][1] |= 8
                        laps[lap[d] + 1][1] |= 4
                    lap[d] += 1
                samples.append((True, lon, lat, ang))
                seen.add(d)
        for d, x in enumerate(drivers):
            if d not in seen:
                x['samples'].append((False, 0.0, 0.0, 0.0))
        if clock is not None:
            for d in range(len(drivers)):
                laps = current(d)
                if laps is None:
                    continue
                last = len(laps) - 1
                while lap[d] < len(laps):
                    e = laps[lap[d]]
                    if lap[d] == last and d in seen:
                        e[0] = clock * 10
                    if e[0] >= clock * 10 or lap[d] == last:
                        break
                    if e[1]:
                        e[1] |= 8
                        laps[lap[d] + 1][1] |= 4
                    lap[d] += 1
                laps[lap[d]][1] |= 2 if d in seen else 1
            clocked = True
        frame += 1
    for x in drivers:
        for table in x['tables']:
            for e in table[1:]:
                e[1] = 2 if e[1] == 14 else 1 if e[1] & 2 else 0
    r['header'][0] = frame
    r['drivers'] = drivers
    r['player_driver'] = player
    r['frames'] = frame
    return r


def car_number(n):
    return '0%d' % (n - 2000) if 2000 <= n <= 2009 else str(n)


def rpy_listing(r):
    lines = ['track %s' % r['track'], 'player %s %s' % r['player'], 'playerdriver %d' % r['player_driver'],
             'wide %s' % r['wide'].encode('utf-16-le').hex(), 'frames %d' % r['frames'],
             'header %d %d %d' % tuple(r['header']), 'integers %s' % ' '.join(str(i) for i in r['integers']),
             'drivers %d' % len(r['drivers']), 'tables %d' % len(r['drivers'][0]['tables'])]
    for d, x in enumerate(r['drivers']):
        lines.append('driver %d %s %s' % (d, x['first'] + ' ' + x['last'] if x['first'] or x['last'] else '-',
                                          car_number(x['car'])))
        for t, table in enumerate(x['tables']):
            for g in range(len(table) - 1):
                lines.append('lap %d %d %d %r %d' % (t, d, g, (table[g + 1][0] - table[g][0]) / 1000,
                                                     table[g + 1][1]))
        for f, (valid, lon, lat, ang) in enumerate(x['samples']):
            if valid:
                lines.append('sample %d %d %r %r %r' % (d, f, lon, lat, ang))
    return lines


def rpy_samples():
    files = {}
    for name, version, rptp in (('gpl.rpy', 2, 0x40), ('gplfloat.rpy', 0, 0x20), ('n4.rpy', 3, 0x40),
                                ('n4coarse.rpy', 4, 0), ('n2003.rpy', 5, 0x60)):
        files[name] = build_rpy(replay_model(version, rptp))
    bare = replay_model(2, 0)
    bare['laps'] = []
    files['nolaps.rpy'] = build_rpy(bare)

    def bent(version=2, **change):
        p = replay_model(version, 0x40)
        p.update(change)
        return build_rpy(p)

    def frames(*items):
        return [list(items)]

    good = bent()
    crafted = [
        ('rpy-id.rpy', b'XPLY' + good[4:], 'GPL rpy file id not RPLY'),
        ('rpy-version.rpy', bent(rply_version=6), 'GPL rpy file unsupported version'),
        ('rpy-rphd.rpy', bent(rphd_override=chunk('RPHX', 0, bytes(76))), 'GPL rpy header id not RPHD'),
        ('rpy-rphd-version.rpy', bent(rphd_version=2), 'GPL rpy file header unsupported version'),
        ('rpy-rphd-size.rpy', bent(rphd_size=80), 'GPL rpy file header size error'),
        ('rpy-n4-rphd-size.rpy', bent(3, rphd_override=chunk('RPHD', 0, bytes(56))), 'N4 rpy file header size error'),
        ('rpy-wknf.rpy', bent(wknf_id='WKNX'), 'GPL rpy wknf not found'),
        ('rpy-wknf-version.rpy', bent(wknf_version=1), 'GPL rpy wknf unsupported version'),
        ('rpy-wknf-size.rpy', bent(wknf_size=184), 'GPL rpy wknf size error'),
        ('rpy-n4-wknf-size.rpy', bent(4, wknf_size=172), 'N4 rpy wknf size error'),
        ('rpy-n2003-wknf-size.rpy', bent(5, wknf_size=176), 'N2003 rpy wknf size error'),
        ('rpy-drls.rpy', bent(drls_id='DRLX'), 'GPL rpy driver list id not DRLS'),
        ('rpy-drls-version.rpy', bent(drls_version=3), 'GPL rpy driver list unsupported version'),
        ('rpy-drls-size.rpy', bent(drls_size=151 * 3 + 4), 'GPL rpy driver list size error'),
        ('rpy-drnt.rpy', bent(drnt_id='DRNX'), 'GPL rpy driver entry id not DRNT'),
        ('rpy-drnt-version.rpy', bent(drnt_version=1), 'GPL rpy driver entry unsupported version'),
        ('rpy-drnt-size.rpy', bent(drnt_size=140), 'GPL rpy driver entry size error'),
        ('rpy-n4-drnt-size.rpy', bent(3, drnt_size=172), 'N4 rpy driver entry size error'),
        ('rpy-n2003-drnt-size.rpy', bent(5, drnt_size=176), 'N2003 rpy driver entry size error'),
        ('rpy-drnt-id.rpy', bent(drivers=[('Bob', 'Bravo', 256, 1, bytes(32))]), 'GPL rpy driver entry id error'),
        ('rpy-drnt-id-huge.rpy', bent(drivers=[('Bob', 'Bravo', 0x7FFFFFFF, 1, bytes(32))]),
         'GPL rpy driver entry id error'),
        ('rpy-drnt-id-negative.rpy', bent(drivers=[('Bob', 'Bravo', -1, 1, bytes(32))]),
         'GPL rpy driver entry id error'),
        ('rpy-player.rpy', bent(player=('No', 'Body')), 'GPL/N4 rpy player driver not found'),
        ('rpy-lptb-version.rpy', bent(lptb_version=1), 'GPL rpy lap table unsupported version'),
        ('rpy-lpro-room.rpy', bent(lptb_tail=bytes(8)), 'GPL rpy no room for lap read-out header'),
        ('rpy-lpro-id.rpy', bent(lptb_tail=chunk('LPRX', 0, bytes(4))), 'GPL rpy lap read-out id not LPRO'),
        ('rpy-lpro-version.rpy', bent(lptb_tail=chunk('LPRO', 2, bytes(4))), 'GPL rpy lap read-out unsupported version'),
        ('rpy-lpro-zero.rpy', bent(lptb_tail=chunk('LPRO', 0, b'')), 'GPL rpy lap read-out size error'),
        ('rpy-lpro-odd.rpy', bent(lptb_tail=chunk('LPRO', 0, bytes(6))), 'GPL rpy lap read-out size error'),
        ('rpy-lpro-long.rpy', bent(lptb_tail=chunk('LPRO', 0, bytes(4), 8)), 'GPL rpy lap read-out size error'),
        ('rpy-rptp.rpy', bent(rptp_id='RPTX'), 'GPL rpy type id not RPTP'),
        ('rpy-rptp-version.rpy', bent(rptp_version=0x41), 'GPL rpy type unsupported version'),
        ('rpy-frame-room.rpy', bent(rptp_tail=bytes(7)), 'GPL rpy no room for frame header'),
        ('rpy-frame-size.rpy', bent(frames=[], rptp_tail=struct.pack('<HHI', 7, 0, 0)),
         'GPL rpy frame header size error'),
        ('rpy-frame-previous.rpy', bent(frames=[], rptp_tail=struct.pack('<HHI', 8, 4, 0)),
         'GPL rpy frame header size mismatch'),
        ('rpy-frame-long.rpy', bent(frames=[], rptp_tail=struct.pack('<HHI', 16, 0, 0) + bytes(4)),
         'GPL rpy frame size mismatch'),
        ('rpy-item-room.rpy', bent(frames=frames(b'\0\0')), 'GPL rpy no room for type header'),
        ('rpy-item-size.rpy', bent(frames=frames(struct.pack('<HH', 9, 3))), 'GPL rpy type header size error'),
        ('rpy-item-long.rpy', bent(frames=frames(struct.pack('<HH', 9, 9) + bytes(4))), 'GPL rpy type size mismatch'),
        ('rpy-item1-short.rpy', bent(frames=frames(item(1, bytes(24)))), 'GPL rpy type header size error'),
        ('rpy-n4-item1-short.rpy', bent(3, frames=frames(item(1, bytes(28)))), 'GPL rpy type header size error'),
        ('rpy-item13-short.rpy', bent(frames=frames(item(13, b''))), 'GPL rpy type header size error'),
    ]
    return files, crafted


# ---------------------------------------------------------------- layouts

def lyt_record(name, kind, x, y, w, h, string_id, group, parent, relative, value, extras, reserved=0):
    rec = bytearray(809)
    rec[0:256] = fixed(name, 256)
    struct.pack_into('<6i', rec, 256, kind, x, y, w, h, extras[0])
    rec[280:483] = bytes((k * 3) & 255 for k in range(203))
    struct.pack_into('<i', rec, 483, string_id)
    rec[487:785] = bytes((k * 5 + 1) & 255 for k in range(298))
    struct.pack_into('<i4h3i', rec, 785, extras[1], group, parent, relative, value, extras[2], extras[3], reserved)
    return bytes(rec)


def lyt_file(records, header=(6, 809, 0, 0)):
    return struct.pack('<4i', *header) + b''.join(records)


def read_lyt(data):
    if len(data) < 16:
        raise FormatError('short')
    version, size, r0, r1 = struct.unpack_from('<4i', data)
    for bad, message in ((version != 6, 'GPL Lyt file version error'), (size != 809, 'GPL Lyt header record size error'),
                         (r0 != 0, 'GPL Lyt header reserved0 error'), (r1 != 0, 'GPL Lyt header reserved1 error'),
                         ((len(data) - 16) % 809 != 0, 'GPL Lyt header file size error')):
        if bad:
            raise FormatError(message)
    controls = []
    for at in range(16, len(data), 809):
        rec = data[at:at + 809]
        if struct.unpack_from('<i', rec, 805)[0] != 0:
            raise FormatError('GPL Lyt control reserved error')
        kind, x, y, w, h, e0 = struct.unpack_from('<6i', rec, 256)
        e1, group, parent, relative, value, e2, e3 = struct.unpack_from('<i4h2i', rec, 785)
        controls.append(dict(name=cstr(rec[:256]), type=kind, x=x, y=y, w=w, h=h,
                             string=struct.unpack_from('<i', rec, 483)[0], group=group, parent=parent,
                             relative=relative, value=value, extras=(e0, e1, e2, e3)))
    return controls


def lyt_listing(controls):
    lines = ['count %d' % (len(controls) - 1)]
    for i, c in enumerate(controls[:-1]):
        lines.append('control %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %s' % (
            i, c['type'], c['x'], c['y'], c['w'], c['h'], c['string'], c['group'], c['parent'], c['relative'],
            c['value'], *c['extras'], c['name'].encode('latin-1').hex() or '-'))
    return lines


def lyt_samples():
    records = [lyt_record('Title', 5, 10, 20, 300, 40, 1234, 1, 0, -1, 0, (1, 2, 3, 4)),
               lyt_record('x' * 256, 7, -5, 0, 64, 64, 99, 2, 1, 0, 8, (-1, 0, 70000, -70000)),
               lyt_record('Ok', 1, 0, 0, 1, 1, 0, -3, 2, 1, -8, (0, 0, 0, 0)),
               lyt_record('Hidden last', 2, 1, 1, 1, 1, 0, 0, 0, 0, 0, (0, 0, 0, 0))]
    files = {'header.lyt': lyt_file([]), 'one.lyt': lyt_file(records[:1]), 'screen.lyt': lyt_file(records)}
    crafted = [
        ('lyt-version.lyt', lyt_file(records, (5, 809, 0, 0)), 'GPL Lyt file version error'),
        ('lyt-record.lyt', lyt_file(records, (6, 808, 0, 0)), 'GPL Lyt header record size error'),
        ('lyt-reserved0.lyt', lyt_file(records, (6, 809, 1, 0)), 'GPL Lyt header reserved0 error'),
        ('lyt-reserved1.lyt', lyt_file(records, (6, 809, 0, -1)), 'GPL Lyt header reserved1 error'),
        ('lyt-size.lyt', lyt_file(records) + b'\0', 'GPL Lyt header file size error'),
        ('lyt-control.lyt', lyt_file(records[:2] + [lyt_record('Bad', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, (0,) * 4, 1)]),
         'GPL Lyt control reserved error'),
    ]
    return files, crafted


# ---------------------------------------------------------------- N3 replays

def n3_frame(cars, groups=(0, 0, 0, 0), trailer=None):
    """cars: (driver index, raw longitude, raw latitude, raw angle, bit 0); groups: record counts."""
    body = bytes([len(cars)])
    for index, lon, lat, ang, bit0 in cars:
        body += bytes([index << 1 | bit0]) + struct.pack('<I', lon)[:3] + struct.pack('<hh', lat, ang) + b'\xab\xcd\xef'
    for count, size in zip(groups, (14, 7, 16, 13)):
        body += bytes([count]) + bytes((k * 13 + size) & 255 for k in range(count * size))
    size = len(body) + 4
    return body + struct.pack('<I', size if trailer is None else trailer)


def n3_rpl(track, drivers, frames, block_size=4061, reserved=0, count=None, size_delta=0, data_size=None):
    block = bytearray(4061)
    block[8:8 + len(track) + 1] = track.encode('latin-1') + b'\0'
    for i, (name, car) in enumerate(drivers[:79]):
        block[143 + 49 * i:143 + 49 * i + 48] = fixed(name, 48)
        block[191 + 49 * i] = car
    data = b''.join(frames)
    size = len(data) + size_delta if data_size is None else data_size
    header = struct.pack('<4I', block_size, size, reserved, len(drivers) if count is None else count)
    return header + bytes(block) + data


def read_n3(data):
    def fail(message):
        raise FormatError(message)
    if len(data) < 16:
        fail('short')
    block_size, dsize, reserved, n = struct.unpack_from('<4I', data)
    if len(data) != block_size + dsize + 16:
        fail('N3 rpl file size mismatch')
    if reserved:
        fail('N3 rpl header reserved not zero')
    if block_size != 4061:
        fail('N3 rpl length1 error')
    if n > 79:
        fail('N3 rpl header driver count error')
    block = data[16:16 + 4061]
    drivers = [dict(name=cstr(block[143 + 49 * i:191 + 49 * i]), car=block[191 + 49 * i], laps=[[0, 0]], lap=1,
                    samples=[]) for i in range(n)]
    at, end, frame = 16 + 4061, len(data), 0

    def take(k):
        nonlocal at
        if at + k > end:
            fail('short')
        at += k
        return data[at - k:at]
    while at < end:
        seen = set()
        cars = take(1)[0]
        for _ in range(cars):
            rec = take(11)
            index = rec[0] >> 1
            if index >= n:
                continue
            d = drivers[index]
            sample = (True, rec[1] | rec[2] << 8 | rec[3] << 16) + struct.unpack_from('<hh', rec, 4)
            if index in seen:
                d['samples'][-1] = sample
                continue
            if d['lap'] == len(d['laps']):
                # A lap begins where the one before it ended, even when it is left in this frame
                # (a repeated record put the car back behind the line).
                d['laps'].append([0, frame - 1])
            if frame > 0 and sample[1] < 2000 and d['samples'][-1][1] > 20000:
                if d['laps'][d['lap']][0]:
                    d['laps'][d['lap']][0] |= 8
                    if d['lap'] + 1 < len(d['laps']):
                        d['laps'][d['lap'] + 1][0] |= 4
                d['lap'] += 1
            d['samples'].append(sample)
            seen.add(index)
        counted = 1 + 11 * cars
        for size in (14, 7, 16, 13):
            k = take(1)[0]
            take(k * size)
            counted += 1 + k * size
        if struct.unpack('<I', take(4))[0] != counted + 4:
            fail('N3 rpl frame trailer size mismatch')
        for index, d in enumerate(drivers):
            if index not in seen:
                d['samples'].append((False, 0, 0, 0))
            if d['lap'] < len(d['laps']):
                d['laps'][d['lap']][0] |= 2 if index in seen else 1
                if index in seen:
                    d['laps'][d['lap']][1] = frame
        frame += 1
    for d in drivers:
        for e in d['laps'][1:]:
            e[0] = 2 if e[0] == 14 else 1 if e[0] & 2 else 0
    return dict(track=cstr(block[8:]), drivers=drivers, frames=frame)


def n3_listing(r):
    drivers = r['drivers']
    lines = ['track %s' % (r['track'] or '-'), 'player %s' % (drivers[1]['name'] if len(drivers) > 1 else '-'),
             'frames %d' % r['frames'], 'drivers %d' % len(drivers)]
    for d, x in enumerate(drivers):
        lines.append('driver %d %s %d' % (d, x['name'] or '-', x['car']))
        laps = x['laps']
        for g in range(len(laps) - 1):
            # The lap's frames as [first, end): the first lap from frame 0.
            lines.append('lap %d %d %r %d %d %d' % (d, g, (laps[g + 1][1] - laps[g][1]) * (1 / 15), laps[g + 1][0],
                                                    0 if g == 0 else laps[g][1] + 1, laps[g + 1][1] + 1))
        for f, (valid, lon, lat, ang) in enumerate(x['samples']):
            if valid:
                lines.append('sample %d %d %r %r %r' % (d, f, lon * 256 * 0.0000508, lat * 256 * 0.0000508,
                                                         2 * math.pi * ang / 4096))
    return lines


def n3_samples():
    drivers = [('Ann Able', 7), ('Bob Bravo', 12), ('Cy Charlie', 255)]
    frames = []
    for f in range(45):
        cars = []
        # Driver 0: laps of 15 frames from the start, crossing the line twice.
        cars.append((0, (f % 15) * 1700 + 10, -300 + f, 1024 if f == 3 else -f * 50, f & 1))
        # Driver 1: absent in frames 10-14, crossing once; a second record in frame 20 replaces the first.
        if not 10 <= f < 15:
            cars.append((1, (f * 900 + 25000) % 30000, 40, 2047, 0))
        if f == 20:
            cars.append((1, 123, 7, 8, 1))
        # A record of a driver the header does not list.
        if f % 7 == 0:
            cars.append((5, 4000, 1, 1, 0))
        frames.append(n3_frame(cars, groups=(f % 3, f % 2, 1 if f == 4 else 0, f % 4)))
    files = {'n3.rpl': n3_rpl('Jarama', drivers, frames),
             'n3-empty-frame.rpl': n3_rpl('', [('Solo', 1)], [n3_frame([])]),
             'n3-none.rpl': n3_rpl('Nowhere', [], []),
             # Frame 5 holds the car twice: the first record crosses the line, the kept one is
             # behind it again, so frame 6 crosses once more and the lap between is frame 5 alone.
             'n3-repeat-crossing.rpl': n3_rpl('Loop', [('Solo', 1)], [
                 n3_frame([(0, lon, 0, 0, 0) for lon in lons])
                 for lons in ([3000], [6000], [9000], [12000], [25000], [100, 25000], [100], [5000])])}
    two = [n3_frame([(0, 1, 0, 0, 0)])]
    crafted = [
        ('n3-size.rpl', n3_rpl('X', drivers, two, size_delta=1), 'N3 rpl file size mismatch'),
        # The three sizes add up to the file's size plus 2^32: only a 32-bit sum would match.
        ('n3-size-wrap.rpl', n3_rpl('X', drivers, two, block_size=0xFFFFFFFF, data_size=4061 + len(two[0]) + 1),
         'N3 rpl file size mismatch'),
        ('n3-reserved.rpl', n3_rpl('X', drivers, two, reserved=1), 'N3 rpl header reserved not zero'),
        ('n3-length1.rpl', n3_rpl('X', drivers, two, block_size=4060, size_delta=1), 'N3 rpl length1 error'),
        ('n3-drivers.rpl', n3_rpl('X', drivers, two, count=80), 'N3 rpl header driver count error'),
        ('n3-trailer.rpl', n3_rpl('X', drivers, [n3_frame([(0, 1, 0, 0, 0)], trailer=21)]),
         'N3 rpl frame trailer size mismatch'),
        ('n3-trailer-groups.rpl', n3_rpl('X', drivers, two + [n3_frame([], groups=(1, 2, 3, 4), trailer=9)]),
         'N3 rpl frame trailer size mismatch'),
    ]
    return files, crafted


# ---------------------------------------------------------------- driver

def all_samples():
    files, crafted = {}, []
    for make in (cam_samples, rpy_samples, lyt_samples, n3_samples):
        f, c = make()
        files.update(f)
        crafted += c
    return files, crafted


def listing(name, data):
    if name.endswith('.cam'):
        return cam_listing(read_cam(name, data))
    if name.endswith('.rpy'):
        return rpy_listing(read_rpy(data))
    if name.endswith('.rpl'):
        return n3_listing(read_n3(data))
    return lyt_listing(read_lyt(data))


def write_samples(folder):
    os.makedirs(folder, exist_ok=True)
    files, crafted = all_samples()
    for name, data in files.items():
        with open(os.path.join(folder, name), 'wb') as out:
            out.write(data)
        with open(os.path.join(folder, name + '.list'), 'w') as out:
            out.write('\n'.join(listing(name, data)) + '\n')
    os.makedirs(os.path.join(folder, 'crafted'), exist_ok=True)
    with open(os.path.join(folder, 'crafted.list'), 'w') as out:
        for name, data, message in crafted:
            with open(os.path.join(folder, 'crafted', name), 'wb') as f:
                f.write(data)
            out.write('%s %s\n' % (name, message))
    return files, crafted


def selftest(folder):
    files, crafted = write_samples(folder)
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)

    # Cameras: sizes, counts and the version-2 parts where they belong.
    check(len(files['empty0.cam']) == 72, 'empty version-0 camera file is 72 bytes')
    cams = read_cam('gpl0.cam', files['gpl0.cam'])
    check([c[0] for c in cams] == ['TV1', 'TV1', 'TV2', 'Pitlane'], 'camera order')
    check(cams[0][1][:4] == tuple(cam_values(1)[:4]), 'track position values')
    cams2 = read_cam('gpl2.cam', files['gpl2.cam'])
    check([(c[0], c[2]) for c in cams2] == [('TV1', 1), ('TV1', 0), ('TV2', 1)], 'version-2 groups and extra bytes')
    check(files['gpl2.cam'][-2:] == b'  ' and struct.unpack_from('<I', files['gpl2.cam'], 8)[0] ==
          len(files['gpl2.cam']) - 14, 'filler outside the chunk')
    check(len(read_cam('n2.cam', files['n2.cam'])) == 3, 'N2 cameras')
    # Replays: what the model put in comes out.
    for name in ('gpl.rpy', 'gplfloat.rpy', 'n4.rpy', 'n4coarse.rpy', 'n2003.rpy', 'nolaps.rpy'):
        r = read_rpy(files[name])
        check(r['track'] == 'Monza' and r['player'] == ('Bob', 'Bravo'), name + ' names')
        check(len(r['drivers']) == 6 and r['player_driver'] == 2, name + ' drivers with gaps')
        check(r['frames'] == 36 and all(len(x['samples']) == 36 for x in r['drivers']), name + ' one sample a frame')
        check([car_number(x['car']) for x in r['drivers'][:3]] == ['03', '0', '3'], name + ' car numbers')
        check(not r['drivers'][5]['samples'][7][0] and r['drivers'][5]['samples'][9][0], name + ' gaps in frames')
        check(r['header'][0] == 36, name + ' header integer 1 is the frame count')
        if name != 'nolaps.rpy':
            laps = r['drivers'][0]['tables'][0]
            check([e[0] for e in laps[:5]] == [0, 2100, 5100, 8100, 11000], name + ' lap times masked to 24 bits')
            check(all(e[1] in (0, 1, 2) for x in r['drivers'] for t in x['tables'] for e in t), name + ' statuses')
            check(any(e[1] == 2 for e in laps), name + ' a whole lap')
            check(len(r['drivers'][1]['tables'][0]) == 1, name + ' gap driver has only the start entry')
        else:
            check(all(not x['tables'] for x in r['drivers']), 'no lap tables')
        if r['game'] != 'GPL':
            check(r['wide'] == 'A long, long race\u00e9!', name + ' wide name')
    gpl = read_rpy(files['gpl.rpy'])
    check(gpl['integers'] == [333, 55, 66, 77] and gpl['header'] == [36, 222, 333], 'GPL header integers')
    n4 = read_rpy(files['n4.rpy'])
    check(n4['integers'] == [333, 44, 55, 66, 77], 'N4 header integers')
    floats = read_rpy(files['gplfloat.rpy'])
    check(floats['drivers'][2]['samples'][5][1:] == (f32(230 + 31 * 5 - 250 + 0.5), f32(-6.25), f32(0.05)),
          'bit 5: the player from the floats')
    check(floats['drivers'][0]['samples'][1][1] == int(230 % 250 * 2000) / 2000.0, 'bit 5: others from integers')
    check(Quantizer(20).decode(524287) == 300.0 and Quantizer(16).decode(-32767) == -300.0, 'quantizer range')
    # Layouts.
    check(len(files['header.lyt']) == 16 and read_lyt(files['header.lyt']) == [], 'header-only layout')
    controls = read_lyt(files['screen.lyt'])
    check(len(controls) == 4 and controls[1]['name'] == 'x' * 256, 'layout names bounded by the field')
    # N3: the empty frame, the crossings, the skipped and repeated records.
    check(len(n3_frame([])) == 9 and n3_frame([])[-4:] == struct.pack('<I', 9), 'the empty frame is 9 bytes')
    n3 = read_n3(files['n3.rpl'])
    check(n3['frames'] == 45 and all(len(x['samples']) == 45 for x in n3['drivers']), 'N3 one sample a frame')
    check([e[1] for e in n3['drivers'][0]['laps']] == [0, 14, 29, 44], 'N3 lap ends')
    check(n3['drivers'][1]['samples'][20][1:] == (123, 7, 8) and not n3['drivers'][1]['samples'][12][0],
          'N3 repeated record and absent frames')
    check(2 * math.pi * 1024 / 4096 == math.pi / 2, 'N3 raw angle 1024 is a quarter turn')
    check(read_n3(files['n3-empty-frame.rpl'])['frames'] == 1, 'N3 empty frame read')
    # Every crafted file is refused with its message.
    for name, data, message in crafted:
        try:
            listing(name, data)
            failures.append('%s loads' % name)
        except FormatError as e:
            check(str(e) == message, '%s: %s, not %s' % (name, e, message))
    for failure in failures:
        print('FAIL', failure)
    print('%d samples, %d crafted files, %d failures' % (len(files), len(crafted), len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    if len(sys.argv) != 3 or sys.argv[1] not in ('samples', 'selftest'):
        sys.exit(__doc__)
    if sys.argv[1] == 'samples':
        write_samples(sys.argv[2])
    else:
        sys.exit(selftest(sys.argv[2]))
