#pragma once

#include "platform/modals.h"

#include <QDialog>

#include <deque>
#include <functional>
#include <vector>

// Answers every modal interaction from scripted queues and records what was shown.
// An interaction with nothing scripted gets the cancelling answer and is counted in
// `unscripted`, so a test can tell an unexpected dialog from an expected one.
class ScriptedModals final : public Modals
{
public:
    struct Message {
        MessageKind kind;
        QString title;
        QString text;
    };
    struct Launch {
        QString program;
        QStringList arguments;
    };

    // Each handler fills the dialog's controls and returns Accepted or Rejected.
    std::deque<std::function<int(QDialog &)>> dialogs;
    std::deque<QMessageBox::StandardButton> messageAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<QString> directoryAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    // Each handler sets up the printer (for instance a PDF output file) and returns OK or not.
    std::deque<std::function<bool(QPrinter &)>> printAnswers;

    // The scripted players: each call is logged as "source <path>", "play" or "stop"; a play
    // takes the next scripted error, if any, and reports it at once.
    struct PlayerError {
        int code;
        QString text;
    };
    std::deque<std::optional<PlayerError>> playerErrors;
    std::vector<QString> playerCalls;

    std::vector<QString> dialogsShown; // object names of the dialogs
    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;
    std::vector<QUrl> openedUrls;
    std::vector<Launch> launches;
    int unscripted = 0;

    int execDialog(QDialog &dialog) override;
    QMessageBox::StandardButton message(QWidget *parent, MessageKind kind, const QString &title,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons) override;
    std::optional<QString> inputText(QWidget *parent, const QString &title, const QString &label,
                                     const QString &initial) override;
    QString openFileName(QWidget *parent, FileRequest &request) override;
    QString saveFileName(QWidget *parent, FileRequest &request) override;
    QString directoryName(QWidget *parent, const QString &caption,
                          const QString &directory) override;
    std::optional<QColor> color(QWidget *parent, const QColor &initial) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;
    bool printDialog(QWidget *parent, QPrinter &printer) override;
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    std::unique_ptr<MediaPlayer> mediaPlayer(QWidget *parent) override;

    // True when every scripted answer was used.
    bool allAnswersUsed() const;
};
