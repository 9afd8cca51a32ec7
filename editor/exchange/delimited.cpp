// SPDX-License-Identifier: GPL-3.0-or-later
#include "delimited.h"

#include "platform/windows1252.h"
#include "vocabfile/glosor.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <map>

namespace exchange {

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr char kUtf16LeBom[] = "\xFF\xFE";
constexpr char kUtf16BeBom[] = "\xFE\xFF";

// The separator is guessed from the beginning of a file only: a word list shows its shape in its
// first lines, and a huge file need not be read three times.
constexpr qsizetype kGuessBytes = 64 * 1024;
constexpr qsizetype kGuessRows = 20;

// Splits the text into rows of fields; with maxRows >= 0, stops after that many rows.
QList<QStringList> parseRows(QStringView text, QChar separator, qsizetype maxRows)
{
    QList<QStringList> rows;
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool atFieldStart = true;
    // A line with no character at all before its end is no row; one with only "" or ";" is.
    bool lineHasText = false;

    const auto endRow = [&] {
        fields.append(field);
        rows.append(fields);
        fields.clear();
        field.clear();
        atFieldStart = true;
        lineHasText = false;
    };

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (maxRows >= 0 && rows.size() >= maxRows)
            return rows;
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < size && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else if (c == u'\r' || c == u'\n') {
                // Spreadsheets write the line break in a cell as LF, some as CR LF: one break each.
                if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                    ++i;
                field += u'\n';
            } else {
                field += c;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            if (lineHasText)
                endRow();
            continue;
        }
        lineHasText = true;
        if (c == separator) {
            fields.append(field);
            field.clear();
            atFieldStart = true;
            continue;
        }
        // Only a quote that opens a field quotes it; elsewhere it is a character like any other,
        // as spreadsheets read it.
        if (c == u'"' && atFieldStart) {
            inQuotes = true;
            atFieldStart = false;
            continue;
        }
        atFieldStart = false;
        field += c;
    }
    // An unclosed quote takes the rest of the text: the user sees where it went wrong.
    if (lineHasText && (maxRows < 0 || rows.size() < maxRows))
        endRow();
    return rows;
}

// How evenly the separator splits the rows: the number of rows that have the commonest count of
// fields, when that count is more than one; 0 when it splits nothing.
qsizetype evenness(const QList<QStringList> &rows)
{
    std::map<qsizetype, qsizetype> rowsByCount;
    for (const QStringList &row : rows)
        ++rowsByCount[row.size()];
    qsizetype best = 0;
    for (const auto &[count, number] : rowsByCount) {
        if (count > 1)
            best = std::max(best, number);
    }
    return best;
}

TextEncoding guessEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return TextEncoding::Utf8;
    if (bytes.startsWith(kUtf16LeBom))
        return TextEncoding::Utf16Le;
    if (bytes.startsWith(kUtf16BeBom))
        return TextEncoding::Utf16Be;
    // No 8-bit text has zero bytes; UTF-16 has one in every Latin character, in the high byte:
    // second in little-endian order, first in big-endian.
    const QByteArrayView sample = bytes.first(std::min(bytes.size(), kGuessBytes));
    qsizetype zerosEven = 0;
    qsizetype zerosOdd = 0;
    for (qsizetype i = 0; i < sample.size(); ++i) {
        if (sample[i] == '\0')
            ++(i % 2 == 0 ? zerosEven : zerosOdd);
    }
    if (zerosEven + zerosOdd > 0)
        return zerosOdd >= zerosEven ? TextEncoding::Utf16Le : TextEncoding::Utf16Be;
    return vocabulary::isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QStringDecoder::Encoding qtEncoding(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf16Le:
        return QStringDecoder::Utf16LE;
    case TextEncoding::Utf16Be:
        return QStringDecoder::Utf16BE;
    default:
        return QStringDecoder::Utf8;
    }
}

// Whether a field must be quoted to come back whole.
bool needsQuotes(const QString &field, QChar separator)
{
    for (const QChar c : field) {
        if (c == separator || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

}  // namespace

DelimitedFormat guessFormat(QByteArrayView bytes)
{
    DelimitedFormat format;
    format.encoding = guessEncoding(bytes);
    qsizetype length = std::min(bytes.size(), kGuessBytes);
    if (format.encoding == TextEncoding::Utf16Le || format.encoding == TextEncoding::Utf16Be)
        length -= length % 2;
    const QString text = decodeText(bytes.first(length), format.encoding);
    qsizetype best = 0;
    // In order of preference when two split equally well: a tab is never typed in a word, and a
    // Swedish spreadsheet writes ';' because ',' is its decimal mark.
    for (const QChar separator : {QChar(u'\t'), QChar(u';'), QChar(u',')}) {
        const qsizetype score = evenness(parseRows(text, separator, kGuessRows));
        if (score > best) {
            best = score;
            format.separator = separator;
        }
    }
    return format;
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1252:
        return platform::decodeWindows1252(bytes);
    case TextEncoding::Utf8:
        if (bytes.startsWith(kUtf8Bom))
            bytes = bytes.sliced(3);
        break;
    case TextEncoding::Utf16Le:
        if (bytes.startsWith(kUtf16LeBom))
            bytes = bytes.sliced(2);
        break;
    case TextEncoding::Utf16Be:
        if (bytes.startsWith(kUtf16BeBom))
            bytes = bytes.sliced(2);
        break;
    }
    // The mark is gone already; a second one would be a character of the text.
    QStringDecoder decoder(qtEncoding(encoding), QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QList<QStringList> parseDelimited(QStringView text, QChar separator)
{
    return parseRows(text, separator, -1);
}

QList<QStringList> tableRows(const QList<QStringList> &fields, const ColumnChoice &choice)
{
    QList<QStringList> rows;
    for (const QStringList &cells : fields) {
        QList<int> columns = choice.meaningColumns;
        if (columns.isEmpty()) {
            for (int column = 0; column < cells.size(); ++column) {
                if (column != choice.wordColumn)
                    columns.append(column);
            }
        }
        QStringList row{cells.value(choice.wordColumn).trimmed()};
        for (const int column : columns) {
            const QString cell = cells.value(column);
            QStringList meanings{cell};
            // "hund; jycke" and "dog, hound" are both lists; a cell with ';' is split only there,
            // so that "a dog, a hound; a cur" keeps its comma.
            if (choice.splitMeanings)
                meanings = cell.split(cell.contains(u';') ? u';' : u',');
            for (const QString &meaning : std::as_const(meanings)) {
                const QString trimmed = meaning.trimmed();
                if (!trimmed.isEmpty())
                    row.append(trimmed);
            }
        }
        if (row.size() > 1 || !row.first().isEmpty())
            rows.append(row);
    }
    return rows;
}

QByteArray csvBytes(const vocabulary::Document &document, QChar separator)
{
    QString text;
    for (const vocabulary::Entry &entry : document.entries) {
        if (entry.isEmpty())
            continue;
        QStringList fields{entry.word};
        fields += entry.meanings;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                text += separator;
            const QString &field = fields.at(i);
            if (needsQuotes(field, separator)) {
                QString quoted = field;
                quoted.replace(u'"', QStringLiteral("\"\""));
                text += u'"' + quoted + u'"';
            } else {
                text += field;
            }
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray(kUtf8Bom) + text.toUtf8();
}

}  // namespace exchange
