// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tidigarefiler.h"

#include <QString>
#include <optional>

namespace platform {
class Desktop;
}

namespace shell {

class modulePlugo;
class PlugoView;

// The recent-files list as the main window keeps it: read from "recentg.txt" in the kept folder when
// the window loads, added to by every file opened through "Öppna glosfil", checked against the disk
// and shown in the "Tidigare" menu, written back when the window closes.
class RecentFiles {
public:
    RecentFiles(platform::Desktop &desktop, const modulePlugo &module, PlugoView &view);

    const tidigarefiler &list() const { return list_; }

    // Reads the list. A missing file, or one that cannot be opened, leaves the list empty and the
    // menu as it is.
    void load();
    // Writes the list; a folder that cannot be written keeps the old file.
    void save() const;

    // A file has just been loaded through the open dialog: it joins the list unless listed already.
    void tidigare(const QString &filnamn);
    // Drops the files that no longer exist and shows the rest in the menu; with none left, the menu
    // stays as it was.
    void finnskoll();
    // A menu element was clicked, showing `caption` for `entry`: the file to load, or nothing when
    // the element is "<tomt>" or the file has gone since the menu was built (it then drops out).
    std::optional<QString> pick(const QString &caption, const QString &entry);

private:
    QString path() const;
    bool exists(const QString &entry) const;
    void showMenu();

    platform::Desktop &desktop_;
    const modulePlugo &module_;
    PlugoView &view_;
    tidigarefiler list_;
};

}  // namespace shell
