#pragma once

#include <QFrame>

class QToolButton;

// The personal bar of the main window (`Panel1`): buttons 1 to 19, each inserting its own
// text into the active document, and button 20, which opens the options dialog.
class PersonalBar : public QFrame
{
    Q_OBJECT

public:
    // `mainWindow` is watched: each time it becomes the active window the pictures are
    // read again, so a picture chosen in the options dialog shows when the dialog closes.
    explicit PersonalBar(QWidget *mainWindow);

    QToolButton *button(int number) const;

    // For buttons 1 to 19 in order: a non-empty `bouton`N value is loaded as that button's
    // picture and its number goes; an empty value leaves the button as it is. A picture that
    // does not load leaves its button unchanged and the pass goes on. Throws IoError only when
    // the settings file cannot be read.
    void loadPictures(const QString &settingsFile);

Q_SIGNALS:
    void personalButtonClicked(int number); // 1 ... 19
    void optionsClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_mainWindow;
    QList<QToolButton *> m_buttons;
};

// The picture of the options button, normal and disabled.
QIcon optionsButtonIcon();
