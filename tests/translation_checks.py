#!/usr/bin/env python3
"""The checks of the programs' texts and of their catalogues:
  untranslated ROOT                      every text a person may read goes through the catalogue
  current ROOT SOURCES LUPDATE           the catalogues hold the sources' texts as they are now
  finished ROOT LRELEASE                 the translators left no message to translate
  pseudo CATALOGUE PLURALS OUT           the pseudo-language x-test: every text ⟦wrapped⟧
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# Calls whose strings are the catalogue's; words of a statement whose strings
# are for developers (logs), or no words at all (style sheets, fonts).
TRANSLATED = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP",
              "QT_TRANSLATE_N_NOOP", "QT_TRANSLATE_NOOP3"}
NOT_READ = {"qDebug", "qInfo", "qWarning", "qCritical", "qFatal", "qCDebug", "qCInfo", "qCWarning",
            "qCCritical", "static_assert", "Q_ASSERT_X", "setStyleSheet", "QFont"}
MARKER = "untranslated:"
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|(?:u8|u|U|L)?R"([^(]*)\((.*?)\)\1"|'
                   r'(?:u8|u|U|L)?"((?:\\.|[^"\\\n])*)"|'
                   r"'(?:\\.|[^'\\\n])*'|^[ \t]*#[^\n]*|([A-Za-z_]\w*)|[(){};]", re.S | re.M)


def literals(text):
    """(line, text, innermost call, words of its statement, marked) of each string literal."""
    tokens = [(m, text.count("\n", 0, m.start()) + 1) for m in TOKEN.finditer(text)]
    marked = {n for m, line in tokens if MARKER in m.group(0) and m.group(0).startswith("//")
              for n in (line, line + 1)}
    calls, words, previous, found = [], set(), None, []
    for match, line in tokens:
        token, body = match.group(0), match.group(3) if match.group(3) is not None else match.group(2)
        if body is not None:
            found.append((line, body, calls[-1] if calls else None, set(words), line in marked or
                          text.count("\n", 0, match.end()) + 1 in marked))
        elif token in "(){};":
            calls = calls + [previous] if token == "(" else calls[:-1] if token == ")" else calls
            words = words if token in "()" else set()
        elif match.group(4):
            words.add(token)
        if not token.startswith(("//", "/*", "#")):
            previous = match.group(4)
    return found


def untranslated(root):
    """A literal with words and a space, or a letter beyond ASCII, outside the catalogue, the
    logs, the style sheets and the content's names (those of rules/content.*)."""
    parts = lambda body: {part for part in re.split(r"\\\\|/", body) if part}
    names = set().union(*(parts(body) for path in (root / "rules").glob("content.*")
                          for _, body, *_ in literals(path.read_text())))
    wrong = []
    for folder in ["platform", "rules", "window", "checker", "maker", "teacher"]:
        for path in sorted(p for p in (root / folder).rglob("*") if p.suffix in {".cpp", ".h"}):
            for line, body, call, words, marked in literals(path.read_text()):
                read = re.search(r"[A-Za-z]", body) and " " in body or any(
                    c.isalpha() and ord(c) > 127 for c in body)
                if read and not (marked or call in TRANSLATED or words & NOT_READ
                                 or parts(body) <= names):
                    wrong.append(f"{path.relative_to(root)}:{line}: \"{body}\"")
    if wrong:
        print("\n".join(wrong) + f"\nThese texts do not go through tr(), translate() or "
              f"QT_TRANSLATE_NOOP(). One that no person reads (a file format, a command) "
              f"takes a comment '// {MARKER} why' on its line or the line above.")
    return not wrong


def messages(ts):
    """The catalogue's live messages, with what a translator is told of each."""
    return {(context.findtext("name"), message.findtext("source"), message.findtext("comment"),
             message.findtext("extracomment"), message.get("numerus"))
            for context in ET.parse(ts).getroot().iter("context")
            for message in context.iter("message")
            if message.find("translation").get("type") not in {"obsolete", "vanished"}}


