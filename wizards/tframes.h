#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The frameset dialog: columns or rows, and the size of the first frame. Made for one use.
class Tframes : public QDialog
{
    Q_OBJECT

public:
    explicit Tframes(QWidget *parent = nullptr);

    bool columns() const;
    QString size() const;

private:
    QGroupBox *m_group;
    QRadioButton *m_columns;
    QRadioButton *m_rows;
    QLabel *m_label;
    QComboBox *m_size;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
};
