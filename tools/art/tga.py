"""Writes pictures in the one TGA layout the game's reader understands."""
import struct

from PIL import Image

HEADER_SIZE = 18
# Bit 5 says "top-left origin", the low bits count 8 alpha bits. The game
# itself ignores the descriptor and takes the first stored row as the top.
DESCRIPTOR_TOP_LEFT = 0x28


def tga_bytes(img):
    """Uncompressed true-colour, 32 bits, top row first, pixels B, G, R, A."""
    img = img.convert("RGBA")
    w, h = img.size
    assert 0 < w < 32768 and 0 < h < 32768
    header = struct.pack("<BBBHHBHHHHBB",
                         0,      # no image identification field
                         0,      # no colour map
                         2,      # uncompressed true-colour
                         0, 0, 0,  # colour-map fields, unused
                         0, 0,   # origin
                         w, h,
                         32, DESCRIPTOR_TOP_LEFT)
    assert len(header) == HEADER_SIZE
    r, g, b, a = img.split()
    return header + Image.merge("RGBA", (b, g, r, a)).tobytes()


def write_tga(path, img):
    with open(path, "wb") as f:
        f.write(tga_bytes(img))
