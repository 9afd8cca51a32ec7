// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fixedwindow.h"
#include "platform/inetplugo.h"
#include "platform/product.h"
#include "platform/qtdesktop.h"
#include "platform/swedishtexts.h"
#include "plugo/version.h"
#include "updater/frminfo.h"

#include <QApplication>
#include <curl/curl.h>

int main(int argc, char *argv[])
{
    // Once, before any thread exists.
    if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return 1;
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("update"));
        QApplication::setApplicationVersion(QStringLiteral(PLUGO_VERSION_TEXT));
        QApplication::setWindowIcon(platform::programIcon());
        platform::installSwedishTexts(app);

        platform::QtDesktop desktop;
        platform::InetPlugo inet;
        updater::frmInfo window(desktop, inet);

        // Centred on the screen when first shown.
        platform::form::centreOnScreen(&window, window.screen());
        window.show();
        result = app.exec();
    }
    curl_global_cleanup();
    return result;
}
