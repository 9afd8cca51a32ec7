// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/exchange/kvtml.h"

#include <gtest/gtest.h>

using namespace exchange;

namespace {

QByteArray kvtml2(const QByteArray &body)
{
    return "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n" + body + "</kvtml>\n";
}

}  // namespace

TEST(Kvtml, WritesWhatKdeWrites)
{
    const vocabulary::Document document{
        "Svenska", "Klingonska", {{"a & b < c\x01", {"\"x\"", ">"}}, {}, {"katt", {}}}};
    // One space a level and an empty translation as an empty element, as KDE's writer; a control
    // character left out; a locale only for a language with a known code.
    EXPECT_EQ(kvtmlBytes(document, "Vecka 3"), R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
 <information>
  <generator>PlugoPro 1.00</generator>
  <title>Vecka 3</title>
 </information>
 <identifiers>
  <identifier id="0">
   <name>Svenska</name>
   <locale>sv</locale>
  </identifier>
  <identifier id="1">
   <name>Klingonska</name>
  </identifier>
 </identifiers>
 <entries>
  <entry id="0">
   <translation id="0">
    <text>a &amp; b &lt; c</text>
   </translation>
   <translation id="1">
    <text>&quot;x&quot;; &gt;</text>
   </translation>
  </entry>
  <entry id="1">
   <translation id="0">
    <text>katt</text>
   </translation>
   <translation id="1"/>
  </entry>
 </entries>
 <lessons>
  <container>
   <name>Vecka 3</name>
   <inpractice>true</inpractice>
   <entry id="0"/>
   <entry id="1"/>
  </container>
 </lessons>
</kvtml>
)");
}

TEST(Kvtml, ReadsEntriesInTheirOrder)
{
    const QByteArray bytes = kvtml2(R"(<identifiers>
 <identifier id="1"><locale>en</locale><name>Engelska</name></identifier>
 <identifier id="0"><name>Svenska</name></identifier>
</identifiers>
<entries>
 <entry id="3"><translation id="1"><comment>x</comment><text>dog</text></translation>
  <translation id="0"><grade currentgrade="2"/><text> hund </text></translation></entry>
 <entry id="0"><translation id="1"><text>b &amp; <![CDATA[<c>]]></text></translation></entry>
 <entry id="1"><translation id="0"/><translation id="2"><text>Hund</text></translation></entry>
 <entry id="2"><translation id="0"><text>katt</text></translation><translation id="1"/></entry>
 <wordtype/>
</entries>
<lessons><container><name>x</name><entry id="1"/></container></lessons>
)");
    QString error = "unchanged";
    const auto table = readKvtml(bytes, &error);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->sprak1, "Svenska");
    EXPECT_EQ(table->sprak2, "Engelska");
    EXPECT_EQ(table->rows, (QList<QStringList>{{" hund ", "dog"}, {"", "b & <c>"}, {"katt"}}));
    EXPECT_EQ(error, "unchanged");
}

TEST(Kvtml, RefusesWhatIsNoKvtml2)
{
    const QString notKvtml = "Filen är inte en KVTML-fil.";
    const QString version1 = "Filen är en KVTML-fil av version 1, som inte kan läsas. "
                             "Spara den som KVTML 2 i KWordQuiz eller Parley och öppna den igen.";
    struct Case {
        QByteArray bytes;
        QString error;
    };
    const Case cases[] = {
        {"", notKvtml},
        {"hund;dog\r\n", notKvtml},
        {"<?xml version=\"1.0\"?><html><body/></html>", notKvtml},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml SYSTEM \"kvoctrain.dtd\">\n"
         "<kvtml encoding=\"UTF-8\" generator=\"kwordquiz\"><e><o>hund</o><t>dog</t></e></kvtml>",
         version1},
        {"<kvtml version=\"1.0\"/>", version1},
        {"<kvtml version=\"3.0\"/>", "Filen är en KVTML-fil av version 3.0, som inte kan läsas."},
        {kvtml2("<entries>\n<entry><translation id=\"0\">\n<text>hund</translation>"),
         "Filen är en skadad KVTML-fil och kan inte läsas (fel på rad 5)."},
        {kvtml2("<entries>\n<entry>").chopped(10), "Filen är en skadad KVTML-fil och kan inte läsas (fel på rad 4)."},
        {kvtml2("") + "<kvtml/>", "Filen är en skadad KVTML-fil och kan inte läsas (fel på rad 4)."},
        {kvtml2("<entries>" + QByteArray("<entry/>").repeated(100'001) + "</entries>"),
         "Filen har fler än 100 000 ord och kan inte läsas."},
    };
    for (const Case &c : cases) {
        QString error;
        EXPECT_FALSE(readKvtml(c.bytes, &error).has_value()) << c.bytes.left(200).toStdString();
        EXPECT_EQ(error, c.error) << c.bytes.left(200).toStdString();
    }
    EXPECT_FALSE(readKvtml("<kvtml/>").has_value());
    EXPECT_TRUE(readKvtml(kvtml2("<entries>" + QByteArray("<entry/>").repeated(100'000) + "</entries>")).has_value());
    EXPECT_TRUE(readKvtml("<kvtml version=\"2\"/>").has_value());
}

TEST(Kvtml, ReadsBackWhatItWrites)
{
    const vocabulary::Document document{
        "Svenska", "Engelska", {{"hund", {"dog", "hound"}}, {}, {"säg \"hej\"", {"say <hi> & bye"}}, {"", {"x"}}, {"ö", {}}}};
    const auto table = readKvtml(kvtmlBytes(document, "Vecka 3"));
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->sprak1, "Svenska");
    EXPECT_EQ(table->sprak2, "Engelska");
    EXPECT_EQ(table->rows, (QList<QStringList>{{"hund", "dog; hound"}, {"säg \"hej\"", "say <hi> & bye"}, {"", "x"}, {"ö"}}));
    EXPECT_EQ(joinedMeanings({}), "");
    EXPECT_EQ(joinedMeanings({"a", "", "b"}), "a; ; b");
}
