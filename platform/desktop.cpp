// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace platform {

int Desktop::question(QWidget *, const QString &, const QString &, const QStringList &buttons)
{
    return static_cast<int>(buttons.size()) - 1;
}

QString Desktop::userDataFolder() const
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

QString Desktop::downloadsFolder() const
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QString folder = !downloads.isEmpty() && QFileInfo(downloads).isDir()
                               ? downloads
                               : QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    return QDir::toNativeSeparators(folder);
}

QString Desktop::documentsFolder() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = !documents.isEmpty() && QFileInfo(documents).isDir()
                               ? documents
                               : QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    return QDir::toNativeSeparators(folder);
}

bool Desktop::isFolderWritable(const QString &folder) const
{
    // Asking the file system's permissions is not enough (a read-only mount, an administrator's
    // rights): only creating a file tells.
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".plugo-probe-XXXXXX")));
    return probe.open();
}

QString formatDateTime(const Desktop &desktop, const QDateTime &when, QStringView pattern)
{
    if (pattern == u"ddddd")
        return desktop.shortDate(when.date());
    if (pattern == u"hh:nn")
        return when.time().toString(QStringLiteral("HH:mm"));
    if (pattern == u"yy mm dd")
        return when.date().toString(QStringLiteral("yy MM dd"));
    return QString();
}

QString pathInFolder(const QString &folder, const QString &name)
{
    return folder + QDir::separator() + name;
}

QString fileNamePart(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return cut < 0 ? path : path.mid(cut + 1);
}

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

QString programFileName(const QString &baseName)
{
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

}  // namespace platform
