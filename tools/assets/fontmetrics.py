"""Text widths from a TrueType file (advance widths only, no kerning), so
that layouts can fit a dish name into its line before rendering."""
import struct


class Font:
    def __init__(self, path):
        with open(path, "rb") as f:
            data = f.read()
        count = struct.unpack(">H", data[4:6])[0]
        tables = {}
        for i in range(count):
            tag, _, offset, length = struct.unpack(
                ">4sIII", data[12 + 16 * i: 28 + 16 * i])
            tables[tag.decode("latin-1")] = (offset, length)
        head = tables["head"][0]
        self.units = struct.unpack(">H", data[head + 18: head + 20])[0]
        hhea = tables["hhea"][0]
        metrics = struct.unpack(">H", data[hhea + 34: hhea + 36])[0]
        hmtx = tables["hmtx"][0]
        self.advances = [struct.unpack(">H", data[hmtx + 4 * i: hmtx + 4 * i + 2])[0]
                         for i in range(metrics)]
        self.glyphs = self._cmap(data, tables["cmap"][0])

    @staticmethod
    def _cmap(data, cmap):
        """Code point -> glyph from the Unicode BMP subtable (format 4)."""
        subtables = struct.unpack(">H", data[cmap + 2: cmap + 4])[0]
        for i in range(subtables):
            platform, encoding, offset = struct.unpack(
                ">HHI", data[cmap + 4 + 8 * i: cmap + 12 + 8 * i])
            table = cmap + offset
            if (platform, encoding) in ((3, 1), (0, 3)) and \
                    struct.unpack(">H", data[table: table + 2])[0] == 4:
                break
        else:
            raise ValueError("font has no Unicode BMP character map")
        segments = struct.unpack(">H", data[table + 6: table + 8])[0] // 2

        def array(index):
            start = table + 14 + index * (2 * segments) + (2 if index else 0)
            return start, struct.unpack(f">{segments}H",
                                        data[start: start + 2 * segments])
        _, ends = array(0)
        _, starts = array(1)
        _, deltas = array(2)
        ranges_at, ranges = array(3)
        glyphs = {}
        for s in range(segments):
            for code in range(starts[s], ends[s] + 1):
                if code == 0xFFFF:
                    continue
                if ranges[s] == 0:
                    glyph = (code + deltas[s]) & 0xFFFF
                else:
                    at = ranges_at + 2 * s + ranges[s] + 2 * (code - starts[s])
                    glyph = struct.unpack(">H", data[at: at + 2])[0]
                    glyph = (glyph + deltas[s]) & 0xFFFF if glyph else 0
                glyphs[code] = glyph
        return glyphs

    def has(self, char):
        return self.glyphs.get(ord(char), 0) != 0

    def width(self, text, size):
        last = len(self.advances) - 1
        units = sum(self.advances[min(self.glyphs.get(ord(c), 0), last)]
                    for c in text)
        return units * size / self.units
