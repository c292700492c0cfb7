// Damaged support files and documents that cannot be opened, met through the windows that read
// them: start-up goes on with defaults, a missing text reads "indéfini", a document that
// cannot be opened gives one clear message and no half-made window.

#include "app/appstate.h"
#include "app/startup.h"
#include "app/tecran.h"
#include "editor/fontrecord.h"
#include "editor/tedition.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScreen>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

std::unique_ptr<Tecran> startMainWindow()
{
    ecrireparametre(QStringLiteral("non"), QStringLiteral("astuce"), settingsFile());
    auto tecran = std::make_unique<Tecran>();
    tecran->show();
    QApplication::processEvents();
    return tecran;
}

QString messagesOf(const ScriptedModals &answers)
{
    QString all;
    for (const auto &message : answers.messages)
        all += message.text + QLatin1Char('\n');
    return all;
}

QByteArray binaryBytes(int size)
{
    QRandomGenerator random(1234);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

TEST(DamagedSettingsFile, StartUpGoesOnWithDefaultsAndShutdownAddsNoKey)
{
    QByteArray shipped;
    {
        QFile file(QStringLiteral(BRINDEL_SOURCE_DATA_DIR "/brindel.sav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        shipped = file.readAll();
    }
    // Cut in the middle of the line after largeur: the keys before it still read.
    const qsizetype cut = shipped.indexOf("[auto]=") + 3;
    ASSERT_GT(cut, 3);
    const struct {
        const char *name;
        QByteArray content;
        int height, width;
    } cases[] = {
        {"empty", QByteArray(), 480, 672},
        {"binary", binaryBytes(4096), 480, 672},
        {"truncated", shipped.left(cut), 600, 800},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        TempProgramDir dir;
        dir.writeBytes("brindel.sav", k.content);
        ScriptedModals answers;
        ScopedModals scoped(answers);

        ASSERT_TRUE(prepareSettings());
        EXPECT_EQ(startupSettings().menu1, dir.file("langue/francais.mn1"));
        EXPECT_EQ(startupSettings().dialogue, dir.file("langue/francais.dlg"));
        auto tecran = startMainWindow();
        EXPECT_EQ(tecran->height(), k.height);
        EXPECT_EQ(tecran->width(), k.width);
        EXPECT_EQ(appState().projectDirectory, programDirectory());
        EXPECT_NE(tecran->menu("File1")->title(), kIndefini);

        ASSERT_TRUE(tecran->close());
        EXPECT_TRUE(answers.messages.empty()) << messagesOf(answers).toStdString();
        const QByteArray after = dir.readBytes("brindel.sav");
        EXPECT_EQ(after.count("[projet]="), k.content.count("[projet]="));
        EXPECT_EQ(after.count("[auto]="), k.content.count("[auto]="));
        if (k.content.isEmpty()) {
            EXPECT_TRUE(after.isEmpty());
        }
    }
}

TEST(DamagedSettingsFile, HugeWindowSizesAreKeptOnScreen)
{
    TempProgramDir dir;
    ecrireparametre(QStringLiteral("999999999"), QStringLiteral("hauteur"), settingsFile());
    ecrireparametre(QStringLiteral("2147483647"), QStringLiteral("largeur"), settingsFile());
    ScriptedModals answers;
    ScopedModals scoped(answers);
    auto tecran = startMainWindow();
    const QRect screen = tecran->screen()->availableGeometry();
    EXPECT_LE(tecran->height(), screen.height());
    EXPECT_LE(tecran->width(), screen.width());
    EXPECT_GE(tecran->height(), 200);
    EXPECT_TRUE(answers.messages.empty());
}

TEST(DamagedLanguageFile, AnEmptyFirstLineMakesEveryTextIndefini)
{
    for (const char *name : {"langue/francais.mn1", "langue/francais.mn2", "langue/francais.dlg"}) {
        SCOPED_TRACE(name);
        TempProgramDir dir;
        dir.writeBytes(name, "\r\n" + dir.readBytes(name));
        ScriptedModals answers;
        ScopedModals scoped(answers);
        auto tecran = startMainWindow();
        Tedition *editor = tecran->ouvredocument(dir.file("page.htm"));
        ASSERT_NE(editor, nullptr);
        const bool mainFile = QByteArray(name).endsWith(".mn1");
        const bool editorFile = QByteArray(name).endsWith(".mn2");
        EXPECT_EQ(tecran->menu("File1")->title() == kIndefini, mainFile);
        EXPECT_EQ(editor->command("Enregistrer1")->text() == kIndefini, editorFile);
        EXPECT_EQ(texteDialogue(5000) == kIndefini, !mainFile && !editorFile);

        // The close question still names the document, even without its format text.
        editor->memo1()->insertPlainText(QStringLiteral("x"));
        answers.messageAnswers.push_back(QMessageBox::No);
        ASSERT_TRUE(tecran->close());
        ASSERT_EQ(answers.messages.size(), 1u);
        EXPECT_TRUE(answers.messages[0].text.contains(QStringLiteral("page.htm")))
            << answers.messages[0].text.toStdString();
    }
}

TEST(DamagedFontFile, EditorOpensWithAUsableFontAndNoMessage)
{
    QByteArray shortNamed(100, 'A');
    shortNamed[4] = char(255);
    FontRecord extreme;
    extreme.name = QString(255, QLatin1Char('A'));
    extreme.height = std::numeric_limits<qint32>::min();
    extreme.pointSize = std::numeric_limits<qint32>::max();
    FontRecord negative;
    negative.height = std::numeric_limits<qint32>::max();
    negative.pointSize = -12;
    const struct {
        const char *name;
        QByteArray content;
    } cases[] = {
        {"five bytes", QByteArray("\x01\x02\x03\x04\x05", 5)},
        {"name length 255 in a short record", shortNamed},
        {"name length 255 with extreme sizes", extreme.toBytes()},
        {"huge pixel height, negative size", negative.toBytes()},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        TempProgramDir dir;
        dir.writeBytes("font.sav", k.content);
        ScriptedModals answers;
        ScopedModals scoped(answers);
        auto tecran = startMainWindow();
        Tedition *editor = tecran->ouvredocument(dir.file("page.htm"));
        ASSERT_NE(editor, nullptr);
        // Whatever the record says, the font has a size and the text can be drawn with it.
        const QFont font = editor->memo1()->font();
        EXPECT_TRUE(font.pixelSize() > 0 || font.pointSizeF() > 0)
            << font.pixelSize() << " " << font.pointSizeF();
        editor->memo1()->setPlainText(QStringLiteral("<p>texte</p>"));
        QApplication::processEvents();
        EXPECT_TRUE(answers.messages.empty()) << messagesOf(answers).toStdString();
        EXPECT_EQ(dir.readBytes("font.sav"), k.content) << "opening a window never rewrites it";
    }
}

// Opens `path` as a document in `tecran`; true when it gave no window and exactly one error
// message that names the file and says `says`.
bool refusedWithOneMessage(Tecran &tecran, const QString &path, const QString &says, QString &seen)
{
    ScriptedModals answers;
    ScopedModals scoped(answers);
    const Tedition *editor = tecran.ouvredocument(path);
    seen = messagesOf(answers);
    return editor == nullptr && tecran.editors().isEmpty() && answers.messages.size() == 1 &&
           answers.messages[0].kind == Modals::MessageKind::Error &&
           answers.messages[0].text.contains(QFileInfo(path).fileName()) &&
           answers.messages[0].text.contains(says);
}

TEST(UnopenableDocument, DirectoryBinaryOrSpecialFileGivesOneClearMessage)
{
    TempProgramDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("dossier.htm")));
    dir.writeBytes("image.htm", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    const QString fifo = dir.file("tube.htm");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        const char *says;
    } cases[] = {
        {dir.file("dossier.htm"), "répertoire"},
        {dir.file("image.htm"), "n'est pas un fichier texte"},
        {fifo, "pas un fichier ordinaire"},
    };
    auto tecran = startMainWindow();
    for (const auto &k : cases) {
        QString seen;
        EXPECT_TRUE(refusedWithOneMessage(*tecran, k.path, QString::fromUtf8(k.says), seen))
            << k.path.toStdString() << "\n"
            << seen.toStdString();
    }
}

TEST(UnopenableDocument, UnreadableFileGivesOneClearMessage)
{
    TempProgramDir dir;
    dir.writeBytes("secret.htm", "<p>texte</p>");
    const QString path = dir.file("secret.htm");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0), 0);
    const QString says = QStringLiteral("Impossible de lire");
    // The window is never shown: a forked child must not paint, since the painting threads of
    // the parent do not exist in it.
    if (::geteuid() != 0) {
        Tecran tecran;
        QString seen;
        EXPECT_TRUE(refusedWithOneMessage(tecran, path, says, seen)) << seen.toStdString();
        return;
    }
    // Permissions do not stop the superuser: try as an unprivileged user, in a child process
    // that may go through the (now open) program directory but not read the file.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    // The main window is made in the child: made before the fork, its file browser's
    // background reader could hold a lock at that moment that nobody in the child would
    // ever release.
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        Tecran tecran;
        QString seen;
        const bool refused = refusedWithOneMessage(tecran, path, says, seen);
        if (!refused)
            std::fprintf(stderr, "%s\n", seen.toLocal8Bit().constData());
        ::_exit(refused ? 0 : 1);
    }
    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 600 && ended == 0; ++i) {
        ended = ::waitpid(child, &status, WNOHANG);
        if (ended == 0)
            ::usleep(100 * 1000);
    }
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the child process did not finish within a minute";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
