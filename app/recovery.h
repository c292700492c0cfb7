#pragma once

#include "app/generalhandler.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

class Tecran;
class Tedition;

// Keeps the unsaved work of every editor window in the recovery folder of the program
// directory, so that a crash or a power cut loses at most the last interval of typing.
//
// On each tick (every 30 seconds; BRINDEL_RECOVERY_MS sets another interval) each modified
// document that changed since the last tick is written, in one step, to its own file there;
// nothing is done for a document that did not change, and nothing at all on a keystroke. A
// document's file goes when it is saved or its window closes. At start, files left by a
// program that did not end normally are offered back in one question.
class RecoveryKeeper : public QObject
{
public:
    explicit RecoveryKeeper(Tecran &tecran, QObject *parent = nullptr);
    ~RecoveryKeeper() override;

    // The folder, with its trailing "/".
    static QString folder();

    void setInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    // One tick: writes what changed, removes what was saved or closed.
    void writeNow();
    // Looks for files left by earlier runs and asks whether to restore them (each opens as
    // a modified window titled with its document's path) or discard them.
    void offerFound();

private:
    struct Entry {
        QString file;
        quint64 written = 0;
        bool hasFile = false;
    };

    Entry &entryFor(Tedition *editor);
    void forget(Tedition *editor);

    Tecran &m_tecran;
    QTimer m_timer;
    QHash<Tedition *, Entry> m_entries;
    int m_serial = 0;
    RepeatingHandler m_failures;
};
