// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/nofilegrowth.h"
#include "trainer/shell/installningar.h"
#include "trainerfixture.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QThread>
#include <algorithm>

class RecentTest : public TrainerTest {
protected:
    // Closes the window as the close box does, and starts the program again.
    void restart()
    {
        window->close();
        window.reset();
        start();
    }

    QString newFile(const QString &name)
    {
        const QString path = folder.file(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("[Svenska-Engelska]\r\nhund\r\ndog$\r\n");
        return path;
    }

    // The shown captions of the "Tidigare" menu.
    QStringList menu() const
    {
        QStringList captions;
        for (int i = 0; i < 10; ++i) {
            QAction *item = action(QStringLiteral("mnuT_%1").arg(i).toLatin1().constData());
            if (item->isVisible())
                captions << item->text();
        }
        return captions;
    }

    QString listFile() const { return QString::fromUtf8(folder.read("recentg.txt")); }
};

TEST_F(RecentTest, FilesOpenedAreListedAndSavedWhenTheWindowCloses)
{
    start();
    const QString a = newFile("engelska.gls");
    const QString b = newFile("tyska.gls");
    open(a);
    open(b);
    EXPECT_EQ(menu(), QStringList({a, b}));
    EXPECT_FALSE(folder.exists("recentg.txt"));
    restart();
    EXPECT_EQ(listFile(), a + "\r\n" + b + "\r\n");
    EXPECT_EQ(menu(), QStringList({a, b}));
}

TEST_F(RecentTest, AvslutaSavesTheListToo)
{
    start();
    const QString a = newFile("engelska.gls");
    open(a);
    action("mnuSlut")->trigger();
    EXPECT_TRUE(desktop.ended);
    EXPECT_EQ(listFile(), a + "\r\n");
}

TEST_F(RecentTest, TheEleventhFileDropsTheOldest)
{
    start();
    QStringList paths;
    for (int i = 1; i <= 11; ++i)
        paths << newFile(QStringLiteral("g%1.gls").arg(i));
    for (const QString &path : paths)
        open(path);
    EXPECT_EQ(menu(), paths.mid(1)) << "the newest at the bottom";
    restart();
    EXPECT_EQ(listFile(), paths.mid(1).join("\r\n") + "\r\n");
    EXPECT_EQ(menu(), paths.mid(1)) << "ten files, ten items";
}

TEST_F(RecentTest, ReopeningAListedFileChangesNothing)
{
    start();
    const QString a = newFile("a.gls");
    const QString b = newFile("b.gls");
    open(a);
    open(b);
    open(a);
    EXPECT_EQ(menu(), QStringList({a, b}));
    action("mnuT_1")->trigger();
    EXPECT_EQ(window->filnamn(), b);
    EXPECT_EQ(window->windowTitle(), "PlugoPro 1.00 - " + b);
    EXPECT_EQ(menu(), QStringList({a, b}));
}

TEST_F(RecentTest, MenuItemLoadsItsFile)
{
    start();
    const QString a = newFile("a.gls");
    const QString b = folder.write("b.gls", "[Tyska-Svenska]\r\nHund\r\nhund$\r\nKatze\r\nkatt$\r\n");
    open(a);
    open(b);
    open(a);
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    action("mnuT_1")->trigger();
    EXPECT_EQ(window->filnamn(), b);
    EXPECT_EQ(text("lblAntalSprak2"), "Tyska glosor: 2");
    EXPECT_EQ(button("cmdNasta")->text(), QStringLiteral(u"Börja"));
    EXPECT_FALSE(button("cmdRatta")->isEnabled());
    EXPECT_EQ(focused(), button("cmdNasta"));
    EXPECT_EQ(desktop.callsOf("openFileDialog").size(), 3u) << "no dialog for a recent file";
}

TEST_F(RecentTest, NamesOnlyWhenTheSettingSaysSo)
{
    folder.write("plugo.slg", shell::settingsBytes({0, 0, 0, 1}));
    start();
    const QString a = newFile("skola/ord.gls");
    const QString b = newFile("hemma/ord.gls");
    open(a);
    open(b);
    EXPECT_EQ(menu(), QStringList({"ord.gls", "ord.gls"}));
    action("mnuT_0")->trigger();
    EXPECT_EQ(window->filnamn(), a);
    action("mnuT_1")->trigger();
    EXPECT_EQ(window->filnamn(), b);
}

TEST_F(RecentTest, ChangedSettingShowsAsSoonAsTheDialogCloses)
{
    start();
    const QString a = newFile("skola/ord.gls");
    open(a);
    EXPECT_EQ(menu(), QStringList({a}));
    action("mnuInst")->trigger();
    QDialog *dialog = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmInst" && w->isVisible())
            dialog = qobject_cast<QDialog *>(w);
    }
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->findChild<QWidget *>("cheFilnamn"), Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QWidget *>("cmdOk"), Qt::LeftButton);
    EXPECT_EQ(menu(), QStringList({"ord.gls"}));
}

