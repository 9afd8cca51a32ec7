// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

namespace platform {

// Replaces a file all at once: the bytes go to a temporary file beside it, which is renamed over the
// old one only when every write and the final flush succeeded. On any failure the old file stays.
class AtomicFile {
public:
    explicit AtomicFile(const QString &path);
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool open();
    // False once any write has failed; later writes are ignored.
    bool write(QByteArrayView bytes);
    // True when the new file is in place.
    bool commit();
    // Throws the temporary file away; the old file stays.
    void cancel();

    bool failed() const { return failed_; }
    QString errorString() const { return file_.errorString(); }

private:
    QSaveFile file_;
    bool open_ = false;
    bool failed_ = false;
};

// The whole file at once; true when it is in place.
bool writeFileAtomically(const QString &path, QByteArrayView bytes);

}  // namespace platform
