#pragma once

#include <QString>
#include <QStringList>

// The patterns of a mask written as "*.a;*.b", ready for Qt's file dialogs and file lists:
// "*.*", which names every file, becomes "*", so names without a dot (README, Makefile)
// are listed too.
QStringList filePatterns(const QString &mask);

// Turns a filter written as "Description|*.a;*.b|Description|*.c" into the form Qt's file
// dialogs take: "Description (*.a *.b);;Description (*.c)", with the patterns of
// filePatterns.
QString qtFileFilter(const QString &pipeFilter);

// The entry of a Qt filter at a 1-based index, or an empty text.
QString qtFilterEntry(const QString &qtFilter, int index);

// The 1-based index of `entry` in a Qt filter, or 0 when it is not one of its entries.
int qtFilterIndex(const QString &qtFilter, const QString &entry);
