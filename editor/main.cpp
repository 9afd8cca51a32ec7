// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/mainwindow.h"
#include "platform/product.h"
#include "platform/qtdesktop.h"
#include "platform/swedishtexts.h"
#include "plugo/version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("editor"));
    QApplication::setApplicationVersion(QStringLiteral(PLUGO_VERSION_TEXT));
    QApplication::setWindowIcon(platform::programIcon());
    // The toolkit's own buttons, menus and file dialog speak Swedish like the rest of the window.
    platform::installSwedishTexts(app);

    platform::QtDesktop desktop;
    editor::MainWindow window(desktop);
    window.show();
    // One optional argument: a vocabulary file to open, as the desktop passes it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openFile(arguments.at(1));
    return app.exec();
}
