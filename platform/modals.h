#pragma once

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// Plays one media file at a time. Errors come back through `onError`, perhaps after play()
// has returned: the player's error number and its text.
class MediaPlayer
{
public:
    virtual ~MediaPlayer() = default;

    virtual void setSource(const QString &path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    // The widget that shows the picture of a file with video, or nullptr.
    virtual QWidget *videoWidget() = 0;

    std::function<void(int code, const QString &text)> onError;
    // Told whether the current file has a picture.
    std::function<void(bool)> onVideoAvailable;
};

// Every modal interaction of the program goes through this one service: dialogs, message
// boxes, the input box, the file, colour, font and print dialogs, and launches through the
// desktop shell. The program uses the real Qt calls; tests install a scripted stand-in that
// answers each interaction and records it.
class Modals
{
public:
    enum class MessageKind { Information, Warning, Question, Error };

    struct FileRequest {
        QString caption;
        QString directory;      // initial directory, or a preset path
        QString filter;         // Qt form: "Description (*.a *.b);;..."
        QString selectedFilter; // one entry of `filter`, in and out
        QString defaultSuffix;  // save dialogs: added to a name typed without one
    };

    virtual ~Modals() = default;

    // Shows the dialog modally; returns QDialog::Accepted or QDialog::Rejected.
    virtual int execDialog(QDialog &dialog) = 0;

    virtual QMessageBox::StandardButton message(QWidget *parent, MessageKind kind,
                                                const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons) = 0;

    // A one-line input box; empty when cancelled.
    virtual std::optional<QString> inputText(QWidget *parent, const QString &title,
                                             const QString &label, const QString &initial) = 0;

    // Empty when cancelled.
    virtual QString openFileName(QWidget *parent, FileRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, FileRequest &request) = 0;
    virtual QString directoryName(QWidget *parent, const QString &caption,
                                  const QString &directory) = 0;

    virtual std::optional<QColor> color(QWidget *parent, const QColor &initial) = 0;
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;

    // Shows the print dialog for `printer`; true on OK.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;

    // Hands a file or address to the desktop (browser, mail program, default viewer).
    virtual bool openUrl(const QUrl &url) = 0;
    // Starts a program with an argument list, detached; never through a shell command line.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;

    // A media player whose video widget, if any, belongs to `parent`. By default the real
    // one, on the system's multimedia framework.
    virtual std::unique_ptr<MediaPlayer> mediaPlayer(QWidget *parent);
};

// The service in use; the real one unless a test installed another.
Modals &modals();

// Installs `service` (not owned) until the returned guard is destroyed; nullptr restores
// the real service.
void setModals(Modals *service);

class ScopedModals
{
public:
    explicit ScopedModals(Modals &service) { setModals(&service); }
    ~ScopedModals() { setModals(nullptr); }
    ScopedModals(const ScopedModals &) = delete;
    ScopedModals &operator=(const ScopedModals &) = delete;
};

// Shorthands over modals().message for the message boxes the program shows.
void showInformation(QWidget *parent, const QString &text);
void showWarning(QWidget *parent, const QString &text);
void showError(QWidget *parent, const QString &text);
QMessageBox::StandardButton askYesNoCancel(QWidget *parent, const QString &text);
