#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

// What a document's file looked like when it was last read or written: its size, its
// modification time and a hash of its bytes. Compared with the file as it is now, it tells
// whether another program (or another window) changed the file since.
struct FileStamp {
    QString path; // empty: the document has no file yet
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QByteArray hash;

    // The stamp of `path` whose content is `bytes` (just read or just written).
    static FileStamp of(const QString &path, QByteArrayView bytes);
    // The stamp of `path` as it is on disk now; reads the file for its hash.
    static FileStamp read(const QString &path);

    // True when the file at `path` is no longer what this stamp saw: its size differs, or its
    // time differs and so do its bytes (a file only touched is not changed). A file that was
    // there and is gone counts as changed; a file that was not there and still is not, not.
    bool changedOnDisk() const;
};

QByteArray fileHash(QByteArrayView bytes);
