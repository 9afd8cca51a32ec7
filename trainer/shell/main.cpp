#include "platform/product.h"
#include "platform/qtdesktop.h"
#include "trainer/shell/frmplugo.h"
#include "trainer/shell/moduleplugo.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plugo"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(platform::programIcon());

    platform::QtDesktop desktop;
    shell::modulePlugo module;
    shell::frmPlugo window(desktop, module);

    // Centred on the screen when first shown.
    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    window.Form_Activate();
    return app.exec();
}
