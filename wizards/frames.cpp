#include "wizards/frames.h"

#include "editor/textroutines.h"
#include "wizards/links.h"
#include "wizards/pagehead.h"

namespace wizards
{

namespace
{

const QString kSpaceLine = QStringLiteral(" ");

} // namespace

markup::Insertion framesetInsertion(bool columns, const QString &size)
{
    const QString open =
        (columns ? QStringLiteral("<FRAMESET COLS=\"") : QStringLiteral("<FRAMESET ROWS=\"")) +
        size + QStringLiteral(",*\">");
    return {open + QStringLiteral("</FRAMESET>"), int(open.size())};
}

markup::Insertion frameInsertion(const QString &file, const QString &name)
{
    const QString text = QStringLiteral("<FRAME SRC=\"") + file + QStringLiteral("\" NAME=\"") +
                         name + QStringLiteral("\">");
    return {text, int(text.size())};
}

QString framesetLine(bool rows, const QString &size, const QString &border)
{
    QString line = QStringLiteral("<FRAMESET ") +
                   (rows ? QStringLiteral("rows=\"") : QStringLiteral("cols=\"")) + size +
                   QStringLiteral(",*\"");
    if (border != u"0")
        line += QStringLiteral(" BORDER=\"") + border + QLatin1Char('"');
    return line + QLatin1Char('>');
}

QString frameLine(const FrameFile &frame, const QString &browserDir, const QString &projectDir)
{
    // Only a full path can be made relative: a name typed without one has no directory to
    // start from, and is the user's own relative reference.
    QString source = frame.path;
    if (source.startsWith(QLatin1Char('/')))
        source =
            cheminrelatif(browserDir, directoryPart(source), projectDir) + fileNamePart(source);
    QString line = QStringLiteral("<FRAME SRC=\"") + source + QLatin1Char('"');
    if (!frame.resizable)
        line += QStringLiteral(" NORESIZE");
    return line + QLatin1Char('>');
}

QStringList textLines(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (normal.endsWith(QLatin1Char('\n')))
        normal.chop(1);
    return normal.split(QLatin1Char('\n'));
}

QStringList framesPageBody(const FramesetAnswers &answers, const QString &browserDir,
                           const QString &projectDir)
{
    QStringList lines{kSpaceLine,
                      framesetLine(answers.rows, answers.size, answers.border),
                      kSpaceLine,
                      frameLine(answers.first, browserDir, projectDir),
                      frameLine(answers.second, browserDir, projectDir),
                      kSpaceLine,
                      QStringLiteral("</FRAMESET>"),
                      kSpaceLine,
                      QStringLiteral("<NOFRAMES>")};
    lines += textLines(answers.message);
    lines << QStringLiteral("</NOFRAMES>") << QStringLiteral("</HTML>");
    return lines;
}

QStringList framesPage(const QString &title, const MetaAnswers &meta,
                       const FramesetAnswers &answers, const QString &browserDir,
                       const QString &projectDir)
{
    return pageHead(title, meta) + framesPageBody(answers, browserDir, projectDir);
}

} // namespace wizards
