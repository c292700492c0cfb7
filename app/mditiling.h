#pragma once

#include <QList>
#include <QRect>

// Geometries for tiling `count` windows inside `area`: horizontally, one above the other
// across the whole width; vertically, side by side over the whole height.
QList<QRect> tileHorizontally(const QRect &area, int count);
QList<QRect> tileVertically(const QRect &area, int count);

// Geometries for cascading `count` windows inside `area`: each two thirds of the area's
// width and height, stepped `step` pixels down and right from the top left corner, and
// starting again at the corner before a window would cross the area's edge.
QList<QRect> cascade(const QRect &area, int count, int step);

// Where a new window of `size` goes when `index` windows are already open: the cascade
// position of that rank, the window cut to the area and kept wholly inside it.
QRect cascadePlace(const QRect &area, const QSize &size, int index, int step);
