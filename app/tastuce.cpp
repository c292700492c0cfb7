#include "app/tastuce.h"

#include "app/tipoftheday.h"
#include "platform/guarded.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace
{

QPointer<TAstuce> &theInstance()
{
    static QPointer<TAstuce> window;
    return window;
}

// A small light bulb: the window's icon and its picture.
QPixmap bulbPicture(int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    QRadialGradient glow(QPointF(14, 11), 12);
    glow.setColorAt(0, QColor(0xff, 0xf6, 0xb0));
    glow.setColorAt(1, QColor(0xf2, 0xb8, 0x1d));
    p.setBrush(glow);
    p.setPen(QPen(QColor(0x8a, 0x62, 0x00), 1.2));
    QPainterPath bulb;
    bulb.moveTo(12, 22);
    bulb.cubicTo(12, 18, 6, 16, 6, 11);
    bulb.cubicTo(6, 5.5, 10.5, 2, 16, 2);
    bulb.cubicTo(21.5, 2, 26, 5.5, 26, 11);
    bulb.cubicTo(26, 16, 20, 18, 20, 22);
    bulb.closeSubpath();
    p.drawPath(bulb);
    p.setBrush(QColor(0x9a, 0x9a, 0xa0));
    p.setPen(QPen(QColor(0x50, 0x50, 0x58), 1));
    p.drawRoundedRect(QRectF(11.5, 22, 9, 6), 1.5, 1.5);
    p.drawLine(QPointF(11.5, 25), QPointF(20.5, 25));
    p.setBrush(QColor(0x50, 0x50, 0x58));
    p.drawEllipse(QRectF(14, 28, 4, 3));
    return picture;
}

} // namespace

TAstuce::TAstuce(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAstuce"));
    setWindowTitle(QStringLiteral("Astuce du jour"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(bulbPicture(32)));
    setFixedSize(362, 253);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);

    m_image = new QLabel(panel);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setPixmap(bulbPicture(32));
    m_label1 = new QLabel(QStringLiteral("Le saviez-vous?"), panel);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_label1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_label1->setFont(bold);

    // Read-only but not greyed: the tip reads as ordinary text and scrolls when long.
    m_memo = new QPlainTextEdit(panel);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setFocusPolicy(Qt::NoFocus);
    m_memo->setTextInteractionFlags(Qt::NoTextInteraction);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_close = new QPushButton(QStringLiteral("Fermer"), panel);
    m_close->setObjectName(QStringLiteral("BitBtn1"));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &TAstuce::BitBtn1Click);
    m_next = new QPushButton(QStringLiteral("Astuce suivante"), panel);
    m_next->setObjectName(QStringLiteral("BitBtn2"));
    connect(m_next, &QPushButton::clicked, this, [this] {
        advance();
        guarded(this, [&] { affiche_astuce(m_number); });
    });
    m_options = new QPushButton(QStringLiteral("Options"), panel);
    m_options->setObjectName(QStringLiteral("BitBtn3"));
    m_options->setEnabled(false); // until the options dialog is handed over
    connect(m_options, &QPushButton::clicked, this, [this] {
        if (m_showOptions)
            m_showOptions(this);
    });

    auto *title = new QHBoxLayout;
    title->addWidget(m_image);
    title->addWidget(m_label1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_options);
    buttons->addStretch();
    buttons->addWidget(m_next);
    buttons->addWidget(m_close);
    auto *inner = new QVBoxLayout(panel);
    inner->addLayout(title);
    inner->addWidget(m_memo, 1);
    inner->addLayout(buttons);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    FormCreate();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

TAstuce &TAstuce::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void TAstuce::createInstance(QWidget *parent)
{
    delete theInstance();
    theInstance() = new TAstuce(parent);
}

void TAstuce::FormCreate()
{
    CreationSteps steps(this);
    steps.run([&] {
        m_number = tipNumberFromSetting(lireparametre(QStringLiteral("numastuce"), settingsFile()));
    });
    steps.run([&] { affiche_astuce(m_number); });
    steps.run([&] {
        setWindowTitle(texteDialogue(3100));
        m_label1->setText(texteDialogue(3101));
        m_next->setText(texteDialogue(3102));
        m_close->setText(texteDialogue(3103));
        m_options->setText(texteDialogue(3104));
    });
}

void TAstuce::affiche_astuce(int number)
{
    m_memo->clear();
    if (number >= 1 && number <= kTipCount)
        m_memo->setPlainText(texteDialogue(tipTextNumber(number)));
}

QString TAstuce::tipText() const
{
    return m_memo->toPlainText();
}

void TAstuce::setOptionsDialog(std::function<void(QWidget *)> showOptions)
{
    m_showOptions = std::move(showOptions);
    m_options->setEnabled(bool(m_showOptions));
}

void TAstuce::advance()
{
    m_number = nextTipNumber(m_number);
}

void TAstuce::BitBtn1Click()
{
    accept();
    advance();
    guarded(this, [&] {
        ecrireparametre(QString::number(m_number), QStringLiteral("numastuce"), settingsFile());
    });
}
