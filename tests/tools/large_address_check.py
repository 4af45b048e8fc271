#!/usr/bin/env python3
"""Checks that every 32-bit program of a build tree is large-address-aware.

Usage: large_address_check.py BUILD_DIR [REQUIRED_PROGRAM...]

Reads the COFF header of each .exe below BUILD_DIR (Wine prefixes and CMake's
compiler probes left out)
and fails when a 32-bit one lacks IMAGE_FILE_LARGE_ADDRESS_AWARE, when a
required program is missing, or when there is no 32-bit program at all.
"""
import os
import struct
import sys

IMAGE_FILE_MACHINE_I386 = 0x014C
IMAGE_FILE_LARGE_ADDRESS_AWARE = 0x0020


def coff_header(path):
    """Answers (machine, characteristics) of a PE file, or None."""
    with open(path, 'rb') as f:
        dos = f.read(64)
        if len(dos) < 64 or dos[:2] != b'MZ':
            return None
        (pe_offset,) = struct.unpack_from('<I', dos, 0x3C)
        f.seek(pe_offset)
        header = f.read(24)
    if len(header) < 24 or header[:4] != b'PE\0\0':
        return None
    machine, = struct.unpack_from('<H', header, 4)
    characteristics, = struct.unpack_from('<H', header, 22)
    return machine, characteristics


def programs(build_dir):
    for folder, dirs, files in os.walk(build_dir):
        # Wine prefixes hold Wine's programs, CMakeFiles the compiler probes.
        dirs[:] = [d for d in dirs if not d.startswith('wineprefix') and d != 'CMakeFiles']
        for name in files:
            if name.lower().endswith('.exe'):
                yield os.path.join(folder, name)


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    build_dir, required = argv[1], {name.lower() for name in argv[2:]}
    checked, failures = 0, []
    for path in sorted(programs(build_dir)):
        header = coff_header(path)
        if header is None:
            failures.append(f'{path}: not a PE file')
            continue
        machine, characteristics = header
        if machine != IMAGE_FILE_MACHINE_I386:
            continue
        checked += 1
        required.discard(os.path.basename(path).lower())
        if not characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE:
            failures.append(f'{path}: not large-address-aware '
                            f'(characteristics 0x{characteristics:04x})')
    if checked == 0:
        failures.append(f'{build_dir}: no 32-bit program found')
    failures += [f'{name}: missing from {build_dir}' for name in sorted(required)]
    for failure in failures:
        print(failure)
    print(f'{checked} 32-bit programs checked, {len(failures)} failures')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
