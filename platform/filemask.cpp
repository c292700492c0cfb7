#include "platform/filemask.h"

#include <QRegularExpression>

namespace
{

bool isPlainExtension(QStringView extension)
{
    if (extension.size() != 3)
        return false;
    for (QChar c : extension) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('['))
            return false;
    }
    return true;
}

// Wildcard match of `name` against `pattern` ("*" any run, "?" one character), both lower case.
bool wildcardMatch(QStringView pattern, QStringView name)
{
    qsizetype p = 0, n = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == QLatin1Char('?') || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace

FileMask::FileMask(const QString &mask) : m_text(mask)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    for (const QString &part : mask.split(separators, Qt::SkipEmptyParts)) {
        const QString pattern = part.toLower();
        if (pattern == QLatin1String("*.*") || pattern == QLatin1String("*")) {
            m_patterns = {QStringLiteral("*")};
            return;
        }
        m_patterns.append(pattern);
        const qsizetype dot = pattern.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0 && isPlainExtension(QStringView(pattern).mid(dot + 1)))
            m_patterns.append(pattern + QLatin1Char('*'));
    }
}

bool FileMask::matches(const QString &fileName) const
{
    const QString name = fileName.toLower();
    for (const QString &pattern : m_patterns) {
        if (wildcardMatch(pattern, name))
            return true;
    }
    return false;
}
