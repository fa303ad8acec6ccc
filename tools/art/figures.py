"""The people of the game, drawn once in named colours and mapped onto each sheet's palette,
so the town folk and the walking sprites share one style. Light falls from the top left: the
right-hand column and the lower rows of each part take the darker shade."""

from pixels import Grid

SHADE = {
    "skin": "skinS", "white": "lgrey", "lgrey": "grey", "grey": "dgrey", "red": "dred",
    "gold": "brown", "brown": "dbrown", "blue": "navy", "lblue": "blue", "green": "dgreen",
    "lgreen": "green", "purple": "navy", "tan": "brown",
}


def shade(c):
    return SHADE.get(c, c)


class Person:
    def __init__(self, **kw):
        self.skin = "skin"
        self.hair = "dbrown"
        self.hair_style = "short"   # short, long, bald
        self.head = None            # crown, helmet, visor, hood, cap, band
        self.head_colour = "lgrey"
        self.tunic = "blue"
        self.sleeve = None          # defaults to the tunic
        self.belt = "dbrown"
        self.legs = "brown"
        self.boots = "dbrown"
        self.robe = False           # a long robe down to the feet
        self.dress = False          # a skirt from the waist
        self.cape = None
        self.beard = None
        self.item = None            # spear, staff, sword, bag
        self.child = False
        self.__dict__.update(kw)
        if self.sleeve is None:
            self.sleeve = self.tunic


def _legs(g, p, facing, top):
    """Legs and boots from row `top` to row 21."""
    if facing in ("down", "up"):
        for x0 in (8, 13):
            g.rect(x0, top, x0 + 2, 20, p.legs)
            g.vline(x0 + 2, top, 20, shade(p.legs))
            g.rect(x0, 21, x0 + 2, 21, p.boots)
    else:  # a walking stride seen from the right
        g.rect(9, top, 11, 19, shade(p.legs))
        g.rect(8, 20, 10, 21, p.boots)
        g.rect(12, top, 14, 20, p.legs)
        g.rect(12, 21, 15, 21, p.boots)


def _body(g, p, facing, top, bottom):
    x0, x1 = (7, 16) if facing in ("down", "up") else (8, 15)
    g.rect(x0, top, x1, bottom, p.tunic)
    g.vline(x1, top, bottom, shade(p.tunic))
    g.hline(x0, x1, bottom, shade(p.tunic))
    if p.belt and not p.robe:
        g.hline(x0, x1, bottom - 1, p.belt)
        if facing == "down":
            g.set(11, bottom - 1, "gold")
    if p.robe:
        # the robe flares a little towards the hem
        g.rect(x0 - 1, 18, x1 + 1, 21, p.tunic)
        g.vline(x1 + 1, 18, 21, shade(p.tunic))
        g.hline(x0 - 1, x1 + 1, 21, shade(p.tunic))
        if facing == "down":
            g.vline(11, top + 1, 20, p.belt or shade(p.tunic))
    if p.dress:
        g.rect(x0 - 1, 15, x1 + 1, 19, p.dress)
        g.vline(x1 + 1, 15, 19, shade(p.dress))
        g.hline(x0 - 1, x1 + 1, 19, shade(p.dress))


def _arms(g, p, facing, top):
    if facing in ("down", "up"):
        for x in (6, 17):
            g.rect(x, top, x, top + 4, p.sleeve if x == 6 else shade(p.sleeve))
            g.set(x, top + 5, p.skin)
    else:
        g.rect(11, top + 1, 12, top + 4, shade(p.sleeve))
        g.rect(11, top + 5, 12, top + 5, p.skin)


