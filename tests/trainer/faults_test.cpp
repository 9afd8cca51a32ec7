// SPDX-License-Identifier: GPL-3.0-or-later
// Faults staged in the middle of a session: the program keeps working, says what failed where it
// has a message for it, and every file that was whole before is still whole.
#include "shell/trainerfixture.h"
#include "support/nofilegrowth.h"
#include "support/readonlyfolder.h"
#include "trainer/shell/installningar.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString kOneWord = QStringLiteral("[Svenska-Engelska]\r\nhund\r\ndog$\r\n");

}  // namespace

class FaultTest : public TrainerTest {
protected:
    // Runs the one-word drill to its end.
    void drill()
    {
        QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
        typeAndEnter("hund");
    }

    QDialog *openSettings()
    {
        action("mnuInst")->trigger();
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmInst" && w->isVisible())
                return qobject_cast<QDialog *>(w);
        }
        return nullptr;
    }

    // Everything a session writes, once, while the folder still takes it; then the same again
    // after `fault` has struck, checking that the old files stay whole.
    void sessionAcrossAFault(const std::function<bool()> &fault)
    {
        start();
        const QString vocabulary = folder.write("sv.gls", kOneWord.toLatin1());
        open(vocabulary);
        drill();
        const QByteArray report = folder.read("latest_practice.html");
        ASSERT_FALSE(report.isEmpty());
        desktop.chooseSave(folder.file("sida.html"));
        action("mnuSparaweb")->trigger();
        const QByteArray page = folder.read("sida.html");
        ASSERT_FALSE(page.isEmpty());
        window->close();
        const QByteArray recent = folder.read("recentg.txt");
        ASSERT_EQ(QString::fromUtf8(recent), vocabulary + "\r\n");
        window.reset();
        desktop.calls.clear();

        start();
        const QByteArray settings = folder.read("plugo.slg");
        open(vocabulary);
        if (!fault())
            GTEST_SKIP() << "this machine cannot stage that fault";

        QDialog *dialog = openSettings();
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->findChild<QWidget *>("optFarg_3"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QWidget *>("cmdOk"), Qt::LeftButton);
        EXPECT_EQ(module.farg, 3) << "the setting holds for this run";
        EXPECT_TRUE(window->isEnabled());

        desktop.clock = desktop.clock.addSecs(3600);
        drill();
        EXPECT_EQ(button("cmdNasta")->text(), QStringLiteral(u"Börja")) << "the drill ended";

        desktop.chooseSave(folder.file("sida.html"));
        action("mnuSparaweb")->trigger();

        QStringList titles;
        for (const QStringList &message : desktop.messages())
            titles << message[1];
        EXPECT_EQ(titles, QStringList({"Kunde inte spara", QStringLiteral(u"Ett fel har inträffat"), "Alla glosor klara",
                                       "Kunde inte spara"}));
        window->close();

        EXPECT_EQ(folder.read("plugo.slg"), settings);
        EXPECT_EQ(folder.read("latest_practice.html"), report);
        EXPECT_EQ(folder.read("sida.html"), page);
        EXPECT_EQ(folder.read("recentg.txt"), recent);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList({"argtant.gif", "latest_practice.html", "plugo.slg", "recentg.txt", "sida.html",
                               "smiling.gif", "sv.gls"}))
            << "no temporary file is left behind";
    }
};

#ifdef Q_OS_UNIX
TEST_F(FaultTest, TheDiskFillsUpInTheMiddleOfASession)
{
    std::unique_ptr<testing_support::NoFileGrowth> full;
    sessionAcrossAFault([&full] {
        full = std::make_unique<testing_support::NoFileGrowth>();
        return true;
    });
}
#endif

TEST_F(FaultTest, TheProgramFolderTurnsReadOnlyInTheMiddleOfASession)
{
    std::unique_ptr<testing_support::ReadOnlyFolder> readOnly;
    sessionAcrossAFault([this, &readOnly] {
        readOnly = std::make_unique<testing_support::ReadOnlyFolder>(folder.path());
        return readOnly->active();
    });
}

TEST_F(FaultTest, AVocabularyThatVanishesAfterTheDialogChangesNothing)
{
    start();
    const QString first = folder.write("sv.gls", kOneWord.toLatin1());
    open(first);
    const QString title = window->windowTitle();
    const QString gone = folder.write("borta.gls", kOneWord.toLatin1());
    desktop.chooseOpen(gone);
    QFile::remove(gone);
    QTest::mouseClick(button("cmdOpen"), Qt::LeftButton);
    EXPECT_EQ(window->filnamn(), first);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(action("mnuT_0")->text(), first);
    EXPECT_FALSE(action("mnuT_1")->isVisible()) << "a file that could not be read is not listed";
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(FaultTest, AVocabularyPathThatIsAFolderChangesNothing)
{
    start();
    QDir(folder.path()).mkdir("mapp.gls");
    open(folder.file("mapp.gls"));
    EXPECT_EQ(window->filnamn(), "");
    EXPECT_FALSE(button("cmdNasta")->isEnabled());
}
