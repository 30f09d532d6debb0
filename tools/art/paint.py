"""Drawing helpers: supersampled sprites, outlines, text and clean edges.

Everything is drawn SS times larger than the final picture and shrunk with
LANCZOS at the end. Sprites are small RGBA images composited onto the
picture, so overlapping translucent parts blend as they should.
"""
import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
BOLD = "DejaVuSans-Bold.ttf"
COND_BOLD = "DejaVuSansCondensed-Bold.ttf"
SERIF_BOLD = "DejaVuSerif-Bold.ttf"

INK = (58, 34, 12, 255)          # dark brown outlines and text
STRAW = (236, 178, 72, 255)
STRAW_DARK = (168, 104, 34, 255)
HONEY = (255, 204, 48, 255)
CREAM = (255, 247, 222, 255)
POLLEN = (255, 102, 178, 255)    # the pink of pollen scent in play


def font(name, size):
    return ImageFont.truetype(FONT_DIR + name, int(round(size)))


def blank(w, h=None):
    return Image.new("RGBA", (int(w), int(h if h is not None else w)), (0, 0, 0, 0))


def paste(dst, src, cx, cy):
    """Composites `src` centred at (cx, cy), clipped to `dst`."""
    x0 = int(round(cx - src.width / 2))
    y0 = int(round(cy - src.height / 2))
    sx0, sy0 = max(0, -x0), max(0, -y0)
    sx1 = min(src.width, dst.width - x0)
    sy1 = min(src.height, dst.height - y0)
    if sx1 <= sx0 or sy1 <= sy0:
        return
    dst.alpha_composite(src, (x0 + sx0, y0 + sy0), (sx0, sy0, sx1, sy1))


def rotated(img, degrees):
    return img.rotate(degrees, resample=Image.BICUBIC, expand=True)


def outlined(img, width, colour=INK):
    """`img` on top of a dilated silhouette of itself: a solid outline."""
    pad = int(width * 1.6) + 4
    src = blank(img.width + 2 * pad, img.height + 2 * pad)
    src.alpha_composite(img, (pad, pad))
    alpha = src.getchannel("A")
    # A blurred silhouette cut at a low level grows by about `width` with
    # round corners (the cut sits near 1.9 sigma from a straight edge).
    blurred = alpha.filter(ImageFilter.GaussianBlur(max(0.5, width / 1.9)))
    grown = ImageChops.lighter(alpha, blurred.point(lambda v: max(0, min(255, (v - 4) * 22))))
    under = Image.new("RGBA", src.size, colour)
    under.putalpha(ImageChops.multiply(grown, Image.new("L", src.size, colour[3])))
    under.alpha_composite(src)
    return under


def shadowed(img, dx, dy, blur, opacity=110):
    pad = int(blur * 3 + max(abs(dx), abs(dy))) + 2
    out = blank(img.width + 2 * pad, img.height + 2 * pad)
    shadow = Image.new("RGBA", img.size, (30, 20, 5, 255))
    shadow.putalpha(img.getchannel("A").point(lambda v: v * opacity // 255))
    out.alpha_composite(shadow, (pad + int(dx), pad + int(dy)))
    out = Image.alpha_composite(blank(*out.size), out.filter(ImageFilter.GaussianBlur(blur)))
    out.alpha_composite(img, (pad, pad))
    return out


def text_sprite(s, fnt, fill, stroke=0, stroke_fill=INK):
    box = fnt.getbbox(s, stroke_width=stroke)
    img = blank(box[2] - box[0] + 4, box[3] - box[1] + 4)
    ImageDraw.Draw(img).text((2 - box[0], 2 - box[1]), s, font=fnt, fill=fill,
                             stroke_width=stroke, stroke_fill=stroke_fill)
    return img


def fit_font(name, size, lines, max_width, stroke=0):
    """The largest size not above `size` at which every line fits."""
    while size > 6:
        f = font(name, size)
        if all(f.getlength(line) + 2 * stroke <= max_width for line in lines):
            return f
        size -= 1
    return font(name, size)


def vertical_gradient(w, h, top, bottom):
    img = Image.new("RGBA", (int(w), int(h)))
    d = ImageDraw.Draw(img)
    for y in range(int(h)):
        t = y / max(1, h - 1)
        d.line([(0, y), (w, y)], fill=tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom)))
    return img


def masked(fill_img, mask):
    out = fill_img.copy()
    out.putalpha(ImageChops.multiply(fill_img.getchannel("A"), mask))
    return out


def ellipse_points(cx, cy, rx, ry, angle=0.0, n=48):
    ca, sa = math.cos(angle), math.sin(angle)
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return pts


