// SPDX-License-Identifier: GPL-3.0-or-later
#include "manifest.h"

#include <QList>
#include <QRegularExpression>
#include <algorithm>
#include <cstring>
#include <sodium.h>

namespace trust {

namespace {

const QByteArray kHeader = QByteArrayLiteral("# PlugoPro release manifest 1");

crypto_hash_sha256_state &stateOf(unsigned char *storage)
{
    static_assert(sizeof(crypto_hash_sha256_state) <= 128);
    return *reinterpret_cast<crypto_hash_sha256_state *>(storage);
}

}  // namespace

const ManifestEntry *Manifest::find(const QString &name) const
{
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const ManifestEntry &e) { return e.name == name; });
    return it == entries.end() ? nullptr : &*it;
}

bool isListableName(const QString &name)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]{0,99}$"));
    return form.match(name).hasMatch();
}

QByteArray writeManifest(const Manifest &manifest)
{
    QByteArray text = kHeader + '\n';
    for (const ManifestEntry &entry : manifest.entries) {
        const QByteArray name = entry.name.toLatin1();
        text += "# " + name + ": " + QByteArray::number(entry.size) + " bytes\n";
        text += hexText(entry.sha256).toLatin1() + "  " + name + '\n';
    }
    return text;
}

std::optional<Manifest> readManifest(QByteArrayView text)
{
    if (text.size() > kMaxManifest || !text.endsWith('\n'))
        return std::nullopt;
    QList<QByteArray> lines = text.chopped(1).toByteArray().split('\n');
    if (lines.isEmpty() || lines.takeFirst() != kHeader || lines.size() % 2 != 0)
        return std::nullopt;
    static const QRegularExpression sizeLine(QStringLiteral("^# ([^ :]+): (0|[1-9][0-9]{0,11}) bytes$"));
    static const QRegularExpression hashLine(QStringLiteral("^([0-9a-f]{64})  ([^ ]+)$"));
    Manifest manifest;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        const auto size = sizeLine.match(QString::fromLatin1(lines.at(i)));
        const auto hash = hashLine.match(QString::fromLatin1(lines.at(i + 1)));
        if (!size.hasMatch() || !hash.hasMatch())
            return std::nullopt;
        ManifestEntry entry;
        entry.name = size.captured(1);
        entry.size = size.captured(2).toLongLong();
        if (hash.captured(2) != entry.name || !isListableName(entry.name) || entry.size > kMaxListedSize
            || manifest.find(entry.name))
            return std::nullopt;
        const QByteArray digest = QByteArray::fromHex(hash.captured(1).toLatin1());
        std::memcpy(entry.sha256.data(), digest.constData(), entry.sha256.size());
        manifest.entries.push_back(entry);
    }
    return manifest;
}

Sha256 sha256(QByteArrayView bytes)
{
    Sha256Stream stream;
    stream.add(bytes);
    return stream.finish();
}

QString hexText(const Sha256 &digest)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest.data()), 32).toHex());
}

Sha256Stream::Sha256Stream()
{
    if (sodium_init() < 0)
        std::abort();
    crypto_hash_sha256_init(&stateOf(state_));
}

Sha256Stream::~Sha256Stream() = default;

void Sha256Stream::add(QByteArrayView piece)
{
    crypto_hash_sha256_update(&stateOf(state_), reinterpret_cast<const unsigned char *>(piece.data()),
                              static_cast<unsigned long long>(piece.size()));
}

Sha256 Sha256Stream::finish()
{
    Sha256 digest{};
    crypto_hash_sha256_final(&stateOf(state_), digest.data());
    return digest;
}

}  // namespace trust
