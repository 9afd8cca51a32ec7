// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainer/vocabulary/statistik.h"
#include "trainer/vocabulary/texts.h"

#include <gtest/gtest.h>

using namespace vocabulary;

TEST(Statistik, PercentTable)
{
    struct Row {
        int right, wrong, percent;
    };
    const Row rows[] = {
        {0, 0, 0}, {0, 2, 0}, {3, 1, 75}, {1, 7, 13}, {2, 1, 67}, {1, 2, 33},
        {5, 0, 100}, {1, 249, 0}, {1, 199, 1}, {1, 200, 0}, {29, 171, 15}, {199, 1, 100}, {1, 1599, 0},
        {8, 1592, 1}, {1599, 1, 100}, {7, 1593, 0}, {21, 19, 53}, {42, 38, 53}, {840, 760, 53},
    };
    for (const Row &row : rows)
        EXPECT_EQ(percentRight(row.right, row.wrong), row.percent) << row.right << " of " << row.right + row.wrong;
}

// Every pair up to 1600 answers: p is the percentage when p - 1/2 <= 100 * right / answered < p + 1/2,
// written without division so that nothing is rounded on the way.
TEST(Statistik, PercentRoundsHalvesUpForEveryPair)
{
    int mismatches = 0;
    for (int answered = 1; answered <= 1600; ++answered) {
        for (int right = 0; right <= answered; ++right) {
            const int p = percentRight(right, answered - right);
            const bool nearest = (2 * p - 1) * answered <= 200 * right && 200 * right < (2 * p + 1) * answered;
            if (!nearest && ++mismatches <= 5)
                ADD_FAILURE() << right << " of " << answered << " gives " << p;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(Statistik, Labels)
{
    const Statistik fresh = raknaut(0, 0, 10);
    EXPECT_EQ(fresh.gjorda, "Gjorda: 0");
    EXPECT_EQ(fresh.kvar, QStringLiteral(u"Kvar att öva: 10"));
    EXPECT_EQ(fresh.ratt, QStringLiteral(u"Rätt: 0"));
    EXPECT_EQ(fresh.fel, "Fel: 0");
    EXPECT_EQ(fresh.procenttext, QStringLiteral(u"Procent rätt: 0%"));

    const Statistik some = raknaut(3, 1, 10);
    EXPECT_EQ(some.gjorda, "Gjorda: 4");
    EXPECT_EQ(some.kvar, QStringLiteral(u"Kvar att öva: 6"));
    EXPECT_EQ(some.ratt, QStringLiteral(u"Rätt: 3"));
    EXPECT_EQ(some.fel, "Fel: 1");
    EXPECT_EQ(some.procenttext, QStringLiteral(u"Procent rätt: 75%"));

    EXPECT_EQ(raknaut(2, 1, 2).kvar, QStringLiteral(u"Kvar att öva: -1"));
}

TEST(Texts, EndOfDrill)
{
    EXPECT_EQ(endOfDrillText("Svenska", "Engelska", 7, 10, QStringLiteral(u"Procent rätt: 70%")),
              QStringLiteral(u"Du kunde det Svenska ordet för det Engelska ordet 7 gånger av 10 möjliga.\n"
                             u"Procent rätt: 70%."));
    EXPECT_EQ(unitWord(0), QStringLiteral(u"gånger"));
    EXPECT_EQ(unitWord(1), QStringLiteral(u"gång"));
    EXPECT_EQ(unitWord(2), QStringLiteral(u"gånger"));
}
