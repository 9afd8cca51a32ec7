// SPDX-License-Identifier: GPL-3.0-or-later
// The updater built with the publisher's keys, against a loopback server that serves a signed
// release or one of its forgeries: only the release the publisher signed is offered, and only
// the installers it lists are saved.
#include "platform/windows1252.h"
#include "trust/release.h"
#include "updater/texts.h"
#include "updaterwindow.h"

#include <QDir>
#include <QTest>
#include <functional>

using testing_support::okReply;
using testing_support::statusReply;
using testing_support::UpdaterWindowTest;

namespace {

const QByteArray kFolder = "/~tovald/plugo3/";
const std::array<QByteArray, 3> kInstallers{"plugo_upd.exe", "editor_upd.exe", "update_upd.exe"};

// Everything a signed release puts on the server.
struct Published {
    QByteArray version;
    std::array<QByteArray, 3> installers;
    QByteArray manifest;
    QByteArray signature;
};

QByteArray installer(char fill, int size)
{
    QByteArray bytes(size, fill);
    bytes.replace(0, 2, "MZ");
    return bytes;
}

// A release as the publisher makes it: the manifest of the files, signed with the key.
Published publish(const trust::SecretKey &key, const QString &versionText, const QDate &released, int installerSize = 70000)
{
    Published release;
    release.version = platform::encodeWindows1252(versionText).value_or(QByteArray());
    release.installers = {installer('p', installerSize), installer('e', 1000), installer('u', 5000)};
    trust::Manifest manifest;
    manifest.entries.push_back({QStringLiteral("version"), release.version.size(), trust::sha256(release.version)});
    for (int row = 0; row < 3; ++row)
        manifest.entries.push_back({QString::fromLatin1(kInstallers[row]), release.installers[row].size(),
                                    trust::sha256(release.installers[row])});
    release.manifest = trust::writeManifest(manifest);
    release.signature = trust::sign(release.manifest, key, trust::trustedComment(released));
    return release;
}

QByteArray flipped(QByteArray bytes, qsizetype at)
{
    bytes[at] = static_cast<char>(bytes[at] ^ 0x01);
    return bytes;
}

// The signature with one character of its first base64 line changed to another letter.
QByteArray forgedSignatureLine(QByteArray signature)
{
    const qsizetype at = signature.indexOf('\n') + 20;
    signature[at] = signature[at] == 'A' ? 'B' : 'A';
    return signature;
}

const QString kToday = QStringLiteral("26 01 11$26 01 10$26 01 10£Nyheter!");
const QDate kReleased(2026, 1, 11);

class SignedUpdateTest : public UpdaterWindowTest {
protected:
    void SetUp() override
    {
        UpdaterWindowTest::SetUp();
        updater::UpdateServer signedServer{QStringLiteral("127.0.0.1"), server.port(),
                                           {trust::publicKeyOf(current), trust::publicKeyOf(backup)}};
        window.reset();
        window = std::make_unique<updater::frmInfo>(desktop, inet, signedServer);
        installProducts(QDateTime(QDate(2026, 1, 10), QTime(9, 0)));
    }

    void serve(const Published &release)
    {
        server.route(kFolder + "version", okReply(release.version));
        server.route(kFolder + "release.manifest", okReply(release.manifest));
        server.route(kFolder + "release.manifest.minisig", okReply(release.signature));
        for (int row = 0; row < 3; ++row)
            server.route(kFolder + kInstallers[row], okReply(release.installers[row], false));
    }

    // Whether the window shows nothing of a check: as at start, but for the caption.
    void expectUnchecked() const
    {
        for (int row = 0; row < 3; ++row) {
            EXPECT_FALSE(box(row)->isEnabled()) << row;
            EXPECT_FALSE(box(row)->isChecked()) << row;
        }
        EXPECT_EQ(label("lblKoll")->text(), updater::introText());
        EXPECT_EQ(label("lblNyare")->text(), QString());
        EXPECT_EQ(label("lblLadda")->text(), QString());
        EXPECT_TRUE(button("cmdKoll")->isEnabled());
        EXPECT_FALSE(button("cmdUppdatera")->isEnabled());
    }

