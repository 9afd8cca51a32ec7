// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/spelling/personalwords.h"
#include "support/readonlyfolder.h"
#include "support/tempfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using spelling::PersonalWords;

TEST(PersonalWords, OutlastARestart)
{
    testing_support::TempFolder data;
    const QString folder = data.file("ord");  // made when the first word is saved
    {
        PersonalWords words(folder, "sv_SE");
        EXPECT_TRUE(words.words().isEmpty());
        for (const QString word : {"glosförhör", " Plugo ", "glosförhör"})
            EXPECT_TRUE(words.add(word)) << word.toStdString();
        EXPECT_FALSE(words.add(" "));
        EXPECT_EQ(words.errorString(), "”” är inget ord som kan sparas.");
        EXPECT_FALSE(words.add("två\nord"));
    }
    PersonalWords again(folder, "sv_SE");
    EXPECT_EQ(again.words(), QStringList({"glosförhör", "Plugo"}));
    EXPECT_TRUE(again.contains(u"Plugo"));
    EXPECT_FALSE(again.contains(u"plugo"));
    EXPECT_TRUE(PersonalWords(folder, "en_US").words().isEmpty());

    // A list edited by hand: a byte order mark, CR LF, blank lines and a word twice.
    data.write("ord/de_DE.txt", "\xEF\xBB\xBF" "Brötchen\r\n\r\n  Kita \r\nBrötchen");
    EXPECT_EQ(PersonalWords(folder, "de_DE").words(), QStringList({"Brötchen", "Kita"}));
}

TEST(PersonalWords, AFailedSaveKeepsTheOldList)
{
    // Either the folder cannot be written (a full disk would fail alike), or it is a file.
    for (const bool folderIsAFile : {false, true}) {
        testing_support::TempFolder data;
        const QString folder = folderIsAFile ? data.write("ord", "ingen mapp") : data.path();
        PersonalWords words(folder, "sv_SE");
        const QStringList before = folderIsAFile ? QStringList() : QStringList{"glosa"};
        if (!folderIsAFile) {
            ASSERT_TRUE(words.add("glosa"));
        }

        testing_support::ReadOnlyFolder readOnly(data.path());
        if (!folderIsAFile && !readOnly.active()) {
#ifdef Q_OS_WIN
            // Wine keeps no folder read-only; the folder that is a file still fails the save.
            continue;
#else
            ADD_FAILURE() << "the folder cannot be made read-only here";
            continue;
#endif
        }
        EXPECT_FALSE(words.add("gloslista"));
        EXPECT_TRUE(words.errorString().startsWith("Ordet kunde inte sparas i " +
                                                   QDir::toNativeSeparators(words.filePath()) + ": "))
            << words.errorString().toStdString();
        EXPECT_EQ(words.words(), before);
        EXPECT_FALSE(words.contains(u"gloslista"));
        EXPECT_EQ(PersonalWords(folder, "sv_SE").words(), before);
    }
}
