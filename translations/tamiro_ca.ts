<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="es">
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <extracomment>Qt&apos;s text: the file chooser of the teacher&apos;s window.</extracomment>
        <translation>Cerca a:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Endavant</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Directori superior</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Crea una carpeta nova</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vista de llista</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vista de detall</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fitxers</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nom de fitxer:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fitxers de tipus:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Obre</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Can&amp;via de nom</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Suprimeix</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Mostra fitxers &amp;ocults</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Carpeta &amp;nova</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Carpeta nova</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <extracomment>Qt&apos;s text: the columns of the file chooser&apos;s detail view.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Mida</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipus</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificació</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinador</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Qt&apos;s text: the menu of a text field (the file chooser&apos;s name).</extracomment>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refés</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Re&amp;talla</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Enganxa</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suprimeix</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecciona-ho tot</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s text: the button of a message box (the child&apos;s, the teacher&apos;s window&apos;s).</extracomment>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s text: the button of the file chooser (the teacher&apos;s window).</extracomment>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <extracomment>Qt&apos;s text: the menu of a scroll bar (its right button).</extracomment>
        <translation>Desplaça aquí</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Part superior</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Part inferior</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Vora esquerra</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Vora dreta</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Pàgina superior</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Pàgina inferior</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Pàgina esquerra</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Pàgina dreta</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Desplaça amunt</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Desplaça avall</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Desplaça a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Desplaça a la dreta</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Qt&apos;s text: the menu of a text the teacher may select (the teacher&apos;s window).</extracomment>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecciona-ho tot</translation>
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
        <translation>Ús: tamiro-revisar [--texto | --ventana] [CARPETA]
