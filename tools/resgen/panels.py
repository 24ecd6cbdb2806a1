"""The three window backgrounds."""

import math

from .raster import Canvas, lerp_stops, mix

PANEL_YELLOW = (255, 255, 38)
SURROUND = (255, 0, 128)
PANEL_RIM = (226, 190, 0)

ZEMIN_WIDTH, ZEMIN_HEIGHT = 444, 339
# The panel's box inside the picture; the window's client area is exactly this.
PANEL_LEFT, PANEL_TOP, PANEL_RIGHT, PANEL_BOTTOM = 3, 3, 440, 335
# How far each of the seven corner rows stays in from the straight edge,
# from the outermost row inwards. The bottom-right corner is drawn a little
# differently from the other three, and the window outline follows it.
CORNER_INSETS = {
    'top_left': (7, 5, 4, 3, 2, 1, 1),
    'top_right': (7, 5, 4, 3, 2, 1, 1),
    'bottom_left': (7, 5, 4, 3, 2, 1, 1),
    'bottom_right': (7, 5, 3, 2, 2, 1, 1),
}


def panel_span(y):
    """First and last panel column of row y, or None outside the panel."""
    if y < PANEL_TOP or y > PANEL_BOTTOM:
        return None
    left = right = 0
    from_top = y - PANEL_TOP
    from_bottom = PANEL_BOTTOM - y
    if from_top < 7:
        left = CORNER_INSETS['top_left'][from_top]
        right = CORNER_INSETS['top_right'][from_top]
    elif from_bottom < 7:
        left = CORNER_INSETS['bottom_left'][from_bottom]
        right = CORNER_INSETS['bottom_right'][from_bottom]
    return PANEL_LEFT + left, PANEL_RIGHT - right


def zemin():
    """The main window's background. The window is cut to the panel by the
    colour of the top-left pixel, so the surround colour appears nowhere
    inside the panel, and the panel stays the plain yellow that the controls
    on it use as their own background. Only a one-pixel rim, a darker yellow,
    marks the outline; it is far from the surround colour even at 16 bits
    per pixel."""
    c = Canvas(ZEMIN_WIDTH, ZEMIN_HEIGHT, SURROUND)

    def in_panel(x, y):
        span = panel_span(y)
        return span is not None and span[0] <= x <= span[1]

    for y in range(ZEMIN_HEIGHT):
        span = panel_span(y)
        if span is None:
            continue
        for x in range(span[0], span[1] + 1):
            edge = not (in_panel(x - 1, y) and in_panel(x + 1, y)
                        and in_panel(x, y - 1) and in_panel(x, y + 1))
            c.set(x, y, PANEL_RIM if edge else PANEL_YELLOW)
    return c


def _glossy(width, height, base_at, rim, rim_width, gloss_rows, gloss_strength):
    """A panel coloured by base_at(x, y), lit from above: a soft sheen over
    its upper rows and a lighter rim that fades inwards."""
    c = Canvas(width, height)
    white = (255, 255, 255)
    for y in range(height):
        sheen = 0.0
        if y < gloss_rows:
            sheen = gloss_strength * (1.0 - y / gloss_rows) ** 2
        for x in range(width):
            col = base_at(x, y)
            if sheen:
                col = mix(col, white, sheen)
            d = min(x, y, width - 1 - x, height - 1 - y)
            if d < rim_width:
                col = mix(col, rim, 0.65 * (1.0 - d / rim_width))
            c.set(x, y, col)
    return c


def yardim_zemin():
    """Help window background: glossy pink, a bright line along the top edge
    where the light catches it. The title text on it is white, so the pink
    is kept deep enough behind it. The pink changes from row to row only,
    which keeps each row one run of the palette picture."""
    stops = [(0.0, (236, 76, 156)), (0.45, (222, 52, 138)), (1.0, (178, 22, 104))]

    def base(x, y):
        return lerp_stops(stops, y / 299.0)

    c = _glossy(410, 300, base, (255, 190, 225), 4, 120, 0.18)
    for x in range(2, 408):
        fade = min(1.0, min(x - 2, 407 - x) / 30.0)
        c.set(x, 1, mix(c.get(x, 1), (255, 255, 255), 0.9 * fade))
        c.set(x, 2, mix(c.get(x, 2), (255, 235, 245), 0.5 * fade))
    return c


def hakkinda_zemin():
    """About window background: light cyan in the top-left corner where the
    dark title sits, deep blue towards the bottom right under the light
    coloured link texts, lighter edges. The light spreads from the corner
    as a flat ellipse, twice as wide as tall: the colour changes mostly
    from row to row, so the palette picture's rows keep long runs."""
    stops = [(0.0, (168, 236, 255)), (0.16, (88, 190, 246)), (0.42, (30, 110, 214)),
             (0.75, (12, 58, 170)), (1.0, (6, 26, 112))]
    width, height = 378, 281
    flat = 0.5

    def base(x, y):
        t = math.hypot(x / (width - 1) * flat, y / (height - 1)) / math.hypot(flat, 1.0)
        return lerp_stops(stops, t)

    return _glossy(width, height, base, (190, 240, 255), 5, 90, 0.12)
