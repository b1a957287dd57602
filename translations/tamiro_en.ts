<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <extracomment>Qt&apos;s text: the file chooser of the teacher&apos;s window.</extracomment>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Parent Directory</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Create New Folder</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>List View</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detail View</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidebar</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>File &amp;name:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rename</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Show &amp;hidden files</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;New Folder</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>New Folder</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <extracomment>Qt&apos;s text: the columns of the file chooser&apos;s detail view.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Date Modified</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Qt&apos;s text: the menu of a text field (the file chooser&apos;s name).</extracomment>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s text: the button of a message box (the child&apos;s, the teacher&apos;s window&apos;s).</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s text: the button of the file chooser (the teacher&apos;s window).</extracomment>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <extracomment>Qt&apos;s text: the menu of a scroll bar (its right button).</extracomment>
        <translation>Scroll here</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Left edge</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Right edge</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Page up</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Page down</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Page left</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Page right</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Scroll up</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Scroll down</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Scroll left</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Scroll right</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Qt&apos;s text: the menu of a text the teacher may select (the teacher&apos;s window).</extracomment>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerCommand</name>
    <message>
        <source>Uso: tamiro-revisar [--texto | --ventana] [CARPETA]
Revisa la carpeta de contenido de Tamiro (sin CARPETA, la instalada)
y dice, archivo por archivo, lo que verá el niño.
</source>
        <extracomment>The options --texto and --ventana are what the command reads: they stay as they are.</extracomment>
        <translation>Usage: tamiro-revisar [--texto | --ventana] [FOLDER]
