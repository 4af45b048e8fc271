#!/usr/bin/env python3
"""Writes the resource scripts of the three style modules the toolkit tests
load (StyleModule.rc, AltStyleModule.rc and ThemeStyleModule.rc), as exact
byte strings, and ThemeStyleImages.h, the table of the third one's images:

    python3 make_style_modules.py

StyleModule.rc: the style text under its default name, a nine-part bitmap
strip of two frames, an alpha PNG and two damaged PNGs.
AltStyleModule.rc: two style texts under other names, the first of an odd
byte size, the second with a zero character inside.
ThemeStyleModule.rc: every colour key the themes read, each its own colour,
and every image the Office 2007 theme draws, each frame one solid colour.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

STYLE_TEXT = (
    "; Farben der Tests\r\n"
    "[Images];Bilder\r\n"
    "Frame = nine.bmp\r\n"
    "Missing = nowhere.png\r\n"
    "\r\n"
    "[Ribbon]\r\n"
    "RibbonFace = 1 2 3\r\n"
    "\t  Numbers =  0x10 010 16   ; note\r\n"
    "Partial = 7\r\n"
    "Junk = abc 5\r\n"
    "Wrap = 257 -1 0x1FF\r\n"
    "=9 9 9\r\n"
    "Spaced Key   =   4 5 6  \r\n"
    "Gr\u00fcn = 0 255 0\r\n"
    "Lf = 1 2 3\nHidden = 4 5 6\r\n"
    "RibbonFace = 7 7 7\r\n"
    "[Other]\r\n"
    "X = 1 1 1\r\n"
    "[RIBBON]\r\n"
    "Second = 9 9 9\r\n"
    "[Blank] \r\n"
    "InBlank = 1 2 3\r\n"
    "[Tail]\r\n"
    "Last = 4 5 6"
)

# Odd in size: the last single byte is half a carriage return.
ALT_TEXT = "[A]\r\nK = 10 20 30\r\nN = 4 5 6".encode("utf-16-le") + b"\x0d"
ZERO_TEXT = "[A]\r\nK = 1 1 1\r\n\0\r\nM = 2 2 2\r\n".encode("utf-16-le")


def cell_colour(frame, row, col):
    """The nine 2 x 2 cells of each 6 x 6 frame, each of its own colour."""
    i = row * 3 + col
    if frame == 0:
        return (20 + 25 * i, 240 - 20 * i, 10 * i)
    return (i + 1, 100, 200)


def nine_bmp():
    width, height = 6, 12
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        frame, fy = divmod(y, 6)
        row = b""
        for x in range(width):
            r, g, b = cell_colour(frame, fy // 2, x // 2)
            row += bytes((b, g, r))
        rows.append(row + b"\0" * ((4 - len(row) % 4) % 4))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows)


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def alpha_png():
    """4 x 4: the left half opaque red, the right half fully transparent."""
    raw = b""
    for _ in range(4):
        raw += b"\0" + bytes((255, 0, 0, 255)) * 2 + bytes((0, 0, 0, 0)) * 2
    return (b"\x89PNG\r\n\x1a\n" +
            png_chunk(b"IHDR", struct.pack(">IIBBBBB", 4, 4, 8, 6, 0, 0, 0)) +
            png_chunk(b"IDAT", zlib.compress(raw)) + png_chunk(b"IEND", b""))


def broken_png():
    return b"\x89PNG\r\n\x1a\n" + b"\x13\x37" * 5


def huge_png():
    """Claims 65535 x 65535 pixels and then ends."""
    return (b"\x89PNG\r\n\x1a\n" +
            png_chunk(b"IHDR", struct.pack(">IIBBBBB", 65535, 65535, 8, 6, 0, 0, 0)) +
            png_chunk(b"IDAT", zlib.compress(b"\0" * 64)))


def rc_block(name, kind, data):
    lines = ["%s %s" % (name, kind), "BEGIN"]
    for i in range(0, len(data), 24):
        lines.append('    "' + "".join("\\x%02x" % b for b in data[i:i + 24]) + '"')
    lines.append("END")
    return "\n".join(lines) + "\n\n"


def write(name, comment, blocks):
    with open(os.path.join(HERE, name), "w", newline="\n") as f:
        f.write("#pragma code_page(65001)\n")
        f.write("// Written by make_style_modules.py; change that script, not this file.\n")
        f.write("// %s\n\n" % comment)
        for block in blocks:
            f.write(rc_block(*block))


write("StyleModule.rc", "A style module as the program finds it beside itself.", [
    ("OFFICE2007BLUE_INI", "TEXTFILE", STYLE_TEXT.encode("utf-16-le")),
    ("NINE_BMP", "2", nine_bmp()[0:]),
    ("ALPHA_PNG", "PNG", alpha_png()),
    ("BROKEN_PNG", "PNG", broken_png()),
    ("HUGE_PNG", "PNG", huge_png()),
])
write("AltStyleModule.rc", "Style texts under names of their own.", [
    ("ALTSTYLE", "TEXTFILE", ALT_TEXT),
    ("ZERO_INI", "TEXTFILE", ZERO_TEXT),
])


# The third module: every colour key the Office 2007 and ribbon themes and
# the tab colour sets read, each a colour of its own, and every image the
# Office 2007 theme draws, each frame one solid colour, so that one pixel
# tells which image and which frame was drawn.
THEME_KEYS = [
    ("Window", ["BorderActive0", "BorderActive1", "BorderActive2", "BorderActive3",
                "BorderInactive0", "BorderInactive1", "BorderInactive2", "BorderInactive3",
                "CaptionTextActive", "CaptionTextInActive", "CaptionTextActiveTitle",
                "WindowFrame", "ButtonFace", "HighlightSelected", "HighlightSelectedBorder",
                "HighlightPressed", "HighlightPressedBorder", "HighlightChecked",
                "HighlightCheckedBorder", "HighlightSelectedDark", "HighlightSelectedLight",
                "HighlightCheckedDark", "HighlightCheckedLight", "HighlightPressedDark",
                "HighlightPressedLight"]),
    ("Toolbar", ["MenuBarText", "DockBarFace", "ToolbarFaceDark", "ToolbarFaceLight",
                 "ToolbarFaceShadow", "ControlToolbarExpandDark", "ControlToolbarExpandLight",
                 "ControlHighlightPopupedDark", "ControlHighlightPopupedLight",
                 "MenuPopupExpandedGripperDark", "MenuPopupExpandedGripperLight",
                 "MenuPopupTearOffGripper", "MenuPopupBorder", "ToolbarGripper",
                 "FloatingBarGripper", "FloatingBarGripperText", "FloatingBarBorder", "ToolbarFace",
                 "ToolbarSeparator", "ControlDisabledIcon", "ControlLabel", "ControlEditBorder",
                 "ControlDisabledIconDark", "ControlDisabledIconLight", "ControlGallerySelected",
                 "ControlGalleryNormal", "ControlGalleryBorder"]),
    ("StatusBar", ["StatusBarText", "StatusBarShadow", "StatusBarFaceTopDark",
                   "StatusBarFaceTopLight", "StatusBarFaceBottomDark", "StatusBarFaceBottomLight"]),
    ("Workspace", ["AppWorkspace", "WorkspaceClientTop", "WorkspaceClientMiddle",
                   "WorkspaceClientBottom"]),
    ("Ribbon", ["RibbonFace", "TabNormalText", "TabSelectedText", "GroupCaptionText",
                "GroupClientText", "RibbonText", "ControlEditNormal", "MenuPopupText",
                "ControlHighlightText"]),
    ("TabManager", ["FrameBorder", "DarkShadow", "LightShadow", "HeaderFaceLight",
                    "HeaderFaceDark", "AutoHideFaceLight", "AutoHideFaceDark"]),
]

# name, frames, frame width, frame height
THEME_IMAGES = [
    ("WORKSPACETOPLEFT", 1, 24, 16),
    ("FRAMETOPLEFT", 2, 8, 30),
    ("FRAMETOPCENTER", 2, 8, 30),
    ("FRAMETOPRIGHT", 2, 8, 30),
    ("FRAMESIMPLETOPRIGHT", 2, 8, 30),
    ("FRAMEBOTTOMLEFT", 1, 6, 6),
    ("FRAMEBOTTOMRIGHT", 1, 6, 6),
    ("STATUSBARLIGHT", 1, 4, 22),
    ("STATUSBARDARK", 1, 4, 22),
    ("FRAMECAPTIONBUTTON", 2, 22, 22),
] + [("FRAMECAPTION%s%d" % (glyph, size), 5, size, size)
     for glyph in ("CLOSE", "MINIMIZE", "MAXIMIZE", "RESTORE") for size in (13, 17, 23)] + [
    ("CONTROLGALLERYUP", 5, 15, 21),
    ("CONTROLGALLERYDOWN", 5, 15, 19),
    ("CONTROLGALLERYPOPUP", 5, 15, 20),
    ("CONTROLGALLERYSCROLLVERTICALLIGHT", 1, 17, 17),
    ("CONTROLGALLERYSCROLLVERTICALDARK", 1, 17, 17),
    ("CONTROLGALLERYSCROLLARROWSVERTICALLIGHT", 4, 17, 17),
    ("CONTROLGALLERYSCROLLARROWSVERTICALDARK", 4, 17, 17),
    ("CONTROLGALLERYSCROLLARROWGLYPHS", 8, 9, 9),
    ("CONTROLGALLERYSCROLLTHUMBVERTICAL", 4, 17, 17),
    ("CONTROLGALLERYSCROLLTHUMBGRIPPERVERTICAL", 1, 8, 8),
    # The ribbon theme's.
    ("RIBBONTAB", 6, 20, 23),
    ("CONTEXTTABGREEN", 5, 20, 23),
    ("RIBBONTABSEPARATOR", 1, 1, 20),
    ("CONTEXTTABSEPARATOR", 1, 1, 20),
    ("RIBBONGROUPS", 1, 20, 20),
    ("CONTEXTTABGREENCLIENT", 1, 20, 20),
    ("RIBBONGROUPCLIENT", 2, 12, 12),
    ("RIBBONGROUPCAPTION", 2, 12, 17),
    ("CONTEXTTABGROUPCLIENT", 2, 12, 12),
    ("CONTEXTTABGROUPCAPTION", 2, 12, 17),
    ("RIBBONGROUPBUTTON", 3, 12, 12),
    ("CONTEXTTABGREENGROUPBUTTON", 3, 12, 12),
    ("RIBBONQUICKACCESSBUTTON", 4, 13, 22),
    ("RIBBONQUICKACCESSMORE", 4, 13, 22),
    ("RIBBONQUICKACCESSFRAME", 1, 8, 8),
    ("RIBBONGROUPSSCROLLLEFT", 3, 12, 20),
    ("RIBBONGROUPSSCROLLRIGHT", 3, 12, 20),
    ("RIBBONOPTIONBUTTON", 3, 15, 14),
    ("ContextTabGREENHeader", 1, 8, 8),
    ("TOOLBARBUTTONS22", 4, 22, 22),
    ("TOOLBARBUTTONS50", 4, 50, 50),
    ("MENUCHECKEDITEM", 2, 12, 12),
    ("MENUSELECTEDITEM22", 1, 12, 22),
    ("MENUSELECTEDITEM54", 1, 12, 54),
    ("MENUSELECTEDDISABLEDITEM22", 1, 12, 22),
    ("MENUSELECTEDDISABLEDITEM54", 1, 12, 54),
    ("POPUPBARFRAME", 1, 12, 12),
    ("STATUSBARGRIPPER", 1, 8, 8),
    # From here on the colours of ThemeImageColorFrom (up to 13 frames).
    ("TOOLBARBUTTONSSPLIT22", 6, 10, 22),
    ("TOOLBARBUTTONSSPLITDROPDOWN22", 5, 8, 22),
    ("TOOLBARBUTTONSSPLIT50", 6, 10, 23),
    ("TOOLBARBUTTONSSPLITDROPDOWN50", 5, 10, 27),
    ("TOOLBARBUTTONSSPECIALSPLITLEFT", 7, 10, 22),
    ("TOOLBARBUTTONSSPECIALSPLITCENTER", 7, 10, 22),
    ("TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT", 6, 8, 22),
    ("TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER", 6, 8, 22),
    ("TOOLBARBUTTONSSPECIALSINGLE", 5, 22, 22),
    ("TOOLBARBUTTONSSPECIALLEFT", 5, 22, 22),
    ("TOOLBARBUTTONSSPECIALRIGHT", 5, 22, 22),
    ("TOOLBARBUTTONSSPECIALCENTER", 5, 22, 22),
    ("TOOLBARBUTTONSCOMBODROPDOWN", 5, 8, 22),
    ("TOOLBARBUTTONCHECKBOX", 12, 13, 13),
    ("STATUSBARDEVIDER", 1, 3, 22),
    # The ribbon's caption in a skinned frame.
    ("FRAMEGRIPPER", 2, 30, 30),
    ("FRAMESYSTEMBUTTON", 3, 46, 45),
]

# The first images' colours (below FIRST_WIDE_IMAGE) allow 9 frames and stay
# as they were; the later ones take another formula with room for 13 frames.
FIRST_WIDE_IMAGE = 60


def key_colour(i):
    """Spread over red and green so a person tells them apart; blue 10 + i
    keeps them distinct and below every image colour's blue."""
    return ((53 * i) % 220 + 20, (97 * i) % 220 + 20, 10 + i)


