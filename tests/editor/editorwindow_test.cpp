// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/glostable.h"
#include "editor/mainwindow.h"
#include "editor/vocabularymodel.h"
#include "support/namedchild.h"
#include "support/scripteddesktop.h"
#include "support/tempfolder.h"
#include "vocabfile/glosor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using testing_support::namedChild;

namespace {

const QString kTitle = QStringLiteral("Vuzuvevizaduvareziv");
const QStringList kSaveButtons = {QStringLiteral("Spara"), QStringLiteral("Spara inte"), QStringLiteral("Avbryt")};

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop.folder = folder.path();
        window = std::make_unique<editor::MainWindow>(desktop);
        window->show();
        QApplication::setActiveWindow(window.get());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        // Unsaved changes must not ask during the tear-down.
        window->undoStack().setClean();
        window.reset();
    }

    QAction *action(const char *name) const { return namedChild<QAction>(window.get(), name); }
    QLineEdit *edit(const char *name) const { return namedChild<QLineEdit>(window.get(), name); }
    QString label(const char *name) const { return namedChild<QLabel>(window.get(), name)->text(); }
    editor::VocabularyModel &model() { return window->model(); }
    QString cell(int row, int column) { return model().cellText(row, column); }

    // Types the text key by key into whatever has the focus, as a user does.
    static void type(const QString &text)
    {
        for (const QChar ch : text) {
            QWidget *target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            QTest::sendKeyEvent(QTest::KeyAction::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }

    void selectCell(int row, int column)
    {
        window->table().selectionModel()->setCurrentIndex(model().index(row, column), QItemSelectionModel::ClearAndSelect);
    }

    // A file written by a hand other than the editor's.
    QString file(const QString &name, const QByteArray &bytes) { return folder.write(name, bytes); }

    testing_support::TempFolder folder;
    testing_support::ScriptedDesktop desktop;
    std::unique_ptr<editor::MainWindow> window;
};

}  // namespace

TEST_F(EditorTest, AVocabularyTypedByKeyboardAloneLoadsInTheTrainer)
{
    EXPECT_EQ(window->windowTitle(), kTitle + " - Namnlös[*]");
    EXPECT_EQ(QApplication::focusWidget(), edit("txtSprak1"));
    type("Svenska");
    press(Qt::Key_Tab);
    type("Engelska");
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &window->table());
    const QStringList rows[] = {{"hund", "dog", "hound"}, {"katt", "cat"}, {"häst", "horse"}, {"en gång", "once, one time"}};
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                press(Qt::Key_Tab);
            type(row[i]);
        }
        if (row[0] == "häst") {
            press(Qt::Key_Return);
            EXPECT_EQ(model().rowCount(), 4) << "Enter on the last row made a new, empty one";
            EXPECT_EQ(window->table().currentIndex(), model().index(3, 0));
            press(Qt::Key_Return);
            EXPECT_EQ(model().rowCount(), 4) << "no second empty row";
        } else if (row[0] != "en gång") {
            press(Qt::Key_Return);
        }
    }
    // The last meaning is still being typed when the file is saved.
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString(), "Svenska");
    EXPECT_EQ(model().headerData(2, Qt::Horizontal).toString(), "Engelska 2");
    EXPECT_TRUE(window->isWindowModified());

    desktop.chooseSave(folder.file("djur"));
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(desktop.callsOf("saveFileDialog").size(), 1u);
    EXPECT_EQ(desktop.callsOf("saveFileDialog")[0].args,
              (QStringList{"Spara glosfil som", "glosfil (*.gls)|*.gls", "Namnlös.gls", "overwrite-prompt"}));
    EXPECT_EQ(folder.read("djur.gls"),
              QByteArray("[Svenska-Engelska]\r\nhund,dog$hound$\r\nkatt,cat$\r\nh\xE4st,horse$\r\nen g\xE5ng,\"once, one time$\"\r\n"));
    EXPECT_EQ(window->windowTitle(), kTitle + " - djur.gls[*]");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(label("lblAntal"), "4 ord, 5 betydelser");

    const vocabulary::LoadResult loaded = vocabulary::loadVocabularyFile(folder.file("djur.gls"));
    ASSERT_TRUE(loaded.glosor.has_value());
    EXPECT_EQ(loaded.glosor->sprak1, "Svenska");
    ASSERT_EQ(loaded.glosor->antalord(), 4);
    EXPECT_EQ(loaded.glosor->ordlista[3].bet[0], "once, one time");
    EXPECT_EQ(loaded.glosor->summabet(), 5);
}

