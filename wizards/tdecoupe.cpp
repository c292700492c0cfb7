#include "wizards/imagedialogs.h"

#include "platform/guarded.h"
#include "platform/ioerror.h"
#include "platform/modals.h"
#include "platform/pictures.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "wizards/linkdialogparts.h"
#include "wizards/regionfiles.h"
#include "wizards/tlien.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace
{

QPointer<Tdecoupe> &editorInstance()
{
    static QPointer<Tdecoupe> dialog;
    return dialog;
}

// Caption of the editor when a polygon holds all its vertices.
constexpr int kPolygonFullText = 3809;

} // namespace

RegionPicture::RegionPicture(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void RegionPicture::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT pressed(event->position().toPoint());
}

void RegionPicture::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT moved(event->position().toPoint());
}

Tdecoupe::Tdecoupe(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tdecoupe"));
    setWindowTitle(QStringLiteral("Découpe de l'image"));
    setFixedSize(627, 453);
    setMouseTracking(true);

    m_image = new RegionPicture;
    m_image->setObjectName(QStringLiteral("Image1"));
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollBox1"));
    m_scroll->setWidget(m_image);
    m_scroll->setMouseTracking(true);

    const char *const captions[] = {"Rectangle", "Cercle", "Polygone", "Stop Polygone"};
    auto *shapes = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_shapes[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
        m_shapes[i]->setObjectName(QStringLiteral("BitBtn%1").arg(i + 1));
        shapes->addWidget(m_shapes[i]);
    }
    m_shapes[3]->setEnabled(false);
    m_x = new QLabel(this);
    m_x->setObjectName(QStringLiteral("Label1"));
    m_y = new QLabel(this);
    m_y->setObjectName(QStringLiteral("Label2"));
    shapes->addSpacing(12);
    shapes->addWidget(m_x);
    shapes->addWidget(m_y);
    shapes->addStretch();

    m_buttons[0] = wizards::newOkButton(this, QStringLiteral("OKBtn"));
    m_buttons[1] = wizards::newCancelButton(this, QStringLiteral("CancelBtn"));
    m_buttons[2] =
        wizards::newHelpButton(this, QStringLiteral("HelpBtn"), QStringLiteral("reactive"));
    m_buttons[0]->setDefault(false);
    m_buttons[0]->setAutoDefault(false);
    for (QPushButton *button : m_buttons)
        shapes->addWidget(button);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(shapes);

    connect(m_shapes[0], &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(m_shapes[1], &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(m_shapes[2], &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(m_shapes[3], &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(m_image, &RegionPicture::pressed, this, [this](QPoint p) { Image1MouseDown(p); });
    connect(m_image, &RegionPicture::moved, this, [this](QPoint p) { Image1MouseMove(p); });
}

Tdecoupe &Tdecoupe::instance()
{
    if (!editorInstance())
        createInstance(nullptr);
    return *editorInstance();
}

void Tdecoupe::createInstance(QWidget *parent)
{
    editorInstance() = new Tdecoupe(parent);
}

QPushButton *Tdecoupe::button(int number) const
{
    return m_shapes[number - 1];
}

bool Tdecoupe::FormActivate(const QString &path)
{
    guarded(this, [this] { setTexts(); });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PictureResult result = readPicture(path);
    QApplication::restoreOverrideCursor();
    m_picture = QImage();
    if (!result.ok()) {
        m_canvas = QImage();
        m_image->clear();
        showError(this, result.error);
        return false;
    }
    m_picture = result.image;
    m_canvas = m_picture.convertToFormat(QImage::Format_ARGB32);
    m_image->setPixmap(QPixmap::fromImage(m_canvas));
    m_image->resize(m_canvas.size());
    m_drawing.activate();
    m_shapes[2]->setEnabled(true);
    m_shapes[3]->setEnabled(false);
    m_x->clear();
    m_y->clear();
    showColours();
    return true;
}

void Tdecoupe::setTexts()
{
    QStringList texts;
    for (int number : {1, 2, 3, 3800, 3801, 3802, 3803, 3804})
        texts << texteDialogue(number);
    for (int i = 0; i < 3; ++i)
        m_buttons[i]->setText(texts.at(i));
    setWindowTitle(texts.at(3));
    for (int i = 0; i < 4; ++i)
        m_shapes[i]->setText(texts.at(4 + i));
}

void Tdecoupe::setCaption(int number)
{
    guarded(this, [this, number] { setWindowTitle(texteDialogue(number)); });
}

void Tdecoupe::showColours()
{
    const RegionDrawing::Mode modes[] = {RegionDrawing::Mode::Rect, RegionDrawing::Mode::Circle,
                                         RegionDrawing::Mode::Poly};
    for (int i = 0; i < 3; ++i) {
        QPalette palette = m_shapes[i]->palette();
        palette.setColor(QPalette::ButtonText,
                         m_drawing.highlighted(modes[i]) ? QColor(Qt::blue) : QColor(Qt::black));
        m_shapes[i]->setPalette(palette);
    }
}

void Tdecoupe::draw(const std::function<void(QPainter &)> &paint)
{
    if (m_canvas.isNull())
        return;
    {
        QPainter painter(&m_canvas);
        painter.setPen(QPen(QColor(255, 255, 0)));
        painter.setBrush(Qt::NoBrush);
        paint(painter);
    }
    m_image->setPixmap(QPixmap::fromImage(m_canvas));
}

RegionLink Tdecoupe::askLink()
{
    RegionLink link;
    Tlien &dialog = Tlien::instance();
    if (modals().execDialog(dialog) == QDialog::Accepted) {
        const wizards::LinkTarget target = dialog.result();
        link.link = target.target;
        link.fileLink = target.isFile;
    }
    QString caption = QStringLiteral("Texte de substitution");
    QString prompt = caption;
    guarded(this, [&] {
        caption = texteDialogue(3805);
        prompt = texteDialogue(3806);
    });
    link.text = modals().inputText(this, caption, prompt, QString()).value_or(QString());
    return link;
}

bool Tdecoupe::store(RegionShape shape, const QByteArray &record)
{
    return guarded(this, [&] {
        RegionFile(programDirectory(), shape).write(m_drawing.nextNumber(shape), record);
        m_drawing.regionStored(shape);
    });
}

void Tdecoupe::BitBtn1Click()
{
    m_drawing.chooseRect();
    showColours();
}

void Tdecoupe::BitBtn2Click()
{
    m_drawing.chooseCircle();
    showColours();
}

void Tdecoupe::BitBtn3Click()
{
    m_drawing.startPolygon();
    m_shapes[2]->setEnabled(false);
    m_shapes[3]->setEnabled(true);
    showColours();
}

void Tdecoupe::BitBtn4Click()
{
    PolyRegion polygon = m_drawing.stopPolygon();
    m_shapes[3]->setEnabled(false);
    m_shapes[2]->setEnabled(true);
    const int count = polygon.vertexCount();
    if (count >= 1) {
        const QPoint first = polygon.vertices[0];
        const QPoint last = polygon.vertices[size_t(count - 1)];
        draw([&](QPainter &p) { p.drawLine(first, last); });
    }
    polygon.link = askLink();
    if (store(RegionShape::Poly, regionrecords::encode(polygon)))
        setCaption(3807);
}

void Tdecoupe::Image1MouseDown(QPoint point)
{
    using Kind = RegionDrawing::Click::Kind;
    const RegionDrawing::Click click = m_drawing.click(point);
    switch (click.kind) {
    case Kind::Ignored:
        break;
    case Kind::FirstPoint:
        setCaption(3808);
        break;
    case Kind::PolygonFull:
        setCaption(kPolygonFullText);
        break;
    case Kind::Vertex:
        if (click.vertex > 1)
            draw([&](QPainter &p) { p.drawLine(click.first, click.second); });
        break;
    case Kind::Rectangle: {
        draw([&](QPainter &p) { p.drawRect(QRect(click.first, click.second).normalized()); });
        const RectRegion region{click.first, click.second, askLink()};
        if (store(RegionShape::Rect, regionrecords::encode(region)))
            setCaption(3807);
        break;
    }
    case Kind::Circle: {
        draw([&](QPainter &p) { p.drawEllipse(click.first, click.radius, click.radius); });
        const CircleRegion region{click.first, click.radius, askLink()};
        if (store(RegionShape::Circle, regionrecords::encode(region)))
            setCaption(3807);
        break;
    }
    }
}

void Tdecoupe::Image1MouseMove(QPoint point)
{
    m_x->setText(QStringLiteral("X=%1").arg(point.x()));
    m_y->setText(QStringLiteral("Y=%1").arg(point.y()));
}

void Tdecoupe::mouseMoveEvent(QMouseEvent *event)
{
    // The pointer over the form outside the picture.
    m_x->clear();
    m_y->clear();
    QDialog::mouseMoveEvent(event);
}
