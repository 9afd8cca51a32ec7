#pragma once

#include <QString>

namespace platform {

// The name and version the windows and pages show.
inline QString productTitle()
{
    return QStringLiteral("PlugoPro 1.00");
}

}  // namespace platform
