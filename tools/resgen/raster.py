"""A small software rasteriser: a pixel canvas and anti-aliased shapes.

Shapes are predicates over continuous coordinates (pixel (x, y) covers the
square [x, x+1) x [y, y+1)); coverage is measured by supersampling, so edges
come out smooth without any imaging library.
"""

import math

SAMPLES = 4  # per axis: 16 samples a pixel


def clamp8(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    """Colour a moved towards b by t (0..1)."""
    return tuple(clamp8(a[i] + (b[i] - a[i]) * t) for i in range(3))


def scale(c, f):
    return tuple(clamp8(v * f) for v in c)


def lerp_stops(stops, t):
    """Colour along a gradient given as [(position, colour), ...]."""
    t = max(0.0, min(1.0, t))
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0.0)
    return stops[-1][1]


class Canvas:
    """Pixels as (r, g, b) tuples, or None where a picture with a mask is
    transparent."""

    def __init__(self, width, height, fill=None):
        self.width = width
        self.height = height
        self.pixels = [fill] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def set(self, x, y, colour):
        self.pixels[y * self.width + x] = colour

    def rows(self):
        for y in range(self.height):
            yield self.pixels[y * self.width:(y + 1) * self.width]

    def fill_with(self, colour_at):
        for y in range(self.height):
            for x in range(self.width):
                self.set(x, y, colour_at(x, y))

    def coverage(self, inside, x, y):
        hits = 0
        step = 1.0 / SAMPLES
        for sy in range(SAMPLES):
            for sx in range(SAMPLES):
                if inside(x + (sx + 0.5) * step, y + (sy + 0.5) * step):
                    hits += 1
        return hits / (SAMPLES * SAMPLES)

    def paint(self, shape, colour, opacity=1.0):
        """Blend `colour` (a colour, or a function of the pixel centre) over the
        pixels `shape` covers. Over transparent pixels a shape is all or
        nothing: a one-bit mask cannot hold a half-covered edge."""
        x0, y0, x1, y1 = shape.bounds
        for y in range(max(0, int(math.floor(y0))), min(self.height, int(math.ceil(y1)))):
            for x in range(max(0, int(math.floor(x0))), min(self.width, int(math.ceil(x1)))):
                c = self.coverage(shape.inside, x, y) * opacity
                if c <= 0.0:
                    continue
                col = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                old = self.get(x, y)
                if old is None:
                    if c >= 0.5:
                        self.set(x, y, col)
                else:
                    self.set(x, y, mix(old, col, c))


class Shape:
    def __init__(self, inside, bounds):
        self.inside = inside
        self.bounds = bounds

    def __or__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) or b.inside(x, y),
                     (min(a.bounds[0], b.bounds[0]), min(a.bounds[1], b.bounds[1]),
                      max(a.bounds[2], b.bounds[2]), max(a.bounds[3], b.bounds[3])))

    def __sub__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) and not b.inside(x, y), a.bounds)

    def __and__(self, other):
        a, b = self, other
        return Shape(lambda x, y: a.inside(x, y) and b.inside(x, y), a.bounds)

    def moved(self, dx, dy):
        a = self
        x0, y0, x1, y1 = a.bounds
        return Shape(lambda x, y: a.inside(x - dx, y - dy), (x0 + dx, y0 + dy, x1 + dx, y1 + dy))


def rect(x0, y0, x1, y1):
    return Shape(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def ellipse(cx, cy, rx, ry):
    return Shape(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        qx = max(x0 + r - x, 0.0, x - (x1 - r))
        qy = max(y0 + r - y, 0.0, y - (y1 - r))
        return qx * qx + qy * qy <= r * r
    return Shape(inside, (x0, y0, x1, y1))


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    ex, ey = ax + t * dx - px, ay + t * dy - py
    return math.sqrt(ex * ex + ey * ey)


def strokes(segments, radius):
    """Round-capped lines of the given half-width through [(ax, ay, bx, by), ...]."""
    if not segments:
        return Shape(lambda x, y: False, (0, 0, 0, 0))
    xs = [v for s in segments for v in (s[0], s[2])]
    ys = [v for s in segments for v in (s[1], s[3])]
    # Segments bucketed by the pixels they can reach: a text has hundreds of
    # them, a sample point is near a handful.
    buckets = {}
    for s in segments:
        for by in range(int(math.floor(min(s[1], s[3]) - radius)),
                        int(math.floor(max(s[1], s[3]) + radius)) + 1):
            for bx in range(int(math.floor(min(s[0], s[2]) - radius)),
                            int(math.floor(max(s[0], s[2]) + radius)) + 1):
                buckets.setdefault((bx, by), []).append(s)

    def inside(x, y):
        near = buckets.get((int(math.floor(x)), int(math.floor(y))), ())
        return any(_segment_distance(x, y, *s) <= radius for s in near)
    return Shape(inside, (min(xs) - radius, min(ys) - radius, max(xs) + radius, max(ys) + radius))


def line(ax, ay, bx, by, width):
    return strokes([(ax, ay, bx, by)], width / 2.0)


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]

    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return Shape(inside, (min(xs), min(ys), max(xs), max(ys)))


def luminance(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]
