#include "app/tprojet.h"

#include "app/appstate.h"
#include "app/projectpaths.h"
#include "editor/helppreview.h"
#include "platform/filechooser.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/supportfolders.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

namespace
{

QPointer<Tprojet> &theInstance()
{
    static QPointer<Tprojet> window;
    return window;
}

// A numbered dialog text, or `design` when the language file cannot be read.
QString dialogText(int number, const QString &design)
{
    try {
        return texteDialogue(number);
    } catch (const IoError &) {
        return design;
    }
}

} // namespace

SubdirectoryOutcome creersousrepertoire(QWidget *parent, FileChooser &chooser,
                                        const QString &caption, const QString &prompt)
{
    const std::optional<QString> name = modals().inputText(parent, caption, prompt, QString());
    if (!name || name->isEmpty())
        return SubdirectoryOutcome::Cancelled;
    const QString path = subdirectoryPath(chooser.directory(), *name);
    if (path.isEmpty() || !QDir().mkdir(path)) {
        modals().message(parent, Modals::MessageKind::Error,
                         QGuiApplication::applicationDisplayName(),
                         dialogText(5003, QStringLiteral("Impossible de créer le répertoire.")),
                         QMessageBox::Cancel);
        return SubdirectoryOutcome::Failed;
    }
    chooser.setDirectory(path);
    return SubdirectoryOutcome::Created;
}

Tprojet::Tprojet(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tprojet"));
    setWindowTitle(QStringLiteral("Choix du répertoire projet"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    resize(289, 179);

    m_chooser = new FileChooser(this);
    m_chooser->hide(); // its parts go into this window's own layout
    QLabel *label = m_chooser->directoryLabel();
    label->setObjectName(QStringLiteral("Label1"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &Tprojet::OKBtnClick);
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_help = new QPushButton(QStringLiteral("Aide"), this);
    m_help->setObjectName(QStringLiteral("HelpBtn"));
    connect(m_help, &QPushButton::clicked, this, [this] {
        afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide")), QStringLiteral("projet")),
                    this);
    });
    m_create = new QPushButton(QStringLiteral("Répertoire"), this);
    m_create->setObjectName(QStringLiteral("BitBtn1"));
    m_create->setToolTip(QStringLiteral("Créer un nouveau répertoire"));
    connect(m_create, &QPushButton::clicked, this, &Tprojet::BitBtn1Click);

    auto *left = new QVBoxLayout;
    left->addWidget(label);
    left->addWidget(m_chooser->directoryTree(), 1);
    left->addWidget(m_chooser->driveList());
    auto *right = new QVBoxLayout;
    right->addWidget(m_ok);
    right->addWidget(m_cancel);
    right->addWidget(m_help);
    right->addStretch();
    right->addWidget(m_create);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

Tprojet &Tprojet::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tprojet::createInstance(QWidget *parent)
{
    delete theInstance();
    theInstance() = new Tprojet(parent);
}

void Tprojet::setDirectory(const QString &path)
{
    m_chooser->setDirectory(path);
}

QString Tprojet::directory() const
{
    return m_chooser->directory();
}

void Tprojet::setCreateButtonVisible(bool visible)
{
    m_create->setVisible(visible);
}

void Tprojet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void Tprojet::FormActivate()
{
    guarded(this, [&] {
        m_ok->setText(texteDialogue(1));
        m_cancel->setText(texteDialogue(2));
        m_help->setText(texteDialogue(3));
        setWindowTitle(texteDialogue(3600));
        m_create->setText(texteDialogue(3601));
    });
}

void Tprojet::OKBtnClick()
{
    appState().projectDirectory = m_chooser->directory();
    accept();
}

void Tprojet::BitBtn1Click()
{
    if (creersousrepertoire(this, *m_chooser, dialogText(5001, QStringLiteral("Répertoire")),
                            dialogText(5002, QStringLiteral("Nom du sous répertoire"))) ==
        SubdirectoryOutcome::Failed)
        reject();
}