def _head(g, p, facing, top):
    """An 8 x 8 head from row `top`, x 8..15."""
    g.rect(8, top + 1, 15, top + 6, p.skin)
    g.rect(9, top, 14, top + 7, p.skin)
    if facing == "down":
        g.vline(15, top + 2, top + 6, p.skin)
        g.set(14, top + 7, "skinS")
        g.points([(10, top + 4), (13, top + 4)], "out")
        if p.hair_style != "bald":
            g.rect(9, top, 14, top + 1, p.hair)
            g.rect(8, top + 1, 15, top + 2, p.hair)
            g.points([(8, top + 3), (15, top + 3)], p.hair)
            if p.hair_style == "long":
                g.rect(8, top + 3, 8, top + 8, p.hair)
                g.rect(15, top + 3, 15, top + 8, shade(p.hair))
        else:
            g.set(9, top, "white")
    elif facing == "up":
        if p.hair_style != "bald":
            g.rect(9, top, 14, top + 7, p.hair)
            g.rect(8, top + 1, 15, top + 6, p.hair)
            g.vline(15, top + 2, top + 6, shade(p.hair))
            g.hline(9, 14, top + 7, shade(p.hair))
            if p.hair_style == "long":
                g.rect(9, top + 7, 14, top + 9, p.hair)
                g.vline(14, top + 7, top + 9, shade(p.hair))
        else:
            g.set(9, top, "white")
    else:  # facing right
        g.set(16, top + 4, p.skin)  # the nose
        g.set(14, top + 3, "out")
        g.set(15, top + 6, "skinS")
        if p.hair_style != "bald":
            g.rect(9, top, 14, top + 1, p.hair)
            g.rect(8, top + 1, 11, top + 6, p.hair)
            g.rect(9, top + 7, 11, top + 7, shade(p.hair))
            g.set(12, top + 2, p.hair)
            if p.hair_style == "long":
                g.rect(8, top + 7, 10, top + 9, p.hair)
        g.set(11, top + 4, "skinS")  # the ear


def _headwear(g, p, facing, top):
    c = p.head_colour
    if p.head == "crown":
        g.hline(8, 15, top, "gold")
        g.hline(8, 15, top - 1, "gold")
        g.points([(8, top - 2), (11, top - 2), (12, top - 2), (15, top - 2),
                  (8, top - 3), (11, top - 3), (15, top - 3)], "gold")
        g.points([(15, top), (15, top - 1)], "brown")
        g.set(11 if facing != "up" else 12, top - 1, "red")
        if facing == "right":
            g.set(13, top - 1, "lblue")
    elif p.head in ("helmet", "visor"):
        g.rect(9, top - 1, 14, top - 1, c)
        g.rect(8, top, 15, top + 2, c)
        g.vline(15, top, top + 2, shade(c))
        g.set(10, top, "white")
        if p.head == "visor":
            if facing == "down":
                g.rect(8, top + 3, 15, top + 6, c)
                g.vline(15, top + 3, top + 6, shade(c))
                g.hline(9, 14, top + 4, "out")
                g.vline(11, top + 5, top + 6, shade(c))
            elif facing == "up":
                g.rect(8, top + 3, 15, top + 6, c)
                g.vline(15, top + 3, top + 6, shade(c))
                g.hline(8, 15, top + 6, shade(c))
            else:
                g.rect(8, top + 3, 15, top + 6, c)
                g.rect(16, top + 3, 16, top + 5, shade(c))
                g.hline(13, 16, top + 4, "out")
            g.points([(11, top - 2), (12, top - 2), (12, top - 3)], "red")  # plume
        elif facing == "right":
            g.rect(8, top + 3, 10, top + 5, c)
    elif p.head == "hood":
        g.rect(9, top - 1, 14, top - 1, c)
        g.rect(8, top, 15, top + 1, c)
        g.vline(15, top, top + 1, shade(c))
        if facing == "down":
            g.rect(7, top + 1, 8, top + 7, c)
            g.rect(15, top + 1, 16, top + 7, shade(c))
        elif facing == "up":
            g.rect(7, top, 16, top + 8, c)
            g.vline(16, top, top + 8, shade(c))
            g.hline(8, 15, top + 8, shade(c))
        else:
            g.rect(7, top, 11, top + 8, c)
            g.set(12, top + 1, c)
        g.set(12 if facing != "right" else 10, top - 2, c)
    elif p.head == "cap":
        g.rect(9, top - 1, 14, top, c)
        g.rect(8, top, 15, top + 1, c)
        g.vline(15, top - 1, top + 1, shade(c))
        if facing == "down":
            g.hline(8, 15, top + 1, shade(c))
        elif facing == "right":
            g.hline(13, 17, top + 1, shade(c))
    elif p.head == "band":
        g.hline(8, 15, top + 2, c)
        if facing == "up":
            g.points([(13, top + 3), (14, top + 4), (13, top + 5)], c)
        elif facing == "right":
            g.points([(8, top + 3), (7, top + 4)], c)


