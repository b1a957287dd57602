#!/usr/bin/python3
"""End-to-end tests of Tamiro: the built program on its sample content, in a
real X server, clicked and dragged with xdotool, its screen read back.

    tamiro_e2e.py TEST --program PATH [--size WxH] [--workdir DIR] [--in-place]

TEST is one of: start, navigation, brush, sound, print, end. Exit status 0
when the test passes, 1 when it fails, 77 when it cannot run here.
"""

import argparse
import glob
import os
import struct
import subprocess
import sys
import time

from harness import (Drawings, Failure, Session, close, is_green, is_yellow, read_picture,
                     wait_until)

SKIP = 77
TITLE_SIZE = (679, 440)  # the built-in title picture shown before the first drawing


# ------------------------------------------------------------ screen checks


class Background:
    """The background picture tiled from the window's top-left corner."""

    def __init__(self, app_folder):
        self.tile = read_picture(os.path.join(app_folder, "fondo.gif"))

    def at(self, x, y):
        return self.tile.pixel(x % self.tile.width, y % self.tile.height)

    def matches(self, image, x, y):
        return close(image.pixel(x, y), self.at(x, y))

    def check_region(self, image, x0, y0, x1, y1, step=2, least=0.99):
        """Complaint unless the region [x0, x1) x [y0, y1) shows the tiling."""
        total = good = 0
        for y in range(max(0, y0), min(image.height, y1), step):
            for x in range(max(0, x0), min(image.width, x1), step):
                total += 1
                good += self.matches(image, x, y)
        if total == 0 or good < least * total:
            return "background at (%d,%d)-(%d,%d): only %d of %d pixels show the tiled fondo.gif" % (
                x0, y0, x1, y1, good, total)
        return None


def edge_pixels(rect, offset):
    """The four edges of rect, moved offset pixels outwards (negative: inwards)."""
    x, y, w, h = rect
    left, top, right, bottom = x - offset, y - offset, x + w - 1 + offset, y + h - 1 + offset
    return {
        "top": [(i, top) for i in range(left + 1, right)],
        "bottom": [(i, bottom) for i in range(left + 1, right)],
        "left": [(left, j) for j in range(top + 1, bottom)],
        "right": [(right, j) for j in range(top + 1, bottom)],
    }


def check_placed(image, background, name, rect, edges=("top", "bottom", "left", "right")):
    """Complaints unless a control stands exactly on rect: just outside each
    edge the background shows, just inside it does not."""
    complaints = []
    outside, inside = edge_pixels(rect, 1), edge_pixels(rect, 0)
    for edge in edges:
        points = [p for p in outside[edge] if 0 <= p[0] < image.width and 0 <= p[1] < image.height]
        if points:
            shown = sum(background.matches(image, *p) for p in points)
            if shown < 0.8 * len(points):
                complaints.append("%s: background shows on only %d of %d pixels just outside its "
                                  "%s edge %s" % (name, shown, len(points), edge, rect))
        points = inside[edge]
        covered = sum(not background.matches(image, *p) for p in points)
        if covered < 0.8 * len(points):
            complaints.append("%s: its %s edge %s is missing (%d of %d pixels differ from the "
                              "background)" % (name, edge, rect, covered, len(points)))
    return complaints


def pixels_in(image, rect, inset=0):
    x, y, w, h = rect
    return [image.pixel(i, j) for j in range(y + inset, y + h - inset)
            for i in range(x + inset, x + w - inset)]


def check_button_picture(image, name, rect):
    """Complaint unless the button shows a picture on its face: more than a
    plain fill, and for the yellow buttons their colour around it."""
    pixels = pixels_in(image, rect, inset=2)
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    commonest = max(counts.values())
    if commonest > 0.97 * len(pixels) or len(counts) < 3:
        return "%s shows no picture (%d colours, the commonest on %d of %d pixels)" % (
            name, len(counts), commonest, len(pixels))
    share = lambda test: sum(map(test, pixels)) / len(pixels)
    if name.startswith("Command6") and not 0.03 < share(is_yellow) < 0.95:
        return "%s: its yellow face does not frame a picture (%.0f%% yellow)" % (
            name, 100 * share(is_yellow))
    return None