TEST_F(EditorTest, RefusedCharactersAreRefusedWhereTypedAndTheReasonStaysInView)
{
    QLabel *problem = namedChild<QLabel>(window.get(), "lblProblem");
    auto *timer = namedChild<QTimer>(window.get(), "tmrAvvisat");
    type("Serbo-kroatiska");
    EXPECT_EQ(edit("txtSprak1")->text(), "Serbokroatiska");
    EXPECT_EQ(problem->text(), "Tecknet - skiljer språknamnen åt i filen och kan inte stå i ett språknamn.");
    EXPECT_EQ(problem->styleSheet(), "color: #b00000") << "in the colour of a problem";
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10000);
    window->statusBar()->showMessage("Sparad: x.gls");
    EXPECT_EQ(problem->text(), "Tecknet - skiljer språknamnen åt i filen och kan inte stå i ett språknamn.")
        << "a passing message does not hide it";
    selectCell(0, 0);
    window->table().setFocus();
    type("5$ \"x\"");
    press(Qt::Key_Tab);
    type("5$");
    press(Qt::Key_Return);
    EXPECT_EQ(cell(0, 0), "5$ x") << "a dollar belongs in a word";
    EXPECT_EQ(cell(0, 1), "5");
    EXPECT_EQ(problem->text(), "Tecknet $ skiljer betydelserna åt i filen och kan inte stå i en betydelse.");
    EXPECT_TRUE(desktop.messages().empty());

    // When its time is up, the status line shows the vocabulary's own state again.
    timer->start(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }));
    EXPECT_EQ(problem->text(), "Språk 2: namnet är tomt.");
    EXPECT_EQ(problem->styleSheet(), "");
}

TEST_F(EditorTest, UnsavedChangesAskAndEachAnswerDoesItsThing)
{
    struct Row {
        const char *command;
        int answer;        // 0 Spara, 1 Spara inte, 2 Avbryt
        bool goesOn;       // the window closes, or a new file starts
        bool saved;
    };
    const Row rows[] = {
        {"close", 0, true, true}, {"close", 1, true, false}, {"close", 2, false, false},
        {"mnuNy", 0, true, true}, {"mnuNy", 1, true, false}, {"mnuNy", 2, false, false},
        {"mnuOppna", 2, false, false},
    };
    for (const Row &row : rows) {
        const std::string what = std::string(row.command) + " " + std::to_string(row.answer);
        window->show();
        window->nyFil();
        desktop.calls.clear();
        const QString target = folder.file(QStringLiteral("fil%1%2.gls").arg(row.command).arg(row.answer));
        model().setCell(0, 0, "hund");
        desktop.questionAnswers = {row.answer};
        desktop.chooseSave(target);
        if (QString(row.command) == "close")
            window->close();
        else
            action(row.command)->trigger();
        const auto questions = desktop.callsOf("question");
        ASSERT_EQ(questions.size(), 1u) << what;
        EXPECT_EQ(questions[0].args, QStringList({"Glosfilen \"Namnlös\" har ändringar som inte är sparade. Vill du spara dem?", kTitle}) + kSaveButtons);
        const bool closed = !window->isVisible();
        const bool newFile = cell(0, 0).isEmpty();
        EXPECT_EQ(QString(row.command) == "close" ? closed : newFile, row.goesOn) << what;
        EXPECT_EQ(QFile::exists(target), row.saved) << what;
        desktop.saveAnswers.clear();
        desktop.openAnswers.clear();
    }
    window->show();
    desktop.calls.clear();
    window->undoStack().setClean();
    window->close();
    EXPECT_TRUE(desktop.callsOf("question").empty()) << "nothing to save, nothing asked";
}

