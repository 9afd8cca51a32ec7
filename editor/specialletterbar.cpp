// SPDX-License-Identifier: GPL-3.0-or-later
#include "specialletterbar.h"

#include "glostable.h"
#include "spelling/languages.h"
#include "spelling/specialletters.h"
#include "texts.h"
#include "vocabularymodel.h"

#include <QApplication>
#include <QChildEvent>
#include <QLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <utility>

namespace editor {

namespace {

// The language of a dictionary as the menus name it, without its country: "Engelska".
QString languageName(const QString &dictionary)
{
    const QStringView language = QStringView(dictionary).left(dictionary.indexOf(u'_'));
    for (const spelling::DictionaryChoice &choice : spelling::dictionaryChoices()) {
        if (QStringView(choice.code).startsWith(language) && choice.code.indexOf(u'_') == language.size())
            return choice.displayName.section(QStringLiteral(" ("), 0, 0);
    }
    return dictionary;
}

// The label and the buttons, left to right, going on in a new line where the window is too narrow
// for them all: French has 32 letters, and the bar must not make the window wider than it was.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget *parent) : QLayout(parent)
    {
        setContentsMargins(0, 0, 0, 0);
        setSpacing(0);
    }
    ~FlowLayout() override
    {
        while (QLayoutItem *item = takeAt(0))
            delete item;
    }

    void addItem(QLayoutItem *item) override { items_.append(item); }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem *itemAt(int index) const override { return items_.value(index); }
    QLayoutItem *takeAt(int index) override
    {
        return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
    }
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    void setGeometry(const QRect &rect) override
    {
        QLayout::setGeometry(rect);
        arrange(rect, true);
    }
    // Wide enough that only the spacers break the lines.
    QSize sizeHint() const override
    {
        int width = 0;
        int x = 0;
        int indent = -1;
        for (QLayoutItem *item : items_) {
            if (item->spacerItem()) {
                x = std::max(indent, 0);
                continue;
            }
            if (item->isEmpty())
                continue;
            x += item->sizeHint().width();
            if (indent < 0)
                indent = x;
            width = std::max(width, x);
        }
        return QSize(width, heightForWidth(width));
    }
    // At the worst, one item a line, under the first.
    QSize minimumSize() const override
    {
        QSize widest;
        for (qsizetype i = 1; i < items_.size(); ++i) {
            if (!items_[i]->isEmpty())
                widest = widest.expandedTo(items_[i]->sizeHint());
        }
        const QSize first = items_.isEmpty() ? QSize() : items_.front()->sizeHint();
        return QSize(std::max(first.width(), first.width() + widest.width()),
                     std::max(first.height(), widest.height()));
    }

private:
    // Puts the items in lines, each vertically in the middle of its line, when `place`; the height
    // the lines take in any case. A line after the first starts under the second item, so that the
    // first (the label) stands alone at the left. A spacer starts a new line: the capitals go under
    // the small letters.
    int arrange(const QRect &rect, bool place) const
    {
        struct Placed {
            QLayoutItem *item;
            int x;
        };
        QList<Placed> line;
        int x = rect.x();
        int y = rect.y();
        int lineHeight = 0;
        int indent = 0;
        const auto endLine = [&] {
            if (place) {
                for (const Placed &placed : line) {
                    const QSize size = placed.item->sizeHint();
                    placed.item->setGeometry(QRect(QPoint(placed.x, y + (lineHeight - size.height()) / 2), size));
                }
            }
            y += lineHeight;
            line.clear();
            lineHeight = 0;
            x = rect.x() + indent;
        };
        for (QLayoutItem *item : items_) {
            if (item->spacerItem()) {
                if (!line.isEmpty())
                    endLine();
                continue;
            }
            if (item->isEmpty())
                continue;
            const QSize size = item->sizeHint();
            if (!line.isEmpty() && x + size.width() > rect.x() + rect.width())
                endLine();
            line.append({item, x});
            x += size.width();
            lineHeight = std::max(lineHeight, size.height());
            if (indent == 0 && line.size() == 1 && y == rect.y())
                indent = std::min(size.width(), rect.width() / 2);
        }
        if (!line.isEmpty())
            endLine();
        return y - rect.y();
    }

