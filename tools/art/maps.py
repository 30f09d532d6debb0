"""Level maps: one function per level lays out the terrain with simple shapes.

A map is a grid of terrain kinds. Each kind belongs to one of the game's
three terrains (grass, water, rock) and has its own range of shades, so the
ground does not look flat. The colours are checked against the game's hue
bands before anything is written.

Coordinates are world units: tile (x, y) covers x..x+1, y..y+1, and shapes
test the tile's centre. The hive of a level stands at the corner point of
four tiles, so `clearing` makes a round patch of grass around it.
"""
import colorsys
import math
import random

from PIL import Image

from .hue import GRASS, WATER, ROCK, game_hue, terrain_of_hue, band_margin, MARGIN
from .noise import fbm, value_noise

# kind: (terrain, (hue range), (saturation range), (value range)), hue in turns.
KINDS = {
    "g": (GRASS, (0.26, 0.32), (0.50, 0.64), (0.62, 0.78)),  # meadow
    "l": (GRASS, (0.22, 0.26), (0.48, 0.58), (0.76, 0.86)),  # sunny clover
    "G": (GRASS, (0.31, 0.36), (0.52, 0.64), (0.48, 0.58)),  # thicket
    "w": (WATER, (0.530, 0.555), (0.50, 0.62), (0.74, 0.84)),  # shallows
    "W": (WATER, (0.585, 0.625), (0.68, 0.80), (0.50, 0.62)),  # deep water
    "r": (ROCK, (0.07, 0.10), (0.06, 0.14), (0.54, 0.68)),  # grey stone
    "R": (ROCK, (0.06, 0.09), (0.30, 0.40), (0.40, 0.50)),  # cliff
    "s": (ROCK, (0.105, 0.125), (0.30, 0.40), (0.80, 0.88)),  # sand
    "e": (ROCK, (0.065, 0.085), (0.42, 0.52), (0.44, 0.54)),  # bare earth
}
TERRAIN_OF_KIND = {k: v[0] for k, v in KINDS.items()}
WATER_KINDS = "wW"


def _lerp(a, b, t):
    return a + (b - a) * t


def _clamp01(t):
    return max(0.0, min(1.0, t))


