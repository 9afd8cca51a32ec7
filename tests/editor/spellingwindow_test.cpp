// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/glostable.h"
#include "editor/mainwindow.h"
#include "editor/spellcheck.h"
#include "editor/vocabularymodel.h"
#include "scripteddialogs.h"
#include "support/namedchild.h"
#include "support/scripteddesktop.h"
#include "support/tempfolder.h"
#include "editor/spelling/dictionaries.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using testing_support::namedChild;

namespace {

class SpellingWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The program folder is the tests' own, where the Windows build keeps the dictionaries it ships.
        desktop.folder = QCoreApplication::applicationDirPath();
        desktop.userFolder = user.path();
        if (!spelling::findDictionary(spelling::dictionaryFolders(desktop.folder), QStringLiteral("en_US")))
            GTEST_SKIP() << "no English dictionary beside the tests or on the system";
        start();
    }
    void TearDown() override
    {
        if (window)
            window->undoStack().setClean();
    }
    // A window, as the editor is started: again after a "restart".
    void start()
    {
        window = std::make_unique<editor::MainWindow>(desktop);
        window->setDialogs(dialogs);
        window->resize(900, 400);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    editor::VocabularyModel &model() { return window->model(); }
    QAction *action(const char *name) const { return namedChild<QAction>(window.get(), name); }
    void select(int row, int column)
    {
        window->table().setFocus();
        window->table().selectionModel()->setCurrentIndex(model().index(row, column), QItemSelectionModel::ClearAndSelect);
    }

    // The columns of the widget's picture that have a red pixel, within the rectangle.
    static QList<int> redColumns(QWidget *widget, const QRect &within)
    {
        const QImage image = widget->grab().toImage();
        const qreal scale = image.width() / qreal(widget->width());
        QList<int> columns;
        for (int x = within.left(); x <= within.right(); ++x) {
            for (int y = within.top(); y <= within.bottom(); ++y) {
                const QColor c = image.pixelColor(int(x * scale), int(y * scale));
                if (c.red() > 150 && c.green() < 110 && c.blue() < 110) {
                    columns.append(x);
                    break;
                }
            }
        }
        return columns;
    }

    testing_support::TempFolder user;
    testing_support::ScriptedDesktop desktop;
    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<editor::MainWindow> window;
};

TEST_F(SpellingWindowTest, AMisspeltWordIsUnderlinedWhereItIsInTheTableAndWhileTyped)
{
    model().importRows("Svenska", "Engelska", {{"få", "I recieve it"}, {"ge", "give"}}, false);
    QWidget *viewport = window->table().viewport();
    const QRect cell = window->table().visualRect(model().index(0, 1));
    const QFontMetrics metrics(window->table().font());
    const QList<int> red = redColumns(viewport, cell);
    ASSERT_FALSE(red.isEmpty());
    // Under "recieve", which begins after "I " and is as wide as itself; a few pixels for the margin.
    const int left = cell.left() + metrics.horizontalAdvance("I ");
    EXPECT_GE(red.first(), left) << red.first();
    EXPECT_LE(red.first(), left + 8) << red.first();
    EXPECT_NEAR(red.last() - red.first(), metrics.horizontalAdvance("recieve"), 4);
    EXPECT_TRUE(redColumns(viewport, window->table().visualRect(model().index(1, 1))).isEmpty()) << "give is right";
    EXPECT_TRUE(redColumns(viewport, window->table().visualRect(model().index(0, 0))).isEmpty()) << "få is Swedish";

    // Typed in a cell: marked while typing, and no longer once it is right.
    select(1, 1);
    QTest::keyClick(&window->table(), Qt::Key_F2);
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, " recieve");
    EXPECT_FALSE(redColumns(edit, edit->rect()).isEmpty());
    edit->setText("give receive");
    EXPECT_TRUE(redColumns(edit, edit->rect()).isEmpty());
}

