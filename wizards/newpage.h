#pragma once

#include "wizards/meta.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// The new HTML page and the channel file skeleton.

// The five colour rows of the new page wizard, in their order.
enum class PageColour { Background, Text, Link, ActiveLink, VisitedLink };
inline constexpr int kPageColourCount = 5;

// Colours as couleurhexa takes them: red in the low byte, green in the next, blue in the third.
inline constexpr std::array<quint32, kPageColourCount> kInitialPageColours{
    0xFFFFFFu, // white
    0x000000u, // black
    0xFF0000u, // blue
    0x0000FFu, // red
    0x800080u, // purple (128, 0, 128)
};

// The answers of the new page wizard.
struct NewPageAnswers {
    QString title;
    std::array<bool, kPageColourCount> colourTicked{};
    std::array<quint32, kPageColourCount> colours = kInitialPageColours;
    bool backgroundTicked = false;
    QString imagePath;        // the chosen background picture, "/" path; empty when none
    QString projectDirectory; // the current project directory

    bool isTicked(PageColour c) const { return colourTicked[std::size_t(c)]; }
};

// The BACKGROUND value: the picture's directory relative to the project directory, then its
// bare name. A picture outside the project gives its bare name; none gives "".
QString backgroundValue(const QString &imagePath, const QString &projectDirectory);

// "<BODY", the ticked attributes (BACKGROUND, BGCOLOR, TEXT, LINK, ALINK, VLINK), ">".
QString bodyLine(const NewPageAnswers &answers);

// The whole page, one text per line: the shared head, then the body.
QStringList newPage(const NewPageAnswers &answers, const MetaAnswers &meta);

// The line the caret goes to in a new page: the middle of the three blank lines between the
// BODY line and "</BODY>", four lines above the last.
int newPageCaretLine(const QStringList &lines);

// The channel file's seventeen lines; leading spaces belong to the lines.
QStringList channelSkeleton();
