#pragma once

// How tamiro-dibujo opens the teacher's window instead of adding pictures
// from the command line.

namespace tamiro::teacher {

// Whether the command line asks for the window: "--ventana" (perhaps with
// "--contenido CARPETA"), or nothing at all with no terminal to answer on, as
// the desktop menu starts it.
bool wantsWindow(int argc, char** argv);

// Shows "Dibujos de Tamiro" for the content folder that "--contenido" names,
// else the program's own, until the teacher closes it; answers the exit
// status.
int runWindow(int& argc, char** argv);

} // namespace tamiro::teacher
