#include "wizards/wizardtext.h"

#include <QRegularExpression>

namespace wizardcount
{

std::optional<int> toInteger(const QString &text)
{
    static const QRegularExpression whole(QStringLiteral("^\\s*([+-]?[0-9]+)\\s*$"));
    const QRegularExpressionMatch match = whole.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = match.captured(1).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString notANumberMessage(const QString &text)
{
    return QStringLiteral("« %1 » n'est pas un nombre entier valide.").arg(text);
}

} // namespace wizardcount
