#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz targets (fuzz/corpus/<target>/)."""
import io
import os
import zipfile

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def write(target, name, data):
    folder = os.path.join(root, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


STYLE = ('{"style": [{"type": 1, "name": "bg", "drawImg": false, "clr": "FF102030", '
         '"borderclr": "80FFFFFF", "round": 4, "borderSize": 2, "border": true, '
         '"leftBorder": false, "img": "images\\\\a.png", "margin": [1, 2, 3, 4], '
         '"repeatCenter": true}, {"type": 2, "name": "txt", "bold": true, "size": 14, '
         '"family": "DejaVu Sans", "clr": "FF000000", "x": 1, "y": 2, "isHor": false, '
         '"hor": 1, "ver": 2}, {"type": 1, "name": "empty"}]}')
write("style", "full.json", STYLE)
write("style", "defaults.json", '{"style": [{"type": 1}, {"type": 2}, {"type": 9}, 3]}')
write("style", "wrong-types.json",
      '{"style": [{"type": 1, "name": 5, "clr": 7, "margin": "x", "round": "r"}]}')

THEME = ('{"elements": [{"child": [{"name": "qtbutton", "theme": "qtbutton", '
         '"style": [["bg", 5, 0]]}, {"name": "qtbutton"}, {"name": 3}, 1]}]}')
write("theme", "theme.json", THEME)
write("theme", "no-child.json", '{"elements": [{}]}')
write("theme", "nested.json", '{"elements": [{"child": [{"name": "a", "child": [{"name": "b"}]}]}]}')


def utf16(text, bom=True):
    return (b"\xff\xfe" if bom else b"") + text.encode("utf-16-le")


write("language", "two.txt", utf16("Language\tEnglish\tGerman\r\nok\tOK\tJa\r\nno\tNo\r\n"))
write("language", "extra.txt", utf16("Language\tA\r\nk\tv\tw\tx\r\nk\tv2", bom=False))
write("language", "odd.txt", utf16("Language\tA\r\n\u00e4\t\U0001F600") + b"\x01")


def archive(entries, compression):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", compression) as z:
        for name, data in entries:
            z.writestr(name, data)
    return out.getvalue()


ENTRIES = [("style.json", STYLE), ("theme.json", THEME), ("IMAGES/", ""),
           ("IMAGES/Logo.PNG", b"\x89PNG\r\n\x1a\n"), ("language.txt", utf16("Language\tA\r\nk\tv")),
           ("sub/style.json", '{"style": []}')]
write("archive", "stored.zip", archive(ENTRIES, zipfile.ZIP_STORED))
write("archive", "deflated.zip", archive(ENTRIES, zipfile.ZIP_DEFLATED))
write("archive", "names.zip", archive([("../../up.txt", "x"), ("a\\B.txt", "y"), ("./c", "z")],
                                      zipfile.ZIP_DEFLATED))

# Ribbon configurations: the example one, and the shapes a hand-written file gets wrong.
with open(os.path.join(os.path.dirname(root), "..", "examples", "pages", "deck-theme",
                       "ribbon.json"), encoding="utf-8") as f:
    write("ribbon", "example.json", f.read())
write("ribbon", "wrong-types.json",
      '{"tabHeight": "30", "topBar": [], "tabs": [3, {"name": 5, "groups": {"content": []}},'
      ' {"groups": [[], {"content": [{"itemType": 1}, {"itemType": "comboBox", "items": 5,'
      ' "currentIndex": 1e300}, {"itemType": "spinBox", "min": 50, "max": -50, "value": "x"},'
      ' {"itemType": "progressBar", "min": -1e12, "value": 1e12}, {"itemType": "hologram"},'
      ' {"itemType": "smallButton", "width": -3, "height": 1e9, "enabled": 0}]}]}]}')
write("ribbon", "top-bar.json",
      '{"topBarHeight": 0, "groupRowCount": 0, "tabItemWidth": -9, "topBar": {"height": 2e9,'
      ' "left": [{"itemType": "separator"}, {"itemType": "label", "text": ""}],'
      ' "right": [{"itemType": "switch", "checked": true}, {"itemType": "lineEdit"}]}}')
write("ribbon", "not-an-object.json", '[{"tabs": []}]')
