// SPDX-License-Identifier: GPL-3.0-or-later
#include "specialletters.h"

#include <Qt>
#include <algorithm>
#include <iterator>

namespace spelling {

namespace {

// Every small letter the editor can type with its keys; a capital goes with the capital base.
// The marks are those word processors use, so a teacher who knows them there knows them here.
constexpr SpecialLetter letters[] = {
    {u'é', u'\'', u'e'}, {u'á', u'\'', u'a'}, {u'í', u'\'', u'i'}, {u'ó', u'\'', u'o'}, {u'ú', u'\'', u'u'},
    {u'è', u'`', u'e'},  {u'à', u'`', u'a'},  {u'ù', u'`', u'u'},
    {u'ê', u'^', u'e'},  {u'â', u'^', u'a'},  {u'î', u'^', u'i'},  {u'ô', u'^', u'o'},  {u'û', u'^', u'u'},
    {u'ë', u':', u'e'},  {u'ï', u':', u'i'},  {u'ü', u':', u'u'},  {u'ÿ', u':', u'y'},
    {u'ç', u',', u'c'},
    {u'ñ', u'~', u'n'},
    {u'æ', u'&', u'a'},  {u'œ', u'&', u'o'},  {u'ß', u'&', u's'},
    {u'¿', u'?', QChar()},
    {u'¡', u'!', QChar()},
};

// The small letters of each language, in the order its bar shows them; those without a capital come
// last, so that the capitals, shown under them, stand each under its small letter. German's ä and ö
// are on a Swedish keyboard; a capital ß is not wanted, German writes SS.
struct LanguageLetters {
    const char16_t *language;  // the dictionary code up to its "_"
    const char16_t *small;
};

constexpr LanguageLetters languages[] = {
    {u"fr", u"éèêëàâîïôûùüÿçœæ"},
    {u"es", u"áéíóúñü¿¡"},
    {u"de", u"üß"},
};

// The keys Qt may report for each mark: the ASCII key, the dead key a Swedish (or other) keyboard
// has for it, and the spacing accent some layouts give instead.
struct MarkKeys {
    char16_t mark;
    int keys[3];
};

constexpr MarkKeys markKeys[] = {
    {u'\'', {Qt::Key_Apostrophe, Qt::Key_Dead_Acute, Qt::Key_acute}},
    {u'`', {Qt::Key_QuoteLeft, Qt::Key_Dead_Grave, 0}},
    {u'^', {Qt::Key_AsciiCircum, Qt::Key_Dead_Circumflex, 0}},
    {u':', {Qt::Key_Colon, Qt::Key_Dead_Diaeresis, Qt::Key_diaeresis}},
    {u',', {Qt::Key_Comma, Qt::Key_Dead_Cedilla, Qt::Key_cedilla}},
    {u'~', {Qt::Key_AsciiTilde, Qt::Key_Dead_Tilde, 0}},
    {u'&', {Qt::Key_Ampersand, 0, 0}},
    {u'?', {Qt::Key_Question, Qt::Key_questiondown, 0}},
    {u'!', {Qt::Key_Exclam, Qt::Key_exclamdown, 0}},
};

const SpecialLetter *find(QChar small)
{
    for (const SpecialLetter &entry : letters) {
        if (entry.letter == small)
            return &entry;
    }
    return nullptr;
}

}  // namespace

QList<SpecialLetter> specialLetters(QStringView dictionary)
{
    const QStringView language = dictionary.left(dictionary.indexOf(u'_'));
    QList<SpecialLetter> found;
    for (const LanguageLetters &entry : languages) {
        if (language.compare(QStringView(entry.language), Qt::CaseInsensitive) != 0)
            continue;
        for (const QChar small : QStringView(entry.small)) {
            if (const SpecialLetter *letter = find(small))
                found.append(*letter);
        }
        const qsizetype smallCount = found.size();
        for (qsizetype i = 0; i < smallCount; ++i) {
            const SpecialLetter &small = found[i];
            if (small.letter.toUpper() != small.letter)
                found.append({small.letter.toUpper(), small.mark, small.base.toUpper()});
        }
    }
    return found;
}

QString keysText(const SpecialLetter &letter)
{
    if (letter.base.isNull())
        return QStringLiteral("Ctrl+Alt+") + letter.mark;
    return QStringLiteral("Ctrl+") + letter.mark + QChar(u' ') + letter.base;
}

QChar markOfKey(int qtKey, QStringView text, bool withAlt)
{
    for (const MarkKeys &entry : markKeys) {
        const bool byKey = qtKey != 0 && std::find(std::begin(entry.keys), std::end(entry.keys), qtKey) != std::end(entry.keys);
        const bool byText = text.size() == 1 && text.front() == QChar(entry.mark);
        if (!byKey && !byText)
            continue;
        const bool alone = !combinedLetter(QChar(entry.mark), QChar()).isNull();
        if (withAlt && !alone)
            return {};
        return QChar(entry.mark);
    }
    return {};
}

QChar combinedLetter(QChar mark, QChar base)
{
    const QChar small = base.toLower();
    for (const SpecialLetter &entry : letters) {
        if (entry.mark != mark || entry.base != small)
            continue;
        if (base == small)
            return entry.letter;
        // A capital base wants the capital letter, where there is one.
        return entry.letter.toUpper() != entry.letter ? entry.letter.toUpper() : QChar();
    }
    return {};
}

}  // namespace spelling
