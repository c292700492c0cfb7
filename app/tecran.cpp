#include "app/tecran.h"

#include "app/appstate.h"
#include "app/clocktext.h"
#include "app/hinttext.h"
#include "app/mditiling.h"
#include "app/taboutbox.h"
#include "app/toolbaricons.h"
#include "editor/helppreview.h"
#include "editor/tedition.h"
#include "platform/atomicfile.h"
#include "platform/filefilter.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QStorageInfo>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace
{

const QString kSiteAddress = QStringLiteral("https://brindel.org/");
const QString kAuthorAddress = QStringLiteral("auteur@brindel.org");
const QString kOpenFilter = QStringLiteral(
    "Fichier Web (*.htm,*.html etc...)|*.htm;*.html;*.js;*.css;*.cgi;*.pl;*.cdf;*.php;*.php3;"
    "*.php4;*.sphp|Fichier Texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*");
constexpr int kDesignWidth = 672;
constexpr int kDesignHeight = 480;
constexpr int kSmallestSide = 200;

// Editor commands that the toolbar buttons run on the active editor window.
struct EditorButton {
    const char *button;
    const char *hint;
    const char *command;
};

void cutOrCopyFocusedText(bool cut)
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *text = qobject_cast<QPlainTextEdit *>(focus))
        cut ? text->cut() : text->copy();
    else if (auto *line = qobject_cast<QLineEdit *>(focus))
        cut ? line->cut() : line->copy();
}

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

