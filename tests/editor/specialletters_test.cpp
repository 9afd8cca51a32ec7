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

namespace {

QString lettersOf(const QList<SpecialLetter> &letters)
{
    QString text;
    for (const SpecialLetter &letter : letters)
        text += letter.letter;
    return text;
}

}  // namespace

TEST(SpecialLetters, EachLanguageHasTheLettersASwedishKeyboardLacks)
{
    const std::pair<QString, QString> rows[] = {
        {"fr_FR", "éèêëàâîïôûùüÿçœæÉÈÊËÀÂÎÏÔÛÙÜŸÇŒÆ"},
        {"es_ES", "áéíóúñü¿¡ÁÉÍÓÚÑÜ"},
        {"de_DE", "üßÜ"},
        {"en_US", ""},
        {"en_GB", ""},
        {"sv_SE", ""},
        {"", ""},
        {"xx_YY", ""},
    };
    for (const auto &[dictionary, expected] : rows) {
        const QList<SpecialLetter> letters = spelling::specialLetters(dictionary);
        EXPECT_EQ(lettersOf(letters), expected) << dictionary.toStdString();
        for (const SpecialLetter &letter : letters) {
            for (const auto kind : {vocabulary::FieldKind::Word, vocabulary::FieldKind::Meaning})
                EXPECT_FALSE(vocabulary::firstRefused(QString(letter.letter), kind)) << QString(letter.letter).toStdString();
            EXPECT_EQ(spelling::combinedLetter(letter.mark, letter.base), letter.letter)
                << "its keys type it: " << QString(letter.letter).toStdString();
        }
    }
}

TEST(SpecialLetters, KeysAsTheButtonsNameThem)
{
    const std::pair<QChar, QString> rows[] = {
        {u'é', "Ctrl+' e"}, {u'É', "Ctrl+' E"}, {u'á', "Ctrl+' a"},   {u'è', "Ctrl+` e"},   {u'ù', "Ctrl+` u"},
        {u'ê', "Ctrl+^ e"}, {u'Î', "Ctrl+^ I"}, {u'ë', "Ctrl+: e"},   {u'ÿ', "Ctrl+: y"},   {u'Ÿ', "Ctrl+: Y"},
        {u'ç', "Ctrl+, c"}, {u'Ç', "Ctrl+, C"}, {u'ñ', "Ctrl+~ n"},   {u'Ñ', "Ctrl+~ N"},   {u'æ', "Ctrl+& a"},
        {u'Œ', "Ctrl+& O"}, {u'ß', "Ctrl+& s"}, {u'¿', "Ctrl+Alt+?"}, {u'¡', "Ctrl+Alt+!"},
    };
    QList<SpecialLetter> all;
    for (const char *dictionary : {"fr_FR", "es_ES", "de_DE"})
        all += spelling::specialLetters(QString::fromLatin1(dictionary));
    for (const auto &[letter, keys] : rows) {
        const auto found = std::find_if(all.begin(), all.end(), [&](const SpecialLetter &l) { return l.letter == letter; });
        ASSERT_NE(found, all.end()) << QString(letter).toStdString();
        EXPECT_EQ(spelling::keysText(*found), keys);
    }
}

