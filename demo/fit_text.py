"""Breaks the demo's text into lines that fit the window's text boxes.

The game draws its boxes in Liberation Sans (for "Arial") and Liberation
Serif (for "Times New Roman"). A line's width is the sum of its glyphs'
advance widths at the box's pixel size, each rounded to whole pixels as the
window's text renderer does with hinting on; the widths come straight from
the font file (its cmap and hmtx tables), so nothing beyond Python is needed.
The window's own test measures the same lines with Qt and has the last word;
the budgets below leave a few pixels for kerning.
"""

import os
import struct

FONT_DIRS = ["/usr/share/fonts/truetype/liberation",
             "/usr/share/fonts/truetype/liberation2"]

# Box: (font file, pixel size, widest line in pixels). The widths are the
# text area of each box in the window less a small reserve: the location
# description (LocMemo, Arial 13, with its scroll bar), the item viewer
# (Memo1, Times New Roman 12) and the intro text (Memo4, Times New Roman 16,
# no frame).
BOXES = {
    "location": ("LiberationSans-Regular.ttf", 13, 328),
    "viewer": ("LiberationSerif-Regular.ttf", 12, 152),
    "intro": ("LiberationSerif-Regular.ttf", 16, 480),
}


class Font:
    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        tables = {}
        count = struct.unpack(">H", data[4:6])[0]
        for i in range(count):
            tag, _, offset, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
            tables[tag.decode("latin-1")] = (offset, length)
        self.units = struct.unpack(">H", data[tables["head"][0] + 18:][:2])[0]
        metrics = struct.unpack(">H", data[tables["hhea"][0] + 34:][:2])[0]
        hmtx = tables["hmtx"][0]
        self.advances = [struct.unpack(">H", data[hmtx + 4 * i:hmtx + 4 * i + 2])[0]
                         for i in range(metrics)]
        self.glyphs = self._cmap(data, tables["cmap"][0])

    @staticmethod
    def _cmap(data, base):
        """Code point -> glyph from the Windows Unicode (format 4) subtable."""
        count = struct.unpack(">H", data[base + 2:base + 4])[0]
        for i in range(count):
            platform, encoding, offset = struct.unpack(
                ">HHI", data[base + 4 + 8 * i:base + 12 + 8 * i])
            sub = base + offset
            if platform == 3 and encoding == 1 and struct.unpack(">H", data[sub:sub + 2])[0] == 4:
                break
        else:
            raise ValueError("font has no Unicode cmap")
        segs = struct.unpack(">H", data[sub + 6:sub + 8])[0] // 2
        def array(start):
            return struct.unpack(">%dH" % segs, data[start:start + 2 * segs])
        ends = array(sub + 14)
        starts = array(sub + 16 + 2 * segs)
        deltas = array(sub + 16 + 4 * segs)
        ranges_at = sub + 16 + 6 * segs
        ranges = array(ranges_at)
        glyphs = {}
        for k in range(segs):
            for code in range(starts[k], ends[k] + 1):
                if code == 0xFFFF:
                    continue
                if ranges[k] == 0:
                    glyph = (code + deltas[k]) & 0xFFFF
                else:
                    at = ranges_at + 2 * k + ranges[k] + 2 * (code - starts[k])
                    glyph = struct.unpack(">H", data[at:at + 2])[0]
                    if glyph:
                        glyph = (glyph + deltas[k]) & 0xFFFF
                glyphs[code] = glyph
        return glyphs

    def width(self, text, px):
        total = 0
        for ch in text:
            glyph = self.glyphs.get(ord(ch), 0)
            advance = self.advances[min(glyph, len(self.advances) - 1)]
            total += int(advance * px / self.units + 0.5)
        return total


_fonts = {}


def font(name):
    if name not in _fonts:
        for folder in FONT_DIRS:
            path = os.path.join(folder, name)
            if os.path.exists(path):
                _fonts[name] = Font(path)
                break
        else:
            raise SystemExit("font %s not found (install fonts-liberation)" % name)
    return _fonts[name]


def width(box, text):
    name, px, _ = BOXES[box]
    return font(name).width(text, px)


def fits(box, text):
    return width(box, text) <= BOXES[box][2]


def wrap(box, paragraph):
    """The paragraph's words as lines, each as long as still fits the box."""
    lines = []
    for word in paragraph.split():
        if lines and fits(box, lines[-1] + " " + word):
            lines[-1] += " " + word
        else:
            if not fits(box, word):
                raise SystemExit("word too wide for the %s box: %s" % (box, word))
            lines.append(word)
    return lines


def paragraphs(box, texts):
    """Each paragraph wrapped; an empty string stays an empty line."""
    lines = []
    for text in texts:
        lines += wrap(box, text) if text else [""]
    return lines
