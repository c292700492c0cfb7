// The editor window's document lifecycle: creation, loading, saving, printing, closing.

#include "editor/editorfont.h"
#include "editor/editorhost.h"
#include "editor/tedition.h"
#include "platform/filefilter.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "platform/plaintexteditcontrol.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>

namespace
{

const QString kSaveFilter =
    QStringLiteral("Fichiers Html (*.htm,*.html)|*.htm;*.html|Fichiers Javascript (*.js)|*.js|"
                   "Fichiers Feuille de style (*.css)|*.css|Fichiers Chaine IE (*.cdf)|*.cdf|"
                   "Fichiers CGI (*.pl;*.cgi)|*.pl;*.cgi|Fichiers Texte (*.txt)|*.txt|"
                   "Tous les fichiers (*.*)|*.*");

struct DefaultName {
    const char *caption;
    const char *suffix;
    int filter;
};

// Untitled documents are captioned by their kind; save-as proposes that kind.
constexpr DefaultName kDefaultNames[] = {
    {"(defaut).htm", "htm", 1}, {"(defaut).js", "js", 2},   {"(defaut).css", "css", 3},
    {"(defaut).cdf", "cdf", 4}, {"(defaut).txt", "txt", 6},
};

// The close-question format shared by every editor window, read at each window's creation.
QString &closeQuestionFormat()
{
    static QString format;
    return format;
}

QString fontFile()
{
    return programDirectory() + QStringLiteral("font.sav");
}

} // namespace

void Tedition::FormCreate()
{
    CreationSteps steps(this);
    auto step = [&](auto &&body) { steps.run(body); };
    step([&] { Tedition_creationmenu(); });
    step([&] { closeQuestionFormat() = texteDialogue(5000); });
    step([&] {
        m_positionWords[0] = texteMenu1(601);
        m_positionWords[1] = texteMenu1(602);
        m_positionWords[2] = texteMenu1(603);
    });
    m_fileName.clear();
    applyFontFile();
    m_control->setModified(false);
}

void Tedition::applyFontFile()
{
    QFont font = designEditorFont();
    QColor colour = palette().color(QPalette::Text);
    // A missing, empty or short font.sav simply means no font was chosen yet.
    if (const std::optional<FontRecord> record = readFontRecord(fontFile())) {
        font = fontFromRecord(*record, font);
        colour = colourFromRecord(*record);
    }
    m_memo->setFont(font);
    QPalette colours = m_memo->palette();
    colours.setColor(QPalette::Text, colour);
    m_memo->setPalette(colours);
}

void Tedition::chooseFont()
{
    if (const std::optional<QFont> chosen = modals().font(this, m_memo->font()))
        m_memo->setFont(*chosen);
    guarded(this, [&] {
        writeFontRecord(fontFile(),
                        recordFromFont(m_memo->font(), m_memo->palette().color(QPalette::Text),
                                       m_memo->logicalDpiY()));
    });
}

void Tedition::openFile(const QString &path)
{
    if (QFileInfo::exists(path)) {
        LoadedDocument document = loadDocument(path);
        m_control->setText(document.text);
        m_format = document.format;
    }
    m_fileName = path;
    setWindowTitle(path);
    markSaved();
}

void Tedition::startUntitled(const QString &caption)
{
    m_fileName.clear();
    m_format = DocumentFormat();
    setWindowTitle(caption);
    m_control->setModified(true);
    if (QAction *save = command(QStringLiteral("Enregistrer1")))
        save->setEnabled(true);
    m_host->setSaveButtonEnabled(true);
}

void Tedition::markSaved()
{
    m_control->setModified(false);
    if (QAction *save = command(QStringLiteral("Enregistrer1")))
        save->setEnabled(false);
    m_host->setSaveButtonEnabled(false);
}

bool Tedition::sauve()
{
    if (m_fileName.isEmpty())
        return saveAs();
    if (!guarded(this, [&] { saveDocument(m_fileName, m_control->text(), m_format); }))
        return false; // the document stays modified, the old file untouched
    markSaved();
    return true;
}

bool Tedition::saveAs()
{
    for (const DefaultName &name : kDefaultNames) {
        if (windowTitle() == QLatin1String(name.caption)) {
            m_saveSuffix = QString::fromLatin1(name.suffix);
            m_saveFilter = name.filter;
        }
    }
    Modals::FileRequest request;
    request.directory = m_fileName;
    request.filter = qtFileFilter(kSaveFilter);
    request.selectedFilter = qtFilterEntry(request.filter, m_saveFilter);
    request.defaultSuffix = m_saveSuffix;
    const QString chosen = modals().saveFileName(this, request);
    if (chosen.isEmpty())
        return false;
    // The filter chosen is the one this window proposes at its next save-as.
    if (const int chosenFilter = qtFilterIndex(request.filter, request.selectedFilter))
        m_saveFilter = chosenFilter;
    const QString previous = m_fileName;
    m_fileName = chosen;
    if (!sauve()) {
        m_fileName = previous;
        return false;
    }
    setWindowTitle(QFileInfo(chosen).fileName());
    return true;
}

void Tedition::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!modals().printDialog(this, printer))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        showError(this, tr("Impossible d'imprimer : l'imprimante n'a pas pu être ouverte."));
        return;
    }
    painter.setFont(QFont(m_memo->font(), &printer));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int y = metrics.ascent();
    // Each line of the document is one printed line; a page break when the page is full.
    for (int i = 0, count = m_control->lineCount(); i < count; ++i) {
        if (y + metrics.descent() > pageHeight) {
            printer.newPage();
            y = metrics.ascent();
        }
        painter.drawText(0, y, m_control->line(i));
        y += metrics.lineSpacing();
    }
    painter.end();
}

bool Tedition::FormCloseQuery()
{
    if (!m_control->isModified())
        return true;
    QString caption = windowTitle();
    QString format = closeQuestionFormat();
    try {
        if (caption.isEmpty())
            caption = texteDialogue(805);
    } catch (const IoError &) {
        caption = tr("(sans titre)");
    }
    if (!format.contains(QLatin1String("%1")))
        format = tr("Enregistrer les modifications de « %1 » ?");
    switch (askYesNoCancel(this, format.arg(caption))) {
    case QMessageBox::Yes:
        // A save that did not happen (save-as cancelled, write failed) keeps the window.
        return sauve();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void Tedition::closeEvent(QCloseEvent *event)
{
    if (m_closeApproved || FormCloseQuery()) {
        m_closeApproved = true;
        m_host->setStatusPanel(1, QString());
        m_host->setStatusPanel(4, QString());
        event->accept();
    } else {
        event->ignore();
    }
}

void Tedition::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
    refreshMenuStates();
}