TEST_F(EditorTest, EveryChangeUndoesAndRedoes)
{
    model().setLanguageName(0, "Svenska");
    model().pasteCells(0, 0, {{"katt", "cat"}, {"hund", "dog"}, {"apa", "monkey"}});
    model().setCell(1, 2, "hound");
    model().sortByColumn(0);
    model().moveRowRange(2, 2, -1);
    model().insertEmptyRow(0);
    model().removeRowSet({1});
    const vocabulary::Document done = model().document();
    ASSERT_EQ(done.entries.size(), 3u);
    EXPECT_EQ(done.entries[0], vocabulary::Entry{});
    EXPECT_EQ(done.entries[1].word, "katt");
    EXPECT_EQ(done.entries[2].word, "hund");
    EXPECT_EQ(done.entries[2].meanings, QStringList({"dog", "hound"}));

    const int steps = window->undoStack().count();
    EXPECT_EQ(steps, 7);
    for (int i = 0; i < steps; ++i)
        action("mnuAngra")->trigger();
    EXPECT_EQ(model().document(), vocabulary::Document({"", "", {vocabulary::Entry{}}}));
    EXPECT_EQ(edit("txtSprak1")->text(), "");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(action("mnuAngra")->isEnabled());
    for (int i = 0; i < steps; ++i)
        action("mnuGorOm")->trigger();
    EXPECT_EQ(model().document(), done);
    EXPECT_EQ(edit("txtSprak1")->text(), "Svenska");
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString(), "Svenska");
}

TEST_F(EditorTest, SpreadsheetTextPastesAsRowsAndLeavesOutOnlyWhatDoesNotFit)
{
    selectCell(0, 0);
    window->table().setFocus();
    QApplication::clipboard()->setText("hund\tdog\thound\r\nkatt\tcat\r\n");
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(0, 0), "hund");
    EXPECT_EQ(cell(0, 2), "hound");
    EXPECT_EQ(cell(1, 1), "cat");
    EXPECT_EQ(label("lblAntal"), "2 ord, 3 betydelser");

    struct Row {
        QString text;
        int row, column;
        QStringList pasted;  // the table's row after the paste, from the column pasted at
        QString note;        // in the status line
        bool box;            // nothing was pasted, and a message says so
    };
    const Row rows[] = {
        {"häst\t\"horse\"\r\n", 1, 0, {"häst", "horse"},
         "Rad 2: citattecken togs bort, eftersom de inte kan sparas i en glosfil.", false},
        {"ko\tcow\r\ngris\tpig$\r\n", 1, 0, {"gris", "pig"},
         "Rad 3: tecknet $ togs bort, eftersom det inte kan stå i en betydelse.", false},
        {"US$\t5 US$\r\n", 1, 0, {"US$", "5 US"},
         "Rad 2: tecknet $ togs bort, eftersom det inte kan stå i en betydelse.", false},
        {"a\tb\tc\td\te\tf\r\n", 1, 0, {"a", "b", "c", "d", "e"},
         "Rad 2: ett ord kan inte ha fler än 4 betydelser, så resten av raden klistrades inte in.", false},
        {"x\ty\r\n", 1, 4, {"x"},
         "Rad 2: ett ord kan inte ha fler än 4 betydelser, så resten av raden klistrades inte in.", false},
        {"\"\"\r\n", 1, 0, {"katt"}, "Ingenting klistrades in: Citattecken (\") kan inte sparas i en glosfil.", true},
        {"$\t\"\r\n", 1, 1, {"cat", ""}, "Ingenting klistrades in: Tecknet $ skiljer betydelserna åt i filen och kan inte stå i en betydelse.", true},
    };
    for (const Row &row : rows) {
        const std::string what = row.text.toStdString();
        desktop.calls.clear();
        QApplication::clipboard()->setText(row.text);
        selectCell(row.row, row.column);
        const int steps = window->undoStack().index();
        action("mnuKlistraIn")->trigger();
        const int lines = static_cast<int>(row.text.count('\n'));
        QStringList got;
        for (int c = row.column; c < row.column + row.pasted.size(); ++c)
            got << cell(row.row + lines - 1, c);
        EXPECT_EQ(got, row.pasted) << what;
        EXPECT_EQ(label("lblProblem"), row.note) << what;
        EXPECT_EQ(desktop.messages().size(), row.box ? 1u : 0u) << what;
        if (row.box) {
            EXPECT_EQ(desktop.messages()[0][0], row.note) << what;
        }
        EXPECT_EQ(window->undoStack().index(), row.box ? steps : steps + 1) << what << ": one step, or none";
        if (!row.box)
            action("mnuAngra")->trigger();
    }

    // Empty cells at the right end of a line that would fall outside the table are no reason to refuse.
    QApplication::clipboard()->setText("x\ty\t\t\t\n");
    selectCell(0, 3);
    action("mnuKlistraIn")->trigger();
    EXPECT_EQ(QStringList({cell(0, 3), cell(0, 4)}), QStringList({"x", "y"}));
    action("mnuAngra")->trigger();

    // Copy and cut give the same kind of text back.
    window->table().selectionModel()->select(QItemSelection(model().index(1, 0), model().index(1, 4)),
                                             QItemSelectionModel::ClearAndSelect);
    action("mnuKlippUt")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "katt\tcat\t\t\t\n");
    EXPECT_EQ(model().rowCount(), 1);
    action("mnuAngra")->trigger();
    EXPECT_EQ(cell(1, 0), "katt");
}

