#include "settings/programdir.h"
#include "settings/supportfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>

#include <unistd.h>

namespace
{

QString withSlash(const QString &path)
{
    QString dir = QDir::cleanPath(path);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

// Writable for this process: the folder itself, and its settings file when there is one
// (a read-only brindel.sav in a writable folder would lose every setting at the first save).
bool writableBeside(const QString &dir)
{
    const QByteArray folder = QFile::encodeName(dir);
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return false;
    const QByteArray settings = QFile::encodeName(dir + QStringLiteral("brindel.sav"));
    return ::access(settings.constData(), F_OK) != 0 || ::access(settings.constData(), W_OK) == 0;
}

// The user's own folder, the same for the editor, the viewer and the analyser whatever
// name each gives itself: <user data folder>/brindel/.
QString userFolder()
{
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     QStringLiteral("/brindel"));
}

// The decision is taken once per BRINDEL_HOME value (tests change it between cases).
ProgramFolders currentFolders()
{
    static QMutex mutex;
    static QString decidedFor;
    static ProgramFolders decided;
    const QString home = qEnvironmentVariable("BRINDEL_HOME");
    const QString key = home.isEmpty() ? QStringLiteral("\n") : home;
    const QMutexLocker lock(&mutex);
    if (key == decidedFor)
        return decided;
    if (!home.isEmpty()) {
        decided = {withSlash(home), withSlash(home)};
    } else {
        const QString installed = installedDataDirectory(QCoreApplication::applicationDirPath());
        const QString user = userFolder();
        decided = chooseProgramFolders(installed, user, writableBeside(installed));
        if (decided.work != decided.data)
            prepareUserFolder(decided.work, decided.data);
    }
    decidedFor = key;
    return decided;
}

} // namespace

ProgramFolders chooseProgramFolders(const QString &installed, const QString &userFolder,
                                    bool installedWritable)
{
    const QString data = withSlash(installed);
    return {installedWritable ? data : withSlash(userFolder), data};
}

QString installedDataDirectory(const QString &executableDir)
{
    const QString shared = withSlash(executableDir + QStringLiteral("/../share/brindel"));
    if (QFileInfo(executableDir).fileName() == QLatin1String("bin") &&
        QFileInfo(shared + QStringLiteral("langue")).isDir())
        return shared;
    return withSlash(executableDir);
}

bool prepareUserFolder(const QString &userFolder, const QString &installed)
{
    if (!QDir().mkpath(userFolder))
        return false;
    for (const QString name :
         {QStringLiteral("brindel.sav"), QStringLiteral("visualisateur.sav")}) {
        const QString target = withSlash(userFolder) + name;
        const QString source = withSlash(installed) + name;
        if (!QFileInfo::exists(target) && QFile::copy(source, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    }
    return true;
}

QString programDirectory()
{
    return currentFolders().work;
}

QString dataDirectory()
{
    return currentFolders().data;
}

QString supportRoot(const QString &relative)
{
    const ProgramFolders folders = currentFolders();
    return QFileInfo::exists(folders.work + relative) ? folders.work : folders.data;
}

QString supportFile(const QString &relative)
{
    return supportRoot(relative) + relative;
}

QString settingsFile()
{
    return programDirectory() + QStringLiteral("brindel.sav");
}

QString viewerHandOffFile()
{
    return programDirectory() + QStringLiteral("visualisateur.sav");
}
