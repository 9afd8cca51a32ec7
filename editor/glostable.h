// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spelling/speller.h"

#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace editor {

// The cell editor: a line edit with the validator of its column. Enter commits the cell and moves
// on at once, as Tab does. Words the column's speller does not know get a red wave, in the table
// and while the cell is being typed in.
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellDelegate(std::function<void(const QString &)> onRefused, QObject *parent = nullptr)
        : QStyledItemDelegate(parent), onRefused_(std::move(onRefused))
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The misspelt words of a text in a column; none when not set.
    std::function<QList<spelling::WordRange>(int column, QStringView text)> misspelt;

    // An event filter every cell editor gets, for the keys the window shares with its text fields.
    void setEditorKeys(QObject *filter) { editorKeys_ = filter; }

signals:
    void enterPressed();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    std::function<void(const QString &)> onRefused_;
    QObject *editorKeys_ = nullptr;
};

// The table, moving like a spreadsheet: typing starts editing the cell and replaces its text, F2
// and a double-click open it with the cursor after its text; Tab goes to the next cell and on to
// the next row, Enter goes to the word of the next row; past the last row both start a new one.
class GlosTable : public QTableView {
    Q_OBJECT
public:
    explicit GlosTable(QWidget *parent = nullptr);

    // Asked for a new row after the last; true when there is one.
    std::function<bool()> addRow;

    // Asked for the spelling menu of a cell: by the mouse at the point, or by the keyboard.
    std::function<void(const QModelIndex &index, const QPoint &globalPos)> spellingMenu;

    // To the word of the next row, making one after the last.
    void moveToNextRow();
    // Puts what is being typed in a cell into the table, so that a command sees it.
    void finishEditing();

    using QTableView::edit;

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

}  // namespace editor
