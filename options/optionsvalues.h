#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The settings edited by the options dialog: how each stored value shows in the dialog's
// controls, and which keys its OK button writes back, in which order. The dialog itself only
// moves these values in and out of its widgets.

// The state of the dialog's controls that mirror settings.
struct OptionsControls {
    bool purgeHistory = true;     // CheckBox2, key presse
    int imageViewer = 1;          // RadioButton1..3: 1 own viewer, 2 system default, 3 other
    int htmlViewer = 1;           // RadioButton4..6, the same three choices; 0: none checked
    QString imageViewerPath;      // Edit1, key cheminvisuimage
    QString htmlViewerPath;       // Edit2, key cheminvisuhtml
    QString defaultMail;          // Edit3, key mailpardefaut
    bool tipAtStart = true;       // CheckBox1, key astuce
    int fileNameCase = 0;         // RadioButton7..9: 0 as given, 1 lower case, 2 upper case
    bool smartIndentation = true; // RadioButton10 (smart) or RadioButton11 (none)
    QString mainMenuFile;         // Edit4, key menu1
    QString editorMenuFile;       // Edit5, key menu2
    QString dialogFile;           // Edit6, key dialogue
    QStringList pictures;         // bouton1 ... bouton19, as stored

    friend bool operator==(const OptionsControls &, const OptionsControls &) = default;
};

// Value rules of the dialog's activation.
bool purgeFromValue(const QString &presse);           // checked unless "0"
int viewerFromValue(const QString &value);            // "1" -> 1, "2" -> 2, anything else -> 3
bool tipFromValue(const QString &astuce);             // checked unless "non"
bool smartIndentationFromValue(const QString &value); // smart unless "1"
// The case radio buttons: a whole number 0 -> 0, 1 -> 1, any other number -> 2; a value that
// is not a whole number (an absent key included) -> 0.
int fileNameCaseFromValue(const QString &value);
// The process-wide file-name case, by the start-up rule: 0, 1 or 2, anything else 0.
int fileNameCaseSetting(const QString &value);

// Reads every setting the dialog shows from `settingsFile`, in the order of its activation.
// Throws IoError when the file cannot be read.
OptionsControls readOptions(const QString &settingsFile);

struct SettingWrite {
    QString key;
    QString value;

    friend bool operator==(const SettingWrite &, const SettingWrite &) = default;
};

// What OK writes, in order: chaine1 ... chaine19 from `texts`, visuimage and visuhtml (each
// left out when no choice is checked), cheminvisuimage, cheminvisuhtml, mailpardefaut,
// astuce, normeecriture and indentation.
QList<SettingWrite> okWrites(const QStringList &texts, const OptionsControls &controls);

// Writes `writes` one key after the other (each write rewrites the file). Throws IoError at
// the first write that fails; the ones before it stay written.
void writeSettings(const QList<SettingWrite> &writes, const QString &settingsFile);
