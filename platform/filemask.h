#pragma once

#include <QString>
#include <QStringList>

// File masks as the dialogs give them ("*.htm;*.gif", "*.*"), matched the way the file
// lists of the program always did: letters regardless of case, "*.*" naming every file
// (with or without a dot), and a three-letter extension also taking the longer extensions
// that begin with it ("*.htm" lists "page.html", "*.jpe" lists "photo.jpeg").
class FileMask
{
public:
    FileMask() = default;
    explicit FileMask(const QString &mask);

    const QString &text() const { return m_text; }
    bool matches(const QString &fileName) const;

private:
    QString m_text;
    QStringList m_patterns; // lower-case wildcard patterns, "*" for every file
};
