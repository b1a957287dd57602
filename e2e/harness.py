"""Drives the real Tamiro program in a private X server, as a user would.

A Session copies the program and its content into a fresh application
folder, starts Xvfb (no window manager), optionally a PulseAudio server whose
only sound device is a null sink, starts the program there, clicks and drags
with xdotool and reads the screen back with ImageMagick's `import`.

Layout gives the pixel rectangles where the program puts its controls on a
screen of a given size: places are kept in twips (15 to a pixel) and every
control stands on its place rounded to the nearest whole pixel.

Only the Python standard library and Debian's command-line tools are used.
"""

import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

TWIPS_PER_PIXEL = 15

# What the program reads from its application folder.
CONTENT_NAMES = ("dibujos", "animados", "medida", "punteros", "fondo.gif", "sonido1.wav",
                 "sonido2.wav", "impresora.txt", "LEEME.txt")


class Failure(Exception):
    """A check of an end-to-end test that did not hold."""


# ----------------------------------------------------------------- pictures


class Image:
    """An RGB picture: a screenshot or a decoded content file."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    @staticmethod
    def from_ppm(raw):
        fields, pos = [], 0
        while len(fields) < 4:
            while raw[pos:pos + 1].isspace():
                pos += 1
            if raw[pos:pos + 1] == b"#":
                pos = raw.index(b"\n", pos) + 1
                continue
            end = pos
            while not raw[end:end + 1].isspace():
                end += 1
            fields.append(raw[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise Failure("not an 8-bit PPM picture")
        width, height = int(fields[1]), int(fields[2])
        data = raw[pos + 1:pos + 1 + width * height * 3]
        return Image(width, height, data)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return self.data[i], self.data[i + 1], self.data[i + 2]

    def save(self, path):
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height))
            out.write(self.data)


def read_picture(path):
    """The first frame of a picture file, decoded by ImageMagick."""
    raw = subprocess.run(["convert", str(path) + "[0]", "-depth", "8", "ppm:-"],
                         check=True, capture_output=True).stdout
    return Image.from_ppm(raw)


def close(a, b, tolerance=8):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


def is_yellow(rgb):
    r, g, b = rgb
    return r > 200 and g > 170 and b < 120


def is_green(rgb):
    r, g, b = rgb
    return r < 60 and g > 200 and b < 60


# ------------------------------------------------------------------- layout


def lround(value):
    """Rounding to the nearest whole number with halves away from zero."""
    return int(math.floor(abs(value) + 0.5)) * (1 if value >= 0 else -1)


def twips_to_rect(left, top, width, height):
    t = TWIPS_PER_PIXEL
    return (lround(left / t), lround(top / t), lround(width / t), lround(height / t))


class Layout:
    """Where the program puts its controls on a screen of width x height pixels."""

    LARGE = ("Command3", "Command4", "Command6(1)")
    LARGE_AFTER = ("Command6(0)", "Command1", "Command2")

    def __init__(self, width, height):
        self.screen = (width, height)
        self.width_twips = width * TWIPS_PER_PIXEL
        self.height_twips = height * TWIPS_PER_PIXEL
        # The bar is centred on the span the buttons had as designed
        # (Command3's left 960 to Command2's right 8280 + 975).
        bar_left = math.floor((self.width_twips - 8295) / 2)
        self.bar_top = self.height_twips - 1125 - 100
        self.twips = {}
        x = bar_left
        for name in self.LARGE:
            self.twips[name] = (x, self.bar_top, 975, 1125)
            x += 975 + 50
        for column in range(5):
            self.twips["Command5(%d)" % column] = (x, self.bar_top, 495, 495)
            self.twips["Command5(%d)" % (column + 5)] = (x, self.bar_top + 545, 495, 495)
            x += 495 + 50
        for name in self.LARGE_AFTER:
            self.twips[name] = (x, self.bar_top, 975, 1125)
            x += 975 + 50

    def rect(self, name):
        return twips_to_rect(*self.twips[name])

    def centre(self, name):
        x, y, w, h = self.rect(name)
        return x + w // 2, y + h // 2

    def buttons(self):
        return list(self.twips)

    def picture_area(self, picture_width, picture_height):
        """Pixel rectangle of the drawing area holding a picture of that size:
        centred horizontally, centred in the band above the bar."""
        width = picture_width * TWIPS_PER_PIXEL
        height = picture_height * TWIPS_PER_PIXEL
        left = (self.width_twips - width) / 2
        margin = round((self.bar_top - height) / 2)  # halves to the even neighbour
        if margin >= 1:
            top = margin
        else:
            top, height = 5, self.bar_top - 25
        return twips_to_rect(left, top, width, height)


# ------------------------------------------------------------------ content


def find_file(folder, name):
    """The file of that name in folder, whatever the letter case, or None."""
    try:
        for entry in os.listdir(folder):
            if entry.upper() == name.upper() and os.path.isfile(os.path.join(folder, entry)):
                return os.path.join(folder, entry)
    except FileNotFoundError:
        pass
    return None


class Drawings:
    """The numbered drawings of an application folder's content tree."""

    def __init__(self, app_folder):
        self.root = os.path.join(app_folder, "dibujos")

    def coloured(self, folder, number):
        base = os.path.join(self.root, str(folder), "si coloreado")
        return find_file(base, "%d.GIF" % number) or find_file(base, "%d.JPG" % number)

    def uncoloured(self, folder, number):
        return find_file(os.path.join(self.root, str(folder), "no coloreado"), "%d.GIF" % number)

    def last(self, folder):
        number = 1
        while self.coloured(folder, number):
            number += 1
        return number - 1


