"""The second set's maps, drawn as the first set's are (see maps.py): broad areas of one shade, water
darker away from the shore, sand and stone in bands, a few details by hand.

Each function takes the hive of its record in tools/player/set2.h and lays out what the level asks of
the player. As in the first set, beaches keep the water off the grass where bees appear, so that a
horsefly seldom finds a bee before a hand could help; the opening view, the map's top-left corner,
shows meadow.
"""
import math

from .maps import Terrain


def meadows(hive=(15, 11)):
    """Three meadows on a stony plain, far apart, the hive on a green between them."""
    m = Terrain("meadows", 30, 22, hive, seed=21)
    m.fill("r")
    m.blob(6.0, 4.5, 4.6, 3.4, "g", rough=0.12)                   # in the opening view
    m.blob(25.0, 5.0, 4.0, 3.2, "g", rough=0.12, salt=1)
    m.blob(12.0, 18.0, 4.4, 3.0, "g", rough=0.12, salt=2)
    m.blob(24.0, 17.5, 2.2, 1.6, "w", rough=0.15, salt=3)          # a still pond, no horseflies
    m.shore("s", land="r", width=1)
    m.patches("G", 0.2, 0.64, salt=4)
    m.blob(4.5, 3.5, 1.5, 1.1, "f", rough=0.2, only="g", salt=5)
    m.blob(26.0, 5.5, 1.3, 1.0, "f", rough=0.2, only="g", salt=6)
    m.stones([(15, 4), (7, 13), (21, 11)], kind="R", only="r")
    m.clearing(2.2)
    return m


def scarce(hive=(21, 14)):
    """A meadow in a dry upland of sand and stone, hardly a flower in it, and the hive on a green
    well below it."""
    m = Terrain("scarce", 28, 20, hive, seed=22)
    m.fill("s")
    m.blob(7.0, 5.0, 6.5, 4.6, "g", rough=0.14)
    m.blob(21.0, 14.5, 3.0, 2.4, "g", rough=0.15, salt=4)
    m.patches("r", 0.2, 0.6, only="s", salt=1)
    m.blob(25.0, 4.0, 2.0, 1.5, "w", rough=0.15, salt=2)
    m.shore("s", land="gr", width=1)
    m.patches("G", 0.2, 0.66, salt=3)
    m.stones([(6, 3), (10, 7), (14, 16)])
    m.clearing(2.2)
    return m


def shore(hive=(37, 9)):
    """A meadow at the west end of a long shore, the hive on a headland at the east end; the sea below."""
    m = Terrain("shore", 40, 18, hive, seed=23)
    m.fill("w")
    coast = lambda px: 11.5 + 0.8 * math.sin(px * 0.25)
    m.where(lambda px, py: py < coast(px) + m.wobble(px, py, 0.6), "g")
    m.blob(6.0, 3.0, 7.5, 5.0, "g", rough=0.1, salt=1)
    m.where(lambda px, py: py < 3.2 + 0.8 * math.sin(px * 0.3) + m.wobble(px, py, 0.8, salt=2) and px > 13, "R")
    m.shore("s", width=2)
    m.reeds(lambda px, py: px < 4)
    m.patches("G", 0.2, 0.64, salt=3)
    m.blob(5.0, 4.0, 1.6, 1.1, "f", rough=0.2, only="g", salt=4)
    m.stones([(20, 5), (28, 6)])
    m.clearing(2.2)
    return m


def ring(hive=(30, 24)):
    """A meadow in the top-left corner inside a ring of water, the hive on the far side of it."""
    m = Terrain("ring", 36, 30, hive, seed=24)
    m.fill("s")
    meadow = (8.0, 7.0, 6.0, 5.0)
    m.blob(*meadow, "g", rough=0.12)
    m.ring(*meadow, 4.5, 2.5, "w", rough=0.25, salt=1)
    m.blob(30.0, 24.0, 4.5, 3.5, "g", rough=0.15, salt=2)        # the hive's green
    m.patches("r", 0.18, 0.62, only="s", salt=3)
    m.shore("s", land="gr", width=1)
    m.patches("G", 0.2, 0.64, salt=4)
    m.blob(6.0, 5.0, 1.5, 1.1, "f", rough=0.2, only="g", salt=5)
    m.stones([(22, 8), (12, 24), (33, 14)], kind="R", only="rs")
    m.clearing(2.2)
    return m


