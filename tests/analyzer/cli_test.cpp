// brindel-analyse run as a program, on temporary files.

#include "platform/cp1252.h"
#include "settings/settingsstore.h"
#include "tests/support/tempprogramdir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace
{

struct Execution {
    int sortie = -1;
    QString standard;
    QString erreurs;
};

// Runs the checker in `dossier` with the program directory of the test (BRINDEL_HOME).
Execution lance(const QStringList &arguments, const QString &dossier,
                const QByteArray &entree = QByteArray())
{
    QProcess processus;
    processus.setWorkingDirectory(dossier);
    processus.start(QStringLiteral(BRINDEL_ANALYSE_EXE), arguments);
    EXPECT_TRUE(processus.waitForStarted());
    processus.write(entree);
    processus.closeWriteChannel();
    EXPECT_TRUE(processus.waitForFinished(60000));
    Execution e;
    e.sortie = processus.exitStatus() == QProcess::NormalExit ? processus.exitCode() : -1;
    e.standard = QString::fromUtf8(processus.readAllStandardOutput());
    e.erreurs = QString::fromUtf8(processus.readAllStandardError());
    return e;
}

class Cli : public ::testing::Test
{
protected:
    QString texte(int numero) const
    {
        return textedialogue(numero, m_dir.file("langue/francais.dlg"));
    }
    void ecrit(const QString &nom, const QByteArray &octets) const
    {
        m_dir.writeBytes(nom, octets);
    }
    Execution lance(const QStringList &arguments, const QByteArray &entree = QByteArray()) const
    {
        return ::lance(arguments, m_dir.path(), entree);
    }

    TempProgramDir m_dir;
};

TEST_F(Cli, PrintsEachFilesWarningsThenItsFinalLine)
{
    ecrit("a.htm", "<p>texte</p>\r\n<b>x</B>\r\n");
    ecrit("b.htm", "a -->\n<b>x</i>\n");
    const Execution e = lance({"a.htm", "b.htm"});
    EXPECT_EQ(e.sortie, 1);
    const QString attendu = "a.htm: " + texte(5023) + " : b " + texte(5024) + " B\n" + //
                            "a.htm:2:9: " + texte(5006) + "\n" +                       //
                            "b.htm: " + texte(5023) + " - L: 1 , C: 4 : " + texte(5026) +
                            " - L: 1 , C: 4\n" + "b.htm:2:8: Erreur : <b> : " + texte(5010) + "\n";
    EXPECT_EQ(e.standard, attendu);
    EXPECT_EQ(e.erreurs, QString());
}

TEST_F(Cli, JsonGivesOneObjectPerLine)
{
    ecrit("a.htm", "<b>x</B>\n<img src=\"a.gif\" onclick=\"f()\">\n");
    ecrit("b b.htm", "<p>\n");
    const Execution e = lance({"--json", "a.htm", "b b.htm"});
    EXPECT_EQ(e.sortie, 1);
    const QStringList lignes = e.standard.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 2);

    const QJsonObject a = QJsonDocument::fromJson(lignes[0].toUtf8()).object();
    EXPECT_EQ(a.value("file").toString(), "a.htm");
    EXPECT_EQ(a.value("ligne").toInt(), 2);
    EXPECT_EQ(a.value("colonne").toInt(), 31);
    EXPECT_EQ(a.value("code").toInt(), 3);
    EXPECT_EQ(a.value("mot").toString(), "onclick=\"f()\"");
    const QJsonArray journal = a.value("log").toArray();
    ASSERT_EQ(journal.size(), 2);
    EXPECT_EQ(journal[0].toString(), texte(5023) + " : b " + texte(5024) + " B");
    EXPECT_EQ(journal[1].toString(), "Erreur : onclick=\"f()\" : " + texte(5012));
    EXPECT_TRUE(lignes[0].startsWith("{\"file\": \"a.htm\", \"ligne\": 2, \"colonne\": 31, "));

    const QJsonObject b = QJsonDocument::fromJson(lignes[1].toUtf8()).object();
    EXPECT_EQ(b.value("file").toString(), "b b.htm");
    EXPECT_EQ(b.value("code").toInt(), 0);
    EXPECT_EQ(b.value("mot").toString(), "");
    EXPECT_EQ(b.value("log").toArray().size(), 1);
}

TEST_F(Cli, JsonEscapesControlCharactersAndKeepsUtf8)
{
    ecrit("c.htm", "<p>\n<f\xC3\xA9\t\"\\>\n"); // UTF-8 "fé", a tab, a quote, a backslash
    const Execution e = lance({"--json", "c.htm"});
    EXPECT_EQ(e.sortie, 1);
    EXPECT_TRUE(e.standard.contains(QStringLiteral("\"mot\": \"fé\\t\\\"\\\\\"")))
        << e.standard.toStdString();
    const QJsonObject c = QJsonDocument::fromJson(e.standard.toUtf8()).object();
    EXPECT_EQ(c.value("mot").toString(), QStringLiteral("fé\t\"\\"));
    EXPECT_EQ(c.value("colonne").toInt(), 7);
}