TEST_F(EditorTest, AnUnchangedFileIsSavedAsTheSameBytes)
{
    const QByteArray original = "\"[Engelska-Svenska]\"\r\n\"dog\",\"hund$\"\r\n\"cat \",\"katt$extra\"\r\n";
    const QString path = file("e.gls", original);
    ASSERT_TRUE(window->openFile(path));
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][0],
              "Plugo läser inte all text i filen. På rad 2 står \"extra\", som inte hör till något språknamn, ord eller "
              "någon betydelse.\n\nDen texten syns inte här och kommer inte med om du ändrar och sparar filen.");
    EXPECT_EQ(edit("txtSprak2")->text(), "Svenska");
    EXPECT_EQ(cell(1, 0), "cat ");
    ASSERT_TRUE(window->spara());
    EXPECT_EQ(folder.read("e.gls"), original);

    model().setCell(0, 1, "vovve");
    model().setCell(0, 1, "hund");
    window->undoStack().undo();
    window->undoStack().undo();
    ASSERT_TRUE(window->spara());
    EXPECT_EQ(folder.read("e.gls"), original) << "undone to where it was opened";

    model().setCell(0, 2, "byracka");
    ASSERT_TRUE(window->spara());
    EXPECT_EQ(folder.read("e.gls"), QByteArray("[Engelska-Svenska]\r\ndog,hund$byracka$\r\n\"cat \",katt$\r\n"));
}

