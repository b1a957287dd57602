"""Fixtures that run the built Tamiro program as a user would: in an X server
of its own (Xvfb), optionally under a window manager (openbox) with a panel
at the top of the screen (tint2), on a fresh application folder, clicked and
dragged with xdotool, its screen read back as a Pillow image.

    desktop(size=(1024, 768), window_manager=False) -> Desktop
    tamiro(size=..., window_manager=..., printer_switch=None, env=None) -> Tamiro

Both are factories; everything they start is stopped after the test.
"""

import math
import os
import shutil
import subprocess
import time
from pathlib import Path

import pytest
from PIL import Image, ImageChops, ImageGrab

CONTENT = ("dibujos", "animados", "medida", "punteros", "fondo.gif", "sonido1.wav",
           "sonido2.wav", "impresora.txt")
PANEL = "panel_position = top center horizontal\npanel_size = 100% 30\npanel_items = T\n"


def pytest_addoption(parser):
    parser.addoption("--program", default=os.environ.get("TAMIRO_PROGRAM", "build/tamiro"))
    parser.addoption("--in-place", action="store_true",
                     help="run the program in its own folder (an installed one), not a copy")


def pixels(twips):
    """Twips to whole pixels, 15 to the pixel, halves up (all are positive here)."""
    return math.floor(twips / 15 + 0.5)


def layout(width, height):
    """Pixel rectangles of the sixteen buttons on a screen of width x height
    pixels: one bar 100 twips above the bottom, centred on the designed span of
    8295 twips, 50 twips between buttons, the folder buttons in two rows."""
    x, top, places = math.floor((width * 15 - 8295) / 2), height * 15 - 1225, {}
    for name in ("Command3", "Command4", "Command6(1)", 0, 1, 2, 3, 4,
                 "Command6(0)", "Command1", "Command2"):
        if isinstance(name, int):
            places["Command5(%d)" % name] = (x, top, 495, 495)
            places["Command5(%d)" % (name + 5)] = (x, top + 545, 495, 495)
            x += 545
        else:
            places[name] = (x, top, 975, 1125)
            x += 1025
    return {name: tuple(map(pixels, place)) for name, place in places.items()}


def picture_area(screen, size):
    """Where the drawing area stands with a picture of size pixels: centred
    across the screen and in the band above the bar."""
    width, height = size[0] * 15, size[1] * 15
    margin = round((screen[1] * 15 - 1225 - height) / 2)  # halves to the even neighbour
    assert margin >= 1, "the picture does not fit above the bar"
    return (pixels((screen[0] * 15 - width) / 2), pixels(margin), size[0], size[1])


def matching(a, b, tolerance=24):
    """A mask (mode L): 255 where two RGB images differ by at most tolerance
    in every channel, else 0."""
    r, g, b = ImageChops.difference(a, b).split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b).point(
        lambda v: 255 if v <= tolerance else 0)


def share(mask, among):
    """The share of the pixels set in the mask among that are set in mask too."""
    return ImageChops.multiply(mask, among).histogram()[255] / max(1, among.histogram()[255])


def wait_until(check, timeout=10.0, interval=0.1):
    """check()'s first true result within timeout seconds, else its last one."""
    deadline = time.monotonic() + timeout
    while not (result := check()) and time.monotonic() < deadline:
        time.sleep(interval)
    return result


