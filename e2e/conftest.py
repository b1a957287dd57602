"""The fixture tamiro(size, desktop, sound, prepare) runs the
built program as a user would: on a copy of its content, on a desktop of its own
(a bare X server, openbox with a tint2 panel, xfwm4 with the Xfce panels, or the
weston Wayland compositor), driven with xdotool and its screen read back with
Pillow."""

import glob
import math
import os
import re
import shutil
import subprocess
import time

import pytest
from PIL import Image, ImageChops, ImageGrab

CONTENT = {"dibujos", "animados", "medida", "punteros", "fondo.gif", "sonido1.wav",
           "sonido2.wav", "impresora.txt", "tamiro", "tamiro-revisar", "tamiro-dibujo"}
TINT2 = "panel_position = top center horizontal\npanel_size = 100% 30\npanel_items = T\n"
WESTON = "[core]\nidle-time=0\n[shell]\nlocking=false\npanel-color=0xffff00ff\n"  # magenta


def pytest_addoption(parser):
    parser.addoption("--program", default="build/tamiro")
    parser.addoption("--drag-source", default="build/e2e/tamiro_drag_source")


def pixels(twips):
    """Twips to whole pixels, 15 to the pixel, halves up (all are positive here)."""
    return math.floor(twips / 15 + 0.5)


def layout(width, height):
    """Pixel rectangles of the sixteen buttons: one bar 100 twips above the bottom, centred
    on its span of 8295 twips, 50 twips between buttons, the folder buttons in two rows."""
    x, top, places = math.floor((width * 15 - 8295) / 2), height * 15 - 1225, {}
    for name in ("previousButton", "nextButton", "pointerAndPrintButtons(1)", 0, 1, 2, 3, 4,
                 "pointerAndPrintButtons(0)", "brushSizeButton", "endButton"):
        if isinstance(name, int):
            places["folderButtons(%d)" % name] = (x, top, 495, 495)
            places["folderButtons(%d)" % (name + 5)] = (x, top + 545, 495, 495)
            x += 545
        else:
            places[name] = (x, top, 975, 1125)
            x += 1025
    return {name: tuple(map(pixels, place)) for name, place in places.items()}


def picture_area(screen, size):
    """The drawing area with a picture of size pixels: centred in the band above the bar."""
    margin = round((screen[1] * 15 - 1225 - size[1] * 15) / 2)  # halves to the even neighbour
    assert margin >= 1, "the picture does not fit above the bar"
    return (pixels((screen[0] - size[0]) * 15 / 2), pixels(margin), size[0], size[1])


def matching(a, b, tolerance=24):
    """A mask: 255 where two RGB images differ by at most tolerance in every channel."""
    r, g, b = ImageChops.difference(a, b).split()
    return ImageChops.lighter(ImageChops.lighter(r, g), b).point(
        lambda v: 255 if v <= tolerance else 0)


def share(mask, among):
    """The share of the pixels set in among that are set in mask too (1 if none are)."""
    total = among.histogram()[255]
    return ImageChops.multiply(mask, among).histogram()[255] / total if total else 1.0


def wait_until(check, timeout=10.0, interval=0.1):
    """check()'s first true result within timeout seconds, else its last one."""
    deadline = time.monotonic() + timeout
    while not (result := check()) and time.monotonic() < deadline:
        time.sleep(interval)
    return result