class Terrain:
    """A map under construction: kinds per tile plus the shapes to lay them."""

    def __init__(self, name, w, h, hive, seed):
        self.name, self.w, self.h, self.hive, self.seed = name, w, h, hive, seed
        self.kind = [["g"] * w for _ in range(h)]

    # -- shapes ---------------------------------------------------------
    def tiles(self):
        for y in range(self.h):
            for x in range(self.w):
                yield x, y, x + 0.5, y + 0.5

    def where(self, test, kind, only=None):
        """Sets `kind` on every tile whose centre passes `test(px, py)`."""
        for x, y, px, py in self.tiles():
            if (only is None or self.kind[y][x] in only) and test(px, py):
                self.kind[y][x] = kind

    def fill(self, kind):
        self.where(lambda px, py: True, kind)

    def wobble(self, px, py, rough, scale=0.35, salt=0):
        """Noise in -rough..rough that frays the edges of shapes."""
        return (fbm(px * scale, py * scale, self.seed + salt, 2) - 0.5) * 2 * rough

    def blob(self, cx, cy, rx, ry, kind, rough=0.2, only=None, salt=0):
        def inside(px, py):
            d = math.hypot((px - cx) / rx, (py - cy) / ry)
            return d < 1 + self.wobble(px, py, rough, salt=salt)
        self.where(inside, kind, only)

    def path(self, points, widths, kind, rough=0.15, only=None, salt=0):
        """A band along a polyline; widths are given per point (or one for all)."""
        if not isinstance(widths, (list, tuple)):
            widths = [widths] * len(points)

        def inside(px, py):
            best = 1e9
            for (x0, y0), (x1, y1), w0, w1 in zip(points, points[1:], widths, widths[1:]):
                dx, dy = x1 - x0, y1 - y0
                t = _clamp01(((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy))
                d = math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))
                best = min(best, d / (0.5 * _lerp(w0, w1, t)))
            return best < 1 + self.wobble(px, py, rough, salt=salt)
        self.where(inside, kind, only)

    def patches(self, kind, scale, threshold, only="g", salt=0):
        """Noise-shaped patches, e.g. thickets or sunny spots in a meadow."""
        self.where(lambda px, py: fbm(px * scale, py * scale, self.seed + 7 + salt) > threshold,
                   kind, only)

    def boulders(self, count, kind="r", radius=(0.6, 1.4), only="gl", keep_away=4.0, salt=0):
        rng = random.Random(self.seed * 31 + salt)
        for _ in range(count):
            cx, cy = rng.uniform(1, self.w - 1), rng.uniform(1, self.h - 1)
            if math.hypot(cx - self.hive[0], cy - self.hive[1]) < keep_away:
                continue
            r = rng.uniform(*radius)
            self.blob(cx, cy, r, r * rng.uniform(0.7, 1.2), kind, rough=0.25, only=only,
                      salt=salt + 1)

    def shore(self, kind, land="glG", width=1):
        """Turns land next to water into `kind` (sand beaches, stony banks)."""
        for _ in range(width):
            water = [[self.kind[y][x] in WATER_KINDS or self.kind[y][x] == "*"
                      for x in range(self.w)] for y in range(self.h)]
            for y in range(self.h):
                for x in range(self.w):
                    if self.kind[y][x] not in land:
                        continue
                    near = any(water[y + dy][x + dx]
                               for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                               if 0 <= x + dx < self.w and 0 <= y + dy < self.h)
                    if near:
                        self.kind[y][x] = "*"
        # Only now, or each ring would stop the next from growing.
        for y in range(self.h):
            for x in range(self.w):
                if self.kind[y][x] == "*":
                    self.kind[y][x] = kind

    def clearing(self, radius=2.2, kind="g"):
        """Grass around the hive, so that bees can be brought home."""
        hx, hy = self.hive
        self.where(lambda px, py: math.hypot(px - hx, py - hy) < radius, kind)

    # -- colours --------------------------------------------------------
    def water_depth(self):
        """Steps from the nearest tile that is not water (for shading)."""
        inf = 10 ** 6
        dist = [[0 if self.kind[y][x] not in WATER_KINDS else inf for x in range(self.w)]
                for y in range(self.h)]
        frontier = [(x, y) for y in range(self.h) for x in range(self.w) if dist[y][x] == 0]
        while frontier:
            nxt = []
            for x, y in frontier:
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < self.w and 0 <= ny < self.h and dist[ny][nx] > dist[y][x] + 1:
                        dist[ny][nx] = dist[y][x] + 1
                        nxt.append((nx, ny))
            frontier = nxt
        return dist

    def image(self):
        """The map picture; every pixel's hue is checked against its band."""
        depth = self.water_depth()
        rng = random.Random(self.seed)
        img = Image.new("RGBA", (self.w, self.h))
        px = img.load()
        for x, y, cx, cy in self.tiles():
            k = self.kind[y][x]
            if k in WATER_KINDS:
                # Shallow by the shore, deep in the middle, whatever was drawn.
                d = depth[y][x]
                t = _clamp01((d - 1) / 3.5) if d < 10 ** 6 else 1.0
                lo, hi = KINDS["w"], KINDS["W"]
                n = value_noise(cx * 0.5, cy * 0.5, self.seed + 3)
                hue = _lerp(_lerp(*lo[1], n), _lerp(*hi[1], n), t)
                sat = _lerp(_lerp(*lo[2], n), _lerp(*hi[2], n), t)
                val = _lerp(_lerp(*lo[3], n), _lerp(*hi[3], n), t)
                val += rng.uniform(-0.02, 0.02)
            else:
                _, hr, sr, vr = KINDS[k]
                n1 = fbm(cx * 0.3, cy * 0.3, self.seed + 11)
                n2 = rng.random()
                hue = _lerp(*hr, 0.8 * n1 + 0.2 * n2)
                sat = _lerp(*sr, value_noise(cx * 0.4, cy * 0.4, self.seed + 13))
                val = _lerp(*vr, 0.75 * n1 + 0.25 * rng.random())
            r, g, b = colorsys.hsv_to_rgb(hue % 1.0, _clamp01(sat), _clamp01(val))
            rgb = tuple(int(round(c * 255)) for c in (r, g, b))
            want = TERRAIN_OF_KIND[k]
            h = game_hue(*rgb)
            assert terrain_of_hue(h) == want and band_margin(h, want) >= MARGIN, \
                (self.name, x, y, k, rgb, h)
            px[x, y] = rgb + (255,)
        return img

    def terrain_at(self, x, y):
        return TERRAIN_OF_KIND[self.kind[y][x]]


