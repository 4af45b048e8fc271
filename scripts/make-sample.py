#!/usr/bin/env python3
"""Writes the sample card file that 'make run' opens: app/sample/Beispiel.qiv
and the attachment beside it. German categories and entries with umlauts,
plain and rich text, coloured items, a collapsed category and an entry with
an attachment.

    make-sample.py [--check]   (--check: compare with the committed files)
"""

import os
import sys

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(top, "tests", "model"))
import qivformat as q  # noqa: E402

SAMPLE = os.path.join(top, "app", "sample")
ATTACHMENT = "Einkaufsliste.txt"
SECOND_ATTACHMENT = "Vorratsliste.txt"


def cp(text):
    return text.encode("cp1252")


def rtf(body):
    """A small rich text in the editor's own form: a font table, a colour
    table and the paragraphs."""
    return cp("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
              "{\\f1\\fnil\\fcharset2 Symbol;}}"
              "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green0\\blue160;}"
              "\\viewkind4\\uc1\\pard\\f0\\fs20 " + body + "\\par\n}\n")


def bullets(items):
    """Paragraphs with bullets, as the editor writes them, then a plain
    paragraph."""
    mark = "{\\pntext\\f1\\'b7\\tab}"
    return ("\\pard" + mark + "{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-200\\li200 "
            + ("\\par" + mark).join(items) + "\\par\\pard ")


def entry(title, text, color=None, attachments=None):
    return q.Node(q.ENTRY, cp(title), color=color, text=text,
                  attachments=[cp(a) for a in (attachments or [])])


def category(title, children, expanded=1, color=None):
    return q.Node(q.CATEGORY, cp(title), color=color, expanded=expanded, children=children)


def sample_tree():
    kitchen = category("Küche", [
        entry("Brot backen", rtf("\\b Zutaten:\\b0\\par "
                                 + bullets(["500 g Mehl", "1 W\\'fcrfel Hefe", "Salz", "300 ml lauwarmes Wasser"])
                                 + "\\i Zubereitung:\\i0  alles \\ul kr\\'e4ftig\\ulnone  kneten.\\par"
                                 "\\cf1 Teig eine Stunde gehen lassen!\\cf0")),
        entry("Gemüsesuppe", cp("Karotten, Lauch, Sellerie und Kartoffeln würfeln,\r\n"
                                "in Brühe 20 Minuten köcheln lassen.\r\n"), color=0x00E0F0FF),
        entry("Einkauf", cp("Siehe Anlagen.\r\n"),
              attachments=[ATTACHMENT, SECOND_ATTACHMENT]),
    ])
    garden = category("Garten", [
        entry("Rosen schneiden", cp("Im Frühjahr, wenn die Forsythien blühen.\r\n")),
        entry("Tomaten", rtf("\\cf2\\i Sorten:\\i0\\cf0  Harzfeuer, Ochsenherz, Gelbe Birne")),
    ], expanded=0, color=0x00D0FFD0)
    office = category("Büro", [
        category("Steuern", [
            entry("Belege 2026", cp("Quittungen im grünen Ordner, Fahrtenbuch prüfen.\r\n")),
        ]),
        entry("Telefonliste", cp("Müller  0711 123456\r\nSchäfer 089 987654\r\nWeiß    030 555111\r\n")),
    ])
    welcome = entry("Willkommen", rtf("Willkommen bei \\b Qivnotes\\b0 ! Links stehen die "
                                      "Kategorien, rechts der Text des gewählten Eintrags."))
    root = category("Notizen", [welcome, kitchen, garden, office])
    return [root]


def outputs():
    card = q.write_card_file(sample_tree())
    shopping = cp("Milch\r\nEier\r\nÄpfel\r\nKäse\r\n")
    stock = cp("Reis\r\nNudeln\r\nMehl\r\nZucker\r\n")
    return {"Beispiel.qiv": card, ATTACHMENT: shopping, SECOND_ATTACHMENT: stock}


def main():
    check = "--check" in sys.argv[1:]
    failed = False
    for name, data in outputs().items():
        path = os.path.join(SAMPLE, name)
        if check:
            with open(path, "rb") as f:
                if f.read() != data:
                    print("make-sample: %s differs from what the script writes" % path)
                    failed = True
        else:
            os.makedirs(SAMPLE, exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
