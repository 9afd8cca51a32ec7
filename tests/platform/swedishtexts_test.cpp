// The toolkit's own texts read Swedish under the C locale, with the toolkit's Swedish catalogue and
// without it (a hand-made install): message box buttons, the text boxes' context menu and the
// labels of the toolkit's own file dialog.
#include "platform/qtdesktop.h"
#include "platform/swedishtexts.h"
#include "support/tempfolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `inspect` on the modal dialog the call opens, then closes the dialog.
void whileModal(const std::function<void()> &call, const std::function<void(QDialog &)> &inspect)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog != nullptr) {
            seen = true;
            inspect(*dialog);
            dialog->reject();
        }
    });
    call();
    EXPECT_TRUE(seen) << "no modal dialog came up";
}

QStringList buttonTexts(const QDialog &dialog)
{
    QStringList texts;
    for (const QDialogButtonBox *box : dialog.findChildren<QDialogButtonBox *>()) {
        for (const QAbstractButton *button : box->buttons())
            texts << button->text();
    }
    return texts;
}

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    delete menu;
    return texts;
}

QString labelText(const QDialog &dialog, const char *name)
{
    const auto *label = dialog.findChild<QLabel *>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("(no label %1)").arg(QLatin1String(name));
}

class SwedishTexts : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        auto &app = *qobject_cast<QApplication *>(QCoreApplication::instance());
        if (GetParam()) {
            ASSERT_TRUE(platform::installSwedishTexts(app)) << "qt_sv.qm is not in the toolkit's translations folder";
        } else {
            ASSERT_FALSE(platform::installSwedishTexts(app, emptyFolder.path()));
        }
    }

    testing_support::TempFolder emptyFolder;
};

TEST_P(SwedishTexts, StyleFortyNineQuestionHasOkAndAvbryt)
{
    platform::QtDesktop desktop;
    whileModal([&] { desktop.messageBox(nullptr, QStringLiteral("Vill du?"), QStringLiteral("T"), 49); },
               [](QDialog &box) { EXPECT_EQ(buttonTexts(box), (QStringList{"OK", "Avbryt"})); });
}

TEST_P(SwedishTexts, YesAndNoButtonsAreJaAndNej)
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::No)->text(), "&Nej");
}

TEST_P(SwedishTexts, TextBoxContextMenusAreSwedishWithTheirShortcuts)
{
    const QStringList expected{"&Ångra\tCtrl+Z", "&Gör om\tCtrl+Y", "Klipp &ut\tCtrl+X", "&Kopiera\tCtrl+C",
                               "Klistra &in\tCtrl+V", "Ta bort", "Markera allt\tCtrl+A"};
    QLineEdit line(QStringLiteral("ord"));
    EXPECT_EQ(menuTexts(line.createStandardContextMenu()), expected);
    QPlainTextEdit text(QStringLiteral("ord"));
    EXPECT_EQ(menuTexts(text.createStandardContextMenu()), expected);
}

TEST_P(SwedishTexts, ToolkitFileDialogsHaveSwedishLabels)
{
    platform::QtDesktop desktop;
    const platform::FileDialogOptions options{QStringLiteral("glosfil skall öppnas"),
                                              QStringLiteral("glosfil (*.gls)|*.gls"), QString(), true};
    const auto expectLabels = [](QDialog &dialog) {
        EXPECT_EQ(labelText(dialog, "lookInLabel"), "Leta i:");
        EXPECT_EQ(labelText(dialog, "fileNameLabel"), "Fil&namn:");
        EXPECT_EQ(labelText(dialog, "fileTypeLabel"), "Filtyp:");
    };
    whileModal([&] { desktop.openFileDialog(nullptr, options); },
               [&](QDialog &dialog) {
                   expectLabels(dialog);
                   EXPECT_EQ(buttonTexts(dialog), (QStringList{"&Öppna", "Avbryt"}));
               });
    whileModal([&] { desktop.saveFileDialog(nullptr, options); },
               [&](QDialog &dialog) {
                   expectLabels(dialog);
                   EXPECT_EQ(buttonTexts(dialog), (QStringList{"&Spara", "Avbryt"}));
               });
}

INSTANTIATE_TEST_SUITE_P(CatalogueOrNot, SwedishTexts, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return info.param ? std::string("WithCatalogue") : std::string("WithoutCatalogue");
                         });

}  // namespace
