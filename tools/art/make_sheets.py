#!/usr/bin/env python3
"""Writes the editable sources data/src/TOWN.sheet and data/src/CHARA.sheet.

The committed .sheet files are the sources the sheet compiler reads; this script is how their
first version was drawn. Run it again only to start over from the drawings in town.py and
chara.py (it overwrites hand edits): python3 tools/art/make_sheets.py data/src"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import chara  # noqa: E402
import town  # noqa: E402
from pixels import sheet_text  # noqa: E402

HEADER = [
    "Vesk tile sheet source. Build: sheetc data/src/%s.sheet data",
    "",
    "palette: 16 lines of red green blue, 6-bit intensities 0..63",
    "image N name, optional 'size W H', then 24 rows of 24 colour indices 0-9 a-f%s",
    "Light falls from the top left.",
    "Licence: original pixel art drawn for this game (tools/art/*.py drew the first version);",
    "it is distributed under the same terms as the game itself.",
]


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else "data/src"
    sheets = [
        ("TOWN", town.PALETTE, town.tiles(), ""),
        ("CHARA", chara.PALETTE, chara.sprites(), "; '.' is transparent"),
    ]
    for name, palette, images, extra in sheets:
        header = [line % name if "%s" in line and "sheetc" in line else line for line in HEADER]
        header = [line % extra if "%s" in line else line for line in header]
        with open(os.path.join(out_dir, name + ".sheet"), "w", encoding="utf-8") as f:
            f.write(sheet_text(header, palette, images))


if __name__ == "__main__":
    main()