Revisa la carpeta de contingut de Tamiro (sense CARPETA, la instal·lada)
i diu, fitxer per fitxer, el que veurà l&apos;infant.
</translation>
    </message>
    <message>
        <source>No encuentro la carpeta «%1».</source>
        <extracomment>%1 is the folder given on the command line.</extracomment>
        <translation>No trobo la carpeta «%1».</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerDrawings</name>
    <message numerus="yes">
        <source>el botón %1 enseña %n dibujo(s): %2</source>
        <extracomment>%1 is the green button, %n how many drawings it shows, %2 their numbers (&quot;1 a 3&quot;, &quot;1, 2 y 5&quot;).</extracomment>
        <translation>
            <numerusform>el botó %1 mostra %n dibuix: %2</numerusform>
            <numerusform>el botó %1 mostra %n dibuixos: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>el botón %1 no enseña ningún dibujo</source>
        <translation>el botó %1 no mostra cap dibuix</translation>
    </message>
    <message>
        <source>no existe la carpeta, o está vacía, y al pulsar el botón %1 el niño verá «%2». Cree en ella las carpetas «%3» y «%4» y ponga en ellas los dibujos 1, 2, 3…</source>
        <extracomment>%1 is the green button, %2 the child&apos;s message, %3 and %4 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>la carpeta no existeix, o és buida, i en prémer el botó %1 l&apos;infant veurà «%2». Creeu-hi les carpetes «%3» i «%4» i poseu-hi els dibuixos 1, 2, 3…</translation>
    </message>
    <message>
        <source>no hay dibujo 1 («%3» o «%4» en «%5»), y al pulsar el botón %1 o al volver a empezar la serie el niño verá «%2». Ponga un dibujo con el número 1 en «%5», y su versión sin colorear en «%6».</source>
        <extracomment>%1 is the green button, %2 the child&apos;s message, %3 and %4 the two names drawing 1 may have, %5 and %6 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>no hi ha dibuix 1 («%3» o «%4» a «%5»), i en prémer el botó %1 o en tornar a començar la sèrie l&apos;infant veurà «%2». Poseu un dibuix amb el número 1 a «%5», i la seva versió sense acolorir a «%6».</translation>
    </message>
    <message>
        <source>sin dibujo 1, la flecha «anterior» no encuentra el último dibujo y se queda en el 0, y el niño verá «%1». Ponga un dibujo con el número 1 en «%2», y su versión sin colorear en «%3».</source>
        <extracomment>The previous arrow at start-up, in a folder without drawing 1. %1 is the child&apos;s message, %2 and %3 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>sense dibuix 1, la fletxa «anterior» no troba l&apos;últim dibuix i es queda al 0, i l&apos;infant veurà «%1». Poseu un dibuix amb el número 1 a «%2», i la seva versió sense acolorir a «%3».</translation>
    </message>
    <message>
        <source>no hay dibujo %1, y al llegar a él el niño verá «%2». Ponga un dibujo con el número %1 en «%3», y su versión sin colorear en «%4».</source>
        <extracomment>%1 is the missing drawing&apos;s number, %2 the child&apos;s message, %3 and %4 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>no hi ha dibuix %1, i en arribar-hi l&apos;infant veurà «%2». Poseu un dibuix amb el número %1 a «%3», i la seva versió sense acolorir a «%4».</translation>
    </message>
    <message>
        <source>no se puede abrir, y al llegar al dibujo %1 el niño verá «%2». %3</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the child&apos;s message, %3 what to do about it.</extracomment>
        <translation>no es pot obrir, i en arribar al dibuix %1 l&apos;infant veurà «%2». %3</translation>
    </message>
    <message>
        <source>es la versión sin colorear del dibujo %1, pero Tamiro sólo la busca como «%2», y al llegar al dibujo el niño verá «%3». Guárdela como GIF con el nombre «%2».</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the name Tamiro looks for, %3 the child&apos;s message.</extracomment>
        <translation>és la versió sense acolorir del dibuix %1, però Tamiro només la cerca com a «%2», i en arribar al dibuix l&apos;infant veurà «%3». Deseu-la com a GIF amb el nom «%2».</translation>
    </message>
    <message>
        <source>falta su versión sin colorear, y al llegar al dibujo %1 el niño verá «%2». Guarde la versión sin colorear como «%3» en «%4».</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the child&apos;s message, %3 the name to save the uncoloured drawing as, %4 the folder to save it in.</extracomment>
        <translation>hi falta la versió sense acolorir, i en arribar al dibuix %1 l&apos;infant veurà «%2». Deseu la versió sense acolorir com a «%3» a «%4».</translation>
    </message>
    <message>
        <source>mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. El coloreado es una foto con una marca de giro de la cámara: el visor de fotos la enseña girada, pero Tamiro la enseña tal como está guardada. Ábrala con un programa de dibujo, gírela como debe verse y guárdela de nuevo.</source>
        <extracomment>The uncoloured drawing: %1 its size, %2 the coloured drawing&apos;s name, %3 its size.</extracomment>
        <translation>mesura %1 i l&apos;acolorit «%2» mesura %3: en acolorir no coincideixen. L&apos;acolorit és una foto amb una marca de gir de la càmera: el visor de fotos la mostra girada, però Tamiro la mostra tal com està desada. Obriu-la amb un programa de dibuix, gireu-la com s&apos;ha de veure i torneu-la a desar.</translation>
    </message>
    <message>
        <source>mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. Guarde los dos con el mismo tamaño.</source>
        <extracomment>The uncoloured drawing: %1 its size, %2 the coloured drawing&apos;s name, %3 its size.</extracomment>
        <translation>mesura %1 i l&apos;acolorit «%2» mesura %3: en acolorir no coincideixen. Deseu-los tots dos amb la mateixa mida.</translation>
    </message>
    <message>
        <source>tiene partes transparentes, y por ellas se verán los colores antes de pintar. Guárdelo sin transparencia, con el fondo blanco.</source>
        <translation>té parts transparents, i a través d&apos;elles es veuran els colors abans de pintar. Deseu-lo sense transparència, amb el fons blanc.</translation>
    </message>
    <message>
        <source>se cortará por abajo</source>
        <extracomment>What happens to a drawing too large for the screen, in &quot;en una pantalla de 1024 × 768 %3&quot;.</extracomment>
        <translation>es tallarà per baix</translation>
    </message>
    <message>
        <source>se cortará por los lados</source>
        <translation>es tallarà pels costats</translation>
    </message>
    <message>
        <source>la animación quedará fuera de la pantalla</source>
        <translation>l&apos;animació quedarà fora de la pantalla</translation>
    </message>
    <message>
        <source>mide %1 píxeles y en una pantalla de %2 %3. Redúzcalo a %4 como mucho.</source>
        <extracomment>%1 is the drawing&apos;s size, %2 the screen&apos;s, %3 what happens (its parts are cut, the animation does not fit), %4 the largest size that fits.</extracomment>
        <translation>mesura %1 píxels i en una pantalla de %2 %3. Reduïu-lo a %4 com a màxim.</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerNeverSeen</name>
    <message>
        <source>no se verá nunca: es una carpeta, y aquí Tamiro sólo busca archivos. Muévala a otro sitio.</source>
        <translation>no es veurà mai: és una carpeta, i aquí Tamiro només cerca fitxers. Moveu-la a un altre lloc.</translation>
    </message>
    <message>
        <source>no se verá nunca: es un enlace a algo que ya no existe. Bórrelo y copie aquí el archivo de verdad.</source>
        <translation>no es veurà mai: és un enllaç a una cosa que ja no existeix. Esborreu-lo i copieu aquí el fitxer de debò.</translation>
    </message>
    <message>
        <source>no se verá nunca: no es un archivo corriente. Bórrelo.</source>
        <translation>no es veurà mai: no és un fitxer normal. Esborreu-lo.</translation>
    </message>
    <message>
        <source>no se verá nunca: es un archivo oculto (su nombre empieza por un punto) y Tamiro no lo ve. Quítele el punto del principio.</source>
        <translation>no es veurà mai: és un fitxer ocult (el seu nom comença per un punt) i Tamiro no el veu. Traieu-li el punt del començament.</translation>
    </message>
    <message>
        <source>no se verá nunca: es lo que dejó a medias un cambio de los dibujos que no terminó (quizá se apagó el ordenador mientras se añadía o se ordenaba un dibujo). Bórrelo, y si falta algún dibujo, vuelva a añadirlo.</source>
        <translation>no es veurà mai: és el que va deixar a mitges un canvi dels dibuixos que no es va acabar (potser es va apagar l&apos;ordinador mentre s&apos;afegia o s&apos;ordenava un dibuix). Esborreu-lo, i si falta algun dibuix, torneu-lo a afegir.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el dibujo %1. Póngalo en otra carpeta.</source>
        <extracomment>%1 is the largest number Tamiro reaches.</extracomment>
        <translation>no es veurà mai: Tamiro només arriba fins al dibuix %1. Poseu-lo en una altra carpeta.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>no es veurà mai: falta el dibuix 1, i sense ell no s&apos;arriba a cap altre. Poseu-hi l&apos;1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing drawing&apos;s number, %2 the one before it.</extracomment>
        <translation>no es veurà mai: falta el dibuix %1 i la sèrie torna a l&apos;1 després del %2. Poseu-hi el %1 que falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay dibujo %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>Of a coloured drawing: %1 is its number.</extracomment>
        <translation>no es veurà mai: no hi ha cap dibuix %1 que el faci servir. Esborreu-lo, o poseu-hi el que li falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el dibujo coloreado %1. Póngalo en otra carpeta.</source>
        <extracomment>Of an uncoloured drawing, whose coloured drawing is missing: %1 is the largest number Tamiro reaches.</extracomment>
        <translation>no es veurà mai: Tamiro només arriba fins al dibuix acolorit %1. Poseu-lo en una altra carpeta.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo coloreado 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>no es veurà mai: falta el dibuix acolorit 1, i sense ell no s&apos;arriba a cap altre. Poseu-hi l&apos;1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo coloreado %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing coloured drawing&apos;s number, %2 the one before it.</extracomment>
        <translation>no es veurà mai: falta el dibuix acolorit %1 i la sèrie torna a l&apos;1 després del %2. Poseu-hi el %1 que falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay dibujo coloreado %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>Of an uncoloured drawing: %1 is its number.</extracomment>
        <translation>no es veurà mai: no hi ha cap dibuix acolorit %1 que el faci servir. Esborreu-lo, o poseu-hi el que li falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el número %1. Póngalo en otra carpeta.</source>
        <extracomment>Of an animation, a brush size or a pointer: %1 is the largest number Tamiro reaches.</extracomment>
        <translation>no es veurà mai: Tamiro només arriba fins al número %1. Poseu-lo en una altra carpeta.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el número 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>no es veurà mai: falta el número 1, i sense ell no s&apos;arriba a cap altre. Poseu-hi l&apos;1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el número %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing number, %2 the one before it.</extracomment>
        <translation>no es veurà mai: falta el número %1 i la sèrie torna a l&apos;1 després del %2. Poseu-hi el %1 que falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay número %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>%1 is its number.</extracomment>
        <translation>no es veurà mai: no hi ha cap número %1 que el faci servir. Esborreu-lo, o poseu-hi el que li falta.</translation>
    </message>
    <message numerus="yes">
        <source>no se verá nunca: hay %n archivo(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n files that Tamiro takes for one: %1 names them, %2 the one it uses.</extracomment>
        <translation>
            <numerusform>no es veurà mai: hi ha %n fitxer que Tamiro confon: %1; fa servir «%2». Deixeu-ne només un.</numerusform>
            <numerusform>no es veurà mai: hi ha %n fitxers que Tamiro confon: %1; fa servir «%2». Deixeu-ne només un.</numerusform>
        </translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo lee aquí archivos %1. Guárdelo como %2 con el nombre «%3».</source>
        <extracomment>%1 the kinds of file read here (&quot;.gif y .jpg&quot;), %2 the kind to save it as, %3 the name to save it with.</extracomment>
        <translation>no es veurà mai: aquí Tamiro només llegeix fitxers %1. Deseu-lo com a %2 amb el nom «%3».</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo lee aquí archivos %1 con un número por nombre. Si no es para Tamiro, muévalo a otro sitio.</source>
        <extracomment>%1 the kinds of file read here (&quot;.gif y .jpg&quot;).</extracomment>
        <translation>no es veurà mai: aquí Tamiro només llegeix fitxers %1 amb un número per nom. Si no és per a Tamiro, moveu-lo a un altre lloc.</translation>
    </message>
    <message>
        <source>no se verá nunca: el nombre tiene que ser un número (1, 2, 3…). Cámbieselo por el número que le toque.</source>
        <translation>no es veurà mai: el nom ha de ser un número (1, 2, 3…). Canvieu-li el nom pel número que li toqui.</translation>
    </message>
    <message>
        <source>no se verá nunca: el número está mal escrito (con ceros delante o con signo). Cámbiele el nombre a «%1».</source>
        <extracomment>%1 is the name it should have.</extracomment>
        <translation>no es veurà mai: el número està mal escrit (amb zeros al davant o amb signe). Canvieu-li el nom a «%1».</translation>
    </message>
    <message>
        <source>no se verá nunca: los números empiezan en 1. Cámbiele el número.</source>
        <translation>no es veurà mai: els números comencen per l&apos;1. Canvieu-li el número.</translation>
    </message>
    <message>
        <source>no se verá nunca: con el número %1 ya se usa «%2» (el GIF va antes que el JPEG). Bórrelo o cámbiele el número.</source>
        <extracomment>%1 is the file&apos;s number, %2 the file Tamiro uses for it.</extracomment>
        <translation>no es veurà mai: amb el número %1 ja es fa servir «%2» (el GIF va abans que el JPEG). Esborreu-lo o canvieu-li el número.</translation>
    </message>
    <message>
        <source>no se verá nunca: está en «%1», una carpeta que Tamiro confunde con «%2», la que usa. Pase el dibujo a «%2» y borre «%1».</source>
        <extracomment>%1 is a folder Tamiro takes for %2, the one it uses.</extracomment>
        <translation>no es veurà mai: és a «%1», una carpeta que Tamiro confon amb «%2», la que fa servir. Passeu el dibuix a «%2» i esborreu «%1».</translation>
    </message>
    <message>
        <source>no se verá nunca: en cada carpeta de dibujos Tamiro sólo mira «%1» y «%2». Muévalo a una de ellas o a otro sitio.</source>
        <extracomment>%1 and %2 are the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>no es veurà mai: a cada carpeta de dibuixos Tamiro només mira «%1» i «%2». Moveu-lo a una d&apos;elles o a un altre lloc.</translation>
    </message>
    <message>
        <source>no se verá nunca: los diez botones abren las carpetas 1 a 10 de «%1». Pase lo que quiera enseñar a una de ellas.</source>
        <extracomment>%1 is the name of the folder of drawing folders.</extracomment>
        <translation>no es veurà mai: els deu botons obren les carpetes 1 a 10 de «%1». Passeu el que vulgueu mostrar a una d&apos;elles.</translation>
    </message>
    <message numerus="yes">
        <source>no se usará nunca: hay %n nombre(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n names that Tamiro takes for one: %1 lists them, %2 is the one it uses.</extracomment>
        <translation>
            <numerusform>no es farà servir mai: hi ha %n nom que Tamiro confon: %1; fa servir «%2». Deixeu-ne només un.</numerusform>
            <numerusform>no es farà servir mai: hi ha %n noms que Tamiro confon: %1; fa servir «%2». Deixeu-ne només un.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerReport</name>
    <message>
        <source>«%1»</source>
        <extracomment>A name (of a file, a folder, a button) quoted in a sentence of the report.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: numbers, names, or what goes wrong.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>One more item of a list, before its last two: %1 the items so far.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>The drawings a button shows, from number %1 to number %2.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>GIF o JPEG</source>
        <extracomment>What a picture is saved as, in &quot;guárdelo como %1&quot;.</extracomment>
        <translation>GIF o JPEG</translation>
    </message>
    <message>
        <source>icono (.ico) de 32 × 32</source>
        <translation>icona (.ico) de 32 × 32</translation>
    </message>
    <message>
        <source>Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por ejemplo). Redúzcalo a %3 como mucho y guárdelo como %4.</source>
        <extracomment>%1 millions of pixels at most, such as %2 × %2; %3 the size the drawing fits the screen at, %4 the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;).</extracomment>
        <translation>Tamiro no obre imatges de més de %1 milions de píxels (%2 × %2, per exemple). Reduïu-lo a %3 com a màxim i deseu-lo com a %4.</translation>
    </message>
    <message>
        <source>Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por ejemplo). Redúzcalo y guárdelo como %3.</source>
        <extracomment>%1 millions of pixels at most, such as %2 × %2; %3 the kind of file to save it as.</extracomment>
        <translation>Tamiro no obre imatges de més de %1 milions de píxels (%2 × %2, per exemple). Reduïu-lo i deseu-lo com a %3.</translation>
    </message>
    <message>
        <source>Es de otro tipo aunque se llame así: ábralo con un programa de dibujo y guárdelo como %1.</source>
        <extracomment>%1 is the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;, an icon).</extracomment>
        <translation>És d&apos;un altre tipus encara que es digui així: obriu-lo amb un programa de dibuix i deseu-lo com a %1.</translation>
    </message>
    <message>
        <source>Ábralo con un programa de dibujo y guárdelo de nuevo como %1.</source>
        <extracomment>%1 is the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;, an icon).</extracomment>
        <translation>Obriu-lo amb un programa de dibuix i torneu-lo a desar com a %1.</translation>
    </message>
    <message>
        <source>Guárdela más pequeña: junto al dibujo se ve en unos 90 × 90 píxeles.</source>
        <translation>Deseu-la més petita: al costat del dibuix es veu en uns 90 × 90 píxels.</translation>
    </message>
    <message>
        <source>Guárdela con menos fotogramas (%1 como mucho) o más pequeña.</source>
        <extracomment>%1 is the most frames an animation may have.</extracomment>
        <translation>Deseu-la amb menys fotogrames (%1 com a màxim) o més petita.</translation>
    </message>
    <message>
        <source>Guárdela como GIF animado con el nombre «%1».</source>
        <extracomment>%1 is the animation&apos;s file name.</extracomment>
        <translation>Deseu-la com a GIF animat amb el nom «%1».</translation>
    </message>
    <message>
        <source>Ábrala con un programa de dibujo y guárdela de nuevo como GIF animado.</source>
        <translation>Obriu-la amb un programa de dibuix i torneu-la a desar com a GIF animat.</translation>
    </message>
    <message numerus="yes">
        <source>%n dibujo(s) en los diez botones</source>
        <extracomment>How many drawings the child meets, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n dibuix als deu botons</numerusform>
            <numerusform>%n dibuixos als deu botons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n aviso(s)</source>
        <extracomment>How many warnings, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n avís</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <source>Todo en orden: %1, y nada fallará.</source>
        <extracomment>The report&apos;s last line. %1 is how many drawings the child meets.</extracomment>
        <translation>Tot en ordre: %1, i no fallarà res.</translation>
    </message>
    <message>
        <source>Nada fallará: %1, con %2 que conviene mirar.</source>
        <extracomment>The report&apos;s last line. %1 is how many drawings the child meets, %2 how many warnings there are.</extracomment>
        <translation>No fallarà res: %1, amb %2 que convé mirar.</translation>
    </message>
    <message>
        <source>%1 y %2; %3.</source>
        <extracomment>The report&apos;s last line: %1 how many things will fail, %2 how many warnings there are, %3 how many drawings the child meets.</extracomment>
        <translation>%1 i %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n cosa(s) fallará(n)</source>
        <extracomment>How many things will fail, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n cosa fallarà</numerusform>
            <numerusform>%n coses fallaran</numerusform>
        </translation>
    </message>
    <message>
        <source>Todo en orden en la carpeta %1: nada fallará.</source>
        <extracomment>The teacher&apos;s window, under a folder&apos;s drawings: %1 is the folder.</extracomment>
        <translation>Tot en ordre a la carpeta %1: no fallarà res.</translation>
    </message>
    <message>
        <source>Nada fallará en la carpeta %1, con %2 que conviene mirar.</source>
        <extracomment>%1 is the folder, %2 how many warnings there are (&quot;2 avisos&quot;).</extracomment>
        <translation>No fallarà res a la carpeta %1, amb %2 que convé mirar.</translation>
    </message>
    <message>
        <source>En la carpeta %1, %2.</source>
        <extracomment>%1 is the folder, %2 how many things will fail (&quot;2 cosas fallarán&quot;).</extracomment>
        <translation>A la carpeta %1, %2.</translation>
    </message>
    <message>
        <source>En la carpeta %1, %2 y %3.</source>
        <extracomment>%1 is the folder, %2 how many things will fail, %3 how many warnings there are.</extracomment>
        <translation>A la carpeta %1, %2 i %3.</translation>
    </message>
    <message>
        <source>Aviso</source>
        <extracomment>Heads a line of the report: something will not be seen or will not fit. The report shows it in capitals in its first column, with the file names lined up after it: five letters at most keep them where they are in Spanish.</extracomment>
        <translation>Avís</translation>
    </message>
    <message>
        <source>Falla</source>
        <extracomment>Heads a line of the report: something will fail. Shown in capitals in the report&apos;s first column: five letters at most.</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Lo que verá el niño con la carpeta %1:</source>
        <extracomment>The report&apos;s first line: %1 is the content folder reviewed.</extracomment>
        <translation>El que veurà l&apos;infant amb la carpeta %1:</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSeries</name>
    <message>
        <source>no se puede abrir, y el niño verá «%1». %2</source>
        <extracomment>%1 is the child&apos;s message, %2 what to do about it.</extracomment>
        <translation>no es pot obrir, i l&apos;infant veurà «%1». %2</translation>
    </message>
    <message>
        <source>no se verá, y junto al dibujo quedará un hueco vacío: %1. %2</source>
        <extracomment>%1 is why the animation does not play, %2 what to do about it.</extracomment>
        <translation>no es veurà, i al costat del dibuix quedarà un espai buit: %1. %2</translation>
    </message>
    <message>
        <source>no hay animación 1: junto al dibujo no se verá ninguna. Ponga una animación GIF con el nombre «%1».</source>
        <extracomment>%1 is the name the first animation must have.</extracomment>
        <translation>no hi ha animació 1: al costat del dibuix no se&apos;n veurà cap. Poseu una animació GIF amb el nom «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n animación(es), una nueva en cada paso</source>
        <extracomment>The animations&apos; line: how many the child meets.</extracomment>
        <translation>
            <numerusform>%n animació, una de nova a cada pas</numerusform>
            <numerusform>%n animacions, una de nova a cada pas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n no se verá(n)</source>
        <extracomment>%1 is how many animations the child meets (&quot;6 animaciones, una nueva en cada paso&quot;), %n how many of them will not be seen.</extracomment>
        <translation>
            <numerusform>%1; %n no es veurà</numerusform>
            <numerusform>%1; %n no es veuran</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe, y el niño verá «%1». Copie aquí un pincel con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the brush size must have.</extracomment>
        <translation>no existeix, i l&apos;infant veurà «%1». Copieu aquí un pinzell amb el nom «%2».</translation>
    </message>
    <message>
        <source>el pincel no crece: mide %1 y el anterior %2. Ordene los pinceles de menor a mayor.</source>
        <extracomment>%1 is the brush size&apos;s size, %2 the size of the one before.</extracomment>
        <translation>el pinzell no creix: mesura %1 i l&apos;anterior %2. Ordeneu els pinzells de més petit a més gran.</translation>
    </message>
    <message numerus="yes">
        <source>%n tamaño(s) de pincel</source>
        <extracomment>The brush sizes&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n mida de pinzell</numerusform>
            <numerusform>%n mides de pinzell</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tamaño(s) de pincel: %1</source>
        <extracomment>%1 lists the sizes (&quot;16 × 16, 32 × 32&quot;).</extracomment>
        <translation>
            <numerusform>%n mida de pinzell: %1</numerusform>
            <numerusform>%n mides de pinzell: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe, y el niño verá «%1». Copie aquí un puntero con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the pointer must have.</extracomment>
        <translation>no existeix, i l&apos;infant veurà «%1». Copieu aquí un punter amb el nom «%2».</translation>
    </message>
    <message>
        <source>no es un icono de 32 × 32 (es un icono de %1). Guárdelo como icono (.ico) de 32 × 32.</source>
        <extracomment>%1 is the icon&apos;s size.</extracomment>
        <translation>no és una icona de 32 × 32 (és una icona de %1). Deseu-lo com a icona (.ico) de 32 × 32.</translation>
    </message>
    <message>
        <source>no es un icono de 32 × 32 (es una imagen de %1). Guárdelo como icono (.ico) de 32 × 32.</source>
        <extracomment>%1 is the picture&apos;s size.</extracomment>
        <translation>no és una icona de 32 × 32 (és una imatge de %1). Deseu-lo com a icona (.ico) de 32 × 32.</translation>
    </message>
    <message numerus="yes">
        <source>%n puntero(s)</source>
        <extracomment>The pointers&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n punter</numerusform>
            <numerusform>%n punters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSingleFiles</name>
    <message>
        <source>%1 píxeles, repetido detrás de la ventana</source>
        <extracomment>%1 is the background picture&apos;s size.</extracomment>
        <translation>%1 píxels, repetit darrere de la finestra</translation>
    </message>
    <message>
        <source>no existe, y al arrancar el niño verá «%1». Copie aquí una imagen GIF con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the background picture must have.</extracomment>
        <translation>no existeix, i en engegar Tamiro l&apos;infant veurà «%1». Copieu aquí una imatge GIF amb el nom «%2».</translation>
    </message>
    <message>
        <source>no se puede abrir, y al arrancar el niño verá «%1». %2</source>
        <extracomment>%1 is the child&apos;s message, %2 what to do about it.</extracomment>
        <translation>no es pot obrir, i en engegar Tamiro l&apos;infant veurà «%1». %2</translation>
    </message>
    <message>
        <source>no existe: no habrá sonido al pulsar «siguiente» o una carpeta. Copie aquí un sonido WAV con el nombre «%1».</source>
        <extracomment>%1 is the name the sound must have.</extracomment>
        <translation>no existeix: no hi haurà so en prémer «següent» o una carpeta. Copieu aquí un so WAV amb el nom «%1».</translation>
    </message>
    <message>
        <source>no habrá sonido al pulsar «siguiente» o una carpeta: %1. Guárdelo como WAV PCM de 16 bits, mono o estéreo.</source>
        <extracomment>%1 is why it will not play.</extracomment>
        <translation>no hi haurà so en prémer «següent» o una carpeta: %1. Deseu-lo com a WAV PCM de 16 bits, mono o estèreo.</translation>
    </message>
    <message>
        <source>no existe: no habrá sonido al pulsar «anterior». Copie aquí un sonido WAV con el nombre «%1».</source>
        <extracomment>%1 is the name the sound must have.</extracomment>
        <translation>no existeix: no hi haurà so en prémer «anterior». Copieu aquí un so WAV amb el nom «%1».</translation>
    </message>
    <message>
        <source>no habrá sonido al pulsar «anterior»: %1. Guárdelo como WAV PCM de 16 bits, mono o estéreo.</source>
        <extracomment>%1 is why it will not play.</extracomment>
        <translation>no hi haurà so en prémer «anterior»: %1. Deseu-lo com a WAV PCM de 16 bits, mono o estèreo.</translation>
    </message>
    <message>
        <source>PCM de %1 bits, mono, %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>PCM de %1 bits, mono, %2 Hz, %3 s</translation>
    </message>
    <message>
        <source>PCM de %1 bits, estéreo, %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>PCM de %1 bits, estèreo, %2 Hz, %3 s</translation>
    </message>
    <message numerus="yes">
        <source>PCM de %1 bits, %n canal(es), %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %n its channels, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>
            <numerusform>PCM de %1 bits, %n canal, %2 Hz, %3 s</numerusform>
            <numerusform>PCM de %1 bits, %n canals, %2 Hz, %3 s</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe: la impresión está desactivada</source>
        <translation>no existeix: la impressió està desactivada</translation>
    </message>
    <message>
        <source>la impresión está desactivada: Tamiro sólo lee «%1», escrito así, en minúsculas. Cámbiele el nombre.</source>
        <extracomment>%1 is the only name of the switch file that Tamiro reads.</extracomment>
        <translation>la impressió està desactivada: Tamiro només llegeix «%1», escrit així, en minúscules. Canvieu-li el nom.</translation>
    </message>
    <message>
        <source>no se puede leer, y al arrancar el niño verá «%1». Bórrelo y escriba uno nuevo con %2 o %3.</source>
        <extracomment>%1 is the child&apos;s message; %2 and %3 are the two words the file may say, as they stand.</extracomment>
        <translation>no es pot llegir, i en engegar Tamiro l&apos;infant veurà «%1». Esborreu-lo i escriviu-ne un de nou amb %2 o %3.</translation>
    </message>
    <message>
        <source>la impresión está activada</source>
        <translation>la impressió està activada</translation>
    </message>
    <message>
        <source>la impresión está desactivada: está guardado como «Unicode» (UTF-16) y Tamiro no lo entiende. Guárdelo como texto normal (ANSI o UTF-8) con %1 en la primera línea.</source>
        <extracomment>%1 is the word that turns printing on, as it stands.</extracomment>
        <translation>la impressió està desactivada: està desat com a «Unicode» (UTF-16) i Tamiro no l&apos;entén. Deseu-lo com a text normal (ANSI o UTF-8) amb %1 a la primera línia.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: sus líneas no terminan como Tamiro espera, y lo lee todo como una sola línea: «%1». Deje en el archivo sólo la palabra %2.</source>
        <extracomment>%1 is the file&apos;s text, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>la impressió està desactivada: les seves línies no acaben com Tamiro espera, i ho llegeix tot com una sola línia: «%1». Deixeu al fitxer només la paraula %2.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea «%1» lleva espacios en blanco. Déjela en %2, sin nada más.</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>la impressió està desactivada: la primera línia «%1» porta espais en blanc. Deixeu-hi només %2, sense res més.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: «%1» lleva tilde. Escriba %2 sin tilde.</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>la impressió està desactivada: «%1» porta accent. Escriviu %2 sense accent.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea está vacía</source>
        <translation>la impressió està desactivada: la primera línia és buida</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea dice «%1» y sólo %2 la activa</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>la impressió està desactivada: la primera línia diu «%1» i només %2 l&apos;activa</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerWindow</name>
    <message>
        <source>Revisar los dibujos de Tamiro</source>
        <extracomment>The window&apos;s title: the name of its entry in the desktop&apos;s menu.</extracomment>
        <translation>Revisar els dibuixos de Tamiro</translation>
    </message>
    <message>
        <source>Lo que verá el niño con la carpeta %1 (de cada dibujo, a la izquierda el coloreado y a la derecha el sin colorear):</source>
        <extracomment>%1 is the content folder reviewed.</extracomment>
        <translation>El que veurà l&apos;infant amb la carpeta %1 (de cada dibuix, a l&apos;esquerra l&apos;acolorit i a la dreta el sense acolorir):</translation>
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
            <numerusform>… i %n línia més: la llista sencera surt amb «%1».</numerusform>
            <numerusform>… i %n línies més: la llista sencera surt amb «%1».</numerusform>
        </translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>tamiro::ChildMessages</name>
    <message>
        <source>No puedo mostrar el dibujo %1 de la carpeta %2: %3.</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the folder&apos;s (its green button), %3 the description of what failed (lower case, without a final stop), from the messages that follow.</extracomment>
        <translation>No puc mostrar el dibuix %1 de la carpeta %2: %3.</translation>
    </message>
    <message>
        <source>no encuentro «%1» ni «%2»</source>
        <extracomment>A description, completing another message: the two files that may hold a coloured drawing, neither of which is there.</extracomment>
        <translation>no trobo «%1» ni «%2»</translation>
    </message>
    <message>
        <source>No puedo cargar el primer tamaño de pincel: %1.</source>
        <extracomment>At start-up. %1 is the description of what failed, lower case.</extracomment>
        <translation>No puc carregar la primera mida de pinzell: %1.</translation>
    </message>
    <message>
        <source>No puedo leer el interruptor de impresión: %1. La impresión queda desactivada.</source>
        <extracomment>At start-up, the file that says whether printing is allowed cannot be read. %1 is the description of what failed, lower case.</extracomment>
        <translation>No puc llegir l&apos;interruptor d&apos;impressió: %1. La impressió queda desactivada.</translation>
    </message>
    <message>
        <source>No puedo cargar el primer puntero: %1.</source>
        <extracomment>At start-up. %1 is the description of what failed, lower case.</extracomment>
        <translation>No puc carregar el primer punter: %1.</translation>
    </message>
    <message>
        <source>No puedo cambiar el tamaño del pincel: %1.</source>
        <extracomment>After a click on the brush-size button. %1 is the description of what failed.</extracomment>
        <translation>No puc canviar la mida del pinzell: %1.</translation>
    </message>
    <message>
        <source>Atención: %1</source>
        <extracomment>After a click on the pointer or the printer button. %1 is the description of what failed.</extracomment>
        <translation>Atenció: %1</translation>
    </message>
    <message>
        <source>No encuentro la imagen de fondo <byte value="xd"/>
