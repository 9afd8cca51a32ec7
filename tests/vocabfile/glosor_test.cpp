// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabfile/glosor.h"
#include "platform/windows1252.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace vocabulary;

namespace {

Glosor parsed(const QString &text)
{
    LoadResult result = parseVocabulary(text);
    EXPECT_EQ(result.error, LoadError::None) << text.left(80).toStdString();
    return result.glosor.value_or(Glosor{});
}

LoadError failure(const QString &text)
{
    LoadResult result = parseVocabulary(text);
    EXPECT_FALSE(result.glosor.has_value());
    return result.error;
}

QString entries(int count, const QString &meanings = QStringLiteral("m$"))
{
    QString text = QStringLiteral("[A-B]\r\n");
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("w%1\r\n%2\r\n").arg(i).arg(meanings);
    return text;
}

}  // namespace

TEST(LanguageNames, Table)
{
    struct Row {
        QString header, first, second;
    };
    const Row rows[] = {
        {"[Svenska-Engelska]", "Svenska", "Engelska"},
        {"[Svenska]", "Svenska", ""},
        {"[Svenska-Engelska", "Svenska", "Engelska"},
        {"[Svenska-Engelska-Tyska]", "Svenska", "EngelskaTyska"},
        {"(Svenska-Engelska)", "Svenska", "Engelska)"},
        {"[Sv]enska-Engelska]", "Sv", ""},
        {"[-Engelska]", "", "Engelska"},
        {"[", "", ""},
        {"😀Svenska-Engelska]", "Svenska", "Engelska"},
        {"", "", ""},
    };
    for (const Row &row : rows) {
        const auto [first, second] = languageNames(row.header);
        EXPECT_EQ(first, row.first) << row.header.toStdString();
        EXPECT_EQ(second, row.second) << row.header.toStdString();
    }
}

TEST(Vocabulary, ReadsWordsAndMeaningsInFileOrder)
{
    const Glosor g = parsed("\"[Svenska-Engelska]\"\r\n\"hund\",\"dog$hound$\"\r\n\"katt\",\"cat$\"\r\n");
    EXPECT_EQ(g.sprak1, "Svenska");
    EXPECT_EQ(g.sprak2, "Engelska");
    ASSERT_EQ(g.antalord(), 2);
    EXPECT_EQ(g.summabet(), 3);
    EXPECT_EQ(g.ordlista[0].ord, "hund");
    EXPECT_EQ(g.ordlista[0].antalbet, 2);
    EXPECT_EQ(g.ordlista[0].bet[0], "dog");
    EXPECT_EQ(g.ordlista[0].bet[1], "hound");
    EXPECT_EQ(g.ordlista[1].ord, "katt");
    EXPECT_EQ(g.ordlista[1].bet[0], "cat");
}

TEST(Vocabulary, MeaningsTable)
{
    struct Row {
        QString field;
        int count;
        QStringList meanings;
    };
    const Row rows[] = {
        {"a$b$c", 2, {"a", "b"}},
        {"$", 1, {""}},
        {"a$$b$", 3, {"a", "", "b"}},
        {"a$b$c$d$", 4, {"a", "b", "c", "d"}},
        {"no dollar", 0, {}},
        {"", 0, {}},
        {"å$ä ö$", 2, {"å", "ä ö"}},
    };
    for (const Row &row : rows) {
        const Glosor g = parsed("[A-B]\r\nword\r\n\"" + row.field + "\"\r\n");
        ASSERT_EQ(g.antalord(), 1);
        EXPECT_EQ(g.ordlista[0].antalbet, row.count) << row.field.toStdString();
        for (int j = 0; j < row.meanings.size(); ++j)
            EXPECT_EQ(g.ordlista[0].bet[j], row.meanings[j]) << row.field.toStdString();
    }
}

