#include "wizards/tchoixfond.h"

#include "platform/guarded.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace
{

constexpr int kLabelX = 32;
constexpr int kFirstLabelY = 16;
constexpr int kLabelStep = 24;
constexpr int kMargin = 16;

const char *const kLabelCaptions[Tchoixfond::kLabelCount] = {"Fond", "Texte", "Liens",
                                                             "Liens actifs", "Liens activés"};
constexpr int kLabelTexts[Tchoixfond::kLabelCount] = {403, 404, 406, 407, 408};

QPointer<Tchoixfond> &theInstance()
{
    static QPointer<Tchoixfond> window;
    return window;
}

} // namespace

Tchoixfond::Tchoixfond(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tchoixfond"));
    setWindowTitle(QStringLiteral("Aperçu"));

    m_canvas = new QWidget;
    m_image = new QLabel(m_canvas);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->move(0, 0);
    m_image->resize(0, 0);
    for (int i = 0; i < kLabelCount; ++i) {
        // Labels have no background of their own: the picture shows through around the text.
        auto *label = new QLabel(QString::fromUtf8(kLabelCaptions[i]), m_canvas);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setAutoFillBackground(false);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->move(kLabelX, kFirstLabelY + i * kLabelStep);
        label->adjustSize();
        m_labels[i] = label;
    }

    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidget(m_canvas);
    m_scroll->setWidgetResizable(false);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(buttons);
    fitToPicture();
}

Tchoixfond &Tchoixfond::instance()
{
    if (!theInstance())
        createInstance(nullptr);
    return *theInstance();
}

void Tchoixfond::createInstance(QWidget *parent)
{
    theInstance() = new Tchoixfond(parent);
}

void Tchoixfond::setLabelColour(int label, const QColor &colour)
{
    QPalette palette = m_labels[label]->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_labels[label]->setPalette(palette);
}

QColor Tchoixfond::labelColour(int label) const
{
    return m_labels[label]->palette().color(QPalette::WindowText);
}

void Tchoixfond::setPicture(const QImage &picture)
{
    m_image->setPixmap(QPixmap::fromImage(picture));
    m_image->resize(picture.size());
}

QSize Tchoixfond::pictureSize() const
{
    return m_image->size();
}

void Tchoixfond::fitToPicture()
{
    // The canvas holds the picture and, at least, the labels with a margin.
    QSize labels(0, 0);
    for (QLabel *label : m_labels) {
        label->adjustSize();
        labels = labels.expandedTo(QSize(label->geometry().right() + 1 + kMargin,
                                         label->geometry().bottom() + 1 + kMargin));
    }
    const QSize canvas = m_image->size().expandedTo(labels);
    m_canvas->resize(canvas);

    // The window: the canvas and the OK row, within the screen's free area.
    const QSize buttons(m_ok->sizeHint().width() + 2 * kMargin,
                        m_ok->sizeHint().height() + layout()->spacing() + 8);
    QSize wanted(std::max(canvas.width(), buttons.width()), canvas.height() + buttons.height());
    QSize frame(0, 0);
    QSize available(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        // Room for the window frame and, when the picture scrolls, for the scroll bars.
        frame = QSize(16, 40);
        available = screen->availableGeometry().size() - frame;
    }
    if (wanted.width() > available.width() || wanted.height() > available.height()) {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        wanted = (wanted + QSize(bar, bar)).boundedTo(available);
    }
    setFixedSize(wanted);
}

void Tchoixfond::showPreview()
{
    FormActivate();
    modals().execDialog(*this);
}

void Tchoixfond::FormActivate()
{
    guarded(this, [this] {
        setWindowTitle(texteDialogue(900));
        for (int i = 0; i < kLabelCount; ++i)
            m_labels[i]->setText(texteDialogue(kLabelTexts[i]));
    });
    fitToPicture();
}
