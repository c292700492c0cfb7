#include "tests/support/tempprogramdir.h"

#include "settings/languagefiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                          QFile::ReadOther);
    }
}

} // namespace

TempProgramDir::TempProgramDir(bool withData) : m_previousHome(qgetenv("BRINDEL_HOME"))
{
    EXPECT_TRUE(m_dir.isValid());
    if (withData)
        copyTree(QStringLiteral(BRINDEL_SOURCE_DATA_DIR) + QLatin1Char('/'), path());
    qputenv("BRINDEL_HOME", QFile::encodeName(m_dir.path()));
    if (withData)
        lireDemarrage();
}

TempProgramDir::~TempProgramDir()
{
    // Tests may have made parts of the tree read-only; give write access back for the cleanup.
    QDirIterator it(m_dir.path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    while (it.hasNext())
        QFile::setPermissions(it.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("BRINDEL_HOME", m_previousHome);
}

QString TempProgramDir::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

void TempProgramDir::writeBytes(const QString &name, const QByteArray &bytes) const
{
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(bytes);
}

QByteArray TempProgramDir::readBytes(const QString &name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}
