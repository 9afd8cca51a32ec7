// SPDX-License-Identifier: GPL-3.0-or-later
#include "updateserver.h"

#ifndef PLUGO_UPDATE_HOST
#define PLUGO_UPDATE_HOST "localhost"
#endif

namespace updater {

UpdateServer defaultUpdateServer()
{
    return UpdateServer{QStringLiteral(PLUGO_UPDATE_HOST), 80};
}

}  // namespace updater
