// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "infoview.h"
#include "texts.h"
#include "updateserver.h"

#include <QDate>
#include <array>
#include <optional>

namespace platform {
class Desktop;
class InternetTransfer;
}  // namespace platform

namespace updater {

// Finds out which products have a newer build on the update server: dates the local program
// files, fetches the version file and offers the newer products for download.
class VersionCheck {
public:
    enum class Outcome {
        Checked,      // the window shows the result
        MissingFile,  // a product's file is not in the program folder; nothing was asked
        NoContact,    // no usable answer from the server
        Unverified,   // the release is not the one its publisher signed; nothing was changed
        Busy          // a transfer is already running; nothing was done
    };

    VersionCheck(platform::Desktop &desktop, platform::InternetTransfer &transfer, InfoView &view,
                 InfoState &state, UpdateServer server);

    Outcome run();

private:
    // The release's files when the version file is the one the publisher signed, dated as the
    // signature says.
    std::optional<trust::Manifest> verify(const QByteArray &version, const std::array<QDate, kProductCount> &dates);
    QByteArray fetch(const QString &document);

    platform::Desktop &desktop_;
    platform::InternetTransfer &transfer_;
    InfoView &view_;
    InfoState &state_;
    UpdateServer server_;
};

}  // namespace updater
