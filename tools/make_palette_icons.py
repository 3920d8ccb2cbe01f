#!/usr/bin/env python3
"""Writes the palette button pictures (src/shell/palette_icons/*.svg) and their resource file.

Each picture is a 32x32 tile in its palette's colour with a short label or a small drawing.
Run it again after changing a label; the output is committed so the build needs no Python.
"""
import pathlib

OUT = pathlib.Path(__file__).resolve().parent.parent / "src" / "shell"

TILE = {"doc": "#3b6ea8", "text": "#3d8a4f", "table": "#9a5b2e", "form": "#7a4a9c",
        "object": "#a8404f"}

W = 'stroke="#fff" fill="none" stroke-width="2"'
GRID = (f'<rect x="6" y="8" width="20" height="16" {W}/>'
        f'<path d="M6 13.5H26M6 18.5H26M13 8V24M19.5 8V24" stroke="#fff" stroke-width="1.2"/>')
FIELD = f'<rect x="4" y="10" width="24" height="12" fill="#fff"/>'

# command: (palette, label or None, extra drawing)
ICONS = {
    "headtag": ("doc", "head", ""), "title": ("doc", "title", ""), "body": ("doc", "body", ""),
    "div": ("doc", "div", ""), "span": ("doc", "span", ""), "comntc": ("doc", "<!--", ""),
    "frameset": ("doc", None, f'<rect x="5" y="6" width="22" height="20" {W}/>'
                 f'<path d="M13 6V26M13 15H27" {W}/>'),
    "para": ("text", "\u00b6", ""),
    "br": ("text", None, f'<path d="M24 8V18H9" {W}/><path d="M13 13L8 18L13 23" {W}/>'),
    "hr": ("text", None, '<path d="M5 16H27" stroke="#fff" stroke-width="3"/>'
           '<text x="16" y="12" font-size="8" fill="#fff" text-anchor="middle" '
           'font-family="sans-serif">hr</text>'),
    "listw": ("text", None, '<path d="M11 9H26M11 16H26M11 23H26" stroke="#fff" stroke-width="2"/>'
              '<path d="M6 5L7 8L10 9L7 10L6 13L5 10L2 9L5 8Z" fill="#ffd84a"/>'
              '<circle cx="6" cy="16" r="1.6" fill="#fff"/><circle cx="6" cy="23" r="1.6" fill="#fff"/>'),
    "li": ("text", None, '<circle cx="8" cy="16" r="3" fill="#fff"/>'
           '<path d="M14 16H27" stroke="#fff" stroke-width="2.5"/>'),
    "pre": ("text", "pre", ""), "qoute": ("text", "\u201c\u201d", ""),
    "address": ("text", "addr", ""), "strong": ("text", "B", ""), "nbr": ("text", "nobr", ""),
    "tablet": ("table", None, GRID),
    "wiz": ("table", None, GRID + '<path d="M27 2L28.3 5.7L32 7L28.3 8.3L27 12L25.7 8.3L22 7'
            'L25.7 5.7Z" fill="#ffd84a"/>'),
    "row": ("table", None, '<rect x="6" y="13.5" width="20" height="5" fill="#ffd84a"/>' + GRID),
    "data": ("table", None, '<rect x="13" y="13.5" width="6.5" height="5" fill="#ffd84a"/>' + GRID),
    "rowcell": ("table", "tr+td", ""), "headercell": ("table", "th", ""),
    "caption": ("table", "capt", ""), "header": ("table", "thead", ""),
    "tbody": ("table", "tbody", ""), "colgroup": ("table", "cols", ""),
    "col": ("table", None, '<rect x="13" y="8" width="6.5" height="16" fill="#ffd84a"/>' + GRID),
    "footer": ("table", "tfoot", ""),
    "formt": ("form", "form", ""),
    "textbox": ("form", None, FIELD + '<text x="6" y="20" font-size="9" fill="#333" '
                'font-family="sans-serif">abc</text>'),
    "password": ("form", None, FIELD + '<text x="16" y="22" font-size="12" fill="#333" '
                 'text-anchor="middle" font-family="sans-serif">***</text>'),
    "checkbox": ("form", None, '<rect x="7" y="7" width="18" height="18" fill="#fff"/>'
                 '<path d="M10 16L14.5 21L22 11" stroke="#333" stroke-width="3" fill="none"/>'),
    "radio": ("form", None, '<circle cx="16" cy="16" r="9" fill="#fff"/>'
              '<circle cx="16" cy="16" r="4.5" fill="#333"/>'),
    "button": ("form", None, '<rect x="3" y="9" width="26" height="14" rx="3" fill="#ddd" '
               'stroke="#fff" stroke-width="1.5"/><text x="16" y="20" font-size="9" fill="#333" '
               'text-anchor="middle" font-family="sans-serif" font-weight="bold">OK</text>'),
    "listbox": ("form", None, '<rect x="4" y="5" width="24" height="22" fill="#fff"/>'
                '<rect x="22" y="5" width="6" height="22" fill="#bbb"/>'
                '<rect x="4" y="10" width="18" height="5" fill="#9fc3ec"/>'
                '<path d="M6 8H19M6 12.5H19M6 17H19M6 21.5H19" stroke="#333"/>'),
    "image": ("object", None, '<rect x="4" y="6" width="24" height="20" fill="#cfe8ff"/>'
              '<circle cx="22" cy="12" r="3" fill="#ffd84a"/>'
              '<path d="M4 26L12 14L18 22L21 18L28 26Z" fill="#3d8a4f"/>'),
    "bookmark": ("object", None, '<path d="M10 5H22V27L16 21L10 27Z" fill="#fff"/>'),
    "map": ("object", None, '<rect x="4" y="6" width="24" height="20" fill="#cfe8ff"/>'
            '<path d="M8 10H18V20H8Z" fill="none" stroke="#a8404f" stroke-width="1.5" '
            'stroke-dasharray="2,1.5"/><circle cx="22" cy="19" r="3.5" fill="none" '
            'stroke="#a8404f" stroke-width="1.5" stroke-dasharray="2,1.5"/>'),
    "objecttag": ("object", "obj", ""), "script": ("object", "{ }", ""),
    "applet": ("object", "java", ""),
    "color": ("object", None, '<circle cx="11" cy="12" r="6" fill="#ff5050"/>'
              '<circle cx="21" cy="12" r="6" fill="#50d050"/>'
              '<circle cx="16" cy="21" r="6" fill="#5080ff"/>'),
    "mtext": ("object", None, '<text x="4" y="16" font-size="9" fill="#fff" '
              'font-family="sans-serif">abc</text><path d="M6 22H26M22 18L26 22L22 26" '
              'stroke="#fff" stroke-width="2" fill="none"/>'),
}


def label_svg(label):
    size = {1: 18, 2: 15, 3: 12, 4: 10}.get(len(label), 8)
    text = label.replace("&", "&amp;").replace("<", "&lt;")
    return (f'<text x="16" y="{16 + size * 0.36:.1f}" font-size="{size}" fill="#fff" '
            f'text-anchor="middle" font-family="sans-serif" font-weight="bold">{text}</text>')


def main():
    folder = OUT / "palette_icons"
    folder.mkdir(exist_ok=True)
    for command, (palette, label, drawing) in ICONS.items():
        body = label_svg(label) if label else drawing
        svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" '
               f'viewBox="0 0 32 32"><rect x="0.5" y="0.5" width="31" height="31" rx="4" '
               f'fill="{TILE[palette]}"/>{body}</svg>\n')
        (folder / f"{command}.svg").write_text(svg, encoding="utf-8")
    entries = "".join(f'        <file>palette_icons/{c}.svg</file>\n' for c in ICONS)
    (OUT / "palette_icons.qrc").write_text(
        f'<RCC>\n    <qresource prefix="/">\n{entries}    </qresource>\n</RCC>\n', encoding="utf-8")


if __name__ == "__main__":
    main()
