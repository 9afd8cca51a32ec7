// SPDX-License-Identifier: GPL-3.0-or-later
#include "installningar.h"

#include <QFile>

namespace shell {

SettingsValues parseSettings(QByteArrayView bytes)
{
    SettingsValues values{};
    for (int n = 0; n < kSettingsRecords; ++n) {
        const qsizetype offset = qsizetype(n) * kSettingsRecordBytes;
        // Only a whole record is a value; one cut short reads as 0 like one that is missing.
        if (offset + kSettingsRecordBytes > bytes.size())
            break;
        const auto low = static_cast<quint8>(bytes[offset]);
        const auto high = static_cast<quint8>(bytes[offset + 1]);
        values[n] = static_cast<qint16>(static_cast<quint16>(low | (high << 8)));
    }
    return values;
}

QByteArray settingsBytes(const SettingsValues &values)
{
    QByteArray bytes(kSettingsBytes, '\0');
    for (int n = 0; n < kSettingsRecords; ++n) {
        const auto value = static_cast<quint16>(values[n]);
        bytes[n * kSettingsRecordBytes] = static_cast<char>(value & 0xFF);
        bytes[n * kSettingsRecordBytes + 1] = static_cast<char>(value >> 8);
    }
    return bytes;
}

SettingsValues readSettingsFile(const QString &path)
{
    QFile file(path);
    // Opened for reading and writing, so a missing file is created empty, as at a first start.
    if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::ReadOnly))
        return SettingsValues{};
    return parseSettings(file.read(kSettingsBytes));
}

bool writeSettingsFile(const QString &path, const SettingsValues &values)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))  // never truncates
        return false;
    const QByteArray bytes = settingsBytes(values);
    return file.seek(0) && file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace shell
