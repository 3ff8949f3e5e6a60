#!/usr/bin/env python3
"""Makes collay.ico from the text art: make_icon.py ART.txt OUT.ico

Each image of the art becomes one icon image in the classic format Windows
reads from resources: a BITMAPINFOHEADER, the palette, the colour bitmap and
the transparency mask, both stored bottom row first with rows padded to four
bytes."""
import struct
import sys


def read_images(path):
    images = []
    for line in open(path, encoding="ascii"):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        words = line.split()
        if words[0] == "image":
            images.append({"width": int(words[1]), "height": int(words[2]), "rows": []})
        elif words[0] == "palette":
            images[-1]["palette"] = [bytes.fromhex(colour) for colour in words[1:]]
        else:
            images[-1]["rows"].append(line)
    for image in images:
        if len(image["rows"]) != image["height"]:
            sys.exit(f"{path}: a {image['width']}x{image['height']} image has {len(image['rows'])} rows")
        for row in image["rows"]:
            if len(row) != image["width"]:
                sys.exit(f"{path}: row {row!r} is not {image['width']} pixels wide")
    return images


def packed_rows(values, width, bits):
    """Rows of `bits`-per-pixel values, bottom row first, padded to 4 bytes."""
    stride = ((width * bits + 31) // 32) * 4
    out = b""
    for row in reversed(values):
        number = 0
        for value in row:
            number = (number << bits) | value
        number <<= stride * 8 - width * bits
        out += number.to_bytes(stride, "big")
    return out


def icon_image(image):
    colours = len(image["palette"])
    bits = {2: 1, 16: 4}[colours]
    width, height = image["width"], image["height"]
    indices = [[0 if c == "." else int(c, 16) for c in row] for row in image["rows"]]
    if any(i >= colours for row in indices for i in row):
        sys.exit("a pixel names a colour beyond its palette")
    mask = [[1 if c == "." else 0 for c in row] for row in image["rows"]]
    pixels = packed_rows(indices, width, bits)
    transparency = packed_rows(mask, width, 1)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(pixels) + len(transparency), 0, 0, 0, 0)
    palette = b"".join(bytes([rgb[2], rgb[1], rgb[0], 0]) for rgb in image["palette"])
    return bits, colours, header + palette + pixels + transparency


def main():
    art, output = sys.argv[1], sys.argv[2]
    images = [icon_image(image) for image in read_images(art)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for (bits, colours, data), image in zip(images, read_images(art)):
        entries += struct.pack("<BBBBHHII", image["width"] % 256, image["height"] % 256, colours % 256,
                               0, 1, bits, len(data), offset)
        offset += len(data)
    with open(output, "wb") as out:
        out.write(directory + entries + b"".join(data for _, _, data in images))


if __name__ == "__main__":
    main()
