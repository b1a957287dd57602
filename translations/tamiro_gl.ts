<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl_ES" sourcelanguage="es">
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <extracomment>Qt&apos;s text: the file chooser of the teacher&apos;s window.</extracomment>
        <translation>Procurar en:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adiante</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Cartafol superior</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Crear un cartafol novo</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vista de detalles</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nome do ficheiro:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Ficheiros do tipo:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Mudar o nome</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Mostrar os ficheiros &amp;acochados</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Novo cartafol</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Novo cartafol</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <extracomment>Qt&apos;s text: the columns of the file chooser&apos;s detail view.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificación</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Qt&apos;s text: the menu of a text field (the file chooser&apos;s name).</extracomment>
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>A&amp;pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Escoller todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s text: the button of a message box (the child&apos;s, the teacher&apos;s window&apos;s).</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s text: the button of the file chooser (the teacher&apos;s window).</extracomment>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <extracomment>Qt&apos;s text: the menu of a scroll bar (its right button).</extracomment>
        <translation>Desprazar cara aquí</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Cume</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Borde esquerdo</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Borde dereito</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Páxina en riba</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Páxina en baixo</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Páxina á esquerda</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Páxina á dereita</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Desprazar cara arriba</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Desprazar cara abaixo</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Desprazar cara á esquerda</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Desprazar cara á dereita</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Qt&apos;s text: the menu of a text the teacher may select (the teacher&apos;s window).</extracomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Escoller todo</translation>
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
        <translation>Uso: tamiro-revisar [--texto | --ventana] [CARTAFOL]
