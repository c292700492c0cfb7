#include "app/startup.h"

#include "analyzer/tanalyseur.h"
#include "app/brindelicon.h"
#include "app/generalhandler.h"
#include "app/recovery.h"
#include "app/tastuce.h"
#include "app/tecran.h"
#include "app/tlogo.h"
#include "app/tprojet.h"
#include "editor/tsauvepapier.h"
#include "options/personaltexts.h"
#include "options/toptions.h"
#include "platform/ioerror.h"
#include "platform/modals.h"
#include "settings/defaultfiles.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/qttranslations.h"
#include "wizards/formfielddialogs.h"
#include "wizards/imagedialogs.h"
#include "wizards/mediadialogs.h"
#include "wizards/styledialogs.h"
#include "wizards/tabledialogs.h"
#include "wizards/tchoix.h"
#include "wizards/tchoixfichier.h"
#include "wizards/tchoixfond.h"
#include "wizards/tchoixsite.h"
#include "wizards/tdebuthtm.h"
#include "wizards/tfichierframe.h"
#include "wizards/tlien.h"
#include "wizards/tmeta.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <memory>

bool prepareSettings()
{
    try {
        recreateIfMissing(QStringLiteral("brindel.sav"), settingsFile());
        lireDemarrage();
        // Qt's own dialogs and buttons speak the language of the dialog language file.
        installQtTranslations(startupSettings().dialogue);
        personalTexts().load(settingsFile());
        return true;
    } catch (const IoError &error) {
        showError(nullptr, QCoreApplication::translate(
                               "demarrage", "Brindel ne peut pas utiliser son répertoire %1 "
                                            "pour ses réglages :\n%2")
                               .arg(QDir::toNativeSeparators(programDirectory()), error.message()));
        return false;
    }
}

void openCommandLineFile(Tecran &tecran, const QStringList &arguments)
{
    // Every argument names a file, so that the desktop's "open with" on several files opens
    // each of them.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments.at(i).isEmpty())
            tecran.ouvredocument(arguments.at(i));
    }
}

int runBrindel(int argc, char **argv)
{
    BrindelApplication app(argc, argv);
    if (!prepareSettings())
        return 1;

    auto splash = std::make_unique<Tlogo>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("Brindel"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(brindelIcon(size)));
    QApplication::setWindowIcon(icon);
    // Ties the windows to the installed desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brindel.Brindel"));
    Tecran tecran;
    // The dialogs that live for the whole run, in their fixed order.
    Tcase_coch::createInstance(&tecran);
    Tradio::createInstance(&tecran);
    Tmot_pass::createInstance(&tecran);
    Tent_cache::createInstance(&tecran);
    Timg_valid::createInstance(&tecran);
    Tderoule::createInstance(&tecran);
    Tremplitableau::createInstance(&tecran);
    Tmeta2::createInstance(&tecran);
    Tmeta::createInstance(&tecran);
    Tdebuthtm::createInstance(&tecran);
    Tchimage::createInstance(&tecran);
    Toptions::createInstance(&tecran);
    Tprojet::createInstance(&tecran);
    TMap::createInstance(&tecran);
    Tdecoupe::createInstance(&tecran);
    Tchson::createInstance(&tecran);
    Tmultimedia::createInstance(&tecran);
    Tchoix_son::createInstance(&tecran);
    Tapplet::createInstance(&tecran);
    Tcouleur::createInstance(&tecran);
    TAstuce::createInstance(&tecran);
    TAstuce::instance().setOptionsDialog([](QWidget *) { Toptions::instance().execute(); });
    TChoix_Site::createInstance(&tecran);
    Tchoixfond::createInstance(&tecran);
    Tanalyseur::createInstance(&tecran);
    TTab::createInstance(&tecran);
    Tchoixfichier::createInstance(&tecran);
    Tchoix::createInstance(&tecran);
    Tsauve_papier::createInstance(&tecran);
    Tfichier_frame::createInstance(&tecran);
    Tlien::createInstance(&tecran);
    splash.reset();
    tecran.show();
    // Unsaved work of a run that did not end normally comes back first, then it is kept.
    RecoveryKeeper recovery(tecran);
    recovery.offerFound();

    openCommandLineFile(tecran, QApplication::arguments());
    return QApplication::exec();
}
