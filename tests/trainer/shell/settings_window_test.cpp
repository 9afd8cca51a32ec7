// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/namedchild.h"
#include "trainer/shell/installningar.h"
#include "trainerfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>

namespace {

struct TipRow {
    const char *window;
    const char *control;
    QString text;
};

const TipRow kTips[] = {
    {"frmPlugo", "txtSprak1", QStringLiteral(u"Här skall du skriva in det rätta ordet.")},
    {"frmPlugo", "lblSprak2", QStringLiteral(u"Här är ordet som du skall översätta.")},
    {"frmPlugo", "cmdOpen", QStringLiteral(u"Öppnar en glosfil att öva på.")},
    {"frmPlugo", "cmdNasta", QStringLiteral(u"Visar nästa ord att öva på.")},
    {"frmPlugo", "cmdRatta", QStringLiteral(u"Programmet rättar.")},
    {"frmInst", "cmdOk", QStringLiteral(u"Sparar dina inställningar.")},
    {"frmInst", "cmdAvbryt", QStringLiteral(u"Stänger \"Inställningar\" utan att spara.")},
    {"frmInst", "fraTextstorlek", QStringLiteral(u"Välj textstorlek på orden när glosfilen visas som webbsida.")},
    {"frmInst", "fraFarg", QStringLiteral(u"Välj färg på bakgrund och text på webbsidan.")},
    {"frmInst", "cheFilnamn", QStringLiteral(u"Kryssa i om du vill slippa se hela sökvägen.")},
    {"frmInst", "cheTooltips", QStringLiteral(u"Kryssa för om du vill slippa sådana här verktygstips.")},
};

}  // namespace

class SettingsTest : public TrainerTest {
protected:
    void storeSettings(const shell::SettingsValues &values) { folder.write("plugo.slg", shell::settingsBytes(values)); }

    QDialog *openSettings()
    {
        action("mnuInst")->trigger();
        auto *dialog = qobject_cast<QDialog *>(findTopLevel("frmInst"));
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    static QWidget *findTopLevel(const char *name)
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        }
        return nullptr;
    }

    template <typename T>
    T *inDialog(QDialog *dialog, const QString &name)
    {
        return testing_support::namedChild<T>(dialog, name);
    }

    // Every tooltip of both windows, in table order; the dialog's only when it is open.
    QStringList tooltips(QDialog *dialog)
    {
        QStringList tips;
        for (const TipRow &row : kTips) {
            QWidget *owner = QLatin1String(row.window) == QLatin1String("frmPlugo") ? window.get()
                                                                                    : static_cast<QWidget *>(dialog);
            if (owner)
                tips << owner->findChild<QWidget *>(row.control)->toolTip();
        }
        return tips;
    }

    static QStringList allTips(bool withDialog)
    {
        QStringList tips;
        for (const TipRow &row : kTips) {
            if (withDialog || QLatin1String(row.window) == QLatin1String("frmPlugo"))
                tips << row.text;
        }
        return tips;
    }
};

TEST_F(SettingsTest, FirstStartCreatesAnEmptyFileAndShowsTooltips)
{
    start();
    EXPECT_TRUE(folder.exists("plugo.slg"));
    EXPECT_EQ(folder.read("plugo.slg"), QByteArray());
    EXPECT_EQ(tooltips(nullptr), allTips(false));
    EXPECT_EQ(module.farg, 0);
    EXPECT_EQ(module.barafilnamn, 0);
}