# ---------------------------------------------------------------------------
# The levels, in the order of the level table. Each takes the hive position
# of its record; sizes grow so that scrolling matters from the second level.
# ---------------------------------------------------------------------------

def tutorial(hive=(6, 9)):
    """One screen of meadow, a pond without horseflies, the hive at the bottom."""
    m = Terrain("tutorial", 14, 10, hive, seed=1)
    m.patches("l", 0.25, 0.58)
    m.blob(11.2, 2.6, 2.3, 1.7, "w", rough=0.12)
    m.blob(1.0, 0.8, 2.2, 1.6, "r", rough=0.2)
    m.blob(13.6, 9.4, 1.6, 1.3, "r", rough=0.2)
    m.clearing(2.0)
    return m


def ravine(hive=(14, 14)):
    """A rocky ravine with a brook splits the meadow; some bees start across it."""
    m = Terrain("ravine", 32, 24, hive, seed=2)
    m.patches("G", 0.2, 0.6)
    m.patches("l", 0.3, 0.62, salt=5)
    course = [(20.5, -1), (22.5, 5), (20.0, 11), (23.5, 17), (21.5, 25)]
    m.path(course, 6.0, "R", rough=0.2)
    m.path(course, 3.6, "r", rough=0.25, only="R", salt=3)
    m.path(course, 1.5, "w", rough=0.1, salt=4)
    m.blob(3.0, 21.5, 4.0, 2.5, "r", rough=0.3)
    m.boulders(5, salt=9)
    m.clearing(2.4)
    return m


def tongue(hive=(13, 11)):
    """A tongue of meadow reaching into a lake; the hive stands near its tip."""
    m = Terrain("tongue", 36, 26, hive, seed=3)
    m.fill("w")
    m.where(lambda px, py: py > 20.5 + 1.5 * math.sin(px * 0.35) + m.wobble(px, py, 1.2), "g")
    m.where(lambda px, py: px > 30 + 1.5 * math.sin(py * 0.4) + m.wobble(px, py, 1.2, salt=1), "g")
    m.path([(7, 27), (9, 19), (13, 12), (15.5, 7.5)], [7, 5.5, 4.5, 2.5], "g", rough=0.12)
    m.blob(25, 2, 7, 5, "g", rough=0.2, salt=2)
    m.blob(3, 2, 5, 4, "r", rough=0.25, salt=3)
    m.patches("l", 0.3, 0.6)
    m.patches("G", 0.25, 0.66, salt=4)
    m.clearing(2.0)
    return m


def coast(hive=(4, 8)):
    """Meadows behind a broad sandy beach; the horseflies keep to the sea."""
    m = Terrain("coast", 30, 22, hive, seed=4)
    m.fill("W")
    m.where(lambda px, py: px < 24 + 2.0 * math.sin(py * 0.3) + m.wobble(px, py, 1.2), "g")
    m.patches("l", 0.3, 0.6)
    m.patches("G", 0.22, 0.65, salt=4)
    # A beach wide enough that a horsefly on the water cannot smell the bees in the meadow.
    m.shore("s", width=8)
    m.blob(27, 4, 2.0, 1.6, "r", rough=0.3, only="wW", salt=3)   # rocks off shore
    m.blob(1, 1, 3, 2.5, "R", rough=0.2, salt=5)
    m.boulders(3, salt=6)
    m.clearing(2.2)
    return m