def _beard(g, p, facing, top):
    if not p.beard:
        return
    c = p.beard
    if facing == "down":
        g.rect(9, top + 5, 14, top + 9, c)
        g.rect(10, top + 10, 13, top + 11, c)
        g.vline(14, top + 6, top + 9, shade(c))
        g.points([(10, top + 5), (13, top + 5)], "skin")
        g.hline(11, 12, top + 6, "out")
    elif facing == "right":
        g.rect(12, top + 5, 15, top + 8, c)
        g.rect(13, top + 9, 14, top + 10, c)


def _cape(g, p, facing, top):
    if not p.cape:
        return
    c = p.cape
    if facing == "up":
        g.rect(7, top, 16, 20, c)
        g.vline(16, top, 20, shade(c))
        g.vline(11, top + 2, 19, shade(c))
        g.hline(7, 16, 20, shade(c))
    elif facing == "down":
        g.vline(6, top, top + 7, c)
        g.vline(17, top, top + 7, shade(c))
    else:
        g.rect(7, top, 8, 19, c)
        g.rect(6, top + 4, 6, 19, shade(c))


def _item(g, p, facing):
    it = p.item
    if it == "spear":
        x = {"down": 4, "up": 19, "right": 18}[facing]
        g.vline(x, 2, 21, "brown")
        g.points([(x, 0), (x, 1), (x - 1, 2), (x + 1, 2)], "lgrey")
        g.set(x, 0, "white")
        if facing == "down":
            g.set(5, 15, "skin")
    elif it == "staff":
        x = {"down": 4, "up": 19, "right": 18}[facing]
        g.vline(x, 4, 21, "brown")
        g.disc(x, 2.5, 1.3, 1.3, "lblue")
        g.set(x, 2, "white")
        if facing == "down":
            g.set(5, 15, "skin")
    elif it == "sword":
        if facing == "down":
            g.vline(5, 16, 21, "lgrey")
            g.set(5, 21, "grey")
            g.hline(4, 6, 15, "gold")
        elif facing == "right":
            g.hline(13, 19, 15, "lgrey")
            g.set(19, 15, "white")
            g.vline(13, 14, 16, "gold")
        elif facing == "up":
            g.vline(18, 16, 21, "lgrey")
            g.hline(17, 19, 15, "gold")
    elif it == "bag":
        if facing == "down":
            g.rect(15, 12, 18, 15, "tan")
            g.vline(18, 12, 15, "brown")
            g.hline(15, 18, 12, "brown")
        elif facing == "right":
            g.rect(6, 12, 8, 15, "tan")
        else:
            g.rect(14, 12, 17, 15, "tan")


def draw_person(p, facing):
    """The person on an empty grid, outlined; facing is down, up, right or left."""
    if facing == "left":
        return draw_person(p, "right").mirrored()
    g = Grid()
    head_top = 3
    if p.child:
        head_top = 7
    body_top = head_top + 8
    belt_row = 16 if not p.child else 18
    if p.child:
        _legs(g, p, facing, 20)
        g.rect(8, 19, 15, 19, p.legs)
    elif not p.robe:
        _legs(g, p, facing, belt_row + 1)
    # a cape hangs behind the body, except seen from the back, where it covers it
    if facing != "up":
        _cape(g, p, facing, body_top)
    _body(g, p, facing, body_top, belt_row)
    if facing == "up":
        _cape(g, p, facing, body_top)
    _arms(g, p, facing, body_top)
    _head(g, p, facing, head_top)
    _beard(g, p, facing, head_top)
    _headwear(g, p, facing, head_top)
    _item(g, p, facing)
    g.outline("out")
    return g
