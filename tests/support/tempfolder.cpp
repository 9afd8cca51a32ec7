#include "tempfolder.h"

#include "platform/desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

}  // namespace testing_support
