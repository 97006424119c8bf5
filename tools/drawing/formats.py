"""The BMP and ICO files the pictures are written as."""

import struct

from drawing.canvas import BLACK


# File formats --------------------------------------------------------------

def bmp_24(canvas):
    """Bottom-up 24-bit BMP with rows padded to four bytes."""
    stride = (canvas.width * 3 + 3) & ~3
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b = canvas.get(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24,
                       0, len(image), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + image


def icon_image(canvas, palette, bits):
    """One DIB image inside an .ico: header, palette, colour bits, AND mask.

    Transparent pixels get palette index 0 (black) in the colour plane and a
    set bit in the mask, which is what Windows expects when it XORs the
    colour plane over the screen.
    """
    lookup = {colour: i for i, colour in enumerate(palette)}
    w, h = canvas.width, canvas.height
    xor_stride = ((w * bits + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for y in range(h - 1, -1, -1):
        indices, mask = [], bytearray(and_stride)
        for x in range(w):
            colour = canvas.get(x, y)
            if colour is None:
                indices.append(0)
                mask[x // 8] |= 0x80 >> (x % 8)
            else:
                indices.append(lookup[colour])
        row = bytearray()
        if bits == 4:
            for i in range(0, w, 2):
                row.append((indices[i] << 4) | (indices[i + 1] if i + 1 < w else 0))
        else:
            row += bytes(indices)
        row += b"\0" * (xor_stride - len(row))
        xor_rows.append(bytes(row))
        and_rows.append(bytes(mask))
    pixels = b"".join(xor_rows) + b"".join(and_rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0, len(pixels),
                       0, 0, len(palette), 0)
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return info + quads + pixels


def ico(images):
    """images: list of (canvas, palette, bits)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for canvas, palette, bits in images:
        blob = icon_image(canvas, palette, bits)
        colour_count = len(palette) if len(palette) < 256 else 0
        entries += struct.pack("<BBBBHHII", canvas.width % 256,
                               canvas.height % 256, colour_count, 0, 1, bits,
                               len(blob), offset)
        offset += len(blob)
        blobs += blob
    return header + entries + blobs


def palette_256(*canvases):
    """Colours used by the canvases, black first, padded to 256 entries."""
    used = {c for cv in canvases for row in cv.pixels for c in row if c is not None}
    used.discard(BLACK)
    colours = [BLACK] + sorted(used)
    if len(colours) > 256:
        raise ValueError("too many colours for an 8-bit icon")
    return colours + [BLACK] * (256 - len(colours))
