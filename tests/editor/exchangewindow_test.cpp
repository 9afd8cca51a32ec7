// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editordialogs.h"
#include "scripteddialogs.h"
#include "editor/glostable.h"
#include "editor/mainwindow.h"
#include "editor/vocabularymodel.h"
#include "support/namedchild.h"
#include "support/scripteddesktop.h"
#include "support/tempfolder.h"
#include "vocabfile/writer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using testing_support::namedChild;
using vocabulary::Document;
using vocabulary::Entry;

namespace {

class ExchangeWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop.folder = program.path();
        desktop.documents = QDir::toNativeSeparators(documents.path());
        window = std::make_unique<editor::MainWindow>(desktop);
        window->setDialogs(dialogs);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        window->undoStack().setClean();
        window.reset();
    }

    QAction *action(const char *name) const { return namedChild<QAction>(window.get(), name); }
    QString problem() const { return namedChild<QLabel>(window.get(), "lblProblem")->text(); }
    const Document &document() { return window->model().document(); }
    void importFile(const QString &path)
    {
        desktop.chooseOpen(path);
        action("mnuImportera")->trigger();
    }
    // The last file dialog's folder, as the scripted desktop records it.
    QString lastDialogFolder() const
    {
        const auto &call = desktop.calls.back();
        return call.args.size() > 4 ? call.args[4].mid(3) : QString();
    }

    testing_support::TempFolder program, documents, files;
    testing_support::ScriptedDesktop desktop;
    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<editor::MainWindow> window;
};

Document sample()
{
    return Document{"Svenska", "Franska", {Entry{"hus", {"maison"}}, Entry{"äta", {"manger", "bouffer"}}, Entry{"och", {"et"}}}};
}

TEST_F(ExchangeWindowTest, AnImportReplacesTheWordsInOneUndoStepAndSavingAsksForANewName)
{
    window->model().importRows("Svenska", "Engelska", {{"hund", "dog"}}, false);
    window->undoStack().setClean();
    // As Excel in a Swedish locale writes it: semicolons, Windows-1252.
    importFile(files.write("vecka 3.csv", "gr\xE5;grey;gray\r\nr\xE4v;fox\r\n"));
    ASSERT_EQ(dialogs.proposals.size(), 1u);
    EXPECT_TRUE(dialogs.proposals[0].delimited);
    EXPECT_EQ(dialogs.proposals[0].choice.format.encoding, exchange::TextEncoding::Windows1252);
    EXPECT_EQ(dialogs.proposals[0].choice.format.separator, u';');
    EXPECT_EQ(desktop.callsOf("question").size(), 0u) << "nothing unsaved to ask about";
    EXPECT_EQ(document(), (Document{"Svenska", "Engelska", {Entry{"grå", {"grey", "gray"}}, Entry{"räv", {"fox"}}}}))
        << "a spreadsheet has no language names, so the table keeps its own";
    EXPECT_EQ(window->windowTitle(), "Vuzuvevizaduvareziv - Namnlös[*]");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(window->undoStack().count(), 2);
    window->undoStack().undo();
    EXPECT_EQ(document().entries, (std::vector<Entry>{Entry{"hund", {"dog"}}}));
    window->undoStack().redo();

    desktop.cancelSave();
    window->sparaSom();
    EXPECT_EQ(desktop.callsOf("saveFileDialog").back().args[2], "vecka 3.gls");
}

TEST_F(ExchangeWindowTest, AddingAfterTheWordsTakesWhatFitsAndSaysWhatWasLeftOut)
{
    QList<QStringList> rows;
    for (int i = 1; i <= 398; ++i)
        rows.append({QStringLiteral("ord%1").arg(i), QStringLiteral("word%1").arg(i)});
    window->model().importRows("Svenska", "", rows, false);
    window->undoStack().setClean();
    dialogs.changeImport = [](editor::ImportChoice &choice) { choice.append = true; };
    const QString kvtml = files.write("lista.kvtml", exchange::kvtmlBytes(Document{"Schwedisch", "Deutsch",
        {Entry{"ett \"citat\"", {"ein Zitat"}}, Entry{"två", {"zwei"}}, Entry{"tre", {"drei"}}, Entry{"fyra", {"vier"}}}}, "Liste"));
    importFile(kvtml);
    ASSERT_EQ(dialogs.proposals.size(), 1u);
    EXPECT_FALSE(dialogs.proposals[0].delimited);
    EXPECT_EQ(window->model().wordCount(), 400);
    EXPECT_EQ(document().sprak1, "Svenska") << "a name the table has stays";
    EXPECT_EQ(document().sprak2, "Deutsch") << "a name it lacks is the file's";
    EXPECT_EQ(document().entries[398], (Entry{"ett citat", {"ein Zitat"}}));
    EXPECT_EQ(document().entries[399], (Entry{"två", {"zwei"}}));
    EXPECT_TRUE(problem().startsWith("Rad 399: ")) << problem().toStdString();
    EXPECT_EQ(window->windowTitle(), "Vuzuvevizaduvareziv - Namnlös[*]");
    window->undoStack().undo();
    EXPECT_EQ(window->model().wordCount(), 398);
    EXPECT_EQ(document().sprak2, "");

    // A full table takes nothing more, and says so in a message since the table shows no change.
    window->undoStack().redo();
    importFile(kvtml);
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0][0], "En glosfil kan inte ha fler än 400 ord. Inga glosor importerades.\n\n"
                                        "Ingenting importerades från lista.kvtml.");
}

