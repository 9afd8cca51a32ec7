// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texts.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace updater {

// The version file as the server sends it: date fields separated by "$", then "£" and a message
// for the user.
struct VersionFile {
    QStringList dateFields;  // every field before the first "£"; a good file has exactly three
    QString message;         // everything after the first "£", unchanged; empty without a "£"
};

VersionFile splitVersionFile(const QString &body);

// A two-digit year: 00-29 are 2000-2029, 30-99 are 1930-1999.
int expandTwoDigitYear(int year);

// A server date: year, month and day as numbers separated by spaces or a hyphen, the year with
// one, two or four digits. Nothing for anything else, and for a day the calendar does not have.
std::optional<QDate> readServerDate(const QString &field);

// The three server dates, or nothing when the file does not hold exactly three readable ones.
std::optional<std::array<QDate, kProductCount>> readServerDates(const VersionFile &file);

// A product is newer when the server's date is a later calendar day than the local file's.
bool isNewer(const QDate &localDate, const QDate &serverDate);

}  // namespace updater
