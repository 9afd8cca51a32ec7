// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabtext.h"

#include <QRegularExpression>

namespace editor {

QList<QStringList> parseTabText(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    QList<QStringList> rows;
    rows.reserve(lines.size());
    for (const QString &line : lines)
        rows.append(line.split(u'\t'));
    return rows;
}

QString tabText(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows)
        text += row.join(u'\t') + u'\n';
    return text;
}

}  // namespace editor
