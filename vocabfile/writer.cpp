// SPDX-License-Identifier: GPL-3.0-or-later
#include "writer.h"

#include "platform/atomicfile.h"
#include "platform/windows1252.h"

namespace vocabulary {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool hasLineBreak(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// The field as it goes into the file, so that the field reader gives it back; nothing when no
// spelling does.
std::optional<QString> field(const QString &value)
{
    // Unquoted, leading spaces would be skipped and a comma or line break would end the field.
    // Trailing spaces would survive, but are quoted so that they show and no other tool trims them.
    const bool mustQuote = value.contains(u',') || hasLineBreak(value) || value.startsWith(u' ');
    if (!value.contains(u'"')) {
        if (mustQuote || value.endsWith(u' '))
            return u'"' + value + u'"';
        return value;
    }
    // A quoted field ends at the next double quote, so one can only stand unquoted, and not first.
    if (mustQuote || value.startsWith(u'"'))
        return std::nullopt;
    return value;
}

bool hasLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

}  // namespace

std::optional<QString> vocabularyText(const Glosor &glosor)
{
    if (glosor.antalord() > kMaxWords)
        return std::nullopt;
    // The header walk skips its first character, switches language at every "-" and stops at "]".
    for (const QString *name : {&glosor.sprak1, &glosor.sprak2}) {
        if (name->contains(u'-') || name->contains(u']'))
            return std::nullopt;
    }
    const auto header = field(u'[' + glosor.sprak1 + u'-' + glosor.sprak2 + u']');
    if (!header)
        return std::nullopt;
    QString text = *header + kLineEnd;
    for (const ordpost &post : glosor.ordlista) {
        if (post.antalbet < 0 || post.antalbet > kMaxMeanings)
            return std::nullopt;
        QString meanings;
        for (int k = 0; k < post.antalbet; ++k) {
            if (post.bet[k].contains(u'$'))
                return std::nullopt;
            meanings += post.bet[k] + u'$';
        }
        const auto word = field(post.ord);
        const auto meaningsField = field(meanings);
        if (!word || !meaningsField)
            return std::nullopt;
        text += *word + u',' + *meaningsField + kLineEnd;
    }
    return text;
}

bool misreadAsUtf8(QStringView text)
{
    const auto bytes = platform::encodeWindows1252(text);
    return bytes && vocabularyEncoding(*bytes) == Encoding::Utf8;
}

std::optional<QByteArray> encodeVocabulary(const QString &text, Encoding encoding)
{
    if (encoding == Encoding::Utf8) {
        // A lone surrogate has no UTF-8 form; it would come back as a replacement character.
        if (hasLoneSurrogate(text))
            return std::nullopt;
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    }
    auto bytes = platform::encodeWindows1252(text);
    if (!bytes || vocabularyEncoding(*bytes) != Encoding::Windows1252)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> writeVocabulary(const Glosor &glosor, Encoding encoding)
{
    const auto text = vocabularyText(glosor);
    if (!text)
        return std::nullopt;
    return encodeVocabulary(*text, encoding);
}

bool saveVocabularyFile(const QString &path, QByteArrayView bytes)
{
    return platform::writeFileAtomically(path, bytes);
}

}  // namespace vocabulary
