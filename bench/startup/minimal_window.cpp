// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest Qt Widgets program: one empty window of the trainer's size.
#include "firstpaint.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(kTrainerWindowSize);
    FirstPaint probe(window);
    window.show();
    return app.exec();
}
