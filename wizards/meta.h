#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The meta tags of a new page and of the single meta tag command.

// The rows of the meta tags dialog, in its order.
enum class MetaRow {
    Author,
    Keywords,
    Description,
    RevisitAfter,
    Copyright,
    CreationDate,
    Language,
    Email
};
inline constexpr int kMetaRowCount = 8;

// What the meta tags dialog holds: a tick per row and the fields as typed.
struct MetaAnswers {
    std::array<bool, kMetaRowCount> ticked{};
    QString author;
    QString keywords;
    QString description;
    QString revisitDays;
    QString copyright;
    QString day;   // creation date, up to two characters
    QString month; // up to two characters
    QString year;  // up to four characters
    QString language = QStringLiteral("fr");
    QString email; // kept by the dialog, written by no page

    bool isTicked(MetaRow row) const { return ticked[std::size_t(row)]; }
    void setTicked(MetaRow row, bool on) { ticked[std::size_t(row)] = on; }
};

// One META element: <META NAME="name" CONTENT="content">, both values as typed.
QString metaTag(const QString &name, const QString &content);

// The meta lines of a new page's head, in their fixed order: each ticked row whose field
// (for the date, its year) is not empty gives one line. The e-mail row gives none.
QStringList metaBlock(const MetaAnswers &answers);
