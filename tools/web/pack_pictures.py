#!/usr/bin/env python3
"""Packs the game's pictures (data/gfx/*.tga) for the web page as lossless WebP, which the browser decodes
itself: a third smaller than the TGA files compressed by the server. The page (tools/web/index.html) turns
each back into its TGA file, byte for byte, before the game starts. The pictures without words
(*_blank1.tga), shown only in languages other than English under words the game draws, go as WebP of
quality 90 instead, the size of the page's translations: the same to the eye, not to the byte.

Pack: for each picture, its file name, the TGA without its pixels and the WebP (each after its length as
32-bit little-endian); the WebP holds the TGA's pixel rows in the order the file stores them, as RGBA. A
TGA that is not uncompressed 32-bit goes in whole, with an empty WebP.
Usage: pack_pictures.py GFX_DIR PACK
"""
import concurrent.futures
import os
import struct
import subprocess
import sys
import tempfile
import zlib


def png(width, height, rgba):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    rows = b''.join(b'\0' + rgba[y * width * 4:(y + 1) * width * 4] for y in range(height))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(rows, 1)) + chunk(b'IEND', b''))


def webp(path, work):
    data = open(path, 'rb').read()
    head = 18 + data[0]
    kind, width, height, depth = data[2], *struct.unpack('<HH', data[12:16]), data[16]
    if kind != 2 or depth != 32 or len(data) < head + width * height * 4:
        return data, b''
    bgra = data[head:head + width * height * 4]
    rgba = bytearray(bgra)
    rgba[0::4], rgba[2::4] = bgra[2::4], bgra[0::4]
    source = os.path.join(work, os.path.basename(path) + '.png')
    with open(source, 'wb') as f:
        f.write(png(width, height, bytes(rgba)))
    # -exact keeps the colour of fully transparent pixels, which the game's filtering blends in.
    quality = ['-q', '90', '-alpha_q', '100', '-m', '6'] if path.endswith('_blank1.tga') else ['-lossless', '-z', '9']
    subprocess.run(['cwebp', '-quiet', '-exact'] + quality + [source, '-o', source + '.webp'], check=True)
    return data[:head] + data[head + width * height * 4:], open(source + '.webp', 'rb').read()


def main():
    gfx, pack = sys.argv[1:3]
    names = sorted(n for n in os.listdir(gfx) if n.endswith('.tga'))
    with tempfile.TemporaryDirectory() as work, concurrent.futures.ThreadPoolExecutor(os.cpu_count()) as pool:
        packed = list(pool.map(lambda n: webp(os.path.join(gfx, n), work), names))
    with open(pack + '.tmp', 'wb') as out:
        for name, (head, picture) in zip(names, packed):
            for part in (name.encode(), head, picture):
                out.write(struct.pack('<I', len(part)) + part)
    os.replace(pack + '.tmp', pack)


if __name__ == '__main__':
    main()
