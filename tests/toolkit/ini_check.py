#!/usr/bin/env python3
"""Reads the INI file the property-exchange tests wrote (DUMP_DIR/propexchange.ini)
with Python's configparser and checks the text form of every value.

usage: ini_check.py DUMP_DIR"""
import configparser
import os
import sys

EXPECTED = {
    'Werte': {
        'Int': '-5',
        'Short': '65535',                     # a 16-bit -1, zero-extended
        'Byte': '200',
        'Bool': '1',
        'Text': r'C:\\Pfad\nZeile2\rx\ty',    # backslash, LF, CR and TAB escaped
        'Rect': '1, 2, 3, 4',
        'Size': '5, 6',
        'Double': '2.500000',
        'Date': '2005-31-12',                 # year, day, month
        'Time': '08:30:00',
        'DateTime': '2005-31-12T08:30:15',
        'Variant': 'Hallo Welt',
        'VariantDate': '2006-02-01',
        'Blob1': 'MD',                        # 0x3C: 'A' + 0xC, 'A' + 0x3
        'Blob4': 'AAPPMDCB',
    },
    'Werte\\Innen': {
        'Text': 'tief',
    },
}


def main():
    path = os.path.join(sys.argv[1], 'propexchange.ini')
    parser = configparser.RawConfigParser(strict=True, interpolation=None)
    parser.optionxform = str
    with open(path, encoding='cp1252') as f:
        parser.read_file(f)
    problems = []
    if sorted(parser.sections()) != sorted(EXPECTED):
        problems.append('sections %s, expected %s' % (parser.sections(), sorted(EXPECTED)))
    for section, values in EXPECTED.items():
        if not parser.has_section(section):
            continue
        stored = dict(parser.items(section))
        if stored != values:
            for key in sorted(set(stored) | set(values)):
                if stored.get(key) != values.get(key):
                    problems.append('[%s] %s = %r, expected %r'
                                    % (section, key, stored.get(key), values.get(key)))
    for p in problems:
        print(p)
    print('%d sections checked, %d problems' % (len(EXPECTED), len(problems)))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
