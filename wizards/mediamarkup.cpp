#include "wizards/mediamarkup.h"

#include <QDir>
#include <QFileInfo>

namespace mediamarkup
{

QString backgroundSound(const QString &source, const QString &loops)
{
    QString text = QStringLiteral("<BGSOUND SRC=\"") + source;
    if (loops == QLatin1String("0"))
        text += QStringLiteral("\" LOOP=\"infinite");
    else if (!loops.isEmpty())
        text += QStringLiteral("\" LOOP=\"") + loops;
    return text + QStringLiteral("\">");
}

QString embed(const QString &source, const QString &height, const QString &width,
              const QString &align, const QString &hidden)
{
    QString text = QStringLiteral("<EMBED SRC=\"") + source;
    if (!height.isEmpty() && !width.isEmpty()) {
        text += QStringLiteral("\" HEIGHT=\"") + height + QStringLiteral("\" WIDTH=\"") + width +
                QStringLiteral("\" ALIGN=\"") + align;
    }
    return text + QStringLiteral("\" HIDDEN=\"") + hidden + QStringLiteral("\">");
}

QString applet(const QString &code, const QString &height, const QString &width)
{
    return QStringLiteral("<APPLET CODE=\"") + code + QStringLiteral("\" HEIGHT=\"") + height +
           QStringLiteral("\" WIDTH=\"") + width + QStringLiteral("\"></APPLET>");
}

QString previewPath(const QString &directory, const QString &name)
{
    const QString base = directory.endsWith(QLatin1Char('/')) ? directory : directory + '/';
    if (name.isEmpty() || QFileInfo::exists(base + name))
        return base + name;
    const QStringList entries = QDir(directory).entryList(QDir::Files | QDir::Hidden);
    QString found;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return base + name; // several spellings: none is the one the user meant
        found = entry;
    }
    return base + (found.isEmpty() ? name : found);
}

} // namespace mediamarkup
