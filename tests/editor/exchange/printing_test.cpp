// SPDX-License-Identifier: GPL-3.0-or-later
// The printed layouts, read back from the PDF page by page with poppler's pdftotext.
#include "editor/exchange/printing.h"
#include "support/tempfolder.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

using exchange::PrintLayout;
using exchange::PrintOptions;
using vocabulary::Document;
using vocabulary::Entry;

namespace {

QString numbered(const char *stem, int i)
{
    return QString::fromUtf8(stem).arg(i, 3, 10, QChar(u'0'));
}

// Rows whose texts are distinct and none found inside another, with one to four meanings; among
// them empty rows (one last, as the editor's table keeps), an empty meaning, a word without
// meanings, a word too long for its column and, in every tenth row, a meaning long enough to wrap.
Document vocabularyOf(int rows)
{
    Document document{QStringLiteral("Svenska"), QStringLiteral("Engelska"), {}};
    for (int i = 1; i <= rows; ++i) {
        if (i % 25 == 0)
            document.entries.push_back({});
        Entry entry{numbered("ord%1ö", i), {}};
        for (int j = 0; j < i % 4 + 1; ++j)
            entry.meanings << numbered("bet%1", i) + QChar(u'a' + j) + u'å';
        if (i % 10 == 0)
            entry.meanings.last() = numbered("början%1 är en mycket lång betydelse som inte ryms på en enda rad i "
                                             "sin kolumn utan fortsätter på nästa rad slut%1", i);
        if (i == 7)
            entry.meanings.prepend(QString());
        if (i == 9)
            entry.meanings.clear();
        if (i == 42)
            entry.word += QStringLiteral("realisationsvinstbeskattningsregelverksöversynsutredningsbetänkandet");
        document.entries.push_back(entry);
    }
    document.entries.push_back({});
    return document;
}

struct Printed {
    int returned = 0;
    QByteArray pdf;
    // The text of each page, and of its left and right halves, whitespace made single spaces.
    QStringList pages;
    QStringList leftHalves;
    QStringList rightHalves;
};

#ifndef Q_OS_WIN
QStringList pdfText(const QString &path, const QStringList &crop)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), QStringList{QStringLiteral("-layout")} + crop + QStringList{path, "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    // Each page ends with a form feed.
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    pages.removeLast();
    for (QString &page : pages)
        page = u' ' + page.simplified() + u' ';
    return pages;
}

// What shows that a text is on a page: its first and last words, or for a word run over several
// lines, its numbered beginning.
QStringList probes(const QString &text)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    return words.size() > 1 ? QStringList{words.first(), words.last()} : QStringList{text.left(7)};
}

// The pages, from 1, that hold the text.
std::vector<int> pagesWith(const QStringList &pages, const QString &text)
{
    std::vector<int> found;
    for (int p = 0; p < pages.size(); ++p) {
        if (pages[p].contains(text))
            found.push_back(p + 1);
    }
    return found;
}
#endif

Printed print(const Document &document, const PrintOptions &options, QPageSize::PageSizeId paper)
{
    const testing_support::TempFolder folder;
    const QString path = folder.file(QStringLiteral("glosor.pdf"));
    Printed printed;
    {
        QPdfWriter writer(path);
        writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                         QPageLayout::Millimeter));
        printed.returned = exchange::printVocabulary(writer, document, options);
    }
    printed.pdf = folder.read(QStringLiteral("glosor.pdf"));
#ifndef Q_OS_WIN
    const QSize points = QPageSize(paper).sizePoints();  // pdftotext crops in points
    const QString half = QString::number(points.width() / 2);
    const QString height = QString::number(points.height());
    printed.pages = pdfText(path, {});
    printed.leftHalves = pdfText(path, {"-x", "0", "-y", "0", "-W", half, "-H", height});
    printed.rightHalves = pdfText(path, {"-x", half, "-y", "0", "-W", half, "-H", height});
#endif
    return printed;
}

int pageObjects(const QByteArray &pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

// Poppler is not there under Wine: the Windows build only counts the PDF's pages.
#ifdef Q_OS_WIN
#define REQUIRE_PDFTOTEXT()
#else
#define REQUIRE_PDFTOTEXT()                                                         \
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) \
            << "pdftotext is missing: apt-get install poppler-utils"
#endif

}  // namespace

