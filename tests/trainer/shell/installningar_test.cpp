// SPDX-License-Identifier: GPL-3.0-or-later
#include "trainer/shell/installningar.h"
#include "support/tempfolder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace shell;

TEST(SettingsFile, BytesBothWays)
{
    const QByteArray example("\x02\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00", 16);
    EXPECT_EQ(settingsBytes({2, 1, 0, 1}), example);
    EXPECT_EQ(parseSettings(example), (SettingsValues{2, 1, 0, 1}));

    const QByteArray dialogExample("\x03\x00\x00\x00\x03\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00", 16);
    EXPECT_EQ(parseSettings(dialogExample), (SettingsValues{3, 3, 1, 0}));

    EXPECT_EQ(settingsBytes({-1, 300, 7, 0}), QByteArray("\xFF\xFF\x00\x00\x2C\x01\x00\x00\x07\x00\x00\x00\x00\x00\x00\x00", 16));
    EXPECT_EQ(parseSettings(settingsBytes({-1, 300, 7, 0})), (SettingsValues{-1, 300, 7, 0}));
}

TEST(SettingsFile, FillerBytesAreNeverRead)
{
    EXPECT_EQ(parseSettings(QByteArray("\x01\x00\xAA\xBB\x02\x00\xCC\xDD", 8)), (SettingsValues{1, 2, 0, 0}));
}

TEST(SettingsFile, ShortFilesReadZeros)
{
    EXPECT_EQ(parseSettings(QByteArray()), (SettingsValues{0, 0, 0, 0}));
    EXPECT_EQ(parseSettings(QByteArray("\x02", 1)), (SettingsValues{0, 0, 0, 0})) << "half a record";
    EXPECT_EQ(parseSettings(QByteArray("\x02\x00", 2)), (SettingsValues{0, 0, 0, 0})) << "data without filler";
    EXPECT_EQ(parseSettings(QByteArray("\x02\x00\x00", 3)), (SettingsValues{0, 0, 0, 0}));
    EXPECT_EQ(parseSettings(QByteArray("\x02\x00\x00\x00\x03", 5)), (SettingsValues{2, 0, 0, 0}));
    EXPECT_EQ(parseSettings(QByteArray("\x02\x00\x00\x00\x03\x00", 6)), (SettingsValues{2, 0, 0, 0}));
    EXPECT_EQ(parseSettings(QByteArray("\x02\x00\x00\x00\x03\x00\x00\x00", 8)), (SettingsValues{2, 3, 0, 0}));
}

TEST(SettingsFile, MissingFileIsCreatedEmpty)
{
    testing_support::TempFolder folder;
    EXPECT_EQ(readSettingsFile(folder.file("plugo.slg")), (SettingsValues{0, 0, 0, 0}));
    EXPECT_TRUE(folder.exists("plugo.slg"));
    EXPECT_EQ(folder.read("plugo.slg"), QByteArray());
}

TEST(SettingsFile, WrittenInPlaceKeepingLaterBytes)
{
    testing_support::TempFolder folder;
    const QByteArray longer = QByteArray(16, '\x09') + "extra bytes";
    folder.write("plugo.slg", longer);
    ASSERT_TRUE(writeSettingsFile(folder.file("plugo.slg"), {2, 1, 0, 1}));
    EXPECT_EQ(folder.read("plugo.slg"), settingsBytes({2, 1, 0, 1}) + "extra bytes");

    folder.write("short.slg", QByteArray("\x05\x00", 2));
    ASSERT_TRUE(writeSettingsFile(folder.file("short.slg"), {1, 2, 3, 4}));
    EXPECT_EQ(folder.read("short.slg"), settingsBytes({1, 2, 3, 4}));
}

TEST(SettingsFile, UnusablePlacesStopNothing)
{
    testing_support::TempFolder folder;
    QDir(folder.path()).mkdir("plugo.slg");
    EXPECT_EQ(readSettingsFile(folder.file("plugo.slg")), (SettingsValues{0, 0, 0, 0}));
    EXPECT_FALSE(writeSettingsFile(folder.file("plugo.slg"), {1, 1, 1, 1}));
    EXPECT_FALSE(writeSettingsFile(folder.file("missing/plugo.slg"), {1, 1, 1, 1}));
    EXPECT_TRUE(QFileInfo(folder.file("plugo.slg")).isDir());
}
