#include "wizards/linkdialogparts.h"

#include "editor/helppreview.h"
#include "settings/programdir.h"
#include "settings/supportfolders.h"
#include "wizards/links.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

namespace wizards
{

QComboBox *newTargetList(QWidget *parent, const QString &objectName)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems({QString(kNoTarget), QStringLiteral("_blank"), QStringLiteral("_top"),
                    QStringLiteral("_self"), QStringLiteral("_parent")});
    list->setCurrentIndex(0);
    return list;
}

QPushButton *newOkButton(QDialog *dialog, const QString &objectName)
{
    auto *button = new QPushButton(QStringLiteral("OK"), dialog);
    button->setObjectName(objectName);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    return button;
}

QPushButton *newCancelButton(QDialog *dialog, const QString &objectName)
{
    auto *button = new QPushButton(QStringLiteral("Annuler"), dialog);
    button->setObjectName(objectName);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    return button;
}

QPushButton *newHelpButton(QDialog *dialog, const QString &objectName, const QString &anchor)
{
    auto *button = new QPushButton(QStringLiteral("Aide"), dialog);
    button->setObjectName(objectName);
    QObject::connect(button, &QPushButton::clicked, dialog, [dialog, anchor] {
        afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide")), anchor), dialog);
    });
    return button;
}

} // namespace wizards
