#pragma once

#include <QByteArray>
#include <QString>

// How a local file is shown, judged by its suffix.
enum class PageFormat {
    Html,      // rendered as a page (also files without a suffix)
    PlainText, // style sheets, scripts, channel files, text: shown as written
    Other,     // pictures, archives, documents: not a page
};

PageFormat formatOf(const QString &filePath);

// The text of a page file, decoded by the editor's own rule (valid UTF-8 that is not plain
// ASCII reads as UTF-8, anything else as Windows-1252), so a page shows as it was edited
// whatever charset its markup declares.
QString decodePageBytes(const QByteArray &bytes);

// Markup that shows `text` as written, under the title `title`.
QString plainTextMarkup(const QString &title, const QString &text);
