#include "platform/documentfile.h"
#include "platform/ioerror.h"
#include "tests/support/tempprogramdir.h"
#include "tests/support/unprivileged.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

static void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace
{

class DocumentFile : public ::testing::Test
{
protected:
    TempProgramDir dir{false};

    QString write(const QByteArray &bytes, const QString &name = "page.htm")
    {
        dir.writeBytes(name, bytes);
        return dir.file(name);
    }
    QByteArray content(const QString &name = "page.htm") const { return dir.readBytes(name); }

    // Loads the bytes from a file and saves the document back to the same file.
    QByteArray roundTrip(const QByteArray &bytes)
    {
        const QString path = write(bytes);
        const LoadedDocument loaded = loadDocument(path);
        saveDocument(path, loaded.text, loaded.format);
        return content();
    }

    // The message of the IoError that `action` throws; empty when it throws none.
    static QString failure(const std::function<void()> &action)
    {
        try {
            action();
        } catch (const IoError &error) {
            return error.message();
        }
        return QString();
    }
};

QByteArray everyByteBut(std::initializer_list<int> left)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (std::find(left.begin(), left.end(), b) == left.end())
            bytes.append(char(b));
    }
    return bytes;
}

TEST_F(DocumentFile, EveryByteValueOfAWindows1252DocumentComesBackUnchanged)
{
    // CR and LF are line ends: keep them together so the file has one line-end style. NUL
    // marks a binary file near the start, so it stands after the sniffed head.
    const QByteArray noNul = everyByteBut({0, 10, 13}) + "\r\n";
    const QByteArray withNul = QByteArray(kBinarySniffSize, 'x') + "\r\n" + everyByteBut({10, 13});
    for (const QByteArray &bytes : {noNul, withNul}) {
        const LoadedDocument loaded = decodeDocument(bytes);
        EXPECT_EQ(loaded.format, (DocumentFormat{Encoding::Windows1252, LineEnd::CrLf, false, {}}));
        EXPECT_EQ(roundTrip(bytes), bytes);
    }
    EXPECT_EQ(decodeDocument(noNul).text.at(noNul.indexOf('\x80')), QChar(0x20AC));
}

TEST_F(DocumentFile, ChoosesUtf8OnlyForValidNonAsciiUtf8)
{
    const struct {
        QByteArray bytes;
        Encoding encoding;
        QString text;
    } cases[] = {
        {"plain <b>ascii</b>", Encoding::Windows1252, "plain <b>ascii</b>"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", Encoding::Utf8,
         QString("caf\u00E9 \u20AC ") + QChar(0xD83D) + QChar(0xDE00)},
        {"caf\xE9", Encoding::Windows1252, "caf\u00E9"},
        {"overlong \xC0\xAF", Encoding::Windows1252, "overlong \u00C0\u00AF"},
        {"surrogate \xED\xA0\x80", Encoding::Windows1252, "surrogate \u00ED\u00A0\u20AC"},
        {"beyond \xF4\x90\x80\x80", Encoding::Windows1252, "beyond \u00F4\u0090\u20AC\u20AC"},
        {"cut \xC3", Encoding::Windows1252, "cut \u00C3"},
        {"\xC3\xA9 then \xE9", Encoding::Windows1252, "\u00C3\u00A9 then \u00E9"},
    };
    for (const auto &k : cases) {
        const LoadedDocument loaded = decodeDocument(k.bytes);
        EXPECT_EQ(loaded.format.encoding, k.encoding) << k.bytes.toStdString();
        EXPECT_EQ(loaded.text, k.text) << k.bytes.toStdString();
        EXPECT_EQ(roundTrip(k.bytes), k.bytes) << k.bytes.toStdString();
    }
}

TEST_F(DocumentFile, LongDocumentsComeBackByteForByte)
{
    QByteArray utf8;
    QByteArray windows1252;
    for (int i = 0; i < 4000; ++i) {
        const QByteArray number = QByteArray::number(i * 7919 % 10007);
        utf8 += "<TD>caf\xC3\xA9 " + number + " \xF0\x9F\x98\x80 \xE2\x82\xAC</TD>\r\n";
        windows1252 += "<TD>caf\xE9 " + number + " \x80\x9C\xFF</TD>\r\n";
    }
    EXPECT_EQ(decodeDocument(utf8).format.encoding, Encoding::Utf8);
    EXPECT_EQ(roundTrip(utf8), utf8);
    EXPECT_EQ(decodeDocument(windows1252).format.encoding, Encoding::Windows1252);
    EXPECT_EQ(roundTrip(windows1252), windows1252);
    EXPECT_EQ(decodeDocument(utf8).text.count('\n'), 4000);
}

