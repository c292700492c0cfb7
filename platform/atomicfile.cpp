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

namespace
{

// Opens `path` for reading, or throws the reason it cannot be read.
void openForReading(QFile &file, const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw IoError(tr("%1 est un répertoire, pas un fichier.").arg(path));
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!info.exists())
            throw IoError(tr("Le fichier %1 est introuvable.").arg(path));
        throw IoError(tr("Impossible de lire le fichier %1 : %2").arg(path, file.errorString()));
    }
}

IoError readError(const QFile &file)
{
    return IoError(
        tr("Impossible de lire le fichier %1 : %2").arg(file.fileName(), file.errorString()));
}

} // namespace

QByteArray readWholeFile(const QString &path)
{
    QFile file;
    openForReading(file, path);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw readError(file);
    return bytes;
}

bool fileHolds(const QString &path, QByteArrayView expected)
{
    QFile file;
    openForReading(file, path);
    // Compared a block at a time: a large file is never held whole a second time.
    constexpr qint64 kBlock = 1 << 20;
    QByteArray block(kBlock, Qt::Uninitialized);
    qsizetype at = 0;
    for (;;) {
        const qint64 read = file.read(block.data(), kBlock);
        if (read < 0)
            throw readError(file);
        if (read == 0)
            return at == expected.size();
        if (read > expected.size() - at ||
            std::memcmp(block.constData(), expected.data() + at, size_t(read)) != 0)
            return false;
        at += read;
    }
}
