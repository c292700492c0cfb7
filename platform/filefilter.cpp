#include "platform/filefilter.h"

#include <QStringList>

QString qtFileFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString qtFilterEntry(const QString &qtFilter, int index)
{
    const QStringList entries = qtFilter.split(QStringLiteral(";;"));
    return index >= 1 && index <= entries.size() ? entries[index - 1] : QString();
}
