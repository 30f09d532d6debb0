"""The game's pictures: title, rules, go button, locked tile, results, medals.

Sizes follow the largest use on screen. The title, rules and result
pictures are squares 300 or 255 pixels tall in the 800x600 window and about
twice that fullscreen, so they are 512 pixels; the go button (72 pixels on
screen) is 128; medal icons (24 pixels, 48 fullscreen) are 64; the locked
tile is pixel art shown without interpolation.
"""
import math

from PIL import Image, ImageDraw

from . import paint as P
from .paint import INK, CREAM

SS = 4  # supersampling factor for the large pictures


def _panel(img, box, radius, fill=CREAM, border=(150, 98, 40, 255), border_w=None, alpha=244):
    """A rounded parchment card with a soft shadow."""
    x0, y0, x1, y1 = box
    w, h = int(x1 - x0), int(y1 - y0)
    card = P.blank(w, h)
    d = ImageDraw.Draw(card)
    top = tuple(fill[:3]) + (alpha,)
    bottom = tuple(max(0, c - 18) for c in fill[:3]) + (alpha,)
    grad = P.vertical_gradient(w, h, top, bottom)
    mask = P.blank(w, h).getchannel("A")
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, w - 1, h - 1), radius=radius, fill=255)
    card = P.masked(grad, mask)
    bw = int(border_w or radius * 0.2)
    ImageDraw.Draw(card).rounded_rectangle((bw / 2, bw / 2, w - 1 - bw / 2, h - 1 - bw / 2),
                                           radius=radius - bw / 2, outline=border, width=bw)
    card = P.shadowed(card, radius * 0.12, radius * 0.18, radius * 0.15, opacity=90)
    P.paste(img, card, (x0 + x1) / 2 + radius * 0.06, (y0 + y1) / 2 + radius * 0.09)


