#include "viewer/linktarget.h"
#include "viewer/pageloader.h"
#include "viewer/pagetext.h"

#include <QFile>
#include <QTemporaryDir>

#include "tests/viewer/qstringprinter.h"

#include <gtest/gtest.h>

namespace
{

TEST(PageText, DecodesUtf8OnlyWhenValidAndNotAscii)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"ascii", "<p>abc</p>", QStringLiteral("<p>abc</p>")},
        {"utf-8", "caf\xC3\xA9 \xE2\x82\xAC", QStringLiteral("café €")},
        {"utf-8 with byte order mark", "\xEF\xBB\xBFx\xC3\xA9", QStringLiteral("xé")},
        {"windows-1252", "caf\xE9 \x80 \x9C", QStringLiteral("café € œ")},
        {"truncated utf-8 sequence", "caf\xC3", QStringLiteral("cafÃ")},
        {"utf-8 then a windows-1252 byte", "\xC3\xA9\xE9", QStringLiteral("Ã©é")},
        {"overlong utf-8", "\xC0\xAF", QStringLiteral("À¯")},
        {"undefined windows-1252 byte", "a\x81", QStringLiteral("a\u0081")},
        {"empty", "", QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decodePageBytes(c.bytes), c.text) << c.name;
}

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

TEST_F(PageLoaderTest, MarkupInThePathIsShownAsText)
{
    const LoadedPage page = loadPage(dir.filePath(QStringLiteral("<b>x</b>.htm")));
    EXPECT_EQ(page.problem, PageProblem::Missing);
    EXPECT_FALSE(page.markup.contains(QStringLiteral("<b>x</b>.htm")));
    EXPECT_TRUE(page.markup.contains(QStringLiteral("&lt;b&gt;x&lt;/b&gt;.htm")));
}

TEST_F(PageLoaderTest, PagesAreDecodedAndTextFilesShownAsWritten)
{
    const LoadedPage html = loadPage(write(QStringLiteral("p.htm"), "<p>caf\xE9</p>"));
    EXPECT_EQ(html.problem, PageProblem::None);
    EXPECT_EQ(html.markup, QStringLiteral("<p>caf\u00E9</p>"));

    const LoadedPage css = loadPage(write(QStringLiteral("s.css"), "p > a { x: \"\xC3\xA9\" }"));
    EXPECT_EQ(css.problem, PageProblem::None);
    EXPECT_TRUE(css.markup.contains(QStringLiteral("<pre>p &gt; a { x: &quot;é&quot; }</pre>")))
        << css.markup.toStdString();
}

} // namespace
