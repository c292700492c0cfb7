// Unsaved work survives a killed process: a child edits a document and is killed with
// SIGKILL; the next start offers the text back, byte for byte.
#include "app/recovery.h"
#include "app/recoveryfile.h"
#include "app/tecran.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace
{

class Recovery : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedModals answers;
    ScopedModals scoped{answers};

    QStringList recoveryFiles() const
    {
        return QDir(RecoveryKeeper::folder()).entryList({"*.rec"}, QDir::Files);
    }

    // Runs the child on `document`, waits until its first recovery file is written, kills it.
    void editAndKill(const QString &document, const QString &typed)
    {
        dir.writeBytes("typed.txt", typed.toUtf8());
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("BRINDEL_HOME", dir.path());
        env.insert("BRINDEL_RECOVERY_MS", "100");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.start(QStringLiteral(RECOVERY_CHILD), {document, dir.file("typed.txt")});
        ASSERT_TRUE(child.waitForStarted());
        for (int wait = 0; wait < 600 && recoveryFiles().isEmpty(); ++wait) {
            ASSERT_NE(child.state(), QProcess::NotRunning)
                << child.readAllStandardError().toStdString();
            QThread::msleep(50);
        }
        ASSERT_EQ(recoveryFiles().size(), 1) << "the child never wrote its recovery file";
        child.kill(); // SIGKILL: no chance to clean anything up
        ASSERT_TRUE(child.waitForFinished());
    }
};

TEST_F(Recovery, AKilledProcessesWorkIsOfferedBackByteForByte)
{
    const QByteArray original("<P>un</P>\r\n<P>deux</P>\n<P>trois</P>\r\n");
    dir.writeBytes("page.htm", original);
    const QString typed = QStringLiteral("é ★\r\n");
    editAndKill(dir.file("page.htm"), typed);
    EXPECT_EQ(dir.readBytes("page.htm"), original) << "the document itself was not saved";
    const QStringList left = recoveryFiles();

    // First start: the user says No, and the kept text is gone.
    const QByteArray kept = QFile(RecoveryKeeper::folder() + left.first()).exists()
                                ? dir.readBytes("recuperation/" + left.first())
                                : QByteArray();
    {
        Tecran tecran;
        RecoveryKeeper keeper(tecran);
        answers.messageAnswers.push_back(QMessageBox::No);
        keeper.offerFound();
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_TRUE(answers.messages[0].text.contains(dir.file("page.htm")));
        EXPECT_TRUE(tecran.editors().isEmpty());
        EXPECT_TRUE(recoveryFiles().isEmpty());
    }

    // Second start, the same file back: Yes opens it as a modified window.
    dir.writeBytes("recuperation/" + left.first(), kept);
    Tecran tecran;
    RecoveryKeeper keeper(tecran);
    answers.messageAnswers.push_back(QMessageBox::Yes);
    keeper.offerFound();
    ASSERT_EQ(answers.messages.size(), 2u);
    ASSERT_EQ(tecran.editors().size(), 1);
    Tedition *editor = tecran.editors().first();
    EXPECT_EQ(editor->windowTitle(), dir.file("page.htm"));
    EXPECT_TRUE(editor->control().isModified());
    EXPECT_EQ(editor->control().text(), "é ★\r\n<P>un</P>\r\n<P>deux</P>\r\n<P>trois</P>\r\n");
    EXPECT_TRUE(recoveryFiles().isEmpty()) << "restored files are taken";

    // Saved, it is the edited document with each line's own end.
    ASSERT_TRUE(editor->sauve());
    EXPECT_EQ(dir.readBytes("page.htm"),
              QByteArray("\xE9 &#9733;\r\n<P>un</P>\r\n<P>deux</P>\n<P>trois</P>\r\n"));
    editor->approveClose();
}

TEST_F(Recovery, OnlyChangedModifiedDocumentsAreWrittenAndSavedOrClosedOnesLeave)
{
    dir.writeBytes("a.htm", "a\r\n");
    dir.writeBytes("b.htm", "b\r\n");
    Tecran tecran;
    RecoveryKeeper keeper(tecran);
    Tedition *a = tecran.ouvredocument(dir.file("a.htm"));
    Tedition *b = tecran.ouvredocument(dir.file("b.htm"));
    ASSERT_TRUE(a && b);
    keeper.writeNow();
    EXPECT_TRUE(recoveryFiles().isEmpty()) << "nothing modified, nothing written";

    a->control().replaceSelection("x");
    b->control().replaceSelection("y");
    keeper.writeNow();
    ASSERT_EQ(recoveryFiles().size(), 2);

    // No change since the last tick: the file is not written again.
    const QString fileOfA = RecoveryKeeper::folder() + recoveryFiles().first();
    QFile::remove(fileOfA);
    keeper.writeNow();
    EXPECT_EQ(recoveryFiles().size(), 1);
    a->control().replaceSelection("z");
    keeper.writeNow();
    EXPECT_EQ(recoveryFiles().size(), 2);
    const auto readBack = readRecovery(dir.readBytes("recuperation/" + recoveryFiles().first()));
    ASSERT_TRUE(readBack);
    EXPECT_EQ(readBack->path, dir.file("a.htm"));
    EXPECT_EQ(readBack->document.text, "xza\n");

    ASSERT_TRUE(a->sauve());
    EXPECT_EQ(recoveryFiles().size(), 1) << "saved: its file goes at once";
    b->approveClose();
    delete b->parentWidget();
    EXPECT_TRUE(recoveryFiles().isEmpty()) << "closed without saving: its file goes";
}

TEST(RecoveryFile, KeepsEveryTextAndFormat)
{
    const struct {
        QString path;
        QString text;
        DocumentFormat format;
    } cases[] = {
        {"/d/page.htm",
         "a\nb\nc",
         {Encoding::Windows1252, LineEnd::CrLf, false, {{1, LineEnd::Lf}}}},
        {"/d/x\ny=z.txt",
         QString(QChar(0xFEFF)) + "é★😀\u2029",
         {Encoding::Utf8, LineEnd::Lf, true, {}}},
        {"", "", {Encoding::Windows1252, LineEnd::Cr, false, {}}},
    };
    for (const auto &k : cases) {
        const auto read = readRecovery(recoveryBytes(k.path, "titre", k.text, k.format));
        ASSERT_TRUE(read) << k.path.toStdString();
        EXPECT_EQ(read->path, k.path);
        EXPECT_EQ(read->caption, "titre");
        EXPECT_EQ(read->document.text, k.text);
        EXPECT_EQ(read->document.format.encoding, k.format.encoding);
        EXPECT_EQ(read->document.format.bom, k.format.bom);
        EXPECT_EQ(read->document.format.otherLineEnds, k.format.otherLineEnds);
    }
    EXPECT_FALSE(readRecovery("autre chose\n\ntexte"));
    EXPECT_FALSE(
        readRecovery(recoveryBytes("/p", "t", u"x", {}).chopped(1).replace("\xEF\xBB\xBF", "")));
}

} // namespace