ERROR: %1</source>
        <extracomment>At start-up, the background picture fails. The line break is part of the message, and the word ERROR heads its second line. %1 is the description of what failed.</extracomment>
        <translation>No trobo la imatge de fons <byte value="xd"/>
ERROR: %1</translation>
    </message>
</context>
<context>
    <name>tamiro::ColouringWindow</name>
    <message>
        <source>Tamiro ya está abierto, pero no contesta.
</source>
        <extracomment>On the terminal, when the child&apos;s program is started while a copy that does not answer is running.</extracomment>
        <translation>Tamiro ja està obert, però no respon.
</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <extracomment>The accessible name of a green button: it opens drawing folder %1.</extracomment>
        <translation>Carpeta %1</translation>
    </message>
    <message>
        <source>Dibujo siguiente</source>
        <translation>Dibuix següent</translation>
    </message>
    <message>
        <source>Dibujo anterior</source>
        <translation>Dibuix anterior</translation>
    </message>
    <message>
        <source>Tamaño del pincel</source>
        <translation>Mida del pinzell</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Puntero</source>
        <translation>Punter</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimeix</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <extracomment>The drawing the child colours.</extracomment>
        <translation>Dibuix</translation>
    </message>
    <message>
        <source>Animación</source>
        <translation>Animació</translation>
    </message>
