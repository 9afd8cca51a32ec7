// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop.h"
#include "platform/qtdesktop.h"
#include "support/scripteddesktop.h"
#include "support/tempfolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace platform;

TEST(DesktopHelpers, FileNamePartCutsAtEitherSeparator)
{
    EXPECT_EQ(fileNamePart("C:\\Glosor\\engelska.gls"), "engelska.gls");
    EXPECT_EQ(fileNamePart("/home/elev/tyska.gls"), "tyska.gls");
    EXPECT_EQ(fileNamePart("C:\\a/b\\c.gls"), "c.gls");
    EXPECT_EQ(fileNamePart("ord.gls"), "ord.gls");
    EXPECT_EQ(fileNamePart("C:\\Glosor\\"), "");
}

TEST(DesktopHelpers, TrimRemovesSpacesOnly)
{
    EXPECT_EQ(trimSpaces("  hund  "), "hund");
    EXPECT_EQ(trimSpaces("\thund\t"), "\thund\t");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(trimSpaces(" a b "), "a b");
}

TEST(DesktopHelpers, DatePatterns)
{
    testing_support::ScriptedDesktop desktop;
    desktop.shortDateText = "9.12.2026";
    const QDateTime when(QDate(2026, 3, 4), QTime(7, 8, 59));
    EXPECT_EQ(formatDateTime(desktop, when, u"ddddd"), "9.12.2026");
    EXPECT_EQ(formatDateTime(desktop, when, u"hh:nn"), "07:08");
    EXPECT_EQ(formatDateTime(desktop, QDateTime(QDate(2026, 3, 4), QTime(23, 0)), u"hh:nn"), "23:00");
    EXPECT_EQ(formatDateTime(desktop, when, u"yy mm dd"), "26 03 04");
}

TEST(DesktopHelpers, QtFilters)
{
    EXPECT_EQ(toQtFilter("glosfil (*.gls)|*.gls"), "glosfil (*.gls)");
    EXPECT_EQ(toQtFilter("Programfiler (*.exe)|*.exe"), "Programfiler (*.exe)");
    EXPECT_EQ(toQtFilter("Sidor|*.html;*.htm"), "Sidor (*.html *.htm)");
    EXPECT_EQ(toQtFilter("a (*.a)|*.a|b (*.b)|*.b"), "a (*.a);;b (*.b)");
}

TEST(DesktopFiles, ExistsMeansANormalFile)
{
    testing_support::TempFolder folder;
    const QString file = folder.write("a.gls", "x");
    EXPECT_TRUE(files::exists(file));
    EXPECT_FALSE(files::exists(folder.path())) << "a folder is not a file";
    EXPECT_FALSE(files::exists(folder.file("missing.gls")));
    EXPECT_FALSE(files::exists(QString()));
    EXPECT_TRUE(files::timestamp(file).has_value());
    EXPECT_FALSE(files::timestamp(folder.file("missing.gls")).has_value());
}

TEST(DesktopFiles, PicturesLoadOrReportFailure)
{
    testing_support::TempFolder folder;
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(folder.file("p.bmp"), "BMP"));
    const auto loaded = files::picture(folder.file("p.bmp"));
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->size(), QSize(4, 3));
    folder.write("broken.gif", "GIF89a not really");
    EXPECT_FALSE(files::picture(folder.file("broken.gif")).has_value());
    EXPECT_FALSE(files::picture(folder.file("none.gif")).has_value());
}

TEST(DesktopFiles, AFolderIsWritableWhenAFileCanBeMadeInIt)
{
    testing_support::TempFolder folder;
    QtDesktop desktop;
    EXPECT_TRUE(desktop.isFolderWritable(folder.path()));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList())
        << "the probe leaves nothing behind";
    EXPECT_FALSE(desktop.isFolderWritable(folder.file("missing")));
    EXPECT_FALSE(desktop.isFolderWritable(folder.write("file", "x")));
    EXPECT_FALSE(desktop.isFolderWritable(QString()));
#ifdef Q_OS_UNIX
    if (geteuid() != 0) {  // permissions do not hold root back
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(desktop.isFolderWritable(folder.path()));
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
#endif
}

// The question box shows the caller's own captions in order and answers with the one pressed;
// Escape answers with the last.
TEST(QtDesktopQuestion, AnswersWithTheButtonPressed)
{
    const QStringList buttons = {QStringLiteral("Spara"), QStringLiteral("Spara inte"), QStringLiteral("Avbryt")};
    for (int pressed = -1; pressed < 3; ++pressed) {
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), QStringLiteral("Vill du spara?"));
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Titel"));
            for (const QString &caption : buttons) {
                for (QAbstractButton *button : box->buttons()) {
                    if (button->text() == caption)
                        shown << caption;
                }
            }
            if (pressed < 0) {
                box->reject();
                return;
            }
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == buttons[pressed])
                    button->click();
            }
        });
        QtDesktop desktop;
        const int answer = desktop.question(nullptr, QStringLiteral("Vill du spara?"), QStringLiteral("Titel"), buttons);
        EXPECT_EQ(answer, pressed < 0 ? 2 : pressed);
        EXPECT_EQ(shown, buttons);
    }
}
