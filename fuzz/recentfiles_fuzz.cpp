// SPDX-License-Identifier: GPL-3.0-or-later
// The recent-files reader on any bytes: at most ten entries, none of them empty, and a list written
// back reads back the same (but for the entries it cannot hold, which it leaves out).
#include "platform/desktop.h"
#include "trainer/shell/tidigarefiler.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

static void check(bool condition)
{
    if (!condition)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const shell::tidigarefiler list = shell::tidigarefiler::parse(shell::decodeRecentFile(bytes));
    const QStringList entries = list.entries();
    check(entries.size() <= shell::tidigarefiler::kSlots);
    for (const QString &entry : entries)
        check(!platform::trimSpaces(entry).isEmpty());

    const QString written = list.serialize();
    const QStringList again = shell::tidigarefiler::parse(written).entries();
    QStringList kept;
    for (const QString &entry : entries) {
        const QString line = platform::trimSpaces(entry);
        const bool quote = line.contains(u',') || line.startsWith(u'"');
        if (!line.contains(u'\r') && !line.contains(u'\n') && !(quote && line.contains(u'"')))
            kept << line;
    }
    check(again == kept);
    return 0;
}
