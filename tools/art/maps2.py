"""The second set's maps, drawn as the first set's are (see maps.py): broad areas of one shade, water
darker away from the shore, sand and stone in bands, a few details by hand.

Each function takes the hive of its record in tools/player/set2.h and lays out what the level asks of
the player. As in the first set, beaches keep the water off the grass where bees appear, so that a
horsefly seldom finds a bee before a hand could help; the opening view, the map's top-left corner,
shows meadow.
"""
import math

from .maps import Terrain


def meadows(hive=(13, 11)):
    """Three meadows on a stony plain, far apart, the hive on a green between them."""
    m = Terrain("meadows", 26, 22, hive, seed=21)
    m.fill("r")
    m.blob(5.5, 4.5, 3.8, 3.0, "g", rough=0.12)                   # in the opening view
    m.blob(21.5, 5.5, 3.4, 2.8, "g", rough=0.12, salt=1)
    m.blob(11.0, 18.5, 3.6, 2.6, "g", rough=0.12, salt=2)
    m.blob(21.5, 17.0, 1.8, 1.4, "w", rough=0.15, salt=3)          # a still pond, no horseflies
    m.shore("s", land="r", width=1)
    m.patches("G", 0.2, 0.64, salt=4)
    m.blob(4.5, 3.5, 1.3, 1.0, "f", rough=0.2, only="g", salt=5)
    m.blob(22.0, 6.0, 1.2, 0.9, "f", rough=0.2, only="g", salt=6)
    m.stones([(13, 3), (5, 12), (19, 11)], kind="R", only="r")
    m.clearing(2.2)
    return m


def scarce(hive=(16, 11)):
    """A meadow in a dry upland of sand and stone with hardly a flower in it; the hive on a green
    below it."""
    m = Terrain("scarce", 24, 18, hive, seed=22)
    m.fill("s")
    m.blob(7.0, 5.0, 6.2, 4.3, "g", rough=0.14)
    m.patches("r", 0.2, 0.6, only="s", salt=1)
    m.blob(21.0, 3.5, 1.8, 1.4, "w", rough=0.15, salt=2)
    m.shore("s", land="gr", width=1)
    m.patches("G", 0.2, 0.66, salt=3)
    m.stones([(6, 3), (10, 7), (12, 15)])
    m.clearing(2.2)
    return m


def shore(hive=(25, 4)):
    """A meadow at the west end of a long shore, the hive on a headland at the east end, the sea below
    and a cliff above."""
    m = Terrain("shore", 29, 15, hive, seed=23)
    m.fill("w")
    coast = lambda px: 11.0 + 0.7 * math.sin(px * 0.3) + max(0.0, px - 20) * 0.25
    m.where(lambda px, py: py < coast(px) + m.wobble(px, py, 0.6), "g")
    m.where(lambda px, py: 11 < px < 22 and py < 1.8 + 0.8 * math.sin(px * 0.4) + m.wobble(px, py, 0.6, salt=2), "R")
    m.where(lambda px, py: px > 27.5 - 0.6 * math.sin(py * 0.5), "R")
    m.shore("s", width=2)
    m.reeds(lambda px, py: px < 3)
    m.patches("G", 0.2, 0.64, salt=3)
    m.blob(5.0, 4.0, 1.5, 1.1, "f", rough=0.2, only="g", salt=4)
    m.stones([(15, 5), (20, 4)])
    m.clearing(2.2)
    return m


def ring(hive=(18, 15)):
    """A meadow in the top-left corner inside a ring of water, the hive on a green beyond it."""
    m = Terrain("ring", 26, 22, hive, seed=24)
    m.fill("s")
    meadow = (6.5, 5.5, 4.5, 3.5)
    m.blob(*meadow, "g", rough=0.12)
    m.ring(*meadow, 4.5, 1.5, "w", rough=0.2, salt=1)
    m.blob(18.5, 15.5, 3.2, 2.6, "g", rough=0.15, salt=2)        # the hive's green
    m.patches("r", 0.18, 0.62, only="s", salt=3)
    m.shore("s", land="gr", width=1)
    m.patches("G", 0.2, 0.64, salt=4)
    m.blob(5.0, 4.5, 1.4, 1.0, "f", rough=0.2, only="g", salt=5)
    m.stones([(20, 5), (6, 18), (24, 10)], kind="R", only="rs")
    m.clearing(2.2)
    return m


def isle(hive=(17, 12)):
    """A hive on a green island in a lake, the meadows on the far shores to the north and west; wide
    beaches keep the water from the grass where bees appear."""
    m = Terrain("isle", 27, 21, hive, seed=25)
    m.fill("g")
    m.blob(17.0, 12.0, 8.5, 8.0, "w", rough=0.08)
    m.blob(17.0, 12.0, 5.8, 5.3, "g", rough=0.08, only="w", salt=1)
    m.where(lambda px, py: px > 25.5 or py > 19.5, "w")
    m.shore("s", land="gG", width=3)
    m.patches("G", 0.2, 0.64, salt=2)
    m.blob(4.0, 3.5, 1.5, 1.1, "f", rough=0.2, only="g", salt=3)
    m.stones([(2, 15), (11, 1)])
    m.clearing(2.2)
    return m