Checks Tamiro&apos;s content folder (without FOLDER, the installed one)
and says, file by file, what the child will see.
</translation>
    </message>
    <message>
        <source>No encuentro la carpeta «%1».</source>
        <extracomment>%1 is the folder given on the command line.</extracomment>
        <translation>I can&apos;t find the folder “%1”.</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerDrawings</name>
    <message numerus="yes">
        <source>el botón %1 enseña %n dibujo(s): %2</source>
        <extracomment>%1 is the green button, %n how many drawings it shows, %2 their numbers (&quot;1 a 3&quot;, &quot;1, 2 y 5&quot;).</extracomment>
        <translation>
            <numerusform>button %1 shows %n drawing: %2</numerusform>
            <numerusform>button %1 shows %n drawings: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>el botón %1 no enseña ningún dibujo</source>
        <translation>button %1 shows no drawings</translation>
    </message>
    <message>
        <source>no existe la carpeta, o está vacía, y al pulsar el botón %1 el niño verá «%2». Cree en ella las carpetas «%3» y «%4» y ponga en ellas los dibujos 1, 2, 3…</source>
        <extracomment>%1 is the green button, %2 the child&apos;s message, %3 and %4 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>the folder does not exist, or it is empty, and on pressing button %1 the child will see “%2”. Create the folders “%3” and “%4” in it and put drawings in them numbered 1, 2, 3…</translation>
    </message>
    <message>
        <source>no hay dibujo 1 («%3» o «%4» en «%5»), y al pulsar el botón %1 o al volver a empezar la serie el niño verá «%2». Ponga un dibujo con el número 1 en «%5», y su versión sin colorear en «%6».</source>
        <extracomment>%1 is the green button, %2 the child&apos;s message, %3 and %4 the two names drawing 1 may have, %5 and %6 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>there is no drawing 1 (“%3” or “%4” in “%5”), and on pressing button %1, or when the series starts again, the child will see “%2”. Put a drawing numbered 1 in “%5”, and its uncoloured version in “%6”.</translation>
    </message>
    <message>
        <source>sin dibujo 1, la flecha «anterior» no encuentra el último dibujo y se queda en el 0, y el niño verá «%1». Ponga un dibujo con el número 1 en «%2», y su versión sin colorear en «%3».</source>
        <extracomment>The previous arrow at start-up, in a folder without drawing 1. %1 is the child&apos;s message, %2 and %3 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>without drawing 1, the “previous” arrow cannot find the last drawing and stays at 0, and the child will see “%1”. Put a drawing numbered 1 in “%2”, and its uncoloured version in “%3”.</translation>
    </message>
    <message>
        <source>no hay dibujo %1, y al llegar a él el niño verá «%2». Ponga un dibujo con el número %1 en «%3», y su versión sin colorear en «%4».</source>
        <extracomment>%1 is the missing drawing&apos;s number, %2 the child&apos;s message, %3 and %4 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>there is no drawing %1, and on reaching it the child will see “%2”. Put a drawing numbered %1 in “%3”, and its uncoloured version in “%4”.</translation>
    </message>
    <message>
        <source>no se puede abrir, y al llegar al dibujo %1 el niño verá «%2». %3</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the child&apos;s message, %3 what to do about it.</extracomment>
        <translation>cannot be opened, and on reaching drawing %1 the child will see “%2”. %3</translation>
    </message>
    <message>
        <source>es la versión sin colorear del dibujo %1, pero Tamiro sólo la busca como «%2», y al llegar al dibujo el niño verá «%3». Guárdela como GIF con el nombre «%2».</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the name Tamiro looks for, %3 the child&apos;s message.</extracomment>
        <translation>is the uncoloured version of drawing %1, but Tamiro only looks for it as “%2”, and on reaching the drawing the child will see “%3”. Save it as GIF named “%2”.</translation>
    </message>
    <message>
        <source>falta su versión sin colorear, y al llegar al dibujo %1 el niño verá «%2». Guarde la versión sin colorear como «%3» en «%4».</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the child&apos;s message, %3 the name to save the uncoloured drawing as, %4 the folder to save it in.</extracomment>
        <translation>its uncoloured version is missing, and on reaching drawing %1 the child will see “%2”. Save the uncoloured version as “%3” in “%4”.</translation>
    </message>
    <message>
        <source>mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. El coloreado es una foto con una marca de giro de la cámara: el visor de fotos la enseña girada, pero Tamiro la enseña tal como está guardada. Ábrala con un programa de dibujo, gírela como debe verse y guárdela de nuevo.</source>
        <extracomment>The uncoloured drawing: %1 its size, %2 the coloured drawing&apos;s name, %3 its size.</extracomment>
        <translation>measures %1 and the coloured one, “%2”, measures %3: they will not match when coloured. The coloured one is a photo with the camera&apos;s rotation mark: photo viewers show it turned, but Tamiro shows it as it is stored. Open it in a drawing program, turn it the right way up and save it again.</translation>
    </message>
    <message>
        <source>mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. Guarde los dos con el mismo tamaño.</source>
        <extracomment>The uncoloured drawing: %1 its size, %2 the coloured drawing&apos;s name, %3 its size.</extracomment>
        <translation>measures %1 and the coloured one, “%2”, measures %3: they will not match when coloured. Save both at the same size.</translation>
    </message>
    <message>
        <source>tiene partes transparentes, y por ellas se verán los colores antes de pintar. Guárdelo sin transparencia, con el fondo blanco.</source>
        <translation>has transparent parts, and the colours will show through them before painting. Save it without transparency, on a white background.</translation>
    </message>
    <message>
        <source>se cortará por abajo</source>
        <extracomment>What happens to a drawing too large for the screen, in &quot;en una pantalla de 1024 × 768 %3&quot;.</extracomment>
        <translation>its bottom will be cut off</translation>
    </message>
    <message>
        <source>se cortará por los lados</source>
        <translation>its sides will be cut off</translation>
    </message>
    <message>
        <source>la animación quedará fuera de la pantalla</source>
        <translation>the animation will be off the screen</translation>
    </message>
    <message>
        <source>mide %1 píxeles y en una pantalla de %2 %3. Redúzcalo a %4 como mucho.</source>
        <extracomment>%1 is the drawing&apos;s size, %2 the screen&apos;s, %3 what happens (its parts are cut, the animation does not fit), %4 the largest size that fits.</extracomment>
        <translation>measures %1 pixels, and on a %2 screen %3. Reduce it to %4 at most.</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerNeverSeen</name>
    <message>
        <source>no se verá nunca: es una carpeta, y aquí Tamiro sólo busca archivos. Muévala a otro sitio.</source>
        <translation>will never be seen: it is a folder, and Tamiro only looks for files here. Move it somewhere else.</translation>
    </message>
    <message>
        <source>no se verá nunca: es un enlace a algo que ya no existe. Bórrelo y copie aquí el archivo de verdad.</source>
        <translation>will never be seen: it is a link to something that no longer exists. Delete it and copy the real file here.</translation>
    </message>
    <message>
        <source>no se verá nunca: no es un archivo corriente. Bórrelo.</source>
        <translation>will never be seen: it is not an ordinary file. Delete it.</translation>
    </message>
    <message>
        <source>no se verá nunca: es un archivo oculto (su nombre empieza por un punto) y Tamiro no lo ve. Quítele el punto del principio.</source>
        <translation>will never be seen: it is a hidden file (its name starts with a dot) and Tamiro does not see it. Remove the dot at the start.</translation>
    </message>
    <message>
        <source>no se verá nunca: es lo que dejó a medias un cambio de los dibujos que no terminó (quizá se apagó el ordenador mientras se añadía o se ordenaba un dibujo). Bórrelo, y si falta algún dibujo, vuelva a añadirlo.</source>
        <translation>will never be seen: it was left half-done by a change to the drawings that did not finish (perhaps the computer was switched off while a drawing was being added or moved). Delete it, and if a drawing is missing, add it again.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el dibujo %1. Póngalo en otra carpeta.</source>
        <extracomment>%1 is the largest number Tamiro reaches.</extracomment>
        <translation>will never be seen: Tamiro only goes up to drawing %1. Put it in another folder.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>will never be seen: drawing 1 is missing, and without it no other is reached. Add drawing 1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing drawing&apos;s number, %2 the one before it.</extracomment>
        <translation>will never be seen: drawing %1 is missing and the series goes back to 1 after %2. Add the missing drawing %1.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay dibujo %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>Of a coloured drawing: %1 is its number.</extracomment>
        <translation>will never be seen: there is no drawing %1 that uses it. Delete it, or add the one that is missing.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el dibujo coloreado %1. Póngalo en otra carpeta.</source>
        <extracomment>Of an uncoloured drawing, whose coloured drawing is missing: %1 is the largest number Tamiro reaches.</extracomment>
        <translation>will never be seen: Tamiro only goes up to coloured drawing %1. Put it in another folder.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo coloreado 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>will never be seen: coloured drawing 1 is missing, and without it no other is reached. Add coloured drawing 1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo coloreado %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing coloured drawing&apos;s number, %2 the one before it.</extracomment>
        <translation>will never be seen: coloured drawing %1 is missing and the series goes back to 1 after %2. Add the missing coloured drawing %1.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay dibujo coloreado %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>Of an uncoloured drawing: %1 is its number.</extracomment>
        <translation>will never be seen: there is no coloured drawing %1 that uses it. Delete it, or add the one that is missing.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el número %1. Póngalo en otra carpeta.</source>
        <extracomment>Of an animation, a brush size or a pointer: %1 is the largest number Tamiro reaches.</extracomment>
        <translation>will never be seen: Tamiro only goes up to number %1. Put it in another folder.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el número 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>will never be seen: number 1 is missing, and without it no other is reached. Add number 1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el número %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing number, %2 the one before it.</extracomment>
        <translation>will never be seen: number %1 is missing and the series goes back to 1 after %2. Add the missing number %1.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay número %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>%1 is its number.</extracomment>
        <translation>will never be seen: there is no number %1 that uses it. Delete it, or add the one that is missing.</translation>
    </message>
    <message numerus="yes">
        <source>no se verá nunca: hay %n archivo(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n files that Tamiro takes for one: %1 names them, %2 the one it uses.</extracomment>
        <translation>
            <numerusform>will never be seen: there is %n file that Tamiro mixes up: %1; it uses “%2”. Keep only one.</numerusform>
            <numerusform>will never be seen: there are %n files that Tamiro mixes up: %1; it uses “%2”. Keep only one.</numerusform>
        </translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo lee aquí archivos %1. Guárdelo como %2 con el nombre «%3».</source>
        <extracomment>%1 the kinds of file read here (&quot;.gif y .jpg&quot;), %2 the kind to save it as, %3 the name to save it with.</extracomment>
        <translation>will never be seen: Tamiro only reads %1 files here. Save it as %2 named “%3”.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo lee aquí archivos %1 con un número por nombre. Si no es para Tamiro, muévalo a otro sitio.</source>
        <extracomment>%1 the kinds of file read here (&quot;.gif y .jpg&quot;).</extracomment>
        <translation>will never be seen: Tamiro only reads %1 files here, with a number as their name. If it is not for Tamiro, move it somewhere else.</translation>
    </message>
    <message>
        <source>no se verá nunca: el nombre tiene que ser un número (1, 2, 3…). Cámbieselo por el número que le toque.</source>
        <translation>will never be seen: the name has to be a number (1, 2, 3…). Rename it to the number it should have.</translation>
    </message>
    <message>
        <source>no se verá nunca: el número está mal escrito (con ceros delante o con signo). Cámbiele el nombre a «%1».</source>
        <extracomment>%1 is the name it should have.</extracomment>
        <translation>will never be seen: the number is written wrongly (with zeros in front or with a sign). Rename it to “%1”.</translation>
    </message>
    <message>
        <source>no se verá nunca: los números empiezan en 1. Cámbiele el número.</source>
        <translation>will never be seen: numbers start at 1. Change its number.</translation>
    </message>
    <message>
        <source>no se verá nunca: con el número %1 ya se usa «%2» (el GIF va antes que el JPEG). Bórrelo o cámbiele el número.</source>
        <extracomment>%1 is the file&apos;s number, %2 the file Tamiro uses for it.</extracomment>
        <translation>will never be seen: number %1 is already used by “%2” (the GIF comes before the JPEG). Delete it or change its number.</translation>
    </message>
    <message>
        <source>no se verá nunca: está en «%1», una carpeta que Tamiro confunde con «%2», la que usa. Pase el dibujo a «%2» y borre «%1».</source>
        <extracomment>%1 is a folder Tamiro takes for %2, the one it uses.</extracomment>
        <translation>will never be seen: it is in “%1”, a folder that Tamiro mixes up with “%2”, the one it uses. Move the drawing to “%2” and delete “%1”.</translation>
    </message>
    <message>
        <source>no se verá nunca: en cada carpeta de dibujos Tamiro sólo mira «%1» y «%2». Muévalo a una de ellas o a otro sitio.</source>
        <extracomment>%1 and %2 are the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>will never be seen: in each drawing folder Tamiro only looks in “%1” and “%2”. Move it into one of them or somewhere else.</translation>
    </message>
    <message>
        <source>no se verá nunca: los diez botones abren las carpetas 1 a 10 de «%1». Pase lo que quiera enseñar a una de ellas.</source>
        <extracomment>%1 is the name of the folder of drawing folders.</extracomment>
        <translation>will never be seen: the ten buttons open folders 1 to 10 of “%1”. Move what you want to show into one of them.</translation>
    </message>
    <message numerus="yes">
        <source>no se usará nunca: hay %n nombre(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n names that Tamiro takes for one: %1 lists them, %2 is the one it uses.</extracomment>
        <translation>
            <numerusform>will never be used: there is %n name that Tamiro mixes up: %1; it uses “%2”. Keep only one.</numerusform>
            <numerusform>will never be used: there are %n names that Tamiro mixes up: %1; it uses “%2”. Keep only one.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerReport</name>
    <message>
        <source>«%1»</source>
        <extracomment>A name (of a file, a folder, a button) quoted in a sentence of the report.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: numbers, names, or what goes wrong.</extracomment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>One more item of a list, before its last two: %1 the items so far.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>The drawings a button shows, from number %1 to number %2.</extracomment>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>GIF o JPEG</source>
        <extracomment>What a picture is saved as, in &quot;guárdelo como %1&quot;.</extracomment>
        <translation>GIF or JPEG</translation>
    </message>
    <message>
        <source>icono (.ico) de 32 × 32</source>
        <translation>a 32 × 32 icon (.ico)</translation>
    </message>
    <message>
        <source>Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por ejemplo). Redúzcalo a %3 como mucho y guárdelo como %4.</source>
        <extracomment>%1 millions of pixels at most, such as %2 × %2; %3 the size the drawing fits the screen at, %4 the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;).</extracomment>
        <translation>Tamiro does not open pictures of more than %1 million pixels (%2 × %2, for example). Reduce it to %3 at most and save it as %4.</translation>
    </message>
    <message>
        <source>Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por ejemplo). Redúzcalo y guárdelo como %3.</source>
        <extracomment>%1 millions of pixels at most, such as %2 × %2; %3 the kind of file to save it as.</extracomment>
        <translation>Tamiro does not open pictures of more than %1 million pixels (%2 × %2, for example). Make it smaller and save it as %3.</translation>
    </message>
    <message>
        <source>Es de otro tipo aunque se llame así: ábralo con un programa de dibujo y guárdelo como %1.</source>
        <extracomment>%1 is the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;, an icon).</extracomment>
        <translation>It is another kind of file, despite its name: open it in a drawing program and save it as %1.</translation>
    </message>
    <message>
        <source>Ábralo con un programa de dibujo y guárdelo de nuevo como %1.</source>
        <extracomment>%1 is the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;, an icon).</extracomment>
        <translation>Open it in a drawing program and save it again as %1.</translation>
    </message>
    <message>
        <source>Guárdela más pequeña: junto al dibujo se ve en unos 90 × 90 píxeles.</source>
        <translation>Save it smaller: beside the drawing it is shown at about 90 × 90 pixels.</translation>
    </message>
    <message>
        <source>Guárdela con menos fotogramas (%1 como mucho) o más pequeña.</source>
        <extracomment>%1 is the most frames an animation may have.</extracomment>
        <translation>Save it with fewer frames (%1 at most) or smaller.</translation>
    </message>
    <message>
        <source>Guárdela como GIF animado con el nombre «%1».</source>
        <extracomment>%1 is the animation&apos;s file name.</extracomment>
        <translation>Save it as an animated GIF named “%1”.</translation>
    </message>
    <message>
        <source>Ábrala con un programa de dibujo y guárdela de nuevo como GIF animado.</source>
        <translation>Open it in a drawing program and save it again as an animated GIF.</translation>
    </message>
    <message numerus="yes">
        <source>%n dibujo(s) en los diez botones</source>
        <extracomment>How many drawings the child meets, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n drawing on the ten buttons</numerusform>
            <numerusform>%n drawings on the ten buttons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n aviso(s)</source>
        <extracomment>How many warnings, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
    <message>
        <source>Todo en orden: %1, y nada fallará.</source>
        <extracomment>The report&apos;s last line. %1 is how many drawings the child meets.</extracomment>
        <translation>All in order: %1, and nothing will fail.</translation>
    </message>
    <message>
        <source>Nada fallará: %1, con %2 que conviene mirar.</source>
        <extracomment>The report&apos;s last line. %1 is how many drawings the child meets, %2 how many warnings there are.</extracomment>
        <translation>Nothing will fail: %1, with %2 worth a look.</translation>
    </message>
    <message>
        <source>%1 y %2; %3.</source>
        <extracomment>The report&apos;s last line: %1 how many things will fail, %2 how many warnings there are, %3 how many drawings the child meets.</extracomment>
        <translation>%1 and %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n cosa(s) fallará(n)</source>
        <extracomment>How many things will fail, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n thing will fail</numerusform>
            <numerusform>%n things will fail</numerusform>
        </translation>
    </message>
    <message>
        <source>Todo en orden en la carpeta %1: nada fallará.</source>
        <extracomment>The teacher&apos;s window, under a folder&apos;s drawings: %1 is the folder.</extracomment>
        <translation>All in order in folder %1: nothing will fail.</translation>
    </message>
    <message>
        <source>Nada fallará en la carpeta %1, con %2 que conviene mirar.</source>
        <extracomment>%1 is the folder, %2 how many warnings there are (&quot;2 avisos&quot;).</extracomment>
        <translation>Nothing will fail in folder %1, with %2 worth a look.</translation>
    </message>
    <message>
        <source>En la carpeta %1, %2.</source>
        <extracomment>%1 is the folder, %2 how many things will fail (&quot;2 cosas fallarán&quot;).</extracomment>
        <translation>In folder %1, %2.</translation>
    </message>
    <message>
        <source>En la carpeta %1, %2 y %3.</source>
        <extracomment>%1 is the folder, %2 how many things will fail, %3 how many warnings there are.</extracomment>
        <translation>In folder %1, %2 and %3.</translation>
    </message>
    <message>
        <source>Aviso</source>
        <extracomment>Heads a line of the report: something will not be seen or will not fit. The report shows it in capitals in its first column, with the file names lined up after it: five letters at most keep them where they are in Spanish.</extracomment>
        <translation>Warn</translation>
    </message>
    <message>
        <source>Falla</source>
        <extracomment>Heads a line of the report: something will fail. Shown in capitals in the report&apos;s first column: five letters at most.</extracomment>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Lo que verá el niño con la carpeta %1:</source>
        <extracomment>The report&apos;s first line: %1 is the content folder reviewed.</extracomment>
        <translation>What the child will see with the folder %1:</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSeries</name>
    <message>
        <source>no se puede abrir, y el niño verá «%1». %2</source>
        <extracomment>%1 is the child&apos;s message, %2 what to do about it.</extracomment>
        <translation>cannot be opened, and the child will see “%1”. %2</translation>
    </message>
    <message>
        <source>no se verá, y junto al dibujo quedará un hueco vacío: %1. %2</source>
        <extracomment>%1 is why the animation does not play, %2 what to do about it.</extracomment>
        <translation>will not be seen, and there will be an empty gap beside the drawing: %1. %2</translation>
    </message>
    <message>
        <source>no hay animación 1: junto al dibujo no se verá ninguna. Ponga una animación GIF con el nombre «%1».</source>
        <extracomment>%1 is the name the first animation must have.</extracomment>
        <translation>there is no animation 1: none will be seen beside the drawing. Add a GIF animation named “%1”.</translation>
    </message>
    <message numerus="yes">
        <source>%n animación(es), una nueva en cada paso</source>
        <extracomment>The animations&apos; line: how many the child meets.</extracomment>
        <translation>
            <numerusform>%n animation, a new one at each step</numerusform>
            <numerusform>%n animations, a new one at each step</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n no se verá(n)</source>
        <extracomment>%1 is how many animations the child meets (&quot;6 animaciones, una nueva en cada paso&quot;), %n how many of them will not be seen.</extracomment>
        <translation>
            <numerusform>%1; %n will not be seen</numerusform>
            <numerusform>%1; %n will not be seen</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe, y el niño verá «%1». Copie aquí un pincel con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the brush size must have.</extracomment>
        <translation>does not exist, and the child will see “%1”. Copy a brush here named “%2”.</translation>
    </message>
    <message>
        <source>el pincel no crece: mide %1 y el anterior %2. Ordene los pinceles de menor a mayor.</source>
        <extracomment>%1 is the brush size&apos;s size, %2 the size of the one before.</extracomment>
        <translation>the brush does not grow: it measures %1 and the one before %2. Order the brushes from smallest to largest.</translation>
    </message>
    <message numerus="yes">
        <source>%n tamaño(s) de pincel</source>
        <extracomment>The brush sizes&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n brush size</numerusform>
            <numerusform>%n brush sizes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tamaño(s) de pincel: %1</source>
        <extracomment>%1 lists the sizes (&quot;16 × 16, 32 × 32&quot;).</extracomment>
        <translation>
            <numerusform>%n brush size: %1</numerusform>
            <numerusform>%n brush sizes: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe, y el niño verá «%1». Copie aquí un puntero con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the pointer must have.</extracomment>
        <translation>does not exist, and the child will see “%1”. Copy a pointer here named “%2”.</translation>
    </message>
    <message>
        <source>no es un icono de 32 × 32 (es un icono de %1). Guárdelo como icono (.ico) de 32 × 32.</source>
        <extracomment>%1 is the icon&apos;s size.</extracomment>
        <translation>is not a 32 × 32 icon (it is a %1 icon). Save it as a 32 × 32 icon (.ico).</translation>
    </message>
    <message>
        <source>no es un icono de 32 × 32 (es una imagen de %1). Guárdelo como icono (.ico) de 32 × 32.</source>
        <extracomment>%1 is the picture&apos;s size.</extracomment>
        <translation>is not a 32 × 32 icon (it is a %1 picture). Save it as a 32 × 32 icon (.ico).</translation>
    </message>
    <message numerus="yes">
        <source>%n puntero(s)</source>
        <extracomment>The pointers&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n pointer</numerusform>
            <numerusform>%n pointers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSingleFiles</name>
    <message>
        <source>%1 píxeles, repetido detrás de la ventana</source>
        <extracomment>%1 is the background picture&apos;s size.</extracomment>
        <translation>%1 pixels, repeated behind the window</translation>
    </message>
    <message>
        <source>no existe, y al arrancar el niño verá «%1». Copie aquí una imagen GIF con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the background picture must have.</extracomment>
        <translation>does not exist, and at start-up the child will see “%1”. Copy a GIF picture here named “%2”.</translation>
    </message>
    <message>
        <source>no se puede abrir, y al arrancar el niño verá «%1». %2</source>
        <extracomment>%1 is the child&apos;s message, %2 what to do about it.</extracomment>
        <translation>cannot be opened, and at start-up the child will see “%1”. %2</translation>
    </message>
    <message>
        <source>no existe: no habrá sonido al pulsar «siguiente» o una carpeta. Copie aquí un sonido WAV con el nombre «%1».</source>
        <extracomment>%1 is the name the sound must have.</extracomment>
        <translation>does not exist: there will be no sound on pressing “next” or a folder. Copy a WAV sound here named “%1”.</translation>
    </message>
    <message>
        <source>no habrá sonido al pulsar «siguiente» o una carpeta: %1. Guárdelo como WAV PCM de 16 bits, mono o estéreo.</source>
        <extracomment>%1 is why it will not play.</extracomment>
        <translation>there will be no sound on pressing “next” or a folder: %1. Save it as 16-bit PCM WAV, mono or stereo.</translation>
    </message>
    <message>
        <source>no existe: no habrá sonido al pulsar «anterior». Copie aquí un sonido WAV con el nombre «%1».</source>
        <extracomment>%1 is the name the sound must have.</extracomment>
        <translation>does not exist: there will be no sound on pressing “previous”. Copy a WAV sound here named “%1”.</translation>
    </message>
    <message>
        <source>no habrá sonido al pulsar «anterior»: %1. Guárdelo como WAV PCM de 16 bits, mono o estéreo.</source>
        <extracomment>%1 is why it will not play.</extracomment>
        <translation>there will be no sound on pressing “previous”: %1. Save it as 16-bit PCM WAV, mono or stereo.</translation>
    </message>
    <message>
        <source>PCM de %1 bits, mono, %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>%1-bit PCM, mono, %2 Hz, %3 s</translation>
    </message>
    <message>
        <source>PCM de %1 bits, estéreo, %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>%1-bit PCM, stereo, %2 Hz, %3 s</translation>
    </message>
    <message numerus="yes">
        <source>PCM de %1 bits, %n canal(es), %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %n its channels, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>
            <numerusform>%1-bit PCM, %n channel, %2 Hz, %3 s</numerusform>
            <numerusform>%1-bit PCM, %n channels, %2 Hz, %3 s</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe: la impresión está desactivada</source>
        <translation>does not exist: printing is switched off</translation>
    </message>
    <message>
        <source>la impresión está desactivada: Tamiro sólo lee «%1», escrito así, en minúsculas. Cámbiele el nombre.</source>
        <extracomment>%1 is the only name of the switch file that Tamiro reads.</extracomment>
        <translation>printing is switched off: Tamiro only reads “%1”, written exactly like that, in lower case. Rename it.</translation>
    </message>
    <message>
        <source>no se puede leer, y al arrancar el niño verá «%1». Bórrelo y escriba uno nuevo con %2 o %3.</source>
        <extracomment>%1 is the child&apos;s message; %2 and %3 are the two words the file may say, as they stand.</extracomment>
        <translation>cannot be read, and at start-up the child will see “%1”. Delete it and write a new one with %2 or %3.</translation>
    </message>
    <message>
        <source>la impresión está activada</source>
        <translation>printing is switched on</translation>
    </message>
    <message>
        <source>la impresión está desactivada: está guardado como «Unicode» (UTF-16) y Tamiro no lo entiende. Guárdelo como texto normal (ANSI o UTF-8) con %1 en la primera línea.</source>
        <extracomment>%1 is the word that turns printing on, as it stands.</extracomment>
        <translation>printing is switched off: it is saved as “Unicode” (UTF-16) and Tamiro does not understand it. Save it as plain text (ANSI or UTF-8) with %1 on the first line.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: sus líneas no terminan como Tamiro espera, y lo lee todo como una sola línea: «%1». Deje en el archivo sólo la palabra %2.</source>
        <extracomment>%1 is the file&apos;s text, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>printing is switched off: its lines do not end the way Tamiro expects, so it reads everything as a single line: “%1”. Leave only the word %2 in the file.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea «%1» lleva espacios en blanco. Déjela en %2, sin nada más.</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>printing is switched off: the first line “%1” has blank spaces. Leave it as %2, with nothing else.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: «%1» lleva tilde. Escriba %2 sin tilde.</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>printing is switched off: “%1” has an accent. Write %2 without an accent.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea está vacía</source>
        <translation>printing is switched off: the first line is empty</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea dice «%1» y sólo %2 la activa</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>printing is switched off: the first line says “%1” and only %2 switches it on</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerWindow</name>
    <message>
        <source>Revisar los dibujos de Tamiro</source>
        <extracomment>The window&apos;s title: the name of its entry in the desktop&apos;s menu.</extracomment>
        <translation>Check Tamiro Drawings</translation>
    </message>
    <message>
        <source>Lo que verá el niño con la carpeta %1 (de cada dibujo, a la izquierda el coloreado y a la derecha el sin colorear):</source>
        <extracomment>%1 is the content folder reviewed.</extracomment>
        <translation>What the child will see with the folder %1 (for each drawing, the coloured one on the left and the uncoloured one on the right):</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the report: %1 is its severity (&quot;Falla&quot;, &quot;Aviso&quot;), %2 the line.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>… y %n línea(s) más: la lista entera sale con «%1».</source>
        <extracomment>%n lines of the report are left out of the window; %1 is the command that prints them all.</extracomment>
        <translation>
            <numerusform>… and %n more line: “%1” prints the whole list.</numerusform>
            <numerusform>… and %n more lines: “%1” prints the whole list.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tamiro::ChildMessages</name>
    <message>
        <source>No puedo mostrar el dibujo %1 de la carpeta %2: %3.</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the folder&apos;s (its green button), %3 the description of what failed (lower case, without a final stop), from the messages that follow.</extracomment>
        <translation>I can&apos;t show drawing %1 in folder %2: %3.</translation>
    </message>
    <message>
        <source>no encuentro «%1» ni «%2»</source>
        <extracomment>A description, completing another message: the two files that may hold a coloured drawing, neither of which is there.</extracomment>
        <translation>I can&apos;t find “%1” or “%2”</translation>
    </message>
    <message>
        <source>No puedo cargar el primer tamaño de pincel: %1.</source>
        <extracomment>At start-up. %1 is the description of what failed, lower case.</extracomment>
        <translation>I can&apos;t load the first brush size: %1.</translation>
    </message>
    <message>
        <source>No puedo leer el interruptor de impresión: %1. La impresión queda desactivada.</source>
        <extracomment>At start-up, the file that says whether printing is allowed cannot be read. %1 is the description of what failed, lower case.</extracomment>
        <translation>I can&apos;t read the printing switch: %1. Printing stays switched off.</translation>
    </message>
    <message>
        <source>No puedo cargar el primer puntero: %1.</source>
        <extracomment>At start-up. %1 is the description of what failed, lower case.</extracomment>
        <translation>I can&apos;t load the first pointer: %1.</translation>
    </message>
    <message>
        <source>No puedo cambiar el tamaño del pincel: %1.</source>
        <extracomment>After a click on the brush-size button. %1 is the description of what failed.</extracomment>
        <translation>I can&apos;t change the brush size: %1.</translation>
    </message>
    <message>
        <source>Atención: %1</source>
        <extracomment>After a click on the pointer or the printer button. %1 is the description of what failed.</extracomment>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>No encuentro la imagen de fondo <byte value="xd"/>
