#pragma once

#include <QString>
#include <QTime>

// "H:M" in decimal without leading zeros: five past nine reads "9:5".
QString heureMinute(const QTime &time);

// The free-space text: before + " : " + whole megabytes + " " + after.
QString espaceLibreTexte(const QString &before, qint64 freeBytes, const QString &after);
