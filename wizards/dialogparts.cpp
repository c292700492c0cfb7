#include "wizards/dialogparts.h"

#include "platform/guarded.h"
#include "settings/languagefiles.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dialogparts
{

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *widget = new QLabel(text, parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit *edit(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    auto *widget = new QLineEdit(text, parent);
    widget->setObjectName(QLatin1String(name));
    widget->setToolTip(hint);
    return widget;
}

QComboBox *comboBox(QWidget *parent, const char *name, const QStringList &items,
                    const QString &text)
{
    auto *widget = new QComboBox(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    widget->addItems(items);
    widget->setEditText(text);
    return widget;
}

QStringList numbers(int last)
{
    QStringList list;
    for (int n = 1; n <= last; ++n)
        list << QString::number(n);
    return list;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *widget = new QPushButton(text, parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAutoDefault(false);
    return widget;
}

OkCancel okCancel(QDialog *dialog)
{
    OkCancel buttons{button(dialog, "OKBtn", QStringLiteral("OK")),
                     button(dialog, "CancelBtn", QStringLiteral("Annuler"))};
    buttons.ok->setDefault(true);
    QObject::connect(buttons.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

quint32 colourValue(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16;
}

QString dialogText(int number)
{
    return texteDialogue(number);
}

void showNumberedError(QWidget *parent, int number)
{
    QString text;
    if (guarded(parent, [&] { text = texteDialogue(number); }))
        showError(parent, text);
}

} // namespace dialogparts
