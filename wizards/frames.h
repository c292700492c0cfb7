#pragma once

#include "editor/markupcommands.h"
#include "wizards/meta.h"

#include <QString>
#include <QStringList>

// The frame markup: the FRAMESET and FRAME elements the editor inserts, and the body of a
// frames page (everything after its head) written by the frames page wizard.
namespace wizards
{

// "<FRAMESET COLS=\"v,*\"></FRAMESET>" (ROWS for rows), the size written as given; the caret
// goes between the two tags.
markup::Insertion framesetInsertion(bool columns, const QString &size);

// "<FRAME SRC=\"file\" NAME=\"name\">", the caret after it.
markup::Insertion frameInsertion(const QString &file, const QString &name);

// One frame of a frames page: the file the field names and its "Redimensionnable" box.
struct FrameFile {
    QString path;
    bool resizable = false;
};

// The answers of the frames page wizard that shape the frameset.
struct FramesetAnswers {
    bool rows = false; // frames one above the other; otherwise side by side
    QString size;      // of the first frame
    QString border;    // separation thickness; "0" writes no BORDER
    FrameFile first;
    FrameFile second;
    QString message; // for browsers without frames, lines separated by line breaks
};

// "<FRAMESET rows=\"size,*\" BORDER=\"b\">" (cols for columns); BORDER is left out when the
// border text is exactly "0".
QString framesetLine(bool rows, const QString &size, const QString &border);

// "<FRAME SRC=\"…\">", with " NORESIZE" before the ">" when the frame may not be resized. A
// file given by its full path is written relative to the file browser's directory
// `browserDir` (through the project directory `projectDir` when neither holds the other);
// any other name is written as it was typed.
QString frameLine(const FrameFile &frame, const QString &browserDir, const QString &projectDir);

// The lines that follow the head of a frames page: the frameset with its two frames, the
// message for browsers without frames, and the end of the page.
QStringList framesPageBody(const FramesetAnswers &answers, const QString &browserDir,
                           const QString &projectDir);

// The whole frames page: the shared page head with its title and meta tags, then the body.
QStringList framesPage(const QString &title, const MetaAnswers &meta,
                       const FramesetAnswers &answers, const QString &browserDir,
                       const QString &projectDir);

// The lines of a multi-line text as a text box holds them: a final line break ends the last
// line rather than starting a new one, and an empty text is one empty line.
QStringList textLines(const QString &text);

} // namespace wizards
