#include "viewer/browserengine.h"

#include <QByteArray>
#include <QtGlobal>

#include <unistd.h>

void prepareBrowserEngine()
{
    // The engine renders pages in sandboxed helper processes, and its sandbox refuses to
    // start for the root user (continuous integration and containers run as root). An
    // ordinary user keeps the sandbox; root runs without it rather than not at all.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
}
