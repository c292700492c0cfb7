#pragma once

#include <QPixmap>

// The picture of the splash window and the about box, drawn at the given size.
QPixmap brindelPicture(const QSize &size);
