#!/usr/bin/python3
"""Draws every picture and level map of Quorvel Bees from code.

Run from the repository root with Debian's Python and Pillow, once the game is
built (it reads the level table from the game: quorvel --level-table):

    /usr/bin/python3 tools/make_art.py [--game build/quorvel]

It rewrites data/gfx/*.tga, data/maps/*.tga, docs/contact_sheet.png and
src/font_glyphs.h, the text atlas's metrics; and the second set's draft maps in
tools/art/set2/, whose records it reads from the balance report's table
(play_report --set 2 --level-table, beside the game); build/set2_files then
writes them into the set's level files, data/levels/set2/*.qbl.
The output is the same, byte for byte, on every run. With --screen DIR it
also writes PNGs of every picture at the sizes the game shows them, for
looking at.
"""
import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageDraw  # noqa: E402

from art import maps, maps2, pictures, paint  # noqa: E402
from art.hue import GRASS, WATER  # noqa: E402
from art.tga import write_tga  # noqa: E402
from art import icons  # noqa: E402
from art import font  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

VIEW_W, VIEW_H = 40 / 3, 10.0
GAMES = ("build/quorvel", "build-play/quorvel")  # where the scripts build the game


def find_game(game):
    game = game or next((g for g in GAMES if os.access(os.path.join(ROOT, g), os.X_OK)), None)
    if not game:
        sys.exit("make_art: build the game first (bash tools/play.sh), or name it with --game: "
                 "the level table is read from it")
    return os.path.join(ROOT, game)


def level_table(command, suffix="1.tga"):
    """A level table as the game prints it, in its order: (map name, hive, flowers, horseflies,
    bees) for each level; the maps are built around them and checked against them."""
    lines = subprocess.run(command + ["--level-table"], check=True, capture_output=True,
                           text=True).stdout.splitlines()
    table = []
    for line in lines:
        f = line.split("\t")
        name = os.path.basename(f[2])[:-len(suffix)]
        hive = tuple(int(v) if float(v).is_integer() else float(v) for v in f[4:6])
        table.append((name, hive, int(f[6]), int(f[7]), int(f[8])))
    return table


def check_map(m, hive, flowers, flies):
    w, h = m.w, m.h
    assert w >= 14 and h >= 10, (m.name, "smaller than the picture")
    assert w * h < 80 * 60, (m.name, "too large to draw every frame")
    hx, hy = hive
    assert 0 <= hx < w and 0 <= hy < h, (m.name, "hive off the map")
    # The hive stands on a corner point: all four tiles around it are grass.
    for x in (int(hx) - 1, int(hx)):
        for y in (int(hy) - 1, int(hy)):
            if 0 <= x < w and 0 <= y < h:
                assert m.terrain_at(x, y) == GRASS, (m.name, "hive not on grass", x, y)
    grass = sum(m.terrain_at(x, y) == GRASS for y in range(h) for x in range(w))
    water = sum(m.terrain_at(x, y) == WATER for y in range(h) for x in range(w))
    assert grass >= max(flowers, 20), (m.name, grass)
    assert water >= (flies if flies else 0), (m.name, water)
    # The level opens on the map's top-left corner: it shows meadow enough for two flowers on
    # average (flowers and bees land anywhere on grass), or a track leading to the meadow.
    seen = sum(m.terrain_at(x, y) == GRASS for y in range(h) for x in range(w) if m.in_opening_view(x, y))
    if m.way:
        assert m.way_reaches_meadow(), (m.name, "no way from the opening view to the meadow")
    else:
        assert flowers * seen / grass >= 2, (m.name, "too little meadow in the opening view", seen)
    return grass, water, seen


def build_maps(functions, table, path):
    """Each level's map and preview as (path, image), written to `path` % name, and (map, image) for
    the contact sheet."""
    out, levels = [], []
    for make, (name, hive, flowers, flies, bees) in zip(functions, table):
        m = make(hive)
        assert m.name == name, (m.name, name)
        img = m.image()
        grass, water, seen = check_map(m, hive, flowers, flies)
        print("%-9s %2dx%2d  grass %4d  water %4d  screens %.1f  opening view: %s" %
              (name, m.w, m.h, grass, water, (m.w * m.h) / (VIEW_W * VIEW_H),
               "a track to the meadow" if m.way else "%d%% of the grass" % round(100 * seen / grass)))
        out.append((path % name + ".tga", img))
        out.append((path % name + "_preview.tga", maps.preview(m, img)))
        levels.append((m, img))
    return out, levels


