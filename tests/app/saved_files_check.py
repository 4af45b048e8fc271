#!/usr/bin/env python3
"""Reads the card files the app tests saved with the independent reader.

    saved_files_check.py BUILD_DIR

Every app test that saves a card file leaves a copy in BUILD_DIR/app-saved
beside the dump of the tree the program held when it saved (NAME.qiv,
NAME.dump). Each copy must read back as exactly that tree: titles, order,
colours, expanded flags, attachments and texts; after the tree comes the
editor's rich text or nothing.
"""

import glob
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "model"))
import qivformat as q  # noqa: E402


def check(qiv_path):
    """None when the file holds the dumped tree, else what differs."""
    dump_path = qiv_path[:-len(".qiv")] + ".dump"
    if not os.path.exists(dump_path):
        return "no dump beside it"
    with open(dump_path, "rb") as f:
        expected = f.read().decode("ascii").splitlines()
    with open(qiv_path, "rb") as f:
        data = f.read()
    try:
        version, top, rest = q.read_card_file(data)
    except q.FormatError as e:
        return "not readable: %s" % e
    if version != q.CURRENT_VERSION:
        return "saved in layout %d.%d" % version
    # After the tree the file holds the editor's rich text, or nothing.
    if rest and not rest.startswith(b"{\\rtf"):
        return "%d bytes after the tree that are no rich text" % len(rest)
    lines = q.dump_lines(top)
    if lines == expected:
        return None
    for i, (got, want) in enumerate(zip(lines, expected)):
        if got != want:
            return "node %d: file has %r, the program held %r" % (i, got, want)
    return "file has %d nodes, the program held %d" % (len(lines), len(expected))


def main():
    folder = os.path.join(sys.argv[1], "app-saved")
    files = sorted(glob.glob(os.path.join(folder, "*.qiv")))
    failed = 0
    for path in files:
        problem = check(path)
        if problem:
            failed += 1
            print("FAILED %s: %s" % (os.path.basename(path), problem))
    print("%d passed, %d failed" % (len(files) - failed, failed))
    if not files:
        print("no saved card files in %s: run the app tests first" % folder)
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