TEST(Printing, EveryRowWholeOnItsPageUnderTheHeading)
{
    REQUIRE_PDFTOTEXT();
    struct Case {
        const char *name;
        PrintLayout layout;
        bool showMeanings;
        QPageSize::PageSizeId paper;
        int rows;
        int pages;  // 0: as many as the rows take, at least three
        const char *title;
    };
    const Case cases[] = {
        {"Gloslista", PrintLayout::Gloslista, true, QPageSize::A4, 120, 0, "Engelska vecka 12"},
        {"Förhör, betydelserna givna", PrintLayout::Forhor, true, QPageSize::A4, 90, 0, "Engelska vecka 12"},
        {"Förhör, orden givna", PrintLayout::Forhor, false, QPageSize::Letter, 90, 0, "Engelska vecka 12"},
        // Ten cards a sheet, two across and five down, a front and a back page for each sheet.
        {"Gloskort", PrintLayout::Gloskort, true, QPageSize::A4, 60, 12, "Engelska vecka 12"},
        {"Gloskort, Letter", PrintLayout::Gloskort, true, QPageSize::Letter, 45, 10, "Engelska vecka 12"},
        // Nothing but empty rows, and no title: the heading alone.
        {"Tom gloslista", PrintLayout::Gloslista, true, QPageSize::A4, 0, 1, ""},
        {"Tomt förhör", PrintLayout::Forhor, true, QPageSize::A4, 0, 1, ""},
        {"Tomma gloskort", PrintLayout::Gloskort, true, QPageSize::A4, 0, 1, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Document document = vocabularyOf(c.rows);
        const QString title = QString::fromUtf8(c.title);
        const Printed printed = print(document, {c.layout, c.showMeanings, title}, c.paper);
        const QString heading = u' ' + (title.isEmpty() ? QStringLiteral("Glosor") : title);
        ASSERT_TRUE(printed.pdf.startsWith("%PDF"));
        EXPECT_EQ(pageObjects(printed.pdf), printed.returned);
        if (c.pages) {
            EXPECT_EQ(printed.returned, c.pages);
        } else {
            EXPECT_GE(printed.returned, 3);
        }
#ifndef Q_OS_WIN
        const QStringList &pages = printed.pages;
        ASSERT_EQ(pages.size(), printed.returned);
        for (int p = 1; p <= pages.size(); ++p) {
            const QString &page = pages[p - 1];
            const bool back = c.layout == PrintLayout::Gloskort && p % 2 == 0;
            EXPECT_TRUE(page.startsWith(heading + (back ? QStringLiteral(" – baksida ") : QStringLiteral(" "))))
                    << p;
            EXPECT_EQ(page.contains(QStringLiteral("baksida")), back) << p;
            EXPECT_TRUE(page.contains(QStringLiteral(" Svenska – Engelska "))) << p;
            EXPECT_TRUE(page.endsWith(QStringLiteral(" Sida %1 av %2 ").arg(p).arg(pages.size()))) << p;
            EXPECT_EQ(page.contains(QStringLiteral("Rätt:")), c.layout == PrintLayout::Forhor && p == pages.size());
        }
        int number = 0;
        for (const Entry &entry : document.entries) {
            if (entry.isEmpty())
                continue;
            ++number;
            QStringList meanings;
            for (const QString &meaning : entry.meanings)
                meanings << (meaning.isEmpty() ? QStringList{} : probes(meaning));
            const QString word = probes(entry.word).constFirst();
            SCOPED_TRACE(word.toStdString());
            // A test row is found by its number; the other layouts show the word.
            const bool wordShown = c.layout != PrintLayout::Forhor || !c.showMeanings;
            const std::vector<int> where = pagesWith(pages, c.layout == PrintLayout::Forhor
                                                                    ? QStringLiteral(" %1. ").arg(number)
                                                                    : word);
            ASSERT_EQ(where.size(), 1u);
            EXPECT_EQ(pagesWith(pages, word), wordShown ? where : std::vector<int>{});
            const int page = where.front();
            switch (c.layout) {
            case PrintLayout::Gloslista:
                for (const QString &meaning : meanings)
                    EXPECT_EQ(pagesWith(pages, meaning), where) << meaning.toStdString();
                break;
            case PrintLayout::Forhor:
                for (const QString &meaning : meanings)
                    EXPECT_EQ(pagesWith(pages, meaning), c.showMeanings ? where : std::vector<int>{})
                            << meaning.toStdString();
                break;
            case PrintLayout::Gloskort: {
                // A front, followed by its back, where the card lies on the other side.
                EXPECT_EQ(page % 2, 1);
                const bool left = printed.leftHalves[page - 1].contains(word);
                EXPECT_NE(left, printed.rightHalves[page - 1].contains(word));
                const QStringList &behind = left ? printed.rightHalves : printed.leftHalves;
                for (const QString &meaning : meanings) {
                    EXPECT_EQ(pagesWith(pages, meaning), std::vector<int>{page + 1}) << meaning.toStdString();
                    EXPECT_TRUE(behind[page].contains(meaning)) << meaning.toStdString();
                }
                break;
            }
            }
        }
        if (c.layout == PrintLayout::Forhor) {
            EXPECT_TRUE(pages.last().contains(QStringLiteral(" Rätt: ___ av %1 ").arg(number)));
        }
#endif
    }
}

TEST(Printing, RowTallerThanAPageHasAPageOfItsOwn)
{
    REQUIRE_PDFTOTEXT();
    const QString huge = QStringLiteral("lång ").repeated(2000);
    const Document document{QStringLiteral("Svenska"), QStringLiteral("Engelska"),
                            {{QStringLiteral("före"), {QStringLiteral("before")}},
                             {QStringLiteral("jätte"), {huge, huge}},
                             {QStringLiteral("efter"), {QStringLiteral("after")}}}};
    const Printed printed =
            print(document, {PrintLayout::Gloslista, true, QStringLiteral("Engelska vecka 12")}, QPageSize::A4);
    EXPECT_EQ(printed.returned, 3);
#ifndef Q_OS_WIN
    EXPECT_EQ(pagesWith(printed.pages, QStringLiteral(" före before ")), std::vector<int>{1});
    EXPECT_EQ(pagesWith(printed.pages, QStringLiteral(" jätte lång ")), std::vector<int>{2});
    EXPECT_EQ(pagesWith(printed.pages, QStringLiteral(" efter after ")), std::vector<int>{3});
    // Cut off above the page number, not painted over it.
    EXPECT_TRUE(printed.pages[1].endsWith(QStringLiteral(" lång Sida 2 av 3 ")));
#endif
}

TEST(Printing, NoPagesWhenTheDeviceCannotBePaintedOn)
{
    const testing_support::TempFolder folder;
    QPdfWriter writer(folder.file(QStringLiteral("saknas/glosor.pdf")));
    EXPECT_EQ(exchange::printVocabulary(writer, vocabularyOf(3), {}), 0);
}
