// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainer/shell/tidigarefiler.h"

#include <gtest/gtest.h>

using namespace shell;

namespace {

tidigarefiler listOf(const QStringList &paths)
{
    tidigarefiler list;
    for (int i = 0; i < paths.size(); ++i)
        list.setSlot(i, paths[i]);
    return list;
}

QStringList numbered(int from, int to)
{
    QStringList paths;
    for (int i = from; i <= to; ++i)
        paths << QStringLiteral("/glosor/%1.gls").arg(i);
    return paths;
}

}  // namespace

TEST(RecentList, NewFilesGoLastAndTheEleventhDropsTheOldest)
{
    tidigarefiler list;
    for (const QString &path : numbered(1, 10))
        EXPECT_TRUE(list.add(path));
    EXPECT_EQ(list.entries(), numbered(1, 10));
    EXPECT_TRUE(list.add("/glosor/11.gls"));
    EXPECT_EQ(list.entries(), numbered(2, 11));
}

TEST(RecentList, AListedFileKeepsItsPlace)
{
    tidigarefiler list = listOf({"/a.gls", "/b.gls", "/c.gls"});
    EXPECT_FALSE(list.add("/b.gls"));
    EXPECT_FALSE(list.add("/a.gls"));
    EXPECT_FALSE(list.add(" /a.gls ")) << "slot 0 is compared without spaces on both sides";
    EXPECT_EQ(list.entries(), QStringList({"/a.gls", "/b.gls", "/c.gls"}));
    tidigarefiler full = listOf(numbered(1, 10));
    EXPECT_FALSE(full.add("/glosor/10.gls"));
    EXPECT_EQ(full.entries(), numbered(1, 10));
}

TEST(RecentList, CloseUpKeepsTheOrderOfWhatExists)
{
    tidigarefiler list = listOf({"/a.gls", "/gone.gls", " /c.gls ", "/gone2.gls", "/e.gls"});
    const int left = list.closeUp([](const QString &path) { return !path.contains("gone"); });
    EXPECT_EQ(left, 3);
    EXPECT_EQ(list.entries(), QStringList({"/a.gls", " /c.gls ", "/e.gls"}));
    EXPECT_EQ(list.slot(3), "");
    EXPECT_EQ(list.closeUp([](const QString &) { return false; }), 0);
    EXPECT_TRUE(list.entries().isEmpty());
}

TEST(RecentList, OnlySlotsBeforeTheFirstEmptyOneCount)
{
    tidigarefiler list = listOf({"/a.gls", "  ", "/c.gls"});
    EXPECT_EQ(list.entries(), QStringList({"/a.gls"}));
    EXPECT_TRUE(list.add("/d.gls"));
    EXPECT_EQ(list.entries(), QStringList({"/a.gls", "/d.gls", "/c.gls"}));
}

TEST(RecentFileText, ReadTable)
{
    struct Row {
        QString text;
        QStringList entries;
    };
    const Row rows[] = {
        {"C:\\Glosor\\engelska.gls\r\nC:\\Glosor\\tyska.gls\r\n", {"C:\\Glosor\\engelska.gls", "C:\\Glosor\\tyska.gls"}},
        {"/a,b.gls\r\n", {"/a", "b.gls"}},
        {"\"/a,b.gls\"\r\n", {"/a,b.gls"}},
        {"\r\n/a.gls\r\n", {}},
        {"", {}},
        {"   /spaced.gls\n/lf.gls", {"/spaced.gls", "/lf.gls"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(tidigarefiler::parse(row.text).entries(), row.entries) << row.text.toStdString();
    const tidigarefiler many = tidigarefiler::parse(numbered(1, 12).join("\r\n"));
    EXPECT_EQ(many.entries(), numbered(1, 10)) << "fields beyond the tenth are ignored";
}

TEST(RecentFileText, WriteTable)
{
    EXPECT_EQ(listOf({"C:\\Glosor\\engelska.gls", "C:\\Glosor\\tyska.gls"}).serialize(),
              "C:\\Glosor\\engelska.gls\r\nC:\\Glosor\\tyska.gls\r\n");
    EXPECT_EQ(tidigarefiler().serialize(), "");
    EXPECT_EQ(listOf({"  /a.gls  "}).serialize(), "/a.gls\r\n");
    EXPECT_EQ(listOf({"/mina, glosor/a.gls"}).serialize(), "\"/mina, glosor/a.gls\"\r\n");
    EXPECT_EQ(listOf({"/x/\"quoted\".gls"}).serialize(), "/x/\"quoted\".gls\r\n");
    EXPECT_EQ(listOf({"\"/starts with quote.gls", "/ok.gls"}).serialize(), "/ok.gls\r\n")
        << "cannot be read back whole: left out";
    EXPECT_EQ(listOf({"/a\nb.gls", "/ok.gls"}).serialize(), "/ok.gls\r\n");
    EXPECT_EQ(listOf({"/a,\"b.gls", "/ok.gls"}).serialize(), "/ok.gls\r\n");
}

TEST(RecentFileText, EverySerializedListReadsBackTheSame)
{
    const QStringList paths = {"/glosor/engelska.gls", "/mina, glosor/a.gls", "/x/\"q\".gls", "/å ä ö/ord.gls",
                               "C:\\Glosor\\tyska.ny.gls"};
    const tidigarefiler list = listOf(paths);
    EXPECT_EQ(tidigarefiler::parse(decodeRecentFile(encodeRecentFile(list.serialize()))).entries(), paths);
}

TEST(RecentCaptions, FullPathOrNameOnly)
{
    EXPECT_EQ(recentCaption("C:\\Glosor\\engelska.gls", 0), "C:\\Glosor\\engelska.gls");
    EXPECT_EQ(recentCaption("C:\\Glosor\\engelska.gls", 1), "engelska.gls");
    EXPECT_EQ(recentCaption("/home/elev/glosor/tyska.gls", 1), "tyska.gls");
    EXPECT_EQ(recentCaption("/home/elev/glosor/tyska.gls", 2), "/home/elev/glosor/tyska.gls") << "only 1 means names";
    EXPECT_EQ(recentCaption(" ord.gls ", 1), "ord.gls");
}
