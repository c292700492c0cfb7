#pragma once

#include <QApplication>
#include <QString>

#include <utility>

// The application's general handler: a failure that escapes an event handler, a signal or a
// timer is shown to the user in one error box and the program goes on. Nothing the user
// wrote is lost to an error in a handler.

// Shows `message` in an error box, unless an error box of the general handler is already
// open (a timer keeps firing while it waits for the user): that one is only written to the
// log.
void reportFailure(const QString &message);

// Runs a handler that runs again and again (a timer tick). Its failure is reported the first
// time; while it keeps failing nothing more is shown; after one run without failure, the
// next failure is reported again.
class RepeatingHandler
{
public:
    template <typename Handler> void run(Handler &&handler)
    {
        try {
            std::forward<Handler>(handler)();
            m_failing = false;
        } catch (...) {
            failed(currentFailureMessage());
        }
    }

    bool failing() const { return m_failing; }

    // The message of the exception being handled (call inside a catch block only).
    static QString currentFailureMessage();

private:
    void failed(const QString &message);

    bool m_failing = false;
};

// The program's application object: every event is delivered under the general handler.
class BrindelApplication : public QApplication
{
public:
    BrindelApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    QString m_lastEventFailure;
};
