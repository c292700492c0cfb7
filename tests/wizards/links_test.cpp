#include "editor/insertion.h"
#include "platform/memoryeditorcontrol.h"
#include "tests/editor/qstringprint.h"
#include "wizards/links.h"

#include <gtest/gtest.h>

namespace
{

using wizards::LinkKind;

// Each link put into a document "x|y" (caret at 1).
struct LinkCase {
    const char *label;
    markup::Insertion insertion;
    const char *document; // afterwards, "|" at the caret
    int caret;            // from the insertion point
};

const LinkCase kLinks[] = {
    {"site", wizards::siteLink("page2.htm", "Suite", "aucun"), "x<A HREF=\"page2.htm\">|Suite</A>y",
     20},
    {"site with a target", wizards::siteLink("page2.htm", "Suite", "_blank"),
     "x<A HREF=\"page2.htm\" TARGET=\"_blank\">|Suite</A>y", 36},
    {"target compared with its case", wizards::siteLink("a", "b", "Aucun"),
     "x<A HREF=\"a\" TARGET=\"Aucun\">|b</A>y", 21 + 1 + 5},
    {"empty site fields", wizards::siteLink("", "", "aucun"), "x<A HREF=\"\">|</A>y", 11},
    {"file", wizards::fileLink("../img/", "logo.gif", "aucun"),
     "x<A HREF=\"../img/logo.gif\">|</A>y", 26},
    {"file with a target", wizards::fileLink("", "a.htm", "_top"),
     "x<A HREF=\"a.htm\" TARGET=\"_top\">|</A>y", 30},
    {"mail with a subject", wizards::mailLink("a", "b"), "x<A HREF=\"mailto:a?subject=b\">|</A>y",
     29},
    {"subject not encoded", wizards::mailLink("moi@ici.fr", "Bonjour à vous"),
     "x<A HREF=\"mailto:moi@ici.fr?subject=Bonjour à vous\">|</A>y", 27 + 10 + 14},
    {"mail without subject", wizards::mailLink("moi@ici.fr", ""),
     "x<A HREF=\"mailto:moi@ici.fr\">|</A>y", 18 + 10},
    {"empty address", wizards::mailLink("", ""), "x<A HREF=\"mailto:\">|</A>y", 18},
};

TEST(Links, TextAndCaret)
{
    for (const LinkCase &c : kLinks) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.insertion.caret, c.caret);
        MemoryEditorControl control(QStringLiteral("xy"));
        control.setSelection(1, 0);
        insertSimple(control, c.insertion.text, c.insertion.caret);
        QString expected = QString::fromUtf8(c.document);
        const int caret = int(expected.indexOf(u'|'));
        expected.remove(caret, 1);
        EXPECT_EQ(control.text(), expected);
        EXPECT_EQ(control.selStart(), caret);
    }
}

TEST(Links, NameCase)
{
    const struct {
        int setting;
        const char *in;
        const char *out;
    } cases[] = {
        {0, "../Img/Logo.GIF", "../Img/Logo.GIF"},
        {1, "../Img/Logo.GIF", "../img/logo.gif"},
        {2, "../img/logo.gif", "../IMG/LOGO.GIF"},
        {2, "Été.htm", "ÉTÉ.HTM"},
        {3, "Logo.gif", "Logo.gif"},
        {-1, "Logo.gif", "Logo.gif"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(wizards::applyNameCase(QString::fromUtf8(c.in), c.setting),
                  QString::fromUtf8(c.out))
            << c.setting << " " << c.in;
}

TEST(Links, PathParts)
{
    const struct {
        const char *path;
        const char *directory;
        const char *name;
    } cases[] = {
        {"/site/img/logo.gif", "/site/img", "logo.gif"},
        {"/logo.gif", "/", "logo.gif"},
        {"logo.gif", "", "logo.gif"},
        {"img/logo.gif", "img", "logo.gif"},
        {"/site/", "/site", ""},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(wizards::directoryPart(QString::fromUtf8(c.path)), QString::fromUtf8(c.directory))
            << c.path;
        EXPECT_EQ(wizards::fileNamePart(QString::fromUtf8(c.path)), QString::fromUtf8(c.name))
            << c.path;
    }
}

TEST(Links, FilePrefix)
{
    const struct {
        const char *label;
        bool projectOpen;
        const char *document;
        const char *chosen;
        const char *project;
        const char *prefix;
    } cases[] = {
        {"through the project", true, "/site/pages/index.htm", "/site/img/logo.gif", "/site",
         "../img/"},
        {"same directory", true, "/site/index.htm", "/site/logo.gif", "/site", ""},
        {"below the document", true, "/site/index.htm", "/site/img/a/logo.gif", "/other", "img/a/"},
        {"no project open", false, "/site/pages/index.htm", "/site/img/logo.gif", "/site", ""},
        {"nothing chosen yet", true, "/site/pages/index.htm", "", "/site", ""},
        {"untitled document", true, "", "/site/img/logo.gif", "/site", "img/"},
        {"outside the project", true, "/site/index.htm", "/autre/logo.gif", "/site", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(wizards::fileLinkPrefix(c.projectOpen, QString::fromUtf8(c.document),
                                          QString::fromUtf8(c.chosen),
                                          QString::fromUtf8(c.project)),
                  QString::fromUtf8(c.prefix));
    }
}

TEST(Links, LinkTypeResult)
{
    const wizards::LinkFields fields{"http://a.org/", "moi@ici.fr", "/site/b.htm", "haut"};
    const struct {
        LinkKind kind;
        const char *target;
        bool isFile;
    } cases[] = {
        {LinkKind::Url, "http://a.org/", false},
        {LinkKind::Mailto, "mailto:moi@ici.fr", false},
        {LinkKind::File, "/site/b.htm", true},
        {LinkKind::Anchor, "haut", false},
    };
    for (const auto &c : cases) {
        const wizards::LinkTarget result = wizards::linkTarget(c.kind, fields);
        EXPECT_EQ(result.target, QString::fromUtf8(c.target));
        EXPECT_EQ(result.isFile, c.isFile);
    }
    // Long fields come back whole.
    const QString longUrl(400, QLatin1Char('u'));
    EXPECT_EQ(wizards::linkTarget(LinkKind::Url, {longUrl, {}, {}, {}}).target, longUrl);
}

} // namespace