Revisa o cartafol de contido de Tamiro (sen CARTAFOL, o instalado)
e di, ficheiro por ficheiro, o que verá o neno.
</translation>
    </message>
    <message>
        <source>No encuentro la carpeta «%1».</source>
        <extracomment>%1 is the folder given on the command line.</extracomment>
        <translation>Non atopo o cartafol «%1».</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerDrawings</name>
    <message numerus="yes">
        <source>el botón %1 enseña %n dibujo(s): %2</source>
        <extracomment>%1 is the green button, %n how many drawings it shows, %2 their numbers (&quot;1 a 3&quot;, &quot;1, 2 y 5&quot;).</extracomment>
        <translation>
            <numerusform>o botón %1 mostra %n debuxo: %2</numerusform>
            <numerusform>o botón %1 mostra %n debuxos: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>el botón %1 no enseña ningún dibujo</source>
        <translation>o botón %1 non mostra ningún debuxo</translation>
    </message>
    <message>
        <source>no existe la carpeta, o está vacía, y al pulsar el botón %1 el niño verá «%2». Cree en ella las carpetas «%3» y «%4» y ponga en ellas los dibujos 1, 2, 3…</source>
        <extracomment>%1 is the green button, %2 the child&apos;s message, %3 and %4 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>o cartafol non existe, ou está baleiro, e ao premer o botón %1 o neno verá «%2». Cree nel os cartafoles «%3» e «%4» e poña neles os debuxos 1, 2, 3…</translation>
    </message>
    <message>
        <source>no hay dibujo 1 («%3» o «%4» en «%5»), y al pulsar el botón %1 o al volver a empezar la serie el niño verá «%2». Ponga un dibujo con el número 1 en «%5», y su versión sin colorear en «%6».</source>
        <extracomment>%1 is the green button, %2 the child&apos;s message, %3 and %4 the two names drawing 1 may have, %5 and %6 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>non hai debuxo 1 («%3» ou «%4» en «%5»), e ao premer o botón %1 ou ao comezar de novo a serie o neno verá «%2». Poña un debuxo co número 1 en «%5», e a súa versión sen colorear en «%6».</translation>
    </message>
    <message>
        <source>sin dibujo 1, la flecha «anterior» no encuentra el último dibujo y se queda en el 0, y el niño verá «%1». Ponga un dibujo con el número 1 en «%2», y su versión sin colorear en «%3».</source>
        <extracomment>The previous arrow at start-up, in a folder without drawing 1. %1 is the child&apos;s message, %2 and %3 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>sen debuxo 1, a frecha «anterior» non atopa o último debuxo e queda no 0, e o neno verá «%1». Poña un debuxo co número 1 en «%2», e a súa versión sen colorear en «%3».</translation>
    </message>
    <message>
        <source>no hay dibujo %1, y al llegar a él el niño verá «%2». Ponga un dibujo con el número %1 en «%3», y su versión sin colorear en «%4».</source>
        <extracomment>%1 is the missing drawing&apos;s number, %2 the child&apos;s message, %3 and %4 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>non hai debuxo %1, e ao chegar a el o neno verá «%2». Poña un debuxo co número %1 en «%3», e a súa versión sen colorear en «%4».</translation>
    </message>
    <message>
        <source>no se puede abrir, y al llegar al dibujo %1 el niño verá «%2». %3</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the child&apos;s message, %3 what to do about it.</extracomment>
        <translation>non se pode abrir, e ao chegar ao debuxo %1 o neno verá «%2». %3</translation>
    </message>
    <message>
        <source>es la versión sin colorear del dibujo %1, pero Tamiro sólo la busca como «%2», y al llegar al dibujo el niño verá «%3». Guárdela como GIF con el nombre «%2».</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the name Tamiro looks for, %3 the child&apos;s message.</extracomment>
        <translation>é a versión sen colorear do debuxo %1, pero Tamiro só a busca como «%2», e ao chegar ao debuxo o neno verá «%3». Gárdea como GIF co nome «%2».</translation>
    </message>
    <message>
        <source>falta su versión sin colorear, y al llegar al dibujo %1 el niño verá «%2». Guarde la versión sin colorear como «%3» en «%4».</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the child&apos;s message, %3 the name to save the uncoloured drawing as, %4 the folder to save it in.</extracomment>
        <translation>falta a súa versión sen colorear, e ao chegar ao debuxo %1 o neno verá «%2». Garde a versión sen colorear como «%3» en «%4».</translation>
    </message>
    <message>
        <source>mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. El coloreado es una foto con una marca de giro de la cámara: el visor de fotos la enseña girada, pero Tamiro la enseña tal como está guardada. Ábrala con un programa de dibujo, gírela como debe verse y guárdela de nuevo.</source>
        <extracomment>The uncoloured drawing: %1 its size, %2 the coloured drawing&apos;s name, %3 its size.</extracomment>
        <translation>mide %1 e o coloreado «%2» mide %3: ao colorear non coinciden. O coloreado é unha foto cunha marca de xiro da cámara: o visor de fotos móstraa xirada, pero Tamiro móstraa tal como está gardada. Ábraa cun programa de debuxo, xírea como debe verse e gárdea de novo.</translation>
    </message>
    <message>
        <source>mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. Guarde los dos con el mismo tamaño.</source>
        <extracomment>The uncoloured drawing: %1 its size, %2 the coloured drawing&apos;s name, %3 its size.</extracomment>
        <translation>mide %1 e o coloreado «%2» mide %3: ao colorear non coinciden. Garde os dous co mesmo tamaño.</translation>
    </message>
    <message>
        <source>tiene partes transparentes, y por ellas se verán los colores antes de pintar. Guárdelo sin transparencia, con el fondo blanco.</source>
        <translation>ten partes transparentes, e por elas veranse as cores antes de pintar. Gárdeo sen transparencia, co fondo branco.</translation>
    </message>
    <message>
        <source>se cortará por abajo</source>
        <extracomment>What happens to a drawing too large for the screen, in &quot;en una pantalla de 1024 × 768 %3&quot;.</extracomment>
        <translation>cortarase por abaixo</translation>
    </message>
    <message>
        <source>se cortará por los lados</source>
        <translation>cortarase polos lados</translation>
    </message>
    <message>
        <source>la animación quedará fuera de la pantalla</source>
        <translation>a animación quedará fóra da pantalla</translation>
    </message>
    <message>
        <source>mide %1 píxeles y en una pantalla de %2 %3. Redúzcalo a %4 como mucho.</source>
        <extracomment>%1 is the drawing&apos;s size, %2 the screen&apos;s, %3 what happens (its parts are cut, the animation does not fit), %4 the largest size that fits.</extracomment>
        <translation>mide %1 píxeles e nunha pantalla de %2 %3. Redúzao a %4 como moito.</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerNeverSeen</name>
    <message>
        <source>no se verá nunca: es una carpeta, y aquí Tamiro sólo busca archivos. Muévala a otro sitio.</source>
        <translation>non se verá nunca: é un cartafol, e aquí Tamiro só busca ficheiros. Móvao a outro sitio.</translation>
    </message>
    <message>
        <source>no se verá nunca: es un enlace a algo que ya no existe. Bórrelo y copie aquí el archivo de verdad.</source>
        <translation>non se verá nunca: é unha ligazón a algo que xa non existe. Bórrea e copie aquí o ficheiro de verdade.</translation>
    </message>
    <message>
        <source>no se verá nunca: no es un archivo corriente. Bórrelo.</source>
        <translation>non se verá nunca: non é un ficheiro normal. Bórreo.</translation>
    </message>
    <message>
        <source>no se verá nunca: es un archivo oculto (su nombre empieza por un punto) y Tamiro no lo ve. Quítele el punto del principio.</source>
        <translation>non se verá nunca: é un ficheiro oculto (o seu nome comeza por un punto) e Tamiro non o ve. Quítelle o punto do principio.</translation>
    </message>
    <message>
        <source>no se verá nunca: es lo que dejó a medias un cambio de los dibujos que no terminó (quizá se apagó el ordenador mientras se añadía o se ordenaba un dibujo). Bórrelo, y si falta algún dibujo, vuelva a añadirlo.</source>
        <translation>non se verá nunca: é o que deixou a medias un cambio dos debuxos que non rematou (quizais se apagou o ordenador mentres se engadía ou se ordenaba un debuxo). Bórreo e, se falta algún debuxo, volva engadilo.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el dibujo %1. Póngalo en otra carpeta.</source>
        <extracomment>%1 is the largest number Tamiro reaches.</extracomment>
        <translation>non se verá nunca: Tamiro só chega ata o debuxo %1. Póñao noutro cartafol.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>non se verá nunca: falta o debuxo 1, e sen el non se chega a ningún outro. Poña o 1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing drawing&apos;s number, %2 the one before it.</extracomment>
        <translation>non se verá nunca: falta o debuxo %1 e a serie volve ao 1 despois do %2. Poña o %1 que falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay dibujo %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>Of a coloured drawing: %1 is its number.</extracomment>
        <translation>non se verá nunca: non hai debuxo %1 que o use. Bórreo, ou poña o que lle falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el dibujo coloreado %1. Póngalo en otra carpeta.</source>
        <extracomment>Of an uncoloured drawing, whose coloured drawing is missing: %1 is the largest number Tamiro reaches.</extracomment>
        <translation>non se verá nunca: Tamiro só chega ata o debuxo coloreado %1. Póñao noutro cartafol.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo coloreado 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>non se verá nunca: falta o debuxo coloreado 1, e sen el non se chega a ningún outro. Poña o 1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo coloreado %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing coloured drawing&apos;s number, %2 the one before it.</extracomment>
        <translation>non se verá nunca: falta o debuxo coloreado %1 e a serie volve ao 1 despois do %2. Poña o %1 que falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay dibujo coloreado %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>Of an uncoloured drawing: %1 is its number.</extracomment>
        <translation>non se verá nunca: non hai debuxo coloreado %1 que o use. Bórreo, ou poña o que lle falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el número %1. Póngalo en otra carpeta.</source>
        <extracomment>Of an animation, a brush size or a pointer: %1 is the largest number Tamiro reaches.</extracomment>
        <translation>non se verá nunca: Tamiro só chega ata o número %1. Póñao noutro cartafol.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el número 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>non se verá nunca: falta o número 1, e sen el non se chega a ningún outro. Poña o 1.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el número %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing number, %2 the one before it.</extracomment>
        <translation>non se verá nunca: falta o número %1 e a serie volve ao 1 despois do %2. Poña o %1 que falta.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay número %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>%1 is its number.</extracomment>
        <translation>non se verá nunca: non hai número %1 que o use. Bórreo, ou poña o que lle falta.</translation>
    </message>
    <message numerus="yes">
        <source>no se verá nunca: hay %n archivo(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n files that Tamiro takes for one: %1 names them, %2 the one it uses.</extracomment>
        <translation>
            <numerusform>non se verá nunca: hai %n ficheiro que Tamiro confunde: %1; usa «%2». Deixe só un.</numerusform>
            <numerusform>non se verá nunca: hai %n ficheiros que Tamiro confunde: %1; usa «%2». Deixe só un.</numerusform>
        </translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo lee aquí archivos %1. Guárdelo como %2 con el nombre «%3».</source>
        <extracomment>%1 the kinds of file read here (&quot;.gif y .jpg&quot;), %2 the kind to save it as, %3 the name to save it with.</extracomment>
        <translation>non se verá nunca: aquí Tamiro só le ficheiros %1. Gárdeo como %2 co nome «%3».</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo lee aquí archivos %1 con un número por nombre. Si no es para Tamiro, muévalo a otro sitio.</source>
        <extracomment>%1 the kinds of file read here (&quot;.gif y .jpg&quot;).</extracomment>
        <translation>non se verá nunca: aquí Tamiro só le ficheiros %1 cun número por nome. Se non é para Tamiro, móvao a outro sitio.</translation>
    </message>
    <message>
        <source>no se verá nunca: el nombre tiene que ser un número (1, 2, 3…). Cámbieselo por el número que le toque.</source>
        <translation>non se verá nunca: o nome ten que ser un número (1, 2, 3…). Póñalle de nome o número que lle corresponda.</translation>
    </message>
    <message>
        <source>no se verá nunca: el número está mal escrito (con ceros delante o con signo). Cámbiele el nombre a «%1».</source>
        <extracomment>%1 is the name it should have.</extracomment>
        <translation>non se verá nunca: o número está mal escrito (con ceros diante ou con signo). Cámbielle o nome a «%1».</translation>
    </message>
    <message>
        <source>no se verá nunca: los números empiezan en 1. Cámbiele el número.</source>
        <translation>non se verá nunca: os números comezan no 1. Cámbielle o número.</translation>
    </message>
    <message>
        <source>no se verá nunca: con el número %1 ya se usa «%2» (el GIF va antes que el JPEG). Bórrelo o cámbiele el número.</source>
        <extracomment>%1 is the file&apos;s number, %2 the file Tamiro uses for it.</extracomment>
        <translation>non se verá nunca: co número %1 xa se usa «%2» (o GIF ten prioridade sobre o JPEG). Bórreo ou cámbielle o número.</translation>
    </message>
    <message>
        <source>no se verá nunca: está en «%1», una carpeta que Tamiro confunde con «%2», la que usa. Pase el dibujo a «%2» y borre «%1».</source>
        <extracomment>%1 is a folder Tamiro takes for %2, the one it uses.</extracomment>
        <translation>non se verá nunca: está en «%1», un cartafol que Tamiro confunde con «%2», o que usa. Pase o debuxo a «%2» e borre «%1».</translation>
    </message>
    <message>
        <source>no se verá nunca: en cada carpeta de dibujos Tamiro sólo mira «%1» y «%2». Muévalo a una de ellas o a otro sitio.</source>
        <extracomment>%1 and %2 are the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>non se verá nunca: en cada cartafol de debuxos Tamiro só mira «%1» e «%2». Móvao a un deles ou a outro sitio.</translation>
    </message>
    <message>
        <source>no se verá nunca: los diez botones abren las carpetas 1 a 10 de «%1». Pase lo que quiera enseñar a una de ellas.</source>
        <extracomment>%1 is the name of the folder of drawing folders.</extracomment>
        <translation>non se verá nunca: os dez botóns abren os cartafoles 1 a 10 de «%1». Pase o que queira mostrar a un deles.</translation>
    </message>
    <message numerus="yes">
        <source>no se usará nunca: hay %n nombre(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n names that Tamiro takes for one: %1 lists them, %2 is the one it uses.</extracomment>
        <translation>
            <numerusform>non se usará nunca: hai %n nome que Tamiro confunde: %1; usa «%2». Deixe só un.</numerusform>
            <numerusform>non se usará nunca: hai %n nomes que Tamiro confunde: %1; usa «%2». Deixe só un.</numerusform>
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
        <translation>%1 e %2</translation>
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
        <translation>GIF ou JPEG</translation>
    </message>
    <message>
        <source>icono (.ico) de 32 × 32</source>
        <translation>icona (.ico) de 32 × 32</translation>
    </message>
    <message>
        <source>Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por ejemplo). Redúzcalo a %3 como mucho y guárdelo como %4.</source>
        <extracomment>%1 millions of pixels at most, such as %2 × %2; %3 the size the drawing fits the screen at, %4 the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;).</extracomment>
        <translation>Tamiro non abre imaxes de máis de %1 millóns de píxeles (%2 × %2, por exemplo). Redúzao a %3 como moito e gárdeo como %4.</translation>
    </message>
    <message>
        <source>Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por ejemplo). Redúzcalo y guárdelo como %3.</source>
        <extracomment>%1 millions of pixels at most, such as %2 × %2; %3 the kind of file to save it as.</extracomment>
        <translation>Tamiro non abre imaxes de máis de %1 millóns de píxeles (%2 × %2, por exemplo). Redúzao e gárdeo como %3.</translation>
    </message>
    <message>
        <source>Es de otro tipo aunque se llame así: ábralo con un programa de dibujo y guárdelo como %1.</source>
        <extracomment>%1 is the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;, an icon).</extracomment>
        <translation>É doutro tipo aínda que se chame así: ábrao cun programa de debuxo e gárdeo como %1.</translation>
    </message>
    <message>
        <source>Ábralo con un programa de dibujo y guárdelo de nuevo como %1.</source>
        <extracomment>%1 is the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;, an icon).</extracomment>
        <translation>Ábrao cun programa de debuxo e gárdeo de novo como %1.</translation>
    </message>
    <message>
        <source>Guárdela más pequeña: junto al dibujo se ve en unos 90 × 90 píxeles.</source>
        <translation>Gárdea máis pequena: xunto ao debuxo vese nuns 90 × 90 píxeles.</translation>
    </message>
    <message>
        <source>Guárdela con menos fotogramas (%1 como mucho) o más pequeña.</source>
        <extracomment>%1 is the most frames an animation may have.</extracomment>
        <translation>Gárdea con menos fotogramas (%1 como moito) ou máis pequena.</translation>
    </message>
    <message>
        <source>Guárdela como GIF animado con el nombre «%1».</source>
        <extracomment>%1 is the animation&apos;s file name.</extracomment>
        <translation>Gárdea como GIF animado co nome «%1».</translation>
    </message>
    <message>
        <source>Ábrala con un programa de dibujo y guárdela de nuevo como GIF animado.</source>
        <translation>Ábraa cun programa de debuxo e gárdea de novo como GIF animado.</translation>
    </message>
    <message numerus="yes">
        <source>%n dibujo(s) en los diez botones</source>
        <extracomment>How many drawings the child meets, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n debuxo nos dez botóns</numerusform>
            <numerusform>%n debuxos nos dez botóns</numerusform>
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
    <message>
        <source>Todo en orden: %1, y nada fallará.</source>
        <extracomment>The report&apos;s last line. %1 is how many drawings the child meets.</extracomment>
        <translation>Todo en orde: %1, e nada fallará.</translation>
    </message>
    <message>
        <source>Nada fallará: %1, con %2 que conviene mirar.</source>
        <extracomment>The report&apos;s last line. %1 is how many drawings the child meets, %2 how many warnings there are.</extracomment>
        <translation>Nada fallará: %1, con %2 que convén mirar.</translation>
    </message>
    <message>
        <source>%1 y %2; %3.</source>
        <extracomment>The report&apos;s last line: %1 how many things will fail, %2 how many warnings there are, %3 how many drawings the child meets.</extracomment>
        <translation>%1 e %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n cosa(s) fallará(n)</source>
        <extracomment>How many things will fail, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n cousa fallará</numerusform>
            <numerusform>%n cousas fallarán</numerusform>
        </translation>
    </message>
    <message>
        <source>Todo en orden en la carpeta %1: nada fallará.</source>
        <extracomment>The teacher&apos;s window, under a folder&apos;s drawings: %1 is the folder.</extracomment>
        <translation>Todo en orde no cartafol %1: nada fallará.</translation>
    </message>
    <message>
        <source>Nada fallará en la carpeta %1, con %2 que conviene mirar.</source>
        <extracomment>%1 is the folder, %2 how many warnings there are (&quot;2 avisos&quot;).</extracomment>
        <translation>Nada fallará no cartafol %1, con %2 que convén mirar.</translation>
    </message>
    <message>
        <source>En la carpeta %1, %2.</source>
        <extracomment>%1 is the folder, %2 how many things will fail (&quot;2 cosas fallarán&quot;).</extracomment>
        <translation>No cartafol %1, %2.</translation>
    </message>
    <message>
        <source>En la carpeta %1, %2 y %3.</source>
        <extracomment>%1 is the folder, %2 how many things will fail, %3 how many warnings there are.</extracomment>
        <translation>No cartafol %1, %2 e %3.</translation>
    </message>
    <message>
        <source>Aviso</source>
        <extracomment>Heads a line of the report: something will not be seen or will not fit. The report shows it in capitals in its first column, with the file names lined up after it: five letters at most keep them where they are in Spanish.</extracomment>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Falla</source>
        <extracomment>Heads a line of the report: something will fail. Shown in capitals in the report&apos;s first column: five letters at most.</extracomment>
        <translation>Falla</translation>
    </message>
    <message>
        <source>Lo que verá el niño con la carpeta %1:</source>
        <extracomment>The report&apos;s first line: %1 is the content folder reviewed.</extracomment>
        <translation>O que verá o neno co cartafol %1:</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSeries</name>
    <message>
        <source>no se puede abrir, y el niño verá «%1». %2</source>
        <extracomment>%1 is the child&apos;s message, %2 what to do about it.</extracomment>
        <translation>non se pode abrir, e o neno verá «%1». %2</translation>
    </message>
    <message>
        <source>no se verá, y junto al dibujo quedará un hueco vacío: %1. %2</source>
        <extracomment>%1 is why the animation does not play, %2 what to do about it.</extracomment>
        <translation>non se verá, e xunto ao debuxo quedará un oco baleiro: %1. %2</translation>
    </message>
    <message>
        <source>no hay animación 1: junto al dibujo no se verá ninguna. Ponga una animación GIF con el nombre «%1».</source>
        <extracomment>%1 is the name the first animation must have.</extracomment>
        <translation>non hai animación 1: xunto ao debuxo non se verá ningunha. Poña unha animación GIF co nome «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n animación(es), una nueva en cada paso</source>
        <extracomment>The animations&apos; line: how many the child meets.</extracomment>
        <translation>
            <numerusform>%n animación, unha nova en cada paso</numerusform>
            <numerusform>%n animacións, unha nova en cada paso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n no se verá(n)</source>
        <extracomment>%1 is how many animations the child meets (&quot;6 animaciones, una nueva en cada paso&quot;), %n how many of them will not be seen.</extracomment>
        <translation>
            <numerusform>%1; %n non se verá</numerusform>
            <numerusform>%1; %n non se verán</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe, y el niño verá «%1». Copie aquí un pincel con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the brush size must have.</extracomment>
        <translation>non existe, e o neno verá «%1». Copie aquí un pincel co nome «%2».</translation>
    </message>
    <message>
        <source>el pincel no crece: mide %1 y el anterior %2. Ordene los pinceles de menor a mayor.</source>
        <extracomment>%1 is the brush size&apos;s size, %2 the size of the one before.</extracomment>
        <translation>o pincel non medra: mide %1 e o anterior %2. Ordene os pinceis de menor a maior.</translation>
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
    <message>
        <source>no existe, y el niño verá «%1». Copie aquí un puntero con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the pointer must have.</extracomment>
        <translation>non existe, e o neno verá «%1». Copie aquí un punteiro co nome «%2».</translation>
    </message>
    <message>
        <source>no es un icono de 32 × 32 (es un icono de %1). Guárdelo como icono (.ico) de 32 × 32.</source>
        <extracomment>%1 is the icon&apos;s size.</extracomment>
        <translation>non é unha icona de 32 × 32 (é unha icona de %1). Gárdeo como icona (.ico) de 32 × 32.</translation>
    </message>
    <message>
        <source>no es un icono de 32 × 32 (es una imagen de %1). Guárdelo como icono (.ico) de 32 × 32.</source>
        <extracomment>%1 is the picture&apos;s size.</extracomment>
        <translation>non é unha icona de 32 × 32 (é unha imaxe de %1). Gárdeo como icona (.ico) de 32 × 32.</translation>
    </message>
    <message numerus="yes">
        <source>%n puntero(s)</source>
        <extracomment>The pointers&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n punteiro</numerusform>
            <numerusform>%n punteiros</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSingleFiles</name>
    <message>
        <source>%1 píxeles, repetido detrás de la ventana</source>
        <extracomment>%1 is the background picture&apos;s size.</extracomment>
        <translation>%1 píxeles, repetido detrás da xanela</translation>
    </message>
    <message>
        <source>no existe, y al arrancar el niño verá «%1». Copie aquí una imagen GIF con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the background picture must have.</extracomment>
        <translation>non existe, e ao iniciar, o neno verá «%1». Copie aquí unha imaxe GIF co nome «%2».</translation>
    </message>
    <message>
        <source>no se puede abrir, y al arrancar el niño verá «%1». %2</source>
        <extracomment>%1 is the child&apos;s message, %2 what to do about it.</extracomment>
        <translation>non se pode abrir, e ao iniciar, o neno verá «%1». %2</translation>
    </message>
    <message>
        <source>no existe: no habrá sonido al pulsar «siguiente» o una carpeta. Copie aquí un sonido WAV con el nombre «%1».</source>
        <extracomment>%1 is the name the sound must have.</extracomment>
        <translation>non existe: non haberá son ao premer «seguinte» ou un cartafol. Copie aquí un son WAV co nome «%1».</translation>
    </message>
    <message>
        <source>no habrá sonido al pulsar «siguiente» o una carpeta: %1. Guárdelo como WAV PCM de 16 bits, mono o estéreo.</source>
        <extracomment>%1 is why it will not play.</extracomment>
        <translation>non haberá son ao premer «seguinte» ou un cartafol: %1. Gárdeo como WAV PCM de 16 bits, mono ou estéreo.</translation>
    </message>
    <message>
        <source>no existe: no habrá sonido al pulsar «anterior». Copie aquí un sonido WAV con el nombre «%1».</source>
        <extracomment>%1 is the name the sound must have.</extracomment>
        <translation>non existe: non haberá son ao premer «anterior». Copie aquí un son WAV co nome «%1».</translation>
    </message>
    <message>
        <source>no habrá sonido al pulsar «anterior»: %1. Guárdelo como WAV PCM de 16 bits, mono o estéreo.</source>
        <extracomment>%1 is why it will not play.</extracomment>
        <translation>non haberá son ao premer «anterior»: %1. Gárdeo como WAV PCM de 16 bits, mono ou estéreo.</translation>
    </message>
    <message>
        <source>PCM de %1 bits, mono, %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>PCM de %1 bits, mono, %2 Hz, %3 s</translation>
    </message>
    <message>
        <source>PCM de %1 bits, estéreo, %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>PCM de %1 bits, estéreo, %2 Hz, %3 s</translation>
    </message>
    <message numerus="yes">
        <source>PCM de %1 bits, %n canal(es), %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %n its channels, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>
            <numerusform>PCM de %1 bits, %n canle, %2 Hz, %3 s</numerusform>
            <numerusform>PCM de %1 bits, %n canles, %2 Hz, %3 s</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe: la impresión está desactivada</source>
        <translation>non existe: a impresión está desactivada</translation>
    </message>
    <message>
        <source>la impresión está desactivada: Tamiro sólo lee «%1», escrito así, en minúsculas. Cámbiele el nombre.</source>
        <extracomment>%1 is the only name of the switch file that Tamiro reads.</extracomment>
        <translation>a impresión está desactivada: Tamiro só le «%1», escrito así, en minúsculas. Cámbielle o nome.</translation>
    </message>
    <message>
        <source>no se puede leer, y al arrancar el niño verá «%1». Bórrelo y escriba uno nuevo con %2 o %3.</source>
        <extracomment>%1 is the child&apos;s message; %2 and %3 are the two words the file may say, as they stand.</extracomment>
        <translation>non se pode ler, e ao iniciar, o neno verá «%1». Bórreo e escriba un novo con %2 ou %3.</translation>
    </message>
    <message>
        <source>la impresión está activada</source>
        <translation>a impresión está activada</translation>
    </message>
    <message>
        <source>la impresión está desactivada: está guardado como «Unicode» (UTF-16) y Tamiro no lo entiende. Guárdelo como texto normal (ANSI o UTF-8) con %1 en la primera línea.</source>
        <extracomment>%1 is the word that turns printing on, as it stands.</extracomment>
        <translation>a impresión está desactivada: está gardado como «Unicode» (UTF-16) e Tamiro non o entende. Gárdeo como texto normal (ANSI ou UTF-8) con %1 na primeira liña.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: sus líneas no terminan como Tamiro espera, y lo lee todo como una sola línea: «%1». Deje en el archivo sólo la palabra %2.</source>
        <extracomment>%1 is the file&apos;s text, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>a impresión está desactivada: as súas liñas non rematan como Tamiro espera, e le o ficheiro enteiro como unha soa liña: «%1». Deixe no ficheiro só a palabra %2.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea «%1» lleva espacios en blanco. Déjela en %2, sin nada más.</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>a impresión está desactivada: a primeira liña «%1» leva espazos en branco. Déixea en %2, sen nada máis.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: «%1» lleva tilde. Escriba %2 sin tilde.</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>a impresión está desactivada: «%1» leva til. Escriba %2 sen til.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea está vacía</source>
        <translation>a impresión está desactivada: a primeira liña está baleira</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea dice «%1» y sólo %2 la activa</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>a impresión está desactivada: a primeira liña di «%1» e só %2 a activa</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerWindow</name>
    <message>
        <source>Revisar los dibujos de Tamiro</source>
        <extracomment>The window&apos;s title: the name of its entry in the desktop&apos;s menu.</extracomment>
        <translation>Revisar os debuxos de Tamiro</translation>
    </message>
    <message>
        <source>Lo que verá el niño con la carpeta %1 (de cada dibujo, a la izquierda el coloreado y a la derecha el sin colorear):</source>
        <extracomment>%1 is the content folder reviewed.</extracomment>
        <translation>O que verá o neno co cartafol %1 (de cada debuxo, á esquerda o coloreado e á dereita o sen colorear):</translation>
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
            <numerusform>… e %n liña máis: a lista enteira sae con «%1».</numerusform>
            <numerusform>… e %n liñas máis: a lista enteira sae con «%1».</numerusform>
        </translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Pechar</translation>
    </message>
