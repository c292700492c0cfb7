#include "platform/cp1252.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

const QString kData = QStringLiteral(BRINDEL_SOURCE_DATA_DIR "/");

// The shipped languages; every test below holds for each of them.
const char *const kLanguages[] = {"francais", "anglais"};

QString languageFile(const QString &kind, const QString &language = QStringLiteral("francais"))
{
    const QString extension = kind == QLatin1String("mn1")   ? QStringLiteral("mn1")
                              : kind == QLatin1String("mn2") ? QStringLiteral("mn2")
                                                             : QStringLiteral("dlg");
    return kData + QStringLiteral("langue/") + language + QLatin1Char('.') + extension;
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
        for (const char *language : kLanguages) {
            const QString text =
                textedialogue(fields[1].toInt(), languageFile(fields[0], language));
            EXPECT_NE(text, kIndefini) << language << " missing: " << line.toStdString();
            EXPECT_FALSE(text.trimmed().isEmpty()) << language << " empty: " << line.toStdString();
        }
        ++checked;
    }
    EXPECT_GT(checked, 400);
}

TEST(ShippedTexts, LanguageAndSettingsFilesAreWindows1252WithCrLf)
{
    QStringList files = {kData + "brindel.sav", kData + "visualisateur.sav"};
    for (const char *language : kLanguages)
        files << languageFile("mn1", language) << languageFile("mn2", language)
              << languageFile("dlg", language);
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
        for (const char *language : kLanguages) {
            const QString text = cp1252::decode(bytesOf(languageFile(kind, language)));
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
}

// number -> text of one language file, read as the program reads it.
QMap<int, QString> numberedTexts(const QString &path)
{
    QMap<int, QString> texts;
    for (const QString &line :
         cp1252::decode(bytesOf(path)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype dollar = line.indexOf(QLatin1Char('$'));
        if (dollar > 0)
            texts.insert(line.left(dollar).toInt(), line.mid(dollar + 1));
    }
    return texts;
}

// Every language holds the same numbers as the French files, and each text keeps the shape
// the program relies on: the caption|hint split, the %1 placeholders, an accelerator when the
// French text has one, and the menu separators' "-".
TEST(ShippedTexts, EveryLanguageHoldsTheFrenchNumbersAndShapes)
{
    for (const QString &kind :
         {QStringLiteral("mn1"), QStringLiteral("mn2"), QStringLiteral("dlg")}) {
        const QMap<int, QString> french = numberedTexts(languageFile(kind));
        ASSERT_FALSE(french.isEmpty()) << kind.toStdString();
        for (const char *language : kLanguages) {
            const QMap<int, QString> other = numberedTexts(languageFile(kind, language));
            EXPECT_EQ(other.keys(), french.keys()) << language << "." << kind.toStdString();
            for (auto it = french.cbegin(); it != french.cend(); ++it) {
                const QString text = other.value(it.key());
                const std::string where = std::string(language) + "." + kind.toStdString() + " " +
                                          std::to_string(it.key());
                EXPECT_EQ(text.count(QLatin1Char('|')), it->count(QLatin1Char('|'))) << where;
                EXPECT_EQ(text.count(QStringLiteral("%1")), it->count(QStringLiteral("%1")))
                    << where;
                EXPECT_EQ(text.contains(QLatin1Char('&')), it->contains(QLatin1Char('&'))) << where;
                EXPECT_EQ(text == QLatin1String("-"), *it == QLatin1String("-")) << where;
                EXPECT_FALSE(text.trimmed().isEmpty()) << where;
            }
        }
    }
}

TEST(ShippedTexts, CloseQuestionHoldsOnePlaceholder)
{
    for (const char *language : kLanguages) {
        const QString format = textedialogue(5000, languageFile("dlg", language));
        EXPECT_EQ(format.count(QStringLiteral("%1")), 1) << language;
        EXPECT_FALSE(format.contains(QStringLiteral("%2"))) << language;
    }
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

TEST(ShippedTexts, ColouringAndLineNumbersAreOnByDefault)
{
    const QString file = kData + QStringLiteral("brindel.sav");
    EXPECT_EQ(lireparametre("coloration", file), "1");
    EXPECT_EQ(lireparametre("numeros", file), "1");
}

} // namespace
