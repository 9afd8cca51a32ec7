#include "moduleplugo.h"

#include "platform/desktop.h"

namespace shell {

QString modulePlugo::fileInFolder(const QString &name) const
{
    return platform::pathInFolder(programmapp, name);
}

}  // namespace shell
