#!/usr/bin/env python3
"""Draws the tile sheets: writes data/src/TOWN.sheet and data/src/CHARA.sheet from the drawings
in town.py, chara.py and figures.py, which are the art's one source.

Change the art here, never in the .sheet files, then redraw and rebuild:
    python3 tools/art/make_sheets.py data/src
    build/sheetc data/src/TOWN.sheet data && build/sheetc data/src/CHARA.sheet data
The test suite runs this script and fails when the committed sheets differ from what it draws."""

import os
import sys

sys.dont_write_bytecode = True  # leave no cache folder in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import chara  # noqa: E402
import town  # noqa: E402
from pixels import sheet_text  # noqa: E402

def header(name, pixels):
    return [
        "Vesk tile sheet source. Build: sheetc data/src/%s.sheet data" % name,
        "Drawn by tools/art/make_sheets.py: change the drawings there and redraw, not this file.",
        "",
        "palette: 16 lines of red green blue, 6-bit intensities 0..63",
        "image N name, optional 'size W H', then 24 rows of 24 %s" % pixels,
        "Light falls from the top left.",
        "Licence: original pixel art drawn for this game (tools/art/*.py);",
        "it is distributed under the same terms as the game itself.",
    ]


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else "data/src"
    sheets = [
        ("TOWN", town.PALETTE, town.tiles(), "colour indices 0-9 a-f"),
        ("CHARA", chara.PALETTE, chara.sprites(), "colour indices 0-9 a-f; '.' is transparent"),
    ]
    for name, palette, images, pixels in sheets:
        with open(os.path.join(out_dir, name + ".sheet"), "w", encoding="utf-8") as f:
            f.write(sheet_text(header(name, pixels), palette, images))


if __name__ == "__main__":
    main()
