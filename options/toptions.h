#pragma once

#include "options/optionsvalues.h"

#include <QDialog>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

// The options dialog: the personal buttons' texts and pictures, the image and page viewers,
// the editor preferences, the language files and the indentation mode. One instance serves
// the whole run. Each showing re-reads the settings file, except the personal texts, which
// come from memory; the pictures, the clipboard purge and the language files are written the
// moment they change, everything else by OK.
class Toptions : public QDialog
{
    Q_OBJECT

public:
    explicit Toptions(QWidget *parent = nullptr);

    // The dialog of the run, made at start-up (or on first use).
    static Toptions &instance();
    static void createInstance(QWidget *parent);

    // Activates the dialog and shows it modally; returns its result.
    int execute();

    // Fills every control from the settings file and the in-memory texts, and sets the
    // captions from the dialog language file. Runs at each showing, not when the dialog
    // comes back from one of its own file dialogs or message boxes.
    void FormActivate();

    // The selected personal button, 0 for none.
    int selectedButton() const { return m_selected; }

    // The state of the controls that mirror settings.
    OptionsControls controls() const;

private:
    void buildBarTab();
    void buildViewerTab(int tab, const QString &title, QGroupBox *&group,
                        QRadioButton *(&radios)[3], QLineEdit *&edit, QPushButton *&browse,
                        int firstNumber);
    void buildEditorTab();
    void buildLanguageTab();
    void buildWritingTab();
    void setCaptions();
    void showControls(const OptionsControls &controls);
    void applyViewerEnabling();
    void runGuarded(void (Toptions::*handler)());

    // Handlers of the controls.
    void SpeedButtonClick(int number);
    void Button1Click(); // store the text box as the selected button's text
    void Button5Click(); // empty the selected button's text
    void Button2Click(); // choose the selected button's picture
    void Button3Click(); // remove the selected button's picture
    void Button4Click(); // clear every text and picture
    void browseProgram(QLineEdit *edit);
    void browseLanguageFile(int which);
    void CheckBox2Click(bool checked);
    void BitBtn1Click();
    void BitBtn3Click();

    QTabWidget *m_pages = nullptr;
    QWidget *m_sheets[6] = {};
    QList<QToolButton *> m_speedButtons;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    QLabel *m_image1 = nullptr;
    QGroupBox *m_imageGroup = nullptr;
    QGroupBox *m_htmlGroup = nullptr;
    QRadioButton *m_imageRadios[3] = {};
    QRadioButton *m_htmlRadios[3] = {};
    QLineEdit *m_edit1 = nullptr;
    QLineEdit *m_edit2 = nullptr;
    QPushButton *m_button6 = nullptr;
    QPushButton *m_button7 = nullptr;
    QLineEdit *m_edit3 = nullptr;
    QCheckBox *m_checkBox1 = nullptr;
    QCheckBox *m_checkBox2 = nullptr;
    QRadioButton *m_caseRadios[3] = {};
    QLineEdit *m_languageEdits[3] = {};
    QRadioButton *m_indentRadios[2] = {};
    int m_selected = 0;
};
