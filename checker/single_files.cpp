// Single files: the background, the sounds and the printing switch.

#include "checker/single_files.h"

#include "checker/wording.h"
#include "rules/content.h"
#include "rules/messages.h"

#include <QCoreApplication>
#include <QLocale>

namespace tamiro::checker {

using namespace Qt::StringLiterals;

namespace {

// The report's lines about the background, the sounds and the printing switch.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tamiro::CheckerSingleFiles)
};

constexpr qsizetype kQuoteLimit = 60; // characters of a quoted line

} // namespace

void reviewBackground(FindingCollector& findings, PictureLoader& pictures) {
    const QString path = findings.contentFolder() + kBackgroundFile;
    try {
        const Picture picture = pictures.load(path);
        //: %1 is the background picture's size.
        findings.add(Severity::Note, findings.reached(path),
                     Text::tr("%1 píxeles, repetido detrás de la ventana")
                         .arg(sizeText(picture.image().size())));
    } catch (const PlatformError& error) {
        const QString said = findings.forTeacher(messages::backgroundMissing(error.description()));
        if (findings.files().dir(path).isEmpty())
            //: %1 is the child's message, %2 the name the background picture must have.
            findings.add(Severity::Fails, u"fondo.gif"_s,
                         Text::tr("no existe, y al arrancar el niño verá «%1». Copie aquí una "
                                  "imagen GIF con el nombre «%2».")
                             .arg(said, u"fondo.gif"_s));
        else
            //: %1 is the child's message, %2 what to do about it.
            findings.add(Severity::Fails, findings.reached(path),
                         Text::tr("no se puede abrir, y al arrancar el niño verá «%1». %2")
                             .arg(said, pictureRemedy(error.cause(), SaveAs::Gif)));
    }
}

void reviewSounds(FindingCollector& findings) {
    const QString& app = findings.contentFolder();
    // What the teacher is told of each sound: missing, or not playable.
    struct Words {
        QString name;
        const char *missing, *unplayable;
    };
    const Words sounds[] = {
        {kNextSound,
         //: %1 is the name the sound must have.
         QT_TRANSLATE_NOOP("tamiro::CheckerSingleFiles",
                           "no existe: no habrá sonido al pulsar «siguiente» o una carpeta. Copie "
                           "aquí un sonido WAV con el nombre «%1»."),
         //: %1 is why it will not play.
         QT_TRANSLATE_NOOP("tamiro::CheckerSingleFiles",
                           "no habrá sonido al pulsar «siguiente» o una carpeta: %1. Guárdelo como "
                           "WAV PCM de 16 bits, mono o estéreo.")},
        {kPreviousSound,
         //: %1 is the name the sound must have.
         QT_TRANSLATE_NOOP("tamiro::CheckerSingleFiles",
                           "no existe: no habrá sonido al pulsar «anterior». Copie aquí un sonido "
                           "WAV con el nombre «%1»."),
         //: %1 is why it will not play.
         QT_TRANSLATE_NOOP("tamiro::CheckerSingleFiles",
                           "no habrá sonido al pulsar «anterior»: %1. Guárdelo como WAV PCM de 16 "
                           "bits, mono o estéreo.")},
    };
    for (const Words& sound : sounds) {
        const QString& name = sound.name;
        const QString bare = name.mid(1);
        if (findings.files().dir(app + name).isEmpty()) {
            findings.add(Severity::Warning, bare, Text::tr(sound.missing).arg(bare));
            continue;
        }
        const SoundFormat format = navigationSound(findings.files(), name);
        if (!format.plays()) {
            findings.add(Severity::Fails, findings.reached(app + name),
                         Text::tr(sound.unplayable).arg(format.problem));
            continue;
        }
        const QString bits = QString::number(format.bits), rate = QString::number(format.rate);
        const QString seconds = QLocale().toString(format.seconds, 'f', 1);
        //: A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.
        QString said = Text::tr("PCM de %1 bits, mono, %2 Hz, %3 s");
        if (format.channels == 2)
            //: A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.
            said = Text::tr("PCM de %1 bits, estéreo, %2 Hz, %3 s");
        else if (format.channels != 1)
            //: A sound that plays: %1 its bits, %n its channels, %2 its rate, %3 how long it
            //: lasts.
            said = Text::tr("PCM de %1 bits, %n canal(es), %2 Hz, %3 s", nullptr, format.channels);
        findings.add(Severity::Note, findings.reached(app + name), said.arg(bits, rate, seconds));
    }
}