TEST_F(SettingsTest, DialogShowsTheStoredChoices)
{
    storeSettings({3, 3, 1, 0});
    start();
    EXPECT_EQ(tooltips(nullptr), QStringList(5, QString())) << "tooltips are off";
    QDialog *dialog = openSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral(u"PlugoPro 1.00 - Inställningar"));
    EXPECT_EQ(dialog->size(), QSize(337, 256));
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowIcon().availableSizes().size(), 4);
    EXPECT_FALSE(window->isEnabled()) << "the main window is disabled while the dialog is open";
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(inDialog<QRadioButton>(dialog, "optFarg_3")->isChecked());
    EXPECT_EQ(inDialog<QRadioButton>(dialog, "optFarg_3")->text(), QStringLiteral(u"Vit text, blå bakgrund"));
    EXPECT_TRUE(inDialog<QRadioButton>(dialog, "optTextstorlek_3")->isChecked());
    EXPECT_EQ(inDialog<QRadioButton>(dialog, "optTextstorlek_3")->text(), "+3");
    EXPECT_TRUE(inDialog<QCheckBox>(dialog, "cheTooltips")->isChecked());
    EXPECT_FALSE(inDialog<QCheckBox>(dialog, "cheFilnamn")->isChecked());
    EXPECT_EQ(inDialog<QCheckBox>(dialog, "cheFilnamn")->text(), QStringLiteral(u"Visa endast filnamn i \"Tdigare\""));
    EXPECT_EQ(inDialog<QGroupBox>(dialog, "fraFarg")->title(), QStringLiteral(u"Färger på websida"));
    EXPECT_EQ(inDialog<QGroupBox>(dialog, "fraTextstorlek")->title(), QStringLiteral(u"Textstorlek på websida"));
    EXPECT_EQ(tooltips(dialog), QStringList(11, QString()));
    QTest::mouseClick(inDialog<QPushButton>(dialog, "cmdAvbryt"), Qt::LeftButton);
}

