// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace web {

// The name of a vocabulary as its pages show it: the last part of the path (after the last "\" or
// "/"), cut before its first dot. "C:\Glosor\tyska.ny.gls" gives "tyska"; a path ending in a
// separator gives an empty name.
QString basnamn(const QString &filnamn);

// Text from a vocabulary file, a language name or a file name, made safe to stand in a page: "&",
// "<", ">" and the double quote become character references, so the browser shows the text exactly
// as the trainer does and no markup from a vocabulary file reaches the page.
QString htmlText(const QString &text);

// A page's lines as they are stored: Windows-1252, every line ended by CR LF. A character the code
// page cannot hold is written as a numeric character reference (&#937; for an omega) instead.
QByteArray pageBytes(const QStringList &lines);

// The second line of a page: the colours of `farg` 0 to 3, empty for any other value.
QString colourLine(qint16 farg);

}  // namespace web
