#!/usr/bin/python3
# Writes the hostile picture files into DIR: each tries to make a picture
# decoder take gigabytes or seconds. The benchmark and tools/measure-startup.py
# measure the game with each of them as the player's picture.
# usage: hostile-pictures.py DIR
import io, os, struct, sys, zlib
from PIL import Image


def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))


def png_body(width, height, rows, interlaced=False, colour=0):  # IHDR, IDAT, IEND; rows yields the raw rows
    packer = zlib.compressobj(9)
    idat = b''.join(packer.compress(row) for row in rows) + packer.flush()
    header = struct.pack('>IIBBBBB', width, height, 8, colour, 0, 0, int(interlaced))
    return chunk(b'IHDR', header) + chunk(b'IDAT', idat) + chunk(b'IEND', b'')


def mng(side):  # declares a 1 x 1 picture, holds a side x side frame
    header = struct.pack('>7I', 1, 1, 1, 0, 0, 0, 1)
    rows = (bytes(side + 1) for _ in range(side))
    return b'\x8aMNG\r\n\x1a\n' + chunk(b'MHDR', header) + png_body(side, side, rows) + chunk(b'MEND', b'')


def adam7_rows(side):  # every pass of a side x side grey picture, each row a ramp
    for x0, y0, dx, dy in ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
                           (0, 1, 1, 2)):
        row = b'\0' + bytes((x & 255) for x in range(x0, side, dx))
        yield from (row for _ in range(y0, side, dy))


def jpeg(size, **options):
    out = io.BytesIO()
    Image.new('RGB', size, (90, 140, 200)).save(out, 'JPEG', **options)
    return out.getvalue()


def main(folder):
    os.makedirs(folder, exist_ok=True)
    small = jpeg((16, 16), progressive=True, subsampling=0)
    at = small.index(b'\xff\xc2') + 5  # a progressive frame's height and width
    webp = io.BytesIO()
    Image.new('RGB', (64, 64), (200, 40, 40)).save(webp, 'WEBP')
    gif = bytearray(b'GIF89a\1\0\1\0\x80\0\0\0\0\0\xff\xff\xff,\0\0\0\0\1\0\1\0\0\2\2D\1\0;')
    gif[6:10] = b'\xff\xff\xff\xff'  # a 65535 x 65535 screen
    files = {
        'mng-9000.mng': mng(9000),
        'mng-15000.mng': mng(15000),
        'interlaced-10000.png': b'\x89PNG\r\n\x1a\n' + png_body(10000, 10000, adam7_rows(10000), True),
        'bomb-10000.png': b'\x89PNG\r\n\x1a\n' + png_body(10000, 10000, (bytes(30001) for _ in range(10000)),
                                                          colour=2),
        'progressive-10000.jpg': small[:at] + struct.pack('>HH', 10000, 10000) + small[at + 4:],
        'progressive-444-24mp.jpg': jpeg((6000, 4000), progressive=True, subsampling=0),
        'screen-65535.gif': bytes(gif),
        'padded-200mb.webp': webp.getvalue() + bytes(200 << 20),
        'ascii-5000.pbm': b'P1\n5000 5000\n' + (b'0 1 ' * 2500 + b'\n') * 5000,
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main(sys.argv[1])