ERROR: %1</source>
        <extracomment>At start-up, the background picture fails. The line break is part of the message, and the word ERROR heads its second line. %1 is the description of what failed.</extracomment>
        <translation>I can&apos;t find the background picture <byte value="xd"/>
ERROR: %1</translation>
    </message>
</context>
<context>
    <name>tamiro::ColouringWindow</name>
    <message>
        <source>Tamiro ya está abierto, pero no contesta.
</source>
        <extracomment>On the terminal, when the child&apos;s program is started while a copy that does not answer is running.</extracomment>
        <translation>Tamiro is already open, but it is not answering.
</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <extracomment>The accessible name of a green button: it opens drawing folder %1.</extracomment>
        <translation>Folder %1</translation>
    </message>
    <message>
        <source>Dibujo siguiente</source>
        <translation>Next drawing</translation>
    </message>
    <message>
        <source>Dibujo anterior</source>
        <translation>Previous drawing</translation>
    </message>
    <message>
        <source>Tamaño del pincel</source>
        <translation>Brush size</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Puntero</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <extracomment>The drawing the child colours.</extracomment>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Animación</source>
        <translation>Animation</translation>
    </message>
</context>
<context>
    <name>tamiro::ContentWriter</name>
    <message>
        <source>no puedo llevar los archivos a la papelera: en este disco, la papelera tiene que estar en «%1», donde usted no puede escribir. Un administrador puede hacer allí una papelera para todos («sudo mkdir %2» y «sudo chmod 1777 %2»)</source>
        <translation>I can&apos;t move the files to the rubbish bin: on this disk, the rubbish bin has to be in “%1”, where you cannot write. An administrator can make a rubbish bin there for everyone (“sudo mkdir %2” and “sudo chmod 1777 %2”)</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta, y ahí tiene que haber una: muévalo a otro sitio y vuelva a intentarlo</source>
        <translation>“%1” is not a folder, and there has to be one there: move it somewhere else and try again</translation>
    </message>
    <message>
        <source>«%1» no lleva a ninguna carpeta: compruebe adónde lleva y vuelva a intentarlo</source>
        <translation>“%1” does not lead to any folder: check where it leads and try again</translation>
    </message>
    <message>
        <source>ya hay un archivo «%1», y no escribo encima de nada: bórrelo o muévalo a otro sitio y vuelva a intentarlo</source>
        <translation>there is already a file “%1”, and I don&apos;t write over anything: delete it or move it somewhere else and try again</translation>
    </message>
    <message>
        <source>alguien está cambiando ahora mismo los dibujos de la carpeta «%1»: espere a que termine y vuelva a intentarlo</source>
        <translation>someone is changing the drawings in the folder “%1” right now: wait until they finish and try again</translation>
    </message>
    <message>
        <source>USUARIO</source>
        <extracomment>Stands for the teacher&apos;s login in a command that an administrator types.</extracomment>
        <translation>USER</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1»: pida a un administrador que le dé permiso</source>
        <translation>you do not have permission to write in the folder “%1”: ask an administrator to give you permission</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1», que sólo puede cambiar «%2»: pida a un administrador que le dé permiso</source>
        <extracomment>%1 is the folder, %2 the login of the only one who may change it.</extracomment>
        <translation>you do not have permission to write in the folder “%1”, which only “%2” can change: ask an administrator to give you permission</translation>
    </message>
    <message>
        <source>usted ya está en el grupo «%1», que puede escribir en la carpeta «%2», pero eso vale desde la próxima vez que entre: cierre la sesión, vuelva a entrar y vuelva a intentarlo</source>
        <translation>you are already in the group “%1”, which can write in the folder “%2”, but that only counts from the next time you log in: log out, log in again and try again</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1», que es del grupo «%2»: un administrador puede añadirle al grupo con «sudo adduser %3 %2», y vale desde la próxima vez que entre</source>
        <extracomment>%1 is the folder, %2 its group, %3 the teacher&apos;s login: «sudo adduser %3 %2» is a command, typed as it stands.</extracomment>
        <translation>you do not have permission to write in the folder “%1”, which belongs to the group “%2”: an administrator can add you to the group with “sudo adduser %3 %2”, and it counts from the next time you log in</translation>
    </message>
    <message>
        <source>la carpeta «%1» es de sólo lectura (por ejemplo, una carpeta compartida del servidor que este ordenador sólo puede leer): añada los dibujos en el ordenador donde se guarda</source>
        <translation>the folder “%1” is read-only (for example, a shared folder on the server that this computer can only read): add the drawings on the computer where it is stored</translation>
    </message>
    <message>
        <source>el disco donde está la carpeta «%1» está lleno: haga sitio (vacíe la papelera o borre lo que ya no necesite) y vuelva a intentarlo</source>
        <translation>the disk holding the folder “%1” is full: make some space (empty the rubbish bin or delete what you no longer need) and try again</translation>
    </message>
    <message>
        <source>ha llenado el espacio que le toca en el disco donde está la carpeta «%1»: haga sitio (vacíe la papelera o borre lo que ya no necesite) o pida más a un administrador, y vuelva a intentarlo</source>
        <translation>you have filled your share of the disk holding the folder “%1”: make some space (empty the rubbish bin or delete what you no longer need) or ask an administrator for more, and try again</translation>
    </message>
    <message>
        <source>la carpeta «%1» ya no está (¿se ha desconectado el disco o la red?): compruebe que se puede abrir y vuelva a intentarlo</source>
        <translation>the folder “%1” is no longer there (has the disk or the network been disconnected?): check that it can be opened and try again</translation>
    </message>
    <message>
        <source>no puedo cambiar la carpeta «%1» (error del sistema %2: %3): vuelva a intentarlo, y si vuelve a pasar, avise a un administrador</source>
        <extracomment>%1 is the folder, %2 the system&apos;s number for what failed, %3 its own words.</extracomment>
        <translation>I can&apos;t change the folder “%1” (system error %2: %3): try again, and if it happens again, tell an administrator</translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingChanges</name>
    <message>
        <source>no hay carpeta %1: las carpetas de dibujos van de la 1 a la 10</source>
        <translation>there is no folder %1: the drawing folders go from 1 to 10</translation>
    </message>
    <message>
        <source>la carpeta %1 ya tiene %2 dibujos, los que caben: ponga el dibujo en otra carpeta</source>
        <extracomment>%1 is the folder, %2 the most drawings a folder holds.</extracomment>
        <translation>folder %1 already has %2 drawings, as many as fit: put the drawing in another folder</translation>
    </message>
    <message>
        <source>el dibujo nuevo sería el %1 de la carpeta %2, pero ya hay un «%3» en «%4» que no es de ningún dibujo que vea el niño (quizá quedó de una copia que no terminó): bórrelo o muévalo a otro sitio y vuelva a intentarlo</source>
        <extracomment>%1 is the new drawing&apos;s number, %2 the folder, %3 the file in the way, %4 the folder it is in.</extracomment>
        <translation>the new drawing would be number %1 in folder %2, but there is already a “%3” in “%4” that belongs to no drawing the child sees (perhaps left over from a copy that did not finish): delete it or move it somewhere else and try again</translation>
    </message>
    <message>
        <source>el dibujo coloreado tiene que ser GIF o JPEG, no «%1»</source>
        <translation>the coloured drawing has to be GIF or JPEG, not “%1”</translation>
    </message>
    <message>
        <source>la carpeta %1 no tiene dibujos que el niño vea</source>
        <translation>folder %1 has no drawings that the child sees</translation>
    </message>
    <message>
        <source>la carpeta %1 no tiene dibujo %2: el niño ve los dibujos 1 a %3</source>
        <extracomment>%1 is the folder, %2 the drawing asked for, %3 its last drawing.</extracomment>
        <translation>folder %1 has no drawing %2: the child sees drawings 1 to %3</translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>A file&apos;s name, quoted in a sentence.</extracomment>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>One more name in a list: %1 the names so far, %2 the next.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>en «%1» hay %n archivo(s) con el número %2 (%3), y Tamiro sólo usa uno: deje sólo el que quiera y vuelva a intentarlo</source>
        <extracomment>%1 is a folder, %n the number of files in it with the drawing number %2, named in %3.</extracomment>
        <translation>
            <numerusform>in “%1” there is %n file with the number %2 (%3), and Tamiro only uses one: keep only the one you want and try again</numerusform>
            <numerusform>in “%1” there are %n files with the number %2 (%3), and Tamiro only uses one: keep only the one you want and try again</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingMaker</name>
    <message>
        <source>no he podido preparar el dibujo: %1</source>
        <extracomment>%1 is what failed, from the descriptions that follow.</extracomment>
        <translation>I couldn&apos;t prepare the drawing: %1</translation>
    </message>
    <message>
        <source>no hay memoria para escribir el GIF</source>
        <translation>there is not enough memory to write the GIF</translation>
    </message>
    <message>
        <source>no se ha podido escribir el GIF</source>
        <translation>the GIF could not be written</translation>
    </message>
    <message>
        <source>no hay memoria para elegir los colores</source>
        <translation>there is not enough memory to choose the colours</translation>
    </message>
    <message>
        <source>no se han podido elegir los colores</source>
        <translation>the colours could not be chosen</translation>
    </message>
    <message>
        <source>no se ha podido escribir el JPEG</source>
        <translation>the JPEG could not be written</translation>
    </message>
    <message>
        <source>sus datos están dañados o incompletos</source>
        <translation>its data is damaged or incomplete</translation>
    </message>
    <message>
        <source>no se ha podido descodificar</source>
        <translation>it could not be decoded</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande para ser una imagen (%2 MB)</source>
        <translation>the file “%1” is too big to be a picture (%2 MB)</translation>
    </message>
    <message>
        <source>no es una imagen PNG, JPEG, GIF, BMP, WebP ni SVG</source>
        <translation>it is not a PNG, JPEG, GIF, BMP, WebP or SVG picture</translation>
    </message>
    <message>
        <source>Parece una foto: el dibujo puede tener demasiado detalle para colorear. Pruebe con menos detalle y líneas más gruesas, o con un dibujo más sencillo.</source>
        <translation>It looks like a photo: the drawing may have too much detail to colour. Try less detail and thicker lines, or a simpler drawing.</translation>
    </message>
    <message>
        <source>El dibujo sin colorear tiene mucho negro (un %1 %). Pruebe con líneas más finas o con menos detalle.</source>
        <extracomment>%1 % is how much of the uncoloured drawing is black.</extracomment>
        <translation>The uncoloured drawing has a lot of black (%1%). Try thinner lines or less detail.</translation>
    </message>
    <message>
        <source>El dibujo tiene pocas zonas cerradas que colorear (%1). Pruebe con más detalle o con otro tipo de dibujo.</source>
        <extracomment>%1 is how many parts the child may colour.</extracomment>
        <translation>The drawing has few closed areas to colour (%1). Try more detail or another picture type.</translation>
    </message>
    <message>
        <source>El dibujo tiene demasiadas zonas pequeñas que colorear (%1). Pruebe con menos detalle.</source>
        <extracomment>%1 is how many parts the child may colour.</extracomment>
        <translation>The drawing has too many small areas to colour (%1). Try less detail.</translation>
    </message>
    <message>
        <source>el dibujo SVG enlaza con «%1», fuera de su propio archivo; guárdelo con todo dentro</source>
        <translation>the SVG drawing links to “%1”, outside its own file; save it with everything inside</translation>
    </message>
    <message>
        <source>el dibujo SVG «%1» es demasiado grande (%2 MB; el máximo es %3 MB)</source>
        <extracomment>%1 is the file, %2 its size, %3 the largest read.</extracomment>
        <translation>the SVG drawing “%1” is too big (%2 MB; the maximum is %3 MB)</translation>
    </message>
    <message>
        <source>declara entidades o su propio tipo de documento, que un dibujo SVG no necesita</source>
        <translation>it declares entities or its own document type, which an SVG drawing does not need</translation>
    </message>
    <message>
        <source>el dibujo SVG tiene demasiados elementos (el máximo es %1)</source>
        <translation>the SVG drawing has too many elements (the maximum is %1)</translation>
    </message>
    <message>
        <source>el dibujo SVG repite sus partes demasiadas veces</source>
        <translation>the SVG drawing repeats its parts too many times</translation>
    </message>
    <message>
        <source>no es un dibujo SVG que se pueda dibujar</source>
        <translation>it is not an SVG drawing that can be drawn</translation>
    </message>
