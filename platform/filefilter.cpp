#include "platform/filefilter.h"

QStringList filePatterns(const QString &mask)
{
    QStringList patterns;
    for (const QString &part : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty())
            continue;
        patterns.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    }
    return patterns;
}

QString qtFileFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        entries.append(parts[i] + QStringLiteral(" (") +
                       filePatterns(parts[i + 1]).join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString qtFilterEntry(const QString &qtFilter, int index)
{
    const QStringList entries = qtFilter.split(QStringLiteral(";;"));
    return index >= 1 && index <= entries.size() ? entries[index - 1] : QString();
}

int qtFilterIndex(const QString &qtFilter, const QString &entry)
{
    if (entry.isEmpty())
        return 0;
    return int(qtFilter.split(QStringLiteral(";;")).indexOf(entry)) + 1;
}
