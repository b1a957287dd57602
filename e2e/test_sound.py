"""The sounds of navigation clicks, recorded from the null sink of a PulseAudio
server of the test's own, with the program in a private Xvfb on a copy of its
content whose sounds are two 0.4-s tones."""

import math
import os
import shutil
import subprocess
import time

import numpy
import pytest

RATE, FRAME = 44100, 441  # 10 ms frames
TONE, PITCH = 0.4, {"Command4": 440, "Command3": 880}  # sonido1.wav, sonido2.wav
SCREEN = (1024, 768)
CONTENT = {"dibujos", "animados", "medida", "punteros", "fondo.gif", "impresora.txt"}


def centre(name):
    """Pixel centre of the next (Command4) or previous (Command3) button."""
    width, height = (side * 15 for side in SCREEN)
    left = math.floor((width - 8295) / 2) + (975 + 50 if name == "Command4" else 0)
    return round((left + 487.5) / 15), round((height - 100 - 1125 / 2) / 15)


@pytest.fixture(scope="module")
def app(tmp_path_factory, pytestconfig):
    work = tmp_path_factory.mktemp("sound")
    program = os.path.realpath(pytestconfig.getoption("--program"))
    source, folder = os.path.dirname(program), work / "app"
    keep = CONTENT | {os.path.basename(program)}
    shutil.copytree(source, folder, ignore=lambda at, names: set(names) - keep if at == source
                    else ())
    for name, pitch in (("sonido1.wav", 440), ("sonido2.wav", 880)):
        subprocess.run(["sox", "-n", "-r", str(RATE), "-b", "16", "-e", "signed-integer", "-c",
                        "1", folder / name, "synth", str(TONE), "sine", str(pitch), "vol", "0.5"],
                       check=True)
    socket = work / "pulse-native"
    env = dict(os.environ, XDG_RUNTIME_DIR=str(work), HOME=str(work),
               QT_QPA_PLATFORM="xcb", PULSE_SERVER="unix:%s" % socket)
    log, started = open(work / "log.txt", "w"), []
    spawn = lambda *args: started.append(subprocess.Popen(args, env=env, stdout=log, stderr=log))
    ready = lambda *args: subprocess.run(args, env=env, capture_output=True).returncode == 0
    try:
        for display in range(31, 40):  # the first free display, locked by our own server
            env["DISPLAY"] = ":%d" % display
            spawn("Xvfb", env["DISPLAY"], "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp")
            wait(lambda: started[-1].poll() is not None or ours(display, started[-1].pid))
            if started[-1].poll() is None:
                break
        assert started[-1].poll() is None, "no free display from :31 to :39"
        spawn("pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--system=false",
              "--use-pid-file=false", "--disable-shm=true", "-L", "module-null-sink sink_name=rec",
              "-L", "module-native-protocol-unix auth-anonymous=1 socket=%s" % socket)
        assert wait(lambda: ready("pactl", "info") and ready("xdpyinfo")), "no sound or X server"
        spawn(folder / os.path.basename(program))
        assert wait(lambda: ready("xdotool", "search", "--onlyvisible", "--pid",
                                  str(started[-1].pid))), "no window (see %s)" % log.name
        yield started[-1], env, folder
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait(5)
        log.close()


def ours(display, pid):
    try:
        with open("/tmp/.X%d-lock" % display) as lock:
            return lock.read().strip() == str(pid)
    except OSError:
        return False


def wait(check, timeout=30):
    deadline = time.monotonic() + timeout
    while not check() and time.monotonic() < deadline:
        time.sleep(0.1)
    return check()


def click(env, name, *more):
    subprocess.run(["xdotool", "mousemove", *map(str, centre(name)), "click", "1", *more],
                   env=env, check=True)


def sounds(env, actions):
    """Runs actions() while recording the null sink; (start, length, pitch,
    peak) of each stretch of sound heard, in seconds, Hz and full scale."""
    with subprocess.Popen(["parec", "-d", "rec.monitor", "--raw", "--format=s16le",
                           "--rate=%d" % RATE, "--channels=1", "--latency-msec=20"], env=env,
                          stdout=subprocess.PIPE) as recorder:
        recorder.stdout.read(2 * FRAME)  # recording from here on
        actions()
        time.sleep(3)  # a loaded machine may take a while over a click
        recorder.terminate()
        raw = recorder.stdout.read()
    samples = numpy.frombuffer(raw[:len(raw) // (2 * FRAME) * 2 * FRAME], "<i2") / 32768.0
    loud = numpy.append(numpy.sqrt((samples.reshape(-1, FRAME) ** 2).mean(axis=1)) > 0.02, 0)
    found, start = [], None
    for index, on in enumerate(loud):
        if on and start is None:
            start = index
        elif not on and start is not None:
            part = samples[start * FRAME:index * FRAME]
            pitch = numpy.argmax(abs(numpy.fft.rfft(part))) * RATE / len(part)
            found.append((start / 100, (index - start) / 100, round(pitch), abs(part).max()))
            start = None
    print("\n".join("%.2f s: %.2f s at %d Hz, peak %.2f" % sound for sound in found))
    return found


def whole(sound, name):
    return 0.75 * TONE <= sound[1] <= TONE + 0.1 and abs(sound[2] - PITCH[name]) < 20


def test_every_click_plays_its_whole_sound_in_order(app):
    program, env, _ = app
    order = ["Command4"] * 4 + ["Command3"] * 2 + ["Command4"] * 4
    heard = sounds(env, lambda: [(click(env, name), time.sleep(1.9)) for name in order])
    assert len(heard) == len(order) and all(map(whole, heard, order)), heard


def test_rapid_clicks_neither_crash_nor_pile_up(app):
    program, env, _ = app

    def burst_then_one_more():
        click(env, "Command4", *["sleep", "0.1", "click", "1"] * 4)
        time.sleep(3.5)
        click(env, "Command3")

    heard = sounds(env, burst_then_one_more)
    assert program.poll() is None, "the program ended"
    burst = [sound for sound in heard if sound[0] < heard[0][0] + 3]
    # One tone at a time, each cut by the next (a click takes the program a
    # while, so the fifth sound may start up to a second after the first).
    assert max(sound[3] for sound in burst) < 0.6, heard
    assert burst[-1][0] + burst[-1][1] <= heard[0][0] + 5 * TONE + 0.4, heard
    # Still answering: the next click plays its own sound, whole.
    assert len(heard) == len(burst) + 1 and whole(heard[-1], "Command3"), heard


def claim_4_gb(path):
    with open(path, "r+b") as wav:
        wav.seek(40)  # the length of the samples
        wav.write(b"\xff\xff\xff\xff")


@pytest.mark.parametrize("spoil", [
    lambda path: (os.remove(path), os.mkfifo(path)),
    lambda path: (os.remove(path), os.symlink("/dev/zero", path)),
    lambda path: os.truncate(path, 17 << 20),
    claim_4_gb,
], ids=["fifo", "device", "17 MB", "claims 4 GB"])
def test_a_sound_file_that_is_no_sound_holds_up_nothing(app, spoil):
    program, env, folder = app
    shutil.copy(folder / "sonido1.wav", folder / "spoilt.wav")
    spoil(folder / "spoilt.wav")
    os.replace(folder / "spoilt.wav", folder / "sonido2.wav")
    heard = sounds(env, lambda: (click(env, "Command3"), time.sleep(1.5), click(env, "Command4")))
    assert program.poll() is None, "the program ended"
    assert heard and all(sound[1] <= TONE + 0.1 for sound in heard), heard
    assert whole(heard[-1], "Command4"), heard
