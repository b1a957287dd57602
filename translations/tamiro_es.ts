<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="es">
<context>
    <name>tamiro::CheckerDrawings</name>
    <message numerus="yes">
        <source>el botón %1 enseña %n dibujo(s): %2</source>
        <extracomment>%1 is the green button, %n how many drawings it shows, %2 their numbers (&quot;1 a 3&quot;, &quot;1, 2 y 5&quot;).</extracomment>
        <translation>
            <numerusform>el botón %1 enseña %n dibujo: %2</numerusform>
            <numerusform>el botón %1 enseña %n dibujos: %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerNeverSeen</name>
    <message numerus="yes">
        <source>no se verá nunca: hay %n archivo(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n files that Tamiro takes for one: %1 names them, %2 the one it uses.</extracomment>
        <translation>
            <numerusform>no se verá nunca: hay %n archivo que Tamiro confunde: %1; usa «%2». Deje sólo uno.</numerusform>
            <numerusform>no se verá nunca: hay %n archivos que Tamiro confunde: %1; usa «%2». Deje sólo uno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>no se usará nunca: hay %n nombre(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n names that Tamiro takes for one: %1 lists them, %2 is the one it uses.</extracomment>
        <translation>
            <numerusform>no se usará nunca: hay %n nombre que Tamiro confunde: %1; usa «%2». Deje sólo uno.</numerusform>
            <numerusform>no se usará nunca: hay %n nombres que Tamiro confunde: %1; usa «%2». Deje sólo uno.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerReport</name>
    <message numerus="yes">
        <source>%n dibujo(s) en los diez botones</source>
        <extracomment>How many drawings the child meets, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n dibujo en los diez botones</numerusform>
            <numerusform>%n dibujos en los diez botones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n aviso(s)</source>
        <extracomment>How many warnings, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cosa(s) fallará(n)</source>
        <extracomment>How many things will fail, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n cosa fallará</numerusform>
            <numerusform>%n cosas fallarán</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSeries</name>
    <message numerus="yes">
        <source>%n animación(es), una nueva en cada paso</source>
        <extracomment>The animations&apos; line: how many the child meets.</extracomment>
        <translation>
            <numerusform>%n animación, una nueva en cada paso</numerusform>
            <numerusform>%n animaciones, una nueva en cada paso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n no se verá(n)</source>
        <extracomment>%1 is how many animations the child meets (&quot;6 animaciones, una nueva en cada paso&quot;), %n how many of them will not be seen.</extracomment>
        <translation>
            <numerusform>%1; %n no se verá</numerusform>
            <numerusform>%1; %n no se verán</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tamaño(s) de pincel</source>
        <extracomment>The brush sizes&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n tamaño de pincel</numerusform>
            <numerusform>%n tamaños de pincel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tamaño(s) de pincel: %1</source>
        <extracomment>%1 lists the sizes (&quot;16 × 16, 32 × 32&quot;).</extracomment>
        <translation>
            <numerusform>%n tamaño de pincel: %1</numerusform>
            <numerusform>%n tamaños de pincel: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n puntero(s)</source>
        <extracomment>The pointers&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n puntero</numerusform>
            <numerusform>%n punteros</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSingleFiles</name>
    <message numerus="yes">
        <source>PCM de %1 bits, %n canal(es), %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %n its channels, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>
            <numerusform>PCM de %1 bits, %n canal, %2 Hz, %3 s</numerusform>
            <numerusform>PCM de %1 bits, %n canales, %2 Hz, %3 s</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerWindow</name>
    <message numerus="yes">
        <source>… y %n línea(s) más: la lista entera sale con «%1».</source>
        <extracomment>%n lines of the report are left out of the window; %1 is the command that prints them all.</extracomment>
        <translation>
            <numerusform>… y %n línea más: la lista entera sale con «%1».</numerusform>
            <numerusform>… y %n líneas más: la lista entera sale con «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingChanges</name>
    <message numerus="yes">
        <source>en «%1» hay %n archivo(s) con el número %2 (%3), y Tamiro sólo usa uno: deje sólo el que quiera y vuelva a intentarlo</source>
        <extracomment>%1 is a folder, %n the number of files in it with the drawing number %2, named in %3.</extracomment>
        <translation>
            <numerusform>en «%1» hay %n archivo con el número %2 (%3), y Tamiro sólo usa uno: deje sólo el que quiera y vuelva a intentarlo</numerusform>
            <numerusform>en «%1» hay %n archivos con el número %2 (%3), y Tamiro sólo usa uno: deje sólo el que quiera y vuelva a intentarlo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewDialog</name>
    <message numerus="yes">
        <source>Tipo: %1. %2 × %3 píxeles, %n zona(s) para colorear.</source>
        <extracomment>%1 is the kind of drawing (&quot;con contorno&quot;, &quot;foto&quot;...), %2 × %3 its size, %n how many parts the child may colour.</extracomment>
        <translation>
            <numerusform>Tipo: %1. %2 × %3 píxeles, %n zona para colorear.</numerusform>
            <numerusform>Tipo: %1. %2 × %3 píxeles, %n zonas para colorear.</numerusform>
        </translation>
    </message>
</context>
</TS>
