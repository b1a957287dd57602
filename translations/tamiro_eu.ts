<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu_ES" sourcelanguage="es">
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <extracomment>Qt&apos;s text: the file chooser of the teacher&apos;s window.</extracomment>
        <translation>Begiratu hemen:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atzera</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Aurrera</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Karpeta gurasoa</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Sortu karpeta berria</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Zerrenda-ikuspegia</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Xehetasun-ikuspegia</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Alboko barra</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fitxategiak</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fitxategi-&amp;izena:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Fitxategi mota:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ireki</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Aldatu izena</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Ezabatu</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Erakutsi fitxategi e&amp;zkutuak</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Karpeta &amp;berria</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Karpeta berria</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <extracomment>Qt&apos;s text: the columns of the file chooser&apos;s detail view.</extracomment>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Mota</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Aldatze-data</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenagailua</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Qt&apos;s text: the menu of a text field (the file chooser&apos;s name).</extracomment>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <extracomment>Qt&apos;s text: the button of a message box (the child&apos;s, the teacher&apos;s window&apos;s).</extracomment>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Qt&apos;s text: the button of the file chooser (the teacher&apos;s window).</extracomment>
        <translation>Utzi</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Scroll here</source>
        <extracomment>Qt&apos;s text: the menu of a scroll bar (its right button).</extracomment>
        <translation>Korritu hona</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Goialdea</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Behealdea</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Ezkerreko ertza</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Eskuineko ertza</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Orria gora</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Orria behera</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Orria ezkerrera</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Orria eskuinera</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Korritu gora</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Korritu behera</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Korritu ezkerrera</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Korritu eskuinera</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Qt&apos;s text: the menu of a text the teacher may select (the teacher&apos;s window).</extracomment>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
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
        <translation>Erabilera: tamiro-revisar [--texto | --ventana] [CARPETA]
