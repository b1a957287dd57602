"""The sounds of navigation clicks, recorded from the null sink of a PulseAudio
server of the test's own, the program's two sounds made 0.4-s tones."""

import subprocess
import time

import numpy

RATE, FRAME, TONE = 44100, 441, 0.4  # 10 ms frames
PITCH = {"nextButton": 440, "previousButton": 880}  # sonido1.wav, sonido2.wav


def tones(folder):
    for name, pitch in (("sonido1.wav", 440), ("sonido2.wav", 880)):
        subprocess.run(["sox", "-n", "-r", str(RATE), "-b", "16", "-c", "1", folder / name,
                        "synth", str(TONE), "sine", str(pitch), "vol", "0.5"], check=True)


def sounds(session, actions):
    """Runs actions() while recording the null sink; (start, length, pitch,
    peak) of each stretch of sound heard, in seconds, Hz and full scale."""
    with subprocess.Popen(["parec", "-d", "rec.monitor", "--raw", "--format=s16le",
                           "--rate=%d" % RATE, "--channels=1", "--latency-msec=20"],
                          env=session.env, stdout=subprocess.PIPE) as recorder:
        recorder.stdout.read(2 * FRAME)  # recording from here on
        actions()
        time.sleep(3)  # a loaded machine may take a while over a click
        recorder.terminate()
        raw = recorder.stdout.read()
    samples = numpy.frombuffer(raw[:len(raw) // (2 * FRAME) * 2 * FRAME], "<i2") / 32768.0
    loud = numpy.sqrt((samples.reshape(-1, FRAME) ** 2).mean(axis=1)) > 0.02
    edges = numpy.flatnonzero(numpy.diff(numpy.concatenate(([0], loud, [0]))))
    found = []
    for start, end in zip(edges[::2], edges[1::2]):
        part = samples[start * FRAME:end * FRAME]
        pitch = numpy.argmax(abs(numpy.fft.rfft(part))) * RATE / len(part)
        found.append((start / 100, (end - start) / 100, round(pitch), abs(part).max()))
    return found


def whole(sound, name):
    return 0.75 * TONE <= sound[1] <= TONE + 0.1 and abs(sound[2] - PITCH[name]) < 20


def test_every_click_plays_its_whole_sound_in_order(tamiro):
    session = tamiro(sound=True, prepare=tones)
    order = ["nextButton"] * 4 + ["previousButton"] * 2 + ["nextButton"] * 4
    heard = sounds(session, lambda: [(session.click(name), time.sleep(1.9)) for name in order])
    assert len(heard) == len(order) and all(map(whole, heard, order)), heard


def test_rapid_clicks_neither_crash_nor_pile_up(tamiro):
    session = tamiro(sound=True, prepare=tones)
    burst = ["sleep", "0.1", "click", "1"] * 4  # five clicks in 0.4 s
    heard = sounds(session, lambda: (session.click("nextButton", *burst), time.sleep(3.5),
                                     session.click("previousButton")))
    assert session.process.poll() is None, "the program ended"
    first = [sound for sound in heard if sound[0] < heard[0][0] + 3]
    # One tone at a time, each cut by the next (the fifth may start a second
    # after the first: a click takes the program a while).
    assert max(sound[3] for sound in first) < 0.6, heard
    assert first[-1][0] + first[-1][1] <= heard[0][0] + 5 * TONE + 0.4, heard
    # Still answering: the next click plays its own sound, whole.
    assert len(heard) == len(first) + 1 and whole(heard[-1], "previousButton"), heard
