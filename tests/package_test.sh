#!/usr/bin/env bash
# The release archive: exactly the program and its README, the program a 32-bit Windows GUI
# executable whose version record reads 1.0.0.0.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
zip=$("$top/scripts/package" --no-build)
fail() { echo "FAIL: $*" >&2; exit 1; }
names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$names" = "Kastrobel.exe README.txt " ] || fail "archive holds: $names"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
grep -q "needs no installation" "$work/README.txt" || fail "README.txt does not say how it is installed"
/usr/bin/python3 - "$work/Kastrobel.exe" <<'PY' || fail "Kastrobel.exe"
import struct, sys
data = open(sys.argv[1], 'rb').read()
pe = struct.unpack_from('<I', data, 0x3C)[0]
assert data[pe:pe + 4] == b'PE\0\0', 'no PE header'
machine = struct.unpack_from('<H', data, pe + 4)[0]
assert machine == 0x14C, 'machine %#x is not i386' % machine
magic, = struct.unpack_from('<H', data, pe + 24)
assert magic == 0x10B, 'optional header %#x is not PE32' % magic
subsystem, = struct.unpack_from('<H', data, pe + 24 + 68)
assert subsystem == 2, 'subsystem %d is not the Windows GUI' % subsystem
key = 'VS_VERSION_INFO'.encode('utf-16-le')
at = data.find(struct.pack('<I', 0xFEEF04BD), data.find(key))
assert data.find(key) > 0, 'no version resource'
assert at > 0, 'no version record'
ms, ls = struct.unpack_from('<II', data, at + 8)
version = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
assert version == (1, 0, 0, 0), 'file version %s' % (version,)
print('Kastrobel.exe: PE32, i386, GUI, version %d.%d.%d.%d' % version)
PY
echo "the archive is as it should be"
