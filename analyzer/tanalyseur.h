#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The analysis report: the line and column of the finding and the analysis log. One window
// serves the whole run; each analysis replaces its values and its text before showing it.
class Tanalyseur : public QDialog
{
    Q_OBJECT

public:
    explicit Tanalyseur(QWidget *parent = nullptr);

    // The window of the run, made at start-up (or on first use).
    static Tanalyseur &instance();
    static void createInstance(QWidget *parent);

    void setPosition(qsizetype ligne, qsizetype colonne);
    void setLog(const QString &text);
    // "Aller à l'erreur" is offered only when the run found something.
    void setFindingShown(bool finding);

    QString ligneText() const;
    QString colonneText() const;
    QString logText() const;

    // True when the window was closed with "Aller à l'erreur".
    bool goToFindingChosen() const { return m_goToFinding; }

    // Sets the window's texts from the dialog language file.
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QGroupBox *m_group;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    QLabel *m_label4;
    QPlainTextEdit *m_memo;
    QPushButton *m_ok;
    QPushButton *m_help;
    QPushButton *m_goTo;
    bool m_goToFinding = false;
};
