#pragma once

#include <QList>
#include <QRect>

// Geometries for tiling `count` windows inside `area`: horizontally, one above the other
// across the whole width; vertically, side by side over the whole height.
QList<QRect> tileHorizontally(const QRect &area, int count);
QList<QRect> tileVertically(const QRect &area, int count);
