#pragma once

#include "wizards/frames.h"

#include <QDialog>

class EditorHost;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

// The frames page wizard: title, direction and size of the frames, the two frame files,
// the border and the message for browsers without frames, on four tabbed pages. One wizard
// serves the whole run and keeps its answers; "Terminer" writes the page into a new
// editor window.
class Tfichier_frame : public QDialog
{
    Q_OBJECT

public:
    // The direction held by the wizard: none chosen yet, rows or columns.
    enum Direction { Rows = 0, Columns = 1, NoDirection = 2 };

    explicit Tfichier_frame(QWidget *parent = nullptr);

    static Tfichier_frame &instance();
    static void createInstance(QWidget *parent);

    // Opens the wizard modally over the main window `host`; "Terminer" asks for the meta
    // tags and writes the page into a new editor window of `host`. True when the wizard
    // closed with "Terminer".
    bool run(EditorHost &host);

    // Opening the wizard: the captions and the default message from the dialog language file,
    // both file pages hidden, the first page shown. Returning from one of the wizard's own
    // dialogs is not an opening and changes nothing.
    void FormActivate();

    int direction() const { return m_direction; }
    QString title() const;
    // The answers as the page is written; with no direction chosen yet, the one the Style
    // buttons show.
    wizards::FramesetAnswers answers() const;

private:
    QWidget *buildChoicePage();
    QWidget *buildFilesPage(int firstField, const QString &pageName, bool rows);
    QWidget *buildStructurePage();
    QPushButton *newCancel(QWidget *page, int number);
    void next();
    void browse(QLineEdit *field);
    void finish();
    bool rowsChosen() const;

    QTabWidget *m_pages;
    QWidget *m_page[4];
    QLabel *m_label1, *m_label2, *m_label3, *m_label4, *m_label5;
    QLineEdit *m_title;
    QToolButton *m_rowsButton;
    QToolButton *m_columnsButton;
    QComboBox *m_size;
    QComboBox *m_border;
    QPlainTextEdit *m_message;
    QLineEdit *m_files[4];     // Edit2 … Edit5
    QCheckBox *m_resizable[4]; // CheckBox1 … CheckBox4
    QPushButton *m_browse[4];  // Button3 … Button6
    QPushButton *m_next[3];    // Button1, Button2, Button7
    QPushButton *m_cancel[4];  // Button9 … Button12
    QPushButton *m_finish;
    int m_direction = NoDirection;
    EditorHost *m_host = nullptr;
};
