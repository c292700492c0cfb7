#include "wizards/tlien.h"

#include "platform/filefilter.h"
#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "wizards/linkdialogparts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

QPointer<Tlien> &theInstance()
{
    static QPointer<Tlien> dialog;
    return dialog;
}

constexpr wizards::LinkKind kKinds[] = {wizards::LinkKind::Url, wizards::LinkKind::Mailto,
                                        wizards::LinkKind::File, wizards::LinkKind::Anchor};

} // namespace

Tlien::Tlien(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tlien"));
    setWindowTitle(QStringLiteral("lien"));

    m_group = new QGroupBox(QStringLiteral("Type"), this);
    m_group->setObjectName(QStringLiteral("GroupBox1"));
    auto *grid = new QGridLayout(m_group);
    const char *const captions[] = {"URL", "Mailto", "Fichier", "Lien hypertexte"};
    for (int i = 0; i < 4; ++i) {
        m_radios[i] = new QRadioButton(QString::fromUtf8(captions[i]), m_group);
        m_radios[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        m_edits[i] = new QLineEdit(m_group);
        m_edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        m_edits[i]->setMinimumWidth(220);
        grid->addWidget(m_radios[i], i, 0);
        grid->addWidget(m_edits[i], i, 1);
        const wizards::LinkKind kind = kKinds[i];
        connect(m_radios[i], &QRadioButton::toggled, this, [this, kind](bool checked) {
            if (checked)
                choose(kind);
        });
    }
    m_browse = new QPushButton(QStringLiteral("Parcourir"), m_group);
    m_browse->setObjectName(QStringLiteral("Button1"));
    grid->addWidget(m_browse, 2, 2);
    connect(m_browse, &QPushButton::clicked, this, [this] { guarded(this, [this] { browse(); }); });

    m_ok = wizards::newOkButton(this, QStringLiteral("BitBtn1"));
    m_help = wizards::newHelpButton(this, QStringLiteral("BitBtn2"), QStringLiteral("reactive"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addLayout(buttons);

    m_radios[0]->setChecked(true);
    choose(wizards::LinkKind::Url);
    guarded(this, [this] { setTexts(); });
}

Tlien &Tlien::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tlien::createInstance(QWidget *parent)
{
    theInstance() = new Tlien(parent);
}

void Tlien::setTexts()
{
    // Read every text first, so a language file that cannot be read leaves the design ones.
    QStringList texts;
    for (int number = 700; number <= 706; ++number)
        texts << texteDialogue(number);
    texts << texteDialogue(910);
    setWindowTitle(texts.at(0));
    m_group->setTitle(texts.at(1));
    for (int i = 0; i < 4; ++i)
        m_radios[i]->setText(texts.at(2 + i));
    m_browse->setText(texts.at(6));
    m_help->setText(texts.at(7));
}

void Tlien::choose(wizards::LinkKind kind)
{
    for (int i = 0; i < 4; ++i)
        m_edits[i]->setEnabled(kKinds[i] == kind);
    m_browse->setEnabled(kind == wizards::LinkKind::File);
}

void Tlien::browse()
{
    Modals::FileRequest request;
    request.filter = qtFileFilter(QStringLiteral("Fichier HTML|*.htm;*.html"));
    const QString chosen = modals().openFileName(this, request);
    if (!chosen.isEmpty())
        m_edits[2]->setText(chosen);
}

wizards::LinkKind Tlien::kind() const
{
    for (int i = 0; i < 4; ++i) {
        if (m_radios[i]->isChecked())
            return kKinds[i];
    }
    return wizards::LinkKind::Url;
}

wizards::LinkTarget Tlien::result() const
{
    return wizards::linkTarget(
        kind(), {m_edits[0]->text(), m_edits[1]->text(), m_edits[2]->text(), m_edits[3]->text()});
}
