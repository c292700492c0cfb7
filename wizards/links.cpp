#include "wizards/links.h"

#include "editor/textroutines.h"

namespace wizards
{

namespace
{

QString targetAttribute(const QString &target)
{
    if (target == kNoTarget)
        return QString();
    return QStringLiteral(" TARGET=\"") + target + QLatin1Char('"');
}

} // namespace

markup::Insertion siteLink(const QString &address, const QString &text, const QString &target)
{
    const QString open = QStringLiteral("<A HREF=\"") + address + QLatin1Char('"') +
                         targetAttribute(target) + QLatin1Char('>');
    return {open + text + QStringLiteral("</A>"), int(open.size())};
}

markup::Insertion fileLink(const QString &prefix, const QString &name, const QString &target)
{
    const QString open = QStringLiteral("<A HREF=\"") + prefix + name + QLatin1Char('"') +
                         targetAttribute(target) + QLatin1Char('>');
    return {open + QStringLiteral("</A>"), int(open.size())};
}

markup::Insertion mailLink(const QString &address, const QString &subject)
{
    QString open = QStringLiteral("<A HREF=\"mailto:") + address;
    if (!subject.isEmpty())
        open += QStringLiteral("?subject=") + subject;
    open += QStringLiteral("\">");
    return {open + QStringLiteral("</A>"), int(open.size())};
}

QString applyNameCase(const QString &text, int normeecriture)
{
    switch (normeecriture) {
    case 1:
        return text.toLower();
    case 2:
        return text.toUpper();
    default:
        return text;
    }
}

QString directoryPart(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    if (slash == 0)
        return QStringLiteral("/");
    return path.left(slash);
}

QString fileNamePart(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString fileLinkPrefix(bool projectOpen, const QString &documentPath, const QString &chosenPath,
                       const QString &projectDir)
{
    // With nothing chosen in the file dialog there is no directory to lead to: the name in
    // the field stands alone.
    if (!projectOpen || chosenPath.isEmpty())
        return QString();
    return cheminrelatif(directoryPart(documentPath), directoryPart(chosenPath), projectDir);
}

LinkTarget linkTarget(LinkKind kind, const LinkFields &fields)
{
    switch (kind) {
    case LinkKind::Url:
        return {fields.url, false};
    case LinkKind::Mailto:
        return {QStringLiteral("mailto:") + fields.mail, false};
    case LinkKind::File:
        return {fields.file, true};
    case LinkKind::Anchor:
        return {fields.anchor, false};
    }
    return {};
}

} // namespace wizards
