// SPDX-License-Identifier: GPL-3.0-or-later
#include "languagechoices.h"

#include "languages.h"

#include <QSettings>

namespace spelling {

namespace {
const QString kGroup = QStringLiteral("Stavning");
// QSettings cannot keep an empty value apart from a missing one in every format.
const QString kNone = QStringLiteral("ingen");
}  // namespace

LanguageChoices::LanguageChoices(QString settingsFile) : file_(std::move(settingsFile))
{
    if (file_.isEmpty())
        return;
    QSettings settings(file_, QSettings::IniFormat);
    settings.beginGroup(kGroup);
    for (const QString &name : settings.childKeys()) {
        const QString code = settings.value(name).toString();
        choices_.insert(key(name), code == kNone ? QString() : code);
    }
}

QString LanguageChoices::key(const QString &languageName)
{
    return languageName.simplified().toLower();
}

std::optional<QString> LanguageChoices::choiceFor(const QString &languageName) const
{
    const auto found = choices_.constFind(key(languageName));
    if (found == choices_.constEnd())
        return std::nullopt;
    return *found;
}

QString LanguageChoices::dictionaryFor(const QString &languageName) const
{
    return choiceFor(languageName).value_or(dictionaryForLanguage(languageName));
}

bool LanguageChoices::choose(const QString &languageName, std::optional<QString> code)
{
    const QString name = key(languageName);
    if (code)
        choices_.insert(name, *code);
    else
        choices_.remove(name);
    if (file_.isEmpty())
        return true;
    QSettings settings(file_, QSettings::IniFormat);
    settings.beginGroup(kGroup);
    if (code)
        settings.setValue(name, code->isEmpty() ? kNone : *code);
    else
        settings.remove(name);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace spelling