def current(root, sources, lupdate):
    """lupdate, over the build's list of sources with its options, into a copy of each catalogue."""
    ok = True
    with tempfile.TemporaryDirectory() as temp:
        for ts in (root / "translations").glob("tamiro_*.ts"):
            copy = Path(temp) / ts.name
            shutil.copy(ts, copy)
            subprocess.run([lupdate, "-silent", "-source-language", "es", "-locations", "none",
                            "-I", root, f"@{sources}", "-ts", copy] +
                           ["-pluralonly"] * (ts.name == "tamiro_es.ts"), check=True, capture_output=True)
            after, before = messages(copy), messages(ts)
            for message in sorted(after ^ before, key=str):
                print(f"{ts.name}: {'missing' if message in after else 'gone'}: {message}")
            ok = ok and after == before
    if not ok:
        print("Bring the catalogues up to date: cmake --build build --target update_translations "
              "(and the Spanish plural forms in translations/tamiro_es.ts).")
    # The source's own plural forms are the developers' to write.
    return finished(root, None, "es") and ok


# Beside each catalogue (Valencian shares the Catalan ones): the teachers' note,
# the manual pages, the desktop entries' and the metadata's words.
NOTES = {"ca": "LLEGIU.txt", "gl": "LEME.txt", "eu": "IRAKURRI.txt", "en": "README.txt"}


def beside(root, language):
    wanted = [root / "content" / NOTES[language]] + [
        root / "docs/man" / language / page.name for page in (root / "docs/man").glob("*.1")]
    missing = [str(path.relative_to(root)) for path in wanted if not path.exists()] + [
        f"{path.name}: {key}" for path in (root / "packaging").glob("*.[dx]*")
        for key in ([f"Comment[{language}]="] if path.suffix == ".desktop" else
                    [f'<{tag} xml:lang="{language}">' for tag in ("summary", "p", "keyword")])
        if key not in path.read_text()]
    return [f"{language}: missing {what}" for what in missing]


def finished(root, lrelease, only=None):
    """No message unfinished or empty (an empty Valencian one means: as in Catalan), and the
    files beside the catalogue there."""
    ok = True
    for ts in sorted((root / "translations").glob(f"tamiro_{only or '*'}.ts")):
        if lrelease:
            subprocess.run([lrelease, "-silent", ts, "-qm", "/dev/null"], check=True)
        left = 0
        for translation in ET.parse(ts).getroot().iter("translation"):
            texts = [form.text for form in translation.iter("numerusform")] or [translation.text]
            left += translation.get("type") == "unfinished" or (
                translation.get("type") is None and ts.stem != "tamiro_ca@valencia" and not all(texts))
        missing = beside(root, ts.stem[7:]) if lrelease and ts.stem[7:] in NOTES else []
        for problem in missing + [f"{ts.name}: {left} messages unfinished or empty"] * bool(left):
            print(problem)
        ok = ok and not left and not missing
    return ok


def pseudo(catalogue, plurals, out):
    """Every message as its Spanish source in ⟦ ⟧ (plurals in their Spanish forms)."""
    forms = {message.findtext("source"): [form.text for form in message.iter("numerusform")]
             for message in ET.parse(plurals).getroot().iter("message")}
    tree = ET.parse(catalogue)
    tree.getroot().set("language", "es")
    for message in tree.getroot().iter("message"):
        translation, source = message.find("translation"), message.findtext("source")
        translation.attrib.pop("type", None)
        translation.text = None if message.get("numerus") else f"⟦{source}⟧"
        for form, text in zip(translation.iter("numerusform"), forms.get(source, [source] * 2)):
            form.text = f"⟦{text}⟧"
    tree.write(out, encoding="utf-8", xml_declaration=True)
    return True


if __name__ == "__main__":
    check, root, rest = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    checks = {"untranslated": untranslated, "current": current, "finished": finished, "pseudo": pseudo}
    sys.exit(0 if checks[check](root, *rest) else 1)