</context>
<context>
    <name>tamiro::ContentWriter</name>
    <message>
        <source>no puedo llevar los archivos a la papelera: en este disco, la papelera tiene que estar en «%1», donde usted no puede escribir. Un administrador puede hacer allí una papelera para todos («sudo mkdir %2» y «sudo chmod 1777 %2»)</source>
        <translation>no puc portar els fitxers a la paperera: en aquest disc, la paperera ha de ser a «%1», on no podeu escriure. Un administrador hi pot fer una paperera per a tothom («sudo mkdir %2» i «sudo chmod 1777 %2»)</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta, y ahí tiene que haber una: muévalo a otro sitio y vuelva a intentarlo</source>
        <translation>«%1» no és una carpeta, i allà n&apos;hi ha d&apos;haver una: moveu-lo a un altre lloc i torneu-ho a provar</translation>
    </message>
    <message>
        <source>«%1» no lleva a ninguna carpeta: compruebe adónde lleva y vuelva a intentarlo</source>
        <translation>«%1» no porta a cap carpeta: comproveu on porta i torneu-ho a provar</translation>
    </message>
    <message>
        <source>ya hay un archivo «%1», y no escribo encima de nada: bórrelo o muévalo a otro sitio y vuelva a intentarlo</source>
        <translation>ja hi ha un fitxer «%1», i no escric a sobre de res: esborreu-lo o moveu-lo a un altre lloc i torneu-ho a provar</translation>
    </message>
    <message>
        <source>alguien está cambiando ahora mismo los dibujos de la carpeta «%1»: espere a que termine y vuelva a intentarlo</source>
        <translation>algú està canviant ara mateix els dibuixos de la carpeta «%1»: espereu que acabi i torneu-ho a provar</translation>
    </message>
    <message>
        <source>USUARIO</source>
        <extracomment>Stands for the teacher&apos;s login in a command that an administrator types.</extracomment>
        <translation>USUARI</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1»: pida a un administrador que le dé permiso</source>
        <translation>no teniu permís per escriure a la carpeta «%1»: demaneu a un administrador que us doni permís</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1», que sólo puede cambiar «%2»: pida a un administrador que le dé permiso</source>
        <extracomment>%1 is the folder, %2 the login of the only one who may change it.</extracomment>
        <translation>no teniu permís per escriure a la carpeta «%1», que només pot canviar «%2»: demaneu a un administrador que us doni permís</translation>
    </message>
    <message>
        <source>usted ya está en el grupo «%1», que puede escribir en la carpeta «%2», pero eso vale desde la próxima vez que entre: cierre la sesión, vuelva a entrar y vuelva a intentarlo</source>
        <translation>ja sou al grup «%1», que pot escriure a la carpeta «%2», però això val a partir de la pròxima vegada que entreu: tanqueu la sessió, torneu a entrar i torneu-ho a provar</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1», que es del grupo «%2»: un administrador puede añadirle al grupo con «sudo adduser %3 %2», y vale desde la próxima vez que entre</source>
        <extracomment>%1 is the folder, %2 its group, %3 the teacher&apos;s login: «sudo adduser %3 %2» is a command, typed as it stands.</extracomment>
        <translation>no teniu permís per escriure a la carpeta «%1», que és del grup «%2»: un administrador us pot afegir al grup amb «sudo adduser %3 %2», i val a partir de la pròxima vegada que entreu</translation>
    </message>
    <message>
        <source>la carpeta «%1» es de sólo lectura (por ejemplo, una carpeta compartida del servidor que este ordenador sólo puede leer): añada los dibujos en el ordenador donde se guarda</source>
        <translation>la carpeta «%1» és només de lectura (per exemple, una carpeta compartida del servidor que aquest ordinador només pot llegir): afegiu els dibuixos a l&apos;ordinador on es desa</translation>
    </message>
    <message>
        <source>el disco donde está la carpeta «%1» está lleno: haga sitio (vacíe la papelera o borre lo que ya no necesite) y vuelva a intentarlo</source>
        <translation>el disc on és la carpeta «%1» és ple: feu lloc (buideu la paperera o esborreu el que ja no necessiteu) i torneu-ho a provar</translation>
    </message>
    <message>
        <source>ha llenado el espacio que le toca en el disco donde está la carpeta «%1»: haga sitio (vacíe la papelera o borre lo que ya no necesite) o pida más a un administrador, y vuelva a intentarlo</source>
        <translation>heu omplert l&apos;espai que us correspon al disc on és la carpeta «%1»: feu lloc (buideu la paperera o esborreu el que ja no necessiteu) o demaneu-ne més a un administrador, i torneu-ho a provar</translation>
    </message>
    <message>
        <source>la carpeta «%1» ya no está (¿se ha desconectado el disco o la red?): compruebe que se puede abrir y vuelva a intentarlo</source>
        <translation>la carpeta «%1» ja no hi és (s&apos;ha desconnectat el disc o la xarxa?): comproveu que es pot obrir i torneu-ho a provar</translation>
    </message>
    <message>
        <source>no puedo cambiar la carpeta «%1» (error del sistema %2: %3): vuelva a intentarlo, y si vuelve a pasar, avise a un administrador</source>
        <extracomment>%1 is the folder, %2 the system&apos;s number for what failed, %3 its own words.</extracomment>
        <translation>no puc canviar la carpeta «%1» (error del sistema %2: %3): torneu-ho a provar, i si torna a passar, aviseu un administrador</translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingChanges</name>
    <message>
        <source>no hay carpeta %1: las carpetas de dibujos van de la 1 a la 10</source>
        <translation>no hi ha carpeta %1: les carpetes de dibuixos van de l&apos;1 al 10</translation>
    </message>
    <message>
        <source>la carpeta %1 ya tiene %2 dibujos, los que caben: ponga el dibujo en otra carpeta</source>
        <extracomment>%1 is the folder, %2 the most drawings a folder holds.</extracomment>
        <translation>la carpeta %1 ja té %2 dibuixos, els que hi caben: poseu el dibuix en una altra carpeta</translation>
    </message>
    <message>
        <source>el dibujo nuevo sería el %1 de la carpeta %2, pero ya hay un «%3» en «%4» que no es de ningún dibujo que vea el niño (quizá quedó de una copia que no terminó): bórrelo o muévalo a otro sitio y vuelva a intentarlo</source>
        <extracomment>%1 is the new drawing&apos;s number, %2 the folder, %3 the file in the way, %4 the folder it is in.</extracomment>
        <translation>el dibuix nou seria el %1 de la carpeta %2, però ja hi ha un «%3» a «%4» que no és de cap dibuix que vegi l&apos;infant (potser va quedar d&apos;una còpia que no es va acabar): esborreu-lo o moveu-lo a un altre lloc i torneu-ho a provar</translation>
    </message>
    <message>
        <source>el dibujo coloreado tiene que ser GIF o JPEG, no «%1»</source>
        <translation>el dibuix acolorit ha de ser GIF o JPEG, no «%1»</translation>
    </message>
    <message>
        <source>la carpeta %1 no tiene dibujos que el niño vea</source>
        <translation>la carpeta %1 no té dibuixos que vegi l&apos;infant</translation>
    </message>
    <message>
        <source>la carpeta %1 no tiene dibujo %2: el niño ve los dibujos 1 a %3</source>
        <extracomment>%1 is the folder, %2 the drawing asked for, %3 its last drawing.</extracomment>
        <translation>la carpeta %1 no té dibuix %2: l&apos;infant veu els dibuixos 1 a %3</translation>
    </message>
    <message>
        <source>«%1»</source>
        <extracomment>A file&apos;s name, quoted in a sentence.</extracomment>
        <translation>«%1»</translation>
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
            <numerusform>a «%1» hi ha %n fitxer amb el número %2 (%3), i Tamiro només en fa servir un: deixeu-hi només el que vulgueu i torneu-ho a provar</numerusform>
            <numerusform>a «%1» hi ha %n fitxers amb el número %2 (%3), i Tamiro només en fa servir un: deixeu-hi només el que vulgueu i torneu-ho a provar</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingMaker</name>
    <message>
        <source>no he podido preparar el dibujo: %1</source>
        <extracomment>%1 is what failed, from the descriptions that follow.</extracomment>
        <translation>no he pogut preparar el dibuix: %1</translation>
    </message>
    <message>
        <source>no hay memoria para escribir el GIF</source>
        <translation>no hi ha memòria per escriure el GIF</translation>
    </message>
    <message>
        <source>no se ha podido escribir el GIF</source>
        <translation>no s&apos;ha pogut escriure el GIF</translation>
    </message>
    <message>
        <source>no hay memoria para elegir los colores</source>
        <translation>no hi ha memòria per triar els colors</translation>
    </message>
    <message>
        <source>no se han podido elegir los colores</source>
        <translation>no s&apos;han pogut triar els colors</translation>
    </message>
    <message>
        <source>no se ha podido escribir el JPEG</source>
        <translation>no s&apos;ha pogut escriure el JPEG</translation>
    </message>
    <message>
        <source>sus datos están dañados o incompletos</source>
        <translation>les seves dades estan malmeses o incompletes</translation>
    </message>
    <message>
        <source>no se ha podido descodificar</source>
        <translation>no s&apos;ha pogut descodificar</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande para ser una imagen (%2 MB)</source>
        <translation>el fitxer «%1» és massa gran per ser una imatge (%2 MB)</translation>
    </message>
    <message>
        <source>no es una imagen PNG, JPEG, GIF, BMP, WebP ni SVG</source>
        <translation>no és una imatge PNG, JPEG, GIF, BMP, WebP ni SVG</translation>
    </message>
    <message>
        <source>Parece una foto: el dibujo puede tener demasiado detalle para colorear. Pruebe con menos detalle y líneas más gruesas, o con un dibujo más sencillo.</source>
        <translation>Sembla una foto: el dibuix pot tenir massa detall per acolorir. Proveu amb menys detall i línies més gruixudes, o amb un dibuix més senzill.</translation>
    </message>
    <message>
        <source>El dibujo sin colorear tiene mucho negro (un %1 %). Pruebe con líneas más finas o con menos detalle.</source>
        <extracomment>%1 % is how much of the uncoloured drawing is black.</extracomment>
        <translation>El dibuix sense acolorir té molt de negre (un %1 %). Proveu amb línies més fines o amb menys detall.</translation>
    </message>
    <message>
        <source>El dibujo tiene pocas zonas cerradas que colorear (%1). Pruebe con más detalle o con otro tipo de dibujo.</source>
        <extracomment>%1 is how many parts the child may colour.</extracomment>
        <translation>El dibuix té poques zones tancades per acolorir (%1). Proveu amb més detall o amb un altre tipus de dibuix.</translation>
    </message>
    <message>
        <source>El dibujo tiene demasiadas zonas pequeñas que colorear (%1). Pruebe con menos detalle.</source>
        <extracomment>%1 is how many parts the child may colour.</extracomment>
        <translation>El dibuix té massa zones petites per acolorir (%1). Proveu amb menys detall.</translation>
    </message>
    <message>
        <source>el dibujo SVG enlaza con «%1», fuera de su propio archivo; guárdelo con todo dentro</source>
        <translation>el dibuix SVG enllaça amb «%1», fora del seu propi fitxer; deseu-lo amb tot a dins</translation>
    </message>
    <message>
        <source>el dibujo SVG «%1» es demasiado grande (%2 MB; el máximo es %3 MB)</source>
        <extracomment>%1 is the file, %2 its size, %3 the largest read.</extracomment>
        <translation>el dibuix SVG «%1» és massa gran (%2 MB; el màxim és %3 MB)</translation>
    </message>
    <message>
        <source>declara entidades o su propio tipo de documento, que un dibujo SVG no necesita</source>
        <translation>declara entitats o el seu propi tipus de document, que un dibuix SVG no necessita</translation>
    </message>
    <message>
        <source>el dibujo SVG tiene demasiados elementos (el máximo es %1)</source>
        <translation>el dibuix SVG té massa elements (el màxim és %1)</translation>
    </message>
    <message>
        <source>el dibujo SVG repite sus partes demasiadas veces</source>
        <translation>el dibuix SVG repeteix les seves parts massa vegades</translation>
    </message>
    <message>
        <source>no es un dibujo SVG que se pueda dibujar</source>
        <translation>no és un dibuix SVG que es pugui dibuixar</translation>
    </message>
