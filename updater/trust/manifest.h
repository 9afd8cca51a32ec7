// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The release manifest: the name, size and SHA-256 of every file a release puts on the update
// server. It is a check file that sha256sum -c reads as it is; its comment lines name the format
// and give each file's size, so anyone can check a published folder with standard tools.
namespace trust {

using Sha256 = std::array<std::uint8_t, 32>;

struct ManifestEntry {
    QString name;
    qint64 size = 0;
    Sha256 sha256{};
};

struct Manifest {
    std::vector<ManifestEntry> entries;
    const ManifestEntry *find(const QString &name) const;
};

// The largest manifest read: four lines a file and a few files.
constexpr qsizetype kMaxManifest = 64 * 1024;
// The largest file a manifest may list.
constexpr qint64 kMaxListedSize = qint64{1} << 36;

// A name a manifest may list: a plain file name, no folder, no hidden file.
bool isListableName(const QString &name);

QByteArray writeManifest(const Manifest &manifest);
// Strictly as writeManifest writes it; nothing for anything else.
std::optional<Manifest> readManifest(QByteArrayView text);

Sha256 sha256(QByteArrayView bytes);
QString hexText(const Sha256 &digest);

// SHA-256 of a stream of pieces.
class Sha256Stream {
public:
    Sha256Stream();
    ~Sha256Stream();
    Sha256Stream(const Sha256Stream &) = delete;
    Sha256Stream &operator=(const Sha256Stream &) = delete;
    void add(QByteArrayView piece);
    Sha256 finish();

private:
    alignas(64) unsigned char state_[128];
};

}  // namespace trust
