#include "options/personalbar.h"

#include "options/buttonglyph.h"
#include "options/personaltexts.h"
#include "platform/ioerror.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace
{

constexpr int kHeight = 38;
constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kTop = 8;
constexpr int kOptionsLeft = 616;

int buttonLeft(int number)
{
    return 8 + 32 * (number - 1);
}

// Three sliders: the settings picture of the options button.
QPixmap drawOptionsPicture(const QColor &line, const QColor &knob)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int knobs[] = {10, 4, 8};
    for (int row = 0; row < 3; ++row) {
        const int y = 3 + row * 5;
        painter.setPen(line);
        painter.drawLine(1, y, 14, y);
        painter.setPen(Qt::NoPen);
        painter.setBrush(knob);
        painter.drawRect(knobs[row] - 1, y - 2, 3, 4);
    }
    return picture;
}

} // namespace

QIcon optionsButtonIcon()
{
    QIcon icon;
    icon.addPixmap(drawOptionsPicture(QColor(40, 40, 40), QColor(0, 90, 200)), QIcon::Normal);
    icon.addPixmap(drawOptionsPicture(QColor(150, 150, 150), QColor(170, 170, 170)),
                   QIcon::Disabled);
    return icon;
}

PersonalBar::PersonalBar(QWidget *mainWindow) : QFrame(mainWindow), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Panel1"));
    // Raised inside a lowered edge.
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setLineWidth(1);
    setFixedHeight(kHeight);

    for (int number = 1; number <= 20; ++number) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(number));
        button->setGeometry(number <= kPersonalButtons ? buttonLeft(number) : kOptionsLeft, kTop,
                            kButtonWidth, kButtonHeight);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        button->setIconSize(QSize(16, 16));
        if (number <= kPersonalButtons) {
            button->setText(QString::number(number));
            connect(button, &QToolButton::clicked, this,
                    [this, number] { Q_EMIT personalButtonClicked(number); });
        } else {
            button->setIcon(optionsButtonIcon());
            connect(button, &QToolButton::clicked, this, &PersonalBar::optionsClicked);
        }
        m_buttons.append(button);
    }
    if (mainWindow)
        mainWindow->installEventFilter(this);
}

QToolButton *PersonalBar::button(int number) const
{
    return number >= 1 && number <= m_buttons.size() ? m_buttons[number - 1] : nullptr;
}

void PersonalBar::loadPictures(const QString &settingsFile)
{
    for (int number = 1; number <= kPersonalButtons; ++number) {
        const QString path = lireparametre(personalPictureKey(number), settingsFile);
        if (path.isEmpty())
            continue;
        // A value that names no readable picture ("indéfini" for a missing key) is passed
        // over in silence: this runs on every activation of the main window, where a message
        // box would activate it again.
        const ButtonPicture picture = readButtonPicture(path);
        if (!picture.ok())
            continue;
        QToolButton *target = m_buttons[number - 1];
        target->setIcon(glyphIcon(picture.image));
        target->setText(QString());
    }
}

bool PersonalBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && watched == m_mainWindow) {
        try {
            loadPictures(::settingsFile());
        } catch (const IoError &) {
            // Reported by the command that next reads the settings file; a message box here
            // would activate the main window again, and again.
        }
    }
    return QFrame::eventFilter(watched, event);
}
