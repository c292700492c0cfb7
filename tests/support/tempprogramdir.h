#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh program directory for one test: a copy of the installed data files, with
// BRINDEL_HOME pointing at it and the start-up step run, so every support file the program
// reads or writes is the test's own. The previous BRINDEL_HOME comes back at destruction.
class TempProgramDir
{
public:
    // `withData` false gives an empty directory (nothing installed).
    explicit TempProgramDir(bool withData = true);
    ~TempProgramDir();

    // The directory with its trailing "/".
    QString path() const;
    QString file(const QString &name) const { return path() + name; }

    void writeBytes(const QString &name, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
};
