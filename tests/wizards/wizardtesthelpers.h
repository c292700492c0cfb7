#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QString>

#include <gtest/gtest.h>

// Filling a dialog's controls by object name from a scripted answer.
inline void setField(QDialog &dialog, const char *name, const QString &text)
{
    QWidget *widget = dialog.findChild<QWidget *>(QLatin1String(name));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(text);
    else if (auto *list = qobject_cast<QComboBox *>(widget))
        list->setEditText(text);
    else
        ADD_FAILURE() << "no field " << name << " in " << dialog.objectName().toStdString();
}

inline void setChecked(QDialog &dialog, const char *name, bool checked)
{
    auto *box = dialog.findChild<QAbstractButton *>(QLatin1String(name));
    ASSERT_NE(box, nullptr) << name;
    box->setChecked(checked);
}

inline void click(QDialog &dialog, const char *name)
{
    auto *button = dialog.findChild<QAbstractButton *>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

// Presses OK as the user would: the dialog's own checks decide whether it closes.
inline int pressOk(QDialog &dialog)
{
    dialog.setResult(QDialog::Rejected);
    click(dialog, "OKBtn");
    return dialog.result();
}