TEST(Vocabulary, QuotedWordsKeepCommasUnquotedOnesEndAtThem)
{
    const Glosor g = parsed("[A-B]\r\n\"a, b\",x$\r\nc,d,y$,z$\r\n");
    ASSERT_EQ(g.antalord(), 3);
    EXPECT_EQ(g.ordlista[0].ord, "a, b");
    EXPECT_EQ(g.ordlista[0].bet[0], "x");
    EXPECT_EQ(g.ordlista[1].ord, "c");
    EXPECT_EQ(g.ordlista[1].antalbet, 0) << "\"d\" is the meanings field, without a dollar";
    EXPECT_EQ(g.ordlista[2].ord, "y$");
    EXPECT_EQ(g.ordlista[2].bet[0], "z");
    // "y$" is then a third word without meanings field: the file is cut in a pair.
    EXPECT_EQ(failure("[A-B]\r\nc,d,y$\r\n"), LoadError::CutPair);
}

TEST(Vocabulary, OnlyAHeaderIsAnEmptyVocabulary)
{
    const Glosor g = parsed("[Svenska-Engelska]\r\n");
    EXPECT_EQ(g.antalord(), 0);
    EXPECT_EQ(g.summabet(), 0);
    EXPECT_EQ(g.sprak2, "Engelska");
    EXPECT_EQ(parsed("[Svenska-Engelska]").antalord(), 0);
}

TEST(Vocabulary, Limits)
{
    EXPECT_EQ(parsed(entries(400)).antalord(), 400);
    EXPECT_EQ(parsed(entries(400, "a$b$c$d$")).summabet(), 1600);
    EXPECT_EQ(failure(entries(401)), LoadError::TooManyWords);
    EXPECT_EQ(failure(entries(1, "a$b$c$d$e$")), LoadError::TooManyMeanings);
    EXPECT_EQ(parsed(entries(1, "a$b$c$d$tail")).ordlista[0].antalbet, 4);
}

TEST(Vocabulary, BrokenFilesFail)
{
    EXPECT_EQ(failure(""), LoadError::Empty);
    EXPECT_EQ(failure("[A-B]\r\nhund\r\n"), LoadError::CutPair);
    EXPECT_EQ(failure("[A-B]\r\nhund"), LoadError::CutPair);
    EXPECT_EQ(failure("[A-B]\r\nhund\r\ndog$\r\n\r\n"), LoadError::CutPair) << "a trailing empty line is a word";
}

TEST(VocabularyFile, DecodesWindows1252)
{
    testing_support::TempFolder folder;
    const QString path = folder.write("sv.gls", "[Svenska-Engelska]\r\n\xE4pple\r\napple$\r\n\x81\x8D\x8F\x90\x9D\r\nodd$\r\n");
    const LoadResult result = loadVocabularyFile(path);
    ASSERT_TRUE(result.glosor.has_value());
    EXPECT_EQ(result.glosor->ordlista[0].ord, QStringLiteral(u"äpple"));
    EXPECT_EQ(result.glosor->ordlista[1].ord, QStringLiteral(u"\u0081\u008D\u008F\u0090\u009D"));
}

TEST(VocabularyFile, UnreadablePlacesFail)
{
    testing_support::TempFolder folder;
    EXPECT_EQ(loadVocabularyFile(QString()).error, LoadError::CannotRead);
    EXPECT_EQ(loadVocabularyFile(folder.file("missing.gls")).error, LoadError::CannotRead);
    EXPECT_EQ(loadVocabularyFile(folder.path()).error, LoadError::CannotRead);
    EXPECT_EQ(loadVocabularyFile(folder.write("empty.gls", "")).error, LoadError::Empty);
}

TEST(VocabularyEncoding, Utf8IsRecognised)
{
    EXPECT_EQ(decodeVocabulary("\xEF\xBB\xBF[Svenska-Engelska]\r\n\xC3\xA4pple\r\napple$\r\n"),
              QStringLiteral(u"[Svenska-Engelska]\r\näpple\r\napple$\r\n"))
        << "the byte-order mark does not foul the header";
    EXPECT_EQ(decodeVocabulary("\xEF\xBB\xBFplain"), "plain");
    EXPECT_EQ(decodeVocabulary("s\xC3\xA5 \xC3\xB6ga \xE2\x82\xAC \xF0\x9F\x98\x80"), QStringLiteral(u"så öga € 😀"));
    EXPECT_EQ(decodeVocabulary("plain ascii"), "plain ascii");
}

