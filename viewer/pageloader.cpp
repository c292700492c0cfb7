#include "viewer/pageloader.h"

#include "viewer/viewertexts.h"

#include <QFile>
#include <QFileInfo>

namespace
{

PageCheck problemPage(PageProblem problem, const QString &filePath, const QString &reason = {})
{
    return {problem, viewertexts::problemPage(problem, filePath, reason)};
}

} // namespace

PageCheck checkPage(const QString &filePath)
{
    if (filePath.isEmpty())
        return problemPage(PageProblem::NoPage, filePath);
    const QFileInfo info(filePath);
    if (!info.exists())
        return problemPage(PageProblem::Missing, filePath);
    if (info.isDir())
        return problemPage(PageProblem::Directory, filePath);
    if (!info.isFile())
        return problemPage(PageProblem::NotRegularFile, filePath);

    QFile file(filePath);
    char first = 0;
    if (!file.open(QIODevice::ReadOnly) || (info.size() > 0 && file.read(&first, 1) != 1))
        return problemPage(PageProblem::Unreadable, filePath, file.errorString());
    return {};
}
