#pragma once

#include "wizards/regionfiles.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

// The markup of the picture commands: the static IMG tag and the image map (IMG with USEMAP,
// MAP, one AREA per region, end of MAP). Pure text; the dialogs gather the answers.

struct StaticImage {
    QString relativePath; // empty or ending with "/"
    QString fileName;
    bool border = true;
    QString borderValue;
    QString height, width; // written only when both are given
    QString alt;
};

// "<IMG SRC=\"...\" BORDER=\"0\" HEIGHT=\"40\" WIDTH=\"120\" ALT=\"logo.gif\">".
QString staticImageTag(const StaticImage &image);

struct MapImage {
    QString relativePath;
    QString fileName;
    QString height, width; // written only when both are given
    QString mapName;
    bool border = true;
    QString borderValue;
};

// The map's IMG line, without indentation.
QString mapImageLine(const MapImage &image);

// Radius of a circle drawn from its centre to a second point: the distance, rounded.
int circleRadius(QPoint centre, QPoint point);

QString rectCoords(const RectRegion &region);
QString circleCoords(const CircleRegion &region);
// The vertices up to the first unset slot, "x,y,x,y"; empty for no vertex.
QString polyCoords(const PolyRegion &region);

// Where a region leads: its link as given, or for a link to a local file given by an absolute
// path, the way from the document's directory to it (`cheminrelatif` + bare name). A file
// link given as a relative name is kept as typed.
QString areaHref(const RegionLink &link, const QString &documentDir, const QString &projectDir);

// The regions of one map, each list in drawing order.
struct MapRegions {
    QList<RectRegion> rects;
    QList<CircleRegion> circles;
    QList<PolyRegion> polys;
};

// Every line of the map in reading order: the IMG line without indentation; then, each behind
// (caretColumn + 1) spaces, the MAP line, the rectangles, circles and polygons (each kind last
// drawn first) and "</MAP>".
QStringList imageMapLines(const MapImage &image, const MapRegions &regions, int caretColumn,
                          const QString &documentDir, const QString &projectDir);
