#pragma once

#include "platform/pictures.h"

#include <QString>

// The image chooser's conversions: the selected file decoded again (never whatever the
// preview holds) and written beside it under the same name with ".jpg" or ".png".
struct ConversionResult {
    QString written; // the file written
    QString error;   // French message; empty on success
    bool ok() const { return error.isEmpty(); }
};

// The converted file's path: the source's directory and name with `extension` in place of
// its own ("photo.gif" → "photo.jpg").
QString convertedPath(const QString &source, const QString &extension);

// `qualityText` is the JPEG quality as typed: a whole number from 1 to 100.
ConversionResult convertToJpeg(const QString &source, const QString &qualityText);
ConversionResult convertToPng(const QString &source);