def _title_text(s, size, max_width):
    f = P.fit_font(P.BOLD, size, [s], max_width, stroke=int(size * 0.07))
    stroke = int(f.size * 0.07)
    fill = P.text_sprite(s, f, (255, 206, 40, 255), stroke, INK)
    # A lighter top half gives the letters a honey gloss.
    gloss = P.text_sprite(s, f, (255, 236, 150, 255), 0)
    half = P.blank(*gloss.size)
    half.alpha_composite(gloss.crop((0, 0, gloss.width, int(gloss.height * 0.45))), (0, 0))
    fill.alpha_composite(half, ((fill.width - half.width) // 2, (fill.height - half.height) // 2))
    return P.shadowed(fill, f.size * 0.05, f.size * 0.07, f.size * 0.04, opacity=140)


def _flight_trail(img, pts, width, colour=(255, 255, 255, 200)):
    layer = P.blank(*img.size)
    d = ImageDraw.Draw(layer)
    for i, (x, y) in enumerate(pts):
        if i % 2 == 0:
            d.ellipse((x - width, y - width, x + width, y + width), fill=colour)
    img.alpha_composite(layer)


def title(size=512):
    S = SS
    N = size * S
    img = P.blank(N)
    # A round patch of sky and meadow that frames the hive.
    cx, cy, r = 256 * S, 318 * S, 180 * S
    disc = P.vertical_gradient(2 * r, 2 * r, (150, 210, 250, 255), (232, 246, 255, 255))
    mask = P.blank(2 * r).getchannel("A")
    ImageDraw.Draw(mask).ellipse((0, 0, 2 * r - 1, 2 * r - 1), fill=255)
    hill = P.blank(2 * r)
    dh = ImageDraw.Draw(hill)
    dh.ellipse((-0.6 * r, 1.2 * r, 2.6 * r, 3.4 * r), fill=(112, 190, 70, 255))
    dh.ellipse((0.9 * r, 1.45 * r, 3.2 * r, 3.0 * r), fill=(92, 170, 58, 255))
    disc.alpha_composite(hill)
    disc = P.masked(disc, mask)
    ImageDraw.Draw(disc).ellipse((0, 0, 2 * r - 1, 2 * r - 1), outline=(70, 120, 40, 255), width=6 * S)
    P.paste(img, P.shadowed(disc, 4 * S, 6 * S, 5 * S, 90), cx + 2 * S, cy + 3 * S)
    # Flowers on the hill, the hive in front, bees on their way home.
    for fx, fy, fs, kind in ((140, 410, 34, P.violet), (170, 446, 42, P.daisy), (368, 442, 48, P.tulip),
                             (398, 404, 34, P.daisy), (336, 466, 28, P.violet)):
        P.paste(img, kind(fs * S), fx * S, fy * S)
    P.paste(img, P.skep(150 * S), 262 * S, 366 * S)
    trails = [
        ((40, 200), (70, 290), (150, 276)),
        ((470, 250), (450, 330), (372, 296)),
        ((476, 150), (470, 214), (440, 222)),
        ((150, 190), (190, 230), (238, 246)),
    ]
    for (p0, p1, p2) in trails:
        pts = P.curve([v * S for v in p0], [v * S for v in p1], [v * S for v in p2], 22)
        _flight_trail(img, pts[:-4], 2.4 * S)
    for (x, y), ang, L, flip in (((150, 276), -20, 54, False), ((372, 296), 22, 52, True),
                                  ((440, 222), 8, 40, True), ((240, 248), -40, 42, False)):
        P.paste(img, P.bee(L * S, ang, flip=flip), x * S, y * S)
    # The name, over everything.
    P.paste(img, _title_text("Quorvel", 108 * S, 480 * S), 256 * S, 70 * S)
    P.paste(img, _title_text("Bees", 92 * S, 300 * S), 256 * S, 160 * S)
    return P.finish(img, size)


def rules(size=512):
    S = SS
    N = size * S
    img = P.blank(N)
    _panel(img, (6 * S, 6 * S, 500 * S, 500 * S), 28 * S)
    head = P.font(P.BOLD, 34 * S)
    P.paste(img, P.text_sprite("How to play", head, (120, 62, 14, 255)), 253 * S, 38 * S)
    rows = [
        ("Press on a flower and drag:", "lay a trail of pollen scent"),
        ("Bees follow pollen scent", "home to the hive"),
        ("Horseflies over water kill", "bees, but not in pollen scent"),
        ("Push the cursor against", "an edge to scroll"),
        ("The level ends when every", "bee is home or lost"),
        ("Escape ends a level", ""),
    ]
    text_x, text_w = 104 * S, 386 * S
    f = P.fit_font(P.COND_BOLD, 25 * S, [line for row in rows for line in row], text_w)
    icons = [_icon_drag, _icon_home, _icon_horsefly, _icon_scroll, _icon_end, _icon_escape]
    top, step = 68 * S, 72 * S
    for i, ((a, b), icon) in enumerate(zip(rows, icons)):
        y = top + i * step + step / 2
        if i:
            ImageDraw.Draw(img).line([(24 * S, y - step / 2), (482 * S, y - step / 2)],
                                     fill=(214, 190, 140, 255), width=2 * S)
        P.paste(img, icon(68 * S), 56 * S, y)
        lines = [t for t in (a, b) if t]
        lh = f.size * 1.18
        for j, t in enumerate(lines):
            spr = P.text_sprite(t, f, INK)
            ly = y + (j - (len(lines) - 1) / 2) * lh
            P.paste(img, spr, text_x + spr.width / 2, ly)
    return P.finish(img, size)


def _icon_drag(s):
    img = P.blank(s)
    d = ImageDraw.Draw(img)
    P.arrow(d, P.curve((0.34 * s, 0.58 * s), (0.6 * s, 0.98 * s), (0.96 * s, 0.34 * s), 12),
            0.075 * s, P.POLLEN, head=0.2 * s, dashed=True)
    P.paste(img, P.daisy(0.5 * s, (255, 150, 200, 255)), 0.26 * s, 0.34 * s)
    return img


def _icon_home(s):
    img = P.blank(s)
    d = ImageDraw.Draw(img)
    P.arrow(d, P.curve((0.2 * s, 0.42 * s), (0.34 * s, 0.7 * s), (0.56 * s, 0.66 * s), 10),
            0.07 * s, P.POLLEN, head=0.16 * s, dashed=True)
    P.paste(img, P.bee(0.44 * s, -30), 0.2 * s, 0.26 * s)
    P.paste(img, P.skep(0.46 * s), 0.76 * s, 0.62 * s)
    return img


def _icon_horsefly(s):
    img = P.blank(s)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0.02 * s, 0.62 * s, 0.98 * s, 0.94 * s), radius=0.08 * s,
                        fill=(70, 140, 220, 255), outline=(30, 70, 140, 255), width=int(0.03 * s))
    for wx in (0.18, 0.5, 0.8):
        d.arc((wx * s - 0.1 * s, 0.7 * s, wx * s + 0.1 * s, 0.84 * s), 200, 340,
              fill=(210, 235, 255, 255), width=int(0.035 * s))
    P.paste(img, P.horsefly(0.5 * s), 0.3 * s, 0.4 * s)
    P.paste(img, P.bee(0.36 * s, 0, flip=True), 0.78 * s, 0.3 * s)
    red = (220, 30, 30, 255)
    w = int(0.07 * s)
    d.line([(0.64 * s, 0.14 * s), (0.94 * s, 0.46 * s)], fill=red, width=w)
    d.line([(0.94 * s, 0.14 * s), (0.64 * s, 0.46 * s)], fill=red, width=w)
    return img


