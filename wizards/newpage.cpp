#include "wizards/newpage.h"

#include "editor/textroutines.h"
#include "wizards/pagehead.h"

#include <algorithm>

namespace
{

// The BODY attribute of each colour row.
constexpr std::array<const char *, kPageColourCount> kColourAttributes{
    " BGCOLOR=\"#", " TEXT=\"#", " LINK=\"#", " ALINK=\"#", " VLINK=\"#"};

} // namespace

QString backgroundValue(const QString &imagePath, const QString &projectDirectory)
{
    const qsizetype slash = imagePath.lastIndexOf(QLatin1Char('/'));
    // The root keeps its "/"; any other directory is taken without its trailing separator.
    const QString directory = slash < 0 ? QString() : imagePath.left(slash == 0 ? 1 : slash);
    const QString name = imagePath.mid(slash + 1);
    return cheminrelatif(projectDirectory, directory, projectDirectory) + name;
}

QString bodyLine(const NewPageAnswers &a)
{
    QString line = QStringLiteral("<BODY");
    if (a.backgroundTicked)
        line += QStringLiteral(" BACKGROUND=\"") +
                backgroundValue(a.imagePath, a.projectDirectory) + QLatin1Char('"');
    for (int i = 0; i < kPageColourCount; ++i) {
        if (a.colourTicked[i])
            line +=
                QLatin1String(kColourAttributes[i]) + couleurhexa(a.colours[i]) + QLatin1Char('"');
    }
    return line + QLatin1Char('>');
}

QStringList newPage(const NewPageAnswers &answers, const MetaAnswers &meta)
{
    const QString blank = QStringLiteral(" ");
    QStringList lines = pageHead(answers.title, meta);
    lines << blank << bodyLine(answers) << blank << blank << blank << QStringLiteral("</BODY>")
          << blank << QStringLiteral("</HTML>");
    return lines;
}

int newPageCaretLine(const QStringList &lines)
{
    return std::max(0, int(lines.size()) - 5);
}

QStringList channelSkeleton()
{
    return {
        QStringLiteral("<?XML version=\"1.0\"?>"),
        QStringLiteral(" "),
        QStringLiteral(" <CHANNEL HREF=\"\" BASE=\"\">"),
        QStringLiteral(" <TITLE></TITLE>"),
        QStringLiteral(" <ABSTRACT></ABSTRACT>"),
        QStringLiteral(" <LOGO HREF=\"\" STYLE=\"image\"/>"),
        QStringLiteral(" <LOGO HREF=\"\" STYLE=\"icon\"/>"),
        QStringLiteral(" <SCHEDULE>"),
        QStringLiteral("  <INTERVALTIME DAY=\"1\"/>"),
        QStringLiteral("  <EARLIESTTIME DAY=\"1\"/>"),
        QStringLiteral("  <LASTTIME DAY=\"1\"/>"),
        QStringLiteral("  <ITEM HREF=\"\" LASTMOD=\"\">"),
        QStringLiteral("   <TITLE></TITLE>"),
        QStringLiteral("   <ABSTRACT></ABSTRACT>"),
        QStringLiteral("  </ITEM>"),
        QStringLiteral(" </SCHEDULE>"),
        QStringLiteral(" </CHANNEL>"),
    };
}
