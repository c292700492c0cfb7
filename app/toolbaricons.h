#pragma once

#include <QColor>
#include <QIcon>
#include <QRectF>
#include <QString>

// The main toolbar's pictures, drawn by the program so that they look the same on every
// desktop, whatever its icon theme. `button` is the toolbar button's name.
QIcon toolBarIcon(const QString &button);

class QPainter;

// A sheet of paper with its top right corner folded, the shape of every document picture.
void drawPageOutline(QPainter &p, QRectF r, qreal corner, const QColor &ink, const QColor &paper);
