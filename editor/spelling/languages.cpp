// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"

namespace spelling {

namespace {

struct NameAndCode {
    const char16_t *name;  // case-folded, single spaces
    const char16_t *code;
};

// Teachers write the language in Swedish as a rule, but vocabularies from elsewhere name it in English
// or in the language itself. A bare "Engelska" is taken as American English, which is what Swedish
// school books mostly spell.
constexpr NameAndCode names[] = {
    {u"svenska", u"sv_SE"},
    {u"swedish", u"sv_SE"},
    {u"engelska", u"en_US"},
    {u"english", u"en_US"},
    {u"amerikansk engelska", u"en_US"},
    {u"american english", u"en_US"},
    {u"brittisk engelska", u"en_GB"},
    {u"british english", u"en_GB"},
    {u"tyska", u"de_DE"},
    {u"german", u"de_DE"},
    {u"deutsch", u"de_DE"},
    {u"franska", u"fr_FR"},
    {u"french", u"fr_FR"},
    {u"français", u"fr_FR"},
    {u"francais", u"fr_FR"},
    {u"spanska", u"es_ES"},
    {u"spanish", u"es_ES"},
    {u"español", u"es_ES"},
    {u"espanol", u"es_ES"},
};

}  // namespace

QString dictionaryForLanguage(QStringView languageName)
{
    const QString wanted = languageName.toString().simplified().toCaseFolded();
    for (const NameAndCode &entry : names) {
        if (wanted == QStringView(entry.name))
            return QString::fromUtf16(entry.code);
    }
    return {};
}

const QList<DictionaryChoice> &dictionaryChoices()
{
    static const QList<DictionaryChoice> choices = {
        {QStringLiteral("sv_SE"), QStringLiteral("Svenska")},
        {QStringLiteral("en_US"), QStringLiteral("Engelska (USA)")},
        {QStringLiteral("en_GB"), QStringLiteral("Engelska (Storbritannien)")},
        {QStringLiteral("de_DE"), QStringLiteral("Tyska")},
        {QStringLiteral("fr_FR"), QStringLiteral("Franska")},
        {QStringLiteral("es_ES"), QStringLiteral("Spanska")},
    };
    return choices;
}

QString dictionaryDisplayName(QStringView code)
{
    for (const DictionaryChoice &choice : dictionaryChoices()) {
        if (choice.code == code)
            return choice.displayName;
    }
    return {};
}

}  // namespace spelling
