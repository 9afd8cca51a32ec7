// SPDX-License-Identifier: GPL-3.0-or-later
#include "internettransfer.h"

namespace platform {

QString httpUrl(const QString &host, int port, const QString &path)
{
    // A numeric IPv6 address needs brackets in a URL.
    const QString hostPart = host.contains(u':') && !host.startsWith(u'[') ? u'[' + host + u']' : host;
    QString url = QStringLiteral("http://") + hostPart;
    if (port != 80)
        url += u':' + QString::number(port);
    return url + path;
}

}  // namespace platform