Tamiroren eduki-karpeta berrikusten du (CARPETA gabe, instalatutakoa)
eta fitxategiz fitxategi esaten du haurrak zer ikusiko duen.
</translation>
    </message>
    <message>
        <source>No encuentro la carpeta «%1».</source>
        <extracomment>%1 is the folder given on the command line.</extracomment>
        <translation>Ez dut «%1» karpeta aurkitzen.</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerDrawings</name>
    <message numerus="yes">
        <source>el botón %1 enseña %n dibujo(s): %2</source>
        <extracomment>%1 is the green button, %n how many drawings it shows, %2 their numbers (&quot;1 a 3&quot;, &quot;1, 2 y 5&quot;).</extracomment>
        <translation>
            <numerusform>%1. botoiak %n marrazki erakusten du: %2</numerusform>
            <numerusform>%1. botoiak %n marrazki erakusten ditu: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>el botón %1 no enseña ningún dibujo</source>
        <translation>%1. botoiak ez du marrazkirik erakusten</translation>
    </message>
    <message>
        <source>no existe la carpeta, o está vacía, y al pulsar el botón %1 el niño verá «%2». Cree en ella las carpetas «%3» y «%4» y ponga en ellas los dibujos 1, 2, 3…</source>
        <extracomment>%1 is the green button, %2 the child&apos;s message, %3 and %4 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>karpeta ez dago, edo hutsik dago, eta %1. botoia sakatzean haurrak «%2» ikusiko du. Sortu bertan «%3» eta «%4» karpetak, eta jarri haietan marrazkiak: 1, 2, 3…</translation>
    </message>
    <message>
        <source>no hay dibujo 1 («%3» o «%4» en «%5»), y al pulsar el botón %1 o al volver a empezar la serie el niño verá «%2». Ponga un dibujo con el número 1 en «%5», y su versión sin colorear en «%6».</source>
        <extracomment>%1 is the green button, %2 the child&apos;s message, %3 and %4 the two names drawing 1 may have, %5 and %6 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>ez dago 1. marrazkirik («%3» edo «%4», «%5» karpetan), eta %1. botoia sakatzean edo segida berriro hastean haurrak «%2» ikusiko du. Jarri 1 zenbakia duen marrazki bat «%5» karpetan, eta haren koloreztatu gabeko bertsioa «%6» karpetan.</translation>
    </message>
    <message>
        <source>sin dibujo 1, la flecha «anterior» no encuentra el último dibujo y se queda en el 0, y el niño verá «%1». Ponga un dibujo con el número 1 en «%2», y su versión sin colorear en «%3».</source>
        <extracomment>The previous arrow at start-up, in a folder without drawing 1. %1 is the child&apos;s message, %2 and %3 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>1. marrazkirik gabe, «aurrekoa» geziak ez du azken marrazkia aurkitzen eta 0an geratzen da, eta haurrak «%1» ikusiko du. Jarri 1 zenbakia duen marrazki bat «%2» karpetan, eta haren koloreztatu gabeko bertsioa «%3» karpetan.</translation>
    </message>
    <message>
        <source>no hay dibujo %1, y al llegar a él el niño verá «%2». Ponga un dibujo con el número %1 en «%3», y su versión sin colorear en «%4».</source>
        <extracomment>%1 is the missing drawing&apos;s number, %2 the child&apos;s message, %3 and %4 the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>ez dago %1. marrazkirik, eta hartara iristean haurrak «%2» ikusiko du. Jarri %1 zenbakia duen marrazki bat «%3» karpetan, eta haren koloreztatu gabeko bertsioa «%4» karpetan.</translation>
    </message>
    <message>
        <source>no se puede abrir, y al llegar al dibujo %1 el niño verá «%2». %3</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the child&apos;s message, %3 what to do about it.</extracomment>
        <translation>ezin da ireki, eta %1. marrazkira iristean haurrak «%2» ikusiko du. %3</translation>
    </message>
    <message>
        <source>es la versión sin colorear del dibujo %1, pero Tamiro sólo la busca como «%2», y al llegar al dibujo el niño verá «%3». Guárdela como GIF con el nombre «%2».</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the name Tamiro looks for, %3 the child&apos;s message.</extracomment>
        <translation>%1. marrazkiaren koloreztatu gabeko bertsioa da, baina Tamirok «%2» izenarekin bakarrik bilatzen du, eta marrazkira iristean haurrak «%3» ikusiko du. Gorde GIF gisa, «%2» izenarekin.</translation>
    </message>
    <message>
        <source>falta su versión sin colorear, y al llegar al dibujo %1 el niño verá «%2». Guarde la versión sin colorear como «%3» en «%4».</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the child&apos;s message, %3 the name to save the uncoloured drawing as, %4 the folder to save it in.</extracomment>
        <translation>haren koloreztatu gabeko bertsioa falta da, eta %1. marrazkira iristean haurrak «%2» ikusiko du. Gorde koloreztatu gabeko bertsioa «%3» izenarekin «%4» karpetan.</translation>
    </message>
    <message>
        <source>mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. El coloreado es una foto con una marca de giro de la cámara: el visor de fotos la enseña girada, pero Tamiro la enseña tal como está guardada. Ábrala con un programa de dibujo, gírela como debe verse y guárdela de nuevo.</source>
        <extracomment>The uncoloured drawing: %1 its size, %2 the coloured drawing&apos;s name, %3 its size.</extracomment>
        <translation>%1 neurtzen du, eta «%2» koloreztatuak %3: koloreztatzean ez datoz bat. Koloreztatua kameraren biraketa-marka duen argazki bat da: argazki-ikustaileak biratuta erakusten du, baina Tamirok gordeta dagoen bezala erakusten du. Ireki marrazteko programa batekin, biratu ikusi behar den bezala eta gorde berriro.</translation>
    </message>
    <message>
        <source>mide %1 y el coloreado «%2» mide %3: al colorear no coinciden. Guarde los dos con el mismo tamaño.</source>
        <extracomment>The uncoloured drawing: %1 its size, %2 the coloured drawing&apos;s name, %3 its size.</extracomment>
        <translation>%1 neurtzen du, eta «%2» koloreztatuak %3: koloreztatzean ez datoz bat. Gorde biak tamaina berean.</translation>
    </message>
    <message>
        <source>tiene partes transparentes, y por ellas se verán los colores antes de pintar. Guárdelo sin transparencia, con el fondo blanco.</source>
        <translation>zati gardenak ditu, eta haietatik koloreak ikusiko dira margotu aurretik. Gorde gardentasunik gabe, atzeko plano zuriarekin.</translation>
    </message>
    <message>
        <source>se cortará por abajo</source>
        <extracomment>What happens to a drawing too large for the screen, in &quot;en una pantalla de 1024 × 768 %3&quot;.</extracomment>
        <translation>behetik moztuko da</translation>
    </message>
    <message>
        <source>se cortará por los lados</source>
        <translation>alboetatik moztuko da</translation>
    </message>
    <message>
        <source>la animación quedará fuera de la pantalla</source>
        <translation>animazioa pantailatik kanpo geratuko da</translation>
    </message>
    <message>
        <source>mide %1 píxeles y en una pantalla de %2 %3. Redúzcalo a %4 como mucho.</source>
        <extracomment>%1 is the drawing&apos;s size, %2 the screen&apos;s, %3 what happens (its parts are cut, the animation does not fit), %4 the largest size that fits.</extracomment>
        <translation>%1 pixelekoa da, eta %2 pantaila batean %3. Txikitu, gehienez %4 izan arte.</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerNeverSeen</name>
    <message>
        <source>no se verá nunca: es una carpeta, y aquí Tamiro sólo busca archivos. Muévala a otro sitio.</source>
        <translation>ez da inoiz ikusiko: karpeta bat da, eta hemen Tamirok fitxategiak bakarrik bilatzen ditu. Eraman beste leku batera.</translation>
    </message>
    <message>
        <source>no se verá nunca: es un enlace a algo que ya no existe. Bórrelo y copie aquí el archivo de verdad.</source>
        <translation>ez da inoiz ikusiko: jada ez dagoen zerbaiterako esteka bat da. Ezabatu, eta kopiatu hona benetako fitxategia.</translation>
    </message>
    <message>
        <source>no se verá nunca: no es un archivo corriente. Bórrelo.</source>
        <translation>ez da inoiz ikusiko: ez da fitxategi arrunt bat. Ezabatu.</translation>
    </message>
    <message>
        <source>no se verá nunca: es un archivo oculto (su nombre empieza por un punto) y Tamiro no lo ve. Quítele el punto del principio.</source>
        <translation>ez da inoiz ikusiko: fitxategi ezkutu bat da (izena puntu batez hasten da), eta Tamirok ez du ikusten. Kendu hasierako puntua.</translation>
    </message>
    <message>
        <source>no se verá nunca: es lo que dejó a medias un cambio de los dibujos que no terminó (quizá se apagó el ordenador mientras se añadía o se ordenaba un dibujo). Bórrelo, y si falta algún dibujo, vuelva a añadirlo.</source>
        <translation>ez da inoiz ikusiko: amaitu ez zen marrazki-aldaketa batek erdizka utzitakoa da (agian ordenagailua itzali egin zen marrazki bat gehitzen edo ordenatzen ari zela). Ezabatu, eta marrazkiren bat falta bada, gehitu berriro.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el dibujo %1. Póngalo en otra carpeta.</source>
        <extracomment>%1 is the largest number Tamiro reaches.</extracomment>
        <translation>ez da inoiz ikusiko: Tamiro %1. marrazkira arte bakarrik iristen da. Jarri beste karpeta batean.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>ez da inoiz ikusiko: 1. marrazkia falta da, eta hura gabe ez da beste inora iristen. Jarri 1. marrazkia.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing drawing&apos;s number, %2 the one before it.</extracomment>
        <translation>ez da inoiz ikusiko: %1. marrazkia falta da, eta %2. marrazkiaren ondoren segida 1. marrazkira itzultzen da. Jarri falta den %1. marrazkia.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay dibujo %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>Of a coloured drawing: %1 is its number.</extracomment>
        <translation>ez da inoiz ikusiko: ez dago hura erabiltzen duen %1. marrazkirik. Ezabatu, edo jarri falta zaiona.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el dibujo coloreado %1. Póngalo en otra carpeta.</source>
        <extracomment>Of an uncoloured drawing, whose coloured drawing is missing: %1 is the largest number Tamiro reaches.</extracomment>
        <translation>ez da inoiz ikusiko: Tamiro %1. marrazki koloreztatura arte bakarrik iristen da. Jarri beste karpeta batean.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo coloreado 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>ez da inoiz ikusiko: 1. marrazki koloreztatua falta da, eta hura gabe ez da beste inora iristen. Jarri 1. marrazki koloreztatua.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el dibujo coloreado %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing coloured drawing&apos;s number, %2 the one before it.</extracomment>
        <translation>ez da inoiz ikusiko: %1. marrazki koloreztatua falta da, eta %2. marrazkiaren ondoren segida 1. marrazkira itzultzen da. Jarri falta den %1. marrazki koloreztatua.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay dibujo coloreado %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>Of an uncoloured drawing: %1 is its number.</extracomment>
        <translation>ez da inoiz ikusiko: ez dago hura erabiltzen duen %1. marrazki koloreztaturik. Ezabatu, edo jarri falta zaiona.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo llega hasta el número %1. Póngalo en otra carpeta.</source>
        <extracomment>Of an animation, a brush size or a pointer: %1 is the largest number Tamiro reaches.</extracomment>
        <translation>ez da inoiz ikusiko: Tamiro %1 zenbakira arte bakarrik iristen da. Jarri beste karpeta batean.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el número 1, y sin él no se llega a ningún otro. Ponga el 1.</source>
        <translation>ez da inoiz ikusiko: 1 zenbakia falta da, eta hura gabe ez da beste inora iristen. Jarri 1 zenbakia.</translation>
    </message>
    <message>
        <source>no se verá nunca: falta el número %1 y la serie vuelve al 1 después del %2. Ponga el %1 que falta.</source>
        <extracomment>%1 is the missing number, %2 the one before it.</extracomment>
        <translation>ez da inoiz ikusiko: %1 zenbakia falta da, eta %2 zenbakiaren ondoren segida 1 zenbakira itzultzen da. Jarri falta den %1 zenbakia.</translation>
    </message>
    <message>
        <source>no se verá nunca: no hay número %1 que lo use. Bórrelo, o ponga el que le falta.</source>
        <extracomment>%1 is its number.</extracomment>
        <translation>ez da inoiz ikusiko: ez dago hura erabiltzen duen %1 zenbakirik. Ezabatu, edo jarri falta zaiona.</translation>
    </message>
    <message numerus="yes">
        <source>no se verá nunca: hay %n archivo(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n files that Tamiro takes for one: %1 names them, %2 the one it uses.</extracomment>
        <translation>
            <numerusform>ez da inoiz ikusiko: Tamirok %n fitxategi nahasten du: %1; «%2» erabiltzen du. Utzi bakarra.</numerusform>
            <numerusform>ez da inoiz ikusiko: Tamirok %n fitxategi nahasten ditu: %1; «%2» erabiltzen du. Utzi bakarra.</numerusform>
        </translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo lee aquí archivos %1. Guárdelo como %2 con el nombre «%3».</source>
        <extracomment>%1 the kinds of file read here (&quot;.gif y .jpg&quot;), %2 the kind to save it as, %3 the name to save it with.</extracomment>
        <translation>ez da inoiz ikusiko: hemen Tamirok %1 fitxategiak bakarrik irakurtzen ditu. Gorde %2 gisa, «%3» izenarekin.</translation>
    </message>
    <message>
        <source>no se verá nunca: Tamiro sólo lee aquí archivos %1 con un número por nombre. Si no es para Tamiro, muévalo a otro sitio.</source>
        <extracomment>%1 the kinds of file read here (&quot;.gif y .jpg&quot;).</extracomment>
        <translation>ez da inoiz ikusiko: hemen Tamirok izen gisa zenbaki bat duten %1 fitxategiak bakarrik irakurtzen ditu. Tamirorentzat ez bada, eraman beste leku batera.</translation>
    </message>
    <message>
        <source>no se verá nunca: el nombre tiene que ser un número (1, 2, 3…). Cámbieselo por el número que le toque.</source>
        <translation>ez da inoiz ikusiko: izenak zenbaki bat izan behar du (1, 2, 3…). Aldatu izena, eta jarri dagokion zenbakia.</translation>
    </message>
    <message>
        <source>no se verá nunca: el número está mal escrito (con ceros delante o con signo). Cámbiele el nombre a «%1».</source>
        <extracomment>%1 is the name it should have.</extracomment>
        <translation>ez da inoiz ikusiko: zenbakia gaizki idatzita dago (zeroak ditu aurretik, edo zeinua). Aldatu izena, eta jarri «%1».</translation>
    </message>
    <message>
        <source>no se verá nunca: los números empiezan en 1. Cámbiele el número.</source>
        <translation>ez da inoiz ikusiko: zenbakiak 1etik hasten dira. Aldatu zenbakia.</translation>
    </message>
    <message>
        <source>no se verá nunca: con el número %1 ya se usa «%2» (el GIF va antes que el JPEG). Bórrelo o cámbiele el número.</source>
        <extracomment>%1 is the file&apos;s number, %2 the file Tamiro uses for it.</extracomment>
        <translation>ez da inoiz ikusiko: %1 zenbakiarekin «%2» erabiltzen da jada (GIFa JPEGaren aurretik doa). Ezabatu edo aldatu zenbakia.</translation>
    </message>
    <message>
        <source>no se verá nunca: está en «%1», una carpeta que Tamiro confunde con «%2», la que usa. Pase el dibujo a «%2» y borre «%1».</source>
        <extracomment>%1 is a folder Tamiro takes for %2, the one it uses.</extracomment>
        <translation>ez da inoiz ikusiko: «%1» karpetan dago, eta Tamirok karpeta hori «%2» karpetarekin nahasten du, hori baita erabiltzen duena. Eraman marrazkia «%2» karpetara eta ezabatu «%1».</translation>
    </message>
    <message>
        <source>no se verá nunca: en cada carpeta de dibujos Tamiro sólo mira «%1» y «%2». Muévalo a una de ellas o a otro sitio.</source>
        <extracomment>%1 and %2 are the names of the folders of the coloured and the uncoloured drawings.</extracomment>
        <translation>ez da inoiz ikusiko: marrazki-karpeta bakoitzean Tamirok «%1» eta «%2» bakarrik begiratzen ditu. Eraman horietako batera edo beste leku batera.</translation>
    </message>
    <message>
        <source>no se verá nunca: los diez botones abren las carpetas 1 a 10 de «%1». Pase lo que quiera enseñar a una de ellas.</source>
        <extracomment>%1 is the name of the folder of drawing folders.</extracomment>
        <translation>ez da inoiz ikusiko: hamar botoiek «%1» karpetako 1etik 10erako karpetak irekitzen dituzte. Eraman erakutsi nahi duzuna horietako batera.</translation>
    </message>
    <message numerus="yes">
        <source>no se usará nunca: hay %n nombre(s) que Tamiro confunde: %1; usa «%2». Deje sólo uno.</source>
        <extracomment>%n names that Tamiro takes for one: %1 lists them, %2 is the one it uses.</extracomment>
        <translation>
            <numerusform>ez da inoiz erabiliko: Tamirok %n izen nahasten du: %1; «%2» erabiltzen du. Utzi bakarra.</numerusform>
            <numerusform>ez da inoiz erabiliko: Tamirok %n izen nahasten ditu: %1; «%2» erabiltzen du. Utzi bakarra.</numerusform>
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
        <translation>%1 eta %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>One more item of a list, before its last two: %1 the items so far.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>The drawings a button shows, from number %1 to number %2.</extracomment>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>GIF o JPEG</source>
        <extracomment>What a picture is saved as, in &quot;guárdelo como %1&quot;.</extracomment>
        <translation>GIF edo JPEG</translation>
    </message>
    <message>
        <source>icono (.ico) de 32 × 32</source>
        <translation>32 × 32ko ikono (.ico)</translation>
    </message>
    <message>
        <source>Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por ejemplo). Redúzcalo a %3 como mucho y guárdelo como %4.</source>
        <extracomment>%1 millions of pixels at most, such as %2 × %2; %3 the size the drawing fits the screen at, %4 the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;).</extracomment>
        <translation>Tamirok ez ditu %1 milioi pixel baino gehiagoko irudiak irekitzen (%2 × %2, adibidez). Txikitu, gehienez %3 izan arte, eta gorde %4 gisa.</translation>
    </message>
    <message>
        <source>Tamiro no abre imágenes de más de %1 millones de píxeles (%2 × %2, por ejemplo). Redúzcalo y guárdelo como %3.</source>
        <extracomment>%1 millions of pixels at most, such as %2 × %2; %3 the kind of file to save it as.</extracomment>
        <translation>Tamirok ez ditu %1 milioi pixel baino gehiagoko irudiak irekitzen (%2 × %2, adibidez). Txikitu eta gorde %3 gisa.</translation>
    </message>
    <message>
        <source>Es de otro tipo aunque se llame así: ábralo con un programa de dibujo y guárdelo como %1.</source>
        <extracomment>%1 is the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;, an icon).</extracomment>
        <translation>Beste mota batekoa da, izen hori izan arren: ireki marrazteko programa batekin eta gorde %1 gisa.</translation>
    </message>
    <message>
        <source>Ábralo con un programa de dibujo y guárdelo de nuevo como %1.</source>
        <extracomment>%1 is the kind of file to save it as (&quot;GIF&quot;, &quot;GIF o JPEG&quot;, an icon).</extracomment>
        <translation>Ireki marrazteko programa batekin eta gorde berriro %1 gisa.</translation>
    </message>
    <message>
        <source>Guárdela más pequeña: junto al dibujo se ve en unos 90 × 90 píxeles.</source>
        <translation>Gorde txikiago: marrazkiaren ondoan 90 × 90 pixel inguruko laukian ikusten da.</translation>
    </message>
    <message>
        <source>Guárdela con menos fotogramas (%1 como mucho) o más pequeña.</source>
        <extracomment>%1 is the most frames an animation may have.</extracomment>
        <translation>Gorde fotograma gutxiagorekin (gehienez %1) edo txikiago.</translation>
    </message>
    <message>
        <source>Guárdela como GIF animado con el nombre «%1».</source>
        <extracomment>%1 is the animation&apos;s file name.</extracomment>
        <translation>Gorde GIF animatu gisa, «%1» izenarekin.</translation>
    </message>
    <message>
        <source>Ábrala con un programa de dibujo y guárdela de nuevo como GIF animado.</source>
        <translation>Ireki marrazteko programa batekin eta gorde berriro GIF animatu gisa.</translation>
    </message>
    <message numerus="yes">
        <source>%n dibujo(s) en los diez botones</source>
        <extracomment>How many drawings the child meets, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n marrazki hamar botoietan</numerusform>
            <numerusform>%n marrazki hamar botoietan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n aviso(s)</source>
        <extracomment>How many warnings, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n ohar</numerusform>
            <numerusform>%n ohar</numerusform>
        </translation>
    </message>
    <message>
        <source>Todo en orden: %1, y nada fallará.</source>
        <extracomment>The report&apos;s last line. %1 is how many drawings the child meets.</extracomment>
        <translation>Dena ondo: %1, eta ezerk ez du huts egingo.</translation>
    </message>
    <message>
        <source>Nada fallará: %1, con %2 que conviene mirar.</source>
        <extracomment>The report&apos;s last line. %1 is how many drawings the child meets, %2 how many warnings there are.</extracomment>
        <translation>Ezerk ez du huts egingo: %1; hala ere, komeni da %2 begiratzea.</translation>
    </message>
    <message>
        <source>%1 y %2; %3.</source>
        <extracomment>The report&apos;s last line: %1 how many things will fail, %2 how many warnings there are, %3 how many drawings the child meets.</extracomment>
        <translation>%1 eta %2; %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n cosa(s) fallará(n)</source>
        <extracomment>How many things will fail, in the summary&apos;s sentences.</extracomment>
        <translation>
            <numerusform>%n gauzak huts egingo du</numerusform>
            <numerusform>%n gauzak huts egingo dute</numerusform>
        </translation>
    </message>
    <message>
        <source>Todo en orden en la carpeta %1: nada fallará.</source>
        <extracomment>The teacher&apos;s window, under a folder&apos;s drawings: %1 is the folder.</extracomment>
        <translation>Dena ondo %1. karpetan: ezerk ez du huts egingo.</translation>
    </message>
    <message>
        <source>Nada fallará en la carpeta %1, con %2 que conviene mirar.</source>
        <extracomment>%1 is the folder, %2 how many warnings there are (&quot;2 avisos&quot;).</extracomment>
        <translation>Ezerk ez du huts egingo %1. karpetan; hala ere, komeni da %2 begiratzea.</translation>
    </message>
    <message>
        <source>En la carpeta %1, %2.</source>
        <extracomment>%1 is the folder, %2 how many things will fail (&quot;2 cosas fallarán&quot;).</extracomment>
        <translation>%1. karpetan, %2.</translation>
    </message>
    <message>
        <source>En la carpeta %1, %2 y %3.</source>
        <extracomment>%1 is the folder, %2 how many things will fail, %3 how many warnings there are.</extracomment>
        <translation>%1. karpetan, %2 eta %3.</translation>
    </message>
    <message>
        <source>Aviso</source>
        <extracomment>Heads a line of the report: something will not be seen or will not fit. The report shows it in capitals in its first column, with the file names lined up after it: five letters at most keep them where they are in Spanish.</extracomment>
        <translation>Ohar</translation>
    </message>
    <message>
        <source>Falla</source>
        <extracomment>Heads a line of the report: something will fail. Shown in capitals in the report&apos;s first column: five letters at most.</extracomment>
        <translation>Akats</translation>
    </message>
    <message>
        <source>Lo que verá el niño con la carpeta %1:</source>
        <extracomment>The report&apos;s first line: %1 is the content folder reviewed.</extracomment>
        <translation>Haurrak hau ikusiko du %1 karpetarekin:</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSeries</name>
    <message>
        <source>no se puede abrir, y el niño verá «%1». %2</source>
        <extracomment>%1 is the child&apos;s message, %2 what to do about it.</extracomment>
        <translation>ezin da ireki, eta haurrak «%1» ikusiko du. %2</translation>
    </message>
    <message>
        <source>no se verá, y junto al dibujo quedará un hueco vacío: %1. %2</source>
        <extracomment>%1 is why the animation does not play, %2 what to do about it.</extracomment>
        <translation>ez da ikusiko, eta marrazkiaren ondoan hutsune bat geratuko da: %1. %2</translation>
    </message>
    <message>
        <source>no hay animación 1: junto al dibujo no se verá ninguna. Ponga una animación GIF con el nombre «%1».</source>
        <extracomment>%1 is the name the first animation must have.</extracomment>
        <translation>ez dago 1. animaziorik: marrazkiaren ondoan ez da bat ere ikusiko. Jarri GIF animazio bat «%1» izenarekin.</translation>
    </message>
    <message numerus="yes">
        <source>%n animación(es), una nueva en cada paso</source>
        <extracomment>The animations&apos; line: how many the child meets.</extracomment>
        <translation>
            <numerusform>%n animazio, berri bat urrats bakoitzean</numerusform>
            <numerusform>%n animazio, berri bat urrats bakoitzean</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n no se verá(n)</source>
        <extracomment>%1 is how many animations the child meets (&quot;6 animaciones, una nueva en cada paso&quot;), %n how many of them will not be seen.</extracomment>
        <translation>
            <numerusform>%1; %n ez da ikusiko</numerusform>
            <numerusform>%1; %n ez dira ikusiko</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe, y el niño verá «%1». Copie aquí un pincel con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the brush size must have.</extracomment>
        <translation>ez dago, eta haurrak «%1» ikusiko du. Kopiatu hona pintzel bat «%2» izenarekin.</translation>
    </message>
    <message>
        <source>el pincel no crece: mide %1 y el anterior %2. Ordene los pinceles de menor a mayor.</source>
        <extracomment>%1 is the brush size&apos;s size, %2 the size of the one before.</extracomment>
        <translation>pintzela ez da handitzen: %1 neurtzen du, eta aurrekoak %2. Ordenatu pintzelak txikienetik handienera.</translation>
    </message>
    <message numerus="yes">
        <source>%n tamaño(s) de pincel</source>
        <extracomment>The brush sizes&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n pintzel-tamaina</numerusform>
            <numerusform>%n pintzel-tamaina</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n tamaño(s) de pincel: %1</source>
        <extracomment>%1 lists the sizes (&quot;16 × 16, 32 × 32&quot;).</extracomment>
        <translation>
            <numerusform>%n pintzel-tamaina: %1</numerusform>
            <numerusform>%n pintzel-tamaina: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe, y el niño verá «%1». Copie aquí un puntero con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the pointer must have.</extracomment>
        <translation>ez dago, eta haurrak «%1» ikusiko du. Kopiatu hona erakusle bat «%2» izenarekin.</translation>
    </message>
    <message>
        <source>no es un icono de 32 × 32 (es un icono de %1). Guárdelo como icono (.ico) de 32 × 32.</source>
        <extracomment>%1 is the icon&apos;s size.</extracomment>
        <translation>ez da 32 × 32ko ikonoa (%1 tamainako ikonoa da). Gorde 32 × 32ko ikono (.ico) gisa.</translation>
    </message>
    <message>
        <source>no es un icono de 32 × 32 (es una imagen de %1). Guárdelo como icono (.ico) de 32 × 32.</source>
        <extracomment>%1 is the picture&apos;s size.</extracomment>
        <translation>ez da 32 × 32ko ikonoa (%1 tamainako irudia da). Gorde 32 × 32ko ikono (.ico) gisa.</translation>
    </message>
    <message numerus="yes">
        <source>%n puntero(s)</source>
        <extracomment>The pointers&apos; line: how many there are.</extracomment>
        <translation>
            <numerusform>%n erakusle</numerusform>
            <numerusform>%n erakusle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerSingleFiles</name>
    <message>
        <source>%1 píxeles, repetido detrás de la ventana</source>
        <extracomment>%1 is the background picture&apos;s size.</extracomment>
        <translation>%1 pixel, leihoaren atzean errepikatuta</translation>
    </message>
    <message>
        <source>no existe, y al arrancar el niño verá «%1». Copie aquí una imagen GIF con el nombre «%2».</source>
        <extracomment>%1 is the child&apos;s message, %2 the name the background picture must have.</extracomment>
        <translation>ez dago, eta abiaraztean haurrak «%1» ikusiko du. Kopiatu hona GIF irudi bat «%2» izenarekin.</translation>
    </message>
    <message>
        <source>no se puede abrir, y al arrancar el niño verá «%1». %2</source>
        <extracomment>%1 is the child&apos;s message, %2 what to do about it.</extracomment>
        <translation>ezin da ireki, eta abiaraztean haurrak «%1» ikusiko du. %2</translation>
    </message>
    <message>
        <source>no existe: no habrá sonido al pulsar «siguiente» o una carpeta. Copie aquí un sonido WAV con el nombre «%1».</source>
        <extracomment>%1 is the name the sound must have.</extracomment>
        <translation>ez dago: ez da soinurik izango «hurrengoa» edo karpeta bat sakatzean. Kopiatu hona WAV soinu bat «%1» izenarekin.</translation>
    </message>
    <message>
        <source>no habrá sonido al pulsar «siguiente» o una carpeta: %1. Guárdelo como WAV PCM de 16 bits, mono o estéreo.</source>
        <extracomment>%1 is why it will not play.</extracomment>
        <translation>ez da soinurik izango «hurrengoa» edo karpeta bat sakatzean: %1. Gorde 16 biteko WAV PCM gisa, mono edo estereo.</translation>
    </message>
    <message>
        <source>no existe: no habrá sonido al pulsar «anterior». Copie aquí un sonido WAV con el nombre «%1».</source>
        <extracomment>%1 is the name the sound must have.</extracomment>
        <translation>ez dago: ez da soinurik izango «aurrekoa» sakatzean. Kopiatu hona WAV soinu bat «%1» izenarekin.</translation>
    </message>
    <message>
        <source>no habrá sonido al pulsar «anterior»: %1. Guárdelo como WAV PCM de 16 bits, mono o estéreo.</source>
        <extracomment>%1 is why it will not play.</extracomment>
        <translation>ez da soinurik izango «aurrekoa» sakatzean: %1. Gorde 16 biteko WAV PCM gisa, mono edo estereo.</translation>
    </message>
    <message>
        <source>PCM de %1 bits, mono, %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>%1 biteko PCM, mono, %2 Hz, %3 s</translation>
    </message>
    <message>
        <source>PCM de %1 bits, estéreo, %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>%1 biteko PCM, estereo, %2 Hz, %3 s</translation>
    </message>
    <message numerus="yes">
        <source>PCM de %1 bits, %n canal(es), %2 Hz, %3 s</source>
        <extracomment>A sound that plays: %1 its bits, %n its channels, %2 its rate, %3 how long it lasts.</extracomment>
        <translation>
            <numerusform>%1 biteko PCM, %n kanal, %2 Hz, %3 s</numerusform>
            <numerusform>%1 biteko PCM, %n kanal, %2 Hz, %3 s</numerusform>
        </translation>
    </message>
    <message>
        <source>no existe: la impresión está desactivada</source>
        <translation>ez dago: inprimatzea desaktibatuta dago</translation>
    </message>
    <message>
        <source>la impresión está desactivada: Tamiro sólo lee «%1», escrito así, en minúsculas. Cámbiele el nombre.</source>
        <extracomment>%1 is the only name of the switch file that Tamiro reads.</extracomment>
        <translation>inprimatzea desaktibatuta dago: Tamirok «%1» bakarrik irakurtzen du, horrela idatzita, minuskulaz. Aldatu izena.</translation>
    </message>
    <message>
        <source>no se puede leer, y al arrancar el niño verá «%1». Bórrelo y escriba uno nuevo con %2 o %3.</source>
        <extracomment>%1 is the child&apos;s message; %2 and %3 are the two words the file may say, as they stand.</extracomment>
        <translation>ezin da irakurri, eta abiaraztean haurrak «%1» ikusiko du. Ezabatu, eta idatzi beste bat %2 edo %3 jarrita.</translation>
    </message>
    <message>
        <source>la impresión está activada</source>
        <translation>inprimatzea aktibatuta dago</translation>
    </message>
    <message>
        <source>la impresión está desactivada: está guardado como «Unicode» (UTF-16) y Tamiro no lo entiende. Guárdelo como texto normal (ANSI o UTF-8) con %1 en la primera línea.</source>
        <extracomment>%1 is the word that turns printing on, as it stands.</extracomment>
        <translation>inprimatzea desaktibatuta dago: «Unicode» (UTF-16) gisa gordeta dago, eta Tamirok ez du ulertzen. Gorde testu arrunt gisa (ANSI edo UTF-8), lehen lerroan %1 jarrita.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: sus líneas no terminan como Tamiro espera, y lo lee todo como una sola línea: «%1». Deje en el archivo sólo la palabra %2.</source>
        <extracomment>%1 is the file&apos;s text, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>inprimatzea desaktibatuta dago: haren lerroak ez dira Tamirok espero bezala amaitzen, eta dena lerro bakar gisa irakurtzen du: «%1». Utzi fitxategian %2 hitza bakarrik.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea «%1» lleva espacios en blanco. Déjela en %2, sin nada más.</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>inprimatzea desaktibatuta dago: lehen lerroak («%1») zuriuneak ditu. Utzi %2 bakarrik, beste ezer gabe.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: «%1» lleva tilde. Escriba %2 sin tilde.</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>inprimatzea desaktibatuta dago: «%1» hitzak azentu-marka du. Idatzi %2, azentu-markarik gabe.</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea está vacía</source>
        <translation>inprimatzea desaktibatuta dago: lehen lerroa hutsik dago</translation>
    </message>
    <message>
        <source>la impresión está desactivada: la primera línea dice «%1» y sólo %2 la activa</source>
        <extracomment>%1 is the first line, %2 the word that turns printing on, as it stands.</extracomment>
        <translation>inprimatzea desaktibatuta dago: lehen lerroak «%1» dio, eta %2 hitzak bakarrik aktibatzen du</translation>
    </message>
