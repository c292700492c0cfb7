#pragma once

#include <QUrl>

// Where a followed link leads, and so who shows it.
struct LinkTarget {
    enum class Kind {
        Page,        // a local page or an anchor: shown in the viewer
        LocalFile,   // a local file that is not a page (picture, archive...): the system opens it
        Web,         // http, https or ftp: the system's browser
        Mail,        // mailto: the system's mail program
        Unsupported, // any other scheme (javascript:, data:...): not followed
    };
    Kind kind = Kind::Unsupported;
    QUrl url; // resolved against the current page

    friend bool operator==(const LinkTarget &, const LinkTarget &) = default;
};

// Classifies the link `href` of the page at `currentPage` (a file URL).
LinkTarget classifyLink(const QUrl &href, const QUrl &currentPage);
