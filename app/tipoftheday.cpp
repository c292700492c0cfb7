#include "app/tipoftheday.h"

int tipNumberFromSetting(const QString &value)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    return ok && number >= 1 && number <= kTipCount ? number : 1;
}

int nextTipNumber(int number)
{
    return number + 1 > kTipCount || number < 1 ? 1 : number + 1;
}

int tipTextNumber(int number)
{
    return 3109 + number;
}