</context>
<context>
    <name>tamiro::CheckerWindow</name>
    <message>
        <source>Revisar los dibujos de Tamiro</source>
        <extracomment>The window&apos;s title: the name of its entry in the desktop&apos;s menu.</extracomment>
        <translation>Berrikusi Tamiroren marrazkiak</translation>
    </message>
    <message>
        <source>Lo que verá el niño con la carpeta %1 (de cada dibujo, a la izquierda el coloreado y a la derecha el sin colorear):</source>
        <extracomment>%1 is the content folder reviewed.</extracomment>
        <translation>Haurrak hau ikusiko du %1 karpetarekin (marrazki bakoitzetik, ezkerrean koloreztatua eta eskuinean koloreztatu gabea):</translation>
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
            <numerusform>… eta %n lerro gehiago: zerrenda osoa «%1» aginduak ateratzen du.</numerusform>
            <numerusform>… eta %n lerro gehiago: zerrenda osoa «%1» aginduak ateratzen du.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
</context>
<context>
    <name>tamiro::ChildMessages</name>
    <message>
        <source>No puedo mostrar el dibujo %1 de la carpeta %2: %3.</source>
        <extracomment>%1 is the drawing&apos;s number, %2 the folder&apos;s (its green button), %3 the description of what failed (lower case, without a final stop), from the messages that follow.</extracomment>
        <translation>Ezin dut %2. karpetako %1. marrazkia erakutsi: %3.</translation>
    </message>
    <message>
        <source>no encuentro «%1» ni «%2»</source>
        <extracomment>A description, completing another message: the two files that may hold a coloured drawing, neither of which is there.</extracomment>
        <translation>ez dut aurkitzen «%1», ezta «%2» ere</translation>
    </message>
    <message>
        <source>No puedo cargar el primer tamaño de pincel: %1.</source>
        <extracomment>At start-up. %1 is the description of what failed, lower case.</extracomment>
        <translation>Ezin dut pintzelaren lehen tamaina kargatu: %1.</translation>
    </message>
    <message>
        <source>No puedo leer el interruptor de impresión: %1. La impresión queda desactivada.</source>
        <extracomment>At start-up, the file that says whether printing is allowed cannot be read. %1 is the description of what failed, lower case.</extracomment>
        <translation>Ezin dut inprimatzeko etengailua irakurri: %1. Inprimatzea desaktibatuta geratzen da.</translation>
    </message>
    <message>
        <source>No puedo cargar el primer puntero: %1.</source>
        <extracomment>At start-up. %1 is the description of what failed, lower case.</extracomment>
        <translation>Ezin dut lehen erakuslea kargatu: %1.</translation>
    </message>
    <message>
        <source>No puedo cambiar el tamaño del pincel: %1.</source>
        <extracomment>After a click on the brush-size button. %1 is the description of what failed.</extracomment>
        <translation>Ezin dut pintzelaren tamaina aldatu: %1.</translation>
    </message>
    <message>
        <source>Atención: %1</source>
        <extracomment>After a click on the pointer or the printer button. %1 is the description of what failed.</extracomment>
        <translation>Kontuz: %1</translation>
    </message>
    <message>
        <source>No encuentro la imagen de fondo <byte value="xd"/>
