"""Level maps, drawn the way a tile map is: broad areas of one shade with gentle steps.

The game draws every map pixel as a flat square of 60 screen pixels, so each
tile gets the shade of its kind and its band, never noise: water darkens
with its distance from the shore, sand with its nearness to the water, stone
with its distance from the meadow. A few details are placed by hand: reeds on
sheltered shores, stones in the grass, flower meadows.

One function per level lays out the kinds with simple shapes around the hive
of its level record. Coordinates are world units: tile (x, y) covers x..x+1,
y..y+1, and shapes test the tile's centre. The hive stands at the corner
point of four tiles, so `clearing` keeps a round patch of grass around it.
Every colour is checked against the game's hue bands before it is written.
"""
import colorsys
import math

from PIL import Image

from .hue import GRASS, WATER, ROCK, game_hue, terrain_of_hue, band_margin, MARGIN
from .noise import fbm

# kind: (terrain, shades as (hue, saturation, value), darkest last where a band picks one).
KINDS = {
    "g": (GRASS, [(0.280, 0.54, 0.72), (0.292, 0.57, 0.67)]),   # meadow, two gentle shades
    "G": (GRASS, [(0.315, 0.60, 0.56)]),                        # thicket
    "f": (GRASS, [(0.225, 0.50, 0.80)]),                        # flower meadow, sunny
    "d": (GRASS, [(0.210, 0.50, 0.58)]),                        # reeds by the water
    "w": (WATER, [(0.540, 0.44, 0.86), (0.552, 0.54, 0.80), (0.572, 0.62, 0.74),
                  (0.590, 0.68, 0.68), (0.605, 0.72, 0.63)]),   # shallows to deep water
    "s": (ROCK, [(0.100, 0.40, 0.76), (0.108, 0.36, 0.83), (0.115, 0.31, 0.88),
                 (0.112, 0.33, 0.85)]),                         # wet, damp, dry sand (two dry shades)
    "r": (ROCK, [(0.085, 0.14, 0.68), (0.080, 0.14, 0.62), (0.075, 0.15, 0.57),
                 (0.072, 0.16, 0.54)]),                         # stone: bank, then two far shades
    "R": (ROCK, [(0.070, 0.30, 0.50), (0.065, 0.32, 0.44)]),    # cliff: rim, then face
    "o": (ROCK, [(0.090, 0.10, 0.74)]),                         # a stone lying in the grass
}
TERRAIN_OF_KIND = {k: v[0] for k, v in KINDS.items()}
GRASS_KINDS = "gGfd"
# The view when a level opens: the map's top-left corner, 13.333 by 10 units.
OPENING_VIEW = (40 / 3, 10.0)


def _clamp01(t):
    return max(0.0, min(1.0, t))


