// The help pages' examples of what the code analyzer says, run through brindel-analyse so
// that the pages stay true to the program.
//
// An example is marked in the page source by a comment just before the element (TT or PRE)
// that holds it:
//   <!--analyse code=1 mot=B ligne=1 colonne=31--><TT>&lt;P&gt;...</TT>
//     the element is a document: the analysis gives that code, and that word, line and
//     column when they are given;
//   <!--analyse code=2 mot=«HERF="page.htm"» dans=«<A %>»--><TT>HERF="page.htm"</TT>
//     the element is a piece of a document: `dans` is the document, % standing for it;
//   <!--analyse source=«<B>texte</b>»--><TT>Avertissement : B refermé ...</TT>
//     the element is a line of the log that the analysis of `source` writes.
// Values with blanks or signs are written between « and ».

#include "platform/cp1252.h"
#include "tests/support/tempprogramdir.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace
{

struct Example {
    QString page;
    int line = 0;                        // in the page source, for the failure message
    std::map<QString, QString> expected; // code, mot, ligne, colonne
    QString document;                    // what is analysed
    QString logLine;                     // a log line the analysis must write, if any
};

QString pageText(const QString &name)
{
    QFile file(QStringLiteral(BRINDEL_SOURCE_DATA_DIR "/aide/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return cp1252::decode(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The text an element shows: its inner tags dropped, its character references resolved.
QString shownText(QString html)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    html.remove(tags);
    static const QRegularExpression numeric(QStringLiteral("&#(\\d+);"));
    QString text;
    qsizetype at = 0;
    for (auto it = numeric.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        text += html.mid(at, m.capturedStart() - at);
        text += QChar(m.captured(1).toInt());
        at = m.capturedEnd();
    }
    text += html.mid(at);
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

std::vector<Example> examplesOf(const QString &page)
{
    static const QRegularExpression marked(
        QStringLiteral("<!--analyse (.*?)-->\\s*<(TT|PRE)>(.*?)</\\2>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression field(QStringLiteral("(\\w+)=(«([^»]*)»|(\\S+))"));
    const QString text = pageText(page);
    std::vector<Example> examples;
    for (auto it = marked.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        Example example;
        example.page = page;
        example.line = int(text.left(m.capturedStart()).count(QLatin1Char('\n'))) + 1;
        QString within = QStringLiteral("%");
        QString source;
        for (auto f = field.globalMatch(m.captured(1)); f.hasNext();) {
            const QRegularExpressionMatch v = f.next();
            const QString value = v.captured(3).isNull() ? v.captured(4) : v.captured(3);
            if (v.captured(1) == QLatin1String("dans"))
                within = value;
            else if (v.captured(1) == QLatin1String("source"))
                source = value;
            else
                example.expected[v.captured(1)] = value;
        }
        const QString shown = shownText(m.captured(3));
        if (source.isNull()) {
            example.document = QString(within).replace(QLatin1Char('%'), shown);
        } else {
            example.document = source;
            example.logLine = shown.simplified();
        }
        examples.push_back(example);
    }
    return examples;
}

// Runs brindel-analyse once over every example, each in its own file.
std::vector<QJsonObject> analyse(const std::vector<Example> &examples, const TempProgramDir &dir)
{
    QStringList files;
    for (size_t i = 0; i < examples.size(); ++i) {
        const QString name = QStringLiteral("exemple%1.htm").arg(i);
        dir.writeBytes(name, cp1252::encode(examples[i].document));
        files << dir.file(name);
    }
    QProcess checker;
    checker.start(QStringLiteral(BRINDEL_ANALYSE_EXE), QStringList{"--json"} + files);
    EXPECT_TRUE(checker.waitForFinished(120000));
    std::vector<QJsonObject> results;
    for (const QByteArray &line : checker.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            results.push_back(QJsonDocument::fromJson(line).object());
    }
    return results;
}

TEST(HelpPageExamples, EveryMarkedExampleIsWhatTheAnalyzerSays)
{
    TempProgramDir dir;
    struct Page {
        const char *name;
        size_t fewest; // a page losing its marks is noticed
    };
    const Page pages[] = {{"aide.htm", 52}, {"balise.htm", 143}};
    for (const Page &page : pages) {
        const std::vector<Example> examples = examplesOf(QString::fromLatin1(page.name));
        EXPECT_GE(examples.size(), page.fewest) << page.name;
        const std::vector<QJsonObject> results = analyse(examples, dir);
        ASSERT_EQ(results.size(), examples.size()) << page.name;
        for (size_t i = 0; i < examples.size(); ++i) {
            const Example &example = examples[i];
            const QJsonObject &result = results[i];
            const std::string where = example.page.toStdString() + ":" +
                                      std::to_string(example.line) + ": " +
                                      example.document.toStdString();
            for (const auto &[key, value] : example.expected) {
                const QJsonValue actual = result.value(key);
                const QString shown =
                    actual.isString() ? actual.toString() : QString::number(actual.toInt());
                EXPECT_EQ(shown.toStdString(), value.toStdString())
                    << key.toStdString() << " of " << where;
            }
            if (!example.logLine.isEmpty()) {
                QStringList log;
                for (const QJsonValue &line : result.value(QStringLiteral("log")).toArray())
                    log << line.toString().simplified();
                EXPECT_TRUE(log.contains(example.logLine))
                    << where << "\n  expected line: " << example.logLine.toStdString()
                    << "\n  log: " << log.join(" | ").toStdString();
            }
        }
    }
}

} // namespace
