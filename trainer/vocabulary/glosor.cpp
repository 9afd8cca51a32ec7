#include "glosor.h"

#include "fieldreader.h"
#include "platform/windows1252.h"

#include <QFile>
#include <QFileInfo>

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
    for (qsizetype i = 1; i < header.size(); ++i) {
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
        if (glosor.antalord() == kMaxWords)
            return {std::nullopt, LoadError::TooManyWords};
        const auto word = reader.next();
        const auto meanings = reader.next();
        if (!word || !meanings)
            return {std::nullopt, LoadError::CutPair};
        ordpost post;
        post.ord = *word;
        if (!readMeanings(*meanings, post))
            return {std::nullopt, LoadError::TooManyMeanings};
        glosor.ordlista.push_back(std::move(post));
    }
    std::tie(glosor.sprak1, glosor.sprak2) = languageNames(*header);
    return {std::move(glosor), LoadError::None};
}

QString decodeVocabulary(const QByteArray &bytes)
{
    return platform::decodeWindows1252(bytes);
}

LoadResult loadVocabularyFile(const QString &path)
{
    if (path.isEmpty() || QFileInfo(path).isDir())
        return {std::nullopt, LoadError::CannotRead};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes)
        return {std::nullopt, LoadError::CannotRead};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, LoadError::CannotRead};
    return parseVocabulary(decodeVocabulary(bytes));
}

}  // namespace vocabulary
