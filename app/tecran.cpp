#include "app/tecran.h"

#include "app/appstate.h"
#include "app/taboutbox.h"
#include "editor/tedition.h"
#include "platform/atomicfile.h"
#include "platform/editorcontrol.h"
#include "platform/filefilter.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "wizards/pagehead.h"
#include "wizards/tchoix.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace
{

const QString kAuthorAddress = QStringLiteral("auteur@brindel.org");
const QString kOpenFilter = QStringLiteral(
    "Fichier Web (*.htm,*.html etc...)|*.htm;*.html;*.js;*.css;*.cgi;*.pl;*.cdf;*.php;*.php3;"
    "*.php4;*.sphp|Fichier Texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*");
constexpr int kDesignWidth = 672;
constexpr int kDesignHeight = 480;
constexpr int kSmallestSide = 200;

} // namespace

Tecran::Tecran(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Tecran"));
    setWindowTitle(QStringLiteral("Brindel 7.2"));
    resize(kDesignWidth, kDesignHeight);

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("ClientArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    buildMenus();
    buildToolBar();
    buildPersonalBar();

    m_browserPanel = new QWidget(this);
    m_browserPanel->setObjectName(QStringLiteral("Panel2"));
    auto *browserLayout = new QVBoxLayout(m_browserPanel);
    m_freeSpace = new QLabel(m_browserPanel);
    m_freeSpace->setObjectName(QStringLiteral("Label2"));
    browserLayout->addWidget(m_freeSpace);
    browserLayout->addStretch();
    m_browserPanel->hide();

    auto *centre = new QWidget(this);
    auto *column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_personalBar);
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(m_browserPanel);
    row->addWidget(m_mdi, 1);
    column->addLayout(row, 1);
    setCentralWidget(centre);

    buildStatusBar();

    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("Timer1"));
    m_clock->setInterval(5000);
    connect(m_clock, &QTimer::timeout, this, &Tecran::refreshClock);
    m_clock->start();

    connect(m_mdi, &QMdiArea::subWindowActivated, this, &Tecran::showMenusOf);

    FormCreate();
    showMenusOf(nullptr);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

Tecran::~Tecran()
{
    // Editor windows go first, while the main window they report to is still whole.
    disconnect(m_mdi, nullptr, this, nullptr);
    qDeleteAll(m_mdi->subWindowList());
}

void Tecran::FormCreate()
{
    const QString file = settingsFile();
    CreationSteps steps(this);
    auto step = [&](auto &&body) { steps.run(body); };

    step([&] {
        if (lireparametre(QStringLiteral("presse"), file) == QLatin1String("1")) {
            const QString history = programDirectory() + QStringLiteral("presse.sav");
            writeFileAtomically(history, QByteArray(), history + QLatin1Char('~'));
        }
    });
    step([&] {
        const int height = lireentier(QStringLiteral("hauteur"), file, kDesignHeight);
        const int width = lireentier(QStringLiteral("largeur"), file, kDesignWidth);
        // A size larger than the screen (a damaged or hand-edited file) is cut to the screen:
        // a window of millions of pixels cannot even get its backing image.
        QSize screen(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        if (const QScreen *primary = QGuiApplication::primaryScreen())
            screen =
                primary->availableGeometry().size().expandedTo(QSize(kSmallestSide, kSmallestSide));
        resize(std::min(width >= kSmallestSide ? width : kDesignWidth, screen.width()),
               std::min(height >= kSmallestSide ? height : kDesignHeight, screen.height()));
    });
    step([&] { creationmenu(); });
    step([&] {
        const QString project = lireparametre(QStringLiteral("projet"), file);
        appState().projectDirectory =
            project.isEmpty() || project == kIndefini || !QFileInfo(project).isDir()
                ? programDirectory()
                : project;
    });
    step([&] { appState().autoTransform = lireentier(QStringLiteral("auto"), file, 0); });
    step([&] { refreshClock(); });
    step([&] {
        m_personalBar->setVisible(lireparametre(QStringLiteral("barrevisible"), file) ==
                                  QLatin1String("1"));
    });
    step([&] {
        appState().smartIndentation =
            lireparametre(QStringLiteral("indentation"), file) != QLatin1String("1");
    });
}

Tedition *Tecran::ouvredocument(const QString &fileName)
{
    auto *editor = new Tedition(static_cast<EditorHost *>(this));
    if (!guarded(this, [&] { editor->openFile(fileName); })) {
        delete editor;
        return nullptr;
    }
    showEditorWindow(editor);
    return editor;
}

Tedition *Tecran::newUntitledDocument(const QString &caption)
{
    auto *editor = new Tedition(static_cast<EditorHost *>(this));
    editor->startUntitled(caption);
    showEditorWindow(editor);
    return editor;
}

// The window set-up shared by every editor window: a child of the frame, the automatic
// transformation check mark, the save button following the document's modified flag.
void Tecran::showEditorWindow(Tedition *editor)
{
    QMdiSubWindow *window = m_mdi->addSubWindow(editor);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    const QSize area = m_mdi->viewport()->size();
    window->resize(std::max(area.width() * 4 / 5, 320), std::max(area.height() * 4 / 5, 200));
    editor->setAutoTransformChecked(appState().autoTransform == 1);
    setSaveButtonEnabled(editor->control().isModified());
    window->show();
    editor->memo1()->setFocus();
}

Tedition *Tecran::activeEditor() const
{
    QMdiSubWindow *window = m_mdi->activeSubWindow();
    return window ? qobject_cast<Tedition *>(window->widget()) : nullptr;
}

QList<Tedition *> Tecran::editors() const
{
    QList<Tedition *> list;
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (auto *editor = qobject_cast<Tedition *>(window->widget()))
            list.append(editor);
    }
    return list;
}

