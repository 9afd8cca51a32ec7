// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace platform {

// Judges a downloaded body while it arrives, on the transfer's own thread: a piece it refuses
// stops the transfer, and the file is put in place only when it accepts the whole body.
class BodyCheck {
public:
    virtual ~BodyCheck() = default;
    // The next piece of the body; false stops the transfer.
    virtual bool take(QByteArrayView piece) = 0;
    // The body is complete; false keeps it from replacing the file.
    virtual bool acceptWhole() = 0;
};

}  // namespace platform
