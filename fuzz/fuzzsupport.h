#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Shared pieces of the fuzz targets: the input as bytes, a scratch directory for the files a
// target writes, and the check that turns a broken promise into a crash libFuzzer records.
namespace fuzz
{

inline QByteArrayView bytes(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Aborts with a message when a property of the code under test does not hold.
inline void require(bool holds, const char *property, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "\n*** Property broken: %s\n", property);
    if (!detail.isEmpty())
        std::fprintf(stderr, "%s\n", detail.toUtf8().constData());
    std::abort();
}

// Printable form of a text for the messages above.
inline QString shown(const QString &text)
{
    QString out;
    for (QChar ch : text) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F)
            out += ch;
        else
            out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

// A directory of this process's own for the files a target writes, in memory when /dev/shm is
// there, so that each run costs no disk access. Removed when the process ends normally.
class ScratchDir
{
public:
    ScratchDir()
    {
        // fuzz/run.sh names one it removes afterwards, even when a target crashed.
        QString base = qEnvironmentVariable("BRINDEL_FUZZ_SCRATCH");
        if (base.isEmpty())
            base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                             : QDir::tempPath();
        m_path = QStringLiteral("%1/brindel-fuzz-%2/").arg(base).arg(::getpid());
        QDir().mkpath(m_path);
    }
    ~ScratchDir() { QDir(m_path).removeRecursively(); }

    QString file(const QString &name) const { return m_path + name; }

    void write(const QString &name, QByteArrayView content) const
    {
        QFile out(file(name));
        require(out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                    out.write(content.data(), content.size()) == content.size(),
                "the scratch file can be written", file(name));
    }

    QByteArray read(const QString &name) const
    {
        QFile in(file(name));
        require(in.open(QIODevice::ReadOnly), "the scratch file can be read", file(name));
        return in.readAll();
    }

private:
    QString m_path;
};

} // namespace fuzz
