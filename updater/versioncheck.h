// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "infoview.h"
#include "updateserver.h"

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
        Busy          // a transfer is already running; nothing was done
    };

    VersionCheck(platform::Desktop &desktop, platform::InternetTransfer &transfer, InfoView &view,
                 const InfoState &state, UpdateServer server);

    Outcome run();

private:
    platform::Desktop &desktop_;
    platform::InternetTransfer &transfer_;
    InfoView &view_;
    const InfoState &state_;
    UpdateServer server_;
};

}  // namespace updater
