#include "wizards/tframes.h"

#include "platform/guarded.h"
#include "settings/languagefiles.h"
#include "wizards/linkdialogparts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

Tframes::Tframes(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tframes"));
    setWindowTitle(QStringLiteral("Disposition des frames"));

    m_group = new QGroupBox(QStringLiteral("Choix des frames"), this);
    m_group->setObjectName(QStringLiteral("RadioGroup1"));
    m_columns = new QRadioButton(QStringLiteral("Colonnes"), m_group);
    m_columns->setObjectName(QStringLiteral("RadioButton1"));
    m_columns->setChecked(true);
    m_rows = new QRadioButton(QStringLiteral("Lignes"), m_group);
    m_rows->setObjectName(QStringLiteral("RadioButton2"));
    auto *choices = new QVBoxLayout(m_group);
    choices->addWidget(m_columns);
    choices->addWidget(m_rows);

    m_label = new QLabel(QStringLiteral("Taille :"), this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("frame"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    m_size->addItems({QStringLiteral("aucune"), QStringLiteral("10%"), QStringLiteral("20%"),
                      QStringLiteral("40%"), QStringLiteral("60%"), QStringLiteral("80%")});
    m_size->setCurrentIndex(2);

    m_ok = wizards::newOkButton(this, QStringLiteral("OKBtn"));
    m_cancel = wizards::newCancelButton(this, QStringLiteral("CancelBtn"));
    m_help = wizards::newHelpButton(this, QStringLiteral("BitBtn1"), QStringLiteral("frame"));

    auto *size = new QHBoxLayout;
    size->addWidget(m_label);
    size->addWidget(m_size, 1);
    auto *left = new QVBoxLayout;
    left->addWidget(m_group);
    left->addLayout(size);
    left->addStretch();
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    guarded(this, [this] {
        const QString texts[] = {texteDialogue(1200), texteDialogue(1201), texteDialogue(1202),
                                 texteDialogue(1203), texteDialogue(1204), texteDialogue(1),
                                 texteDialogue(2),    texteDialogue(3)};
        setWindowTitle(texts[0]);
        m_group->setTitle(texts[1]);
        m_columns->setText(texts[2]);
        m_rows->setText(texts[3]);
        m_label->setText(texts[4]);
        m_ok->setText(texts[5]);
        m_cancel->setText(texts[6]);
        m_help->setText(texts[7]);
    });
}

bool Tframes::columns() const
{
    return m_columns->isChecked();
}

QString Tframes::size() const
{
    return m_size->currentText();
}