TEST_F(RecentTest, APathWithACommaSurvivesARestart)
{
    start();
    const QString odd = newFile("mina, glosor/ord.gls");
    const QString plain = newFile("plain.gls");
    open(odd);
    open(plain);
    restart();
    EXPECT_EQ(listFile(), "\"" + odd + "\"\r\n" + plain + "\r\n");
    EXPECT_EQ(menu(), QStringList({odd, plain}));
    action("mnuT_0")->trigger();
    EXPECT_EQ(window->filnamn(), odd);
}

TEST_F(RecentTest, AFirstEmptyLineMeansAnEmptyList)
{
    const QString a = newFile("a.gls");
    folder.write("recentg.txt", ("\r\n" + a + "\r\n").toUtf8());
    start();
    EXPECT_EQ(menu(), QStringList({"<tomt>"}));
    restart();
    EXPECT_EQ(folder.read("recentg.txt"), QByteArray());
}

TEST_F(RecentTest, VanishedFilesDropOut)
{
    const QString a = newFile("a.gls");
    const QString b = newFile("b.gls");
    const QString c = newFile("c.gls");
    folder.write("recentg.txt", (a + "\r\n" + b + "\r\n" + c + "\r\n").toUtf8());
    start();
    EXPECT_EQ(menu(), QStringList({a, b, c}));
    QFile::remove(b);
    window->Form_Activate();
    EXPECT_EQ(menu(), QStringList({a, c}));
    restart();
    EXPECT_EQ(listFile(), a + "\r\n" + c + "\r\n");
}

TEST_F(RecentTest, ClickOnAFileThatVanishedOpensNothingElse)
{
    const QString a = newFile("a.gls");
    const QString b = newFile("b.gls");
    const QString c = newFile("c.gls");
    folder.write("recentg.txt", (a + "\r\n" + b + "\r\n" + c + "\r\n").toUtf8());
    start();
    open(a);
    const QString title = window->windowTitle();
    QFile::remove(b);
    action("mnuT_1")->trigger();
    EXPECT_EQ(window->filnamn(), a) << "not the next file in the list";
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(menu(), QStringList({a, c}));
    EXPECT_TRUE(desktop.messages().empty());

    QFile::remove(a);
    QFile::remove(c);
    action("mnuT_1")->trigger();
    EXPECT_EQ(menu(), QStringList({"<tomt>"}));
    action("mnuT_0")->trigger();
    EXPECT_EQ(window->filnamn(), a);
}

