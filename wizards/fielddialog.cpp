#include "wizards/fielddialog.h"

#include "platform/guarded.h"
#include "wizards/dialogparts.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FieldDialog::FieldDialog(QWidget *parent, const char *name, const QString &title) : QDialog(parent)
{
    setObjectName(QLatin1String(name));
    setWindowTitle(title);
    m_grid = new QGridLayout;
    const dialogparts::OkCancel buttons = dialogparts::okCancel(this);
    m_ok = buttons.ok;
    m_cancel = buttons.cancel;
    auto *side = new QVBoxLayout;
    side->addWidget(m_ok);
    side->addWidget(m_cancel);
    side->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(m_grid, 1);
    layout->addLayout(side);
    m_captions.push_back({1, m_ok});
    m_captions.push_back({2, m_cancel});
}

void FieldDialog::addRow(QWidget *label, QWidget *field)
{
    m_grid->addWidget(label, m_rows, 0);
    m_grid->addWidget(field, m_rows, 1);
    ++m_rows;
}

void FieldDialog::addRow(QWidget *wide)
{
    m_grid->addWidget(wide, m_rows++, 0, 1, 2);
}

void FieldDialog::caption(int number, QWidget *target)
{
    m_captions.push_back({number, target});
}

void FieldDialog::require(QLineEdit *field, int number)
{
    m_required.push_back({field, number});
}

QString FieldDialog::text(const char *name) const
{
    QWidget *widget = findChild<QWidget *>(QLatin1String(name));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return list->currentText();
    return QString();
}

bool FieldDialog::checked(const char *name) const
{
    auto *box = findChild<QAbstractButton *>(QLatin1String(name));
    return box && box->isChecked();
}

void FieldDialog::FormActivate()
{
    guarded(this, [this] {
        for (const auto &[number, target] : m_captions) {
            const QString text = dialogparts::dialogText(number);
            if (!target)
                setWindowTitle(text);
            else if (auto *label = qobject_cast<QLabel *>(target))
                label->setText(text);
            else if (auto *button = qobject_cast<QAbstractButton *>(target))
                button->setText(text);
            else if (auto *memo = qobject_cast<QPlainTextEdit *>(target))
                memo->setPlainText(text);
        }
    });
}

void FieldDialog::accept()
{
    bool complete = true;
    for (const auto &[field, number] : m_required) {
        if (field->text().isEmpty()) {
            dialogparts::showNumberedError(this, number);
            complete = false;
        }
    }
    if (complete)
        QDialog::accept();
}
