// The main window's menus, toolbar and personal bar, their captions and hints, and the
// look-up of their items by name.
#include "app/tecran.h"

#include "app/filebrowserpanel.h"
#include "app/hinttext.h"
#include "app/toolbaricons.h"
#include "editor/helppreview.h"
#include "editor/tedition.h"
#include "options/personalbar.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/supportfolders.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace
{

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
    connect(addAction(file, QStringLiteral("FileNewItem"), QStringLiteral("&Nouveau...")),
            &QAction::triggered, this, &Tecran::newFileCommand);
    // Projects come with their own dialog; until then they are off.
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
            [this] { afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide"))), this); });
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

    connect(addToolButton(QStringLiteral("ToolButton9"),
                          QStringLiteral("Nouveau|Créer un nouveau fichier")),
            &QToolButton::clicked, this, &Tecran::newFileCommand);
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
        if (QToolButton *b = m_personalBar->button(i))
            setHint(b, texteMenu1(i <= 19 ? 500 + i : 520));
    }
    caption("Liensite1", 423);
    caption("Ancre1", 424);
    caption("Fichier1", 425);
    m_browserPanel->creationmenu();
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
