#include "app/taboutbox.h"

#include "app/brindelpicture.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("A propos de Brindel 7.2"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(432, 402);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto *image = new QLabel(panel);
    image->setObjectName(QStringLiteral("ProgramIcon"));
    image->setPixmap(brindelPicture(QSize(401, 305)));
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(4, 4, 4, 4);
    panelLayout->addWidget(image, 0, Qt::AlignCenter);

    auto *licence = new QLabel(
        QStringLiteral("Logiciel libre sous licence GNU GPL version 3 ou ultérieure"), this);
    licence->setObjectName(QStringLiteral("LicenceLabel"));
    licence->setAlignment(Qt::AlignCenter);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(licence);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}
