#include "analyzer/journalanalyse.h"
#include "platform/documentfile.h"
#include "platform/ioerror.h"
#include "tests/support/tempprogramdir.h"

#include <QDir>

#include <gtest/gtest.h>

namespace
{

TEST(JournalAnalyse, AppendsWindows1252LinesEndedByCrLf)
{
    TempProgramDir dir;
    dir.writeBytes("analyse.log", "ancien contenu\r\n");
    videanalyse();
    EXPECT_EQ(dir.readBytes("analyse.log"), QByteArray());
    ecrireanalyse(QStringLiteral("Avertissement : b refermé"));
    ecrireanalyse(QString());
    ecrireanalyse(QStringLiteral("œ €"));
    EXPECT_EQ(dir.readBytes("analyse.log"),
              QByteArray("Avertissement : b referm\xE9\r\n\r\n\x9C \x80\r\n"));
}

// The log keeps the characters the document holds: a character beyond Windows-1252 turns
// the whole log into UTF-8, earlier lines included, and the lines after it follow.
TEST(JournalAnalyse, CharactersOutsideTheCodePageTurnTheLogToUtf8)
{
    TempProgramDir dir;
    videanalyse();
    ecrireanalyse(QStringLiteral("b refermé"));
    ecrireanalyse(QStringLiteral("<\u6F22> <\U0001F600>"));
    ecrireanalyse(QStringLiteral("œ"));
    const QByteArray utf8("b referm\xC3\xA9\r\n<\xE6\xBC\xA2> <\xF0\x9F\x98\x80>\r\n\xC5\x93\r\n");
    EXPECT_EQ(dir.readBytes("analyse.log"), utf8);
    const LoadedDocument read = decodeDocument(utf8);
    EXPECT_EQ(read.text, QStringLiteral("b refermé\n<\u6F22> <\U0001F600>\nœ\n"));

    // A log changed by someone else since the last line: its encoding is read again.
    dir.writeBytes("analyse.log", "d\xE9j\xE0\r\n");
    ecrireanalyse(QStringLiteral("é"));
    EXPECT_EQ(dir.readBytes("analyse.log"), QByteArray("d\xE9j\xE0\r\n\xE9\r\n"));

    videanalyse(); // each run starts in Windows-1252 again
    ecrireanalyse(QStringLiteral("é"));
    EXPECT_EQ(dir.readBytes("analyse.log"), QByteArray("\xE9\r\n"));
}

TEST(JournalAnalyse, FailuresRaiseIoError)
{
    TempProgramDir dir;
    // The log must exist: the report command creates it before the run.
    EXPECT_THROW(ecrireanalyse(QStringLiteral("x")), IoError);
    EXPECT_FALSE(QFile::exists(dir.file("analyse.log")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("analyse.log"));
    EXPECT_THROW(videanalyse(), IoError);
    EXPECT_THROW(ecrireanalyse(QStringLiteral("x")), IoError);
}

TEST(JournalAnalyse, FinalLineOfEachCode)
{
    const auto texte = [](int numero) { return QStringLiteral("T%1").arg(numero); };
    struct Cas {
        int code;
        const char *mot;
        const char *ligne;
    };
    const Cas cas[] = {
        {0, "", "T5006"},
        {1, "b", "Erreur : <b> : T5010"},
        {2, "foo", "Erreur : <foo> : T5011"},
        {3, "onclick=\"f()\"", "Erreur : onclick=\"f()\" : T5012"},
        {4, "color=\"bleu\"", "Erreur : <color=\"bleu\"> : T5013"},
        {5, "align=x", "Erreur : <align=x> : T5014"},
        {6, "background=x", "Erreur : <background=x> : T5015"},
        {7, "color=\"#red\"", "Erreur : <color=\"#red\"> : T5016"},
        {8, "char=\"..\"", "Erreur : <char=\"..\"> : T5017"},
        {9, "language=x", "Erreur : <language=x> : T5018"},
        {10, "", "Erreur : <> : T5019"},
    };
    for (const Cas &c : cas) {
        ResultatAnalyse r;
        r.code = c.code;
        r.mot = QString::fromUtf8(c.mot);
        EXPECT_EQ(ligneFinaleAnalyse(r, texte), QString::fromUtf8(c.ligne)) << c.code;
    }
}

} // namespace
