// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomicfile.h"
#include "support/tempfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using platform::AtomicFile;
using testing_support::TempFolder;

TEST(AtomicFile, ReplacesTheWholeFile)
{
    TempFolder folder;
    folder.write("list.txt", "old contents that are longer");
    ASSERT_TRUE(platform::writeFileAtomically(folder.file("list.txt"), "new"));
    EXPECT_EQ(folder.read("list.txt"), QByteArray("new"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"list.txt"}) << "no temporary file left";
}

TEST(AtomicFile, CancelLeavesTheOldFile)
{
    TempFolder folder;
    folder.write("page.html", "whole page");
    {
        AtomicFile file(folder.file("page.html"));
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half a pa"));
        file.cancel();
        EXPECT_FALSE(file.commit());
    }
    EXPECT_EQ(folder.read("page.html"), QByteArray("whole page"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"page.html"});
}

TEST(AtomicFile, DroppedWithoutCommitLeavesTheOldFile)
{
    TempFolder folder;
    folder.write("page.html", "whole page");
    {
        AtomicFile file(folder.file("page.html"));
        ASSERT_TRUE(file.open());
        file.write("cut");
    }
    EXPECT_EQ(folder.read("page.html"), QByteArray("whole page"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"page.html"});
}

TEST(AtomicFile, UnwritablePlacesFail)
{
    TempFolder folder;
    QDir(folder.path()).mkdir("adir");
    EXPECT_FALSE(platform::writeFileAtomically(folder.file("adir"), "x")) << "a folder is not replaced";
    EXPECT_TRUE(QFileInfo(folder.file("adir")).isDir());
    EXPECT_FALSE(platform::writeFileAtomically(folder.file("missing/x.txt"), "x"));
    EXPECT_FALSE(platform::writeFileAtomically(QString(), "x"));
}