ERROR: %1</source>
        <extracomment>At start-up, the background picture fails. The line break is part of the message, and the word ERROR heads its second line. %1 is the description of what failed.</extracomment>
        <translation>Ez dut atzeko planoko irudia aurkitzen <byte value="xd"/>
ERROREA: %1</translation>
    </message>
</context>
<context>
    <name>tamiro::ColouringWindow</name>
    <message>
        <source>Tamiro ya está abierto, pero no contesta.
</source>
        <extracomment>On the terminal, when the child&apos;s program is started while a copy that does not answer is running.</extracomment>
        <translation>Tamiro irekita dago jada, baina ez du erantzuten.
</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <extracomment>The accessible name of a green button: it opens drawing folder %1.</extracomment>
        <translation>%1. karpeta</translation>
    </message>
    <message>
        <source>Dibujo siguiente</source>
        <translation>Hurrengo marrazkia</translation>
    </message>
    <message>
        <source>Dibujo anterior</source>
        <translation>Aurreko marrazkia</translation>
    </message>
    <message>
        <source>Tamaño del pincel</source>
        <translation>Pintzelaren tamaina</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Puntero</source>
        <translation>Erakuslea</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Inprimatu</translation>
    </message>
    <message>
        <source>Dibujo</source>
        <extracomment>The drawing the child colours.</extracomment>
        <translation>Marrazkia</translation>
    </message>
    <message>
        <source>Animación</source>
        <translation>Animazioa</translation>
    </message>
