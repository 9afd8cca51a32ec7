// SPDX-License-Identifier: GPL-3.0-or-later
#include "updater/versionfile.h"

#include <gtest/gtest.h>

using updater::readServerDate;
using updater::splitVersionFile;

TEST(SplitVersionFile, Table)
{
    struct Row {
        QString body;
        QStringList fields;
        QString message;
    };
    const std::vector<Row> rows{
        {"26 01 15$26 02 01$25 12 24£Nytt i år", {"26 01 15", "26 02 01", "25 12 24"}, "Nytt i år"},
        // Without "£" the three fields take the whole body and the message is empty.
        {"26 01 15$26 02 01$25 12 24", {"26 01 15", "26 02 01", "25 12 24"}, ""},
        // After the first "£" everything is message, "$" and "£" included, line breaks too.
        {"1$2$3£Pris: 5$ eller 4£\r\nRad två", {"1", "2", "3"}, "Pris: 5$ eller 4£\r\nRad två"},
        {"1$2$3£", {"1", "2", "3"}, ""},
        {"", {""}, ""},
        {"£bara text", {""}, "bara text"},
        {"1$2£x", {"1", "2"}, "x"},
        {"1$2$3$4£x", {"1", "2", "3", "4"}, "x"},
        {"$$£", {"", "", ""}, ""},
    };
    for (const Row &row : rows) {
        const updater::VersionFile file = splitVersionFile(row.body);
        EXPECT_EQ(file.dateFields, row.fields) << row.body.toStdString();
        EXPECT_EQ(file.message, row.message) << row.body.toStdString();
    }
}

TEST(ReadServerDate, Table)
{
    struct Row {
        const char *field;
        QDate date;  // invalid: not readable
    };
    const std::vector<Row> rows{
        {"26 01 15", QDate(2026, 1, 15)},
        {"00 01 01", QDate(2000, 1, 1)},
        {"29 12 31", QDate(2029, 12, 31)},
        {"30 01 01", QDate(1930, 1, 1)},
        {"99 12 31", QDate(1999, 12, 31)},
        {"2031 05 06", QDate(2031, 5, 6)},
        {"1999-12-31", QDate(1999, 12, 31)},
        {"26-1-5", QDate(2026, 1, 5)},
        {"  26 01 15  ", QDate(2026, 1, 15)},
        {"26  01  15", QDate(2026, 1, 15)},
        {"5 1 2", QDate(2005, 1, 2)},
        {"\r\n26 01 15", QDate(2026, 1, 15)},
        {"24 02 29", QDate(2024, 2, 29)},
        {"25 02 29", QDate()},
        {"26 13 01", QDate()},
        {"26 00 10", QDate()},
        {"26 01 32", QDate()},
        {"026 01 15", QDate()},
        {"26 01", QDate()},
        {"26 01 15 12", QDate()},
        {"26/01/15", QDate()},
        {"januari", QDate()},
        {"", QDate()},
        {"26 0x 15", QDate()},
    };
    for (const Row &row : rows) {
        const std::optional<QDate> read = readServerDate(QString::fromLatin1(row.field));
        if (row.date.isValid()) {
            ASSERT_TRUE(read.has_value()) << row.field;
            EXPECT_EQ(*read, row.date) << row.field;
        } else {
            EXPECT_FALSE(read.has_value()) << row.field;
        }
    }
}

TEST(ReadServerDates, ExactlyThreeReadableFields)
{
    EXPECT_TRUE(updater::readServerDates(splitVersionFile("26 01 15$26 01 15$26 01 15£")).has_value());
    EXPECT_FALSE(updater::readServerDates(splitVersionFile("26 01 15$26 01 15£")).has_value());
    EXPECT_FALSE(updater::readServerDates(splitVersionFile("26 01 15$26 01 15$26 01 15$26 01 15£")).has_value());
    EXPECT_FALSE(updater::readServerDates(splitVersionFile("26 01 15$$26 01 15£")).has_value());
    EXPECT_FALSE(updater::readServerDates(splitVersionFile("<html><body>Not Found</body></html>")).has_value());
    const auto dates = updater::readServerDates(splitVersionFile("26 01 15$1999-12-31$29 02 28£text"));
    ASSERT_TRUE(dates.has_value());
    EXPECT_EQ((*dates)[0], QDate(2026, 1, 15));
    EXPECT_EQ((*dates)[1], QDate(1999, 12, 31));
    EXPECT_EQ((*dates)[2], QDate(2029, 2, 28));
}

TEST(IsNewer, ByCalendarDay)
{
    EXPECT_FALSE(updater::isNewer(QDate(2026, 1, 15), QDate(2026, 1, 15)));
    EXPECT_TRUE(updater::isNewer(QDate(2026, 1, 15), QDate(2026, 1, 16)));
    EXPECT_FALSE(updater::isNewer(QDate(2026, 1, 16), QDate(2026, 1, 15)));
    EXPECT_TRUE(updater::isNewer(QDate(2025, 12, 31), QDate(2026, 1, 1)));
    // A local file from 2030 is from 2030, not from 1930.
    EXPECT_FALSE(updater::isNewer(QDate(2031, 3, 1), QDate(1999, 12, 31)));
}

TEST(ExpandTwoDigitYear, Window)
{
    EXPECT_EQ(updater::expandTwoDigitYear(0), 2000);
    EXPECT_EQ(updater::expandTwoDigitYear(29), 2029);
    EXPECT_EQ(updater::expandTwoDigitYear(30), 1930);
    EXPECT_EQ(updater::expandTwoDigitYear(99), 1999);
}