</context>
<context>
    <name>tamiro::ChildMessages</name>
    <message>
        <source>No puedo mostrar el dibujo %1 de la carpeta %2: %3.</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the folder&apos;s (its green button), %3 the description of what failed (lower case, without a final stop), from the messages that follow.</extracomment>
        <translation>Non podo mostrar o debuxo %1 do cartafol %2: %3.</translation>
    </message>
    <message>
        <source>no encuentro «%1» ni «%2»</source>
        <extracomment>A description, completing another message: the two files that may hold a coloured drawing, neither of which is there.</extracomment>
        <translation>non atopo «%1» nin «%2»</translation>
    </message>
    <message>
        <source>No puedo cargar el primer tamaño de pincel: %1.</source>
        <extracomment>At start-up. %1 is the description of what failed, lower case.</extracomment>
        <translation>Non podo cargar o primeiro tamaño de pincel: %1.</translation>
    </message>
    <message>
        <source>No puedo leer el interruptor de impresión: %1. La impresión queda desactivada.</source>
        <extracomment>At start-up, the file that says whether printing is allowed cannot be read. %1 is the description of what failed, lower case.</extracomment>
        <translation>Non podo ler o interruptor de impresión: %1. A impresión queda desactivada.</translation>
    </message>
    <message>
        <source>No puedo cargar el primer puntero: %1.</source>
        <extracomment>At start-up. %1 is the description of what failed, lower case.</extracomment>
        <translation>Non podo cargar o primeiro punteiro: %1.</translation>
    </message>
    <message>
        <source>No puedo cambiar el tamaño del pincel: %1.</source>
        <extracomment>After a click on the brush-size button. %1 is the description of what failed.</extracomment>
        <translation>Non podo cambiar o tamaño do pincel: %1.</translation>
    </message>
    <message>
        <source>Atención: %1</source>
        <extracomment>After a click on the pointer or the printer button. %1 is the description of what failed.</extracomment>
        <translation>Atención: %1</translation>
    </message>
    <message>
        <source>No encuentro la imagen de fondo <byte value="xd"/>
