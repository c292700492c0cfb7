#include "wizards/imagemarkup.h"

#include "editor/textroutines.h"

#include <QFileInfo>

#include <cmath>

namespace
{

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString joined(std::initializer_list<qint64> numbers)
{
    QStringList parts;
    for (qint64 n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(','));
}

QString areaLine(const QString &prefix, const QString &href, const char *shape,
                 const QString &coords, const QString &alt)
{
    return prefix + QStringLiteral("<AREA HREF=") + quoted(href) + QStringLiteral(" SHAPE=") +
           quoted(QLatin1String(shape)) + QStringLiteral(" COORDS=") + quoted(coords) +
           QStringLiteral(" ALT=") + quoted(alt) + QLatin1Char('>');
}

} // namespace

QString staticImageTag(const StaticImage &image)
{
    QString tag = QStringLiteral("<IMG SRC=") + quoted(image.relativePath + image.fileName);
    if (image.border)
        tag += QStringLiteral(" BORDER=") + quoted(image.borderValue);
    if (!image.height.isEmpty() && !image.width.isEmpty())
        tag += QStringLiteral(" HEIGHT=") + quoted(image.height) + QStringLiteral(" WIDTH=") +
               quoted(image.width);
    if (!image.alt.isEmpty())
        tag += QStringLiteral(" ALT=") + quoted(image.alt);
    return tag + QLatin1Char('>');
}

QString mapImageLine(const MapImage &image)
{
    QString line = QStringLiteral("<IMG SRC=\"") + image.relativePath + image.fileName;
    if (!image.width.isEmpty() && !image.height.isEmpty())
        line += QStringLiteral("\" HEIGHT=\"") + image.height + QStringLiteral("\" WIDTH=\"") +
                image.width;
    line += QStringLiteral("\" USEMAP=\"#") + image.mapName;
    if (image.border)
        line += QStringLiteral("\" BORDER=\"") + image.borderValue + QStringLiteral("\">");
    else
        line += QStringLiteral("\">");
    return line;
}

int circleRadius(QPoint centre, QPoint point)
{
    const double dx = double(point.x()) - centre.x();
    const double dy = double(point.y()) - centre.y();
    return int(std::lround(std::sqrt(dx * dx + dy * dy)));
}

QString rectCoords(const RectRegion &region)
{
    return joined({region.first.x(), region.first.y(), region.second.x(), region.second.y()});
}

QString circleCoords(const CircleRegion &region)
{
    return joined({region.centre.x(), region.centre.y(), region.radius});
}

QString polyCoords(const PolyRegion &region)
{
    QStringList parts;
    const int count = region.vertexCount();
    for (int i = 0; i < count; ++i) {
        parts << QString::number(region.vertices[size_t(i)].x())
              << QString::number(region.vertices[size_t(i)].y());
    }
    return parts.join(QLatin1Char(','));
}

QString areaHref(const RegionLink &link, const QString &documentDir, const QString &projectDir)
{
    if (!link.fileLink || !QFileInfo(link.link).isAbsolute())
        return link.link;
    const QFileInfo target(link.link);
    return cheminrelatif(documentDir, target.path(), projectDir) + target.fileName();
}

QStringList imageMapLines(const MapImage &image, const MapRegions &regions, int caretColumn,
                          const QString &documentDir, const QString &projectDir)
{
    const QString prefix(qMax(caretColumn, 0) + 1, QLatin1Char(' '));
    QStringList lines;
    lines.reserve(regions.rects.size() + regions.circles.size() + regions.polys.size() + 3);
    lines << mapImageLine(image);
    lines << prefix + QStringLiteral("<MAP NAME=\"") + image.mapName + QStringLiteral("\">");
    for (auto it = regions.rects.crbegin(); it != regions.rects.crend(); ++it)
        lines << areaLine(prefix, areaHref(it->link, documentDir, projectDir), "rect",
                          rectCoords(*it), it->link.text);
    for (auto it = regions.circles.crbegin(); it != regions.circles.crend(); ++it)
        lines << areaLine(prefix, areaHref(it->link, documentDir, projectDir), "circle",
                          circleCoords(*it), it->link.text);
    for (auto it = regions.polys.crbegin(); it != regions.polys.crend(); ++it)
        lines << areaLine(prefix, areaHref(it->link, documentDir, projectDir), "poly",
                          polyCoords(*it), it->link.text);
    lines << prefix + QStringLiteral("</MAP>");
    return lines;
}
