#include "app/filebrowserpanel.h"

#include "app/appstate.h"
#include "app/projectpaths.h"
#include "app/tprojet.h"
#include "platform/filechooser.h"
#include "platform/ioerror.h"
#include "settings/languagefiles.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

FileBrowserPanel::FileBrowserPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel2"));
    setFixedWidth(kExpandedWidth);

    m_chooser = new FileChooser(this);
    m_chooser->hide(); // its parts go into the panel's own layout
    m_chooser->setMask(browserFileMask());
    QLabel *label = m_chooser->directoryLabel();
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    connect(m_chooser, &FileChooser::directoryChanged, this,
            [](const QString &path) { appState().setBrowserDirectory(path); });
    connect(m_chooser, &FileChooser::fileActivated, this, &FileBrowserPanel::openRequested);

    m_freeSpace = new QLabel(this);
    m_freeSpace->setObjectName(QStringLiteral("Label2"));
    m_freeSpace->setWordWrap(true);

    m_collapse = new QPushButton(QStringLiteral("<"), this);
    m_collapse->setObjectName(QStringLiteral("Button2"));
    m_collapse->setFixedSize(kCollapsedWidth - 2, 22);
    connect(m_collapse, &QPushButton::clicked, this, &FileBrowserPanel::Button2Click);
    m_expand = new QPushButton(QStringLiteral(">"), this);
    m_expand->setObjectName(QStringLiteral("Button1"));
    m_expand->setFixedSize(kCollapsedWidth - 2, 22);
    m_expand->hide();
    connect(m_expand, &QPushButton::clicked, this, &FileBrowserPanel::Button1Click);

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenu2"));
    QAction *create = m_menu->addAction(QStringLiteral("Créer un sous répertoire"));
    create->setObjectName(QStringLiteral("Crerunnouveaurpertoire1"));
    connect(create, &QAction::triggered, this, &FileBrowserPanel::Crerunnouveaurpertoire1Click);

    // Right-clicks first read both lists again, so that files made meanwhile show.
    for (QWidget *list : {static_cast<QWidget *>(m_chooser->fileList()),
                          static_cast<QWidget *>(m_chooser->directoryTree())}) {
        list->setContextMenuPolicy(Qt::DefaultContextMenu);
        list->installEventFilter(this);
        if (auto *view = qobject_cast<QAbstractItemView *>(list))
            view->viewport()->installEventFilter(this);
    }

    m_contents = new QWidget(this);
    auto *contents = new QVBoxLayout(m_contents);
    contents->setContentsMargins(0, 0, 0, 0);
    auto *top = new QHBoxLayout;
    top->addWidget(label, 1);
    top->addWidget(m_collapse, 0, Qt::AlignTop);
    contents->addLayout(top);
    contents->addWidget(m_chooser->fileList(), 1);
    contents->addWidget(m_chooser->directoryTree(), 1);
    contents->addWidget(m_freeSpace);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);
    layout->addWidget(m_expand, 0, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(m_contents, 1);
}

FileBrowserPanel::~FileBrowserPanel()
{
    appState().setBrowserDirectory(QString()); // the project directory answers again
}

void FileBrowserPanel::setDirectory(const QString &path)
{
    m_chooser->setDirectory(path);
    appState().setBrowserDirectory(m_chooser->directory());
}

QString FileBrowserPanel::directory() const
{
    return m_chooser->directory();
}

void FileBrowserPanel::creationmenu()
{
    m_menu->actions().first()->setText(texteMenu1(700));
}

bool FileBrowserPanel::isCollapsed() const
{
    return m_contents->isHidden();
}

void FileBrowserPanel::Button2Click()
{
    m_contents->hide();
    setFixedWidth(kCollapsedWidth);
    m_expand->show();
    window()->setWindowTitle(collapsedCaption(appState().projectDirectory));
}

void FileBrowserPanel::Button1Click()
{
    setFixedWidth(kExpandedWidth);
    m_expand->hide();
    m_contents->show();
    window()->setWindowTitle(QStringLiteral("Brindel 7.2"));
}

void FileBrowserPanel::Crerunnouveaurpertoire1Click()
{
    QString text;
    try {
        text = texteDialogue(5002);
    } catch (const IoError &) {
        text = QStringLiteral("Nom du sous répertoire");
    }
    creersousrepertoire(this, *m_chooser, text, text);
}

bool FileBrowserPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QWidget::eventFilter(watched, event);
    QTreeView *tree = m_chooser->directoryTree();
    m_chooser->refresh();
    if (watched == tree || watched == tree->viewport())
        m_menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
}
