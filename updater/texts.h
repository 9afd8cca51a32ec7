// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace updater {

// One of the three products the updater looks after; the row number is its index everywhere
// (server date field, check box, download).
struct Product {
    QString baseName;     // the program's file name before the system's suffix
    QString resultName;   // its line in the list of newer products
    QString missingText;  // the message when its file is not in the program folder
    QString question;     // asked before its installer is downloaded
    QString saveTitle;    // the save dialog's title
    QString presetName;   // the installer's name, proposed in the save dialog
    QString serverPath;   // the installer on the update server
    QString checkCaption; // its check box
};

constexpr int kProductCount = 3;
const std::array<Product, kProductCount> &products();

// The window's caption, alone or before a host or document.
QString windowTitle();
QString introText();
QString frameCaption();

// The version file on the update server.
QString versionDocument();

QString missingFileTitle();
QString noContactText();
QString noContactTitle();
QString upToDateText();
// The list of newer products: a name for each newer row, an empty text for the others.
QString newerProductsText(const std::array<QString, kProductCount> &names);

QString downloadQuestionTitle();
QString installerFilter();
QString downloadedText(const QString &fileName);
QString downloadedTitle();
QString downloadFailedText();
QString downloadFailedTitle();

// A release or an installer that does not match what the publisher signed.
QString unverifiedReleaseText();
QString unverifiedInstallerText(const QString &fileName);
QString unverifiedTitle();

// The release manifest and its signature, beside the version file.
QString manifestDocument();
QString signatureDocument();

QString helpPageName();

}  // namespace updater
