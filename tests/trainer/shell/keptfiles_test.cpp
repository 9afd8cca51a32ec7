// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainer/shell/installningar.h"
#include "trainerfixture.h"

#include <QDir>
#include <QTest>

// The trainer keeps its own files beside itself, or in the user's folder when it may not write there.
class KeptFilesTest : public TrainerTest {
protected:
    testing_support::TempFolder home;
    QString userFolder() const { return home.file("plugo"); }
};

TEST_F(KeptFilesTest, AWritableProgramFolderKeepsEverything)
{
    desktop.userFolder = userFolder();
    start();
    EXPECT_TRUE(folder.exists("plugo.slg"));
    open(vocabulary("sv.gls", "[Svenska-Engelska]\r\nhund\r\ndog$\r\n"));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    typeAndEnter("hund");
    window->close();
    EXPECT_TRUE(folder.exists("latest_practice.html"));
    EXPECT_TRUE(folder.exists("recentg.txt"));
    EXPECT_FALSE(QFileInfo::exists(userFolder())) << "the user's folder is not even made";
}

TEST_F(KeptFilesTest, AProgramFolderThatCannotBeWrittenSendsThemToTheUsersFolder)
{
    const QString vocabularyPath = home.write("sv.gls", "[Svenska-Engelska]\r\nhund\r\ndog$\r\n");
    folder.write("plugo.html", "<p>hjälp</p>");
    // As the desktop names it: with the system's separators.
    desktop.userFolder = QDir::toNativeSeparators(userFolder());
    desktop.readOnlyFolders = {folder.path()};
    start();
    EXPECT_TRUE(QFileInfo::exists(userFolder() + "/plugo.slg"));
    EXPECT_FALSE(folder.exists("plugo.slg"));

    desktop.chooseOpen(vocabularyPath);
    QTest::mouseClick(button("cmdOpen"), Qt::LeftButton);
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    typeAndEnter("hund");
    EXPECT_EQ(desktop.messages().size(), 1u) << "the pictures are read from the program folder; no error";
    EXPECT_TRUE(QFileInfo::exists(userFolder() + "/latest_practice.html"));

    action("mnuOvning")->trigger();
    action("mnuGhelp")->trigger();
    const auto opened = desktop.callsOf("openDocument");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].args[0], QDir::toNativeSeparators(userFolder() + "/latest_practice.html"));
    EXPECT_EQ(opened[1].args[0], folder.file("plugo.html")) << "shipped files stay in the program folder";

    window->close();
    EXPECT_EQ(QString::fromUtf8(home.read("plugo/recentg.txt")), vocabularyPath + "\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"argtant.gif", "plugo.html", "smiling.gif"}));

    // The next start reads them back from there.
    home.write("plugo/plugo.slg", shell::settingsBytes({2, 0, 0, 1}));
    window.reset();
    start();
    EXPECT_EQ(module.farg, 2);
    EXPECT_EQ(action("mnuT_0")->text(), "sv.gls");
}

TEST_F(KeptFilesTest, NowhereToWriteStopsNothing)
{
    desktop.userFolder = userFolder();
    desktop.readOnlyFolders = {folder.path(), userFolder()};
    start();
    open(vocabulary("sv.gls", "[Svenska-Engelska]\r\nhund\r\ndog$\r\n"));
    window->close();
    EXPECT_TRUE(desktop.messages().empty());
}
