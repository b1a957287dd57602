"""Small picture helpers shared by Tamiro's picture-making scripts.

Needs only the Python standard library and PIL (Debian package python3-pil),
plus rsvg-convert (librsvg2-bin) for render_svg(). Every writer is
deterministic: the same input always gives a byte-identical file.
"""

import io
import struct
import subprocess

from PIL import Image


def render_svg(svg_path, width, height, css=None):
    """Render an SVG file at exactly width x height; returns an RGBA image."""
    cmd = ["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png"]
    if css:
        cmd += ["--stylesheet", str(css)]
    png = subprocess.run(cmd + [str(svg_path)], check=True, capture_output=True).stdout
    image = Image.open(io.BytesIO(png))
    image.load()
    image = image.convert("RGBA")
    if image.size != (width, height):
        image = image.resize((width, height), Image.LANCZOS)
    return image


def _opaque_mask(rgba):
    return [a >= 128 for a in rgba.getchannel("A").getdata()]


def _quantise(rgb, colours, opaque=None):
    """Return (indices, palette) with at most `colours` entries, no dithering.

    Only pixels marked opaque choose the palette; the others get index 0.
    """
    pixels = list(rgb.getdata())
    chosen = [p for p, o in zip(pixels, opaque or [True] * len(pixels)) if o]
    if not chosen:
        return [0] * len(pixels), [(0, 0, 0)]
    if len(set(chosen)) <= colours:
        palette = sorted(set(chosen))
    elif colours <= 16:
        # Flat cartoon fills are the most frequent colours; anti-aliased edge
        # shades are rare. Take frequent colours that differ clearly from
        # those already taken, then loosen the distance until the table is full.
        counts = {}
        for p in chosen:
            counts[p] = counts.get(p, 0) + 1
        ranked = sorted(counts, key=lambda p: (-counts[p], p))
        palette = []
        for spread in (64, 40, 24, 0):
            for p in ranked:
                if len(palette) < colours and p not in palette and all(
                        sum((a - b) ** 2 for a, b in zip(p, q)) >= spread ** 2
                        for q in palette):
                    palette.append(p)
        palette.sort()
    else:
        sample = Image.new("RGB", (len(chosen), 1))
        sample.putdata(chosen)
        q = sample.quantize(colours, method=Image.Quantize.MEDIANCUT, kmeans=2,
                            dither=Image.Dither.NONE)
        flat = q.getpalette()[: 3 * colours]
        used = sorted(set(q.getdata()))
        palette = sorted({tuple(flat[3 * i: 3 * i + 3]) for i in used})
    lookup = {}

    def nearest(p):
        if p not in lookup:
            lookup[p] = min(range(len(palette)), key=lambda i: sum(
                (a - b) ** 2 for a, b in zip(p, palette[i])))
        return lookup[p]

    indices = [nearest(p) if (opaque is None or o) else 0
               for p, o in zip(pixels, opaque or [True] * len(pixels))]
    return indices, palette


def write_ico(path, rgba_image, bits):
    """Write a one-entry .ico (4 or 24 bits per pixel) with an AND mask.

    Pixels with alpha < 128 are transparent (mask bit 1, colour black).
    A 4-bit icon is reduced to at most 16 colours without dithering.
    """
    if bits not in (4, 24):
        raise ValueError("bits must be 4 or 24")
    img = rgba_image.convert("RGBA")
    w, h = img.size
    if w > 256 or h > 256:
        raise ValueError("icons are at most 256x256")
    opaque = _opaque_mask(img)
    rgb = img.convert("RGB")
    if bits == 4:
        transparent = not all(opaque)
        indices, palette = _quantise(rgb, 15 if transparent else 16, opaque)
        if transparent:
            if (0, 0, 0) not in palette:
                palette = [(0, 0, 0)] + palette
                indices = [i + 1 for i in indices]
            black = palette.index((0, 0, 0))
            indices = [i if o else black for i, o in zip(indices, opaque)]
        palette += [(0, 0, 0)] * (16 - len(palette))
        colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        row_bytes = ((w * 4 + 31) // 32) * 4
        rows = []
        for y in range(h):
            row = bytearray(row_bytes)
            for x in range(w):
                i = indices[y * w + x]
                row[x // 2] |= i << 4 if x % 2 == 0 else i
            rows.append(bytes(row))
    else:
        colour_table = b""
        row_bytes = ((w * 24 + 31) // 32) * 4
        px = list(rgb.getdata())
        rows = []
        for y in range(h):
            row = bytearray(row_bytes)
            for x in range(w):
                r, g, b = px[y * w + x] if opaque[y * w + x] else (0, 0, 0)
                row[3 * x: 3 * x + 3] = bytes((b, g, r))
            rows.append(bytes(row))
    mask_bytes = ((w + 31) // 32) * 4
    mask_rows = []
    for y in range(h):
        row = bytearray(mask_bytes)
        for x in range(w):
            if not opaque[y * w + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(row))
    xor = b"".join(reversed(rows))
    mask = b"".join(reversed(mask_rows))
    colours_used = 16 if bits == 4 else 0
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, colours_used, 0)
    data = header + colour_table + xor + mask
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, colours_used, 0, 1, bits,
                        len(data), 6 + 16)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1) + entry + data)


