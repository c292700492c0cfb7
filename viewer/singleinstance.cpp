#include "viewer/singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLockFile>
#include <QTimer>

#include <unistd.h>

namespace
{

constexpr qint64 kMaxRequestBytes = 64 * 1024;
constexpr int kConnectTimeoutMs = 1000;
constexpr int kClientTimeoutMs = 5000;
constexpr QByteArrayView kAcknowledgement = "ok\n";

} // namespace

SingleInstance::SingleInstance(QString serverPath, QObject *parent)
    : QObject(parent), m_path(std::move(serverPath))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultServerPath(const QString &programDirectory)
{
    QString directory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        directory = QDir::tempPath();
    const QByteArray digest = QCryptographicHash::hash(QDir::cleanPath(programDirectory).toUtf8(),
                                                       QCryptographicHash::Sha1)
                                  .toHex()
                                  .left(16);
    return QStringLiteral("%1/brindel-visualisateur-%2-%3")
        .arg(directory, QString::number(::getuid()), QString::fromLatin1(digest));
}

SingleInstance::Role SingleInstance::start()
{
    // Two viewers started at once must not both decide the socket is stale.
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(3000))
        qWarning("visualisateur: %s is still locked", qPrintable(m_path + QStringLiteral(".lock")));

    auto client = std::make_unique<QLocalSocket>();
    client->connectToServer(m_path);
    if (client->waitForConnected(kConnectTimeoutMs)) {
        m_client = std::move(client);
        return Role::Secondary;
    }
    // Nobody answers: whatever is left at the path belongs to no running viewer.
    QLocalServer::removeServer(m_path);
    if (!m_server.listen(m_path))
        qWarning("visualisateur: %s", qPrintable(m_server.errorString()));
    return Role::Primary;
}

bool SingleInstance::handOver(const ViewerRequest &request, int timeoutMs)
{
    if (!m_client || m_client->state() != QLocalSocket::ConnectedState)
        return false;
    QByteArray answer;
    bool acknowledged = false;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(m_client.get(), &QLocalSocket::readyRead, &loop, [&] {
        answer += m_client->readAll();
        if (answer.startsWith(kAcknowledgement)) {
            acknowledged = true;
            loop.quit();
        } else if (answer.size() >= kAcknowledgement.size()) {
            loop.quit();
        }
    });
    connect(m_client.get(), &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    connect(m_client.get(), &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);

    m_client->write(request.encode());
    timeout.start(timeoutMs);
    loop.exec();
    if (!acknowledged)
        acknowledged = (answer + m_client->readAll()).startsWith(kAcknowledgement);
    m_client->disconnectFromServer();
    m_client.reset();
    return acknowledged;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection())
        serve(socket);
}

void SingleInstance::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // A client that never finishes its line is dropped.
    QTimer::singleShot(kClientTimeoutMs, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kMaxRequestBytes)
                socket->abort();
            return;
        }
        const QByteArray line = socket->readLine(kMaxRequestBytes);
        const std::optional<ViewerRequest> request = ViewerRequest::decode(line);
        if (request)
            socket->write(kAcknowledgement.data(), kAcknowledgement.size());
        socket->disconnectFromServer();
        if (request)
            Q_EMIT requestReceived(*request);
    });
}