TEST_F(EditorTest, AFileTheTrainerRefusesIsNotOpened)
{
    model().setCell(0, 0, "kvar");
    struct Row {
        QByteArray bytes;
        QString first;
    };
    QByteArray many = "[A-B]\r\n";
    for (int i = 0; i < 401; ++i)
        many += "w,m$\r\n";
    const Row rows[] = {
        {"", "Filen är tom. En glosfil börjar med en rad med de två språkens namn."},
        {"[A-B]\r\nhund,dog$\r\nkatt\r\n", "Filen tar slut mitt i ord nummer 2: ordet saknar sina betydelser."},
        {"[A-B]\r\nhund,a$b$c$d$e$\r\n", "Ord nummer 1 i filen har fler än 4 betydelser. Plugo kan bara läsa 4."},
        {many, "Filen har fler än 400 ord. Plugo kan bara läsa 400."},
    };
    for (const Row &row : rows) {
        desktop.calls.clear();
        const QString path = file("bad.gls", row.bytes);
        EXPECT_FALSE(window->openFile(path));
        ASSERT_EQ(desktop.messages().size(), 1u);
        EXPECT_EQ(desktop.messages()[0][0], row.first + "\n\nFilen öppnades inte:\n" + path);
        EXPECT_EQ(cell(0, 0), "kvar");
        EXPECT_EQ(window->windowTitle(), kTitle + " - Namnlös[*]");
    }
    desktop.calls.clear();
    EXPECT_FALSE(window->openFile(folder.file("saknas.gls")));
    EXPECT_TRUE(desktop.messages()[0][0].startsWith("Filen kunde inte läsas."));
}

TEST_F(EditorTest, ACharacterOutsideWindows1252AsksForUtf8)
{
    const QString path = file("p.gls", "[Svenska-Polska]\r\nb\xE5t,\xB3\xF3\x64\xDF$\r\n");
    ASSERT_TRUE(window->openFile(path));
    model().setCell(0, 1, "łódź");
    desktop.questionAnswers = {1};
    EXPECT_FALSE(window->spara());
    const auto questions = desktop.callsOf("question");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].args,
              QStringList({"Tecknet \"ł\" på rad 1 finns inte i teckenkodningen Windows-1252, som glosfiler brukar sparas i.\n\n"
                           "Vill du spara filen som UTF-8 i stället? Den här versionen av Plugo läser sådana filer, "
                           "men äldre installationer kanske inte gör det.",
                           kTitle, "Ja", "Nej"}));
    EXPECT_EQ(folder.read("p.gls"), QByteArray("[Svenska-Polska]\r\nb\xE5t,\xB3\xF3\x64\xDF$\r\n")) << "\"Nej\" writes nothing";

    desktop.questionAnswers = {0};
    ASSERT_TRUE(window->spara());
    EXPECT_EQ(folder.read("p.gls"), QByteArray("\xEF\xBB\xBF[Svenska-Polska]\r\nb\xC3\xA5t,\xC5\x82\xC3\xB3\x64\xC5\xBA$\r\n"));
    EXPECT_EQ(window->encoding(), vocabulary::Encoding::Utf8);
    model().setCell(0, 0, "łódka");
    desktop.calls.clear();
    ASSERT_TRUE(window->spara());
    EXPECT_TRUE(desktop.callsOf("question").empty()) << "once UTF-8, always UTF-8";
}

TEST_F(EditorTest, NeverMoreThan400Rows)
{
    QList<QStringList> rows;
    for (int i = 0; i < 400; ++i)
        rows.append({QStringLiteral("w%1").arg(i), "m"});
    ASSERT_TRUE(model().pasteCells(0, 0, rows));
    EXPECT_EQ(label("lblAntal"), "400 ord, 400 betydelser");
    selectCell(399, 0);
    window->table().setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(model().rowCount(), 400);
    EXPECT_EQ(label("lblProblem"), "En glosfil kan inte ha fler än 400 ord.");
    action("mnuInfogaRad")->trigger();
    EXPECT_EQ(model().rowCount(), 400);
    EXPECT_TRUE(model().pasteCells(398, 0, {{"a"}, {"b"}, {"c"}, {"d"}}));
    EXPECT_EQ(QStringList({cell(398, 0), cell(399, 0)}), QStringList({"a", "b"}));
    EXPECT_EQ(model().rowCount(), 400);
    EXPECT_EQ(label("lblProblem"), "En glosfil kan inte ha fler än 400 ord. De sista 2 raderna klistrades inte in.");
    EXPECT_TRUE(model().pasteCells(399, 0, {{"e"}, {"f"}}));
    EXPECT_EQ(label("lblProblem"), "En glosfil kan inte ha fler än 400 ord. Den sista raden klistrades inte in.");
}

