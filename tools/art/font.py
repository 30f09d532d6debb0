"""The game's lettering: DejaVu Sans as a signed distance field atlas, and its metrics as a C++ header.

Each texel's alpha is its distance to the letter's outline, 0.5 on the outline, rising inward and
falling outward by 0.5 over SPREAD atlas pixels, so the game can cut the outline anywhere inside that
band (its own edge, or a dark rim round it) at any size and still find it where the letter has it.
The outlines are found on a drawing SS times finer than the atlas, where crossings of half coverage
between neighbouring pixels give points on the outline to a small fraction of a texel.
"""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

from .tga import write_tga

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
ATLAS = "data/gfx/font1.tga"
HEADER = "src/font_glyphs.h"
# Powers of two, for mipmaps on every GL the game runs on. At 36 pixels to the em every glyph fits
# 1024 by 512; 40 would need 1024 by 1024, twice the memory for a tenth more detail on the largest lines
# (108 pixels, 2.6 screen pixels to a texel at 36), where the field keeps the edges sharp anyway.
WIDTH, HEIGHT = 1024, 512
EM = 36  # atlas pixels to the em: the largest that packs all glyphs into the atlas
SPREAD = 5  # atlas pixels from the outline to alpha 0 or 1: room for a rim of a tenth of the line
SS = 8
REPLACEMENT = 0xFFFD  # drawn for whatever the font has no glyph for here
# Latin-1 and Latin Extended-A for the western and central European languages, Cyrillic for Russian and
# Ukrainian (U+0490, U+0491: Ґ ґ), and their typography: Ukrainian's apostrophe (U+02BC), dashes, quotes
# and guillemets, French's narrow no-break space (U+202F), the bullet, the ellipsis and the numero sign.
# Ascending: the game looks code points up by binary search.
CODES = sorted(
    list(range(0x20, 0x7F)) + list(range(0xA0, 0x180)) + [0x2BC] + list(range(0x400, 0x460)) + [0x490, 0x491] +
    [0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x2022, 0x2026, 0x2039, 0x203A, 0x202F,
     0x2116, REPLACEMENT])


def _outline_points(cover):
    """Points where the coverage crosses one half between neighbouring pixels, as (x, y) rows in
    pixel units with pixel centres at half-integers."""
    pts = []
    for axis in (1, 0):
        a = cover[:, :-1] if axis == 1 else cover[:-1, :]
        b = cover[:, 1:] if axis == 1 else cover[1:, :]
        ys, xs = np.nonzero((a > 0.5) != (b > 0.5))
        ca, cb = a[ys, xs], b[ys, xs]
        t = (0.5 - ca) / (cb - ca)
        px = xs + 0.5 + (t if axis == 1 else 0.0)
        py = ys + 0.5 + (t if axis == 0 else 0.0)
        pts.append(np.stack([px, py], axis=1))
    return np.concatenate(pts)


def _distance_field(cover, x0, y0, w, h):
    """Alpha bytes for w by h texels whose top-left texel starts at fine pixel (x0, y0) of cover."""
    pts = _outline_points(cover)
    cx = (x0 + (np.arange(w) + 0.5) * SS)
    cy = (y0 + (np.arange(h) + 0.5) * SS)
    gx, gy = np.meshgrid(cx, cy)
    centres = np.stack([gx.ravel(), gy.ravel()], axis=1)
    nearest = np.empty(len(centres))
    for s in range(0, len(centres), 256):
        c = centres[s:s + 256]
        dx = c[:, 0:1] - pts[None, :, 0]
        dy = c[:, 1:2] - pts[None, :, 1]
        nearest[s:s + 256] = np.sqrt((dx * dx + dy * dy).min(axis=1))
    # A texel centre falls on a corner of four fine pixels: inside when they cover it more than half.
    ix, iy = gx.ravel().astype(int), gy.ravel().astype(int)
    inside = (cover[iy - 1, ix - 1] + cover[iy - 1, ix] + cover[iy, ix - 1] + cover[iy, ix]) > 2.0
    signed = np.where(inside, nearest, -nearest) / SS
    alpha = np.clip(0.5 + signed / (2 * SPREAD), 0.0, 1.0)
    return np.floor(alpha * 255 + 0.5).astype(np.uint8).reshape(h, w)


