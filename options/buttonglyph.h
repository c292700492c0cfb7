#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// Pictures of the personal buttons: files read with Qt's own image reader, shown as glyphs
// whose bottom-left pixel gives the transparent colour (the colour of the picture's
// background, by the speed-button convention).

struct ButtonPicture {
    QImage image;
    QString error; // French, naming the file; empty when the picture was read

    bool ok() const { return error.isEmpty(); }
};

// Reads the picture file `path`, whatever its size.
ButtonPicture readButtonPicture(const QString &path);

// True for a picture of exactly 16 x 16 pixels, the size the options dialog accepts.
bool isButtonPictureSize(const QImage &image);

// The picture with every pixel of its bottom-left pixel's colour made transparent.
QImage transparentGlyph(const QImage &image);
QIcon glyphIcon(const QImage &image);
