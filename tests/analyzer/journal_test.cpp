#include "analyzer/journalanalyse.h"
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

TEST(JournalAnalyse, CharactersOutsideTheCodePageBecomeReferences)
{
    TempProgramDir dir;
    videanalyse();
    ecrireanalyse(QStringLiteral("<\u6F22> <\U0001F600>"));
    EXPECT_EQ(dir.readBytes("analyse.log"), QByteArray("<&#28450;> <&#128512;>\r\n"));
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