</context>
<context>
    <name>tamiro::FileProblems</name>
    <message>
        <source>no encuentro el archivo «%1»</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>no trobo el fitxer «%1»</translation>
    </message>
    <message>
        <source>«%1» es una carpeta, no un archivo</source>
        <translation>«%1» és una carpeta, no un fitxer</translation>
    </message>
    <message>
        <source>no puedo abrir el archivo «%1»</source>
        <translation>no puc obrir el fitxer «%1»</translation>
    </message>
    <message>
        <source>no puedo leer el archivo «%1»</source>
        <translation>no puc llegir el fitxer «%1»</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande (%2 bytes; el máximo es %3)</source>
        <extracomment>%1 is the file&apos;s path, %2 its size and %3 the largest size read, in bytes.</extracomment>
        <translation>el fitxer «%1» és massa gran (%2 bytes; el màxim és %3)</translation>
    </message>
</context>
<context>
    <name>tamiro::PictureProblems</name>
    <message>
        <source>no es una animación GIF</source>
        <translation>no és una animació GIF</translation>
    </message>
    <message>
        <source>la animación mide %1 × %2 píxeles y no cabe en la pantalla, de %3 × %4</source>
        <extracomment>%1 × %2 is the animation&apos;s size, %3 × %4 the screen&apos;s.</extracomment>
        <translation>l&apos;animació mesura %1 × %2 píxels i no cap a la pantalla, de %3 × %4</translation>
    </message>
    <message>
        <source>la animación es demasiado larga: %1 fotogramas de %2 × %3 píxeles</source>
        <extracomment>%1 is its number of frames, %2 × %3 their size.</extracomment>
        <translation>l&apos;animació és massa llarga: %1 fotogrames de %2 × %3 píxels</translation>
    </message>
    <message>
        <source>sus datos están dañados o incompletos</source>
        <translation>les seves dades estan malmeses o incompletes</translation>
    </message>
    <message>
        <source>no se ha podido leer</source>
        <translation>no s&apos;ha pogut llegir</translation>
    </message>
    <message>
        <source>no se ha podido descodificar</source>
        <translation>no s&apos;ha pogut descodificar</translation>
    </message>
    <message>
        <source>la imagen «%1» es demasiado grande (%2 × %3 píxeles)</source>
        <extracomment>%1 is the file&apos;s path, %2 × %3 the picture&apos;s size.</extracomment>
        <translation>la imatge «%1» és massa gran (%2 × %3 píxels)</translation>
    </message>
    <message>
        <source>el icono «%1» está dañado: mide %2 × %3 píxeles y un icono no pasa de %4 × %4</source>
        <extracomment>%1 is the file&apos;s path, %2 × %3 the size it says, %4 × %4 the largest an icon has.</extracomment>
        <translation>la icona «%1» està malmesa: mesura %2 × %3 píxels i una icona no passa de %4 × %4</translation>
    </message>
    <message>
        <source>el archivo «%1» no es una imagen válida: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it, from the descriptions that follow.</extracomment>
        <translation>el fitxer «%1» no és una imatge vàlida: %2</translation>
    </message>
    <message>
        <source>no es un icono</source>
        <translation>no és una icona</translation>
    </message>
    <message>
        <source>no es una imagen GIF, JPEG ni BMP</source>
        <translation>no és una imatge GIF, JPEG ni BMP</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande para ser una imagen (%2 MB)</source>
        <extracomment>%1 is the file&apos;s path, %2 its size in megabytes.</extracomment>
        <translation>el fitxer «%1» és massa gran per ser una imatge (%2 MB)</translation>
    </message>
    <message>
        <source>la imagen «%1» tiene demasiadas pasadas (%2; el máximo es %3)</source>
        <extracomment>A JPEG saved in passes, each adding detail: %1 is the file&apos;s path, %2 its number of passes.</extracomment>
        <translation>la imatge «%1» té massa passades (%2; el màxim és %3)</translation>
    </message>
    <message>
        <source>no encuentro la imagen interna «%1»</source>
        <extracomment>A picture built into the program: %1 is its name.</extracomment>
        <translation>no trobo la imatge interna «%1»</translation>
    </message>
    <message>
        <source>el puntero «%1» es demasiado grande: mide %2 × %3 píxeles y no puede pasar de %4 × %4</source>
        <extracomment>%1 is the pointer&apos;s file, %2 × %3 its size, %4 × %4 the largest a pointer may be.</extracomment>
        <translation>el punter «%1» és massa gran: mesura %2 × %3 píxels i no pot passar de %4 × %4</translation>
    </message>
