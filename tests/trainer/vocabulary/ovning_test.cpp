// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainer/vocabulary/ovning.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace vocabulary;

namespace {

Glosor vocabularyOf(std::initializer_list<std::pair<QString, QStringList>> words)
{
    Glosor g;
    g.sprak1 = "Svenska";
    g.sprak2 = "Engelska";
    for (const auto &[word, meanings] : words) {
        ordpost post;
        post.ord = word;
        post.antalbet = static_cast<int>(meanings.size());
        for (int j = 0; j < meanings.size(); ++j)
            post.bet[j] = meanings[j];
        g.ordlista.push_back(post);
    }
    return g;
}

}  // namespace

TEST(Ovning, OneWordOneMeaning)
{
    Ovning ovning(1);
    ovning.take(vocabularyOf({{"hund", {"dog"}}}));
    ASSERT_TRUE(ovning.nasta());
    EXPECT_EQ(ovning.prompt(), "dog");
    EXPECT_EQ(ovning.ordnr(), 1);
    EXPECT_EQ(ovning.betnr(), 1);
    EXPECT_TRUE(ovning.drillEnded());
    EXPECT_FALSE(ovning.nasta()) << "nothing left to draw, and no endless loop";
}

TEST(Ovning, EveryPairOnceThenANewDrill)
{
    Ovning ovning(7);
    ovning.take(vocabularyOf({{"a", {"1", "2", "3", "4"}}, {"b", {"5"}}, {"c", {"6", "7"}}}));
    ASSERT_EQ(ovning.summabet(), 7);
    for (int drill = 0; drill < 3; ++drill) {
        std::set<std::pair<int, int>> seen;
        for (int n = 0; n < 7; ++n) {
            ASSERT_FALSE(ovning.drillEnded());
            ASSERT_TRUE(ovning.nasta());
            EXPECT_TRUE(seen.insert({ovning.ordnr(), ovning.betnr()}).second) << "asked twice";
            ovning.count(true);
            ovning.finishQuestion();
        }
        EXPECT_TRUE(ovning.drillEnded());
        EXPECT_EQ(ovning.antalfragor(), 7);
        ovning.newDrill();
        EXPECT_EQ(ovning.antalratt(), 0);
        EXPECT_EQ(ovning.antalfragor(), 0);
    }
}

TEST(Ovning, DrawKeepsItsProbabilities)
{
    // A one-meaning word and a four-meaning word: the lone meaning comes first half the time,
    // each of the others an eighth of the time.
    std::map<QString, int> first;
    const int runs = 40000;
    Ovning ovning(20261209);
    const Glosor g = vocabularyOf({{"a", {"lone"}}, {"b", {"b1", "b2", "b3", "b4"}}});
    for (int i = 0; i < runs; ++i) {
        ovning.take(g);
        ASSERT_TRUE(ovning.nasta());
        ++first[ovning.prompt()];
    }
    EXPECT_NEAR(first["lone"] / double(runs), 0.5, 0.01);
    for (const char *m : {"b1", "b2", "b3", "b4"})
        EXPECT_NEAR(first[m] / double(runs), 0.125, 0.01) << m;
}

TEST(Ovning, WordsWithoutMeaningsAreNeverAsked)
{
    Ovning ovning(3);
    ovning.take(vocabularyOf({{"empty", {}}, {"b", {"x", "y"}}, {"also empty", {}}}));
    EXPECT_EQ(ovning.antalord(), 3);
    EXPECT_EQ(ovning.summabet(), 2);
    for (int n = 0; n < 2; ++n) {
        ASSERT_TRUE(ovning.nasta());
        EXPECT_EQ(ovning.ordnr(), 2);
    }
    EXPECT_TRUE(ovning.drillEnded());
    EXPECT_FALSE(ovning.nasta());

    ovning.take(vocabularyOf({{"empty", {}}}));
    EXPECT_FALSE(ovning.hasUnasked());
    EXPECT_FALSE(ovning.nasta());
}

TEST(Ovning, CheckingIsExactAfterTrimmingSpaces)
{
    Ovning ovning(5);
    ovning.take(vocabularyOf({{"  hund ", {"dog"}}}));
    ASSERT_TRUE(ovning.nasta());
    EXPECT_EQ(ovning.answer(), "hund");
    EXPECT_TRUE(ovning.isRight("  hund  "));
    EXPECT_FALSE(ovning.isRight("Hund"));
    EXPECT_FALSE(ovning.isRight("hund."));
    EXPECT_FALSE(ovning.isRight("\thund"));
}

TEST(Ovning, MissesAreMarkedAndClearedByANewDrill)
{
    Ovning ovning(9);
    ovning.take(vocabularyOf({{"a", {"x"}}}));
    ASSERT_TRUE(ovning.nasta());
    ovning.count(false);
    ovning.markMissed();
    EXPECT_TRUE(ovning.post(1).fel[0]);
    EXPECT_EQ(ovning.antalfel(), 1);
    ovning.newDrill();
    EXPECT_FALSE(ovning.post(1).fel[0]);
    EXPECT_FALSE(ovning.post(1).fragad[0]);
    EXPECT_EQ(ovning.antalfel(), 0);
}

TEST(Ovning, ALoadClearsTheDrillInProgress)
{
    Ovning ovning(11);
    ovning.take(vocabularyOf({{"a", {"x", "y"}}, {"b", {"z"}}}));
    ASSERT_TRUE(ovning.nasta());
    ovning.count(false);
    ovning.markMissed();
    ovning.take(vocabularyOf({{"c", {"q"}}}));
    EXPECT_FALSE(ovning.questionOnShow());
    EXPECT_EQ(ovning.ordnr(), 0);
    EXPECT_EQ(ovning.antalfel(), 0);
    EXPECT_EQ(ovning.antalfragor(), 0);
    EXPECT_FALSE(ovning.post(1).fel[0]);
}
