// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plugo/version.h"

#include <QString>

namespace platform {

// The name and version the windows and pages show.
inline QString productTitle()
{
    return QStringLiteral("PlugoPro " PLUGO_VERSION_TEXT);
}

}  // namespace platform

class QIcon;

namespace platform {

// The program icon both programs' windows carry, at 16, 24, 32 and 48 pixels.
QIcon programIcon();

// The 16-pixel size alone, which a title bar shows: a window can carry it until it has first been
// painted, since the window system is handed every size of an icon when the window appears.
QIcon smallProgramIcon();

}  // namespace platform
