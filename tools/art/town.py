"""The "TOWN" sheet: 56 ground tiles of the world map (terrain byte = tile number)."""

import math

from pixels import Grid, noise
from figures import Person, draw_person

PALETTE = [
    (24, 27, 8),    # 0 olive (swamp)
    (3, 4, 12),     # 1 night blue, also the outline of things
    (17, 18, 22),   # 2 dark grey
    (31, 31, 35),   # 3 grey
    (45, 45, 47),   # 4 light grey
    (61, 61, 58),   # 5 white
    (5, 21, 9),     # 6 dark green
    (13, 35, 11),   # 7 green
    (29, 47, 14),   # 8 light green
    (22, 12, 5),    # 9 dark brown
    (38, 24, 10),   # 10 brown
    (55, 43, 27),   # 11 tan (sand, skin, light wood)
    (50, 14, 7),    # 12 red
    (62, 47, 9),    # 13 gold
    (4, 12, 36),    # 14 deep blue
    (18, 36, 58),   # 15 light blue
]
OL, NI, DG, GY, LG, WH, DGN, GN, LGN, DB, BR, TN, RD, GD, BL, LB = range(16)

# how the people's named colours land on this palette
PEOPLE = {
    "out": NI, "skin": TN, "skinS": BR, "white": WH, "lgrey": LG, "grey": GY, "dgrey": DG,
    "red": RD, "dred": DB, "gold": GD, "brown": BR, "dbrown": DB, "blue": BL, "navy": NI,
    "lblue": LB, "green": GN, "dgreen": DGN, "lgreen": LGN, "purple": BL, "tan": TN,
}
# the darker colour of each, for shadows cast on the ground
DARKER = {OL: DGN, DG: NI, GY: DG, LG: GY, WH: LG, DGN: NI, GN: DGN, LGN: GN, DB: NI, BR: DB,
          TN: BR, RD: DB, GD: BR, BL: NI, LB: BL}


def fill(c):
    return Grid(c)


def speckle(g, seed, rules):
    """rules: (threshold, colour) pairs; a pixel takes the first colour whose threshold it is under."""
    for y in range(24):
        for x in range(24):
            v = noise(x, y, seed)
            for limit, c in rules:
                if v < limit:
                    g.set(x, y, c)
                    break
    return g


def shadow(g, cx, cy, rx, ry):
    """Darkens the ground in an ellipse: where a thing stands."""
    g.shade_where(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, DARKER)


# ---- ground textures -------------------------------------------------------------------

def grass(seed=1):
    g = fill(GN)
    for i in range(10):
        x = int(noise(i, 0, seed) * 24)
        y = int(noise(i, 1, seed) * 24)
        dark = noise(i, 2, seed) < 0.5
        g.wset(x, y, DGN if dark else LGN)
        g.wset(x + 1, y - 1, DGN if dark else LGN)
        g.wset(x - 1, y - 1, DGN if dark else LGN)
    speckle(g, seed + 7, [(0.03, LGN), (0.06, DGN)])
    return g


def dark_grass():
    g = fill(DGN)
    for i in range(9):
        x = int(noise(i, 0, 41) * 24)
        y = int(noise(i, 1, 41) * 24)
        for k in range(3):
            g.wset(x, y - k, GN)
        g.wset(x - 1, y - 2, GN)
        g.wset(x + 2, y, GN)
        g.wset(x + 2, y - 1, GN)
    speckle(g, 43, [(0.04, NI)])
    return g


def dirt():
    return speckle(fill(BR), 29, [(0.10, DB), (0.15, TN)])


def sand():
    g = speckle(fill(TN), 35, [(0.06, BR), (0.09, WH)])
    for y, x0 in ((5, 2), (13, 11), (20, 4)):
        for k in range(6):
            g.wset(x0 + k, y + (1 if 1 <= k <= 4 else 0) - 1, GD if k % 2 else TN)
    return g


def flagstones(base, seam, light, dark, size=12, seed=31):
    """Square stones of `size` with a seam at their bottom and right, lit from the top left."""
    g = fill(base)
    for y in range(24):
        for x in range(24):
            sx, sy = x % size, y % size
            if sx == size - 1 or sy == size - 1:
                g.set(x, y, seam)
            elif sx == 0 or sy == 0:
                g.set(x, y, light)
            elif sx == size - 2 or sy == size - 2:
                g.set(x, y, dark)
            elif noise(x, y, seed) < 0.07:
                g.set(x, y, dark)
    return g


def castle_floor():
    return flagstones(LG, GY, WH, GY)


