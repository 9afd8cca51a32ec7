// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "infoview.h"
#include "updateserver.h"

namespace platform {
class Desktop;
class InternetTransfer;
}  // namespace platform

namespace updater {

class Animation;

// Downloads the installers of the checked products, one after the other, each to a file the
// user picks. An installer is written only when it arrived whole; the file already at the chosen
// place stays untouched otherwise.
class Download {
public:
    enum class Outcome {
        Finished,   // every checked product was downloaded, or none was checked
        Cancelled,  // the user said no to a question or closed a save dialog
        Failed,     // a download failed; the user was told
        Unverified, // an installer was not the one the publisher signed; nothing was saved
        Aborted,    // the program is ending in the middle of a download
        Busy        // a transfer is already running; nothing was done
    };

    Download(platform::Desktop &desktop, platform::InternetTransfer &transfer, InfoView &view, InfoState &state,
             Animation &animation, UpdateServer server);

    Outcome run();

private:
    Outcome fail();
    Outcome refuse(const QString &fileName);
    void endBusyDisplay();

    platform::Desktop &desktop_;
    platform::InternetTransfer &transfer_;
    InfoView &view_;
    InfoState &state_;
    Animation &animation_;
    UpdateServer server_;
};

}  // namespace updater