</context>
<context>
    <name>tamiro::PrinterProblems</name>
    <message>
        <source>no hay ninguna impresora predeterminada</source>
        <translation>no hi ha cap impressora predeterminada</translation>
    </message>
    <message>
        <source>la impresora «%1» no puede empezar a imprimir</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>la impressora «%1» no pot començar a imprimir</translation>
    </message>
    <message>
        <source>la impresora «%1» no ha podido terminar el documento</source>
        <translation>la impressora «%1» no ha pogut acabar el document</translation>
    </message>
    <message>
        <source>la impresora «%1» no ha aceptado el documento (%2)</source>
        <extracomment>%1 is the printer&apos;s name, %2 the print system&apos;s answer, in its own words.</extracomment>
        <translation>la impressora «%1» no ha acceptat el document (%2)</translation>
    </message>
</context>
<context>
    <name>tamiro::SoundProblems</name>
    <message>
        <source>está incompleto o sus partes están mal encadenadas</source>
        <translation>és incomplet o les seves parts estan mal encadenades</translation>
    </message>
    <message>
        <source>su cabecera dice que una de sus partes mide %1 bytes</source>
        <translation>la seva capçalera diu que una de les seves parts mesura %1 bytes</translation>
    </message>
    <message>
        <source>no es un archivo WAV</source>
        <translation>no és un fitxer WAV</translation>
    </message>
    <message>
        <source>su cabecera dice que mide %1 bytes</source>
        <translation>la seva capçalera diu que mesura %1 bytes</translation>
    </message>
    <message>
        <source>su cabecera de formato es de un tipo que no se puede tocar</source>
        <extracomment>Its format header is of a kind the sound library cannot play.</extracomment>
        <translation>la seva capçalera de format és d&apos;un tipus que no es pot reproduir</translation>
    </message>
    <message>
        <source>está incompleto</source>
        <translation>és incomplet</translation>
    </message>
    <message>
        <source>no es PCM de 8 o 16 bits</source>
        <translation>no és PCM de 8 o 16 bits</translation>
    </message>
    <message>
        <source>su cabecera dice que tiene %1 canales a %2 Hz</source>
        <extracomment>%1 is the number of channels, %2 the rate, as the file&apos;s header says.</extracomment>
        <translation>la seva capçalera diu que té %1 canals a %2 Hz</translation>
    </message>
    <message>
        <source>tiene %1 canales a %2 Hz, más de lo que el sonido del ordenador admite</source>
        <extracomment>%1 is the number of channels, %2 the rate.</extracomment>
        <translation>té %1 canals a %2 Hz, més del que admet el so de l&apos;ordinador</translation>
    </message>
    <message>
        <source>tiene %1 canales sin decir dónde suena cada uno</source>
        <translation>té %1 canals sense dir on sona cadascun</translation>
    </message>
    <message>
        <source>su parte de sonido está cortada a medias</source>
        <translation>la seva part de so està tallada a mitges</translation>
    </message>
    <message>
        <source>no tiene sonido</source>
        <translation>no té so</translation>
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
        <translation>Ús: tamiro-dibujo --carpeta N [--contenido CARPETA] [--tipo TIPUS] [--pagina PÀGINA] IMATGE...
