#include "app/projectpaths.h"

#include <QDir>
#include <QFileInfo>

QString normaliseDirectory(const QString &path)
{
    if (path.isEmpty())
        return path;
    // cleanPath turns "\" into "/" only on Windows; here a backslash is part of a name.
    return QDir::cleanPath(path);
}

QString projectStartDirectory(const QString &projectDirectory, const QString &programDirectory)
{
    if (!projectDirectory.isEmpty() && QFileInfo(projectDirectory).isDir())
        return normaliseDirectory(projectDirectory);
    return normaliseDirectory(programDirectory);
}

QString subdirectoryPath(const QString &directory, const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return QString();
    const QString parent = normaliseDirectory(directory);
    return parent.endsWith(QLatin1Char('/')) ? parent + name : parent + QLatin1Char('/') + name;
}

QString browserFileMask()
{
    return QStringLiteral("*.htm;*.html;*.js;*.css;*.cdf;*.pl;*.cgi;*.php;*.php3;*.php4;*.sphp;"
                          "*.txt");
}

QString collapsedCaption(const QString &projectDirectory)
{
    return QStringLiteral("Brindel 7.2 - ") + projectDirectory;
}
