#include "wizards/tchoixsite.h"

#include "platform/guarded.h"
#include "settings/languagefiles.h"
#include "wizards/linkdialogparts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QPointer<TChoix_Site> &theInstance()
{
    static QPointer<TChoix_Site> dialog;
    return dialog;
}

} // namespace

TChoix_Site::TChoix_Site(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TChoix_Site"));
    setWindowTitle(QStringLiteral("Lien vers un site ou une page"));

    m_label1 = new QLabel(QStringLiteral("Saisir l'adresse du site ou de la page"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_scheme = new QComboBox(this);
    m_scheme->setObjectName(QStringLiteral("ComboBox1"));
    m_scheme->setEditable(true);
    m_scheme->setInsertPolicy(QComboBox::NoInsert);
    m_scheme->addItems({QStringLiteral("http://"), QStringLiteral("ftp://"),
                        QStringLiteral("mailto:"), QStringLiteral("news://"),
                        QStringLiteral("file://")});
    m_scheme->setCurrentIndex(0);
    m_address = new QLineEdit(QStringLiteral("http://"), this);
    m_address->setObjectName(QStringLiteral("Edit1"));
    m_address->setMinimumWidth(280);
    // Choosing a scheme (or typing in the list) restarts the address with it.
    connect(m_scheme, &QComboBox::currentTextChanged, m_address, &QLineEdit::setText);

    m_label3 = new QLabel(QStringLiteral("Texte du lien"), this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_text = new QLineEdit(QStringLiteral("Texte"), this);
    m_text->setObjectName(QStringLiteral("Edit2"));
    m_label2 = new QLabel(QStringLiteral("Paramètre TARGET"), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_target = wizards::newTargetList(this, QStringLiteral("target"));

    m_ok = wizards::newOkButton(this, QStringLiteral("OKBtn"));
    m_cancel = wizards::newCancelButton(this, QStringLiteral("CancelBtn"));

    auto *address = new QHBoxLayout;
    address->addWidget(m_scheme);
    address->addWidget(m_address, 1);
    auto *fields = new QFormLayout;
    fields->addRow(m_label3, m_text);
    fields->addRow(m_label2, m_target);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    layout->addLayout(address);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

TChoix_Site &TChoix_Site::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void TChoix_Site::createInstance(QWidget *parent)
{
    theInstance() = new TChoix_Site(parent);
}

void TChoix_Site::FormActivate()
{
    guarded(this, [this] {
        const QString texts[] = {texteDialogue(800), texteDialogue(801), texteDialogue(802),
                                 texteDialogue(803), texteDialogue(1),   texteDialogue(2)};
        setWindowTitle(texts[0]);
        m_label1->setText(texts[1]);
        m_label3->setText(texts[2]);
        m_label2->setText(texts[3]);
        m_ok->setText(texts[4]);
        m_cancel->setText(texts[5]);
    });
}

QString TChoix_Site::address() const
{
    return m_address->text();
}

QString TChoix_Site::linkText() const
{
    return m_text->text();
}

QString TChoix_Site::target() const
{
    return m_target->currentText();
}
