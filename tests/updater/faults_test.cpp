// SPDX-License-Identifier: GPL-3.0-or-later
// A server that misbehaves in ways beyond the plain faults: too long a body, an absurd length, a
// redirect that leads back to itself. The updater keeps working and leaves no half file.
#include "support/nofilegrowth.h"
#include "updaterwindow.h"

#include <QDir>
#include <QTest>

using testing_support::okReply;
using testing_support::ServerReply;
using testing_support::statusReply;
using testing_support::UpdaterWindowTest;

namespace {

const char kInstaller[] = "/~tovald/plugo3/plugo_upd.exe";
const char kVersion[] = "/~tovald/plugo3/version";

QByteArray installer(int size)
{
    QByteArray bytes(size, 'i');
    bytes.replace(0, 2, "MZ");
    return bytes;
}

ServerReply redirectToItself(const char *path)
{
    ServerReply reply = statusReply(302, "Found", "moved");
    reply.extraHeaders = QByteArray("Location: ") + path + "\r\n";
    return reply;
}

ServerReply declaring(qint64 length, const QByteArray &body)
{
    ServerReply reply = okReply(body, false);
    reply.declaredLength = length;
    return reply;
}

class ServerFaultTest : public UpdaterWindowTest {
protected:
    void SetUp() override
    {
        UpdaterWindowTest::SetUp();
        inet.setTimeout(std::chrono::seconds(2));
        installProducts(QDateTime(QDate(2026, 1, 10), QTime(9, 0)));
    }

    // Offers plugo and downloads it into `downloads`, the scripted desktop saying yes to all.
    std::vector<QStringList> download(const ServerReply &reply)
    {
        serveVersion("26 01 11$26 01 10$26 01 10£");
        check();
        desktop.calls.clear();
        server.route(kInstaller, reply);
        desktop.chooseSave(downloads.file("plugo_upd.exe"));
        action("mnuUppdatera")->trigger();
        return desktop.messages();
    }

    QStringList files() const { return QDir(downloads.path()).entryList(QDir::Files | QDir::Hidden); }
};

const QString kFailureTitle = QStringLiteral("Ett fel uppstod");
const QString kDoneTitle = QStringLiteral("Nerladdning klar");

}  // namespace

TEST_F(ServerFaultTest, ABodyLongerThanItsLengthIsCutAtTheLength)
{
    const QByteArray body = installer(20000);
    const auto messages = download(declaring(10000, body));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1][1], kDoneTitle);
    EXPECT_EQ(downloads.read("plugo_upd.exe"), body.left(10000)) << "what the server declared, not what followed";
}

TEST_F(ServerFaultTest, AnAbsurdLengthWithAShortBodyFailsWithoutAFile)
{
    downloads.write("plugo_upd.exe", "the old installer");
    const auto messages = download(declaring(5LL * 1024 * 1024 * 1024, installer(4096)));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1][1], kFailureTitle);
    EXPECT_EQ(downloads.read("plugo_upd.exe"), QByteArray("the old installer"));
    EXPECT_EQ(files(), QStringList({"plugo_upd.exe"}));

    // The updater goes on working.
    desktop.calls.clear();
    server.route(kInstaller, okReply(installer(5000)));
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    action("mnuUppdatera")->trigger();
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1][1], kDoneTitle);
    EXPECT_EQ(downloads.read("plugo_upd.exe").size(), 5000);
}

TEST_F(ServerFaultTest, ARedirectLoopIsNoInstaller)
{
    const auto messages = download(redirectToItself(kInstaller));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1][1], kFailureTitle);
    EXPECT_TRUE(files().isEmpty());
    int asked = 0;
    for (const QByteArray &path : server.requests())
        asked += path == kInstaller;
    EXPECT_EQ(asked, 1) << "a redirect is not followed, so it cannot loop";
}

TEST_F(ServerFaultTest, TheVersionCheckRefusesTheSameFaults)
{
    const QString body = QStringLiteral("26 01 11$26 01 10$26 01 10£Nytt!");
    const std::vector<std::pair<const char *, ServerReply>> rows{
        {"absurd length", declaring(5LL * 1024 * 1024 * 1024, "26 01 11$26 01 10$26 01 10\xA3")},
        {"redirect loop", redirectToItself(kVersion)},
    };
    for (const auto &[name, reply] : rows) {
        desktop.calls.clear();
        server.route(kVersion, reply);
        check();
        ASSERT_EQ(desktop.messages().size(), 1u) << name;
        EXPECT_EQ(desktop.messages()[0][1], "Ingen kontakt med servern") << name;
        EXPECT_FALSE(button("cmdUppdatera")->isEnabled()) << name;
    }
    // Longer than declared: the declared part is the version file.
    desktop.calls.clear();
    server.route(kVersion, declaring(27, "26 01 11$26 01 10$26 01 10\xA3" "and then garbage"));
    check();
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_TRUE(button("cmdUppdatera")->isEnabled());
    EXPECT_EQ(label("lblKoll")->text(), "");
}

#ifdef Q_OS_UNIX
TEST_F(ServerFaultTest, AFullDiskDuringTheDownloadKeepsTheOldInstaller)
{
    downloads.write("plugo_upd.exe", "the old installer");
    serveVersion("26 01 11$26 01 10$26 01 10£");
    check();
    desktop.calls.clear();
    server.route(kInstaller, okReply(installer(300000)));
    desktop.chooseSave(downloads.file("plugo_upd.exe"));
    {
        testing_support::NoFileGrowth full;
        action("mnuUppdatera")->trigger();
    }
    ASSERT_EQ(desktop.messages().size(), 2u);
    EXPECT_EQ(desktop.messages()[1][1], kFailureTitle);
    EXPECT_EQ(downloads.read("plugo_upd.exe"), QByteArray("the old installer"));
    EXPECT_EQ(files(), QStringList({"plugo_upd.exe"}));
}
#endif