</context>
<context>
    <name>tamiro::ContentWriter</name>
    <message>
        <source>no puedo llevar los archivos a la papelera: en este disco, la papelera tiene que estar en «%1», donde usted no puede escribir. Un administrador puede hacer allí una papelera para todos («sudo mkdir %2» y «sudo chmod 1777 %2»)</source>
        <translation>ezin ditut fitxategiak zakarrontzira eraman: disko honetan, zakarrontziak «%1» karpetan egon behar du, eta zuk ezin duzu han idatzi. Administratzaile batek denentzako zakarrontzi bat egin dezake han («sudo mkdir %2» eta «sudo chmod 1777 %2»)</translation>
    </message>
    <message>
        <source>«%1» no es una carpeta, y ahí tiene que haber una: muévalo a otro sitio y vuelva a intentarlo</source>
        <translation>«%1» ez da karpeta bat, eta hor karpeta bat egon behar du: eraman beste leku batera eta saiatu berriro</translation>
    </message>
    <message>
        <source>«%1» no lleva a ninguna carpeta: compruebe adónde lleva y vuelva a intentarlo</source>
        <translation>«%1» ez doa inongo karpetara: egiaztatu nora doan eta saiatu berriro</translation>
    </message>
    <message>
        <source>ya hay un archivo «%1», y no escribo encima de nada: bórrelo o muévalo a otro sitio y vuelva a intentarlo</source>
        <translation>badago «%1» fitxategi bat, eta ez dut ezeren gainean idazten: ezabatu edo eraman beste leku batera eta saiatu berriro</translation>
    </message>
    <message>
        <source>alguien está cambiando ahora mismo los dibujos de la carpeta «%1»: espere a que termine y vuelva a intentarlo</source>
        <translation>norbait «%1» karpetako marrazkiak aldatzen ari da oraintxe: itxaron amaitu arte eta saiatu berriro</translation>
    </message>
    <message>
        <source>USUARIO</source>
        <extracomment>Stands for the teacher&apos;s login in a command that an administrator types.</extracomment>
        <translation>ERABILTZAILEA</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1»: pida a un administrador que le dé permiso</source>
        <translation>ez duzu «%1» karpetan idazteko baimenik: eskatu administratzaile bati baimena emateko</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1», que sólo puede cambiar «%2»: pida a un administrador que le dé permiso</source>
        <extracomment>%1 is the folder, %2 the login of the only one who may change it.</extracomment>
        <translation>ez duzu «%1» karpetan idazteko baimenik, eta «%2» erabiltzaileak bakarrik alda dezake: eskatu administratzaile bati baimena emateko</translation>
    </message>
    <message>
        <source>usted ya está en el grupo «%1», que puede escribir en la carpeta «%2», pero eso vale desde la próxima vez que entre: cierre la sesión, vuelva a entrar y vuelva a intentarlo</source>
        <translation>«%1» taldean zaude jada, eta talde horrek «%2» karpetan idatz dezake, baina hori saioa hasten duzun hurrengo alditik aurrera da baliozkoa: itxi saioa, hasi berriro eta saiatu berriro</translation>
    </message>
    <message>
        <source>no tiene permiso para escribir en la carpeta «%1», que es del grupo «%2»: un administrador puede añadirle al grupo con «sudo adduser %3 %2», y vale desde la próxima vez que entre</source>
        <extracomment>%1 is the folder, %2 its group, %3 the teacher&apos;s login: «sudo adduser %3 %2» is a command, typed as it stands.</extracomment>
        <translation>ez duzu «%1» karpetan idazteko baimenik, «%2» taldearena baita: administratzaile batek talde horretara gehi zaitzake «sudo adduser %3 %2» aginduarekin, eta saioa hasten duzun hurrengo alditik aurrera da baliozkoa</translation>
    </message>
    <message>
        <source>la carpeta «%1» es de sólo lectura (por ejemplo, una carpeta compartida del servidor que este ordenador sólo puede leer): añada los dibujos en el ordenador donde se guarda</source>
        <translation>«%1» karpeta irakurtzeko soilik da (adibidez, ordenagailu honek irakurri besterik egin ezin duen zerbitzariko karpeta partekatu bat): gehitu marrazkiak karpeta gordetzen duen ordenagailuan</translation>
    </message>
    <message>
        <source>el disco donde está la carpeta «%1» está lleno: haga sitio (vacíe la papelera o borre lo que ya no necesite) y vuelva a intentarlo</source>
        <translation>«%1» karpeta dagoen diskoa beteta dago: egin lekua (hustu zakarrontzia edo ezabatu behar ez duzuna) eta saiatu berriro</translation>
    </message>
    <message>
        <source>ha llenado el espacio que le toca en el disco donde está la carpeta «%1»: haga sitio (vacíe la papelera o borre lo que ya no necesite) o pida más a un administrador, y vuelva a intentarlo</source>
        <translation>«%1» karpeta dagoen diskoan dagokizun lekua bete duzu: egin lekua (hustu zakarrontzia edo ezabatu behar ez duzuna) edo eskatu leku gehiago administratzaile bati, eta saiatu berriro</translation>
    </message>
    <message>
        <source>la carpeta «%1» ya no está (¿se ha desconectado el disco o la red?): compruebe que se puede abrir y vuelva a intentarlo</source>
        <translation>«%1» karpeta jada ez dago (diskoa edo sarea deskonektatu da?): egiaztatu ireki daitekeela eta saiatu berriro</translation>
    </message>
    <message>
        <source>no puedo cambiar la carpeta «%1» (error del sistema %2: %3): vuelva a intentarlo, y si vuelve a pasar, avise a un administrador</source>
        <extracomment>%1 is the folder, %2 the system&apos;s number for what failed, %3 its own words.</extracomment>
        <translation>ezin dut «%1» karpeta aldatu (sistemaren %2 errorea: %3): saiatu berriro, eta berriro gertatzen bada, jakinarazi administratzaile bati</translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingChanges</name>
    <message>
        <source>no hay carpeta %1: las carpetas de dibujos van de la 1 a la 10</source>
        <translation>ez dago %1. karpetarik: marrazki-karpetak 1etik 10era doaz</translation>
    </message>
    <message>
        <source>la carpeta %1 ya tiene %2 dibujos, los que caben: ponga el dibujo en otra carpeta</source>
        <extracomment>%1 is the folder, %2 the most drawings a folder holds.</extracomment>
        <translation>%1. karpetak %2 marrazki ditu jada, sartzen diren guztiak: jarri marrazkia beste karpeta batean</translation>
    </message>
    <message>
        <source>el dibujo nuevo sería el %1 de la carpeta %2, pero ya hay un «%3» en «%4» que no es de ningún dibujo que vea el niño (quizá quedó de una copia que no terminó): bórrelo o muévalo a otro sitio y vuelva a intentarlo</source>
        <extracomment>%1 is the new drawing&apos;s number, %2 the folder, %3 the file in the way, %4 the folder it is in.</extracomment>
        <translation>marrazki berria %2. karpetako %1. marrazkia izango litzateke, baina «%4» karpetan badago «%3» bat, haurrak ikusten duen inongo marrazkirena ez dena (agian amaitu ez zen kopia batetik geratu zen): ezabatu edo eraman beste leku batera eta saiatu berriro</translation>
    </message>
    <message>
        <source>el dibujo coloreado tiene que ser GIF o JPEG, no «%1»</source>
        <translation>marrazki koloreztatuak GIF edo JPEG izan behar du, ez «%1»</translation>
    </message>
    <message>
        <source>la carpeta %1 no tiene dibujos que el niño vea</source>
        <translation>%1. karpetak ez du haurrak ikusten duen marrazkirik</translation>
    </message>
    <message>
        <source>la carpeta %1 no tiene dibujo %2: el niño ve los dibujos 1 a %3</source>
        <extracomment>%1 is the folder, %2 the drawing asked for, %3 its last drawing.</extracomment>
        <translation>%1. karpetak ez du %2. marrazkirik: haurrak 1 eta %3 arteko marrazkiak ikusten ditu</translation>
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
            <numerusform>«%1» karpetan %n fitxategi dago %2 zenbakiarekin (%3), eta Tamirok bakarra erabiltzen du: utzi nahi duzuna bakarrik eta saiatu berriro</numerusform>
            <numerusform>«%1» karpetan %n fitxategi daude %2 zenbakiarekin (%3), eta Tamirok bakarra erabiltzen du: utzi nahi duzuna bakarrik eta saiatu berriro</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tamiro::DrawingMaker</name>
    <message>
        <source>no he podido preparar el dibujo: %1</source>
        <extracomment>%1 is what failed, from the descriptions that follow.</extracomment>
        <translation>ezin izan dut marrazkia prestatu: %1</translation>
    </message>
    <message>
        <source>no hay memoria para escribir el GIF</source>
        <translation>ez dago memoriarik GIFa idazteko</translation>
    </message>
    <message>
        <source>no se ha podido escribir el GIF</source>
        <translation>ezin izan da GIFa idatzi</translation>
    </message>
    <message>
        <source>no hay memoria para elegir los colores</source>
        <translation>ez dago memoriarik koloreak aukeratzeko</translation>
    </message>
    <message>
        <source>no se han podido elegir los colores</source>
        <translation>ezin izan dira koloreak aukeratu</translation>
    </message>
    <message>
        <source>no se ha podido escribir el JPEG</source>
        <translation>ezin izan da JPEGa idatzi</translation>
    </message>
    <message>
        <source>sus datos están dañados o incompletos</source>
        <translation>haren datuak hondatuta edo osatu gabe daude</translation>
    </message>
    <message>
        <source>no se ha podido descodificar</source>
        <translation>ezin izan da deskodetu</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande para ser una imagen (%2 MB)</source>
        <translation>«%1» fitxategia handiegia da irudi bat izateko (%2 MB)</translation>
    </message>
    <message>
        <source>no es una imagen PNG, JPEG, GIF, BMP, WebP ni SVG</source>
        <translation>ez da PNG, JPEG, GIF, BMP, WebP edo SVG irudi bat</translation>
    </message>
    <message>
        <source>Parece una foto: el dibujo puede tener demasiado detalle para colorear. Pruebe con menos detalle y líneas más gruesas, o con un dibujo más sencillo.</source>
        <translation>Argazki bat dirudi: marrazkiak xehetasun gehiegi izan ditzake koloreztatzeko. Probatu xehetasun gutxiagorekin eta marra lodiagoekin, edo marrazki sinpleago batekin.</translation>
    </message>
    <message>
        <source>El dibujo sin colorear tiene mucho negro (un %1 %). Pruebe con líneas más finas o con menos detalle.</source>
        <extracomment>%1 % is how much of the uncoloured drawing is black.</extracomment>
        <translation>Koloreztatu gabeko marrazkiak beltz asko du (% %1). Probatu marra meheagoekin edo xehetasun gutxiagorekin.</translation>
    </message>
    <message>
        <source>El dibujo tiene pocas zonas cerradas que colorear (%1). Pruebe con más detalle o con otro tipo de dibujo.</source>
        <extracomment>%1 is how many parts the child may colour.</extracomment>
        <translation>Marrazkiak koloreztatzeko gune itxi gutxi ditu (%1). Probatu xehetasun gehiagorekin edo beste marrazki mota batekin.</translation>
    </message>
    <message>
        <source>El dibujo tiene demasiadas zonas pequeñas que colorear (%1). Pruebe con menos detalle.</source>
        <extracomment>%1 is how many parts the child may colour.</extracomment>
        <translation>Marrazkiak koloreztatzeko gune txiki gehiegi ditu (%1). Probatu xehetasun gutxiagorekin.</translation>
    </message>
    <message>
        <source>el dibujo SVG enlaza con «%1», fuera de su propio archivo; guárdelo con todo dentro</source>
        <translation>SVG marrazkiak «%1» estekatzen du, bere fitxategitik kanpo; gorde dena barruan duela</translation>
    </message>
    <message>
        <source>el dibujo SVG «%1» es demasiado grande (%2 MB; el máximo es %3 MB)</source>
        <extracomment>%1 is the file, %2 its size, %3 the largest read.</extracomment>
        <translation>«%1» SVG marrazkia handiegia da (%2 MB; gehienez %3 MB)</translation>
    </message>
    <message>
        <source>declara entidades o su propio tipo de documento, que un dibujo SVG no necesita</source>
        <translation>entitateak edo bere dokumentu mota deklaratzen ditu, eta SVG marrazki batek ez ditu behar</translation>
    </message>
    <message>
        <source>el dibujo SVG tiene demasiados elementos (el máximo es %1)</source>
        <translation>SVG marrazkiak elementu gehiegi ditu (gehienez %1)</translation>
    </message>
    <message>
        <source>el dibujo SVG repite sus partes demasiadas veces</source>
        <translation>SVG marrazkiak bere zatiak gehiegitan errepikatzen ditu</translation>
    </message>
    <message>
        <source>no es un dibujo SVG que se pueda dibujar</source>
        <translation>ez da marraz daitekeen SVG marrazki bat</translation>
    </message>
