// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "glosor.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vocabulary {

// One row of a vocabulary being edited: a word and its meanings, none to four. Meanings are kept
// as they are, an empty one included (the loader gives one for "$$"), so that an untouched file
// is written back as it was read.
struct Entry {
    QString word;
    QStringList meanings;

    // Nothing typed in it at all: such a row is left out of the file.
    bool isEmpty() const { return word.isEmpty() && meanings.isEmpty(); }
    bool operator==(const Entry &) const = default;
};

// A vocabulary being edited: the language names and the rows, empty ones included.
struct Document {
    QString sprak1;
    QString sprak2;
    std::vector<Entry> entries;

    bool operator==(const Document &) const = default;
};

Document toDocument(const Glosor &glosor);
// The vocabulary as it goes into the file: rows that are wholly empty are left out.
Glosor toGlosor(const Document &document);

// Sets meaning `index` (0 to 3) of the list as a table cell would: a text beyond the last meaning
// adds empty ones before it; emptying the last meanings takes them away.
void setMeaning(QStringList &meanings, int index, const QString &text);

enum class FieldKind { Word, Meaning, Language1, Language2 };

// A character that a field of its kind cannot hold in the file.
struct Refusal {
    qsizetype position = 0;  // in the text
    QString character;       // the character, as it reads
    QString reason;          // a short explanation in Swedish
    QString leftOut;         // the same, said of text it was left out of: "tecknet $ togs bort, eftersom ..."
};

// The first character the format cannot hold in such a field: a double quote anywhere, a line
// break anywhere, "$" in a meaning, "-" or "]" in a language name.
std::optional<Refusal> firstRefused(QStringView text, FieldKind kind);

// The text without every character firstRefused would refuse, as far as a field of its kind can
// hold it; the first of those left out, if any, goes to `first`.
QString withoutRefused(QStringView text, FieldKind kind, std::optional<Refusal> *first = nullptr);

// What a user is told when the table would pass its limits.
QString tooManyWordsText();
QString tooManyMeaningsText();

// A problem that stops saving, pointing at its row (0 for the language names, else 1 and up) and
// column (0 the word, 1 to 4 the meanings).
struct Problem {
    int row = 0;
    int column = 0;
    QString text;
};

std::optional<Problem> firstProblem(const Document &document);

// Something that does not stop saving but that the pupil would notice.
enum class WarningKind {
    EmptyLanguage1, // the trainer shows an empty name where the language of the words belongs
    EmptyLanguage2, // ... and of the meanings
    NoMeaning,      // counted as a word, never asked
    EmptyWord,      // asked, but the answer is an empty text
    EmptyMeaning,   // asked with an empty prompt
    SharedMeaning,  // the same meaning under two different words: the pupil cannot tell which is asked
};

struct Warning {
    WarningKind kind;
    int row = 0;       // 0 for the language names, else 1 and up
    int otherRow = 0;  // SharedMeaning: the earlier row with the meaning
    QString meaning;   // SharedMeaning: the meaning
    QString text;      // in Swedish, beginning with the row or the language
};

// The language names first, then the rows in order. A document with nothing in it yet, no name
// and no word, has none.
std::vector<Warning> warnings(const Document &document);

// Why a document cannot be written as Windows-1252: the first character without a byte there, or
// the first row whose bytes would be read back as UTF-8 and so as other characters.
struct Windows1252Misfit {
    int row = 0;        // 0 for the language names, else 1 and up
    QString character;  // the character that does not fit; empty when the row would be misread
};

std::optional<Windows1252Misfit> windows1252Misfit(const Document &document);

}  // namespace vocabulary
