#include "app/tecran.h"

#include "app/appstate.h"
#include "app/editorframe.h"
#include "app/mditiling.h"
#include "app/filebrowserpanel.h"
#include "app/projectpaths.h"
#include "app/taboutbox.h"
#include "app/tastuce.h"
#include "editor/tedition.h"
#include "options/personalbar.h"
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

    buildBrowserPanel();
    bindProjectCommands();

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
    connect(m_clock, &QTimer::timeout, this,
            [this] { m_clockHandler.run([this] { refreshClock(); }); });
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
        // Saved sizes are the normal window's; a window maximised at exit opens maximised.
        if (lireparametre(QStringLiteral("maximise"), file) == QLatin1String("1"))
            setWindowState(windowState() | Qt::WindowMaximized);
    });
    step([&] { creationmenu(); });
    step([&] {
        const QString project = lireparametre(QStringLiteral("projet"), file);
        appState().projectDirectory =
            project.isEmpty() || project == kIndefini || !QFileInfo(project).isDir()
                ? programDirectory()
                : project;
        appState().projectDirectoryFlag = true;
        m_browserPanel->setDirectory(
            projectStartDirectory(appState().projectDirectory, programDirectory()));
    });
    step([&] { appState().autoTransform = lireentier(QStringLiteral("auto"), file, 0); });
    step([&] { refreshClock(); });
    step([&] { m_personalBar->loadPictures(file); });
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
    auto *window = new EditorFrame(editor);
    const int before = int(m_mdi->subWindowList().size());
    m_mdi->addSubWindow(window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    // Each new window at its cascade place, wholly inside the frame.
    const QRect area = m_mdi->viewport()->rect();
    const QSize size(std::max(area.width() * 4 / 5, 320), std::max(area.height() * 4 / 5, 200));
    if (area.isEmpty())
        window->resize(size);
    else
        window->setGeometry(cascadePlace(area, size, before, cascadeStep()));
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
        editor->execute(command);
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
    // No active document (the last window closed): nothing to save.
    setSaveButtonEnabled(false);
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
    request.acceptNewName = true; // a new name opens an empty document to be saved under it
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
        // A maximised window saves the size it has when it is not maximised; one that was
        // never shown at another size leaves the saved size as it was read.
        const bool maximised = isMaximized();
        const QSize normal = maximised ? normalGeometry().size() : size();
        if (!normal.isEmpty()) {
            ecrireparametre(QString::number(normal.height()), QStringLiteral("hauteur"), file);
            ecrireparametre(QString::number(normal.width()), QStringLiteral("largeur"), file);
        }
        ecrireparametre(QLatin1String(maximised ? "1" : "0"), QStringLiteral("maximise"), file);
    });
}

void Tecran::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // The tip comes over the main window once that is on screen.
    QTimer::singleShot(0, this, &Tecran::FormShow);
}

void Tecran::FormShow()
{
    guarded(this, [&] {
        if (lireparametre(QStringLiteral("astuce"), settingsFile()) == QLatin1String("oui"))
            modals().execDialog(TAstuce::instance());
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
