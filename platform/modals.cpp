#include "platform/modals.h"

#include <QApplication>
#include <QAudioOutput>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMediaPlayer>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QVideoWidget>

namespace
{

class QtMediaPlayer final : public MediaPlayer
{
public:
    explicit QtMediaPlayer(QWidget *parent) : m_video(new QVideoWidget(parent))
    {
        m_video->setObjectName(QStringLiteral("VideoWidget"));
        m_video->hide();
        m_player.setAudioOutput(&m_audio);
        m_player.setVideoOutput(m_video);
        QObject::connect(&m_player, &QMediaPlayer::errorOccurred, &m_player,
                         [this](QMediaPlayer::Error error, const QString &text) {
                             if (error != QMediaPlayer::NoError && onError)
                                 onError(int(error), text);
                         });
        QObject::connect(&m_player, &QMediaPlayer::hasVideoChanged, &m_player, [this](bool video) {
            if (onVideoAvailable)
                onVideoAvailable(video);
        });
    }
    ~QtMediaPlayer() override
    {
        m_player.stop();
        delete m_video.data();
    }

    void setSource(const QString &path) override
    {
        const QUrl url = QUrl::fromLocalFile(path);
        if (m_player.source() != url)
            m_player.setSource(url);
    }
    void play() override { m_player.play(); }
    void stop() override { m_player.stop(); }
    QWidget *videoWidget() override { return m_video; }

private:
    QMediaPlayer m_player;
    QAudioOutput m_audio;
    QPointer<QVideoWidget> m_video;
};

class QtModals final : public Modals
{
public:
    int execDialog(QDialog &dialog) override { return dialog.exec(); }

    QMessageBox::StandardButton message(QWidget *parent, MessageKind kind, const QString &title,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons) override
    {
        switch (kind) {
        case MessageKind::Information:
            return QMessageBox::information(parent, title, text, buttons);
        case MessageKind::Warning:
            return QMessageBox::warning(parent, title, text, buttons);
        case MessageKind::Question:
            return QMessageBox::question(parent, title, text, buttons);
        case MessageKind::Error:
            return QMessageBox::critical(parent, title, text, buttons);
        }
        return QMessageBox::NoButton;
    }

    std::optional<QString> inputText(QWidget *parent, const QString &title, const QString &label,
                                     const QString &initial) override
    {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }

    QString openFileName(QWidget *parent, FileRequest &request) override
    {
        return QFileDialog::getOpenFileName(parent, request.caption, request.directory,
                                            request.filter, &request.selectedFilter);
    }

    QString saveFileName(QWidget *parent, FileRequest &request) override
    {
        QFileDialog dialog(parent, request.caption, request.directory, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.selectedFilter.isEmpty())
            dialog.selectNameFilter(request.selectedFilter);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        request.selectedFilter = dialog.selectedNameFilter();
        return dialog.selectedFiles().constFirst();
    }

    QString directoryName(QWidget *parent, const QString &caption,
                          const QString &directory) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, directory);
    }

    std::optional<QColor> color(QWidget *parent, const QColor &initial) override
    {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid())
            return std::nullopt;
        return chosen;
    }

    std::optional<QFont> font(QWidget *parent, const QFont &initial) override
    {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
        if (!ok)
            return std::nullopt;
        return chosen;
    }

    bool printDialog(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }

    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
};

Modals *g_installed = nullptr;

QString applicationTitle()
{
    return QApplication::applicationName().isEmpty() ? QStringLiteral("Brindel")
                                                     : QApplication::applicationName();
}

} // namespace

std::unique_ptr<MediaPlayer> Modals::mediaPlayer(QWidget *parent)
{
    return std::make_unique<QtMediaPlayer>(parent);
}

Modals &modals()
{
    static QtModals real;
    return g_installed ? *g_installed : real;
}

void setModals(Modals *service)
{
    g_installed = service;
}

void showInformation(QWidget *parent, const QString &text)
{
    modals().message(parent, Modals::MessageKind::Information, applicationTitle(), text,
                     QMessageBox::Ok);
}

void showWarning(QWidget *parent, const QString &text)
{
    modals().message(parent, Modals::MessageKind::Warning, applicationTitle(), text,
                     QMessageBox::Ok);
}

void showError(QWidget *parent, const QString &text)
{
    modals().message(parent, Modals::MessageKind::Error, applicationTitle(), text, QMessageBox::Ok);
}

QMessageBox::StandardButton askYesNoCancel(QWidget *parent, const QString &text)
{
    return modals().message(parent, Modals::MessageKind::Question, applicationTitle(), text,
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}
