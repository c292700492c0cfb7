#include "viewer/handoff.h"

#include "settings/settingsstore.h"

namespace handoff
{

std::optional<QString> take(const QString &file)
{
    if (lireparametre(QStringLiteral("drapeau"), file).trimmed() != QLatin1String("1"))
        return std::nullopt;
    ecrireparametre(QStringLiteral("0"), QStringLiteral("drapeau"), file);
    return page(file);
}

QString page(const QString &file)
{
    const QString value = lireparametre(QStringLiteral("fichier"), file);
    return value == kIndefini ? QString() : value;
}

} // namespace handoff
