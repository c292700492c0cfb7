#include "settings/defaultfiles.h"

#include "platform/atomicfile.h"
#include "platform/filelock.h"

#include <QFileInfo>

void recreateIfMissing(const QString &name, const QString &path)
{
    if (QFileInfo::exists(path))
        return;
    const FileLock lock(path);
    if (QFileInfo::exists(path))
        return; // another process made it meanwhile
    const QByteArray content = readWholeFile(QStringLiteral(":/defaults/") + name);
    writeFileAtomically(path, content, path + QLatin1Char('~'));
}
