#include "wizards/tfrfich.h"

#include "platform/filechooser.h"
#include "platform/guarded.h"
#include "settings/languagefiles.h"
#include "wizards/linkdialogparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

Tfr_fich::Tfr_fich(const QString &directory, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tfr_fich"));
    setWindowTitle(QStringLiteral("Fichier contenu dans la frame"));
    resize(520, 360);

    m_chooser = new FileChooser(this);
    m_chooser->directoryLabel()->setObjectName(QStringLiteral("Label1"));
    m_label2 = new QLabel(QStringLiteral("Répertoire"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("Edit1"));
    m_chooser->bindEdit(m_file);
    m_chooser->setDirectory(directory);
    // "*.htm" also shows the ".html" files, as the filter's caption says.
    m_chooser->setFilter(QStringLiteral("Fichiers Html (*.htm;*.html)|*.htm|"
                                        "Tous les fichiers (*.*)|*.*"));

    m_label3 = new QLabel(QStringLiteral("Son nom:"), this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_name = new QLineEdit(QStringLiteral("Frame"), this);
    m_name->setObjectName(QStringLiteral("Edit2"));
    m_name->setToolTip(
        QStringLiteral("Le nom de la frame : très utile pour les liens de frame à frame"));

    m_ok = wizards::newOkButton(this, QStringLiteral("OKBtn"));
    m_cancel = wizards::newCancelButton(this, QStringLiteral("CancelBtn"));
    m_help = wizards::newHelpButton(this, QStringLiteral("HelpBtn"), QStringLiteral("frame"));

    // Files on the left, as the name field above them; directories on the right.
    auto *grid = new QGridLayout;
    grid->addWidget(m_file, 0, 0);
    grid->addWidget(m_label2, 0, 1);
    grid->addWidget(m_chooser->directoryLabel(), 1, 1);
    grid->addWidget(m_chooser->fileList(), 1, 0, 2, 1);
    grid->addWidget(m_chooser->directoryTree(), 2, 1);
    grid->addWidget(m_chooser->filterList(), 3, 0);
    grid->addWidget(m_chooser->driveList(), 3, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    m_chooser->hide();

    auto *name = new QHBoxLayout;
    name->addWidget(m_label3);
    name->addWidget(m_name, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    left->addLayout(grid, 1);
    left->addLayout(name);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    guarded(this, [this] {
        const QString texts[] = {texteDialogue(1300), texteDialogue(1301), texteDialogue(1302),
                                 texteDialogue(1),    texteDialogue(2),    texteDialogue(3)};
        setWindowTitle(texts[0]);
        m_label2->setText(texts[1]);
        m_label3->setText(texts[2]);
        m_ok->setText(texts[3]);
        m_cancel->setText(texts[4]);
        m_help->setText(texts[5]);
    });
}

QString Tfr_fich::fileName() const
{
    return m_file->text();
}

QString Tfr_fich::frameName() const
{
    return m_name->text();
}
