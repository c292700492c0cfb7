#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The clipboard history viewer: the whole of presse.sav, read afresh at every showing; OK
// puts the selected part on the clipboard (without a new history entry). One window serves
// the run.
class Tsauve_papier : public QDialog
{
    Q_OBJECT

public:
    explicit Tsauve_papier(QWidget *parent = nullptr);

    static Tsauve_papier &instance();
    static void createInstance(QWidget *parent);

    QPlainTextEdit *texte() const { return m_texte; }

    // The caption from the dialog language file and the history from its file.
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BitBtn1Click();

    QPlainTextEdit *m_texte;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
