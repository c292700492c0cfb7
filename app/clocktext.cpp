#include "app/clocktext.h"

QString heureMinute(const QTime &time)
{
    return QString::number(time.hour()) + QLatin1Char(':') + QString::number(time.minute());
}

QString espaceLibreTexte(const QString &before, qint64 freeBytes, const QString &after)
{
    const qint64 megabytes = freeBytes < 0 ? 0 : freeBytes / 1048576;
    return before + QStringLiteral(" : ") + QString::number(megabytes) + QLatin1Char(' ') + after;
}
