#include "tests/support/scriptedmodals.h"
#include "viewer/handoffwatcher.h"
#include "viewer/pagebrowser.h"
#include "viewer/singleinstance.h"
#include "viewer/tvisualisateur.h"

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "tests/viewer/qstringprinter.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

// A socket file that no process listens on, as a crashed viewer leaves behind.
bool leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= qsizetype(sizeof(address.sun_path))) {
        ::close(fd);
        return false;
    }
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound && QFile::exists(path);
}

class SingleInstanceTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString server() const { return dir.filePath(QStringLiteral("visu")); }
};

TEST_F(SingleInstanceTest, SecondStartHandsItsPageToTheRunningWindow)
{
    ScriptedModals scripted;
    ScopedModals useScripted(scripted);
    const QString page = dir.filePath(QStringLiteral("page.htm"));
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<title>Remise</title>");
    }
    SingleInstance first(server());
    ASSERT_EQ(first.start(), SingleInstance::Role::Primary);
    ASSERT_TRUE(first.isListening());
    Tvisualisateur window(dir.filePath(QStringLiteral("visualisateur.sav")));
    window.handOffWatcher()->setPollInterval(0);
    QObject::connect(&first, &SingleInstance::requestReceived, &window,
                     &Tvisualisateur::handleRequest);

    SingleInstance second(server());
    ASSERT_EQ(second.start(), SingleInstance::Role::Secondary);
    const PageAddress address{page, QStringLiteral("haut")};
    ASSERT_TRUE(second.handOver(ViewerRequest::show(address)));
    EXPECT_EQ(window.browser()->source(), address.toUrl());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window.windowTitle() == QStringLiteral("Remise - Visualisateur"); }, 30000));

    SingleInstance third(server());
    ASSERT_EQ(third.start(), SingleInstance::Role::Secondary);
    ASSERT_TRUE(third.handOver(ViewerRequest::raise()));
    EXPECT_EQ(window.browser()->source(), address.toUrl()) << "started without a page: kept";
}

TEST_F(SingleInstanceTest, LeftoverAtTheSocketPathIsReplaced)
{
    struct Case {
        const char *name;
        std::function<bool(const QString &)> leave;
    };
    const Case cases[] = {
        {"socket of a crashed viewer", leaveStaleSocket},
        {"plain file",
         [](const QString &path) {
             QFile file(path);
             return file.open(QIODevice::WriteOnly);
         }},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(c.leave(server())) << c.name;
        {
            SingleInstance first(server());
            ASSERT_EQ(first.start(), SingleInstance::Role::Primary) << c.name;
            EXPECT_TRUE(first.isListening()) << c.name;
            QSignalSpy requests(&first, &SingleInstance::requestReceived);

            SingleInstance second(server());
            ASSERT_EQ(second.start(), SingleInstance::Role::Secondary) << c.name;
            EXPECT_TRUE(second.handOver(ViewerRequest::raise())) << c.name;
            EXPECT_EQ(requests.size(), 1) << c.name;
        }
        EXPECT_FALSE(QFile::exists(server())) << c.name << ": a clean end removes the socket";
    }
}

TEST_F(SingleInstanceTest, GarbageFromTheSocketIsRefused)
{
    SingleInstance first(server());
    ASSERT_EQ(first.start(), SingleInstance::Role::Primary);
    QSignalSpy requests(&first, &SingleInstance::requestReceived);

    QLocalSocket client;
    client.connectToServer(server());
    ASSERT_TRUE(client.waitForConnected(5000));
    client.write("afficher http://example.org/\n");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }, 10000));
    EXPECT_EQ(client.readAll(), QByteArray()) << "no acknowledgement";
    EXPECT_EQ(requests.size(), 0);
}

TEST(SingleInstanceName, IsPerUserAndProgramDirectory)
{
    const QString one = SingleInstance::defaultServerPath(QStringLiteral("/opt/brindel/"));
    EXPECT_EQ(one, SingleInstance::defaultServerPath(QStringLiteral("/opt/brindel")));
    EXPECT_NE(one, SingleInstance::defaultServerPath(QStringLiteral("/home/moi/brindel/")));
    EXPECT_TRUE(one.contains(QString::number(::getuid())));
}

} // namespace
