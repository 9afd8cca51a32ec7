// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/rules.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace exchange {

// A vocabulary as it was read from another program's file, before the editor fits it to its own
// limits: the two language names and rows of word first, meanings after.
struct ImportedTable {
    QString sprak1;
    QString sprak2;
    QList<QStringList> rows;
};

// Reads KVTML 2, as KWordQuiz and Parley write it: the names of identifiers 0 and 1 become the
// language names, and each entry's translations 0 and 1 its word and its one meaning (an entry
// with neither is left out). Nothing, with a reason in Swedish in `error`, when the bytes are not
// a KVTML 2 document: another kind of file, KVTML 1, damaged XML, or more than 100 000 entries.
std::optional<ImportedTable> readKvtml(QByteArrayView bytes, QString *error = nullptr);

// A vocabulary as KVTML 2 that KWordQuiz and Parley open: a title, two identifiers named after the
// languages, and one entry per word with its word as translation 0 and its meanings, joined by
// "; ", as translation 1. UTF-8. Empty rows are left out, and so are the characters XML cannot
// hold (control characters other than tab, line feed and carriage return).
QByteArray kvtmlBytes(const vocabulary::Document &document, const QString &title);

// How kvtmlBytes joins the meanings of one word.
QString joinedMeanings(const QStringList &meanings);

}  // namespace exchange
