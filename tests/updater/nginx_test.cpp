// SPDX-License-Identifier: GPL-3.0-or-later
// The updater against Debian's nginx serving a folder made by publish-update: the real transfer
// service, the real window, a real web server's own answers.
#include "nginxserver.h"
#include "release.h"
#include "trust/release.h"
#include "updater/texts.h"
#include "updaterwindow.h"

#include <QDir>
#include <QTest>

using testing_support::TempFolder;

namespace {

const QString kMessage = QStringLiteral("Nytt i år: rättningen är snabbare.\nPris: 5$ eller 4£ – gratis för skolor!");

QByteArray installerBytes(qint64 size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed) % 251);
    return bytes;
}

QFileInfoList filesIn(const QString &folder)
{
    return QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The size of a file this process has open in the folder, named or not: the download's temporary
// file may have no name until it is complete.
qint64 bytesBeingWritten(const QString &folder)
{
    qint64 size = 0;
    const QString prefix = QDir(folder).canonicalPath() + u'/';
    for (const QFileInfo &link : QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::System | QDir::Files)) {
        if (link.symLinkTarget().startsWith(prefix))
            size = std::max(size, link.size());
    }
    return size;
}

class NginxTest : public testing_support::UpdaterWindowTest {
protected:
    explicit NginxTest(qint64 bytesPerSecond = 0) : bytesPerSecond_(bytesPerSecond) {}

    void SetUp() override
    {
        UpdaterWindowTest::SetUp();
        // The release: plugo a day newer than the installed one, the editor as old, update older.
        publish::Release release{site.path(), {}, kMessage, {QDate(2026, 3, 2), QDate(2026, 3, 1), QDate(2026, 2, 1)}, {}};
        for (int row = 0; row < 3; ++row) {
            installers[row] = installerBytes(row == 0 ? 6 * 1024 * 1024 : 1000 + row, row);
            release.installers[row] = sources.write(QStringLiteral("installer%1.exe").arg(row), installers[row]);
        }
        ASSERT_EQ(publish::publishRelease(release).error, QString());

        nginx = std::make_unique<publish::NginxServer>(publish::NginxServer::Options{site.path(), bytesPerSecond_});
        if (!nginx->start())
            GTEST_SKIP() << "nginx cannot be started here: " << nginx->error().toStdString();
        installProducts(QDateTime(QDate(2026, 3, 1), QTime(15, 0)));
        window = std::make_unique<updater::frmInfo>(desktop, inet,
                                                    updater::UpdateServer{QStringLiteral("127.0.0.1"), nginx->port()});
    }

    // The check, then the download of what it offered into the downloads folder.
    void checkAndDownload()
    {
        check();
        desktop.calls.clear();
        desktop.chooseSave(downloads.file(QStringLiteral("plugo_upd.exe")));
        QTest::mouseClick(button("cmdUppdatera"), Qt::LeftButton);
    }

    QStringList lastMessage() const { return desktop.messages().empty() ? QStringList() : desktop.messages().back(); }

    qint64 bytesPerSecond_;
    TempFolder site, sources;
    std::array<QByteArray, 3> installers;
    std::unique_ptr<publish::NginxServer> nginx;
};

// nginx holds every response to a pace at which a download lasts seconds.
class SlowNginxTest : public NginxTest {
protected:
    SlowNginxTest() : NginxTest(1000 * 1000) {}
};

const QStringList kFailed{QStringLiteral("Ett fel inträffade vid nedladdningen av de uppdaterade programmen.\n"
                                         "Var vänlig och försök igen"),
                          QStringLiteral("Ett fel uppstod"), QStringLiteral("0")};

}  // namespace

TEST_F(NginxTest, CheckOffersTheNewerProductsAndShowsTheMessage)
{
    check();
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(label("lblKoll")->text(), kMessage);
    EXPECT_EQ(label("lblNyare")->text(), QStringLiteral("Nyare version finns till följande plugoprodukter: \n\nPlugo\n\n\n\n"
                                                "Du rekomenderas att uppdatera. Klicka på \"Uppdatera\"!"));
    const std::array<bool, 3> offered{true, false, false};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(box(row)->isEnabled(), offered[row]) << row;
        EXPECT_EQ(box(row)->isChecked(), offered[row]) << row;
    }
}

TEST_F(NginxTest, InstallerOfSomeMegabytesArrivesByteExact)
{
    checkAndDownload();
    EXPECT_EQ(lastMessage(), (QStringList{QStringLiteral("plugo_upd.exe har laddats ner.\nKlicka på filen för att uppdatera."),
                                          QStringLiteral("Nerladdning klar"), QStringLiteral("0")}));
    EXPECT_TRUE(downloads.read(QStringLiteral("plugo_upd.exe")) == installers[0]);
    EXPECT_EQ(filesIn(downloads.path()).size(), 1);
}

