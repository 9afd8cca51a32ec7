// SPDX-License-Identifier: GPL-3.0-or-later
#include "tempfolder.h"

#include "platform/desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace testing_support {

TempFolder::TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/plugo-test-XXXXXX")) {}

QString TempFolder::file(const QString &name) const
{
    return platform::pathInFolder(path(), name);
}

QString TempFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString target = file(name);
    QFile f(target);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return target;
}

QByteArray TempFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TempFolder::exists(const QString &name) const
{
    return QFileInfo::exists(file(name));
}

QString dataFolder()
{
    return QStringLiteral(PLUGO_DATA_DIR);
}

void installPictures(const QString &folder)
{
    for (const QString &name : {QStringLiteral("smiling.gif"), QStringLiteral("argtant.gif")}) {
        const QString shipped = platform::pathInFolder(dataFolder(), name);
        const QString target = platform::pathInFolder(folder, name);
        QFile::remove(target);
        if (QFileInfo::exists(shipped)) {
            QFile::copy(shipped, target);
        } else {
            // Readers find the format from the contents, so a PNG under the name serves.
            QImage image(48, 48, QImage::Format_RGB32);
            image.fill(name.startsWith(u's') ? Qt::yellow : Qt::red);
            image.save(target, "PNG");
        }
    }
}

}  // namespace testing_support