class Desktop:
    """An X server of its own, optionally with a window manager and a panel."""

    def __init__(self, size, folder):
        self.size, self.folder, self.processes = size, folder, []
        self.env = dict(os.environ, QT_QPA_PLATFORM="xcb", HOME=str(folder),
                        XDG_RUNTIME_DIR=str(folder), PULSE_SERVER="unix:/nonexistent")
        self.env.pop("WAYLAND_DISPLAY", None)
        os.chmod(folder, 0o700)

    def start(self, window_manager):
        for number in range(100 + os.getpid() % 800, 1000):  # clear of the usual numbers
            lock = "/tmp/.X%d-lock" % number
            if os.path.exists(lock) or os.path.exists("/tmp/.X11-unix/X%d" % number):
                continue
            self.env["DISPLAY"] = ":%d" % number
            server = self.spawn("Xvfb", self.env["DISPLAY"], "-screen", "0",
                                "%dx%dx24" % self.size, "-nolisten", "tcp", "-noreset")
            ours = lambda: os.path.exists(lock) and open(lock).read().strip() == str(server.pid)
            if wait_until(lambda: server.poll() is not None or ours() and self.run(
                    "xdpyinfo").returncode == 0) and server.poll() is None and ours():
                break
        if window_manager:
            (self.folder / "tint2rc").write_text(PANEL)
            self.spawn("openbox", "--sm-disable")
            assert wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(
                "xprop", "-root").stdout), "openbox did not start"
            self.spawn("tint2", "-c", str(self.folder / "tint2rc"))
            self.panel = wait_until(lambda: self.xdotool("search", "--onlyvisible", "--class",
                                                         "tint2").split())
            assert self.panel, "the tint2 panel did not appear"

    def run(self, *args):
        return subprocess.run(args, env=self.env, capture_output=True, text=True)

    def spawn(self, *args, **options):
        """Starts a program, its output logged as NAME.log beside the test's files."""
        with open(self.folder / (os.path.basename(args[0]) + ".log"), "a") as log:
            process = subprocess.Popen(args, **dict(dict(env=self.env), **options),
                                       stdout=log, stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process

    def xdotool(self, *args):
        return self.run("xdotool", *args).stdout

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        info = dict(line.strip().split(": ", 1) for line in self.run(
            "xwininfo", "-id", str(window)).stdout.splitlines() if ": " in line)
        return tuple(int(info[key]) for key in ("Absolute upper-left X", "Absolute upper-left Y",
                                                "Width", "Height"))

    def screenshot(self):
        return ImageGrab.grab(xdisplay=self.env["DISPLAY"]).convert("RGB")

    def stop(self):
        for process in reversed(self.processes):  # the X server last, so it tidies up
            process.terminate()
            try:
                process.wait(3)
            except subprocess.TimeoutExpired:
                process.kill()


class Tamiro:
    """The program running on a desktop; folder is its application folder."""

    def __init__(self, desktop, program, folder, env):
        self.desktop, self.folder, self.size = desktop, folder, desktop.size
        self.layout = layout(*self.size)
        self.process = desktop.spawn(program, env=dict(desktop.env, **env), cwd=desktop.folder)
        self.window = wait_until(self.find_window, 20)
        assert self.window, "the window did not appear (status %s)" % self.process.poll()

    def find_window(self):
        assert self.process.poll() is None, "the program ended with %d" % self.process.returncode
        found = self.desktop.xdotool("search", "--onlyvisible", "--pid", str(self.process.pid))
        windows = [(math.prod(self.desktop.geometry(w)[2:]), w) for w in found.split()]
        return max(windows)[1] if windows else None

    def picture(self, relative):
        return Image.open(self.folder / relative).convert("RGB")

    def park(self):
        self.desktop.xdotool("mousemove", "--sync", "1", str(self.size[1] // 2))

    def click(self, name):
        x, y, width, height = self.layout[name]
        self.desktop.xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2),
                             "click", "1")
        self.park()

    def drag(self, points, pause=0.03):
        """Presses the left button at the first point, moves through the
        others, each move its own event, and releases it at the last."""
        args = ["mousemove", "--sync", *map(str, points[0]), "mousedown", "1"]
        for x, y in points[1:]:
            args += ["sleep", str(pause), "mousemove", "--sync", str(x), str(y)]
        self.desktop.xdotool(*args, "sleep", str(pause), "mouseup", "1")
        self.park()

    def screen_until(self, check, timeout=10):
        """Takes screenshots until check(image) finds nothing wrong (returns an
        empty list) and returns that one; else fails with what was wrong, the
        last screenshot saved as screen.png beside the test's files."""
        deadline = time.monotonic() + timeout
        while True:
            shot = self.desktop.screenshot()
            wrong = check(shot)
            if not wrong:
                return shot
            if time.monotonic() > deadline:
                shot.save(self.desktop.folder / "screen.png")
                pytest.fail("%s (see %s)" % ("; ".join(wrong), self.desktop.folder / "screen.png"))
            time.sleep(0.1)


@pytest.fixture
def desktop(tmp_path):
    started = []

    def start(size=(1024, 768), window_manager=False):
        folder = tmp_path / ("desktop%d" % len(started))
        folder.mkdir()
        started.append(Desktop(size, folder))
        started[-1].start(window_manager)
        return started[-1]

    yield start
    for each in started:
        each.stop()


@pytest.fixture
def tamiro(desktop, tmp_path, pytestconfig):
    program = os.path.abspath(pytestconfig.getoption("program"))
    source = Path(os.path.realpath(program)).parent

    def start(size=(1024, 768), window_manager=False, printer_switch=None, env=None):
        folder = source
        if not pytestconfig.getoption("in_place"):
            folder = tmp_path / "app"
            folder.mkdir()
            program_copy = folder / "tamiro"
            try:  # the program is never changed: a link is enough where one can be made
                os.link(os.path.realpath(program), program_copy)
            except OSError:
                shutil.copy2(program, program_copy)
            for name in CONTENT:
                path = source / name
                (shutil.copytree if path.is_dir() else shutil.copy2)(path, folder / name)
            if printer_switch is not None:
                (folder / "impresora.txt").write_bytes(printer_switch.encode() + b"\r\n")
        running = program if folder == source else str(folder / "tamiro")
        return Tamiro(desktop(size, window_manager), running, folder, env or {})

    return start
