"""An independent reader and writer of Qivnotes card files (.qiv).

Written from the description of the file layout, not from the program's
sources, so the two can check each other. Everything is iterative: a card
file nests one record level per sibling, so a category with many entries
would overflow any recursive reader.

A tree is made of Node objects. Strings (titles, attachment paths) and
texts are bytes in the ANSI code page (Windows-1252).
"""

import struct

MAGIC = b"Qivnotes"
CURRENT_VERSION = (2, 10)

CATEGORY = "C_QivCategory"
ENTRY = "C_QivEntry"
ITEM = "C_QivItem"
KINDS = (CATEGORY, ENTRY, ITEM)


class FormatError(Exception):
    """The bytes are not a card file this reader accepts."""


class Node:
    """One item of the tree. Fields absent from old files stay None."""

    def __init__(self, kind, title=b"", color=None, attachments=None,
                 expanded=None, text=None, children=None):
        assert kind in KINDS
        self.kind = kind
        self.title = title
        self.color = color
        self.attachments = attachments if attachments is not None else []
        self.expanded = expanded if kind == CATEGORY else None
        self.text = text if kind == ENTRY else None
        self.children = children if children is not None else []

    def __repr__(self):
        return "Node(%s, %r)" % (self.kind, self.title[:20])


def has_item_tail(version):
    major, minor = version
    return major >= 2 or (major == 1 and minor >= 30)


def has_viewer_flag(version):
    major, minor = version
    return major >= 2 or (major == 1 and minor >= 40)


# ---------------------------------------------------------------- reading

class _Reader:
    def __init__(self, data, pos):
        self.data = data
        self.pos = pos
        # index 0 is null; classes and objects share the counter from 1
        self.map = [None]

    def take(self, n):
        if n < 0 or self.pos + n > len(self.data):
            raise FormatError("end of data at %d (+%d)" % (self.pos, n))
        b = self.data[self.pos:self.pos + n]
        self.pos += n
        return b

    def byte(self):
        return self.take(1)[0]

    def word(self):
        return struct.unpack("<H", self.take(2))[0]

    def dword(self):
        return struct.unpack("<I", self.take(4))[0]

    def string(self):
        n = self.byte()
        if n < 0xFF:
            return self.take(n)
        n = self.word()
        if n == 0xFFFE:
            # UTF-16 text with its own length in the same scheme
            n = self.byte()
            if n == 0xFF:
                n = self.word()
                if n == 0xFFFF:
                    n = self.dword()
            raw = self.take(2 * n)
            return raw.decode("utf-16-le").encode("cp1252", "replace")
        if n == 0xFFFF:
            n = self.dword()
        return self.take(n)

    def string_list(self):
        n = self.word()
        if n == 0xFFFF:
            n = self.dword()
        return [self.string() for _ in range(n)]

    def object_tag(self, allowed):
        """Reads an object reference; answers a new Node or None."""
        tag = self.word()
        if tag == 0:
            return None
        if tag == 0xFFFF:
            schema = self.word()
            name = self.take(self.word()).decode("ascii", "replace")
            if name not in KINDS or name not in allowed:
                raise FormatError("bad class %r" % name)
            if schema != 0:
                raise FormatError("bad schema %d" % schema)
            self.map.append(("class", name))
            kind = name
        else:
            if tag == 0x7FFF:
                value = self.dword()
                is_class = bool(value & 0x80000000)
                index = value & 0x7FFFFFFF
            else:
                is_class = bool(tag & 0x8000)
                index = tag & 0x7FFF
            if not is_class:
                # a node referenced twice: no tree has it
                raise FormatError("object reference %d" % index)
            if index <= 0 or index >= len(self.map) or self.map[index][0] != "class":
                raise FormatError("bad class index %d" % index)
            kind = self.map[index][1]
            if kind not in allowed:
                raise FormatError("bad class %r" % kind)
        node = Node(kind)
        self.map.append(("object", node))
        return node


def _read_graph(r, version):
    tail = has_item_tail(version)
    root = r.object_tag((CATEGORY,))
    if root is None:
        raise FormatError("null root")
    # Each frame: (node, parent list it belongs to, stage). Stage 0: the
    # record starts (title, then the next sibling's record nests here);
    # stage 1: the rest of the record after the nested sibling; stage 2:
    # a category after its nested children.
    top = []
    stack = [(root, top, 0)]
    while stack:
        node, siblings, stage = stack.pop()
        if stage == 0:
            node.title = r.string()
            siblings.append(node)
            nxt = r.object_tag(KINDS)
            stack.append((node, siblings, 1))
            if nxt is not None:
                stack.append((nxt, siblings, 0))
        elif stage == 1:
            if tail:
                node.color = r.dword()
                node.attachments = r.string_list()
            if node.kind == CATEGORY:
                child = r.object_tag(KINDS)
                stack.append((node, siblings, 2))
                if child is not None:
                    stack.append((child, node.children, 0))
            elif node.kind == ENTRY:
                n = r.dword()
                node.text = r.take(n)
        else:
            if tail:
                node.expanded = r.dword()
    return top


