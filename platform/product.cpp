#include "product.h"

#include <QIcon>

// The resources live in a static library: they must be registered by hand.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace platform {

QIcon programIcon()
{
    static const bool registered = (registerIcons(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icons/plugo-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace platform