def finish(big, size):
    """Shrinks the supersampled drawing and makes its edges safe to filter."""
    small = big.resize((size, size), Image.LANCZOS)
    # LANCZOS rings: faint alpha where nothing is drawn must stay exactly 0.
    small.putalpha(small.getchannel("A").point(lambda v: 0 if v <= 3 else (255 if v >= 252 else v)))
    return bleed(small)


def bleed(img):
    """Gives transparent pixels the colour of their visible neighbours.

    The game blends unpremultiplied colour and builds mipmaps from it; black
    under alpha 0 would seep into the edges as a dark fringe.
    """
    alpha = img.getchannel("A")
    r, g, b = (ImageChops.multiply(c, alpha) for c in img.split()[:3])
    out = img.copy()
    todo = alpha.point(lambda v: 255 if v == 0 else 0)
    for radius in (2, 6, 16, 48):
        blurred = [c.filter(ImageFilter.BoxBlur(radius)) for c in (r, g, b, alpha)]
        spread = Image.merge("RGBa", blurred).convert("RGBA")
        reach = blurred[3].point(lambda v: 255 if v > 0 else 0)
        take = ImageChops.multiply(todo, reach)
        out = Image.composite(spread, out, take)
        todo = ImageChops.subtract(todo, take)
    out.putalpha(alpha)
    return out


# ---------------------------------------------------------------------------
# Creatures and things, drawn at any size (all lengths in drawing pixels).
# ---------------------------------------------------------------------------

