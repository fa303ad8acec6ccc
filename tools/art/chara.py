"""The "CHARA" sheet: 28 sprites drawn over whatever ground the walker stands on ('.' = clear)."""

from pixels import Grid
from figures import Person, draw_person

PALETTE = [
    (0, 0, 0),      # 0 black: outlines (and the colour that keeps a sprite pixel in a mask)
    (16, 16, 20),   # 1 dark grey
    (32, 32, 38),   # 2 grey
    (48, 48, 54),   # 3 light grey
    (62, 62, 62),   # 4 white
    (60, 44, 32),   # 5 skin
    (46, 30, 20),   # 6 skin shade
    (24, 13, 6),    # 7 dark brown
    (40, 24, 10),   # 8 brown
    (50, 12, 8),    # 9 red
    (62, 50, 12),   # 10 gold
    (8, 18, 46),    # 11 blue
    (28, 42, 62),   # 12 light blue
    (10, 36, 12),   # 13 green
    (34, 56, 20),   # 14 light green
    (36, 14, 44),   # 15 purple (and the mask colour that makes a pixel clear)
]

NAMES = {
    "out": 0, "dgrey": 1, "grey": 2, "lgrey": 3, "white": 4, "skin": 5, "skinS": 6,
    "dbrown": 7, "brown": 8, "red": 9, "dred": 7, "gold": 10, "blue": 11, "navy": 0,
    "lblue": 12, "green": 13, "dgreen": 13, "lgreen": 14, "purple": 15, "tan": 5,
}

KNIGHT = Person(tunic="lgrey", sleeve="lgrey", legs="grey", boots="dgrey", belt="dbrown",
                head="visor", head_colour="lgrey", cape="blue", item="sword")
MAGE = Person(tunic="purple", robe=True, belt="gold", head="hood", head_colour="purple",
              hair="white", item="staff")
HERO = Person(tunic="blue", sleeve="blue", legs="brown", boots="dbrown", belt="brown",
              hair="brown", head="band", head_colour="red", cape="red", item="sword")
SOLDIER = Person(tunic="green", legs="brown", boots="dbrown", belt="dbrown", head="helmet",
                 head_colour="grey", sleeve="brown", item="spear")
WOMAN = Person(tunic="green", dress="red", legs="skin", boots="dbrown", belt="white",
               hair="brown", hair_style="long")

FACINGS = ("down", "up", "right", "left")


def walker(name, person):
    return [("%s facing %s" % (name, f), draw_person(person, f)) for f in FACINGS]


def slime(pose):
    """Four poses of a hopping blob: resting, squashed, stretched, in the air."""
    g = Grid()
    rx, ry, cy = [(8, 6.5, 15.5), (9.5, 5, 17), (6.5, 8.5, 13.5), (7.5, 6, 11)][pose]
    cx = 11.5
    g.disc(cx, cy, rx, ry, "lgreen")
    if pose != 3:  # on the ground the blob sits flat
        g.rect(int(cx - rx) + 1, int(cy) + 1, int(cx + rx) - 1, 21, "lgreen")
    g.shade_where(lambda x, y: (x - cx) + (y - cy) * 1.3 > rx * 0.8 or y >= 20,
                  {"lgreen": "green"})
    g.points([(int(cx - rx / 2), int(cy - ry / 2)), (int(cx - rx / 2) + 1, int(cy - ry / 2)),
              (int(cx - rx / 2), int(cy - ry / 2) + 1)], "white")
    ey = int(cy) + (0 if pose != 2 else -1)
    for ex in (int(cx) - 3, int(cx) + 2):
        g.rect(ex, ey - 1, ex + 1, ey, "out")
        g.set(ex, ey - 1, "white")
    for y in range(22, 24):
        g.hline(0, 23, y, None)
    g.outline("out")
    if pose == 3:  # its shadow on the ground below
        g.hline(8, 15, 21, "dgrey")
        g.hline(9, 14, 22, "dgrey")
    return g


def ghost():
    g = Grid()
    g.disc(11.5, 9, 7, 7, "white")
    g.rect(5, 9, 18, 19, "white")
    for x in range(5, 19):
        if (x // 3) % 2:
            g.set(x, 19, None)
        else:
            g.set(x, 20, "white")
    g.shade_where(lambda x, y: x >= 16 or y >= 18, {"white": "lblue"})
    g.rect(8, 8, 9, 10, "out")
    g.rect(13, 8, 14, 10, "out")
    g.rect(10, 13, 12, 15, "out")
    g.rect(3, 11, 4, 13, "white")
    g.rect(19, 11, 20, 13, "lblue")
    g.outline("blue")
    return g


def skeleton():
    g = Grid()
    g.rect(8, 2, 15, 9, "white")
    g.hline(9, 14, 1, "white")
    g.rect(9, 10, 14, 11, "white")
    g.rect(9, 5, 10, 6, "out")
    g.rect(13, 5, 14, 6, "out")
    g.set(12, 7, "out")
    g.points([(10, 10), (12, 10), (14, 10)], "lgrey")
    g.vline(11, 12, 17, "white")
    for y in (13, 15):
        g.hline(8, 15, y, "white")
    g.hline(9, 14, 17, "lgrey")
    g.vline(6, 12, 16, "white")
    g.vline(17, 12, 16, "lgrey")
    g.vline(9, 18, 21, "white")
    g.vline(14, 18, 21, "lgrey")
    g.hline(8, 9, 21, "white")
    g.hline(14, 15, 21, "lgrey")
    g.vline(15, 2, 9, "lgrey")
    g.outline("out")
    return g


def bat():
    g = Grid()
    g.disc(11.5, 11, 3, 3.5, "purple")
    for side in (-1, 1):
        for i in range(9):
            x = int(11.5 + side * (3 + i))
            top = 6 + i // 3
            bottom = 12 - (i % 3)
            g.vline(x, top, bottom, "purple")
            if i % 3 == 2:
                g.vline(x, top + 1, bottom, "dgrey")  # the wing's finger bones
    g.points([(9, 7), (14, 7), (9, 6), (14, 6)], "purple")
    g.points([(10, 10), (13, 10)], "red")
    g.points([(11, 13), (12, 13)], "white")
    g.outline("out")
    return g


def boat():
    """A rowing boat seen from above, bow to the top."""
    g = Grid()
    for y in range(1, 23):
        half = min(7, 1 + (y - 1) * 7 // 8) if y < 20 else 7 - (y - 19)
        g.hline(12 - half, 11 + half, y, "brown")
        if half > 2 and 3 <= y <= 20:
            g.hline(13 - half, 10 + half, y, "dbrown")
        g.set(12 - half, y, "tan")
        g.set(11 + half, y, "dbrown")
    for y in (9, 16):
        g.hline(6, 17, y, "tan")
        g.hline(6, 17, y + 1, "brown")
    g.vline(11, 3, 20, "dbrown")
    g.hline(3, 7, 12, "tan")
    g.hline(16, 20, 12, "brown")
    g.outline("out")
    return g


def sprites():
    out = []
    out += walker("knight", KNIGHT)
    out += walker("mage", MAGE)
    out += walker("hero", HERO)
    out += walker("soldier", SOLDIER)
    out += walker("village woman", WOMAN)
    out += [("slime, pose %d" % (k + 1), slime(k)) for k in range(4)]
    out += [("ghost", ghost()), ("skeleton", skeleton()), ("bat", bat()), ("small boat", boat())]
    return [(name, g.mapped(NAMES)) for name, g in out]