def read_card_file(data, with_tail=False):
    """Answers (version, nodes at the top level, tail bytes)."""
    if data[:8] == MAGIC:
        if len(data) < 10:
            raise FormatError("no version")
        major, minor = data[8], data[9]
        version = (major, minor)
        pos = 10
        if has_viewer_flag(version):
            if len(data) < 12:
                raise FormatError("no flag")
            if struct.unpack("<H", data[10:12])[0] != 0:
                raise FormatError("viewer only")
            pos = 12
    else:
        version = (1, 0)
        pos = 0
    r = _Reader(data, pos)
    top = _read_graph(r, version)
    return version, top, data[r.pos:]


# ---------------------------------------------------------------- writing

class _Writer:
    def __init__(self):
        self.out = bytearray()
        self.count = 1
        self.classes = {}

    def word(self, w):
        self.out += struct.pack("<H", w)

    def dword(self, d):
        self.out += struct.pack("<I", d)

    def string(self, s):
        n = len(s)
        if n < 0xFF:
            self.out.append(n)
        elif n < 0xFFFE:
            self.out.append(0xFF)
            self.word(n)
        else:
            self.out.append(0xFF)
            self.word(0xFFFF)
            self.dword(n)
        self.out += s

    def string_list(self, items):
        if len(items) < 0xFFFF:
            self.word(len(items))
        else:
            self.word(0xFFFF)
            self.dword(len(items))
        for s in items:
            self.string(s)

    def object_tag(self, node):
        if node is None:
            self.word(0)
            return
        index = self.classes.get(node.kind)
        if index is None:
            self.word(0xFFFF)
            self.word(0)
            name = node.kind.encode("ascii")
            self.word(len(name))
            self.out += name
            self.classes[node.kind] = self.count
            self.count += 1
        elif index < 0x7FFF:
            self.word(0x8000 | index)
        else:
            self.word(0x7FFF)
            self.dword(0x80000000 | index)
        self.count += 1   # the node's own index


def default_color():
    return 0x00FFFFFF


def write_card_file(top, version=CURRENT_VERSION, tail=b""):
    """Writes nodes (the root first, then any siblings it has) in the layout
    of the given version: 1.0 without magic, 1.30 without the flag word."""
    w = _Writer()
    if version != (1, 0):
        w.out += MAGIC + bytes(version)
        if has_viewer_flag(version):
            w.word(0)
    item_tail = has_item_tail(version)
    # Frames as in the reader: (siblings, index, stage).
    stack = [(top, 0, 0)]
    while stack:
        siblings, i, stage = stack.pop()
        node = siblings[i]
        if stage == 0:
            w.object_tag(node)
            w.string(node.title)
            stack.append((siblings, i, 1))
            if i + 1 < len(siblings):
                stack.append((siblings, i + 1, 0))
            else:
                w.word(0)
        elif stage == 1:
            if item_tail:
                w.dword(default_color() if node.color is None else node.color)
                w.string_list(node.attachments)
            if node.kind == CATEGORY:
                stack.append((siblings, i, 2))
                if node.children:
                    stack.append((node.children, 0, 0))
                else:
                    w.word(0)
            elif node.kind == ENTRY:
                text = node.text or b""
                w.dword(len(text))
                w.out += text
        else:
            if item_tail:
                w.dword(node.expanded or 0)
    return bytes(w.out) + tail


# ---------------------------------------------------------------- dumping

def fnv1a(data):
    h = 0x811C9DC5
    for b in data:
        h ^= b
        h = (h * 0x01000193) & 0xFFFFFFFF
    return h


def dump_lines(top):
    """One line per node in pre-order, the form the program's dump tool
    prints: depth, kind, colour, expanded flag, title, attachments, text
    length and hash. Fields missing from old files are shown as '-'."""
    lines = []
    stack = [(n, 0) for n in reversed(top)]
    while stack:
        node, depth = stack.pop()
        color = "-" if node.color is None else "%08x" % node.color
        if node.kind == CATEGORY:
            expanded = "-" if node.expanded is None else "%d" % node.expanded
        else:
            expanded = "."
        if node.kind == ENTRY:
            text = node.text or b""
            text_part = "%d %08x" % (len(text), fnv1a(text))
        else:
            text_part = ". ."
        atts = ",".join(a.hex() for a in node.attachments)
        lines.append("%d %s %s %s %s [%s] %s" % (
            depth, node.kind, color, expanded, node.title.hex() or "-", atts, text_part))
        for child in reversed(node.children):
            stack.append((child, depth + 1))
    return lines