TEST_F(EditorTest, FindHelpAndWarnings)
{
    EXPECT_EQ(label("lblProblem"), "") << "nothing typed yet, nothing to warn about";
    model().pasteCells(0, 0, {{"hund", "dog"}, {"vovve", "dog"}, {"katt"}});
    // An empty language name comes first, and its field is marked as a row with a warning is.
    for (const QString sprak2 : {"", "Engelska"}) {
        model().setLanguageName(0, "Svenska");
        model().setLanguageName(1, sprak2);
        EXPECT_EQ(label("lblProblem"), sprak2.isEmpty() ? "Språk 2: namnet är tomt."
                                                        : "Rad 2: betydelsen \"dog\" finns också på rad 1, så eleven kan inte veta vilket ord som frågas.");
        EXPECT_EQ(edit("txtSprak2")->toolTip(), sprak2.isEmpty() ? "Språk 2: namnet är tomt." : "");
        EXPECT_EQ(edit("txtSprak2")->palette().color(QPalette::Base) == QColor(255, 243, 205), sprak2.isEmpty());
    }
    EXPECT_EQ(edit("txtSprak1")->toolTip(), "");
    action("mnuSok")->trigger();
    EXPECT_EQ(QApplication::focusWidget(), edit("txtSok"));
    type("KAT");
    press(Qt::Key_Return);
    EXPECT_EQ(window->table().currentIndex(), model().index(2, 0));

    action("mnuHjalp")->trigger();
    EXPECT_EQ(desktop.messages().size(), 1u) << "no help page in the folder";
    file("editor.html", "<html></html>");
    action("mnuHjalp")->trigger();
    ASSERT_EQ(desktop.callsOf("openDocument").size(), 1u);
    EXPECT_EQ(desktop.callsOf("openDocument")[0].args, QStringList({folder.file("editor.html"), folder.path()}));
}

TEST_F(EditorTest, SortingFollowsTheSwedishAlphabet)
{
    model().pasteCells(0, 0, {{"öga", "eye"}, {"", "no word"}, {"ål", "eel"}, {"Zebra", "zebra"}, {"äpple", "apple"},
                              {"apa", "ape"}, {""}, {"vovve"}});
    action("mnuSorteraGlosa")->trigger();
    QStringList words;
    for (int row = 0; row < model().rowCount(); ++row)
        words << cell(row, 0);
    EXPECT_EQ(words, QStringList({"apa", "vovve", "Zebra", "ål", "äpple", "öga", "", ""}));
    EXPECT_EQ(cell(6, 1), "no word") << "a row without a word after the words, the empty row last";
    action("mnuSorteraBetydelse")->trigger();
    QStringList meanings;
    for (int row = 0; row < model().rowCount(); ++row)
        meanings << cell(row, 1);
    EXPECT_EQ(meanings, QStringList({"ape", "apple", "eel", "eye", "no word", "zebra", "", ""}));
    EXPECT_EQ(cell(6, 0), "vovve");
}

