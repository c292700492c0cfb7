#include "viewer/handoffwatcher.h"

#include "platform/ioerror.h"
#include "viewer/handoff.h"
#include "viewer/viewertexts.h"

#include <QFileInfo>

HandOffWatcher::HandOffWatcher(QString file, QObject *parent)
    : QObject(parent), m_file(std::move(file))
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &HandOffWatcher::checkNow);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &HandOffWatcher::checkNow);
    connect(&m_poll, &QTimer::timeout, this, &HandOffWatcher::checkNow);
    watchAgain();
    setPollInterval(kDefaultPollMs);
}

void HandOffWatcher::setPollInterval(int milliseconds)
{
    m_poll.stop();
    if (milliseconds > 0)
        m_poll.start(milliseconds);
}

template <typename Operation>
auto HandOffWatcher::guarded(Operation operation) -> decltype(operation())
{
    try {
        auto result = operation();
        m_reported = false;
        return result;
    } catch (const IoError &error) {
        if (!m_reported) {
            m_reported = true;
            Q_EMIT unavailable(viewertexts::handOffUnavailable(error.message()));
        }
        return {};
    }
}

std::optional<QString> HandOffWatcher::takeHandedPage()
{
    return guarded([this] { return handoff::take(m_file); });
}

QString HandOffWatcher::lastPage()
{
    return guarded([this] { return handoff::page(m_file); });
}

void HandOffWatcher::checkNow()
{
    watchAgain();
    if (m_checking)
        return;
    m_checking = true;
    const std::optional<QString> page = takeHandedPage();
    m_checking = false;
    if (page)
        Q_EMIT pageHandedOver(*page);
}

void HandOffWatcher::watchAgain()
{
    const QString directory = QFileInfo(m_file).absolutePath();
    if (!m_watcher.directories().contains(directory) && QFileInfo(directory).isDir())
        m_watcher.addPath(directory);
    if (!m_watcher.files().contains(m_file) && QFileInfo::exists(m_file))
        m_watcher.addPath(m_file);
}
