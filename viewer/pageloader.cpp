#include "viewer/pageloader.h"

#include "platform/atomicfile.h"
#include "platform/ioerror.h"
#include "viewer/pagetext.h"
#include "viewer/viewertexts.h"

#include <QFileInfo>

namespace
{

LoadedPage problemPage(PageProblem problem, const QString &filePath, const QString &reason = {})
{
    return {problem, viewertexts::problemPage(problem, filePath, reason)};
}

} // namespace

LoadedPage loadPage(const QString &filePath)
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

    QString text;
    try {
        text = decodePageBytes(readWholeFile(filePath));
    } catch (const IoError &error) {
        return problemPage(PageProblem::Unreadable, filePath, error.message());
    }
    if (formatOf(filePath) == PageFormat::PlainText)
        return {PageProblem::None, plainTextMarkup(info.fileName(), text)};
    return {PageProblem::None, text};
}
