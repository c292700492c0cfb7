#include "viewer/pagetext.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

PageFormat formatOf(const QString &filePath)
{
    static constexpr std::array kHtml{"htm", "html", "shtml", "shtm", "xhtml", "xht", "php", "asp"};
    static constexpr std::array kText{"txt", "css", "js",  "cdf",  "xml", "md",  "log",
                                      "sav", "csv", "ini", "json", "mn1", "mn2", "dlg"};
    const QString suffix = QFileInfo(filePath).suffix().toLower();
    if (suffix.isEmpty())
        return PageFormat::Html;
    const auto matches = [&suffix](const char *known) { return suffix == QLatin1String(known); };
    if (std::any_of(kHtml.begin(), kHtml.end(), matches))
        return PageFormat::Html;
    if (std::any_of(kText.begin(), kText.end(), matches))
        return PageFormat::PlainText;
    return PageFormat::Other;
}
