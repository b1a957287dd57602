#!/usr/bin/env python3
"""The checks of the program's texts and of their catalogues.

  untranslated ROOT                      every text a person may read goes through Qt's translation
  current ROOT BUILD LUPDATE GENERATOR   the catalogues hold the sources' texts as they are now
  finished ROOT LRELEASE                 the translators left nothing to translate
  pseudo CATALOGUE PLURALS OUT            a catalogue "x-test" with every text ⟦wrapped⟧
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PRODUCT = ["platform", "rules", "window", "checker", "maker", "teacher"]
# Calls whose string arguments are source texts (or contexts) of the catalogue.
TRANSLATED = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP",
              "QT_TRANSLATE_N_NOOP", "QT_TRANSLATE_NOOP3"}
# What makes a statement's texts be for administrators and developers.
FOR_DEVELOPERS = {"qDebug", "qInfo", "qWarning", "qCritical", "qFatal", "qCDebug", "qCInfo",
                  "qCWarning", "qCCritical", "static_assert", "Q_ASSERT_X"}
# What makes a statement's texts no words at all: style sheets, font families.
NO_WORDS = {"setStyleSheet", "QFont"}
MARKER = "untranslated:"
LITERAL = r'(?:u8|u|U|L)?R"([^(]*)\((.*?)\)\1"|(?:u8|u|U|L)?"((?:\\.|[^"\\\n])*)"'
TOKEN = re.compile(r"//[^\n]*|/\*.*?\*/|" + LITERAL + r"|'(?:\\.|[^'\\\n])*'|^[ \t]*#[^\n]*|"
                   r"[A-Za-z_]\w*|[(){};]", re.S | re.M)
IDENTIFIER = re.compile(r"[A-Za-z_]\w*")


def literals(text):
    """(line, text, calls around it, words of its statement, marked) of each string literal."""
    tokens = [(m, text.count("\n", 0, m.start()) + 1) for m in TOKEN.finditer(text)]
    marked = {n for m, line in tokens if m.group(0).startswith("//") and MARKER in m.group(0)
              for n in (line, line + 1)}
    calls, words, previous, found = [], set(), "", []
    for match, line in tokens:
        token = match.group(0)
        if match.group(2) is not None or match.group(3) is not None:
            body = match.group(3) if match.group(3) is not None else match.group(2)
            last = text.count("\n", 0, match.end()) + 1
            found.append((line, body, list(calls), set(words),
                          any(n in marked for n in range(line, last + 1))))
        elif token == "(":
            calls.append(previous if IDENTIFIER.fullmatch(previous) else None)
        elif token == ")":
            calls = calls[:-1]
        elif token in {";", "{", "}"}:
            words = set()
        elif IDENTIFIER.fullmatch(token):
            words.add(token)
        if not token.startswith(("//", "/*", "#")):
            previous = token
    return found


def readable(body):
    """Words with a space between, or a letter beyond ASCII."""
    return bool(re.search(r"[A-Za-z]", body) and " " in body) or any(
        c.isalpha() and ord(c) > 127 for c in body)


def parts(body):
    return {part for part in re.split(r"\\\\|/", body) if part}


def untranslated(root):
    names = {name for path in (root / "rules").glob("content.*")
             for _, body, *_ in literals(path.read_text()) for name in parts(body)}
    wrong = []
    for folder in PRODUCT:
        for path in sorted(p for p in (root / folder).rglob("*") if p.suffix in {".cpp", ".h"}):
            for line, body, calls, words, marked in literals(path.read_text()):
                translated = bool(calls) and calls[-1] in TRANSLATED
                if not (translated or marked or not readable(body) or words & FOR_DEVELOPERS
                        or words & NO_WORDS or parts(body) <= names):
                    wrong.append(f"{path.relative_to(root)}:{line}: \"{body}\"")
    print("\n".join(wrong))
    if wrong:
        print(f"{len(wrong)} texts a person may read do not go through tr(), translate() or "
              f"QT_TRANSLATE_NOOP(). One that is no text for a person (a style sheet, a file "
              f"format) takes a comment '// {MARKER} why' on its line or the line above.")
    return not wrong


def messages(ts):
    """The catalogue's live messages, with what a translator is told of each."""
    found = set()
    for context in ET.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            if message.find("translation").get("type") in {"obsolete", "vanished"}:
                continue
            found.add((context.findtext("name"), message.findtext("source"),
                       message.findtext("comment") or "", message.findtext("extracomment") or "",
                       message.get("numerus", "no")))
    return found


