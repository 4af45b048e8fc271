#!/usr/bin/env python3
"""Checks the program's card-file reader and writer against the independent
one in qivformat.py, on generated trees of random shape.

    crosscheck.py --dump QIVDUMP_EXE --wine WINE_RUN_SH --prefix WINEPREFIX

Python writes the trees; the program's dump tool must see the same trees in
them and, saving them again, must produce the same bytes (older layouts:
a current file that Python reads back as the same tree).
"""

import argparse
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import qivformat as q  # noqa: E402

UMLAUTS = "äöüÄÖÜß€é".encode("cp1252")
LETTERS = b"abcdefghijklmnopqrstuvwxyz ABCXYZ0123456789-_\\" + UMLAUTS
EDGE_TITLE_LENGTHS = (0, 1, 254, 255, 256, 65533, 65534, 65535)


def random_title(rng):
    if rng.random() < 0.08:
        n = rng.choice(EDGE_TITLE_LENGTHS)
    else:
        n = rng.randint(0, 24)
    unit = bytes(rng.choice(LETTERS) for _ in range(min(n, 40)))
    return (unit * (n // 40 + 1))[:n]


def random_text(rng):
    r = rng.random()
    if r < 0.15:
        return b""
    if r < 0.45:
        # plain text from an import: NUL-terminated, the NUL counted
        return bytes(rng.choice(LETTERS) for _ in range(rng.randint(0, 200))) + b"\0"
    if r < 0.8:
        body = bytes(rng.choice(LETTERS) for _ in range(rng.randint(0, 300)))
        return b"{\\rtf1\\ansi " + body + b"\\par }"
    return bytes(rng.randrange(256) for _ in range(rng.randint(1, 64)))


def random_node(rng, kind):
    node = q.Node(kind, random_title(rng), color=rng.choice(
        (0x00FFFFFF, 0, rng.randrange(1 << 32))))
    if rng.random() < 0.2:
        node.attachments = [random_title(rng) for _ in range(rng.randint(1, 4))]
    if kind == q.CATEGORY:
        node.expanded = rng.choice((0, 1, 1, 0xFFFFFFFF))
    if kind == q.ENTRY:
        node.text = random_text(rng)
    return node


def random_tree(rng, size):
    """A root with `size` nodes below it, hung at random places."""
    root = random_node(rng, q.CATEGORY)
    categories = [root]
    for _ in range(size):
        kind = rng.choices((q.ENTRY, q.CATEGORY, q.ITEM), (6, 3, 1))[0]
        node = random_node(rng, kind)
        parent = rng.choice(categories[-8:] if rng.random() < 0.5 else categories)
        parent.children.insert(rng.randint(0, len(parent.children)), node)
        if kind == q.CATEGORY:
            categories.append(node)
    return root


def long_chain(rng, n):
    root = random_node(rng, q.CATEGORY)
    root.children = [random_node(rng, q.ENTRY) for _ in range(n)]
    return root


def deep_tree(rng, depth):
    root = random_node(rng, q.CATEGORY)
    level = root
    for _ in range(depth):
        child = random_node(rng, q.CATEGORY)
        level.children = [random_node(rng, q.ENTRY), child, random_node(rng, q.ITEM)]
        level = child
    return root


def many_attachments(rng):
    root = random_node(rng, q.CATEGORY)
    entry = random_node(rng, q.ENTRY)
    entry.attachments = [b"x%d" % i for i in range(0xFFFF + 2)]
    root.children = [entry]
    return root


def strip_tail(tree):
    """Layouts before 1.30 hold no colour, attachments or expanded flag."""
    stack = [tree]
    while stack:
        node = stack.pop()
        node.color = None
        node.attachments = []
        node.expanded = None
        stack.extend(node.children)
    return tree


def to_windows(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run_tool(args, tool_args):
    cmd = [args.wine, args.prefix, args.dump] + tool_args
    res = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=600)
    out = res.stdout.decode("latin-1").replace("\r\n", "\n")
    return res.returncode, out


def parse_dumps(out):
    """file name -> list of lines, or the error string."""
    result = {}
    current = None
    lines = []
    for line in out.split("\n"):
        if line.startswith("file "):
            current = line[5:]
            lines = []
        elif line == "end":
            result[current] = lines
        elif line.startswith("error "):
            result[current] = line
        elif current is not None and line:
            lines.append(line)
    return result


def normalise_old(python_lines, program_lines):
    """Older layouts lack colour and expanded flag: take the program's
    defaults where Python has none, compare everything else."""
    if len(python_lines) != len(program_lines):
        return python_lines
    merged = []
    for pl, cl in zip(python_lines, program_lines):
        p = pl.split(" ")
        c = cl.split(" ")
        if p[2] == "-":
            p[2] = c[2]
        if p[3] == "-":
            p[3] = c[3]
        merged.append(" ".join(p))
    return merged


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--dump", required=True)
    ap.add_argument("--wine", required=True)
    ap.add_argument("--prefix", required=True)
    ap.add_argument("--seed", type=int, default=20040)
    ap.add_argument("--count", type=int, default=40)
    args = ap.parse_args()
    rng = random.Random(args.seed)

    cases = []   # (name, version, tree)
    for i in range(args.count):
        version = rng.choice(((2, 10), (2, 10), (2, 10), (1, 40), (1, 30), (1, 0)))
        tree = random_tree(rng, rng.randint(0, 300))
        cases.append(("random%d" % i, version, strip_tail(tree) if version < (1, 30) else tree))
    cases.append(("chain", (2, 10), long_chain(rng, 5000)))
    cases.append(("deep", (2, 10), deep_tree(rng, 3000)))
    cases.append(("deep10", (1, 0), strip_tail(deep_tree(rng, 500))))
    cases.append(("attachments", (2, 10), many_attachments(rng)))
    cases.append(("empty", (2, 10), q.Node(q.CATEGORY, b"", color=0, expanded=0)))

    failures = []
    with tempfile.TemporaryDirectory(prefix="qivcross") as tmp:
        written = {}
        for name, version, tree in cases:
            data = q.write_card_file([tree], version)
            path = os.path.join(tmp, name + ".qiv")
            with open(path, "wb") as f:
                f.write(data)
            written[name] = (path, version, tree, data)
            # Python reads what it wrote
            v, top, rest = q.read_card_file(data)
            if v != version or q.dump_lines(top) != q.dump_lines([tree]) or rest:
                failures.append("%s: python does not read its own file" % name)

        # The program sees the same trees.
        names = [n for n, _, _ in cases]
        rc, out = run_tool(args, ["dump"] + [to_windows(written[n][0]) for n in names])
        dumps = parse_dumps(out)
        for name in names:
            path, version, tree, data = written[name]
            got = dumps.get(to_windows(path))
            expected = q.dump_lines([tree])
            if isinstance(got, str) or got is None:
                failures.append("%s: program failed to read: %r" % (name, got))
                continue
            if version < (1, 30):
                expected = normalise_old(expected, got)
            if got != expected:
                first = next((i for i, (a, b) in enumerate(zip(got, expected)) if a != b),
                             min(len(got), len(expected)))
                failures.append("%s: dump differs at line %d: %r / %r" % (
                    name, first, (got + [""])[first][:120], (expected + [""])[first][:120]))

        # The program writes what Python reads, byte for byte the same for
        # current files.
        pairs = []
        for name in names:
            pairs += [to_windows(written[name][0]), to_windows(os.path.join(tmp, name + ".out"))]
        rc, out = run_tool(args, ["resave"] + pairs)
        if rc != 0:
            failures.append("resave failed: %s" % out[:500])
        for name in names:
            path, version, tree, data = written[name]
            out_path = os.path.join(tmp, name + ".out")
            if not os.path.exists(out_path):
                failures.append("%s: not saved" % name)
                continue
            with open(out_path, "rb") as f:
                saved = f.read()
            if version >= (1, 40):
                # the same bytes, but for the version the program writes
                if saved != data[:8] + bytes(q.CURRENT_VERSION) + data[10:]:
                    failures.append("%s: saved bytes differ" % name)
            try:
                v, top, rest = q.read_card_file(saved)
            except q.FormatError as e:
                failures.append("%s: python cannot read the saved file: %s" % (name, e))
                continue
            expected = q.dump_lines([tree])
            got = q.dump_lines(top)
            if version < (1, 30):
                expected = normalise_old(expected, dumps.get(to_windows(path)) or [])
            if v != q.CURRENT_VERSION or rest or got != expected:
                failures.append("%s: saved tree differs" % name)

        # Damaged files: both readers refuse them.
        good = written["random0"][3]
        viewer = good[:10] + b"\x01\x00" + good[12:]
        bad = {"viewer": (viewer, "error archive 0"),
               "cut": (good[:len(good) // 2], "error archive 3")}
        bad_paths = []
        for name, (data, _) in bad.items():
            p = os.path.join(tmp, name + ".bad")
            with open(p, "wb") as f:
                f.write(data)
            bad_paths.append(to_windows(p))
            try:
                q.read_card_file(data)
                failures.append("%s: python reader accepted a bad file" % name)
            except q.FormatError:
                pass
        rc, out = run_tool(args, ["dump"] + bad_paths)
        dumps = parse_dumps(out)
        for (name, (_, expected)), p in zip(bad.items(), bad_paths):
            if dumps.get(p) != expected:
                failures.append("%s: program answered %r" % (name, dumps.get(p)))

    for f in failures:
        print("FAIL", f)
    print("%d cases, %d failures" % (len(cases), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
