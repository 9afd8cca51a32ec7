// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/exchange/delimited.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace exchange;

namespace {

QByteArray utf16(const QString &text, QStringEncoder::Encoding encoding)
{
    return QStringEncoder(encoding).encode(text);
}

// The bytes of a literal, zero bytes included.
template <std::size_t N>
QByteArray raw(const char (&bytes)[N])
{
    return QByteArray(bytes, N - 1);
}

}  // namespace

TEST(Delimited, GuessesEncodingAndSeparator)
{
    struct Case {
        QByteArray bytes;
        TextEncoding encoding;
        char16_t separator;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBFhund;dog\r\n", TextEncoding::Utf8, u';'},
        {"\xFF\xFE" + utf16("a,b\n", QStringEncoder::Utf16LE), TextEncoding::Utf16Le, u','},
        {"\xFE\xFF" + utf16("a\tb\n", QStringEncoder::Utf16BE), TextEncoding::Utf16Be, u'\t'},
        {utf16("häst;horse", QStringEncoder::Utf16LE), TextEncoding::Utf16Le, u';'},
        {utf16("häst;horse", QStringEncoder::Utf16BE), TextEncoding::Utf16Be, u';'},
        {"h\xE4st;horse", TextEncoding::Windows1252, u';'},
        {"h\xC3\xA4st;horse", TextEncoding::Utf8, u';'},
        // The comma splits the first row only; the semicolon splits both alike.
        {"hund;dog, hound\nkatt;cat\n", TextEncoding::Utf8, u';'},
        {"hund,dog,hound\nkatt,cat\n", TextEncoding::Utf8, u','},
        // Separators in quotes split nothing.
        {"\"a;b\",c\n\"d;e\",f\n", TextEncoding::Utf8, u','},
        // Equally even: tab before ';' before ','.
        {"a;b,c\nd;e,f\n", TextEncoding::Utf8, u';'},
        {"a\tb;c\n", TextEncoding::Utf8, u'\t'},
        {"ett ord\nett till\n", TextEncoding::Utf8, u'\t'},
        {"", TextEncoding::Utf8, u'\t'},
    };
    for (const Case &c : cases) {
        const DelimitedFormat format = guessFormat(c.bytes);
        EXPECT_EQ(format.encoding, c.encoding) << c.bytes.toHex(' ').toStdString();
        EXPECT_EQ(format.separator, QChar(c.separator)) << c.bytes.toHex(' ').toStdString();
    }
}

TEST(Delimited, DecodesWithoutTheByteOrderMark)
{
    EXPECT_EQ(decodeText("\xEF\xBB\xBF\xC3\xA5", TextEncoding::Utf8), u"å");
    EXPECT_EQ(decodeText(raw("\xFF\xFE\xE5\x00"), TextEncoding::Utf16Le), u"å");
    EXPECT_EQ(decodeText(raw("\xFE\xFF\x00\xE5"), TextEncoding::Utf16Be), u"å");
    EXPECT_EQ(decodeText("\xE5\x80\x9E", TextEncoding::Windows1252), u"å€ž");
    // Only a file's first mark is one; Windows-1252 has none.
    EXPECT_EQ(decodeText("\xEF\xBB\xBF\xEF\xBB\xBF", TextEncoding::Utf8), u"\uFEFF");
    EXPECT_EQ(decodeText("\xEF\xBB\xBF", TextEncoding::Windows1252), u"ï»¿");
}

TEST(Delimited, ParsesFieldsAsSpreadsheetsWriteThem)
{
    struct Case {
        QString text;
        QList<QStringList> rows;
    };
    const Case cases[] = {
        {"a;b\r\nc;d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a;b\nc", {{"a", "b"}, {"c"}}},
        {"a\rb\r", {{"a"}, {"b"}}},
        {"a;\n\n\r\n\r;b;", {{"a", ""}, {"", "b", ""}}},
        {";;\n\"\"", {{"", "", ""}, {""}}},
        {"\"a;b\";\"say \"\"hi\"\"\"", {{"a;b", "say \"hi\""}}},
        {"\"1\r\n2\r3\n4\";x\r\n", {{"1\n2\n3\n4", "x"}}},
        {"a\"b;\"ab\"c", {{"a\"b", "abc"}}},
        {"x\n\"unclosed;y\r\nz", {{"x"}, {"unclosed;y\nz"}}},
        {"\"", {{""}}},
        {"", {}},
        {"\r\n\n", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseDelimited(c.text, u';'), c.rows) << c.text.toStdString();
}

TEST(Delimited, TakesColumnsAsChosen)
{
    struct Case {
        QList<QStringList> fields;
        ColumnChoice choice;
        QList<QStringList> rows;
    };
    const Case cases[] = {
        {{{" hund ", " dog", "", "hound "}}, {}, {{"hund", "dog", "hound"}}},
        {{{"dog", "hund", "jycke"}}, {1, {}, false}, {{"hund", "dog", "jycke"}}},
        {{{"hund", "x", "dog"}, {"katt"}}, {0, {2, 7}, false}, {{"hund", "dog"}, {"katt"}}},
        {{{"hund", "dog, hound"}}, {}, {{"hund", "dog, hound"}}},
        {{{"hund", "dog, hound", "cur"}}, {0, {}, true}, {{"hund", "dog", "hound", "cur"}}},
        {{{"hund", "a dog, a hound; a cur;; "}}, {0, {}, true}, {{"hund", "a dog, a hound", "a cur"}}},
        {{{"", " ", " ; "}, {}, {"", "dog"}}, {0, {}, true}, {{"", "dog"}}},
        {{{"a"}}, {1, {}, false}, {{"", "a"}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(tableRows(c.fields, c.choice), c.rows);
}

TEST(Delimited, WritesCsvForSpreadsheets)
{
    const vocabulary::Document document{"Svenska", "Engelska",
                                        {{"hund", {"dog", "hound"}}, {}, {"säg \"hej\"", {"say; hi"}}, {"a,b", {}}}};
    EXPECT_EQ(csvBytes(document), "\xEF\xBB\xBFhund;dog;hound\r\n\"säg \"\"hej\"\"\";\"say; hi\"\r\na,b\r\n");
    EXPECT_EQ(csvBytes(document, u','), "\xEF\xBB\xBFhund,dog,hound\r\n\"säg \"\"hej\"\"\",say; hi\r\n\"a,b\"\r\n");
    EXPECT_EQ(csvBytes({}), "\xEF\xBB\xBF");
}

TEST(Delimited, CsvReadsBackAsTheSameRows)
{
    const vocabulary::Document document{"", "",
                                        {{"hund", {"dog", "hound"}},
                                         {"säg \"hej\"", {"say \"hi\"", "greet"}},
                                         {"a;b", {"c,d", "e\tf"}},
                                         {"ö", {}},
                                         {"", {"bara betydelse"}}}};
    const QList<QStringList> expected{{"hund", "dog", "hound"},
                                      {"säg \"hej\"", "say \"hi\"", "greet"},
                                      {"a;b", "c,d", "e\tf"},
                                      {"ö"},
                                      {"", "bara betydelse"}};
    for (const QChar separator : {QChar(u';'), QChar(u','), QChar(u'\t')}) {
        const QByteArray bytes = csvBytes(document, separator);
        const DelimitedFormat format = guessFormat(bytes);
        EXPECT_EQ(format.encoding, TextEncoding::Utf8);
        EXPECT_EQ(format.separator, separator);
        EXPECT_EQ(tableRows(parseDelimited(decodeText(bytes, format.encoding), format.separator), {}), expected);
    }
}
