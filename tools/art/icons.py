"""The desktop icon: a bee flying up to the right, in the hicolor sizes.

Each size is drawn for itself rather than shrunk from the largest: below
32 pixels the bee loses its eye, feelers and third stripe and keeps a
one-pixel outline, so at 16 pixels it still reads as yellow and black
bands with white wings.
"""
import os

from PIL import Image, ImageDraw

from . import paint as P
from .tga import write_tga

SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
NAME = "quorvel-bees.png"
FOLDER = "packaging/icons/hicolor"
WINDOW_ICON = ("data/gfx/icon.tga", 64)  # the game sets it on its window
SS = 16  # supersampling: the small sizes need their bands placed finely
TILT = 32  # degrees the bee climbs
DARK = (40, 26, 8, 255)


def _body(D, detailed):
    """The bee facing right, unturned, without wings; D is the canvas size."""
    img = P.blank(D)
    d = ImageDraw.Draw(img)
    cy = 0.56 * D
    d.polygon([(0.16 * D, cy - 0.07 * D), (0.05 * D, cy), (0.16 * D, cy + 0.07 * D)], fill=DARK)
    body = P.blank(D)
    ImageDraw.Draw(body).ellipse((0.12 * D, cy - 0.23 * D, 0.74 * D, cy + 0.23 * D), fill=P.HONEY)
    bands = P.blank(D)
    db = ImageDraw.Draw(bands)
    for x0, x1 in ((0.27, 0.36), (0.45, 0.54)) + (((0.12, 0.2),) if detailed else ()):
        db.rectangle((x0 * D, 0, x1 * D, D), fill=DARK)
    body.alpha_composite(P.masked(bands, body.getchannel("A")))
    img.alpha_composite(body)
    d.ellipse((0.66 * D, cy - 0.17 * D, 0.95 * D, cy + 0.15 * D), fill=DARK)
    if detailed:
        d.ellipse((0.8 * D, cy - 0.11 * D, 0.88 * D, cy - 0.03 * D), fill=(255, 255, 255, 255))
        w = int(0.03 * D)
        for pts in (((0.84, -0.15), (0.9, -0.3), (0.99, -0.34)), ((0.77, -0.16), (0.79, -0.32), (0.87, -0.39))):
            d.line([(x * D, cy + y * D) for x, y in pts], fill=DARK, width=w, joint="curve")
    return img


def _wings(D, line):
    img = P.blank(D)
    d = ImageDraw.Draw(img)
    cy = 0.56 * D
    for cx, dy, rx, ry, tilt in ((0.36, -0.3, 0.2, 0.12, -0.45), (0.52, -0.3, 0.16, 0.1, -0.15)):
        pts = P.ellipse_points(cx * D, cy + dy * D, rx * D, ry * D, tilt, 96)
        d.polygon(pts, fill=(232, 244, 255, 240))
        d.line(pts + pts[:1], fill=(70, 100, 140, 255), width=line, joint="curve")
    return img


def icon(size):
    D = size * SS
    line = max(SS, int(0.035 * D))  # never thinner than a pixel of the icon
    bee = P.outlined(_body(D, size >= 32), line)
    pad = (bee.width - D) // 2
    bee.alpha_composite(_wings(D, line), (pad, pad))
    bee = P.rotated(bee, TILT)
    # Fit the turned bee into the square, a small margin all round.
    box = bee.getchannel("A").point(lambda v: 255 if v > 8 else 0).getbbox()
    bee = bee.crop(box)
    side = int(max(bee.size) * 1.04)
    square = P.blank(side)
    square.alpha_composite(bee, ((side - bee.width) // 2, (side - bee.height) // 2))
    return P.finish(square, size)


def write(root):
    """Writes every size under FOLDER in the hicolor theme's layout."""
    for size in SIZES:
        folder = os.path.join(root, FOLDER, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        icon(size).save(os.path.join(folder, NAME), optimize=True)
    write_tga(os.path.join(root, WINDOW_ICON[0]), icon(WINDOW_ICON[1]))
