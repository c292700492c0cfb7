#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The tip of the day: one of fourteen tips of the dialog language file, shown at start when
// the setting astuce is "oui". "Fermer" keeps the number of the next tip for the next start;
// "Astuce suivante" shows the next tip without keeping anything. One window serves the run.
class TAstuce : public QDialog
{
    Q_OBJECT

public:
    explicit TAstuce(QWidget *parent = nullptr);

    // The window of the run, made at start-up (or on first use).
    static TAstuce &instance();
    static void createInstance(QWidget *parent);

    int tipNumber() const { return m_number; }
    // Puts tip `number` in Memo1; a number outside the tips leaves it empty.
    void affiche_astuce(int number);
    QString tipText() const;

    // Enables the "Options" button, which then calls `showOptions` with the tip as parent.
    void setOptionsDialog(std::function<void(QWidget *)> showOptions);

private:
    void FormCreate();
    void advance();
    void BitBtn1Click();

    QLabel *m_label1;
    QLabel *m_image;
    QPlainTextEdit *m_memo;
    QPushButton *m_close;
    QPushButton *m_next;
    QPushButton *m_options;
    std::function<void(QWidget *)> m_showOptions;
    int m_number = 1;
};
