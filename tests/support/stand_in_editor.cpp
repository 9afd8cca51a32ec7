// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the editor where the trainer's tests start it for real: it notes in its working
// folder that it ran, one file of its own per run, so that runs at the same moment cannot mix.
#include <QCoreApplication>
#include <QFile>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QFile note(QStringLiteral("editor-ran-%1").arg(QCoreApplication::applicationPid()));
    return note.open(QIODevice::WriteOnly) && note.write("started\n") == 8 && note.flush() ? 0 : 1;
}