TEST_F(ExchangeWindowTest, FilesThatGiveNothingAreRefusedWithAMessageAndChangeNothing)
{
    window->model().importRows("Svenska", "Engelska", {{"hund", "dog"}}, false);
    window->undoStack().setClean();
    const Document before = document();
    const struct {
        QString name;
        QByteArray bytes;
        QString start;
    } cases[] = {
        {"tom.csv", "\r\n;;\r\n", "Filen innehåller inga glosor."},
        {"tom.kvtml", exchange::kvtmlBytes(Document{"a", "b", {}}, "t"), "Filen innehåller inga glosor."},
        {"trasig.kvtml", "<kvtml version=\"2.0\"><entries><entry", ""},
    };
    for (const auto &c : cases) {
        desktop.calls.clear();
        importFile(files.write(c.name, c.bytes));
        ASSERT_EQ(desktop.messages().size(), 1u) << c.name.toStdString();
        const QString text = desktop.messages()[0][0];
        EXPECT_TRUE(text.startsWith(c.start) && text.endsWith("\n\nIngenting importerades från " + c.name + "."))
            << text.toStdString();
        EXPECT_EQ(document(), before);
        EXPECT_FALSE(window->isWindowModified());
    }
    // Cancelled in the dialog: nothing asked, nothing changed.
    dialogs.cancelImport = true;
    desktop.calls.clear();
    importFile(files.write("ok.csv", "a;b\r\n"));
    EXPECT_EQ(desktop.messages().size(), 0u);
    EXPECT_EQ(document(), before);
}

TEST_F(ExchangeWindowTest, ExportWritesTheFormatTheFilterOrTheNameSays)
{
    window->model().importRows("Svenska", "Franska", {{"hus", "maison"}, {"äta", "manger", "bouffer"}, {"och", "et"}}, false);
    const struct {
        QString typed;
        int filter;
        QString written;
        QByteArray bytes;
    } cases[] = {
        {"a", 0, "a.csv", exchange::csvBytes(sample(), u';')},
        {"b", 1, "b.csv", exchange::csvBytes(sample(), u',')},
        {"c", 2, "c.txt", exchange::csvBytes(sample(), u'\t')},
        {"d", 3, "d.kvtml", exchange::kvtmlBytes(sample(), "Namnlös")},
        {"e.kvtml", 0, "e.kvtml", exchange::kvtmlBytes(sample(), "Namnlös")},
        {"f.txt", -1, "f.txt", exchange::csvBytes(sample(), u'\t')},
        {"g.lista", -1, "g.lista", exchange::csvBytes(sample(), u';')},
    };
    for (const auto &c : cases) {
        desktop.chooseSave(files.file(c.typed), c.filter);
        action("mnuExportera")->trigger();
        EXPECT_EQ(files.read(c.written), c.bytes) << c.written.toStdString();
    }
    EXPECT_EQ(desktop.callsOf("saveFileDialog")[0].args[2], "Namnlös.csv");
    EXPECT_EQ(desktop.messages().size(), 0u);
}

TEST_F(ExchangeWindowTest, PrintingAndSavingAsPdfWriteThePagesAndCancelsWriteNothing)
{
    window->model().importRows("Svenska", "Franska", {{"hus", "maison"}, {"äta", "manger"}}, false);
    // Ctrl+P asks for the layout, then the print dialog; here that prints into a file.
    dialogs.printInto = files.file("utskrift.pdf");
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs.layoutAsked, (std::vector<bool>{false}));
    EXPECT_TRUE(files.read("utskrift.pdf").startsWith("%PDF"));
    EXPECT_EQ(window->statusBar()->currentMessage(), "Utskriven: 1 sida");

    desktop.chooseSave(files.file("glosor"));
    action("mnuSparaSomPdf")->trigger();
    EXPECT_TRUE(files.read("glosor.pdf").startsWith("%PDF"));
    EXPECT_EQ(desktop.callsOf("saveFileDialog").back().args.mid(0, 3), (QStringList{"Spara som PDF", "PDF-fil (*.pdf)|*.pdf", "Namnlös.pdf"}));

    // Cancelling the layout dialog asks nothing more; cancelling the print dialog prints nothing.
    dialogs.layout.reset();
    const auto dialogsBefore = desktop.calls.size();
    action("mnuSparaSomPdf")->trigger();
    action("mnuSkrivUt")->trigger();
    EXPECT_EQ(desktop.calls.size(), dialogsBefore);
    dialogs.layout = exchange::PrintOptions{};
    dialogs.printInto.clear();
    action("mnuSkrivUt")->trigger();
    EXPECT_EQ(desktop.messages().size(), 0u);
}

