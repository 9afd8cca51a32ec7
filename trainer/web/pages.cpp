// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages.h"

#include "pagetext.h"
#include "platform/product.h"
#include "trainer/vocabulary/texts.h"

#include <QStringList>
#include <algorithm>

namespace web {

using vocabulary::Glosor;
using vocabulary::ordpost;

namespace {

const QString kFace = QStringLiteral("<font face=\"verdana,arial\"");
const QString kGap = QStringLiteral("<br>&nbsp;<br>");
const QString kFourSpaces = QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");

// How a meaning's row shows the word: the one point where the two tables differ.
enum class WordCells {
    EveryRowMissedInBold,  // the report: the word on every row, bold italic where it was missed
    FirstRowOnly,          // the vocabulary page: the word once, plain
};

// The font of a table cell, with the size after a "+".
QString cellFont(qint16 textstorlek)
{
    return kFace + QStringLiteral(" font size=\"+") + QString::number(textstorlek) + QStringLiteral("\">");
}

int meaningsOf(const ordpost &post)
{
    return std::clamp(post.antalbet, 0, vocabulary::kMaxMeanings);
}

// The pieces both pages are built from, in the order they stand in a page.
class Page {
public:
    // Title, colours, the heading and the date stamp; the stamp's paragraph stays open.
    void head(const QString &heading, const PageContext &context)
    {
        lines_ << QStringLiteral("<HTML><HEAD><TITLE>") + platform::productTitle() + QStringLiteral("</TITLE></HEAD>");
        lines_ << colourLine(context.farg);
        lines_ << QStringLiteral("<BLOCKQUOTE>");
        lines_ << QStringLiteral("<H1 align=center>") + kFace + u'>' + heading + QStringLiteral("</font></H1>");
        lines_ << QStringLiteral("<p>") + kFace + u'>' + context.date + u' ' + context.time + QStringLiteral("<br>");
    }

    // "Det finns ... betydelser på "...", then `ending`.
    void counts(const Glosor &glosor, const QString &ending)
    {
        lines_ << QStringLiteral("Det finns ") + QString::number(glosor.antalord()) + QStringLiteral(" ord på \"")
                + htmlText(glosor.sprak1) + QStringLiteral("\" med tillsammans ") + QString::number(glosor.summabet())
                + QStringLiteral(" betydelser på \"") + htmlText(glosor.sprak2) + u'"' + ending;
    }

    void line(const QString &text) { lines_ << text; }

    // Every word with its meanings, one row per meaning, and a spacer row after each word.
    void table(const Glosor &glosor, qint16 textstorlek, WordCells wordCells)
    {
        const QString font = cellFont(textstorlek);
        lines_ << kGap << QStringLiteral("<table>");
        for (const ordpost &post : glosor.ordlista) {
            const QString ord = htmlText(post.ord);
            for (int j = 0; j < meaningsOf(post); ++j) {
                lines_ << QStringLiteral("<tr>") << QStringLiteral("<td>");
                if (wordCells == WordCells::EveryRowMissedInBold && post.fel[j])
                    lines_ << font + QStringLiteral("<b><i>") + ord + QStringLiteral("</i></b>") + kFourSpaces
                            + QStringLiteral("</font>");
                else if (wordCells == WordCells::EveryRowMissedInBold || j == 0)
                    lines_ << font + ord + kFourSpaces + QStringLiteral("</font>");
                lines_ << QStringLiteral("</td>") << QStringLiteral("<td>");
                lines_ << font + htmlText(post.bet[j]) + QStringLiteral("</font>");
                lines_ << QStringLiteral("</td>") << QStringLiteral("</tr>");
            }
            lines_ << QStringLiteral("<tr>") << QStringLiteral("<td><br>&nbsp;<br></td>")
                   << QStringLiteral("<td><br>&nbsp;<br></td>") << QStringLiteral("</tr>");
        }
        lines_ << QStringLiteral("</table></font>");
    }

    // The space below the table and the end of the page. The small print stays empty.
    void footer()
    {
        for (int i = 0; i < 4; ++i)
            lines_ << kGap;
        lines_ << QStringLiteral("<sup><font size=\"-3\">") << QStringLiteral("</font></sup>");
        lines_ << QStringLiteral("</BLOCKQUOTE></BODY></HTML>");
    }

    QByteArray bytes() const { return pageBytes(lines_); }

private:
    QStringList lines_;
};

}  // namespace

QByteArray latestPracticePage(const Glosor &glosor, const DrillResult &result, const PageContext &context)
{
    Page page;
    page.head(QStringLiteral("Övning på: ") + htmlText(basnamn(context.filnamn)), context);
    page.counts(glosor, QStringLiteral(".<br>"));
    page.line(QStringLiteral("Du kunde det \"") + htmlText(glosor.sprak1) + QStringLiteral("\" ordet för det \"")
              + htmlText(glosor.sprak2) + QStringLiteral("\" ordet ") + QString::number(result.antalratt) + u' '
              + vocabulary::unitWord(result.antalratt) + QStringLiteral(" av ") + QString::number(glosor.summabet())
              + QStringLiteral(" möjliga.<br>"));
    page.line(result.procenttext + u'.');
    page.line(QStringLiteral("Om du har stavat fel är dessa ord rättade och markerade med <b>fet</b> och "
                             "<i>kursiv</i> stil.</font></p>"));
    page.table(glosor, context.textstorlek, WordCells::EveryRowMissedInBold);
    page.footer();
    return page.bytes();
}

QByteArray vocabularyPage(const Glosor &glosor, const PageContext &context)
{
    Page page;
    page.head(htmlText(basnamn(context.filnamn)), context);
    page.counts(glosor, QStringLiteral(".</font></p>"));
    page.table(glosor, context.textstorlek, WordCells::FirstRowOnly);
    page.footer();
    return page.bytes();
}

}  // namespace web
