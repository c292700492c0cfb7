#pragma once

#include "wizards/meta.h"

#include <QString>
#include <QStringList>

// The head every generated page starts with, shared by the new page and the frames page.

// The program's web site: the help menu's "visit" command and the comment line of every
// generated page.
QString brindelSiteAddress();

// The page's first lines down to "</HEAD>": the document type, the site comment, "<HTML>",
// "<HEAD>", the title as typed, the Content-Type line, the meta block of `meta`, the
// generator line and "</HEAD>". Lines shown as " " are one space, as in every generated page.
QStringList pageHead(const QString &title, const MetaAnswers &meta);
