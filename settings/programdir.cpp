#include "settings/programdir.h"

#include <QCoreApplication>
#include <QDir>

QString programDirectory()
{
    QString dir = qEnvironmentVariable("BRINDEL_HOME");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    dir = QDir::cleanPath(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString settingsFile()
{
    return programDirectory() + QStringLiteral("brindel.sav");
}

QString viewerHandOffFile()
{
    return programDirectory() + QStringLiteral("visualisateur.sav");
}
