// SPDX-License-Identifier: GPL-3.0-or-later
#include "testpages.h"
#include "trainer/web/pages.h"
#include "trainer/web/pagetext.h"

#include <gtest/gtest.h>

using namespace webtest;
using web::PageContext;

namespace {

PageContext context(qint16 farg, qint16 textstorlek, const QString &filnamn = QStringLiteral("/plugo/engelska.gls"))
{
    PageContext c;
    c.filnamn = filnamn;
    c.farg = farg;
    c.textstorlek = textstorlek;
    c.date = QStringLiteral("2026-12-09");
    c.time = QStringLiteral("14:05");
    return c;
}

// Marks the meanings with these texts as missed.
void miss(vocabulary::Glosor &glosor, const QStringList &meanings)
{
    for (vocabulary::ordpost &post : glosor.ordlista) {
        for (int j = 0; j < post.antalbet; ++j)
            post.fel[j] = meanings.contains(post.bet[j]);
    }
}

}  // namespace

TEST(Basnamn, Table)
{
    struct Row {
        QString filnamn;
        QString expected;
    };
    const Row rows[] = {
        {"C:\\Glosor\\engelska.gls", "engelska"},
        {"C:\\Mina.dok\\ord.gls", "ord"},
        {"C:\\Glosor\\tyska.ny.gls", "tyska"},
        {"C:\\Glosor\\ord", "ord"},
        {"C:\\Glosor\\", ""},
        {"/home/elev/glosor/franska.gls", "franska"},
        {"/home/elev/mina.dok/ord.gls", "ord"},
        {"/home/elev/glosor/", ""},
        {"engelska.gls", "engelska"},
        {"engelska", "engelska"},
        {".gls", ""},
        {"", ""},
        {"C:\\Glosor\\  spanska .gls", "  spanska "},
        {"/glosor/a&b <c>.gls", "a&b <c>"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(web::basnamn(row.filnamn), row.expected) << row.filnamn.toStdString();
}

TEST(HtmlText, Table)
{
    struct Row {
        QString text;
        QString expected;
    };
    const Row rows[] = {
        {"hund", "hund"},
        {"", ""},
        {"<b>", "&lt;b&gt;"},
        {"R&B", "R&amp;B"},
        {"&amp;", "&amp;amp;"},
        {"\"citat\"", "&quot;citat&quot;"},
        {"it's", "it's"},
        {"åäö €", "åäö €"},
        {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(web::htmlText(row.text), row.expected) << row.text.toStdString();
}

TEST(PageBytes, Table)
{
    struct Row {
        QStringList lines;
        QByteArray expected;
    };
    const Row rows[] = {
        {{}, ""},
        {{""}, "\r\n"},
        {{"a", "b"}, "a\r\nb\r\n"},
        {{"Övning på"}, "\xd6vning p\xe5\r\n"},
        {{"€ – ‰"}, "\x80 \x96 \x89\r\n"},
        {{"Ωmega"}, "&#937;mega\r\n"},
        {{"ett ✓"}, "ett &#10003;\r\n"},
        {{QString::fromUtf8("\xf0\x9f\x98\x80")}, "&#128512;\r\n"},
        {{QString(QChar(0xD800)) + u'x'}, "&#65533;x\r\n"},
        {{QString(u'x') + QChar(0xDC00)}, "x&#65533;\r\n"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(web::pageBytes(row.lines), row.expected) << row.lines.join('|').toStdString();
}

TEST(ColourLine, Table)
{
    struct Row {
        qint16 farg;
        QString expected;
    };
    const Row rows[] = {
        {0, "<BODY BGCOLOR=\"white\" text=\"black\">"},
        {1, "<BODY BGCOLOR=\"black\" text=\"white\">"},
        {2, "<BODY BGCOLOR=\"yellow\" text=\"red\">"},
        {3, "<BODY BGCOLOR=\"blue\" text=\"white\">"},
        {4, ""},
        {7, ""},
        {-1, ""},
        {32767, ""},
    };
    for (const Row &row : rows)
        EXPECT_EQ(web::colourLine(row.farg), row.expected) << row.farg;
}

TEST(Pages, TheSizeStandsInEveryCell)
{
    const vocabulary::Glosor glosor = glosorOf("Svenska", "Engelska", englishWords());
    for (const qint16 size : {qint16(0), qint16(3), qint16(12), qint16(-1)}) {
        const QByteArray cell = "<font face=\"verdana,arial\" font size=\"+" + QByteArray::number(size) + "\">";
        const QByteArray report = web::latestPracticePage(glosor, {7, "Procent rätt: 100%"}, context(0, size));
        const QByteArray page = web::vocabularyPage(glosor, context(0, size));
        // Seven meanings: a word cell and a meaning cell each in the report; five words on the page.
        EXPECT_EQ(report.count(cell), 14) << size;
        EXPECT_EQ(page.count(cell), 7 + 4) << size;
    }
}

TEST(Pages, ReportMatchesTheStoredPage)
{
    vocabulary::Glosor glosor = glosorOf("Svenska", "Engelska", englishWords());
    miss(glosor, {"hound", "cur"});
    EXPECT_TRUE(matchesGolden(web::latestPracticePage(glosor, {5, "Procent rätt: 71%"}, context(2, 1)),
                              "report_missed_meanings.html"));
}

TEST(Pages, VocabularyPageNeverShowsTheMisses)
{
    vocabulary::Glosor glosor = glosorOf("Svenska", "Engelska", englishWords());
    EXPECT_TRUE(matchesGolden(web::vocabularyPage(glosor, context(0, 0)), "vocabulary_farg0_size0.html"));
    miss(glosor, {"dog", "hound", "cur", "cat", "horse", "steed", "bird"});
    EXPECT_TRUE(matchesGolden(web::vocabularyPage(glosor, context(0, 0)), "vocabulary_farg0_size0.html"));
}

TEST(Pages, MarkupFromTheVocabularyIsEscaped)
{
    vocabulary::Glosor glosor = glosorOf("Svenska & \"latin\"", "<Engelska>", markupWords());
    miss(glosor, {"<script>alert(1)</script>"});
    const PageContext c = context(0, 0, QStringLiteral("/plugo/a&b &lt;c&gt; Ωmega.gls"));
    EXPECT_TRUE(matchesGolden(web::latestPracticePage(glosor, {4, "Procent rätt: 80%"}, c), "report_escaped.html"));
    EXPECT_TRUE(matchesGolden(web::vocabularyPage(glosor, c), "vocabulary_escaped.html"));
}

TEST(Pages, AnEmptyVocabularyHasAnEmptyTable)
{
    const vocabulary::Glosor glosor = glosorOf("Svenska", "Engelska", {});
    const QList<QByteArray> lines = linesOf(web::vocabularyPage(glosor, context(0, 0)));
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[5],
              "Det finns 0 ord p\xe5 \"Svenska\" med tillsammans 0 betydelser p\xe5 \"Engelska\".</font></p>");
    EXPECT_EQ(lines[7], "<table>");
    EXPECT_EQ(lines[8], "</table></font>");
}

// The two pages share every line except the heading, the lines about the result, and the word
// cells of the table.
TEST(Pages, TheTwoPagesDifferOnlyWhereTheyShould)
{
    vocabulary::Glosor glosor = glosorOf("Svenska", "Engelska", englishWords());
    miss(glosor, {"hound"});
    const QList<QByteArray> report = linesOf(web::latestPracticePage(glosor, {6, "Procent rätt: 86%"}, context(1, 2)));
    const QList<QByteArray> page = linesOf(web::vocabularyPage(glosor, context(1, 2)));

    // Take the report's extra lines away: the result lines, and the word cells of second and later meanings.
    QList<QByteArray> rest = report;
    rest.remove(6, 3);
    const QByteArray cur = "<font face=\"verdana,arial\" font size=\"+2\">hund&nbsp;&nbsp;&nbsp;&nbsp;</font>";
    const QByteArray houndMissed =
        "<font face=\"verdana,arial\" font size=\"+2\"><b><i>hund</i></b>&nbsp;&nbsp;&nbsp;&nbsp;</font>";
    const QByteArray steed = "<font face=\"verdana,arial\" font size=\"+2\">h\xe4st&nbsp;&nbsp;&nbsp;&nbsp;</font>";
    EXPECT_EQ(rest.removeAll(houndMissed), 1);
    rest.removeAt(rest.indexOf(cur, rest.indexOf(cur) + 1));
    rest.removeAt(rest.indexOf(steed, rest.indexOf(steed) + 1));
    ASSERT_EQ(rest.size(), page.size());

    std::vector<int> differing;
    for (int i = 0; i < page.size(); ++i) {
        if (rest[i] != page[i])
            differing.push_back(i);
    }
    EXPECT_EQ(differing, (std::vector<int>{3, 5}));
    EXPECT_EQ(rest[3], "<H1 align=center><font face=\"verdana,arial\">\xd6vning p\xe5: engelska</font></H1>");
    EXPECT_EQ(page[3], "<H1 align=center><font face=\"verdana,arial\">engelska</font></H1>");
    EXPECT_TRUE(rest[5].endsWith("\"Engelska\".<br>"));
    EXPECT_TRUE(page[5].endsWith("\"Engelska\".</font></p>"));
}
