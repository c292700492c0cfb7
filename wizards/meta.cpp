#include "wizards/meta.h"

namespace
{

QString named(const char *name, const QString &content)
{
    return metaTag(QString::fromLatin1(name), content);
}

} // namespace

QString metaTag(const QString &name, const QString &content)
{
    return QStringLiteral("<META NAME=\"") + name + QStringLiteral("\" CONTENT=\"") + content +
           QStringLiteral("\">");
}

QStringList metaBlock(const MetaAnswers &a)
{
    QStringList lines;
    auto add = [&](MetaRow row, const QString &field, const QString &line) {
        if (a.isTicked(row) && !field.isEmpty())
            lines << line;
    };
    add(MetaRow::Author, a.author, named("author", a.author));
    add(MetaRow::Keywords, a.keywords, named("keywords", a.keywords));
    add(MetaRow::Description, a.description, named("description", a.description));
    add(MetaRow::RevisitAfter, a.revisitDays,
        named("revisit-after", a.revisitDays + QStringLiteral(" days")));
    add(MetaRow::Copyright, a.copyright, named("copyright", a.copyright));
    // The day and month are written even when empty: only the year decides.
    add(MetaRow::CreationDate, a.year,
        named("creation_date", a.day + QLatin1Char('/') + a.month + QLatin1Char('/') + a.year));
    add(MetaRow::Language, a.language,
        QStringLiteral("<META http-equiv=\"content_language\" CONTENT=\"") + a.language +
            QStringLiteral("\">"));
    return lines;
}
