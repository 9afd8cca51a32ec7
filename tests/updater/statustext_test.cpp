// SPDX-License-Identifier: GPL-3.0-or-later
#include "updater/statustext.h"

#include <gtest/gtest.h>

using updater::stateText;

TEST(StateText, EveryState)
{
    struct Row {
        int state;
        bool laddar;
        const char *text;
    };
    const std::vector<Row> rows{
        {0, false, ""},
        {1, false, "Letar upp värd..."},
        {2, false, "Värd hittad"},
        {3, false, "Ansluter..."},
        {4, false, "Ansluten!"},
        {5, false, "Anhåller..."},
        {6, false, "Anhållan skickad"},
        {7, false, "Mottar svar..."},
        {8, false, "Svar mottagit!"},
        {8, true, "Svar mottagit! Vänta..."},
        {9, false, "Kopplar från"},
        {10, true, "Frånkopplad"},
        {12, false, "Klart!"},
        {1, true, "Letar upp värd..."},
    };
    for (const Row &row : rows) {
        const std::optional<QString> text = stateText(row.state, row.laddar, 0, QString());
        ASSERT_TRUE(text.has_value()) << row.state;
        EXPECT_EQ(*text, QString::fromUtf8(row.text)) << row.state;
    }
}

TEST(StateText, ErrorWithCodeAndInformation)
{
    EXPECT_EQ(stateText(11, false, 7, "Failed to connect"), QStringLiteral("Ett fel har inträffat! 7: Failed to connect"));
    EXPECT_EQ(stateText(11, true, -35, "x y"), QStringLiteral("Ett fel har inträffat! -35: x y"));
    EXPECT_EQ(stateText(11, false, 0, ""), QStringLiteral("Ett fel har inträffat! 0: "));
}

TEST(StateText, OtherNumbersLeaveTheLine)
{
    for (int state : {13, -1, 14, 100})
        EXPECT_FALSE(stateText(state, false, 0, QString()).has_value()) << state;
}
