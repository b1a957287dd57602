"""The teacher's window, Dibujos de Tamiro, on an X server of its own: a picture dragged
in from another program, both sliders moved, saved; then a thumbnail dragged to swap
two drawings and one drawing sent to the trash, each followed by the checker's verdict."""

import hashlib
import os
import subprocess

from PIL import Image

from conftest import Session, wait_until

SOURCE = os.path.join(os.path.dirname(__file__), "..", "content", "src", "dibujos", "6-2.svg")
HIGHLIGHT = (48, 140, 198)  # the selection's colour in Qt's own style


class TeacherSession(Session):
    def start(self):
        return self.spawn(str(self.folder / "tamiro-dibujo"), "--ventana", cwd=self.home,
                          env=dict(self.env, QT_LOGGING_RULES="tamiro.teacher.debug=true"))

    def said(self):
        return (self.home / "tamiro-dibujo.log").read_text()

    def until_said(self, text, after):
        """Waits for a line of the log written after the first `after` characters."""
        assert wait_until(lambda: text in self.said()[after:], 20), "not said: " + text

    def keys(self, window, *keys):
        self.xdotool("windowfocus", "--sync", window, "key", "--delay", "80", *keys)

    def selected(self):
        """The centre of the selected thumbnail's picture: above its highlighted number."""
        shot, x0, y0, width, height = self.grab(), *self.geometry(self.window)
        near = lambda colour: max(abs(a - b) for a, b in zip(colour, HIGHLIGHT)) <= 12
        found = [(x, y) for x in range(x0 + 170, x0 + width, 2)
                 for y in range(y0 + 40, y0 + height // 2, 2) if near(shot.getpixel((x, y)))]
        assert found, "no thumbnail selected"
        xs, ys = zip(*found)
        return (min(xs) + max(xs)) // 2, min(ys) - 70


def series(folder, f):
    """The digests of folder f's drawings 1, 2, 3... as (coloured, uncoloured) pairs."""
    pairs, n = [], 1
    while (folder / ("dibujos/%d/si coloreado/%d.gif" % (f, n))).exists():
        pairs.append(tuple(hashlib.md5((folder / ("dibujos/%d/%s coloreado/%d.gif" % (f, v, n)))
                                       .read_bytes()).hexdigest() for v in ("si", "no")))
        n += 1
    return pairs


def black_share(path):
    picture = Image.open(path).convert("L")
    return picture.histogram()[0] / (picture.width * picture.height)


def test_add_by_dragging_then_move_and_remove(tamiro, pytestconfig):
    def shared(folder):  # the school's folders: the teachers' group writes there
        for at in ("dibujos/1", "dibujos/1/si coloreado", "dibujos/1/no coloreado"):
            os.chmod(folder / at, 0o2775)
    session = tamiro(prepare=shared, kind=TeacherSession)
    before = series(session.folder, 1)
    session.until_said("carpeta 1: Todo en orden", 0)

    # A file dragged from another program onto the thumbnails.
    source = session.spawn(os.path.realpath(pytestconfig.getoption("drag_source")), "940", "690",
                           os.path.realpath(SOURCE))
    assert wait_until(lambda: session.xdotool("search", "--onlyvisible", "--pid", str(source.pid)))
    heard = len(session.said())
    session.drag([(980, 730), (900, 600), (700, 400), (500, 300)], pause=0.2)
    preview = wait_until(lambda: session.xdotool("search", "--onlyvisible", "--name", "Añadir"), 20)
    assert preview, "no preview after the drop"
    session.until_said("hecha en", heard)
    session.keys(preview.split()[0], "alt+l", "Right", "Right", "alt+d", "Left")
    heard = len(session.said())
    session.keys(preview.split()[0], "alt+g")
    session.until_said("nada fallará. dibujos/1: el botón 1 enseña 4 dibujos: 1 a 4", heard)

    made = [session.folder / ("dibujos/1/%s coloreado/4.gif" % v) for v in ("si", "no")]
    assert [oct(os.stat(f).st_mode & 0o777) for f in made] == ["0o664", "0o664"]
    coloured, uncoloured = (Image.open(f) for f in made)
    assert coloured.size == uncoloured.size
    assert set(c for _, c in uncoloured.convert("RGB").getcolors()) <= {(0, 0, 0), (255, 255, 255)}
    # Thicker lines than the command's, which keeps the default settings.
    subprocess.run([str(session.folder / "tamiro-dibujo"), "--carpeta", "2", "--contenido",
                    str(session.folder), os.path.realpath(SOURCE)], check=True,
                   capture_output=True, env=dict(session.env, QT_QPA_PLATFORM="offscreen"))
    default = session.folder / "dibujos/2/no coloreado/4.gif"
    assert black_share(made[1]) > black_share(default)
    added = series(session.folder, 1)
    assert added[:3] == before and len(added) == 4

    # Drawing 1's thumbnail dragged past drawing 2: they change places.
    session.keys(session.window, "Home")
    x, y = session.selected()
    heard = len(session.said())
    session.drag([(x, y), (x + 30, y), (x + 120, y), (x + 190, y)], pause=0.2)
    session.until_said("carpeta 1: Todo en orden", heard)
    assert series(session.folder, 1) == [added[1], added[0], added[2], added[3]]

    # Drawing 2 sent to the trash: 3 and 4 move down, the trash holds both files.
    heard = len(session.said())
    session.keys(session.window, "Home", "Right", "Delete")
    question = wait_until(lambda: session.xdotool("search", "--onlyvisible", "--name", "Quitar"))
    session.keys(question.split()[0], "Return")
    session.until_said("nada fallará. dibujos/1: el botón 1 enseña 3 dibujos: 1 a 3", heard)
    assert series(session.folder, 1) == [added[1], added[2], added[3]]
    trash = session.home / ".local/share/Trash"
    assert sorted(hashlib.md5(f.read_bytes()).hexdigest() for f in (trash / "files").iterdir()) \
        == sorted(added[0])
    assert len(list((trash / "info").iterdir())) == 2
