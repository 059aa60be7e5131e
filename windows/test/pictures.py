"""Pictures for the Wine check, in plain Python: the screen of an Xvfb run
with -fbdir (an XWD file), PNG files read through `convert FILE ppm:-` and
written directly, and the difference of two pictures."""
import struct
import subprocess
import zlib


class Picture:
    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, bytes(rgb)

    def crop(self, x, y, width, height):
        rows = [self.rgb[((y + row) * self.width + x) * 3:((y + row) * self.width + x + width) * 3]
                for row in range(height)]
        return Picture(width, height, b"".join(rows))


def read_screen(path):
    """The screen of an Xvfb started with -fbdir: a ZPixmap XWD of 32-bit pixels."""
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    header_size, width, height, bytes_per_line, colours = header[0], header[4], header[5], header[12], header[19]
    pixels = data[header_size + 12 * colours:]
    rgb = bytearray(width * height * 3)
    for y in range(height):
        row = pixels[y * bytes_per_line:y * bytes_per_line + width * 4]
        out = y * width * 3
        rgb[out:out + width * 3:3] = row[2::4]
        rgb[out + 1:out + width * 3:3] = row[1::4]
        rgb[out + 2:out + width * 3:3] = row[0::4]
    return Picture(width, height, rgb)


def read_png(path):
    """A PNG file, decoded by convert into a binary PPM."""
    data = subprocess.run(["convert", path, "ppm:-"], check=True, capture_output=True).stdout
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        start = at
        while not data[at:at + 1].isspace():
            at += 1
        fields.append(data[start:at])
    assert fields[0] == b"P6" and fields[3] == b"255", "not an 8-bit PPM"
    width, height = int(fields[1]), int(fields[2])
    return Picture(width, height, data[at + 1:at + 1 + width * height * 3])


def write_png(picture, path):
    rows = b"".join(b"\0" + picture.rgb[y * picture.width * 3:(y + 1) * picture.width * 3]
                    for y in range(picture.height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 6))
                  + chunk(b"IEND", b""))


def difference(a, b):
    """The mean difference of the two pictures' channels (0 to 255), and the
    share of pixels whose channels differ by more than 16 in any of them."""
    assert (a.width, a.height) == (b.width, b.height)
    total, apart = 0, 0
    for at in range(0, len(a.rgb), 3):
        d = [abs(a.rgb[at + c] - b.rgb[at + c]) for c in range(3)]
        total += d[0] + d[1] + d[2]
        apart += max(d) > 16
    pixels = a.width * a.height
    return total / (3 * pixels), apart / pixels


def difference_centre(a, b, threshold=48):
    """The middle of the columns where a differs from b by more than the
    threshold in some channel; -1 where they do not differ."""
    columns, count = 0, 0
    for at in range(0, len(a.rgb), 3):
        if max(abs(a.rgb[at + c] - b.rgb[at + c]) for c in range(3)) > threshold:
            columns += (at // 3) % a.width
            count += 1
    return columns / count if count else -1
