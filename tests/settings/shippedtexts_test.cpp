#include "platform/cp1252.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

const QString kData = QStringLiteral(BRINDEL_SOURCE_DATA_DIR "/");

QString languageFile(const QString &kind)
{
    const QString extension = kind == QLatin1String("mn1")   ? QStringLiteral("mn1")
                              : kind == QLatin1String("mn2") ? QStringLiteral("mn2")
                                                             : QStringLiteral("dlg");
    return kData + QStringLiteral("langue/francais.") + extension;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ShippedTexts, EveryNumberTheProgramAsksIsInItsFile)
{
    QFile list(QStringLiteral(BRINDEL_TEST_DATA_DIR "/required_texts.txt"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly | QIODevice::Text));
    int checked = 0;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(fields.size(), 2) << line.toStdString();
        const QString text = textedialogue(fields[1].toInt(), languageFile(fields[0]));
        EXPECT_NE(text, kIndefini) << "missing: " << line.toStdString();
        EXPECT_FALSE(text.trimmed().isEmpty()) << "empty: " << line.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 400);
}

TEST(ShippedTexts, LanguageAndSettingsFilesAreWindows1252WithCrLf)
{
    const QStringList files = {languageFile("mn1"), languageFile("mn2"), languageFile("dlg"),
                               kData + "brindel.sav", kData + "visualisateur.sav"};
    for (const QString &path : files) {
        const QByteArray bytes = bytesOf(path);
        ASSERT_FALSE(bytes.isEmpty()) << path.toStdString();
        EXPECT_FALSE(bytes.startsWith("\xef\xbb\xbf"))
            << "no byte-order mark: " << path.toStdString();
        EXPECT_TRUE(bytes.endsWith("\r\n")) << path.toStdString();
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"))
            << "every line ends CR LF: " << path.toStdString();
        EXPECT_FALSE(bytes.contains("\r\n\r\n"))
            << "an empty line would hide the rest: " << path.toStdString();
    }
}

TEST(ShippedTexts, NumberedLinesAreWellFormedAndUnique)
{
    for (const QString &kind :
         {QStringLiteral("mn1"), QStringLiteral("mn2"), QStringLiteral("dlg")}) {
        const QString text = cp1252::decode(bytesOf(languageFile(kind)));
        QSet<int> seen;
        static const QRegularExpression numbered(QStringLiteral("^([1-9][0-9]*)\\$"));
        for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const auto match = numbered.match(line);
            ASSERT_TRUE(match.hasMatch()) << kind.toStdString() << ": " << line.toStdString();
            EXPECT_FALSE(seen.contains(match.captured(1).toInt()))
                << kind.toStdString() << " repeats " << match.captured(1).toStdString();
            seen.insert(match.captured(1).toInt());
        }
    }
}

TEST(ShippedTexts, CloseQuestionHoldsOnePlaceholder)
{
    const QString format = textedialogue(5000, languageFile("dlg"));
    EXPECT_EQ(format.count(QStringLiteral("%1")), 1);
    EXPECT_FALSE(format.contains(QStringLiteral("%2")));
}

TEST(ShippedTexts, SettingsFileHoldsEveryKey)
{
    const QString file = kData + QStringLiteral("brindel.sav");
    QStringList keys = {"hauteur",        "largeur",      "projet",          "auto",
                        "presse",         "barrevisible", "indentation",     "normeecriture",
                        "menu1",          "menu2",        "dialogue",        "visuhtml",
                        "cheminvisuhtml", "visuimage",    "cheminvisuimage", "mailpardefaut",
                        "astuce",         "numastuce",    "chercher",        "hr_epaisseur",
                        "hr_longueur",    "maximise"};
    for (int i = 1; i <= 19; ++i)
        keys << QStringLiteral("bouton%1").arg(i) << QStringLiteral("chaine%1").arg(i);
    for (const QString &key : keys)
        EXPECT_NE(lireparametre(key, file), kIndefini) << key.toStdString();
    EXPECT_NE(lireparametre("fichier", kData + "visualisateur.sav"), kIndefini);
    EXPECT_EQ(lireparametre("drapeau", kData + "visualisateur.sav"), "0");
}

} // namespace