def _glyph(fine, code):
    """(advance, box, alpha): the box is (left, top, width, height) in atlas pixels from the pen on the
    baseline, y down; None for a glyph without ink."""
    advance = fine.getlength(chr(code)) / SS
    # The pen sits on a texel corner, so the fine drawing's pixels fall whole into texels.
    margin = SS
    size = 3 * EM * SS
    pen = (EM * SS, 2 * EM * SS)
    img = Image.new("L", (size, size), 0)
    ImageDraw.Draw(img).text(pen, chr(code), font=fine, fill=255, anchor="ls")
    ink = img.getbbox()
    if ink is None:
        return advance, None, None
    # Room for the spread and a texel more, so the rectangle's border is wholly clear of the letter.
    pad = SPREAD + 1
    left = (ink[0] - pen[0]) // SS - pad
    top = (ink[1] - pen[1]) // SS - pad
    right = -((pen[0] - ink[2]) // SS) + pad
    bottom = -((pen[1] - ink[3]) // SS) + pad
    w, h = right - left, bottom - top
    x0, y0 = pen[0] + left * SS, pen[1] + top * SS
    assert x0 - margin >= 0 and y0 - margin >= 0 and x0 + w * SS + margin <= size and y0 + h * SS + margin <= size, code
    cover = np.asarray(img, dtype=np.float64) / 255.0
    alpha = _distance_field(cover, x0, y0, w, h)
    # A clear border: neighbours in the atlas may share it, and no cut of the field reaches it.
    assert not (alpha[0].any() or alpha[-1].any() or alpha[:, 0].any() or alpha[:, -1].any()), code
    return advance, (left, top, w, h), alpha


def _pack(boxes):
    """Shelves, tallest glyphs first: {code: (x, y)} in the atlas. Neighbours share their clear border."""
    order = sorted(boxes, key=lambda c: (-boxes[c][3], -boxes[c][2], c))
    at, x, y, shelf = {}, 0, 0, 0
    for c in order:
        w, h = boxes[c][2], boxes[c][3]
        if x + w > WIDTH:
            x, y, shelf = 0, y + shelf - 1, 0
        assert y + h <= HEIGHT, "the glyphs do not fit the atlas: lower EM"
        at[c] = (x, y)
        x += w - 1
        shelf = max(shelf, h)
    return at


def build():
    """The atlas as an RGBA image and the header's text."""
    fine = ImageFont.truetype(FONT, EM * SS)
    glyphs = {c: _glyph(fine, c) for c in CODES}
    # Letters drawn alike share the first one's rectangle: Cyrillic А and Latin A, ї and ï, Ukrainian's
    # apostrophe and ’.
    owner, alike = {}, {}
    for c in CODES:
        _, box, field = glyphs[c]
        if box is not None:
            owner[c] = alike.setdefault((box, field.tobytes()), c)
    at = _pack({c: glyphs[c][1] for c in alike.values()})
    alpha = np.zeros((HEIGHT, WIDTH), np.uint8)
    for c, (x, y) in at.items():
        w, h = glyphs[c][1][2], glyphs[c][1][3]
        alpha[y:y + h, x:x + w] = np.maximum(alpha[y:y + h, x:x + w], glyphs[c][2])
    white = Image.new("L", (WIDTH, HEIGHT), 255)
    atlas = Image.merge("RGBA", (white, white, white, Image.fromarray(alpha, "L")))
    ascent, descent = fine.getmetrics()
    lines = [
        "// Generated by tools/make_art.py with data/gfx/font1.tga from DejaVu Sans: do not edit by hand.",
        "// Every length is in atlas pixels; y runs down from the baseline.",
        "#pragma once",
        "",
        "namespace font_glyphs {",
        "constexpr int ATLAS_W = %d, ATLAS_H = %d;" % (WIDTH, HEIGHT),
        "// Alpha is 0.5 on a letter's outline and moves by 0.5 over this many pixels in or out.",
        "constexpr double SPREAD = %d;" % SPREAD,
        "constexpr double ASCENT = %.3f;" % (ascent / SS),
        "constexpr double DESCENT = %.3f;" % (descent / SS),
        "constexpr double LINE_HEIGHT = %.3f;" % ((ascent + descent) / SS),
        "constexpr int REPLACEMENT = 0x%X;" % REPLACEMENT,
        "",
        "struct glyph",
        "{",
        "    int code;",
        "    int x, y, w, h; // its rectangle in the atlas, empty for a blank",
        "    int left, top; // the rectangle's top-left corner from the pen",
        "    double advance;",
        "};",
        "",
        "// By code point, ascending.",
        "constexpr glyph GLYPHS[] = {",
    ]
    for c in CODES:
        advance, box, _ = glyphs[c]
        x, y = at[owner[c]] if c in owner else (0, 0)
        left, top, w, h = box if box else (0, 0, 0, 0)
        lines.append("    {0x%02X, %d, %d, %d, %d, %d, %d, %.3f}," % (c, x, y, w, h, left, top, advance))
    lines += ["};", "} // namespace font_glyphs", ""]
    return atlas, "\n".join(lines)


def write(root):
    atlas, header = build()
    write_tga("%s/%s" % (root, ATLAS), atlas)
    with open("%s/%s" % (root, HEADER), "w") as f:
        f.write(header)
