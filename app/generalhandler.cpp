#include "app/generalhandler.h"

#include "platform/ioerror.h"
#include "platform/modals.h"

#include <exception>

namespace
{

bool g_reporting = false;

} // namespace

void reportFailure(const QString &message)
{
    if (g_reporting) {
        qWarning("%s", qUtf8Printable(message));
        return;
    }
    g_reporting = true;
    try {
        showError(QApplication::activeWindow(), message);
    } catch (...) {
        qWarning("%s", qUtf8Printable(message));
    }
    g_reporting = false;
}

QString RepeatingHandler::currentFailureMessage()
{
    try {
        throw;
    } catch (const IoError &error) {
        return error.message();
    } catch (const std::exception &error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QApplication::translate("general", "Erreur inattendue.");
    }
}

void RepeatingHandler::failed(const QString &message)
{
    if (m_failing)
        return;
    m_failing = true;
    reportFailure(message);
}

BrindelApplication::BrindelApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool BrindelApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // An event that fails the same way each time it comes (a repaint, a timer without
        // its own handler) is shown once; a different failure is shown again.
        const QString message = RepeatingHandler::currentFailureMessage();
        if (message != m_lastEventFailure) {
            m_lastEventFailure = message;
            reportFailure(message);
        } else {
            qWarning("%s", qUtf8Printable(message));
        }
    }
    return false;
}
