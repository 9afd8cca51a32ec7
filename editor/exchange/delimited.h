// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabfile/rules.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace exchange {

// The encodings word lists come in: spreadsheets' "Unicode text" is UTF-16 LE with a byte-order
// mark, most other exports UTF-8 with or without one, older ones Windows-1252.
enum class TextEncoding { Utf8, Utf16Le, Utf16Be, Windows1252 };

// What a delimited text file looks like: its encoding and the character between its fields.
struct DelimitedFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    QChar separator = u'\t';  // tab, ';' or ','
};

// The encoding and separator a user would most likely confirm: a byte-order mark decides the
// encoding, else UTF-16 by its zero bytes, else UTF-8 when the bytes are valid UTF-8, else
// Windows-1252. The separator is the one of tab, ';' and ',' that splits the first lines (outside
// quotes) most evenly into more than one field; tab when none does.
DelimitedFormat guessFormat(QByteArrayView bytes);

// The bytes as text in the encoding, a byte-order mark left out.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);

// Rows of fields as spreadsheets write them: a field in double quotes may hold the separator, line
// breaks and doubled quotes; line ends are CR LF, LF or CR; the line end after the last row is no
// row of its own, and neither are wholly empty lines.
QList<QStringList> parseDelimited(QStringView text, QChar separator);

// Which columns of an imported table become what.
struct ColumnChoice {
    int wordColumn = 0;
    // The columns whose cells are meanings, in order; empty means every column but the word's.
    QList<int> meaningColumns;
    // A meaning cell holding several meanings separated by ';' or ',' gives one meaning for each.
    bool splitMeanings = false;
};

// The rows as the editor's table takes them: the word first, then its meanings (empty cells left
// out, spaces around each trimmed). Rows with no text at all are left out.
QList<QStringList> tableRows(const QList<QStringList> &fields, const ColumnChoice &choice);

// A vocabulary as a spreadsheet opens it with the Swedish letters intact: UTF-8 with a byte-order
// mark, one row per word, the word then each meaning in a column of its own, fields quoted where
// they hold the separator, a quote or a line break, rows ended by CR LF. Empty rows are left out.
QByteArray csvBytes(const vocabulary::Document &document, QChar separator = u';');

}  // namespace exchange
