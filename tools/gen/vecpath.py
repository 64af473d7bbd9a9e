"""Turns outlines given in design units (x right, y down, 640 x 480) into records of the vector
drawing language: simplification, clipping to a rectangle, fill seeds, and the step encoder
that keeps the pen on the exact points."""
import math

# Point slots used by the records: 27 the first point of the outline being drawn, 28 the pen
# handed from one record to the next. Places use 30 and up. (0 and 3-26 belong to figures.)
RING_SLOT = 27
HANDOVER_SLOT = 28
RECORD_LIMIT = 30000  # characters of command text per record (the reader's limit is 32 766)


def simplify(points, tolerance):
    """Douglas-Peucker simplification of a closed ring (first point repeated at the end or not)."""
    pts = list(points)
    if len(pts) > 1 and pts[0] == pts[-1]:
        pts.pop()
    if len(pts) < 4:
        return pts
    # Split the ring at its first point and the point farthest from it.
    far = max(range(len(pts)), key=lambda i: (pts[i][0] - pts[0][0]) ** 2 + (pts[i][1] - pts[0][1]) ** 2)
    a = _dp(pts[: far + 1], tolerance)
    b = _dp(pts[far:] + [pts[0]], tolerance)
    return a[:-1] + b[:-1]


def _dp(pts, tol):
    keep = [False] * len(pts)
    keep[0] = keep[-1] = True
    stack = [(0, len(pts) - 1)]
    while stack:
        i, j = stack.pop()
        (x1, y1), (x2, y2) = pts[i], pts[j]
        dx, dy = x2 - x1, y2 - y1
        norm = math.hypot(dx, dy)
        best, index = -1.0, -1
        for k in range(i + 1, j):
            px, py = pts[k]
            if norm == 0:
                d = math.hypot(px - x1, py - y1)
            else:
                d = abs(dy * (px - x1) - dx * (py - y1)) / norm
            if d > best:
                best, index = d, k
        if index >= 0 and best > tol:
            keep[index] = True
            stack += [(i, index), (index, j)]
    return [p for p, k in zip(pts, keep) if k]


def clip(points, left, top, right, bottom):
    """Sutherland-Hodgman clipping of a ring to a rectangle."""
    def edge(pts, inside, cut):
        out = []
        for i, p in enumerate(pts):
            q = pts[i - 1]
            if inside(p):
                if not inside(q):
                    out.append(cut(q, p))
                out.append(p)
            elif inside(q):
                out.append(cut(q, p))
        return out

    def at_x(x):
        return lambda q, p: (x, q[1] + (p[1] - q[1]) * (x - q[0]) / (p[0] - q[0]))

    def at_y(y):
        return lambda q, p: (q[0] + (p[0] - q[0]) * (y - q[1]) / (p[1] - q[1]), y)

    pts = list(points)
    for inside, cut in ((lambda p: p[0] >= left, at_x(left)), (lambda p: p[0] <= right, at_x(right)),
                        (lambda p: p[1] >= top, at_y(top)), (lambda p: p[1] <= bottom, at_y(bottom))):
        if not pts:
            break
        pts = edge(pts, inside, cut)
    return pts


def area(points):
    s = 0.0
    for i, (x, y) in enumerate(points):
        x0, y0 = points[i - 1]
        s += x0 * y - x * y0
    return abs(s) / 2