</context>
<context>
    <name>tamiro::FileProblems</name>
    <message>
        <source>no encuentro el archivo «%1»</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>I can&apos;t find the file “%1”</translation>
    </message>
    <message>
        <source>«%1» es una carpeta, no un archivo</source>
        <translation>“%1” is a folder, not a file</translation>
    </message>
    <message>
        <source>no puedo abrir el archivo «%1»</source>
        <translation>I can&apos;t open the file “%1”</translation>
    </message>
    <message>
        <source>no puedo leer el archivo «%1»</source>
        <translation>I can&apos;t read the file “%1”</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande (%2 bytes; el máximo es %3)</source>
        <extracomment>%1 is the file&apos;s path, %2 its size and %3 the largest size read, in bytes.</extracomment>
        <translation>the file “%1” is too big (%2 bytes; the maximum is %3)</translation>
    </message>
</context>
<context>
    <name>tamiro::PictureProblems</name>
    <message>
        <source>no es una animación GIF</source>
        <translation>it is not a GIF animation</translation>
    </message>
    <message>
        <source>la animación mide %1 × %2 píxeles y no cabe en la pantalla, de %3 × %4</source>
        <extracomment>%1 × %2 is the animation&apos;s size, %3 × %4 the screen&apos;s.</extracomment>
        <translation>the animation measures %1 × %2 pixels and does not fit on the screen, which is %3 × %4</translation>
    </message>
    <message>
        <source>la animación es demasiado larga: %1 fotogramas de %2 × %3 píxeles</source>
        <extracomment>%1 is its number of frames, %2 × %3 their size.</extracomment>
        <translation>the animation is too long: %1 frames of %2 × %3 pixels</translation>
    </message>
    <message>
        <source>sus datos están dañados o incompletos</source>
        <translation>its data is damaged or incomplete</translation>
    </message>
    <message>
        <source>no se ha podido leer</source>
        <translation>it could not be read</translation>
    </message>
    <message>
        <source>no se ha podido descodificar</source>
        <translation>it could not be decoded</translation>
    </message>
    <message>
        <source>la imagen «%1» es demasiado grande (%2 × %3 píxeles)</source>
        <extracomment>%1 is the file&apos;s path, %2 × %3 the picture&apos;s size.</extracomment>
        <translation>the picture “%1” is too big (%2 × %3 pixels)</translation>
    </message>
    <message>
        <source>el icono «%1» está dañado: mide %2 × %3 píxeles y un icono no pasa de %4 × %4</source>
        <extracomment>%1 is the file&apos;s path, %2 × %3 the size it says, %4 × %4 the largest an icon has.</extracomment>
        <translation>the icon “%1” is damaged: it measures %2 × %3 pixels and an icon is never larger than %4 × %4</translation>
    </message>
    <message>
        <source>el archivo «%1» no es una imagen válida: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it, from the descriptions that follow.</extracomment>
        <translation>the file “%1” is not a valid picture: %2</translation>
    </message>
    <message>
        <source>no es un icono</source>
        <translation>it is not an icon</translation>
    </message>
    <message>
        <source>no es una imagen GIF, JPEG ni BMP</source>
        <translation>it is not a GIF, JPEG or BMP picture</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande para ser una imagen (%2 MB)</source>
        <extracomment>%1 is the file&apos;s path, %2 its size in megabytes.</extracomment>
        <translation>the file “%1” is too big to be a picture (%2 MB)</translation>
    </message>
    <message>
        <source>la imagen «%1» tiene demasiadas pasadas (%2; el máximo es %3)</source>
        <extracomment>A JPEG saved in passes, each adding detail: %1 is the file&apos;s path, %2 its number of passes.</extracomment>
        <translation>the picture “%1” has too many passes (%2; the maximum is %3)</translation>
    </message>
    <message>
        <source>no encuentro la imagen interna «%1»</source>
        <extracomment>A picture built into the program: %1 is its name.</extracomment>
        <translation>I can&apos;t find the built-in picture “%1”</translation>
    </message>
    <message>
        <source>el puntero «%1» es demasiado grande: mide %2 × %3 píxeles y no puede pasar de %4 × %4</source>
        <extracomment>%1 is the pointer&apos;s file, %2 × %3 its size, %4 × %4 the largest a pointer may be.</extracomment>
        <translation>the pointer “%1” is too big: it measures %2 × %3 pixels and cannot be larger than %4 × %4</translation>
    </message>
