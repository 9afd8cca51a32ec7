// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <string>

namespace spelling {

// A Hunspell dictionary's two files.
struct DictionaryFiles {
    QString affixFile;  // <code>.aff: the rules
    QString wordFile;   // <code>.dic: the words
};

// The folders searched for dictionaries, in order. On Linux the system's own come first
// (/usr/share/hunspell, where Debian's hunspell-* packages put them), then a "dictionaries" folder
// beside the program; on Windows only that folder, where the installer puts them.
QStringList dictionaryFolders(const QString &programFolder);

// The first folder that holds both <code>.aff and <code>.dic (symbolic links count, as Debian installs
// most regional variants so). Failing that, the language's own files ("fr" for "fr_FR"), as some
// dictionaries are installed under the language alone.
std::optional<DictionaryFiles> findDictionary(const QStringList &folders, const QString &code);

// The character set the affix file's SET line names, as Hunspell names it ("UTF-8", "ISO8859-1"). Without
// a SET line Hunspell reads the dictionary as ISO8859-1, and so does this. Empty when the file cannot be read.
QByteArray affixEncoding(const QString &affixFile);

// Turns words into the dictionary's character set and its answers back. Hunspell compares bytes: a word
// handed over in another set than its dictionary's is simply not found.
class WordCodec {
public:
    explicit WordCodec(const QByteArray &encoding);

    // False for a character set this program cannot convert to.
    bool isValid() const { return kind_ != Kind::Unknown; }
    // Nothing when the word has a character the set lacks: no word of the dictionary is spelt so.
    std::optional<std::string> encode(QStringView word) const;
    QString decode(const std::string &bytes) const;

private:
    enum class Kind { Qt, Latin1, Latin9, Unknown };
    Kind kind_ = Kind::Unknown;
    QStringConverter::Encoding qtEncoding_ = QStringConverter::Utf8;
};

// A file's path as Hunspell wants it for opening: in the encoding the C library opens files with. On
// Windows that is the ANSI code page, which may lack letters of the path; then its short 8.3 form is
// used. Empty when neither can name the file.
QByteArray pathForHunspell(const QString &path);

}  // namespace spelling