def narrows(hive=(23, 17)):
    """A meadow in the north-west, the hive in the south-east, and between them a neck of land with a
    lake on either side."""
    m = Terrain("narrows", 30, 24, hive, seed=26)
    m.fill("r")
    m.blob(7.0, 6.0, 6.5, 5.0, "g", rough=0.12)
    m.blob(23.0, 18.0, 4.5, 3.5, "g", rough=0.12, salt=5)
    m.path([(9, 8), (15, 12), (21, 16)], 4.0, "g", rough=0.1, salt=6)
    m.blob(22.0, 4.0, 8.0, 5.8, "w", rough=0.12)                  # the north-east lake
    m.blob(6.0, 20.0, 8.0, 5.8, "w", rough=0.12, salt=1)          # the south-west lake
    m.shore("s", land="gGr", width=2)
    m.patches("G", 0.2, 0.64, salt=3)
    m.blob(4.5, 4.0, 1.5, 1.1, "f", rough=0.2, only="g", salt=4)
    m.stones([(14, 12), (27, 22)])
    m.clearing(2.2)
    return m


def marsh(hive=(12, 15)):
    """Meadow dotted with pools, each in its own sandy ring; the hive on firm ground to the south."""
    m = Terrain("marsh", 24, 18, hive, seed=27)
    m.fill("g")
    pool, beach = 1.0, 2.2
    spots = [(5, 5), (13, 3.5), (20, 6), (17, 11)]
    for i, (px, py) in enumerate(spots):
        m.blob(px, py, pool + beach, pool * 0.8 + beach, "s", rough=0.1, only="g", salt=30 + i)
        m.blob(px, py, pool, pool * 0.8, "w", rough=0.1, salt=40 + i)
    m.where(lambda px, py: py > 13.5 + m.wobble(px, py, 1.0, salt=3) and abs(px - 12) > 3.5, "r")
    m.patches("G", 0.2, 0.64, salt=2)
    m.clearing(2.2)
    return m


def farfew(hive=(24, 18)):
    """A meadow in the north-west, the hive in the south-east across a dry plain with a creek."""
    m = Terrain("farfew", 30, 24, hive, seed=28)
    m.fill("s")
    m.blob(7.0, 5.5, 6.0, 4.5, "g", rough=0.12)
    m.blob(24.0, 18.5, 3.0, 2.5, "g", rough=0.15, salt=1)
    m.path([(30, 2), (19, 8), (13, 14), (11, 25)], 1.5, "w", rough=0.1, salt=2)
    m.patches("r", 0.16, 0.6, only="s", salt=3)
    m.shore("s", land="gr", width=1)
    m.patches("G", 0.2, 0.64, salt=4)
    m.stones([(25, 5), (5, 19)], kind="R", only="rs")
    m.clearing(2.2)
    return m


def islands(hive=(17, 14)):
    """Meadow islands in a lake all round the hive's own island."""
    m = Terrain("islands", 34, 28, hive, seed=29)
    m.fill("w")
    for i, (cx, cy, rx, ry) in enumerate([(5.5, 4.5, 5.5, 4.4), (28, 4.5, 5.5, 4.4), (5.5, 23.5, 5.5, 4.4),
                                          (28, 23.5, 5.5, 4.4)]):
        m.blob(cx, cy, rx, ry, "g", rough=0.12, salt=i)
    m.blob(17.0, 14.0, 7.0, 6.0, "s", rough=0.08, salt=5)
    m.blob(17.0, 14.0, 2.8, 2.5, "g", rough=0.1, salt=8)
    m.shore("s", width=3)
    m.patches("r", 0.2, 0.66, only="s", salt=9)
    m.patches("G", 0.2, 0.64, salt=6)
    m.blob(4.5, 3.5, 1.4, 1.0, "f", rough=0.2, only="g", salt=7)
    m.clearing(2.2)
    return m


def last(hive=(15, 13)):
    """Meadows scattered round a stony hill with the hive, few flowers, and pools of horseflies between
    the meadows."""
    m = Terrain("last", 30, 26, hive, seed=30)
    m.fill("r")
    for i, (cx, cy, rx, ry) in enumerate([(5.5, 4.5, 4.2, 3.2), (25, 4.5, 4.0, 3.2), (5, 21.5, 4.0, 3.2),
                                          (25, 21.5, 4.0, 3.2)]):
        m.blob(cx, cy, rx, ry, "g", rough=0.12, salt=i)
    for i, (cx, cy) in enumerate([(15, 5.5), (6.5, 13), (23.5, 13), (15, 20.5)]):
        m.blob(cx, cy, 2.0, 1.5, "w", rough=0.15, salt=10 + i)
    m.blob(15.0, 13.0, 3.0, 2.6, "g", rough=0.12, salt=6)
    m.shore("s", land="gr", width=2)
    m.patches("G", 0.2, 0.64, salt=7)
    m.clearing(2.2)
    return m


LEVELS = [meadows, ring, scarce, shore, islands, marsh, narrows, farfew, last, isle]
