"""The game's hue of a map pixel and its terrain bands.

The game converts each byte to a float, takes the hue in single precision
(largest channel, ties to the earlier channel) and picks the terrain whose
reference hue is nearest around the colour circle. Here the same sums are
rounded to float32 after every step so that the generator can prove that no
map pixel sits near a band edge.
"""
import struct

GRASS, WATER, ROCK = "grass", "water", "rock"
REFERENCE = {GRASS: 0.333, WATER: 0.666, ROCK: 0.0}
# Where the nearest reference changes: half-way between the references.
GRASS_LOW, GRASS_HIGH, WATER_HIGH = 0.1665, 0.4995, 0.833
MARGIN = 0.04  # every map pixel this far inside its band at least, twice what the data test asks


def _f32(x):
    return struct.unpack("<f", struct.pack("<f", x))[0]


def game_hue(r8, g8, b8):
    r, g, b = _f32(r8 / 255.0), _f32(g8 / 255.0), _f32(b8 / 255.0)
    if g > r:
        mx, which = (b, 2) if b > g else (g, 1)
    else:
        mx, which = (b, 2) if b > r else (r, 0)
    mn = min(r, g, b)
    if mx == 0:
        return 0.0
    delta = _f32(mx - mn)
    if _f32(delta / mx) == 0:
        return 0.0
    if which == 0:
        h = _f32(_f32(g - b) / delta)
    elif which == 1:
        h = _f32(_f32(_f32(b - r) / delta) + 2)
    else:
        h = _f32(_f32(_f32(r - g) / delta) + 4)
    h = _f32(h / 6)
    while h < 0:
        h = _f32(h + 1)
    while h > 1:
        h = _f32(h - 1)
    return h


def hue_distance(h0, h1):
    d = abs(h0 - h1)
    return min(d, 1 - d)


def terrain_of_hue(h):
    best, best_d = None, 100000.0
    for t in (GRASS, WATER, ROCK):
        d = hue_distance(h, REFERENCE[t])
        if d < best_d:
            best, best_d = t, d
    return best


def band_margin(h, terrain):
    """How far inside the band of `terrain` the hue lies (negative: outside)."""
    if terrain == GRASS:
        return min(h - GRASS_LOW, GRASS_HIGH - h)
    if terrain == WATER:
        return min(h - GRASS_HIGH, WATER_HIGH - h)
    # Rock wraps around red: below the grass band or above the water band.
    return max(GRASS_LOW - h, h - WATER_HIGH)
