// SPDX-License-Identifier: GPL-3.0-or-later
#include "app.h"

#include "frmplugo.h"
#include "moduleplugo.h"
#include "platform/product.h"
#include "platform/qtdesktop.h"
#include "platform/swedishtexts.h"
#include "plugo/version.h"

#include <QApplication>
#include <QScreen>

#ifdef PLUGO_WARM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

namespace shell {

int runTrainer(int argc, char *argv[], const std::function<void(QWidget &)> &shown)
{
#ifdef PLUGO_WARM_FONTCONFIG
    // Reading the font configuration is the largest single cost of the first paint; it needs nothing
    // from Qt, so it runs on the second core while the application connects to the display and reads
    // the icon and the translations, none of which touches a font.
    std::thread fonts([] { FcInit(); });
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plugo"));
    QApplication::setApplicationVersion(QStringLiteral(PLUGO_VERSION_TEXT));
    QApplication::setWindowIcon(platform::programIcon());
    platform::installSwedishTexts(app);
#ifdef PLUGO_WARM_FONTCONFIG
    fonts.join();
#endif

    platform::QtDesktop desktop;
    modulePlugo module;
    frmPlugo window(desktop, module);

    // Centred on the screen when first shown.
    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    window.Form_Activate();
    if (shown)
        shown(window);
    return app.exec();
}

}  // namespace shell
