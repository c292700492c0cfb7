#include "tests/support/scriptedmodals.h"

namespace
{

template <typename T> bool takeFront(std::deque<T> &queue, T &out)
{
    if (queue.empty())
        return false;
    out = std::move(queue.front());
    queue.pop_front();
    return true;
}

class ScriptedPlayer final : public MediaPlayer
{
public:
    explicit ScriptedPlayer(ScriptedModals &script) : m_script(script) {}

    void setSource(const QString &path) override
    {
        m_script.playerCalls.push_back(QStringLiteral("source ") + path);
    }
    void play() override
    {
        m_script.playerCalls.push_back(QStringLiteral("play"));
        std::optional<ScriptedModals::PlayerError> error;
        if (takeFront(m_script.playerErrors, error) && error && onError)
            onError(error->code, error->text);
    }
    void stop() override { m_script.playerCalls.push_back(QStringLiteral("stop")); }
    QWidget *videoWidget() override { return nullptr; }

private:
    ScriptedModals &m_script;
};

} // namespace

std::unique_ptr<MediaPlayer> ScriptedModals::mediaPlayer(QWidget *)
{
    return std::make_unique<ScriptedPlayer>(*this);
}

int ScriptedModals::execDialog(QDialog &dialog)
{
    dialogsShown.push_back(dialog.objectName());
    std::function<int(QDialog &)> handler;
    if (!takeFront(dialogs, handler)) {
        ++unscripted;
        return QDialog::Rejected;
    }
    const int result = handler(dialog);
    dialog.setResult(result);
    return result;
}

QMessageBox::StandardButton ScriptedModals::message(QWidget *, MessageKind kind,
                                                    const QString &title, const QString &text,
                                                    QMessageBox::StandardButtons buttons)
{
    messages.push_back({kind, title, text});
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    if (takeFront(messageAnswers, answer))
        return answer;
    if (buttons != QMessageBox::Ok)
        ++unscripted;
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (buttons.testFlag(QMessageBox::Ok))
        return QMessageBox::Ok;
    return QMessageBox::No;
}

std::optional<QString> ScriptedModals::inputText(QWidget *, const QString &, const QString &,
                                                 const QString &)
{
    std::optional<QString> answer;
    if (!takeFront(inputAnswers, answer))
        ++unscripted;
    return answer;
}

QString ScriptedModals::openFileName(QWidget *, FileRequest &request)
{
    fileRequests.push_back(request);
    QString answer;
    if (!takeFront(openAnswers, answer))
        ++unscripted;
    return answer;
}

QString ScriptedModals::saveFileName(QWidget *, FileRequest &request)
{
    fileRequests.push_back(request);
    QString answer;
    if (!takeFront(saveAnswers, answer))
        ++unscripted;
    return answer;
}

QString ScriptedModals::directoryName(QWidget *, const QString &, const QString &)
{
    QString answer;
    if (!takeFront(directoryAnswers, answer))
        ++unscripted;
    return answer;
}

std::optional<QColor> ScriptedModals::color(QWidget *, const QColor &)
{
    std::optional<QColor> answer;
    if (!takeFront(colorAnswers, answer))
        ++unscripted;
    return answer;
}

std::optional<QFont> ScriptedModals::font(QWidget *, const QFont &)
{
    std::optional<QFont> answer;
    if (!takeFront(fontAnswers, answer))
        ++unscripted;
    return answer;
}

bool ScriptedModals::printDialog(QWidget *, QPrinter &printer)
{
    std::function<bool(QPrinter &)> handler;
    if (!takeFront(printAnswers, handler)) {
        ++unscripted;
        return false;
    }
    return handler(printer);
}

bool ScriptedModals::openUrl(const QUrl &url)
{
    openedUrls.push_back(url);
    return true;
}

bool ScriptedModals::startProgram(const QString &program, const QStringList &arguments)
{
    launches.push_back({program, arguments});
    return true;
}

bool ScriptedModals::allAnswersUsed() const
{
    return dialogs.empty() && messageAnswers.empty() && inputAnswers.empty() &&
           openAnswers.empty() && saveAnswers.empty() && directoryAnswers.empty() &&
           colorAnswers.empty() && fontAnswers.empty() && printAnswers.empty();
}
