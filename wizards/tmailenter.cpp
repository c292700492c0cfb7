#include "wizards/tmailenter.h"

#include "platform/guarded.h"
#include "settings/languagefiles.h"
#include "wizards/linkdialogparts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tmail_enter::Tmail_enter(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tmail_enter"));
    setWindowTitle(QStringLiteral("E-mail"));

    m_label1 = new QLabel(QStringLiteral("Entrer l'E-mail"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("Edit1"));
    m_address->setMinimumWidth(220);
    m_label2 = new QLabel(QStringLiteral("Sujet du mail"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_subject = new QLineEdit(this);
    m_subject->setObjectName(QStringLiteral("Edit2"));
    m_ok = wizards::newOkButton(this, QStringLiteral("OKBtn"));
    m_cancel = wizards::newCancelButton(this, QStringLiteral("CancelBtn"));

    auto *fields = new QFormLayout;
    fields->addRow(m_label1, m_address);
    fields->addRow(m_label2, m_subject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    guarded(this, [this] {
        const QString texts[] = {texteDialogue(600), texteDialogue(601), texteDialogue(602),
                                 texteDialogue(1), texteDialogue(2)};
        setWindowTitle(texts[0]);
        m_label1->setText(texts[1]);
        m_label2->setText(texts[2]);
        m_ok->setText(texts[3]);
        m_cancel->setText(texts[4]);
    });
}

QString Tmail_enter::address() const
{
    return m_address->text();
}

QString Tmail_enter::subject() const
{
    return m_subject->text();
}
