#include "wizards/tchoixfichier.h"

#include "platform/filefilter.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "wizards/linkdialogparts.h"
#include "wizards/links.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QPointer<Tchoixfichier> &theInstance()
{
    static QPointer<Tchoixfichier> dialog;
    return dialog;
}

const QString kFilter = QStringLiteral("Fichiers Html (*.htm;*.html)|*.htm;*.html|"
                                       "Fichiers Images|*.gif;*.jpg;*.jpeg;*.png|"
                                       "Tous les fichiers (*.*)|*");

} // namespace

Tchoixfichier::Tchoixfichier(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tchoixfichier"));
    setWindowTitle(QStringLiteral("Choix d'un fichier pour le lien"));

    m_group1 = new QGroupBox(QStringLiteral("Choix du fichier"), this);
    m_group1->setObjectName(QStringLiteral("GroupBox1"));
    m_label1 = new QLabel(QStringLiteral("Répertoire de base du projet :"), m_group1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2 = new QLabel(m_group1);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setTextFormat(Qt::PlainText);
    m_edit = new QLineEdit(m_group1);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMinimumWidth(220);
    m_browse = new QPushButton(QStringLiteral("Parcourir"), m_group1);
    m_browse->setObjectName(QStringLiteral("Button1"));
    connect(m_browse, &QPushButton::clicked, this, [this] { guarded(this, [this] { browse(); }); });
    auto *grid1 = new QGridLayout(m_group1);
    grid1->addWidget(m_label1, 0, 0, 1, 2);
    grid1->addWidget(m_label2, 1, 0, 1, 2);
    grid1->addWidget(m_edit, 2, 0);
    grid1->addWidget(m_browse, 2, 1);

    m_group2 = new QGroupBox(QStringLiteral("Paramètre"), this);
    m_group2->setObjectName(QStringLiteral("GroupBox2"));
    m_label3 = new QLabel(QStringLiteral("Target"), m_group2);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_target = wizards::newTargetList(m_group2, QStringLiteral("ComboBox1"));
    auto *row2 = new QHBoxLayout(m_group2);
    row2->addWidget(m_label3);
    row2->addWidget(m_target, 1);

    m_ok = wizards::newOkButton(this, QStringLiteral("BitBtn1"));
    m_cancel = wizards::newCancelButton(this, QStringLiteral("BitBtn2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group1);
    layout->addWidget(m_group2);
    layout->addLayout(buttons);
}

Tchoixfichier &Tchoixfichier::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tchoixfichier::createInstance(QWidget *parent)
{
    theInstance() = new Tchoixfichier(parent);
}

void Tchoixfichier::FormActivate()
{
    guarded(this, [this] {
        const QString texts[] = {texteDialogue(2600), texteDialogue(2601), texteDialogue(2602),
                                 texteDialogue(2603), texteDialogue(316),  texteDialogue(1),
                                 texteDialogue(2)};
        setWindowTitle(texts[0]);
        m_label1->setText(texts[1]);
        m_group1->setTitle(texts[2]);
        m_group2->setTitle(texts[3]);
        m_browse->setText(texts[4]);
        m_ok->setText(texts[5]);
        m_cancel->setText(texts[6]);
    });
}

void Tchoixfichier::setProjectDirectory(const QString &directory)
{
    m_label2->setText(directory);
}

QString Tchoixfichier::fileName() const
{
    return m_edit->text();
}

void Tchoixfichier::setFileName(const QString &name)
{
    m_edit->setText(name);
}

QString Tchoixfichier::target() const
{
    return m_target->currentText();
}

void Tchoixfichier::browse()
{
    Modals::FileRequest request;
    request.directory = m_startDirectory;
    request.filter = qtFileFilter(kFilter);
    request.selectedFilter = m_selectedFilter;
    const QString chosen = modals().openFileName(this, request);
    if (chosen.isEmpty())
        return;
    m_selectedFilter = request.selectedFilter;
    m_chosenPath = chosen;
    // The next file dialog opens where this one was left.
    m_startDirectory = wizards::directoryPart(chosen);
    m_edit->setText(wizards::fileNamePart(chosen));
}
