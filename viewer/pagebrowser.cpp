#include "viewer/pagebrowser.h"

#include "platform/atomicfile.h"
#include "platform/ioerror.h"
#include "viewer/pagetext.h"

PageBrowser::PageBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

namespace
{

// Stands for "no page named" in the history, so back and forward treat its message page like
// any other page.
const QUrl kNoPage(QStringLiteral("visualisateur:aucune-page"));

} // namespace

void PageBrowser::showPage(const PageAddress &page)
{
    const QUrl url = page.isEmpty() ? kNoPage : page.toUrl();
    const QUrl shown = source().adjusted(QUrl::RemoveFragment);
    if (!shown.isEmpty() && shown == url.adjusted(QUrl::RemoveFragment)) {
        reload();
        if (source() == url) {
            if (!page.anchor.isEmpty())
                scrollToAnchor(page.anchor);
            return;
        }
    }
    setSource(url, QTextDocument::HtmlResource);
}

QVariant PageBrowser::loadResource(int type, const QUrl &name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (type == QTextDocument::HtmlResource || type == QTextDocument::MarkdownResource) {
        const LoadedPage page = loadPage(url.isLocalFile() ? url.toLocalFile() : QString());
        m_lastProblem = page.problem;
        return page.markup;
    }
    if (type == QTextDocument::StyleSheetResource && url.isLocalFile()) {
        try {
            return decodePageBytes(readWholeFile(url.toLocalFile()));
        } catch (const IoError &) {
            return {};
        }
    }
    return QTextBrowser::loadResource(type, name);
}
