#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The site link dialog: the address, the link text and the TARGET. One dialog serves the
// whole run and keeps its fields.
class TChoix_Site : public QDialog
{
    Q_OBJECT

public:
    explicit TChoix_Site(QWidget *parent = nullptr);

    static TChoix_Site &instance();
    static void createInstance(QWidget *parent);

    // Sets the captions from the dialog language file; done each time the dialog opens.
    void FormActivate();

    QString address() const;
    QString linkText() const;
    QString target() const;

private:
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QComboBox *m_scheme;
    QLineEdit *m_address;
    QLineEdit *m_text;
    QComboBox *m_target;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