def _icon_scroll(s):
    img = P.blank(s)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0.02 * s, 0.14 * s, 0.58 * s, 0.84 * s), radius=0.05 * s,
                        fill=(120, 200, 90, 255), outline=INK, width=int(0.045 * s))
    pointer = [(0, 0), (0, 0.62), (0.16, 0.48), (0.27, 0.72), (0.36, 0.68), (0.25, 0.44), (0.44, 0.44)]
    px, py, k = 0.44 * s, 0.3 * s, 0.36 * s
    d.polygon([(px + x * k, py + y * k) for x, y in pointer], fill=(255, 255, 255, 255), outline=INK,
              width=int(0.03 * s))
    P.arrow(d, [(0.64 * s, 0.5 * s), (0.99 * s, 0.5 * s)], 0.1 * s, (150, 98, 40, 255), head=0.26 * s)
    return img


def _icon_end(s):
    img = P.blank(s)
    d = ImageDraw.Draw(img)
    P.paste(img, P.skep(0.54 * s), 0.36 * s, 0.56 * s)
    w = int(0.09 * s)
    green = (40, 150, 40, 255)
    pts = [(0.6 * s, 0.5 * s), (0.74 * s, 0.66 * s), (0.98 * s, 0.24 * s)]
    d.line(pts, fill=(255, 255, 255, 255), width=w + int(0.06 * s), joint="curve")
    d.line(pts, fill=green, width=w, joint="curve")
    return img


def _icon_escape(s):
    img = P.blank(s)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0.06 * s, 0.2 * s, 0.94 * s, 0.8 * s), radius=0.12 * s,
                        fill=(120, 110, 100, 255), outline=INK, width=int(0.04 * s))
    d.rounded_rectangle((0.1 * s, 0.23 * s, 0.9 * s, 0.68 * s), radius=0.1 * s,
                        fill=(245, 240, 230, 255))
    f = P.font(P.BOLD, 0.3 * s)
    P.paste(img, P.text_sprite("Esc", f, INK), 0.5 * s, 0.46 * s)
    return img


def go(size=128):
    S = 8
    N = size * S
    img = P.blank(N)
    c = N / 2
    r = 0.44 * N
    ring = P.blank(N)
    ImageDraw.Draw(ring).ellipse((c - r, c - r, c + r, c + r), fill=(150, 70, 10, 255))
    P.paste(img, P.shadowed(ring, 0.015 * N, 0.02 * N, 0.012 * N, 120), c, c)
    ri = r * 0.86
    face = P.vertical_gradient(2 * ri, 2 * ri, (255, 224, 80, 255), (250, 140, 20, 255))
    mask = P.blank(2 * ri).getchannel("A")
    ImageDraw.Draw(mask).ellipse((0, 0, 2 * ri - 1, 2 * ri - 1), fill=255)
    P.paste(img, P.masked(face, mask), c, c)
    shine = P.blank(N)
    ImageDraw.Draw(shine).ellipse((c - ri * 0.7, c - ri * 0.92, c + ri * 0.7, c - ri * 0.2),
                                  fill=(255, 255, 235, 110))
    img.alpha_composite(shine)
    f = P.font(P.BOLD, 0.4 * N)
    word = P.text_sprite("GO", f, (255, 255, 255, 255), int(0.035 * N), (120, 50, 0, 255))
    P.paste(img, P.shadowed(word, 0.01 * N, 0.015 * N, 0.01 * N, 120), c, c + 0.01 * N)
    return P.finish(img, size)