class Terrain:
    """A map under construction: a kind per tile, and the shapes that lay them."""

    def __init__(self, name, w, h, hive, seed):
        self.name, self.w, self.h, self.hive, self.seed = name, w, h, hive, seed
        self.kind = [["g"] * w for _ in range(h)]
        # The kind of a track that leads from the opening view to a meadow out of sight; None
        # where the opening view shows meadow itself.
        self.way = None

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

    def wobble(self, px, py, rough, scale=0.3, salt=0):
        """Slow noise in -rough..rough that bends the edges of shapes."""
        return (fbm(px * scale, py * scale, self.seed + salt, 2) - 0.5) * 2 * rough

    def blob(self, cx, cy, rx, ry, kind, rough=0.15, only=None, salt=0):
        def inside(px, py):
            d = math.hypot((px - cx) / rx, (py - cy) / ry)
            return d < 1 + self.wobble(px, py, rough, salt=salt)
        self.where(inside, kind, only)

    def path(self, points, widths, kind, rough=0.1, only=None, salt=0):
        """A band along a polyline; widths are given per point (or one for all)."""
        if not isinstance(widths, (list, tuple)):
            widths = [widths] * len(points)

        def inside(px, py):
            best = 1e9
            for (x0, y0), (x1, y1), w0, w1 in zip(points, points[1:], widths, widths[1:]):
                dx, dy = x1 - x0, y1 - y0
                t = _clamp01(((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy))
                d = math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))
                best = min(best, d / (0.5 * (w0 + (w1 - w0) * t)))
            return best < 1 + self.wobble(px, py, rough, salt=salt)
        self.where(inside, kind, only)

    def ring(self, cx, cy, rx, ry, gap, width, kind, rough=0.3, salt=0):
        """A band `gap` units outside the ellipse (cx, cy, rx, ry), `width` wide: a river bending round a
        meadow at a set distance."""
        def inside(px, py):
            d = math.hypot((px - cx) / (rx + gap), (py - cy) / (ry + gap))
            return abs(d - 1) * (rx + gap) < 0.5 * width + self.wobble(px, py, rough, salt=salt)
        self.where(inside, kind)

    def patches(self, kind, scale, threshold, only="g", salt=0, low=False):
        """Broad noise-shaped patches, e.g. thickets in a meadow; with `low`, where the noise stays below
        `threshold` instead, e.g. the sand between a heath's tufts."""
        self.where(lambda px, py: (fbm(px * scale, py * scale, self.seed + 7 + salt, 2) > threshold) != low,
                   kind, only)

    def stones(self, spots, kind="o", only=GRASS_KINDS):
        """Single stones at chosen tiles."""
        for x, y in spots:
            if self.kind[y][x] in only:
                self.kind[y][x] = kind

    def near(self, x, y, kinds, reach=1):
        """Whether a tile within `reach` steps (8 neighbours) is of one of `kinds`."""
        for dy in range(-reach, reach + 1):
            for dx in range(-reach, reach + 1):
                nx, ny = x + dx, y + dy
                if (dx or dy) and 0 <= nx < self.w and 0 <= ny < self.h and self.kind[ny][nx] in kinds:
                    return True
        return False

    def shore(self, kind, land="gGf", width=1, water="w"):
        """Turns land within `width` steps of water into `kind` (beaches, stony banks)."""
        dist = self.distance_to(lambda k: k in water)
        for x, y, _, _ in self.tiles():
            if self.kind[y][x] in land and dist[y][x] <= width + 0.5:
                self.kind[y][x] = kind

    def reeds(self, test=lambda px, py: True):
        """Reeds on the meadow's edge of the water, where `test` allows."""
        for x, y, px, py in self.tiles():
            if self.kind[y][x] in "gG" and test(px, py) and self.near(x, y, "w"):
                self.kind[y][x] = "d"

    def clearing(self, radius=2.2, kind="g"):
        """Grass around the hive, so that bees can be brought home."""
        hx, hy = self.hive
        self.where(lambda px, py: math.hypot(px - hx, py - hy) < radius, kind)

    # -- colours --------------------------------------------------------
    def distance_to(self, test):
        """Per tile, the distance between its centre and the nearest centre of a tile passing
        `test(kind)` (0 on such tiles; a large number if there is none)."""
        targets = [(x, y) for x, y, _, _ in self.tiles() if test(self.kind[y][x])]
        big = 1e6
        dist = [[big] * self.w for _ in range(self.h)]
        for x, y in targets:
            dist[y][x] = 0.0
        if not targets:
            return dist
        # Only tiles at the border of a region can be nearest to anything outside it.
        edge = [(x, y) for x, y in targets if self.near(x, y, "".join(
            k for k in KINDS if not test(k)))] or targets
        for x, y, _, _ in self.tiles():
            if dist[y][x]:
                dist[y][x] = min(math.hypot(x - ex, y - ey) for ex, ey in edge)
        return dist

    def broad(self, px, py, salt):
        """0 or 1 in areas many tiles across: the gentle step between two shades of one kind."""
        return 1 if fbm(px * 0.11, py * 0.11, self.seed + salt, 2) > 0.52 else 0

    def shades(self):
        """The (hue, saturation, value) of every tile."""
        to_water = self.distance_to(lambda k: k == "w")
        from_land = self.distance_to(lambda k: k != "w")
        to_grass = self.distance_to(lambda k: k in GRASS_KINDS)
        out = [[None] * self.w for _ in range(self.h)]
        for x, y, px, py in self.tiles():
            k = self.kind[y][x]
            shades = KINDS[k][1]
            if k == "w":
                band = int(from_land[y][x] + 0.5) - 1        # 0 right by the shore
            elif k == "s":
                band = int(to_water[y][x] + 0.5) - 1         # wet sand by the water
                if band >= 2:
                    band = 2 + self.broad(px, py, 37)
            elif k == "r":
                band = int((to_grass[y][x] - 1) / 2.0)       # lighter near the meadow
                if band >= 2:
                    band = 2 + self.broad(px, py, 41)
            elif k == "R":
                band = 0 if to_grass[y][x] < 1.5 else 1       # the rim by the meadow catches the light
            elif k == "g":
                band = self.broad(px, py, 31)
            else:
                band = 0
            out[y][x] = shades[max(0, min(len(shades) - 1, band))]
        return out

    def image(self):
        """The map picture; every pixel's hue is checked against its band."""
        img = Image.new("RGBA", (self.w, self.h))
        px = img.load()
        shades = self.shades()
        for x, y, _, _ in self.tiles():
            hue, sat, val = shades[y][x]
            rgb = tuple(int(round(c * 255)) for c in colorsys.hsv_to_rgb(hue, sat, val))
            want = TERRAIN_OF_KIND[self.kind[y][x]]
            h = game_hue(*rgb)
            assert terrain_of_hue(h) == want and band_margin(h, want) >= MARGIN, \
                (self.name, x, y, self.kind[y][x], rgb, h)
            px[x, y] = rgb + (255,)
        return img

    def terrain_at(self, x, y):
        return TERRAIN_OF_KIND[self.kind[y][x]]

    def in_opening_view(self, x, y):
        return x < OPENING_VIEW[0] and y < OPENING_VIEW[1]

    def way_reaches_meadow(self):
        """Whether tiles of kind `way` run unbroken from the opening view to the edge of a meadow."""
        todo = [(x, y) for x, y, _, _ in self.tiles() if self.in_opening_view(x, y) and self.kind[y][x] == self.way]
        seen = set(todo)
        while todo:
            x, y = todo.pop()
            if self.near(x, y, GRASS_KINDS, reach=2):
                return True
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if 0 <= nx < self.w and 0 <= ny < self.h and (nx, ny) not in seen and self.kind[ny][nx] == self.way:
                    seen.add((nx, ny))
                    todo.append((nx, ny))
        return False


