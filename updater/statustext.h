// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace updater {

// The status line's text for a transfer state; nothing for a number that is no state, which
// leaves the line as it was. `laddar` is true while an installer is being downloaded; the code
// and information describe the last error and are used for the error state only.
std::optional<QString> stateText(int state, bool laddar, int responseCode, const QString &responseInfo);

}  // namespace updater
