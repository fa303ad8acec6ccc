"""Small drawing kit for 24 x 24 indexed pixel art: a grid of palette entries, shapes,
seamless noise, outlining and shading, and writing the sheet source text."""

SIZE = 24


def noise(x, y, seed):
    """Deterministic value in [0, 1) for a pixel; wraps with the tile so textures repeat seamlessly."""
    x %= SIZE
    y %= SIZE
    h = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFF) / 65536.0


class Grid:
    """24 x 24 cells holding a colour (any hashable key) or None for 'nothing here'."""

    def __init__(self, fill=None):
        self.cells = [[fill] * SIZE for _ in range(SIZE)]

    def copy(self):
        g = Grid()
        g.cells = [row[:] for row in self.cells]
        return g

    def get(self, x, y):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            return self.cells[y][x]
        return None

    def set(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.cells[y][x] = c

    def wset(self, x, y, c):
        """Set with wrap-around, for features of a repeating texture that cross the tile edge."""
        self.cells[y % SIZE][x % SIZE] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, y0, x, y1, c)

    def disc(self, cx, cy, rx, ry, c, wrap=False):
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    (self.wset if wrap else self.set)(x, y, c)

    def points(self, pts, c):
        for x, y in pts:
            self.set(x, y, c)

    def paste(self, other):
        """Draws every non-empty cell of `other` over this grid."""
        for y in range(SIZE):
            for x in range(SIZE):
                if other.cells[y][x] is not None:
                    self.cells[y][x] = other.cells[y][x]

    def mirrored(self):
        g = Grid()
        g.cells = [row[::-1] for row in self.cells]
        return g

    def mapped(self, table):
        g = Grid()
        g.cells = [[table.get(c, c) if c is not None else None for c in row] for row in self.cells]
        return g

    def outline(self, colour):
        """Rings the drawn shape with `colour` on its empty 4-neighbours."""
        ring = []
        for y in range(SIZE):
            for x in range(SIZE):
                if self.cells[y][x] is not None:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    if self.get(x + dx, y + dy) not in (None, colour):
                        ring.append((x, y))
                        break
        for x, y in ring:
            self.cells[y][x] = colour

    def shade_where(self, predicate, table):
        """Recolours the cells at which predicate(x, y) holds through `table` (colour -> darker)."""
        for y in range(SIZE):
            for x in range(SIZE):
                c = self.cells[y][x]
                if c is not None and predicate(x, y) and c in table:
                    self.cells[y][x] = table[c]


def image_text(number, name, grid, to_char):
    lines = ["image %d %s" % (number, name)]
    for row in grid.cells:
        lines.append("".join(to_char(c) for c in row))
    return "\n".join(lines) + "\n"


def index_char(i):
    return "0123456789abcdef"[i]


def sheet_text(header, palette, images):
    """header: comment lines; palette: 16 (r, g, b); images: (name, grid of indices or None)."""
    out = ["# " + line if line else "#" for line in header]
    out.append("")
    out.append("palette")
    for i, (r, g, b) in enumerate(palette):
        out.append("%d %d %d" % (r, g, b))
    out.append("")
    for number, (name, grid) in enumerate(images):
        out.append(image_text(number, name, grid,
                              lambda c: "." if c is None else index_char(c)))
    return "\n".join(out)
