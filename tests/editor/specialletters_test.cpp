// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/spelling/specialletters.h"
#include "vocabfile/rules.h"

#include <gtest/gtest.h>
#include <algorithm>

using spelling::SpecialLetter;

namespace {

QString lettersOf(const QList<SpecialLetter> &letters)
{
    QString text;
    for (const SpecialLetter &letter : letters)
        text += letter.letter;
    return text;
}

}  // namespace

TEST(SpecialLetters, EachLanguageHasTheLettersASwedishKeyboardLacks)
{
    const std::pair<QString, QString> rows[] = {
        {"fr_FR", "éèêëàâîïôûùüÿçœæÉÈÊËÀÂÎÏÔÛÙÜŸÇŒÆ"},
        {"es_ES", "áéíóúñü¿¡ÁÉÍÓÚÑÜ"},
        {"de_DE", "üßÜ"},
        {"en_US", ""},
        {"en_GB", ""},
        {"sv_SE", ""},
        {"", ""},
        {"xx_YY", ""},
    };
    for (const auto &[dictionary, expected] : rows) {
        const QList<SpecialLetter> letters = spelling::specialLetters(dictionary);
        EXPECT_EQ(lettersOf(letters), expected) << dictionary.toStdString();
        for (const SpecialLetter &letter : letters) {
            for (const auto kind : {vocabulary::FieldKind::Word, vocabulary::FieldKind::Meaning})
                EXPECT_FALSE(vocabulary::firstRefused(QString(letter.letter), kind)) << QString(letter.letter).toStdString();
            EXPECT_EQ(spelling::combinedLetter(letter.mark, letter.base), letter.letter)
                << "its keys type it: " << QString(letter.letter).toStdString();
        }
    }
}

TEST(SpecialLetters, KeysAsTheButtonsNameThem)
{
    const std::pair<QChar, QString> rows[] = {
        {u'é', "Ctrl+' e"}, {u'É', "Ctrl+' E"}, {u'á', "Ctrl+' a"},   {u'è', "Ctrl+` e"},   {u'ù', "Ctrl+` u"},
        {u'ê', "Ctrl+^ e"}, {u'Î', "Ctrl+^ I"}, {u'ë', "Ctrl+: e"},   {u'ÿ', "Ctrl+: y"},   {u'Ÿ', "Ctrl+: Y"},
        {u'ç', "Ctrl+, c"}, {u'Ç', "Ctrl+, C"}, {u'ñ', "Ctrl+~ n"},   {u'Ñ', "Ctrl+~ N"},   {u'æ', "Ctrl+& a"},
        {u'Œ', "Ctrl+& O"}, {u'ß', "Ctrl+& s"}, {u'¿', "Ctrl+Alt+?"}, {u'¡', "Ctrl+Alt+!"},
    };
    QList<SpecialLetter> all;
    for (const char *dictionary : {"fr_FR", "es_ES", "de_DE"})
        all += spelling::specialLetters(QString::fromLatin1(dictionary));
    for (const auto &[letter, keys] : rows) {
        const auto found = std::find_if(all.begin(), all.end(), [&](const SpecialLetter &l) { return l.letter == letter; });
        ASSERT_NE(found, all.end()) << QString(letter).toStdString();
        EXPECT_EQ(spelling::keysText(*found), keys);
    }
}

TEST(SpecialLetters, KeysQtReportsForAMark)
{
    struct Row {
        int key;
        QString text;
        bool alt;
        QChar mark;  // null: no mark
    };
    const Row rows[] = {
        {Qt::Key_Apostrophe, "'", false, u'\''},
        {Qt::Key_Dead_Acute, "", false, u'\''},      // the Swedish ´ key
        {Qt::Key_QuoteLeft, "`", false, u'`'},
        {Qt::Key_Dead_Grave, "", false, u'`'},       // Shift+´
        {Qt::Key_AsciiCircum, "^", false, u'^'},
        {Qt::Key_Dead_Circumflex, "", false, u'^'},  // Shift+¨
        {Qt::Key_Colon, ":", false, u':'},           // Shift+.
        {Qt::Key_Dead_Diaeresis, "", false, u':'},   // the Swedish ¨ key
        {Qt::Key_Comma, ",", false, u','},
        {Qt::Key_Dead_Tilde, "", false, u'~'},
        {Qt::Key_Ampersand, "&", false, u'&'},       // Shift+6
        {Qt::Key_Question, "?", true, u'?'},
        {Qt::Key_Exclam, "!", true, u'!'},
        {Qt::Key_unknown, "'", false, u'\''},        // known by its text alone
        {Qt::Key_Apostrophe, "'", true, QChar()},    // Ctrl+Alt is AltGr on Windows
        {Qt::Key_Dead_Tilde, "", true, QChar()},
        {Qt::Key_E, "e", false, QChar()},
        {Qt::Key_1, "1", false, QChar()},
    };
    for (const Row &row : rows)
        EXPECT_EQ(spelling::markOfKey(row.key, row.text, row.alt), row.mark) << row.key << " " << row.text.toStdString();

    const std::tuple<QChar, QChar, QChar> combined[] = {
        {u',', u'c', u'ç'}, {u',', u'e', QChar()}, {u'&', u'S', QChar()}, {u'`', u'o', QChar()}, {u'?', QChar(), u'¿'},
        {u'\'', QChar(), QChar()},
    };
    for (const auto &[mark, base, letter] : combined)
        EXPECT_EQ(spelling::combinedLetter(mark, base), letter) << QString(mark).toStdString() << QString(base).toStdString();
}