class Drawing:
    """A drawing as the sample content holds it: both variants, decoded."""

    def __init__(self, drawings, folder, number):
        self.folder, self.number = folder, number
        coloured, uncoloured = drawings.coloured(folder, number), drawings.uncoloured(folder, number)
        if not coloured or not uncoloured:
            raise Failure("the content lacks drawing %d of folder %d" % (number, folder))
        self.coloured, self.uncoloured = read_picture(coloured), read_picture(uncoloured)
        self.size = (self.coloured.width, self.coloured.height)
        self.name = os.path.relpath(uncoloured, os.path.dirname(drawings.root))


def check_drawing_shown(image, background, area, drawing, source=None, tolerance=24):
    """Complaints unless area shows the drawing's uncoloured variant, pixel
    for pixel, with the background around it.

    The uncoloured variant is drawn over the coloured one from a source
    rectangle of the given size at the top-left corner of the picture; a
    source larger than the picture shrinks it and leaves the coloured variant
    showing along the right and bottom edges."""
    x, y, w, h = area
    if (w, h) != drawing.size:
        return ["drawing area %s does not have the size of %s %s" % (area, drawing.name,
                                                                     drawing.size)]
    sw, sh = source or drawing.size
    reach_x, reach_y = w * w / sw, h * h / sh  # where the shrunken overlay ends

    def expected(i, j):
        if i < reach_x - 1 and j < reach_y - 1:
            si, sj = int((i + 0.5) * sw / w), int((j + 0.5) * sh / h)
            return [drawing.uncoloured.pixel(min(w - 1, max(0, si + a)), min(h - 1, max(0, sj + b)))
                    for a in (0, -1, 1) for b in (0, -1, 1)] if (sw, sh) != (w, h) else [
                        drawing.uncoloured.pixel(i, j)]
        if i > reach_x + 1 or j > reach_y + 1:
            return [drawing.coloured.pixel(i, j)]
        return None

    wrong = total = 0
    for j in range(h):
        for i in range(j % 2, w, 2):
            wanted = expected(i, j)
            if wanted is None:
                continue
            total += 1
            shown = image.pixel(x + i, y + j)
            wrong += not any(close(shown, p, tolerance) for p in wanted)
    if wrong > 0.005 * total:
        return ["%s is not shown at %s: %d of %d pixels differ" % (drawing.name, area, wrong,
                                                                  total)]
    # The animation control stands to the right; the other sides show the
    # background.
    return check_placed(image, background, "drawing area", area, ("top", "bottom", "left"))


# -------------------------------------------------------------------- tests


def test_start(session):
    layout, width, height = session.layout, session.width, session.height
    geometry = session.window_geometry()
    if geometry != (0, 0, width, height):
        raise Failure("the window stands at %s, not over the whole %dx%d screen" % (geometry, width,
                                                                                  height))
    background = Background(session.app_folder)
    title = layout.picture_area(*TITLE_SIZE)

    def started(image):
        complaints = []
        px, py, pw, ph = title
        yellow = sum(map(is_yellow, pixels_in(image, title))) / (pw * ph)
        if yellow < 0.4:
            complaints.append("the drawing area %s shows no title picture (%.0f%% yellow)" %
                              (title, 100 * yellow))
        complaints += check_placed(image, background, "drawing area", title,
                                   ("top", "bottom", "left"))
        bar_top = layout.rect("Command3")[1]
        for region in ((0, 0, width, py - 1), (0, 0, px - 1, bar_top - 1),
                       (0, height - 5, width, height)):
            complaints.append(background.check_region(image, *region))
        for name in layout.buttons():
            complaints += check_placed(image, background, name, layout.rect(name))
            complaints.append(check_button_picture(image, name, layout.rect(name)))
        # Most folder icons leave their corners clear for the green face.
        framed = [n for n in layout.buttons() if n.startswith("Command5") and 0.03 < sum(
            map(is_green, pixels_in(image, layout.rect(n), 1))) / 33**2 < 0.9]
        if len(framed) < 6:
            complaints.append("the green face shows around only %d folder icons: %s" % (
                len(framed), ", ".join(framed)))
        return [c for c in complaints if c]

    session.park_pointer()
    session.expect(started, what="the window at start")
    print("window after %.2f s; bar: %s" % (session.window_seconds, ", ".join(
        "%s %s" % (n, layout.rect(n)) for n in layout.buttons())))


