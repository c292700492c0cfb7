#pragma once

#include <QColor>
#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small pieces every wizard dialog is built from.

// The one window of a dialog that lives for the whole run: made at start-up by
// createInstance, or on first use.
template <typename Dialog> class SharedInstance
{
public:
    static Dialog &instance()
    {
        if (!slot())
            createInstance(nullptr);
        return *slot();
    }
    static void createInstance(QWidget *parent) { slot() = new Dialog(parent); }

private:
    static QPointer<Dialog> &slot()
    {
        static QPointer<Dialog> dialog;
        return dialog;
    }
};

namespace dialogparts
{

QLabel *label(QWidget *parent, const char *name, const QString &text);
QLineEdit *edit(QWidget *parent, const char *name, const QString &text = QString(),
                const QString &hint = QString());
// An editable drop-down list holding `items`, showing `text`.
QComboBox *comboBox(QWidget *parent, const char *name, const QStringList &items,
                    const QString &text);
// "1" ... "n".
QStringList numbers(int last);
QPushButton *button(QWidget *parent, const char *name, const QString &text);

// The OK and Cancel buttons (`OKBtn`, `CancelBtn`), wired to accept and reject.
struct OkCancel {
    QPushButton *ok;
    QPushButton *cancel;
};
OkCancel okCancel(QDialog *dialog);

// A colour as the markup writes it: red in the low byte, green, then blue.
quint32 colourValue(const QColor &colour);

// A numbered text of the dialog language file; a file that cannot be read is reported once
// by the caller's guarded block.
QString dialogText(int number);

// Shows the numbered message in an error box over `parent`.
void showNumberedError(QWidget *parent, int number);

} // namespace dialogparts
