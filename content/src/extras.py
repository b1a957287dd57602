"""Regenerates Tamiro's content pictures (all but the drawings) from content/src/.

Run by make-extras.sh: fondo.gif, animados/N.gif, medida/N.gif and
punteros/N.ico. Output is deterministic (same sources, same bytes).
"""

import pathlib
import re
import sys
import tempfile

CONTENT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(CONTENT.parent / "scripts"))
import picturetools as pt  # noqa: E402

SRC = CONTENT / "src"

ANIMATION_SIZE = (91, 90)   # the box beside the drawing
FRAME_MS = 100
BRUSH_SIZES = {1: 16, 2: 32, 3: 48, 4: 64}
# Bits per pixel of each pointer icon: the star has few colours.
POINTER_BITS = {1: 24, 2: 24, 3: 4, 4: 24}
# Stored name of each animation; 5 is upper case on purpose, the program
# matches names without regard to case.
ANIMATION_NAMES = {1: "1.gif", 2: "2.gif", 3: "3.gif", 4: "4.gif", 5: "5.GIF", 6: "6.gif"}


def frame_count(svg):
    ids = re.findall(r'id="f(\d+)"', svg.read_text(encoding="utf-8"))
    return max(int(i) for i in ids)


def animation_frames(svg, tmp):
    frames = []
    for k in range(1, frame_count(svg) + 1):
        css = pathlib.Path(tmp) / f"frame{k}.css"
        css.write_text(f".f {{ display: none !important }} #f{k} {{ display: inline !important }}\n")
        frames.append(pt.render_svg(svg, *ANIMATION_SIZE, css=css))
    return frames


def main():
    pt.write_gif(CONTENT / "fondo.gif", [pt.render_svg(SRC / "fondo.svg", 128, 128)], [0],
                 loop=False, palette_size=64)

    (CONTENT / "animados").mkdir(exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        for n, name in ANIMATION_NAMES.items():
            frames = animation_frames(SRC / "animados" / f"{n}.svg", tmp)
            pt.write_gif(CONTENT / "animados" / name, frames, [FRAME_MS] * len(frames),
                         loop=True, palette_size=256)

    (CONTENT / "medida").mkdir(exist_ok=True)
    for n, size in BRUSH_SIZES.items():
        pt.write_gif(CONTENT / "medida" / f"{n}.gif",
                     [pt.render_svg(SRC / "medida" / f"{n}.svg", size, size)], [0],
                     loop=False, palette_size=32)

    (CONTENT / "punteros").mkdir(exist_ok=True)
    for n, bits in POINTER_BITS.items():
        pt.write_ico(CONTENT / "punteros" / f"{n}.ico",
                     pt.render_svg(SRC / "punteros" / f"{n}.svg", 32, 32), bits)


if __name__ == "__main__":
    main()
