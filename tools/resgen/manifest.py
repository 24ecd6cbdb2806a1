"""The program's own application manifest: the same document Kovrena writes
beside other programs, built for "Kovrena.exe", so that its own controls get
the XP look. Kept apart from the C++ builder on purpose: the tests compare
the two."""

COMMON_CONTROLS_TOKEN = '6595b64144ccf1df'

# (indent, text, one trailing blank)
TEMPLATE = [
    (0, '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>', True),
    (0, '<assembly', True),
    (3, 'xmlns="urn:schemas-microsoft-com:asm.v1"', True),
    (3, 'manifestVersion="1.0">', False),
    (0, '<assemblyIdentity', True),
    (4, 'processorArchitecture="x86"', True),
    (4, 'version="EXEVERSION"', False),
    (4, 'type="win32"', False),
    (4, 'name="EXENAME"/>', False),
    (4, '<description>EXEDESCRIBTION</description>', False),
    (4, '<dependency>', False),
    (4, '<dependentAssembly>', False),
    (4, '<assemblyIdentity', False),
    (9, 'type="win32"', False),
    (9, 'name="Microsoft.Windows.Common-Controls"', False),
    (9, 'version="6.0.0.0"', False),
    (9, 'publicKeyToken="' + COMMON_CONTROLS_TOKEN + '"', False),
    (9, 'language="*"', False),
    (9, 'processorArchitecture="x86"/>', False),
    (4, '</dependentAssembly>', False),
    (4, '</dependency>', False),
    (0, '</assembly>', False),
]


def own_manifest(program_name='Kovrena.exe', architecture='x86'):
    """The manifest bytes for the program itself. The loader takes the record
    as is; the last line carries no line end, unlike the files written
    beside other programs. Kovrena ships for x86; the 64-bit build that runs
    the tests under a 64-bit emulator can only bind 64-bit assemblies, so its
    copy names that architecture instead."""
    lines = [' ' * indent + text + (' ' if blank else '') for indent, text, blank in TEMPLATE]
    text = '\r\n'.join(lines)
    text = text.replace('EXENAME', program_name)
    text = text.replace('EXEVERSION', '1.0.0.0')
    text = text.replace('EXEDESCRIBTION', '')
    text = text.replace('processorArchitecture="x86"', 'processorArchitecture="%s"' % architecture)
    return text.encode('ascii')
