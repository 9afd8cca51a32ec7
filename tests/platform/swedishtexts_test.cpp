// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's own texts read Swedish under the C locale, with the toolkit's Swedish catalogue and
// without it (a hand-made install).
#include "platform/qtdesktop.h"
#include "platform/swedishtexts.h"
#include "support/tempfolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The texts of the modal dialog the call opens: its button captions, then the named labels.
QStringList dialogTexts(const std::function<void()> &call, const QStringList &labels = {})
{
    QStringList texts{"(no dialog)"};
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            texts.clear();
            for (const QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons())
                texts << button->text();
            for (const QString &name : labels)
                texts << dialog->findChild<QLabel *>(name)->text();
            dialog->reject();
        }
    });
    call();
    return texts;
}

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    delete menu;
    return texts;
}

class SwedishTexts : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        auto &app = *qobject_cast<QApplication *>(QCoreApplication::instance());
        // With the catalogue from the toolkit's own folder, or pointed at an empty one.
        ASSERT_EQ(platform::installSwedishTexts(app, GetParam() ? QString() : emptyFolder.path()), GetParam());
    }

    testing_support::TempFolder emptyFolder;
    platform::QtDesktop desktop;
};

TEST_P(SwedishTexts, MessageBoxButtons)
{
    EXPECT_EQ(dialogTexts([&] { desktop.messageBox(nullptr, "Vill du?", "T", platform::MsgOkCancelWarning); }),
              (QStringList{"OK", "Avbryt"}));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Nej");
}

TEST_P(SwedishTexts, TextBoxContextMenusKeepTheirShortcuts)
{
    const QStringList expected{"&Ångra\tCtrl+Z", "&Gör om\tCtrl+Y", "Klipp &ut\tCtrl+X", "&Kopiera\tCtrl+C",
                               "Klistra &in\tCtrl+V", "Ta bort", "Markera allt\tCtrl+A"};
    QLineEdit line("ord");
    EXPECT_EQ(menuTexts(line.createStandardContextMenu()), expected);
    QPlainTextEdit text("ord");
    EXPECT_EQ(menuTexts(text.createStandardContextMenu()), expected);
}

TEST_P(SwedishTexts, ToolkitFileDialogs)
{
    const platform::FileDialogOptions options{QStringLiteral("glosfil skall öppnas"), "glosfil (*.gls)|*.gls", {}, true};
    const QStringList labels{"lookInLabel", "fileNameLabel", "fileTypeLabel"};
    EXPECT_EQ(dialogTexts([&] { desktop.openFileDialog(nullptr, options); }, labels),
              (QStringList{"&Öppna", "Avbryt", "Leta i:", "Fil&namn:", "Filtyp:"}));
    EXPECT_EQ(dialogTexts([&] { desktop.saveFileDialog(nullptr, options); }, labels),
              (QStringList{"&Spara", "Avbryt", "Leta i:", "Fil&namn:", "Filtyp:"}));
    // Its column of file types names them in the default locale's language.
    EXPECT_EQ(QMimeDatabase().mimeTypeForName("text/plain").comment(), "vanligt textdokument");
}

TEST_P(SwedishTexts, ToolkitFileDialogsWriteSizesAndDatesInSwedishAndFitTheirColumns)
{
    const std::pair<QString, qint64> files[] = {{"ängel.gls", 604}, {"Åsa och Örjan.gls", 1536}, {"stor.gls", 2400000}};
    testing_support::TempFolder folder;
    for (const auto &[name, size] : files) {
        QFile file(folder.write(name, QByteArray(size, 'a')));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(13, 14, 59)), QFileDevice::FileModificationTime));
    }
    QStringList listed;
    bool fits = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        const QTreeView *view = dialog ? dialog->findChild<QTreeView *>("treeView") : nullptr;
        if (view && QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) == 3; })) {
            const QHeaderView *header = view->header();
            fits = header->sectionViewportPosition(3) + header->sectionSize(3) <= view->viewport()->width();
#ifdef Q_OS_WIN
            // The offscreen platform's fonts under Wine are wider than its 800-pixel screen has room
            // for; there the dialog must at least have grown to the screen's width.
            fits = fits || dialog->width() >= dialog->screen()->availableGeometry().width();
#endif
            for (int r = 0; r < 3; ++r) {
                QStringList texts;
                for (int column = 0; column < 4; ++column) {
                    texts << view->model()->index(r, column, view->rootIndex()).data().toString();
                    fits = fits && view->fontMetrics().horizontalAdvance(texts.constLast()) < header->sectionSize(column);
                }
                listed << texts.join(" | ");
            }
        }
        if (dialog)
            dialog->reject();
    });
    desktop.openFileDialog(nullptr, {"glosfil skall öppnas", "glosfil (*.gls)|*.gls", folder.file("ängel.gls"), false});
    listed.sort();
    EXPECT_EQ(listed.join('\n').toStdString(), "stor.gls | 2,29 MiB | vanligt textdokument | 2026-12-09 13:14\n"
                                                "Åsa och Örjan.gls | 1,50 KiB | vanligt textdokument | 2026-12-09 13:14\n"
                                                "ängel.gls | 604 byte | vanligt textdokument | 2026-12-09 13:14");
    EXPECT_TRUE(fits) << "every column as wide as its texts, and every column in view";
    // The pages' short date still follows the system's locale, the plain C one here (on Windows the
    // user's regional settings, whatever they are).
#ifdef Q_OS_WIN
    EXPECT_EQ(desktop.shortDate(QDate(2026, 12, 9)), QLocale::system().toString(QDate(2026, 12, 9), QLocale::ShortFormat));
#else
    EXPECT_EQ(desktop.shortDate(QDate(2026, 12, 9)), "9 Dec 2026");
#endif
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SwedishTexts, ::testing::Bool(), [](const auto &info) {
    return std::string(info.param ? "Installed" : "Missing");
});

}  // namespace