TEST_F(EditorTest, EveryCommandHasItsCaptionAndKeys)
{
    struct Row {
        const char *name, *caption, *keys;
    };
    const Row rows[] = {
        {"mnuNy", "Ny", "Ctrl+N"},
        {"mnuOppna", "Öppna…", "Ctrl+O"},
        {"mnuSpara", "Spara", "Ctrl+S"},
        {"mnuSparaSom", "Spara som…", "Ctrl+Shift+S"},
        {"mnuAvsluta", "Avsluta", "Ctrl+Q"},
        {"mnuAngra", "Ångra", "Ctrl+Z"},
        {"mnuGorOm", "Gör om", "Ctrl+Y; Ctrl+Shift+Z"},
        {"mnuKlippUt", "Klipp ut", "Ctrl+X"},
        {"mnuKopiera", "Kopiera", "Ctrl+C"},
        {"mnuKlistraIn", "Klistra in", "Ctrl+V"},
        {"mnuTomRutor", "Töm rutor", "Del"},
        {"mnuSok", "Sök…", "Ctrl+F"},
        {"mnuSokNasta", "Sök nästa", "F3"},
        {"mnuInfogaRad", "Infoga rad", "Ctrl+I"},
        {"mnuTaBortRader", "Ta bort rader", "Ctrl+Del"},
        {"mnuFlyttaUpp", "Flytta upp", "Alt+Up"},
        {"mnuFlyttaNed", "Flytta ned", "Alt+Down"},
        {"mnuSorteraGlosa", "Sortera efter glosa", "Ctrl+1"},
        {"mnuSorteraBetydelse", "Sortera efter första betydelse", "Ctrl+2"},
        {"mnuHjalp", "Hjälp om editorn", "F1"},
    };
    for (const Row &row : rows) {
        QAction *command = action(row.name);
        ASSERT_NE(command, nullptr);
        EXPECT_EQ(command->text(), QString(row.caption)) << row.name;
        EXPECT_EQ(QKeySequence::listToString(command->shortcuts()), QString(row.keys)) << row.name;
    }
}

TEST_F(EditorTest, RowsByKeyboard)
{
    model().pasteCells(0, 0, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    selectCell(2, 1);
    window->table().setFocus();
    const auto words = [this] { return QStringList({cell(0, 0), cell(1, 0), cell(2, 0), cell(3, 0)}); };
    press(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(words(), QStringList({"a", "c", "b", ""}));
    EXPECT_EQ(window->table().currentIndex(), model().index(1, 1)) << "the cursor moves with its row";
    press(Qt::Key_Down, Qt::AltModifier);
    press(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(words(), QStringList({"a", "b", "c", ""})) << "nothing below the last row";
    selectCell(1, 0);
    press(Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(words(), QStringList({"a", "", "b", "c"}));
    selectCell(0, 0);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(words(), QStringList({"", "b", "c", ""}));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(words(), QStringList({"a", "", "b", "c"}));
    press(Qt::Key_Delete);
    EXPECT_EQ(words(), QStringList({"", "", "b", "c"})) << "Delete empties the cell, the row stays";
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(words(), QStringList({"a", "", "b", "c"}));
}

TEST_F(EditorTest, WhatCannotBeSavedIsNotSaved)
{
    // A double quote inside an unquoted field loads, but the editor does not write it.
    const QByteArray original = "[A-B]\r\nsa\"ga,story$\r\nhund,dog$\r\n";
    const QString path = file("q.gls", original);
    ASSERT_TRUE(window->openFile(path));
    EXPECT_EQ(label("lblProblem"), "Rad 1: Citattecken (\") kan inte sparas i en glosfil.");
    model().setCell(1, 2, "hound");
    desktop.calls.clear();
    EXPECT_FALSE(window->spara());
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][0], "Rad 1: Citattecken (\") kan inte sparas i en glosfil.\n\nFilen sparades inte.");
    EXPECT_EQ(window->table().currentIndex(), model().index(0, 0)) << "the cursor goes to the problem";
    EXPECT_EQ(folder.read("q.gls"), original);

    model().setCell(0, 0, "saga");
    desktop.calls.clear();
    desktop.chooseSave(folder.file("saknas/q.gls"));
    EXPECT_FALSE(window->sparaSom());
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][0], "Filen kunde inte sparas:\n" + folder.file("saknas/q.gls") + "\n\nEn fil som fanns där förut är orörd.");
    EXPECT_EQ(window->filePath(), path);
    EXPECT_TRUE(window->isWindowModified());

    // A name typed without ".gls" gets it, and an existing file of that name is not replaced unasked.
    const QByteArray other = "[C-D]\r\nx,y$\r\n";
    file("r.gls", other);
    for (const int answer : {1, 0}) {
        desktop.calls.clear();
        desktop.chooseSave(folder.file("r"));
        desktop.questionAnswers.push_back(answer);
        EXPECT_EQ(window->sparaSom(), answer == 0);
        EXPECT_TRUE(desktop.questionAnswers.empty()) << "asked before replacing r.gls";
        EXPECT_EQ(folder.read("r.gls") == other, answer == 1);
    }
}

