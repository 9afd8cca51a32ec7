// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/glostable.h"
#include "editor/mainwindow.h"
#include "editor/specialletterbar.h"
#include "editor/spelling/specialletters.h"
#include "editor/vocabularymodel.h"
#include "support/namedchild.h"
#include "support/scripteddesktop.h"
#include "vocabfile/rules.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using spelling::SpecialLetter;
using testing_support::namedChild;

TEST(SpecialLetters, EachLanguageHasTheLettersASwedishKeyboardLacks)
{
    const std::pair<QString, QString> rows[] = {
        {"fr_FR", "éèêëàâîïôûùüÿçœæÉÈÊËÀÂÎÏÔÛÙÜŸÇŒÆ"}, {"es_ES", "áéíóúñü¿¡ÁÉÍÓÚÑÜ"}, {"de_DE", "üßÜ"},
        {"en_US", ""}, {"en_GB", ""}, {"sv_SE", ""}, {"", ""}, {"xx_YY", ""},
    };
    QHash<QChar, QString> keys;
    for (const auto &[dictionary, expected] : rows) {
        QString letters;
        for (const SpecialLetter &letter : spelling::specialLetters(dictionary)) {
            letters += letter.letter;
            keys.insert(letter.letter, spelling::keysText(letter));
            for (const auto kind : {vocabulary::FieldKind::Word, vocabulary::FieldKind::Meaning})
                EXPECT_FALSE(vocabulary::firstRefused(QString(letter.letter), kind)) << QString(letter.letter).toStdString();
            EXPECT_EQ(spelling::combinedLetter(letter.mark, letter.base), letter.letter) << "its keys type it";
        }
        EXPECT_EQ(letters, expected) << dictionary.toStdString();
    }
    const std::pair<QChar, QString> named[] = {
        {u'é', "Ctrl+' e"}, {u'É', "Ctrl+' E"}, {u'ù', "Ctrl+` u"}, {u'Î', "Ctrl+^ I"}, {u'Ÿ', "Ctrl+: Y"},
        {u'ç', "Ctrl+, c"}, {u'Ñ', "Ctrl+~ N"}, {u'Œ', "Ctrl+& O"}, {u'ß', "Ctrl+& s"}, {u'¡', "Ctrl+Alt+!"},
    };
    for (const auto &[letter, text] : named)
        EXPECT_EQ(keys.value(letter), text);
}

TEST(SpecialLetters, KeysThatAreNoMarkAndMarksWithoutSuchALetter)
{
    const std::tuple<int, QString, bool, QChar> keys[] = {
        {Qt::Key_unknown, "'", false, u'\''},      // known by its text alone
        {Qt::Key_Apostrophe, "'", true, QChar()},  // Ctrl+Alt is AltGr on Windows
        {Qt::Key_Dead_Tilde, "", true, QChar()},
        {Qt::Key_E, "e", false, QChar()},
    };
    for (const auto &[key, text, alt, mark] : keys)
        EXPECT_EQ(spelling::markOfKey(key, text, alt), mark) << key;
    const std::tuple<QChar, QChar, QChar> combined[] = {
        {u',', u'e', QChar()}, {u'&', u'S', QChar()}, {u'`', u'o', QChar()}, {u'\'', QChar(), QChar()},
    };
    for (const auto &[mark, base, letter] : combined)
        EXPECT_EQ(spelling::combinedLetter(mark, base), letter) << QString(mark).toStdString();
}

namespace {

class SpecialLetterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<editor::MainWindow>(desktop);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        window->undoStack().setClean();
        window.reset();
    }

    editor::VocabularyModel &model() { return window->model(); }
    QToolButton *button(int n) { return window->findChild<QToolButton *>(QStringLiteral("cmdTecken_%1").arg(n)); }
    QString label() { return namedChild<QLabel>(window.get(), "lblSpecialtecken")->text(); }
    QLineEdit *openCell() { return qobject_cast<QLineEdit *>(window->table().indexWidget(window->table().currentIndex())); }

    QString buttonLetters()
    {
        QString letters;
        for (int n = 0; QToolButton *b = button(n); ++n)
            letters += b->text();
        return letters;
    }

    void languages(const QString &first, const QString &second)
    {
        model().setLanguageName(0, first);
        model().setLanguageName(1, second);
    }

    void goTo(int row, int column)
    {
        window->table().selectionModel()->setCurrentIndex(model().index(row, column), QItemSelectionModel::ClearAndSelect);
        window->table().setFocus();
    }

    // A key as the user types it, where the focus is.
    static void key(Qt::Key code, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::sendKeyEvent(QTest::KeyAction::Click, QApplication::focusWidget(), code, text, modifiers);
    }

    testing_support::ScriptedDesktop desktop;
    std::unique_ptr<editor::MainWindow> window;
};

}  // namespace

