// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagetext.h"

#include "platform/desktop.h"
#include "platform/windows1252.h"

namespace web {

QString basnamn(const QString &filnamn)
{
    const QString last = platform::fileNamePart(filnamn);
    const qsizetype dot = last.indexOf(u'.');
    return dot < 0 ? last : last.left(dot);
}

QString htmlText(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'&':
            safe += QStringLiteral("&amp;");
            break;
        case u'<':
            safe += QStringLiteral("&lt;");
            break;
        case u'>':
            safe += QStringLiteral("&gt;");
            break;
        case u'"':
            safe += QStringLiteral("&quot;");
            break;
        default:
            safe += ch;
        }
    }
    return safe;
}

namespace {

void appendLine(QByteArray &bytes, QStringView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t ch = line[i].unicode();
        if (platform::fitsWindows1252(ch)) {
            bytes.append(platform::encodeWindows1252(line.mid(i, 1))->at(0));
            continue;
        }
        char32_t code = ch;
        if (QChar::isHighSurrogate(ch) && i + 1 < line.size() && QChar::isLowSurrogate(line[i + 1].unicode())) {
            code = QChar::surrogateToUcs4(ch, line[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(ch)) {
            code = 0xFFFD;  // half a character is no character: the replacement mark stands in
        }
        bytes.append("&#");
        bytes.append(QByteArray::number(static_cast<quint32>(code)));
        bytes.append(';');
    }
    bytes.append("\r\n");
}

}  // namespace

QByteArray pageBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        appendLine(bytes, line);
    return bytes;
}

QString colourLine(qint16 farg)
{
    struct Colours {
        const char *background;
        const char *text;
    };
    static constexpr Colours kSchemes[] = {
        {"white", "black"},
        {"black", "white"},
        {"yellow", "red"},
        {"blue", "white"},
    };
    if (farg < 0 || farg > 3)
        return QString();
    const Colours &c = kSchemes[farg];
    return QStringLiteral("<BODY BGCOLOR=\"") + QLatin1String(c.background) + QStringLiteral("\" text=\"")
        + QLatin1String(c.text) + QStringLiteral("\">");
}

}  // namespace web
