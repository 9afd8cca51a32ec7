// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// Windows-1252, the code page of every text file the programs exchange with older installations.
// Decoding never fails: the five bytes the code page leaves unassigned (81, 8D, 8F, 90, 9D) become
// the control characters with the same numbers, so they come back unchanged when written again.
QString decodeWindows1252(QByteArrayView bytes);

// True when the character has a byte in Windows-1252.
bool fitsWindows1252(char16_t ch);

// Encodes the text, or gives nothing when a character has no byte in Windows-1252: such text is
// never written with a replacement character in its place.
std::optional<QByteArray> encodeWindows1252(QStringView text);

}  // namespace platform
