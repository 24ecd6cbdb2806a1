"""The three icons, drawn on a 32-unit design grid and scaled to each size."""

from .raster import (Canvas, circle, ellipse, lerp_stops, line, polygon, rect,
                     rounded_rect)

OUTLINE_BLUE = (0, 38, 120)
OUTLINE_DARK = (58, 40, 28)


class Pen:
    """Draws design-grid shapes onto a canvas of any size."""

    def __init__(self, size):
        self.canvas = Canvas(size, size)
        self.u = size / 32.0
        self.size = size

    def s(self, v):
        return v * self.u

    def gradient(self, stops, y0, y1):
        a, b = self.s(y0), self.s(y1)
        return lambda x, y: lerp_stops(stops, (y - a) / (b - a))

    def paint(self, shape, colour, opacity=1.0):
        self.canvas.paint(shape, colour, opacity)

    def rrect(self, x0, y0, x1, y1, r):
        s = self.s
        return rounded_rect(s(x0), s(y0), s(x1), s(y1), s(r))

    def rect(self, x0, y0, x1, y1):
        s = self.s
        return rect(s(x0), s(y0), s(x1), s(y1))

    def circle(self, cx, cy, r):
        return circle(self.s(cx), self.s(cy), self.s(r))

    def ellipse(self, cx, cy, rx, ry):
        return ellipse(self.s(cx), self.s(cy), self.s(rx), self.s(ry))

    def line(self, ax, ay, bx, by, width):
        s = self.s
        return line(s(ax), s(ay), s(bx), s(by), max(1.0, s(width)))

    def polygon(self, points):
        return polygon([(self.s(x), self.s(y)) for x, y in points])

    def outline(self):
        """Outline width in design units: one pixel at any size, a little more
        on the large image."""
        return (1.5 if self.size >= 48 else 1.0) / self.u


def _kovrena_image(size):
    """A program window in the XP look, with a sparkle: the style being given."""
    p = Pen(size)
    o = p.outline()
    p.paint(p.rrect(0, 4, 28, 30, 3), OUTLINE_BLUE)
    p.paint(p.rrect(o, 4 + o, 28 - o, 30 - o, 3 - o), (240, 238, 226))
    p.paint(p.rrect(o, 4 + o, 28 - o, 12, 2.5) | p.rect(o, 8, 28 - o, 12),
            p.gradient([(0.0, (90, 160, 255)), (0.45, (24, 94, 232)), (1.0, (6, 64, 200))], 4, 12))
    if size >= 32:
        p.paint(p.rrect(16, 5.6, 20.8, 10.4, 1.2), (230, 80, 50))
        p.paint(p.line(17.3, 6.9, 19.5, 9.1, 0.9) | p.line(19.5, 6.9, 17.3, 9.1, 0.9), (255, 255, 255))
        p.paint(p.rrect(4, 16, 11, 19.5, 1.5), (255, 255, 255))
        p.paint(p.rrect(4, 22, 11, 25.5, 1.5), (255, 255, 255))
        p.paint(p.rect(13, 17, 23, 18.5), (150, 150, 160))
        p.paint(p.rect(13, 23, 20, 24.5), (150, 150, 160))
    else:
        p.paint(p.rrect(4, 16, 20, 24, 2), (60, 170, 70))
    cx, cy, r = 26.5, 5.5, 5.5
    star = [(cx + dx * r, cy + dy * r) for dx, dy in
            ((0, -1), (0.3, -0.3), (1, 0), (0.3, 0.3), (0, 1), (-0.3, 0.3), (-1, 0), (-0.3, -0.3))]
    p.paint(p.polygon(star), (190, 120, 0))
    inner = [((x - cx) * 0.7 + cx, (y - cy) * 0.7 + cy) for x, y in star]
    p.paint(p.polygon(inner), (255, 230, 40))
    p.paint(p.circle(cx, cy, 1.0), (255, 255, 210))
    return p.canvas


def kovrena():
    return [_kovrena_image(16), _kovrena_image(32), _kovrena_image(48)]


def _person(p, head_x, head_y, head_r, body_x, body_top, body_r, shirt, shirt_dark, hair):
    o = p.outline()
    bottom = 31.0
    body = p.ellipse(body_x, body_top + body_r, body_r, body_r) & p.rect(0, 0, 32, bottom)
    body_in = (p.ellipse(body_x, body_top + body_r, body_r - o, body_r - o)
               & p.rect(0, 0, 32, bottom - o))
    p.paint(body, OUTLINE_DARK)
    p.paint(body_in, p.gradient([(0.0, shirt), (1.0, shirt_dark)], body_top, bottom))
    p.paint(p.circle(head_x, head_y, head_r), OUTLINE_DARK)
    p.paint(p.circle(head_x, head_y, head_r - o),
            p.gradient([(0.0, (255, 226, 190)), (1.0, (236, 176, 128))], head_y - head_r, head_y + head_r))
    hair_cap = (p.circle(head_x, head_y, head_r - o)
                & p.rect(0, 0, 32, head_y - head_r * 0.25))
    p.paint(hair_cap, hair)


def hakkinda_pencere():
    """Two people: the makers behind the program."""
    p = Pen(32)
    _person(p, 21, 8.5, 5.2, 21.5, 15.5, 9.5, (120, 200, 90), (40, 130, 40), (110, 70, 30))
    _person(p, 11.5, 12.5, 5.6, 11, 19, 10.5, (90, 150, 250), (20, 70, 190), (50, 34, 24))
    return [p.canvas]


def hakkinda_resim():
    """A monitor with a painter's palette in front of it."""
    p = Pen(32)
    o = p.outline()
    p.paint(p.rrect(1, 2, 27, 21, 2), (60, 60, 70))
    p.paint(p.rrect(1 + o, 2 + o, 27 - o, 21 - o, 1.5),
            p.gradient([(0.0, (236, 236, 240)), (1.0, (170, 170, 182))], 2, 21))
    p.paint(p.rect(4, 5, 24, 18), (40, 40, 60))
    p.paint(p.rect(4 + o, 5 + o, 24 - o, 18 - o),
            p.gradient([(0.0, (120, 190, 255)), (1.0, (20, 80, 200))], 5, 18))
    p.paint(p.polygon([(5.5, 16.5), (11, 10), (15, 14), (18, 11), (22.5, 16.5)]), (60, 170, 80))
    p.paint(p.rect(11.5, 21, 16.5, 24), (120, 120, 130))
    p.paint(p.rrect(7, 24, 21, 27, 1), (60, 60, 70))
    p.paint(p.rrect(7 + o, 24 + o, 21 - o, 27 - o, 0.5), (180, 180, 190))
    board = p.ellipse(23, 24.5, 8.5, 6.5) - p.circle(27, 27.2, 1.7)
    board_in = (p.ellipse(23, 24.5, 8.5 - o, 6.5 - o)
                - p.circle(27, 27.2, 1.7 + o))
    p.paint(board, (120, 76, 30))
    p.paint(board_in, p.gradient([(0.0, (246, 214, 156)), (1.0, (214, 164, 96))], 18, 31))
    for (cx, cy), colour in (((19.2, 22.6), (230, 30, 30)), ((22.8, 20.8), (255, 210, 0)),
                             ((26.6, 21.6), (40, 170, 60)), ((18.8, 26.4), (30, 80, 230))):
        p.paint(p.circle(cx, cy, 1.5), colour)
    return [p.canvas]
