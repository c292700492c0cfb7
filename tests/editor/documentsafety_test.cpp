// A document's file meets the rest of the system: changed by another program or another
// window, a kind that cannot hold numeric references, read-only or foreign files, printing.
#include "editor/tedition.h"
#include "platform/documentfile.h"
#include "platform/editorcontrol.h"
#include "platform/ioerror.h"
#include "tests/editor/editorwindowtest.h"
#include "tests/support/scriptedmodals.h"
#include "tests/support/tempprogramdir.h"
#include "tests/support/unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace
{

class DocumentSafety : public EditorWindowTest
{
protected:
    static void type(Tedition &editor, const QString &text)
    {
        editor.control().setSelection(editor.control().textLength(), 0);
        editor.control().replaceSelection(text);
    }
    size_t questions() const
    {
        size_t count = 0;
        for (const auto &m : answers.messages)
            count += m.kind == Modals::MessageKind::Question;
        return count;
    }
    QStringList leftovers() const
    {
        return QDir(dir.path()).entryList({"*~", ".*~"}, QDir::Files | QDir::Hidden);
    }
};

TEST_F(DocumentSafety, SavingOverAFileChangedElsewhereAsksFirst)
{
    dir.writeBytes("page.htm", "début\r\n");
    auto first = open("page.htm");
    auto second = open("page.htm");

    type(*first, "AAA");
    ASSERT_TRUE(first->sauve());
    EXPECT_EQ(questions(), 0u) << "nothing changed the file since the first window read it";

    QByteArray elsewhere = dir.readBytes("page.htm") + "ajout du shell\r\n";
    dir.writeBytes("page.htm", elsewhere);
    type(*second, "BBB");
    answers.messageAnswers.push_back(QMessageBox::No);
    EXPECT_FALSE(second->sauve());
    ASSERT_EQ(questions(), 1u) << "the second window's save must ask";
    EXPECT_TRUE(answers.messages.back().text.contains(dir.file("page.htm")));
    EXPECT_EQ(dir.readBytes("page.htm"), elsewhere) << "No writes nothing";
    EXPECT_TRUE(second->control().isModified());

    answers.messageAnswers.push_back(QMessageBox::Yes);
    EXPECT_TRUE(second->sauve());
    EXPECT_EQ(dir.readBytes("page.htm"), "début\r\nBBB");
    EXPECT_EQ(questions(), 2u);

    // A file only touched (same bytes, new time) is not a change.
    QFile touched(dir.file("page.htm"));
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                    QFileDevice::FileModificationTime));
    touched.close();
    type(*second, "C");
    EXPECT_TRUE(second->sauve());
    EXPECT_EQ(questions(), 2u);
}

TEST_F(DocumentSafety, AnUnmodifiedDocumentOffersToReloadItsChangedFile)
{
    dir.writeBytes("page.htm", "un\r\n");
    auto editor = open("page.htm");
    editor->checkFileOnDisk();
    EXPECT_EQ(questions(), 0u);

    dir.writeBytes("page.htm", "deux, plus long\r\n");
    answers.messageAnswers.push_back(QMessageBox::Yes);
    editor->checkFileOnDisk();
    EXPECT_EQ(questions(), 1u);
    EXPECT_EQ(editor->control().text(), "deux, plus long\r\n");
    EXPECT_FALSE(editor->control().isModified());

    dir.writeBytes("page.htm", "trois, encore plus long\r\n");
    answers.messageAnswers.push_back(QMessageBox::No);
    editor->checkFileOnDisk();
    editor->checkFileOnDisk();
    EXPECT_EQ(questions(), 2u) << "asked once for one change";
    EXPECT_EQ(editor->control().text(), "deux, plus long\r\n");

    // A document with edits is not reloaded behind the user's back: saving asks instead.
    type(*editor, "x");
    dir.writeBytes("page.htm", "quatre, bien plus long encore\r\n");
    editor->checkFileOnDisk();
    EXPECT_EQ(questions(), 2u);
}

TEST_F(DocumentSafety, NonHtmlDocumentsKeepCharactersBeyondWindows1252AsUtf8)
{
    const QString pasted = QStringLiteral("Łódź → ★ 😀");
    const struct {
        const char *name;
        QByteArray saved;
    } cases[] = {
        {"script.js", "var s = '\xC3\xA9';Łódź → ★ 😀"},
        {"style.css", "var s = '\xC3\xA9';Łódź → ★ 😀"},
        {"notes.txt", "var s = '\xC3\xA9';Łódź → ★ 😀"},
        {"page.htm", "var s = '\xE9';&#321;\xF3"
                     "d&#378; &#8594; &#9733; &#128512;"},
        {"page.HTML", "var s = '\xE9';&#321;\xF3"
                      "d&#378; &#8594; &#9733; &#128512;"},
    };
    for (const auto &k : cases) {
        answers.messages.clear();
        dir.writeBytes(k.name, "var s = '\xE9';");
        auto editor = open(k.name);
        type(*editor, pasted);
        ASSERT_TRUE(editor->sauve());
        EXPECT_EQ(dir.readBytes(k.name), k.saved) << k.name;
        const bool utf8 = !QString(k.name).contains("htm", Qt::CaseInsensitive);
        EXPECT_EQ(answers.messages.size(), utf8 ? 1u : 0u) << k.name;
        type(*editor, "!");
        ASSERT_TRUE(editor->sauve());
        EXPECT_EQ(answers.messages.size(), utf8 ? 1u : 0u) << "said once: " << k.name;
        EXPECT_TRUE(dir.readBytes(k.name).endsWith(utf8 ? "😀!" : "&#128512;!"));
    }
}