QAction *Tecran::addAction(QMenu *menu, const QString &name, const QString &caption,
                           const QKeySequence &shortcut)
{
    auto *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

void Tecran::buildMenus()
{
    auto *file = new QMenu(QStringLiteral("&Fichier"), this);
    file->setObjectName(QStringLiteral("File1"));
    // The new-file chooser and projects come with their own dialogs; until then they are off.
    addAction(file, QStringLiteral("FileNewItem"), QStringLiteral("&Nouveau..."))
        ->setEnabled(false);
    connect(addAction(file, QStringLiteral("Ouvrirfichier1"), QStringLiteral("O&uvrir fichier")),
            &QAction::triggered, this, &Tecran::openFileCommand);
    file->addSeparator();
    addAction(file, QStringLiteral("Ouvrirprojet1"), QStringLiteral("Ouvrir &projet"))
        ->setEnabled(false);
    addAction(file, QStringLiteral("Fermerprojet1"), QStringLiteral("&Fermer projet"))
        ->setEnabled(false);
    file->addSeparator();
    connect(addAction(file, QStringLiteral("FileExitItem"), QStringLiteral("&Quitter")),
            &QAction::triggered, this, &Tecran::quitCommand);

    m_windowMenu = new QMenu(QStringLiteral("&Fenêtre"), this);
    m_windowMenu->setObjectName(QStringLiteral("Fentre1"));
    auto *tile = m_windowMenu->addMenu(QStringLiteral("&Mosaïque"));
    tile->setObjectName(QStringLiteral("Mosaque1"));
    tile->menuAction()->setObjectName(QStringLiteral("Mosaque1"));
    connect(addAction(tile, QStringLiteral("Horizontal1"), QStringLiteral("&Horizontale")),
            &QAction::triggered, this, &Tecran::tileHorizontalCommand);
    connect(addAction(tile, QStringLiteral("Vertical1"), QStringLiteral("&Verticale")),
            &QAction::triggered, this, &Tecran::tileVerticalCommand);
    connect(addAction(m_windowMenu, QStringLiteral("Cascade1"), QStringLiteral("&Cascade")),
            &QAction::triggered, this, &Tecran::cascadeCommand);
    connect(addAction(m_windowMenu, QStringLiteral("Rarrangerlesicnes1"),
                      QStringLiteral("&Réarranger les icônes")),
            &QAction::triggered, this, &Tecran::arrangeIconsCommand);
    connect(addAction(m_windowMenu, QStringLiteral("Fermertouteslesfentres1"),
                      QStringLiteral("Fermer toutes les fenêtres")),
            &QAction::triggered, this, &Tecran::closeAllCommand);
    connect(m_windowMenu, &QMenu::aboutToShow, this, [this] { fillWindowList(m_windowMenu); });

    auto *help = new QMenu(QStringLiteral("&?"), this);
    help->setObjectName(QStringLiteral("Help1"));
    connect(addAction(help, QStringLiteral("Aide1"), QStringLiteral("&Aide"),
                      QKeySequence(Qt::CTRL | Qt::Key_F1)),
            &QAction::triggered, this,
            [this] { afficheaide(mainHelpPage(programDirectory()), this); });
    connect(addAction(help, QStringLiteral("VisiterleSite1"), QStringLiteral("&Visiter le site")),
            &QAction::triggered, this, &Tecran::visitSiteCommand);
    connect(addAction(help, QStringLiteral("Mcrire1"), QStringLiteral("&M'écrire")),
            &QAction::triggered, this, &Tecran::writeMailCommand);
    connect(addAction(help, QStringLiteral("HelpAboutItem"), QStringLiteral("&A propos...")),
            &QAction::triggered, this, [this] { aboutCommand(this); });

    m_ownMenus = {file, m_windowMenu, help};

    m_linkMenu = new QMenu(this);
    m_linkMenu->setObjectName(QStringLiteral("PopupMenu1"));
    // Each entry runs its editor command on the active editor window, once that command exists.
    struct LinkEntry {
        const char *item;
        const char *caption;
        const char *command;
    };
    static const LinkEntry linkEntries[] = {
        {"Liensite1", "Lien site", "Site1"},
        {"Ancre1", "Ancre", "Hypertexte1"},
        {"Fichier1", "Fichier", "Fichier2"},
    };
    for (const LinkEntry &link : linkEntries) {
        const QString command = QString::fromLatin1(link.command);
        QAction *entry =
            addAction(m_linkMenu, QString::fromLatin1(link.item), QString::fromUtf8(link.caption));
        entry->setEnabled(Tedition::providesCommand(command));
        connect(entry, &QAction::triggered, this, [this, command] { runOnActiveEditor(command); });
    }
}

QToolButton *Tecran::addToolButton(const QString &name, const QString &hint)
{
    auto *button = new QToolButton(m_toolBar);
    button->setObjectName(name);
    button->setIcon(toolBarIcon(name));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    setHint(button, hint);
    m_toolBar->addWidget(button);
    return button;
}

// A toolbar button that runs an editor command on the active editor window; disabled while
// that command is not built.
void Tecran::addEditorButton(const char *name, const char *hint, const char *editorCommand)
{
    const QString command = QString::fromLatin1(editorCommand);
    auto *button = addToolButton(QString::fromLatin1(name), QString::fromUtf8(hint));
    button->setEnabled(Tedition::providesCommand(command));
    connect(button, &QToolButton::clicked, this, [this, command] { runOnActiveEditor(command); });
}

void Tecran::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Outils"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar2"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(22, 22));

    addToolButton(QStringLiteral("ToolButton9"), QStringLiteral("Nouveau|Créer un nouveau fichier"))
        ->setEnabled(false);
    addToolButton(QStringLiteral("ToolButton1"), QStringLiteral("Ouvrir un projet"))
        ->setEnabled(false);
    addToolButton(QStringLiteral("ToolButton33"), QStringLiteral("Fermer le projet"))
        ->setEnabled(false);
    m_toolBar->addSeparator();
    auto *save = addToolButton(QStringLiteral("ToolButton2"),
                               QStringLiteral("Enregistrer|Enregistrer le fichier en cours"));
    save->setEnabled(false);
    connect(save, &QToolButton::clicked, this,
            [this] { runOnActiveEditor(QStringLiteral("Enregistrer1")); });
    connect(addToolButton(QStringLiteral("ToolButton10"), QStringLiteral("Fermer la fenêtre")),
            &QToolButton::clicked, this,
            [this] { runOnActiveEditor(QStringLiteral("Fermerlafentrecourante1")); });
    m_toolBar->addSeparator();
    // Cut and copy act on whichever edit control has the focus, without clipboard history.
    connect(addToolButton(QStringLiteral("ToolButton4"), QStringLiteral("Couper")),
            &QToolButton::clicked, this, [] { cutOrCopyFocusedText(true); });
    connect(addToolButton(QStringLiteral("ToolButton5"), QStringLiteral("Copier")),
            &QToolButton::clicked, this, [] { cutOrCopyFocusedText(false); });
    connect(addToolButton(QStringLiteral("ToolButton6"),
                          QStringLiteral("Coller|Insérer le contenu du Presse-papiers")),
            &QToolButton::clicked, this, [this] { runOnActiveEditor(QStringLiteral("Coller2")); });
    m_toolBar->addSeparator();

    static const EditorButton editorButtons[] = {
        {"ToolButton13", "Prévisualisation|Prévisualise le fichier ouvert", "Prvisualisation1"},
        {"ToolButton8", "Analyseur de code", "Analyseurdecode1"},
        {nullptr, nullptr, nullptr},
        {"ToolButton15", "Taille 1", "H11"},
        {"ToolButton16", "Taille 2", "H21"},
        {"ToolButton17", "Taille 3", "H31"},
        {"ToolButton18", "Taille 4", "H41"},
        {"ToolButton19", "Taille 5", "H51"},
        {"ToolButton20", "Taille 6", "H61"},
        {nullptr, nullptr, nullptr},
        {"ToolButton23", "Gras", "Gras1"},
        {"ToolButton22", "Souligné", "Soulign1"},
        {"ToolButton21", "Italique", "Italique1"},
        {"ToolButton26", "Couleur de la fonte", "Couleur1"},
        {nullptr, nullptr, nullptr},
        {"ToolButton25", "E-mail", "Email1"},
    };
    for (const EditorButton &entry : editorButtons) {
        if (entry.button)
            addEditorButton(entry.button, entry.hint, entry.command);
        else
            m_toolBar->addSeparator();
    }

    auto *link = addToolButton(QStringLiteral("ToolButton27"), QStringLiteral("Lien"));
    link->setMenu(m_linkMenu);
    link->setPopupMode(QToolButton::InstantPopup);
    link->setEnabled(Tedition::providesCommand(QStringLiteral("Site1")) ||
                     Tedition::providesCommand(QStringLiteral("Hypertexte1")) ||
                     Tedition::providesCommand(QStringLiteral("Fichier2")));

    static const EditorButton laterButtons[] = {
        {"ToolButton30", "Insérer une image", "Statiques1"},
        {"ToolButton31", "Image réactive|Insérer une image réactive", "Ractive1"},
        {"ToolButton29", "Code hexadécimal des couleurs", "Insreruncodecouleur1"},
    };
    for (const EditorButton &entry : laterButtons) {
        addEditorButton(entry.button, entry.hint, entry.command);
    }
}

