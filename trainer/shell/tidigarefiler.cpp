// SPDX-License-Identifier: GPL-3.0-or-later
#include "tidigarefiler.h"

#include "platform/atomicfile.h"
#include "platform/desktop.h"
#include "platform/windows1252.h"
#include "vocabfile/fieldreader.h"

#include <QFile>

namespace shell {

using platform::trimSpaces;

namespace {

// The most of the recent-files file that is read. The trainer writes at most ten paths, one a line,
// and even ten of the longest a system allows (4,096 bytes on Linux, 260 characters on Windows) come to
// less than this; a larger file was not written by the trainer, and only its first ten fields count
// anyway. Reading no further keeps a stray large file from being read whole at every start.
constexpr qint64 kRecentFileReadLimit = 64 * 1024;

}  // namespace

QStringList tidigarefiler::entries() const
{
    QStringList list;
    for (const QString &entry : slots_) {
        if (trimSpaces(entry).isEmpty())
            break;
        list << entry;
    }
    return list;
}

bool tidigarefiler::add(const QString &filnamn)
{
    if (trimSpaces(slots_[0]) == trimSpaces(filnamn))
        return false;
    for (QString &entry : slots_) {
        if (filnamn == trimSpaces(entry))
            return false;
        if (trimSpaces(entry).isEmpty()) {
            entry = filnamn;
            return true;
        }
    }
    std::move(slots_.begin() + 1, slots_.end(), slots_.begin());
    slots_.back() = filnamn;
    return true;
}

int tidigarefiler::closeUp(const std::function<bool(const QString &)> &exists)
{
    std::array<QString, kSlots> kept;
    int count = 0;
    for (const QString &entry : entries()) {
        if (exists(trimSpaces(entry)))
            kept[count++] = entry;
    }
    slots_ = kept;
    return count;
}

tidigarefiler tidigarefiler::parse(QStringView text)
{
    tidigarefiler list;
    vocabulary::FieldReader reader(text);
    for (int i = 0; i < kSlots && !reader.atEnd(); ++i)
        list.slots_[i] = reader.next().value_or(QString());
    return list;
}

QString tidigarefiler::serialize() const
{
    QString text;
    for (const QString &entry : entries()) {
        const QString line = trimSpaces(entry);
        if (line.contains(u'\r') || line.contains(u'\n'))
            continue;
        const bool quote = line.contains(u',') || line.startsWith(u'"');
        if (quote && line.contains(u'"'))
            continue;
        text += quote ? u'"' + line + u'"' : line;
        text += QStringLiteral("\r\n");
    }
    return text;
}

std::optional<tidigarefiler> tidigarefiler::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(decodeRecentFile(file.read(kRecentFileReadLimit)));
}

bool tidigarefiler::write(const QString &path) const
{
    return platform::writeFileAtomically(path, encodeRecentFile(serialize()));
}

QString recentCaption(const QString &entry, int barafilnamn)
{
    return trimSpaces(barafilnamn == 1 ? platform::fileNamePart(entry) : entry);
}

QByteArray encodeRecentFile(const QString &text)
{
#ifdef Q_OS_WIN
    // Lines that Windows-1252 cannot hold are left out rather than written as garbage.
    QByteArray bytes;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (const auto encoded = platform::encodeWindows1252(line))
            bytes += *encoded + "\r\n";
    }
    return bytes;
#else
    return QFile::encodeName(text);
#endif
}

QString decodeRecentFile(const QByteArray &bytes)
{
#ifdef Q_OS_WIN
    return platform::decodeWindows1252(bytes);
#else
    return QFile::decodeName(bytes);
#endif
}

}  // namespace shell
