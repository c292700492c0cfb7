#include "wizards/pagehead.h"

QString brindelSiteAddress()
{
    return QStringLiteral("https://brindel.org/");
}

QStringList pageHead(const QString &title, const MetaAnswers &meta)
{
    const QString blank = QStringLiteral(" ");
    QStringList lines{
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">"),
        blank,
        QStringLiteral("<!-- ") + brindelSiteAddress() + QStringLiteral(" -->"),
        blank,
        QStringLiteral("<HTML>"),
        blank,
        QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE>") + title + QStringLiteral("</TITLE>"),
        QStringLiteral(
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;CHARSET=iso-8859-1\">"),
    };
    lines << metaBlock(meta);
    lines << QStringLiteral("<META NAME=\"generator\" CONTENT=\"Brindel 7.2\">")
          << QStringLiteral("</HEAD>");
    return lines;
}