TEST_F(ExchangeWindowTest, FileDialogsOpenInTheVocabularysFolderElseTheLastElseDocumentsNeverTheProgramFolder)
{
    const QString documentsFolder = QDir::toNativeSeparators(documents.path());
    for (const char *command : {"mnuOppna", "mnuImportera", "mnuExportera", "mnuSparaSom"}) {
        window->model().importRows("a", "b", {{"x", "y"}}, false);
        window->undoStack().setClean();
        action(command)->trigger();
        EXPECT_EQ(lastDialogFolder(), documentsFolder) << command;
    }
    // An import remembers its folder.
    importFile(files.write("lista.csv", "a;b\r\n"));
    action("mnuExportera")->trigger();
    EXPECT_EQ(lastDialogFolder(), QDir::toNativeSeparators(files.path()));
    // An open vocabulary's folder comes first; in the program folder, that is not taken.
    const QString other = QDir::toNativeSeparators(documents.path() + "/ämnen");
    QDir().mkpath(other);
    for (const QString &folder : {other, QDir::toNativeSeparators(program.path())}) {
        const QString path = folder + QDir::separator() + "ord.gls";
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Svenska-Engelska]\r\nhund,dog$\r\n");
        file.close();
        ASSERT_TRUE(window->openFile(path));
        action("mnuSparaSom")->trigger();
        EXPECT_EQ(lastDialogFolder(), folder == other ? other : QDir::toNativeSeparators(files.path()));
    }
}

TEST(ExchangeDialogs, TheImportDialogPreviewsTheFileAsChosenAndReturnsTheChoice)
{
    editor::ImportProposal proposal;
    proposal.fileName = "lista.csv";
    proposal.bytes = "hund,dog;hound\r\nkatt,cat\r\n";
    proposal.choice.format = {exchange::TextEncoding::Utf8, u';'};
    editor::ImportDialog dialog(proposal);
    auto *preview = namedChild<QTableWidget>(&dialog, "tblForhandsvisning");
    EXPECT_EQ(preview->columnCount(), 2);
    EXPECT_EQ(preview->item(0, 0)->text(), "hund,dog");
    namedChild<QComboBox>(&dialog, "cboAvgransare")->setCurrentIndex(2);  // comma
    EXPECT_EQ(preview->columnCount(), 2);
    EXPECT_EQ(preview->item(0, 1)->text(), "dog;hound");
    EXPECT_EQ(namedChild<QLabel>(&dialog, "lblRader")->text(), "2 rader i filen");
    namedChild<QComboBox>(&dialog, "cboGlosa")->setCurrentIndex(1);
    namedChild<QRadioButton>(&dialog, "optLaggTill")->setChecked(true);
    const editor::ImportChoice choice = dialog.choice();
    EXPECT_EQ(choice.format.separator, u',');
    EXPECT_EQ(choice.columns.wordColumn, 1);
    EXPECT_EQ(choice.columns.meaningColumns, QList<int>{0});
    EXPECT_TRUE(choice.append);
    // No meaning column ticked is no meanings, not every column.
    namedChild<QListWidget>(&dialog, "lstBetydelser")->item(0)->setCheckState(Qt::Unchecked);
    const QList<QStringList> rows = exchange::tableRows(exchange::parseDelimited(u"hund,dog", u','), dialog.choice().columns);
    EXPECT_EQ(rows, (QList<QStringList>{{"dog"}}));

    exchange::PrintOptions proposed;
    proposed.layout = exchange::PrintLayout::Gloskort;
    editor::PrintLayoutDialog layout(proposed, true);
    EXPECT_EQ(layout.windowTitle(), "Spara som PDF");
    EXPECT_EQ(layout.options().layout, exchange::PrintLayout::Gloskort);
    namedChild<QRadioButton>(&layout, "optForhor")->setChecked(true);
    namedChild<QComboBox>(&layout, "cboForhor")->setCurrentIndex(1);
    EXPECT_EQ(layout.options().layout, exchange::PrintLayout::Forhor);
    EXPECT_FALSE(layout.options().showMeanings);
}

}  // namespace
