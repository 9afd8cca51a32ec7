// SPDX-License-Identifier: GPL-3.0-or-later
// Our KVTML as KDE's own library reads it: every word and meaning must come out as KWordQuiz and
// Parley will show them, the characters XML escapes included.
#include "editor/exchange/kvtml.h"
#include "support/tempfolder.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

TEST(KdeReader, ReadsOurKvtmlWordForWord)
{
    const QString reader = qEnvironmentVariable("PLUGO_KDEREAD");
    ASSERT_TRUE(QFileInfo(reader).isExecutable()) << "no KDE reader at " << reader.toStdString();
    const vocabulary::Document document{"Svenska", "Engelska",
                                        {{"älg", {"moose", "elk"}},
                                         {"säga \"hej\"", {"say \"hello\"", "greet", "x, y", "ÅÄÖ åäö"}},
                                         {},
                                         {"hund & katt <3", {"a < b & c > d"}},
                                         {"blåbär", {}},
                                         {" blank  steg ", {"'enkla'"}}}};
    testing_support::TempFolder folder;
    const QString path = folder.write(QStringLiteral("vecka 3.kvtml"), exchange::kvtmlBytes(document, "Vecka 3 – åäö"));

    QProcess process;
    process.start(reader, {path});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    // As bytes, so that a difference reads as text.
    EXPECT_EQ(process.readAllStandardOutput().toStdString(),
              "title: Vecka 3 – åäö\n"
              "identifier 0: Svenska\n"
              "identifier 1: Engelska\n"
              "entry: älg\n"
              "meaning: moose; elk\n"
              "entry: säga \"hej\"\n"
              "meaning: say \"hello\"; greet; x, y; ÅÄÖ åäö\n"
              "entry: hund & katt <3\n"
              "meaning: a < b & c > d\n"
              "entry: blåbär\n"
              "meaning: \n"
              // KDE's library simplifies the white space of every text it reads; no file can keep it.
              "entry: blank steg\n"
              "meaning: 'enkla'\n");
}
