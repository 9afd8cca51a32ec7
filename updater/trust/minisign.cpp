// SPDX-License-Identifier: GPL-3.0-or-later
#include "minisign.h"

#include <QList>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sodium.h>

namespace trust {

namespace {

const QByteArray kUntrusted = QByteArrayLiteral("untrusted comment: ");
const QByteArray kTrusted = QByteArrayLiteral("trusted comment: ");
constexpr std::uint8_t kEd[2] = {'E', 'd'};
constexpr std::uint8_t kPrehashedEd[2] = {'E', 'D'};
constexpr std::uint8_t kScrypt[2] = {'S', 'c'};
constexpr std::uint8_t kBlake2[2] = {'B', '2'};

// Layout of a secret key file's second line, in bytes.
constexpr qsizetype kSecretKeyBytes = 2 + 2 + 2 + 32 + 8 + 8 + 8 + 64 + 32;
constexpr qsizetype kSaltAt = 6;
constexpr qsizetype kOpsAt = 38;
constexpr qsizetype kMemAt = 46;
constexpr qsizetype kKeynumAt = 54;
constexpr qsizetype kKeynumBytes = 8 + 64 + 32;

void ensureSodium()
{
    // Idempotent and safe from any thread; it fails only where there is no source of randomness.
    if (sodium_init() < 0)
        std::abort();
}

// The file's lines, each without its line end (LF or CR LF, as minisign accepts); a last line
// end is optional. Nothing when the text holds a NUL, which no line of these files has.
std::optional<QList<QByteArray>> linesOf(QByteArrayView text)
{
    if (text.contains('\0'))
        return std::nullopt;
    QList<QByteArray> lines = text.toByteArray().split('\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.contains('\r'))
            return std::nullopt;
    }
    return lines;
}

std::optional<QByteArray> decodeBase64(const QByteArray &line, qsizetype expected)
{
    const auto decoded = QByteArray::fromBase64Encoding(line, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != expected)
        return std::nullopt;
    // Only the canonical spelling: one key or signature has one text.
    if (decoded.decoded.toBase64() != line)
        return std::nullopt;
    return decoded.decoded;
}

template <std::size_t N>
void copyOut(std::array<std::uint8_t, N> &to, const QByteArray &from, qsizetype at)
{
    std::memcpy(to.data(), from.constData() + at, N);
}

bool startsWith(const QByteArray &bytes, const std::uint8_t (&tag)[2])
{
    return bytes.size() >= 2 && static_cast<std::uint8_t>(bytes[0]) == tag[0]
           && static_cast<std::uint8_t>(bytes[1]) == tag[1];
}

// Unused where libsodium is built without scrypt, which only encrypted secret keys need.
[[maybe_unused]] std::uint64_t littleEndian64(const QByteArray &bytes, qsizetype at)
{
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// BLAKE2b-256 of the algorithm, the key id and the secret key: how minisign tells a wrong password.
std::array<std::uint8_t, 32> secretKeyChecksum(const SecretKey &key)
{
    ensureSodium();
    std::array<std::uint8_t, 32> sum{};
    crypto_generichash_state state;
    crypto_generichash_init(&state, nullptr, 0, sum.size());
    crypto_generichash_update(&state, kEd, sizeof kEd);
    crypto_generichash_update(&state, key.id.data(), key.id.size());
    crypto_generichash_update(&state, key.key.data(), key.key.size());
    crypto_generichash_final(&state, sum.data(), sum.size());
    return sum;
}

}  // namespace

std::optional<PublicKey> readPublicKey(QByteArrayView text)
{
    if (text.size() > 4096)
        return std::nullopt;
    const auto lines = linesOf(text);
    if (!lines || lines->isEmpty() || lines->size() > 2)
        return std::nullopt;
    if (lines->size() == 2 && !lines->constFirst().startsWith(kUntrusted))
        return std::nullopt;
    const auto bytes = decodeBase64(lines->constLast(), 2 + 8 + 32);
    if (!bytes || !startsWith(*bytes, kEd))
        return std::nullopt;
    PublicKey key;
    copyOut(key.id, *bytes, 2);
    copyOut(key.key, *bytes, 10);
    return key;
}

std::optional<Signature> readSignature(QByteArrayView text)
{
    if (text.size() > kMaxSignatureFile)
        return std::nullopt;
    const auto lines = linesOf(text);
    if (!lines || lines->size() != 4 || !lines->at(0).startsWith(kUntrusted) || !lines->at(2).startsWith(kTrusted))
        return std::nullopt;
    const auto first = decodeBase64(lines->at(1), 2 + 8 + 64);
    const auto global = decodeBase64(lines->at(3), 64);
    if (!first || !global)
        return std::nullopt;
    Signature signature;
    if (startsWith(*first, kPrehashedEd))
        signature.prehashed = true;
    else if (startsWith(*first, kEd))
        signature.prehashed = false;
    else
        return std::nullopt;
    copyOut(signature.keyId, *first, 2);
    copyOut(signature.signature, *first, 10);
    signature.trustedComment = lines->at(2).mid(kTrusted.size());
    copyOut(signature.globalSignature, *global, 0);
    return signature;
}

std::variant<SecretKey, QString> readSecretKey(QByteArrayView text, const std::optional<QByteArray> &password)
{
    const QString notAKey = QStringLiteral("not a minisign secret key file");
    if (text.size() > 4096)
        return notAKey;
    const auto lines = linesOf(text);
    if (!lines || lines->size() != 2 || !lines->at(0).startsWith(kUntrusted))
        return notAKey;
    const auto decoded = decodeBase64(lines->at(1), kSecretKeyBytes);
    if (!decoded || !startsWith(*decoded, kEd) || decoded->mid(4, 2) != QByteArray("B2", 2))
        return notAKey;
    QByteArray bytes = *decoded;
    const QByteArray kdf = bytes.mid(2, 2);
    const bool encrypted = startsWith(kdf, kScrypt);
    if (!encrypted && kdf != QByteArray(2, '\0'))
        return notAKey;

    ensureSodium();
    if (encrypted) {
#ifdef SODIUM_LIBRARY_MINIMAL
        Q_UNUSED(password);
        return QStringLiteral("this build reads only unencrypted secret keys (minisign -G -W)");
#else
        if (!password)
            return QStringLiteral("the secret key is encrypted: give its password");
        const std::uint64_t ops = littleEndian64(bytes, kOpsAt);
        const std::uint64_t mem = littleEndian64(bytes, kMemAt);
        // Far beyond what minisign asks for; a larger demand is a damaged or hostile file.
        if (ops > (std::uint64_t{1} << 34) || mem > (std::uint64_t{1} << 33))
            return notAKey;
        std::array<std::uint8_t, kKeynumBytes> stream{};
        if (crypto_pwhash_scryptsalsa208sha256(stream.data(), stream.size(), password->constData(),
                                               static_cast<unsigned long long>(password->size()),
                                               reinterpret_cast<const unsigned char *>(bytes.constData() + kSaltAt),
                                               ops, static_cast<size_t>(mem))
            != 0)
            return QStringLiteral("not enough memory to open the secret key");
        for (qsizetype i = 0; i < kKeynumBytes; ++i)
            bytes[kKeynumAt + i] = static_cast<char>(static_cast<std::uint8_t>(bytes[kKeynumAt + i]) ^ stream[i]);
        sodium_memzero(stream.data(), stream.size());
#endif
    }
    SecretKey key;
    copyOut(key.id, bytes, kKeynumAt);
    copyOut(key.key, bytes, kKeynumAt + 8);
    std::array<std::uint8_t, 32> stored{};
    copyOut(stored, bytes, kKeynumAt + 8 + 64);
    sodium_memzero(bytes.data(), static_cast<size_t>(bytes.size()));
    // minisign -W leaves the checksum of an unencrypted key empty.
    const bool unchecked = !encrypted && stored == std::array<std::uint8_t, 32>{};
    if (!unchecked && secretKeyChecksum(key) != stored)
        return encrypted ? QStringLiteral("wrong password for the secret key")
                         : QStringLiteral("the secret key file is damaged");
    // Ed25519's secret key carries its public half; a key whose halves disagree signs nothing
    // that its public key would verify.
    std::array<std::uint8_t, 32> derived{};
    std::array<std::uint8_t, 32> seed{};
    std::array<std::uint8_t, 64> again{};
    crypto_sign_ed25519_sk_to_seed(seed.data(), key.key.data());
    crypto_sign_seed_keypair(derived.data(), again.data(), seed.data());
    sodium_memzero(seed.data(), seed.size());
    const bool consistent = again == key.key;
    sodium_memzero(again.data(), again.size());
    if (!consistent)
        return QStringLiteral("the secret key file is damaged");
    return key;
}

std::optional<QByteArray> verify(QByteArrayView message, const Signature &signature,
                                 const std::vector<PublicKey> &keys)
{
    ensureSodium();
    const auto key = std::find_if(keys.begin(), keys.end(),
                                  [&](const PublicKey &candidate) { return candidate.id == signature.keyId; });
    if (key == keys.end())
        return std::nullopt;
    const auto *data = reinterpret_cast<const unsigned char *>(message.data());
    std::array<std::uint8_t, crypto_generichash_BYTES_MAX> hash{};
    if (signature.prehashed) {
        crypto_generichash(hash.data(), hash.size(), data, static_cast<unsigned long long>(message.size()), nullptr, 0);
        data = hash.data();
    }
    const auto length = signature.prehashed ? static_cast<unsigned long long>(hash.size())
                                            : static_cast<unsigned long long>(message.size());
    if (crypto_sign_verify_detached(signature.signature.data(), data, length, key->key.data()) != 0)
        return std::nullopt;
    QByteArray signedComment(reinterpret_cast<const char *>(signature.signature.data()),
                             static_cast<qsizetype>(signature.signature.size()));
    signedComment += signature.trustedComment;
    if (crypto_sign_verify_detached(signature.globalSignature.data(),
                                    reinterpret_cast<const unsigned char *>(signedComment.constData()),
                                    static_cast<unsigned long long>(signedComment.size()), key->key.data())
        != 0)
        return std::nullopt;
    return signature.trustedComment;
}

QByteArray sign(QByteArrayView message, const SecretKey &key, const QByteArray &trustedComment)
{
    ensureSodium();
    std::array<std::uint8_t, crypto_generichash_BYTES_MAX> hash{};
    crypto_generichash(hash.data(), hash.size(), reinterpret_cast<const unsigned char *>(message.data()),
                       static_cast<unsigned long long>(message.size()), nullptr, 0);
    std::array<std::uint8_t, 64> signature{};
    crypto_sign_detached(signature.data(), nullptr, hash.data(), hash.size(), key.key.data());
    QByteArray first(reinterpret_cast<const char *>(kPrehashedEd), 2);
    first.append(reinterpret_cast<const char *>(key.id.data()), 8);
    first.append(reinterpret_cast<const char *>(signature.data()), 64);

    QByteArray signedComment(reinterpret_cast<const char *>(signature.data()), 64);
    signedComment += trustedComment;
    std::array<std::uint8_t, 64> global{};
    crypto_sign_detached(global.data(), nullptr, reinterpret_cast<const unsigned char *>(signedComment.constData()),
                         static_cast<unsigned long long>(signedComment.size()), key.key.data());
    return kUntrusted + "signature from minisign secret key\n" + first.toBase64() + '\n' + kTrusted
           + trustedComment + '\n'
           + QByteArray(reinterpret_cast<const char *>(global.data()), 64).toBase64() + '\n';
}

PublicKey publicKeyOf(const SecretKey &key)
{
    PublicKey pub;
    pub.id = key.id;
    std::memcpy(pub.key.data(), key.key.data() + 32, 32);
    return pub;
}

QByteArray publicKeyFile(const PublicKey &key)
{
    QByteArray bytes(reinterpret_cast<const char *>(kEd), 2);
    bytes.append(reinterpret_cast<const char *>(key.id.data()), 8);
    bytes.append(reinterpret_cast<const char *>(key.key.data()), 32);
    return kUntrusted + "minisign public key " + keyIdText(key.id).toLatin1() + '\n' + bytes.toBase64() + '\n';
}

SecretKey generateKey()
{
    ensureSodium();
    SecretKey key;
    randombytes_buf(key.id.data(), key.id.size());
    std::array<std::uint8_t, 32> pub{};
    crypto_sign_keypair(pub.data(), key.key.data());
    return key;
}

QByteArray secretKeyFile(const SecretKey &key)
{
    QByteArray bytes(reinterpret_cast<const char *>(kEd), 2);
    bytes.append(2, '\0');
    bytes.append(reinterpret_cast<const char *>(kBlake2), 2);
    bytes.append(32 + 8 + 8, '\0');
    bytes.append(reinterpret_cast<const char *>(key.id.data()), 8);
    bytes.append(reinterpret_cast<const char *>(key.key.data()), 64);
    const std::array<std::uint8_t, 32> sum = secretKeyChecksum(key);
    bytes.append(reinterpret_cast<const char *>(sum.data()), 32);
    return kUntrusted + "minisign encrypted secret key\n" + bytes.toBase64() + '\n';
}

QString keyIdText(const KeyId &id)
{
    QString text;
    for (auto it = id.rbegin(); it != id.rend(); ++it)
        text += QStringLiteral("%1").arg(*it, 2, 16, QLatin1Char('0')).toUpper();
    // minisign prints the number without leading zeros; its files and ours must read alike.
    while (text.size() > 1 && text.front() == u'0')
        text.remove(0, 1);
    return text;
}

}  // namespace trust
