#pragma once

#include <QByteArray>
#include <QImage>

// The program's icon: the blue of the program picture in a rounded square, its initial "B"
// in the title's cream, and the subtitle's orange as a bar beneath. One drawing gives the
// window icon, the PNG files of every size and the scalable SVG file.

// The icon drawn at size × size pixels on a transparent ground.
QImage brindelIcon(int size);

// The same drawing as an SVG document of `size` user units (the letter as a path, so the
// file needs no font).
QByteArray brindelIconSvg(int size = 256);
