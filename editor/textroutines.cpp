#include "editor/textroutines.h"

namespace
{

constexpr QChar kSeparator = QLatin1Char('/');

// True when `ancestor` names `path` itself or a directory that contains it. Whole path
// components are compared, so "/site" is not an ancestor of "/site2/img". An empty text is
// the ancestor of nothing.
bool isAncestorOrSame(const QString &ancestor, const QString &path)
{
    if (ancestor.isEmpty() || !path.startsWith(ancestor))
        return false;
    return path.size() == ancestor.size() || path.at(ancestor.size()) == kSeparator;
}

// Number of directory levels from `ancestor` down to `path`.
int levelsBelow(const QString &ancestor, const QString &path)
{
    return int(QStringView(path).mid(ancestor.size()).count(kSeparator));
}

// The directories from `ancestor` down to `path`, each followed by "/".
QString descent(const QString &ancestor, const QString &path)
{
    if (path.size() == ancestor.size())
        return QString();
    return path.mid(ancestor.size() + 1) + kSeparator;
}

} // namespace

QString couleurhexa(quint32 colour)
{
    const unsigned red = colour & 0xFFu;
    const unsigned green = (colour >> 8) & 0xFFu;
    const unsigned blue = (colour >> 16) & 0xFFu;
    return QString::asprintf("%02X%02X%02X", red, green, blue);
}

QString cheminrelatif(const QString &documentDir, const QString &targetDir,
                      const QString &projectDir)
{
    int ups = 0;
    QString rel;
    if (isAncestorOrSame(targetDir, documentDir)) {
        ups = levelsBelow(targetDir, documentDir);
    } else if (isAncestorOrSame(documentDir, targetDir)) {
        rel = descent(documentDir, targetDir);
    } else {
        QString project = projectDir;
        if (project.endsWith(kSeparator))
            project.chop(1);
        if (project.size() < documentDir.size() && isAncestorOrSame(project, documentDir))
            ups = levelsBelow(project, documentDir);
        if (project.size() < targetDir.size() && isAncestorOrSame(project, targetDir))
            rel = descent(project, targetDir);
    }
    return QStringLiteral("../").repeated(ups) + rel;
}
