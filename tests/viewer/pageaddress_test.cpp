#include "viewer/pageaddress.h"
#include "viewer/viewerrequest.h"

#include <QFile>
#include <QTemporaryDir>

#include "tests/viewer/qstringprinter.h"

#include <gtest/gtest.h>

namespace
{

class PageAddressTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString base() const { return dir.path() + QLatin1Char('/'); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *name : {"page.htm", "a#b.htm"}) {
            QFile file(base() + QString::fromUtf8(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
};

TEST_F(PageAddressTest, SplitsTheAnchorUnlessItBelongsToAnExistingFileName)
{
    struct Case {
        const char *text;
        const char *file; // relative to the base directory; empty for an empty address
        const char *anchor;
    };
    const Case cases[] = {
        {"page.htm#meta", "page.htm", "meta"},
        {"page.htm", "page.htm", ""},
        {"page.htm#", "page.htm", ""},
        {"a#b.htm", "a#b.htm", ""},
        {"a#b.htm#x", "a#b.htm", "x"},
        {"absent.htm#x#y", "absent.htm", "x#y"},
        {"sub/../page.htm#fich", "page.htm", "fich"},
        {"", "", ""},
        {"#meta", "", ""},
    };
    for (const Case &c : cases) {
        const PageAddress address = PageAddress::parse(QString::fromUtf8(c.text), base());
        const QString file = QString::fromUtf8(c.file);
        EXPECT_EQ(address.filePath, file.isEmpty() ? QString() : base() + file) << c.text;
        EXPECT_EQ(address.anchor, QString::fromUtf8(c.anchor)) << c.text;
    }
}

TEST_F(PageAddressTest, TakesAbsolutePathsAndFileUrlsAsTheyAre)
{
    const PageAddress expected{base() + "page.htm", QStringLiteral("meta")};
    EXPECT_EQ(PageAddress::parse(base() + "page.htm#meta", QStringLiteral("/elsewhere")), expected);
    const QString url = QUrl::fromLocalFile(base() + "page.htm").toString() + "#meta";
    EXPECT_EQ(PageAddress::parse(url, QStringLiteral("/elsewhere")), expected);
    EXPECT_TRUE(PageAddress::parse(QStringLiteral("file:"), base()).isEmpty());
}

TEST_F(PageAddressTest, UrlRoundTripKeepsHashesSpacesAndAccentsInTheName)
{
    const PageAddress addresses[] = {
        {base() + "a#b.htm", QString()},
        {base() + "a#b.htm", QStringLiteral("x")},
        {QStringLiteral("/tmp/mes pages/été 100%.htm"), QStringLiteral("section 2")},
    };
    for (const PageAddress &address : addresses) {
        EXPECT_EQ(PageAddress::fromUrl(address.toUrl()), address)
            << address.displayText().toStdString();
        EXPECT_EQ(ViewerRequest::decode(ViewerRequest::show(address).encode()),
                  ViewerRequest::show(address))
            << address.displayText().toStdString();
    }
    EXPECT_TRUE(PageAddress().toUrl().isEmpty());
    EXPECT_TRUE(PageAddress::fromUrl(QUrl(QStringLiteral("http://example.org/a.htm"))).isEmpty());
}

TEST(ViewerRequestTest, DecodesOnlyWhatEncodeWrites)
{
    EXPECT_EQ(ViewerRequest::decode(ViewerRequest::raise().encode()), ViewerRequest::raise());
    EXPECT_EQ(ViewerRequest::decode(ViewerRequest::show({}).encode()), ViewerRequest::show({}));
    for (const char *line : {"", "\n", "afficher", "afficherfile:///a.htm\n", "montrer tout\n",
                             "afficher http://example.org/\n", "afficher file://%zz\n"}) {
        EXPECT_FALSE(ViewerRequest::decode(line).has_value()) << line;
    }
}

} // namespace
