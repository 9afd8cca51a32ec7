// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/rules.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QList>
#include <QStringList>
#include <vector>

class QUndoStack;

namespace editor {

// What of a block of pasted cells the table can take, put at a row and a column: the characters a
// cell of its column cannot hold are left out of it, and so are cells beyond the last column and
// lines beyond the last row the table may have. The note says what was left out first, and where
// (empty when nothing was); nothingLeft when there was text but none of it is left.
struct PasteFit {
    QList<QStringList> cells;
    QString note;
    QString firstReason;
    bool nothingLeft = false;
};

// `imported`: the note speaks of an import, not of a paste.
PasteFit fitPaste(const QList<QStringList> &pasted, int row, int column, bool imported = false);

// The vocabulary being edited, as a table: column 0 the word, columns 1 to 4 the meanings. Every
// change goes through the undo stack; a typed change that would break the file format or its
// limits is refused whole, a paste loses only what does not fit, and refused() says why.
class VocabularyModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 1 + vocabulary::kMaxMeanings;
    // The background of a row with a warning; the window marks an empty language name's field with it too.
    static constexpr QColor kWarningBackground{255, 243, 205};

    explicit VocabularyModel(QUndoStack &undo, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    const vocabulary::Document &document() const { return document_; }
    // Starts over with another document; the caller clears the undo stack. The table always has at
    // least one row to type in.
    void setDocument(vocabulary::Document document);

    QString cellText(int row, int column) const;
    static vocabulary::FieldKind kindOfColumn(int column);

    // Words (rows that are not wholly empty) and meanings, as they would be saved.
    int wordCount() const;
    int meaningCount() const;
    // The warnings of the rows, 0-based row to its texts.
    const QHash<int, QStringList> &rowWarnings() const { return warnings_; }

    // Undoable changes; false when nothing changed.
    bool setCell(int row, int column, const QString &text);
    bool setLanguageName(int which, const QString &name);  // 0 language 1, 1 language 2
    bool insertEmptyRow(int row);
    bool removeRowSet(QList<int> rows);
    bool moveRowRange(int first, int last, int delta);
    bool sortByColumn(int column);
    // Pastes what fitPaste leaves of the cells, and says through refused() what it left out. False,
    // with nothing changed, when nothing was left to paste.
    bool pasteCells(int row, int column, const QList<QStringList> &pasted);
    bool clearCells(const QModelIndexList &cells, const QString &commandText);
    // Puts the rows of an imported file in the table as one undoable step: in place of all rows, or
    // after the last row that holds anything. The file's language names replace the table's, or,
    // when adding, fill only names the table lacks. What does not fit is left out as a paste leaves
    // it, and refused() says what and on which row. False, with nothing changed, when nothing at
    // all could be taken; refused() then says why.
    bool importRows(const QString &sprak1, const QString &sprak2, const QList<QStringList> &rows, bool append);

    // Used by the undo commands.
    void splice(int at, int removeCount, const std::vector<vocabulary::Entry> &inserted);
    void applyLanguageName(int which, const QString &name);
    void requestFocus(int row, int column, int lastRow) { emit focusRequested(row, column, lastRow); }

signals:
    void refused(const QString &why);
    // Where the cursor belongs after a change, or its undo: a cell, and the last row to select.
    void focusRequested(int row, int column, int lastRow);
    void languageNamesChanged();
    void contentChanged();

private:
    // False when the rows are already as asked, and nothing is pushed.
    bool pushSplice(int at, int removeCount, std::vector<vocabulary::Entry> inserted, const QString &text,
                    int focusColumn);
    void refreshWarnings();

    QUndoStack &undo_;
    vocabulary::Document document_;
    QHash<int, QStringList> warnings_;
};

}  // namespace editor