def current(root, build, lupdate, generator):
    """lupdate, with the build's own project and options, into a copy of each catalogue."""
    folder = root / "translations"
    ok = True
    with tempfile.TemporaryDirectory() as temp:
        for project, options, catalogues in [
                ("tamiro_translations", [], sorted(set(folder.glob("tamiro_*.ts")) -
                                                   {folder / "tamiro_es.ts"})),
                ("tamiro_plurals", ["-pluralonly"], [folder / "tamiro_es.ts"])]:
            json = Path(temp) / f"{project}.json"
            subprocess.run(["cmake", f"-DIN_FILE={build}/translations/.lupdate/{project}_project.cmake",
                            f"-DOUT_FILE={json}", "-P", generator], check=True)
            for ts in catalogues:
                copy = Path(temp) / ts.name
                shutil.copy(ts, copy)
                subprocess.run([lupdate, "-silent", "-project", json, "-ts", copy,
                                "-source-language", "es", "-locations", "none"] + options,
                               check=True, capture_output=True)
                after, before = messages(copy), messages(ts)
                for message in sorted(after - before):
                    print(f"{ts.name}: missing {message}")
                for message in sorted(before - after):
                    print(f"{ts.name}: gone from the sources {message}")
                ok = ok and after == before
    if not ok:
        print("The catalogues are behind the sources: cmake --build build --target "
              "update_translations (and the Spanish plural forms in translations/tamiro_es.ts).")
    # The source's own plural forms are the developers' to write, never left open.
    return finished(root, None, ["es"]) and ok


# Each language's note beside LEEME.txt in the sample content (Valencian shares
# the Catalan one).
NOTES = {"ca": "LLEGIU.txt", "gl": "LEME.txt", "eu": "IRAKURRI.txt", "en": "README.txt"}


def beside_the_catalogue(root, language):
    """What else a translator writes: the desktop entries' and the AppStream
    metadata's words, the manual pages and the teachers' note."""
    missing = [f"{entry.name}: Comment[{language}]"
               for entry in sorted((root / "packaging").glob("*.desktop"))
               if f"Comment[{language}]=" not in entry.read_text()]
    metainfo = (root / "packaging" / "org.tamiro.Tamiro.metainfo.xml").read_text()
    missing += [f"metainfo: <{tag} xml:lang=\"{language}\">" for tag in ("summary", "p", "keyword")
                if f'<{tag} xml:lang="{language}">' not in metainfo]
    missing += [f"docs/man/{language}/{page.name}" for page in sorted((root / "docs/man").glob("*.1"))
                if not (root / "docs/man" / language / page.name).exists()]
    if not (root / "content" / NOTES[language]).exists():
        missing.append(f"content/{NOTES[language]}")
    for what in missing:
        print(f"{language}: missing {what}")
    return not missing


def finished(root, lrelease, languages=None):
    """No message unfinished or empty; in Valencian an empty one is: as in Catalan."""
    ok = True
    for ts in sorted((root / "translations").glob("tamiro_*.ts")):
        language = ts.stem[len("tamiro_"):]
        if languages and language not in languages:
            continue
        if lrelease:
            subprocess.run([lrelease, "-silent", ts, "-qm", "/dev/null"], check=True)
        left = 0
        for message in ET.parse(ts).getroot().iter("message"):
            translation = message.find("translation")
            kind = translation.get("type")
            texts = [form.text for form in translation.iter("numerusform")] or [translation.text]
            if kind not in {"obsolete", "vanished"}:
                left += kind == "unfinished" or (language != "ca@valencia" and not all(texts))
        if left:
            print(f"{ts.name}: {left} messages unfinished or empty")
        ok = ok and not left
        if language in NOTES and lrelease:
            ok = beside_the_catalogue(root, language) and ok
    return ok


def pseudo(catalogue, plurals, out):
    """Every message of the catalogue translated as its Spanish source in ⟦ ⟧: a text that
    shows without them never went through the catalogue."""
    forms = {(context.findtext("name"), message.findtext("source")):
             [form.text for form in message.iter("numerusform")]
             for context in ET.parse(plurals).getroot().iter("context")
             for message in context.iter("message")}
    tree = ET.parse(catalogue)
    tree.getroot().set("language", "es")  # the plural rules of the Spanish forms
    for context in tree.getroot().iter("context"):
        for message in context.iter("message"):
            translation, source = message.find("translation"), message.findtext("source")
            translation.attrib.pop("type", None)
            if message.get("numerus") == "yes":
                for form, text in zip(translation.iter("numerusform"),
                                      forms.get((context.findtext("name"), source), [source] * 2)):
                    form.text = f"⟦{text}⟧"
            else:
                translation.text = f"⟦{source}⟧"
    tree.write(out, encoding="utf-8", xml_declaration=True)
    return True


if __name__ == "__main__":
    check, root = sys.argv[1], Path(sys.argv[2])
    passed = (untranslated(root) if check == "untranslated" else
              current(root, *sys.argv[3:6]) if check == "current" else
              pseudo(root, sys.argv[3], sys.argv[4]) if check == "pseudo" else
              finished(root, sys.argv[3]))
    sys.exit(0 if passed else 1)
