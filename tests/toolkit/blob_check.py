#!/usr/bin/env python3
"""Unpacks the stored controls value that the toolkit tests left in DUMP_DIR
(controls.value, as read back from the registry) with Python's zlib and
compares it with the data that was packed (controls.data).

usage: blob_check.py DUMP_DIR"""
import os
import sys
import zlib


def main():
    folder = sys.argv[1]
    with open(os.path.join(folder, 'controls.value'), 'rb') as f:
        value = f.read()
    with open(os.path.join(folder, 'controls.data'), 'rb') as f:
        data = f.read()
    errors = []
    if value[:4] != b'ZIP!':
        errors.append('magic is %r, not ZIP!' % value[:4])
    length = int.from_bytes(value[4:8], 'little')
    if length != len(data):
        errors.append('header length %d, data %d bytes' % (length, len(data)))
    try:
        unpacked = zlib.decompress(value[8:])
    except zlib.error as e:
        errors.append('zlib: %s' % e)
    else:
        if unpacked != data:
            errors.append('unpacked %d bytes differ from the data' % len(unpacked))
    for e in errors:
        print(e)
    if errors:
        return 1
    print('controls value: %d bytes unpack to the %d data bytes' % (len(value), len(data)))
    return 0


if __name__ == '__main__':
    sys.exit(main())
