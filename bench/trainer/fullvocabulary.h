// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/windows1252.h"

#include <QByteArray>
#include <QString>

// A vocabulary as large as the trainer takes: 400 words of four meanings each, Windows-1252, CR LF.
inline QByteArray fullVocabulary()
{
    QString text = QStringLiteral("\"[Svenska-Engelska]\"\r\n");
    for (int i = 1; i <= 400; ++i) {
        text += QStringLiteral("\"ordet nummer %1 på svenska\",\"").arg(i);
        for (int j = 1; j <= 4; ++j)
            text += QStringLiteral("betydelse %1 av ord %2 med åäö$").arg(j).arg(i);
        text += QStringLiteral("\"\r\n");
    }
    return platform::encodeWindows1252(text).value();
}
