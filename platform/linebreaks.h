#pragma once

#include <QString>
#include <QStringView>

// Line breaks inside the program. A text handed to the editor may end its lines with CR LF,
// LF or a lone CR; each of these is one line break.
namespace linebreaks
{

// The text with every line break written as a single "\n". Works in place when `text` is
// not shared, so a whole document is converted without a second copy.
QString toLf(QString text);

// The text with every line break written as CR LF.
QString toCrLf(QStringView text);

// The number of line breaks in the text.
qsizetype count(QStringView text);

} // namespace linebreaks
