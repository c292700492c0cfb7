#pragma once

#include <QDialog>

class FileChooser;
class QLabel;
class QLineEdit;
class QPushButton;

// The frame file dialog: the file shown in the frame, chosen in the file chooser or typed,
// and the frame's name. Made for one use.
class Tfr_fich : public QDialog
{
    Q_OBJECT

public:
    explicit Tfr_fich(const QString &directory, QWidget *parent = nullptr);

    FileChooser *chooser() const { return m_chooser; }
    QString fileName() const;
    QString frameName() const;

private:
    FileChooser *m_chooser;
    QLabel *m_label2;
    QLabel *m_label3;
    QLineEdit *m_file;
    QLineEdit *m_name;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
};