def build(table):
    """Every file as (path relative to the root, image)."""
    out = []
    out.append(("data/gfx/title2.tga", pictures.title()))
    out.append(("data/gfx/rules1.tga", pictures.rules()))
    # The same without words, which the game draws over them in languages other than English.
    out.append(("data/gfx/rules_blank1.tga", pictures.rules(words=False)))
    out.append(("data/gfx/go1.tga", pictures.go()))
    out.append(("data/gfx/closed1.tga", pictures.closed()))
    for n, name in enumerate(("lose1", "won_daisy1", "won_violet1", "won_tulip1")):
        out.append(("data/gfx/%s.tga" % name, pictures.result(n)))
        out.append(("data/gfx/%s_blank1.tga" % name[:-1], pictures.result(n, words=False)))
    for kind in ("daisy", "violet", "tulip"):
        out.append(("data/gfx/%s1.tga" % kind, pictures.medal(kind)))
    maps_out, levels = build_maps(maps.LEVELS, table, "data/maps/%s1")
    return out + maps_out, levels


def as_drawn(img, background=(102, 255, 102)):
    """A picture blended over the title screen's brightest panel colour."""
    under = Image.new("RGBA", img.size, background + (255,))
    return Image.alpha_composite(under, img.convert("RGBA")).convert("RGB")


def terrain_as_drawn(m, img, k):
    """Map tiles as the game draws them, flat squares without blending, with the opening view
    outlined."""
    big = img.convert("RGB").resize((img.width * k, img.height * k), Image.NEAREST)
    vw, vh = round(maps.OPENING_VIEW[0] * k), round(maps.OPENING_VIEW[1] * k)
    ImageDraw.Draw(big).rectangle((0, 0, min(vw, big.width) - 1, min(vh, big.height) - 1),
                                  outline=(255, 255, 255), width=2)
    return big


