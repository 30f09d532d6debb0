"""Helpers of tools/make_art.py: the game's TGA layout, hue bands, maps and pictures."""