</context>
<context>
    <name>tamiro::PrinterProblems</name>
    <message>
        <source>no hay ninguna impresora predeterminada</source>
        <translation>there is no default printer</translation>
    </message>
    <message>
        <source>la impresora «%1» no puede empezar a imprimir</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>the printer “%1” cannot start printing</translation>
    </message>
    <message>
        <source>la impresora «%1» no ha podido terminar el documento</source>
        <translation>the printer “%1” could not finish the document</translation>
    </message>
    <message>
        <source>la impresora «%1» no ha aceptado el documento (%2)</source>
        <extracomment>%1 is the printer&apos;s name, %2 the print system&apos;s answer, in its own words.</extracomment>
        <translation>the printer “%1” did not accept the document (%2)</translation>
    </message>
</context>
<context>
    <name>tamiro::SoundProblems</name>
    <message>
        <source>está incompleto o sus partes están mal encadenadas</source>
        <translation>it is incomplete or its parts do not follow on correctly</translation>
    </message>
    <message>
        <source>su cabecera dice que una de sus partes mide %1 bytes</source>
        <translation>its header says one of its parts is %1 bytes long</translation>
    </message>
    <message>
        <source>no es un archivo WAV</source>
        <translation>it is not a WAV file</translation>
    </message>
    <message>
        <source>su cabecera dice que mide %1 bytes</source>
        <translation>its header says it is %1 bytes long</translation>
    </message>
    <message>
        <source>su cabecera de formato es de un tipo que no se puede tocar</source>
        <extracomment>Its format header is of a kind the sound library cannot play.</extracomment>
        <translation>its format header is of a kind that cannot be played</translation>
    </message>
    <message>
        <source>está incompleto</source>
        <translation>it is incomplete</translation>
    </message>
    <message>
        <source>no es PCM de 8 o 16 bits</source>
        <translation>it is not 8- or 16-bit PCM</translation>
    </message>
    <message>
        <source>su cabecera dice que tiene %1 canales a %2 Hz</source>
        <extracomment>%1 is the number of channels, %2 the rate, as the file&apos;s header says.</extracomment>
        <translation>its header says it has %1 channels at %2 Hz</translation>
    </message>
    <message>
        <source>tiene %1 canales a %2 Hz, más de lo que el sonido del ordenador admite</source>
        <extracomment>%1 is the number of channels, %2 the rate.</extracomment>
        <translation>it has %1 channels at %2 Hz, more than the computer&apos;s sound allows</translation>
    </message>
    <message>
        <source>tiene %1 canales sin decir dónde suena cada uno</source>
        <translation>it has %1 channels without saying where each one plays</translation>
    </message>
    <message>
        <source>su parte de sonido está cortada a medias</source>
        <translation>its sound part is cut off halfway</translation>
    </message>
    <message>
        <source>no tiene sonido</source>
        <translation>it has no sound</translation>
    </message>