void Tecran::buildPersonalBar()
{
    m_personalBar = new QWidget(this);
    m_personalBar->setObjectName(QStringLiteral("Panel1"));
    auto *layout = new QHBoxLayout(m_personalBar);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(1);
    // The personal buttons insert the user's own texts once their options are built; until
    // then they show their numbers, disabled.
    for (int i = 1; i <= 20; ++i) {
        auto *button = new QToolButton(m_personalBar);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i));
        button->setText(i <= 19 ? QString::number(i) : QStringLiteral("…"));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(false);
        layout->addWidget(button);
    }
    layout->addStretch();
}

void Tecran::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    static const int widths[] = {300, 160, 73, 35, 50};
    for (int i = 0; i < 5; ++i) {
        auto *panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        m_panels.append(panel);
        if (i == 0)
            bar->addWidget(panel, 1); // hints of menus and buttons show over this panel
        else
            bar->addPermanentWidget(panel);
    }
}

void Tecran::setHint(QAction *action, const QString &hint)
{
    const Hint parts = splitHint(hint);
    action->setToolTip(parts.tip);
    action->setStatusTip(parts.status);
}

void Tecran::setHint(QWidget *widget, const QString &hint)
{
    const Hint parts = splitHint(hint);
    widget->setToolTip(parts.tip);
    widget->setStatusTip(parts.status);
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

void Tecran::creationmenu()
{
    auto caption = [this](const char *name, int number) {
        if (QAction *a = action(QString::fromLatin1(name)))
            a->setText(texteMenu1(number));
    };
    auto menuCaption = [this](const char *name, int number) {
        if (QMenu *m = menu(QString::fromLatin1(name)))
            m->setTitle(texteMenu1(number));
    };
    auto actionHint = [this](const char *name, int number) {
        if (QAction *a = action(QString::fromLatin1(name)))
            setHint(a, texteMenu1(number));
    };
    auto buttonHint = [this](const char *name, int number) {
        if (QToolButton *b = toolButton(QString::fromLatin1(name)))
            setHint(b, texteMenu1(number));
    };

    menuCaption("File1", 100);
    caption("FileNewItem", 110);
    caption("Ouvrirfichier1", 120);
    caption("Ouvrirprojet1", 130);
    caption("Fermerprojet1", 140);
    caption("FileExitItem", 150);
    menuCaption("Fentre1", 200);
    menuCaption("Mosaque1", 210);
    caption("Cascade1", 220);
    caption("Rarrangerlesicnes1", 230);
    caption("Fermertouteslesfentres1", 240);
    menuCaption("Help1", 300);
    caption("Aide1", 310);
    caption("VisiterleSite1", 320);
    caption("Mcrire1", 330);
    caption("HelpAboutItem", 340);
    actionHint("FileNewItem", 1110);
    actionHint("Ouvrirfichier1", 1120);
    actionHint("Ouvrirprojet1", 1130);
    actionHint("Fermerprojet1", 1140);
    actionHint("FileExitItem", 1150);
    actionHint("Aide1", 1310);
    actionHint("HelpAboutItem", 1340);
    buttonHint("ToolButton1", 1130);
    buttonHint("ToolButton2", 400);
    buttonHint("ToolButton4", 401);
    buttonHint("ToolButton5", 402);
    buttonHint("ToolButton6", 403);
    buttonHint("ToolButton8", 404);
    buttonHint("ToolButton9", 1112);
    buttonHint("ToolButton10", 405);
    buttonHint("ToolButton33", 406);
    buttonHint("ToolButton13", 407);
    for (int i = 0; i < 6; ++i)
        buttonHint(QStringLiteral("ToolButton%1").arg(15 + i).toLatin1().constData(), 408 + i);
    buttonHint("ToolButton21", 416);
    buttonHint("ToolButton22", 415);
    buttonHint("ToolButton23", 414);
    buttonHint("ToolButton25", 418);
    buttonHint("ToolButton26", 417);
    buttonHint("ToolButton27", 419);
    buttonHint("ToolButton29", 422);
    buttonHint("ToolButton30", 421);
    buttonHint("ToolButton31", 420);
    buttonHint("ToolButton33", 1140);
    for (int i = 1; i <= 20; ++i) {
        if (auto *b =
                m_personalBar->findChild<QToolButton *>(QStringLiteral("SpeedButton%1").arg(i)))
            setHint(b, texteMenu1(i <= 19 ? 500 + i : 520));
    }
    caption("Liensite1", 423);
    caption("Ancre1", 424);
    caption("Fichier1", 425);
}

QAction *Tecran::action(const QString &name) const
{
    for (QMenu *m : m_ownMenus + QList<QMenu *>{m_linkMenu}) {
        if (auto *found = m->findChild<QAction *>(name, Qt::FindDirectChildrenOnly))
            return found;
        for (QMenu *sub : m->findChildren<QMenu *>()) {
            if (auto *found = sub->findChild<QAction *>(name, Qt::FindDirectChildrenOnly))
                return found;
        }
    }
    return nullptr;
}

QMenu *Tecran::menu(const QString &name) const
{
    for (QMenu *m : m_ownMenus) {
        if (m->objectName() == name)
            return m;
        if (auto *sub = m->findChild<QMenu *>(name))
            return sub;
    }
    return nullptr;
}

QToolButton *Tecran::toolButton(const QString &name) const
{
    return m_toolBar->findChild<QToolButton *>(name);
}

QString Tecran::statusPanelText(int panel) const
{
    return panel >= 0 && panel < m_panels.size() ? m_panels[panel]->text() : QString();
}

void Tecran::setStatusPanel(int panel, const QString &text)
{
    if (panel >= 0 && panel < m_panels.size())
        m_panels[panel]->setText(text);
}

void Tecran::setSaveButtonEnabled(bool enabled)
{
    toolButton(QStringLiteral("ToolButton2"))->setEnabled(enabled);
}

void Tecran::refreshClock()
{
    m_freeSpace->setText(espaceLibreTexte(
        texteMenu1(600), QStorageInfo(QDir::currentPath()).bytesAvailable(), texteMenu1(604)));
    // The system's short date; a system without a language setting gets the French one.
    const QLocale system = QLocale::system();
    const QLocale locale = system.language() == QLocale::C ? QLocale(QLocale::French) : system;
    setStatusPanel(2, locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    setStatusPanel(3, heureMinute(QTime::currentTime()));
}

Tedition *Tecran::ouvredocument(const QString &fileName)
{
    auto *editor = new Tedition(static_cast<EditorHost *>(this));
    if (!guarded(this, [&] { editor->openFile(fileName); })) {
        delete editor;
        return nullptr;
    }
    QMdiSubWindow *window = m_mdi->addSubWindow(editor);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    const QSize area = m_mdi->viewport()->size();
    window->resize(std::max(area.width() * 4 / 5, 320), std::max(area.height() * 4 / 5, 200));
    editor->setAutoTransformChecked(appState().autoTransform == 1);
    setSaveButtonEnabled(false);
    window->show();
    editor->memo1()->setFocus();
    return editor;
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

void Tecran::fillWindowList(QMenu *menu)
{
    for (QAction *old : menu->actions()) {
        if (old->property("windowListEntry").toBool())
            delete old;
    }
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    menu->addSeparator()->setProperty("windowListEntry", true);
    int number = 1;
    for (QMdiSubWindow *window : windows) {
        QAction *entry =
            menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()));
        entry->setProperty("windowListEntry", true);
        entry->setCheckable(true);
        entry->setChecked(window == m_mdi->activeSubWindow());
        connect(entry, &QAction::triggered, m_mdi,
                [this, window] { m_mdi->setActiveSubWindow(window); });
    }
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

void Tecran::tileWindows(QList<QRect> (*layout)(const QRect &, int))
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            windows.append(window);
    }
    const QList<QRect> rects = layout(m_mdi->viewport()->rect(), windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
    }
}

void Tecran::tileHorizontalCommand()
{
    tileWindows(tileHorizontally);
}

void Tecran::tileVerticalCommand()
{
    tileWindows(tileVertically);
}

void Tecran::cascadeCommand()
{
    m_mdi->cascadeSubWindows();
}

void Tecran::arrangeIconsCommand()
{
    // Minimised windows line up along the bottom edge, left to right.
    int x = 0;
    const int bottom = m_mdi->viewport()->height();
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(x, bottom - window->height());
        x += window->width();
    }
}

void Tecran::closeAllCommand()
{
    for (QMdiSubWindow *window : m_mdi->subWindowList()) {
        if (!window->close())
            return; // the user kept this document open: stop here, as with the main window
    }
}

void Tecran::visitSiteCommand()
{
    modals().openUrl(QUrl(kSiteAddress));
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