def interior_points(points, cell=0.5):
    """Fill points of a ring: for every separate piece of its inside (the ring rasterised on a
    grid of `cell` design units, the cells under the outline taken out), the cell farthest from
    the outline and that distance in design units."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    x0, y0 = min(xs) - cell, min(ys) - cell
    w = int((max(xs) - x0) / cell) + 2
    h = int((max(ys) - y0) / cell) + 2
    free = [bytearray(w) for _ in range(h)]
    n = len(points)
    edges = [(points[i - 1], points[i]) for i in range(n)]
    for r in range(h):
        yc = y0 + (r + 0.5) * cell
        crossings = []
        for (ax, ay), (bx, by) in edges:
            if (ay <= yc < by) or (by <= yc < ay):
                crossings.append(ax + (bx - ax) * (yc - ay) / (by - ay))
        crossings.sort()
        row = free[r]
        for k in range(0, len(crossings) - 1, 2):
            c0 = max(0, int(math.ceil((crossings[k] - x0) / cell - 0.5)))
            c1 = min(w - 1, int(math.floor((crossings[k + 1] - x0) / cell - 0.5)))
            for c in range(c0, c1 + 1):
                row[c] = 1
    # The outline itself, one cell wide on either side of the line.
    for (ax, ay), (bx, by) in edges:
        steps = max(1, int(math.hypot(bx - ax, by - ay) / (cell / 4)))
        for s in range(steps + 1):
            t = s / steps
            c = int((ax + (bx - ax) * t - x0) / cell)
            r = int((ay + (by - ay) * t - y0) / cell)
            for rr in (r - 1, r, r + 1):
                if 0 <= rr < h:
                    for cc in (c - 1, c, c + 1):
                        if 0 <= cc < w:
                            free[rr][cc] = 0
    # Chamfer distance (3-4) to the nearest blocked cell.
    big = 1 << 30
    dist = [[big if free[r][c] else 0 for c in range(w)] for r in range(h)]
    for r in range(h):
        d, up = dist[r], dist[r - 1] if r else None
        for c in range(w):
            if d[c]:
                v = d[c]
                if c:
                    v = min(v, d[c - 1] + 3)
                if up is not None:
                    v = min(v, up[c] + 3)
                    if c:
                        v = min(v, up[c - 1] + 4)
                    if c + 1 < w:
                        v = min(v, up[c + 1] + 4)
                d[c] = v
    for r in range(h - 1, -1, -1):
        d, down = dist[r], dist[r + 1] if r + 1 < h else None
        for c in range(w - 1, -1, -1):
            if d[c]:
                v = d[c]
                if c + 1 < w:
                    v = min(v, d[c + 1] + 3)
                if down is not None:
                    v = min(v, down[c] + 3)
                    if c + 1 < w:
                        v = min(v, down[c + 1] + 4)
                    if c:
                        v = min(v, down[c - 1] + 4)
                d[c] = v
    # Pieces of the inside (4-connected, as the flood fill spreads).
    seen = [bytearray(w) for _ in range(h)]
    result = []
    for r in range(h):
        for c in range(w):
            if free[r][c] and not seen[r][c]:
                best, where = 0, (r, c)
                stack = [(r, c)]
                seen[r][c] = 1
                while stack:
                    rr, cc = stack.pop()
                    if dist[rr][cc] > best:
                        best, where = dist[rr][cc], (rr, cc)
                    for nr, nc in ((rr + 1, cc), (rr - 1, cc), (rr, cc + 1), (rr, cc - 1)):
                        if 0 <= nr < h and 0 <= nc < w and free[nr][nc] and not seen[nr][nc]:
                            seen[nr][nc] = 1
                            stack.append((nr, nc))
                # One cell of the blocked border is already a cell from the line; count it in.
                units = (best / 3.0 + 1.0) * cell
                result.append(((x0 + (where[1] + 0.5) * cell, y0 + (where[0] + 0.5) * cell), units))
    return result


def number(v):
    """A number as the records write it: at most two decimals, no trailing zeros."""
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


class Turtle:
    """Writes records whose pen starts at `centre` (design units). Steps are written as
    length and direction rounded to two decimals; each step aims at the exact target from the
    pen position that the rounded steps so far have reached, so errors do not add up."""

    def __init__(self, centre, name, colour):
        self.centre = centre
        self.name = name
        self.colour = colour
        self.records = []  # (name, [command text])
        self._begin(first=True)

    def _begin(self, first):
        self.pen = self.centre
        self.tokens = [f"C{self.colour},"]
        if not first:
            self.tokens.append(f"G{HANDOVER_SLOT},")
            self.pen = self.handover
        self.length = sum(len(t) for t in self.tokens)

    def _emit(self, token):
        self.tokens.append(token)
        self.length += len(token)

    def split_if_long(self, reserve=200):
        if self.length + reserve > RECORD_LIMIT:
            self._emit(f"M{HANDOVER_SLOT},")
            self.handover = self.pen
            self._finish()
            self._begin(first=False)

    def _finish(self):
        part = len(self.records) + 1
        self.records.append((self.name if part == 1 else f"{self.name} {part}", self.tokens))

    def _polar(self, target):
        dx = target[0] - self.pen[0]
        dy = self.pen[1] - target[1]
        length = round(math.hypot(dx, dy), 2)
        if length == 0:
            return None
        direction = round(math.degrees(math.atan2(dy, dx)) % 360.0, 2)
        if direction >= 360:
            direction = 0.0
        a = math.radians(direction)
        self.pen = (self.pen[0] + length * math.cos(a), self.pen[1] - length * math.sin(a))
        return number(length) + "," + number(direction) + ","

    def move(self, target):
        step = self._polar(target)
        if step:
            self._emit("B" + step)

    def line(self, target):
        step = self._polar(target)
        if step:
            self._emit(step)

    def colour_to(self, colour):
        self.colour = colour
        self._emit(f"C{colour},")

    def store(self, slot):
        self._emit(f"M{slot},")
        return self.pen

    def raw(self, token):
        self._emit(token)

    def ring(self, points, fill=None, fill_colour=None, min_seed=2.0):
        """Draws the closed ring in the current colour and fills it: a flood fill at every
        inside point at least min_seed units from the outline, a filled disc in the fill
        colour where a piece is too narrow for that. The discs come first, so that the outline
        drawn over them stays closed for the flood fills."""
        self.split_if_long(400)
        outline = self.colour
        floods = []
        for (x, y), depth in (fill or []) if fill_colour is not None else []:
            if depth >= min_seed:
                floods.append((x, y))
            elif depth >= 1.0:
                self.move((x, y))
                self._emit(f"C{fill_colour},U{number(depth - 0.6)},C{outline},")
        self.move(points[0])
        start = self.store(RING_SLOT)
        for p in points[1:]:
            self.line(p)
            self.split_if_long(400)
        self._emit(f"Z{RING_SLOT},")
        self.pen = start
        for x, y in floods:
            self.move((x, y))
            self._emit(f"F{fill_colour},")

    def done(self):
        self._finish()
        return self.records


def record_lines(records, width=100):
    """Record texts as file lines: command lines of about `width` characters, then "*name"."""
    lines = []
    for name, tokens in records:
        line = ""
        for t in tokens:
            if len(line) + len(t) > width:
                lines.append(line)
                line = ""
            line += t
        if line:
            lines.append(line)
        lines.append("*" + name)
    return lines


def place_polar(centre, point):
    """Distance and direction (two decimals) of a design point from the map centre, chosen so
    that the place formula x = cx + CInt(r cos a), y = cy - CInt(r sin a) gives the point."""
    cx, cy = centre
    px, py = point
    r = round(math.hypot(px - cx, cy - py), 2)
    a = round(math.degrees(math.atan2(cy - py, px - cx)) % 360.0, 2)
    got = place_position(centre, r, a)
    if got != (px, py):
        raise ValueError(f"place {point} comes out at {got}")
    return r, a


def cint(v):
    return int(round(v))  # halves to even, as the program's conversion does


def place_position(centre, r, a):
    return (centre[0] + cint(r * math.cos(a * 0.017453)), centre[1] - cint(r * math.sin(a * 0.017453)))
