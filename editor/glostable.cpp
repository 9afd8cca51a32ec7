// SPDX-License-Identifier: GPL-3.0-or-later
#include "glostable.h"

#include "fieldvalidator.h"
#include "spellcheck.h"
#include "vocabularymodel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace editor {

QWidget *CellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setValidator(new FieldValidator(VocabularyModel::kindOfColumn(index.column()), onRefused_, edit));
    if (editorKeys_)
        edit->installEventFilter(editorKeys_);
    if (misspelt) {
        // Only this cell is checked while it is typed in.
        const int column = index.column();
        connect(edit, &QLineEdit::textChanged, edit, [this, edit, column](const QString &text) {
            underlineInEditor(*edit, misspelt(column, text));
        });
    }
    return edit;
}

void CellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!misspelt)
        return;
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    paintMisspellings(*painter, item, misspelt(index.column(), item.text));
}

bool CellDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *editor = qobject_cast<QWidget *>(object);
        if (editor && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit enterPressed();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

GlosTable::GlosTable(QWidget *parent) : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(true);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as high as a line of text and the cell editor's margins, so that many words show at once.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
}

void GlosTable::contextMenuEvent(QContextMenuEvent *event)
{
    if (!spellingMenu)
        return QTableView::contextMenuEvent(event);
    // The mouse points at a cell; the keyboard means the current one.
    QModelIndex index = currentIndex();
    QPoint where = viewport()->mapToGlobal(visualRect(index).bottomLeft());
    if (event->reason() == QContextMenuEvent::Mouse) {
        index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
        where = event->globalPos();
        if (index.isValid())
            setCurrentIndex(index);
    }
    if (index.isValid())
        spellingMenu(index, where);
}

void GlosTable::moveToNextRow()
{
    if (!model())
        return;
    const int next = currentIndex().isValid() ? currentIndex().row() + 1 : 0;
    if (next >= model()->rowCount() && !(addRow && addRow()))
        return;
    const QModelIndex target = model()->index(std::min(next, model()->rowCount() - 1), 0);
    setCurrentIndex(target);
    scrollTo(target);
    // The closed cell editor hands the focus back only when its window is the active one; typing
    // goes on in the table in any case.
    setFocus();
}

void GlosTable::finishEditing()
{
    if (state() != EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool GlosTable::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool editing = QTableView::edit(index, trigger, event);
    // The toolkit selects the whole text of a cell it opens, so that typing replaces it. That is
    // right when a key opened it; F2 and a double-click mean to go on with the text as it stands.
    if (editing && (trigger == EditKeyPressed || trigger == DoubleClicked)) {
        if (auto *line = qobject_cast<QLineEdit *>(indexWidget(index))) {
            line->deselect();
            line->setCursorPosition(static_cast<int>(line->text().size()));
        }
    }
    return editing;
}

void GlosTable::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
    if (state() != EditingState && plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        moveToNextRow();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex GlosTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if (model() && current.isValid()) {
        const int lastColumn = model()->columnCount() - 1;
        if (action == MoveNext && current.column() == lastColumn) {
            if (current.row() + 1 >= model()->rowCount() && !(addRow && addRow()))
                return current;
            return model()->index(std::min(current.row() + 1, model()->rowCount() - 1), 0);
        }
        if (action == MovePrevious && current.column() == 0)
            return current.row() == 0 ? current : model()->index(current.row() - 1, lastColumn);
    }
    return QTableView::moveCursor(action, modifiers);
}

}  // namespace editor