TEST_F(EditorTest, TheCountsSayOneMeaningInTheSingular)
{
    const std::pair<QList<QStringList>, const char *> rows[] = {
        {{{"hund", "dog"}}, "1 ord, 1 betydelse"}, {{{"hund", "dog", "hound"}}, "1 ord, 2 betydelser"},
        {{{"katt"}, {"hund", "dog"}}, "2 ord, 1 betydelse"}, {{{"katt"}}, "1 ord, 0 betydelser"}};
    for (const auto &[cells, counts] : rows) {
        model().setDocument({"A", "B", {}});
        model().pasteCells(0, 0, cells);
        EXPECT_EQ(label("lblAntal"), counts);
    }
}

TEST_F(EditorTest, BothRedoKeysRedoInTheTableInACellAndInTheTextFields)
{
    EXPECT_EQ(action("mnuGorOm")->toolTip(), "Gör om (Ctrl+Y eller Ctrl+Shift+Z)");
    EXPECT_EQ(action("mnuGorOm")->statusTip(), "Gör om: Ctrl+Y eller Ctrl+Shift+Z") << "the menu shows only the first";
    model().pasteCells(0, 0, {{"dog", "hund"}});
    for (const QString where : {"table", "cell", "txtSprak1", "txtSok"}) {
        for (const Qt::Key key : {Qt::Key_Y, Qt::Key_Z}) {
            const Qt::KeyboardModifiers keys = key == Qt::Key_Z ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier;
            model().setCell(0, 0, "zzz");
            action("mnuAngra")->trigger();
            selectCell(0, 1);
            window->table().setFocus();
            if (where == "cell")
                press(Qt::Key_F2);  // a cell being typed in, with nothing of its own to redo
            else if (where != "table")
                edit(where.toLatin1())->setFocus();
            press(key, keys);
            EXPECT_EQ(cell(0, 0), "zzz") << where.toStdString() << " " << key;
        }
    }
    // A field's own typing is redone first, by either key.
    for (const Qt::Key key : {Qt::Key_Y, Qt::Key_Z}) {
        edit("txtSprak2")->setFocus();
        type("x");
        press(Qt::Key_Z, Qt::ControlModifier);
        press(key, key == Qt::Key_Z ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        EXPECT_EQ(model().document().sprak2, key == Qt::Key_Y ? "x" : "xx");
    }
}

TEST_F(EditorTest, F2AndADoubleClickKeepTheTextAndTypingReplacesIt)
{
    model().pasteCells(0, 0, {{"dog", "hund"}});
    const QPoint at = window->table().visualRect(model().index(0, 1)).center();
    for (const QString how : {"F2", "double-click", "typing"}) {
        model().setCell(0, 1, "hund");
        selectCell(0, 1);
        window->table().setFocus();
        if (how == "F2")
            press(Qt::Key_F2);
        if (how == "double-click") {
            QTest::mouseClick(window->table().viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(window->table().viewport(), Qt::LeftButton, {}, at);
        }
        if (how != "typing") {
            const auto *line = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            ASSERT_NE(line, nullptr) << how.toStdString();
            EXPECT_FALSE(line->hasSelectedText()) << how.toStdString();
            EXPECT_EQ(line->cursorPosition(), 4) << how.toStdString();
        }
        type("en");
        press(Qt::Key_Return);
        EXPECT_EQ(cell(0, 1), how == "typing" ? "en" : "hunden") << how.toStdString();
    }
}
