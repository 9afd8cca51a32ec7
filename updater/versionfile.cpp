// SPDX-License-Identifier: GPL-3.0-or-later
#include "versionfile.h"

#include <QRegularExpression>

namespace updater {

VersionFile splitVersionFile(const QString &body)
{
    VersionFile file;
    file.dateFields.append(QString());
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar ch = body.at(i);
        if (ch == u'£') {
            file.message = body.mid(i + 1);
            break;
        }
        if (ch == u'$')
            file.dateFields.append(QString());
        else
            file.dateFields.last().append(ch);
    }
    return file;
}

int expandTwoDigitYear(int year)
{
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QDate> readServerDate(const QString &field)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d{1,4})(?: +| *- *)(\\d{1,2})(?: +| *- *)(\\d{1,2})$"));
    const QRegularExpressionMatch match = form.match(field.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QString yearText = match.captured(1);
    int year = yearText.toInt();
    if (yearText.size() <= 2)
        year = expandTwoDigitYear(year);
    else if (yearText.size() != 4)
        return std::nullopt;
    const QDate date(year, match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<std::array<QDate, kProductCount>> readServerDates(const VersionFile &file)
{
    if (file.dateFields.size() != kProductCount)
        return std::nullopt;
    std::array<QDate, kProductCount> dates;
    for (int row = 0; row < kProductCount; ++row) {
        const std::optional<QDate> date = readServerDate(file.dateFields.at(row));
        if (!date)
            return std::nullopt;
        dates[row] = *date;
    }
    return dates;
}

bool isNewer(const QDate &localDate, const QDate &serverDate)
{
    return localDate.daysTo(serverDate) > 0;
}

}  // namespace updater
