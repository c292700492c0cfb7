#include "editor/tsauvepapier.h"

#include "editor/clipboardhistory.h"
#include "platform/guarded.h"
#include "settings/languagefiles.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QPointer<Tsauve_papier> &theInstance()
{
    static QPointer<Tsauve_papier> window;
    return window;
}

} // namespace

Tsauve_papier::Tsauve_papier(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tsauve_papier"));
    setWindowTitle(QStringLiteral("Historique du presse-papier"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    resize(417, 204);

    m_texte = new QPlainTextEdit(this);
    m_texte->setObjectName(QStringLiteral("texte"));
    m_texte->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Long histories load quicker without wrapping: every line is laid out once.
    m_texte->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_texte->setUndoRedoEnabled(false);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("BitBtn1"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &Tsauve_papier::BitBtn1Click);
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("BitBtn2"));
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_texte, 1);
    layout->addLayout(buttons);
}

Tsauve_papier &Tsauve_papier::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tsauve_papier::createInstance(QWidget *parent)
{
    delete theInstance();
    theInstance() = new Tsauve_papier(parent);
}

void Tsauve_papier::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void Tsauve_papier::FormActivate()
{
    CreationSteps steps(this);
    steps.run([&] { setWindowTitle(texteDialogue(3900)); });
    m_texte->clear();
    steps.run([&] { m_texte->setPlainText(readClipboardHistory(clipboardHistoryFile())); });
}

void Tsauve_papier::BitBtn1Click()
{
    const QString selected =
        m_texte->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (!selected.isEmpty())
        QGuiApplication::clipboard()->setText(selected);
    accept();
}
