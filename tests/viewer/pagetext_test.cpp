#include "viewer/linktarget.h"
#include "viewer/pageloader.h"
#include "viewer/pagetext.h"

#include <QFile>
#include <QTemporaryDir>

#include "tests/viewer/qstringprinter.h"

#include <gtest/gtest.h>

namespace
{

TEST(LinkTargetTest, ClassifiesByWhereTheLinkLeads)
{
    const QUrl current = QUrl::fromLocalFile(QStringLiteral("/site/pages/index.htm"));
    struct Case {
        const char *href;
        LinkTarget::Kind kind;
        QUrl url;
    };
    using K = LinkTarget::Kind;
    const Case cases[] = {
        {"autre.htm", K::Page, QUrl::fromLocalFile("/site/pages/autre.htm")},
        {"../doc/a.html#b", K::Page, QUrl("file:///site/doc/a.html#b")},
        {"#haut", K::Page, QUrl("file:///site/pages/index.htm#haut")},
        {"file:///ailleurs/p.htm", K::Page, QUrl("file:///ailleurs/p.htm")},
        {"style.css", K::Page, QUrl::fromLocalFile("/site/pages/style.css")},
        {"images/photo.jpg", K::LocalFile, QUrl::fromLocalFile("/site/pages/images/photo.jpg")},
        {"http://example.org/", K::Web, QUrl("http://example.org/")},
        {"HTTPS://example.org/x?y=1", K::Web, QUrl("https://example.org/x?y=1")},
        {"ftp://example.org/f", K::Web, QUrl("ftp://example.org/f")},
        {"mailto:moi@example.org", K::Mail, QUrl("mailto:moi@example.org")},
        {"javascript:alert(1)", K::Unsupported, QUrl("javascript:alert(1)")},
        {"data:text/html,x", K::Unsupported, QUrl("data:text/html,x")},
    };
    for (const Case &c : cases) {
        const LinkTarget target = classifyLink(QUrl(QString::fromUtf8(c.href)), current);
        EXPECT_EQ(target.kind, c.kind) << c.href;
        EXPECT_EQ(target.url, c.url) << c.href;
    }
}

class PageLoaderTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
};

TEST_F(PageLoaderTest, OnlyReadableRegularFilesGoToTheBrowser)
{
    const PageCheck missing = checkPage(dir.filePath(QStringLiteral("<b>x</b>.htm")));
    EXPECT_EQ(missing.problem, PageProblem::Missing);
    EXPECT_FALSE(missing.messagePage.contains(QStringLiteral("<b>x</b>.htm")));
    EXPECT_TRUE(missing.messagePage.contains(QStringLiteral("&lt;b&gt;x&lt;/b&gt;.htm")));

    EXPECT_EQ(checkPage(QString()).problem, PageProblem::NoPage);
    EXPECT_EQ(checkPage(dir.path()).problem, PageProblem::Directory);
    EXPECT_EQ(checkPage(QStringLiteral("/dev/null")).problem, PageProblem::NotRegularFile);
    const PageCheck fine = checkPage(write(QStringLiteral("p.htm"), "<p>caf\xE9</p>"));
    EXPECT_EQ(fine.problem, PageProblem::None);
    EXPECT_TRUE(fine.messagePage.isEmpty());
    EXPECT_EQ(checkPage(write(QStringLiteral("vide.htm"), "")).problem, PageProblem::None);
}

} // namespace
