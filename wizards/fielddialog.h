#pragma once

#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

class QGridLayout;
class QLineEdit;
class QPushButton;

// A wizard dialog made of labelled fields: it lays its fields out in rows beside the OK and
// Cancel buttons, sets its numbered captions on activation, and keeps itself open while a
// required field is empty, naming each such field in an error box.
class FieldDialog : public QDialog
{
    Q_OBJECT

public:
    // The text of the edit or editable list of that object name; checked state of a box.
    QString text(const char *name) const;
    bool checked(const char *name) const;

    // Sets the numbered captions from the dialog language file.
    virtual void FormActivate();

    void accept() override;

    QPushButton *okButton() const { return m_ok; }

protected:
    FieldDialog(QWidget *parent, const char *name, const QString &title);

    // A row of the layout: a label and its field, or one widget across both columns.
    void addRow(QWidget *label, QWidget *field);
    void addRow(QWidget *wide);
    // Number `number` becomes the caption of `target` (a label, button or text box), or of the
    // window when `target` is null.
    void caption(int number, QWidget *target);
    // OK shows message `number` when the edit is empty.
    void require(QLineEdit *field, int number);

private:
    QGridLayout *m_grid;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    std::vector<std::pair<int, QWidget *>> m_captions;
    std::vector<std::pair<QLineEdit *, int>> m_required;
    int m_rows = 0;
};
