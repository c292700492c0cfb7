#include "app/startup.h"

#include <QApplication>

int runBrindel(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brindel"));
    return 0;
}
