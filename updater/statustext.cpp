// SPDX-License-Identifier: GPL-3.0-or-later
#include "statustext.h"

#include "platform/internettransfer.h"

namespace updater {

std::optional<QString> stateText(int state, bool laddar, int responseCode, const QString &responseInfo)
{
    using namespace platform;
    switch (state) {
    case StateNone:
        return QString();
    case StateResolving:
        return QStringLiteral("Letar upp värd...");
    case StateResolved:
        return QStringLiteral("Värd hittad");
    case StateConnecting:
        return QStringLiteral("Ansluter...");
    case StateConnected:
        return QStringLiteral("Ansluten!");
    case StateRequesting:
        return QStringLiteral("Anhåller...");
    case StateRequestSent:
        return QStringLiteral("Anhållan skickad");
    case StateReceivingResponse:
        return QStringLiteral("Mottar svar...");
    case StateResponseReceived:
        return laddar ? QStringLiteral("Svar mottagit! Vänta...") : QStringLiteral("Svar mottagit!");
    case StateClosingConnection:
        return QStringLiteral("Kopplar från");
    case StateConnectionClosed:
        return QStringLiteral("Frånkopplad");
    case StateError:
        return QStringLiteral("Ett fel har inträffat! ") + QString::number(responseCode) + QStringLiteral(": ")
               + responseInfo;
    case StateResponseCompleted:
        return QStringLiteral("Klart!");
    default:
        return std::nullopt;
    }
}

}  // namespace updater
