// Writes the program's icon files for installation: makeicons OUTPUT_DIR
// gives OUTPUT_DIR/hicolor/<n>x<n>/apps/org.brindel.Brindel.png for every size of the
// desktop's icon theme and OUTPUT_DIR/hicolor/scalable/apps/org.brindel.Brindel.svg.
#include "app/brindelicon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeicons OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor/");
    const QString name = QStringLiteral("/apps/org.brindel.Brindel");
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = out + QStringLiteral("%1x%1").arg(size) + name;
        QDir().mkpath(QFileInfo(dir).path());
        if (!brindelIcon(size).save(dir + QStringLiteral(".png"))) {
            std::fprintf(stderr, "makeicons: cannot write %s.png\n", qPrintable(dir));
            return 1;
        }
    }
    const QString svg = out + QStringLiteral("scalable") + name + QStringLiteral(".svg");
    QDir().mkpath(QFileInfo(svg).path());
    QFile file(svg);
    if (!file.open(QIODevice::WriteOnly) || file.write(brindelIconSvg()) < 0) {
        std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
