#!/usr/bin/env python3
"""Writes a zip archive whose bytes follow from the files' names and contents
and SOURCE_DATE_EPOCH alone: entries in the order given, each dated at that
moment, with the same attributes and no extra fields, so that two builds of
one commit give the same archive. CPack runs it on what it staged
(cmake/zip-package.cmake), as its own ZIP generator cannot promise that.

    zip-release.py ARCHIVE FOLDER FILE...    the files inside FOLDER/
"""

import os
import sys
import time
import zipfile

# A zip entry cannot be dated before 1980.
EARLIEST = (1980, 1, 1, 0, 0, 0)
# FILE_ATTRIBUTE_ARCHIVE, as Windows sets it on a file it writes.
ARCHIVE_ATTRIBUTE = 0x20


def main(argv):
    if len(argv) < 4:
        sys.stderr.write(__doc__)
        return 2
    archive, folder, files = argv[1], argv[2], argv[3:]
    moment = time.gmtime(int(os.environ.get('SOURCE_DATE_EPOCH', '0')))
    date_time = max(tuple(moment[:6]), EARLIEST)
    partial = archive + '.part'
    with zipfile.ZipFile(partial, 'w') as z:
        for path in files:
            info = zipfile.ZipInfo(folder + '/' + os.path.basename(path), date_time)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS: attributes as Windows reads them
            info.external_attr = ARCHIVE_ATTRIBUTE
            with open(path, 'rb') as f:
                z.writestr(info, f.read(), compresslevel=9)
    os.replace(partial, archive)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