def closed(size=32):
    """A locked level: a slate tile with a padlock, drawn pixel by pixel."""
    assert size == 32
    img = P.blank(size)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((1, 1, 30, 30), radius=4, fill=(92, 98, 108, 255), outline=(40, 42, 48, 255))
    d.line([(3, 2), (28, 2)], fill=(132, 138, 148, 255))
    d.line([(2, 3), (2, 28)], fill=(132, 138, 148, 255))
    d.line([(3, 29), (28, 29)], fill=(66, 70, 78, 255))
    d.line([(29, 3), (29, 28)], fill=(66, 70, 78, 255))
    # Shackle.
    d.rectangle((10, 8, 11, 15), fill=(50, 52, 58, 255))
    d.rectangle((20, 8, 21, 15), fill=(50, 52, 58, 255))
    d.rectangle((12, 6, 19, 7), fill=(50, 52, 58, 255))
    d.point([(11, 7), (20, 7)], fill=(50, 52, 58, 255))
    d.rectangle((11, 8, 11, 15), fill=(200, 204, 212, 255))
    d.rectangle((12, 7, 19, 7), fill=(200, 204, 212, 255))
    d.rectangle((20, 8, 20, 15), fill=(170, 174, 182, 255))
    # Body with a keyhole.
    d.rectangle((8, 14, 23, 25), fill=(232, 176, 40, 255), outline=(110, 70, 10, 255))
    d.line([(9, 15), (22, 15)], fill=(255, 222, 120, 255))
    d.line([(9, 24), (22, 24)], fill=(190, 130, 20, 255))
    d.rectangle((15, 17, 16, 19), fill=(50, 30, 5, 255))
    d.rectangle((14, 18, 17, 18), fill=(50, 30, 5, 255))
    d.rectangle((15, 20, 16, 22), fill=(50, 30, 5, 255))
    return img


def medal(kind, size=64):
    S = 8
    draw = {"daisy": P.daisy, "violet": P.violet, "tulip": P.tulip}[kind]
    img = P.blank(size * S)
    P.paste(img, draw(int(size * S * 0.9)), size * S / 2, size * S / 2)
    return P.finish(img, size)


RESULTS = {
    0: ("No medal", ["Too few bees came home.", "Try again!"]),
    1: ("Daisy medal!", ["Enough bees came home.", "One of three medals."]),
    2: ("Violet medal!", ["Many bees came home.", "Two of three medals."]),
    3: ("Tulip medal!", ["Nearly every bee is home.", "All three medals!"]),
}


def result(medals, size=512):
    """The results card. Its lower middle stays clear: the go button shows there."""
    S = SS
    N = size * S
    img = P.blank(N)
    _panel(img, (20 * S, 14 * S, 492 * S, 424 * S), 30 * S)
    heading, lines = RESULTS[medals]
    P.paste(img, _title_text(heading, 60 * S, 404 * S), 256 * S, 76 * S)
    f = P.fit_font(P.COND_BOLD, 30 * S, lines, 420 * S)
    for j, t in enumerate(lines):
        P.paste(img, P.text_sprite(t, f, INK), 256 * S, (334 + j * 40) * S)
    kinds = [P.daisy, P.violet, P.tulip]
    slots = (128, 256, 384)
    for i, x in enumerate(slots):
        y, r = 214, 56
        ring = P.blank(2 * r * S + 8 * S)
        rc = ring.width / 2
        dr = ImageDraw.Draw(ring)
        won = i < medals
        dr.ellipse((rc - r * S, rc - r * S, rc + r * S, rc + r * S),
                   fill=(255, 236, 170, 255) if won else (230, 214, 184, 255),
                   outline=(200, 150, 50, 255) if won else (190, 170, 140, 255), width=5 * S)
        P.paste(img, ring, x * S, y * S)
        if won:
            grow = 1.12 if i == medals - 1 else 1.0
            P.paste(img, kinds[i](int(118 * grow * S)), x * S, (y - 2) * S)
        else:
            q = P.font(P.BOLD, 60 * S)
            P.paste(img, P.text_sprite("?", q, (200, 182, 150, 255)), x * S, y * S)
    if medals == 0:
        # A lost bee drifting away.
        P.paste(img, P.bee(44 * S, 30), 462 * S, 38 * S)
    return P.finish(img, size)
