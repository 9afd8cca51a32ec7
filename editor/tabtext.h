// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace editor {

// Rows of cells as a spreadsheet or a word processor puts them on the clipboard: rows by line,
// cells by tab. Line ends may be CR LF, LF or CR; the line end after the last row is no row of its own.
QList<QStringList> parseTabText(const QString &text);

// The cells as such text, rows ended by a line feed.
QString tabText(const QList<QStringList> &rows);

}  // namespace editor