</context>
<context>
    <name>tamiro::TeacherCommand</name>
    <message>
        <source>Uso: tamiro-dibujo --carpeta N [--contenido CARPETA] [--tipo TIPO] [--pagina PAGINA] IMAGEN...
Convierte cada IMAGEN (PNG, JPEG, GIF, BMP, WebP o SVG) en un dibujo para colorear y lo
añade como el dibujo siguiente de la carpeta N (del 1 al 10) del contenido de Tamiro
(sin --contenido, la carpeta instalada). Escribe una línea por cada dibujo añadido.
  --tipo contorno|sin-contorno|pagina|foto   el tipo de imagen, en vez de adivinarlo
  --pagina PAGINA   la página para colorear de la IMAGEN (sólo con una IMAGEN)
</source>
        <translation>Usage: tamiro-dibujo --carpeta N [--contenido FOLDER] [--tipo TYPE] [--pagina PAGE] PICTURE...
Turns each PICTURE (PNG, JPEG, GIF, BMP, WebP or SVG) into a drawing to colour and
adds it as the next drawing of folder N (1 to 10) of Tamiro&apos;s content
(without --contenido, the installed folder). Writes one line for each drawing added.
  --tipo contorno|sin-contorno|pagina|foto   the picture type, instead of guessing it
  --pagina PAGE   the colouring page of the PICTURE (only with one PICTURE)
