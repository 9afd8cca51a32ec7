// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "personalwords.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <map>
#include <memory>
#include <optional>

namespace spelling {

// Where a word lies in a cell's text, in UTF-16 units, as a delegate underlines it.
struct WordRange {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const WordRange &, const WordRange &) = default;
};

// The words of a cell's text: runs of letters, with an apostrophe or a hyphen inside one ("don't",
// "e-post") belonging to it. Numbers are no words, nor is anything with a digit in it ("mp3", "1900-talet"):
// no dictionary has them and underlining them would help no one.
QList<WordRange> splitWords(QStringView text);

class WordChecker;

// The spelling of one language. The dictionary is loaded the first time a word is asked about; a
// language whose dictionary is missing checks nothing, so every word counts as right. Words the user
// added to the personal list or chose to ignore count as right too.
class Speller {
public:
    // A speller that checks nothing, for a language no dictionary is known for.
    Speller();
    // The dictionary <code> from the first of the folders that has it, and the user's own words kept in
    // personalFolder (none kept when it is empty).
    Speller(const QString &code, const QStringList &dictionaryFolders, const QString &personalFolder);
    ~Speller();
    Speller(const Speller &) = delete;
    Speller &operator=(const Speller &) = delete;

    QString code() const { return code_; }
    // Whether words are checked at all: a dictionary was found and loaded (which this does if needed).
    bool checks();
    // Why nothing is checked, for the user; empty while all is well.
    QString problem() const { return problem_; }

    bool isCorrect(QStringView word);
    // Hunspell's proposals, best first, at most max of them.
    QStringList suggestions(QStringView word, int max = 5);
    // The misspelt words of a cell's text.
    QList<WordRange> misspeltWords(QStringView text);

    // Kept in the user's own list, which outlasts the program. When the list cannot be saved the word
    // still counts as right until the program ends, and false comes back with the reason in problem().
    bool addToPersonalWords(const QString &word);
    // Counts as right until the program ends.
    void ignore(const QString &word);

private:
    void load();

    QString code_;
    QStringList folders_;
    QString personalFolder_;
    bool loaded_ = false;
    std::unique_ptr<WordChecker> checker_;
    std::optional<PersonalWords> personal_;
    QSet<QString> ignored_;
    QString problem_;
};

// One speller per dictionary, each made the first time a language needs it and kept: loading a
// dictionary takes Hunspell up to a tenth of a second, far longer than checking a whole vocabulary.
class Spellers {
public:
    Spellers(const QStringList &dictionaryFolders, const QString &personalFolder);
    ~Spellers();

    // For a language name as the vocabulary has it ("Engelska"); the speller that checks nothing when
    // the name means no dictionary.
    Speller &forLanguage(QStringView languageName);
    Speller &forDictionary(const QString &code);

private:
    QStringList folders_;
    QString personalFolder_;
    std::map<QString, std::unique_ptr<Speller>> spellers_;
    Speller none_;
};

}  // namespace spelling
