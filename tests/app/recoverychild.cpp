// A program that edits a document in the real main window and waits to be killed: the
// recovery test's child process. Arguments: the document, then a file holding the UTF-8
// text to type at its start. The program directory comes from BRINDEL_HOME.
#include "app/generalhandler.h"
#include "app/recovery.h"
#include "app/tecran.h"
#include "editor/tedition.h"
#include "platform/editorcontrol.h"
#include "settings/languagefiles.h"

#include <QFile>

int main(int argc, char **argv)
{
    BrindelApplication app(argc, argv);
    if (argc < 3)
        return 2;
    lireDemarrage();
    Tecran tecran;
    tecran.show();
    RecoveryKeeper recovery(tecran);
    Tedition *editor = tecran.ouvredocument(QString::fromLocal8Bit(argv[1]));
    QFile typed(QString::fromLocal8Bit(argv[2]));
    if (!editor || !typed.open(QIODevice::ReadOnly))
        return 3;
    editor->control().setSelection(0, 0);
    editor->control().replaceSelection(QString::fromUtf8(typed.readAll()));
    return QApplication::exec();
}