Converteix cada IMATGE (PNG, JPEG, GIF, BMP, WebP o SVG) en un dibuix per acolorir i
l&apos;afegeix com el dibuix següent de la carpeta N (de l&apos;1 al 10) del contingut de Tamiro
(sense --contenido, la carpeta instal·lada). Escriu una línia per cada dibuix afegit.
  --tipo contorno|sin-contorno|pagina|foto   el tipus d&apos;imatge, en lloc d&apos;endevinar-lo
  --pagina PÀGINA   la pàgina per acolorir de la IMATGE (només amb una IMATGE)
</translation>
    </message>
    <message>
        <source>no conozco la opción «%1»</source>
        <translation>no conec l&apos;opció «%1»</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>a «%1» li falta el valor</translation>
    </message>
    <message>
        <source>la carpeta tiene que ser un número del 1 al 10, no «%1»</source>
        <translation>la carpeta ha de ser un número de l&apos;1 al 10, no «%1»</translation>
    </message>
    <message>
        <source>el tipo tiene que ser contorno, sin-contorno, pagina o foto, no «%1»</source>
        <translation>el tipus ha de ser contorno, sin-contorno, pagina o foto, no «%1»</translation>
    </message>
    <message>
        <source>falta --carpeta N</source>
        <translation>falta --carpeta N</translation>
    </message>
    <message>
        <source>falta al menos una IMAGEN</source>
        <translation>falta almenys una IMATGE</translation>
    </message>
    <message>
        <source>--pagina es la página para colorear de una sola IMAGEN, y hay %1</source>
        <extracomment>%1 is how many pictures were given. --pagina and IMAGEN are the command&apos;s words.</extracomment>
        <translation>--pagina és la pàgina per acolorir d&apos;una sola IMATGE, i n&apos;hi ha %1</translation>
    </message>
    <message>
        <source>con --pagina el dibujo es siempre del tipo pagina</source>
        <translation>amb --pagina el dibuix és sempre del tipus pagina</translation>
    </message>
    <message>
        <source>tamiro-dibujo: %1.</source>
        <extracomment>%1 is what is wrong with the command line, from the messages above.</extracomment>
        <translation>tamiro-dibujo: %1.</translation>
    </message>
    <message>
        <source>No encuentro la carpeta de contenido «%1».</source>
        <translation>No trobo la carpeta de contingut «%1».</translation>
    </message>
    <message>
        <source>Aviso sobre «%1»: %2</source>
        <extracomment>%1 is the picture, %2 the drawing maker&apos;s warning about it.</extracomment>
        <translation>Avís sobre «%1»: %2</translation>
    </message>
    <message>
        <source>No añado «%1»: %2.</source>
        <extracomment>%1 is the picture, %2 why it is not added.</extracomment>
        <translation>No afegeixo «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::DrawingList</name>
    <message>
        <source>Dibujos de la carpeta</source>
        <translation>Dibuixos de la carpeta</translation>
    </message>
    <message>
        <source>Dibujo %1</source>
        <translation>Dibuix %1</translation>
    </message>
    <message>
        <source>El niño verá: «%1»</source>
        <extracomment>%1 is the message the child is shown instead of the drawing.</extracomment>
        <translation>L&apos;infant veurà: «%1»</translation>
    </message>
    <message>
        <source>Dibujo %1: sin problemas.</source>
        <translation>Dibuix %1: sense problemes.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::DrawingsWindow</name>
    <message>
        <source>Dibujos de Tamiro</source>
        <translation>Dibuixos de Tamiro</translation>
    </message>
    <message>
        <source>&amp;Añadir dibujo...</source>
        <translation>&amp;Afegeix un dibuix...</translation>
    </message>
    <message>
        <source>Elegir una imagen y hacer con ella un dibujo nuevo. También puede arrastrar imágenes a esta ventana o a una carpeta.</source>
        <translation>Tria una imatge i en fa un dibuix nou. També podeu arrossegar imatges a aquesta finestra o a una carpeta.</translation>
    </message>
    <message>
        <source>&amp;Quitar</source>
        <translation>&amp;Treu</translation>
    </message>
    <message>
        <source>Mandar el dibujo elegido a la papelera (tecla Supr)</source>
        <translation>Envia el dibuix triat a la paperera (tecla Supr)</translation>
    </message>
    <message>
        <source>◀ A&amp;ntes</source>
        <translation>◀ A&amp;bans</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto antes</source>
        <translation>Mou el dibuix un lloc abans</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto antes (Ctrl+Izquierda)</source>
        <translation>Mou el dibuix un lloc abans (Ctrl+Esquerra)</translation>
    </message>
    <message>
        <source>Des&amp;pués ▶</source>
        <translation>Des&amp;prés ▶</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto después</source>
        <translation>Mou el dibuix un lloc després</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto después (Ctrl+Derecha)</source>
        <translation>Mou el dibuix un lloc després (Ctrl+Dreta)</translation>
    </message>
    <message>
        <source>Aquí no se pueden añadir, mover ni quitar dibujos: %1</source>
        <extracomment>%1 is why the folder cannot be written (a sentence of its own, with or without its final stop).</extracomment>
        <translation>Aquí no es poden afegir, moure ni treure dibuixos: %1</translation>
    </message>
    <message>
        <source>Aquí no se pueden añadir, mover ni quitar dibujos: %1.</source>
        <translation>Aquí no es poden afegir, moure ni treure dibuixos: %1.</translation>
    </message>
    <message>
        <source>Archivos que el niño no verá nunca</source>
        <translation>Fitxers que l&apos;infant no veurà mai</translation>
    </message>
    <message>
        <source>Lo que dice la revisión</source>
        <translation>El que diu la revisió</translation>
    </message>
    <message>
        <source>La carpeta %1 no tiene dibujos que el niño vea. Añada uno con «Añadir dibujo...» o arrastrando una imagen aquí.</source>
        <translation>La carpeta %1 no té dibuixos que vegi l&apos;infant. Afegiu-ne un amb «Afegeix un dibuix...» o arrossegant una imatge aquí.</translation>
    </message>
    <message>
        <source>La carpeta %1 no tiene dibujos que el niño vea.</source>
        <translation>La carpeta %1 no té dibuixos que vegi l&apos;infant.</translation>
    </message>
    <message>
        <source>Carpeta %1: sus dibujos en el orden en que los encuentra el niño. Para cambiar el orden, arrastre uno a otro sitio.</source>
        <translation>Carpeta %1: els seus dibuixos en l&apos;ordre en què els troba l&apos;infant. Per canviar l&apos;ordre, arrossegueu-ne un a un altre lloc.</translation>
    </message>
    <message>
        <source>Carpeta %1: sus dibujos en el orden en que los encuentra el niño.</source>
        <translation>Carpeta %1: els seus dibuixos en l&apos;ordre en què els troba l&apos;infant.</translation>
    </message>
    <message>
        <source>Archivos de la carpeta %1 que el niño no verá nunca:</source>
        <translation>Fitxers de la carpeta %1 que l&apos;infant no veurà mai:</translation>
    </message>
    <message>
        <source>Elija un dibujo para ver lo que dice de él la revisión.</source>
        <translation>Trieu un dibuix per veure què en diu la revisió.</translation>
    </message>
    <message>
        <source>«%1», sin versión sin colorear</source>
        <extracomment>The drawing&apos;s files: %1 the coloured one, %2 the uncoloured one.</extracomment>
        <translation>«%1», falta la versió sense acolorir</translation>
    </message>
    <message>
        <source>«%1» y «%2»</source>
        <translation>«%1» i «%2»</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): 
