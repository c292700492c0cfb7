#pragma once

#include <QString>

// Serialises the rewriting of one file between processes: an advisory lock (flock) on a
// companion file beside it (the file's path + ".lock"), held from construction to
// destruction, so that a read-modify-write of the file by another process (another editor,
// the page viewer) waits instead of renaming its own copy over ours or losing our line.
// The system drops the lock of a process that dies, so nothing stale is ever left behind;
// the companion file itself stays. Not recursive: never lock one file twice at once.
class FileLock
{
public:
    // Waits for the lock; throws IoError naming `path` when another process keeps it for
    // longer than a rewrite can take, or when the lock file cannot be opened.
    explicit FileLock(const QString &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // The lock file that guards `path`.
    static QString lockPathFor(const QString &path);

private:
    int m_fd = -1;
};