    QStringList refusedCheck() const
    {
        return {updater::unverifiedReleaseText(), updater::unverifiedTitle(), QStringLiteral("16")};
    }

    // Downloads plugo's installer over an earlier one; the messages it gave.
    std::vector<QStringList> downloadPlugo()
    {
        downloads.write("plugo_upd.exe", "the installer the user had");
        desktop.chooseSave(downloads.file("plugo_upd.exe"));
        desktop.calls.clear();
        action("mnuUppdatera")->trigger();
        return desktop.messages();
    }

    void expectRefusedDownload(const std::vector<QStringList> &messages)
    {
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1], (QStringList{updater::unverifiedInstallerText(QStringLiteral("plugo_upd.exe")),
                                            updater::unverifiedTitle(), QStringLiteral("16")}));
        EXPECT_EQ(QDir(downloads.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plugo_upd.exe"})
            << "no half-written file beside it";
        EXPECT_EQ(downloads.read("plugo_upd.exe"), "the installer the user had");
        EXPECT_FALSE(window->state().laddar);
        EXPECT_FALSE(timer()->isActive()) << "the busy display ends";
        EXPECT_FALSE(label("picAnim")->isVisible());
        EXPECT_TRUE(button("cmdUppdatera")->isEnabled());
        EXPECT_EQ(window->windowTitle(), updater::windowTitle());
    }

    trust::SecretKey current = trust::generateKey();
    trust::SecretKey backup = trust::generateKey();
};

}  // namespace

TEST_F(SignedUpdateTest, AGoodReleaseIsOfferedAndSavedByteForByte)
{
    const Published release = publish(current, kToday, kReleased);
    serve(release);
    check();
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_TRUE(box(0)->isChecked());
    EXPECT_FALSE(box(1)->isEnabled());
    EXPECT_EQ(label("lblKoll")->text(), "Nyheter!");
    const auto messages = downloadPlugo();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1][1], "Nerladdning klar");
    EXPECT_EQ(downloads.read("plugo_upd.exe"), release.installers[0]);
}

TEST_F(SignedUpdateTest, EveryForgedOrIncompleteReleaseIsRefusedAtTheCheck)
{
    const trust::SecretKey stranger = trust::generateKey();
    const Published good = publish(current, kToday, kReleased);
    const Published older = publish(current, QStringLiteral("25 06 01$25 06 01$25 06 01£Gammal"), QDate(2025, 6, 1));
    const struct {
        const char *what;
        std::function<void(Published &)> forge;
    } cases[] = {
        {"a byte of the version file", [](Published &r) { r.version = flipped(r.version, 1); }},
        {"the version file's message", [](Published &r) { r.version += " Klicka här: http://example.invalid"; }},
        {"a byte of the manifest", [](Published &r) { r.manifest = flipped(r.manifest, r.manifest.size() / 2); }},
        {"a byte of the signature", [](Published &r) { r.signature = forgedSignatureLine(r.signature); }},
        {"the trusted comment", [](Published &r) { r.signature.replace("2026-01-11", "2026-02-11"); }},
        {"the manifest missing", [](Published &r) { r.manifest.clear(); }},
        {"the signature missing", [](Published &r) { r.signature.clear(); }},
        {"the manifest empty", [](Published &r) { r.manifest = "\x01"; }},
        {"the signature empty", [](Published &r) { r.signature = "\x01"; }},
        {"a signature by another key",
         [&](Published &r) { r.signature = trust::sign(r.manifest, stranger, trust::trustedComment(kReleased)); }},
        {"an older release's manifest with today's version file",
         [&](Published &r) { r.manifest = older.manifest, r.signature = older.signature; }},
        {"a signed date that is not the release's",
         [&](Published &r) { r.signature = trust::sign(r.manifest, current, trust::trustedComment(QDate(2026, 1, 12))); }},
    };
    for (const auto &forgery : cases) {
        SCOPED_TRACE(forgery.what);
        Published release = good;
        forgery.forge(release);
        serve(release);
        // A missing file is a 404, an empty one an empty body.
        if (release.manifest.isEmpty())
            server.route(kFolder + "release.manifest", statusReply(404, "Not Found", "<html>404</html>"));
        if (release.signature.isEmpty())
            server.route(kFolder + "release.manifest.minisig", statusReply(404, "Not Found", "<html>404</html>"));
        if (release.manifest == "\x01")
            server.route(kFolder + "release.manifest", okReply(QByteArray()));
        if (release.signature == "\x01")
            server.route(kFolder + "release.manifest.minisig", okReply(QByteArray()));
        desktop.calls.clear();
        check();
        ASSERT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(desktop.messages()[0], refusedCheck());
        EXPECT_NE(desktop.messages()[0][1], updater::noContactTitle());
        expectUnchecked();
        EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - Update /~tovald/plugo3/version");
    }
}

