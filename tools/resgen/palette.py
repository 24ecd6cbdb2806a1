"""Reducing a picture to at most 256 colours, for the palette bitmaps.

Median cut over the picture's colours weighted by how many pixels use
them: a gradient filling most of a panel keeps nearly all of its steps,
while the few pixels of a rim blend share entries. Each colour is then
drawn with its nearest entry, which leaves a smooth gradient as clean bands
that run-length encoding stores in a few bytes a row.
"""

from .raster import Canvas


def _box_error(box):
    """Squared distance of a box's colours from their weighted mean, summed:
    the box that loses most by being one colour is split first."""
    total = sum(w for _, w in box)
    error = 0.0
    for ch in range(3):
        mean = sum(c[ch] * w for c, w in box) / total
        error += sum(w * (c[ch] - mean) ** 2 for c, w in box)
    return error


def _split(box):
    ranges = [max(c[ch] for c, _ in box) - min(c[ch] for c, _ in box) for ch in range(3)]
    ch = ranges.index(max(ranges))
    box = sorted(box, key=lambda cw: (cw[0][ch], cw[0]))
    half = sum(w for _, w in box) / 2.0
    seen = 0
    for i, (_, w) in enumerate(box):
        seen += w
        if seen >= half:
            cut = max(1, min(len(box) - 1, i + 1))
            return box[:cut], box[cut:]
    return box[:-1], box[-1:]


def _mean(box):
    total = sum(w for _, w in box)
    return tuple(int(round(sum(c[ch] * w for c, w in box) / total)) for ch in range(3))


def median_cut(histogram, count):
    """Up to `count` colours for a {colour: pixels} histogram."""
    boxes = [list(histogram.items())]
    errors = [_box_error(boxes[0])]
    while len(boxes) < count:
        worst = max(range(len(boxes)), key=lambda i: errors[i])
        if errors[worst] == 0.0:
            break
        a, b = _split(boxes.pop(worst))
        errors.pop(worst)
        boxes += [a, b]
        errors += [_box_error(a), _box_error(b)]
    return sorted({_mean(box) for box in boxes})


def nearest(palette, colour):
    return min(palette, key=lambda p: (p[0] - colour[0]) ** 2 + (p[1] - colour[1]) ** 2
               + (p[2] - colour[2]) ** 2)


def reduce_colours(canvas, count=256):
    """The picture drawn with at most `count` colours; unchanged if it already
    has no more than that."""
    histogram = {}
    for p in canvas.pixels:
        histogram[p] = histogram.get(p, 0) + 1
    if len(histogram) <= count:
        return canvas
    palette = median_cut(histogram, count)
    lookup = {c: nearest(palette, c) for c in histogram}
    out = Canvas(canvas.width, canvas.height)
    out.pixels = [lookup[p] for p in canvas.pixels]
    return out
