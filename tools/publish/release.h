// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "updater/texts.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>

// Makes the folder a publisher uploads to the update server: the installers under the paths the
// updater asks for, and the version file that dates them, written with the updater's own reader
// as the judge of what it says.
namespace publish {

struct Release {
    QString outFolder;
    // The installer to publish for each product; empty for a product that keeps what OUT has.
    std::array<QString, updater::kProductCount> installers;
    QString message;
    // As given on the command line: none (today), one for every given product, or one for each
    // given product in product order.
    QList<QDate> dates;
    QDate today;
    // The minisign secret key that signs the release's manifest, and the file holding its
    // password when it is encrypted; empty for an unsigned release.
    QString signKey{};
    QString signPasswordFile{};
};

// Reads "OUT --plugo FILE --editor FILE --update FILE --message TEXT [--date YYYY-MM-DD ...]
// [--sign-key FILE [--sign-password-file FILE]]"
// (the program's arguments without its own name). The reason when they do not make a release.
std::variant<Release, QString> parseArguments(const QStringList &arguments, const QDate &today);

QString usage();

// The file on the server that holds a product's installer, or the version file, inside OUT.
QString installerPath(const QString &outFolder, int row);
QString versionPath(const QString &outFolder);
// The release manifest and its signature inside OUT.
QString manifestPath(const QString &outFolder);
QString signaturePath(const QString &outFolder);

// A date as the version file gives it: two-digit years for 2000-2029, which every reader of the
// format takes the same way, four digits otherwise.
QString serverDateText(const QDate &date);

// The version file's bytes for these dates and message, or the reason it cannot say them so
// that the updater reads them back: a character Windows-1252 lacks, a file larger than the
// updater accepts, a date its reader would take for another.
std::variant<QByteArray, QString> versionFileBytes(const std::array<QDate, updater::kProductCount> &dates,
                                                   const QString &message);

struct Outcome {
    QString error;            // empty when the release is in place
    QStringList report;       // one line per product, for the publisher
    bool wroteAnything = false;
};

// Checks everything first and writes nothing on a refusal; then copies the given installers in,
// each atomically, and writes the version file after them, so a client never sees a date before
// its installer. The file on disk is read back with the updater's reader before it counts as done.
// A signed release then gets its manifest of the folder's files as they now are, and the
// manifest's signature, which is checked with the key's public half before it counts as done.
Outcome publishRelease(const Release &release);

}  // namespace publish
