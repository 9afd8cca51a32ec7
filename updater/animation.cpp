// SPDX-License-Identifier: GPL-3.0-or-later
#include "animation.h"

#include "platform/desktop.h"

namespace updater {

std::optional<QImage> Animation::reset(const QString &folder)
{
    const std::optional<QImage> blank = desktop_.loadPicture(platform::pathInFolder(folder, QStringLiteral("liten.bmp")));
    if (!blank)
        return std::nullopt;
    steg_ = 0;
    return blank->copy(0, 0, 1, 1);
}

std::optional<QImage> Animation::annimera(const QString &folder)
{
    const QString path = platform::pathInFolder(folder, QStringLiteral("ladda.bmp"));
    if (strip_.isNull() || stripPath_ != path) {
        const std::optional<QImage> loaded = desktop_.loadPicture(path);
        if (!loaded)
            return std::nullopt;
        strip_ = *loaded;
        stripPath_ = path;
    }
    steg_ += kStep;
    const QImage cut = strip_.copy(0, 0, steg_, kHeight);
    if (steg_ >= kSweep)
        steg_ = 0;
    return cut;
}

}  // namespace updater
