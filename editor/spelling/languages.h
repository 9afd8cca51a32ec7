// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace spelling {

// The Hunspell dictionary for a language name as teachers type it in a vocabulary ("Engelska",
// " tyska ", "Deutsch", "British English"), or an empty string when the name means none we know.
QString dictionaryForLanguage(QStringView languageName);

// A dictionary the user can choose in a menu: its code ("en_GB") and the name the menu shows.
struct DictionaryChoice {
    QString code;
    QString displayName;
};

// Every dictionary the editor knows, in the order the menu lists them.
const QList<DictionaryChoice> &dictionaryChoices();

// The name the menu shows for a dictionary ("Engelska (USA)"); empty for one it does not list.
QString dictionaryDisplayName(QStringView code);

}  // namespace spelling