def test_navigation(session):
    layout = session.layout
    drawings = Drawings(session.app_folder)
    background = Background(session.app_folder)
    first = Drawing(drawings, 1, 1)
    # The folder with the narrowest first drawing shows the re-centring best.
    folders = [f for f in range(2, 11) if drawings.coloured(f, 1)]
    if not folders:
        raise Failure("the sample content has only one drawing folder")
    other = min(folders, key=lambda f: read_picture(drawings.coloured(f, 1)).width)
    last = Drawing(drawings, 1, drawings.last(1))
    # The previous button stretches the uncoloured variant from the size of
    # the box that holds it: the picture with a border of 2 pixels all round.
    steps = [
        ("Command4", first, None),
        ("Command3", last, (last.size[0] + 4, last.size[1] + 4)),
        ("Command5(%d)" % (other - 1), Drawing(drawings, other, 1), None),
    ]
    for button, drawing, source in steps:
        session.click(button)
        session.park_pointer()
        start = time.monotonic()
        area = layout.picture_area(*drawing.size)
        session.expect(lambda image: check_drawing_shown(image, background, area, drawing, source),
                       what="after a click on %s" % button)
        print("%s: %s at %s after %.2f s" % (button, drawing.name, area, time.monotonic() - start))
    # Folder 1's wider drawing stood where the background shows now.
    wide = layout.picture_area(*first.size)
    narrow = layout.picture_area(*steps[-1][1].size)
    if wide[0] < narrow[0] - 2:
        image = session.screenshot()
        complaint = background.check_region(image, wide[0], narrow[1], narrow[0] - 1,
                                            narrow[1] + narrow[3])
        if complaint:
            raise Failure("the previous drawing is left beside the re-centred one: " + complaint)


def informative(drawing, x, y):
    """Whether the two variants of a drawing differ clearly at (x, y)."""
    return not close(drawing.coloured.pixel(x, y), drawing.uncoloured.pixel(x, y), 48)


