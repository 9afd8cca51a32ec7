// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabfile/fieldreader.h"

#include <QStringList>
#include <gtest/gtest.h>

using vocabulary::FieldReader;

namespace {

QStringList fields(const QString &text)
{
    FieldReader reader(text);
    QStringList all;
    while (!reader.atEnd())
        all << *reader.next();
    return all;
}

}  // namespace

TEST(FieldReader, Table)
{
    struct Row {
        QString text;
        QStringList expected;
    };
    const Row rows[] = {
        {"a,b\r\nc\r\n", {"a", "b", "c"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"  a,   b", {"a", "b"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"\"a,b\"tail,c", {"a,b", "c"}},
        {"  \"quoted\"\r\nnext", {"quoted", "next"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a,,b", {"a", "", "b"}},
        {"a,\r\nb", {"a", "", "b"}},
        {"trailing  ,x", {"trailing  ", "x"}},
        {"\"never closed, runs to the end", {"never closed, runs to the end"}},
        {"\"\"", {""}},
        {"   ", {""}},
        {"$dog$", {"$dog$"}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(fields(row.text), row.expected) << row.text.toStdString();
}

TEST(FieldReader, ReadingPastTheEndGivesNothing)
{
    FieldReader reader(u"a\r\n");
    EXPECT_EQ(reader.next(), QString("a"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next().has_value());
    FieldReader empty(u"");
    EXPECT_TRUE(empty.atEnd());
    EXPECT_FALSE(empty.next().has_value());
}
