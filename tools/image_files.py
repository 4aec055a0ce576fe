"""Byte writers for the Windows image formats make_images.py produces.

Images are lists of rows, top row first; each pixel an (r, g, b, a) tuple of
0..255 ints. Only the standard library is used, and every writer is a pure
function of its input, so the output is the same on every run.
"""
import struct
import zlib


def _row_stride(bits_per_row):
    # DIB rows are padded to a multiple of 4 bytes.
    return (bits_per_row + 31) // 32 * 4


def mono_bits(rows):
    """Packs rows of booleans into a bottom-up 1-bit DIB plane."""
    stride = _row_stride(len(rows[0]))
    out = bytearray()
    for row in reversed(rows):
        packed = bytearray(stride)
        for x, bit in enumerate(row):
            if bit:
                packed[x // 8] |= 0x80 >> (x % 8)
        out += packed
    return bytes(out)


def _info_header(width, height, bit_count, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0,
                       image_size, 0, 0, 0, 0)


def png(pixels):
    """An RGBA PNG, as Windows Vista and later accept inside an ICO."""
    height, width = len(pixels), len(pixels[0])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(
            ">I", zlib.crc32(body))

    # Filter type 0 before every row: the bytes go in as they are.
    raw = b"".join(b"\0" + bytes(c for px in row for c in px)
                   for row in pixels)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def icon_dib(pixels):
    """A 32-bit icon image: BGRA colors plus an AND mask for old readers."""
    height, width = len(pixels), len(pixels[0])
    colors = b"".join(bytes((b, g, r, a)) for row in reversed(pixels)
                      for r, g, b, a in row)
    mask = mono_bits([[a == 0 for *_, a in row] for row in pixels])
    # The header's height counts the color and the mask plane together.
    return _info_header(width, 2 * height, 32, len(colors) + len(mask)) + \
        colors + mask


def _directory(kind, images):
    """ICO/CUR file: images are (width, height, colors, field1, field2, data);
    the two fields are planes and bit count for icons, the hot spot for
    cursors."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for width, height, colors, field1, field2, data in images:
        # A size of 256 is stored as 0 in the one-byte fields.
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colors, 0,
                           field1, field2, len(data), offset)
        offset += len(data)
    return out + b"".join(image[-1] for image in images)


def ico(images):
    """An ICO from square RGBA images; 256-pixel ones are stored as PNG."""
    entries = []
    for pixels in images:
        size = len(pixels)
        data = png(pixels) if size >= 256 else icon_dib(pixels)
        entries.append((size, size, 0, 1, 32, data))
    return _directory(1, entries)


def monochrome_cur(and_rows, xor_rows, hot_spot):
    """A two-color CUR: AND 1 = transparent; else XOR 0 = black, 1 = white."""
    height, width = len(and_rows), len(and_rows[0])
    xor, mask = mono_bits(xor_rows), mono_bits(and_rows)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    data = _info_header(width, 2 * height, 1, len(xor) + len(mask)) + \
        palette + xor + mask
    return _directory(2, [(width, height, 2, *hot_spot, data)])


def bmp24(pixels):
    """A 24-bit BMP file; the alpha channel is dropped."""
    height, width = len(pixels), len(pixels[0])
    stride = _row_stride(24 * width)
    body = b"".join(
        bytes(c for r, g, b, _ in row for c in (b, g, r)).ljust(stride, b"\0")
        for row in reversed(pixels))
    info = _info_header(width, height, 24, len(body))
    offset = 14 + len(info)
    return struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset) + \
        info + body


def _median_cut(counts, size):
    """Up to `size` colors for the (r, g, b) -> count table: the boxes of
    colors are halved at the median of their widest channel, the box with
    the most pixels first, and each box becomes its weighted mean."""
    boxes = [sorted(counts.items())]
    while len(boxes) < size:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=lambda b: sum(count for _, count in b))
        boxes.remove(box)
        channel = max(range(3), key=lambda c: max(k[c] for k, _ in box) -
                      min(k[c] for k, _ in box))
        box.sort(key=lambda item: item[0][channel])
        half, seen = sum(count for _, count in box) / 2, 0
        for cut, (_, count) in enumerate(box[:-1], 1):
            seen += count
            if seen >= half:
                break
        boxes += [box[:cut], box[cut:]]
    return [tuple(round(sum(k[c] * n for k, n in box) / sum(n for _, n in box))
                  for c in range(3)) for box in boxes]


def bmp8(pixels):
    """An 8-bit BMP file whose palette of at most 256 colors is chosen for
    the picture; a third the size of bmp24 for the same picture."""
    height, width = len(pixels), len(pixels[0])
    counts = {}
    for row in pixels:
        for r, g, b, _ in row:
            counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    palette = _median_cut(counts, 256)
    nearest = {color: min(range(len(palette)), key=lambda i: sum(
        (a - b) ** 2 for a, b in zip(color, palette[i]))) for color in counts}
    stride = _row_stride(8 * width)
    body = b"".join(bytes(nearest[(r, g, b)] for r, g, b, _ in row).ljust(stride, b"\0")
                    for row in reversed(pixels))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(body), 0, 0,
                       len(palette), 0)
    colors = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + len(info) + len(colors)
    return struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset) + \
        info + colors + body
