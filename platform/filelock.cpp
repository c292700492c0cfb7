#include "platform/filelock.h"

#include "platform/ioerror.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <time.h>
#include <unistd.h>

namespace
{

// A rewrite takes milliseconds; a process that keeps the lock this long is stuck, and the
// user is told instead of waiting for ever.
constexpr int kWaitMs = 30000;
// Between two tries: short, since a rewrite that holds the lock is short too.
constexpr long kPauseNs = 200 * 1000;

QString tr(const char *text)
{
    return QCoreApplication::translate("fichiers", text);
}

} // namespace

QString FileLock::lockPathFor(const QString &path)
{
    return path + QStringLiteral(".lock");
}

FileLock::FileLock(const QString &path)
{
    const QString lockPath = lockPathFor(path);
    m_fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        throw IoError(tr("Impossible de modifier le fichier %1 : le fichier de verrou %2 ne peut "
                         "pas être créé (%3).")
                          .arg(path, lockPath, reason));
    }
    const QDeadlineTimer deadline(kWaitMs);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            ::close(m_fd);
            m_fd = -1;
            throw IoError(tr("Impossible de modifier le fichier %1 : un autre programme est en "
                             "train de le modifier.")
                              .arg(path));
        }
        const timespec pause{0, kPauseNs};
        ::nanosleep(&pause, nullptr);
    }
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the last descriptor drops the lock
}
