#pragma once

#include <QString>

// What showing a help page or previewing a document comes down to, decided from the viewer
// settings (`visuhtml`, `cheminvisuhtml`) without touching any window, and the hand-off file
// (visualisateur.sav) through which the page viewer learns which page to show.

// The main help page, program directory + "aide/aide.htm", at `anchor` when one is given.
QString mainHelpPage(const QString &programDir, const QString &anchor = QString());

// The tag reference page at the selected tag name: program directory + "aide/balise.htm#" +
// the name in lower case. Surrounding blanks are not part of the name; a blank selection gives
// the top of the page.
QString tagHelpPage(const QString &programDir, const QString &selection);

// The help page in the language whose code is `code` ("en"): the file of the same name in
// the page folder's `code` subfolder (aide/en/aide.htm), at the same anchor, when it exists;
// `page` itself otherwise and for French, the language the pages are written in.
QString localizedHelpPage(const QString &page, const QString &code);

struct LaunchPlan {
    enum class Step {
        Nothing,            // the viewer setting names no viewer
        OwnViewer,          // hand `target` over, then start `program` with `target`
        OpenWithDesktop,    // open the file `target` with the system's default program
        StartProgram,       // start `program` with `target`
        HelpNeedsOwnViewer, // help pages are shown only by the own viewer (dialog text 5)
        NoProgramChosen,    // "other program" is chosen but its path is empty
    };

    Step step = Step::Nothing;
    QString program;
    QString target; // the page or document to show

    friend bool operator==(const LaunchPlan &, const LaunchPlan &) = default;
};

// Showing the help page `page`.
LaunchPlan helpPlan(const QString &visuhtml, const QString &programDir, const QString &page);

// Previewing the saved document `document`; `otherProgram` is the value of cheminvisuhtml.
LaunchPlan previewPlan(const QString &visuhtml, const QString &otherProgram,
                       const QString &programDir, const QString &document);

// The page viewer to start for an own-viewer plan: the `visualisateur` beside the running
// program (in `executableDir`) when there is one, so that a program directory set elsewhere
// (BRINDEL_HOME) still starts the viewer that came with this program; otherwise `planned`,
// the one in the program directory.
QString viewerToStart(const QString &executableDir, const QString &planned);

// Writes `fichier` <- page and then `drapeau` <- "1" into the hand-off file `file`. A missing
// file is first made from the installed default, and a file that lacks one of the two keys
// gets it, so the page is never silently dropped. Throws IoError when the file cannot be
// written.
void handOffPage(const QString &page, const QString &file);