TEST_F(DocumentFile, Utf8ByteOrderMarkIsKeptOrLeftOut)
{
    const QByteArray withBom("\xEF\xBB\xBFl\xC3\xA0\r\nbas");
    const QByteArray withoutBom("l\xC3\xA0\r\nbas");
    const LoadedDocument loaded = decodeDocument(withBom);
    EXPECT_TRUE(loaded.format.bom);
    EXPECT_EQ(loaded.text, "l\u00E0\nbas") << "the mark is not part of the text";
    EXPECT_FALSE(decodeDocument(withoutBom).format.bom);
    EXPECT_EQ(roundTrip(withBom), withBom);
    EXPECT_EQ(roundTrip(withoutBom), withoutBom);
}

TEST_F(DocumentFile, KeepsEachLinesOwnEnd)
{
    using Others = OtherLineEnds;
    const struct {
        QByteArray bytes;
        LineEnd lineEnd;
        Others others;
    } cases[] = {
        {"a\r\nb\r\n", LineEnd::CrLf, {}},
        {"a\nb\n", LineEnd::Lf, {}},
        {"a\rb\r", LineEnd::Cr, {}},
        {"no break", LineEnd::CrLf, {}},
        {"a\nb\nc\r\nd", LineEnd::Lf, {{2, LineEnd::CrLf}}}, // most breaks are LF
        {"a\rb\r\nc\nd\re", LineEnd::Cr, {{1, LineEnd::CrLf}, {2, LineEnd::Lf}}},
        {"a\nb\r\nc", LineEnd::Lf, {{1, LineEnd::CrLf}}}, // a tie: the first one wins
        {"a\r\nb\r\nc\nd", LineEnd::CrLf, {{2, LineEnd::Lf}}},
        {"\n\n\r\n", LineEnd::Lf, {{2, LineEnd::CrLf}}},
        {"x\n\xE9\r\n\r\n", LineEnd::CrLf, {{0, LineEnd::Lf}}}, // not UTF-8: counted once
        {"1\r2\n\xC3\xA9\r\n\r\r\n", // a tie between CR and CR LF: CR came first
         LineEnd::Cr,
         {{1, LineEnd::Lf}, {2, LineEnd::CrLf}, {4, LineEnd::CrLf}}},
        {"first line, long\rsecond line, long\r\n12345678\n",
         LineEnd::Cr,
         {{1, LineEnd::CrLf}, {2, LineEnd::Lf}}},
    };
    for (const auto &k : cases) {
        const LoadedDocument loaded = decodeDocument(k.bytes);
        EXPECT_EQ(loaded.format.lineEnd, k.lineEnd) << k.bytes.toStdString();
        EXPECT_EQ(loaded.format.otherLineEnds, k.others) << k.bytes.toStdString();
        EXPECT_FALSE(loaded.text.contains('\r')) << k.bytes.toStdString();
        EXPECT_EQ(roundTrip(k.bytes), k.bytes) << "unedited, byte for byte";
    }
}

TEST_F(DocumentFile, NewBreaksTakeTheUsualEndAndListedLinesKeepTheirs)
{
    // "a\r\nb\r\nc\nd" with a line typed after "a": line 2 became line 3.
    DocumentFormat format{Encoding::Windows1252, LineEnd::CrLf, false, {{3, LineEnd::Lf}}};
    EXPECT_EQ(encodeDocument(u"a\nnew\nb\nc\nd", format), QByteArray("a\r\nnew\r\nb\r\nc\nd"));
    format.otherLineEnds = {{0, LineEnd::Cr}, {7, LineEnd::Lf}}; // beyond the last break: unused
    EXPECT_EQ(encodeDocument(u"a\r\nb\nc", format), QByteArray("a\rb\r\nc"));
}

