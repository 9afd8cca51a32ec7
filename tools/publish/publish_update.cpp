// SPDX-License-Identifier: GPL-3.0-or-later
// publish-update: makes the folder to upload to the update server. See publish::usage().
#include "release.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        std::fputs(qPrintable(publish::usage()), stdout);
        return 0;
    }
    const auto parsed = publish::parseArguments(arguments, QDate::currentDate());
    if (const QString *error = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "publish-update: %s\n\n%s", qPrintable(*error), qPrintable(publish::usage()));
        return 2;
    }
    const publish::Release &release = std::get<publish::Release>(parsed);
    const publish::Outcome outcome = publish::publishRelease(release);
    if (!outcome.error.isEmpty()) {
        std::fprintf(stderr, "publish-update: %s\n%s", qPrintable(outcome.error),
                     outcome.wroteAnything ? "" : "Nothing was written.\n");
        return 1;
    }
    std::printf("%s\n", qPrintable(publish::versionPath(release.outFolder)));
    for (const QString &line : outcome.report)
        std::printf("  %s\n", qPrintable(line));
    return 0;
}