TEST_F(SignedUpdateTest, AReleaseSignedWithTheBackupKeyIsTaken)
{
    serve(publish(backup, kToday, kReleased));
    check();
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_TRUE(box(0)->isChecked());
}

TEST_F(SignedUpdateTest, AnOlderReleaseReplayedOffersNothing)
{
    serve(publish(current, QStringLiteral("25 06 01$25 06 01$25 06 01£Gammal"), QDate(2025, 6, 1)));
    check();
    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(label("lblNyare")->text(), updater::upToDateText());
    EXPECT_FALSE(box(0)->isEnabled());
}

TEST_F(SignedUpdateTest, AnInstallerThatIsNotTheListedOneIsNeverSaved)
{
    const Published good = publish(current, kToday, kReleased);
    const struct {
        const char *what;
        QByteArray body;
    } cases[] = {
        {"a changed byte", flipped(good.installers[0], 5000)},
        {"cut short", good.installers[0].left(good.installers[0].size() - 1)},
        {"one byte longer", good.installers[0] + 'x'},
        {"another program entirely", installer('x', 70000)},
        {"empty", QByteArray()},
    };
    for (const auto &forgery : cases) {
        SCOPED_TRACE(forgery.what);
        serve(good);
        check();
        server.route(kFolder + "plugo_upd.exe", okReply(forgery.body, false));
        const auto messages = downloadPlugo();
        if (forgery.body.isEmpty()) {
            // Nothing arrived: the download failed as any failed download does.
            ASSERT_EQ(messages.size(), 2u);
            EXPECT_EQ(messages[1][1], "Ett fel uppstod");
            EXPECT_EQ(downloads.read("plugo_upd.exe"), "the installer the user had");
            continue;
        }
        expectRefusedDownload(messages);
    }
}

TEST_F(SignedUpdateTest, ABodyGrowingPastTheListedSizeIsStoppedThere)
{
    const Published good = publish(current, kToday, kReleased, 4096);
    serve(good);
    check();
    const QByteArray endless = good.installers[0] + QByteArray(1024 * 1024, 'x');
    server.route(kFolder + "plugo_upd.exe", okReply(endless, false));
    expectRefusedDownload(downloadPlugo());

    // The transfer itself ends at the first piece past the size, long before the body's end.
    trust::ListedFileCheck listed(*trust::Manifest{{{QStringLiteral("plugo_upd.exe"), 4096, trust::sha256(good.installers[0])}}}
                                       .find(QStringLiteral("plugo_upd.exe")));
    const platform::FileReply reply = inet.saveUrl(
        platform::httpUrl(QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("/~tovald/plugo3/plugo_upd.exe")),
        downloads.file("direct.exe"), &listed);
    EXPECT_TRUE(reply.refused);
    EXPECT_FALSE(reply.saved);
    EXPECT_LT(reply.bytes, endless.size());
    EXPECT_FALSE(downloads.exists("direct.exe"));
}

TEST_F(SignedUpdateTest, TheSaveDialogOpensInTheDownloadFolder)
{
    serve(publish(current, kToday, kReleased));
    check();
    desktop.downloads = downloads.path();
    downloadPlugo();
    const auto dialogs = desktop.callsOf("saveFileDialog");
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].args.value(4), QStringLiteral("in ") + downloads.path());
}
