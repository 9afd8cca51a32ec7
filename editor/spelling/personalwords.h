// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace spelling {

// The words a user has told the editor are spelt right, for one dictionary: the file <code>.txt in the
// user's data folder, one word a line, UTF-8. It is read when the list is made, so the words outlast
// the program.
class PersonalWords {
public:
    PersonalWords(const QString &folder, const QString &code);

    QString filePath() const { return path_; }
    const QStringList &words() const { return words_; }
    bool contains(QStringView word) const { return known_.contains(word.toString()); }

    // Adds the word and writes the whole list anew, all at once: when that fails (a full disk, a folder
    // that cannot be written) the file and this list stay as they were, and errorString() says why.
    bool add(const QString &word);
    QString errorString() const { return error_; }

private:
    QString folder_;
    QString path_;
    QStringList words_;
    QSet<QString> known_;
    QString error_;
    // The file is there but could not be read: writing it anew would lose its words.
    bool unreadable_ = false;
};

}  // namespace spelling
