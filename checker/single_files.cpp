// Single files: the background, the sounds and the printing switch.

#include "checker/single_files.h"

#include "checker/wording.h"
#include "rules/content.h"
#include "rules/messages.h"

#include <QLocale>
#include <QStringBuilder>
#include <utility>

namespace tamiro::checker {

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kQuoteLimit = 60; // characters of a quoted line

} // namespace

void reviewBackground(FindingCollector& findings, PictureLoader& pictures) {
    const QString path = findings.contentFolder() + kBackgroundFile;
    try {
        const Picture picture = pictures.load(path);
        findings.add(
            Severity::Note, findings.reached(path),
            u"%1 píxeles, repetido detrás de la ventana"_s.arg(sizeText(picture.image().size())));
    } catch (const PlatformError& error) {
        const bool missing = findings.files().dir(path).isEmpty();
        findings.add(
            Severity::Fails, missing ? u"fondo.gif"_s : findings.reached(path),
            (missing ? u"no existe, y al arrancar "_s : u"no se puede abrir, y al arrancar "_s) %
                findings.childSees(messages::backgroundMissing(error.description())) %
                (missing ? u". Copie aquí una imagen GIF con el nombre «fondo.gif»."_s
                         : u". "_s + pictureRemedy(error.cause(), u"GIF"_s)));
    }
}

void reviewSounds(FindingCollector& findings) {
    const QString& app = findings.contentFolder();
    for (const auto& [name, buttons] : {std::pair{kNextSound, "«siguiente» o una carpeta"},
                                        std::pair{kPreviousSound, "«anterior»"}}) {
        const QString bare = name.mid(1);
        const QString pressing = u"no habrá sonido al pulsar "_s + QString::fromUtf8(buttons);
        if (findings.files().dir(app + name).isEmpty()) {
            findings.add(Severity::Warning, bare,
                         u"no existe: %1. Copie aquí un sonido WAV con el nombre %2."_s.arg(
                             pressing, quoted(bare)));
            continue;
        }
        const SoundFormat sound = navigationSound(findings.files(), name);
        if (!sound.plays()) {
            findings.add(Severity::Fails, findings.reached(app + name),
                         u"%1: %2. Guárdelo como WAV PCM de 16 bits, mono o estéreo."_s.arg(
                             pressing, sound.problem));
            continue;
        }
        findings.add(Severity::Note, findings.reached(app + name),
                     u"PCM de %1 bits, %2, %3 Hz, %4 s"_s.arg(sound.bits)
                         .arg(sound.channels == 1   ? u"mono"_s
                              : sound.channels == 2 ? u"estéreo"_s
                                                    : count(sound.channels, "canal", "canales"))
                         .arg(sound.rate)
                         .arg(QLocale(QLocale::Spanish).toString(sound.seconds, 'f', 1)));
    }
}

void reviewPrinting(FindingCollector& findings) {
    const QString path = findings.contentFolder() + kSwitchFile, name = kSwitchFile.mid(1);
    const QString answer = findings.files().dir(path), off = u"la impresión está desactivada: "_s;
    if (answer.isEmpty())
        return findings.add(Severity::Note, name, u"no existe: la impresión está desactivada"_s);
    if (answer != name)
        return findings.add(Severity::Warning, answer,
                            off + u"Tamiro sólo lee «impresora.txt», escrito así, en minúsculas. "
                                  u"Cámbiele el nombre."_s);
    const SwitchFile read = readPrinterSwitch(findings.files(), findings.contentFolder());
    if (!read.message.isEmpty())
        return findings.add(Severity::Fails, name,
                            u"no se puede leer, y al arrancar "_s %
                                findings.childSees(read.message) %
                                u". Bórrelo y escriba uno nuevo con SI o NO."_s);
    const QString& line = read.line;
    if (printingOn(line))
        return findings.add(Severity::Note, name, u"la impresión está activada"_s);
    const QString shown = quoted(visibleText(line, kQuoteLimit));
    // What the line says with its accents taken off: "SÍ" is "SI" with one.
    QString bare = line.toUpper().normalized(QString::NormalizationForm_D);
    bare.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    const auto warn = [&](const QString& why) { findings.add(Severity::Warning, name, off + why); };
    if (line.startsWith(u"\u00ff\u00fe"_s) || line.startsWith(u"\u00fe\u00ff"_s) ||
        line.contains(QChar(0)))
        return warn(u"está guardado como «Unicode» (UTF-16) y Tamiro no lo entiende. Guárdelo "
                    u"como texto normal (ANSI o UTF-8) con SI en la primera línea."_s);
    if (line.contains(u'\n'))
        return warn(u"sus líneas no terminan como Tamiro espera, y lo lee todo como una sola "
                    u"línea: "_s +
                    shown + u". Deje en el archivo sólo la palabra SI."_s);
    if (bare.trimmed() == u"SI" && bare != u"SI")
        return warn(u"la primera línea "_s + shown +
                    u" lleva espacios en blanco. Déjela en SI, sin nada más."_s);
    if (bare == u"SI")
        return warn(shown + u" lleva tilde. Escriba SI sin tilde."_s);
    findings.add(Severity::Note, name,
                 off + (line.isEmpty()
                            ? u"la primera línea está vacía"_s
                            : u"la primera línea dice "_s + shown + u" y sólo SI la activa"_s));
}

} // namespace tamiro::checker
