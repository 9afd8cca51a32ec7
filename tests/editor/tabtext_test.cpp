// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/tabtext.h"

#include <gtest/gtest.h>

using editor::parseTabText;

TEST(TabText, RowsByLineCellsByTab)
{
    struct Row {
        QString text;
        QList<QStringList> cells;
    };
    const Row rows[] = {
        {"hund\tdog\thound\r\nkatt\tcat\r\n", {{"hund", "dog", "hound"}, {"katt", "cat"}}},
        {"hund\tdog\nkatt\tcat", {{"hund", "dog"}, {"katt", "cat"}}},
        {"a\rb\r", {{"a"}, {"b"}}},
        {"ett ord", {{"ett ord"}}},
        {"a\t\tc\n\nd", {{"a", "", "c"}, {""}, {"d"}}},
        {"", {}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(parseTabText(row.text), row.cells) << row.text.toStdString();
    EXPECT_EQ(parseTabText(editor::tabText({{"a", "b"}, {"", "c"}})), (QList<QStringList>{{"a", "b"}, {"", "c"}}));
}
