#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The e-mail link dialog: the address and the subject, both empty; made for one use.
class Tmail_enter : public QDialog
{
    Q_OBJECT

public:
    explicit Tmail_enter(QWidget *parent = nullptr);

    QString address() const;
    QString subject() const;

private:
    QLabel *m_label1;
    QLabel *m_label2;
    QLineEdit *m_address;
    QLineEdit *m_subject;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