TEST(SpecialLetters, KeysQtReportsForAMark)
{
    struct Row {
        int key;
        QString text;
        bool alt;
        QChar mark;  // null: no mark
    };
    const Row rows[] = {
        {Qt::Key_Apostrophe, "'", false, u'\''},
        {Qt::Key_Dead_Acute, "", false, u'\''},      // the Swedish ´ key
        {Qt::Key_QuoteLeft, "`", false, u'`'},
        {Qt::Key_Dead_Grave, "", false, u'`'},       // Shift+´
        {Qt::Key_AsciiCircum, "^", false, u'^'},
        {Qt::Key_Dead_Circumflex, "", false, u'^'},  // Shift+¨
        {Qt::Key_Colon, ":", false, u':'},           // Shift+.
        {Qt::Key_Dead_Diaeresis, "", false, u':'},   // the Swedish ¨ key
        {Qt::Key_Comma, ",", false, u','},
        {Qt::Key_Dead_Tilde, "", false, u'~'},
        {Qt::Key_Ampersand, "&", false, u'&'},       // Shift+6
        {Qt::Key_Question, "?", true, u'?'},
        {Qt::Key_Exclam, "!", true, u'!'},
        {Qt::Key_unknown, "'", false, u'\''},        // known by its text alone
        {Qt::Key_Apostrophe, "'", true, QChar()},    // Ctrl+Alt is AltGr on Windows
        {Qt::Key_Dead_Tilde, "", true, QChar()},
        {Qt::Key_E, "e", false, QChar()},
        {Qt::Key_1, "1", false, QChar()},
    };
    for (const Row &row : rows)
        EXPECT_EQ(spelling::markOfKey(row.key, row.text, row.alt), row.mark) << row.key << " " << row.text.toStdString();

    const std::tuple<QChar, QChar, QChar> combined[] = {
        {u',', u'c', u'ç'}, {u',', u'e', QChar()}, {u'&', u'S', QChar()}, {u'`', u'o', QChar()}, {u'?', QChar(), u'¿'},
        {u'\'', QChar(), QChar()},
    };
    for (const auto &[mark, base, letter] : combined)
        EXPECT_EQ(spelling::combinedLetter(mark, base), letter) << QString(mark).toStdString() << QString(base).toStdString();
}

namespace {

const QString kFrench = "éèêëàâîïôûùüÿçœæÉÈÊËÀÂÎÏÔÛÙÜŸÇŒÆ";

class SpecialLetterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<editor::MainWindow>(desktop);
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        window->undoStack().setClean();
        window.reset();
    }

    editor::VocabularyModel &model() { return window->model(); }
    editor::SpecialLetterBar *bar() { return namedChild<editor::SpecialLetterBar>(window.get(), "barSpecialtecken"); }
    QToolButton *button(int n) { return window->findChild<QToolButton *>(QStringLiteral("cmdTecken_%1").arg(n)); }
    QString label() { return namedChild<QLabel>(window.get(), "lblSpecialtecken")->text(); }

    // The letters of the bar's buttons, in order.
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

    // The table, with the focus, at the cell.
    void goTo(int row, int column)
    {
        window->table().selectionModel()->setCurrentIndex(model().index(row, column), QItemSelectionModel::ClearAndSelect);
        window->table().setFocus();
    }

    // The editor of the cell being typed in; null when none is open.
    QLineEdit *openCell()
    {
        return qobject_cast<QLineEdit *>(window->table().indexWidget(window->table().currentIndex()));
    }

    static void key(Qt::Key code, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::sendKeyEvent(QTest::KeyAction::Click, target, code, text, modifiers);
    }

    testing_support::ScriptedDesktop desktop;
    std::unique_ptr<editor::MainWindow> window;
};

}  // namespace

