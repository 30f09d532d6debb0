"""The game's pictures: title, rules, go button, locked tile, results, medals.

Sizes follow the largest use on screen. The title, rules and result
pictures are squares 300 or 255 pixels tall in the 800x600 window and about
twice that fullscreen, so they are 512 pixels; the go button (72 pixels on
screen) is 128; medal icons (24 pixels, 48 fullscreen) are 64; the locked
tile, shown without interpolation at 60 to 135 pixels, is 128.
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


# Where the rules' words stand, in pixels of the 512 picture: the heading's middle, and each row's middle
# and height; the game draws them there in languages other than English (src/picture_words.h).
RULES_LAYOUT = []


def rules(size=512, words=True):
    S = SS
    N = size * S
    img = P.blank(N)
    _panel(img, (6 * S, 6 * S, 500 * S, 500 * S), 28 * S)
    head = P.font(P.BOLD, 34 * S)
    if words:
        P.paste(img, P.text_sprite("How to play", head, (120, 62, 14, 255)), 253 * S, 36 * S)
    rows = [
        (["Press on a flower and drag:", "lay a trail of pollen scent"], _icon_drag),
        (["A flower runs dry after a few", "seconds of dragging"], _icon_dry),
        (["Bees follow pollen scent", "home to the hive"], _icon_home),
        (["Horseflies over water kill", "bees, but not in pollen scent"], _icon_horsefly),
        (["Push the cursor against", "an edge to scroll"], _icon_scroll),
        (["The level ends when every", "bee is home or lost;", "Escape ends it at once"], _icon_end),
    ]
    text_x, text_w = 104 * S, 386 * S
    f = P.fit_font(P.COND_BOLD, 25 * S, [line for lines, _ in rows for line in lines], text_w)
    lh = f.size * 1.18
    # Rows as tall as their lines, the spare height shared out between them.
    top, bottom = 62 * S, 496 * S
    pad = (bottom - top - lh * sum(len(lines) for lines, _ in rows)) / len(rows)
    y0 = top
    RULES_LAYOUT[:] = []
    for i, (lines, icon) in enumerate(rows):
        h = lh * len(lines) + pad
        y = y0 + h / 2
        RULES_LAYOUT.append((y / S, (h - 6 * S) / S))
        if i:
            ImageDraw.Draw(img).line([(24 * S, y0), (482 * S, y0)], fill=(214, 190, 140, 255), width=2 * S)
        P.paste(img, icon(min(68 * S, h - 4 * S)), 56 * S, y)
        for j, t in enumerate(lines if words else []):
            spr = P.text_sprite(t, f, INK)
            P.paste(img, spr, text_x + spr.width / 2, y + (j - (len(lines) - 1) / 2) * lh)
        y0 += h
    return P.finish(img, size)


def _icon_dry(s):
    """A flower drained by a drag: the pink trail leaves it, its petals hang grey."""
    img = P.blank(s)
    d = ImageDraw.Draw(img)
    P.arrow(d, P.curve((0.5 * s, 0.3 * s), (0.8 * s, 0.16 * s), (0.98 * s, 0.42 * s), 10),
            0.07 * s, P.POLLEN, head=0.18 * s, dashed=True)
    d.line(P.curve((0.34 * s, 0.96 * s), (0.36 * s, 0.6 * s), (0.5 * s, 0.52 * s), 12),
           fill=(90, 130, 50, 255), width=int(0.06 * s))
    head = P.rotated(P.daisy(0.46 * s, (184, 146, 100, 255)), -40)
    P.paste(img, head, 0.52 * s, 0.6 * s)
    return img


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


def closed(size=128):
    """A locked level: a slate tile with a padlock. The game samples it without interpolation at
    60 to 135 screen pixels, so it is drawn at about that size with bold shapes and no thin lines,
    which survive being sampled a texel in two."""
    S = 8
    N = size * S
    img = P.blank(N)
    u = N / 128  # the drawing's unit: 1/128 of the tile
    # The slate, a little lighter at the top.
    slate = P.vertical_gradient(120 * u, 120 * u, (112, 120, 132, 255), (78, 84, 96, 255))
    mask = P.blank(120 * u).getchannel("A")
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, 120 * u - 1, 120 * u - 1), radius=16 * u, fill=255)
    slate = P.masked(slate, mask)
    ImageDraw.Draw(slate).rounded_rectangle((2 * u, 2 * u, 118 * u, 118 * u), radius=15 * u,
                                            outline=(40, 44, 52, 255), width=int(5 * u))
    P.paste(img, slate, N / 2, N / 2)
    d = ImageDraw.Draw(img)
    cx = N / 2
    # Shackle: a thick arch, dark outline under a steel face.
    for w, colour in ((18 * u, (36, 38, 44, 255)), (10 * u, (196, 202, 212, 255))):
        d.arc((cx - 22 * u, 24 * u, cx + 22 * u, 70 * u), 180, 360, fill=colour, width=int(w))
        for sx in (cx - 22 * u, cx + 22 * u):
            d.line([(sx, 46 * u), (sx, 62 * u)], fill=colour, width=int(w))
    # Body: gold with a dark rim and a lighter top band.
    body = (cx - 34 * u, 56 * u, cx + 34 * u, 106 * u)
    d.rounded_rectangle(body, radius=8 * u, fill=(236, 178, 40, 255), outline=(96, 60, 8, 255),
                        width=int(5 * u))
    d.rounded_rectangle((cx - 28 * u, 61 * u, cx + 28 * u, 70 * u), radius=4 * u, fill=(255, 218, 110, 255))
    # Keyhole: a round head over a tapering slot.
    d.ellipse((cx - 8 * u, 72 * u, cx + 8 * u, 88 * u), fill=(48, 28, 4, 255))
    d.polygon([(cx - 5 * u, 82 * u), (cx + 5 * u, 82 * u), (cx + 8 * u, 99 * u), (cx - 8 * u, 99 * u)],
              fill=(48, 28, 4, 255))
    return P.finish(img, size)


def medal(kind, size=64):
    S = 8
    draw = {"daisy": P.daisy, "violet": P.violet, "tulip": P.tulip}[kind]
    img = P.blank(size * S)
    P.paste(img, draw(int(size * S * 0.9)), size * S / 2, size * S / 2)
    return P.finish(img, size)


RESULTS = {
    # Only true things: the first three levels and the sixth award a single medal, the fourth and
    # fifth two, so no card counts the medals a level could have given.
    0: ("No medal", ["Too few bees came home.", "Try again!"]),
    1: ("Daisy medal!", ["Enough bees came home.", "The daisy is yours."]),
    2: ("Violet medal!", ["Many bees came home.", "Daisy and violet are yours."]),
    3: ("Tulip medal!", ["Nearly every bee is home.", "All three medals are yours!"]),
}


def _fit_in_circle(sprite, radius):
    """`sprite` scaled so that everything visible lies within `radius` of its centre."""
    alpha = sprite.getchannel("A")
    w, h = sprite.size
    px = alpha.load()
    cx, cy = w / 2, h / 2
    far = 1.0
    step = max(1, min(w, h) // 200)
    for y in range(0, h, step):
        for x in range(0, w, step):
            if px[x, y] > 24:
                far = max(far, math.hypot(x + 0.5 - cx, y + 0.5 - cy))
    k = radius / far
    return sprite.resize((max(1, round(w * k)), max(1, round(h * k))), Image.LANCZOS)


def result(medals, size=512, words=True):
    """The results card: the medals won, each on its gold disc. Its lower middle stays clear: the
    go button shows there. Without words, for the game to draw them in another language."""
    S = SS
    N = size * S
    img = P.blank(N)
    _panel(img, (20 * S, 14 * S, 492 * S, 424 * S), 30 * S)
    heading, lines = RESULTS[medals] if words else ("", [])
    if words:
        P.paste(img, _title_text(heading, 60 * S, 404 * S), 256 * S, 76 * S)
    # One size for every card, so that they read alike.
    f = P.fit_font(P.COND_BOLD, 30 * S, [t for _, ts in RESULTS.values() for t in ts], 420 * S)
    for j, t in enumerate(lines):
        P.paste(img, P.text_sprite(t, f, INK), 256 * S, (334 + j * 40) * S)
    kinds = [P.daisy, P.violet, P.tulip]
    # The discs of the medals won, side by side; an empty one when there is none.
    slots, r = {0: ((256,), 64), 1: ((256,), 72), 2: ((178, 334), 68), 3: ((128, 256, 384), 56)}[medals]
    y = 214
    for i, x in enumerate(slots):
        won = medals > 0
        ring = P.blank(2 * r * S + 8 * S)
        rc = ring.width / 2
        ImageDraw.Draw(ring).ellipse((rc - r * S, rc - r * S, rc + r * S, rc + r * S),
                                     fill=(255, 236, 170, 255) if won else (230, 214, 184, 255),
                                     outline=(200, 150, 50, 255) if won else (190, 170, 140, 255),
                                     width=5 * S)
        P.paste(img, ring, x * S, y * S)
        if won:
            # Inside the gold rim, whatever the flower's shape.
            flower = _fit_in_circle(kinds[i](int(2 * r * S)), (r - 9) * S)
            P.paste(img, flower, x * S, y * S)
    if medals == 0:
        # A lost bee drifting away from the empty disc.
        _flight_trail(img, P.curve((300 * S, 236 * S), (360 * S, 150 * S), (420 * S, 166 * S), 24)[:-5],
                      2.4 * S)
        P.paste(img, P.bee(48 * S, 10), 432 * S, 164 * S)
    return P.finish(img, size)
