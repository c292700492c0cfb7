#include "platform/atomicfile.h"
#include "platform/ioerror.h"
#include "settings/settingsstore.h"
#include "viewer/handoff.h"
#include "viewer/handoffwatcher.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "tests/viewer/qstringprinter.h"

#include <gtest/gtest.h>

namespace
{

class HandOffTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("visualisateur.sav")); }

    void writeHandOff(const QByteArray &bytes) const
    {
        writeFileAtomically(file(), bytes, file() + QLatin1Char('~'));
    }
    QByteArray content() const { return readWholeFile(file()); }
};

TEST_F(HandOffTest, TakeResetsTheFlagAndReturnsThePage)
{
    writeHandOff("[fichier]=/p/aide.htm#meta\r\n[drapeau]=1\r\n[autre]=x\r\n");
    EXPECT_EQ(handoff::take(file()), QStringLiteral("/p/aide.htm#meta"));
    EXPECT_EQ(content(), QByteArray("[fichier]=/p/aide.htm#meta\r\n[drapeau]=0\r\n[autre]=x\r\n"));
    EXPECT_EQ(handoff::take(file()), std::nullopt) << "a page is taken once";
}

TEST_F(HandOffTest, AnyFlagButOneChangesNothing)
{
    for (const QByteArray flag : {"0", "", "2", "oui", "11"}) {
        const QByteArray bytes = "[fichier]=/p/a.htm\r\n[drapeau]=" + flag + "\r\n";
        writeHandOff(bytes);
        EXPECT_EQ(handoff::take(file()), std::nullopt) << flag.constData();
        EXPECT_EQ(content(), bytes) << flag.constData();
    }
}

TEST_F(HandOffTest, MissingPageKeyReadsEmptyAndMissingFileThrows)
{
    writeHandOff("[drapeau]=1\r\n");
    EXPECT_EQ(handoff::take(file()), QString());
    QFile::remove(file());
    EXPECT_THROW(handoff::take(file()), IoError);
}

TEST_F(HandOffTest, WatcherSeesPagesHandedOverByRenameOneAfterAnother)
{
    writeHandOff("[fichier]=\r\n[drapeau]=0\r\n");
    HandOffWatcher watcher(file());
    watcher.setPollInterval(0); // only the file system notifications
    QSignalSpy pages(&watcher, &HandOffWatcher::pageHandedOver);

    for (const QString &page : {QStringLiteral("/p/un.htm"), QStringLiteral("/p/deux.htm#b")}) {
        ecrireparametre(page, QStringLiteral("fichier"), file());
        ecrireparametre(QStringLiteral("1"), QStringLiteral("drapeau"), file());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !pages.isEmpty(); }, 10000)) << page.toStdString();
        EXPECT_EQ(pages.takeFirst().at(0).toString(), page);
        EXPECT_EQ(lireparametre(QStringLiteral("drapeau"), file()), QStringLiteral("0"));
    }
}

TEST_F(HandOffTest, WatcherSeesAHandOffFileCreatedAfterItStarted)
{
    HandOffWatcher watcher(file());
    watcher.setPollInterval(0);
    QSignalSpy pages(&watcher, &HandOffWatcher::pageHandedOver);
    writeHandOff("[fichier]=/p/recree.htm\r\n[drapeau]=1\r\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pages.isEmpty(); }, 10000));
    EXPECT_EQ(pages.at(0).at(0).toString(), QStringLiteral("/p/recree.htm"));
}

TEST_F(HandOffTest, PeriodicCheckAloneSeesAHandOff)
{
    // Handed over before the watcher exists: no notification will come, only the periodic
    // check can find it.
    writeHandOff("[fichier]=/p/deux.htm\r\n[drapeau]=1\r\n");
    HandOffWatcher watcher(file());
    QSignalSpy pages(&watcher, &HandOffWatcher::pageHandedOver);
    watcher.setPollInterval(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pages.isEmpty(); }, 10000));
    EXPECT_EQ(pages.at(0).at(0).toString(), QStringLiteral("/p/deux.htm"));
}

TEST_F(HandOffTest, UnavailableFileIsReportedOnceUntilItWorksAgain)
{
    HandOffWatcher watcher(file());
    watcher.setPollInterval(0);
    QSignalSpy problems(&watcher, &HandOffWatcher::unavailable);
    QSignalSpy pages(&watcher, &HandOffWatcher::pageHandedOver);

    watcher.checkNow();
    watcher.checkNow();
    EXPECT_EQ(watcher.lastPage(), QString());
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems.at(0).at(0).toString().contains(QStringLiteral("visualisateur.sav")));

    writeHandOff("[fichier]=/p/a.htm\r\n[drapeau]=1\r\n");
    watcher.checkNow();
    EXPECT_EQ(pages.size(), 1);
    QFile::remove(file());
    watcher.checkNow();
    watcher.checkNow();
    EXPECT_EQ(problems.size(), 2);
}

} // namespace
