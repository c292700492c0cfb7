#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The file link dialog: the file to link to, chosen through the file dialog or typed, and
// the TARGET. One dialog serves the whole run and keeps its fields, the full path of the
// last file chosen and the directory its file dialog opens in.
class Tchoixfichier : public QDialog
{
    Q_OBJECT

public:
    explicit Tchoixfichier(QWidget *parent = nullptr);

    static Tchoixfichier &instance();
    static void createInstance(QWidget *parent);

    // Sets the captions from the dialog language file; done each time the dialog opens.
    void FormActivate();

    void setProjectDirectory(const QString &directory);
    // Where the file dialog opens next.
    void setStartDirectory(const QString &directory) { m_startDirectory = directory; }
    QString startDirectory() const { return m_startDirectory; }

    QString fileName() const;
    void setFileName(const QString &name);
    // The full path of the file last chosen in the file dialog; empty until one is.
    QString chosenPath() const { return m_chosenPath; }
    QString target() const;

private:
    void browse();

    QGroupBox *m_group1;
    QGroupBox *m_group2;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QLineEdit *m_edit;
    QPushButton *m_browse;
    QComboBox *m_target;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QString m_chosenPath;
    QString m_startDirectory;
    QString m_selectedFilter;
};
