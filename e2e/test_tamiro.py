"""Tamiro as a user meets it, where only a real X server, window manager and
printer show the result; the rules themselves are tested headless in tests/."""

import glob
import os
import subprocess
import time

import pytest
from PIL import Image, ImageChops, ImageDraw

from conftest import matching, picture_area, share, wait_until

DRAWING = ("dibujos/1/si coloreado/1.gif", "dibujos/1/no coloreado/1.gif")  # the first step's


def ring_background(mask, rect, offset):
    """The share of the background on the one-pixel ring offset pixels
    outside rect (0: its own edge)."""
    x, y, w, h = rect
    outer = mask.crop((x - offset, y - offset, x + w + offset, y + h + offset))
    inner = outer.crop((1, 1, outer.width - 1, outer.height - 1))
    return (outer.histogram()[255] - inner.histogram()[255]) / (
        outer.width * outer.height - inner.width * inner.height)


@pytest.mark.parametrize("size", [(1024, 768), (1920, 1080)], ids=["1024x768", "1920x1080"])
def test_start_and_end_under_a_window_manager_with_a_top_panel(tamiro, size):
    session = tamiro(size, window_manager=True)
    panel = session.desktop.geometry(session.desktop.panel[0])
    assert (panel[1], panel[3]) == (0, 30), "no panel at the top: %s" % (panel,)
    assert session.desktop.geometry(session.window) == (0, 0, *size)
    tile, background = session.picture("fondo.gif"), Image.new("RGB", size)
    for x in range(0, size[0], tile.width):
        for y in range(0, size[1], tile.height):
            background.paste(tile, (x, y))

    def misplaced(shot):
        shown = matching(shot, background, 8)  # where the background shows
        wrong = [name for name, (x, y, w, h) in session.layout.items()
                 if ring_background(shown, (x, y, w, h), 1) < 0.8
                 or ring_background(shown, (x, y, w, h), 0) > 0.2
                 or len(shot.crop((x + 3, y + 3, x + w - 3, y + h - 3)).getcolors(9) or "...") < 3]
        if shown.crop((0, 0, size[0], 30)).histogram()[255] < 0.95 * size[0] * 30:
            wrong.append("the panel shows over the window")
        return wrong

    session.screen_until(misplaced).save(session.desktop.folder.parent / "start.png")
    session.click("Command2")
    assert session.process.wait(timeout=3) == 0


def shows_drawing(session, coloured_part=None, slack=3):
    """A check of the drawing area after the first step: the coloured drawing
    in coloured_part (left, top, right, bottom inside the area), the uncoloured
    one elsewhere, leaving slack pixels at the part's edges."""
    coloured, uncoloured = (session.picture(path) for path in DRAWING)
    area = picture_area(session.size, coloured.size)
    differ = ImageChops.invert(matching(coloured, uncoloured, 48))
    inside, outside = Image.new("L", coloured.size, 0), Image.new("L", coloured.size, 255)
    if coloured_part:
        left, top, right, bottom = coloured_part
        ImageDraw.Draw(inside).rectangle((left + slack, top + slack, right - slack - 1,
                                          bottom - slack - 1), 255)
        ImageDraw.Draw(outside).rectangle((left - slack, top - slack, right + slack - 1,
                                           bottom + slack - 1), 0)

    def wrong(shot):
        shown = shot.crop((area[0], area[1], area[0] + area[2], area[1] + area[3]))
        found = []
        if coloured_part and share(matching(shown, coloured),
                                   ImageChops.multiply(differ, inside)) < 0.9:
            found.append("the coloured drawing does not show in %s" % (coloured_part,))
        if share(matching(shown, uncoloured), ImageChops.multiply(differ, outside)) < 0.99:
            found.append("the uncoloured drawing does not show outside %s" % (coloured_part,))
        return found

    return area, wrong


def test_a_drag_reveals_the_coloured_drawing(tamiro):
    session = tamiro()
    session.click("Command4")
    area, check = shows_drawing(session)
    session.screen_until(check)
    y, x0, x1 = area[3] * 3 // 8, area[2] // 5, area[2] * 4 // 5  # the 16 x 16 brush
    session.drag([(area[0] + x, area[1] + y) for x in range(x0, x1 + 1, 6)])
    session.screen_until(shows_drawing(session, (x0, y - 8, x1 + 8, y + 8))[1])


def test_an_uncovered_part_shows_the_coloured_drawing(tamiro):
    session = tamiro()
    session.click("Command4")
    area, check = shows_drawing(session)
    session.screen_until(check)
    cover = session.desktop.spawn("xmessage", "-geometry", "240x100+%d+%d" % (
        area[0] + 200, area[1] + 150), "Tapa")
    window = wait_until(lambda: session.desktop.xdotool(
        "search", "--onlyvisible", "--class", "xmessage").split())
    x, y, w, h = session.desktop.geometry(window[0])
    time.sleep(0.3)
    cover.terminate()
    session.screen_until(shows_drawing(session, (x - area[0], y - area[1],
                                                 x - area[0] + w, y - area[1] + h))[1])


def test_one_click_prints_one_page(tamiro):
    folder = os.environ.get("TAMIRO_PDF_DIR")
    if not folder or "PDF" not in subprocess.run(["lpstat", "-d"], capture_output=True,
                                                 text=True).stdout:
        pytest.skip("no PDF printer here (scripts/test.sh sets one up)")
    known = set(glob.glob(folder + "/*.pdf"))
    session = tamiro(printer_switch="SI")
    session.click("Command6(1)")

    def printed():  # the new PDFs, once their sizes stay the same
        sizes = {p: os.path.getsize(p) for p in set(glob.glob(folder + "/*.pdf")) - known}
        time.sleep(0.3)
        return sizes if sizes and all(sizes.values()) and sizes == {
            p: os.path.getsize(p) for p in sizes} else None

    assert wait_until(printed, 20), "no PDF within 20 s"
    time.sleep(1)  # a second document would have come by now
    new = set(glob.glob(folder + "/*.pdf")) - known
    assert len(new) == 1, "%d PDFs for one click" % len(new)
    info = subprocess.run(["pdfinfo", new.pop()], capture_output=True, text=True).stdout
    assert "\nPages:           1\n" in info, info