</context>
<context>
    <name>tamiro::FileProblems</name>
    <message>
        <source>no encuentro el archivo «%1»</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>ez dut «%1» fitxategia aurkitzen</translation>
    </message>
    <message>
        <source>«%1» es una carpeta, no un archivo</source>
        <translation>«%1» karpeta bat da, ez fitxategi bat</translation>
    </message>
    <message>
        <source>no puedo abrir el archivo «%1»</source>
        <translation>ezin dut «%1» fitxategia ireki</translation>
    </message>
    <message>
        <source>no puedo leer el archivo «%1»</source>
        <translation>ezin dut «%1» fitxategia irakurri</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande (%2 bytes; el máximo es %3)</source>
        <extracomment>%1 is the file&apos;s path, %2 its size and %3 the largest size read, in bytes.</extracomment>
        <translation>«%1» fitxategia handiegia da (%2 byte; gehienez %3)</translation>
    </message>
</context>
<context>
    <name>tamiro::PictureProblems</name>
    <message>
        <source>no es una animación GIF</source>
        <translation>ez da GIF animazio bat</translation>
    </message>
    <message>
        <source>la animación mide %1 × %2 píxeles y no cabe en la pantalla, de %3 × %4</source>
        <extracomment>%1 × %2 is the animation&apos;s size, %3 × %4 the screen&apos;s.</extracomment>
        <translation>animazioak %1 × %2 pixel ditu, eta ez da sartzen %3 × %4 pantailan</translation>
    </message>
    <message>
        <source>la animación es demasiado larga: %1 fotogramas de %2 × %3 píxeles</source>
        <extracomment>%1 is its number of frames, %2 × %3 their size.</extracomment>
        <translation>animazioa luzeegia da: %2 × %3 pixeleko %1 fotograma</translation>
    </message>
    <message>
        <source>sus datos están dañados o incompletos</source>
        <translation>haren datuak hondatuta edo osatu gabe daude</translation>
    </message>
    <message>
        <source>no se ha podido leer</source>
        <translation>ezin izan da irakurri</translation>
    </message>
    <message>
        <source>no se ha podido descodificar</source>
        <translation>ezin izan da deskodetu</translation>
    </message>
    <message>
        <source>la imagen «%1» es demasiado grande (%2 × %3 píxeles)</source>
        <extracomment>%1 is the file&apos;s path, %2 × %3 the picture&apos;s size.</extracomment>
        <translation>«%1» irudia handiegia da (%2 × %3 pixel)</translation>
    </message>
    <message>
        <source>el icono «%1» está dañado: mide %2 × %3 píxeles y un icono no pasa de %4 × %4</source>
        <extracomment>%1 is the file&apos;s path, %2 × %3 the size it says, %4 × %4 the largest an icon has.</extracomment>
        <translation>«%1» ikonoa hondatuta dago: %2 × %3 pixel ditu, eta ikono batek ez du %4 × %4 gainditzen</translation>
    </message>
    <message>
        <source>el archivo «%1» no es una imagen válida: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 what is wrong with it, from the descriptions that follow.</extracomment>
        <translation>«%1» fitxategia ez da baliozko irudi bat: %2</translation>
    </message>
    <message>
        <source>no es un icono</source>
        <translation>ez da ikono bat</translation>
    </message>
    <message>
        <source>no es una imagen GIF, JPEG ni BMP</source>
        <translation>ez da GIF, JPEG edo BMP irudi bat</translation>
    </message>
    <message>
        <source>el archivo «%1» es demasiado grande para ser una imagen (%2 MB)</source>
        <extracomment>%1 is the file&apos;s path, %2 its size in megabytes.</extracomment>
        <translation>«%1» fitxategia handiegia da irudi bat izateko (%2 MB)</translation>
    </message>
    <message>
        <source>la imagen «%1» tiene demasiadas pasadas (%2; el máximo es %3)</source>
        <extracomment>A JPEG saved in passes, each adding detail: %1 is the file&apos;s path, %2 its number of passes.</extracomment>
        <translation>«%1» irudiak pasaldi gehiegi ditu (%2; gehienez %3)</translation>
    </message>
    <message>
        <source>no encuentro la imagen interna «%1»</source>
        <extracomment>A picture built into the program: %1 is its name.</extracomment>
        <translation>ez dut «%1» barne-irudia aurkitzen</translation>
    </message>
    <message>
        <source>el puntero «%1» es demasiado grande: mide %2 × %3 píxeles y no puede pasar de %4 × %4</source>
        <extracomment>%1 is the pointer&apos;s file, %2 × %3 its size, %4 × %4 the largest a pointer may be.</extracomment>
        <translation>«%1» erakuslea handiegia da: %2 × %3 pixel ditu, eta ezin du %4 × %4 gainditu</translation>
    </message>
</context>
<context>
    <name>tamiro::PrinterProblems</name>
    <message>
        <source>no hay ninguna impresora predeterminada</source>
        <translation>ez dago inprimagailu lehenetsirik</translation>
    </message>
    <message>
        <source>la impresora «%1» no puede empezar a imprimir</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>«%1» inprimagailuak ezin du inprimatzen hasi</translation>
    </message>
    <message>
        <source>la impresora «%1» no ha podido terminar el documento</source>
        <translation>«%1» inprimagailuak ezin izan du dokumentua amaitu</translation>
    </message>
    <message>
        <source>la impresora «%1» no ha aceptado el documento (%2)</source>
        <extracomment>%1 is the printer&apos;s name, %2 the print system&apos;s answer, in its own words.</extracomment>
        <translation>«%1» inprimagailuak ez du dokumentua onartu (%2)</translation>
    </message>