TEST_F(SpecialLetterTest, AClickTypesAtTheCursorOfTheCellBeingTypedIn)
{
    languages("Franska", "Svenska");
    goTo(0, 0);
    for (const char *letter : {"g", "a", "r", "c", "o", "n"})
        key(Qt::Key_unknown, letter);
    // The plain c goes; the cursor stays mid-text, after "gar".
    for (int i = 0; i < 2; ++i)
        key(Qt::Key_Left, "");
    key(Qt::Key_Backspace, "");
    QToolButton *cedilla = button(13);
    ASSERT_NE(cedilla, nullptr);
    EXPECT_EQ(cedilla->text(), "ç");
    EXPECT_EQ(cedilla->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(cedilla, Qt::LeftButton);
    QLineEdit *cell = openCell();
    ASSERT_NE(cell, nullptr) << "the cell is still open";
    EXPECT_EQ(cell->text(), "garçon");
    EXPECT_EQ(cell->cursorPosition(), 4);
    EXPECT_EQ(QApplication::focusWidget(), cell) << "the cell keeps the focus";
    key(Qt::Key_Return, "\r");
    EXPECT_EQ(model().cellText(0, 0), "garçon");
}

TEST_F(SpecialLetterTest, AClickOpensTheCurrentCellAndTypesAfterItsText)
{
    languages("Svenska", "Franska");
    model().setCell(0, 1, "caf");
    goTo(0, 1);
    ASSERT_EQ(openCell(), nullptr);
    ASSERT_NE(button(0), nullptr);
    EXPECT_EQ(button(0)->text(), "é");
    QTest::mouseClick(button(0), Qt::LeftButton);
    QLineEdit *cell = openCell();
    ASSERT_NE(cell, nullptr) << "the click opened the cell";
    EXPECT_EQ(cell->text(), "café");
    EXPECT_EQ(cell->cursorPosition(), 4);
    EXPECT_EQ(QApplication::focusWidget(), cell);
    key(Qt::Key_unknown, "s");
    key(Qt::Key_Return, "\r");
    EXPECT_EQ(model().cellText(0, 1), "cafés");
}

TEST_F(SpecialLetterTest, KeysTypeTheLetterInAnOpenCellAndInTheTable)
{
    struct Row {
        Qt::Key mark;
        QString markText;
        Qt::KeyboardModifiers modifiers;
        QString after;   // typed after the mark; empty for a mark that types alone
        QString typed;   // what the two typed
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ControlModifier | Qt::ShiftModifier;
    const Row rows[] = {
        {Qt::Key_Apostrophe, "'", ctrl, "e", "é"},
        {Qt::Key_Apostrophe, "'", ctrl, "E", "É"},
        {Qt::Key_Dead_Acute, "", ctrl, "u", "ú"},
        {Qt::Key_Dead_Grave, "", shift, "a", "à"},
        {Qt::Key_Dead_Circumflex, "", shift, "o", "ô"},
        {Qt::Key_Colon, ":", shift, "i", "ï"},
        {Qt::Key_Dead_Diaeresis, "", ctrl, "U", "Ü"},
        {Qt::Key_Comma, ",", ctrl, "c", "ç"},
        {Qt::Key_Dead_Tilde, "", ctrl, "n", "ñ"},
        {Qt::Key_Ampersand, "&", shift, "o", "œ"},
        {Qt::Key_Ampersand, "&", shift, "s", "ß"},
        {Qt::Key_Question, "?", shift | Qt::AltModifier, "", "¿"},
        {Qt::Key_Exclam, "!", shift | Qt::AltModifier, "", "¡"},
        {Qt::Key_Apostrophe, "'", ctrl, "x", "x"},  // no such letter: the key types as always
    };
    model().pasteCells(0, 0, {{"x"}, {"old"}});
    for (const Row &row : rows) {
        const std::string what = row.typed.toStdString();
        // In a cell opened with F2, after its text.
        goTo(0, 0);
        key(Qt::Key_F2, "");
        ASSERT_NE(openCell(), nullptr) << what;
        key(row.mark, row.markText, row.modifiers);
        if (!row.after.isEmpty())
            key(Qt::Key_unknown, row.after, row.after.front().isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_NE(openCell(), nullptr) << what;
        EXPECT_EQ(openCell()->text(), "x" + row.typed) << what;
        key(Qt::Key_Escape, "");

        // In the table, where it starts the cell over as any typed letter does.
        goTo(1, 0);
        ASSERT_EQ(openCell(), nullptr) << what;
        key(row.mark, row.markText, row.modifiers);
        if (!row.after.isEmpty())
            key(Qt::Key_unknown, row.after, row.after.front().isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
        ASSERT_NE(openCell(), nullptr) << what;
        EXPECT_EQ(openCell()->text(), row.typed) << what;
        window->table().finishEditing();
        EXPECT_EQ(model().cellText(1, 0), row.typed) << what;
        model().setCell(1, 0, "old");
    }
}

TEST_F(SpecialLetterTest, TheBarShowsTheLettersOfTheCurrentColumnsLanguage)
{
    struct Row {
        QString sprak1, sprak2;
        int column;
        QString label;
        QString letters;
    };
    const Row rows[] = {
        {"Svenska", "Franska", 0, "Inga specialtecken för svenska", ""},
        {"Svenska", "Franska", 2, "Franska tecken:", kFrench},
        {"Spanska", "Svenska", 0, "Spanska tecken:", "áéíóúñü¿¡ÁÉÍÓÚÑÜ"},
        {"Spanska", "Tyska", 4, "Tyska tecken:", "üßÜ"},
        {"Engelska", "Svenska", 0, "Inga specialtecken för engelska", ""},
        {"Latin", "Svenska", 0, "Inga specialtecken: okänt språk", ""},
        {"", "", 1, "Inga specialtecken: okänt språk", ""},
    };
    for (const Row &row : rows) {
        languages(row.sprak1, row.sprak2);
        goTo(0, row.column);
        EXPECT_EQ(label(), row.label) << row.label.toStdString();
        EXPECT_EQ(buttonLetters(), row.letters) << row.label.toStdString();
    }
    // Typing a language name changes the letters at once.
    languages("Svenska", "Franska");
    goTo(0, 1);
    QLineEdit *name = namedChild<QLineEdit>(window.get(), "txtSprak2");
    name->setFocus();
    name->selectAll();
    for (const QChar ch : QStringLiteral("Tyska"))
        key(Qt::Key_unknown, QString(ch));
    EXPECT_EQ(label(), "Tyska tecken:");
    EXPECT_EQ(buttonLetters(), "üßÜ");
    EXPECT_EQ(button(0)->toolTip(), "ü (Ctrl+: u)");
    EXPECT_EQ(button(1)->toolTip(), "ß (Ctrl+& s)");

    // A window may choose the language by hand.
    bar()->setDictionaryForColumn([](int column) { return column == 0 ? QStringLiteral("es_ES") : QStringLiteral("fr_FR"); });
    bar()->refresh();
    EXPECT_EQ(buttonLetters(), kFrench);
    EXPECT_EQ(button(0)->toolTip(), "é (Ctrl+' e)");
    goTo(0, 0);
    EXPECT_EQ(label(), "Spanska tecken:");
}

TEST_F(SpecialLetterTest, TheCapitalsGoUnderTheSmallLettersAndTheTableStaysPut)
{
    window->resize(760, 520);
    languages("Svenska", "Franska");
    goTo(0, 1);
    const auto settle = [this] {
        QCoreApplication::sendPostedEvents();
        window->centralWidget()->layout()->activate();
    };
    settle();
    EXPECT_EQ(window->width(), 760) << "32 letters do not widen the window";
    ASSERT_TRUE(button(0) && button(16));
    EXPECT_EQ(button(16)->text(), "É");
    EXPECT_EQ(button(16)->x(), button(0)->x()) << "É under é";
    EXPECT_EQ(button(16)->y(), button(0)->geometry().bottom() + 1);
    EXPECT_EQ(button(31)->x(), button(15)->x()) << "Æ under æ";
    EXPECT_GT(button(0)->x(), namedChild<QLabel>(window.get(), "lblSpecialtecken")->geometry().right());
    const int tableTop = window->table().y();
    goTo(0, 0);
    settle();
    EXPECT_EQ(label(), "Inga specialtecken för svenska");
    EXPECT_EQ(window->table().y(), tableTop) << "the table does not jump between the columns";
}

TEST_F(SpecialLetterTest, TheViewMenuShowsTheBarForALanguageWithLettersUntilTheUserChooses)
{
    QAction *shown = namedChild<QAction>(window.get(), "mnuSpecialtecken");
    QMenu *menu = namedChild<QMenu>(window.get(), "mnuVisa");
    ASSERT_TRUE(shown && menu);
    const QList<QAction *> menus = window->menuBar()->actions();
    const auto visa = menus.indexOf(menu->menuAction());
    ASSERT_GT(visa, 0);
    EXPECT_EQ(menus.value(visa + 1)->text(), "&Hjälp") << "Visa comes right before Hjälp";
    EXPECT_EQ(menu->title(), "&Visa");
    EXPECT_EQ(shown->text(), "Specialtecken");
    EXPECT_TRUE(shown->isCheckable());

    struct Row {
        QString sprak1, sprak2;
        bool byHand;  // the user chooses from the menu
        bool visible;
    };
    const Row rows[] = {
        {"", "", false, false},
        {"Svenska", "Franska", false, true},
        {"Engelska", "Svenska", false, false},
        {"Tyska", "Svenska", false, true},
        {"Svenska", "Svenska", false, false},
        {"Svenska", "Svenska", true, true},
        {"Svenska", "Engelska", false, true},  // the user's choice stands
        {"Franska", "Svenska", true, false},
        {"Spanska", "Franska", false, false},
    };
    for (const Row &row : rows) {
        const std::string what = (row.sprak1 + "-" + row.sprak2).toStdString();
        languages(row.sprak1, row.sprak2);
        if (row.byHand)
            shown->trigger();
        EXPECT_EQ(shown->isChecked(), row.visible) << what;
        EXPECT_EQ(bar()->isVisible(), row.visible) << what;
    }
}
