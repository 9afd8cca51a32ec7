// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabfile/writer.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace vocabulary;

namespace {

ordpost post(const QString &word, const QStringList &meanings)
{
    ordpost p;
    p.ord = word;
    p.antalbet = static_cast<int>(meanings.size());
    for (int k = 0; k < p.antalbet && k < kMaxMeanings; ++k)
        p.bet[k] = meanings[k];
    return p;
}

Glosor glosor(const QString &a, const QString &b, std::vector<ordpost> posts)
{
    Glosor g;
    g.sprak1 = a;
    g.sprak2 = b;
    g.ordlista = std::move(posts);
    return g;
}

// The vocabulary the loader reads from the text; fails the test when it reads none.
Glosor reloaded(const QString &text)
{
    LoadResult result = parseVocabulary(text);
    EXPECT_EQ(result.error, LoadError::None) << text.toStdString();
    return result.glosor.value_or(Glosor{});
}

void expectSame(const Glosor &read, const Glosor &written, const std::string &what)
{
    EXPECT_EQ(read.sprak1, written.sprak1) << what;
    EXPECT_EQ(read.sprak2, written.sprak2) << what;
    ASSERT_EQ(read.antalord(), written.antalord()) << what;
    for (int i = 0; i < read.antalord(); ++i) {
        EXPECT_EQ(read.ordlista[i].ord, written.ordlista[i].ord) << what;
        ASSERT_EQ(read.ordlista[i].antalbet, written.ordlista[i].antalbet) << what;
        for (int k = 0; k < read.ordlista[i].antalbet; ++k)
            EXPECT_EQ(read.ordlista[i].bet[k], written.ordlista[i].bet[k]) << what;
    }
}

}  // namespace

TEST(Writer, WritesTheHeaderAndOneLinePerWord)
{
    const auto text = vocabularyText(glosor("Svenska", "Engelska", {post("hund", {"dog", "hound"}), post("katt", {"cat"})}));
    EXPECT_EQ(text, QStringLiteral("[Svenska-Engelska]\r\nhund,dog$hound$\r\nkatt,cat$\r\n"));
    EXPECT_EQ(vocabularyText(glosor("", "", {})), QStringLiteral("[-]\r\n"));
}

// Each value as a word, as a meaning and as a language name: how it is written, and that the
// loader gives it back.
TEST(Writer, QuotesAFieldOnlyWhenItMust)
{
    struct Row {
        QString value, word, meaning;
    };
    const Row rows[] = {
        {"hund", "hund", "hund$"},
        {"", "", "$"},
        {"a, b", "\"a, b\"", "\"a, b$\""},
        {" hund", "\" hund\"", "\" hund$\""},
        {"hund ", "\"hund \"", "hund $"},
        {" ", "\" \"", "\" $\""},
        {"en hund", "en hund", "en hund$"},
        {"$x", "$x", QString()},
        {"-]", "-]", "-]$"},
        {"ä'ö;", "ä'ö;", "ä'ö;$"},
    };
    for (const Row &row : rows) {
        const std::string what = row.value.toStdString();
        std::vector<ordpost> posts{post(row.value, {})};
        if (!row.meaning.isNull())
            posts.push_back(post("w", {row.value}));
        const Glosor written = glosor("A", "B", posts);
        const auto text = vocabularyText(written);
        ASSERT_TRUE(text.has_value()) << what;
        QString expected = "[A-B]\r\n" + row.word + ",\r\n";
        if (!row.meaning.isNull())
            expected += "w," + row.meaning + "\r\n";
        EXPECT_EQ(*text, expected) << what;
        expectSame(reloaded(*text), written, what);
    }
    // A comma in a language name quotes the whole header.
    const Glosor names = glosor("Svenska, dialekt", " Engelska ", {});
    EXPECT_EQ(vocabularyText(names), QStringLiteral("\"[Svenska, dialekt- Engelska ]\"\r\n"));
    expectSame(reloaded(*vocabularyText(names)), names, "names");
}

