#!/usr/bin/env python3
"""Remakes windows/Fornalina.ico, the .exe's icon, from the desktop icons in
packaging/icons/ (which tools/assets/ makes): one PNG-compressed image per
size, as Windows Vista and later read them. Run from the repository root."""
import struct

SIZES = [16, 32, 48, 64, 128, 256]
images = [open(f"packaging/icons/{size}x{size}/apps/org.fornalina.fornalina.png", "rb").read() for size in SIZES]
header = struct.pack("<HHH", 0, 1, len(images))
offset = len(header) + 16 * len(images)
entries = b""
for size, data in zip(SIZES, images):
    # A side of 256 is written as 0; 32 bits a pixel.
    entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
    offset += len(data)
with open("windows/Fornalina.ico", "wb") as icon:
    icon.write(header + entries + b"".join(images))
