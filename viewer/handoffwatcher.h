#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

// Watches the hand-off file while the viewer runs and reports each page handed over.
// Editors replace the file by renaming a new one over it, which ends a watch on the file
// itself, so the directory is watched too and a light periodic check backs both up.
class HandOffWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultPollMs = 1000;

    explicit HandOffWatcher(QString file, QObject *parent = nullptr);

    const QString &file() const { return m_file; }

    // 0 turns the periodic check off.
    void setPollInterval(int milliseconds);

    // The page handed over, with the flag reset; nothing when none is waiting or the file
    // cannot be used (reported through `unavailable`).
    std::optional<QString> takeHandedPage();

    // The last page named in the file; empty when there is none or the file cannot be read.
    QString lastPage();

public Q_SLOTS:
    // Looks at the file now and emits pageHandedOver when a page is waiting.
    void checkNow();

Q_SIGNALS:
    void pageHandedOver(const QString &page);
    // The file cannot be read or written; emitted once until it works again.
    void unavailable(const QString &message);

private:
    void watchAgain();
    template <typename Operation> auto guarded(Operation operation) -> decltype(operation());

    QString m_file;
    QFileSystemWatcher m_watcher;
    QTimer m_poll;
    bool m_reported = false;
    bool m_checking = false;
};