def contact_sheet(files, levels, levels2):
    font = paint.font(paint.BOLD, 14)
    pics = dict(files)
    W = 1400
    sheet = Image.new("RGB", (W, 4800), (34, 60, 34))
    d = ImageDraw.Draw(sheet)

    def label(x, y, s):
        d.text((x, y), s, font=font, fill=(235, 235, 220))

    # Pictures at their 800x600 sizes over the panel green.
    x, y = 16, 16
    for path, px in (("data/gfx/title2.tga", 300), ("data/gfx/rules1.tga", 255),
                     ("data/gfx/lose1.tga", 300), ("data/gfx/won_daisy1.tga", 300)):
        im = pics[path].resize((px, px), Image.LANCZOS)
        sheet.paste(as_drawn(im), (x, y + 20))
        label(x, y, os.path.basename(path))
        x += px + 40
    x, y = 16, 360
    for path in ("data/gfx/won_violet1.tga", "data/gfx/won_tulip1.tga"):
        im = pics[path].resize((300, 300), Image.LANCZOS)
        sheet.paste(as_drawn(im), (x, y + 20))
        label(x, y, os.path.basename(path))
        x += 340
    for path, px, nearest in (("data/gfx/go1.tga", 72, False), ("data/gfx/closed1.tga", 75, True),
                              ("data/gfx/daisy1.tga", 24, False), ("data/gfx/violet1.tga", 24, False),
                              ("data/gfx/tulip1.tga", 24, False)):
        im = pics[path].resize((px, px), Image.NEAREST if nearest else Image.LANCZOS)
        sheet.paste(as_drawn(im), (x, y + 20))
        big = pics[path].resize((px * 2, px * 2), Image.NEAREST if nearest else Image.LANCZOS)
        sheet.paste(as_drawn(big), (x, y + 40 + px))
        label(x, y, os.path.basename(path).replace(".tga", ""))
        x += max(px * 2, 90) + 20
    # Maps as the game draws them, each beside its preview; the second set below the first.
    x, y, row_h = 16, 700, 0
    for group, (maps_in, suffix) in enumerate(((levels, "1"), (levels2, ""))):
        if group:
            x, y, row_h = 16, y + row_h + 40, 0
            label(x, y, "The second set (data/levels/set2/)")
            y += 30
        for m, img in maps_in:
            k = max(1, min(16, 300 // max(m.w, m.h)))
            terr = terrain_as_drawn(m, img, k)
            prev = maps.preview(m, img).resize((128, 128), Image.NEAREST)
            need = terr.width + 140
            if x + need > W:
                x, y, row_h = 16, y + row_h + 30, 0
            label(x, y, "%s%s (%dx%d), opening view outlined" % (m.name, suffix, m.w, m.h))
            sheet.paste(terr, (x, y + 20))
            sheet.paste(as_drawn(prev), (x + terr.width + 8, y + 20))
            x += need + 20
            row_h = max(row_h, terr.height, 128)
    return sheet.crop((0, 0, W, y + row_h + 40))


def screen_sizes(files, folder):
    """PNGs at the sizes the game shows each picture, 800x600 and fullscreen."""
    os.makedirs(folder, exist_ok=True)
    sizes = {"title2": (300, 540), "rules1": (255, 459), "go1": (72, 130), "closed1": (60, 75, 108, 135),
             "lose1": (300, 540), "won_daisy1": (300, 540), "won_violet1": (300, 540),
             "won_tulip1": (300, 540), "daisy1": (24, 43), "violet1": (24, 43), "tulip1": (24, 43)}
    for path, img in files:
        base = os.path.basename(path)[:-4]
        if base not in sizes:
            continue
        nearest = base == "closed1"
        for px in sizes[base]:
            im = img.resize((px, px), Image.NEAREST if nearest else Image.LANCZOS)
            as_drawn(im).save(os.path.join(folder, "%s_%d.png" % (base, px)))


def write_word_places(path):
    """Where the game draws the rules' and results' words over their pictures without words."""
    rows = ",\n".join("    {%.3f, %.3f}" % (y / 512, h / 512) for y, h in pictures.RULES_LAYOUT)
    with open(path, "w") as f:
        f.write("""// Generated by tools/make_art.py: where the words of the rules' and the results' pictures stand, in
// fractions of the picture's side from its top-left corner, for the game to draw them over the pictures
// without words in languages other than English.
#pragma once

namespace picture_words {
struct place
{
    double y, height;
};
// The rules: the heading's middle, then each row's middle and height; the rows' words start at TEXT_X
// and may take TEXT_W.
const double RULES_HEADING_Y = %.3f, RULES_HEADING_H = %.3f, RULES_TEXT_X = %.3f, RULES_TEXT_W = %.3f;
const place RULES_ROWS[6] = {
%s};
// The results: the heading's middle and widest, then the two lines' middles and widest.
const double RESULT_HEADING_Y = %.3f, RESULT_HEADING_H = %.3f, RESULT_HEADING_W = %.3f;
const double RESULT_LINE_Y[2] = {%.3f, %.3f};
const double RESULT_LINE_H = %.3f, RESULT_LINE_W = %.3f;
} // namespace picture_words
""" % (36 / 512, 40 / 512, 104 / 512, 386 / 512, rows, 76 / 512, 70 / 512, 404 / 512, 334 / 512, 374 / 512, 36 / 512, 420 / 512))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--screen", metavar="DIR", help="also write on-screen sized PNGs to DIR")
    ap.add_argument("--game", metavar="PATH", help="the built game, to read the level table from")
    args = ap.parse_args()
    game = find_game(args.game)
    table = level_table([game])
    assert len(table) == len(maps.LEVELS), ("a map function for each level of the table", len(table))
    files, levels = build(table)
    report = os.path.join(os.path.dirname(game), "play_report")
    if not os.access(report, os.X_OK):
        sys.exit("make_art: the second set's records are read from %s: build it beside the game" % report)
    table2 = level_table([report, "--set", "2"], suffix=".tga")
    assert len(table2) == len(maps2.LEVELS), ("a map function for each level of the second set", len(table2))
    files2, levels2 = build_maps(maps2.LEVELS, table2, "tools/art/set2/%s")
    files += files2
    for path, img in files:
        full = os.path.join(ROOT, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        write_tga(full, img)
    os.makedirs(os.path.join(ROOT, "docs"), exist_ok=True)
    contact_sheet(files, levels, levels2).save(os.path.join(ROOT, "docs/contact_sheet.png"), optimize=True)
    icons.write(ROOT)
    font.write(ROOT)
    write_word_places(os.path.join(ROOT, "src/picture_words.h"))
    if args.screen:
        screen_sizes(files, args.screen)
    print("wrote %d files" % len(files))


if __name__ == "__main__":
    main()
