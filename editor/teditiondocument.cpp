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
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextLayout>
#include <QTimer>

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
    applyDisplayMarks();
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

void Tedition::applyDisplayMarks()
{
    if (const QAction *colouring = command(QStringLiteral("Colorationsyntaxique1")))
        m_memo->setColouring(colouring->isChecked());
    if (const QAction *numbers = command(QStringLiteral("Numrosdeligne1")))
        m_memo->setLineNumbers(numbers->isChecked());
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
    FileStamp stamp;
    stamp.path = path;
    if (QFileInfo::exists(path)) {
        LoadedDocument document = loadDocument(path);
        m_control->setText(document.text);
        m_control->setOtherLineEnds(document.format.otherLineEnds);
        m_format = document.format;
        m_format.otherLineEnds.clear(); // the control keeps them up to date
        stamp = document.stamp;
    }
    m_fileName = path;
    m_stamp = stamp;
    setCaption(path);
    markSaved();
}

void Tedition::startUntitled(const QString &caption)
{
    m_fileName.clear();
    m_format = DocumentFormat();
    m_stamp = FileStamp();
    m_readOnly = false;
    setWindowTitle(caption);
    m_control->setModified(true);
    if (QAction *save = command(QStringLiteral("Enregistrer1")))
        save->setEnabled(true);
    m_host->setSaveButtonEnabled(true);
}

void Tedition::setCaption(const QString &name)
{
    m_readOnly =
        !m_fileName.isEmpty() && QFileInfo::exists(m_fileName) && !fileWritable(m_fileName);
    setWindowTitle(m_readOnly ? name + tr(" [lecture seule]") : name);
}

DocumentFormat Tedition::documentFormat() const
{
    DocumentFormat format = m_format;
    format.otherLineEnds = m_control->otherLineEnds();
    return format;
}

void Tedition::takeRecoveredText(const LoadedDocument &recovered, const QString &caption)
{
    m_control->setText(recovered.text);
    m_control->setOtherLineEnds(recovered.format.otherLineEnds);
    m_format = recovered.format;
    m_format.otherLineEnds.clear();
    if (m_fileName.isEmpty())
        setWindowTitle(caption);
    m_control->setModified(true);
    if (QAction *save = command(QStringLiteral("Enregistrer1")))
        save->setEnabled(true);
    m_host->setSaveButtonEnabled(true);
}

void Tedition::markSaved()
{
    Q_EMIT documentSaved();
    m_control->setModified(false);
    if (QAction *save = command(QStringLiteral("Enregistrer1")))
        save->setEnabled(false);
    m_host->setSaveButtonEnabled(false);
}

bool Tedition::sauve()
{
    if (m_fileName.isEmpty())
        return saveAs();
    if (!fileWritable(m_fileName))
        return offerSaveAsForReadOnly();
    if (!confirmOverwrite())
        return false; // the document stays modified, the file as the other program left it
    const QString text = m_control->text();
    DocumentFormat format = documentFormat();
    format.encoding = savingEncoding(m_fileName, text, m_format.encoding);
    FileStamp written;
    if (!guarded(this, [&] { written = saveDocument(m_fileName, text, format); }))
        return false; // the document stays modified, the old file untouched
    m_stamp = written;
    markSaved();
    if (format.encoding != m_format.encoding) {
        m_format.encoding = format.encoding;
        showInformation(this, tr("« %1 » contient des caractères que le codage Windows-1252 ne "
                                 "peut pas représenter : il a été enregistré en UTF-8, qui les "
                                 "garde tels quels.")
                                  .arg(m_fileName));
    }
    return true;
}

bool Tedition::offerSaveAsForReadOnly()
{
    const QString question = tr("Le document %1 ne peut pas être enregistré : le fichier est en "
                                "lecture seule (vous n'avez pas le droit de le modifier).\n"
                                "Voulez-vous l'enregistrer sous un autre nom ?")
                                 .arg(m_fileName);
    return askYesNo(this, question) && saveAs();
}

bool Tedition::confirmOverwrite()
{
    if (m_stamp.path != m_fileName || !m_stamp.changedOnDisk())
        return true;
    if (!QFileInfo::exists(m_fileName))
        return true; // removed meanwhile: nothing of the other program's would be lost
    return askYesNo(this, tr("Le fichier %1 a été modifié par un autre programme (ou dans une "
                             "autre fenêtre) depuis qu'il a été ouvert ou enregistré ici.\n"
                             "Voulez-vous le remplacer par ce document ? Les modifications "
                             "faites ailleurs seront perdues.")
                              .arg(m_fileName));
}

void Tedition::checkFileOnDisk()
{
    if (m_checkingDisk || m_control->isModified() || m_stamp.path != m_fileName ||
        !QFileInfo::exists(m_fileName) || !m_stamp.changedOnDisk())
        return;
    m_checkingDisk = true;
    const bool reload = askYesNo(this, tr("Le fichier %1 a été modifié par un autre programme.\n"
                                          "Voulez-vous le recharger ?")
                                           .arg(m_fileName));
    if (reload) {
        const int caret = m_control->selStart();
        if (guarded(this, [&] { openFile(m_fileName); }))
            m_control->setSelection(caret, 0);
    } else {
        m_stamp = FileStamp::read(m_fileName); // asked once for this change
    }
    m_checkingDisk = false;
}

void Tedition::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Coming back to the program from another one: check the active document's file.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
        if (frame && frame->mdiArea() && frame->mdiArea()->activeSubWindow() == frame)
            QTimer::singleShot(0, this, &Tedition::checkFileOnDisk);
    }
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
    setCaption(QFileInfo(chosen).fileName());
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
    const QFont font(m_memo->font(), &printer);
    painter.setFont(font);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QFontMetrics metrics(font, &printer);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal y = 0;
    // Each line of the document starts a printed line; a line wider than the page goes on
    // over the following printed lines. A page break when the page is full.
    for (int i = 0, count = m_control->lineCount(); i < count; ++i) {
        QTextLayout layout(m_control->line(i), font, &printer);
        layout.setTextOption(wrapping);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(page.width());
        layout.endLayout();
        for (int l = 0; l < layout.lineCount(); ++l) {
            const QTextLine line = layout.lineAt(l);
            if (y > 0 && y + metrics.lineSpacing() > page.height()) {
                printer.newPage();
                y = 0;
            }
            line.draw(&painter, QPointF(0, y - line.y()));
            y += metrics.lineSpacing();
        }
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