TEST_F(SettingsTest, OkStoresTheChoicesAndAppliesThemAtOnce)
{
    folder.write("plugo.slg", QByteArray(16, '\0') + "tail");
    start();
    QDialog *dialog = openSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(tooltips(dialog), allTips(true));
    QTest::mouseClick(inDialog<QRadioButton>(dialog, "optFarg_2"), Qt::LeftButton);
    QTest::mouseClick(inDialog<QRadioButton>(dialog, "optTextstorlek_1"), Qt::LeftButton);
    QTest::mouseClick(inDialog<QCheckBox>(dialog, "cheTooltips"), Qt::LeftButton);
    QTest::mouseClick(inDialog<QCheckBox>(dialog, "cheFilnamn"), Qt::LeftButton);
    EXPECT_FALSE(inDialog<QRadioButton>(dialog, "optFarg_0")->isChecked()) << "one choice per frame";
    EXPECT_EQ(tooltips(dialog), allTips(true)) << "nothing changes before OK";
    QTest::mouseClick(inDialog<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(folder.read("plugo.slg"), shell::settingsBytes({2, 1, 1, 1}) + "tail");
    EXPECT_EQ(module.farg, 2);
    EXPECT_EQ(module.textstorlek, 1);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(findTopLevel("frmInst"), nullptr);
    EXPECT_EQ(tooltips(nullptr), QStringList(5, QString()));

    // Unchecking it brings them back, in both windows.
    dialog = openSettings();
    EXPECT_EQ(tooltips(dialog), QStringList(11, QString()));
    QTest::mouseClick(inDialog<QCheckBox>(dialog, "cheTooltips"), Qt::LeftButton);
    QTest::mouseClick(inDialog<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    EXPECT_EQ(tooltips(nullptr), allTips(false));
    EXPECT_EQ(folder.read("plugo.slg"), shell::settingsBytes({2, 1, 0, 1}) + "tail");
}

TEST_F(SettingsTest, CancelAndCloseChangeNothing)
{
    storeSettings({1, 2, 0, 0});
    start();
    for (int way = 0; way < 3; ++way) {
        QDialog *dialog = openSettings();
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(inDialog<QRadioButton>(dialog, "optFarg_3"), Qt::LeftButton);
        QTest::mouseClick(inDialog<QCheckBox>(dialog, "cheTooltips"), Qt::LeftButton);
        if (way == 0)
            QTest::mouseClick(inDialog<QPushButton>(dialog, "cmdAvbryt"), Qt::LeftButton);
        else if (way == 1)
            dialog->close();  // the title bar's close button
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(window->isEnabled());
        EXPECT_EQ(module.farg, 1);
        EXPECT_EQ(module.ingatips, 0);
        EXPECT_EQ(folder.read("plugo.slg"), shell::settingsBytes({1, 2, 0, 0}));
        EXPECT_EQ(tooltips(nullptr), allTips(false));
    }
    QDialog *dialog = openSettings();
    EXPECT_TRUE(inDialog<QRadioButton>(dialog, "optFarg_1")->isChecked()) << "the saved choice again";
    dialog->close();
}

TEST_F(SettingsTest, StoredIngatipsOfTwoMeansOff)
{
    storeSettings({0, 0, 2, 0});
    start();
    EXPECT_EQ(tooltips(nullptr), QStringList(5, QString()));
    QDialog *dialog = openSettings();
    EXPECT_EQ(tooltips(dialog), QStringList(11, QString()));
    EXPECT_EQ(inDialog<QCheckBox>(dialog, "cheTooltips")->checkState(), Qt::PartiallyChecked);
    QTest::mouseClick(inDialog<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    EXPECT_EQ(module.ingatips, 2) << "kept until the user changes the box";
    EXPECT_EQ(tooltips(nullptr), QStringList(5, QString()));
}

TEST_F(SettingsTest, ValuesOutsideTheChoicesShowNoSelectionAndAreKept)
{
    storeSettings({7, -1, 0, 5});
    start();
    QDialog *dialog = openSettings();
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(inDialog<QRadioButton>(dialog, QStringLiteral("optFarg_%1").arg(i))->isChecked());
        EXPECT_FALSE(inDialog<QRadioButton>(dialog, QStringLiteral("optTextstorlek_%1").arg(i))->isChecked());
    }
    QTest::mouseClick(inDialog<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    EXPECT_EQ(folder.read("plugo.slg"), shell::settingsBytes({7, -1, 0, 5}));

    dialog = openSettings();
    QTest::mouseClick(inDialog<QRadioButton>(dialog, "optTextstorlek_2"), Qt::LeftButton);
    QTest::mouseClick(inDialog<QCheckBox>(dialog, "cheFilnamn"), Qt::LeftButton);
    QTest::mouseClick(inDialog<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    EXPECT_EQ(folder.read("plugo.slg"), shell::settingsBytes({7, 2, 0, 1}));
}

TEST_F(SettingsTest, WhileOpenTheMainWindowTakesNoInput)
{
    start();
    open(vocabulary("sv.gls", "[Svenska-Engelska]\r\nhund\r\ndog$\r\n"));
    QDialog *dialog = openSettings();
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(text("lblSprak2"), "") << "no question was drawn";
    dialog->close();
    QApplication::processEvents();
    QTest::mouseClick(button("cmdNasta"), Qt::LeftButton);
    EXPECT_EQ(text("lblSprak2"), "dog");
}

TEST_F(SettingsTest, UnwritableSettingsFileStopsNothing)
{
    QDir(folder.path()).mkdir("plugo.slg");
    start();
    QDialog *dialog = openSettings();
    QTest::mouseClick(inDialog<QRadioButton>(dialog, "optFarg_1"), Qt::LeftButton);
    QTest::mouseClick(inDialog<QPushButton>(dialog, "cmdOk"), Qt::LeftButton);
    EXPECT_EQ(module.farg, 1) << "the choice holds for this run";
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0],
              QStringList({QStringLiteral(u"Inställningarna kunde inte sparas i \"plugo.slg\".\n"
                                          u"De gäller tills du avslutar programmet."),
                           "Kunde inte spara", "48"}));
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(SettingsTest, ClosingTheMainWindowClosesTheDialog)
{
    start();
    openSettings();
    window->close();
    QApplication::processEvents();
    EXPECT_EQ(findTopLevel("frmInst"), nullptr);
}

// What the user sees when the pointer rests on a control: its own tooltip, or none at all.
static QString hover(QWidget *control)
{
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        if (shown->inherits("QTipLabel"))
            delete shown;  // the previous tooltip, at once
    }
    QHelpEvent help(QEvent::ToolTip, QPoint(3, 3), control->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(control, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(SettingsTest, ControlsWithoutATooltipShowNoneOfTheirParents)
{
    start();
    QDialog *dialog = openSettings();
    ASSERT_NE(dialog, nullptr);
    const struct {
        QWidget *owner;
        const char *control;
        QString shown;
    } rows[] = {
        {dialog, "fraFarg", QStringLiteral(u"Välj färg på bakgrund och text på webbsidan.")},
        {dialog, "optFarg_0", QString()},
        {dialog, "optTextstorlek_2", QString()},
        {dialog, "cmdOk", QStringLiteral(u"Sparar dina inställningar.")},
        {window.get(), "cmdOpen", QStringLiteral(u"Öppnar en glosfil att öva på.")},
        {window.get(), "lblGjorda", QString()},
    };
    for (const auto &row : rows)
        EXPECT_EQ(hover(row.owner->findChild<QWidget *>(row.control)), row.shown) << row.control;
    dialog->close();
}
