#pragma once

#include <QString>

// How a local file is shown, judged by its suffix.
enum class PageFormat {
    Html,      // rendered as a page (also files without a suffix)
    PlainText, // style sheets, scripts, channel files, text: shown as written
    Other,     // pictures, archives, documents: not a page
};

PageFormat formatOf(const QString &filePath);
