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

struct PageCheck {
    PageProblem problem = PageProblem::None;
    QString messagePage; // the French page that explains the problem; empty when none
};

// Tells whether the browser can be given a local page, reading no more than its first byte.
// Never throws: every failure becomes a message page.
PageCheck checkPage(const QString &filePath);
