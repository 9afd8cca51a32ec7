// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/delimited.h"
#include "exchange/kvtml.h"
#include "exchange/printing.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <optional>

class QCheckBox;
class QComboBox;
class QListWidget;
class QPrinter;
class QRadioButton;
class QTableWidget;
class QLabel;

namespace editor {

// What the user settles before a file is brought in.
struct ImportChoice {
    exchange::DelimitedFormat format;
    exchange::ColumnChoice columns;
    bool append = false;  // add the words after those in the table, rather than replace them
};

// What the import dialog is shown: the file's bytes, and for a delimited text file the guess at
// its format; a KVTML file has no format to choose, only the rows it gave.
struct ImportProposal {
    QString fileName;
    QByteArray bytes;
    bool delimited = true;
    ImportChoice choice;
    exchange::ImportedTable kvtml;  // when not delimited
};

// One misspelt word as the spelling check shows it.
struct SpellingQuestion {
    QString word;
    QString cellText;
    QStringList suggestions;
    QString language;  // the dictionary's name, as the menu has it
};

struct SpellingAnswer {
    enum Action { Change, Ignore, Add, Stop } action = Stop;
    QString replacement;  // Change: what the word becomes
};

// The editor's own modal dialogs. The window asks through this, so tests answer from a script.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    // Nothing when the user cancels.
    virtual std::optional<ImportChoice> confirmImport(QWidget *owner, const ImportProposal &proposal) = 0;
    // The layout to print or to save as PDF; nothing when the user cancels.
    virtual std::optional<exchange::PrintOptions> choosePrintLayout(QWidget *owner, const exchange::PrintOptions &proposed,
                                                                    bool toPdf) = 0;
    // The system's print dialog for the printer; false when the user cancels.
    virtual bool printerDialog(QWidget *owner, QPrinter &printer) = 0;
    // A pop-up menu of the items at the point (an empty item is a separator, one beginning with
    // "!" is shown without it and cannot be chosen); the index chosen, or nothing.
    virtual std::optional<int> popupMenu(QWidget *owner, const QPoint &globalPos, const QStringList &items) = 0;
    // What to do with one misspelt word of the spelling check.
    virtual SpellingAnswer spellingStep(QWidget *owner, const SpellingQuestion &question) = 0;
};

// The dialogs themselves.
class QtEditorDialogs : public EditorDialogs {
public:
    std::optional<ImportChoice> confirmImport(QWidget *owner, const ImportProposal &proposal) override;
    std::optional<exchange::PrintOptions> choosePrintLayout(QWidget *owner, const exchange::PrintOptions &proposed,
                                                            bool toPdf) override;
    bool printerDialog(QWidget *owner, QPrinter &printer) override;
    std::optional<int> popupMenu(QWidget *owner, const QPoint &globalPos, const QStringList &items) override;
    SpellingAnswer spellingStep(QWidget *owner, const SpellingQuestion &question) override;
};

// One step of the spelling check: the word, its cell, what to change it to, and the choices.
class SpellingDialog : public QDialog {
    Q_OBJECT
public:
    SpellingDialog(const SpellingQuestion &question, QWidget *parent = nullptr);
    SpellingAnswer answer() const { return answer_; }

private:
    SpellingAnswer answer_;
};

// Shows the first rows of the file as they would be read, and lets the user correct the encoding
// and the separator, say which column is the word and which hold meanings, and choose between
// replacing the words and adding to them.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const ImportProposal &proposal, QWidget *parent = nullptr);
    ImportChoice choice() const;

    // The rows the preview shows at most.
    static constexpr int kPreviewRows = 8;

private:
    void refresh();
    void fillColumns(int count);

    ImportProposal proposal_;
    QComboBox *cboTeckenkodning_ = nullptr;
    QComboBox *cboAvgransare_ = nullptr;
    QComboBox *cboGlosa_ = nullptr;
    QListWidget *lstBetydelser_ = nullptr;
    QCheckBox *chkDela_ = nullptr;
    QTableWidget *tblForhandsvisning_ = nullptr;
    QRadioButton *optErsatt_ = nullptr;
    QRadioButton *optLaggTill_ = nullptr;
    QLabel *lblRader_ = nullptr;
    int columnCount_ = -1;
};

// Gloslista, Förhör or Gloskort, and for a test sheet which side is filled in.
class PrintLayoutDialog : public QDialog {
    Q_OBJECT
public:
    PrintLayoutDialog(const exchange::PrintOptions &proposed, bool toPdf, QWidget *parent = nullptr);
    exchange::PrintOptions options() const;

private:
    exchange::PrintOptions proposed_;
    QRadioButton *optGloslista_ = nullptr;
    QRadioButton *optForhor_ = nullptr;
    QRadioButton *optGloskort_ = nullptr;
    QComboBox *cboForhor_ = nullptr;
};

}  // namespace editor