# ---------------------------------------------------------------------------
# The levels, in the order of the level table. Each takes the hive position
# of its record. The opening view (the map's top-left corner) always shows
# meadow, where flowers and bees are placed; the meadows stay round the hive
# (level 8's a heath spread wider), so that a careful hand brings the bees
# home in a few minutes.
# ---------------------------------------------------------------------------

def tutorial(hive=(6, 9)):
    """One screen of meadow with a pond, the hive at the bottom."""
    m = Terrain("tutorial", 14, 10, hive, seed=1)
    m.blob(10.8, 2.6, 2.3, 1.8, "w", rough=0.1)
    m.reeds(lambda px, py: px < 11 and py > 2)
    m.blob(0.6, 0.4, 2.4, 1.7, "r", rough=0.15, salt=2)
    m.blob(13.7, 9.6, 1.7, 1.4, "r", rough=0.15, salt=3)
    m.blob(2.6, 6.2, 1.6, 1.2, "f", rough=0.15, only="g", salt=4)
    m.blob(10.2, 6.8, 1.4, 1.1, "f", rough=0.15, only="g", salt=5)
    m.blob(6.5, 2.0, 1.8, 1.1, "G", rough=0.2, only="g", salt=6)
    m.stones([(4, 1), (12, 6)])
    m.clearing(2.0)
    return m


def ravine(hive=(14, 14)):
    """A rocky ravine with a brook above a meadow; the hive at the meadow's lower end."""
    m = Terrain("ravine", 24, 18, hive, seed=2)
    m.fill("r")
    m.blob(10.5, 10.0, 7.0, 6.0, "g", rough=0.12)
    course = [(-1, 6.5), (5, 3.5), (12, 3.0), (18, 1.0), (25, -0.5)]
    m.path(course, 5.0, "R", rough=0.15, only="r")
    m.path(course, 1.6, "w", rough=0.05, salt=4)
    m.patches("G", 0.16, 0.62, salt=1)
    m.blob(7.0, 8.0, 1.6, 1.2, "f", rough=0.2, only="g", salt=9)
    m.blob(15.0, 9.0, 1.4, 1.1, "f", rough=0.2, only="g", salt=10)
    m.stones([(6, 11), (16, 6)])
    m.clearing(2.4)
    return m


def tongue(hive=(13, 11)):
    """A tongue of meadow reaching into a lake; the hive stands near its tip."""
    m = Terrain("tongue", 30, 22, hive, seed=3)
    m.fill("w")
    m.where(lambda px, py: px + 1.2 * py < 13 + m.wobble(px, py, 1.5), "g")
    m.path([(2, 2), (8, 6), (13, 11), (15.5, 13)], [8, 6.5, 5, 3], "g", rough=0.1)
    m.blob(27, 19, 5, 4, "r", rough=0.25, salt=3)
    m.shore("s", width=1)
    m.reeds(lambda px, py: py < 6)
    m.patches("G", 0.2, 0.64, salt=4)
    m.blob(4.5, 3.5, 1.8, 1.3, "f", rough=0.2, only="g", salt=5)
    m.stones([(1, 6), (9, 5)])
    m.clearing(2.0)
    return m


