#include "wizards/stylemarkup.h"

#include "editor/textroutines.h"

namespace stylemarkup
{

quint32 mixedColour(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}

quint32 complement(quint32 colour)
{
    return 0xFFFFFFu - (colour & 0xFFFFFFu);
}

QString colourCode(quint32 colour, bool withHash)
{
    return (withHash ? QStringLiteral("#") : QString()) + couleurhexa(colour);
}

QString rule(const QString &size, const QString &width, std::optional<quint32> colour,
             const QString &align)
{
    QString text = QStringLiteral("<HR SIZE=\"") + size + QStringLiteral("\" WIDTH=\"") + width +
                   QLatin1Char('"');
    if (colour)
        text += QStringLiteral(" COLOR=\"#") + couleurhexa(*colour) + QLatin1Char('"');
    if (align != QLatin1String("aucun"))
        text += QStringLiteral(" ALIGN=\"") + align + QLatin1Char('"');
    return text + QLatin1Char('>');
}

const QString &defaultRuleSize()
{
    static const QString size = QStringLiteral("1");
    return size;
}

const QString &defaultRuleWidth()
{
    static const QString width = QStringLiteral("90%");
    return width;
}

List list(bool bulleted, const QString &countText)
{
    List result;
    const std::optional<int> count = wizardcount::toInteger(countText);
    if (!count) {
        result.error = wizardcount::notANumberMessage(countText);
        return result;
    }
    if (*count > wizardcount::kMaxListItems) {
        result.error = QStringLiteral("Cette liste est trop longue : au plus %1 éléments.")
                           .arg(wizardcount::kMaxListItems);
        return result;
    }
    const QString tag = bulleted ? QStringLiteral("UL") : QStringLiteral("OL");
    result.lines << QStringLiteral("<%1>").arg(tag);
    for (int i = 0; i < *count; ++i)
        result.lines << QStringLiteral(" <LI>");
    result.lines << QStringLiteral("</%1>").arg(tag);
    return result;
}

} // namespace stylemarkup
