// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"

namespace platform {

AtomicFile::AtomicFile(const QString &path) : file_(path)
{
    // Never fall back to writing into the old file: a failure must leave it whole.
    file_.setDirectWriteFallback(false);
}

AtomicFile::~AtomicFile()
{
    if (open_)
        cancel();
}

bool AtomicFile::open()
{
    open_ = file_.open(QIODevice::WriteOnly);
    failed_ = !open_;
    return open_;
}

bool AtomicFile::write(QByteArrayView bytes)
{
    if (failed_ || !open_)
        return false;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 n = file_.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            failed_ = true;
            return false;
        }
        done += n;
    }
    return true;
}

bool AtomicFile::commit()
{
    if (!open_)
        return false;
    // QSaveFile::commit() can miss a failed final flush, so the flush is checked first.
    if (failed_ || !file_.flush()) {
        cancel();
        return false;
    }
    open_ = false;
    if (!file_.commit()) {
        failed_ = true;
        return false;
    }
    return true;
}

void AtomicFile::cancel()
{
    if (open_) {
        // After cancelWriting(), commit() removes the temporary file and renames nothing.
        file_.cancelWriting();
        file_.commit();
    }
    open_ = false;
    failed_ = true;
}

bool writeFileAtomically(const QString &path, QByteArrayView bytes)
{
    AtomicFile file(path);
    return file.open() && file.write(bytes) && file.commit();
}

}  // namespace platform