ERROR: %1</source>
        <extracomment>At start-up, the background picture fails. The line break is part of the message, and the word ERROR heads its second line. %1 is the description of what failed.</extracomment>
        <translation>Non atopo a imaxe de fondo <byte value="xd"/>
ERRO: %1</translation>
    </message>
</context>
<context>
    <name>tamiro::ColouringWindow</name>
    <message>
        <source>Tamiro ya está abierto, pero no contesta.
</source>
        <extracomment>On the terminal, when the child&apos;s program is started while a copy that does not answer is running.</extracomment>
        <translation>Tamiro xa está aberto, pero non responde.
</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <extracomment>The accessible name of a green button: it opens drawing folder %1.</extracomment>
        <translation>Cartafol %1</translation>
    </message>
    <message>
        <source>Dibujo siguiente</source>
        <translation>Debuxo seguinte</translation>
    </message>
    <message>
        <source>Dibujo anterior</source>
        <translation>Debuxo anterior</translation>
    </message>
    <message>
        <source>Tamaño del pincel</source>
        <translation>Tamaño do pincel</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Puntero</source>
        <translation>Punteiro</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <extracomment>The drawing the child colours.</extracomment>
        <translation>Debuxo</translation>
    </message>
    <message>
        <source>Animación</source>
        <translation>Animación</translation>
    </message>
