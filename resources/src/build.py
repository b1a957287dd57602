"""Builds Tamiro's built-in pictures (resources/) from the SVG drawings here.

Run through resources/make.sh. Needs python3-pil and rsvg-convert.
"""

import math
import os
import re
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(OUT, "..", "scripts"))
import picturetools  # noqa: E402

ICONS = {"I1": 4, "B2": 4, "F0": 4, "F1": 24, "F2": 4, "F3": 24, "F4": 4,
         "F5": 4, "F6": 4, "F7": 4, "F8": 24, "F9": 24}

# The arrow on the ball, pointing right, as (longitude, latitude) in degrees
# on the ball's surface; longitude 0 faces the viewer.
ARROW = [(-45, -11), (8, -11), (8, -30), (50, 0), (8, 30), (8, 11), (-45, 11)]
BALL_CENTRE, BALL_RADIUS = (37.0, 33.5), 30.0
TURN_STEP = 17.5  # degrees the ball turns between frames: hidden by the last one


def _densify(polygon, step=2.0):
    points = []
    for (a, b), (c, d) in zip(polygon, polygon[1:] + polygon[:1]):
        n = max(1, int(math.ceil(max(abs(c - a), abs(d - b)) / step)))
        points += [(a + (c - a) * i / n, b + (d - b) * i / n) for i in range(n)]
    return points


def _clip(polygon, inside, cross):
    """One Sutherland-Hodgman pass."""
    result = []
    for p, q in zip(polygon, polygon[1:] + polygon[:1]):
        if inside(q):
            if not inside(p):
                result.append(cross(p, q))
            result.append(q)
        elif inside(p):
            result.append(cross(p, q))
    return result


def arrow_path(turn, direction):
    """SVG path of the arrow after the ball turned `turn` degrees.

    direction +1: arrow points right and the ball rolls right; -1: left.
    """
    shape = [(direction * lon + direction * turn, lat) for lon, lat in _densify(ARROW)]

    def limb(edge):
        def cross(p, q):
            t = (edge - p[0]) / (q[0] - p[0])
            return (edge, p[1] + (q[1] - p[1]) * t)
        return cross

    shape = _clip(shape, lambda p: p[0] <= 90, limb(90))
    shape = _clip(shape, lambda p: p[0] >= -90, limb(-90))
    if len(shape) < 3:
        return "M0 0"
    cx, cy = BALL_CENTRE
    pts = []
    for lon, lat in shape:
        lo, la = math.radians(lon), math.radians(lat)
        pts.append("%.2f %.2f" % (cx + BALL_RADIUS * math.cos(la) * math.sin(lo),
                                  cy - BALL_RADIUS * math.sin(la)))
    return "M" + " L".join(pts) + " Z"


def ball_frames(direction):
    with open(os.path.join(HERE, "ball.svg")) as f:
        template = f.read()
    frames = []
    with tempfile.TemporaryDirectory() as tmp:
        for k in range(9):
            svg = re.sub(r'(<path id="arrow" d=")[^"]*"',
                         lambda m: m.group(1) + arrow_path(k * TURN_STEP, direction) + '"',
                         template)
            path = os.path.join(tmp, "ball%d.svg" % k)
            with open(path, "w") as f:
                f.write(svg)
            frames.append(picturetools.render_svg(path, 74, 67))
    return frames


def main():
    src = lambda name: os.path.join(HERE, name + ".svg")  # noqa: E731
    out = lambda name: os.path.join(OUT, name)  # noqa: E731
    for name, bits in ICONS.items():
        picturetools.write_ico(out(name + ".ico"), picturetools.render_svg(src(name), 32, 32), bits)
    picturetools.write_gif(out("B1.gif"), [picturetools.render_svg(src("B1"), 67, 67)], [0])
    delays = [3000] + [100] * 8
    picturetools.write_gif(out("B3.gif"), ball_frames(+1), delays)
    picturetools.write_gif(out("B4.gif"), ball_frames(-1), delays)
    door = picturetools.render_svg(src("B5"), 55, 66).convert("RGB")
    door.save(out("B5.bmp"), format="BMP")
    picturetools.write_gif(out("T1.gif"), [picturetools.render_svg(src("T1"), 679, 440)], [0])


if __name__ == "__main__":
    main()