def cobbles():
    g = fill(DG)
    # rounded stones, two rows of three per 12 pixels, every second row shifted
    for row in range(4):
        for col in range(4):
            cx = col * 6 + (3 if row % 2 else 0) + 2.5
            cy = row * 6 + 2.5
            for dy in range(-2, 3):
                for dx in range(-2, 3):
                    if abs(dx) + abs(dy) <= 3:
                        x, y = int(cx + dx), int(cy + dy)
                        c = GY
                        if dx + dy <= -2:
                            c = LG
                        elif dx + dy >= 2:
                            c = DG if abs(dx) + abs(dy) == 3 else GY
                        g.wset(x, y, c)
    return g


def wood_floor():
    g = fill(TN)
    for y in range(24):
        band = y // 6
        if y % 6 == 5:
            g.hline(0, 23, y, BR)
        elif y % 6 == 0:
            g.hline(0, 23, y, TN)
        for x in range(24):
            if y % 6 != 5 and noise(x, band, 5) < 0.10:
                g.set(x, y, BR)
        joint = (band * 9 + 4) % 24
        g.vline(joint, band * 6, band * 6 + 4, BR)
    return g


def carpet():
    """Woven dark wine with a lattice of gold thread and a red knot in each: dark, so that the
    red of the king's robe and of the hero's cape stands out on it."""
    g = fill(DB)
    for y in range(24):
        for x in range(24):
            u, v = (x + y) % 12, (x - y) % 12
            if u == 0 or v == 0:
                g.set(x, y, GD if (x + y) % 4 == 0 else BR)
            elif u == 6 and v == 6:
                g.set(x, y, GD)
            elif (u in (5, 7) and v == 6) or (v in (5, 7) and u == 6):
                g.set(x, y, RD)
            elif (x + 2 * y) % 4 == 0 and noise(x, y, 33) < 0.3:
                g.set(x, y, NI)
    return g


def speckle_overlay(g, seed, limit, c, only_on):
    for y in range(24):
        for x in range(24):
            if g.get(x, y) == only_on and noise(x, y, seed) < limit:
                g.set(x, y, c)


def water():
    g = fill(LB)
    for i, (x0, y0) in enumerate(((2, 4), (13, 8), (6, 15), (17, 19), (20, 2))):
        for k in range(5):
            g.wset(x0 + k, y0 + (0 if 1 <= k <= 3 else 1), WH if k == 2 else LB)
            g.wset(x0 + k, y0 + (1 if 1 <= k <= 3 else 2), BL if k in (0, 4) else LB)
        g.wset(x0 + 1, y0, WH)
        g.wset(x0 + 3, y0, WH)
    speckle_overlay(g, 24, 0.06, BL, LB)
    return g


def deep_sea():
    g = fill(BL)
    speckle_overlay(g, 20, 0.10, NI, BL)
    for x0, y0 in ((3, 6), (15, 16)):
        g.hline(x0, x0 + 3, y0, LB)
        g.points([(x0 - 1, y0 + 1), (x0 + 4, y0 + 1)], LB)
    return g


def swamp():
    g = fill(OL)
    for i in range(6):
        x = int(noise(i, 0, 25) * 24)
        y = int(noise(i, 1, 25) * 24)
        g.disc(x, y, 2.6, 1.6, DGN, wrap=True)
    speckle_overlay(g, 26, 0.07, DB, OL)
    for x, y in ((6, 6), (17, 13), (9, 19)):
        g.points([(x, y - 1), (x - 1, y), (x + 1, y), (x, y + 1)], LGN)
        g.set(x, y, OL)
        g.set(x - 1, y - 1, WH)
    g.set(20, 4, LGN)
    g.set(3, 13, LGN)
    return g


