#include "platform/filestamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

QByteArray fileHash(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

FileStamp FileStamp::of(const QString &path, QByteArrayView bytes)
{
    FileStamp stamp;
    stamp.path = path;
    const QFileInfo info(path);
    stamp.exists = info.exists();
    if (!stamp.exists)
        return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    stamp.hash = fileHash(bytes);
    return stamp;
}

FileStamp FileStamp::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        FileStamp stamp = of(path, {});
        stamp.hash.clear();
        return stamp;
    }
    return of(path, file.readAll());
}

bool FileStamp::changedOnDisk() const
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists())
        return exists;
    if (!exists || info.size() != size)
        return true;
    if (info.lastModified() == modified)
        return false;
    return read(path).hash != hash;
}
