#pragma once

#include <QString>

// Turns a filter written as "Description|*.a;*.b|Description|*.c" into the form Qt's file
// dialogs take: "Description (*.a *.b);;Description (*.c)".
QString qtFileFilter(const QString &pipeFilter);

// The entry of a Qt filter at a 1-based index, or an empty text.
QString qtFilterEntry(const QString &qtFilter, int index);