def island(hive=(13, 11)):
    """An island with the hive, rocky islets around it, horseflies on the sea."""
    m = Terrain("island", 34, 28, hive, seed=5)
    m.fill("W")
    m.blob(15.5, 13.5, 12.5, 10.0, "g", rough=0.15)
    m.patches("l", 0.3, 0.6)
    m.patches("G", 0.25, 0.64, salt=4)
    m.blob(19, 17, 1.8, 1.4, "r", rough=0.3, only="glG", salt=5)
    m.shore("s", width=5)
    m.blob(31, 3, 2.0, 1.6, "r", rough=0.3, only="wW", salt=1)
    m.blob(31, 25, 2.2, 1.6, "s", rough=0.3, only="wW", salt=2)
    m.blob(2, 26, 1.6, 1.3, "r", rough=0.3, only="wW", salt=3)
    m.clearing(2.2)
    return m


def cliff(hive=(20, 21)):
    """A plateau above a cliff; the hive waits on a ledge between two lakes."""
    m = Terrain("cliff", 38, 28, hive, seed=6)
    edge = lambda px: 8 + 1.5 * math.sin(px * 0.18) + 0.8 * math.sin(px * 0.5 + 1)
    m.where(lambda px, py: py >= edge(px) + m.wobble(px, py, 0.8), "R")
    m.where(lambda px, py: py >= edge(px) + 3.0 + m.wobble(px, py, 0.9, salt=1), "r")
    m.blob(20, 21.5, 4.0, 3.0, "g", rough=0.2, salt=3)            # ledge with the hive
    m.blob(2, 24, 6.5, 5.5, "W", rough=0.2, only="r", salt=7)     # lakes below the cliff
    m.blob(37, 23, 6.5, 6.0, "W", rough=0.2, only="r", salt=8)
    m.patches("l", 0.3, 0.62)
    m.patches("G", 0.22, 0.62, salt=5)
    m.boulders(4, kind="r", only="glG", salt=6)
    m.clearing(2.3)
    return m


def streams(hive=(1, 21)):
    """A meadow by the hive in a stony valley; streams run far off at its end."""
    m = Terrain("streams", 34, 28, hive, seed=7)
    m.fill("r")
    m.patches("e", 0.25, 0.55, only="r")
    m.blob(4.5, 20.5, 7.0, 6.0, "g", rough=0.18)
    m.patches("l", 0.3, 0.58)
    m.patches("G", 0.25, 0.64, salt=1)
    rng = random.Random(77)
    for i, x0 in enumerate((17.5, 29)):
        pts = [(x0 + rng.uniform(-1.0, 1.0), y) for y in range(-2, 32, 6)]
        m.path(pts, [rng.uniform(1.4, 2.0) for _ in pts], "w", rough=0.15, salt=10 + i)
    m.shore("s", land="reR", width=2)
    m.boulders(6, kind="R", only="re", salt=3)
    m.clearing(2.4)
    return m


def world_map(hive=(13, 6)):
    """A green coast on an old map: meadow round the hive, desert, then the ocean."""
    m = Terrain("map", 36, 26, hive, seed=8)
    m.fill("W")
    m.where(lambda px, py: py < 17 + 1.5 * math.sin(px * 0.3) + m.wobble(px, py, 1.2)
            and px < 30 + 1.5 * math.sin(py * 0.4) + m.wobble(px, py, 1.2, salt=1), "s")
    m.blob(13, 6.5, 7.0, 6.0, "g", rough=0.2)
    m.patches("l", 0.25, 0.6)
    m.patches("G", 0.2, 0.62, salt=8)
    m.path([(24, 3), (27, 9), (25, 14)], 2.0, "R", rough=0.3, only="s", salt=9)
    m.path([(4, 14), (8, 17)], 1.6, "R", rough=0.3, only="s", salt=10)
    m.clearing(2.4)
    return m


