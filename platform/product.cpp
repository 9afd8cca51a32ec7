// SPDX-License-Identifier: GPL-3.0-or-later
#include "product.h"

#include "deferredicon.h"

#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

// The resources live in a static library: they must be registered by hand.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48};

// One size of the icon. Read by Qt's own PNG decoder alone: left to guess the format, the reader
// would first load and ask every image-format plugin, which costs more than the decoding.
void addIconSize(QIcon &icon, int size)
{
    registerIcons();
    QImageReader reader(QStringLiteral(":/icons/plugo-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull())
        icon.addPixmap(QPixmap::fromImage(image));
}

QIcon readProgramIcon()
{
    QIcon icon;
    for (int size : kIconSizes)
        addIconSize(icon, size);
    return icon;
}

}  // namespace

namespace platform {

QIcon programIcon()
{
    // Read once, however many windows ask for it, and only when its pixels are first needed.
    static const QIcon icon = [] {
        QList<QSize> sizes;
        for (int size : kIconSizes)
            sizes.append(QSize(size, size));
        return QIcon(new DeferredIconEngine(readProgramIcon, sizes));
    }();
    return icon;
}

QIcon smallProgramIcon()
{
    QIcon icon;
    addIconSize(icon, kIconSizes[0]);
    return icon;
}

}  // namespace platform
