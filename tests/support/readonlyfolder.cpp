// SPDX-License-Identifier: GPL-3.0-or-later
#include "readonlyfolder.h"

#include <QFile>
#include <QTemporaryFile>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace testing_support {

namespace {

bool canCreateIn(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.probe-XXXXXX"));
    return probe.open();
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString &folder) : folder_(folder)
{
#ifdef Q_OS_LINUX
    const QByteArray path = QFile::encodeName(folder);
    if (geteuid() != 0) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        how_ = How::Permissions;
    } else if (mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0) {
        how_ = How::Mount;
        if (mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
            umount2(path.constData(), MNT_DETACH);
            how_ = How::None;
        }
    }
    if (how_ != How::None && canCreateIn(folder)) {
        this->~ReadOnlyFolder();
        how_ = How::None;
    }
#endif
}

ReadOnlyFolder::~ReadOnlyFolder()
{
#ifdef Q_OS_LINUX
    if (how_ == How::Permissions)
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    else if (how_ == How::Mount)
        umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    how_ = How::None;
#endif
}

}  // namespace testing_support