// Checks run as an unprivileged user in a child process (tests run as root, who may write
// anything). Prints what failed, since only the exit status comes back.
bool check(bool ok, const char *what)
{
    if (!ok)
        std::fprintf(stderr, "failed: %s\n", what);
    return ok;
}

TEST_F(DocumentSafety, ReadOnlyAndForeignFilesAreRefusedWithSaveAsOffered)
{
    // A folder every user may write, holding a read-only file and a file of another user.
    ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
    dir.writeBytes("lecture.htm", "original\r\n");
    dir.writeBytes("autrui.htm", "à quelqu'un d'autre\r\n");
    ::chmod(QFile::encodeName(dir.file("lecture.htm")).constData(), 0444);
    ::chmod(QFile::encodeName(dir.file("autrui.htm")).constData(), 0644);
    const QString copy = dir.file("copie.htm");
    answers.messageAnswers = {QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    answers.saveAnswers = {copy};

    const bool ok = withoutPrivileges([&] {
        bool all = true;
        auto readOnly = open("lecture.htm");
        all &= check(readOnly->isReadOnly(), "the document knows it is read-only");
        all &= check(readOnly->windowTitle() == dir.file("lecture.htm") + " [lecture seule]",
                     "the caption says read-only");
        type(*readOnly, "ajout");
        all &= check(!readOnly->sauve(), "No: nothing saved");
        all &= check(answers.messages.back().text.contains(dir.file("lecture.htm")),
                     "the question names the document");
        all &= check(readOnly->control().isModified(), "the document stays modified");
        all &= check(readOnly->sauve(), "Yes: saved under another name");
        all &= check(QFile(copy).open(QIODevice::ReadOnly), "the copy exists");
        all &= check(!readOnly->isReadOnly() && readOnly->windowTitle() == "copie.htm",
                     "the copy is not read-only");

        auto foreign = open("autrui.htm");
        type(*foreign, "ajout");
        all &= check(foreign->isReadOnly(), "another user's file is read-only");
        all &= check(!foreign->sauve(), "another user's file is never renamed over");
        try {
            saveDocument(dir.file("autrui.htm"), u"x", {});
            all &= check(false, "a direct save is refused too");
        } catch (const IoError &error) {
            all &= check(error.message().contains(dir.file("autrui.htm")) &&
                             !error.message().contains("brindel~"),
                         "the message names the document, not a temporary file");
        }
        return all;
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(dir.readBytes("lecture.htm"), "original\r\n");
    EXPECT_EQ(dir.readBytes("autrui.htm"), "à quelqu'un d'autre\r\n");
    struct stat info {
    };
    ASSERT_EQ(::stat(QFile::encodeName(dir.file("autrui.htm")).constData(), &info), 0);
    EXPECT_EQ(info.st_uid, ::geteuid()) << "the owner is unchanged";
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();
}

TEST_F(DocumentSafety, PrintingWrapsALongLineAndKeepsEveryCharacter)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is needed to read the printed text";
    QString longLine;
    for (int i = 0; longLine.size() < 1400; ++i)
        longLine += QStringLiteral("m%1").arg(i, 4, 10, QLatin1Char('0'));
    dir.writeBytes("long.txt", ("début\r\n" + longLine + "\r\nfin\r\n").toUtf8());
    auto editor = open("long.txt");
    const QString pdf = dir.file("long.pdf");
    answers.printAnswers.push_back([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    editor->print();
    QProcess extract;
    extract.start(pdftotext, {"-raw", pdf, "-"});
    ASSERT_TRUE(extract.waitForFinished(60000));
    const QString printed = QString::fromUtf8(extract.readAllStandardOutput());
    const QStringList lines = printed.split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4) << "the long line takes several printed lines";
    EXPECT_EQ(lines.first().trimmed(), "début");
    QString joined;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].trimmed() == "fin")
            break;
        joined += lines[i].trimmed();
    }
    EXPECT_EQ(joined, longLine) << "every character of the long line is printed, in order";
}

} // namespace