TEST_F(DocumentFile, NewDocumentsUseCrLfAndAcceptAnyBreakInTheText)
{
    const DocumentFormat fresh;
    EXPECT_EQ(encodeDocument(u"a\nb\r\nc\rd", fresh), QByteArray("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(encodeDocument(u"a\r\nb", {Encoding::Utf8, LineEnd::Lf, false, {}}),
              QByteArray("a\nb"));
}

TEST_F(DocumentFile, CharactersWithoutAByteBecomeNumericReferences)
{
    const QString text = QString("\u03A9 \u20AC \u00FC \u0153 ") + QChar(0xD83D) + QChar(0xDE00) +
                         " " + QChar(0xDC00) + " \u2028";
    EXPECT_EQ(encodeDocument(text, {}),
              QByteArray("&#937; \x80 \xFC \x9C &#128512; &#56320; &#8232;"));
    EXPECT_EQ(encodeDocument(text, {Encoding::Utf8, LineEnd::CrLf, false, {}}),
              QByteArray("\xCE\xA9 \xE2\x82\xAC \xC3\xBC \xC5\x93 \xF0\x9F\x98\x80 &#56320; "
                         "\xE2\x80\xA8"))
        << "UTF-8 holds everything but half a surrogate pair";
}

TEST_F(DocumentFile, SaveCreatesANewFileAndLeavesNoTemporaryFile)
{
    const QString path = dir.file("new.htm");
    saveDocument(path, u"<HTML>\n</HTML>", DocumentFormat{});
    EXPECT_EQ(content("new.htm"), QByteArray("<HTML>\r\n</HTML>"));
    EXPECT_FALSE(QFileInfo::exists(temporarySavePath(path)));
    EXPECT_EQ(QFileInfo(temporarySavePath(path)).absolutePath(), QFileInfo(path).absolutePath());
}

TEST_F(DocumentFile, FullDiskKeepsTheOldFileAndSaysWhy)
{
    if (!QFileInfo::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const QByteArray before("old text\r\n");
    const QString path = write(before);
    ASSERT_TRUE(QFile::link("/dev/full", temporarySavePath(path)));
    const QString message = failure([&] { saveDocument(path, QString(200000, 'x'), {}); });
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_EQ(content(), before);
}

TEST_F(DocumentFile, ReadOnlyDirectoryKeepsTheOldFileAndSaysWhy)
{
    const QByteArray before("old text\r\n");
    const QString path = write(before);
    ::chmod(QFile::encodeName(path).constData(), 0666);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
    const bool refused = withoutPrivileges([&] {
        const QString message = failure([&] { saveDocument(path, u"new", {}); });
        return message.contains(path);
    });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_TRUE(refused) << "the save must fail with a message naming the document";
    EXPECT_EQ(content(), before);
    EXPECT_FALSE(QFileInfo::exists(temporarySavePath(path)));
}

TEST_F(DocumentFile, SaveKeepsPermissionsAndSymbolicLinks)
{
    const QString script = write("#!/bin/sh\n", "run.cgi");
    ::chmod(QFile::encodeName(script).constData(), 0750);
    saveDocument(script, u"#!/bin/sh\necho\n", {Encoding::Windows1252, LineEnd::Lf, false, {}});
    struct stat info {
    };
    ASSERT_EQ(::stat(QFile::encodeName(script).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0750u);

    const QString target = write("old", "target.htm");
    const QString link = dir.file("link.htm");
    ASSERT_TRUE(QFile::link(target, link));
    saveDocument(link, u"new", {});
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(content("target.htm"), QByteArray("new"));
}

TEST_F(DocumentFile, UnopenableFilesGiveAClearMessage)
{
    const QString binary = write(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "image.htm");
    const QString sparse = dir.file("huge.htm");
    {
        QFile file(sparse);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxDocumentSize + 1));
    }
    const QString fifo = dir.file("pipe.htm");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct {
        QString path;
        const char *says;
    } cases[] = {
        {dir.file("absent.htm"), "introuvable"}, {dir.path(), "répertoire"},
        {binary, "n'est pas un fichier texte"},  {sparse, "trop volumineux"},
        {fifo, "pas un fichier ordinaire"},
    };
    for (const auto &k : cases) {
        const QString message = failure([&] { loadDocument(k.path); });
        EXPECT_TRUE(message.contains(QString::fromUtf8(k.says))) << message.toStdString();
        EXPECT_TRUE(message.contains(QFileInfo(k.path).fileName())) << message.toStdString();
    }
}

TEST_F(DocumentFile, SavingOntoADirectoryOrIntoNowhereFails)
{
    EXPECT_FALSE(failure([&] { saveDocument(dir.path(), u"x", {}); }).isEmpty());
    const QString lost = dir.file("missing/page.htm");
    EXPECT_TRUE(failure([&] { saveDocument(lost, u"x", {}); }).contains(lost));
}

} // namespace
