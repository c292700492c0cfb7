#include "settings/defaultfiles.h"

#include "platform/atomicfile.h"

#include <QFileInfo>

void recreateIfMissing(const QString &name, const QString &path)
{
    if (QFileInfo::exists(path))
        return;
    const QByteArray content = readWholeFile(QStringLiteral(":/defaults/") + name);
    writeFileAtomically(path, content, path + QLatin1Char('~'));
}