TEST_F(RecentTest, WhenNothingListedExistsTheMenuKeepsItsCaptions)
{
    const QString a = newFile("a.gls");
    folder.write("recentg.txt", (a + "\r\n").toUtf8());
    QFile::remove(a);
    start();
    EXPECT_EQ(menu(), QStringList({"<tomt>"}));
    action("mnuT_0")->trigger();
    EXPECT_EQ(window->filnamn(), "");
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(RecentTest, AnUnwritableFolderStopsNothing)
{
    QDir(folder.path()).mkdir("recentg.txt");
    start();
    open(newFile("a.gls"));
    window->close();
    EXPECT_TRUE(QFileInfo(folder.file("recentg.txt")).isDir());
}

TEST_F(TrainerTest, EditorStartsBesideTheTrainer)
{
    const QString editor = folder.file(platform::programFileName(QStringLiteral("editor")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PLUGO_STAND_IN_EDITOR), editor));
    desktop.startForReal = true;
    start();
    action("mnuEdit")->trigger();
    action("mnuEdit")->trigger();
    const auto started = desktop.callsOf("startProgram");
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0].args[0], editor);
    EXPECT_TRUE(desktop.messages().empty());
    const auto notes = [&] { return QDir(folder.path()).entryList({QStringLiteral("editor-ran-*")}, QDir::Files); };
    const auto written = [&] {
        const QStringList names = notes();
        return std::count_if(names.begin(), names.end(), [&](const QString &name) { return QFileInfo(folder.file(name)).size() == 8; });
    };
    QDeadlineTimer deadline(20000);
    while (written() < 2 && !deadline.hasExpired()) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    ASSERT_EQ(notes().size(), 2) << "two editors ran";
    for (const QString &note : notes())
        EXPECT_EQ(folder.read(note), "started\n");
}

TEST_F(TrainerTest, MissingEditorMessage)
{
    start();
    action("mnuEdit")->trigger();
    EXPECT_TRUE(desktop.callsOf("startProgram").empty());
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0],
              QStringList({QStringLiteral(u"Vuzuvevizaduvareziv (editor.exe) hittas inte. Kanske har filen flyttats "
                                          u"eller blivit trasig.\nGå till programmets hemsida och ladda hem en ny "
                                          u"version."),
                           "Fel - Fil hittas inte", "0"}));
}

TEST_F(TrainerTest, HelpOpensThePageBesideTheTrainer)
{
    desktop.folder = folder.path() + "  ";
    start();
    action("mnuGhelp")->trigger();
    const auto opened = desktop.callsOf("openDocument");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].args, QStringList({folder.file("plugo.html"), folder.path() + "  "}));
    EXPECT_TRUE(desktop.messages().empty());
}

#ifdef Q_OS_UNIX
TEST_F(RecentTest, AProgramFolderWhereNothingCanBeWrittenStopsNothing)
{
    folder.write("plugo.slg", shell::settingsBytes({1, 0, 0, 0}));
    const QString a = newFile("a.gls");
    const QString b = folder.write("b.gls", "[Svenska-Engelska]\r\nhund\r\ndog$\r\n");
    folder.write("recentg.txt", (a + "\r\n").toUtf8());
    {
        testing_support::NoFileGrowth full;
        start();
        EXPECT_EQ(module.farg, 1);
        EXPECT_EQ(menu(), QStringList({a}));
        open(b);
        QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
        typeAndEnter("hund");
        // The report could not be written; the drill ends all the same.
        ASSERT_EQ(desktop.messages().size(), 2u);
        EXPECT_EQ(desktop.messages()[0][1], QStringLiteral(u"Ett fel har inträffat"));
        EXPECT_EQ(desktop.messages()[1][1], "Alla glosor klara");
        EXPECT_EQ(button("cmdNasta")->text(), QStringLiteral(u"Börja"));
        window->close();
    }
    EXPECT_EQ(listFile(), a + "\r\n") << "the old list stays whole";
    EXPECT_EQ(folder.read("plugo.slg"), shell::settingsBytes({1, 0, 0, 0}));
    EXPECT_FALSE(folder.exists("latest_practice.html"));
}
#endif

TEST_F(RecentTest, AProgramFolderThatIsGoneStopsNothing)
{
    desktop.folder = folder.file("gone");
    start();
    EXPECT_EQ(module.farg, 0);
    open(newFile("a.gls"));
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    typeAndEnter("hund");
    ASSERT_EQ(desktop.messages().size(), 1u) << "no pictures there: the check says so";
    EXPECT_EQ(desktop.messages()[0][1], QStringLiteral(u"Ett fel har inträffat"));
    action("mnuSlut")->trigger();
    EXPECT_TRUE(desktop.ended);
    EXPECT_FALSE(QFileInfo::exists(folder.file("gone")));
}