</context>
<context>
    <name>tamiro::ContentWriter</name>
    <message>
        <source>no puedo llevar los archivos a la papelera: en este disco, la papelera tiene que estar en «%1», donde usted no puede escribir. Un administrador puede hacer allí una papelera para todos («sudo mkdir %2» y «sudo chmod 1777 %2»)</source>
        <translation>non podo levar os ficheiros á papeleira: neste disco, a papeleira ten que estar en «%1», onde vostede non pode escribir. Un administrador pode facer alí unha papeleira para todos («sudo mkdir %2» e «sudo chmod 1777 %2»)</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta, y ahí tiene que haber una: muévalo a otro sitio y vuelva a intentarlo</source>
        <translation>«%1» non é un cartafol, e aí ten que haber un: móvao a outro sitio e volva intentalo</translation>
    </message>
    <message>
        <source>«%1» no lleva a ninguna carpeta: compruebe adónde lleva y vuelva a intentarlo</source>
        <translation>«%1» non leva a ningún cartafol: comprobe a onde leva e volva intentalo</translation>
    </message>
    <message>
        <source>ya hay un archivo «%1», y no escribo encima de nada: bórrelo o muévalo a otro sitio y vuelva a intentarlo</source>
        <translation>xa hai un ficheiro «%1», e non escribo enriba de nada: bórreo ou móvao a outro sitio e volva intentalo</translation>
    </message>
    <message>
        <source>alguien está cambiando ahora mismo los dibujos de la carpeta «%1»: espere a que termine y vuelva a intentarlo</source>
        <translation>alguén está a cambiar agora mesmo os debuxos do cartafol «%1»: agarde a que remate e volva intentalo</translation>
    </message>
    <message>
        <source>USUARIO</source>
        <extracomment>Stands for the teacher&apos;s login in a command that an administrator types.</extracomment>
        <translation>USUARIO</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1»: pida a un administrador que le dé permiso</source>
        <translation>non ten permiso para escribir no cartafol «%1»: pídalle a un administrador que lle dea permiso</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1», que sólo puede cambiar «%2»: pida a un administrador que le dé permiso</source>
        <extracomment>%1 is the folder, %2 the login of the only one who may change it.</extracomment>
        <translation>non ten permiso para escribir no cartafol «%1», que só pode cambiar «%2»: pídalle a un administrador que lle dea permiso</translation>
    </message>
    <message>
        <source>usted ya está en el grupo «%1», que puede escribir en la carpeta «%2», pero eso vale desde la próxima vez que entre: cierre la sesión, vuelva a entrar y vuelva a intentarlo</source>
        <translation>vostede xa está no grupo «%1», que pode escribir no cartafol «%2», pero iso vale desde a próxima vez que entre: peche a sesión, entre de novo e volva intentalo</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1», que es del grupo «%2»: un administrador puede añadirle al grupo con «sudo adduser %3 %2», y vale desde la próxima vez que entre</source>
        <extracomment>%1 is the folder, %2 its group, %3 the teacher&apos;s login: «sudo adduser %3 %2» is a command, typed as it stands.</extracomment>
        <translation>non ten permiso para escribir no cartafol «%1», que é do grupo «%2»: un administrador pode engadir a súa conta ao grupo con «sudo adduser %3 %2», e vale desde a próxima vez que entre</translation>
    </message>
    <message>
        <source>la carpeta «%1» es de sólo lectura (por ejemplo, una carpeta compartida del servidor que este ordenador sólo puede leer): añada los dibujos en el ordenador donde se guarda</source>
        <translation>o cartafol «%1» é de só lectura (por exemplo, un cartafol compartido do servidor que este ordenador só pode ler): engada os debuxos no ordenador onde se garda</translation>
    </message>
    <message>
        <source>el disco donde está la carpeta «%1» está lleno: haga sitio (vacíe la papelera o borre lo que ya no necesite) y vuelva a intentarlo</source>
        <translation>o disco onde está o cartafol «%1» está cheo: faga sitio (baleire a papeleira ou borre o que xa non precise) e volva intentalo</translation>
    </message>
    <message>
        <source>ha llenado el espacio que le toca en el disco donde está la carpeta «%1»: haga sitio (vacíe la papelera o borre lo que ya no necesite) o pida más a un administrador, y vuelva a intentarlo</source>
        <translation>encheu o espazo que lle corresponde no disco onde está o cartafol «%1»: faga sitio (baleire a papeleira ou borre o que xa non precise) ou pídalle máis a un administrador, e volva intentalo</translation>
    </message>
    <message>
        <source>la carpeta «%1» ya no está (¿se ha desconectado el disco o la red?): compruebe que se puede abrir y vuelva a intentarlo</source>
        <translation>o cartafol «%1» xa non está (desconectouse o disco ou a rede?): comprobe que se pode abrir e volva intentalo</translation>
    </message>
    <message>
        <source>no puedo cambiar la carpeta «%1» (error del sistema %2: %3): vuelva a intentarlo, y si vuelve a pasar, avise a un administrador</source>
        <extracomment>%1 is the folder, %2 the system&apos;s number for what failed, %3 its own words.</extracomment>
        <translation>non podo cambiar o cartafol «%1» (erro do sistema %2: %3): volva intentalo e, se volve pasar, avise a un administrador</translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingChanges</name>
    <message>
        <source>no hay carpeta %1: las carpetas de dibujos van de la 1 a la 10</source>
        <translation>non hai cartafol %1: os cartafoles de debuxos van do 1 ao 10</translation>
    </message>
    <message>
        <source>la carpeta %1 ya tiene %2 dibujos, los que caben: ponga el dibujo en otra carpeta</source>
        <extracomment>%1 is the folder, %2 the most drawings a folder holds.</extracomment>
        <translation>o cartafol %1 xa ten %2 debuxos, os que caben: poña o debuxo noutro cartafol</translation>
    </message>
    <message>
        <source>el dibujo nuevo sería el %1 de la carpeta %2, pero ya hay un «%3» en «%4» que no es de ningún dibujo que vea el niño (quizá quedó de una copia que no terminó): bórrelo o muévalo a otro sitio y vuelva a intentarlo</source>
        <extracomment>%1 is the new drawing&apos;s number, %2 the folder, %3 the file in the way, %4 the folder it is in.</extracomment>
        <translation>o debuxo novo sería o %1 do cartafol %2, pero xa hai un «%3» en «%4» que non é de ningún debuxo que vexa o neno (quizais quedou dunha copia que non rematou): bórreo ou móvao a outro sitio e volva intentalo</translation>
    </message>
    <message>
        <source>el dibujo coloreado tiene que ser GIF o JPEG, no «%1»</source>
        <translation>o debuxo coloreado ten que ser GIF ou JPEG, non «%1»</translation>
    </message>
    <message>
        <source>la carpeta %1 no tiene dibujos que el niño vea</source>
        <translation>o cartafol %1 non ten debuxos que vexa o neno</translation>
    </message>
    <message>
        <source>la carpeta %1 no tiene dibujo %2: el niño ve los dibujos 1 a %3</source>
        <extracomment>%1 is the folder, %2 the drawing asked for, %3 its last drawing.</extracomment>
        <translation>o cartafol %1 non ten debuxo %2: o neno ve os debuxos 1 a %3</translation>
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
            <numerusform>en «%1» hai %n ficheiro co número %2 (%3), e Tamiro só usa un: deixe só o que queira e volva intentalo</numerusform>
            <numerusform>en «%1» hai %n ficheiros co número %2 (%3), e Tamiro só usa un: deixe só o que queira e volva intentalo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingMaker</name>
    <message>
        <source>no he podido preparar el dibujo: %1</source>
        <extracomment>%1 is what failed, from the descriptions that follow.</extracomment>
        <translation>non puiden preparar o debuxo: %1</translation>
    </message>
    <message>
        <source>no hay memoria para escribir el GIF</source>
        <translation>non hai memoria para escribir o GIF</translation>
    </message>
    <message>
        <source>no se ha podido escribir el GIF</source>
        <translation>non se puido escribir o GIF</translation>
    </message>
    <message>
        <source>no hay memoria para elegir los colores</source>
        <translation>non hai memoria para escoller as cores</translation>
    </message>
    <message>
        <source>no se han podido elegir los colores</source>
        <translation>non se puideron escoller as cores</translation>
    </message>
    <message>
        <source>no se ha podido escribir el JPEG</source>
        <translation>non se puido escribir o JPEG</translation>
    </message>
    <message>
        <source>sus datos están dañados o incompletos</source>
        <translation>os seus datos están danados ou incompletos</translation>
    </message>
    <message>
        <source>no se ha podido descodificar</source>
        <translation>non se puido descodificar</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande para ser una imagen (%2 MB)</source>
        <translation>o ficheiro «%1» é demasiado grande para ser unha imaxe (%2 MB)</translation>
    </message>
    <message>
        <source>no es una imagen PNG, JPEG, GIF, BMP, WebP ni SVG</source>
        <translation>non é unha imaxe PNG, JPEG, GIF, BMP, WebP nin SVG</translation>
    </message>
    <message>
        <source>Parece una foto: el dibujo puede tener demasiado detalle para colorear. Pruebe con menos detalle y líneas más gruesas, o con un dibujo más sencillo.</source>
        <translation>Parece unha foto: o debuxo pode ter demasiado detalle para colorear. Probe con menos detalle e liñas máis grosas, ou cun debuxo máis sinxelo.</translation>
    </message>
    <message>
        <source>El dibujo sin colorear tiene mucho negro (un %1 %). Pruebe con líneas más finas o con menos detalle.</source>
        <extracomment>%1 % is how much of the uncoloured drawing is black.</extracomment>
        <translation>O debuxo sen colorear ten moito negro (un %1 %). Probe con liñas máis finas ou con menos detalle.</translation>
    </message>
    <message>
        <source>El dibujo tiene pocas zonas cerradas que colorear (%1). Pruebe con más detalle o con otro tipo de dibujo.</source>
        <extracomment>%1 is how many parts the child may colour.</extracomment>
        <translation>O debuxo ten poucas zonas pechadas para colorear (%1). Probe con máis detalle ou con outro tipo de debuxo.</translation>
    </message>
    <message>
        <source>El dibujo tiene demasiadas zonas pequeñas que colorear (%1). Pruebe con menos detalle.</source>
        <extracomment>%1 is how many parts the child may colour.</extracomment>
        <translation>O debuxo ten demasiadas zonas pequenas para colorear (%1). Probe con menos detalle.</translation>
    </message>
    <message>
        <source>el dibujo SVG enlaza con «%1», fuera de su propio archivo; guárdelo con todo dentro</source>
        <translation>o debuxo SVG ten unha ligazón a «%1», fóra do seu propio ficheiro; gárdeo con todo dentro</translation>
    </message>
    <message>
        <source>el dibujo SVG «%1» es demasiado grande (%2 MB; el máximo es %3 MB)</source>
        <extracomment>%1 is the file, %2 its size, %3 the largest read.</extracomment>
        <translation>o debuxo SVG «%1» é demasiado grande (%2 MB; o máximo é %3 MB)</translation>
    </message>
    <message>
        <source>declara entidades o su propio tipo de documento, que un dibujo SVG no necesita</source>
        <translation>declara entidades ou o seu propio tipo de documento, que un debuxo SVG non precisa</translation>
    </message>
    <message>
        <source>el dibujo SVG tiene demasiados elementos (el máximo es %1)</source>
        <translation>o debuxo SVG ten demasiados elementos (o máximo é %1)</translation>
    </message>
    <message>
        <source>el dibujo SVG repite sus partes demasiadas veces</source>
        <translation>o debuxo SVG repite as súas partes demasiadas veces</translation>
    </message>
    <message>
        <source>no es un dibujo SVG que se pueda dibujar</source>
        <translation>non é un debuxo SVG que se poida debuxar</translation>
    </message>
