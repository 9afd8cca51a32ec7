// SPDX-License-Identifier: GPL-3.0-or-later
// The release manifest's and minisign's readers on any bytes: a clean refusal or a reading that
// writes back as it was read; and nothing verifies that was not signed.
#include "trust/release.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

static void check(bool condition)
{
    if (!condition)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const trust::SecretKey key = trust::generateKey();
    static const std::vector<trust::PublicKey> keys{trust::publicKeyOf(key)};
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    if (const auto manifest = trust::readManifest(bytes)) {
        check(trust::writeManifest(*manifest) == bytes);
        for (const trust::ManifestEntry &entry : manifest->entries)
            check(trust::isListableName(entry.name) && entry.size >= 0);
    }
    // The input as a signature of a fixed manifest, and as the manifest under a fixed signature.
    if (const auto signature = trust::readSignature(bytes))
        check(!trust::verify("manifest", *signature, keys));
    static const QByteArray signedManifest = "# PlugoPro release manifest 1\n";
    static const QByteArray signature = trust::sign(signedManifest, key, trust::trustedComment(QDate(2026, 1, 11)));
    const auto release = trust::verifyRelease(QByteArray(), bytes, signature, keys);
    check(!release || bytes == signedManifest);
    (void)trust::readPublicKey(bytes);
    (void)trust::readSecretKey(bytes, std::nullopt);
    return 0;
}
