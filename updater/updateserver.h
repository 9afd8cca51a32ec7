// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trust/minisign.h"

#include <QString>
#include <vector>

namespace updater {

// Where the update server is: the build's host on HTTP's port, unless a test says otherwise.
struct UpdateServer {
    UpdateServer() = default;
    UpdateServer(QString host, int port) : host(std::move(host)), port(port) {}
    // A server whose releases must be signed by one of the keys.
    UpdateServer(QString host, int port, std::vector<trust::PublicKey> keys)
        : host(std::move(host)), port(port), verifies(true), keys(std::move(keys))
    {
    }

    QString host;
    int port = 80;
    // A build with the publisher's keys takes only releases signed by one of them; it checks
    // even when none of its keys could be read, and then takes nothing. Without, it takes the
    // release as the server sends it.
    bool verifies = false;
    std::vector<trust::PublicKey> keys;
};

UpdateServer defaultUpdateServer();

}  // namespace updater
