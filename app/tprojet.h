#pragma once

#include <QDialog>

class FileChooser;
class QLabel;
class QPushButton;

// Asks for a sub-directory name and creates it in the chooser's current directory, moving
// the chooser into it. The input box shows `caption` and `prompt`; a name that is not one path
// component, or a directory that cannot be created, gives dialog text 5003 in an error box.
enum class SubdirectoryOutcome { Created, Cancelled, Failed };
SubdirectoryOutcome creersousrepertoire(QWidget *parent, FileChooser &chooser,
                                        const QString &caption, const QString &prompt);

// The project chooser: a directory tree with its drive list. OK makes the chosen directory
// the project directory. One window serves the run.
class Tprojet : public QDialog
{
    Q_OBJECT

public:
    explicit Tprojet(QWidget *parent = nullptr);

    // The window of the run, made at start-up (or on first use).
    static Tprojet &instance();
    static void createInstance(QWidget *parent);

    FileChooser &chooser() const { return *m_chooser; }
    void setDirectory(const QString &path);
    QString directory() const;

    // The "Répertoire" button, shown only when the chooser starts a new site.
    void setCreateButtonVisible(bool visible);

    // Sets the window's texts from the dialog language file.
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKBtnClick();
    void BitBtn1Click();

    FileChooser *m_chooser;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QPushButton *m_help;
    QPushButton *m_create;
};
