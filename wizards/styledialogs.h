#pragma once

#include "wizards/dialogparts.h"
#include "wizards/fielddialog.h"

#include <QColor>

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

// Mixes a colour with three bars; "Copier" puts its code on the clipboard and closes as OK.
class Tcouleur : public QDialog, public SharedInstance<Tcouleur>
{
    Q_OBJECT

public:
    explicit Tcouleur(QWidget *parent = nullptr);

    // The swatch's code, with "#" when "avec #" is ticked.
    QString code() const;
    quint32 colour() const { return m_colour; }
    // The swatch caption's colour: the complement of the colour shown before the last change.
    quint32 captionColour() const { return m_captionColour; }

    void FormActivate();
    void BitBtn1Click();

private:
    void ScrollBarChange();

    QScrollBar *m_bars[3];
    QLabel *m_labels[4];
    QLabel *m_swatch;
    QCheckBox *m_hash;
    QPushButton *m_copy;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    quint32 m_colour = 0;
    quint32 m_captionColour = 0;
};

// The rule dialog, made for one use: thickness and length come from the settings file and
// go back to it on OK.
class Thr : public FieldDialog
{
    Q_OBJECT

public:
    explicit Thr(QWidget *parent = nullptr);

    // Loads the thickness and length from the settings (built-in texts when missing).
    void loadSettings();
    // The rule's colour when "use a colour" is ticked.
    std::optional<quint32> ruleColour() const;

    void accept() override;

private:
    void Button1Click();

    QCheckBox *m_useColour;
    QPushButton *m_colourButton;
    QColor m_colour = Qt::black;
};

// The list dialog, made for one use; captions set when made.
class Tlistes : public FieldDialog
{
    Q_OBJECT

public:
    explicit Tlistes(QWidget *parent = nullptr);
};
