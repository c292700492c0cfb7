#include "analyzer/tanalyseur.h"

#include "editor/helppreview.h"
#include "platform/guarded.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/supportfolders.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QPointer<Tanalyseur> &theInstance()
{
    static QPointer<Tanalyseur> window;
    return window;
}

} // namespace

Tanalyseur::Tanalyseur(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tanalyseur"));
    setWindowTitle(QStringLiteral("Analyse du code"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(502, 282);
    setSizeGripEnabled(true); // the window may be made larger for a long log

    m_group = new QGroupBox(QStringLiteral("Résultat de l'analyse"), this);
    m_group->setObjectName(QStringLiteral("GroupBox1"));
    m_label1 = new QLabel(QStringLiteral("Ligne :"), m_group);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2 = new QLabel(QStringLiteral("Colonne :"), m_group);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label3 = new QLabel(QStringLiteral("Label3"), m_group);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label4 = new QLabel(QStringLiteral("Label4"), m_group);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_memo = new QPlainTextEdit(m_group);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    // Long lines (an error naming a long word) wrap at the edge, read without scrolling.
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto *grid = new QGridLayout(m_group);
    grid->addWidget(m_label1, 0, 0);
    grid->addWidget(m_label3, 0, 1);
    grid->addWidget(m_label2, 1, 0);
    grid->addWidget(m_label4, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(m_memo, 2, 0, 1, 2);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    m_help = new QPushButton(QStringLiteral("Aide"), this);
    m_help->setObjectName(QStringLiteral("BitBtn3"));
    connect(m_help, &QPushButton::clicked, this, [this] {
        afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide")), QStringLiteral("erreur")),
                    this);
    });
    m_goTo = new QPushButton(QStringLiteral("Aller à l'erreur"), this);
    m_goTo->setObjectName(QStringLiteral("BoutonAllerErreur"));
    connect(m_goTo, &QPushButton::clicked, this, [this] {
        m_goToFinding = true;
        accept();
    });

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_help);
    buttons->addWidget(m_goTo);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_group, 1);
    layout->addLayout(buttons);
}

Tanalyseur &Tanalyseur::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tanalyseur::createInstance(QWidget *parent)
{
    theInstance() = new Tanalyseur(parent);
}

void Tanalyseur::setPosition(qsizetype ligne, qsizetype colonne)
{
    m_label3->setText(QString::number(ligne));
    m_label4->setText(QString::number(colonne));
}

void Tanalyseur::setFindingShown(bool finding)
{
    m_goTo->setEnabled(finding);
}

void Tanalyseur::setLog(const QString &text)
{
    m_memo->setPlainText(text);
}

QString Tanalyseur::ligneText() const
{
    return m_label3->text();
}
QString Tanalyseur::colonneText() const
{
    return m_label4->text();
}
QString Tanalyseur::logText() const
{
    return m_memo->toPlainText();
}

void Tanalyseur::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void Tanalyseur::FormActivate()
{
    m_goToFinding = false;
    guarded(this, [this] {
        setWindowTitle(texteDialogue(1000));
        m_group->setTitle(texteDialogue(1001));
        m_label1->setText(texteDialogue(1002));
        m_label2->setText(texteDialogue(1003));
        m_ok->setText(texteDialogue(1));
        m_help->setText(texteDialogue(3));
        m_goTo->setText(texteDialogue(1004));
    });
}