# ------------------------------------------------------------------ session


def wait_until(check, timeout, interval=0.05):
    """Calls check() until it returns a true value or timeout seconds pass."""
    deadline = time.monotonic() + timeout
    while True:
        result = check()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(interval)


class Session:
    """The program running in its own X server, in its own application folder."""

    def __init__(self, program, size, workdir, printer_switch=None, sound=False,
                 copy_program=True, remove=()):
        self.program = program
        self.width, self.height = size
        self.workdir = workdir
        self.printer_switch = printer_switch
        self.sound = sound
        self.copy_program = copy_program
        self.remove = remove
        self.layout = Layout(self.width, self.height)
        self.processes = []
        self.env = dict(os.environ)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["QT_QPA_PLATFORM"] = "xcb"
        self.runtime = tempfile.mkdtemp(prefix="tamiro-e2e-")
        self.env["XDG_RUNTIME_DIR"] = self.runtime
        os.chmod(self.runtime, 0o700)
        self.env["PULSE_SERVER"] = "unix:" + os.path.join(self.runtime, "no-sound-server")
        self.logs = []

    # Set-up and tear-down.

    def __enter__(self):
        try:
            self._prepare_folder()
            self._start_x()
            if self.sound:
                self._start_sound()
            self._start_program()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        return self

    def __exit__(self, kind, value, trace):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        for log in self.logs:
            log.close()
        shutil.rmtree(self.runtime, ignore_errors=True)
        if kind is None and self.copy_program:
            # Kept after a failure, to look into; removed after a pass.
            shutil.rmtree(os.path.join(self.workdir, "app"), ignore_errors=True)
        if kind is not None and hasattr(self, "program_log"):
            with open(self.program_log, errors="replace") as text:
                tail = text.read()[-2000:]
            if tail:
                print("--- program output ---\n" + tail)
        return False

    def _log(self, name):
        log = open(os.path.join(self.workdir, name), "w")
        self.logs.append(log)
        return log

    def _spawn(self, args, log, **kw):
        process = subprocess.Popen(args, env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                   stdin=subprocess.DEVNULL, **kw)
        self.processes.append(process)
        return process

    def _prepare_folder(self):
        """A fresh application folder: the program and its content beside it."""
        shutil.rmtree(self.workdir, ignore_errors=True)
        os.makedirs(self.workdir)
        if not self.copy_program:
            self.app_folder = os.path.dirname(os.path.realpath(self.program))
            self.executable = self.program
            return
        self.app_folder = os.path.join(self.workdir, "app")
        os.makedirs(self.app_folder)
        source = os.path.dirname(os.path.realpath(self.program))
        self.executable = os.path.join(self.app_folder, os.path.basename(self.program))
        try:  # the program is never changed: a link is enough where one can be made
            os.link(os.path.realpath(self.program), self.executable)
        except OSError:
            shutil.copy2(self.program, self.executable)
        for name in CONTENT_NAMES:
            path = os.path.join(source, name)
            if os.path.isdir(path):
                shutil.copytree(path, os.path.join(self.app_folder, name))
            elif os.path.isfile(path):
                shutil.copy2(path, self.app_folder)
        if self.printer_switch is not None:
            with open(os.path.join(self.app_folder, "impresora.txt"), "wb") as switch:
                switch.write(self.printer_switch.encode() + b"\r\n")
        for relative in self.remove:
            os.remove(os.path.join(self.app_folder, relative))

    def _start_x(self):
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                     "%dx%dx24" % (self.width, self.height), "-nolisten", "tcp", "-noreset"],
                    self._log("xvfb.log"), pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number:
            raise Failure("Xvfb did not start (see xvfb.log)")
        self.env["DISPLAY"] = ":" + number

    def _start_sound(self):
        """A PulseAudio server of our own whose only device is a null sink."""
        socket = os.path.join(self.runtime, "pulse-native")
        home = os.path.join(self.runtime, "home")
        os.makedirs(home)
        self.env.update(HOME=home, PULSE_SERVER="unix:" + socket)
        self._spawn(["pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--system=false",
                     "-n", "--use-pid-file=false", "--disable-shm=true",
                     "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
                     "--load=module-null-sink sink_name=tamiro_e2e",
                     "--load=module-always-sink"], self._log("pulseaudio.log"))
        ready = wait_until(lambda: subprocess.run(["pactl", "info"], env=self.env,
                                                  capture_output=True).returncode == 0, 10)
        if not ready:
            raise Failure("the PulseAudio null sink did not start (see pulseaudio.log)")

    def _start_program(self):
        self.program_log = os.path.join(self.workdir, "program.log")
        self.started = time.monotonic()
        self.process = self._spawn([self.executable], self._log("program.log"),
                                   cwd=self.workdir)
        self.window = wait_until(self._find_window, 20, 0.1)
        if not self.window:
            raise Failure("the program's window did not appear within 20 s (exit status %s)"
                          % self.process.poll())
        self.window_seconds = time.monotonic() - self.started

    def _find_window(self):
        if self.process.poll() is not None:
            raise Failure("the program ended at start with status %d" % self.process.returncode)
        found = self.xdotool("search", "--onlyvisible", "--pid", str(self.process.pid),
                             check=False)
        best = None
        for window in found.split():
            geometry = self.window_geometry(window)
            if geometry and (best is None or geometry[2] * geometry[3] > best[1]):
                best = (window, geometry[2] * geometry[3])
        return best[0] if best else None

    # Acting and looking.

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        if check and result.returncode != 0:
            raise Failure("xdotool %s failed: %s" % (" ".join(args), result.stderr.strip()))
        return result.stdout

    def window_geometry(self, window=None):
        text = self.xdotool("getwindowgeometry", "--shell", window or self.window, check=False)
        values = dict(line.split("=", 1) for line in text.split() if "=" in line)
        try:
            return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        except KeyError:
            return None

    def screenshot(self):
        raw = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "ppm:-"],
                             env=self.env, check=True, capture_output=True).stdout
        return Image.from_ppm(raw)

    def click(self, name):
        x, y = self.layout.centre(name)
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", "1")

    def park_pointer(self):
        """Moves the pointer to the top-left corner, away from every control."""
        self.xdotool("mousemove", "--sync", "1", "1")

    def drag(self, points, pause=0.04):
        """Presses the left button at the first point, moves through the
        others with a short pause each (so that every move is its own event),
        and releases it at the last."""
        args = ["mousemove", "--sync", str(points[0][0]), str(points[0][1]), "mousedown", "1"]
        for x, y in points[1:]:
            args += ["sleep", str(pause), "mousemove", "--sync", str(x), str(y)]
        args += ["sleep", str(pause), "mouseup", "1"]
        self.xdotool(*args)

    def expect(self, check, timeout=10, what="the screen"):
        """Takes screenshots until check(image) returns no complaint (None or
        an empty list), or fails with the last complaint after timeout seconds."""
        deadline = time.monotonic() + timeout
        while True:
            image = self.screenshot()
            complaint = check(image)
            if not complaint:
                return image
            if time.monotonic() > deadline:
                image.save(os.path.join(self.workdir, "failed.ppm"))
                if isinstance(complaint, (list, tuple)):
                    complaint = "\n  ".join(complaint)
                raise Failure("%s: %s\n  (screen saved as %s)" % (
                    what, complaint, os.path.join(self.workdir, "failed.ppm")))
            time.sleep(0.1)
