// The handlers of the options dialog's controls.

#include "options/toptions.h"

#include "app/appstate.h"
#include "editor/helppreview.h"
#include "options/buttonglyph.h"
#include "options/personaltexts.h"
#include "platform/filefilter.h"
#include "platform/ioerror.h"
#include "platform/modals.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"
#include "settings/supportfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QToolButton>

namespace
{

// The three language files: their file dialog, their settings key, their in-memory path.
struct LanguageChoice {
    const char *filter;
    const char *suffix;
    const char *key;
    QString StartupSettings::*path;
};

const LanguageChoice kLanguageChoices[] = {
    {"Fichiers menu (*.mn1)|*.mn1", "mn1", "menu1", &StartupSettings::menu1},
    {"Fichiers menu (*.mn2)|*.mn2", "mn2", "menu2", &StartupSettings::menu2},
    {"Fichiers dialogue (*.dlg)|*.dlg", "dlg", "dialogue", &StartupSettings::dialogue},
};

const char kRestartMessage[] = "Il faut redémarrer Brindel pour que ces paramètres s'affichent";

} // namespace

void Toptions::SpeedButtonClick(int number)
{
    m_selected = number;
    m_label1->setText(QString::number(number));
    m_memo->setPlainText(memoFromStored(personalTexts().text(number)));
    m_memo->setFocus();
}

void Toptions::Button1Click()
{
    personalTexts().validate(m_selected, storedFromMemo(m_memo->toPlainText()));
}

void Toptions::Button5Click()
{
    m_memo->clear();
    personalTexts().clear(m_selected);
}

void Toptions::Button2Click()
{
    Modals::FileRequest request;
    request.caption = texteDialogue(5004) + QLatin1Char(' ') + m_label1->text();
    // The selection is the button's number, whatever the language file calls "none".
    if (m_selected == 0)
        return;
    request.filter = qtFileFilter(QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    request.defaultSuffix = QStringLiteral("bmp");
    const QString path = modals().openFileName(this, request);
    if (path.isEmpty())
        return;
    const ButtonPicture picture = readButtonPicture(path);
    if (!picture.ok()) {
        showError(this, picture.error);
        return;
    }
    m_image1->setPixmap(QPixmap::fromImage(picture.image));
    if (!isButtonPictureSize(picture.image)) {
        showInformation(this, texteDialogue(5005));
        return;
    }
    // The whole path is kept, however long.
    ecrireparametre(path, personalPictureKey(m_selected), settingsFile());
    QToolButton *button = m_speedButtons[m_selected - 1];
    button->setText(QString());
    button->setIcon(glyphIcon(picture.image));
}

void Toptions::Button3Click()
{
    if (m_selected != 0)
        ecrireparametre(QString(), personalPictureKey(m_selected), settingsFile());
    showInformation(this, QString::fromUtf8(kRestartMessage));
}

void Toptions::Button4Click()
{
    const QString file = settingsFile();
    for (int number = 1; number <= kPersonalButtons; ++number)
        ecrireparametre(QString(), personalPictureKey(number), file);
    personalTexts().clearAll();
}

void Toptions::browseProgram(QLineEdit *edit)
{
    // Any executable file is a program here: every file is listed, and the choice is checked.
    Modals::FileRequest request;
    request.filter = qtFileFilter(QStringLiteral("Fichier exécutable|*"));
    request.directory = edit->text().isEmpty() ? QString() : QFileInfo(edit->text()).path();
    const QString path = modals().openFileName(this, request);
    if (path.isEmpty())
        return;
    const QFileInfo program(path);
    if (!program.isFile() || !program.isExecutable()) {
        showWarning(this, QStringLiteral("« %1 » n'est pas un programme exécutable.")
                              .arg(QDir::toNativeSeparators(path)));
        return;
    }
    edit->setText(path);
}

void Toptions::browseLanguageFile(int which)
{
    const LanguageChoice &choice = kLanguageChoices[which];
    Modals::FileRequest request;
    request.filter = qtFileFilter(QString::fromLatin1(choice.filter));
    request.defaultSuffix = QString::fromLatin1(choice.suffix);
    request.directory = supportRoot(QStringLiteral("langue"));
    const QString path = modals().openFileName(this, request);
    if (path.isEmpty())
        return;
    // Every later text would come from this file: one that cannot be read is refused, and
    // nothing changes.
    try {
        textedialogue(1, path);
    } catch (const IoError &error) {
        showError(this, QStringLiteral("Ce fichier de langue ne peut pas être utilisé.\n%1")
                            .arg(error.message()));
        return;
    }
    m_languageEdits[which]->setText(path);
    startupSettings().*choice.path = path;
    ecrireparametre(path, QString::fromLatin1(choice.key), settingsFile());
}

void Toptions::CheckBox2Click(bool checked)
{
    ecrireparametre(checked ? QStringLiteral("1") : QStringLiteral("0"), QStringLiteral("presse"),
                    settingsFile());
    if (!checked)
        showWarning(this, texteDialogue(334));
}

void Toptions::BitBtn1Click()
{
    const OptionsControls chosen = controls();
    writeSettings(okWrites(personalTexts().all(), chosen), settingsFile());
    appState().smartIndentation = chosen.smartIndentation;
    // The case chosen here applies to the names written from now on.
    startupSettings().normeecriture = chosen.fileNameCase;
}

void Toptions::BitBtn3Click()
{
    afficheaide(mainHelpPage(supportRoot(QStringLiteral("aide")), QStringLiteral("bouton")), this);
}
