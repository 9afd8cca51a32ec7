// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt Widgets program that shows text: one label with a Swedish line in a window of the
// trainer's size. Drawing text is what makes a program load fonts, which an empty window never does.
#include "firstpaint.h"

#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Träna dina glosläxor!"));
    window.resize(kTrainerWindowSize);
    FirstPaint probe(window);
    window.show();
    return app.exec();
}
