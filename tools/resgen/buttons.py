"""The small pictures on the main window: the two picture buttons in three
states each, the title and the help mark."""

from .glyphs import GLYPH_HEIGHT, GLYPHS, glyph_segments, text_segments, text_width
from .panels import PANEL_YELLOW
from .raster import Canvas, circle, line, lerp_stops, mix, rect, scale, strokes

WHITE = (255, 255, 255)
BUTTON_SIZE = 19

# Button states: a factor applied to the face colour (pressed is darker) and
# how far it is lifted towards white (hovered is lighter).
STATES = {
    '': (1.0, 0.0),
    'ALT': (0.72, 0.0),
    'UST': (1.0, 0.3),
}


def _button(top, bottom, border, glyph, darken, lighten):
    def shade(c):
        return mix(scale(c, darken), WHITE, lighten)

    size = BUTTON_SIZE
    c = Canvas(size, size)
    c.fill_with(lambda x, y: shade(lerp_stops([(0.0, top), (1.0, bottom)], y / (size - 1))))
    for i in range(size):
        for x, y in ((i, 0), (i, size - 1), (0, i), (size - 1, i)):
            c.set(x, y, shade(border))
    # A faint inner highlight along the top and left, as on a raised key.
    for i in range(1, size - 1):
        c.set(i, 1, mix(c.get(i, 1), WHITE, 0.35))
        c.set(1, i, mix(c.get(1, i), WHITE, 0.2))
    c.paint(glyph, WHITE)
    return c


def kapat(state):
    darken, lighten = STATES[state]
    cross = line(5.5, 5.5, 13.5, 13.5, 2.3) | line(13.5, 5.5, 5.5, 13.5, 2.3)
    return _button((238, 92, 64), (196, 36, 18), (122, 16, 8), cross, darken, lighten)


def simge(state):
    darken, lighten = STATES[state]
    bar = rect(5, 12, 12, 15)
    return _button((86, 140, 246), (28, 74, 206), (16, 40, 124), bar, darken, lighten)


def baslik():
    """The product name as a title: white letters with a grey outline and a
    soft grey shadow, on the panel yellow so that it sits on the panel."""
    width, height = 163, 24
    cell_x, cell_y, radius, rim = 3.3, 2.55, 1.45, 0.9
    spacing = 0.8
    text = 'Kovrena'
    ox = (width - text_width(text, cell_x, spacing)) / 2.0 - 0.7
    oy = (height - GLYPH_HEIGHT * cell_y) / 2.0 - 0.7
    segs = text_segments(text, ox, oy, cell_x, spacing, cell_y)
    body = strokes(segs, radius)
    outline = strokes(segs, radius + rim)
    c = Canvas(width, height, PANEL_YELLOW)
    c.paint(outline.moved(1.4, 1.4), (150, 140, 60), 0.55)
    c.paint(outline, (112, 112, 112))
    top, bottom = oy, oy + GLYPH_HEIGHT * cell_y
    c.paint(body, lambda x, y: lerp_stops([(0.0, WHITE), (0.5, WHITE), (1.0, (196, 196, 204))],
                                          (y - top) / (bottom - top)))
    return c


def yardim_isareti():
    """A white question mark on a blue disc; outside the disc the panel yellow."""
    size = 17
    c = Canvas(size, size, PANEL_YELLOW)
    disc = circle(8.5, 8.5, 8.2)
    c.paint(disc, (20, 58, 156))
    c.paint(circle(8.5, 8.5, 7.2),
            lambda x, y: lerp_stops([(0.0, (110, 170, 255)), (1.0, (24, 80, 200))],
                                    (x + y) / (2.0 * size)))
    cell = 1.75
    mark = strokes(glyph_segments(GLYPHS['?'], 8.5 - 2.5 * cell, 8.7 - 3.5 * cell, cell), 0.95)
    c.paint(mark, WHITE)
    return c


BUTTONS = {
    'KAPAT': lambda: kapat(''),
    'KAPATALT': lambda: kapat('ALT'),
    'KAPATUST': lambda: kapat('UST'),
    'SIMGE': lambda: simge(''),
    'SIMGEALT': lambda: simge('ALT'),
    'SIMGEUST': lambda: simge('UST'),
}