TEST_F(Cli, ReadsFilesAsTheEditorDoes)
{
    // UTF-8 text: columns count characters; a byte order mark is not part of the text.
    ecrit("utf8.htm", "\xEF\xBB\xBF<p>\xC3\xA9t\xC3\xA9</i>");
    // Not valid UTF-8: Windows-1252, every byte a character.
    ecrit("ansi.htm", "<p>\xE9t\xE9</i>\r\n<\x9C>");
    const Execution e = lance({"utf8.htm", "ansi.htm"});
    EXPECT_EQ(e.standard, "utf8.htm:1:10: Erreur : <p> : " + texte(5010) + "\n" +
                              "ansi.htm:1:10: Erreur : <p> : " + texte(5010) + "\n");

    ecrit("mot.htm", "<\x9C\xE9>");
    EXPECT_EQ(lance({"mot.htm"}).standard,
              QStringLiteral("mot.htm:1:4: Erreur : <œé> : ") + texte(5011) + "\n");
}

TEST_F(Cli, ReadsStandardInput)
{
    const Execution e = lance({"-"}, "<p>\n<foo>\n");
    EXPECT_EQ(e.sortie, 1);
    EXPECT_EQ(e.standard, "-:2:5: Erreur : <foo> : " + texte(5011) + "\n");

    const Execution vide = lance({"-"});
    EXPECT_EQ(vide.sortie, 0);
    EXPECT_EQ(vide.standard, "-:0:1: " + texte(5006) + "\n");
}

TEST_F(Cli, AnUnreadableFileDoesNotStopTheOthers)
{
    ecrit("a.htm", "<p>x</p>");
    ecrit("b.htm", "<p>x</p>");
    QDir(m_dir.path()).mkdir("dossier.htm");
    ecrit("image.gif", QByteArray("GIF89a\x01\x00\x01\x00\x00\x00", 12));
    const Execution e = lance({"a.htm", "absent.htm", "dossier.htm", "image.gif", "b.htm"});
    EXPECT_EQ(e.sortie, 2);
    EXPECT_EQ(e.standard, "a.htm:1:9: " + texte(5006) + "\n" + "b.htm:1:9: " + texte(5006) + "\n");
    EXPECT_TRUE(e.erreurs.contains("absent.htm")) << e.erreurs.toStdString();
    EXPECT_TRUE(e.erreurs.contains("dossier.htm")) << e.erreurs.toStdString();
    EXPECT_TRUE(e.erreurs.contains("image.gif")) << e.erreurs.toStdString();
}

TEST_F(Cli, ExitStatus)
{
    ecrit("ok.htm", "<p>x</p>");
    ecrit("ko.htm", "<p");
    EXPECT_EQ(lance({"ok.htm"}).sortie, 0);
    EXPECT_EQ(lance({"ok.htm", "ko.htm"}).sortie, 1);
    EXPECT_EQ(lance({"ko.htm"}).standard, "ko.htm:1:3: Erreur : <> : " + texte(5019) + "\n");
    EXPECT_EQ(lance({"ko.htm", "absent.htm"}).sortie, 2);

    const Execution sansFichier = lance({});
    EXPECT_EQ(sansFichier.sortie, 2);
    EXPECT_FALSE(sansFichier.erreurs.isEmpty());
    EXPECT_TRUE(sansFichier.standard.isEmpty());
    EXPECT_EQ(lance({"--inconnue", "ok.htm"}).sortie, 2);
    EXPECT_EQ(lance({"--dialogue"}).sortie, 2);
    // After "--" a name starting with "-" is a file.
    ecrit("-x.htm", "<p>x</p>");
    EXPECT_EQ(lance({"--", "-x.htm"}).sortie, 0);
}

TEST_F(Cli, HelpIsInFrench)
{
    const Execution e = lance({"--help"});
    EXPECT_EQ(e.sortie, 0);
    EXPECT_TRUE(e.standard.startsWith("Utilisation : brindel-analyse")) << e.standard.toStdString();
    EXPECT_TRUE(e.standard.contains("--json"));
    EXPECT_TRUE(e.standard.contains("--dialogue"));
}

TEST_F(Cli, TextsComeFromTheChosenDialogFile)
{
    ecrit("a.htm", "<b>x</B><foo>");
    ecrit("autre.dlg", cp1252::encode(QStringLiteral(
                           "5011$mot étrange\r\n5023$Attention\r\n5024$fermé par\r\n")));
    const QString attendu =
        "a.htm: Attention : b fermé par B\na.htm:1:13: Erreur : <foo> : mot étrange\n";
    EXPECT_EQ(lance({"--dialogue", "autre.dlg", "a.htm"}).standard, attendu);
    EXPECT_EQ(lance({"--dialogue=autre.dlg", "a.htm"}).standard, attendu);

    // The dialog file named in brindel.sav, when it exists.
    ecrireparametre(m_dir.file("autre.dlg"), "dialogue", m_dir.file("brindel.sav"));
    EXPECT_EQ(lance({"a.htm"}).standard, attendu);
    ecrireparametre(m_dir.file("absent.dlg"), "dialogue", m_dir.file("brindel.sav"));
    EXPECT_EQ(lance({"a.htm"}).standard, "a.htm: " + texte(5023) + " : b " + texte(5024) +
                                             " B\na.htm:1:13: Erreur : <foo> : " + texte(5011) +
                                             "\n");

    // A text the file lacks reads "indéfini"; a missing file is an error.
    EXPECT_EQ(lance({"--dialogue", "autre.dlg", "-"}, "").standard, "-:0:1: indéfini\n");
    const Execution absent = lance({"--dialogue", "absent.dlg", "a.htm"});
    EXPECT_EQ(absent.sortie, 2);
    EXPECT_TRUE(absent.erreurs.contains("absent.dlg"));
}

} // namespace