</translation>
    </message>
    <message>
        <source>no conozco la opción «%1»</source>
        <translation>I don&apos;t know the option “%1”</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>“%1” is missing its value</translation>
    </message>
    <message>
        <source>la carpeta tiene que ser un número del 1 al 10, no «%1»</source>
        <translation>the folder has to be a number from 1 to 10, not “%1”</translation>
    </message>
    <message>
        <source>el tipo tiene que ser contorno, sin-contorno, pagina o foto, no «%1»</source>
        <translation>the type has to be contorno, sin-contorno, pagina or foto, not “%1”</translation>
    </message>
    <message>
        <source>falta --carpeta N</source>
        <translation>--carpeta N is missing</translation>
    </message>
    <message>
        <source>falta al menos una IMAGEN</source>
        <translation>at least one PICTURE is missing</translation>
    </message>
    <message>
        <source>--pagina es la página para colorear de una sola IMAGEN, y hay %1</source>
        <extracomment>%1 is how many pictures were given. --pagina and IMAGEN are the command&apos;s words.</extracomment>
        <translation>--pagina is the colouring page of a single PICTURE, and there are %1</translation>
    </message>
    <message>
        <source>con --pagina el dibujo es siempre del tipo pagina</source>
        <translation>with --pagina the drawing is always of type pagina</translation>
    </message>
    <message>
        <source>tamiro-dibujo: %1.</source>
        <extracomment>%1 is what is wrong with the command line, from the messages above.</extracomment>
        <translation>tamiro-dibujo: %1.</translation>
    </message>
    <message>
        <source>No encuentro la carpeta de contenido «%1».</source>
        <translation>I can&apos;t find the content folder “%1”.</translation>
    </message>
    <message>
        <source>Aviso sobre «%1»: %2</source>
        <extracomment>%1 is the picture, %2 the drawing maker&apos;s warning about it.</extracomment>
        <translation>Warning about “%1”: %2</translation>
    </message>
    <message>
        <source>No añado «%1»: %2.</source>
        <extracomment>%1 is the picture, %2 why it is not added.</extracomment>
        <translation>Not adding “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::DrawingList</name>
    <message>
        <source>Dibujos de la carpeta</source>
        <translation>Drawings in the folder</translation>
    </message>
    <message>
        <source>Dibujo %1</source>
        <translation>Drawing %1</translation>
    </message>
    <message>
        <source>El niño verá: «%1»</source>
        <extracomment>%1 is the message the child is shown instead of the drawing.</extracomment>
        <translation>The child will see: “%1”</translation>
    </message>
    <message>
        <source>Dibujo %1: sin problemas.</source>
        <translation>Drawing %1: no problems.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::DrawingsWindow</name>
    <message>
        <source>Dibujos de Tamiro</source>
        <translation>Tamiro Drawings</translation>
    </message>
    <message>
        <source>&amp;Añadir dibujo...</source>
        <translation>&amp;Add drawing...</translation>
    </message>
    <message>
        <source>Elegir una imagen y hacer con ella un dibujo nuevo. También puede arrastrar imágenes a esta ventana o a una carpeta.</source>
        <translation>Choose a picture and make a new drawing from it. You can also drag pictures onto this window or onto a folder.</translation>
    </message>
    <message>
        <source>&amp;Quitar</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Mandar el dibujo elegido a la papelera (tecla Supr)</source>
        <translation>Send the chosen drawing to the rubbish bin (Delete key)</translation>
    </message>
    <message>
        <source>◀ A&amp;ntes</source>
        <translation>◀ &amp;Earlier</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto antes</source>
        <translation>Move the drawing one place earlier</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto antes (Ctrl+Izquierda)</source>
        <translation>Move the drawing one place earlier (Ctrl+Left)</translation>
    </message>
    <message>
        <source>Des&amp;pués ▶</source>
        <translation>&amp;Later ▶</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto después</source>
        <translation>Move the drawing one place later</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto después (Ctrl+Derecha)</source>
        <translation>Move the drawing one place later (Ctrl+Right)</translation>
    </message>
    <message>
        <source>Aquí no se pueden añadir, mover ni quitar dibujos: %1</source>
        <extracomment>%1 is why the folder cannot be written (a sentence of its own, with or without its final stop).</extracomment>
        <translation>Drawings cannot be added, moved or removed here: %1</translation>
    </message>
    <message>
        <source>Aquí no se pueden añadir, mover ni quitar dibujos: %1.</source>
        <translation>Drawings cannot be added, moved or removed here: %1.</translation>
    </message>
    <message>
        <source>Archivos que el niño no verá nunca</source>
        <translation>Files the child will never see</translation>
    </message>
    <message>
        <source>Lo que dice la revisión</source>
        <translation>What the checker says</translation>
    </message>
    <message>
        <source>La carpeta %1 no tiene dibujos que el niño vea. Añada uno con «Añadir dibujo...» o arrastrando una imagen aquí.</source>
        <translation>Folder %1 has no drawings that the child sees. Add one with “Add drawing...” or by dragging a picture here.</translation>
    </message>
    <message>
        <source>La carpeta %1 no tiene dibujos que el niño vea.</source>
        <translation>Folder %1 has no drawings that the child sees.</translation>
    </message>
    <message>
        <source>Carpeta %1: sus dibujos en el orden en que los encuentra el niño. Para cambiar el orden, arrastre uno a otro sitio.</source>
        <translation>Folder %1: its drawings in the order the child meets them. To change the order, drag one to another place.</translation>
    </message>
    <message>
        <source>Carpeta %1: sus dibujos en el orden en que los encuentra el niño.</source>
        <translation>Folder %1: its drawings in the order the child meets them.</translation>
    </message>
    <message>
        <source>Archivos de la carpeta %1 que el niño no verá nunca:</source>
        <translation>Files in folder %1 that the child will never see:</translation>
    </message>
    <message>
        <source>Elija un dibujo para ver lo que dice de él la revisión.</source>
        <translation>Choose a drawing to see what the checker says about it.</translation>
    </message>
    <message>
        <source>«%1», sin versión sin colorear</source>
        <extracomment>The drawing&apos;s files: %1 the coloured one, %2 the uncoloured one.</extracomment>
        <translation>“%1”, without an uncoloured version</translation>
    </message>
    <message>
        <source>«%1» y «%2»</source>
        <translation>“%1” and “%2”</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): 
