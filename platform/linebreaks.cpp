#include "platform/linebreaks.h"

namespace linebreaks
{

QString toLf(QString text)
{
    const qsizetype firstCr = text.indexOf(QLatin1Char('\r'));
    if (firstCr < 0)
        return text;
    QChar *begin = text.data();
    const QChar *end = begin + text.size();
    QChar *out = begin + firstCr;
    for (const QChar *in = out; in < end; ++in) {
        if (*in == QLatin1Char('\r')) {
            *out++ = QLatin1Char('\n');
            if (in + 1 < end && in[1] == QLatin1Char('\n'))
                ++in;
        } else {
            *out++ = *in;
        }
    }
    text.truncate(out - begin);
    return text;
}

QString toCrLf(QStringView text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16 + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            result += QLatin1String("\r\n");
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

qsizetype count(QStringView text)
{
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n')) {
            ++breaks;
        } else if (c == QLatin1Char('\r')) {
            ++breaks;
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        }
    }
    return breaks;
}

} // namespace linebreaks
