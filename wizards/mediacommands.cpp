#include "wizards/mediacommands.h"

#include "app/appstate.h"
#include "editor/insertion.h"
#include "editor/textroutines.h"
#include "platform/filechooser.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "wizards/formfielddialogs.h"
#include "wizards/formfieldmarkup.h"
#include "wizards/links.h"
#include "wizards/mediadialogs.h"
#include "wizards/mediamarkup.h"

#include <QLineEdit>

namespace
{

// Shows a sound, media or applet dialog and gives the file reference its answer makes:
// with a project open, the directory tree starts at the project directory and the
// reference leads from the document's directory to the chosen one. Whatever the answer,
// the file-name case applies to the relative part and to the dialog's file-name field.
bool askReference(Tedition &e, ChooserDialog &dialog, QString &reference)
{
    QString rel;
    bool accepted = false;
    if (appState().projectOpen) {
        QString project = appState().projectDirectory;
        if (project.size() > 1 && project.endsWith(QLatin1Char('/')))
            project.chop(1);
        const QString documentDir = wizards::directoryPart(e.fileName());
        dialog.chooser()->setDirectory(project);
        dialog.FormActivate();
        accepted = modals().execDialog(dialog) == QDialog::Accepted;
        rel = cheminrelatif(documentDir, dialog.chooser()->directory(), project);
    } else {
        dialog.FormActivate();
        accepted = modals().execDialog(dialog) == QDialog::Accepted;
    }
    const int norme = startupSettings().normeecriture;
    rel = wizards::applyNameCase(rel, norme);
    dialog.fileEdit()->setText(wizards::applyNameCase(dialog.fileEdit()->text(), norme));
    reference = rel + dialog.fileEdit()->text();
    return accepted;
}

void SonIE1Click(Tedition &e)
{
    Tchson &dialog = Tchson::instance();
    QString source;
    if (askReference(e, dialog, source))
        insertSimple(e.control(), mediamarkup::backgroundSound(source, dialog.text("Edit2")),
                     std::nullopt);
}

void SonNSetIE41Click(Tedition &e)
{
    Tchoix_son &dialog = Tchoix_son::instance();
    QString source;
    if (askReference(e, dialog, source))
        insertSimple(e.control(),
                     mediamarkup::embed(source, dialog.text("Edit2"), dialog.text("Edit3"),
                                        dialog.text("ComboBox1"), dialog.text("cache")),
                     std::nullopt);
}

void Applet1Click(Tedition &e)
{
    Tapplet &dialog = Tapplet::instance();
    QString code;
    if (askReference(e, dialog, code))
        insertSimple(e.control(),
                     mediamarkup::applet(code, dialog.text("Edit2"), dialog.text("Edit3")),
                     std::nullopt);
}

// The image button takes the bare file name as it stands in the field: no directory, no
// case change.
void ImageValider1Click(Tedition &e)
{
    Timg_valid &dialog = Timg_valid::instance();
    dialog.FormActivate();
    if (modals().execDialog(dialog) == QDialog::Accepted)
        insertSimple(e.control(),
                     formfieldmarkup::imageButton(dialog.text("Edit2"), dialog.text("Edit1")).text,
                     std::nullopt);
}

} // namespace

void addMediaCommands(Tedition::CommandTable &t)
{
    t.insert(QStringLiteral("SonIE1"), SonIE1Click);
    t.insert(QStringLiteral("SonNSetIE41"), SonNSetIE41Click);
    t.insert(QStringLiteral("Applet1"), Applet1Click);
    t.insert(QStringLiteral("ImageValider1"), ImageValider1Click);
}
