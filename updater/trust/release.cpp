// SPDX-License-Identifier: GPL-3.0-or-later
#include "release.h"

#include <QRegularExpression>

namespace trust {

QString manifestName()
{
    return QStringLiteral("release.manifest");
}

QString signatureName()
{
    return manifestName() + QStringLiteral(".minisig");
}

QString versionName()
{
    return QStringLiteral("version");
}

QByteArray trustedComment(const QDate &released)
{
    return "PlugoPro release of " + released.toString(Qt::ISODate).toLatin1();
}

std::optional<QDate> releaseDate(const QByteArray &comment)
{
    static const QRegularExpression form(QStringLiteral("^PlugoPro release of (\\d{4}-\\d{2}-\\d{2})$"));
    const auto match = form.match(QString::fromLatin1(comment));
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(match.captured(1), Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<VerifiedRelease> verifyRelease(QByteArrayView version, QByteArrayView manifest,
                                             QByteArrayView signature, const std::vector<PublicKey> &keys)
{
    const std::optional<Signature> parsed = readSignature(signature);
    if (!parsed)
        return std::nullopt;
    const std::optional<QByteArray> comment = verify(manifest, *parsed, keys);
    if (!comment)
        return std::nullopt;
    // Only what the signature covers is read from here on.
    const std::optional<QDate> released = releaseDate(*comment);
    std::optional<Manifest> files = readManifest(manifest);
    if (!released || !files)
        return std::nullopt;
    const ManifestEntry *listed = files->find(versionName());
    if (!listed || listed->size != version.size() || listed->sha256 != sha256(version))
        return std::nullopt;
    return VerifiedRelease{std::move(*files), *released};
}

bool ListedFileCheck::take(QByteArrayView piece)
{
    bytes_ += piece.size();
    if (bytes_ > entry_.size) {
        refused_ = true;
        return false;
    }
    hash_.add(piece);
    return true;
}

bool ListedFileCheck::acceptWhole()
{
    if (refused_ || bytes_ != entry_.size || hash_.finish() != entry_.sha256) {
        refused_ = true;
        return false;
    }
    return true;
}

}  // namespace trust