def ponds(hive=(24, 36)):
    """A meadow at the foot of a stony upland dotted with ponds, each a home for horseflies."""
    m = Terrain("ponds", 44, 40, hive, seed=9)
    m.fill("r")
    m.patches("e", 0.2, 0.55, only="r")
    m.blob(24, 34.5, 8.5, 6.5, "g", rough=0.18)
    m.patches("l", 0.2, 0.58)
    m.patches("G", 0.16, 0.63, salt=1)
    rng = random.Random(99)
    placed = []
    while len(placed) < 6:
        cx, cy = rng.uniform(3, 41), rng.uniform(19, 25)
        r = rng.uniform(1.4, 2.2)
        if any(math.hypot(cx - x, cy - y) < r + q + 3 for x, y, q in placed):
            continue
        placed.append((cx, cy, r))
        m.blob(cx, cy, r * rng.uniform(1.0, 1.3), r, "w", rough=0.2, salt=len(placed))
    m.shore("s", land="re", width=1)
    m.boulders(8, kind="R", only="re", salt=2)
    m.clearing(2.4)
    return m


def final(hive=(15, 2)):
    """Everything at once: a meadow under the hive, a ridge, a river into a lake."""
    m = Terrain("final", 34, 28, hive, seed=10)
    m.fill("s")
    m.patches("e", 0.2, 0.55, only="s")
    m.blob(15, 4.0, 8.5, 6.0, "g", rough=0.18)
    m.patches("l", 0.2, 0.58)
    m.patches("G", 0.16, 0.62, salt=1)
    ridge = [(-1, 15), (10, 16), (20, 14), (35, 16)]
    m.path(ridge, 2.4, "R", rough=0.3, salt=6, only="se")
    river = [(35, 9), (28, 12), (20, 12.5), (12, 16)]
    m.path(river, [1.6, 1.8, 2.0, 2.2], "w", rough=0.15, salt=2)
    m.blob(4, 27, 5, 3, "w", rough=0.25, salt=3)                    # lake
    m.boulders(6, kind="r", only="se", salt=8)
    m.clearing(2.6)
    return m


LEVELS = [tutorial, ravine, tongue, coast, island, cliff, streams, world_map, ponds, final]


# ---------------------------------------------------------------------------
# Previews: the map at a glance on a level tile, drawn without interpolation.
# ---------------------------------------------------------------------------

PREVIEW_SIZE = 64
FRAME = (28, 40, 24, 255)        # letterbox around the map, dark like the play screen
FRAME_EDGE = (12, 18, 10, 255)
# A tiny skep: outline X, straw Y, entrance K.
HIVE_SPRITE = [
    "..XXX..",
    ".XYYYX.",
    "XYYYYYX",
    "XYYYYYX",
    "XYYKYYX",
    "XYYKYYX",
    "XXXXXXX",
]
HIVE_COLOURS = {"X": (58, 32, 8, 255), "Y": (255, 206, 64, 255), "K": (40, 20, 4, 255)}


def preview(m, map_img):
    size = PREVIEW_SIZE
    inner = size - 4
    scale = min(inner / m.w, inner / m.h)
    pw, ph = max(1, round(m.w * scale)), max(1, round(m.h * scale))
    # Up by a whole factor without blending, then down with averaging, so
    # shores stay crisp however the sizes divide.
    k = max(1, math.ceil(max(pw / m.w, ph / m.h)) * 4)
    big = map_img.convert("RGB").resize((m.w * k, m.h * k), Image.NEAREST)
    small = big.resize((pw, ph), Image.BOX)
    out = Image.new("RGBA", (size, size), FRAME)
    ox, oy = (size - pw) // 2, (size - ph) // 2
    out.paste(small, (ox, oy))
    px = out.load()
    for i in range(size):
        for j in (0, size - 1):
            px[i, j] = FRAME_EDGE
            px[j, i] = FRAME_EDGE
    # The hive marker, centred on the hive and kept inside the map area.
    hx = ox + m.hive[0] * pw / m.w
    hy = oy + m.hive[1] * ph / m.h
    sx = int(min(max(round(hx) - 3, ox), ox + pw - 7))
    sy = int(min(max(round(hy) - 4, oy), oy + ph - 7))
    for j, row in enumerate(HIVE_SPRITE):
        for i, c in enumerate(row):
            if c in HIVE_COLOURS:
                px[sx + i, sy + j] = HIVE_COLOURS[c]
    return out
