#!/usr/bin/env python3
"""Writes the seeds of the fuzz targets, fuzz/corpus/NAME/, from the sample data sets in examples/.
Files an input holds together are separated by the byte 0x1E. Usage: fuzz_corpus.py"""
import os
import struct

R = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
SEP = b'\x1e'
def rd(p): return open(os.path.join(R, p), 'rb').read()
def out(target, name, data):
    d = os.path.join(R, 'fuzz/corpus', target); os.makedirs(d, exist_ok=True)
    open(os.path.join(d, name), 'wb').write(data)
def cvor(hostflags, hostoptions, protocolflags, featuremask, seed=1):
    eol = '\r\n'
    s = f'-1,-1,{hostflags},0,0,{hostoptions},{protocolflags},0,0,{featuremask},{seed},{seed},""' + eol
    s += '0,0,0,0,0,0' + eol + '8,1,0,0,"",""' + eol
    paths = ['K:\\'] * 16
    paths[0] = 'K:\\DATEN\\'; paths[1] = 'K:\\UEB\\'; paths[5] = 'K:\\KARTEN\\'; paths[9] = 'K:\\ERGEBNIS\\'; paths[15] = 'DEUTSCH'
    for p in paths: s += p + eol
    s += '"",0,"",0,"","K:\\"' + eol
    return s.encode('latin-1')
def cmd(ex, block, options, tasks): return f'{ex:5s}{0:2d}{block:2d}{options:2d}{tasks:3d}{0:2d}K:\\'.encode()
samples = {
  'iceland': ('ISLAN', cmd('ISLAN', 1, 0, 8), cvor(2048, 133, 8, 543)),
  'world': ('WELTK', cmd('WELTK', 1, 0, 10), cvor(0, 0, 8, 528)),
  'europe': ('EUROP', cmd('EUROP', 2, 0, 6), cvor(2048, 4, 8, 31)),
  'sample': ('EUROP', cmd('EUROP', 2, 0, 2), cvor(0, 0, 0, 528)),
}
for name, (ex, c, v) in samples.items():
    base = f'examples/{name}/'
    out('cmdline', name, c + SEP + v)
    out('exercise', name, SEP.join([c, v, rd(base + 'UEB/DEUTSCH/' + ex), rd(base + 'UEB/DEUTSCH/prb'),
        rd(base + 'DATEN/stdvga64'), rd(base + 'DATEN/charset'), rd(base + 'ERGEBNIS/instru')]))
for name in ('sample', 'iceland'):
    out('language', name, rd(f'examples/{name}/UEB/DEUTSCH/prb'))
out('palette', 'stdvga64', rd('examples/sample/DATEN/stdvga64'))
vecs = {'sample': 'examples/sample/KARTEN/EUROPA.VEC', 'iceland': 'examples/iceland/KARTEN/ISLAND.VEC',
        'render': 'examples/render/ALLES.VEC'}
for name, p in vecs.items():
    header = rd(p).split(b'\r\n')[0].split(b'\n')[0]
    out('composer', name, rd('examples/sample/DATEN/charset') + SEP + header)
for name in ('iceland', 'world', 'europe'):
    s = rd(f'examples/{name}/trainee.script')
    out('script', name, s)
out('repetition', 'sample', b'\x02' + b'1\r\n0\r\n' + SEP + rd('examples/sample/UEB/DEUTSCH/EUROPA.LST'))
out('repetition', 'iceland', b'\x03' + b'2\r\n5\r\n7\r\n' + SEP + rd('examples/iceland/UEB/DEUTSCH/ISLAND.LST'))
# The samples hold no BMP picture: one of each kind the reader takes: 1, 4, 8, 24 and 32 bits, bottom-up and top-down.
def bmp(bits, w, h, topdown=False, core=False):
    ncol = 1 << bits if bits <= 8 else 0
    stride = ((w * bits + 31) // 32) * 4
    pix = bytes((x * 37 + y * 11) & 0xFF for y in range(h) for x in range(stride))
    pal = b''.join(bytes([i * 3 & 255, i * 5 & 255, i * 7 & 255] + ([] if core else [0])) for i in range(ncol))
    if core: hdr = struct.pack('<IHHHH', 12, w, h, 1, bits)
    else: hdr = struct.pack('<IiiHHIIiiII', 40, w, -h if topdown else h, 1, bits, 0, len(pix), 2835, 2835, ncol, 0)
    off = 14 + len(hdr) + len(pal)
    return b'BM' + struct.pack('<IHHI', off + len(pix), 0, 0, off) + hdr + pal + pix
out('bmp', 'mono', bmp(1, 9, 3))
out('bmp', 'nibble-core', bmp(4, 5, 4, core=True))
out('bmp', 'byte-topdown', bmp(8, 6, 3, topdown=True))
out('bmp', 'rgb', bmp(24, 3, 2))
out('bmp', 'rgba', bmp(32, 2, 2))
