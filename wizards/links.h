#pragma once

#include "editor/markupcommands.h"

#include <QLatin1String>
#include <QString>

// The link markup: links to a site, a file or an e-mail address, the file-name case rule for
// file links, and the result of the link-type dialog.
namespace wizards
{

// The TARGET value that means "no TARGET attribute".
constexpr QLatin1String kNoTarget("aucun");

// "<A HREF=\"address\">text</A>", with TARGET when `target` is not exactly "aucun"; the caret
// goes after the opening tag, before the link text.
markup::Insertion siteLink(const QString &address, const QString &text, const QString &target);

// "<A HREF=\"" + prefix + name + "\"" [+ TARGET] + "></A>", the caret between the tags.
markup::Insertion fileLink(const QString &prefix, const QString &name, const QString &target);

// A mailto link, with "?subject=" when the subject is not empty (written as typed); the
// caret between the tags.
markup::Insertion mailLink(const QString &address, const QString &subject);

// The file-name case setting: 1 lower case, 2 upper case, anything else as given.
QString applyNameCase(const QString &text, int normeecriture);

// The directory of a "/" path, without its trailing separator ("/" for a file at the root),
// or an empty text for a name without a directory.
QString directoryPart(const QString &path);

// The bare file name of a "/" path.
QString fileNamePart(const QString &path);

// The prefix of a file link: empty unless a project is open and a file was chosen in the
// file dialog (`chosenPath`, a full path); then the way from the document's directory to
// the chosen file's directory (through the project directory when neither holds the other).
QString fileLinkPrefix(bool projectOpen, const QString &documentPath, const QString &chosenPath,
                       const QString &projectDir);

// What the link-type dialog returns, by its checked choice.
enum class LinkKind { Url, Mailto, File, Anchor };

struct LinkTarget {
    QString target;
    bool isFile = false; // the caller treats the target as a file name
};

struct LinkFields {
    QString url;
    QString mail;
    QString file;
    QString anchor;
};

LinkTarget linkTarget(LinkKind kind, const LinkFields &fields);

} // namespace wizards
