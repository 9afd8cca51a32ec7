// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QToolButton;

namespace editor {

class GlosTable;

// A row of buttons for the letters a Swedish keyboard lacks, in the language of the table's current
// column: the word column's (language 1) or the meanings' (language 2). A click types the letter in
// the cell, at the cursor of the cell being typed in, else after the text of the current cell,
// which it opens. The buttons never take the focus, so typing goes on where it was.
//
// The same letters come from the keyboard, in a cell and in the table, whether the bar shows or
// not: Ctrl with a mark and then the letter (Ctrl+' e: é), as in word processors. In the table, as
// any typed letter does, the letter starts the cell over.
class SpecialLetterBar : public QWidget {
    Q_OBJECT
public:
    explicit SpecialLetterBar(GlosTable &table, QWidget *parent = nullptr);

    // The dictionary whose letters a column gets. By default the one its language's name means;
    // a window where the teacher may choose the language by hand sets its own, then calls refresh().
    void setDictionaryForColumn(std::function<QString(int column)> dictionaryFor);
    QString dictionaryForColumn(int column) const { return dictionaryFor_(column); }
    // True when the language of the words or of the meanings has letters to offer.
    bool hasLetters() const;

    // Shows the letters of the current column's language again.
    void refresh();
    // Types the letter in the current cell as a click on its button does.
    void insertLetter(QChar letter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The line edit of the cell being typed in, if one is open.
    QLineEdit *openCell() const;
    // Handles a key of a combination in a cell or in the table; true when it took the key.
    bool takeKey(QObject *watched, QEvent *event);
    // Types a letter of the keys where they were typed.
    void typeLetter(QObject *watched, QChar letter);

    GlosTable &table_;
    QWidget *viewport_ = nullptr;
    std::function<QString(int column)> dictionaryFor_;
    QLabel *label_ = nullptr;
    QList<QToolButton *> buttons_;
    QString shownDictionary_;
    // The mark of a combination waiting for its letter; null when none is.
    QChar mark_;
};

}  // namespace editor
