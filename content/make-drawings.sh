#!/bin/sh
# Regenerates every drawing in content/dibujos/ from the SVG sources in
# content/src/dibujos/ and then checks the result.
#
#   content/src/dibujos/F-N.svg  ->  content/dibujos/F/si coloreado/N.gif (N.jpg in folder 7)
#                                    content/dibujos/F/no coloreado/N.gif
#
# The uncoloured variant is the same SVG rendered with sin-color.css, which
# turns every fill white (outlines stay black), so both variants line up
# pixel for pixel. Output is deterministic: running it twice gives
# byte-identical files. Files in content/dibujos/ that the sources no
# longer produce are removed.
#
# Usage: content/make-drawings.sh [--check]   (--check only verifies)
# Needs rsvg-convert (librsvg2-bin) and python3 with PIL (python3-pil).
set -eu

here=$(cd "$(dirname "$0")" && pwd)

PY=
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c 'import PIL' 2>/dev/null; then PY=$candidate; break; fi
done
if [ -z "$PY" ]; then
    echo "make-drawings.sh: python3 with PIL (python3-pil) is needed" >&2
    exit 1
fi
command -v rsvg-convert >/dev/null || {
    echo "make-drawings.sh: rsvg-convert (librsvg2-bin) is needed" >&2
    exit 1
}

exec "$PY" - "$here/src/dibujos" "$here/dibujos" "$@" <<'PYEOF'
import io
import os
import re
import subprocess
import sys

from PIL import Image, ImageChops

SRC, OUT = sys.argv[1], sys.argv[2]
CHECK_ONLY = "--check" in sys.argv[3:]
CSS = os.path.join(SRC, "sin-color.css")

FOLDERS = range(1, 11)
MAX_W, MAX_H = 679, 440
MIN_PER_FOLDER = 3
COLOURED, UNCOLOURED = "si coloreado", "no coloreado"
JPEG_FOLDERS = {7}
JPEG_QUALITY = 92
# A few names in unusual letter case: the program matches names without
# regard to case, and the shipped drawings exercise that.
NAME_OVERRIDES = {
    (3, 3, COLOURED): "3.GIF",
    (3, 3, UNCOLOURED): "3.GIF",
    (5, 2, COLOURED): "2.Gif",
}


def out_name(folder, number, variant):
    if (folder, number, variant) in NAME_OVERRIDES:
        return NAME_OVERRIDES[(folder, number, variant)]
    ext = "jpg" if variant == COLOURED and folder in JPEG_FOLDERS else "gif"
    return f"{number}.{ext}"


def render(svg, css=None):
    cmd = ["rsvg-convert", "--background-color=white", "--format=png"]
    if css:
        cmd += ["--stylesheet", css]
    png = subprocess.run(cmd + [svg], check=True, stdout=subprocess.PIPE).stdout
    im = Image.open(io.BytesIO(png))
    im.load()
    return im.convert("RGB")


def to_palette(im):
    """Up to 256 colours; exact when the picture has few colours."""
    colours = im.getcolors(256)
    if colours is not None:
        # Exact palette in a fixed order (most used first, then by value).
        colours.sort(key=lambda c: (-c[0], c[1]))
        pal = [v for _, rgb in colours for v in rgb]
        # Each pixel gets its own colour's entry: Pillow's quantize() to a
        # given palette matches through a reduced colour cache and would turn
        # white into a near-white grey.
        index = {rgb: i for i, (_, rgb) in enumerate(colours)}
        out = Image.frombytes("P", im.size, bytes(index[p] for p in im.getdata()))
        out.putpalette(pal + [0] * (768 - len(pal)))
        return out
    q = im.quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                    dither=Image.Dither.NONE)
    # Keep pure white and pure black exact: nearly white palette entries
    # become white, nearly black ones black.
    pal = q.getpalette()[:768]
    for i in range(0, len(pal), 3):
        r, g, b = pal[i:i + 3]
        if min(r, g, b) >= 247:
            pal[i:i + 3] = [255, 255, 255]
        elif max(r, g, b) <= 8:
            pal[i:i + 3] = [0, 0, 0]
    q.putpalette(pal)
    return q


def save(im, path):
    if path.lower().endswith(".jpg"):
        im.save(path, "JPEG", quality=JPEG_QUALITY, subsampling=0,
                optimize=False, progressive=False)
    else:
        to_palette(im).save(path, "GIF", optimize=False)


