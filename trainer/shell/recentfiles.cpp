// SPDX-License-Identifier: GPL-3.0-or-later
#include "recentfiles.h"

#include "moduleplugo.h"
#include "platform/desktop.h"
#include "plugoview.h"

namespace shell {

using platform::trimSpaces;

RecentFiles::RecentFiles(platform::Desktop &desktop, const modulePlugo &module, PlugoView &view)
    : desktop_(desktop), module_(module), view_(view)
{
}

QString RecentFiles::path() const
{
    return module_.keptFile(QStringLiteral("recentg.txt"));
}

bool RecentFiles::exists(const QString &entry) const
{
    return desktop_.fileExists(trimSpaces(entry));
}

void RecentFiles::load()
{
    const QString file = path();
    if (!desktop_.fileExists(file))
        return;
    // A list that cannot be read is an empty list; the program goes on.
    if (std::optional<tidigarefiler> read = tidigarefiler::read(file)) {
        list_ = std::move(*read);
        finnskoll();
    }
}

void RecentFiles::save() const
{
    list_.write(path());
}

void RecentFiles::tidigare(const QString &filnamn)
{
    if (list_.add(filnamn))
        finnskoll();
}

void RecentFiles::finnskoll()
{
    if (list_.closeUp([this](const QString &trimmed) { return desktop_.fileExists(trimmed); }) == 0)
        return;
    showMenu();
}

std::optional<QString> RecentFiles::pick(const QString &caption, const QString &entry)
{
    if (caption == QStringLiteral("<tomt>"))
        return std::nullopt;
    finnskoll();
    if (!exists(entry)) {
        // Gone since the menu was built: it has dropped out of the list; nothing else changes.
        showMenu();
        return std::nullopt;
    }
    // The entry that was clicked, as the menu showed it, even if the list has closed up since.
    return entry;
}

void RecentFiles::showMenu()
{
    const QStringList entries = list_.entries();
    QStringList captions;
    for (const QString &entry : entries)
        captions << recentCaption(entry, module_.barafilnamn);
    view_.showRecentFiles(captions, entries);
}

}  // namespace shell