void reviewPrinting(FindingCollector& findings) {
    const QString path = findings.contentFolder() + kSwitchFile, name = kSwitchFile.mid(1);
    const QString answer = findings.files().dir(path);
    const QString on = u"SI"_s, off = u"NO"_s; // what the switch says, in any language
    if (answer.isEmpty())
        return findings.add(Severity::Note, name,
                            Text::tr("no existe: la impresión está desactivada"));
    if (answer != name)
        //: %1 is the only name of the switch file that Tamiro reads.
        return findings.add(Severity::Warning, answer,
                            Text::tr("la impresión está desactivada: Tamiro sólo lee «%1», escrito "
                                     "así, en minúsculas. Cámbiele el nombre.")
                                .arg(name));
    const SwitchFile read = readPrinterSwitch(findings.files(), findings.contentFolder());
    if (!read.message.isEmpty())
        //: %1 is the child's message; %2 and %3 are the two words the file may say, as they
        //: stand.
        return findings.add(Severity::Fails, name,
                            Text::tr("no se puede leer, y al arrancar el niño verá «%1». Bórrelo y "
                                     "escriba uno nuevo con %2 o %3.")
                                .arg(findings.forTeacher(read.message), on, off));
    const QString& line = read.line;
    if (printingOn(line))
        return findings.add(Severity::Note, name, Text::tr("la impresión está activada"));
    const QString shown = visibleText(line, kQuoteLimit);
    // What the line says with its accents taken off: "SÍ" is "SI" with one.
    QString bare = line.toUpper().normalized(QString::NormalizationForm_D);
    bare.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    const auto warn = [&](const QString& why) { findings.add(Severity::Warning, name, why); };
    if (line.startsWith(u"\u00ff\u00fe"_s) || line.startsWith(u"\u00fe\u00ff"_s) ||
        line.contains(QChar(0)))
        //: %1 is the word that turns printing on, as it stands.
        return warn(Text::tr("la impresión está desactivada: está guardado como «Unicode» "
                             "(UTF-16) y Tamiro no lo entiende. Guárdelo como texto normal (ANSI o "
                             "UTF-8) con %1 en la primera línea.")
                        .arg(on));
    if (line.contains(u'\n'))
        //: %1 is the file's text, %2 the word that turns printing on, as it stands.
        return warn(Text::tr("la impresión está desactivada: sus líneas no terminan como Tamiro "
                             "espera, y lo lee todo como una sola línea: «%1». Deje en el archivo "
                             "sólo la palabra %2.")
                        .arg(shown, on));
    if (bare.trimmed() == on && bare != on)
        //: %1 is the first line, %2 the word that turns printing on, as it stands.
        return warn(Text::tr("la impresión está desactivada: la primera línea «%1» lleva espacios "
                             "en blanco. Déjela en %2, sin nada más.")
                        .arg(shown, on));
    if (bare == on)
        //: %1 is the first line, %2 the word that turns printing on, as it stands.
        return warn(Text::tr("la impresión está desactivada: «%1» lleva tilde. Escriba %2 sin "
                             "tilde.")
                        .arg(shown, on));
    if (line.isEmpty())
        return findings.add(Severity::Note, name,
                            Text::tr("la impresión está desactivada: la primera línea está vacía"));
    //: %1 is the first line, %2 the word that turns printing on, as it stands.
    const QString why = Text::tr("la impresión está desactivada: la primera línea dice «%1» y "
                                 "sólo %2 la activa");
    findings.add(Severity::Note, name, why.arg(shown, on));
}

} // namespace tamiro::checker
