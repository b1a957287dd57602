"""What only real desktops (X servers with window managers and panels, a Wayland
compositor) show; the rules are in tests/, real printing in tests/real_printer_test.cpp."""

import re
import time

import pytest
from PIL import Image, ImageChops, ImageDraw

from conftest import matching, picture_area, share, wait_until

DRAWING = ("dibujos/1/si coloreado/1.gif", "dibujos/1/no coloreado/1.gif")  # the first step's


def ring_background(mask, rect, offset):
    """The share of the background on the one-pixel ring offset pixels outside rect."""
    x, y, w, h = rect
    outer = mask.crop((x - offset, y - offset, x + w + offset, y + h + offset))
    inner = outer.crop((1, 1, outer.width - 1, outer.height - 1))
    return (outer.histogram()[255] - inner.histogram()[255]) / (
        outer.width * outer.height - inner.width * inner.height)


def misplaced(session):
    """A check(shot) that the program covers the screen, its panel too, with the background
    tiled from the corner and each button of the bar where the layout puts it."""
    tile, background = Image.open(session.folder / "fondo.gif"), Image.new("RGB", session.size)
    for x in range(0, session.size[0], tile.width):
        for y in range(0, session.size[1], tile.height):
            background.paste(tile, (x, y))

    def check(shot):
        shown = matching(shot, background, 8)  # where the background shows
        wrong = [name for name, (x, y, w, h) in session.layout.items()
                 if ring_background(shown, (x, y, w, h), 1) < 0.8
                 or ring_background(shown, (x, y, w, h), 0) > 0.2
                 or len(shot.crop((x + 3, y + 3, x + w - 3, y + h - 3)).getcolors(9) or "...") < 3]
        x, y, w, h = session.panel
        if shown.crop((x, y, x + w, y + h)).histogram()[255] < 0.95 * w * h:
            wrong.append("the panel shows over the window")
        return wrong
    return check


@pytest.mark.parametrize("size", [(1024, 768), (1920, 1080)], ids=["1024x768", "1920x1080"])
@pytest.mark.parametrize("desktop", ["openbox", "xfce"])
def test_full_screen_under_a_window_manager_with_a_top_panel(tamiro, desktop, size):
    session = tamiro(size, desktop)
    # What the window manager itself holds, as a panel or a pager reads it: a borderless
    # window as big as the screen is not the same (xfwm4 puts one below its panel).
    assert "_NET_WM_STATE_FULLSCREEN" in session.run("xprop", "-id", session.window,
                                                     "_NET_WM_STATE").stdout
    session.screen_until(misplaced(session)).save(session.home.parent / "start.png")
    session.click("endButton")
    assert session.process.wait(timeout=3) == 0


def test_natively_on_wayland_named_after_its_desktop_entry_over_the_whole_output(tamiro):
    session = tamiro(desktop="weston")
    said = lambda: (session.home / "tamiro.log").read_text()
    assert wait_until(lambda: "create_buffer" in said(), 20), "no window drawn"
    assert '.set_app_id("org.tamiro.Tamiro")' in said()
    # The compositor gives the window the whole output, as it does a full-screen one.
    assert re.search(r"xdg_toplevel@\d+\.configure\(1024, 768, ", said()), said()
    session.screen_until(misplaced(session)).save(session.home.parent / "wayland.png")


@pytest.mark.parametrize("desktop, hide", [("openbox", "cover"), ("xfce", "minimise")])
def test_a_second_start_brings_the_running_copy_to_the_front_and_ends(tamiro, desktop, hide):
    session = tamiro(desktop=desktop)
    if hide == "cover":
        session.spawn("xmessage", "-geometry", "400x200+100+100", "Tapa")
    else:  # as a click on its button in the panel's task list does
        session.xdotool("windowminimize", "--sync", session.window)
    stacking = lambda: session.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING").stdout.split()
    front = lambda: session.xdotool("getactivewindow").strip() == session.window and int(
        stacking()[-1], 16) == int(session.window)
    assert wait_until(lambda: not front()), "still in front"
    again = [session.start(), session.start()]  # at the same instant, as a double click
    assert [process.wait(15) for process in again] == [0, 0] and session.process.poll() is None
    assert wait_until(front), "the running copy stays behind"
    # With no copy running, of two started at the same instant one ends and one shows.
    session.click("endButton")
    assert session.process.wait(5) == 0
    pair = [session.start(), session.start()]
    assert wait_until(lambda: [p.poll() for p in pair].count(None) == 1, 15), "not one copy"
    session.process = next(p for p in pair if p.poll() is None)
    assert wait_until(session.find_window, 20) and [p.poll() for p in pair].count(0) == 1


def test_the_checker_window_carries_the_program_icon(tamiro):
    session = tamiro(desktop="openbox")
    pid = str(session.spawn(str(session.folder / "tamiro-revisar"), "--ventana").pid)
    checker = wait_until(lambda: session.xdotool("search", "--onlyvisible", "--pid", pid), 20)
    icons = [session.run("xprop", "-id", w, "_NET_WM_ICON").stdout.partition("=")[2]
             for w in (session.window, checker.split()[0])]
    assert "Icon (32 x 32)" in icons[0] and icons[1] == icons[0], icons


def test_a_drag_and_an_uncovered_part_show_the_coloured_drawing(tamiro):
    """The first step's drawing shows uncoloured; a drag along a row and a part that another
    window covered and uncovered then show it coloured (3 pixels' slack), the rest not."""
    session = tamiro()
    session.click("nextButton")
    coloured, uncoloured = (Image.open(session.folder / path).convert("RGB") for path in DRAWING)
    x, y, w, h = picture_area(session.size, coloured.size)
    differ = ImageChops.invert(matching(coloured, uncoloured, 48))

    def check(*parts):
        inside, outside = Image.new("L", coloured.size, 0), Image.new("L", coloured.size, 255)
        for left, top, right, bottom in parts:
            ImageDraw.Draw(inside).rectangle((left + 3, top + 3, right - 4, bottom - 4), 255)
            ImageDraw.Draw(outside).rectangle((left - 3, top - 3, right + 2, bottom + 2), 0)
        return lambda shot: [what % (parts,) for what, picture, where, least in (
            ("the coloured drawing does not show in %s", coloured, inside, 0.9),
            ("the uncoloured one does not show outside %s", uncoloured, outside, 0.99))
            if share(matching(shot.crop((x, y, x + w, y + h)), picture),
                     ImageChops.multiply(differ, where)) < least]

    session.screen_until(check())
    row, left, right = h * 3 // 8, w // 5, w * 4 // 5  # the 16 x 16 brush
    session.drag([(x + at, y + row) for at in range(left, right + 1, 6)])
    dragged = (left, row - 8, right + 8, row + 8)
    session.screen_until(check(dragged))
    cover = session.spawn("xmessage", "-geometry", "240x100+%d+%d" % (x + 200, y + 250), "Tapa")
    assert wait_until(lambda: session.xdotool("search", "--onlyvisible", "--class", "xmessage"))
    time.sleep(0.3)
    cover.terminate()
    session.screen_until(check(dragged, (200, 250, 440, 350)))
