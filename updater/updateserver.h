// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace updater {

// Where the update server is: the build's host on HTTP's port, unless a test says otherwise.
struct UpdateServer {
    QString host;
    int port = 80;
};

UpdateServer defaultUpdateServer();

}  // namespace updater
