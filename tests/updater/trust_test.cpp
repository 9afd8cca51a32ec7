// SPDX-License-Identifier: GPL-3.0-or-later
// minisign's files and the release manifest, read and written; signatures checked both ways with
// Debian's minisign where it is installed.
#include "support/tempfolder.h"
#include "trust/release.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using testing_support::TempFolder;

namespace {

QString minisign()
{
    return QStandardPaths::findExecutable(QStringLiteral("minisign"));
}

// Runs minisign with the input on its standard input; its exit code.
int runMinisign(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(minisign(), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

trust::Manifest sample()
{
    return trust::Manifest{{{QStringLiteral("version"), 17, trust::sha256("26 01 11$26$26£x")},
                            {QStringLiteral("plugo_upd.exe"), 0, trust::sha256("")}}};
}

}  // namespace

TEST(Minisign, OurSignaturesVerifyWithMinisignAndTheirsWithUs)
{
    if (minisign().isEmpty())
        GTEST_SKIP() << "Debian's minisign is not installed here";
    TempFolder folder;
    const QString pub = folder.file("key.pub"), sec = folder.file("key.key");
    ASSERT_EQ(runMinisign({"-G", "-W", "-p", pub, "-s", sec}), 0);
    const auto key = trust::readSecretKey(folder.read("key.key"), std::nullopt);
    ASSERT_TRUE(std::holds_alternative<trust::SecretKey>(key));
    const auto publicKey = trust::readPublicKey(folder.read("key.pub"));
    ASSERT_TRUE(publicKey);
    EXPECT_EQ(trust::publicKeyFile(*publicKey), folder.read("key.pub"));

    const QByteArray message = trust::writeManifest(sample());
    folder.write("ours", message);
    folder.write("ours.minisig", trust::sign(message, std::get<trust::SecretKey>(key), "PlugoPro release of 2026-01-11"));
    EXPECT_EQ(runMinisign({"-V", "-q", "-p", pub, "-m", folder.file("ours")}), 0);

    folder.write("theirs", message);
    ASSERT_EQ(runMinisign({"-S", "-s", sec, "-m", folder.file("theirs"), "-t", "PlugoPro release of 2026-01-11"}), 0);
    const auto signature = trust::readSignature(folder.read("theirs.minisig"));
    ASSERT_TRUE(signature);
    EXPECT_EQ(trust::verify(message, *signature, {*publicKey}), QByteArray("PlugoPro release of 2026-01-11"));
    EXPECT_EQ(trust::verify(message + ' ', *signature, {*publicKey}), std::nullopt);
}

TEST(Minisign, AnEncryptedKeyOpensWithItsPasswordAlone)
{
    if (minisign().isEmpty())
        GTEST_SKIP() << "Debian's minisign is not installed here";
    TempFolder folder;
    // minisign makes it with its costliest key derivation: some seconds for each opening.
    ASSERT_EQ(runMinisign({"-G", "-f", "-p", folder.file("enc.pub"), "-s", folder.file("enc.key")}, "hemligt\nhemligt\n"), 0);
    const QByteArray encrypted = folder.read("enc.key");
    const auto opened = trust::readSecretKey(encrypted, QByteArray("hemligt"));
    if (const QString *error = std::get_if<QString>(&opened); error && error->contains("unencrypted"))
        GTEST_SKIP() << "this build's libsodium has no scrypt";
    ASSERT_TRUE(std::holds_alternative<trust::SecretKey>(opened));
    EXPECT_EQ(trust::publicKeyOf(std::get<trust::SecretKey>(opened)).key, trust::readPublicKey(folder.read("enc.pub"))->key);
    EXPECT_EQ(std::get<QString>(trust::readSecretKey(encrypted, QByteArray("Hemligt"))), "wrong password for the secret key");
    EXPECT_EQ(std::get<QString>(trust::readSecretKey(encrypted, std::nullopt)),
              "the secret key is encrypted: give its password");
}

TEST(Minisign, ASignatureFileIsReadOnlyAsMinisignWritesIt)
{
    const trust::SecretKey key = trust::generateKey();
    const QByteArray good = trust::sign("m", key, "c");
    ASSERT_TRUE(trust::readSignature(good));
    QByteArray crlf = good;
    crlf.replace("\n", "\r\n");
    EXPECT_TRUE(trust::readSignature(crlf)) << "minisign takes CR LF";
    const QList<QByteArray> lines = good.split('\n');
    const QByteArray refused[] = {
        QByteArray(),
        good.left(good.size() / 2),
        good + "extra line\n",
        "untrusted comment: x\n" + lines[1] + "\nnot trusted: c\n" + lines[3] + "\n",
        lines[0] + "\n" + lines[1].left(lines[1].size() - 4) + "\n" + lines[2] + "\n" + lines[3] + "\n",
        lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\n" + lines[3] + "AAAA\n",
        lines[0] + "\nRX" + lines[1].mid(2) + "\n" + lines[2] + "\n" + lines[3] + "\n",
        lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\0x\n" + lines[3] + "\n",
        lines[0] + "\n" + lines[1] + "\n" + lines[2] + QByteArray(20000, 'c') + "\n" + lines[3] + "\n",
    };
    for (const QByteArray &text : refused)
        EXPECT_FALSE(trust::readSignature(text)) << text.left(200).toStdString();
}

TEST(Manifest, WrittenAsSha256sumReadsItAndReadBackTheSame)
{
    const QByteArray text = trust::writeManifest(sample());
    EXPECT_EQ(text, "# PlugoPro release manifest 1\n"
                    "# version: 17 bytes\n" + trust::hexText(trust::sha256("26 01 11$26$26£x")).toLatin1() + "  version\n"
                    "# plugo_upd.exe: 0 bytes\n"
                    "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  plugo_upd.exe\n");
    const auto read = trust::readManifest(text);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->entries.size(), 2u);
    EXPECT_EQ(trust::writeManifest(*read), text);
    EXPECT_EQ(read->find(QStringLiteral("version"))->size, 17);
    EXPECT_EQ(read->find(QStringLiteral("nothing")), nullptr);
}

TEST(Manifest, AnythingElseIsNoManifest)
{
    const QByteArray hash(64, 'a');
    const QByteArray header = "# PlugoPro release manifest 1\n";
    const QByteArray refused[] = {
        "",
        header.chopped(1),
        "# PlugoPro release manifest 2\n",
        header + "# version: 1 bytes\n",
        header + "# version: 1 bytes\n" + hash + "  other\n",
        header + "# version: 1 bytes\n" + hash + " version\n",
        header + "# version: 01 bytes\n" + hash + "  version\n",
        header + "# version: -1 bytes\n" + hash + "  version\n",
        header + "# version: 1 bytes\n" + QByteArray(64, 'A') + "  version\n",
        header + "# version: 1 bytes\n" + hash + "  version\n# version: 1 bytes\n" + hash + "  version\n",
        header + "# ../etc: 1 bytes\n" + hash + "  ../etc\n",
        header + "# .hidden: 1 bytes\n" + hash + "  .hidden\n",
        header + "# version: 1 bytes\r\n" + hash + "  version\r\n",
        header + "# version: 999999999999 bytes\n" + hash + "  version\n",
        header + "# version: 1 bytes\n" + hash + "  version",
    };
    for (const QByteArray &text : refused)
        EXPECT_FALSE(trust::readManifest(text)) << text.toStdString();
}

TEST(ListedFile, OnlyTheListedBytesAreAccepted)
{
    const QByteArray body = "MZ the installer";
    const trust::ManifestEntry entry{QStringLiteral("plugo_upd.exe"), body.size(), trust::sha256(body)};
    const struct {
        QList<QByteArray> pieces;
        bool accepted;
    } cases[] = {
        {{body}, true},
        {{body.left(5), body.mid(5)}, true},
        {{body.left(5)}, false},
        {{body, "x"}, false},
        {{body.left(15) + 'X'}, false},
    };
    for (const auto &c : cases) {
        trust::ListedFileCheck check(entry);
        bool taken = true;
        for (const QByteArray &piece : c.pieces)
            taken = taken && check.take(piece);
        EXPECT_EQ(taken && check.acceptWhole(), c.accepted) << c.pieces.join('|').toStdString();
        EXPECT_EQ(check.refused(), !c.accepted);
    }
}
