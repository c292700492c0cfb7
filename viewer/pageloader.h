#pragma once

#include <QString>

// Why a page could not be shown.
enum class PageProblem {
    None,
    NoPage,         // no page was named
    Missing,        // nothing at that path
    Directory,      // the path names a directory
    NotRegularFile, // a device, pipe or socket: reading it could block or never end
    Unreadable,     // the file exists but reading it failed
};

struct LoadedPage {
    PageProblem problem = PageProblem::None;
    QString markup; // the page, or the French message page that explains the problem
};

// Reads and decodes a local page for the browser. Never throws: every failure becomes a
// message page.
LoadedPage loadPage(const QString &filePath);