</context>
<context>
    <name>tamiro::SoundProblems</name>
    <message>
        <source>está incompleto o sus partes están mal encadenadas</source>
        <translation>osatu gabe dago, edo haren zatiak gaizki kateatuta daude</translation>
    </message>
    <message>
        <source>su cabecera dice que una de sus partes mide %1 bytes</source>
        <translation>haren goiburuak dio haren zatietako batek %1 byte dituela</translation>
    </message>
    <message>
        <source>no es un archivo WAV</source>
        <translation>ez da WAV fitxategi bat</translation>
    </message>
    <message>
        <source>su cabecera dice que mide %1 bytes</source>
        <translation>haren goiburuak dio %1 byte dituela</translation>
    </message>
    <message>
        <source>su cabecera de formato es de un tipo que no se puede tocar</source>
        <extracomment>Its format header is of a kind the sound library cannot play.</extracomment>
        <translation>haren formatu-goiburua erreproduzitu ezin den motakoa da</translation>
    </message>
    <message>
        <source>está incompleto</source>
        <translation>osatu gabe dago</translation>
    </message>
    <message>
        <source>no es PCM de 8 o 16 bits</source>
        <translation>ez da 8 edo 16 biteko PCM</translation>
    </message>
    <message>
        <source>su cabecera dice que tiene %1 canales a %2 Hz</source>
        <extracomment>%1 is the number of channels, %2 the rate, as the file&apos;s header says.</extracomment>
        <translation>haren goiburuak dio %1 kanal dituela eta %2 Hz-ekoa dela</translation>
    </message>
    <message>
        <source>tiene %1 canales a %2 Hz, más de lo que el sonido del ordenador admite</source>
        <extracomment>%1 is the number of channels, %2 the rate.</extracomment>
        <translation>%1 kanal ditu eta %2 Hz-ekoa da: ordenagailuaren soinuak onartzen duena baino gehiago</translation>
    </message>
    <message>
        <source>tiene %1 canales sin decir dónde suena cada uno</source>
        <translation>%1 kanal ditu, bakoitza non entzuten den esan gabe</translation>
    </message>
    <message>
        <source>su parte de sonido está cortada a medias</source>
        <translation>haren soinu-zatia erdizka moztuta dago</translation>
    </message>
    <message>
        <source>no tiene sonido</source>
        <translation>ez du soinurik</translation>
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
        <translation>Erabilera: tamiro-dibujo --carpeta N [--contenido CARPETA] [--tipo TIPO] [--pagina PAGINA] IMAGEN...
IMAGEN bakoitza (PNG, JPEG, GIF, BMP, WebP edo SVG) koloreztatzeko marrazki bihurtzen du, eta
Tamiroren edukiko N karpetaren (1etik 10era) hurrengo marrazki gisa gehitzen du
(--contenido gabe, instalatutako karpeta). Lerro bat idazten du gehitutako marrazki bakoitzeko.
  --tipo contorno|sin-contorno|pagina|foto   irudi mota, asmatu beharrean
  --pagina PAGINA   IMAGEN irudiaren koloreztatzeko orria (IMAGEN bakarrarekin soilik)
</translation>
    </message>
    <message>
        <source>no conozco la opción «%1»</source>
        <translation>ez dut «%1» aukera ezagutzen</translation>
    </message>
    <message>
        <source>a «%1» le falta su valor</source>
        <translation>«%1» aukerari bere balioa falta zaio</translation>
    </message>
    <message>
        <source>la carpeta tiene que ser un número del 1 al 10, no «%1»</source>
        <translation>karpetak 1etik 10erako zenbaki bat izan behar du, ez «%1»</translation>
    </message>
    <message>
        <source>el tipo tiene que ser contorno, sin-contorno, pagina o foto, no «%1»</source>
        <translation>motak contorno, sin-contorno, pagina edo foto izan behar du, ez «%1»</translation>
    </message>
    <message>
        <source>falta --carpeta N</source>
        <translation>--carpeta N falta da</translation>
    </message>
    <message>
        <source>falta al menos una IMAGEN</source>
        <translation>gutxienez IMAGEN bat falta da</translation>
    </message>
    <message>
        <source>--pagina es la página para colorear de una sola IMAGEN, y hay %1</source>
        <extracomment>%1 is how many pictures were given. --pagina and IMAGEN are the command&apos;s words.</extracomment>
        <translation>--pagina IMAGEN bakar baten koloreztatzeko orria da, eta %1 daude</translation>
    </message>
    <message>
        <source>con --pagina el dibujo es siempre del tipo pagina</source>
        <translation>--pagina erabiltzean, marrazkia beti da pagina motakoa</translation>
    </message>
    <message>
        <source>tamiro-dibujo: %1.</source>
        <extracomment>%1 is what is wrong with the command line, from the messages above.</extracomment>
        <translation>tamiro-dibujo: %1.</translation>
    </message>
    <message>
        <source>No encuentro la carpeta de contenido «%1».</source>
        <translation>Ez dut «%1» eduki-karpeta aurkitzen.</translation>
    </message>
    <message>
        <source>Aviso sobre «%1»: %2</source>
        <extracomment>%1 is the picture, %2 the drawing maker&apos;s warning about it.</extracomment>
        <translation>«%1» irudiari buruzko oharra: %2</translation>
    </message>
    <message>
        <source>No añado «%1»: %2.</source>
        <extracomment>%1 is the picture, %2 why it is not added.</extracomment>
        <translation>Ez dut «%1» gehitzen: %2.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::DrawingList</name>
    <message>
        <source>Dibujos de la carpeta</source>
        <translation>Karpetako marrazkiak</translation>
    </message>
    <message>
        <source>Dibujo %1</source>
        <translation>%1. marrazkia</translation>
    </message>
    <message>
        <source>El niño verá: «%1»</source>
        <extracomment>%1 is the message the child is shown instead of the drawing.</extracomment>
        <translation>Haurrak hau ikusiko du: «%1»</translation>
    </message>
    <message>
        <source>Dibujo %1: sin problemas.</source>
        <translation>%1. marrazkia: arazorik gabe.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::DrawingsWindow</name>
    <message>
        <source>Dibujos de Tamiro</source>
        <translation>Tamiroren marrazkiak</translation>
    </message>
    <message>
        <source>&amp;Añadir dibujo...</source>
        <translation>&amp;Gehitu marrazkia...</translation>
    </message>
    <message>
        <source>Elegir una imagen y hacer con ella un dibujo nuevo. También puede arrastrar imágenes a esta ventana o a una carpeta.</source>
        <translation>Aukeratu irudi bat eta egin marrazki berri bat harekin. Irudiak leiho honetara edo karpeta batera ere arrasta ditzakezu.</translation>
    </message>
    <message>
        <source>&amp;Quitar</source>
        <translation>&amp;Kendu</translation>
    </message>
    <message>
        <source>Mandar el dibujo elegido a la papelera (tecla Supr)</source>
        <translation>Bidali aukeratutako marrazkia zakarrontzira (Supr tekla)</translation>
    </message>
    <message>
        <source>◀ A&amp;ntes</source>
        <translation>◀ &amp;Lehenago</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto antes</source>
        <translation>Eraman marrazkia postu bat lehenago</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto antes (Ctrl+Izquierda)</source>
        <translation>Eraman marrazkia postu bat lehenago (Ctrl+Ezkerreko gezia)</translation>
    </message>
    <message>
        <source>Des&amp;pués ▶</source>
        <translation>Ge&amp;roago ▶</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto después</source>
        <translation>Eraman marrazkia postu bat geroago</translation>
    </message>
    <message>
        <source>Mover el dibujo un puesto después (Ctrl+Derecha)</source>
        <translation>Eraman marrazkia postu bat geroago (Ctrl+Eskuineko gezia)</translation>
    </message>
    <message>
        <source>Aquí no se pueden añadir, mover ni quitar dibujos: %1</source>
        <extracomment>%1 is why the folder cannot be written (a sentence of its own, with or without its final stop).</extracomment>
        <translation>Hemen ezin da marrazkirik gehitu, mugitu edo kendu: %1</translation>
    </message>
    <message>
        <source>Aquí no se pueden añadir, mover ni quitar dibujos: %1.</source>
        <translation>Hemen ezin da marrazkirik gehitu, mugitu edo kendu: %1.</translation>
    </message>
    <message>
        <source>Archivos que el niño no verá nunca</source>
        <translation>Haurrak inoiz ikusiko ez dituen fitxategiak</translation>
    </message>
    <message>
        <source>Lo que dice la revisión</source>
        <translation>Berrikuspenak dioena</translation>
    </message>
    <message>
        <source>La carpeta %1 no tiene dibujos que el niño vea. Añada uno con «Añadir dibujo...» o arrastrando una imagen aquí.</source>
        <translation>%1. karpetak ez du haurrak ikusten duen marrazkirik. Gehitu bat «Gehitu marrazkia...» sakatuta, edo irudi bat hona arrastatuta.</translation>
    </message>
    <message>
        <source>La carpeta %1 no tiene dibujos que el niño vea.</source>
        <translation>%1. karpetak ez du haurrak ikusten duen marrazkirik.</translation>
    </message>
    <message>
        <source>Carpeta %1: sus dibujos en el orden en que los encuentra el niño. Para cambiar el orden, arrastre uno a otro sitio.</source>
        <translation>%1. karpeta: haren marrazkiak, haurrak aurkitzen dituen ordenan. Ordena aldatzeko, arrastatu bat beste leku batera.</translation>
    </message>
    <message>
        <source>Carpeta %1: sus dibujos en el orden en que los encuentra el niño.</source>
        <translation>%1. karpeta: haren marrazkiak, haurrak aurkitzen dituen ordenan.</translation>
    </message>
    <message>
        <source>Archivos de la carpeta %1 que el niño no verá nunca:</source>
        <translation>Haurrak inoiz ikusiko ez dituen %1. karpetako fitxategiak:</translation>
    </message>
    <message>
        <source>Elija un dibujo para ver lo que dice de él la revisión.</source>
        <translation>Aukeratu marrazki bat, berrikuspenak hari buruz dioena ikusteko.</translation>
    </message>
    <message>
        <source>«%1», sin versión sin colorear</source>
        <extracomment>The drawing&apos;s files: %1 the coloured one, %2 the uncoloured one.</extracomment>
        <translation>«%1», koloreztatu gabeko bertsiorik gabe</translation>
    </message>
    <message>
        <source>«%1» y «%2»</source>
        <translation>«%1» eta «%2»</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): 