def coast(hive=(4, 8)):
    """Meadows by the sea; a creek reaches in between the hive's meadow and the southern one."""
    m = Terrain("coast", 30, 22, hive, seed=4)
    m.fill("w")
    m.where(lambda px, py: px < 24 + 2.0 * math.sin(py * 0.3) + m.wobble(px, py, 1.2), "g")
    m.path([(31, 14), (22, 13), (13, 12.5)], [2.4, 2.0, 1.6], "w", rough=0.1, salt=2)
    # A beach two wide: horseflies on the creek find the bees that stray to the meadow's edge, over
    # minutes, but hardly ever one where it appears.
    m.shore("s", width=2)
    m.blob(27, 4, 2.0, 1.6, "r", rough=0.3, only="w", salt=3)   # rocks off shore
    m.blob(1, 1, 3, 2.5, "R", rough=0.2, salt=5)
    m.patches("G", 0.18, 0.64, salt=4)
    m.blob(9.0, 3.0, 1.8, 1.3, "f", rough=0.2, only="g", salt=6)
    m.blob(6.0, 17.5, 1.6, 1.2, "f", rough=0.2, only="g", salt=7)
    m.stones([(11, 9), (3, 19), (14, 18)])
    m.clearing(2.2)
    return m


def island(hive=(13, 11)):
    """An island with the hive, a bay reaching into it, in a sea with horseflies and rocky islets."""
    m = Terrain("island", 32, 26, hive, seed=5)
    m.fill("w")
    m.blob(12.0, 10.0, 12.0, 10.0, "g", rough=0.12)
    m.path([(33, 22), (20, 16)], 3.0, "w", rough=0.1, salt=7)     # the bay
    m.shore("s", width=2)
    m.blob(28, 3, 2.0, 1.6, "r", rough=0.3, only="w", salt=1)
    m.blob(28, 22, 2.2, 1.6, "s", rough=0.3, only="w", salt=2)
    m.blob(4, 23, 1.6, 1.3, "r", rough=0.3, only="w", salt=3)
    m.patches("G", 0.22, 0.64, salt=4)
    m.blob(9.0, 6.0, 1.4, 1.1, "f", rough=0.2, only="g", salt=6)
    m.stones([(12, 5)])
    m.clearing(2.2)
    return m


def cliff(hive=(20, 21)):
    """A plateau with tarns above a cliff, pools on the stony ground below; the hive waits on a ledge
    between two small lakes. Horseflies sit on every pool, so the one bee's way home passes them."""
    m = Terrain("cliff", 38, 28, hive, seed=6)
    edge = lambda px: 8 + 1.5 * math.sin(px * 0.18) + 0.8 * math.sin(px * 0.5 + 1)
    m.where(lambda px, py: py >= edge(px) + m.wobble(px, py, 0.6), "R")
    m.where(lambda px, py: py >= edge(px) + 3.0 + m.wobble(px, py, 0.6, salt=1), "r")
    m.where(lambda px, py: px > 24 + 2.0 * math.sin(py * 0.5) + m.wobble(px, py, 1.0, salt=2), "r",
            only="g")                                            # stony upland to the east
    m.blob(20, 21.3, 2.4, 2.0, "g", rough=0.15, salt=3)           # ledge with the hive
    m.blob(30, 3.5, 2.5, 2.0, "w", rough=0.15, salt=4)
    m.blob(8, 23, 2.2, 1.87, "w", rough=0.15, only="r", salt=7)    # lakes below the cliff
    m.blob(32, 23, 2.2, 1.87, "w", rough=0.15, only="r", salt=8)
    # Pools, each with a beach in the meadow so that no bee appears right beside one. Smaller
    # pools let nearly every careful game through, which made the lone bee a formality.
    pool, beach = 1.6, 1.5
    for i, (px, py) in enumerate([(5, 4), (14, 3), (9, 15), (31, 14), (21, 12)]):
        m.blob(px, py, pool + beach, pool * 0.8 + beach, "s", rough=0.1, only="g", salt=30 + i)
        m.blob(px, py, pool, pool * 0.8, "w", rough=0.1, salt=40 + i)
    m.shore("s", land="r", width=1)
    m.patches("G", 0.18, 0.62, salt=5)
    m.blob(7.0, 3.5, 2.0, 1.4, "f", rough=0.2, only="g", salt=9)
    m.blob(17.0, 5.0, 1.8, 1.3, "f", rough=0.2, only="g", salt=10)
    m.stones([(12, 2), (21, 3), (30, 4)], kind="R", only="gr")
    m.clearing(2.3)
    return m


