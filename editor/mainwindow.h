// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/printing.h"
#include "platform/desktop.h"
#include "vocabfile/rules.h"

#include <QMainWindow>
#include <QModelIndexList>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QTimer;

namespace editor {

class EditorDialogs;
class GlosTable;
class SpecialLetterBar;
class SpellingSupport;
class VocabularyModel;

// The editor's window: the two language names, the table of words and meanings, menus, a tool
// bar and a status line. The rules live in VocabularyModel and the vocabulary file library; this
// class wires them to the commands and asks the user through the desktop.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(platform::Desktop &desktop, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens the file without asking about unsaved changes; false (with a message, and nothing in the
    // window changed) when the trainer could not load it.
    bool openFile(const QString &path);

    // The commands.
    void nyFil();
    void oppna();
    bool spara();
    bool sparaSom();
    void klippUt();
    void kopiera();
    void tomRutor();
    void klistraIn();
    void sok();
    void sokNasta();
    void infogaRad();
    void taBortRader();
    void flytta(int delta);
    void sortera(int column);
    void hjalp();
    void importera();
    void exportera();
    void skrivUt();
    void sparaSomPdf();
    // Walks through every misspelt word from the current cell on.
    void stavningskontroll();
    // The suggestions for the current cell's first misspelt word.
    void stavningsforslag();

    SpellingSupport &spelling() { return *spelling_; }

    // The editor's own dialogs are asked through this; the window's own by default.
    void setDialogs(EditorDialogs &dialogs) { dialogs_ = &dialogs; }
    // The folder the file dialogs open in: the open vocabulary's, else the last one used, else the
    // user's documents; never the program's, where an ordinary user cannot write.
    QString dialogFolder() const;

    // True when there are no unsaved changes, or the user saved them or chose to drop them.
    bool maybeSave();

    VocabularyModel &model() { return *model_; }
    QUndoStack &undoStack() { return undo_; }
    GlosTable &table() { return *table_; }
    QString filePath() const { return path_; }
    vocabulary::Encoding encoding() const { return encoding_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void buildMenus();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut,
                        void (MainWindow::*slot)());
    void startOver(const vocabulary::Document &document, const QString &path, vocabulary::Encoding encoding,
                   std::optional<QByteArray> bytes);
    bool writeTo(const QString &path);
    bool askForUtf8();
    void message(const QString &text, int style);
    void refused(const QString &why);
    void focusCell(int row, int column, int lastRow);
    void updateTitle();
    void updateStatus();
    void updateNames();
    QList<int> selectedRows() const;
    // The vocabulary's name for headings and proposed file names: the file's, without ".gls".
    QString vocabularyName() const;
    // A file dialog that starts in dialogFolder() and remembers the folder of what was chosen; an
    // empty path counts as cancelled.
    platform::FileDialogResult askForFile(platform::FileDialogOptions options, bool save);
    // The path with the extension added when the user typed a name without any; false when that
    // name is taken and the user would not replace it.
    bool withExtension(QString &path, const QString &extension);
    std::optional<exchange::PrintOptions> askPrintLayout(bool toPdf);
    void spellingMenu(const QModelIndex &index, const QPoint &globalPos);
    void fillLanguageMenu(QMenu *menu, int which);
    // After the language names or a hand-chosen language changed.
    void spellingLanguagesChanged();
    void addToPersonalWords(int column, const QString &word);
    // The selected cells, or the current one when none is selected.
    QModelIndexList selectedCells() const;

    platform::Desktop &desktop_;
    QUndoStack undo_;
    VocabularyModel *model_ = nullptr;
    GlosTable *table_ = nullptr;
    QLineEdit *txtSprak1_ = nullptr;
    QLineEdit *txtSprak2_ = nullptr;
    QLineEdit *txtSok_ = nullptr;
    QLabel *lblAntal_ = nullptr;
    QLabel *lblProblem_ = nullptr;
    SpecialLetterBar *barSpecialtecken_ = nullptr;
    bool specialteckenByHand_ = false;  // the user showed or hid the special letters
    std::function<void()> followSpecialLetters_;

    QString path_;  // empty for a file not yet saved
    vocabulary::Encoding encoding_ = vocabulary::Encoding::Windows1252;
    // The bytes of the file as last read or written: what an unchanged vocabulary is saved as, so
    // that a file is never rewritten in another form only because it was opened and saved.
    std::optional<QByteArray> cleanBytes_;
    // The latest refusal, shown in the status line until the timer ends.
    QString refusal_;
    QTimer *refusalTimer_ = nullptr;

    std::unique_ptr<EditorDialogs> ownDialogs_;
    EditorDialogs *dialogs_ = nullptr;
    QString lastFolder_;
    // What a vocabulary that came from an import is proposed to be saved as.
    QString suggestedName_;
    exchange::PrintOptions printOptions_;
    std::unique_ptr<SpellingSupport> spelling_;
    // Language names already said to have no dictionary, so the status line says it once.
    QStringList uncheckedNamesSaid_;
};

}  // namespace editor
