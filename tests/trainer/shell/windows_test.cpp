// SPDX-License-Identifier: GPL-3.0-or-later
// What is different when the trainer runs on Windows: the program folder and every file beside it
// are named with backslashes, a program folder that cannot be written (as "C:\Program Files" for
// a pupil) sends the kept files to the local application data folder, and the recent list is
// Windows-1252 text.
#include "platform/qtdesktop.h"
#include "platform/windows1252.h"
#include "trainerfixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

TEST(WindowsDesktop, TheProgramFolderIsTheExecutablesNamedWithBackslashes)
{
    const platform::QtDesktop desktop;
    const QString folder = desktop.programFolder();
    EXPECT_EQ(QDir::fromNativeSeparators(folder), QCoreApplication::applicationDirPath());
    EXPECT_FALSE(folder.contains(u'/')) << folder.toStdString();
    EXPECT_EQ(platform::pathInFolder(folder, QStringLiteral("plugo.slg")), folder + QStringLiteral("\\plugo.slg"));
    EXPECT_EQ(platform::programFileName(QStringLiteral("editor")), QStringLiteral("editor.exe"));
    const QString user = desktop.userDataFolder();
    EXPECT_TRUE(user.startsWith(qEnvironmentVariable("LOCALAPPDATA") + u'\\', Qt::CaseInsensitive)) << user.toStdString();
    EXPECT_FALSE(user.contains(u'/')) << user.toStdString();
}

class WindowsKeptFilesTest : public TrainerTest {
protected:
    testing_support::TempFolder home;
};

TEST_F(WindowsKeptFilesTest, ALockedProgramFolderKeepsNothingAndTheRecentListIsWindows1252)
{
    // Made read-only from outside Wine before the test starts (a Windows program cannot).
    const QString locked = qEnvironmentVariable("PLUGO_READONLY_FOLDER");
    ASSERT_FALSE(locked.isEmpty());
    if (platform::QtDesktop().isFolderWritable(locked))
        GTEST_SKIP() << "the folder could not be made read-only on this machine";
    desktop.folder = locked;
    desktop.userFolder = QDir::toNativeSeparators(home.file(QStringLiteral("plugo")));
    const QString vocabularyPath = QDir::toNativeSeparators(
        home.write(QStringLiteral("sjö och älv.gls"), platform::encodeWindows1252(QStringLiteral("[Svenska-Engelska]\r\nsjö\r\nlake$\r\n")).value()));
    answers.insert(QStringLiteral("lake"), QStringLiteral("sjö"));
    start();

    open(vocabularyPath);
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    typeAndEnter(QStringLiteral("sjö"));
    ASSERT_EQ(desktop.messages().size(), 1u) << "only the end of the drill: nothing about the folder";
    EXPECT_EQ(desktop.messages()[0], (QStringList{QStringLiteral("Du kunde det Svenska ordet för det Engelska ordet 1 gång av 1 möjliga.\nProcent rätt: 100%."),
                                                QStringLiteral("Alla glosor klara"), QStringLiteral("0")}));
    window->close();

    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden).size(), 2) << "only the two pictures";
    for (const char *kept : {"plugo.slg", "latest_practice.html"})
        EXPECT_TRUE(QFileInfo::exists(home.file(QStringLiteral("plugo/") + QLatin1String(kept)))) << kept;
    const QByteArray recent = home.read(QStringLiteral("plugo/recentg.txt"));
    EXPECT_EQ(recent, platform::encodeWindows1252(vocabularyPath).value() + "\r\n");
    EXPECT_TRUE(recent.contains("\\sj\xf6 och \xe4lv.gls\r\n")) << recent.toStdString();
}
