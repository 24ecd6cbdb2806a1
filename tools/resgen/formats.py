"""Writers for the Windows picture files the resource compiler takes in:
24-bit and run-length encoded palette BMPs, 256-colour icons with AND
masks, monochrome cursors."""

import struct

PIXELS_PER_METRE = 2835  # 72 dpi


def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _info_header(width, height, bits, image_size, colours_used=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size,
                       PIXELS_PER_METRE, PIXELS_PER_METRE, colours_used, 0)


def bmp24(canvas):
    """A bottom-up 24-bit BMP file. The resource compiler drops the 14-byte
    file header, leaving the DIB that LoadBitmap reads."""
    stride = _row_stride(canvas.width, 24)
    pad = bytes(stride - canvas.width * 3)
    body = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        for x in range(canvas.width):
            r, g, b = canvas.get(x, y)
            body += bytes((b, g, r))
        body += pad
    info = _info_header(canvas.width, canvas.height, 24, len(body))
    offset = 14 + len(info)
    return struct.pack('<2sIHHI', b'BM', offset + len(body), 0, 0, offset) + info + bytes(body)


BI_RLE8 = 1


def _rle8_row(row):
    """One row as runs (count, index) and absolute blocks (0, n, n indices,
    padded to a whole word). A block takes three or more pixels; shorter
    stretches of differing pixels go as runs of one."""
    out = bytearray()
    width = len(row)

    def run_at(i):
        n = 1
        while i + n < width and n < 255 and row[i + n] == row[i]:
            n += 1
        return n

    i = 0
    while i < width:
        n = run_at(i)
        if n >= 2:
            out += bytes((n, row[i]))
            i += n
            continue
        # Differing pixels up to the next run worth its two bytes.
        j = i
        while j < width and j - i < 255 and run_at(j) < 3:
            j += 1
        literal = row[i:j] if j > i else row[i:i + 1]
        if len(literal) >= 3:
            out += bytes((0, len(literal))) + bytes(literal)
            if len(literal) % 2:
                out.append(0)
        else:
            for index in literal:
                out += bytes((1, index))
        i += len(literal)
    return out


def rle8(rows):
    """BI_RLE8 data for rows of palette indices given top-down: stored
    bottom-up, each row closed by an end-of-line, the last by end-of-bitmap."""
    out = bytearray()
    for n, y in enumerate(range(len(rows) - 1, -1, -1)):
        out += _rle8_row(rows[y])
        out += b'\x00\x01' if n == len(rows) - 1 else b'\x00\x00'
    return bytes(out)


def bmp8_rle(canvas):
    """A bottom-up BMP with a palette of the picture's own colours (at most
    256) and run-length encoded rows. What the resource compiler keeps of it
    is the DIB that LoadImage turns into a bitmap of the display's depth,
    every colour exactly as drawn."""
    palette = sorted(set(canvas.pixels))
    if len(palette) > 256:
        raise ValueError('%d colours do not fit a palette' % len(palette))
    index = {c: i for i, c in enumerate(palette)}
    rows = [[index[p] for p in row] for row in canvas.rows()]
    body = rle8(rows)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 8, BI_RLE8, len(body),
                       PIXELS_PER_METRE, PIXELS_PER_METRE, len(palette), 0)
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + len(info) + len(pal)
    return (struct.pack('<2sIHHI', b'BM', offset + len(body), 0, 0, offset) + info + pal
            + body)


def _and_mask(canvas, transparent):
    stride = _row_stride(canvas.width, 1)
    mask = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(canvas.width):
            if transparent(canvas.get(x, y)):
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return bytes(mask)


def build_palette(canvases):
    """Up to 256 colours for the opaque pixels of all images; index 0 is black,
    which is what the colour image must hold under a transparent mask bit.
    Colours are merged by dropping low bits until they fit."""
    colours = {p for c in canvases for p in c.pixels if p is not None}
    shift = 0
    while True:
        groups = {}
        for col in colours:
            key = tuple(v >> shift for v in col)
            groups.setdefault(key, []).append(col)
        if len(groups) <= 255:
            break
        shift += 1
    palette = [(0, 0, 0)]
    lookup = {}
    for members in groups.values():
        mean = tuple(sum(m[i] for m in members) // len(members) for i in range(3))
        palette.append(mean)
        for m in members:
            lookup[m] = len(palette) - 1
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, lookup


def _icon_image(canvas, palette, lookup):
    stride = _row_stride(canvas.width, 8)
    xor = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(canvas.width):
            p = canvas.get(x, y)
            row[x] = 0 if p is None else lookup[p]
        xor += row
    mask = _and_mask(canvas, lambda p: p is None)
    info = _info_header(canvas.width, canvas.height * 2, 8, len(xor) + len(mask), 256)
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    return info + pal + bytes(xor) + mask


def icon256(canvases):
    """An .ico file with one 256-colour image per canvas, sharing one palette."""
    palette, lookup = build_palette(canvases)
    images = [_icon_image(c, palette, lookup) for c in canvases]
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    for c, img in zip(canvases, images):
        entries += struct.pack('<BBBBHHII', c.width % 256, c.height % 256, 0, 0, 1, 8,
                               len(img), offset)
        offset += len(img)
    return header + entries + b''.join(images)


BLACK, WHITE, CLEAR = 'black', 'white', 'clear'


def cursor_mono(grid, hot_x, hot_y):
    """A .cur file from a grid of BLACK / WHITE / CLEAR cells (rows top-down)."""
    height = len(grid)
    width = len(grid[0])
    stride = _row_stride(width, 1)
    xor = bytearray()
    mask = bytearray()
    for y in range(height - 1, -1, -1):
        xrow = bytearray(stride)
        mrow = bytearray(stride)
        for x in range(width):
            bit = 0x80 >> (x % 8)
            if grid[y][x] == WHITE:
                xrow[x // 8] |= bit
            elif grid[y][x] == CLEAR:
                mrow[x // 8] |= bit
        xor += xrow
        mask += mrow
    info = _info_header(width, height * 2, 1, len(xor) + len(mask), 2)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = info + palette + bytes(xor) + bytes(mask)
    # In a cursor directory the planes and bit-count fields carry the hot spot.
    return (struct.pack('<HHH', 0, 2, 1)
            + struct.pack('<BBBBHHII', width % 256, height % 256, 2, 0, hot_x, hot_y,
                          len(image), 22)
            + image)