def _lzw(indices, min_code_size):
    """GIF LZW compression; returns the sub-blocked image data."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bitbuf, nbits = bytearray(), 0, 0
    table, next_code, size = {}, end + 1, min_code_size + 1

    def emit(code):
        nonlocal bitbuf, nbits
        bitbuf |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(bitbuf & 0xFF)
            bitbuf >>= 8
            nbits -= 8

    emit(clear)
    prefix = None
    for k in indices:
        if prefix is None:
            prefix = k
            continue
        key = (prefix, k)
        if key in table:
            prefix = table[key]
            continue
        emit(prefix)
        if next_code < 4096:
            table[key] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear)
            table, next_code, size = {}, end + 1, min_code_size + 1
        prefix = k
    if prefix is not None:
        emit(prefix)
    emit(end)
    if nbits:
        out.append(bitbuf & 0xFF)
    blocks = bytearray([min_code_size])
    for i in range(0, len(out), 255):
        chunk = out[i: i + 255]
        blocks += bytes([len(chunk)]) + chunk
    return bytes(blocks + b"\x00")


def write_gif(path, frames, durations_ms, loop=True, palette_size=256):
    """Write a GIF89a with one global colour table of palette_size entries.

    frames: PIL images of one size; durations_ms: one delay per frame (stored
    in centiseconds). Pixels with alpha < 128 become the transparent index
    (the last palette entry). Several frames with loop=True loop for ever.
    """
    if len(frames) != len(durations_ms) or not frames:
        raise ValueError("need one duration per frame")
    if palette_size not in (2, 4, 8, 16, 32, 64, 128, 256):
        raise ValueError("palette_size must be a power of two up to 256")
    frames = [f.convert("RGBA") for f in frames]
    w, h = frames[0].size
    if any(f.size != (w, h) for f in frames):
        raise ValueError("all frames must be the same size")
    opaque = [_opaque_mask(f) for f in frames]
    transparent = not all(all(o) for o in opaque)
    # One palette for all frames: quantise the frames stacked together.
    stack = Image.new("RGB", (w, h * len(frames)))
    for n, f in enumerate(frames):
        stack.paste(f.convert("RGB"), (0, n * h))
    flat_opaque = [o for frame_mask in opaque for o in frame_mask]
    indices, palette = _quantise(stack, palette_size - (1 if transparent else 0),
                                 flat_opaque)
    palette += [(0, 0, 0)] * (palette_size - len(palette))
    bits = palette_size.bit_length() - 1
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", w, h, 0x80 | ((bits - 1) << 4) | (bits - 1), 0, 0)
    out += b"".join(bytes(c) for c in palette)
    if loop and len(frames) > 1:
        out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\x00"
    n = w * h
    for i, duration in enumerate(durations_ms):
        frame = indices[i * n:(i + 1) * n]
        if transparent:
            frame = [p if o else palette_size - 1 for p, o in zip(frame, opaque[i])]
        flags = (2 << 2 | 1) if transparent else (1 << 2)
        out += b"\x21\xf9\x04" + struct.pack(
            "<BHBB", flags, round(duration / 10), palette_size - 1 if transparent else 0, 0)
        out += b"\x2c" + struct.pack("<HHHHB", 0, 0, w, h, 0)
        out += _lzw(frame, max(2, bits))
    out += b"\x3b"
    with open(path, "wb") as f:
        f.write(bytes(out))
