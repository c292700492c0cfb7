#include "wizards/imagecommands.h"

#include "app/appstate.h"
#include "editor/insertion.h"
#include "editor/textroutines.h"
#include "platform/editorcontrol.h"
#include "platform/filechooser.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "wizards/imagedialogs.h"
#include "wizards/imagemarkup.h"
#include "wizards/links.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>

namespace
{

// The way from the document's directory to the chooser's, while a project is open.
QString relativeDirectory(bool projectOpen, const QString &documentDir, const QString &chosenDir)
{
    if (!projectOpen)
        return QString();
    return cheminrelatif(documentDir, chosenDir, appState().projectDirectory);
}

// Every region the region editor stored in this command, in drawing order. Throws IoError
// when a file lacks one.
MapRegions readRegions(const RegionDrawing &drawing)
{
    const QString directory = programDirectory();
    MapRegions regions;
    const RegionFile rects(directory, RegionShape::Rect);
    for (int n = 1; n <= drawing.storedCount(RegionShape::Rect); ++n)
        regions.rects << *regionrecords::decodeRect(rects.read(n));
    const RegionFile circles(directory, RegionShape::Circle);
    for (int n = 1; n <= drawing.storedCount(RegionShape::Circle); ++n)
        regions.circles << *regionrecords::decodeCircle(circles.read(n));
    const RegionFile polys(directory, RegionShape::Poly);
    for (int n = 1; n <= drawing.storedCount(RegionShape::Poly); ++n)
        regions.polys << *regionrecords::decodePoly(polys.read(n));
    return regions;
}

} // namespace

void insertStaticImage(Tedition &editor)
{
    Tchimage &dialog = Tchimage::instance();
    AppState &state = appState();
    const bool projectOpen = state.projectOpen;
    // The first static image of the run made while a project is open starts in the project
    // directory; later ones start where the user left the chooser.
    if (projectOpen && state.imageChooserAtProject) {
        dialog.chooser()->setDirectory(state.projectDirectory);
        state.imageChooserAtProject = false;
    }
    dialog.FormActivate();
    const bool accepted = modals().execDialog(dialog) == QDialog::Accepted;

    const int rule = startupSettings().normeecriture;
    const QString relative = wizards::applyNameCase(
        relativeDirectory(projectOpen, wizards::directoryPart(editor.fileName()),
                          dialog.chooser()->directory()),
        rule);
    dialog.edit(1)->setText(wizards::applyNameCase(dialog.edit(1)->text(), rule));
    if (!accepted || dialog.chooser()->selectedFileName().isEmpty())
        return;

    StaticImage image;
    image.relativePath = relative;
    image.fileName = dialog.edit(1)->text();
    image.border = dialog.border()->isChecked();
    image.borderValue = dialog.borderValue()->currentText();
    image.height = dialog.edit(2)->text();
    image.width = dialog.edit(3)->text();
    image.alt = dialog.edit(4)->text();
    insertSimple(editor.control(), staticImageTag(image), std::nullopt);
}

void insertImageMap(Tedition &editor)
{
    TMap &dialog = TMap::instance();
    RegionDrawing &drawing = Tdecoupe::instance().drawing();
    // The counts belong to this command: regions of an earlier one are gone with its files.
    drawing.resetCounts();
    const QString directory = programDirectory();
    const auto removeFiles = qScopeGuard([&directory] {
        for (RegionShape shape : {RegionShape::Circle, RegionShape::Rect, RegionShape::Poly})
            RegionFile(directory, shape).remove();
    });

    AppState &state = appState();
    const bool projectOpen = state.projectOpen;
    const QString documentDir = wizards::directoryPart(editor.fileName());
    if (projectOpen)
        dialog.chooser()->setDirectory(state.projectDirectory);
    dialog.FormActivate();
    const bool accepted = modals().execDialog(dialog) == QDialog::Accepted;

    const int rule = startupSettings().normeecriture;
    const QString relative = wizards::applyNameCase(
        relativeDirectory(projectOpen, documentDir, dialog.chooser()->directory()), rule);
    dialog.edit(1)->setText(wizards::applyNameCase(dialog.edit(1)->text(), rule));
    if (!accepted)
        return;

    // Every region is read before anything goes into the document.
    MapRegions regions;
    if (!guarded(&editor, [&] { regions = readRegions(drawing); }))
        return;

    MapImage image;
    image.relativePath = relative;
    image.fileName = dialog.edit(1)->text();
    image.mapName = dialog.edit(2)->text();
    image.height = dialog.edit(3)->text();
    image.width = dialog.edit(4)->text();
    image.border = dialog.border()->isChecked();
    image.borderValue = dialog.borderValue()->currentText();

    EditorControl &control = editor.control();
    const int caret = control.selStart();
    const int line = control.lineFromChar(caret);
    const QStringList lines = imageMapLines(image, regions, caret - control.lineIndex(line),
                                            documentDir, state.projectDirectory);
    EditBlock block(control);
    control.insertLine(line, lines.join(QStringLiteral("\r\n")));
    // The caret ends at the start of the MAP line.
    control.setSelection(control.lineIndex(line + 1), 0);
}

void addImageCommands(Tedition::CommandTable &table)
{
    table.insert(QStringLiteral("Statiques1"), insertStaticImage);
    table.insert(QStringLiteral("Ractive1"), insertImageMap);
}
