// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "manifest.h"
#include "minisign.h"
#include "platform/bodycheck.h"

#include <QDate>

// What makes a release on the update server trustworthy: a manifest of its files, signed by the
// publisher's key. The publishing tool writes it with these functions and the updater checks it
// with them, so the two cannot drift apart.
namespace trust {

// Beside the version file and the installers, in the same folder on the server.
QString manifestName();   // "release.manifest"
QString signatureName();  // "release.manifest.minisig"
// The name the manifest gives the version file.
QString versionName();    // "version"

// The signature's trusted comment: the release's date, the newest date in its version file.
QByteArray trustedComment(const QDate &released);
std::optional<QDate> releaseDate(const QByteArray &trustedComment);

struct VerifiedRelease {
    Manifest manifest;
    QDate released;
};

// The release, when the signature is by one of the keys, its trusted comment gives a date, and
// the version file is byte for byte the one the manifest lists; nothing otherwise.
std::optional<VerifiedRelease> verifyRelease(QByteArrayView version, QByteArrayView manifest,
                                             QByteArrayView signature, const std::vector<PublicKey> &keys);

// Admits a download only when it is exactly the file the manifest lists: it stops a body that
// grows past the listed size, and accepts the whole only with the listed size and SHA-256.
class ListedFileCheck final : public platform::BodyCheck {
public:
    explicit ListedFileCheck(const ManifestEntry &entry) : entry_(entry) {}
    bool take(QByteArrayView piece) override;
    bool acceptWhole() override;
    // Whether the check refused the body (too long, or not the listed file).
    bool refused() const { return refused_; }

private:
    ManifestEntry entry_;
    Sha256Stream hash_;
    qint64 bytes_ = 0;
    bool refused_ = false;
};

}  // namespace trust
