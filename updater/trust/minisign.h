// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

// The files of minisign, the signing tool publishers use: public keys, secret keys and detached
// signatures. Reading them is all the cryptography of our own there is; the signatures
// themselves are made and checked by libsodium.
namespace trust {

using KeyId = std::array<std::uint8_t, 8>;

struct PublicKey {
    KeyId id{};
    std::array<std::uint8_t, 32> key{};
};

struct SecretKey {
    KeyId id{};
    // Ed25519's secret key: the seed, then the public key.
    std::array<std::uint8_t, 64> key{};
};

struct Signature {
    // True for a signature of the message's BLAKE2b-512 hash ("ED"), as minisign makes them by
    // default; false for one of the message itself ("Ed").
    bool prehashed = true;
    KeyId keyId{};
    std::array<std::uint8_t, 64> signature{};
    // The line minisign calls trusted: signed together with the signature.
    QByteArray trustedComment;
    std::array<std::uint8_t, 64> globalSignature{};
};

// The largest signature file read; minisign's own comments are far shorter.
constexpr qsizetype kMaxSignatureFile = 16 * 1024;

// A public key file ("untrusted comment: ..." and the key), or the key's line alone.
std::optional<PublicKey> readPublicKey(QByteArrayView text);
// A signature file, strictly: four lines, each as minisign writes it.
std::optional<Signature> readSignature(QByteArrayView text);
// A secret key file; an encrypted key needs its password. The reason when it cannot be used.
std::variant<SecretKey, QString> readSecretKey(QByteArrayView text, const std::optional<QByteArray> &password);

// The trusted comment when the signature is by one of the keys and covers both the message and
// the comment; nothing otherwise.
std::optional<QByteArray> verify(QByteArrayView message, const Signature &signature,
                                 const std::vector<PublicKey> &keys);

// A signature file for the message, as minisign -S writes it (prehashed). The trusted comment
// must be one line.
QByteArray sign(QByteArrayView message, const SecretKey &key, const QByteArray &trustedComment);

// The public half of a secret key, and its file as minisign -G writes it.
PublicKey publicKeyOf(const SecretKey &key);
QByteArray publicKeyFile(const PublicKey &key);
// A new key pair, unencrypted, for tests and tools; its file as minisign -G -W writes it.
SecretKey generateKey();
QByteArray secretKeyFile(const SecretKey &key);

// The key's id as minisign prints it: hexadecimal, upper case, without leading zeros.
QString keyIdText(const KeyId &id);

}  // namespace trust
