// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace shell {

// Up to ten vocabulary files opened through "Öppna glosfil", the oldest first. A slot that is empty
// once spaces are removed ends the list; later slots are never looked at.
class tidigarefiler {
public:
    static constexpr int kSlots = 10;

    const QString &slot(int i) const { return slots_.at(i); }
    void setSlot(int i, const QString &path) { slots_.at(i) = path; }

    // The entries before the first empty slot.
    QStringList entries() const;

    // Records a file just loaded: a file listed already keeps its place; a new one goes to the first
    // empty slot, or, with all ten in use, to the end while the oldest is dropped.
    // True when the list changed.
    bool add(const QString &filnamn);

    // Drops the entries whose file no longer exists; the others close up in their order.
    // Returns how many are left.
    int closeUp(const std::function<bool(const QString &)> &exists);

    // Reads the list from the text of the recent-files file, field by field; fields beyond the
    // tenth are ignored.
    static tidigarefiler parse(QStringView text);

    // The text of the recent-files file: one entry a line, spaces removed at both ends, CR LF after
    // each. An entry holding a comma is quoted so that it reads back whole; an entry that cannot be
    // read back at all (a line break in it, or both a comma and a double quote) is left out.
    QString serialize() const;

    // Reads the recent-files file at `path`; nothing when it cannot be opened.
    static std::optional<tidigarefiler> read(const QString &path);
    // Replaces the recent-files file at `path` whole, or leaves the old one: false when it could not
    // be written.
    bool write(const QString &path) const;

private:
    std::array<QString, kSlots> slots_;
};

// The menu caption of a listed file: the whole path, or with `barafilnamn` 1 the name after the last
// separator; spaces removed at both ends.
QString recentCaption(const QString &entry, int barafilnamn);

// The recent-files file's text as bytes and back. Windows keeps it in Windows-1252; elsewhere it
// holds file-system names (UTF-8), so every path reopens exactly.
QByteArray encodeRecentFile(const QString &text);
QString decodeRecentFile(const QByteArray &bytes);

}  // namespace shell
