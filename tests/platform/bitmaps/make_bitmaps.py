#!/usr/bin/env python3
"""Writes the small BMP files that the platform tests load through the test resources.

Each picture is tiny and its pixels and colour table are chosen so that a test can check every
value. Run it from this folder; the files are committed, so the build does not need Python.
"""
import struct


def bmp(width, height, bits, table, rows, colours_used=0, top_down=False):
    """rows: list of rows of palette indexes (bits <= 8) or (r, g, b) tuples, top row first."""
    stored = rows if top_down else list(reversed(rows))
    data = b""
    for row in stored:
        if bits == 4:
            padded = row + [0] * (len(row) % 2)
            line = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        elif bits == 8:
            line = bytes(row)
        elif bits == 1:
            line = bytearray((width + 7) // 8)
            for x, v in enumerate(row):
                if v:
                    line[x // 8] |= 0x80 >> (x % 8)
            line = bytes(line)
        else:
            line = b"".join(bytes((b, g, r)) for (r, g, b) in row)
        line += b"\0" * ((4 - len(line) % 4) % 4)
        data += line
    table_bytes = b"".join(bytes((b, g, r, 0)) for (r, g, b) in table)
    offset = 14 + 40 + len(table_bytes)
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits, 0, len(data),
                       2835, 2835, colours_used, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + info + table_bytes + data


SIXTEEN = [(i * 16, 255 - i * 16, (i * 37) % 256) for i in range(16)]

# 901: 4-bit, 5 x 3, full 16-entry table, bottom-up.
four_bit = bmp(5, 3, 4, SIXTEEN, [[0, 1, 2, 3, 4], [15, 14, 13, 12, 11], [5, 6, 7, 8, 9]])
# 902: 8-bit, 4 x 2, three colours used.
eight_bit = bmp(4, 2, 8, [(255, 0, 0), (0, 255, 0), (10, 20, 30)], [[0, 1, 2, 0], [2, 2, 1, 1]], colours_used=3)
# 903: 24-bit, 2 x 2, no colour table.
true_colour = bmp(2, 2, 24, [], [[(1, 2, 3), (4, 5, 6)], [(7, 8, 9), (250, 251, 252)]])
# 909: 1-bit, 10 x 2, top-down, black and white.
mono = bmp(10, 2, 1, [(0, 0, 0), (255, 255, 255)], [[1, 0] * 5, [0, 0, 1, 1, 0, 0, 1, 1, 0, 0]], top_down=True)

files = {
    901: four_bit,
    902: eight_bit,
    903: true_colour,
    909: mono,
    # Malformed: cut inside the colour table.
    904: eight_bit[:14 + 40 + 5],
    # Malformed: wrong signature.
    905: b"XM" + eight_bit[2:],
    # Malformed: 100000 x 100000 pixels claimed.
    906: eight_bit[:18] + struct.pack("<ii", 100000, 100000) + eight_bit[26:],
    # Malformed: more colours than 8 bits allow.
    907: eight_bit[:46] + struct.pack("<I", 300) + eight_bit[50:],
    # Malformed: pixel data said to start past the end of the file.
    908: eight_bit[:10] + struct.pack("<I", 100000) + eight_bit[14:],
    # Malformed: pixel rows cut short.
    910: four_bit[:-7],
    # Malformed: only a file header.
    911: four_bit[:14],
}
for number, content in files.items():
    with open(f"{number}.bmp", "wb") as f:
        f.write(content)
