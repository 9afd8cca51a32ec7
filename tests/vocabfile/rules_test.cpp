// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabfile/rules.h"

#include <gtest/gtest.h>

using namespace vocabulary;

namespace {

Document document(std::vector<Entry> entries, const QString &a = "Svenska", const QString &b = "Engelska")
{
    return Document{a, b, std::move(entries)};
}

}  // namespace

TEST(Rules, RefusedCharactersTable)
{
    struct Row {
        QString text;
        FieldKind kind;
        qsizetype position;  // -1: accepted
        QString character;
    };
    const Row rows[] = {
        {"hund", FieldKind::Word, -1, ""},
        {"a\"b", FieldKind::Word, 1, "\""},
        {"a\"b", FieldKind::Meaning, 1, "\""},
        {"\"", FieldKind::Language2, 0, "\""},
        {"a\nb", FieldKind::Word, 1, "radbrytning"},
        {"ab\r", FieldKind::Meaning, 2, "radbrytning"},
        {"$5", FieldKind::Word, -1, ""},
        {"$5", FieldKind::Meaning, 0, "$"},
        {"a-b", FieldKind::Word, -1, ""},
        {"a-b", FieldKind::Meaning, -1, ""},
        {"Serbo-kroatiska", FieldKind::Language1, 5, "-"},
        {"Serbo-kroatiska", FieldKind::Language2, 5, "-"},
        {"a]", FieldKind::Language1, 1, "]"},
        {"a]", FieldKind::Language2, 1, "]"},
        {"a]", FieldKind::Meaning, -1, ""},
        {"[$, ", FieldKind::Language1, -1, ""},
        {"ł 😀 ß", FieldKind::Meaning, -1, ""},
        {QString("a") + QChar(0xDC00), FieldKind::Word, 1, QString(QChar(0xDC00))},
    };
    for (const Row &row : rows) {
        const auto refusal = firstRefused(row.text, row.kind);
        const std::string what = row.text.toStdString() + " kind " + std::to_string(int(row.kind));
        if (row.position < 0) {
            EXPECT_FALSE(refusal.has_value()) << what;
            continue;
        }
        ASSERT_TRUE(refusal.has_value()) << what;
        EXPECT_EQ(refusal->position, row.position) << what;
        EXPECT_EQ(refusal->character, row.character) << what;
        EXPECT_FALSE(refusal->reason.isEmpty()) << what;
        EXPECT_FALSE(refusal->leftOut.isEmpty()) << what;
    }
    EXPECT_EQ(firstRefused(u"x$", FieldKind::Meaning)->reason,
              QStringLiteral("Tecknet $ skiljer betydelserna åt i filen och kan inte stå i en betydelse."));
    EXPECT_EQ(firstRefused(u"x$", FieldKind::Meaning)->leftOut,
              QStringLiteral("tecknet $ togs bort, eftersom det inte kan stå i en betydelse."));
}

TEST(Rules, WithoutRefusedLeavesOutEveryRefusedCharacterAndNamesTheFirst)
{
    const std::tuple<QString, FieldKind, QString, qsizetype> rows[] = {
        {"hund", FieldKind::Meaning, "hund", -1},
        {"5 US$ \"$\"", FieldKind::Meaning, "5 US ", 4},
        {"5 US$", FieldKind::Word, "5 US$", -1},
        {QString("a") + QChar(0xDC00) + "😀]-", FieldKind::Language1, "a😀", 1},
    };
    for (const auto &[text, kind, kept, first] : rows) {
        std::optional<Refusal> refusal;
        EXPECT_EQ(withoutRefused(text, kind, &refusal), kept) << text.toStdString();
        EXPECT_EQ(refusal ? refusal->position : -1, first) << text.toStdString();
    }
}

TEST(Rules, SetMeaningAsATableCell)
{
    struct Row {
        QStringList before;
        int index;
        QString text;
        QStringList after;
    };
    const Row rows[] = {
        {{}, 0, "dog", {"dog"}},
        {{}, 2, "dog", {"", "", "dog"}},
        {{"a", "", "c"}, 2, "", {"a"}},
        {{"a", "b"}, 0, "", {"", "b"}},
        {{"a"}, 3, "", {"a"}},
        {{""}, 0, "", {}},
        {{"a", "b"}, 1, "x", {"a", "x"}},
    };
    for (const Row &row : rows) {
        QStringList meanings = row.before;
        setMeaning(meanings, row.index, row.text);
        EXPECT_EQ(meanings, row.after) << row.before.join('|').toStdString() << " @" << row.index;
    }
}

TEST(Rules, EmptyRowsAreLeftOutOfTheFile)
{
    const Glosor g = toGlosor(document({{"", {}}, {"hund", {"dog"}}, {"", {}}, {"", {""}}, {"katt", {}}}));
    ASSERT_EQ(g.antalord(), 3);
    EXPECT_EQ(g.ordlista[0].ord, "hund");
    EXPECT_EQ(g.ordlista[1].antalbet, 1) << "an empty meaning is kept";
    EXPECT_EQ(g.ordlista[2].antalbet, 0);
    EXPECT_EQ(toDocument(g).entries.size(), 3u);
}

