#pragma once

// tamiro-dibujo: each picture made into a drawing pair and added as the next
// drawing of a folder, for administrators and batches.

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace tamiro::teacher {

// Runs the command on its arguments (without the program's name). Without
// --contenido the content folder is `installed`. Each pair written goes to
// `out`, one line each; each refusal and each warning of the drawing maker to
// `err`. Answers the exit status: 0 when every picture went in, 1 when any
// was refused, 2 for a usage error.
int addDrawings(const QStringList& arguments, const QString& installed, QTextStream& out,
                QTextStream& err);

} // namespace tamiro::teacher