def lava():
    g = fill(RD)
    # dark crust plates divided by bright cracks
    for y in range(24):
        for x in range(24):
            v = noise(x // 3, y // 3, 26)
            if v < 0.22:
                g.set(x, y, DB)
    cracks = [((0, 5), (5, 7), (9, 4), (14, 6), (19, 3), (24, 5)),
              ((3, 24), (4, 18), (8, 14), (13, 15), (16, 19), (21, 17), (24, 18)),
              ((9, 4), (10, 9), (8, 14)), ((19, 3), (18, 0)), ((16, 19), (15, 24))]
    for path in cracks:
        for (x0, y0), (x1, y1) in zip(path, path[1:]):
            steps = max(abs(x1 - x0), abs(y1 - y0))
            for s in range(steps + 1):
                x = round(x0 + (x1 - x0) * s / steps)
                y = round(y0 + (y1 - y0) * s / steps)
                g.wset(x, y, GD)
                if g.get(x % 24, (y + 1) % 24) == DB:
                    g.wset(x, y + 1, RD)
    for x, y in ((4, 11), (20, 10), (12, 21)):
        g.set(x, y, WH)
        g.points([(x + 1, y), (x, y + 1)], GD)
    return g


def gravel():
    g = fill(DB)
    for y in range(0, 24, 2):
        for x in range(0, 24, 2):
            v = noise(x, y, 40)
            if v < 0.85:
                c = [GY, LG, DG, BR][int(noise(x, y, 41) * 4)]
                g.set(x + (y // 2) % 2, y, c)
                g.set(x + (y // 2) % 2 + (1 if v < 0.4 else 0), y + (0 if v < 0.4 else 1),
                      GY if c == LG else c)
    return g


def tilled():
    g = fill(BR)
    for y in range(24):
        if y % 4 == 3:
            g.hline(0, 23, y, DB)
        elif y % 4 == 0:
            g.hline(0, 23, y, TN)
            for x in range(24):
                if noise(x, y, 41) < 0.5:
                    g.set(x, y, BR)
    for x, y in ((3, 1), (11, 5), (19, 9), (7, 13), (15, 17), (22, 21)):
        g.set(x, y, LGN)
        g.set(x + 1, y, GN)
    return g


def wheat():
    """Ripe ears in rows, each row shading the foot of the one above it."""
    g = fill(GD)
    for y in range(24):
        for x in range(24):
            s = (y + (2 if (x // 4) % 2 else 0)) % 8
            if s == 7:
                g.set(x, y, BR)
            elif s == 6:
                g.set(x, y, BR if x % 2 else GD)
            elif s in (0, 1) and x % 2 == 0:
                g.set(x, y, TN)
            elif s in (2, 3, 4) and x % 4 == 1:
                g.set(x, y, BR if s == 4 else GD)
    speckle_overlay(g, 44, 0.04, TN, GD)
    return g


def snow():
    g = fill(WH)
    speckle_overlay(g, 39, 0.05, LG, WH)
    for x0, y0 in ((3, 8), (14, 18), (17, 4)):
        g.hline(x0, x0 + 4, y0, LB)
        g.hline(x0 + 1, x0 + 3, y0 - 1, WH)
    return g


def plaza():
    g = fill(LG)
    for y in range(24):
        for x in range(24):
            ax, ay = x % 12, y % 12
            d = abs(ax - 5.5) + abs(ay - 5.5)
            if d < 5:
                g.set(x, y, TN)
            elif d < 6:
                g.set(x, y, BR)
            if ax == 11 or ay == 11:
                g.set(x, y, GY)
            if d < 1.5:
                g.set(x, y, GD)
    return g


def cave_floor():
    g = speckle(fill(DG), 47, [(0.10, NI), (0.18, DB)])
    for x, y in ((4, 5), (15, 11), (8, 18), (20, 21)):
        g.rect(x, y, x + 2, y + 1, GY)
        g.set(x, y, LG)
        g.hline(x, x + 2, y + 2, NI)
    return g


def ash():
    """Cinders on the crater's paths: dark and fine, with a few embers still glowing."""
    g = speckle(fill(DG), 37, [(0.12, NI), (0.20, GY)])
    for x, y in ((5, 4), (17, 9), (9, 16), (20, 20)):
        g.set(x, y, RD)
        g.set(x + 1, y, GD if (x + y) % 2 else RD)
    return g


def rune_mark():
    """A special place: a rune cut into the bare rock, glowing blue, the rock round it lit."""
    g = cave_floor()
    for y in range(24):
        for x in range(24):
            d = ((x - 11.5) ** 2 + (y - 11.5) ** 2) ** 0.5
            if d < 9.5 and g.get(x, y) in (NI, DB) and noise(x, y, 48) < 0.7:
                g.set(x, y, BL)
    for y in range(24):
        for x in range(24):
            d = ((x - 11.5) ** 2 + (y - 11.5) ** 2) ** 0.5
            if 8.0 <= d < 9.0:
                g.set(x, y, LB)
    # the rune: a diamond crossed by a stave, cut deep (a dark lower edge) and glowing
    stroke = []
    for k in range(6):
        stroke += [(11 - k, 5 + k), (12 + k, 5 + k), (11 - k, 18 - k), (12 + k, 18 - k)]
    stroke += [(11, y) for y in range(3, 21)]
    for x, y in stroke:
        g.set(x, y + 1, NI)
    for x, y in stroke:
        g.set(x, y, WH if (x, y) in ((11, 3), (11, 11), (11, 20)) else LB)
    return g


def ruins_floor():
    """The castle's own flagstones, long sunk in the swamp: worn and cracked, moss in the seams;
    a few marks only, because the floor covers whole courtyards, and the same stones, so the
    old pillars and statues stand on them as in the castle."""
    g = castle_floor()
    g.points([(3, 3), (4, 4), (4, 5), (5, 6), (15, 14), (16, 15), (16, 16), (17, 17)], DG)
    g.points([(14, 2), (15, 2), (14, 3)], GY)  # a chipped corner
    for x, y in ((0, 11), (1, 11), (11, 6), (11, 7), (23, 20), (8, 23), (11, 18), (12, 11)):
        g.set(x, y, GN)
    return g


# ---- walls ------------------------------------------------------------------------------

def stone_wall(base=GY, light=LG, dark=DG, mortar=NI):
    g = fill(base)
    for y in range(24):
        row = y // 6
        shift = 6 if row % 2 else 0
        for x in range(24):
            bx = (x + shift) % 12
            by = y % 6
            if by == 5 or bx == 11:
                g.set(x, y, mortar)
            elif by == 0 or bx == 0:
                g.set(x, y, light)
            elif by == 4 or bx == 10:
                g.set(x, y, dark)
            elif noise(x, y, 11 + base) < 0.06:
                g.set(x, y, dark)
    return g


def battlement():
    g = stone_wall(DG, GY, NI, NI)
    g.rect(0, 0, 23, 11, NI)
    for x0 in (1, 13):
        g.rect(x0, 1, x0 + 8, 10, GY)
        g.hline(x0, x0 + 8, 1, LG)
        g.vline(x0, 1, 10, LG)
        g.hline(x0 + 1, x0 + 8, 10, DG)
        g.vline(x0 + 8, 2, 10, DG)
    g.hline(0, 23, 11, NI)
    return g


def brick_wall():
    g = fill(RD)
    for y in range(24):
        row = y // 4
        shift = 4 if row % 2 else 0
        for x in range(24):
            bx, by = (x + shift) % 8, y % 4
            if by == 3 or bx == 7:
                g.set(x, y, GY)
            elif by == 2 or bx == 6:
                g.set(x, y, DB)
            elif by == 0 and bx < 5 and noise(x, y, 3) < 0.5:
                g.set(x, y, TN if noise(x, y, 4) < 0.2 else RD)
    return g


def wood_wall():
    g = fill(BR)
    for y in range(24):
        s = y % 8
        if s == 7:
            g.hline(0, 23, y, NI)
        elif s == 0:
            g.hline(0, 23, y, TN)
        elif s == 6:
            g.hline(0, 23, y, DB)
        for x in range(24):
            if 1 <= s <= 5 and noise(x, y // 8, 4) < 0.12:
                g.set(x, y, DB)
    for y0 in (0, 8, 16):
        x = (y0 * 5 + 3) % 24
        g.vline(x, y0, y0 + 6, NI)
        g.points([(x + 2, y0 + 3), (x - 2, y0 + 3)], GY)
    return g


# ---- things on the ground ----------------------------------------------------------------

def on(ground, thing):
    g = ground.copy()
    g.paste(thing)
    return g


def leafy_tree():
    g = grass()
    shadow(g, 13, 21, 7, 2.2)
    t = Grid()
    t.rect(11, 16, 13, 21, BR)
    t.vline(13, 16, 21, DB)
    t.disc(12, 9.5, 9.5, 8, GN)
    t.disc(10, 7.5, 6, 5, LGN)
    t.shade_where(lambda x, y: (x - 12) + (y - 9.5) * 1.2 > 8, {GN: DGN, LGN: GN})
    # leaf clumps: a dark underside with a lit edge above it
    for x, y in ((6, 6), (9, 11), (14, 5), (16, 12), (11, 14), (5, 10), (18, 8)):
        t.set(x, y, DGN)
        t.set(x - 1, y - 1, LGN)
    t.outline(NI)
    return on(g, t)


def pine_tree():
    g = grass(2)
    shadow(g, 13, 21, 6, 2)
    t = Grid()
    t.rect(11, 18, 13, 21, BR)
    t.vline(13, 18, 21, DB)
    for top, half, bottom in ((1, 4, 7), (5, 6, 12), (10, 8, 18)):
        for y in range(top, bottom + 1):
            w = int(half * (y - top + 1) / (bottom - top + 1)) + 1
            t.hline(12 - w, 11 + w, y, GN)
            t.hline(12, 11 + w, y, DGN)
            t.set(12 - w, y, LGN)
        t.hline(12 - half, 11 + half, bottom, DGN)
    t.outline(NI)
    return on(g, t)


def forest():
    """Treetops packed in staggered rows; a lower crown hides the underside of the one behind."""
    rx, ry = 6.4, 5.6
    centres = [(6, 5), (18, 5), (0, 11), (12, 11), (6, 17), (18, 17), (0, 23), (12, 23)]
    copies = [(cx + ox, cy + oy) for cx, cy in centres for ox in (-24, 0, 24) for oy in (-24, 0, 24)]

    def owner(x, y):
        front = None
        for cx, cy in copies:
            if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                if front is None or cy > front[1]:
                    front = (cx, cy)
        return front

    g = fill(NI)
    for y in range(24):
        for x in range(24):
            front = owner(x, y)
            if front is None:
                continue
            dx, dy = x - front[0], y - front[1]
            c = GN
            if dx + dy < -5:
                c = LGN
            elif dx + dy > 3:
                c = DGN
            if owner(x, y + 1) != front:
                c = NI
            elif owner(x, y + 2) != front:
                c = DGN
            elif noise(x, y, 7) < 0.06:
                c = DGN if c == GN else GN
            g.set(x, y, c)
    return g


def mountain(snowy):
    """A peak whose foot fills the tile's width, so a range of them reads as one massif:
    the lit west face grey and brown in strata, the east face in shadow, the ground in the top
    corners only."""
    g = snow() if snowy else gravel()  # snowy peaks rise from snow fields, rocky ones from scree
    m = Grid()

    def half(y):
        return (y - 1) * 13 // 17 + 1

    for y in range(1, 24):
        ridge = 12 + (1 if y > 12 else 0) - (1 if y % 6 == 3 else 0)
        for x in range(12 - half(y), 12 + half(y)):
            lit = x < ridge
            stratum = (y + (x if lit else -x) // 2) % 5 == 0
            if lit:
                c = BR if stratum else GY
                if noise(x, y, 9) < 0.12:
                    c = LG
            else:
                c = DB if stratum else DG
                if noise(x, y, 8) < 0.12:
                    c = BR
            m.set(x, y, c)
    if snowy:
        for y in range(1, 9):
            for x in range(12 - half(y), 12 + half(y)):
                m.set(x, y, WH if x < 12 + (1 if y > 6 else 0) else LG)
        m.points([(9, 9), (10, 10), (11, 9), (13, 9), (14, 10), (7, 9)], WH)
        m.points([(15, 9), (16, 9)], LG)
    m.outline(NI)
    return on(g, m)


def boulder():
    g = gravel()  # boulders lie where the mountains shed them
    shadow(g, 13, 19, 8, 3)
    b = Grid()
    b.disc(12, 13, 8, 6.5, GY)
    b.disc(10, 11, 5, 3.5, LG)
    b.shade_where(lambda x, y: (x - 12) + (y - 13) > 5, {GY: DG, LG: GY})
    b.points([(8, 9), (9, 9), (7, 10)], WH)
    b.points([(14, 14), (15, 15), (13, 16)], DG)
    b.outline(NI)
    return on(g, b)


def fence():
    """Two rails that run on into the next fence tile, nailed to two posts."""
    g = grass(5)
    for x in (4, 16):
        shadow(g, x + 4, 20, 2, 1)
    for y in (8, 14):
        g.hline(0, 23, y - 1, NI)
        g.hline(0, 23, y, TN)
        g.hline(0, 23, y + 1, BR)
        g.hline(0, 23, y + 2, NI)
    for x in (4, 16):
        g.rect(x - 1, 4, x + 3, 20, NI)
        g.rect(x, 5, x + 2, 19, BR)
        g.vline(x, 5, 19, TN)
        g.vline(x + 2, 6, 19, DB)
    return g


def pillar():
    g = castle_floor()
    shadow(g, 15, 21, 7, 2)
    p = Grid()
    p.rect(7, 1, 16, 3, LG)
    p.hline(7, 16, 1, WH)
    p.rect(8, 4, 15, 18, LG)
    p.vline(8, 4, 18, WH)
    p.rect(13, 4, 15, 18, GY)
    p.vline(15, 4, 18, DG)
    p.vline(11, 5, 17, GY)
    p.rect(6, 19, 17, 21, GY)
    p.hline(6, 17, 19, LG)
    p.hline(6, 17, 21, DG)
    p.outline(NI)
    return on(g, p)


def throne():
    g = carpet()
    shadow(g, 13, 21, 8, 2)
    t = Grid()
    t.rect(6, 1, 17, 20, GD)
    t.rect(8, 3, 15, 12, RD)
    t.rect(6, 13, 17, 17, GD)
    t.rect(8, 14, 15, 16, RD)
    t.rect(5, 11, 6, 18, GD)
    t.rect(17, 11, 18, 18, BR)
    t.points([(6, 0), (11, 0), (12, 0), (17, 0)], GD)
    t.vline(17, 1, 20, BR)
    t.hline(6, 17, 20, BR)
    t.vline(6, 1, 17, WH)
    t.set(11, 6, GD)
    t.set(12, 6, GD)
    t.vline(15, 3, 12, DB)
    t.rect(7, 18, 8, 20, BR)
    t.rect(15, 18, 16, 20, BR)
    t.rect(9, 18, 14, 20, None)
    t.outline(NI)
    return on(g, t)


def table():
    g = wood_floor()
    shadow(g, 13, 18, 10, 3)
    t = Grid()
    t.rect(2, 6, 21, 14, BR)
    t.hline(2, 21, 6, TN)
    t.hline(2, 21, 14, DB)
    t.rect(3, 15, 4, 19, DB)
    t.rect(19, 15, 20, 19, DB)
    t.rect(9, 7, 11, 9, WH)   # a cup and a plate on top
    t.set(11, 9, LG)
    t.rect(14, 8, 17, 10, LG)
    t.hline(14, 17, 8, WH)
    t.outline(NI)
    return on(g, t)


def bookshelf():
    g = fill(DB)
    g.rect(1, 0, 22, 23, BR)
    g.vline(1, 0, 23, TN)
    g.vline(22, 0, 23, DB)
    colours = [RD, BL, GN, GD, LB, RD, TN, GN, BL, GD]
    for shelf, y0 in enumerate((1, 9, 17)):
        g.rect(3, y0, 20, y0 + 5, NI)
        x = 3
        i = shelf * 3
        while x <= 19:
            w = 2 if noise(x, shelf, 15) < 0.7 else 1
            h = 5 if noise(x, shelf, 16) < 0.6 else 4
            c = colours[i % len(colours)]
            g.rect(x, y0 + 6 - h, min(x + w - 1, 20), y0 + 5, c)
            g.set(x, y0 + 6 - h, WH if c in (BL, RD, GN) else TN)
            x += w + (1 if noise(x, shelf, 17) < 0.25 else 0)
            i += 1
        g.hline(2, 21, y0 + 6, TN)
        g.hline(2, 21, y0 + 7, DB)
    return g


def barrels():
    g = castle_floor()  # the castle's store rooms keep them
    shadow(g, 14, 21, 10, 2)
    b = Grid()
    # a crate at the back right, a barrel in front on the left
    b.rect(12, 3, 21, 12, TN)
    b.hline(12, 21, 3, GD)
    b.rect(12, 13, 21, 15, BR)
    b.hline(12, 21, 15, DB)
    for i in range(10):
        b.set(12 + i, 3 + i, BR)
        b.set(21 - i, 3 + i, BR)
    b.vline(21, 3, 15, BR)
    for x0, y0 in ((2, 7), (12, 12)):
        b.disc(x0 + 4.5, y0 + 1.5, 4.5, 1.6, BR)
        b.rect(x0, y0 + 2, x0 + 9, y0 + 10, BR)
        b.disc(x0 + 4.5, y0 + 1.5, 3.5, 1.0, DB)
        b.vline(x0, y0 + 2, y0 + 10, TN)
        b.vline(x0 + 1, y0 + 2, y0 + 10, TN)
        b.vline(x0 + 8, y0 + 2, y0 + 10, DB)
        b.vline(x0 + 9, y0 + 2, y0 + 10, DB)
        for yy in (y0 + 3, y0 + 8):
            b.hline(x0, x0 + 9, yy, GY)
            b.set(x0, yy, LG)
    b.outline(NI)
    return on(g, b)


def statue():
    g = castle_floor()
    shadow(g, 14, 21, 8, 2)
    s = draw_person(Person(tunic="grey", legs="grey", boots="grey", hair="grey",
                           sleeve="grey", belt="dgrey", item="spear", head="helmet",
                           head_colour="grey", skin="lgrey"), "down")
    s = s.mapped({"out": NI, "skin": LG, "skinS": GY, "lgrey": LG, "grey": GY, "dgrey": DG,
                  "dbrown": DG, "brown": GY, "gold": LG, "white": WH, "red": GY})
    for y in range(24):
        for x in range(24):
            if s.get(x, y) is not None and y >= 19:
                s.set(x, y, None)
    body = Grid()
    body.paste(s)
    body.rect(5, 18, 18, 21, GY)
    body.hline(5, 18, 18, LG)
    body.hline(5, 18, 21, DG)
    body.vline(18, 18, 21, DG)
    body.outline(NI)
    return on(g, body)


def hedge():
    """Round leaf clumps that join on every side, so a row or a column of hedges is one hedge."""
    g = fill(DGN)
    for row in range(3):
        for col in range(3):
            cx = col * 8 + (4 if row % 2 else 0) + 3.5
            cy = row * 8 + 3.5
            for dy in range(-5, 6):
                for dx in range(-5, 6):
                    d = (dx - 0.5) ** 2 + (dy - 0.5) ** 2
                    if d > 20:
                        continue
                    c = GN
                    if d > 14 and dx + dy > 1:
                        c = NI
                    elif dx + dy <= -2 and d <= 10:
                        c = LGN
                    elif dx + dy >= 4:
                        c = DGN
                    g.wset(int(cx + dx), int(cy + dy), c)
    speckle_overlay(g, 18, 0.08, LGN, GN)
    return g


def magic_circle():
    g = flagstones(GY, DG, LG, DG, seed=19)
    for y in range(24):
        for x in range(24):
            d = ((x - 11.5) ** 2 + (y - 11.5) ** 2) ** 0.5
            if 9.2 <= d < 10.4:
                g.set(x, y, LB)
            elif 10.4 <= d < 11.2:
                g.set(x, y, BL)
            elif 5.0 <= d < 6.0:
                g.set(x, y, LB)
            elif d < 2.0:
                g.set(x, y, WH)
            elif d < 3.0:
                g.set(x, y, LB)
    # a star of six points joining the rings
    for k in range(6):
        a = math.pi / 2 + k * math.pi / 3
        for r in range(6, 10):
            g.set(round(11.5 + r * math.cos(a)), round(11.5 - r * math.sin(a)), WH)
    g.points([(4, 4), (19, 4), (4, 19), (19, 19)], WH)
    return g


def fountain():
    """A round basin on a square stone plinth of its own, so that it sits as well on a paved
    square as in a flower bed."""
    g = fill(GY)
    g.hline(0, 23, 0, LG)
    g.vline(0, 0, 23, LG)
    g.hline(1, 23, 23, DG)
    g.vline(23, 1, 23, DG)
    f = Grid()
    f.disc(11.5, 12.5, 11, 10, LG)
    f.disc(11.5, 12.5, 8.4, 7.4, BL)
    f.disc(11.5, 11.5, 7.6, 6.4, LB)
    f.shade_where(lambda x, y: (x - 11.5) + (y - 12.5) > 10, {LG: GY})
    f.rect(10, 5, 13, 12, LG)
    f.vline(13, 5, 12, GY)
    f.rect(9, 4, 14, 4, WH)
    f.points([(11, 1), (12, 1), (10, 2), (13, 2), (9, 3), (14, 3), (8, 5), (15, 5), (7, 8),
              (16, 8)], WH)
    f.points([(7, 13), (16, 13), (9, 15), (14, 15)], WH)
    f.outline(NI)
    return on(g, f)


def door():
    g = stone_wall()
    d = Grid()
    d.rect(5, 4, 18, 23, NI)
    d.rect(6, 5, 17, 23, BR)
    d.disc(11.5, 7, 6, 4, NI)
    d.disc(11.5, 7.5, 5, 3.5, BR)
    for x in (8, 11, 14):
        d.vline(x, 5, 23, DB)
    d.vline(6, 5, 23, TN)
    d.vline(17, 5, 23, DB)
    for y in (9, 18):
        d.hline(6, 17, y, GY)
    d.set(15, 14, GD)
    d.set(15, 15, BR)
    d.hline(4, 19, 23, DG)
    # the arch stones round the door
    for x, y in ((4, 6), (5, 3), (8, 1), (11, 1), (12, 1), (15, 1), (18, 3), (19, 6)):
        d.set(x, y, LG)
    g.paste(d)
    return g


def signpost():
    g = grass(7)
    shadow(g, 13, 21, 5, 1.5)
    s = Grid()
    s.rect(11, 12, 12, 21, BR)
    s.vline(12, 12, 21, DB)
    s.rect(3, 3, 20, 12, TN)
    s.hline(3, 20, 3, GD)
    s.hline(3, 20, 12, BR)
    s.vline(20, 3, 12, BR)
    for y, x1 in ((6, 16), (9, 13)):
        s.hline(6, x1, y, DB)
    s.outline(NI)
    return on(g, s)


def bridge():
    """Boards laid across with dark gaps between them; no rails, so a bridge of any width and
    either direction is one deck."""
    g = fill(BR)
    for y in range(24):
        row, s = y // 4, y % 4
        if s == 3:
            g.hline(0, 23, y, NI)
            continue
        if s == 0:
            g.hline(0, 23, y, TN)
        for x in range(24):
            if s != 0 and noise(x, row, 34) < 0.12:
                g.set(x, y, DB)
        joint = (row * 9 + 5) % 24  # long boards, their ends staggered
        g.set(joint, y, NI)
        if s == 1:
            g.points([(joint - 1, y), (joint + 1, y), ((joint + 12) % 24, y)], GY)
    return g


def pier():
    g = fill(BL)
    for x0 in range(0, 24, 6):
        g.rect(x0, 0, x0 + 4, 23, TN)
        g.vline(x0 + 4, 0, 23, BR)
        g.vline(x0 + 5, 0, 23, BL)
        for y in range(24):
            if noise(x0, y, 43) < 0.12:
                g.set(x0 + 1 + int(noise(x0, y, 44) * 3), y, BR)
        g.hline(x0, x0 + 4, (x0 * 3 + 9) % 24, BR)
    for y in (0, 1, 2, 12, 13, 14):
        g.set(5, y, BL)
        g.set(17, y, BL)
    for x, y in ((2, 6), (14, 6), (8, 18), (20, 18)):
        g.set(x, y, NI)
    return g


def gateway():
    g = flagstones(LG, GY, WH, GY)
    wall = stone_wall()
    for y in range(24):
        for x in list(range(0, 5)) + list(range(19, 24)):
            g.set(x, y, wall.get(x, y))
    g.vline(5, 0, 23, NI)
    g.vline(18, 0, 23, NI)
    g.rect(6, 0, 17, 2, DG)   # the shade under the arch
    g.hline(6, 17, 3, GY)
    g.vline(6, 0, 23, GY)
    g.vline(17, 0, 23, GY)
    return g


def flower_garden():
    g = fill(DB)
    speckle_overlay(g, 46, 0.15, BR, DB)
    colours = [RD, GD, WH, LB, RD, WH]
    for i, (cx, cy) in enumerate(((3, 3), (10, 2), (17, 4), (6, 9), (14, 10), (21, 11),
                                  (2, 15), (10, 16), (18, 17), (6, 21), (14, 22), (21, 22))):
        g.wset(cx - 1, cy + 2, GN)
        g.wset(cx + 1, cy + 2, LGN)
        g.wset(cx, cy + 2, GN)
        g.wset(cx, cy + 1, GN)
        c = colours[i % len(colours)]
        for dx, dy in ((0, -1), (-1, 0), (1, 0), (0, 1)):
            g.wset(cx + dx, cy + dy - 1, c)
        g.wset(cx, cy - 1, GD if c != GD else WH)
    return g


def flower_grass():
    g = grass(8)
    for i, (x, y, c) in enumerate(((4, 5, WH), (15, 3, GD), (9, 13, RD), (19, 15, WH),
                                   (3, 20, GD), (13, 21, WH))):
        g.points([(x, y - 1), (x - 1, y), (x + 1, y), (x, y + 1)], c)
        g.set(x, y, GD if c != GD else RD)
    return g


# ---- the town folk -----------------------------------------------------------------------

def townsperson(ground, person):
    g = ground.copy()
    shadow(g, 11.5, 22, 6, 1.6)
    g.paste(draw_person(person, "down").mapped(PEOPLE))
    return g


FOLK = [
    ("the king", carpet, Person(tunic="red", sleeve="red", legs="red", boots="gold", belt="gold",
                                robe=True, cape="gold", head="crown", hair="white",
                                beard="white")),
    ("castle guard", castle_floor, Person(tunic="blue", legs="dgrey", boots="dbrown",
                                          belt="gold", head="helmet", head_colour="lgrey",
                                          sleeve="lgrey", item="spear")),
    ("town guard", grass, Person(tunic="red", legs="dbrown", boots="dbrown", head="helmet",
                                   head_colour="grey", sleeve="grey", item="spear")),
    ("farmer", tilled, Person(tunic="green", legs="brown", hair="dbrown", belt="dbrown",
                              head="cap", head_colour="gold")),
    ("townswoman", cobbles, Person(tunic="red", dress="blue", legs="tan", boots="dbrown",
                                   hair="gold", hair_style="long", belt="white")),
    ("old sage", wood_floor, Person(tunic="white", robe=True, belt="lblue", hair_style="bald",
                                    beard="white", item="staff", hair="lgrey")),
    ("merchant", plaza, Person(tunic="gold", legs="brown", head="cap", head_colour="green",
                                 belt="dbrown", item="bag")),
    ("child", grass, Person(tunic="lblue", legs="blue", hair="brown", child=True)),
]


def tiles():
    """The 56 tiles in order, as (name, grid of palette indices)."""
    plan = [
        ("special event: glowing rune", rune_mark),
        ("castle stone wall", stone_wall),
        ("castle battlement", battlement),
        ("brick house wall", brick_wall),
        ("wooden house wall", wood_wall),
        ("round leafy tree", leafy_tree),
        ("pine tree", pine_tree),
        ("dense forest", forest),
        ("rocky mountain", lambda: mountain(False)),
        ("snow-capped mountain", lambda: mountain(True)),
        ("boulder", boulder),
        ("wooden fence", fence),
        ("stone pillar", pillar),
        ("throne", throne),
        ("table", table),
        ("bookshelf", bookshelf),
        ("barrels and crates", barrels),
        ("stone statue", statue),
        ("hedge", hedge),
        ("magic circle", magic_circle),
        ("deep sea", deep_sea),
        ("fountain", fountain),
        ("door", door),
        ("signpost", signpost),
        ("shallow water", water),
        ("swamp", swamp),
        ("lava", lava),
        ("grass", grass),
        ("grass with flowers", flower_grass),
        ("dirt road", dirt),
        ("cobblestone road", cobbles),
        ("castle floor", castle_floor),
        ("wooden floor", wood_floor),
        ("carpet", carpet),
        ("bridge", bridge),
        ("sand", sand),
        ("dark meadow", dark_grass),
        ("ash", ash),
        ("town plaza", plaza),
        ("snow field", snow),
        ("gravel", gravel),
        ("tilled field", tilled),
        ("wheat field", wheat),
        ("wooden pier", pier),
        ("cracked ruins floor", ruins_floor),
        ("open gateway", gateway),
        ("flower garden", flower_garden),
        ("bare rock and cave floor", cave_floor),
    ]
    out = [(name, make()) for name, make in plan]
    for name, ground, person in FOLK:
        out.append((name, townsperson(ground(), person)))
    return out
