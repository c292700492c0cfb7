#pragma once

#include <QString>
#include <exception>

// A failing file operation. Commands let it travel up to the command boundary, where the
// user sees the message in a message box and the rest of the command is skipped.
class IoError : public std::exception
{
public:
    explicit IoError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
