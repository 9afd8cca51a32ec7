// SPDX-License-Identifier: GPL-3.0-or-later
#include "release.h"
#include "trust/release.h"
#include "support/tempfolder.h"
#include "../updater/qtprinters.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

using testing_support::TempFolder;

namespace {

const QDate kToday(2026, 12, 9);

QString parseError(const QStringList &arguments)
{
    const auto parsed = publish::parseArguments(arguments, kToday);
    const QString *error = std::get_if<QString>(&parsed);
    return error ? *error : QString();
}

QStringList everything(const TempFolder &out)
{
    QStringList found;
    QDirIterator it(out.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(out.path()).relativeFilePath(it.next());
    found.sort();
    return found;
}

class PublishTest : public ::testing::Test {
protected:
    publish::Release release(const QStringList &arguments)
    {
        return std::get<publish::Release>(publish::parseArguments(QStringList{out.path()} + arguments, kToday));
    }
    QString installer(const QString &name, const QByteArray &bytes) { return sources.write(name, bytes); }
    QByteArray version() const { return out.read(QStringLiteral("~tovald/plugo3/version")); }

    TempFolder out, sources;
};

}  // namespace

TEST(PublishArguments, RefusalsTable)
{
    const QStringList all{"--plugo", "p", "--editor", "e", "--update", "u"};
    const std::vector<std::pair<QStringList, QString>> rows{
        {QStringList{"--message", "m"} + all, "give the output folder"},
        {QStringList{"out"} + all, "give the message the updater shows with --message"},
        {QStringList{"out", "--message", "m", "--plugo", "a", "--plugo", "b"}, "--plugo is given twice"},
        {QStringList{"out", "--message", "m", "--host", "x"}, "unknown option --host"},
        {QStringList{"out", "--message"}, "--message needs a value"},
        {QStringList{"out", "--message", "m", "--date", "2026-02-30"} + all, "\"2026-02-30\" is not a date written YYYY-MM-DD"},
        {QStringList{"out", "--message", "m", "--date", "2026-01-01", "--date", "2026-01-02"} + all,
         "give one --date for every given product, or one for all of them: 2 dates for 3 products"},
        {QStringList{"out", "--message", "m", "--date", "2026-01-01"}, "--date dates the given products, and none is given"},
        {QStringList{"out", "--message", "m", "--sign-password-file", "pw"} + all,
         "--sign-password-file opens the key given with --sign-key, and none is given"},
        {QStringList{"out", "--message", ""} + all, ""},
    };
    for (const auto &[arguments, error] : rows)
        EXPECT_EQ(parseError(arguments), error) << arguments.join(u' ').toStdString();
}

TEST_F(PublishTest, FirstReleaseNeedsEveryInstallerAndRefusalsWriteNothing)
{
    const QString p = installer("p.exe", "MZ plugo"), e = installer("e.exe", "MZ editor"), empty = installer("u.exe", "");
    const std::vector<std::pair<QStringList, QString>> rows{
        {{"--plugo", p, "--editor", e, "--message", "m"},
         out.path() + " has no version file yet, so the first release needs every installer; missing: --update"},
        {{"--plugo", p, "--editor", e, "--update", empty, "--message", "m"}, "--update: " + empty + " is empty"},
        {{"--plugo", p, "--editor", e, "--update", sources.path(), "--message", "m"},
         "--update: " + sources.path() + " is not a file that can be read"},
        {{"--plugo", p, "--editor", e, "--update", e, "--message", "Tack ő"},
         "the message cannot be written in Windows-1252, the only code page the updater reads: \"ő\" (U+0151) at character 6"},
        {{"--plugo", p, "--editor", e, "--update", e, "--message", QString(1024 * 1024, u'x')},
         "the version file would be 1048603 bytes; the updater reads at most 1048576"},
    };
    for (const auto &[arguments, error] : rows) {
        const publish::Outcome outcome = publish::publishRelease(release(arguments));
        EXPECT_EQ(outcome.error, error);
        EXPECT_FALSE(outcome.wroteAnything);
        EXPECT_EQ(everything(out), QStringList());
    }
}

TEST_F(PublishTest, ReleaseThenOneProductKeepsTheOthersDatesAndInstallers)
{
    const QString p = installer("p.exe", "MZ plugo"), e = installer("e.exe", "MZ editor"), u = installer("u.exe", "MZ update");
    // "$" and "£" after the first "£" are message to the updater, and stay as they are.
    ASSERT_EQ(publish::publishRelease(release({"--update", u, "--plugo", p, "--editor", e, "--message", "5$ el. 4£ – €\r\n",
                                               "--date", "2026-01-15", "--date", "1999-11-02", "--date", "2031-02-01"}))
                  .error,
              QString());
    EXPECT_EQ(everything(out), (QStringList{"~tovald/plugo3/editor_upd.exe", "~tovald/plugo3/plugo_upd.exe",
                                            "~tovald/plugo3/update_upd.exe", "~tovald/plugo3/version"}));
    EXPECT_EQ(version(), "26 01 15$1999 11 02$2031 02 01\xa3" "5$ el. 4\xa3 \x96 \x80\r\n");
    EXPECT_EQ(out.read("~tovald/plugo3/update_upd.exe"), "MZ update");

    // A new editor, dated today; plugo and update keep what they had.
    const QString e2 = installer("e2.exe", "MZ editor 2");
    const publish::Outcome second = publish::publishRelease(release({"--editor", e2, "--message", "Andra"}));
    EXPECT_EQ(second.error, QString());
    EXPECT_EQ(version(), "26 01 15$26 12 09$2031 02 01\xa3" "Andra");
    EXPECT_EQ(out.read("~tovald/plugo3/editor_upd.exe"), "MZ editor 2");
    EXPECT_EQ(out.read("~tovald/plugo3/plugo_upd.exe"), "MZ plugo");

    // A kept product whose installer has gone, and a version file that no longer reads, stop it.
    ASSERT_TRUE(QFile::remove(publish::installerPath(out.path(), 2)));
    EXPECT_EQ(publish::publishRelease(release({"--editor", e, "--message", "m"})).error,
              publish::installerPath(out.path(), 2) + " is missing, so the update date in the version file would "
                                                      "point at nothing; give --update");
    out.write("~tovald/plugo3/version", "26 01 15$trasig\xa3x");
    EXPECT_EQ(publish::publishRelease(release({"--editor", e, "--message", "m"})).error,
              publish::versionPath(out.path()) + " holds no three dates the updater can read, so it cannot date "
                                                 "--plugo, --update; give those installers again");
    EXPECT_EQ(out.read("~tovald/plugo3/editor_upd.exe"), "MZ editor 2");
}

TEST_F(PublishTest, ASignedFolderListsExactlyItsFilesAfterEveryRelease)
{
    const trust::SecretKey key = trust::generateKey();
    const QString keyFile = sources.write("publisher.key", trust::secretKeyFile(key));
    const QString p = installer("p.exe", "MZ plugo"), e = installer("e.exe", "MZ editor"), u = installer("u.exe", "MZ update");
    const auto verified = [&] {
        return trust::verifyRelease(version(), out.read("~tovald/plugo3/release.manifest"),
                                    out.read("~tovald/plugo3/release.manifest.minisig"), {trust::publicKeyOf(key)});
    };
    ASSERT_EQ(publish::publishRelease(release({"--plugo", p, "--editor", e, "--update", u, "--message", "m",
                                               "--date", "2026-01-15", "--sign-key", keyFile}))
                  .error,
              QString());
    EXPECT_EQ(everything(out), (QStringList{"~tovald/plugo3/editor_upd.exe", "~tovald/plugo3/plugo_upd.exe",
                                            "~tovald/plugo3/release.manifest", "~tovald/plugo3/release.manifest.minisig",
                                            "~tovald/plugo3/update_upd.exe", "~tovald/plugo3/version"}));
    ASSERT_TRUE(verified());
    EXPECT_EQ(verified()->released, QDate(2026, 1, 15));

    // The editor alone, dated today: the manifest follows the folder, and the date the newest.
    const QString e2 = installer("e2.exe", "MZ editor 2");
    ASSERT_EQ(publish::publishRelease(release({"--editor", e2, "--message", "m", "--sign-key", keyFile})).error, QString());
    ASSERT_TRUE(verified());
    EXPECT_EQ(verified()->released, kToday);
    for (int row = 0; row < 3; ++row) {
        const QString name = updater::products()[row].presetName;
        const QByteArray bytes = out.read("~tovald/plugo3/" + name);
        EXPECT_EQ(verified()->manifest.find(name)->sha256, trust::sha256(bytes)) << name.toStdString();
    }

    // Unsigned over signed, or a key that is no key, writes nothing.
    const QByteArray before = out.read("~tovald/plugo3/release.manifest");
    // The system's own words for a missing file, which differ between Linux and Windows.
    QFile missing(sources.file("none.key"));
    EXPECT_FALSE(missing.open(QIODevice::ReadOnly));
    const std::vector<std::pair<QStringList, QString>> rows{
        {{"--editor", e, "--message", "m"},
         out.path() + " holds a signed release; an unsigned one would leave its manifest naming files that are no "
                      "longer there. Give --sign-key"},
        {{"--editor", e, "--message", "m", "--sign-key", p}, "--sign-key " + p + ": not a minisign secret key file"},
        {{"--editor", e, "--message", "m", "--sign-key", sources.file("none.key")},
         "--sign-key: cannot read " + sources.file("none.key") + ": " + missing.errorString()},
    };
    for (const auto &[arguments, error] : rows) {
        const publish::Outcome outcome = publish::publishRelease(release(arguments));
        EXPECT_EQ(outcome.error, error);
        EXPECT_FALSE(outcome.wroteAnything);
    }
    EXPECT_EQ(out.read("~tovald/plugo3/release.manifest"), before);
    EXPECT_EQ(out.read("~tovald/plugo3/editor_upd.exe"), "MZ editor 2");
}