def isle(hive=(26, 19)):
    """A hive on an island in a lake; the meadows on the shores to the north and west."""
    m = Terrain("isle", 36, 28, hive, seed=25)
    m.fill("g")
    m.blob(26.0, 19.0, 9.5, 8.0, "w", rough=0.12)
    m.blob(26.0, 19.0, 3.4, 3.0, "s", rough=0.1, only="w", salt=1)
    m.where(lambda px, py: px > 34 or py > 26.5, "w")
    m.shore("s", land="gG", width=2)
    m.patches("G", 0.2, 0.64, salt=2)
    m.blob(6.0, 4.0, 1.6, 1.2, "f", rough=0.2, only="g", salt=3)
    m.stones([(4, 20), (14, 3)])
    m.clearing(2.0)
    return m


def narrows(hive=(32, 24)):
    """A meadow in the north-west, the hive in the south-east, and between them a neck of land with a
    lake on either side."""
    m = Terrain("narrows", 38, 30, hive, seed=26)
    m.fill("g")
    m.blob(28.0, 7.0, 9.0, 7.0, "w", rough=0.12)                  # the north-east lake
    m.blob(8.0, 25.0, 9.0, 6.5, "w", rough=0.12, salt=1)          # the south-west lake
    m.patches("r", 0.15, 0.6, only="g", salt=2)
    m.shore("s", land="gGr", width=2)
    m.patches("G", 0.2, 0.64, salt=3)
    m.blob(5.0, 4.0, 1.6, 1.2, "f", rough=0.2, only="g", salt=4)
    m.stones([(18, 15), (34, 28)])
    m.clearing(2.2)
    return m


def marsh(hive=(20, 24)):
    """Meadow dotted with pools, each in its own sandy ring; the hive on firm ground to the south."""
    m = Terrain("marsh", 36, 28, hive, seed=27)
    m.fill("g")
    pool, beach = 1.3, 2.0
    spots = [(5, 8), (13, 4), (21, 9), (29, 5), (9, 15), (17, 16), (27, 14), (33, 20), (4, 22)]
    for i, (px, py) in enumerate(spots):
        m.blob(px, py, pool + beach, pool * 0.8 + beach, "s", rough=0.1, only="g", salt=30 + i)
        m.blob(px, py, pool, pool * 0.8, "w", rough=0.1, salt=40 + i)
    m.patches("G", 0.2, 0.64, salt=2)
    m.reeds()
    m.clearing(2.2)
    return m


def farfew(hive=(34, 26)):
    """A meadow in the north-west, the hive far off in the south-east across a dry plain with a creek."""
    m = Terrain("farfew", 40, 32, hive, seed=28)
    m.fill("s")
    m.blob(9.0, 7.0, 8.0, 6.0, "g", rough=0.12)
    m.blob(34.0, 26.0, 3.5, 3.0, "g", rough=0.15, salt=1)
    m.path([(41, 8), (28, 14), (20, 22), (18, 33)], 2.0, "w", rough=0.1, salt=2)
    m.patches("r", 0.16, 0.6, only="s", salt=3)
    m.shore("s", land="gr", width=1)
    m.patches("G", 0.2, 0.64, salt=4)
    m.stones([(30, 6), (10, 25)], kind="R", only="rs")
    m.clearing(2.2)
    return m


def islands(hive=(20, 18)):
    """Meadow islands in a lake all round the hive's own island."""
    m = Terrain("islands", 40, 34, hive, seed=29)
    m.fill("w")
    for i, (cx, cy, rx, ry) in enumerate([(6, 5, 5, 3.6), (32, 6, 5, 3.6), (7, 28, 5, 3.6), (33, 28, 5, 3.6)]):
        m.blob(cx, cy, rx, ry, "g", rough=0.12, salt=i)
    m.blob(20.0, 18.0, 3.4, 3.0, "g", rough=0.1, salt=5)
    m.shore("s", width=1)
    m.patches("G", 0.2, 0.64, salt=6)
    m.blob(5.0, 4.0, 1.5, 1.1, "f", rough=0.2, only="g", salt=7)
    m.clearing(2.0)
    return m


def last(hive=(20, 20)):
    """Meadows scattered round a lake, few flowers, water everywhere between."""
    m = Terrain("last", 42, 36, hive, seed=30)
    m.fill("r")
    for i, (cx, cy, rx, ry) in enumerate([(7, 5, 6, 4), (34, 7, 5, 4), (8, 30, 5, 4), (35, 30, 5, 4)]):
        m.blob(cx, cy, rx, ry, "g", rough=0.12, salt=i)
    m.ring(20, 20, 5, 4, 4.5, 2.0, "w", rough=0.25, salt=5)
    m.blob(20.0, 20.0, 5.0, 4.0, "g", rough=0.12, salt=6)
    m.shore("s", land="gr", width=1)
    m.patches("G", 0.2, 0.64, salt=7)
    m.clearing(2.2)
    return m


LEVELS = [meadows, scarce, shore, ring, isle, narrows, marsh, farfew, islands, last]
