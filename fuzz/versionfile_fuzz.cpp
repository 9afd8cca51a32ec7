// SPDX-License-Identifier: GPL-3.0-or-later
// The version-file reader on any body: three readable dates or a clean refusal, and a message that
// is exactly what follows the first pound sign.
#include "platform/windows1252.h"
#include "updater/versionfile.h"

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
    const QString body = platform::decodeWindows1252(bytes);
    const updater::VersionFile file = updater::splitVersionFile(body);
    const qsizetype pound = body.indexOf(u'£');
    check(file.message == (pound < 0 ? QString() : body.mid(pound + 1)));
    for (const QString &field : file.dateFields)
        check(!field.contains(u'$') && !field.contains(u'£'));
    const auto dates = updater::readServerDates(file);
    if (file.dateFields.size() != 3)
        check(!dates.has_value());
    if (dates) {
        for (const QDate &date : *dates) {
            check(date.isValid());
            check(date.year() >= 0 && date.year() <= 9999);
            // A date read back from its own three numbers is the same date.
            const QString again = QStringLiteral("%1 %2 %3").arg(date.year(), 4, 10, QLatin1Char('0'))
                                      .arg(date.month()).arg(date.day());
            const auto reread = updater::readServerDate(again);
            check(reread.has_value() && *reread == date);
        }
    }
    return 0;
}