TEST_F(SpellingWindowTest, TheKeyboardAloneFixesAWordFromTheSuggestions)
{
    model().importRows("Svenska", "Engelska", {{"få", "recieve"}}, false);
    select(0, 1);
    dialogs.menuAnswers.push_back([](const QStringList &items) { return std::optional<int>(items.indexOf("receive")); });
    QTest::keyClick(&window->table(), Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(dialogs.menus.size(), 1u);
    const QStringList &items = dialogs.menus[0];
    EXPECT_LE(items.indexOf("receive"), 4);
    EXPECT_EQ(items.mid(items.size() - 3), (QStringList{"", "Lägg till i ordlistan", "Ignorera"}));
    EXPECT_EQ(model().cellText(0, 1), "receive");
    window->undoStack().undo();
    EXPECT_EQ(model().cellText(0, 1), "recieve");
}

TEST_F(SpellingWindowTest, TheCheckWalksFromTheCursorAndTheUsersWordsOutlastARestart)
{
    model().importRows("Engelska", "Engelska", {{"wrod", "fine"}, {"good", "bda thier"}}, false);
    select(1, 0);
    dialogs.spellingAnswers = {{editor::SpellingAnswer::Change, "bad"}, {editor::SpellingAnswer::Add, {}},
                               {editor::SpellingAnswer::Ignore, {}}};
    action("mnuStavningskontroll")->trigger();
    ASSERT_EQ(dialogs.questions.size(), 3u);
    EXPECT_EQ(dialogs.questions[0].word, "bda");
    EXPECT_EQ(dialogs.questions[0].cellText, "bda thier");
    EXPECT_EQ(dialogs.questions[0].language, "Engelska (USA)");
    EXPECT_EQ(dialogs.questions[1].word, "thier");
    EXPECT_EQ(dialogs.questions[2].word, "wrod") << "on from the cursor, round to the top";
    EXPECT_EQ(model().cellText(1, 1), "bad thier");
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][0], "Stavningskontrollen är klar: det finns inga fler felstavade ord.");

    window->undoStack().setClean();
    window.reset();
    start();
    model().importRows("Engelska", "Engelska", {{"wrod", "thier"}}, false);
    EXPECT_EQ(window->spelling().misspelt(1, u"thier").size(), 0) << "added, and kept";
    EXPECT_EQ(window->spelling().misspelt(0, u"wrod").size(), 1) << "ignored only until the editor closed";
}

TEST_F(SpellingWindowTest, AnUnknownLanguageChecksNothingUntilOneIsChosenAndTheChoiceIsKept)
{
    model().importRows("Latin", "Engelska", {{"recieve", "recieve"}}, false);
    EXPECT_EQ(window->spelling().misspelt(0, u"recieve").size(), 0);
    EXPECT_EQ(window->statusBar()->currentMessage(),
              "Stavningen kontrolleras inte för \"Latin\": det finns ingen ordlista för det språket. "
              "Välj en under Verktyg > Språk för stavning.");
    window->statusBar()->clearMessage();
    model().setLanguageName(1, "Engelsk");
    model().setLanguageName(1, "Engelska");
    model().setLanguageName(0, "Latin ");
    model().setLanguageName(0, "Latin");
    EXPECT_EQ(window->statusBar()->currentMessage(), "Stavningen kontrolleras inte för \"Engelsk\": det finns ingen ordlista för det språket. "
                                                     "Välj en under Verktyg > Språk för stavning.")
        << "Latin is said once";

    auto *menu = namedChild<QMenu>(window.get(), "mnuStavningSprak1");
    emit menu->aboutToShow();
    const QList<QAction *> actions = menu->actions();
    const auto british = std::find_if(actions.begin(), actions.end(), [](QAction *a) { return a->text() == "Engelska (Storbritannien)"; });
    ASSERT_NE(british, actions.end());
    (*british)->trigger();
    EXPECT_EQ(window->spelling().dictionaryForColumn(0), "en_GB");
    EXPECT_EQ(window->spelling().misspelt(0, u"colour").size(), 0);
    // The special letters follow the hand-chosen language too.
    auto *meanings = namedChild<QMenu>(window.get(), "mnuStavningSprak2");
    emit meanings->aboutToShow();
    for (QAction *a : meanings->actions()) {
        if (a->text() == "Franska")
            a->trigger();
    }
    select(0, 1);
    EXPECT_TRUE(namedChild<QAction>(window.get(), "mnuSpecialtecken")->isChecked());
    EXPECT_EQ(namedChild<QAbstractButton>(window.get(), "cmdTecken_0")->text(), "é");

    window->undoStack().setClean();
    window.reset();
    start();
    model().importRows("Latin", "Latin", {{"a", "b"}}, false);
    EXPECT_EQ(window->spelling().dictionaryForColumn(1), "en_GB") << "the choice came with the name";
}

}  // namespace