</context>
<context>
    <name>tamiro::FileProblems</name>
    <message>
        <source>no encuentro el archivo «%1»</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>non atopo o ficheiro «%1»</translation>
    </message>
    <message>
        <source>«%1» es una carpeta, no un archivo</source>
        <translation>«%1» é un cartafol, non un ficheiro</translation>
    </message>
    <message>
        <source>no puedo abrir el archivo «%1»</source>
        <translation>non podo abrir o ficheiro «%1»</translation>
    </message>
    <message>
        <source>no puedo leer el archivo «%1»</source>
        <translation>non podo ler o ficheiro «%1»</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande (%2 bytes; el máximo es %3)</source>
        <extracomment>%1 is the file&apos;s path, %2 its size and %3 the largest size read, in bytes.</extracomment>
        <translation>o ficheiro «%1» é demasiado grande (%2 bytes; o máximo é %3)</translation>
    </message>
</context>
<context>
    <name>tamiro::PictureProblems</name>
    <message>
        <source>no es una animación GIF</source>
        <translation>non é unha animación GIF</translation>
    </message>
    <message>
        <source>la animación mide %1 × %2 píxeles y no cabe en la pantalla, de %3 × %4</source>
        <extracomment>%1 × %2 is the animation&apos;s size, %3 × %4 the screen&apos;s.</extracomment>
        <translation>a animación mide %1 × %2 píxeles e non cabe na pantalla, de %3 × %4</translation>
    </message>
    <message>
        <source>la animación es demasiado larga: %1 fotogramas de %2 × %3 píxeles</source>
        <extracomment>%1 is its number of frames, %2 × %3 their size.</extracomment>
        <translation>a animación é demasiado longa: %1 fotogramas de %2 × %3 píxeles</translation>
    </message>
    <message>
        <source>sus datos están dañados o incompletos</source>
        <translation>os seus datos están danados ou incompletos</translation>
    </message>
    <message>
        <source>no se ha podido leer</source>
        <translation>non se puido ler</translation>
    </message>
    <message>
        <source>no se ha podido descodificar</source>
        <translation>non se puido descodificar</translation>
    </message>
    <message>
        <source>la imagen «%1» es demasiado grande (%2 × %3 píxeles)</source>
        <extracomment>%1 is the file&apos;s path, %2 × %3 the picture&apos;s size.</extracomment>
        <translation>a imaxe «%1» é demasiado grande (%2 × %3 píxeles)</translation>
    </message>
    <message>
        <source>el icono «%1» está dañado: mide %2 × %3 píxeles y un icono no pasa de %4 × %4</source>
        <extracomment>%1 is the file&apos;s path, %2 × %3 the size it says, %4 × %4 the largest an icon has.</extracomment>
        <translation>a icona «%1» está danada: mide %2 × %3 píxeles e unha icona non pasa de %4 × %4</translation>
    </message>
    <message>
        <source>el archivo «%1» no es una imagen válida: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it, from the descriptions that follow.</extracomment>
        <translation>o ficheiro «%1» non é unha imaxe válida: %2</translation>
    </message>
    <message>
        <source>no es un icono</source>
        <translation>non é unha icona</translation>
    </message>
    <message>
        <source>no es una imagen GIF, JPEG ni BMP</source>
        <translation>non é unha imaxe GIF, JPEG nin BMP</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande para ser una imagen (%2 MB)</source>
        <extracomment>%1 is the file&apos;s path, %2 its size in megabytes.</extracomment>
        <translation>o ficheiro «%1» é demasiado grande para ser unha imaxe (%2 MB)</translation>
    </message>
    <message>
        <source>la imagen «%1» tiene demasiadas pasadas (%2; el máximo es %3)</source>
        <extracomment>A JPEG saved in passes, each adding detail: %1 is the file&apos;s path, %2 its number of passes.</extracomment>
        <translation>a imaxe «%1» ten demasiadas pasadas (%2; o máximo é %3)</translation>
    </message>
    <message>
        <source>no encuentro la imagen interna «%1»</source>
        <extracomment>A picture built into the program: %1 is its name.</extracomment>
        <translation>non atopo a imaxe interna «%1»</translation>
    </message>
    <message>
        <source>el puntero «%1» es demasiado grande: mide %2 × %3 píxeles y no puede pasar de %4 × %4</source>
        <extracomment>%1 is the pointer&apos;s file, %2 × %3 its size, %4 × %4 the largest a pointer may be.</extracomment>
        <translation>o punteiro «%1» é demasiado grande: mide %2 × %3 píxeles e non pode pasar de %4 × %4</translation>
    </message>
</context>
<context>
    <name>tamiro::PrinterProblems</name>
    <message>
        <source>no hay ninguna impresora predeterminada</source>
        <translation>non hai ningunha impresora predeterminada</translation>
    </message>
    <message>
        <source>la impresora «%1» no puede empezar a imprimir</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>a impresora «%1» non pode comezar a imprimir</translation>
    </message>
    <message>
        <source>la impresora «%1» no ha podido terminar el documento</source>
        <translation>a impresora «%1» non puido rematar o documento</translation>
    </message>
    <message>
        <source>la impresora «%1» no ha aceptado el documento (%2)</source>
        <extracomment>%1 is the printer&apos;s name, %2 the print system&apos;s answer, in its own words.</extracomment>
        <translation>a impresora «%1» non aceptou o documento (%2)</translation>
    </message>