void Tecran::runOnActiveEditor(const QString &command)
{
    if (Tedition *editor = activeEditor())
        editor->runCommand(command);
}

void Tecran::showMenusOf(QMdiSubWindow *window)
{
    Tedition *editor = window ? qobject_cast<Tedition *>(window->widget()) : nullptr;
    QMenuBar *bar = menuBar();
    bar->clear();
    if (editor) {
        // While an editor window is active its menus take the place of the main window's.
        for (QMenu *m : editor->menus())
            bar->addMenu(m);
        editor->FormActivate();
        return;
    }
    for (QMenu *m : m_ownMenus) {
        if (m != m_windowMenu) // the window menu is hidden in the main window's own menu bar
            bar->addMenu(m);
    }
}

void Tecran::newFileCommand()
{
    Tchoix::instance().run(*this);
}

void Tecran::openFileCommand()
{
    Modals::FileRequest request;
    request.directory = appState().projectDirectory;
    request.filter = qtFileFilter(kOpenFilter);
    const QString chosen = modals().openFileName(this, request);
    if (!chosen.isEmpty())
        ouvredocument(chosen);
}

void Tecran::quitCommand()
{
    close();
}

void Tecran::visitSiteCommand()
{
    modals().openUrl(QUrl(brindelSiteAddress()));
}

void Tecran::writeMailCommand()
{
    modals().openUrl(QUrl(QStringLiteral("mailto:") + kAuthorAddress +
                          QStringLiteral("?subject=A propos de Brindel 7.2")));
}

void Tecran::aboutCommand(QWidget *owner)
{
    TAboutBox box(owner);
    modals().execDialog(box);
}

bool Tecran::askEditorsToClose()
{
    for (Tedition *editor : editors()) {
        if (!editor->FormCloseQuery())
            return false;
    }
    return true;
}

void Tecran::writeShutdownSettings()
{
    const QString file = settingsFile();
    guarded(this, [&] {
        ecrireparametre(appState().projectDirectory, QStringLiteral("projet"), file);
        ecrireparametre(QString::number(appState().autoTransform), QStringLiteral("auto"), file);
        ecrireparametre(QString::number(height()), QStringLiteral("hauteur"), file);
        ecrireparametre(QString::number(width()), QStringLiteral("largeur"), file);
    });
}

void Tecran::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    if (!askEditorsToClose()) {
        event->ignore();
        return;
    }
    writeShutdownSettings();
    m_closing = true;
    for (Tedition *editor : editors())
        editor->approveClose();
    m_mdi->closeAllSubWindows();
    event->accept();
}
