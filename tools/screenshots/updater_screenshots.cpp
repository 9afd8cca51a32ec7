// SPDX-License-Identifier: GPL-3.0-or-later
// The updater's window after a version check against a loopback server, and during a download
// that the server paces slowly. Run it under a real X server: tools/take-screenshots.sh does.
#include "loopbackserver.h"
#include "platform/desktop.h"
#include "platform/inetplugo.h"
#include "platform/windows1252.h"
#include "shots.h"
#include "support/scripteddesktop.h"
#include "updater/frminfo.h"
#include "updater/texts.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <curl/curl.h>

int main(int argc, char **argv)
{
    curl_global_init(CURL_GLOBAL_DEFAULT);
    int result = 1;
    {
        QApplication app(argc, argv);
        const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

        QTemporaryDir folder;
        for (const char *name : {"ladda.bmp", "liten.bmp"})
            QFile::copy(QStringLiteral(PLUGO_BIN_DIR "/") + name, folder.filePath(name));
        for (const updater::Product &product : updater::products()) {
            QFile file(folder.filePath(platform::programFileName(product.baseName)));
            if (file.open(QIODevice::WriteOnly))
                file.write("program");
            file.flush();  // before the time is set, or the write would move it to now
            file.setFileTime(QDateTime(QDate(2026, 1, 10), QTime(9, 0)), QFileDevice::FileModificationTime);
        }

        testing_support::LoopbackServer server;
        const QString version = QStringLiteral("26 02 01$26 01 10$26 02 01£Nytt i version 1.01: snabbare "
                                               "start, och glosorna visas i rätt ordning på websidan.");
        server.route("/~tovald/plugo3/version", testing_support::okReply(*platform::encodeWindows1252(version)));

        testing_support::ScriptedDesktop desktop;
        desktop.folder = folder.path();
        platform::InetPlugo inet;
        updater::frmInfo window(desktop, inet, updater::UpdateServer{QStringLiteral("127.0.0.1"), server.port()});
        window.move(40, 40);
        window.show();
        settle();
        window.findChild<QPushButton *>(QStringLiteral("cmdKoll"))->click();
        settle();
        result = save(window.grab(), out + QStringLiteral("/updater-check.png")) ? 0 : 1;
    }
    curl_global_cleanup();
    return result;
}
