#include "editor/tedition.h"

#include "editor/editorhost.h"
#include "platform/atomicfile.h"
#include "platform/cp1252.h"
#include "platform/filefilter.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace {

const QSet<QString> &builtCommands()
{
    static const QSet<QString> names = {
        QStringLiteral("Enregistrer1"),   QStringLiteral("Enregistrersous1"),
        QStringLiteral("OuvrirFichier1"), QStringLiteral("Quitter1"),
        QStringLiteral("Coller2"),        QStringLiteral("Fermerlafentrecourante1"),
    };
    return names;
}

} // namespace

Tedition::Tedition(EditorHost *host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("Tedition"));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("memo1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_memo);
    buildMenus();
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        refreshStatus();
        if (QAction *save = command(QStringLiteral("Enregistrer1")))
            save->setEnabled(true);
        m_host->setSaveButtonEnabled(true);
    });
    connect(m_memo, &QPlainTextEdit::cursorPositionChanged, this, &Tedition::refreshStatus);
}

Tedition::~Tedition() = default;

bool Tedition::providesCommand(const QString &name) { return builtCommands().contains(name); }

void Tedition::buildMenus()
{
    auto add = [this](QMenu *menu, const char *name, const QString &caption,
                      const QKeySequence &shortcut, auto &&slot) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    auto *file = new QMenu(QStringLiteral("&Fichier"), this);
    file->setObjectName(QStringLiteral("Fichier1"));
    add(file, "OuvrirFichier1", QStringLiteral("&Ouvrir fichier"), {},
        [this] { m_host->openFileCommand(); });
    add(file, "Enregistrer1", QStringLiteral("&Enregistrer"), QKeySequence(Qt::CTRL | Qt::Key_S),
        [this] { sauve(); })
        ->setEnabled(false);
    add(file, "Enregistrersous1", QStringLiteral("En&registrer sous..."), {}, [this] { saveAs(); });
    add(file, "Quitter1", QStringLiteral("&Quitter"), {}, [this] { m_host->quitCommand(); });

    auto *windows = new QMenu(QStringLiteral("Fe&nêtres"), this);
    windows->setObjectName(QStringLiteral("Fentres1"));
    add(windows, "Fermerlafentrecourante1", QStringLiteral("&Fermer la fenêtre courante"), {},
        [this] { parentWidget() ? parentWidget()->close() : close(); });
    connect(windows, &QMenu::aboutToShow, this, [this, windows] { m_host->fillWindowList(windows); });

    auto *edit = new QMenu(QStringLiteral("&Edition"), this);
    edit->setObjectName(QStringLiteral("Edition1"));
    add(edit, "Coller2", QStringLiteral("C&oller"), QKeySequence(Qt::CTRL | Qt::Key_V),
        [this] { m_memo->paste(); });

    m_menus = {file, edit, windows};
}

QAction *Tedition::command(const QString &name) const
{
    for (QMenu *menu : m_menus) {
        if (auto *found = menu->findChild<QAction *>(name))
            return found;
    }
    return nullptr;
}

void Tedition::runCommand(const QString &name)
{
    QAction *action = command(name);
    if (action && action->isEnabled())
        action->trigger();
}

void Tedition::setAutoTransformChecked(bool) {}

void Tedition::openFile(const QString &path)
{
    m_fileName = path;
    setWindowTitle(path);
    if (QFileInfo::exists(path)) {
        const QByteArray bytes = readWholeFile(path);
        auto utf8 = QStringDecoder(QStringDecoder::Utf8);
        const QString asUtf8 = utf8.decode(bytes);
        m_memo->setPlainText(utf8.hasError() ? cp1252::decode(bytes) : asUtf8);
    }
    m_memo->document()->setModified(false);
    if (QAction *save = command(QStringLiteral("Enregistrer1")))
        save->setEnabled(false);
}

void Tedition::writeDocument(const QString &path)
{
    QString text = m_memo->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    writeFileAtomically(path, cp1252::encode(text), path + QStringLiteral(".brindel-tmp"));
}

bool Tedition::sauve()
{
    if (m_fileName.isEmpty())
        return saveAs();
    if (!guarded(this, [&] { writeDocument(m_fileName); }))
        return false;
    m_memo->document()->setModified(false);
    if (QAction *save = command(QStringLiteral("Enregistrer1")))
        save->setEnabled(false);
    m_host->setSaveButtonEnabled(false);
    return true;
}

bool Tedition::saveAs()
{
    Modals::FileRequest request;
    request.directory = m_fileName;
    request.filter = qtFileFilter(QStringLiteral("Fichiers Html (*.htm,*.html)|*.htm;*.html|Tous les fichiers (*.*)|*.*"));
    request.defaultSuffix = QStringLiteral("html");
    const QString chosen = modals().saveFileName(this, request);
    if (chosen.isEmpty())
        return false;
    m_fileName = chosen;
    setWindowTitle(QFileInfo(chosen).fileName());
    return sauve();
}

bool Tedition::FormCloseQuery()
{
    if (!m_memo->document()->isModified())
        return true;
    const QString caption = windowTitle().isEmpty() ? texteDialogue(805) : windowTitle();
    switch (askYesNoCancel(this, texteDialogue(5000).arg(caption))) {
    case QMessageBox::Yes:
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

void Tedition::refreshStatus()
{
    const QTextCursor cursor = m_memo->textCursor();
    const int line = cursor.blockNumber();
    const int column = cursor.positionInBlock();
    m_host->setStatusPanel(1, texteMenu1(601) + QStringLiteral(" : ") + QString::number(line + 1) +
                                  QStringLiteral(" - ") + texteMenu1(602) + QStringLiteral(" : ") +
                                  QString::number(column + 1));
}

void Tedition::FormActivate()
{
    refreshStatus();
    m_host->setSaveButtonEnabled(m_memo->document()->isModified());
}
