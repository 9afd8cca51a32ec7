// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spelling/languagechoices.h"
#include "spelling/speller.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QLineEdit;
class QPainter;
class QStyleOptionViewItem;
class QWidget;

namespace editor {

// The table's spelling: which speller each column asks (the word column language 1's, the meaning
// columns language 2's) and the red wave under what it does not know.
class SpellingSupport {
public:
    // Dictionaries are looked for in the folders in order; the user's own words are kept in
    // personalFolder and the hand-chosen languages in settingsFile (neither kept when empty).
    SpellingSupport(const QStringList &dictionaryFolders, const QString &personalFolder, const QString &settingsFile);

    void setLanguageNames(const QString &sprak1, const QString &sprak2);
    QString languageName(int which) const { return names_[which]; }
    // The dictionary code the column is checked with; empty when it is not checked.
    QString dictionaryForColumn(int column) const;
    spelling::Speller &spellerForColumn(int column);
    QList<spelling::WordRange> misspelt(int column, QStringView text);

    spelling::LanguageChoices &choices() { return choices_; }

private:
    spelling::Spellers spellers_;
    spelling::LanguageChoices choices_;
    QString names_[2];
};

// The red wave under each range of the text, where the item view draws the text of a cell.
void paintMisspellings(QPainter &painter, const QStyleOptionViewItem &option, const QList<spelling::WordRange> &ranges);

// Marks the ranges in a line being typed in with the same wave, without touching its text.
void underlineInEditor(QLineEdit &edit, const QList<spelling::WordRange> &ranges);

// The text with the range replaced.
QString replaced(const QString &text, const spelling::WordRange &range, const QString &with);

}  // namespace editor
