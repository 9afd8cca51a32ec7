// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists as other programs save them, each read as the editor's import reads it.
#include "editor/exchange/delimited.h"
#include "editor/exchange/kvtml.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace exchange;

namespace {

const QByteArray kKWordQuizFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
 <information>
  <generator>kwordquiz 0.9.2</generator>
  <title>Djur</title>
 </information>
 <identifiers>
  <identifier id="0">
   <name>Svenska</name>
   <locale>sv</locale>
  </identifier>
  <identifier id="1">
   <name>Tyska</name>
   <locale>de</locale>
  </identifier>
 </identifiers>
 <entries>
  <entry id="0">
   <translation id="0">
    <text>älg</text>
   </translation>
   <translation id="1">
    <text>der Elch</text>
    <grade currentgrade="3" count="4" errorcount="1" date="2024-03-02T10:00:00"/>
   </translation>
  </entry>
  <entry id="1">
   <translation id="0">
    <text>häst &amp; ryttare</text>
   </translation>
   <translation id="1">
    <text>das Pferd; der Gaul</text>
   </translation>
  </entry>
 </entries>
 <lessons>
  <container>
   <name>Djur</name>
   <inpractice>true</inpractice>
   <entry id="0"/>
   <entry id="1"/>
  </container>
 </lessons>
</kvtml>
)";

}  // namespace

TEST(Import, ReadsWordListsAsOtherProgramsSaveThem)
{
    struct File {
        const char *made;
        QByteArray bytes;
        ColumnChoice choice;
        DelimitedFormat format;  // unused for KVTML
        QList<QStringList> rows;
        QString sprak1 = {}, sprak2 = {};
    };
    const File files[] = {
        {"a spreadsheet's CSV in a Swedish locale: Windows-1252, ';'",
         "b\xE5t;boat;ship\r\nh\xE4st;\"horse; steed\"\r\n\xF6ga;eye;\r\n", {0, {}, true},
         {TextEncoding::Windows1252, u';'}, {{"båt", "boat", "ship"}, {"häst", "horse", "steed"}, {"öga", "eye"}}},
        {"a spreadsheet's Unicode text: UTF-16 LE with a mark, tabs",
         "\xFF\xFE" + QStringEncoder(QStringEncoder::Utf16LE).encode(u"hund\tdog\r\n\"14\"\" skärm\"\t14-inch screen\r\n"
                                                                      u"älg\tmoose\telk\r\n"),
         {}, {TextEncoding::Utf16Le, u'\t'}, {{"hund", "dog"}, {"14\" skärm", "14-inch screen"}, {"älg", "moose", "elk"}}},
        {"an online spreadsheet's CSV: UTF-8, ',', every column in every row",
         "\"springa, löpa\",run,\n\"säga \"\"hej\"\"\",say hello,greet\n\"rad ett\nrad två\",line,\n", {},
         {TextEncoding::Utf8, u','},
         {{"springa, löpa", "run"}, {"säga \"hej\"", "say hello", "greet"}, {"rad ett\nrad två", "line"}}},
        {"a flashcard site's export: term, tab, definition",
         "la casa\tthe house\nhola, buenos días\thello, good morning\nla mañana\tthe morning; tomorrow\n",
         {0, {}, true}, {TextEncoding::Utf8, u'\t'},
         {{"la casa", "the house"}, {"hola, buenos días", "hello", "good morning"}, {"la mañana", "the morning", "tomorrow"}}},
        {"KWordQuiz's KVTML", kKWordQuizFile, {}, {}, {{"älg", "der Elch"}, {"häst & ryttare", "das Pferd; der Gaul"}},
         "Svenska", "Tyska"},
    };
    for (const File &file : files) {
        SCOPED_TRACE(file.made);
        if (file.bytes.startsWith("<?xml")) {
            QString error;
            const auto table = readKvtml(file.bytes, &error);
            ASSERT_TRUE(table.has_value()) << error.toStdString();
            EXPECT_EQ(table->rows, file.rows);
            EXPECT_EQ(table->sprak1, file.sprak1);
            EXPECT_EQ(table->sprak2, file.sprak2);
            continue;
        }
        const DelimitedFormat format = guessFormat(file.bytes);
        EXPECT_EQ(format.encoding, file.format.encoding);
        EXPECT_EQ(format.separator, file.format.separator);
        EXPECT_EQ(tableRows(parseDelimited(decodeText(file.bytes, format.encoding), format.separator), file.choice),
                  file.rows);
    }
}

TEST(Import, KvtmlThroughTheEditorKeepsItsWords)
{
    const auto imported = readKvtml(kKWordQuizFile);
    ASSERT_TRUE(imported.has_value());
    vocabulary::Document document{imported->sprak1, imported->sprak2, {}};
    for (QStringList row : imported->rows) {
        const QString word = row.takeFirst();
        document.entries.push_back({word, row});
    }
    const auto again = readKvtml(kvtmlBytes(document, "Djur"));
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->rows, imported->rows);
    EXPECT_EQ(again->sprak1, "Svenska");
    EXPECT_EQ(again->sprak2, "Tyska");
}