TEST_F(NginxTest, MissingInstallerIsNoInstallerAndNothingIsSaved)
{
    ASSERT_TRUE(QFile::remove(publish::installerPath(site.path(), 0)));
    // nginx's own error page: a body of HTML, which must not end up as the installer.
    inet.setRemoteHost(QStringLiteral("127.0.0.1"));
    inet.setRemotePort(nginx->port());
    inet.setDocument(updater::products()[0].serverPath);
    const platform::TextReply page = inet.openText();
    EXPECT_EQ(page.status, 404);
    EXPECT_TRUE(page.text.contains(QStringLiteral("<html>"))) << page.text.toStdString();

    checkAndDownload();
    EXPECT_EQ(lastMessage(), kFailed);
    EXPECT_TRUE(filesIn(downloads.path()).isEmpty());
}

TEST_F(NginxTest, MissingVersionFileIsNoContact)
{
    ASSERT_TRUE(QFile::remove(publish::versionPath(site.path())));
    check();
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0].mid(0, 2),
              (QStringList{QStringLiteral("En förbindelse kunde inte upprättas med servern. Kontrollera din "
                                          "internetförbindelse och försök igen."),
                           QStringLiteral("Ingen kontakt med servern")}));
    EXPECT_FALSE(button("cmdUppdatera")->isEnabled());
}

TEST_F(SlowNginxTest, ServerStoppedInTheMiddleOfADownloadLeavesNoFile)
{
    // Once the body has begun to reach the disk, nginx is stopped as its service stops it.
    QTimer watch;
    watch.setInterval(10);
    qint64 arrived = 0;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        arrived = bytesBeingWritten(downloads.path());
        if (arrived > 0) {
            watch.stop();
            nginx->stop();
        }
    });
    QObject::connect(&inet, &platform::InternetTransfer::stateChanged, [&](int state) {
        if (state == platform::StateReceivingResponse && nginx->running())
            watch.start();
    });
    checkAndDownload();
    EXPECT_GT(arrived, 0);
    EXPECT_LT(arrived, installers[0].size());
    EXPECT_FALSE(nginx->running());
    EXPECT_EQ(lastMessage(), kFailed);
    EXPECT_TRUE(filesIn(downloads.path()).isEmpty());
}

namespace {

// The same release published signed, and an updater built with the publisher's key.
class SignedNginxTest : public testing_support::UpdaterWindowTest {
protected:
    void SetUp() override
    {
        UpdaterWindowTest::SetUp();
        const trust::SecretKey key = trust::generateKey();
        publish::Release release{site.path(), {}, kMessage, {QDate(2026, 3, 2), QDate(2026, 3, 1), QDate(2026, 2, 1)}, {}};
        release.signKey = sources.write(QStringLiteral("publisher.key"), trust::secretKeyFile(key));
        for (int row = 0; row < 3; ++row) {
            installers[row] = installerBytes(row == 0 ? 3 * 1024 * 1024 : 1000 + row, row);
            release.installers[row] = sources.write(QStringLiteral("installer%1.exe").arg(row), installers[row]);
        }
        ASSERT_EQ(publish::publishRelease(release).error, QString());
        nginx = std::make_unique<publish::NginxServer>(publish::NginxServer::Options{site.path(), 0});
        if (!nginx->start())
            GTEST_SKIP() << "nginx cannot be started here: " << nginx->error().toStdString();
        installProducts(QDateTime(QDate(2026, 3, 1), QTime(15, 0)));
        window = std::make_unique<updater::frmInfo>(
            desktop, inet, updater::UpdateServer{QStringLiteral("127.0.0.1"), nginx->port(), {trust::publicKeyOf(key)}});
    }

    // Changes one byte of a published file in place, as an intruder on the server would.
    void tamper(const QString &path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(file.size() / 2);
        char byte = 0;
        file.getChar(&byte);
        file.seek(file.size() / 2);
        file.putChar(static_cast<char>(byte ^ 0x20));
    }

    void checkAndDownload()
    {
        check();
        desktop.calls.clear();
        desktop.chooseSave(downloads.file(QStringLiteral("plugo_upd.exe")));
        QTest::mouseClick(button("cmdUppdatera"), Qt::LeftButton);
    }

    TempFolder site, sources;
    std::array<QByteArray, 3> installers;
    std::unique_ptr<publish::NginxServer> nginx;
};

}  // namespace

TEST_F(SignedNginxTest, ASignedReleaseArrivesByteExact)
{
    checkAndDownload();
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1][1], QStringLiteral("Nerladdning klar"));
    EXPECT_TRUE(downloads.read(QStringLiteral("plugo_upd.exe")) == installers[0]);
}

TEST_F(SignedNginxTest, AnInstallerChangedOnTheServerIsNotSaved)
{
    tamper(publish::installerPath(site.path(), 0));
    checkAndDownload();
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1][1], updater::unverifiedTitle());
    EXPECT_TRUE(filesIn(downloads.path()).isEmpty());
}

TEST_F(SignedNginxTest, AVersionFileChangedOnTheServerOffersNothing)
{
    tamper(publish::versionPath(site.path()));
    check();
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][1], updater::unverifiedTitle());
    EXPECT_FALSE(box(0)->isEnabled());
}