</context>
<context>
    <name>tamiro::SoundProblems</name>
    <message>
        <source>está incompleto o sus partes están mal encadenadas</source>
        <translation>está incompleto ou as súas partes están mal encadeadas</translation>
    </message>
    <message>
        <source>su cabecera dice que una de sus partes mide %1 bytes</source>
        <translation>a súa cabeceira di que unha das súas partes mide %1 bytes</translation>
    </message>
    <message>
        <source>no es un archivo WAV</source>
        <translation>non é un ficheiro WAV</translation>
    </message>
    <message>
        <source>su cabecera dice que mide %1 bytes</source>
        <translation>a súa cabeceira di que mide %1 bytes</translation>
    </message>
    <message>
        <source>su cabecera de formato es de un tipo que no se puede tocar</source>
        <extracomment>Its format header is of a kind the sound library cannot play.</extracomment>
        <translation>a súa cabeceira de formato é dun tipo que non se pode reproducir</translation>
    </message>
    <message>
        <source>está incompleto</source>
        <translation>está incompleto</translation>
    </message>
    <message>
        <source>no es PCM de 8 o 16 bits</source>
        <translation>non é PCM de 8 ou 16 bits</translation>
    </message>
    <message>
        <source>su cabecera dice que tiene %1 canales a %2 Hz</source>
        <extracomment>%1 is the number of channels, %2 the rate, as the file&apos;s header says.</extracomment>
        <translation>a súa cabeceira di que ten %1 canles a %2 Hz</translation>
    </message>
    <message>
        <source>tiene %1 canales a %2 Hz, más de lo que el sonido del ordenador admite</source>
        <extracomment>%1 is the number of channels, %2 the rate.</extracomment>
        <translation>ten %1 canles a %2 Hz, máis do que admite o son do ordenador</translation>
    </message>
    <message>
        <source>tiene %1 canales sin decir dónde suena cada uno</source>
        <translation>ten %1 canles sen dicir onde soa cada unha</translation>
    </message>
    <message>
        <source>su parte de sonido está cortada a medias</source>
        <translation>a súa parte de son está cortada a medias</translation>
    </message>
    <message>
        <source>no tiene sonido</source>
        <translation>non ten son</translation>
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
        <translation>Uso: tamiro-dibujo --carpeta N [--contenido CARTAFOL] [--tipo TIPO] [--pagina PÁXINA] IMAXE...
Converte cada IMAXE (PNG, JPEG, GIF, BMP, WebP ou SVG) nun debuxo para colorear e
engádeo como o debuxo seguinte do cartafol N (do 1 ao 10) do contido de Tamiro
(sen --contenido, o cartafol instalado). Escribe unha liña por cada debuxo engadido.
  --tipo contorno|sin-contorno|pagina|foto   o tipo de imaxe, en vez de adiviñalo
  --pagina PÁXINA   a páxina para colorear da IMAXE (só cunha IMAXE)
</translation>
    </message>
    <message>
        <source>no conozco la opción «%1»</source>
        <translation>non coñezo a opción «%1»</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>a «%1» fáltalle o seu valor</translation>
    </message>
    <message>
        <source>la carpeta tiene que ser un número del 1 al 10, no «%1»</source>
        <translation>o cartafol ten que ser un número do 1 ao 10, non «%1»</translation>
    </message>
    <message>
        <source>el tipo tiene que ser contorno, sin-contorno, pagina o foto, no «%1»</source>
        <translation>o tipo ten que ser contorno, sin-contorno, pagina ou foto, non «%1»</translation>
    </message>
    <message>
        <source>falta --carpeta N</source>
        <translation>falta --carpeta N</translation>
    </message>
    <message>
        <source>falta al menos una IMAGEN</source>
        <translation>falta polo menos unha IMAXE</translation>
    </message>
    <message>
        <source>--pagina es la página para colorear de una sola IMAGEN, y hay %1</source>
        <extracomment>%1 is how many pictures were given. --pagina and IMAGEN are the command&apos;s words.</extracomment>
        <translation>--pagina é a páxina para colorear dunha soa IMAXE, e hai %1</translation>
    </message>
    <message>
        <source>con --pagina el dibujo es siempre del tipo pagina</source>
        <translation>con --pagina o debuxo é sempre do tipo pagina</translation>
    </message>
    <message>
        <source>tamiro-dibujo: %1.</source>
        <extracomment>%1 is what is wrong with the command line, from the messages above.</extracomment>
        <translation>tamiro-dibujo: %1.</translation>
    </message>
    <message>
        <source>No encuentro la carpeta de contenido «%1».</source>
        <translation>Non atopo o cartafol de contido «%1».</translation>
    </message>
    <message>
        <source>Aviso sobre «%1»: %2</source>
        <extracomment>%1 is the picture, %2 the drawing maker&apos;s warning about it.</extracomment>
        <translation>Aviso sobre «%1»: %2</translation>
    </message>
    <message>
        <source>No añado «%1»: %2.</source>
        <extracomment>%1 is the picture, %2 why it is not added.</extracomment>
        <translation>Non engado «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::DrawingList</name>
    <message>
        <source>Dibujos de la carpeta</source>
        <translation>Debuxos do cartafol</translation>
    </message>
    <message>
        <source>Dibujo %1</source>
        <translation>Debuxo %1</translation>
    </message>
    <message>
        <source>El niño verá: «%1»</source>
        <extracomment>%1 is the message the child is shown instead of the drawing.</extracomment>
        <translation>O neno verá: «%1»</translation>
    </message>
    <message>
        <source>Dibujo %1: sin problemas.</source>
        <translation>Debuxo %1: sen problemas.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::DrawingsWindow</name>
    <message>
        <source>Dibujos de Tamiro</source>
        <translation>Debuxos de Tamiro</translation>
    </message>
    <message>
        <source>&amp;Añadir dibujo...</source>
        <translation>&amp;Engadir debuxo...</translation>
    </message>
    <message>
        <source>Elegir una imagen y hacer con ella un dibujo nuevo. También puede arrastrar imágenes a esta ventana o a una carpeta.</source>
        <translation>Escoller unha imaxe e facer con ela un debuxo novo. Tamén pode arrastrar imaxes a esta xanela ou a un cartafol.</translation>
    </message>
    <message>
        <source>&amp;Quitar</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Mandar el dibujo elegido a la papelera (tecla Supr)</source>
        <translation>Mandar o debuxo escollido á papeleira (tecla Supr)</translation>
    </message>
    <message>
        <source>◀ A&amp;ntes</source>
        <translation>◀ A&amp;ntes</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto antes</source>
        <translation>Mover o debuxo un posto antes</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto antes (Ctrl+Izquierda)</source>
        <translation>Mover o debuxo un posto antes (Ctrl+Esquerda)</translation>
    </message>
    <message>
        <source>Des&amp;pués ▶</source>
        <translation>Des&amp;pois ▶</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto después</source>
        <translation>Mover o debuxo un posto despois</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto después (Ctrl+Derecha)</source>
        <translation>Mover o debuxo un posto despois (Ctrl+Dereita)</translation>
    </message>
    <message>
        <source>Aquí no se pueden añadir, mover ni quitar dibujos: %1</source>
        <extracomment>%1 is why the folder cannot be written (a sentence of its own, with or without its final stop).</extracomment>
        <translation>Aquí non se poden engadir, mover nin quitar debuxos: %1</translation>
    </message>
    <message>
        <source>Aquí no se pueden añadir, mover ni quitar dibujos: %1.</source>
        <translation>Aquí non se poden engadir, mover nin quitar debuxos: %1.</translation>
    </message>
    <message>
        <source>Archivos que el niño no verá nunca</source>
        <translation>Ficheiros que o neno non verá nunca</translation>
    </message>
    <message>
        <source>Lo que dice la revisión</source>
        <translation>O que di a revisión</translation>
    </message>
    <message>
        <source>La carpeta %1 no tiene dibujos que el niño vea. Añada uno con «Añadir dibujo...» o arrastrando una imagen aquí.</source>
        <translation>O cartafol %1 non ten debuxos que vexa o neno. Engada un con «Engadir debuxo...» ou arrastrando unha imaxe aquí.</translation>
    </message>
    <message>
        <source>La carpeta %1 no tiene dibujos que el niño vea.</source>
        <translation>O cartafol %1 non ten debuxos que vexa o neno.</translation>
    </message>
    <message>
        <source>Carpeta %1: sus dibujos en el orden en que los encuentra el niño. Para cambiar el orden, arrastre uno a otro sitio.</source>
        <translation>Cartafol %1: os seus debuxos na orde na que os atopa o neno. Para cambiar a orde, arrastre un a outro sitio.</translation>
    </message>
    <message>
        <source>Carpeta %1: sus dibujos en el orden en que los encuentra el niño.</source>
        <translation>Cartafol %1: os seus debuxos na orde na que os atopa o neno.</translation>
    </message>
    <message>
        <source>Archivos de la carpeta %1 que el niño no verá nunca:</source>
        <translation>Ficheiros do cartafol %1 que o neno non verá nunca:</translation>
    </message>
    <message>
        <source>Elija un dibujo para ver lo que dice de él la revisión.</source>
        <translation>Escolla un debuxo para ver o que di del a revisión.</translation>
    </message>
    <message>
        <source>«%1», sin versión sin colorear</source>
        <extracomment>The drawing&apos;s files: %1 the coloured one, %2 the uncoloured one.</extracomment>
        <translation>«%1», sen versión sen colorear</translation>
    </message>
    <message>
        <source>«%1» y «%2»</source>
        <translation>«%1» e «%2»</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): 