    QList<QLayoutItem *> items_;
};

// Held alone, these only wait for the key they modify; they neither make nor break a combination.
bool isModifierKey(int key)
{
    return (key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock) || key == Qt::Key_AltGr || key == Qt::Key_Super_L
           || key == Qt::Key_Super_R || key == Qt::Key_Hyper_L || key == Qt::Key_Hyper_R;
}

// The letters of the column's language that a cell of the column can hold in the file; the format
// refuses none of them today, but a letter it refused must not be offered to be refused.
QList<spelling::SpecialLetter> offeredLetters(const QString &dictionary, int column)
{
    QList<spelling::SpecialLetter> offered;
    for (const spelling::SpecialLetter &letter : spelling::specialLetters(dictionary)) {
        if (!vocabulary::firstRefused(QString(letter.letter), VocabularyModel::kindOfColumn(column)))
            offered.append(letter);
    }
    return offered;
}

}  // namespace

SpecialLetterBar::SpecialLetterBar(GlosTable &table, QWidget *parent) : QWidget(parent), table_(table)
{
    setObjectName(QStringLiteral("barSpecialtecken"));
    auto *layout = new FlowLayout(this);
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("lblSpecialtecken"));
    label_->setContentsMargins(0, 0, 6, 0);
    // As high as a button, so that the table below stays where it is when the buttons go.
    QToolButton probe(this);
    probe.setAutoRaise(true);
    probe.setText(QStringLiteral("É"));
    label_->setMinimumHeight(probe.sizeHint().height());
    layout->addWidget(label_);

    dictionaryFor_ = [this](int column) {
        const auto *model = qobject_cast<const VocabularyModel *>(table_.model());
        if (!model)
            return QString();
        return spelling::dictionaryForLanguage(column == 0 ? model->document().sprak1 : model->document().sprak2);
    };
    // The table's header shows the language names: a new name changes it.
    connect(table_.model(), &QAbstractItemModel::headerDataChanged, this, &SpecialLetterBar::refresh);
    connect(table_.model(), &QAbstractItemModel::modelReset, this, &SpecialLetterBar::refresh);
    connect(table_.selectionModel(), &QItemSelectionModel::currentChanged, this, &SpecialLetterBar::refresh);
    // The keys work in the table and in every cell editor. The editors are the delegate's, made when
    // a cell opens and put in the table's viewport; the bar watches that for them, so that the
    // delegate need not know the bar.
    viewport_ = table_.viewport();
    table_.installEventFilter(this);
    viewport_->installEventFilter(this);
    refresh();
}

void SpecialLetterBar::setDictionaryForColumn(std::function<QString(int column)> dictionaryFor)
{
    dictionaryFor_ = std::move(dictionaryFor);
}

bool SpecialLetterBar::hasLetters() const
{
    return !offeredLetters(dictionaryFor_(0), 0).isEmpty() || !offeredLetters(dictionaryFor_(1), 1).isEmpty();
}

void SpecialLetterBar::refresh()
{
    const QModelIndex current = table_.currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    const QString dictionary = dictionaryFor_(column);
    const QList<spelling::SpecialLetter> letters = offeredLetters(dictionary, column);

    QString text;
    if (!letters.isEmpty())
        text = lettersCaption(languageName(dictionary));
    else if (!dictionary.isEmpty())
        text = noLettersForText(languageName(dictionary).toLower());
    else
        text = noLettersText();
    label_->setText(text);
    // Room for the small letters and the capitals whichever column is current, so that the table
    // does not jump as the cursor goes from the words to the meanings.
    setMinimumHeight(hasLetters() ? 2 * label_->minimumHeight() : 0);

    QList<QChar> shown;
    for (const QToolButton *button : std::as_const(buttons_))
        shown.append(button->text().front());
    QList<QChar> wanted;
    for (const spelling::SpecialLetter &letter : letters)
        wanted.append(letter.letter);
    if (shown == wanted)
        return;

    qDeleteAll(buttons_);
    buttons_.clear();
    while (QLayoutItem *gap = layout()->takeAt(1))
        delete gap;
    for (const spelling::SpecialLetter &letter : letters) {
        // The capitals in a line of their own, each under its small letter.
        if (!buttons_.isEmpty() && letter.letter.isUpper() && !buttons_.constLast()->text().front().isUpper())
            layout()->addItem(new QSpacerItem(0, 0));
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("cmdTecken_%1").arg(buttons_.size()));
        button->setText(QString(letter.letter));
        button->setToolTip(letterToolTip(letter.letter, spelling::keysText(letter)));
        button->setAutoRaise(true);
        // The cell keeps the focus, so that typing goes on after the letter.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, ch = letter.letter] { insertLetter(ch); });
        layout()->addWidget(button);
        buttons_.append(button);
    }
    // All as wide as the widest letter and a margin, whatever the style's own tool buttons take (the
    // Windows style's are far wider): a narrow letter (í, ¡) must not make a narrow target, the row
    // reads as one, and 16 letters fit beside the label in a window of the editor's first size.
    int width = 0;
    for (const QToolButton *button : std::as_const(buttons_))
        width = std::max(width, button->fontMetrics().horizontalAdvance(button->text()));
    width += fontMetrics().height() / 2 + 2;
    for (QToolButton *button : std::as_const(buttons_))
        button->setFixedWidth(width);
    // The label no higher than a button, so that the capitals' line follows the small letters'.
    if (!buttons_.isEmpty())
        label_->setMinimumHeight(buttons_.front()->sizeHint().height());
}

