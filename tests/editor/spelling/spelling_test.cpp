// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/spelling/dictionaries.h"
#include "editor/spelling/languages.h"
#include "editor/spelling/speller.h"
#include "support/tempfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace spelling;

TEST(Spelling, LanguageNamesAsTeachersWriteThem)
{
    const std::pair<QString, QString> rows[] = {
        {"Svenska", "sv_SE"},        {"  svenska ", "sv_SE"},   {"SWEDISH", "sv_SE"},
        {"Engelska", "en_US"},       {"English", "en_US"},      {"Amerikansk engelska", "en_US"},
        {"American English", "en_US"}, {"Brittisk  Engelska", "en_GB"}, {"British English", "en_GB"},
        {"Tyska", "de_DE"},          {"German", "de_DE"},       {"Deutsch", "de_DE"},
        {"Franska", "fr_FR"},        {"French", "fr_FR"},       {"Français", "fr_FR"},
        {"francais", "fr_FR"},       {"Spanska", "es_ES"},      {"Spanish", "es_ES"},
        {"Español", "es_ES"},        {"ESPANOL", "es_ES"},      {"Klingonska", ""},
        {"", ""},                    {"Svenska 2", ""},
    };
    for (const auto &[name, code] : rows)
        EXPECT_EQ(dictionaryForLanguage(name), code) << name.toStdString();

    QStringList menu;
    for (const DictionaryChoice &choice : dictionaryChoices())
        menu << choice.code + " " + choice.displayName;
    EXPECT_EQ(menu, QStringList({"sv_SE Svenska", "en_US Engelska (USA)", "en_GB Engelska (Storbritannien)",
                                 "de_DE Tyska", "fr_FR Franska", "es_ES Spanska"}));
}

TEST(Spelling, WordsOfACell)
{
    const std::pair<QString, QList<WordRange>> rows[] = {
        {"en båt", {{0, 2}, {3, 3}}},
        {"don't stop", {{0, 5}, {6, 4}}},
        {"l’école e-post", {{0, 7}, {8, 6}}},
        {"'citat' -ord- ord-", {{1, 5}, {9, 3}, {14, 3}}},
        {"mp3, 1900-talet och 42", {{16, 3}}},
        {"(en) hund/katt; t.ex.", {{1, 2}, {5, 4}, {10, 4}, {16, 1}, {18, 2}}},
        {"a\u030Angel", {{0, 6}}},
        {"", {}},
        {" ...!? 12 ", {}},
    };
    for (const auto &[text, words] : rows)
        EXPECT_EQ(splitWords(text), words) << text.toStdString();
}

namespace {

// The dictionaries as the editor finds them: the system's on Linux, beside the program on Windows.
class Dictionaries : public ::testing::Test {
protected:
    testing_support::TempFolder personal;
    Spellers spellers{dictionaryFolders(QCoreApplication::applicationDirPath()), personal.path()};

    // The speller for the code in *speller, or nullptr with the test skipped (Windows, where the
    // dictionaries may not have been put beside the tests) or failed (Linux, where Debian's are needed).
    void need(const QString &code, Speller *&speller)
    {
        speller = &spellers.forDictionary(code);
        if (speller->checks())
            return;
        const std::string why = speller->problem().toStdString();
        speller = nullptr;
#ifdef Q_OS_WIN
        GTEST_SKIP() << "no dictionary beside the test program: " << why;
#else
        FAIL() << why;
#endif
    }
};

}  // namespace

TEST_F(Dictionaries, RightAndWrongInEachLanguage)
{
    const struct {
        QString code, right, wrong;
    } rows[] = {
        {"sv_SE", "båt", "bååt"},       {"sv_SE", "Båt", "hunnd"},       {"en_US", "receive", "recieve"},
        {"en_US", "color", "colour"},   {"en_GB", "receive", "recieve"}, {"en_GB", "colour", "color"},
        {"de_DE", "Straße", "Strasse"}, {"fr_FR", "garçon", "garcon"},   {"es_ES", "niño", "ninyo"},
    };
    for (const auto &row : rows) {
        Speller *speller = nullptr;
        need(row.code, speller);
        if (!speller)
            return;
        EXPECT_TRUE(speller->isCorrect(row.right)) << row.code.toStdString() << " " << row.right.toStdString();
        EXPECT_FALSE(speller->isCorrect(row.wrong)) << row.code.toStdString() << " " << row.wrong.toStdString();
    }
}

TEST_F(Dictionaries, SuggestionsForASlip)
{
    const struct {
        QString code, wrong, right;
    } rows[] = {
        {"en_US", "recieve", "receive"}, {"en_GB", "recieve", "receive"},
        {"sv_SE", "bååt", "båt"},        {"de_DE", "Strasse", "Straße"},
    };
    for (const auto &row : rows) {
        Speller *speller = nullptr;
        need(row.code, speller);
        if (!speller)
            return;
        const QStringList suggestions = speller->suggestions(row.wrong, 3);
        EXPECT_LE(suggestions.size(), 3);
        EXPECT_TRUE(suggestions.contains(row.right)) << suggestions.join(", ").toStdString();
    }
}

