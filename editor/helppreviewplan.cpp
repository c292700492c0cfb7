#include "editor/helppreviewplan.h"

#include "platform/atomicfile.h"
#include "platform/filelock.h"
#include "settings/defaultfiles.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFileInfo>

namespace
{

const QString kPageKey = QStringLiteral("fichier");
const QString kFlagKey = QStringLiteral("drapeau");

enum class Viewer { Own, SystemDefault, OtherProgram, None };

Viewer viewerOf(const QString &visuhtml)
{
    const QString value = visuhtml.trimmed();
    if (value == QLatin1String("1"))
        return Viewer::Own;
    if (value == QLatin1String("2"))
        return Viewer::SystemDefault;
    if (value == QLatin1String("3"))
        return Viewer::OtherProgram;
    return Viewer::None;
}

QString ownViewerProgram(const QString &programDir)
{
    return programDir + QStringLiteral("visualisateur");
}

// Keys are looked up in the lines before the first empty one, so missing keys go on top.
void addMissingKeys(const QString &file)
{
    QByteArray missing;
    if (lireparametre(kPageKey, file) == kIndefini)
        missing += "[fichier]=\r\n";
    if (lireparametre(kFlagKey, file) == kIndefini)
        missing += "[drapeau]=0\r\n";
    if (missing.isEmpty())
        return;
    const FileLock lock(file);
    writeFileAtomically(file, missing + readWholeFile(file), file + QLatin1Char('~'));
}

} // namespace

QString mainHelpPage(const QString &programDir, const QString &anchor)
{
    QString page = programDir + QStringLiteral("aide/aide.htm");
    if (!anchor.isEmpty())
        page += QLatin1Char('#') + anchor;
    return page;
}

QString tagHelpPage(const QString &programDir, const QString &selection)
{
    const QString page = programDir + QStringLiteral("aide/balise.htm");
    const QString tag = selection.trimmed().toLower();
    return tag.isEmpty() ? page : page + QLatin1Char('#') + tag;
}

QString localizedHelpPage(const QString &page, const QString &code)
{
    if (code.isEmpty() || code == QLatin1String("fr"))
        return page;
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    const QString file = hash < 0 ? page : page.left(hash);
    const QFileInfo info(file);
    const QString translated =
        info.path() + QLatin1Char('/') + code + QLatin1Char('/') + info.fileName();
    if (!QFileInfo(translated).isFile())
        return page;
    return hash < 0 ? translated : translated + page.mid(hash);
}

QString viewerToStart(const QString &executableDir, const QString &planned)
{
    const QFileInfo beside(QDir(executableDir).filePath(QStringLiteral("visualisateur")));
    return beside.isFile() && beside.isExecutable() ? beside.filePath() : planned;
}

LaunchPlan helpPlan(const QString &visuhtml, const QString &programDir, const QString &page)
{
    switch (viewerOf(visuhtml)) {
    case Viewer::Own:
        return {LaunchPlan::Step::OwnViewer, ownViewerProgram(programDir), page};
    case Viewer::SystemDefault:
    case Viewer::OtherProgram:
        return {LaunchPlan::Step::HelpNeedsOwnViewer, QString(), page};
    case Viewer::None:
        break;
    }
    return {};
}

LaunchPlan previewPlan(const QString &visuhtml, const QString &otherProgram,
                       const QString &programDir, const QString &document)
{
    switch (viewerOf(visuhtml)) {
    case Viewer::Own:
        return {LaunchPlan::Step::OwnViewer, ownViewerProgram(programDir), document};
    case Viewer::SystemDefault:
        return {LaunchPlan::Step::OpenWithDesktop, QString(), document};
    case Viewer::OtherProgram:
        if (otherProgram.trimmed().isEmpty() || otherProgram == kIndefini)
            return {LaunchPlan::Step::NoProgramChosen, QString(), document};
        return {LaunchPlan::Step::StartProgram, otherProgram, document};
    case Viewer::None:
        break;
    }
    return {};
}

void handOffPage(const QString &page, const QString &file)
{
    recreateIfMissing(QStringLiteral("visualisateur.sav"), file);
    addMissingKeys(file);
    ecrireparametre(page, kPageKey, file);
    ecrireparametre(QStringLiteral("1"), kFlagKey, file);
}
