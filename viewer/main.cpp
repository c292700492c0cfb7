#include "settings/programdir.h"
#include "viewer/browserengine.h"
#include "viewer/singleinstance.h"
#include "viewer/tvisualisateur.h"

#include <QApplication>
#include <QDir>

// The page viewer: shows the page named by its first argument (or, without one, the page of
// the hand-off file) and keeps following the pages the editor hands over.
int main(int argc, char **argv)
{
    prepareBrowserEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("visualisateur"));

    const QStringList arguments = QApplication::arguments();
    std::optional<PageAddress> page;
    if (arguments.size() > 1)
        page = PageAddress::parse(arguments.at(1), QDir::currentPath());

    SingleInstance instance(SingleInstance::defaultServerPath(programDirectory()));
    if (instance.start() == SingleInstance::Role::Secondary) {
        if (instance.handOver(page ? ViewerRequest::show(*page) : ViewerRequest::raise()))
            return 0;
        // The running viewer did not answer: show the page here rather than nothing.
    }

    Tvisualisateur window(viewerHandOffFile());
    QObject::connect(&instance, &SingleInstance::requestReceived, &window,
                     &Tvisualisateur::handleRequest);
    window.start(page);
    window.showMaximized();
    return QApplication::exec();
}