TEST_F(SpecialLetterTest, AClickTypesTheLetterAtTheCursorOrAfterTheTextOfTheCell)
{
    languages("Franska", "Franska");
    model().setCell(0, 1, "caf");
    goTo(0, 0);
    for (const QChar ch : QStringLiteral("garcon"))
        key(Qt::Key_unknown, QString(ch));
    key(Qt::Key_Left, "");
    key(Qt::Key_Left, "");
    key(Qt::Key_Backspace, "");  // the c goes; the cursor stays after "gar"
    ASSERT_NE(button(13), nullptr);
    EXPECT_EQ(button(13)->text(), "ç");
    EXPECT_EQ(button(13)->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(button(13), Qt::LeftButton);
    ASSERT_NE(openCell(), nullptr) << "the cell stays open";
    EXPECT_EQ(openCell()->text(), "garçon") << "at the cursor, mid-text";
    EXPECT_EQ(openCell()->cursorPosition(), 4);
    EXPECT_EQ(QApplication::focusWidget(), openCell()) << "the cell keeps the focus";
    key(Qt::Key_Return, "\r");
    EXPECT_EQ(model().cellText(0, 0), "garçon");

    goTo(0, 1);
    ASSERT_EQ(openCell(), nullptr);
    QTest::mouseClick(button(0), Qt::LeftButton);
    ASSERT_NE(openCell(), nullptr) << "the click opened the cell";
    EXPECT_EQ(openCell()->text(), "café");
    EXPECT_EQ(QApplication::focusWidget(), openCell());
    key(Qt::Key_unknown, "s");
    key(Qt::Key_Return, "\r");
    EXPECT_EQ(model().cellText(0, 1), "cafés");
}

TEST_F(SpecialLetterTest, KeysTypeTheLetterInAnOpenCellAndInTheTable)
{
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ControlModifier | Qt::ShiftModifier;
    // The mark as Qt reports it on a Swedish keyboard, the letter after it, and what the two type.
    const std::tuple<Qt::Key, QString, Qt::KeyboardModifiers, QString, QString> rows[] = {
        {Qt::Key_Apostrophe, "'", ctrl, "e", "é"},       {Qt::Key_Apostrophe, "'", ctrl, "E", "É"},
        {Qt::Key_Dead_Acute, "", ctrl, "u", "ú"},        {Qt::Key_Dead_Grave, "", shift, "a", "à"},
        {Qt::Key_Dead_Circumflex, "", shift, "o", "ô"},  {Qt::Key_Colon, ":", shift, "i", "ï"},
        {Qt::Key_Dead_Diaeresis, "", ctrl, "U", "Ü"},    {Qt::Key_Comma, ",", ctrl, "c", "ç"},
        {Qt::Key_Dead_Tilde, "", ctrl, "n", "ñ"},        {Qt::Key_Ampersand, "&", shift, "o", "œ"},
        {Qt::Key_Question, "?", shift | Qt::AltModifier, "", "¿"},
        {Qt::Key_Apostrophe, "'", ctrl, "x", "x"},  // no such letter: the key types as always
    };
    model().pasteCells(0, 0, {{"x"}, {"old"}});
    const auto typeKeys = [](const auto &row) {
        const auto &[mark, markText, modifiers, after, typed] = row;
        key(mark, markText, modifiers);
        if (!after.isEmpty())
            key(Qt::Key_unknown, after, after.front().isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    };
    for (const auto &row : rows) {
        const QString typed = std::get<4>(row);
        goTo(0, 0);
        key(Qt::Key_F2, "");
        typeKeys(row);
        ASSERT_NE(openCell(), nullptr) << typed.toStdString();
        EXPECT_EQ(openCell()->text(), "x" + typed) << "after the text of a cell opened with F2";
        key(Qt::Key_Escape, "");

        goTo(1, 0);
        typeKeys(row);
        ASSERT_NE(openCell(), nullptr) << typed.toStdString();
        EXPECT_EQ(openCell()->text(), typed) << "in the table it starts the cell over, as typing does";
        window->table().finishEditing();
        EXPECT_EQ(model().cellText(1, 0), typed);
    }
}

TEST_F(SpecialLetterTest, TheBarShowsTheLettersOfTheCurrentColumnsLanguage)
{
    const std::tuple<QString, QString, int, QString, QString> rows[] = {
        {"Svenska", "Franska", 0, "Inga specialtecken för svenska", ""},
        {"Svenska", "Franska", 2, "Franska tecken:", "éèêëàâîïôûùüÿçœæÉÈÊËÀÂÎÏÔÛÙÜŸÇŒÆ"},
        {"Spanska", "Tyska", 0, "Spanska tecken:", "áéíóúñü¿¡ÁÉÍÓÚÑÜ"},
        {"Spanska", "Tyska", 4, "Tyska tecken:", "üßÜ"},
        {"Engelska", "Tyska", 0, "Inga specialtecken för engelska", ""},
        {"Latin", "", 0, "Inga specialtecken: okänt språk", ""},
    };
    for (const auto &[sprak1, sprak2, column, text, letters] : rows) {
        languages(sprak1, sprak2);
        goTo(0, column);
        EXPECT_EQ(label(), text);
        EXPECT_EQ(buttonLetters(), letters) << text.toStdString();
    }
    EXPECT_EQ(button(1), nullptr);
    // A name typed in its field changes the letters at once.
    goTo(0, 1);
    auto *name = namedChild<QLineEdit>(window.get(), "txtSprak2");
    name->setFocus();
    for (const QChar ch : QStringLiteral("Franska"))
        key(Qt::Key_unknown, QString(ch));
    EXPECT_EQ(label(), "Franska tecken:");
    EXPECT_EQ(button(0)->toolTip(), "é (Ctrl+' e)");
    // The window may choose the languages by hand.
    auto *bar = namedChild<editor::SpecialLetterBar>(window.get(), "barSpecialtecken");
    bar->setDictionaryForColumn([](int column) { return column == 0 ? QStringLiteral("de_DE") : QString(); });
    bar->refresh();
    EXPECT_EQ(label(), "Inga specialtecken: okänt språk");
    goTo(0, 0);
    EXPECT_EQ(buttonLetters(), "üßÜ");
}

TEST_F(SpecialLetterTest, TheCapitalsGoUnderTheSmallLettersAndTheTableStaysPut)
{
    window->resize(760, 520);
    languages("Svenska", "Franska");
    goTo(0, 1);
    const auto laidOut = [this] {
        QCoreApplication::sendPostedEvents();
        window->centralWidget()->layout()->activate();
    };
    laidOut();
    EXPECT_EQ(window->width(), 760) << "32 letters do not widen the window";
    EXPECT_EQ(button(16)->text(), "É");
    EXPECT_EQ(button(16)->pos(), button(0)->geometry().bottomLeft() + QPoint(0, 1)) << "É under é";
    EXPECT_EQ(button(31)->x(), button(15)->x()) << "Æ under æ";
    const int tableTop = window->table().y();
    goTo(0, 0);
    laidOut();
    EXPECT_EQ(window->table().y(), tableTop) << "the table does not jump between the columns";
}

TEST_F(SpecialLetterTest, VisaShowsTheBarForALanguageWithLettersUntilTheUserChooses)
{
    auto *shown = namedChild<QAction>(window.get(), "mnuSpecialtecken");
    auto *menu = namedChild<QMenu>(window.get(), "mnuVisa");
    const QList<QAction *> menus = window->menuBar()->actions();
    ASSERT_TRUE(shown && menu && menus.contains(menu->menuAction()));
    EXPECT_EQ(menus.value(menus.indexOf(menu->menuAction()) + 1)->text(), "&Hjälp");
    EXPECT_EQ(menu->title(), "&Visa");
    EXPECT_EQ(shown->text(), "Specialtecken");
    auto *bar = namedChild<editor::SpecialLetterBar>(window.get(), "barSpecialtecken");
    // The names, whether the user chooses from the menu then, and whether the bar shows.
    const std::tuple<QString, QString, bool, bool> rows[] = {
        {"", "", false, false},           {"Svenska", "Franska", false, true}, {"Engelska", "Svenska", false, false},
        {"Tyska", "Svenska", false, true}, {"Svenska", "Svenska", false, false}, {"Svenska", "Svenska", true, true},
        {"Svenska", "Engelska", false, true},  // the user's choice stands
        {"Franska", "Svenska", true, false},   {"Spanska", "Franska", false, false},
    };
    for (const auto &[sprak1, sprak2, byHand, visible] : rows) {
        languages(sprak1, sprak2);
        if (byHand)
            shown->trigger();
        EXPECT_EQ(shown->isChecked(), visible) << (sprak1 + "-" + sprak2).toStdString();
        EXPECT_EQ(bar->isVisible(), visible) << (sprak1 + "-" + sprak2).toStdString();
    }
}