%3</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files, %3 the checker&apos;s lines about it, one under another.</extracomment>
        <translation>Dibuix %1 (%2): 
%3</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): el niño verá «%3».</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files, %3 what the child will see instead.</extracomment>
        <translation>Dibuix %1 (%2): l&apos;infant veurà «%3».</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): sin problemas.</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files.</extracomment>
        <translation>Dibuix %1 (%2): sense problemes.</translation>
    </message>
    <message>
        <source>Añadir dibujo a la carpeta %1</source>
        <translation>Afegeix un dibuix a la carpeta %1</translation>
    </message>
    <message>
        <source>No se pueden añadir dibujos</source>
        <translation>No es poden afegir dibuixos</translation>
    </message>
    <message>
        <source>%1 (%2 de %3)</source>
        <extracomment>The preview&apos;s title: %1 says which picture is added, %2 of %3 is its place in the queue.</extracomment>
        <translation>%1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Guardado como dibujo %1 de la carpeta %2.</source>
        <translation>S&apos;ha desat com a dibuix %1 de la carpeta %2.</translation>
    </message>
    <message>
        <source>Moviendo el dibujo %1 al puesto %2…</source>
        <translation>S&apos;està movent el dibuix %1 al lloc %2…</translation>
    </message>
    <message>
        <source>El dibujo %1 es ahora el %2 de la carpeta %3.</source>
        <translation>Ara el dibuix %1 és el %2 de la carpeta %3.</translation>
    </message>
    <message>
        <source>No se ha movido el dibujo</source>
        <translation>No s&apos;ha mogut el dibuix</translation>
    </message>
    <message>
        <source>Quitar el dibujo</source>
        <translation>Treu el dibuix</translation>
    </message>
    <message>
        <source>¿Quitar el dibujo %1 de la carpeta %2?</source>
        <translation>Voleu treure el dibuix %1 de la carpeta %2?</translation>
    </message>
    <message>
        <source>Sus dos archivos irán a la papelera, de donde se pueden recuperar. Los dibujos que van detrás avanzan un puesto.</source>
        <translation>Els seus dos fitxers aniran a la paperera, d&apos;on es poden recuperar. Els dibuixos que van al darrere avancen un lloc.</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Treu</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Quitando el dibujo %1…</source>
        <translation>S&apos;està traient el dibuix %1…</translation>
    </message>
    <message>
        <source>El dibujo %1 de la carpeta %2 está en la papelera.</source>
        <translation>El dibuix %1 de la carpeta %2 és a la paperera.</translation>
    </message>
    <message>
        <source>No se ha quitado el dibujo</source>
        <translation>No s&apos;ha tret el dibuix</translation>
    </message>
    <message>
        <source>Si un niño pasa de dibujo en esta carpeta justo ahora, puede ver un momento los colores de un dibujo con las líneas de otro (en una carpeta compartida de la red, volver al dibujo 1 o un aviso de que no se puede mostrar); al pasar al siguiente, todo vuelve a estar bien.</source>
        <translation>Si un infant passa de dibuix en aquesta carpeta just ara, pot veure un moment els colors d&apos;un dibuix amb les línies d&apos;un altre (en una carpeta compartida de la xarxa, tornar al dibuix 1 o un avís que no es pot mostrar); en passar al següent, tot torna a estar bé.</translation>
    </message>
    <message>
        <source>No encuentro la carpeta de contenido «%1».</source>
        <translation>No trobo la carpeta de contingut «%1».</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::FolderList</name>
    <message>
        <source>Carpetas</source>
        <translation>Carpetes</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <translation>Carpeta %1</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewDialog</name>
    <message>
        <source>con contorno</source>
        <translation>amb contorn</translation>
    </message>
    <message>
        <source>sin contorno</source>
        <translation>sense contorn</translation>
    </message>
    <message>
        <source>página para colorear</source>
        <translation>pàgina per acolorir</translation>
    </message>
    <message>
        <source>foto</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>automático</source>
        <translation>automàtic</translation>
    </message>
    <message>
        <source>Imágenes (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)</source>
        <translation>Imatges (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)</translation>
    </message>
    <message>
        <source>Añadir «%1»</source>
        <translation>Afegeix «%1»</translation>
    </message>
    <message>
        <source>Coloreado: lo que descubre el niño al pintar</source>
        <translation>Acolorit: el que descobreix l&apos;infant en pintar</translation>
    </message>
    <message>
        <source>Sin colorear: lo que ve al empezar</source>
        <translation>Sense acolorir: el que veu en començar</translation>
    </message>
    <message>
        <source>Vista previa del dibujo</source>
        <translation>Previsualització del dibuix</translation>
    </message>
    <message>
        <source>Preparando el dibujo…</source>
        <translation>S&apos;està preparant el dibuix…</translation>
    </message>
    <message>
        <source>Ver los dos &amp;enteros, más pequeños</source>
        <translation>Mostra els dos s&amp;encers, més petits</translation>
    </message>
    <message>
        <source>Tipo de imagen</source>
        <translation>Tipus d&apos;imatge</translation>
    </message>
    <message>
        <source>Tipo de imagen:</source>
        <translation>Tipus d&apos;imatge:</translation>
    </message>
    <message>
        <source>Grosor de las líneas</source>
        <translation>Gruix de les línies</translation>
    </message>
    <message>
        <source>Detalle</source>
        <translation>Detall</translation>
    </message>
    <message>
        <source>Grosor de las &amp;líneas:</source>
        <translation>Gruix de les &amp;línies:</translation>
    </message>
    <message>
        <source>&amp;Detalle:</source>
        <translation>&amp;Detall:</translation>
    </message>
    <message>
        <source>&amp;Página para colorear...</source>
        <translation>&amp;Pàgina per acolorir...</translation>
    </message>
    <message>
        <source>Elegir la página para colorear que va con esta imagen coloreada</source>
        <translation>Tria la pàgina per acolorir que va amb aquesta imatge acolorida</translation>
    </message>
    <message>
        <source>&amp;Sin página</source>
        <translation>&amp;Sense pàgina</translation>
    </message>
    <message>
        <source>Hacer las líneas con la imagen sola</source>
        <translation>Fa les línies només amb la imatge</translation>
    </message>
    <message>
        <source>&amp;Carpeta:</source>
        <translation>&amp;Carpeta:</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <translation>Carpeta %1</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>&amp;Guardar como dibujo n.º %1 de la carpeta %2</source>
        <extracomment>%1 is the number the new drawing takes, %2 the folder.</extracomment>
        <translation>Des&amp;a com a dibuix núm. %1 de la carpeta %2</translation>
    </message>
    <message>
        <source>&amp;Guardar en la carpeta %1</source>
        <translation>Des&amp;a a la carpeta %1</translation>
    </message>
    <message>
        <source>Las líneas salen de la página «%1».</source>
        <translation>Les línies surten de la pàgina «%1».</translation>
    </message>
    <message>
        <source>¿Tiene también la página para colorear de esta imagen? Elíjala y las líneas saldrán de ella.</source>
        <translation>Teniu també la pàgina per acolorir d&apos;aquesta imatge? Trieu-la i les línies en sortiran.</translation>
    </message>
    <message>
        <source>Automático: %1</source>
        <extracomment>%1 is the kind of picture the maker sees (&quot;con contorno&quot;, &quot;foto&quot;...).</extracomment>
        <translation>Automàtic: %1</translation>
    </message>
    <message numerus="yes">
        <source>Tipo: %1. %2 × %3 píxeles, %n zona(s) para colorear.</source>
        <extracomment>%1 is the kind of drawing (&quot;con contorno&quot;, &quot;foto&quot;...), %2 × %3 its size, %n how many parts the child may colour.</extracomment>
        <translation>
            <numerusform>Tipus: %1. %2 × %3 píxels, %n zona per acolorir.</numerusform>
            <numerusform>Tipus: %1. %2 × %3 píxels, %n zones per acolorir.</numerusform>
        </translation>
    </message>
    <message>
        <source>Página para colorear de «%1»</source>
        <translation>Pàgina per acolorir de «%1»</translation>
    </message>
    <message>
        <source>No se puede usar esta página</source>
        <translation>No es pot fer servir aquesta pàgina</translation>
    </message>
    <message>
        <source>No se puede usar esta imagen</source>
        <translation>No es pot fer servir aquesta imatge</translation>
    </message>
    <message>
        <source>No se ha guardado el dibujo</source>
        <translation>No s&apos;ha desat el dibuix</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewMaker</name>
    <message>
        <source>No hay memoria bastante para preparar este dibujo. Pruebe con una imagen más pequeña.</source>
        <translation>No hi ha prou memòria per preparar aquest dibuix. Proveu amb una imatge més petita.</translation>
    </message>
</context>
</TS>
