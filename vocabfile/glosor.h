// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace vocabulary {

constexpr int kMaxWords = 400;
constexpr int kMaxMeanings = 4;

// One word of language 1 with its meanings in language 2 and the drill's marks for them.
struct ordpost {
    QString ord;                          // the answer the pupil must type
    std::array<QString, kMaxMeanings> bet; // meanings 1 to 4 at [0] to [3]; the prompts
    std::array<bool, kMaxMeanings> fragad{}; // meaning asked in this drill
    std::array<bool, kMaxMeanings> fel{};    // meaning answered wrongly in this drill
    int antalbet = 0;                     // meanings that belong to the vocabulary, 0 to 4
};

// A vocabulary as read from a file.
struct Glosor {
    std::vector<ordpost> ordlista;  // entries 1 to antalord at [0] to [antalord - 1], in file order
    QString sprak1;                 // name of language 1: the words
    QString sprak2;                 // name of language 2: the meanings

    int antalord() const { return static_cast<int>(ordlista.size()); }
    // The number of questions in one full drill.
    int summabet() const;
};

enum class LoadError {
    None,
    CannotRead,       // missing file, no name, a folder, no permission
    Empty,            // not even a header
    CutPair,          // the file ends after a word, before its meanings
    TooManyWords,     // a 401st entry
    TooManyMeanings,  // a fifth meaning in one entry
};

struct LoadResult {
    std::optional<Glosor> glosor;
    LoadError error = LoadError::None;
    int entry = 0;  // on CutPair, TooManyWords and TooManyMeanings: the number of the entry that failed
};

// How the bytes of a vocabulary file are to be read.
enum class Encoding { Windows1252, Utf8 };

// The language names from a header such as "[Svenska-Engelska]": the first character is skipped,
// "-" switches to language 2 (once; further ones are dropped), "]" ends the header.
std::pair<QString, QString> languageNames(const QString &header);

// Parses a whole vocabulary text. Nothing is taken from a text that fails.
LoadResult parseVocabulary(QStringView text);

// Text of a file the loader accepts that belongs to no name, word or meaning: the first character
// of the header when it is not "[", anything after "]" and any "-" after the first, text after a
// closing quote, and text after the last "$" of a meanings field.
struct IgnoredText {
    int entry = 0;  // 0 the header, else the number of the word
    QString text;
};

// The first such text in a vocabulary text; nothing when the loader reads all of it.
std::optional<IgnoredText> firstIgnoredText(QStringView text);

// Turns the bytes of a vocabulary file into text. A file that begins with a UTF-8 byte-order mark,
// or whose bytes are all valid UTF-8 with at least one multi-byte sequence, is UTF-8 (as a vocabulary
// written by hand in a modern text editor is); every other file is Windows-1252, as the editor
// writes them.
QString decodeVocabulary(const QByteArray &bytes);

// The encoding decodeVocabulary reads the bytes in.
Encoding vocabularyEncoding(QByteArrayView bytes);

// True when the bytes are well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing beyond U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);

// The bytes of a vocabulary file; nothing when it cannot be read (no name, a folder, no permission,
// far too big).
std::optional<QByteArray> readVocabularyBytes(const QString &path);

// Reads and parses a vocabulary file.
LoadResult loadVocabularyFile(const QString &path);

}  // namespace vocabulary