def image_colour(k, frame):
    """The first images: red a multiple of 4, green 30 + 28 n; the later
    ones: red 2 more than a multiple of 4, green 20 + 18 n. check_colours
    makes sure no two are alike, none is a key colour and none magenta."""
    if k < FIRST_WIDE_IMAGE:
        return (16 + 4 * k, 30 + 28 * frame, 250 - 3 * k)
    j = k - FIRST_WIDE_IMAGE
    return (18 + 4 * j, 20 + 18 * frame, 250 - 3 * j)


def theme_text():
    lines, i = [], 0
    for section, keys in THEME_KEYS:
        lines.append("[%s]" % section)
        for key in keys:
            lines.append("%s = %d %d %d" % ((key,) + key_colour(i)))
            i += 1
    return "\r\n".join(lines) + "\r\n"


def solid_frames_bmp(k, frames, width, height):
    rows = []
    for y in range(frames * height - 1, -1, -1):  # bottom-up
        b, g, r = image_colour(k, y // height)[::-1]
        row = bytes((b, g, r)) * width
        rows.append(row + b"\0" * ((4 - len(row) % 4) % 4))
    header = struct.pack("<IiiHHIIiiII", 40, width, frames * height, 1, 24, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows)


def write_image_header():
    with open(os.path.join(HERE, "ThemeStyleImages.h"), "w", newline="\n") as f:
        f.write("// Written by make_style_modules.py; change that script, not this file.\n")
        f.write("// The images of ThemeStyleModule.dll: name, frames and frame size; each\n")
        f.write("// frame is one solid colour, ThemeImageColor(index, frame).\n")
        f.write("#pragma once\n\n#include <windows.h>\n\n")
        f.write("struct ThemeStyleImage\n{\n    const char* pszName;\n    int nFrames;\n"
                "    int cx;\n    int cy;\n};\n\n")
        f.write("const ThemeStyleImage kThemeStyleImages[] = {\n")
        for name, frames, width, height in THEME_IMAGES:
            f.write('    {"%s", %d, %d, %d},\n' % (name, frames, width, height))
        f.write("};\n\n")
        f.write("inline COLORREF ThemeImageColor(int nImage, int nFrame)\n{\n"
                "    if (nImage < %d)\n"
                "        return RGB(16 + 4 * nImage, 30 + 28 * nFrame, 250 - 3 * nImage);\n"
                "    const int j = nImage - %d;\n"
                "    return RGB(18 + 4 * j, 20 + 18 * nFrame, 250 - 3 * j);\n}\n\n"
                % (FIRST_WIDE_IMAGE, FIRST_WIDE_IMAGE))
        f.write("// The frame colour of the image of that name; 0xFFFFFFFF for other names.\n")
        f.write("inline COLORREF ThemeImageColor(const char* pszName, int nFrame)\n{\n"
                "    for (int i = 0; i < static_cast<int>(sizeof(kThemeStyleImages) / sizeof(kThemeStyleImages[0])); ++i)\n"
                "        if (lstrcmpA(kThemeStyleImages[i].pszName, pszName) == 0)\n"
                "            return ThemeImageColor(i, nFrame);\n"
                "    return 0xFFFFFFFF;\n}\n")


def check_colours():
    keys = sum(len(keys) for _, keys in THEME_KEYS)
    seen = {key_colour(i): "key %d" % i for i in range(keys)}
    seen[(255, 0, 255)] = "magenta"
    for k, (name, frames, _, _) in enumerate(THEME_IMAGES):
        for frame in range(frames):
            colour = image_colour(k, frame)
            assert all(0 <= c <= 255 for c in colour), (name, frame, colour)
            assert colour not in seen, (name, frame, seen.get(colour))
            seen[colour] = name


check_colours()
write("ThemeStyleModule.rc", "Every key and image the themes read.", [
    ("OFFICE2007BLUE_INI", "TEXTFILE", theme_text().encode("utf-16-le")),
] + [(name, "2", solid_frames_bmp(k, frames, width, height))
     for k, (name, frames, width, height) in enumerate(THEME_IMAGES)])
write_image_header()
