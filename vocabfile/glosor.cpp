// SPDX-License-Identifier: GPL-3.0-or-later
#include "glosor.h"

#include "fieldreader.h"
#include "platform/windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vocabulary {

int Glosor::summabet() const
{
    int sum = 0;
    for (const ordpost &post : ordlista)
        sum += post.antalbet;
    return sum;
}

std::pair<QString, QString> languageNames(const QString &header)
{
    QString names[2];
    int target = 0;
    // The first character is skipped whole, even one written as two UTF-16 units.
    const qsizetype first = header.size() > 1 && header.at(0).isHighSurrogate() && header.at(1).isLowSurrogate() ? 2 : 1;
    for (qsizetype i = first; i < header.size(); ++i) {
        const QChar c = header.at(i);
        if (c == u']')
            break;
        if (c == u'-')
            target = 1;
        else
            names[target].append(c);
    }
    return {names[0], names[1]};
}

namespace {

// Far beyond any real vocabulary (400 short entries); a bigger file is not read into memory.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// Splits a meanings field: every "$" ends a meaning; text after the last one is dropped.
bool readMeanings(const QString &field, ordpost &post)
{
    QString accumulator;
    int k = 0;
    for (const QChar c : field) {
        if (c == u'$') {
            if (++k > kMaxMeanings)
                return false;
            post.antalbet = k;
            post.bet[k - 1] = accumulator;
            accumulator.clear();
        } else {
            accumulator.append(c);
        }
    }
    return true;
}

}  // namespace

LoadResult parseVocabulary(QStringView text)
{
    FieldReader reader(text);
    const auto header = reader.next();
    if (!header)
        return {std::nullopt, LoadError::Empty};

    Glosor glosor;
    while (!reader.atEnd()) {
        const int entry = glosor.antalord() + 1;
        if (entry > kMaxWords)
            return {std::nullopt, LoadError::TooManyWords, entry};
        const auto word = reader.next();
        const auto meanings = reader.next();
        if (!word || !meanings)
            return {std::nullopt, LoadError::CutPair, entry};
        ordpost post;
        post.ord = *word;
        if (!readMeanings(*meanings, post))
            return {std::nullopt, LoadError::TooManyMeanings, entry};
        glosor.ordlista.push_back(std::move(post));
    }
    std::tie(glosor.sprak1, glosor.sprak2) = languageNames(*header);
    return {std::move(glosor), LoadError::None};
}

std::optional<IgnoredText> firstIgnoredText(QStringView text)
{
    FieldReader reader(text);
    const auto header = reader.next();
    if (!header)
        return std::nullopt;
    QString ignored = reader.passedOver().toString();
    if (!header->isEmpty() && !header->startsWith(u'['))
        ignored.prepend(header->left(header->at(0).isHighSurrogate() ? 2 : 1));
    const qsizetype end = header->indexOf(u']');
    const qsizetype dash = header->indexOf(u'-');
    if (dash >= 0 && (end < 0 || dash < end)) {
        const QStringView rest = QStringView(*header).sliced(dash + 1, (end < 0 ? header->size() : end) - dash - 1);
        if (rest.contains(u'-'))
            ignored.prepend(QStringLiteral("-"));
    }
    if (end >= 0)
        ignored += header->mid(end + 1);
    if (!ignored.isEmpty())
        return IgnoredText{0, ignored};
    for (int entry = 1; !reader.atEnd(); ++entry) {
        if (!reader.next())
            return std::nullopt;
        QString word = reader.passedOver().toString();
        const auto meanings = reader.next();
        if (!meanings)
            return std::nullopt;
        QString tail = meanings->mid(meanings->lastIndexOf(u'$') + 1) + reader.passedOver().toString();
        if (!word.isEmpty() || !tail.isEmpty())
            return IgnoredText{entry, word + tail};
    }
    return std::nullopt;
}

bool isValidUtf8(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<quint8>(bytes[i]);
        int length = 0;
        quint8 low = 0x80;
        quint8 high = 0xBF;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0)
                low = 0xA0;  // no overlong forms
            if (b == 0xED)
                high = 0x9F;  // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0)
                low = 0x90;
            if (b == 0xF4)
                high = 0x8F;  // nothing beyond U+10FFFF
        } else {
            return false;
        }
        if (i + length > n)
            return false;
        for (int k = 1; k < length; ++k) {
            const auto c = static_cast<quint8>(bytes[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

Encoding vocabularyEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8;
    const bool multiByte = std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<quint8>(c) >= 0x80; });
    return multiByte && isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

QString decodeVocabulary(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (vocabularyEncoding(bytes) == Encoding::Utf8)
        return QString::fromUtf8(bytes);
    return platform::decodeWindows1252(bytes);
}

std::optional<QByteArray> readVocabularyBytes(const QString &path)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

LoadResult loadVocabularyFile(const QString &path)
{
    const std::optional<QByteArray> bytes = readVocabularyBytes(path);
    if (!bytes)
        return {std::nullopt, LoadError::CannotRead};
    return parseVocabulary(decodeVocabulary(*bytes));
}

}  // namespace vocabulary