%3</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files, %3 the checker&apos;s lines about it, one under another.</extracomment>
        <translation>Drawing %1 (%2): 
%3</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): el niño verá «%3».</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files, %3 what the child will see instead.</extracomment>
        <translation>Drawing %1 (%2): the child will see “%3”.</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): sin problemas.</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files.</extracomment>
        <translation>Drawing %1 (%2): no problems.</translation>
    </message>
    <message>
        <source>Añadir dibujo a la carpeta %1</source>
        <translation>Add a drawing to folder %1</translation>
    </message>
    <message>
        <source>No se pueden añadir dibujos</source>
        <translation>Drawings cannot be added</translation>
    </message>
    <message>
        <source>%1 (%2 de %3)</source>
        <extracomment>The preview&apos;s title: %1 says which picture is added, %2 of %3 is its place in the queue.</extracomment>
        <translation>%1 (%2 of %3)</translation>
    </message>
    <message>
        <source>Guardado como dibujo %1 de la carpeta %2.</source>
        <translation>Saved as drawing %1 in folder %2.</translation>
    </message>
    <message>
        <source>Moviendo el dibujo %1 al puesto %2…</source>
        <translation>Moving drawing %1 to place %2…</translation>
    </message>
    <message>
        <source>El dibujo %1 es ahora el %2 de la carpeta %3.</source>
        <translation>Drawing %1 is now number %2 in folder %3.</translation>
    </message>
    <message>
        <source>No se ha movido el dibujo</source>
        <translation>The drawing was not moved</translation>
    </message>
    <message>
        <source>Quitar el dibujo</source>
        <translation>Remove the drawing</translation>
    </message>
    <message>
        <source>¿Quitar el dibujo %1 de la carpeta %2?</source>
        <translation>Remove drawing %1 from folder %2?</translation>
    </message>
    <message>
        <source>Sus dos archivos irán a la papelera, de donde se pueden recuperar. Los dibujos que van detrás avanzan un puesto.</source>
        <translation>Its two files will go to the rubbish bin, where they can be recovered from. The drawings after it move up one place.</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Quitando el dibujo %1…</source>
        <translation>Removing drawing %1…</translation>
    </message>
    <message>
        <source>El dibujo %1 de la carpeta %2 está en la papelera.</source>
        <translation>Drawing %1 in folder %2 is in the rubbish bin.</translation>
    </message>
    <message>
        <source>No se ha quitado el dibujo</source>
        <translation>The drawing was not removed</translation>
    </message>
    <message>
        <source>Si un niño pasa de dibujo en esta carpeta justo ahora, puede ver un momento los colores de un dibujo con las líneas de otro (en una carpeta compartida de la red, volver al dibujo 1 o un aviso de que no se puede mostrar); al pasar al siguiente, todo vuelve a estar bien.</source>
        <translation>If a child moves to another drawing in this folder right now, they may briefly see the colours of one drawing with the lines of another (in a shared network folder, a return to drawing 1 or a message that it cannot be shown); on moving to the next one, everything is right again.</translation>
    </message>
    <message>
        <source>No encuentro la carpeta de contenido «%1».</source>
        <translation>I can&apos;t find the content folder “%1”.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::FolderList</name>
    <message>
        <source>Carpetas</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <translation>Folder %1</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewDialog</name>
    <message>
        <source>con contorno</source>
        <translation>with outlines</translation>
    </message>
    <message>
        <source>sin contorno</source>
        <translation>without outlines</translation>
    </message>
    <message>
        <source>página para colorear</source>
        <translation>colouring page</translation>
    </message>
    <message>
        <source>foto</source>
        <translation>photo</translation>
    </message>
    <message>
        <source>automático</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>Imágenes (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)</translation>
    </message>
    <message>
        <source>Añadir «%1»</source>
        <translation>Add “%1”</translation>
    </message>
    <message>
        <source>Coloreado: lo que descubre el niño al pintar</source>
        <translation>Coloured: what the child uncovers by painting</translation>
    </message>
    <message>
        <source>Sin colorear: lo que ve al empezar</source>
        <translation>Uncoloured: what they see at the start</translation>
    </message>
    <message>
        <source>Vista previa del dibujo</source>
        <translation>Drawing preview</translation>
    </message>
    <message>
        <source>Preparando el dibujo…</source>
        <translation>Preparing the drawing…</translation>
    </message>
    <message>
        <source>Ver los dos &amp;enteros, más pequeños</source>
        <translation>Show both &amp;whole, smaller</translation>
    </message>
    <message>
        <source>Tipo de imagen</source>
        <translation>Picture type</translation>
    </message>
    <message>
        <source>Tipo de imagen:</source>
        <translation>Picture type:</translation>
    </message>
    <message>
        <source>Grosor de las líneas</source>
        <translation>Line thickness</translation>
    </message>
    <message>
        <source>Detalle</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>Grosor de las &amp;líneas:</source>
        <translation>&amp;Line thickness:</translation>
    </message>
    <message>
        <source>&amp;Detalle:</source>
        <translation>&amp;Detail:</translation>
    </message>
    <message>
        <source>&amp;Página para colorear...</source>
        <translation>Colouring &amp;page...</translation>
    </message>
    <message>
        <source>Elegir la página para colorear que va con esta imagen coloreada</source>
        <translation>Choose the colouring page that goes with this coloured picture</translation>
    </message>
    <message>
        <source>&amp;Sin página</source>
        <translation>&amp;No page</translation>
    </message>
    <message>
        <source>Hacer las líneas con la imagen sola</source>
        <translation>Make the lines from the picture alone</translation>
    </message>
    <message>
        <source>&amp;Carpeta:</source>
        <translation>&amp;Folder:</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <translation>Folder %1</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Guardar como dibujo n.º %1 de la carpeta %2</source>
        <extracomment>%1 is the number the new drawing takes, %2 the folder.</extracomment>
        <translation>&amp;Save as drawing no. %1 in folder %2</translation>
    </message>
    <message>
        <source>&amp;Guardar en la carpeta %1</source>
        <translation>&amp;Save in folder %1</translation>
    </message>
    <message>
        <source>Las líneas salen de la página «%1».</source>
        <translation>The lines come from the page “%1”.</translation>
    </message>
    <message>
        <source>¿Tiene también la página para colorear de esta imagen? Elíjala y las líneas saldrán de ella.</source>
        <translation>Do you also have the colouring page of this picture? Choose it and the lines will come from it.</translation>
    </message>
    <message>
        <source>Automático: %1</source>
        <extracomment>%1 is the kind of picture the maker sees (&quot;con contorno&quot;, &quot;foto&quot;...).</extracomment>
        <translation>Automatic: %1</translation>
    </message>
    <message numerus="yes">
        <source>Tipo: %1. %2 × %3 píxeles, %n zona(s) para colorear.</source>
        <extracomment>%1 is the kind of drawing (&quot;con contorno&quot;, &quot;foto&quot;...), %2 × %3 its size, %n how many parts the child may colour.</extracomment>
        <translation>
            <numerusform>Type: %1. %2 × %3 pixels, %n area to colour.</numerusform>
            <numerusform>Type: %1. %2 × %3 pixels, %n areas to colour.</numerusform>
        </translation>
    </message>
    <message>
        <source>Página para colorear de «%1»</source>
        <translation>Colouring page of “%1”</translation>
    </message>
    <message>
        <source>No se puede usar esta página</source>
        <translation>This page cannot be used</translation>
    </message>
    <message>
        <source>No se puede usar esta imagen</source>
        <translation>This picture cannot be used</translation>
    </message>
    <message>
        <source>No se ha guardado el dibujo</source>
        <translation>The drawing was not saved</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewMaker</name>
    <message>
        <source>No hay memoria bastante para preparar este dibujo. Pruebe con una imagen más pequeña.</source>
        <translation>There is not enough memory to prepare this drawing. Try a smaller picture.</translation>
    </message>
</context>
</TS>
