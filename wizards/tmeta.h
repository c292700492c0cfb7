#pragma once

#include "wizards/meta.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The single meta tag of the editor's META command: a name from an editable list and its
// content. One window serves the whole run and keeps what was typed.
class Tmeta2 : public QDialog
{
    Q_OBJECT

public:
    explicit Tmeta2(QWidget *parent = nullptr);

    static Tmeta2 &instance();
    static void createInstance(QWidget *parent);

    // Shows the dialog; the META element to insert on OK, nothing on cancel.
    std::optional<QString> askTag();

    // Sets the window's texts from the dialog language file.
    void FormActivate();

private:
    QLabel *m_label1;
    QLabel *m_label2;
    QComboBox *m_name;
    QLineEdit *m_content;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

// The meta tags of a new page: eight rows, each a check box that enables its field. One
// window serves the whole run, so a second page proposes the answers of the first.
//
// Page generators call askForPage(): nullopt when the user cancelled (make nothing), the
// answers otherwise, to pass to pageHead() (wizards/pagehead.h).
class Tmeta : public QDialog
{
    Q_OBJECT

public:
    explicit Tmeta(QWidget *parent = nullptr);

    static Tmeta &instance();
    static void createInstance(QWidget *parent);

    std::optional<MetaAnswers> askForPage();

    // What the dialog holds now.
    MetaAnswers answers() const;

    // Sets the window's texts from the dialog language file.
    void FormActivate();

private:
    void tick(int row, bool on);

    std::array<QCheckBox *, kMetaRowCount> m_boxes{};
    std::array<QWidget *, kMetaRowCount> m_firstField{}; // focus goes there on ticking
    QLineEdit *m_author;
    QLineEdit *m_keywords;
    QLineEdit *m_description;
    QLineEdit *m_revisit;
    QLineEdit *m_copyright;
    QLineEdit *m_day;
    QLineEdit *m_month;
    QLineEdit *m_year;
    QComboBox *m_language;
    QLineEdit *m_email;
    QList<QWidget *> m_dateParts;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
};