def streams(hive=(1, 21)):
    """A meadow down the western side of a stony valley, from its head to the hive, with a stream
    bending round it."""
    m = Terrain("streams", 34, 26, hive, seed=7)
    m.fill("r")
    meadow = (5, 12, 6.5, 11)
    m.blob(*meadow, "g", rough=0.12)
    # Five units off the meadow: the horseflies smell the bees at its edge, and every horsefly
    # of the level lives on this one stream.
    m.ring(*meadow, 5, 3, "w", salt=10)
    m.shore("s", land="r", width=2)
    m.patches("G", 0.22, 0.64, salt=1)
    m.blob(6.0, 3.0, 1.6, 1.2, "f", rough=0.2, only="g", salt=6)
    m.stones([(13, 6), (12, 20), (24, 12)], kind="R", only="r")
    m.clearing(2.4)
    return m


def world_map(hive=(13, 6)):
    """A green coast on an old map: a heath round the hive, its meadows in patches on the sand, a river
    bending round it through the desert, then the ocean."""
    m = Terrain("map", 36, 26, hive, seed=8)
    m.fill("s")
    m.where(lambda px, py: py > 25 + 1.0 * math.sin(px * 0.3) + m.wobble(px, py, 1.0), "w")
    # Patches spread wide rather than one close meadow: fewer bees appear within a flower's scent, so
    # left alone they wander, and some stray toward the river over the first minute. The river keeps
    # just out of a horsefly's reach of the heath, so none is there the moment the bees appear.
    heath = (13, 8, 10, 8.5)
    m.blob(*heath, "g", rough=0.1)
    m.patches("s", 0.35, 0.45, salt=84, low=True)
    m.ring(*heath, 5.25, 1.5, "w", rough=0.15, salt=14)
    m.shore("s", land="g", width=1)
    m.patches("G", 0.18, 0.62, salt=8)
    m.path([(29, 3), (32, 9)], 2.0, "R", rough=0.25, only="s", salt=9)
    m.path([(30, 14), (33, 18)], 1.6, "R", rough=0.25, only="s", salt=10)
    m.blob(10.0, 3.0, 1.6, 1.2, "f", rough=0.2, only="g", salt=11)
    m.clearing(2.4)
    return m


def ponds(hive=(24, 36)):
    """A meadow at the foot of a stony upland, a brook bending round it. The level opens up on the
    upland, by a pond, where a sandy track sets off down to the meadow."""
    m = Terrain("ponds", 44, 40, hive, seed=9)
    m.fill("r")
    # Wide and low, along the hive's side of the map: the far bees are fewer steps from home.
    meadow = (24, 34, 11, 5.5)
    m.blob(*meadow, "g", rough=0.12)
    m.ring(*meadow, 4, 3, "w", salt=14)
    track = [(-1, 3.5), (4, 5.5), (7, 9.5), (10, 14), (14, 20), (18.5, 27.5), (20, 30)]
    m.path(track, 1.6, "s", rough=0.1, only="rw", salt=3)        # fords the brook
    m.way = "s"
    m.blob(11.0, 3.5, 2.1, 1.7, "w", rough=0.1, salt=5)
    m.shore("s", land="r", width=1)
    m.patches("G", 0.16, 0.63, salt=1)
    m.blob(30.0, 31.5, 1.6, 1.2, "f", rough=0.2, only="g", salt=4)
    m.stones([(20, 31), (28, 37), (2, 6), (9, 13), (11, 18)], kind="R", only="r")
    m.clearing(2.4)
    return m


def final(hive=(15, 2)):
    """Everything at once: a meadow under the hive, a river bending round it into a lake, a ridge."""
    m = Terrain("final", 34, 28, hive, seed=10)
    m.fill("s")
    # No larger: with 300 bees, every unit farther from the hive is minutes of herding.
    meadow = (15, 4.5, 9, 6)
    m.blob(*meadow, "g", rough=0.15)
    m.ring(*meadow, 5, 3, "w", salt=2)
    m.blob(4, 27, 3.0, 1.8, "w", rough=0.2, salt=3)               # lake
    ridge = [(-1, 25), (10, 26.5), (20, 25), (35, 26.5)]
    m.path(ridge, 2.0, "R", rough=0.25, salt=6, only="s")
    m.shore("s", land="gG", width=1)
    m.patches("G", 0.16, 0.62, salt=1)
    m.blob(9.5, 5.0, 1.5, 1.1, "f", rough=0.2, only="g", salt=4)
    m.stones([(20, 7)])
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
