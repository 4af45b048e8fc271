#!/usr/bin/env python3
"""Unpacks the stored controls values that the toolkit tests left in DUMP_DIR
with Python's zlib and compares each with the data that was packed:
controls.value against controls.data (a packed value as read back from the
registry), bars.value against bars.data (what the command bars stored for
their bars, against the bytes of an archive exchange of the same bars).

usage: blob_check.py DUMP_DIR"""
import os
import sys
import zlib


def check(folder, name):
    with open(os.path.join(folder, name + '.value'), 'rb') as f:
        value = f.read()
    with open(os.path.join(folder, name + '.data'), 'rb') as f:
        data = f.read()
    errors = []
    if value[:4] != b'ZIP!':
        errors.append('%s: magic is %r, not ZIP!' % (name, value[:4]))
    length = int.from_bytes(value[4:8], 'little')
    if length != len(data):
        errors.append('%s: header length %d, data %d bytes' % (name, length, len(data)))
    try:
        unpacked = zlib.decompress(value[8:])
    except zlib.error as e:
        errors.append('%s: zlib: %s' % (name, e))
    else:
        if unpacked != data:
            errors.append('%s: unpacked %d bytes differ from the data' % (name, len(unpacked)))
    if not errors:
        print('%s value: %d bytes unpack to the %d data bytes' % (name, len(value), len(data)))
    return errors


def main():
    folder = sys.argv[1]
    errors = []
    for name in ('controls', 'bars'):
        errors += check(folder, name)
    for e in errors:
        print(e)
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main())
