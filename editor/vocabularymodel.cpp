// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabularymodel.h"

#include "texts.h"

#include <QBrush>
#include <QCollator>
#include <QColor>
#include <QLocale>
#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>

namespace editor {

using vocabulary::Document;
using vocabulary::Entry;
using vocabulary::FieldKind;

namespace {

// Replaces rows [at, at + removed) with other rows; its undo puts the removed ones back.
class SpliceCommand : public QUndoCommand {
public:
    SpliceCommand(VocabularyModel &model, int at, std::vector<Entry> removed, std::vector<Entry> inserted,
                  const QString &text, int focusColumn)
        : QUndoCommand(text), model_(model), at_(at), removed_(std::move(removed)), inserted_(std::move(inserted)),
          focusColumn_(focusColumn)
    {
    }

    void redo() override
    {
        model_.splice(at_, static_cast<int>(removed_.size()), inserted_);
        focus(inserted_.size());
    }

    void undo() override
    {
        model_.splice(at_, static_cast<int>(inserted_.size()), removed_);
        focus(removed_.size());
    }

private:
    void focus(std::size_t rows)
    {
        const int last = at_ + std::max(0, static_cast<int>(rows) - 1);
        model_.requestFocus(std::min(at_, model_.rowCount() - 1), focusColumn_, std::min(last, model_.rowCount() - 1));
    }

    VocabularyModel &model_;
    int at_;
    std::vector<Entry> removed_;
    std::vector<Entry> inserted_;
    int focusColumn_;
};

// A language name typed key by key; the keys of one name in a row undo together.
class NameCommand : public QUndoCommand {
public:
    NameCommand(VocabularyModel &model, int which, QString before, QString after)
        : QUndoCommand(languageNameCommand(which)), model_(model), which_(which), before_(std::move(before)),
          after_(std::move(after))
    {
    }

    int id() const override { return 1 + which_; }
    bool mergeWith(const QUndoCommand *other) override
    {
        after_ = static_cast<const NameCommand *>(other)->after_;
        return true;
    }
    void redo() override { model_.applyLanguageName(which_, after_); }
    void undo() override { model_.applyLanguageName(which_, before_); }

private:
    VocabularyModel &model_;
    int which_;
    QString before_;
    QString after_;
};

}  // namespace

VocabularyModel::VocabularyModel(QUndoStack &undo, QObject *parent) : QAbstractTableModel(parent), undo_(undo)
{
    document_.entries.emplace_back();
}

int VocabularyModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(document_.entries.size());
}

int VocabularyModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QString VocabularyModel::cellText(int row, int column) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const Entry &entry = document_.entries[static_cast<std::size_t>(row)];
    return column == 0 ? entry.word : entry.meanings.value(column - 1);
}

FieldKind VocabularyModel::kindOfColumn(int column)
{
    return column == 0 ? FieldKind::Word : FieldKind::Meaning;
}

QVariant VocabularyModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index.row(), index.column());
    case Qt::ToolTipRole: {
        const auto found = warnings_.constFind(index.row());
        return found == warnings_.cend() ? QVariant() : QVariant(found->join(u'\n'));
    }
    case Qt::BackgroundRole:
        return warnings_.contains(index.row()) ? QVariant(QBrush(kWarningBackground)) : QVariant();
    default:
        return {};
    }
}

QVariant VocabularyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section + 1;
        if (role == Qt::ToolTipRole) {
            const auto found = warnings_.constFind(section);
            return found == warnings_.cend() ? QVariant() : QVariant(found->join(u'\n'));
        }
        if (role == Qt::ForegroundRole && warnings_.contains(section))
            return QBrush(QColor(170, 90, 0));
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return document_.sprak1.isEmpty() ? wordHeader() : document_.sprak1;
    const QString name = document_.sprak2.isEmpty() ? meaningHeader() : document_.sprak2;
    return meaningColumnHeader(name, section);
}

Qt::ItemFlags VocabularyModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool VocabularyModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    return setCell(index.row(), index.column(), value.toString());
}

void VocabularyModel::setDocument(Document document)
{
    beginResetModel();
    document_ = std::move(document);
    if (document_.entries.empty())
        document_.entries.emplace_back();
    endResetModel();
    refreshWarnings();
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
    emit languageNamesChanged();
    emit contentChanged();
}

