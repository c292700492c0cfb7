#pragma once

#include "viewer/viewerrequest.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QString>

#include <memory>

// Keeps one viewer window per user and program directory. The first viewer listens on a
// local socket; a later start finds it there, hands over its request and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    enum class Role {
        Primary,   // this viewer shows the window (listening when `isListening`)
        Secondary, // another viewer runs: hand the request over
    };

    // `serverPath` is the socket's full path.
    explicit SingleInstance(QString serverPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket path for the current user and program directory, in the user's runtime
    // directory when there is one.
    static QString defaultServerPath(const QString &programDirectory);

    // Connects to a running viewer, or else starts listening. A socket file that nobody
    // answers on (left by a viewer that crashed) is removed first.
    Role start();
    bool isListening() const { return m_server.isListening(); }

    // Secondary: sends the request and waits, running the event loop, until the running
    // viewer acknowledges it. False when it did not.
    bool handOver(const ViewerRequest &request, int timeoutMs = 5000);

Q_SIGNALS:
    void requestReceived(const ViewerRequest &request);

private:
    void acceptConnections();
    void serve(QLocalSocket *socket);

    QString m_path;
    QLocalServer m_server;
    std::unique_ptr<QLocalSocket> m_client;
};
