#include "platform/atomicfile.h"

#include "platform/ioerror.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("fichiers", text);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

void writeFileAtomically(const QString &path, const QByteArray &content, const QString &tempPath)
{
    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        // The user knows the file, not its temporary companion: name the file.
        throw IoError(tr("Impossible d'écrire le fichier %1 : %2").arg(path, temp.errorString()));
    }
    const bool written =
        temp.write(content) == content.size() && temp.flush() && ::fsync(temp.handle()) == 0;
    const QString reason = temp.errorString();
    temp.close();
    if (!written || temp.error() != QFileDevice::NoError) {
        QFile::remove(tempPath);
        throw IoError(tr("Impossible d'écrire le fichier %1 : %2").arg(path, reason));
    }
    if (std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path).constData()) !=
        0) {
        const int error = errno;
        QFile::remove(tempPath);
        throw IoError(
            tr("Impossible de remplacer le fichier %1 : %2").arg(path, systemReason(error)));
    }
}

QByteArray readWholeFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw IoError(tr("%1 est un répertoire, pas un fichier.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!info.exists())
            throw IoError(tr("Le fichier %1 est introuvable.").arg(path));
        throw IoError(tr("Impossible de lire le fichier %1 : %2").arg(path, file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(tr("Impossible de lire le fichier %1 : %2").arg(path, file.errorString()));
    return bytes;
}
