// Decode times of large pictures and the time to write, read and insert a large image map.

#include "bench/benchclock.h"
#include "platform/editorcontrol.h"
#include "platform/memoryeditorcontrol.h"
#include "platform/pictures.h"
#include "wizards/imagemarkup.h"
#include "wizards/regionfiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

QImage noisyPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 rngState = 12345;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            rngState = rngState * 1103515245u + 12345u;
            line[x] = qRgb((x + (rngState >> 24)) & 0xFF, (y * 3) & 0xFF, (x ^ y) & 0xFF);
        }
    }
    return image;
}

void decodeBench(const QString &path, const char *label)
{
    Clock clock;
    const PictureResult result = readPicture(path);
    std::printf("%-32s %5d × %-5d %8.1f ms (processeur %8.1f ms)%s\n", label, result.image.width(),
                result.image.height(), clock.wallMs(), clock.cpuMs(), result.ok() ? "" : "  ÉCHEC");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QString error;

    std::printf("Décodage\n");
    const QImage photo = noisyPicture(3264, 2448); // 8 Mpx
    writeJpeg(photo, dir.filePath("photo.jpg"), 85, &error);
    decodeBench(dir.filePath("photo.jpg"), "JPEG 8 mégapixels");
    const QImage square = noisyPicture(4000, 4000);
    writePng(square, dir.filePath("carre.png"), &error);
    decodeBench(dir.filePath("carre.png"), "PNG 4000 × 4000");

    std::printf("Carte réactive\n");
    const QString home = dir.path();
    MapRegions regions;
    {
        Clock clock;
        const RegionFile rects(home, RegionShape::Rect);
        for (int n = 1; n <= 1000; ++n)
            rects.write(n, regionrecords::encode(RectRegion{{n, n},
                                                            {n + 10, n + 20},
                                                            {QStringLiteral("page%1.htm").arg(n),
                                                             QStringLiteral("Zone %1").arg(n)}}));
        const RegionFile polys(home, RegionShape::Poly);
        for (int n = 1; n <= 100; ++n) {
            PolyRegion poly;
            for (int v = 0; v < PolyRegion::kSlots; ++v)
                poly.vertices[size_t(v)] = {v * 3, n + v};
            poly.link = {QStringLiteral("p%1.htm").arg(n), QStringLiteral("P"), false};
            polys.write(n, regionrecords::encode(poly));
        }
        std::printf("%-32s %8.1f ms (processeur %8.1f ms)\n", "écrire 1000 rect. + 100 poly.",
                    clock.wallMs(), clock.cpuMs());
    }
    {
        Clock clock;
        const RegionFile rects(home, RegionShape::Rect);
        for (int n = 1; n <= 1000; ++n)
            regions.rects << *regionrecords::decodeRect(rects.read(n));
        const RegionFile polys(home, RegionShape::Poly);
        for (int n = 1; n <= 100; ++n)
            regions.polys << *regionrecords::decodePoly(polys.read(n));
        std::printf("%-32s %8.1f ms (processeur %8.1f ms)\n", "relire les 1100 zones",
                    clock.wallMs(), clock.cpuMs());
    }
    MemoryEditorControl control;
    QString document;
    const QString line = QStringLiteral("<P>Une ligne de texte ordinaire dans la page.</P>\r\n");
    while (document.size() < 5 * 1024 * 1024)
        document += line;
    control.setText(document);
    control.setSelection(control.lineIndex(control.lineCount() / 2) + 4, 0);
    {
        Clock clock;
        const int caret = control.selStart();
        const int at = control.lineFromChar(caret);
        const QStringList lines = imageMapLines(
            {QString(), QStringLiteral("plan.gif"), QStringLiteral("100"), QStringLiteral("200"),
             QStringLiteral("plan"), true, QStringLiteral("0")},
            regions, caret - control.lineIndex(at), QString(), QString());
        EditBlock block(control);
        control.insertLine(at, lines.join(QStringLiteral("\r\n")));
        control.setSelection(control.lineIndex(at + 1), 0);
        std::printf("%-32s %8.1f ms (processeur %8.1f ms), %lld lignes\n",
                    "insérer la carte (doc. 5 Mo)", clock.wallMs(), clock.cpuMs(),
                    static_cast<long long>(lines.size()));
    }
    return 0;
}