%3</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files, %3 the checker&apos;s lines about it, one under another.</extracomment>
        <translation>Debuxo %1 (%2): 
%3</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): el niño verá «%3».</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files, %3 what the child will see instead.</extracomment>
        <translation>Debuxo %1 (%2): o neno verá «%3».</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): sin problemas.</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files.</extracomment>
        <translation>Debuxo %1 (%2): sen problemas.</translation>
    </message>
    <message>
        <source>Añadir dibujo a la carpeta %1</source>
        <translation>Engadir debuxo ao cartafol %1</translation>
    </message>
    <message>
        <source>No se pueden añadir dibujos</source>
        <translation>Non se poden engadir debuxos</translation>
    </message>
    <message>
        <source>%1 (%2 de %3)</source>
        <extracomment>The preview&apos;s title: %1 says which picture is added, %2 of %3 is its place in the queue.</extracomment>
        <translation>%1 (%2 de %3)</translation>
    </message>
    <message>
        <source>Guardado como dibujo %1 de la carpeta %2.</source>
        <translation>Gardado como debuxo %1 do cartafol %2.</translation>
    </message>
    <message>
        <source>Moviendo el dibujo %1 al puesto %2…</source>
        <translation>Movendo o debuxo %1 ao posto %2…</translation>
    </message>
    <message>
        <source>El dibujo %1 es ahora el %2 de la carpeta %3.</source>
        <translation>O debuxo %1 é agora o %2 do cartafol %3.</translation>
    </message>
    <message>
        <source>No se ha movido el dibujo</source>
        <translation>Non se moveu o debuxo</translation>
    </message>
    <message>
        <source>Quitar el dibujo</source>
        <translation>Quitar o debuxo</translation>
    </message>
    <message>
        <source>¿Quitar el dibujo %1 de la carpeta %2?</source>
        <translation>Quitar o debuxo %1 do cartafol %2?</translation>
    </message>
    <message>
        <source>Sus dos archivos irán a la papelera, de donde se pueden recuperar. Los dibujos que van detrás avanzan un puesto.</source>
        <translation>Os seus dous ficheiros irán á papeleira, de onde se poden recuperar. Os debuxos que van detrás avanzan un posto.</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Quitando el dibujo %1…</source>
        <translation>Quitando o debuxo %1…</translation>
    </message>
    <message>
        <source>El dibujo %1 de la carpeta %2 está en la papelera.</source>
        <translation>O debuxo %1 do cartafol %2 está na papeleira.</translation>
    </message>
    <message>
        <source>No se ha quitado el dibujo</source>
        <translation>Non se quitou o debuxo</translation>
    </message>
    <message>
        <source>Si un niño pasa de dibujo en esta carpeta justo ahora, puede ver un momento los colores de un dibujo con las líneas de otro (en una carpeta compartida de la red, volver al dibujo 1 o un aviso de que no se puede mostrar); al pasar al siguiente, todo vuelve a estar bien.</source>
        <translation>Se un neno pasa de debuxo neste cartafol xusto agora, pode ver un momento as cores dun debuxo coas liñas doutro (nun cartafol compartido da rede, volver ao debuxo 1 ou un aviso de que non se pode mostrar); ao pasar ao seguinte, todo volve estar ben.</translation>
    </message>
    <message>
        <source>No encuentro la carpeta de contenido «%1».</source>
        <translation>Non atopo o cartafol de contido «%1».</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::FolderList</name>
    <message>
        <source>Carpetas</source>
        <translation>Cartafoles</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <translation>Cartafol %1</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewDialog</name>
    <message>
        <source>con contorno</source>
        <translation>con contorno</translation>
    </message>
    <message>
        <source>sin contorno</source>
        <translation>sen contorno</translation>
    </message>
    <message>
        <source>página para colorear</source>
        <translation>páxina para colorear</translation>
    </message>
    <message>
        <source>foto</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>automático</source>
        <translation>automático</translation>
    </message>
    <message>
        <source>Imágenes (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)</source>
        <translation>Imaxes (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)</translation>
    </message>
    <message>
        <source>Añadir «%1»</source>
        <translation>Engadir «%1»</translation>
    </message>
    <message>
        <source>Coloreado: lo que descubre el niño al pintar</source>
        <translation>Coloreado: o que descobre o neno ao pintar</translation>
    </message>
    <message>
        <source>Sin colorear: lo que ve al empezar</source>
        <translation>Sen colorear: o que ve ao comezar</translation>
    </message>
    <message>
        <source>Vista previa del dibujo</source>
        <translation>Vista previa do debuxo</translation>
    </message>
    <message>
        <source>Preparando el dibujo…</source>
        <translation>Preparando o debuxo…</translation>
    </message>
    <message>
        <source>Ver los dos &amp;enteros, más pequeños</source>
        <translation>Ver os dous &amp;enteiros, máis pequenos</translation>
    </message>
    <message>
        <source>Tipo de imagen</source>
        <translation>Tipo de imaxe</translation>
    </message>
    <message>
        <source>Tipo de imagen:</source>
        <translation>Tipo de imaxe:</translation>
    </message>
    <message>
        <source>Grosor de las líneas</source>
        <translation>Grosor das liñas</translation>
    </message>
    <message>
        <source>Detalle</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>Grosor de las &amp;líneas:</source>
        <translation>Grosor das &amp;liñas:</translation>
    </message>
    <message>
        <source>&amp;Detalle:</source>
        <translation>&amp;Detalle:</translation>
    </message>
    <message>
        <source>&amp;Página para colorear...</source>
        <translation>&amp;Páxina para colorear...</translation>
    </message>
    <message>
        <source>Elegir la página para colorear que va con esta imagen coloreada</source>
        <translation>Escoller a páxina para colorear que vai con esta imaxe coloreada</translation>
    </message>
    <message>
        <source>&amp;Sin página</source>
        <translation>&amp;Sen páxina</translation>
    </message>
    <message>
        <source>Hacer las líneas con la imagen sola</source>
        <translation>Facer as liñas só coa imaxe</translation>
    </message>
    <message>
        <source>&amp;Carpeta:</source>
        <translation>&amp;Cartafol:</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <translation>Cartafol %1</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Guardar como dibujo n.º %1 de la carpeta %2</source>
        <extracomment>%1 is the number the new drawing takes, %2 the folder.</extracomment>
        <translation>&amp;Gardar como debuxo n.º %1 do cartafol %2</translation>
    </message>
    <message>
        <source>&amp;Guardar en la carpeta %1</source>
        <translation>&amp;Gardar no cartafol %1</translation>
    </message>
    <message>
        <source>Las líneas salen de la página «%1».</source>
        <translation>As liñas saen da páxina «%1».</translation>
    </message>
    <message>
        <source>¿Tiene también la página para colorear de esta imagen? Elíjala y las líneas saldrán de ella.</source>
        <translation>Ten tamén a páxina para colorear desta imaxe? Escóllaa e as liñas sairán dela.</translation>
    </message>
    <message>
        <source>Automático: %1</source>
        <extracomment>%1 is the kind of picture the maker sees (&quot;con contorno&quot;, &quot;foto&quot;...).</extracomment>
        <translation>Automático: %1</translation>
    </message>
    <message numerus="yes">
        <source>Tipo: %1. %2 × %3 píxeles, %n zona(s) para colorear.</source>
        <extracomment>%1 is the kind of drawing (&quot;con contorno&quot;, &quot;foto&quot;...), %2 × %3 its size, %n how many parts the child may colour.</extracomment>
        <translation>
            <numerusform>Tipo: %1. %2 × %3 píxeles, %n zona para colorear.</numerusform>
            <numerusform>Tipo: %1. %2 × %3 píxeles, %n zonas para colorear.</numerusform>
        </translation>
    </message>
    <message>
        <source>Página para colorear de «%1»</source>
        <translation>Páxina para colorear de «%1»</translation>
    </message>
    <message>
        <source>No se puede usar esta página</source>
        <translation>Non se pode usar esta páxina</translation>
    </message>
    <message>
        <source>No se puede usar esta imagen</source>
        <translation>Non se pode usar esta imaxe</translation>
    </message>
    <message>
        <source>No se ha guardado el dibujo</source>
        <translation>Non se gardou o debuxo</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewMaker</name>
    <message>
        <source>No hay memoria bastante para preparar este dibujo. Pruebe con una imagen más pequeña.</source>
        <translation>Non hai memoria dabondo para preparar este debuxo. Probe cunha imaxe máis pequena.</translation>
    </message>
</context>
</TS>