def bee(length, angle=0.0, outline=True, flip=False):
    """A bee facing right (left if `flip`), turned `angle` degrees counter-clockwise."""
    L = length
    img = blank(2.2 * L, 2.2 * L)
    c = img.width / 2
    d = ImageDraw.Draw(img)
    wings = blank(*img.size)
    dw = ImageDraw.Draw(wings)
    for dx, tilt, scale in ((-0.12, -0.5, 1.0), (0.05, -0.25, 0.85)):
        dw.polygon(ellipse_points(c + dx * L, c - 0.42 * L, 0.36 * L * scale, 0.2 * L * scale, tilt),
                   fill=(225, 240, 255, 215), outline=(90, 120, 150, 255))
    body = blank(*img.size)
    db = ImageDraw.Draw(body)
    db.ellipse((c - 0.5 * L, c - 0.3 * L, c + 0.36 * L, c + 0.3 * L), fill=HONEY)
    stripes = blank(*img.size)
    ds = ImageDraw.Draw(stripes)
    for x in (-0.28, -0.06, 0.16):
        ds.rectangle((c + x * L, c - L, c + (x + 0.11) * L, c + L), fill=(40, 26, 8, 255))
    body.alpha_composite(masked(stripes, body.getchannel("A")))
    # Stinger, head, eye and feelers.
    d.polygon([(c - 0.47 * L, c - 0.06 * L), (c - 0.62 * L, c), (c - 0.47 * L, c + 0.06 * L)],
              fill=(40, 26, 8, 255))
    img.alpha_composite(body)
    d.ellipse((c + 0.26 * L, c - 0.2 * L, c + 0.62 * L, c + 0.2 * L), fill=(45, 30, 10, 255))
    d.ellipse((c + 0.44 * L, c - 0.12 * L, c + 0.54 * L, c - 0.02 * L), fill=(255, 255, 255, 255))
    w = max(1, int(0.045 * L))
    d.line([(c + 0.5 * L, c - 0.16 * L), (c + 0.62 * L, c - 0.38 * L), (c + 0.76 * L, c - 0.42 * L)],
           fill=(40, 26, 8, 255), width=w, joint="curve")
    d.line([(c + 0.42 * L, c - 0.18 * L), (c + 0.46 * L, c - 0.42 * L), (c + 0.58 * L, c - 0.5 * L)],
           fill=(40, 26, 8, 255), width=w, joint="curve")
    if outline:
        img = outlined(img, 0.04 * L)
    img.alpha_composite(wings, ((img.width - wings.width) // 2, (img.height - wings.height) // 2))
    if flip:
        img = img.transpose(Image.FLIP_LEFT_RIGHT)
    return rotated(img, angle) if angle else img


def skep(width):
    """A straw beehive: coils narrowing to a dome, a dark doorway, a plank."""
    W = width
    H = 0.95 * W
    img = blank(1.2 * W, 1.25 * W)
    cx = img.width / 2
    base = img.height - 0.12 * W
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((cx - 0.58 * W, base - 0.02 * W, cx + 0.58 * W, base + 0.1 * W),
                        radius=0.03 * W, fill=(128, 82, 40, 255), outline=INK, width=int(0.025 * W))
    coils = 6
    band = H / (coils + 0.6)
    for i in range(coils):
        y1 = base - i * band
        y0 = y1 - band * 1.08
        t = (i + 0.5) / coils
        half = 0.5 * W * math.sqrt(max(0.0, 1 - (t * 0.93) ** 2.2)) + 0.04 * W
        d.rounded_rectangle((cx - half, y0, cx + half, y1), radius=band * 0.5,
                            fill=STRAW, outline=STRAW_DARK, width=max(1, int(0.02 * W)))
        # A light stripe along each coil gives it a rounded look.
        d.line([(cx - half * 0.75, y0 + band * 0.3), (cx + half * 0.6, y0 + band * 0.3)],
               fill=(255, 222, 140, 255), width=max(1, int(band * 0.16)))
    top = base - coils * band
    d.ellipse((cx - 0.1 * W, top - 0.12 * W, cx + 0.1 * W, top + 0.08 * W),
              fill=STRAW, outline=STRAW_DARK, width=max(1, int(0.02 * W)))
    d.chord((cx - 0.12 * W, base - 0.26 * W, cx + 0.12 * W, base + 0.02 * W), 180, 360,
            fill=(48, 26, 8, 255))
    d.rectangle((cx - 0.12 * W, base - 0.13 * W, cx + 0.12 * W, base - 0.01 * W), fill=(48, 26, 8, 255))
    return outlined(img, 0.025 * W)


def daisy(size, petal_colour=(252, 252, 246, 255), outline=True):
    D = size
    img = blank(D, D)
    c = D / 2
    d = ImageDraw.Draw(img)
    n = 14
    for i in range(n):
        a = 2 * math.pi * i / n
        d.polygon(ellipse_points(c + math.cos(a) * 0.25 * D, c + math.sin(a) * 0.25 * D,
                                 0.2 * D, 0.07 * D, a), fill=petal_colour,
                  outline=(200, 200, 190, 255))
    d.ellipse((c - 0.15 * D, c - 0.15 * D, c + 0.15 * D, c + 0.15 * D), fill=(250, 190, 20, 255),
              outline=(210, 130, 10, 255), width=max(1, int(0.025 * D)))
    d.ellipse((c - 0.08 * D, c - 0.1 * D, c + 0.02 * D, c - 0.0 * D), fill=(255, 228, 110, 255))
    return outlined(img, 0.035 * D, (70, 64, 40, 255)) if outline else img


def violet(size, outline=True):
    D = size
    img = blank(D, D)
    c = D / 2
    d = ImageDraw.Draw(img)
    dark, mid, light = (96, 40, 160, 255), (128, 70, 200, 255), (150, 96, 222, 255)
    # Two upright petals behind, two at the sides, a broad one below.
    for ang, col in ((-125, dark), (-55, dark)):
        a = math.radians(ang)
        d.polygon(ellipse_points(c + math.cos(a) * 0.23 * D, c - 0.02 * D + math.sin(a) * 0.23 * D,
                                 0.22 * D, 0.16 * D, a), fill=col, outline=(70, 25, 120, 255))
    for ang in (170, 10):
        a = math.radians(ang)
        d.polygon(ellipse_points(c + math.cos(a) * 0.24 * D, c + 0.04 * D + math.sin(a) * 0.24 * D,
                                 0.2 * D, 0.14 * D, a), fill=mid, outline=(80, 35, 140, 255))
    d.polygon(ellipse_points(c, c + 0.25 * D, 0.2 * D, 0.19 * D), fill=light,
              outline=(80, 35, 140, 255))
    for ang in (60, 90, 120):
        a = math.radians(ang)
        d.line([(c, c + 0.05 * D), (c + math.cos(a) * 0.26 * D, c + 0.05 * D + math.sin(a) * 0.26 * D)],
               fill=(60, 20, 100, 255), width=max(1, int(0.02 * D)))
    d.ellipse((c - 0.09 * D, c - 0.03 * D, c + 0.09 * D, c + 0.13 * D), fill=(255, 255, 255, 255))
    d.ellipse((c - 0.045 * D, c + 0.01 * D, c + 0.045 * D, c + 0.09 * D), fill=(255, 200, 20, 255))
    return outlined(img, 0.035 * D, (40, 14, 70, 255)) if outline else img


def tulip(size, outline=True):
    D = size
    img = blank(D, D)
    c = D / 2
    d = ImageDraw.Draw(img)
    green, dark_green = (70, 160, 50, 255), (30, 90, 25, 255)
    d.line([(c, 0.6 * D), (c + 0.02 * D, 0.97 * D)], fill=green, width=int(0.07 * D))
    d.polygon([(c + 0.02 * D, 0.96 * D), (c + 0.3 * D, 0.66 * D), (c + 0.26 * D, 0.8 * D),
               (c + 0.06 * D, 0.97 * D)], fill=green, outline=dark_green)
    red, deep, light = (226, 34, 48, 255), (170, 16, 32, 255), (250, 96, 96, 255)
    top, bottom = 0.07 * D, 0.66 * D
    # The cup: side petals first, the middle petal in front.
    d.polygon([(c - 0.34 * D, top + 0.06 * D), (c - 0.08 * D, 0.3 * D), (c, bottom),
               (c - 0.2 * D, bottom - 0.04 * D), (c - 0.33 * D, 0.42 * D)], fill=deep)
    d.polygon([(c + 0.34 * D, top + 0.06 * D), (c + 0.08 * D, 0.3 * D), (c, bottom),
               (c + 0.2 * D, bottom - 0.04 * D), (c + 0.33 * D, 0.42 * D)], fill=deep)
    d.chord((c - 0.3 * D, 0.18 * D, c + 0.3 * D, bottom + 0.01 * D), 0, 180, fill=red)
    d.polygon([(c - 0.3 * D, 0.43 * D), (c - 0.26 * D, 0.22 * D), (c - 0.13 * D, 0.3 * D),
               (c, top), (c + 0.13 * D, 0.3 * D), (c + 0.26 * D, 0.22 * D), (c + 0.3 * D, 0.43 * D)],
              fill=red)
    d.polygon([(c - 0.2 * D, 0.4 * D), (c - 0.16 * D, 0.28 * D), (c - 0.08 * D, 0.5 * D),
               (c - 0.14 * D, 0.56 * D)], fill=light)
    return outlined(img, 0.035 * D, (70, 10, 18, 255)) if outline else img


def horsefly(length):
    """A dark, big-eyed fly facing right."""
    L = length
    img = blank(2 * L, 2 * L)
    c = img.width / 2
    d = ImageDraw.Draw(img)
    wings = blank(*img.size)
    dw = ImageDraw.Draw(wings)
    for tilt, dy in ((-0.35, -0.3), (0.35, 0.3)):
        dw.polygon(ellipse_points(c - 0.2 * L, c + dy * L, 0.42 * L, 0.15 * L, tilt),
                   fill=(190, 180, 160, 190), outline=(90, 80, 60, 255))
    d.ellipse((c - 0.55 * L, c - 0.16 * L, c + 0.2 * L, c + 0.16 * L), fill=(78, 78, 96, 255))
    for x in (-0.35, -0.17):
        d.line([(c + x * L, c - 0.15 * L), (c + x * L, c + 0.15 * L)], fill=(150, 150, 165, 255),
               width=max(1, int(0.04 * L)))
    d.ellipse((c + 0.12 * L, c - 0.2 * L, c + 0.48 * L, c + 0.2 * L), fill=(60, 60, 70, 255))
    d.ellipse((c + 0.24 * L, c - 0.24 * L, c + 0.5 * L, c - 0.02 * L), fill=(60, 170, 90, 255))
    d.ellipse((c + 0.24 * L, c + 0.02 * L, c + 0.5 * L, c + 0.24 * L), fill=(60, 170, 90, 255))
    img = outlined(img, 0.035 * L, (20, 20, 28, 255))
    img.alpha_composite(wings, ((img.width - wings.width) // 2, (img.height - wings.height) // 2))
    return img


def arrow(d, pts, width, colour, head=None, dashed=False):
    """A polyline ending in an arrowhead at its last point."""
    head = head or width * 3.2
    (x0, y0), (x1, y1) = pts[-2], pts[-1]
    a = math.atan2(y1 - y0, x1 - x0)
    tip = (x1, y1)
    back = (x1 - math.cos(a) * head, y1 - math.sin(a) * head)
    line = pts[:-1] + [back]
    if dashed:
        for p, q in zip(line, line[1:]):
            seg = math.hypot(q[0] - p[0], q[1] - p[1])
            n = max(1, int(seg / (width * 2.6)))
            for i in range(n):
                t = (i + 0.5) / n
                x, y = p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t
                d.ellipse((x - width * 0.6, y - width * 0.6, x + width * 0.6, y + width * 0.6),
                          fill=colour)
    else:
        d.line(line, fill=colour, width=int(width), joint="curve")
    left = (back[0] + math.cos(a + math.pi / 2) * head * 0.6, back[1] + math.sin(a + math.pi / 2) * head * 0.6)
    right = (back[0] - math.cos(a + math.pi / 2) * head * 0.6, back[1] - math.sin(a + math.pi / 2) * head * 0.6)
    d.polygon([tip, left, right], fill=colour)


def curve(p0, p1, p2, n=24):
    """Points of a quadratic curve from p0 to p2 pulled toward p1."""
    pts = []
    for i in range(n + 1):
        t = i / n
        pts.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                    (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]))
    return pts
