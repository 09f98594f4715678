#!/usr/bin/env bash
# The release, packed from build/i686: the archive holds exactly the program and its README,
# the symbols archive the program's debug file, and SHA256SUMS the sums of both. The program
# is a 32-bit Windows GUI executable whose version record reads the project's version, whose
# README gives its sum, and whose .gnu_debuglink names the debug file shipped with its CRC.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$top/scripts/package" --no-build "$work/release" >/dev/null
version=$(cat "$top/build/i686/version.txt")
zip="$work/release/Varnelo-$version-win32.zip"
symbols="$work/release/Varnelo-$version-win32-symbols.zip"
files=$(cd "$work/release" && ls | tr '\n' ' ')
[ "$files" = "SHA256SUMS Varnelo-$version-win32-symbols.zip Varnelo-$version-win32.zip " ] ||
  fail "release folder holds: $files"
(cd "$work/release" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS"
[ "$(wc -l < "$work/release/SHA256SUMS")" -eq 2 ] || fail "SHA256SUMS lists other than the two archives"
names=$(unzip -Z1 "$zip" | tr '\n' ' ')
[ "$names" = "Kastrobel.exe README.txt " ] || fail "archive holds: $names"
names=$(unzip -Z1 "$symbols" | tr '\n' ' ')
[ "$names" = "Kastrobel.exe.debug " ] || fail "symbols archive holds: $names"
unzip -q "$zip" -d "$work/program"
unzip -q "$symbols" -d "$work/symbols"
readme="$work/program/README.txt"
grep -q "needs no installation" "$readme" || fail "README.txt does not say how it is installed"
grep -q "^Varnelo $version" "$readme" || fail "README.txt does not give the version"
sum=$(sha256sum "$work/program/Kastrobel.exe" | cut -d' ' -f1)
grep -q "$sum" "$readme" || fail "README.txt does not give the program's sum"
grep -q "certutil -hashfile Kastrobel.exe SHA256" "$readme" || fail "README.txt does not say how to check the sum"
/usr/bin/python3 - "$work/program/Kastrobel.exe" "$work/symbols/Kastrobel.exe.debug" "$version" <<'PY' ||
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
pe = struct.unpack_from('<I', data, 0x3C)[0]
assert data[pe:pe + 4] == b'PE\0\0', 'no PE header'
machine, sections = struct.unpack_from('<HH', data, pe + 4)
assert machine == 0x14C, 'machine %#x is not i386' % machine
optional, = struct.unpack_from('<H', data, pe + 20)
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
expected = tuple(int(n) for n in sys.argv[3].split('.')) + (0,)
assert version == expected, 'file version %s, not %s' % (version, expected)
# The section table follows the optional header; a long name such as .gnu_debuglink is
# "/offset" into the string table.
table = pe + 24 + optional
symbols, count = struct.unpack_from('<II', data, pe + 12)
strings = symbols + count * 18
link = None
for i in range(sections):
    entry = table + 40 * i
    name = data[entry:entry + 8].rstrip(b'\0')
    if name.startswith(b'/'):
        start = strings + int(name[1:])
        name = data[start:data.index(b'\0', start)]
    if name == b'.gnu_debuglink':
        size, _, raw_size, raw = struct.unpack_from('<IIII', data, entry + 8)
        link = data[raw:raw + min(size or raw_size, raw_size)]
assert link, 'no .gnu_debuglink section'
named = link[:link.index(b'\0')]
assert named == b'Kastrobel.exe.debug', '.gnu_debuglink names %r' % named
crc, = struct.unpack_from('<I', link, (len(named) + 4) // 4 * 4)
shipped = zlib.crc32(open(sys.argv[2], 'rb').read())
assert crc == shipped, '.gnu_debuglink CRC %#x, the shipped debug file %#x' % (crc, shipped)
print('Kastrobel.exe: PE32, i386, GUI, version %d.%d.%d.%d, symbols in Kastrobel.exe.debug' % version)
PY
  fail "Kastrobel.exe"
echo "the release is as it should be"
