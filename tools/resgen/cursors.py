"""The two pointing-hand cursors: 32 x 32, black and white, the hot spot on
the fingertip."""

from .formats import BLACK, CLEAR, WHITE, cursor_mono

SIZE = 32

# '#' outline, 'o' the white hand, '.' clear. The tip of the index finger is
# the top row's leftmost '#', at column TIP_X.
HAND = [
    '.....##..........',
    '....#oo#.........',
    '....#oo#.........',
    '....#oo#.........',
    '....#oo#.........',
    '....#oo###.......',
    '....#oo#oo###....',
    '....#oo#oo#oo###.',
    '....#oo#oo#oo#oo#',
    '.##.#oo#oo#oo#oo#',
    '#oo##oo#oo#oo#oo#',
    '#ooo#ooooooooooo#',
    '.#oooooooooooooo#',
    '.#oooooooooooooo#',
    '..#ooooooooooooo#',
    '..#ooooooooooooo#',
    '...#oooooooooooo#',
    '...#ooooooooooo#.',
    '....#oooooooooo#.',
    '....#oooooooooo#.',
    '....############.',
]
TIP_X = 5


def _grid(left, top):
    cells = {'#': BLACK, 'o': WHITE, '.': CLEAR}
    grid = [[CLEAR] * SIZE for _ in range(SIZE)]
    for y, row in enumerate(HAND):
        for x, ch in enumerate(row):
            grid[top + y][left + x] = cells[ch]
    return grid


def _hand(hot_x, hot_y):
    return cursor_mono(_grid(hot_x - TIP_X, hot_y), hot_x, hot_y)


def el_ana():
    """Over the help mark on the main window."""
    return _hand(5, 0)


def el_baglanti():
    """Over the links of the about window."""
    return _hand(7, 1)
