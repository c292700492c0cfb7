#pragma once

#include <QString>
#include <QUrl>

// A page to show: a local file and, optionally, an anchor inside it ("page.htm#meta").
struct PageAddress {
    QString filePath; // absolute and cleaned; empty when no page was named
    QString anchor;   // without the '#'; empty for the top of the page

    bool isEmpty() const { return filePath.isEmpty(); }

    // A file URL with the anchor as its fragment; empty for an empty address.
    QUrl toUrl() const;

    // The address as the user reads it: the path, then "#" and the anchor when there is one.
    QString displayText() const;

    // Reads an address given on the command line or in the hand-off file. A relative path is
    // taken from `baseDirectory`. A '#' splits off the anchor unless it belongs to the name of
    // an existing file ("a#b.htm"), so such files still open. "file:" URLs are accepted too.
    static PageAddress parse(const QString &text, const QString &baseDirectory);

    // The address of a local file URL; empty for any other URL.
    static PageAddress fromUrl(const QUrl &url);

    friend bool operator==(const PageAddress &, const PageAddress &) = default;
};