class Session:
    """The program on a copy of its content (folder) on a desktop of its own."""

    def __init__(self, home, folder, size, started, desktop, sound):
        started.append(self)  # stopped after the test, however far it got
        self.home, self.folder, self.size, self.processes = home, folder, size, []
        self.layout, self.window, self.panel = layout(*size), None, None
        self.env = dict(os.environ, QT_QPA_PLATFORM="xcb", HOME=str(home),
                        XDG_RUNTIME_DIR=str(home), PULSE_SERVER="unix:/nonexistent")
        home.mkdir(0o700)
        self.wayland = desktop == "weston"
        if self.wayland:  # natively, as Qt does whenever WAYLAND_DISPLAY is set
            self.env.update(WAYLAND_DISPLAY="wayland-tamiro", XDG_SESSION_TYPE="wayland",
                            QT_QPA_PLATFORM="", DISPLAY="")
            (home / "weston.ini").write_text(WESTON)  # its panel magenta
            self.spawn("weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
                       "--width=%d" % size[0], "--height=%d" % size[1],
                       "--socket=wayland-tamiro", "--config=%s" % (home / "weston.ini"))
            rows = lambda shot: shot and next(y for y in range(shot.height)
                                              if shot.getpixel((1, y)) != (255, 0, 255))
            self.panel = (0, 0, size[0], wait_until(lambda: rows(self.grab()), 20))
        else:
            read, write = os.pipe()  # the server picks a free display and says which when ready
            self.spawn("Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % size,
                       "-nolisten", "tcp", "-noreset", pass_fds=[write])
            os.close(write)
            with os.fdopen(read) as said:
                self.env["DISPLAY"] = ":" + said.readline().strip()
            assert self.env["DISPLAY"] != ":", "Xvfb did not start"
        if sound:  # a PulseAudio server of its own, playing into a null sink named rec
            self.env["PULSE_SERVER"] = "unix:%s" % (self.home / "pulse-socket")
            self.spawn("pulseaudio", "-n", "--exit-idle-time=-1", "--disable-shm=true", "-L",
                       "module-null-sink sink_name=rec", "-L", "module-native-protocol-unix "
                       "auth-anonymous=1 socket=%s" % (self.home / "pulse-socket"))
            assert wait_until(lambda: not self.run("pactl", "info").returncode), "no PulseAudio"
        if desktop == "openbox":
            (self.home / "tint2rc").write_text(TINT2)
            self.spawn("openbox", "--sm-disable")
            assert wait_until(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.run(
                "xprop", "-root").stdout), "openbox did not start"
            self.spawn("tint2", "-c", str(self.home / "tint2rc"))
            self.panel = wait_until(lambda: self.top_panel("tint2"))
        elif desktop == "xfce":  # its panels as they come the first time, over a session bus
            self.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=%s" % (self.home / "bus")
            self.spawn("dbus-daemon", "--session", "--nofork", "--nopidfile",
                       "--address=" + self.env["DBUS_SESSION_BUS_ADDRESS"])
            assert wait_until(lambda: (self.home / "bus").exists()), "no session bus"
            self.spawn("xfwm4", "--compositor=off")
            self.spawn("xfce4-panel", env=dict(self.env, XFCE_PANEL_MIGRATE_DEFAULT="1"))
            self.panel = wait_until(lambda: self.top_panel("xfce4-panel"), 20)
        assert desktop is None or self.panel and self.panel[3], "the panel did not appear"
        self.process = self.start()
        if not self.wayland:
            self.window = wait_until(self.find_window, 20)
            assert self.window, "the window did not appear"

    def start(self):
        """The program, as a user starts it; its Wayland protocol messages logged."""
        return self.spawn(str(self.folder / "tamiro"), cwd=self.home,
                          env=dict(self.env, WAYLAND_DEBUG="client"))

    def top_panel(self, name):
        """(x, y, width, height) of the widest of the panel's windows at the top, if any."""
        found = self.xdotool("search", "--onlyvisible", "--class", name).split()
        return max((g for g in map(self.geometry, found) if g[1:2] == (0,)),
                   key=lambda g: g[2], default=None)

    def run(self, *args, **options):
        return subprocess.run(args, env=self.env, capture_output=True, text=True, **options)

    def spawn(self, *args, **options):
        """Starts a program, its output logged as NAME.log in home."""
        with open(self.home / (os.path.basename(args[0]) + ".log"), "a") as log:
            self.processes.append(subprocess.Popen(args, **dict(dict(env=self.env), **options),
                                                   stdout=log, stderr=subprocess.STDOUT))
        return self.processes[-1]

    def xdotool(self, *args):
        return self.run("xdotool", *args).stdout

    def geometry(self, window):
        """(x, y, width, height) of a window on the screen."""
        return tuple(map(int, re.findall(r"(?:Absolute upper-left [XY]|Width|Height): +(-?\d+)",
                                         self.run("xwininfo", "-id", str(window)).stdout)))

    def find_window(self):
        assert self.process.poll() is None, "the program ended with %d" % self.process.returncode
        found = self.xdotool("search", "--onlyvisible", "--pid", str(self.process.pid))
        windows = [(math.prod(self.geometry(w)[2:]), w) for w in found.split()]
        return max(windows)[1] if windows else None

    def click(self, name, *more):
        """Clicks the button's centre (more: further xdotool steps), then leaves the bar."""
        x, y, width, height = self.layout[name]
        self.xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2),
                     "click", "1", *more, "mousemove", "1", str(self.size[1] // 2))

    def drag(self, points, pause=0.03):
        """Presses at the first point, moves through the others one event each, releases."""
        args = ["mousemove", "--sync", *map(str, points[0]), "mousedown", "1"]
        for x, y in points[1:]:
            args += ["sleep", str(pause), "mousemove", "--sync", str(x), str(y)]
        self.xdotool(*args, "sleep", str(pause), "mouseup", "1", "mousemove", "1",
                     str(self.size[1] // 2))

    def grab(self):
        """The whole screen: X's, or weston's own screenshot of its output."""
        if not self.wayland:
            return ImageGrab.grab(xdisplay=self.env["DISPLAY"]).convert("RGB")
        self.run("weston-screenshooter", cwd=self.home)
        shots = glob.glob(str(self.home / "wayland-screenshot-*.png"))
        return Image.open(max(shots, key=os.path.getmtime)).convert("RGB") if shots else None

    def screen_until(self, check, timeout=10):
        """The first screenshot where check(image) finds nothing wrong (an empty list)."""
        deadline = time.monotonic() + timeout
        while wrong := check(shot := self.grab()):
            if time.monotonic() > deadline:
                shot.save(self.home / "screen.png")
                pytest.fail("%s (see %s)" % ("; ".join(wrong), self.home / "screen.png"))
            time.sleep(0.1)
        return shot


@pytest.fixture
def tamiro(tmp_path, pytestconfig):
    """Starts a Session on a copy of the content beside the program, changed by prepare(folder)."""
    source, started = os.path.dirname(os.path.realpath(pytestconfig.getoption("program"))), []

    def start(size=(1024, 768), desktop=None, sound=False, prepare=None, kind=Session):
        folder = tmp_path / "app"
        shutil.copytree(source, folder, ignore=lambda at, names: set(names) - CONTENT
                        if at == source else ())
        if prepare:
            prepare(folder)
        return kind(tmp_path / "home", folder, size, started, desktop, sound)

    yield start
    for session in started:
        for process in reversed(session.processes):  # the X server last, so it tidies up
            process.terminate()
            process.wait(5)
