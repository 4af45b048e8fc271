#!/usr/bin/env python3
"""Draws the pictures of qivnotes.exe again with scripts/make-app-images.py
into a temporary folder and compares every file byte for byte with the one
committed in app/res/ (usage: images_check.py SOURCE_DIR)."""
import os
import subprocess
import sys
import tempfile


def main():
    source = sys.argv[1]
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([sys.executable, os.path.join(source, 'scripts', 'make-app-images.py'), out],
                       check=True)
        names = sorted(os.listdir(out))
        if not names:
            print('the script wrote nothing')
            return 1
        failed = 0
        for name in names:
            with open(os.path.join(out, name), 'rb') as f:
                drawn = f.read()
            committed_path = os.path.join(source, 'app', 'res', name)
            if not os.path.exists(committed_path):
                print('%s: not committed' % name)
                failed += 1
                continue
            with open(committed_path, 'rb') as f:
                committed = f.read()
            if drawn != committed:
                print('%s: differs from the script\'s drawing' % name)
                failed += 1
        print('%d files compared, %d differ' % (len(names), failed))
        return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
