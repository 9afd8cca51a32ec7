// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateserver.h"

#ifndef PLUGO_UPDATE_HOST
#define PLUGO_UPDATE_HOST "localhost"
#endif

// The publisher's public key files the build was given, as they were; none for a build that
// takes releases unsigned.
extern const char *const plugoTrustedKeys[];

namespace updater {

UpdateServer defaultUpdateServer()
{
    UpdateServer server{QStringLiteral(PLUGO_UPDATE_HOST), 80};
    for (const char *const *file = plugoTrustedKeys; *file; ++file) {
        server.verifies = true;
        if (const auto key = trust::readPublicKey(QByteArrayView(*file)))
            server.keys.push_back(*key);
    }
    return server;
}

}  // namespace updater
