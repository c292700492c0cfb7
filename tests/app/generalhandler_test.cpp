// The general handler: failures escaping event handlers, signals and timers are shown once
// and the program goes on. This test runs under the program's own application object.
#include "app/generalhandler.h"
#include "app/tecran.h"
#include "editor/tedition.h"
#include "platform/ioerror.h"
#include "settings/programdir.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

// Throws from its event handler, or from a slot of its signal, as a faulty handler would.
class FaultyObject : public QObject
{
public:
    QString failure = QStringLiteral("Le fichier /x/francais.mn1 est introuvable.");
    int handled = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        throw IoError(failure);
    }
};

TEST(GeneralHandler, AFailingEventIsShownOnceAndTheLoopGoesOn)
{
    ScriptedModals answers;
    ScopedModals scoped(answers);
    FaultyObject faulty;
    for (int i = 0; i < 3; ++i)
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(faulty.handled, 3) << "the event loop goes on after each failure";
    ASSERT_EQ(answers.messages.size(), 1u) << "the same failure again is not shown again";
    EXPECT_EQ(answers.messages[0].kind, Modals::MessageKind::Error);
    EXPECT_EQ(answers.messages[0].text, faulty.failure);

    faulty.failure = QStringLiteral("Une autre panne.");
    QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    ASSERT_EQ(answers.messages.size(), 2u) << "a different failure is shown";
    EXPECT_EQ(answers.messages[1].text, faulty.failure);
}

TEST(GeneralHandler, ClockTickWithoutTheMenuFileShowsOneMessageAndTheWindowStaysUsable)
{
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped(answers);
    const QString document = dir.file("page.htm");
    dir.writeBytes("page.htm", "<P>texte</P>\r\n");
    Tecran tecran;
    tecran.show();
    QCoreApplication::processEvents();
    Tedition *editor = tecran.ouvredocument(document);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(answers.messages.empty());

    auto *clock = tecran.findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(clock, nullptr);
    const QByteArray menuFile = dir.readBytes("langue/francais.mn1");
    ASSERT_TRUE(QFile::remove(dir.file("langue/francais.mn1")));
    for (int tick = 0; tick < 3; ++tick)
        ASSERT_TRUE(QMetaObject::invokeMethod(clock, "timeout"));
    QCoreApplication::processEvents();
    ASSERT_EQ(answers.messages.size(), 1u) << "one message for a failure on every tick";
    EXPECT_TRUE(answers.messages[0].text.contains("francais.mn1"))
        << answers.messages[0].text.toStdString();
    EXPECT_TRUE(tecran.isVisible());

    // The window goes on working: the document takes typing and saves.
    editor->memo1()->insertPlainText(QStringLiteral("ajout "));
    EXPECT_TRUE(editor->sauve());
    EXPECT_TRUE(dir.readBytes("page.htm").startsWith("ajout <P>"));

    // Once the file is back the clock works again; a later failure is shown again.
    dir.writeBytes("langue/francais.mn1", menuFile);
    QMetaObject::invokeMethod(clock, "timeout");
    EXPECT_FALSE(tecran.findChild<QLabel *>(QStringLiteral("Label2"))->text().isEmpty());
    EXPECT_EQ(answers.messages.size(), 1u);
    QFile::remove(dir.file("langue/francais.mn1"));
    QMetaObject::invokeMethod(clock, "timeout");
    EXPECT_EQ(answers.messages.size(), 2u);
    dir.writeBytes("langue/francais.mn1", menuFile);
    editor->approveClose();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    BrindelApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
