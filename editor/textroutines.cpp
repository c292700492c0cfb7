#include "editor/textroutines.h"

namespace
{

constexpr QChar kSeparator = QLatin1Char('/');

bool isRoot(const QString &path)
{
    return path.size() == 1 && path.at(0) == kSeparator;
}

// A directory given with trailing separators reads like the same directory without them;
// the root "/" stays itself.
QString withoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && path.endsWith(kSeparator))
        path.chop(1);
    return path;
}

// True when `ancestor` names `path` itself or a directory that contains it. Whole path
// components are compared, so "/site" is not an ancestor of "/site2/img". An empty text is
// the ancestor of nothing.
bool isAncestorOrSame(const QString &ancestor, const QString &path)
{
    if (ancestor.isEmpty() || !path.startsWith(ancestor))
        return false;
    if (isRoot(ancestor))
        return true;
    return path.size() == ancestor.size() || path.at(ancestor.size()) == kSeparator;
}

// The characters of `path` below `ancestor`, starting with the "/" that follows it (empty
// when both are the same directory).
QStringView below(const QString &ancestor, const QString &path)
{
    return QStringView(path).mid(isRoot(ancestor) ? 0 : ancestor.size());
}

// Number of directory levels from `ancestor` down to `path`.
int levelsBelow(const QString &ancestor, const QString &path)
{
    if (path.size() == ancestor.size())
        return 0;
    return int(below(ancestor, path).count(kSeparator));
}

// The directories from `ancestor` down to `path`, each followed by "/".
QString descent(const QString &ancestor, const QString &path)
{
    if (path.size() == ancestor.size())
        return QString();
    return below(ancestor, path).mid(1).toString() + kSeparator;
}

} // namespace

QString couleurhexa(quint32 colour)
{
    const unsigned red = colour & 0xFFu;
    const unsigned green = (colour >> 8) & 0xFFu;
    const unsigned blue = (colour >> 16) & 0xFFu;
    return QString::asprintf("%02X%02X%02X", red, green, blue);
}

QString cheminrelatif(const QString &documentDirectory, const QString &targetDirectory,
                      const QString &projectDirectory)
{
    const QString documentDir = withoutTrailingSeparator(documentDirectory);
    const QString targetDir = withoutTrailingSeparator(targetDirectory);
    const QString project = withoutTrailingSeparator(projectDirectory);
    int ups = 0;
    QString rel;
    if (isAncestorOrSame(targetDir, documentDir)) {
        ups = levelsBelow(targetDir, documentDir);
    } else if (isAncestorOrSame(documentDir, targetDir)) {
        rel = descent(documentDir, targetDir);
    } else {
        if (project.size() < documentDir.size() && isAncestorOrSame(project, documentDir))
            ups = levelsBelow(project, documentDir);
        if (project.size() < targetDir.size() && isAncestorOrSame(project, targetDir))
            rel = descent(project, targetDir);
    }
    return QStringLiteral("../").repeated(ups) + rel;
}
