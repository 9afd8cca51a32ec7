// The editor's window with the shipped English vocabulary open, a warning in the status line and
// the cursor in a cell. Run it under a real X server: tools/take-screenshots.sh does.
#include "editor/glostable.h"
#include "editor/mainwindow.h"
#include "editor/vocabularymodel.h"
#include "platform/product.h"
#include "shots.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(platform::programIcon());
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("engelska.gls"));
    QFile::copy(QStringLiteral(PLUGO_BIN_DIR "/engelska.gls"), path);

    testing_support::ScriptedDesktop desktop;
    desktop.folder = folder.path();
    editor::MainWindow window(desktop);
    window.move(40, 40);
    window.resize(760, 520);
    window.show();
    if (!window.openFile(path))
        return 1;
    // A row being typed, as a teacher would leave it: the word is there, its meaning not yet.
    const int row = window.model().rowCount();
    window.model().insertEmptyRow(row);
    window.model().setCell(row, 0, QStringLiteral("butterfly"));
    window.table().setCurrentIndex(window.model().index(row, 1));
    window.table().setFocus();
    window.activateWindow();
    settle();
    const bool ok = save(window.grab(), out + QStringLiteral("/editor.png"));
    window.undoStack().setClean();
    return ok ? 0 : 1;
}