TEST(Writer, RefusesWhatTheLoaderWouldReadOtherwise)
{
    const std::vector<std::pair<Glosor, std::string>> rows = {
        {glosor("Serbo-kroatiska", "B", {}), "dash in language 1"},
        {glosor("A", "Serbo-kroatiska", {}), "dash in language 2: the loader drops it"},
        {glosor("A]", "B", {}), "bracket in language 1"},
        {glosor("A", "B]", {}), "bracket in language 2"},
        {glosor("A", "B", {post("w", {"a$b"})}), "dollar in a meaning"},
        {glosor("A", "B", {post("\"w", {"m"})}), "a word that begins with a quote"},
        {glosor("A", "B", {post("a\"b,c", {"m"})}), "a quote in a field that needs quotes"},
        {glosor("A", "B", {post("w", {"a", "b", "c", "d", "e"})}), "five meanings"},
        {glosor("A", "B", std::vector<ordpost>(401, post("w", {"m"}))), "401 words"},
    };
    for (const auto &[g, what] : rows)
        EXPECT_FALSE(vocabularyText(g).has_value()) << what;
    EXPECT_TRUE(vocabularyText(glosor("A", "B", std::vector<ordpost>(400, post("w", {"a", "b", "c", "d"})))).has_value());
}

TEST(Writer, KeepsWhatTheLoaderCanGiveThatTheEditorRefuses)
{
    // A quote inside an unquoted field and a line break inside a quoted one both load; written
    // again they must load the same.
    const Glosor written = glosor("A\r\nB", "C", {post("ab\"c ", {"x\"y"}), post("two\nlines", {"a\r\nb"})});
    const auto text = vocabularyText(written);
    ASSERT_TRUE(text.has_value());
    expectSame(reloaded(*text), written, "odd but loadable");
}

TEST(Writer, EncodingsTable)
{
    struct Row {
        QString text;
        Encoding encoding;
        QByteArray bytes;  // empty: refused
    };
    const Row rows[] = {
        {"[A-B]\r\nhäst,horse$\r\n", Encoding::Windows1252, "[A-B]\r\nh\xE4st,horse$\r\n"},
        {"ß é ø € Œ", Encoding::Windows1252, "\xDF \xE9 \xF8 \x80 \x8C"},
        {"łódź", Encoding::Windows1252, {}},
        {"ş", Encoding::Windows1252, {}},
        // Both characters fit, but their bytes C3 A4 are the UTF-8 of "ä": the loader would misread them.
        {"Ã¤", Encoding::Windows1252, {}},
        {"Ã¤", Encoding::Utf8, "\xEF\xBB\xBF\xC3\x83\xC2\xA4"},
        {"łódź", Encoding::Utf8, "\xEF\xBB\xBF\xC5\x82\xC3\xB3\x64\xC5\xBA"},
        {"plain", Encoding::Utf8, "\xEF\xBB\xBFplain"},
        {QString(QChar(0xD800)), Encoding::Utf8, {}},
    };
    for (const Row &row : rows) {
        const auto bytes = encodeVocabulary(row.text, row.encoding);
        if (row.bytes.isEmpty()) {
            EXPECT_FALSE(bytes.has_value()) << row.text.toStdString();
        } else {
            ASSERT_TRUE(bytes.has_value()) << row.text.toStdString();
            EXPECT_EQ(*bytes, row.bytes) << row.text.toStdString();
            EXPECT_EQ(decodeVocabulary(*bytes), row.text) << row.text.toStdString();
        }
    }
}

TEST(Writer, AWellFormedFileWrittenAgainIsTheSameBytes)
{
    const QByteArray bytes = "[Svenska-Engelska]\r\nh\xE4st,horse$\r\n\"a, b\",\" x$y$\"\r\n\"tom \",$\r\n";
    const LoadResult read = parseVocabulary(decodeVocabulary(bytes));
    ASSERT_TRUE(read.glosor.has_value());
    EXPECT_EQ(writeVocabulary(*read.glosor, vocabularyEncoding(bytes)), bytes);
}

TEST(Writer, SavesAtomically)
{
    testing_support::TempFolder folder;
    const QString path = folder.write("g.gls", "old");
    EXPECT_TRUE(saveVocabularyFile(path, "[A-B]\r\n"));
    EXPECT_EQ(folder.read("g.gls"), QByteArray("[A-B]\r\n"));
    EXPECT_FALSE(saveVocabularyFile(folder.file("missing/g.gls"), "[A-B]\r\n"));
    EXPECT_FALSE(saveVocabularyFile(folder.path(), "[A-B]\r\n")) << "a folder is not replaced";
    EXPECT_EQ(folder.read("g.gls"), QByteArray("[A-B]\r\n"));
}