TEST_F(Dictionaries, MisspeltWordsOfACellAndWordsTheUserAccepts)
{
    Speller *swedish = nullptr;
    need("sv_SE", swedish);
    if (!swedish)
        return;
    const QString cell = "en bått, två hundr och 3 kattr";
    EXPECT_EQ(swedish->misspeltWords(cell), (QList<WordRange>{{3, 4}, {13, 5}, {25, 5}}));
    swedish->ignore("bått");
    EXPECT_TRUE(swedish->addToPersonalWords("kattr"));
    EXPECT_EQ(swedish->misspeltWords(cell), (QList<WordRange>{{13, 5}}));
    // Hunspell knows the added word too, capitalised as at the start of a sentence.
    EXPECT_TRUE(swedish->isCorrect(u"Kattr"));

    // After a restart the added word is still right, the ignored one wrong again.
    Spellers again(dictionaryFolders(QCoreApplication::applicationDirPath()), personal.path());
    EXPECT_EQ(again.forLanguage(u"Svenska").misspeltWords(cell), (QList<WordRange>{{3, 4}, {13, 5}}));
    EXPECT_EQ(&again.forLanguage(u" svenska"), &again.forDictionary("sv_SE"));
}

TEST(Spelling, WithoutADictionaryEverythingIsRight)
{
    testing_support::TempFolder empty;
    Spellers spellers({empty.path()}, QString());
    for (Speller *speller : {&spellers.forLanguage(u"Klingonska"), &spellers.forLanguage(u"Svenska")}) {
        EXPECT_FALSE(speller->checks());
        EXPECT_TRUE(speller->isCorrect(u"xqzzy"));
        EXPECT_TRUE(speller->misspeltWords(u"xqzzy qqq").isEmpty());
        EXPECT_TRUE(speller->suggestions(u"xqzzy").isEmpty());
    }
    EXPECT_EQ(spellers.forLanguage(u"Svenska").problem(),
              "Ordlistan sv_SE finns inte i " + QDir::toNativeSeparators(empty.path()) + ".");
}

TEST(Spelling, DictionariesInOtherCharacterSets)
{
    // A small dictionary of the editor's own, in the character set its affix file names.
    const struct {
        QByteArray set;
        QString right, wrong, suggestion;
    } rows[] = {
        {"ISO8859-1", "båt", "bååt", "båt"},
        {"ISO8859-15", "œuvre", "œuvrre", "œuvre"},
        {"UTF-8", "niño", "niñño", "niño"},
    };
    for (const auto &row : rows) {
        testing_support::TempFolder folder;
        const WordCodec codec(row.set);
        ASSERT_TRUE(codec.isValid()) << row.set.toStdString();
        const std::string words = "1\n" + codec.encode(row.right).value() + "\n";
        folder.write("xx_XX.aff", "# made by the test\nSET " + row.set + "\n");
        folder.write("xx_XX.dic", QByteArray::fromStdString(words));
        EXPECT_EQ(affixEncoding(folder.file("xx_XX.aff")), row.set);
        EXPECT_EQ(codec.decode(codec.encode(row.right).value()), row.right);

        Speller speller("xx_XX", {folder.path()}, QString());
        EXPECT_TRUE(speller.isCorrect(row.right)) << row.set.toStdString();
        EXPECT_FALSE(speller.isCorrect(row.wrong)) << row.set.toStdString();
        EXPECT_EQ(speller.suggestions(row.wrong), QStringList{row.suggestion}) << row.set.toStdString();
    }
    EXPECT_FALSE(WordCodec("ISO8859-1").encode(u"€").has_value());
    EXPECT_FALSE(WordCodec("ISO8859-15").encode(u"¤").has_value());

    // A character set the program cannot convert to: the dictionary checks nothing rather than
    // everything wrongly.
    testing_support::TempFolder folder;
    folder.write("xx_XX.aff", "SET X-UNHEARD-OF\n");
    folder.write("xx_XX.dic", "0\n");
    Speller unreadable("xx_XX", {folder.path()}, QString());
    EXPECT_FALSE(unreadable.checks());
    EXPECT_EQ(unreadable.problem(), "Ordlistan " + QDir::toNativeSeparators(folder.file("xx_XX.aff")) +
                                        " är skriven i teckenkodningen X-UNHEARD-OF, som programmet inte kan läsa.");
}

TEST(Spelling, FindingADictionary)
{
    testing_support::TempFolder first, second;
    for (const QString name : {"de_DE.aff", "de_DE.dic", "fr.aff", "fr.dic", "sv_SE.aff"})
        second.write(name, "");
    first.write("de_DE.aff", "");
    const QStringList folders{first.path(), second.path()};

    // The same file, whichever separator the path is written with.
    const auto in = [&second](const QString &name) { return QDir::fromNativeSeparators(second.file(name)); };
    const auto found = findDictionary(folders, "de_DE");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(QDir::fromNativeSeparators(found->affixFile), in("de_DE.aff"));
    EXPECT_EQ(QDir::fromNativeSeparators(found->wordFile), in("de_DE.dic"));
    EXPECT_EQ(QDir::fromNativeSeparators(findDictionary(folders, "fr_FR").value().wordFile), in("fr.dic"));
    EXPECT_FALSE(findDictionary(folders, "sv_SE").has_value());  // no .dic
    EXPECT_FALSE(findDictionary(folders, "").has_value());
#ifndef Q_OS_WIN
    // As Debian installs the regional variants; a dangling link counts for nothing.
    ASSERT_TRUE(QFile::link(second.file("de_DE.aff"), first.file("de_AT.aff")));
    ASSERT_TRUE(QFile::link(second.file("de_DE.dic"), first.file("de_AT.dic")));
    ASSERT_TRUE(QFile::link("missing.dic", first.file("de_DE.dic")));
    EXPECT_EQ(findDictionary(folders, "de_AT").value().wordFile, first.file("de_AT.dic"));
    EXPECT_EQ(findDictionary(folders, "de_DE").value().wordFile, second.file("de_DE.dic"));
    EXPECT_EQ(dictionaryFolders("/opt/plugo"), QStringList({"/usr/share/hunspell", "/opt/plugo/dictionaries"}));
#endif
}