def sources():
    found = {}
    for name in sorted(os.listdir(SRC)):
        m = re.fullmatch(r"(\d+)-(\d+)\.svg", name)
        if m:
            found[(int(m.group(1)), int(m.group(2)))] = os.path.join(SRC, name)
    return found


def generate():
    made = set()
    for (folder, number), svg in sorted(sources().items()):
        for variant, css in ((COLOURED, None), (UNCOLOURED, CSS)):
            d = os.path.join(OUT, str(folder), variant)
            os.makedirs(d, exist_ok=True)
            path = os.path.join(d, out_name(folder, number, variant))
            save(render(svg, css), path)
            made.add(path)
    # Remove what the sources no longer produce.
    for root, dirs, files in os.walk(OUT, topdown=False):
        for f in files:
            p = os.path.join(root, f)
            if p not in made:
                os.remove(p)
                print("removed stale", os.path.relpath(p, OUT))
        if root != OUT and not os.listdir(root):
            os.rmdir(root)
    print(f"made {len(made)} files in {OUT}")


# ---------------------------------------------------------------- checks

def numbered(d):
    """{number: filename} of the drawings in d, names matched case-insensitively."""
    out = {}
    for f in os.listdir(d):
        m = re.fullmatch(r"([1-9]\d*)\.(gif|jpg)", f, re.IGNORECASE)
        if not m:
            raise AssertionError(f"unexpected file {d}/{f}")
        n = int(m.group(1))
        if n in out:
            raise AssertionError(f"{d}: two files for drawing {n}")
        out[n] = f
    return out


def check_pair(where, col, unc):
    assert col.size == unc.size, f"{where}: sizes differ {col.size} {unc.size}"
    w, h = col.size
    assert w <= MAX_W and h <= MAX_H, f"{where}: {w}x{h} is too big"
    col, unc = col.convert("RGB"), unc.convert("RGB")
    # The uncoloured variant is black on white only.
    for count, (r, g, b) in unc.getcolors(w * h):
        assert r == g == b, f"{where}: uncoloured has colour {(r, g, b)}"
    # The coloured variant really has fills: a good part of it differs
    # from the uncoloured one.
    diff = ImageChops.difference(col, unc).convert("L")
    filled = sum(diff.point(lambda v: 1 if v > 40 else 0).getdata())
    assert filled > w * h // 10, f"{where}: coloured variant is hardly coloured"
    # Nothing touches the edge of the picture: a white frame of 4 px.
    gray = unc.convert("L")
    for box in ((0, 0, w, 4), (0, h - 4, w, h), (0, 0, 4, h), (w - 4, 0, w, h)):
        assert gray.crop(box).getextrema()[0] >= 250, f"{where}: drawing touches the edge"
    # Outlines line up: where the uncoloured one is black, so is the coloured one.
    colgray = col.convert("L").getdata()
    dark = [i for i, v in enumerate(gray.getdata()) if v < 40]
    assert len(dark) > w * h // 100, f"{where}: hardly any outline"
    stray = sum(1 for i in dark if colgray[i] > 110)
    assert stray <= len(dark) // 50, f"{where}: outlines do not line up ({stray} of {len(dark)})"


def check():
    problems = []
    total = 0
    for folder in FOLDERS:
        base = os.path.join(OUT, str(folder))
        try:
            col = numbered(os.path.join(base, COLOURED))
            unc = numbered(os.path.join(base, UNCOLOURED))
            assert sorted(col) == sorted(unc), f"folder {folder}: variants do not pair up"
            assert sorted(col) == list(range(1, len(col) + 1)), f"folder {folder}: gap in numbers"
            assert len(col) >= MIN_PER_FOLDER, f"folder {folder}: only {len(col)} drawings"
            for n in sorted(col):
                assert unc[n].lower().endswith(".gif"), f"{folder}/{unc[n]}: uncoloured must be GIF"
                want = ".jpg" if folder in JPEG_FOLDERS else ".gif"
                assert col[n].lower().endswith(want), f"{folder}/{col[n]}: expected {want}"
                with Image.open(os.path.join(base, COLOURED, col[n])) as c, \
                     Image.open(os.path.join(base, UNCOLOURED, unc[n])) as u:
                    check_pair(f"{folder}/{n}", c, u)
                total += 1
        except (AssertionError, OSError) as e:
            problems.append(str(e))
    for p in problems:
        print("PROBLEM:", p, file=sys.stderr)
    if problems:
        sys.exit(1)
    print(f"checked {total} drawings in {len(FOLDERS)} folders: all fine")


if not CHECK_ONLY:
    generate()
check()
PYEOF
