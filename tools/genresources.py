#!/usr/bin/env python3
"""Generates Kovrena's own pictures, icons, cursors and manifest into a folder,
from which the resource script takes them, and the description of the main
background's panel that the tests hold the picture and the window against.

    genresources.py OUTDIR     write every file
    genresources.py --list     print the file names, one a line
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from resgen import buttons, cursors, formats, icons, manifest, panels  # noqa: E402

# The large pictures are palette bitmaps with run-length encoded rows, a
# tenth of their 24-bit size or less, every colour kept exactly (the window
# outline is cut by colour). The picture buttons stay 24-bit DIBs of their
# designed size.
OUTPUTS = {
    'zemin.bmp': lambda: formats.bmp8_rle(panels.zemin()),
    'baslik.bmp': lambda: formats.bmp8_rle(buttons.baslik()),
    'yardimisareti.bmp': lambda: formats.bmp8_rle(buttons.yardim_isareti()),
    'kovrena.ico': lambda: formats.icon256(icons.kovrena()),
    'hakkinda_pencere.ico': lambda: formats.icon256(icons.hakkinda_pencere()),
    'hakkinda_resim.ico': lambda: formats.icon256(icons.hakkinda_resim()),
    'el_ana.cur': lambda: cursors.el_ana(),
    'el_baglanti.cur': lambda: cursors.el_baglanti(),
    'kovrena.manifest': lambda: manifest.own_manifest(),
    'kovrena_x64.manifest': lambda: manifest.own_manifest(architecture='amd64'),
    'panel_outline.h': lambda: panels.outline_header(),
}
for _name, _draw in buttons.BUTTONS.items():
    OUTPUTS[_name.lower() + '.bmp'] = (lambda d: lambda: formats.bmp24(d()))(_draw)


def write_if_changed(path, data):
    """Leaves an unchanged file alone, so that its time stamp does not make
    the resource script compile again."""
    try:
        with open(path, 'rb') as f:
            if f.read() == data:
                return
    except OSError:
        pass
    tmp = path + '.tmp'
    with open(tmp, 'wb') as f:
        f.write(data)
    os.replace(tmp, path)


def main(argv):
    if len(argv) == 2 and argv[1] == '--list':
        print('\n'.join(sorted(OUTPUTS)))
        return 0
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    for name in sorted(OUTPUTS):
        write_if_changed(os.path.join(out, name), OUTPUTS[name]())
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
