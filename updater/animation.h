// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace platform {
class Desktop;
}

namespace updater {

// The busy strip shown while an installer downloads: every tick shows 3 pixels more of
// "ladda.bmp", up to 300, then starts again from 3.
class Animation {
public:
    static constexpr int kStep = 3;
    static constexpr int kSweep = 300;
    static constexpr int kHeight = 5;

    explicit Animation(const platform::Desktop &desktop) : desktop_(desktop) {}

    // The blank picture a download starts from: a 1 by 1 pixel cut of "liten.bmp". Nothing when
    // that picture cannot be loaded.
    std::optional<QImage> reset(const QString &folder);

    // One step (`annimera`): the strip cut to its new width. When "ladda.bmp" cannot be loaded
    // the step does nothing at all and gives nothing.
    std::optional<QImage> annimera(const QString &folder);

    // The width shown by the last step; 0 after a reset and after a full sweep.
    int steg() const { return steg_; }

private:
    const platform::Desktop &desktop_;
    int steg_ = 0;
    // The strip is read once and kept: it is the same picture on every tick.
    QString stripPath_;
    QImage strip_;
};

}  // namespace updater
