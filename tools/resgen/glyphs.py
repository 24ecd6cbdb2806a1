"""A tiny built-in font: glyphs drawn on a 5 x 7 grid, turned into round
strokes so that they scale to smooth, anti-aliased letters."""

GLYPHS = {
    'K': ['X...X',
          'X..X.',
          'X.X..',
          'XX...',
          'X.X..',
          'X..X.',
          'X...X'],
    'o': ['.....',
          '.....',
          '.XXX.',
          'X...X',
          'X...X',
          'X...X',
          '.XXX.'],
    'v': ['.....',
          '.....',
          'X...X',
          'X...X',
          '.X.X.',
          '.X.X.',
          '..X..'],
    'r': ['.....',
          '.....',
          'X.XX.',
          'XX..X',
          'X....',
          'X....',
          'X....'],
    'e': ['.....',
          '.....',
          '.XXX.',
          'X...X',
          'XXXXX',
          'X....',
          '.XXXX'],
    'n': ['.....',
          '.....',
          'X.XX.',
          'XX..X',
          'X...X',
          'X...X',
          'X...X'],
    'a': ['.....',
          '.....',
          '.XXX.',
          '....X',
          '.XXXX',
          'X...X',
          '.XXXX'],
    '?': ['.XXX.',
          'X...X',
          '....X',
          '...X.',
          '..X..',
          '.....',
          '..X..'],
}

GLYPH_WIDTH = 5
GLYPH_HEIGHT = 7


def glyph_segments(glyph, origin_x, origin_y, cell, cell_y=None):
    """Line segments joining neighbouring cells of a glyph (cells may be wider
    than tall). Diagonal neighbours are joined only where no corner cell
    already links them, so strokes keep one width."""
    cell_y = cell if cell_y is None else cell_y
    on = {(gx, gy) for gy, row in enumerate(glyph) for gx, ch in enumerate(row) if ch == 'X'}

    def centre(gx, gy):
        return origin_x + (gx + 0.5) * cell, origin_y + (gy + 0.5) * cell_y

    segments = []
    for gx, gy in sorted(on):
        ax, ay = centre(gx, gy)
        segments.append((ax, ay, ax, ay))
        for dx, dy in ((1, 0), (0, 1)):
            if (gx + dx, gy + dy) in on:
                segments.append((ax, ay) + centre(gx + dx, gy + dy))
        for dx in (1, -1):
            n = (gx + dx, gy + 1)
            if n in on and (gx + dx, gy) not in on and (gx, gy + 1) not in on:
                segments.append((ax, ay) + centre(*n))
    return segments


def text_segments(text, origin_x, origin_y, cell, spacing=1.0, cell_y=None):
    segments = []
    x = origin_x
    for ch in text:
        segments += glyph_segments(GLYPHS[ch], x, origin_y, cell, cell_y)
        x += (GLYPH_WIDTH + spacing) * cell
    return segments


def text_width(text, cell, spacing=1.0):
    """Distance from the first glyph's first cell to the last glyph's last cell."""
    return (len(text) * (GLYPH_WIDTH + spacing) - spacing) * cell


