// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <optional>

namespace spelling {

// The dictionaries a teacher chose by hand for language names, kept in the editor's own settings
// file so the choice comes back with the next vocabulary of that language; the vocabulary file
// itself has no room for it. A name with no choice of its own gets the dictionary its name means.
class LanguageChoices {
public:
    // The settings file; empty keeps the choices for this session only.
    explicit LanguageChoices(QString settingsFile = {});

    // The dictionary for a language name: the hand-made choice, else the one the name means; empty
    // for no checking.
    QString dictionaryFor(const QString &languageName) const;
    // The hand-made choice for the name: a dictionary code, an empty string for "no checking", or
    // nothing when the name decides.
    std::optional<QString> choiceFor(const QString &languageName) const;
    // Sets or (with nothing) forgets the choice for the name; false when the settings could not be
    // written, in which case the choice still holds for this session.
    bool choose(const QString &languageName, std::optional<QString> code);

private:
    static QString key(const QString &languageName);

    QString file_;
    QMap<QString, QString> choices_;  // key(name) to code, "" for none
};

}  // namespace spelling