%3</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files, %3 the checker&apos;s lines about it, one under another.</extracomment>
        <translation>%1. marrazkia (%2): 
%3</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): el niño verá «%3».</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files, %3 what the child will see instead.</extracomment>
        <translation>%1. marrazkia (%2): haurrak «%3» ikusiko du.</translation>
    </message>
    <message>
        <source>Dibujo %1 (%2): sin problemas.</source>
        <extracomment>The drawing chosen: %1 its number, %2 its files.</extracomment>
        <translation>%1. marrazkia (%2): arazorik gabe.</translation>
    </message>
    <message>
        <source>Añadir dibujo a la carpeta %1</source>
        <translation>Gehitu marrazkia %1. karpetan</translation>
    </message>
    <message>
        <source>No se pueden añadir dibujos</source>
        <translation>Ezin da marrazkirik gehitu</translation>
    </message>
    <message>
        <source>%1 (%2 de %3)</source>
        <extracomment>The preview&apos;s title: %1 says which picture is added, %2 of %3 is its place in the queue.</extracomment>
        <translation>%1 (%2/%3)</translation>
    </message>
    <message>
        <source>Guardado como dibujo %1 de la carpeta %2.</source>
        <translation>%2. karpetan gorde da, %1. marrazki gisa.</translation>
    </message>
    <message>
        <source>Moviendo el dibujo %1 al puesto %2…</source>
        <translation>%1. marrazkia %2. postura eramaten…</translation>
    </message>
    <message>
        <source>El dibujo %1 es ahora el %2 de la carpeta %3.</source>
        <translation>%1. marrazkia %3. karpetako %2. postuan dago orain.</translation>
    </message>
    <message>
        <source>No se ha movido el dibujo</source>
        <translation>Ez da marrazkia mugitu</translation>
    </message>
    <message>
        <source>Quitar el dibujo</source>
        <translation>Kendu marrazkia</translation>
    </message>
    <message>
        <source>¿Quitar el dibujo %1 de la carpeta %2?</source>
        <translation>%2. karpetako %1. marrazkia kendu?</translation>
    </message>
    <message>
        <source>Sus dos archivos irán a la papelera, de donde se pueden recuperar. Los dibujos que van detrás avanzan un puesto.</source>
        <translation>Haren bi fitxategiak zakarrontzira joango dira, eta handik berreskura daitezke. Atzetik doazen marrazkiak postu bat aurreratuko dira.</translation>
    </message>
    <message>
        <source>Quitar</source>
        <translation>Kendu</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Quitando el dibujo %1…</source>
        <translation>%1. marrazkia kentzen…</translation>
    </message>
    <message>
        <source>El dibujo %1 de la carpeta %2 está en la papelera.</source>
        <translation>%2. karpetako %1. marrazkia zakarrontzian dago.</translation>
    </message>
    <message>
        <source>No se ha quitado el dibujo</source>
        <translation>Ez da marrazkia kendu</translation>
    </message>
    <message>
        <source>Si un niño pasa de dibujo en esta carpeta justo ahora, puede ver un momento los colores de un dibujo con las líneas de otro (en una carpeta compartida de la red, volver al dibujo 1 o un aviso de que no se puede mostrar); al pasar al siguiente, todo vuelve a estar bien.</source>
        <translation>Haur bat karpeta honetan marrazkiz aldatzen ari bada oraintxe bertan, une batez marrazki baten koloreak beste baten marrekin ikus ditzake (sareko karpeta partekatu batean, 1. marrazkira itzul daiteke, edo ezin dela erakutsi dioen ohar bat ikus dezake); hurrengora pasatzean, dena ondo egongo da berriro.</translation>
    </message>
    <message>
        <source>No encuentro la carpeta de contenido «%1».</source>
        <translation>Ez dut «%1» eduki-karpeta aurkitzen.</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::FolderList</name>
    <message>
        <source>Carpetas</source>
        <translation>Karpetak</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <translation>%1. karpeta</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewDialog</name>
    <message>
        <source>con contorno</source>
        <translation>ingeradarekin</translation>
    </message>
    <message>
        <source>sin contorno</source>
        <translation>ingeradarik gabe</translation>
    </message>
    <message>
        <source>página para colorear</source>
        <translation>koloreztatzeko orria</translation>
    </message>
    <message>
        <source>foto</source>
        <translation>argazkia</translation>
    </message>
    <message>
        <source>automático</source>
        <translation>automatikoa</translation>
    </message>
    <message>
        <source>Imágenes (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)</source>
        <translation>Irudiak (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.svg)</translation>
    </message>
    <message>
        <source>Añadir «%1»</source>
        <translation>Gehitu «%1»</translation>
    </message>
    <message>
        <source>Coloreado: lo que descubre el niño al pintar</source>
        <translation>Koloreztatua: haurrak margotzean aurkitzen duena</translation>
    </message>
    <message>
        <source>Sin colorear: lo que ve al empezar</source>
        <translation>Koloreztatu gabea: hastean ikusten duena</translation>
    </message>
    <message>
        <source>Vista previa del dibujo</source>
        <translation>Marrazkiaren aurrebista</translation>
    </message>
    <message>
        <source>Preparando el dibujo…</source>
        <translation>Marrazkia prestatzen…</translation>
    </message>
    <message>
        <source>Ver los dos &amp;enteros, más pequeños</source>
        <translation>Ikusi biak &amp;osorik, txikiago</translation>
    </message>
    <message>
        <source>Tipo de imagen</source>
        <translation>Irudi mota</translation>
    </message>
    <message>
        <source>Tipo de imagen:</source>
        <translation>Irudi mota:</translation>
    </message>
    <message>
        <source>Grosor de las líneas</source>
        <translation>Marren lodiera</translation>
    </message>
    <message>
        <source>Detalle</source>
        <translation>Xehetasuna</translation>
    </message>
    <message>
        <source>Grosor de las &amp;líneas:</source>
        <translation>&amp;Marren lodiera:</translation>
    </message>
    <message>
        <source>&amp;Detalle:</source>
        <translation>&amp;Xehetasuna:</translation>
    </message>
    <message>
        <source>&amp;Página para colorear...</source>
        <translation>Koloreztatzeko o&amp;rria...</translation>
    </message>
    <message>
        <source>Elegir la página para colorear que va con esta imagen coloreada</source>
        <translation>Aukeratu irudi koloreztatu honekin doan koloreztatzeko orria</translation>
    </message>
    <message>
        <source>&amp;Sin página</source>
        <translation>Orririk ga&amp;be</translation>
    </message>
    <message>
        <source>Hacer las líneas con la imagen sola</source>
        <translation>Egin marrak irudiarekin bakarrik</translation>
    </message>
    <message>
        <source>&amp;Carpeta:</source>
        <translation>&amp;Karpeta:</translation>
    </message>
    <message>
        <source>Carpeta %1</source>
        <translation>%1. karpeta</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>&amp;Guardar como dibujo n.º %1 de la carpeta %2</source>
        <extracomment>%1 is the number the new drawing takes, %2 the folder.</extracomment>
        <translation>&amp;Gorde %1. marrazki gisa %2. karpetan</translation>
    </message>
    <message>
        <source>&amp;Guardar en la carpeta %1</source>
        <translation>&amp;Gorde %1. karpetan</translation>
    </message>
    <message>
        <source>Las líneas salen de la página «%1».</source>
        <translation>Marrak «%1» orritik ateratzen dira.</translation>
    </message>
    <message>
        <source>¿Tiene también la página para colorear de esta imagen? Elíjala y las líneas saldrán de ella.</source>
        <translation>Irudi honen koloreztatzeko orria ere baduzu? Aukeratu, eta marrak hartatik aterako dira.</translation>
    </message>
    <message>
        <source>Automático: %1</source>
        <extracomment>%1 is the kind of picture the maker sees (&quot;con contorno&quot;, &quot;foto&quot;...).</extracomment>
        <translation>Automatikoa: %1</translation>
    </message>
    <message numerus="yes">
        <source>Tipo: %1. %2 × %3 píxeles, %n zona(s) para colorear.</source>
        <extracomment>%1 is the kind of drawing (&quot;con contorno&quot;, &quot;foto&quot;...), %2 × %3 its size, %n how many parts the child may colour.</extracomment>
        <translation>
            <numerusform>Mota: %1. %2 × %3 pixel, koloreztatzeko %n gune.</numerusform>
            <numerusform>Mota: %1. %2 × %3 pixel, koloreztatzeko %n gune.</numerusform>
        </translation>
    </message>
    <message>
        <source>Página para colorear de «%1»</source>
        <translation>«%1» irudiaren koloreztatzeko orria</translation>
    </message>
    <message>
        <source>No se puede usar esta página</source>
        <translation>Ezin da orri hau erabili</translation>
    </message>
    <message>
        <source>No se puede usar esta imagen</source>
        <translation>Ezin da irudi hau erabili</translation>
    </message>
    <message>
        <source>No se ha guardado el dibujo</source>
        <translation>Ez da marrazkia gorde</translation>
    </message>
</context>
<context>
    <name>tamiro::teacher::PreviewMaker</name>
    <message>
        <source>No hay memoria bastante para preparar este dibujo. Pruebe con una imagen más pequeña.</source>
        <translation>Ez dago memoria nahikorik marrazki hau prestatzeko. Probatu irudi txikiago batekin.</translation>
    </message>
</context>
</TS>
