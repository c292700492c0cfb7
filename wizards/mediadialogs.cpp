#include "wizards/mediadialogs.h"

#include "editor/helppreview.h"
#include "editor/helppreviewplan.h"
#include "platform/filechooser.h"
#include "platform/guarded.h"
#include "settings/programdir.h"
#include "settings/supportfolders.h"
#include "wizards/mediamarkup.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace dialogparts;

namespace
{

// The help button (text 3) of a chooser dialog, opening the help page at `anchor`.
QPushButton *helpButton(ChooserDialog *dialog, const QString &anchor)
{
    QPushButton *help = button(dialog, "BitBtn2", QStringLiteral("Aide"));
    QObject::connect(help, &QPushButton::clicked, dialog, [dialog, anchor] {
        afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide")), anchor), dialog);
    });
    return help;
}

// The preview button and a double click in the file list show the chosen file.
void wirePreview(ChooserDialog *dialog, QPushButton *preview)
{
    const auto show = [dialog] {
        previewMedia(dialog->chooser()->directory(), dialog->fileEdit()->text());
    };
    QObject::connect(preview, &QPushButton::clicked, dialog, show);
    QObject::connect(dialog->chooser(), &FileChooser::fileActivated, dialog, show);
}

} // namespace

Tmultimedia::Tmultimedia(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tmultimedia"));
    setWindowTitle(QStringLiteral("Fichier multimédia : visionneuse"));
    m_label = label(this, "Label1", QStringLiteral("Nom du fichier multimédia"));
    m_edit = edit(this, "Edit1");
    m_edit->setEnabled(false);
    m_edit->setMinimumWidth(360);
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("MediaPlayer1"));
    m_play = button(bar, "btPlay", QString());
    m_play->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_play->setToolTip(QStringLiteral("Lecture"));
    m_stop = button(bar, "btStop", QString());
    m_stop->setIcon(style()->standardIcon(QStyle::SP_MediaStop));
    m_stop->setToolTip(QStringLiteral("Arrêt"));
    connect(m_play, &QPushButton::clicked, this, &Tmultimedia::playClick);
    connect(m_stop, &QPushButton::clicked, this, &Tmultimedia::stopClick);
    auto *buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(m_play);
    buttons->addWidget(m_stop);
    buttons->addStretch();
    m_ok = button(this, "OKBtn", QStringLiteral("OK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_label);
    m_layout->addWidget(m_edit);
    m_layout->addWidget(bar);
    m_layout->addWidget(m_ok, 0, Qt::AlignRight);
}

Tmultimedia::~Tmultimedia() = default;

void Tmultimedia::setFile(const QString &path)
{
    m_edit->setText(path);
}

QString Tmultimedia::file() const
{
    return m_edit->text();
}

void Tmultimedia::FormActivate()
{
    guarded(this, [this] {
        m_ok->setText(dialogText(1));
        setWindowTitle(dialogText(3000));
        m_label->setText(dialogText(3001));
    });
}

void Tmultimedia::ensurePlayer()
{
    if (m_player)
        return;
    m_player = modals().mediaPlayer(this);
    m_player->onError = [this](int code, const QString &text) { playerError(code, text); };
    if (QWidget *video = m_player->videoWidget()) {
        video->setMinimumSize(320, 240);
        m_layout->insertWidget(3, video, 1);
        m_player->onVideoAvailable = [video](bool available) { video->setVisible(available); };
    }
}

void Tmultimedia::playClick()
{
    ensurePlayer();
    m_errorShown = false;
    m_player->setSource(file());
    m_player->play();
}

void Tmultimedia::stopClick()
{
    ensurePlayer();
    m_errorShown = false;
    m_player->setSource(file());
    m_player->stop();
}

void Tmultimedia::playerError(int code, const QString &text)
{
    // The framework may report one failure several times; the user hears of it once a click.
    if (m_errorShown)
        return;
    m_errorShown = true;
    showError(this, QStringLiteral("Code erreur: %1\n%2").arg(code).arg(text));
}

void Tmultimedia::done(int result)
{
    if (m_player)
        m_player->stop();
    QDialog::done(result);
}

void previewMedia(const QString &directory, const QString &name)
{
    Tmultimedia &viewer = Tmultimedia::instance();
    viewer.setFile(mediamarkup::previewPath(directory, name));
    viewer.FormActivate();
    modals().execDialog(viewer);
    viewer.done(QDialog::Accepted);
}

Tchson::Tchson(QWidget *parent)
    : ChooserDialog(parent, "Tchson", QStringLiteral("Son en boucle ; balise BGSOUND"), "Label2",
                    QStringLiteral("Répertoire:"), "Label1",
                    QStringLiteral("Fichiers sons (*.wav,*.mid)|*.wav;*.mid|"
                                   "Tous les fichiers(*.*)|*.*"))
{
    QLabel *loops = label(this, "Label3", QStringLiteral("Nombre de boucle(s) :"));
    loops->setToolTip(QStringLiteral("laisser vide pour un nombre infini"));
    addRow(loops, edit(this, "Edit2", QStringLiteral("1"), QStringLiteral("0 si infini")));
    QPushButton *listen = button(this, "BitBtn1", QStringLiteral("Ecouter le fichier"));
    QPushButton *help = helpButton(this, QStringLiteral("son"));
    addRow(listen, help);
    wirePreview(this, listen);
    followNameCase();
    caption(1100, nullptr);
    caption(1101, directoryCaption());
    caption(1102, loops);
    caption(1103, listen);
    caption(3, help);
}

void Tchson::FormActivate()
{
    findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(QStringLiteral("1"));
    ChooserDialog::FormActivate();
}

Tchoix_son::Tchoix_son(QWidget *parent)
    : ChooserDialog(parent, "Tchoix_son", QStringLiteral("Composant multimédia ; balise EMBED"),
                    "Label5", QStringLiteral("Répertoire"), "Label1",
                    QStringLiteral("Fichiers Multimedia(mov,avi,wav,mid)|*.mov;*.avi;*.wav;*.mid|"
                                   "Tous fichiers(*.*)|*.*"))
{
    QLabel *height = label(this, "Label6", QStringLiteral("Hauteur"));
    QLabel *width = label(this, "Label7", QStringLiteral("Largeur"));
    QLabel *align = label(this, "Label4", QStringLiteral("Alignement"));
    QLabel *hidden = label(this, "Label3", QStringLiteral("Caché"));
    addRow(height, edit(this, "Edit2", QStringLiteral("46")));
    addRow(width, edit(this, "Edit3", QStringLiteral("150")));
    addRow(align,
           comboBox(this, "ComboBox1",
                    {QStringLiteral("center"), QStringLiteral("left"), QStringLiteral("middle"),
                     QStringLiteral("right"), QStringLiteral("top")},
                    QStringLiteral("center")));
    addRow(hidden, comboBox(this, "cache", {QStringLiteral("true"), QStringLiteral("false")},
                            QStringLiteral("false")));
    QPushButton *view = button(this, "BitBtn1", QStringLiteral("Visualiser le fichier"));
    QPushButton *help = helpButton(this, QStringLiteral("embed"));
    addRow(view, help);
    wirePreview(this, view);
    followNameCase();
    caption(4000, nullptr);
    caption(4001, directoryCaption());
    caption(4002, align);
    caption(4004, hidden);
    caption(4005, height);
    caption(4006, width);
    caption(4007, view);
    caption(3, help);
}

Tapplet::Tapplet(QWidget *parent)
    : ChooserDialog(parent, "Tapplet", QStringLiteral("Applet Java"), "Label5",
                    QStringLiteral("Répertoire"), "Label2",
                    QStringLiteral("Fichiers Java (*.class)|*.class|Tous les fichiers (*.*)|*.*"))
{
    QLabel *height = label(this, "Label3", QStringLiteral("Hauteur"));
    QLabel *width = label(this, "Label4", QStringLiteral("Largeur"));
    addRow(height, edit(this, "Edit2"));
    addRow(width, edit(this, "Edit3"));
    followNameCase();
    guarded(this, [&] {
        setWindowTitle(dialogText(2900));
        directoryCaption()->setText(dialogText(2901));
        height->setText(dialogText(2902));
        width->setText(dialogText(2903));
    });
}
