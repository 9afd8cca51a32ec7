// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace shell {

// The settings file: four records of 4 bytes, each a 16-bit little-endian number followed by two
// filler bytes. Records 1 to 4 hold farg, textstorlek, ingatips and barafilnamn.
constexpr int kSettingsRecords = 4;
constexpr int kSettingsRecordBytes = 4;
constexpr int kSettingsBytes = kSettingsRecords * kSettingsRecordBytes;

using SettingsValues = std::array<qint16, kSettingsRecords>;

// The four values from the file's bytes; a record that lies wholly or partly beyond the end reads
// as 0, bytes after the last record are not looked at.
SettingsValues parseSettings(QByteArrayView bytes);

// The 16 bytes of the four records, filler bytes zero.
QByteArray settingsBytes(const SettingsValues &values);

// Reads the file, creating it empty when it is missing. The values are all 0 when it cannot be
// read; the program goes on with them either way.
SettingsValues readSettingsFile(const QString &path);

// Writes the four records over the first 16 bytes of the file, in place: a longer file keeps its
// other bytes. False when the file cannot be written.
bool writeSettingsFile(const QString &path, const SettingsValues &values);

}  // namespace shell