QLineEdit *SpecialLetterBar::openCell() const
{
    // The table lists a cell's editor there for as long as it is open.
    return qobject_cast<QLineEdit *>(table_.indexWidget(table_.currentIndex()));
}

void SpecialLetterBar::insertLetter(QChar letter)
{
    const QModelIndex current = table_.currentIndex();
    if (!current.isValid())
        return;
    QLineEdit *cell = openCell();
    if (!cell) {
        // As F2 opens it: the text stays, the letter goes after it.
        table_.edit(current);
        cell = openCell();
        if (!cell)
            return;
        cell->deselect();
        cell->setCursorPosition(static_cast<int>(cell->text().size()));
    }
    cell->insert(QString(letter));
}

bool SpecialLetterBar::eventFilter(QObject *watched, QEvent *event)
{
    // Compared by address only: the table may be on its way out, no longer a table, when the last of
    // its events come here.
    if (watched == viewport_) {
        if (event->type() == QEvent::ChildAdded) {
            if (QObject *child = static_cast<QChildEvent *>(event)->child(); child && child->isWidgetType())
                child->installEventFilter(this);
        }
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        return takeKey(watched, event);
    case QEvent::FocusOut:
        // A mark is for the next key typed where it was typed.
        mark_ = QChar();
        break;
    default:
        break;
    }
    return false;
}

bool SpecialLetterBar::takeKey(QObject *watched, QEvent *event)
{
    auto *key = static_cast<QKeyEvent *>(event);
    auto *cell = qobject_cast<QLineEdit *>(watched);
    if ((watched != &table_ && !cell) || isModifierKey(key->key()))
        return false;
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::MetaModifier)) {
        const QChar mark = spelling::markOfKey(key->key(), key->text(), modifiers & Qt::AltModifier);
        if (!mark.isNull()) {
            // No command of the window may take the key first.
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            mark_ = QChar();
            if (const QChar alone = spelling::combinedLetter(mark, QChar()); !alone.isNull())
                typeLetter(watched, alone);
            else
                mark_ = mark;
            return true;
        }
    }
    if (mark_.isNull() || event->type() == QEvent::ShortcutOverride)
        return false;
    const QChar mark = std::exchange(mark_, QChar());
    if (key->key() == Qt::Key_Escape)
        return true;  // the combination is given up, the cell stays open
    const QString text = key->text();
    const QChar letter = text.size() == 1 ? spelling::combinedLetter(mark, text.front()) : QChar();
    if (letter.isNull())
        return false;  // no such letter: the key types what it always does
    typeLetter(watched, letter);
    return true;
}

void SpecialLetterBar::typeLetter(QObject *watched, QChar letter)
{
    if (auto *cell = qobject_cast<QLineEdit *>(watched)) {
        cell->insert(QString(letter));
        return;
    }
    // In the table the letter goes as any typed key does: it opens the cell and starts it over.
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(&table_, &typed);
}

}  // namespace editor
