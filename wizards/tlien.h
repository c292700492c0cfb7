#pragma once

#include "wizards/links.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The link-type dialog: the target of an image-map region as an address, an e-mail address,
// a file or an anchor name. One dialog serves the whole run and keeps its fields; the
// caller reads `result()` after it closed with OK.
class Tlien : public QDialog
{
    Q_OBJECT

public:
    explicit Tlien(QWidget *parent = nullptr);

    // The dialog of the run, made at start-up (or on first use).
    static Tlien &instance();
    static void createInstance(QWidget *parent);

    // The checked choice and the target it gives.
    wizards::LinkKind kind() const;
    wizards::LinkTarget result() const;

private:
    void choose(wizards::LinkKind kind);
    void browse();
    void setTexts();

    QGroupBox *m_group;
    QRadioButton *m_radios[4];
    QLineEdit *m_edits[4];
    QPushButton *m_browse;
    QPushButton *m_ok;
    QPushButton *m_help;
};