int VocabularyModel::wordCount() const
{
    return static_cast<int>(std::count_if(document_.entries.begin(), document_.entries.end(),
                                          [](const Entry &entry) { return !entry.isEmpty(); }));
}

int VocabularyModel::meaningCount() const
{
    int sum = 0;
    for (const Entry &entry : document_.entries)
        sum += static_cast<int>(entry.meanings.size());
    return sum;
}

void VocabularyModel::splice(int at, int removeCount, const std::vector<Entry> &inserted)
{
    auto &entries = document_.entries;
    const int common = std::min(removeCount, static_cast<int>(inserted.size()));
    for (int i = 0; i < common; ++i)
        entries[static_cast<std::size_t>(at + i)] = inserted[static_cast<std::size_t>(i)];
    if (common > 0)
        emit dataChanged(index(at, 0), index(at + common - 1, kColumns - 1));
    const int more = static_cast<int>(inserted.size()) - common;
    const int fewer = removeCount - common;
    if (more > 0) {
        beginInsertRows({}, at + common, at + common + more - 1);
        entries.insert(entries.begin() + at + common, inserted.begin() + common, inserted.end());
        endInsertRows();
    } else if (fewer > 0) {
        beginRemoveRows({}, at + common, at + common + fewer - 1);
        entries.erase(entries.begin() + at + common, entries.begin() + at + common + fewer);
        endRemoveRows();
    }
    refreshWarnings();
    emit contentChanged();
}

void VocabularyModel::applyLanguageName(int which, const QString &name)
{
    (which == 0 ? document_.sprak1 : document_.sprak2) = name;
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
    emit languageNamesChanged();
    emit contentChanged();
}

bool VocabularyModel::pushSplice(int at, int removeCount, std::vector<Entry> inserted, const QString &text,
                                 int focusColumn)
{
    const auto first = document_.entries.begin() + at;
    std::vector<Entry> removed(first, first + removeCount);
    if (removed == inserted)
        return false;
    undo_.push(new SpliceCommand(*this, at, std::move(removed), std::move(inserted), text, focusColumn));
    return true;
}

void VocabularyModel::refreshWarnings()
{
    warnings_.clear();
    for (const vocabulary::Warning &warning : vocabulary::warnings(document_)) {
        if (warning.row > 0)  // the language names' are the window's
            warnings_[warning.row - 1].append(warning.text);
    }
    if (const auto problem = vocabulary::firstProblem(document_); problem && problem->row > 0)
        warnings_[problem->row - 1].prepend(problem->text);
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

bool VocabularyModel::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumns)
        return false;
    if (const auto refusal = vocabulary::firstRefused(text, kindOfColumn(column))) {
        emit refused(refusal->reason);
        return false;
    }
    Entry entry = document_.entries[static_cast<std::size_t>(row)];
    if (column == 0)
        entry.word = text;
    else
        vocabulary::setMeaning(entry.meanings, column - 1, text);
    return pushSplice(row, 1, {entry}, typeInRowCommand(row + 1), column) || cellText(row, column) == text;
}

bool VocabularyModel::setLanguageName(int which, const QString &name)
{
    const QString &current = which == 0 ? document_.sprak1 : document_.sprak2;
    if (name == current)
        return false;
    if (const auto refusal = vocabulary::firstRefused(name, which == 0 ? FieldKind::Language1 : FieldKind::Language2)) {
        emit refused(refusal->reason);
        return false;
    }
    undo_.push(new NameCommand(*this, which, current, name));
    return true;
}

bool VocabularyModel::insertEmptyRow(int row)
{
    if (rowCount() >= vocabulary::kMaxWords) {
        emit refused(vocabulary::tooManyWordsText());
        return false;
    }
    row = std::clamp(row, 0, rowCount());
    pushSplice(row, 0, {Entry{}}, insertRowCommand(), 0);
    return true;
}

bool VocabularyModel::removeRowSet(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < 0 || r >= rowCount(); }),
               rows.end());
    if (rows.isEmpty())
        return false;
    const int first = rows.constFirst();
    const int last = rows.constLast();
    std::vector<Entry> kept;
    for (int r = first; r <= last; ++r) {
        if (!std::binary_search(rows.begin(), rows.end(), r))
            kept.push_back(document_.entries[static_cast<std::size_t>(r)]);
    }
    // The table keeps one row to type in.
    if (kept.empty() && first == 0 && last == rowCount() - 1)
        kept.emplace_back();
    pushSplice(first, last - first + 1, std::move(kept), removeRowsCommand(), 0);
    return true;
}

