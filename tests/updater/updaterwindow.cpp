// SPDX-License-Identifier: GPL-3.0-or-later
#include "updaterwindow.h"

#include "platform/desktop.h"
#include "platform/windows1252.h"
#include "support/namedchild.h"
#include "updater/texts.h"

#include <QFile>
#include <QTest>

namespace testing_support {

void UpdaterWindowTest::SetUp()
{
    desktop.folder = folder.path();
    for (const char *name : {"ladda.bmp", "liten.bmp"})
        QFile::copy(dataFolder() + u'/' + QString::fromLatin1(name), folder.file(QString::fromLatin1(name)));
    inet.setTimeout(std::chrono::seconds(2));
    window = std::make_unique<updater::frmInfo>(desktop, inet, updater::UpdateServer{QStringLiteral("127.0.0.1"), server.port()});
    // Connected after the window, so it sees the status line the window has just written.
    QObject::connect(&inet, &platform::InternetTransfer::stateChanged, [this](int state) {
        statusTexts.push_back(label("lblLadda")->text());
        if (onState)
            onState(state);
    });
}

void UpdaterWindowTest::TearDown()
{
    window.reset();
}

void UpdaterWindowTest::installProducts(const QDateTime &modified)
{
    for (int row = 0; row < 3; ++row)
        setModified(row, modified);
}

void UpdaterWindowTest::setModified(int row, const QDateTime &modified)
{
    const QString path = folder.file(platform::programFileName(updater::products()[row].baseName));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    if (file.size() == 0) {
        file.write("program");
        file.flush();
    }
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

void UpdaterWindowTest::serveVersion(const QString &body)
{
    server.route("/~tovald/plugo3/version", okReply(platform::encodeWindows1252(body).value_or(QByteArray())));
}

void UpdaterWindowTest::check()
{
    QTest::mouseClick(button("cmdKoll"), Qt::LeftButton);
}

QPushButton *UpdaterWindowTest::button(const char *name) const
{
    return testing_support::namedChild<QPushButton>(window.get(), QString::fromLatin1(name));
}

QLabel *UpdaterWindowTest::label(const char *name) const
{
    return testing_support::namedChild<QLabel>(window.get(), QString::fromLatin1(name));
}

QCheckBox *UpdaterWindowTest::box(int row) const
{
    return testing_support::namedChild<QCheckBox>(window.get(), QStringLiteral("cheUpp_%1").arg(row));
}

QAction *UpdaterWindowTest::action(const char *name) const
{
    return testing_support::namedChild<QAction>(window.get(), QString::fromLatin1(name));
}

QTimer *UpdaterWindowTest::timer() const
{
    return window->findChild<QTimer *>(QStringLiteral("tmrAnim"));
}

}  // namespace testing_support
