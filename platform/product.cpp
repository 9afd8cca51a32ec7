// SPDX-License-Identifier: GPL-3.0-or-later
#include "product.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The resources live in a static library: they must be registered by hand.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

QIcon readProgramIcon()
{
    registerIcons();
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        // Read as PNG straight away rather than letting the reader guess the format.
        QImage image;
        if (image.load(QStringLiteral(":/icons/plugo-%1.png").arg(size), "PNG"))
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace

namespace platform {

QIcon programIcon()
{
    // Read once, however many windows ask for it.
    static const QIcon icon = readProgramIcon();
    return icon;
}

}  // namespace platform