bool VocabularyModel::moveRowRange(int first, int last, int delta)
{
    if (first < 0 || last < first || last >= rowCount() || (delta != -1 && delta != 1))
        return false;
    if (first + delta < 0 || last + delta >= rowCount())
        return false;
    const int from = std::min(first, first + delta);
    const int to = std::max(last, last + delta);
    std::vector<Entry> moved(document_.entries.begin() + from, document_.entries.begin() + to + 1);
    if (delta < 0)
        std::rotate(moved.begin(), moved.begin() + 1, moved.end());
    else
        std::rotate(moved.begin(), moved.end() - 1, moved.end());
    // Rows alike move without a change; the cursor still goes with them.
    pushSplice(from, to - from + 1, std::move(moved), delta < 0 ? moveUpCommand() : moveDownCommand(), 0);
    return true;
}

bool VocabularyModel::sortByColumn(int column)
{
    QCollator collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<Entry> sorted = document_.entries;
    const auto key = [column](const Entry &entry) { return column == 0 ? entry.word : entry.meanings.value(0); };
    // Rows without the key, and empty rows last of all, keep their order.
    std::stable_sort(sorted.begin(), sorted.end(), [&](const Entry &a, const Entry &b) {
        if (a.isEmpty() != b.isEmpty())
            return b.isEmpty();
        const QString ka = key(a);
        const QString kb = key(b);
        if (ka.isEmpty() != kb.isEmpty())
            return kb.isEmpty();
        return collator.compare(ka, kb) < 0;
    });
    return pushSplice(0, rowCount(), std::move(sorted), column == 0 ? sortByWordCommand() : sortByMeaningCommand(),
                      column);
}

bool VocabularyModel::pasteCells(int row, int column, const QList<QStringList> &pasted)
{
    if (pasted.isEmpty() || row < 0 || column < 0 || column >= kColumns)
        return false;
    row = std::min(row, rowCount());
    const PasteFit fit = fitPaste(pasted, row, column);
    if (fit.nothingLeft) {
        emit refused(nothingPastedText(fit.firstReason));
        return false;
    }
    const QList<QStringList> &cells = fit.cells;
    const int existing = std::min(static_cast<int>(cells.size()), rowCount() - row);
    std::vector<Entry> rows;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        Entry entry = i < existing ? document_.entries[static_cast<std::size_t>(row + i)] : Entry{};
        for (qsizetype j = 0; j < cells[i].size(); ++j) {
            const int c = column + static_cast<int>(j);
            if (c == 0)
                entry.word = cells[i][j];
            else
                vocabulary::setMeaning(entry.meanings, c - 1, cells[i][j]);
        }
        rows.push_back(std::move(entry));
    }
    pushSplice(row, existing, std::move(rows), pasteCommand(), column);
    if (!fit.note.isEmpty())
        emit refused(fit.note);
    return true;
}

bool VocabularyModel::importRows(const QString &sprak1, const QString &sprak2, const QList<QStringList> &rows,
                                 bool append)
{
    int at = 0;
    if (append) {
        at = rowCount();
        while (at > 0 && document_.entries[static_cast<std::size_t>(at - 1)].isEmpty())
            --at;
    }
    if (at >= vocabulary::kMaxWords) {
        emit refused(noWordsImportedText(vocabulary::tooManyWordsText()));
        return false;
    }
    const PasteFit fit = fitPaste(rows, at, 0, true);
    std::vector<Entry> entries;
    for (const QStringList &cells : fit.cells) {
        Entry entry;
        for (qsizetype j = 0; j < cells.size(); ++j) {
            if (j == 0)
                entry.word = cells[j];
            else
                vocabulary::setMeaning(entry.meanings, static_cast<int>(j - 1), cells[j]);
        }
        // A row whose every character was left out is no word of the file's.
        if (!entry.word.isEmpty() || !entry.meanings.join(QString()).isEmpty())
            entries.push_back(std::move(entry));
    }
    if (entries.empty()) {
        emit refused(fit.nothingLeft ? nothingImportedRefusal(fit.firstReason) : noWordsInFileText());
        return false;
    }
    const QString names[] = {vocabulary::withoutRefused(sprak1, FieldKind::Language1),
                             vocabulary::withoutRefused(sprak2, FieldKind::Language2)};
    undo_.beginMacro(importStep());
    for (int which = 0; which < 2; ++which) {
        const QString &current = which == 0 ? document_.sprak1 : document_.sprak2;
        // A spreadsheet has no language names: the table keeps its own then.
        if (!names[which].isEmpty() && (!append || current.isEmpty()))
            setLanguageName(which, names[which]);
    }
    pushSplice(at, rowCount() - at, std::move(entries), importStep(), 0);
    undo_.endMacro();
    if (!fit.note.isEmpty())
        emit refused(fit.note);
    return true;
}