def brush_points(drawing, size, count, spacing, avoid):
    """Places in the drawing for the brush: where the variants differ on most
    of a brush-sized square, spaced apart and away from the squares in avoid."""
    w, h = drawing.size
    points = []
    for y in range(size, h - size, 7):
        for x in range(size, w - size, 7):
            if any(abs(x - px) < spacing and abs(y - py) < spacing for px, py in points + avoid):
                continue
            samples = [informative(drawing, x + i, y + j)
                       for j in range(-size // 2, size // 2, 3) for i in range(-size // 2, size // 2, 3)]
            if sum(samples) > 0.7 * len(samples):
                points.append((x, y))
                if len(points) == count:
                    return points
    raise Failure("%s has too few coloured places for the brush" % drawing.name)


def check_reveal(image, area, drawing, squares, allowed):
    """Complaints unless the coloured variant shows inside the squares (left,
    top, size, in drawing coordinates) and the uncoloured one everywhere but
    near the allowed squares."""
    x0, y0, w, h = area
    complaints = []
    for left, top, size in squares:
        shown = total = 0
        for y in range(top + 1, top + size - 1):
            for x in range(left + 1, left + size - 1):
                if 0 <= x < w and 0 <= y < h and informative(drawing, x, y):
                    total += 1
                    shown += close(image.pixel(x0 + x, y0 + y), drawing.coloured.pixel(x, y), 24)
        if total == 0 or shown < 0.9 * total:
            complaints.append("the coloured drawing shows on %d of %d pixels of the brush square "
                              "%dx%d at (%d,%d)" % (shown, total, size, size, left, top))

    def near_path(x, y):
        return any(left - 2 <= x < left + size + 2 and top - 2 <= y < top + size + 2
                   for left, top, size in allowed)

    wrong = total = 0
    for y in range(h):
        for x in range(w):
            if informative(drawing, x, y) and not near_path(x, y):
                total += 1
                wrong += not close(image.pixel(x0 + x, y0 + y), drawing.uncoloured.pixel(x, y), 24)
    if wrong > 0.002 * total:
        complaints.append("the coloured drawing shows on %d of %d pixels away from the brush path"
                          % (wrong, total))
    return complaints


def test_brush(session):
    layout = session.layout
    drawing = Drawing(Drawings(session.app_folder), 1, 1)
    background = Background(session.app_folder)
    area = layout.picture_area(*drawing.size)
    session.click("Command4")
    session.park_pointer()
    session.expect(lambda image: check_drawing_shown(image, background, area, drawing),
                   what="after a click on Command4")
    revealed, allowed = [], []
    # The brush takes the size of medida/1.gif, and of medida/2.gif after a
    # click on the brush-size button.
    for step, name in enumerate(("1.gif", "2.gif")):
        if step:
            session.click("Command1")
        size = read_picture(os.path.join(session.app_folder, "medida", name)).width
        avoid = [(left + s // 2, top + s // 2) for left, top, s in allowed]
        points = brush_points(drawing, size, 6, 40 + size, avoid)
        # Press a few pixels off the first place, then move through them all;
        # where the button went down may show the coloured drawing or not.
        start = (points[0][0] + 3, points[0][1] + 3)
        session.drag([(area[0] + x, area[1] + y) for x, y in [start] + points])
        session.park_pointer()
        revealed += [(x - size // 2, y - size // 2, size) for x, y in points]
        allowed += revealed + [(start[0] - size // 2, start[1] - size // 2, size)]
        session.expect(lambda image: check_reveal(image, area, drawing, revealed, allowed),
                       what="after a drag with the %dx%d brush" % (size, size))
        print("brush %dx%d: the coloured drawing shows in %d squares along the path and nowhere "
              "else" % (size, size, len(points)))


def record_rms(session, seconds_before, action, timeout=4.0):
    """Records the null sink's monitor; returns (RMS before the action, the
    largest RMS of a 50 ms window after it, seconds from action to sound)."""
    rate = 22050
    path = os.path.join(session.workdir, "monitor.raw")
    with open(path, "wb") as out:
        recorder = subprocess.Popen(["parec", "-d", "tamiro_e2e.monitor", "--raw",
                                     "--format=s16le", "--rate=%d" % rate, "--channels=1",
                                     "--latency-msec=20"], env=session.env, stdout=out)
    try:
        wait_until(lambda: os.path.getsize(path) > 0 or recorder.poll() is not None, 5)
        time.sleep(seconds_before)
        before = os.path.getsize(path) // 2
        acted = time.monotonic()
        action()
        window = rate // 20

        def loudest():
            with open(path, "rb") as recorded:
                data = recorded.read()
            samples = struct.unpack("<%dh" % (len(data) // 2), data[:len(data) // 2 * 2])
            best, at = 0.0, None
            for start in range(before, len(samples) - window, window):
                chunk = samples[start:start + window]
                rms = (sum(s * s for s in chunk) / window) ** 0.5 / 32768
                if rms > best:
                    best, at = rms, (start - before) / rate
            quiet = samples[:before]
            rms_before = (sum(s * s for s in quiet) / max(1, len(quiet))) ** 0.5 / 32768
            return rms_before, best, at

        result = wait_until(lambda: loudest()[1] > 0.01 and loudest(), timeout, 0.2)
        return result or loudest()
    finally:
        recorder.terminate()
        recorder.wait()


def test_sound(session):
    session.park_pointer()
    time.sleep(0.3)  # let the program's sound output settle on the sink
    before, loudest, after = record_rms(session, 0.4, lambda: session.click("Command4"))
    print("sound: RMS %.4f before the click, %.4f after it (at %s s)" % (before, loudest, after))
    if before > 0.005:
        raise Failure("the sound device was not quiet before the click (RMS %.4f)" % before)
    if loudest < 0.01:
        raise Failure("no sound on the sound device after a click on Command4 (RMS %.4f)" %
                      loudest)


def pdfs(folder):
    return {path: os.path.getsize(path) for path in glob.glob(os.path.join(folder, "*.pdf"))}


def print_drawing(args, switch, workdir):
    with Session(args.program, args.size, workdir, printer_switch=switch) as session:
        background = Background(session.app_folder)
        drawing = Drawing(Drawings(session.app_folder), 1, 1)
        area = session.layout.picture_area(*drawing.size)
        session.click("Command4")
        session.park_pointer()
        session.expect(lambda image: check_drawing_shown(image, background, area, drawing),
                       what="after a click on Command4")
        session.click("Command6(1)")
        # The click is handled (the page handed to the printer) before the
        # program takes the next event; a round trip through it shows that.
        session.click("Command4")
        session.park_pointer()
        session.expect(lambda image: check_drawing_shown(
            image, background, area, Drawing(Drawings(session.app_folder), 1, 2)),
            what="after printing and a click on Command4")
    return drawing


def test_print(args):
    folder = os.environ.get("TAMIRO_PDF_DIR")
    if not folder or subprocess.run(["lpstat", "-d"], capture_output=True,
                                    text=True).stdout.find("PDF") < 0:
        print("no PDF printer here (run through scripts/test.sh)")
        return SKIP
    with open(os.path.join(os.path.dirname(os.path.realpath(args.program)),
                           "impresora.txt"), "rb") as shipped:
        if shipped.readline().strip().upper() != b"NO":
            raise Failure("the shipped impresora.txt does not switch printing off with NO")
    known = pdfs(folder)
    # Printing switched off (the shipped "NO"), then on.
    print_drawing(args, None, args.workdir + "-off")
    started = time.monotonic()
    drawing = print_drawing(args, "SI", args.workdir + "-on")

    def printed():
        new = {p: s for p, s in pdfs(folder).items() if p not in known and s > 0}
        if not new:
            return None
        time.sleep(0.3)
        return new if new == {p: s for p, s in pdfs(folder).items() if p not in known} else None

    new = wait_until(printed, 20, 0.2)
    if not new:
        raise Failure("no PDF appeared in %s within 20 s of printing with \"SI\"" % folder)
    print("PDF %s after %.1f s" % (", ".join(new), time.monotonic() - started))
    time.sleep(1.0)  # a job of the switched-off run would have arrived by now
    new = {p for p in pdfs(folder) if p not in known}
    if len(new) != 1:
        raise Failure("%d PDFs appeared instead of 1: printing with \"NO\" printed too?" % len(new))
    pdf = new.pop()
    pictures = os.path.join(os.path.dirname(args.workdir), "printed")
    subprocess.run(["pdfimages", "-png", "-f", "1", "-l", "1", pdf, pictures], check=True)
    found = sorted(glob.glob(pictures + "-*.png"))
    if not found:
        raise Failure("the printed PDF %s holds no picture" % pdf)
    printed = read_picture(found[0])
    for extracted in found:
        os.remove(extracted)
    if (printed.width, printed.height) != drawing.size:
        raise Failure("the printed picture measures %dx%d, the drawing %dx%d" % (
            printed.width, printed.height, *drawing.size))
    # The drawing area's own picture is printed: the coloured variant.
    w, h = drawing.size
    places = [(x, y) for y in range(0, h, 3) for x in range(0, w, 3) if informative(drawing, x, y)]
    coloured = sum(close(printed.pixel(x, y), drawing.coloured.pixel(x, y), 40) for x, y in places)
    print("printed %s: a %dx%d picture, the coloured drawing on %d of %d sampled pixels" % (
        os.path.basename(pdf), w, h, coloured, len(places)))
    if coloured < 0.9 * len(places):
        raise Failure("the printed picture is not the coloured drawing")


def test_end(session):
    session.park_pointer()
    session.expect(lambda image: None)
    pressed = time.monotonic()
    session.click("Command2")
    try:
        status = session.process.wait(timeout=1.0)
    except subprocess.TimeoutExpired:
        raise Failure("the program was still running 1 s after a click on the end button")
    print("ended with status %d after %.2f s" % (status, time.monotonic() - pressed))
    if status != 0:
        raise Failure("the program ended with status %d" % status)


SESSION_TESTS = {"start": test_start, "navigation": test_navigation, "brush": test_brush,
                 "sound": test_sound, "end": test_end}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("test", choices=sorted(list(SESSION_TESTS) + ["print"]))
    parser.add_argument("--program", required=True)
    parser.add_argument("--size", default="1024x768")
    parser.add_argument("--workdir", default=None)
    parser.add_argument("--in-place", action="store_true",
                        help="run the program where it is installed, not in a copy")
    args = parser.parse_args()
    args.size = tuple(int(v) for v in args.size.split("x"))
    args.workdir = os.path.abspath(args.workdir or "e2e-%s-%dx%d" % ((args.test,) + args.size))
    try:
        if args.test == "print":
            return test_print(args) or 0
        with Session(args.program, args.size, args.workdir, sound=args.test == "sound",
                     copy_program=not args.in_place) as session:
            SESSION_TESTS[args.test](session)
        return 0
    except Failure as failure:
        print("FAILED: %s" % failure)
        return 1


if __name__ == "__main__":
    sys.exit(main())