TEST(VocabularyEncoding, Windows1252StaysWindows1252)
{
    // Every Swedish letter and the other letters a pupil meets, each before letters, a space, a
    // line end or the end of the file: none of these is UTF-8, so none changes meaning.
    const QByteArray letters = "\xE5\xE4\xF6\xC5\xC4\xD6\xE9\xC9\xFC\xDC\xE8\xE0\xE7\xF1\xDF";
    const QByteArray followers[] = {"a", "s", " ", "\r\n", ""};
    for (const char letter : letters) {
        for (const QByteArray &after : followers) {
            const QByteArray bytes = QByteArray("tr") + letter + after;
            const QString text = decodeVocabulary(bytes);
            EXPECT_EQ(text, platform::decodeWindows1252(bytes)) << bytes.toHex().toStdString();
        }
    }
    EXPECT_EQ(decodeVocabulary("[Svenska-Engelska]\r\nh\xE4st\r\nhorse$\r\n\xE5r\r\nyear$\r\n"),
              QStringLiteral(u"[Svenska-Engelska]\r\nhäst\r\nhorse$\r\når\r\nyear$\r\n"));
}

TEST(VocabularyEncoding, Utf8ValidatorTable)
{
    struct Row {
        QByteArray bytes;
        bool valid;
    };
    const Row rows[] = {
        {"", true},
        {"abc", true},
        {"\xC3\xA5", true},
        {"\xE2\x82\xAC", true},
        {"\xF4\x8F\xBF\xBF", true},
        {"\xC3", false},             // cut
        {"\xA5", false},             // stray continuation
        {"\xC0\xAF", false},         // overlong
        {"\xE0\x80\xAF", false},     // overlong
        {"\xED\xA0\x80", false},     // surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
        {"\xF5\x80\x80\x80", false},
        {"\xE5r", false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(isValidUtf8(row.bytes), row.valid) << row.bytes.toHex().toStdString();
}

TEST(VocabularyFile, Utf8FileLoads)
{
    testing_support::TempFolder folder;
    const QString path = folder.write("sv.gls", "\xEF\xBB\xBF\"[Svenska-Engelska]\"\r\n\"\xC3\xA4pple\",\"apple$\"\r\n");
    const LoadResult result = loadVocabularyFile(path);
    ASSERT_TRUE(result.glosor.has_value());
    EXPECT_EQ(result.glosor->sprak1, "Svenska");
    EXPECT_EQ(result.glosor->ordlista[0].ord, QStringLiteral(u"äpple"));
}

TEST(Vocabulary, TextTheLoaderPassesOver)
{
    struct Row {
        QString text;
        int entry;  // -1: nothing passed over
        QString ignored;
    };
    const Row rows[] = {
        {"[A-B]\r\nhund,dog$\r\n", -1, ""},
        {"\"[A-B]\"\r\n\"hund\",\"dog$$\"\r\n", -1, ""},
        {"[A-B]\r\nhund,\r\n", -1, ""},
        {"(A-B)\r\n", 0, "("},
        {"[A-B] x\r\n", 0, " x"},
        {"[A-B-C]\r\n", 0, "-"},
        {"\"[A-B]\"tail\r\n", 0, "tail"},
        {"[A-B]\r\nhund,dog$extra\r\n", 1, "extra"},
        {"[A-B]\r\nhund,dog$\r\nkatt,cat\r\n", 2, "cat"},
        {"[A-B]\r\n\"hund\"x,dog$\r\n", 1, "x"},
        {"[A-B]\r\nhund,\"dog$\" y\r\n", 1, " y"},
    };
    for (const Row &row : rows) {
        const auto ignored = firstIgnoredText(row.text);
        ASSERT_EQ(ignored.has_value(), row.entry >= 0) << row.text.toStdString();
        if (ignored) {
            EXPECT_EQ(ignored->entry, row.entry) << row.text.toStdString();
            EXPECT_EQ(ignored->text, row.ignored) << row.text.toStdString();
        }
    }
}