PasteFit fitPaste(const QList<QStringList> &pasted, int row, int column, bool imported)
{
    const QString notTaken = notTakenText(imported);
    using vocabulary::kMaxWords;
    PasteFit fit;
    const int columns = VocabularyModel::kColumns;
    column = std::clamp(column, 0, columns - 1);
    row = std::clamp(row, 0, kMaxWords - 1);
    const qsizetype lines = std::min<qsizetype>(pasted.size(), kMaxWords - row);
    bool anyText = false;
    bool textLeft = false;
    for (qsizetype i = 0; i < lines; ++i) {
        QStringList line = pasted[i];
        const int tableRow = row + static_cast<int>(i) + 1;
        // A spreadsheet range, or a row copied from this table, carries empty cells at its right end;
        // those beyond the last column hold nothing and are no loss.
        while (column + line.size() > columns && !line.isEmpty() && line.back().isEmpty())
            line.removeLast();
        if (column + line.size() > columns) {
            for (qsizetype j = columns - column; j < line.size(); ++j)
                anyText = anyText || !line[j].isEmpty();
            line = line.mid(0, columns - column);
            if (fit.note.isEmpty()) {
                fit.firstReason = vocabulary::tooManyMeaningsText();
                fit.note = tooManyMeaningsNote(tableRow, vocabulary::kMaxMeanings, notTaken);
            }
        }
        for (qsizetype j = 0; j < line.size(); ++j) {
            std::optional<vocabulary::Refusal> refusal;
            QString kept = vocabulary::withoutRefused(line[j],
                                                      VocabularyModel::kindOfColumn(column + static_cast<int>(j)),
                                                      &refusal);
            anyText = anyText || !line[j].isEmpty();
            textLeft = textLeft || !kept.isEmpty();
            if (refusal && fit.note.isEmpty()) {
                fit.firstReason = refusal->reason;
                fit.note = leftOutNote(tableRow, refusal->leftOut);
            }
            line[j] = std::move(kept);
        }
        fit.cells.append(line);
    }
    if (lines < pasted.size()) {
        const qsizetype dropped = pasted.size() - lines;
        for (qsizetype i = lines; i < pasted.size(); ++i)
            anyText = anyText || !pasted[i].join(QString()).isEmpty();
        if (fit.note.isEmpty()) {
            fit.firstReason = vocabulary::tooManyWordsText();
            fit.note = fit.firstReason + droppedRowsNote(dropped, notTaken);
        }
    }
    fit.nothingLeft = anyText && !textLeft;
    return fit;
}

bool VocabularyModel::clearCells(const QModelIndexList &cells, const QString &commandText)
{
    if (cells.isEmpty())
        return false;
    int first = rowCount();
    int last = -1;
    for (const QModelIndex &cell : cells) {
        first = std::min(first, cell.row());
        last = std::max(last, cell.row());
    }
    if (first < 0 || last >= rowCount())
        return false;
    std::vector<Entry> rows(document_.entries.begin() + first, document_.entries.begin() + last + 1);
    for (const QModelIndex &cell : cells) {
        Entry &entry = rows[static_cast<std::size_t>(cell.row() - first)];
        if (cell.column() == 0)
            entry.word.clear();
        else
            vocabulary::setMeaning(entry.meanings, cell.column() - 1, QString());
    }
    return pushSplice(first, last - first + 1, std::move(rows), commandText, 0);
}

}  // namespace editor
