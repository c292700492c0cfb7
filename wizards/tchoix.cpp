#include "wizards/tchoix.h"

#include "editor/editorhost.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "wizards/generateddocument.h"
#include "wizards/newfileicons.h"
#include "wizards/newpage.h"
#include "wizards/tdebuthtm.h"
#include "wizards/tfichierframe.h"

#include <QHBoxLayout>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace
{

struct ItemDesign {
    const char *caption;
    int icon;
};

constexpr ItemDesign kItems[Tchoix::ItemCount] = {
    {"Fichier HTML", 0},       {"Fichier HTML muni de frames", 0},
    {"Fichier Javascript", 1}, {"Fichier Feuille de style", 2},
    {"Fichier Chaîne IE", 3},  {"Site", 4},
    {"Fichier texte", 5},
};

QPointer<Tchoix> &theInstance()
{
    static QPointer<Tchoix> window;
    return window;
}

} // namespace

Tchoix::Tchoix(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tchoix"));
    setWindowTitle(QStringLiteral("Nouveau..."));
    setSizeGripEnabled(true);

    m_items = new QStandardItemModel(this);
    for (const ItemDesign &design : kItems) {
        auto *item = new QStandardItem(newFileIcon(design.icon), QString::fromUtf8(design.caption));
        item->setEditable(false);
        m_items->appendRow(item);
    }

    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setModel(m_items);
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize(QSize(32, 32));
    m_list->setGridSize(QSize(104, 72));
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setWordWrap(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Items light up under the mouse, which shows a hand: one click chooses.
    m_list->setMouseTracking(true);
    m_list->viewport()->setCursor(Qt::PointingHandCursor);
    m_list->setStyleSheet(QStringLiteral(
        "QListView::item:hover:enabled { background: palette(midlight); color: palette(link); }"));
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (index.isValid() && (index.flags() & Qt::ItemIsEnabled))
            choose(index.row());
    });

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    connect(m_ok, &QPushButton::clicked, this, [this] {
        const QModelIndex current = m_list->currentIndex();
        const bool selected = current.isValid() && m_list->selectionModel()->isSelected(current);
        choose(selected ? current.row() : -1);
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(360, 269);
}

Tchoix &Tchoix::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tchoix::createInstance(QWidget *parent)
{
    theInstance() = new Tchoix(parent);
}

void Tchoix::FormActivate()
{
    guarded(this, [this] {
        setWindowTitle(texteDialogue(3200));
        for (int i = 0; i < ItemCount; ++i)
            m_items->item(i)->setText(texteDialogue(3201 + i));
        m_ok->setText(texteDialogue(1));
        m_cancel->setText(texteDialogue(2));
    });
}

void Tchoix::choose(int item)
{
    m_chosen = item;
    accept();
}

void Tchoix::run(EditorHost &host)
{
    FormActivate();
    m_chosen = -1;
    if (modals().execDialog(*this) != QDialog::Accepted || m_chosen < 0)
        return;
    act(host, m_chosen);
}

void Tchoix::act(EditorHost &host, int item)
{
    switch (item) {
    case HtmlPage:
        Tdebuthtm::instance().run(host);
        break;
    case FramesPage:
        Tfichier_frame::instance().run(host);
        break;
    case Script:
        host.newUntitledDocument(QStringLiteral("(defaut).js"));
        break;
    case StyleSheet:
        host.newUntitledDocument(QStringLiteral("(defaut).css"));
        break;
    case Channel:
        openGeneratedDocument(host, QStringLiteral("(defaut).cdf"), channelSkeleton());
        break;
    case Site:
        host.newSiteCommand();
        break;
    case Text:
        host.newUntitledDocument(QStringLiteral("(defaut).txt"));
        break;
    default:
        break;
    }
}