TEST(Rules, FirstProblemTable)
{
    const std::vector<Entry> many(401, Entry{"w", {"m"}});
    std::vector<Entry> manyWithGaps(400, Entry{"w", {"m"}});
    manyWithGaps.insert(manyWithGaps.begin() + 3, Entry{});
    struct Row {
        Document doc;
        int row, column;
        QString text;  // empty: none
    };
    const Row rows[] = {
        {document({{"hund", {"dog"}}}), 0, 0, ""},
        {document({}, "Sv-Eng", "X"), 0, 0, "Språk 1: Tecknet - skiljer språknamnen åt i filen och kan inte stå i ett språknamn."},
        {document({}, "Sv", "E]"), 0, 1, "Språk 2: Tecknet ] avslutar språknamnen i filen och kan inte stå i ett språknamn."},
        {document({{"hund", {"dog"}}, {"a\"", {"b"}}}), 2, 0, "Rad 2: Citattecken (\") kan inte sparas i en glosfil."},
        {document({{"hund", {"dog", "a$"}}}), 1, 2, "Rad 1: Tecknet $ skiljer betydelserna åt i filen och kan inte stå i en betydelse."},
        {document({{"hund", {"a", "b", "c", "d", "e"}}}), 1, 5, "Rad 1: Ett ord kan inte ha fler än 4 betydelser."},
        {document(many), 401, 0, "Rad 401: En glosfil kan inte ha fler än 400 ord."},
        {document(manyWithGaps), 0, 0, ""},
    };
    for (const Row &row : rows) {
        const auto problem = firstProblem(row.doc);
        if (row.text.isEmpty()) {
            EXPECT_FALSE(problem.has_value()) << problem->text.toStdString();
            continue;
        }
        ASSERT_TRUE(problem.has_value()) << row.text.toStdString();
        EXPECT_EQ(problem->row, row.row);
        EXPECT_EQ(problem->column, row.column);
        EXPECT_EQ(problem->text, row.text);
    }
}

TEST(Rules, WarningsPointAtTheRow)
{
    const Document doc = document({
        {"hund", {"dog"}},
        {"", {}},
        {"katt", {}},
        {"", {"cat"}},
        {"vovve", {"dog", ""}},
        {"hund", {"dog"}},
    });
    const std::vector<Warning> found = warnings(doc);
    const QStringList expected = {
        "Rad 3: ordet har ingen betydelse och frågas aldrig.",
        "Rad 4: ordet är tomt.",
        "Rad 5: betydelsen \"dog\" finns också på rad 1, så eleven kan inte veta vilket ord som frågas.",
        "Rad 5: betydelse 2 är tom och frågas med en tom fråga.",
    };
    QStringList texts;
    for (const Warning &w : found)
        texts << w.text;
    EXPECT_EQ(texts, expected) << "the same word twice with the same meaning is no warning";
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[2].kind, WarningKind::SharedMeaning);
    EXPECT_EQ(found[2].otherRow, 1);
    EXPECT_EQ(found[2].meaning, "dog");
}

TEST(Rules, AnEmptyLanguageNameIsAWarningOnceThereIsSomething)
{
    const std::pair<Document, QStringList> rows[] = {
        {document({{}, {}}, "", ""), {}},
        {document({{"hund", {"dog"}}}, "", ""), {"Språk 1: namnet är tomt.", "Språk 2: namnet är tomt."}},
        {document({}, "Svenska", ""), {"Språk 2: namnet är tomt."}},
        {document({{"hund", {}}}, "", "Engelska"), {"Språk 1: namnet är tomt.", "Rad 1: ordet har ingen betydelse och frågas aldrig."}},
    };
    for (const auto &[doc, expected] : rows) {
        QStringList texts;
        for (const Warning &w : warnings(doc))
            texts << w.text;
        EXPECT_EQ(texts, expected) << texts.join(" / ").toStdString();
    }
    EXPECT_EQ(warnings(document({}, "", "E")).front().kind, WarningKind::EmptyLanguage1);
}

TEST(Rules, Windows1252MisfitTable)
{
    struct Row {
        Document doc;
        bool misfit;
        int row;
        QString character;
    };
    const Row rows[] = {
        {document({{"häst", {"horse", "ß é ø €"}}}), false, 0, ""},
        {document({{"hund", {"dog"}}, {"łódź", {"boat"}}}), true, 2, "ł"},
        {document({{"hund", {"dog"}}, {"x", {"ok", "şey"}}}), true, 2, "ş"},
        {document({}, "Svenska", "Polska ł"), true, 0, "ł"},
        {document({{"a", {"😀"}}}), true, 1, "😀"},
        {document({{"hund", {"dog"}}, {"Ã¤", {"x"}}}), true, 2, ""},
        {document({{"Ã¤", {"x"}}, {"år", {"year"}}}), false, 0, ""},
    };
    for (const Row &row : rows) {
        const auto misfit = windows1252Misfit(row.doc);
        ASSERT_EQ(misfit.has_value(), row.misfit) << row.row;
        if (misfit) {
            EXPECT_EQ(misfit->row, row.row);
            EXPECT_EQ(misfit->character, row.character);
        }
    }
}
